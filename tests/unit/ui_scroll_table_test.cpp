// The scroll bar (range, steps, the two notify modes) and the string table
// (columns, rows and cells, selection by the operator, sorting by a header).
#include <gtest/gtest.h>

#include "support/ui.h"
#include "ui/elements/scroll_bar.h"
#include "ui/elements/string_table.h"

namespace zorn::ui {
namespace {

using test::TProbe;
using test::UiTest;
using Seen = std::vector<std::string>;

TData Int(int32_t i) {
  TData d;
  MakeInt(d, i);
  return d;
}

TData Str(const std::string& s) {
  TData d;
  MakeStr(d, s);
  return d;
}

template <class E>
std::string Read(E& element, void (E::*output)(TData&, uint16_t)) {
  TData d;
  (element.*output)(d, 0);
  return TProbe::Describe(d);
}

class ScrollBarTest : public UiTest {
 protected:
  // The volume bar of the event editor.
  void Make(uint8_t notifyMode) {
    bar.Min = 0;
    bar.Max = 100;
    bar.Page = 2;
    bar.Position = 10;
    bar.NotifyMode = notifyMode;
    bar.Init();
    // One probe for both events: index 0 OnPosition, 1 OnEndScroll.
    bar.OnPosition = MakeWire(0, &TProbe::Take, &seen);
    bar.OnEndScroll = MakeWire(1, &TProbe::Take, &seen);
  }

  TZEScrollBar bar;
  TProbe seen;
};

TEST_F(ScrollBarTest, PlatformRangeEndsAtMaxPlusPageMinusOneAndPositionsStayInside) {
  bar.Orientation = TScrollOrientation::Vertical;
  Make(0);
  EXPECT_EQ(W(bar).Args().Orientation, TScrollOrientation::Vertical);
  EXPECT_EQ(W(bar).ScrollMin(), 0);
  EXPECT_EQ(W(bar).ScrollMax(), 101);
  EXPECT_EQ(W(bar).ScrollPage(), 2);
  EXPECT_EQ(W(bar).ScrollPosition(), 10);
  TData far = Int(150), below = Int(-3), mid = Int(35);
  bar.SetPosition(far, 0);
  EXPECT_EQ(Read(bar, &TZEScrollBar::Value), "int 100");  // the thumb's far end is Max
  bar.SetPosition(below, 0);
  EXPECT_EQ(Read(bar, &TZEScrollBar::Value), "int 0");
  bar.SetPosition(mid, 0);
  EXPECT_EQ(W(bar).ScrollPosition(), 35);
  EXPECT_TRUE(seen.Seen.empty());  // positions set by the scheme are not reported
}

TEST_F(ScrollBarTest, ModeZeroReportsEveryChangeByTheOperatorAndTheThumbFollows) {
  Make(0);
  auto& w = W(bar);
  w.Scroll(TScrollCode::LineDown);
  w.Scroll(TScrollCode::PageDown);
  w.Scroll(TScrollCode::ThumbTrack, 40);
  EXPECT_EQ(w.ScrollPosition(), 40);
  w.Scroll(TScrollCode::ThumbTrack, 40);  // no change, no report
  w.Scroll(TScrollCode::End);
  w.Scroll(TScrollCode::PageUp);
  w.Scroll(TScrollCode::LineUp);
  EXPECT_EQ(seen.Seen, (Seen{"int 11", "int 13", "int 40", "int 40", "int 38", "int 37"}));
  EXPECT_EQ(seen.Indexes, (std::vector<uint16_t>{0, 0, 0, 1, 0, 0}));
  // At the ends the arrows change nothing and report nothing.
  TData top = Int(100);
  bar.SetPosition(top, 0);
  seen.Seen.clear();
  w.Scroll(TScrollCode::LineDown);
  w.Scroll(TScrollCode::PageDown);
  EXPECT_TRUE(seen.Seen.empty());
  EXPECT_EQ(Read(bar, &TZEScrollBar::Value), "int 100");
}

TEST_F(ScrollBarTest, ModeOneReportsOnlyWhenScrollingEndsThenFiresOnEndScroll) {
  Make(1);
  auto& w = W(bar);
  w.Scroll(TScrollCode::ThumbTrack, 20);
  w.Scroll(TScrollCode::ThumbTrack, 60);
  EXPECT_TRUE(seen.Seen.empty());
  EXPECT_EQ(w.ScrollPosition(), 60);  // the thumb follows all the same
  w.Scroll(TScrollCode::End);
  w.Scroll(TScrollCode::LineDown);
  w.Scroll(TScrollCode::End);
  EXPECT_EQ(seen.Seen, (Seen{"int 60", "int 60", "int 61", "int 61"}));
  EXPECT_EQ(seen.Indexes, (std::vector<uint16_t>{0, 1, 0, 1}));
  w.SetEnabled(false);
  EXPECT_FALSE(w.Scroll(TScrollCode::LineDown));
}

class TableTest : public UiTest {
 protected:
  void Make() {
    table.Columns = "Время\r\nСобытие\r\nУсловие\r\nЗначение\r\nДействие=200";
    table.Init();
    table.OnSelect = MakeWire(0, &TProbe::Take, &seen);
  }
  void Add(const std::string& row) {
    TData d = Str(row);
    table.Add(d, 0);
  }
  std::vector<std::string> Cells(int column) {
    std::vector<std::string> cells;
    for (const std::string& row : W(table).Items()) cells.push_back(SplitCells(row, ';')[column]);
    return cells;
  }

  TzeStringTableMT table;
  TProbe seen;
};

TEST_F(TableTest, ColumnsComeFromTheTextWithWidthsAfterTheLastEquals) {
  Make();
  const auto& columns = W(table).Columns();
  ASSERT_EQ(columns.size(), 5u);
  EXPECT_EQ(columns[0].Caption, "Время");
  EXPECT_EQ(columns[4].Caption, "Действие");
  EXPECT_EQ(columns[4].Width, 200);
  EXPECT_EQ(columns[1].Width, kDefaultColumnWidth);
  EXPECT_EQ(W(table).Separator(), ';');
  auto odd = ParseColumns("a=b\r\nx=\r\nk=v=15\r\n");
  ASSERT_EQ(odd.size(), 3u);
  EXPECT_EQ(odd[0].Caption, "a=b");
  EXPECT_EQ(odd[1].Caption, "x=");
  EXPECT_EQ(odd[2].Caption, "k=v");
  EXPECT_EQ(odd[2].Width, 15);
}

TEST_F(TableTest, RowsShowOneCellPerColumnAndReadBackAsAdded) {
  Add("12:00:01 5-3-2024;Overheat;Больше 70;75;Проиграть звук");
  Make();  // a row added before Init is shown too
  Add("12:00:02;Пуск");
  Add("1;2;3;4;5;6;7");
  EXPECT_EQ(W(table).Items(), (Seen{"12:00:01 5-3-2024;Overheat;Больше 70;75;Проиграть звук",
                                    "12:00:02;Пуск;;;", "1;2;3;4;5"}));
  EXPECT_EQ(Read(table, &TzeStringTableMT::Count), "int 3");
  EXPECT_EQ(Read(table, &TzeStringTableMT::Index), "int -1");
  EXPECT_EQ(Read(table, &TzeStringTableMT::Value), "str ");
  TData two = Int(2), beyond = Int(3);
  table.SetIndex(two, 0);
  EXPECT_EQ(Read(table, &TzeStringTableMT::Value), "str 1;2;3;4;5;6;7");  // the row as added
  table.SetIndex(beyond, 0);
  EXPECT_EQ(Read(table, &TzeStringTableMT::Index), "int -1");
  EXPECT_TRUE(seen.Seen.empty());  // a selection by the scheme is not reported
  EXPECT_EQ(Read(table, &TzeStringTableMT::Items),
            "str 12:00:01 5-3-2024;Overheat;Больше 70;75;Проиграть звук\r\n12:00:02;Пуск\r\n1;2;3;4;5;6;7");
  TData none;
  table.SetIndex(two, 0);
  table.Clear(none, 0);
  EXPECT_EQ(W(table).ItemCount(), 0);
  EXPECT_EQ(Read(table, &TzeStringTableMT::Count), "int 0");
  EXPECT_EQ(Read(table, &TzeStringTableMT::Index), "int -1");
}

TEST_F(TableTest, APressOnARowSelectsItBeforeThePressIsReported) {
  Make();
  Add("t1;Пуск;Равно 1;1;Только запись");
  Add("t2;Авария;Больше 70;75;Проиграть звук");
  // What the event log's popup relies on: at the press the selection has
  // already moved to the row under the mouse.
  Seen log;
  test::TCall selected([&](TData& d, uint16_t) { log.push_back("select " + ToStr(d)); });
  test::TCall pressed([&](TData& d, uint16_t) {
    TData row;
    table.Value(row, 0);
    log.push_back("down " + ToStr(d) + " " + ToStr(row).substr(0, 2));
  });
  table.OnSelect = MakeWire(0, &test::TCall::Take, &selected);
  table.OnMouseDown = MakeWire(0, &test::TCall::Take, &pressed);
  ASSERT_TRUE(W(table).ClickRow(1));
  ASSERT_TRUE(W(table).PressRow(0, TMouseButton::Right));
  W(table).Release(TMouseButton::Right);
  W(table).ClickRow(0);  // already selected: only the press
  EXPECT_EQ(log, (Seen{"select 1", "down 0 t2", "select 0", "down 1 t1", "down 0 t1"}));
  EXPECT_FALSE(W(table).PickItem(2));
}

TEST_F(TableTest, AHeaderClickSortsByThatColumnAsTextAndASecondClickReverses) {
  Make();
  for (const char* value : {"9", "10", "75", "abd", "Abc"}) Add(std::string("t;e;c;") + value + ";a");
  TData second = Int(1);
  table.SetIndex(second, 0);  // the row with "10"
  ASSERT_TRUE(W(table).ClickColumn(3));
  // Texts, not numbers: "10" < "75" < "9"; letters fold, so "Abc" < "abd".
  EXPECT_EQ(Cells(3), (Seen{"10", "75", "9", "Abc", "abd"}));
  EXPECT_EQ(Read(table, &TzeStringTableMT::Value), "str t;e;c;10;a");
  EXPECT_EQ(Read(table, &TzeStringTableMT::Index), "int 0");
  W(table).ClickColumn(3);
  EXPECT_EQ(Cells(3), (Seen{"abd", "Abc", "9", "75", "10"}));
  EXPECT_EQ(Read(table, &TzeStringTableMT::Index), "int 4");
  W(table).ClickColumn(0);  // all equal: the order stays
  EXPECT_EQ(Cells(3), (Seen{"abd", "Abc", "9", "75", "10"}));
  Add("t;e;c;0;a");  // a later row sorts in after the rows equal to it
  EXPECT_EQ(Cells(3).back(), "0");
  EXPECT_EQ(table.Rows().front(), "t;e;c;abd;a");
  table.SortOnClick = false;
  W(table).ClickColumn(3);
  EXPECT_EQ(Cells(3).front(), "abd");
}

TEST_F(TableTest, AFullSortedTableDropsItsOldestRowAndSortsTheNewOneIn) {
  table.MaxRows = 4;
  Make();
  for (const char* value : {"b", "d", "a", "c"}) Add(std::string("t;e;c;") + value + ";a");
  TData fourth = Int(3);
  table.SetIndex(fourth, 0);  // the row with "c"
  W(table).ClickColumn(3);
  ASSERT_EQ(Cells(3), (Seen{"a", "b", "c", "d"}));
  auto selectedValue = [&] { return SplitCells(Read(table, &TzeStringTableMT::Value), ';')[3]; };
  // "b", the first added, goes from the middle; the new row takes its place
  // in the sort, and the selection stays on "c".
  Add("t;e;c;bb;a");
  EXPECT_EQ(Cells(3), (Seen{"a", "bb", "c", "d"}));
  EXPECT_EQ(W(table).Selected(), 2);
  EXPECT_EQ(selectedValue(), "c");
  Add("t;e;c;0;a");  // pushes out "d", at the end of the view
  EXPECT_EQ(Cells(3), (Seen{"0", "a", "bb", "c"}));
  EXPECT_EQ(W(table).Selected(), 3);
  EXPECT_EQ(selectedValue(), "c");
  W(table).ClickColumn(3);  // the other way round
  Add("t;e;c;b;a");  // pushes out "a"
  EXPECT_EQ(Cells(3), (Seen{"c", "bb", "b", "0"}));
  EXPECT_EQ(W(table).Selected(), 0);
  // The oldest row selected goes with its selection.
  Add("t;e;c;z;a");  // pushes out "c"
  EXPECT_EQ(Cells(3), (Seen{"z", "bb", "b", "0"}));
  EXPECT_EQ(W(table).Selected(), -1);
  // The element's rows are the widget's, and a refill after a Clear keeps
  // the sort.
  std::vector<std::string> shown;
  for (const std::string& row : table.Rows()) shown.push_back(SplitCells(row, ';')[3]);
  EXPECT_EQ(shown, Cells(3));
  TData none;
  table.Clear(none, 0);
  for (const char* value : {"m", "x", "k"}) Add(std::string("t;e;c;") + value + ";a");
  EXPECT_EQ(Cells(3), (Seen{"x", "m", "k"}));
  EXPECT_TRUE(seen.Seen.empty());  // none of it is the operator's selection
}

}  // namespace
}  // namespace zorn::ui
