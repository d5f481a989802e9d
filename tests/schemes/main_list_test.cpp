// The main list on the headless backend and the virtual clock, below a
// stand-in for the main panel of the main window: rows loaded from
// [mainForm], their text and blinking colour, the WAVE2 sound with its own
// gate, and the menu commands; also one reply line reaching both the list
// and the indicator window.
#include <memory>

#include "app/indicator_window/indicator_window.h"
#include "app/main_list/main_list.h"
#include "app/main_list/main_list_row.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "support/main_form.h"

namespace zorn::test {
namespace {

using MainList = TClassChildPanel_MainList;
using IndicatorWindow = TClassChildForm_IndicatorWindow;

using ui::headless::THeadlessBitmap;
using ui::headless::THeadlessMenu;
using ui::headless::THeadlessWidget;
using Values = std::vector<std::string>;

constexpr uint32_t kInactive = 0xFFFF00;
constexpr uint32_t kActive = 0x0000FF;

std::string Bytes(const char* resource) {
  auto r = platform::FindResource(resource, platform::UserResourceType);
  return std::string(reinterpret_cast<const char*>(r.Data), r.Size);
}

class MainListTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    topPanel = std::make_unique<ui::TZEPanel>();  // where the main panel docks
    topPanel->Parent = mainForm.get();
    topPanel->Align = ui::alTop;
    topPanel->Height = 27;
    topPanel->Init();
    host = Host(1, 1);
    host->Events[MainList::OnEdit] = MakeWire(0, &TProbe::Take, &edits);
    host->DataInputs[MainList::Picture] = PictureOutput();
    host->SetFactory(&SchemeFactory<TClassChildPanel_MainList>);
    windowHost = Host(1, 2);
    windowHost->SetFactory(&SchemeFactory<TClassChildForm_IndicatorWindow>);
    StartDispatch();
    mainForm->ShowControl(true);
  }
  void TearDown() override {
    windowHost.reset();
    host.reset();
    topPanel.reset();
    MainFormTest::TearDown();
  }

  TClassChildPanel_MainList& List() {
    return *static_cast<TClassChildPanel_MainList*>(host->Child->Scheme);
  }
  TClassChildForm_IndicatorWindow& Window() {
    return *static_cast<TClassChildForm_IndicatorWindow*>(windowHost->Child->Scheme);
  }
  void Load() {
    FireNull(MakeWire(MainList::Load, &TZEMultiElement::Action, host.get()));
    FireNull(MakeWire(IndicatorWindow::Load, &TZEMultiElement::Action, windowHost.get()));
  }
  // A reply line as the main window hands it on: window first, then list.
  void Line(const std::string& line) {
    FireStr(MakeWire(IndicatorWindow::Line, &TZEMultiElement::Action, windowHost.get()), line);
    FireStr(MakeWire(MainList::Line, &TZEMultiElement::Action, host.get()), line);
  }
  void Settings(const std::string& text) {
    folder.Write("user_settings.ini", text);
    Load();
  }

  std::vector<TClassChildPanelEx_MainListRow*> Rows() {
    std::vector<TClassChildPanelEx_MainListRow*> rows;
    for (TZEEditMultiEx* i : List().rows->Instances) {
      rows.push_back(static_cast<TClassChildPanelEx_MainListRow*>(i->Scheme));
    }
    return rows;
  }
  THeadlessWidget& Text(size_t k) { return W(*Rows().at(k)->text); }
  std::string Picture(size_t k) {
    const auto& bitmap = W(*Rows().at(k)->picture).Bitmap();
    return bitmap ? static_cast<const THeadlessBitmap&>(*bitmap).Name : "";
  }
  Values Texts() {
    Values texts;
    for (size_t k = 0; k < Rows().size(); ++k) texts.push_back(Text(k).Text());
    return texts;
  }
  THeadlessMenu& Menu() { return ui::headless::Of(List().menu->Menu()); }
  std::string MenuState() {
    std::string s;
    for (const auto& item : Menu().Items()) s += item.Enabled ? '+' : '-';
    return s;
  }
  Values Sounds() {
    Values played;
    for (const auto& r : platform::SoundRequests()) {
      played.push_back(r.Bytes == Bytes("WAVE1")   ? "WAVE1"
                       : r.Bytes == Bytes("WAVE2") ? "WAVE2"
                                                   : "other");
    }
    return played;
  }

  std::unique_ptr<ui::TZEPanel> topPanel;
  std::unique_ptr<TZEMultiElement> windowHost;  // the indicator window beside the list
  TProbe edits;
};

TEST_F(MainListTest, RowsFillThePanelBelowTheMainPanel) {
  Settings(
      "[indicatorForm]\r\nunit_1=1;12;5;0;Окно;60;0\r\n"
      "[mainForm]\r\nunit_1=1;12;20;2;Температура: ;70;0\r\n"
      "unit_2=1;12;5;0;Short;70\r\n"
      "unit_7=0;3;1;0;Насос ;150;0\r\n");
  auto& list = List();
  EXPECT_EQ(W(*list.panel).Parent(), mainForm->Widget());
  EXPECT_EQ(W(*list.panel).Bounds(), (ui::TRect{0, 27, 438, 301}));
  EXPECT_EQ(W(*list.panel).Color(), 0xFF00000Fu);
  const auto& header = W(*list.header).Bitmap();
  ASSERT_TRUE(header);
  EXPECT_EQ(static_cast<const THeadlessBitmap&>(*header).Name, "BITMAP9");
  Values items;
  for (const auto& item : Menu().Items()) items.push_back(item.Text);
  EXPECT_EQ(items, (Values{"Редактировать", "Добавить строку", "Удалить строку"}));

  // Before any report the caption alone, inactive.
  ASSERT_EQ(Rows().size(), 2u);
  EXPECT_EQ(Texts(), (Values{"Температура: ", "Насос "}));
  EXPECT_EQ(Picture(0), "BITMAP13");
  EXPECT_EQ(Text(0).Font().Name, "Times New Roman");
  EXPECT_EQ(Text(0).Font().Style, 1);
  EXPECT_EQ(Text(0).Font().CharSet, 204);
  EXPECT_EQ(Text(0).Font().Color, kInactive);
  // The layout: margin 20, spacing 2, full width less the margins, height 21.
  ui::TRect first = W(*Rows()[0]->panel).Bounds();
  ui::TRect second = W(*Rows()[1]->panel).Bounds();
  EXPECT_EQ(first.Height, 21);
  EXPECT_EQ(first.Width, 438 - 40);  // the record's width is not applied
  EXPECT_EQ(second.Width, first.Width);
  EXPECT_EQ(second.Top, first.Top + 21 + 2);
  EXPECT_EQ(backend.ToolTipsIfMade()->TipOf(&Text(1)),
            "Блок: №3 (bool), Значение равно \"1\", Сигнал: отключен, Текущее значение: \"\"");
}

TEST_F(MainListTest, TheValueFollowsTheCaptionAndTheColourBlinks) {
  Settings("[mainForm]\r\nunit_1=1;12;20;2;Температура: ;70;0\r\n");
  Line("1;12;25");
  EXPECT_EQ(Text(0).Text(), "Температура: 25");
  EXPECT_EQ(Picture(0), "BITMAP14");
  EXPECT_EQ(Text(0).Font().Color, kInactive);  // the blink switch was off
  loop.Advance(600);
  EXPECT_EQ(Text(0).Font().Color, kActive);
  EXPECT_EQ(Text(0).Text(), "Температура: 25");  // the text does not blink
  loop.Advance(600);
  EXPECT_EQ(Text(0).Font().Color, kInactive);
  loop.Advance(600);
  Line("1;12;30");
  EXPECT_EQ(Text(0).Text(), "Температура: 30");
  EXPECT_EQ(Text(0).Font().Color, kActive);

  Line("1;12;10");  // '10' < '20': inactive, the inactive colour, no blinking
  EXPECT_EQ(Picture(0), "BITMAP13");
  EXPECT_EQ(Text(0).Text(), "Температура: 10");
  EXPECT_EQ(Text(0).Font().Color, kInactive);
  loop.Advance(3000);
  EXPECT_EQ(Text(0).Font().Color, kInactive);
}

TEST_F(MainListTest, OneLineReachesTheListRowsAndTheIndicatorWindow) {
  Settings(
      "[indicatorForm]\r\nunit_1=1;12;5;0;Окно;60;0\r\n"
      "[mainForm]\r\nunit_1=1;12;5;0;A;70;0\r\nunit_2=1;12;5;1;B;70;0\r\n"
      "unit_3=1;13;5;0;C;70;0\r\n");
  Line("1;12;5");
  EXPECT_EQ(Picture(0), "BITMAP14");
  EXPECT_EQ(Picture(1), "BITMAP13");
  EXPECT_EQ(Texts(), (Values{"A5", "B5", "C"}));
  auto* item = static_cast<TClassChildPanelEx_IndicatorItem*>(Window().items->Instances.at(0)->Scheme);
  const auto& shown = W(*item->picture).Bitmap();
  ASSERT_TRUE(shown);
  EXPECT_EQ(static_cast<const THeadlessBitmap&>(*shown).Name, "BITMAP12");
}

TEST_F(MainListTest, Wave2HasItsOwnOneSecondGate) {
  Settings(
      "[indicatorForm]\r\nunit_1=1;12;5;0;Окно;60;1\r\n"
      "[mainForm]\r\nunit_1=1;12;5;0;A;70;1\r\nunit_2=1;13;5;0;B;70;1\r\n"
      "unit_3=1;14;5;0;C;70;0\r\n");
  Line("1;12;5");  // the window's first, then the list's: both play
  EXPECT_EQ(Sounds(), (Values{"WAVE1", "WAVE2"}));
  EXPECT_EQ(platform::SoundRequests()[1].Flags & 1u, 1u);  // asynchronous
  Line("1;13;5");  // within the list's second
  Line("1;14;5");  // no signal
  EXPECT_EQ(Sounds().size(), 2u);
  loop.Advance(1000);
  Line("1;13;6");
  EXPECT_EQ(Sounds(), (Values{"WAVE1", "WAVE2", "WAVE2"}));
}

TEST_F(MainListTest, MenuCommandsWorkOnTheSelectedRow) {
  Settings("[indicatorForm]\r\nunit_2=1;12;5;0;Окно;60;0\r\n"
           "[mainForm]\r\nunit_1=1;12;5;0;A;70;0\r\nunit_2=1;13;5;0;B;70;0\r\n"
           "unit_4=1;14;5;0;C;70;0\r\n");
  ASSERT_TRUE(W(*List().panel).Press(ui::TMouseButton::Right));
  EXPECT_TRUE(Menu().Open());
  EXPECT_EQ(MenuState(), "-+-");
  ASSERT_TRUE(Menu().Pick(1));
  EXPECT_EQ(edits.Seen, (Values{"str 0;unit_3"}));

  ASSERT_TRUE(Text(2).Press(ui::TMouseButton::Right));
  EXPECT_EQ(MenuState(), "+++");
  ASSERT_TRUE(Menu().Pick(0));
  EXPECT_EQ(edits.Seen.back(), "str 0;unit_4");

  // Delete touches [mainForm] only and reloads the list.
  Text(1).Press(ui::TMouseButton::Right);
  ASSERT_TRUE(Menu().Pick(2));
  EXPECT_EQ(Texts(), (Values{"A", "C"}));
  std::string file = folder.Read("user_settings.ini");
  EXPECT_EQ(file.find("unit_2=1;13"), std::string::npos);
  EXPECT_NE(file.find("unit_2=1;12;5;0;Окно;60;0"), std::string::npos);
  EXPECT_EQ(edits.Seen.size(), 2u);
}

}  // namespace
}  // namespace zorn::test
