// The drop-down list and the popup menu: indexes, data modes, and the item
// states of the menu.
#include <gtest/gtest.h>

#include "support/ui.h"
#include "ui/elements/combo_box.h"
#include "ui/elements/popup_menu.h"

namespace zorn::ui {
namespace {

using test::TProbe;
using test::UiTest;

class ComboTest : public UiTest {
 protected:
  void Make() {
    combo.Init();
    combo.OnSelect = MakeWire(0, &TProbe::Take, &selected);
  }
  void Do(void (TZEComboBox::*action)(TData&, uint16_t), TData d) { (combo.*action)(d, 0); }
  static TData Int(int32_t i) {
    TData d;
    MakeInt(d, i);
    return d;
  }
  static TData Str(const std::string& s) {
    TData d;
    MakeStr(d, s);
    return d;
  }
  std::string Read(void (TZEComboBox::*output)(TData&, uint16_t)) {
    TData d;
    (combo.*output)(d, 0);
    return TProbe::Describe(d);
  }

  TZEComboBox combo;
  TProbe selected;
};

TEST_F(ComboTest, SetIndexOutOfRangeSelectsNothingButStillReports) {
  combo.Strings = "9600\r\n19200\r\n38400\r\n";
  Make();
  Do(&TZEComboBox::SetIndex, Int(1));
  Do(&TZEComboBox::SetIndex, Int(-5));
  EXPECT_EQ(W(combo).Selected(), -1);
  Do(&TZEComboBox::SetIndex, Int(2));
  Do(&TZEComboBox::SetIndex, Int(3));
  EXPECT_EQ(selected.Seen, (std::vector<std::string>{"int 1", "int -1", "int 2", "int -1"}));
  EXPECT_EQ(Read(&TZEComboBox::Index), "int -1");
  EXPECT_EQ(Read(&TZEComboBox::Count), "int 3");
  EXPECT_EQ(Read(&TZEComboBox::Items), "str 9600\r\n19200\r\n38400");
}

TEST_F(ComboTest, TextModeCarriesTheItemTextAndEmptyForNone) {
  combo.Strings = "a\r\nb";
  combo.DataMode = 1;
  Make();
  Do(&TZEComboBox::SetIndex, Int(1));
  Do(&TZEComboBox::SetIndex, Int(2));
  ASSERT_TRUE(W(combo).PickItem(0));
  EXPECT_EQ(selected.Seen, (std::vector<std::string>{"str b", "str ", "str a"}));
  EXPECT_EQ(Read(&TZEComboBox::Value), "str a");
}

TEST_F(ComboTest, AddUniqueAndSelectAdded) {
  combo.AddUnique = true;
  combo.SelectAdded = true;
  Make();
  Do(&TZEComboBox::Add, Str("3"));
  Do(&TZEComboBox::Add, Str("5"));
  Do(&TZEComboBox::Add, Str("3"));
  EXPECT_EQ(W(combo).Items(), (std::vector<std::string>{"3", "5"}));
  EXPECT_EQ(W(combo).Selected(), 1);  // the repeated text is not added nor selected
  EXPECT_TRUE(selected.Seen.empty());  // adding is no selection by the user
  TZEComboBox plain;
  plain.Init();
  for (const char* s : {"x", "x"}) {
    TData d = Str(s);
    plain.Add(d, 0);
  }
  EXPECT_EQ(W(plain).ItemCount(), 2);
  EXPECT_EQ(W(plain).Selected(), -1);
}

TEST_F(ComboTest, DropDownHeightFollowsTheItemCount) {
  EXPECT_EQ(DropDownHeight(13, 0, 8), 13 * 5 + 2);
  EXPECT_EQ(DropDownHeight(13, 2, 8), 13 * 4 + 2);
  EXPECT_EQ(DropDownHeight(13, 20, 8), 13 * 10 + 2);
  combo.DropDownCount = 6;
  Make();
  EXPECT_EQ(W(combo).DropDownHeight(), 13 * 5 + 2);
  for (int i = 0; i < 7; ++i) Do(&TZEComboBox::Add, Str(std::to_string(i)));
  EXPECT_EQ(W(combo).DropDownHeight(), 13 * 8 + 2);
  Do(&TZEComboBox::Clear, TData{});
  EXPECT_EQ(W(combo).DropDownHeight(), 13 * 5 + 2);
  EXPECT_EQ(W(combo).ItemCount(), 0);
}

TEST_F(ComboTest, AFixedListWithItemsStartsOnItemZeroAndAnEditableOneKeepsItsText) {
  TZEComboBox fixed;
  fixed.Editable = false;
  fixed.Strings = "bit\r\nint";
  fixed.Init();
  EXPECT_EQ(W(fixed).Selected(), 0);
  EXPECT_EQ(W(fixed).Text(), "bit");
  combo.Strings = "9600";
  combo.Text = "Скорость COM порта";
  TProbe edited;
  Make();
  combo.OnChange = MakeWire(0, &TProbe::Take, &edited);
  EXPECT_EQ(W(combo).Selected(), -1);
  EXPECT_EQ(W(combo).Text(), "Скорость COM порта");
  W(combo).Key(headless::vkEnd);
  W(combo).Type("!");
  EXPECT_EQ(edited.Seen, (std::vector<std::string>{"str Скорость COM порта!"}));
}

class PopupTest : public UiTest {
 protected:
  void Make(const std::string& items) {
    menu.Items = items;
    menu.Init();
    menu.OnClick = MakeWire(0, &TProbe::Take, &clicks);
  }
  headless::THeadlessMenu& M() { return headless::Of(menu.Menu()); }
  void Call(void (TzePopupMenuEx::*action)(TData&, uint16_t), TData d) { (menu.*action)(d, 0); }

  TzePopupMenuEx menu;
  TProbe clicks;
};

TEST_F(PopupTest, SeparatorsCountAsItems) {
  Make("Редактировать\r\n-\r\nЗакрыть окно");
  Call(&TzePopupMenuEx::Popup, TData{});
  ASSERT_TRUE(M().Open());
  EXPECT_FALSE(M().Pick(1));  // the separator cannot be chosen
  Call(&TzePopupMenuEx::Popup, TData{});
  ASSERT_TRUE(M().Pick(2));
  EXPECT_EQ(clicks.Seen, (std::vector<std::string>{"int 2"}));
  EXPECT_TRUE(M().Items()[1].Separator);
  EXPECT_EQ(M().Popups(), 2);
}

TEST_F(PopupTest, ToggleEnabledAndSetCheckUseTheIndexInput) {
  Make("Редактировать\r\nДобавить\r\nУдалить\r\n-\r\nПоверх окон\r\n-\r\nЗакрыть окно\r\n");
  ASSERT_EQ(menu.MenuItems().size(), 7u);  // the final break adds no item
  test::TSource index;
  menu.IndexInput = MakeWire(0, &test::TSource::Value, &index);
  MakeInt(index.Answer, 2);
  Call(&TzePopupMenuEx::ToggleEnabled, TData{});
  EXPECT_FALSE(M().Items()[2].Enabled);
  Call(&TzePopupMenuEx::Popup, TData{});
  EXPECT_FALSE(M().Pick(2));  // greyed
  Call(&TzePopupMenuEx::ToggleEnabled, TData{});
  EXPECT_TRUE(M().Items()[2].Enabled);

  MakeInt(index.Answer, 4);
  TData on;
  MakeInt(on, 1);
  Call(&TzePopupMenuEx::SetCheck, on);
  EXPECT_TRUE(M().Items()[4].Checked);
  TData off;
  MakeInt(off, 0);
  Call(&TzePopupMenuEx::SetCheck, off);
  EXPECT_FALSE(M().Items()[4].Checked);
  TData text;
  MakeStr(text, "0");  // only Int 0 is false
  Call(&TzePopupMenuEx::SetCheck, text);
  EXPECT_TRUE(M().Items()[4].Checked);

  // Indexes outside the list change nothing.
  for (int32_t bad : {-1, 7, 100}) {
    MakeInt(index.Answer, bad);
    Call(&TzePopupMenuEx::ToggleEnabled, TData{});
    Call(&TzePopupMenuEx::SetCheck, off);
  }
  for (const TMenuItem& item : M().Items()) EXPECT_TRUE(item.Enabled);
}

TEST_F(PopupTest, UnwiredIndexTakesTheChainAndItemsCanBeReplacedOrAppended) {
  Make("Блоки входов\r\nБлоки выходов");
  TData index, flag;
  MakeInt(index, 1);
  MakeInt(flag, 1);
  index.Next = &flag;
  Call(&TzePopupMenuEx::SetCheck, index);
  EXPECT_FALSE(M().Items()[0].Checked);
  EXPECT_TRUE(M().Items()[1].Checked);
  TData items;
  MakeStr(items, "Вход:(bool) №1");
  Call(&TzePopupMenuEx::SetItems, items);
  MakeStr(items, "Вход:(int) №2\r\nВход:(str) №3");
  Call(&TzePopupMenuEx::AddItems, items);
  TData number;
  MakeInt(number, 5);
  Call(&TzePopupMenuEx::AddItems, number);  // not a string: nothing added
  ASSERT_EQ(M().Items().size(), 3u);
  EXPECT_EQ(M().Items()[2].Text, "Вход:(str) №3");
  Call(&TzePopupMenuEx::Clear, TData{});
  EXPECT_TRUE(M().Items().empty());
}

}  // namespace
}  // namespace zorn::ui
