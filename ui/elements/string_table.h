// TzeStringTableMT: a multi-column list (report view) with a header. Each row
// is one text whose cells are separated by Separator; the element keeps the
// rows as added and shows them, one cell per column. A click on a column
// header sorts the rows by that column's cells, a second click on the same
// header the other way round; the sort stays in force, so rows added later
// (after a Clear too) go where it puts them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/elements/win.h"

namespace zorn::ui {

// A column of the Columns text: "Caption" or "Caption=width".
struct TTableColumn {
  std::string Caption;
  int32_t Width = 0;
};
constexpr int32_t kDefaultColumnWidth = 80;
// The columns of a text with one column per line; a line whose part after
// its last "=" is a number gives that width, any other line the default.
std::vector<TTableColumn> ParseColumns(const std::string& text);
// The cells of a row; a row without a separator is one cell.
std::vector<std::string> SplitCells(const std::string& row, char separator);

class TzeStringTableMT : public TZEWin {
 public:
  TzeStringTableMT() {
    Width = 200;
    Height = 100;
  }

  // Properties, set before Init.
  std::string Columns;   // "Время\r\nСобытие\r\n…\r\nДействие=200"
  char Separator = ';';
  bool SortOnClick = true;
  // With MaxRows above 0, an Add that would exceed it first removes the
  // oldest row, wherever a sort shows it, so the table keeps the last
  // MaxRows rows added.
  int32_t MaxRows = 0;

  // Actions.
  // Adds the row ToStr(value): at the end, or at its place in the sort.
  void Add(TData& data, uint16_t index);
  void Clear(TData& data, uint16_t index);     // removes every row
  // Selects row ToInt(value); outside 0..count-1 nothing is selected. Fires
  // nothing: only the operator's choice is reported.
  void SetIndex(TData& data, uint16_t index);

  // Data outputs.
  void Index(TData& data, uint16_t index);  // the selected row, −1 for none
  void Value(TData& data, uint16_t index);  // the selected row's text, empty for none
  void Count(TData& data, uint16_t index);
  void Items(TData& data, uint16_t index);  // every row, joined by CR LF

  TWire OnSelect;  // Int row the operator selected

  const std::vector<std::string>& Rows() const { return rows_; }

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::Table; }
  void Attached() override;

 private:
  void SortBy(int32_t column);
  void Publish(int32_t selected);
  std::string SortKey(const std::string& row) const;
  // Whether sort key `a` goes before sort key `b` in the current sort.
  bool SortsBefore(const std::string& a, const std::string& b) const;

  std::vector<std::string> rows_;    // in the order shown
  std::vector<uint64_t> added_;      // each row's number in the order of adding
  uint64_t nextAdded_ = 0;
  int32_t sortColumn_ = -1;
  bool ascending_ = true;
};

}  // namespace zorn::ui
