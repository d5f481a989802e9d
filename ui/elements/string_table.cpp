#include "ui/elements/string_table.h"

#include <algorithm>
#include <numeric>

#include "elements/str_list.h"
#include "runtime/text.h"

namespace zorn::ui {

std::vector<TTableColumn> ParseColumns(const std::string& text) {
  std::vector<TTableColumn> columns;
  for (const std::string& line : TextToLines(text)) {
    TTableColumn column{line, kDefaultColumnWidth};
    size_t eq = line.rfind('=');
    if (eq != std::string::npos && eq + 1 < line.size() && eq + 1 + 9 >= line.size() &&
        std::all_of(line.begin() + eq + 1, line.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      column.Caption = line.substr(0, eq);
      column.Width = std::stoi(line.substr(eq + 1));
    }
    columns.push_back(column);
  }
  return columns;
}

std::vector<std::string> SplitCells(const std::string& row, char separator) {
  std::vector<std::string> cells(1);
  for (char ch : row) {
    if (ch == separator) {
      cells.emplace_back();
    } else {
      cells.back() += ch;
    }
  }
  return cells;
}

void TzeStringTableMT::Attached() {
  std::vector<IWidget::TColumn> columns;
  for (const TTableColumn& c : ParseColumns(Columns)) columns.push_back({c.Caption, c.Width});
  widget_->SetColumns(columns, Separator);
  for (const std::string& row : rows_) widget_->AddItem(row);  // added before Init
  widget_->Events.OnSelect = [this](int32_t row) { FireInt(OnSelect, row); };
  widget_->Events.OnColumnClick = [this](int32_t column) {
    if (SortOnClick) SortBy(column);
  };
}

std::string TzeStringTableMT::SortKey(const std::string& row) const {
  std::vector<std::string> cells = SplitCells(row, Separator);
  return sortColumn_ < static_cast<int32_t>(cells.size()) ? cells[sortColumn_] : std::string();
}

bool TzeStringTableMT::SortsBefore(const std::string& a, const std::string& b) const {
  // Texts order as texts everywhere in the program: A-Z folded, bytes else.
  int c = CompareTextAscii(a, b);
  return ascending_ ? c < 0 : c > 0;
}

void TzeStringTableMT::SortBy(int32_t column) {
  ascending_ = column == sortColumn_ ? !ascending_ : true;
  sortColumn_ = column;
  std::vector<size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::vector<std::string> keys;
  for (const std::string& row : rows_) keys.push_back(SortKey(row));
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return SortsBefore(keys[a], keys[b]); });
  int32_t selected = widget_->Selected();
  int32_t follows = -1;  // the selected row keeps its selection in its new place
  std::vector<std::string> sorted;
  std::vector<uint64_t> added;
  for (size_t i = 0; i < order.size(); ++i) {
    if (static_cast<int32_t>(order[i]) == selected) follows = static_cast<int32_t>(i);
    sorted.push_back(std::move(rows_[order[i]]));
    added.push_back(added_[order[i]]);
  }
  rows_ = std::move(sorted);
  added_ = std::move(added);
  Publish(follows);
}

void TzeStringTableMT::Publish(int32_t selected) {
  widget_->ClearItems();
  for (const std::string& row : rows_) widget_->AddItem(row);
  widget_->SetSelected(selected);
}

void TzeStringTableMT::Add(TData& data, uint16_t) {
  std::string row = ToStr(data);
  // The oldest row makes room, wherever the sort has put it; the widget
  // keeps the selection on its row through the removal and the insertion.
  while (MaxRows > 0 && static_cast<int32_t>(rows_.size()) >= MaxRows) {
    size_t oldest = std::min_element(added_.begin(), added_.end()) - added_.begin();
    rows_.erase(rows_.begin() + oldest);
    added_.erase(added_.begin() + oldest);
    if (widget_) widget_->RemoveItem(static_cast<int32_t>(oldest));
  }
  size_t at = rows_.size();
  if (sortColumn_ >= 0) {
    // After the rows that sort equal to it, where the stable sort puts it.
    std::string key = SortKey(row);
    auto before = [&](const std::string& k, const std::string& r) { return SortsBefore(k, SortKey(r)); };
    at = std::upper_bound(rows_.begin(), rows_.end(), key, before) - rows_.begin();
  }
  rows_.insert(rows_.begin() + at, row);
  added_.insert(added_.begin() + at, nextAdded_++);
  if (widget_) widget_->InsertItem(static_cast<int32_t>(at), row);
}

void TzeStringTableMT::Clear(TData&, uint16_t) {
  rows_.clear();
  added_.clear();
  if (widget_) widget_->ClearItems();
}

void TzeStringTableMT::SetIndex(TData& data, uint16_t) {
  if (widget_) widget_->SetSelected(ToInt(data));
}

void TzeStringTableMT::Index(TData& data, uint16_t) { MakeInt(data, widget_ ? widget_->Selected() : -1); }

void TzeStringTableMT::Value(TData& data, uint16_t) {
  int32_t row = widget_ ? widget_->Selected() : -1;
  MakeStr(data, row >= 0 && row < static_cast<int32_t>(rows_.size()) ? rows_[row] : std::string());
}

void TzeStringTableMT::Count(TData& data, uint16_t) { MakeInt(data, static_cast<int32_t>(rows_.size())); }

void TzeStringTableMT::Items(TData& data, uint16_t) {
  std::string joined;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += rows_[i];
  }
  MakeStr(data, joined);
}

}  // namespace zorn::ui
