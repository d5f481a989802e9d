// The operator windows inside the main scheme, with a controller on loopback
// TCP: the windows open from their flags, follow the controller's replies
// (which arrive with their CR on TCP), send their commands through the link,
// and their editors reload them after a save.
#include <memory>

#include "app/button_window/button_window.h"
#include "app/editors/button_editor.h"
#include "app/editors/event_editor.h"
#include "app/editors/indicator_editor.h"
#include "app/editors/save_bars.h"
#include "app/event_window/event_window.h"
#include "app/indicator_window/indicator_item.h"
#include "app/indicator_window/indicator_window.h"
#include "app/main_list/main_list.h"
#include "app/settings/link_settings.h"
#include "link/controller_link.h"
#include "link/panel/main_panel.h"
#include "link/tcp_link.h"
#include "platform/virtual_loop.h"
#include "resources/program_resources.h"
#include "runtime/program/main_scheme.h"
#include "support/loopback_port.h"
#include "support/program_folder.h"
#include "support/tcp_peer.h"
#include "support/ui.h"

namespace zorn::test {
namespace {

using ui::TWidgetKind;
using ui::headless::THeadlessBitmap;
using ui::headless::THeadlessWidget;
using namespace std::chrono_literals;

template <class Scheme>
Scheme& ChildOf(TZEMultiElement* host) {
  return *static_cast<Scheme*>(host->Child->Scheme);
}

class OperatorWindowsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    RegisterProgramResources();
    ResetRuntimeForTests();
    platform::SetEventLoop(&loop);
    port = FreeLoopbackPort();
    folder.Write("config.ini", "[config]\r\ntype_connect=2\r\ntime_refresh=1\r\ntcp_port=" +
                                   std::to_string(port) +
                                   "\r\n[buttonForm]\r\nvisible=1\r\n[indicatorForm]\r\nvisible=1\r\n"
                                   "[graphForm]\r\nvisible=1\r\n");
    folder.Write("user_settings.ini",
                 "[buttonForm]\r\nunit_1=5;4;1;0;Насос;70;0\r\nunit_2=5;5;1;1;Свет;70;0\r\n"
                 "[indicatorForm]\r\nunit_1=0;1;1;0;Авария;90;0\r\n"
                 "[mainForm]\r\nunit_1=1;2;3;2;Счёт: ;110;0\r\n"
                 "[eventForm]\r\nevent_1=0;1;1;1;Авария есть;0;\r\n");
  }
  void TearDown() override {
    scheme.reset();
    platform::SetEventLoop(nullptr);
    UiTest::TearDown();
  }

  // Starts the program, shows its windows and connects the controller.
  void StartConnected() {
    scheme = std::make_unique<TClassMainForm_Main>();
    StartDispatch();
    loop.Advance(10);
    auto& link = ChildOf<TClassMultiElement_Link>(scheme->link);
    ChildOf<TClassMultiElement_TcpLink>(link.tcpLink).server->Address = "127.0.0.1";
    auto& panel = ChildOf<TClassChildPanel_MainPanel>(scheme->mainPanel);
    ASSERT_TRUE(W(*panel.startStopButton).Click());
    ASSERT_TRUE(controller.Connect(port));
    ASSERT_TRUE(Received("scan\n"));
  }
  bool Received(const std::string& bytes) {
    return loop.RunUntil([&] {
      controller.ReadAvailable();
      return controller.Received.find(bytes) != std::string::npos;
    }, 5s);
  }
  // The showing widget of `kind` that reads `text`.
  bool Showing(TWidgetKind kind, const std::string& text) {
    THeadlessWidget* widget = backend.Find(kind, text);
    return widget && widget->Showing();
  }
  THeadlessWidget* FindForm(const std::string& caption) {
    for (THeadlessWidget* form : backend.Forms()) {
      if (form->Text() == caption && form->Showing()) return form;
    }
    return nullptr;
  }
  std::string IndicatorPicture() {
    auto& window = ChildOf<TClassChildForm_IndicatorWindow>(scheme->indicatorWindow);
    auto* item = static_cast<TClassChildPanelEx_IndicatorItem*>(window.items->Instances.at(0)->Scheme);
    const auto& bitmap = W(*item->picture).Bitmap();
    return bitmap ? static_cast<const THeadlessBitmap&>(*bitmap).Name : "";
  }
  const std::vector<std::string>& EventRows() {
    return W(*ChildOf<TClassChildForm_EventWindow>(scheme->eventWindow).table).Items();
  }

  TProgramFolder folder;
  platform::TVirtualLoop loop;
  uint16_t port = 0;
  TPeer controller;
  std::unique_ptr<TClassMainForm_Main> scheme;
};

TEST_F(OperatorWindowsTest, WindowsOpenFromTheirFlagsAndFollowTcpRepliesWithoutTheirCr) {
  StartConnected();
  EXPECT_NE(FindForm("Журнал событий"), nullptr);
  EXPECT_TRUE(Showing(TWidgetKind::Button, "Насос"));
  EXPECT_TRUE(Showing(TWidgetKind::Label, "Авария"));
  EXPECT_EQ(IndicatorPicture(), "BITMAP11");

  ASSERT_TRUE(controller.Send("0;1;1\r\n1;2;7\r\n"));
  // "равно 1" holds only for the value without the CR the TCP line carries.
  ASSERT_TRUE(loop.RunUntil([&] { return IndicatorPicture() == "BITMAP12"; }, 5s));
  EXPECT_TRUE(loop.RunUntil([&] { return backend.Find(TWidgetKind::Label, "Счёт: 7"); }, 5s));
  ASSERT_EQ(EventRows().size(), 1u);
  const std::string& row = EventRows()[0];
  EXPECT_EQ(row.substr(row.find(';')), ";Авария есть;Равно 1;1;Только запись");
}

TEST_F(OperatorWindowsTest, ButtonsSendThroughTheLinkAndTogglesResendWhenAClientConnects) {
  StartConnected();
  // A second after the client came, the link asks the toggles to resend.
  loop.Advance(1000);
  EXPECT_TRUE(Received("\r0;5\n"));
  controller.Received.clear();
  ASSERT_NE(backend.Find(TWidgetKind::Button, "Насос"), nullptr);
  ASSERT_TRUE(backend.Find(TWidgetKind::Button, "Насос")->Press());
  EXPECT_TRUE(Received("\r1;4\n"));
}

TEST_F(OperatorWindowsTest, EditorsOpenFromTheirWindowsAndTheirSavesReloadThem) {
  StartConnected();
  ASSERT_TRUE(controller.Send("0;6;1\r\n"));  // an input block the editors can offer
  ASSERT_TRUE(loop.RunUntil([&] {
    TData blocks;
    scheme->mainPanel->DataOutput(blocks, TClassChildPanel_MainPanel::InputBlocks);
    return ArrayTexts(blocks).size() == 2;
  }, 5s));

  // A block handed to the indicator window becomes a record its editor opens.
  TData block;
  MakeStr(block, "0;6");
  scheme->indicatorWindow->Action(block, TClassChildForm_IndicatorWindow::AddIndicator);
  loop.Advance(10);
  ASSERT_NE(scheme->indicatorEditor->Child, nullptr);
  EXPECT_NE(FindForm("Редактирование индикатора"), nullptr);
  auto& indicatorEditor = ChildOf<TClassChildForm_IndicatorEditor>(scheme->indicatorEditor);
  ASSERT_TRUE(W(*ChildOf<TClassChildPanel_IndicatorEditorSave>(indicatorEditor.saveBar).save).Click());
  EXPECT_EQ(ChildOf<TClassChildForm_IndicatorWindow>(scheme->indicatorWindow).items->Instances.size(), 2u);

  // The main list edits its own section through the same editor.
  TData edit;
  MakeStr(edit, "0;unit_1");
  Fire(scheme->mainList->Events[TClassChildPanel_MainList::OnEdit], edit);
  W(*indicatorEditor.caption).SetText("");
  ASSERT_TRUE(W(*indicatorEditor.caption).Type("Итог: "));
  ASSERT_TRUE(W(*ChildOf<TClassChildPanel_IndicatorEditorSave>(indicatorEditor.saveBar).save).Click());
  EXPECT_NE(backend.Find(TWidgetKind::Label, "Итог: "), nullptr);

  // The button window's editor reloads the button window.
  MakeStr(edit, "1;unit_1");
  Fire(scheme->buttonWindow->Events[TClassChildForm_ButtonWindow::OnEdit], edit);
  auto& buttonEditor = ChildOf<TClassChildForm_ButtonEditor>(scheme->buttonEditor);
  W(*buttonEditor.caption).SetText("");
  ASSERT_TRUE(W(*buttonEditor.caption).Type("Помпа"));
  ASSERT_TRUE(W(*ChildOf<TClassChildPanel_EditorSave>(buttonEditor.saveBar).save).Click());
  EXPECT_TRUE(Showing(TWidgetKind::Button, "Помпа"));

  // The event window's editor: a new rule on the reported block.
  MakeStr(edit, "1;event_2");
  Fire(scheme->eventWindow->Events[TClassChildForm_EventWindow::OnEdit], edit);
  auto& eventEditor = ChildOf<TClassChildForm_EventEditor>(scheme->eventEditor);
  ASSERT_TRUE(W(*ChildOf<TClassChildPanel_EventEditorSave>(eventEditor.saveBar).save).Click());
  EXPECT_NE(folder.Read("user_settings.ini").find("event_2=0;6;"), std::string::npos);
  ASSERT_TRUE(controller.Send("0;6;0\r\n0;6;1\r\n"));
  EXPECT_TRUE(loop.RunUntil([&] { return EventRows().size() == 1; }, 5s));  // the new rule logs the change
}

TEST_F(OperatorWindowsTest, NoControlIsSqueezedToNothingBeforeOrAfterAMinimise) {
  StartConnected();
  TData edit;
  MakeStr(edit, "0;unit_1");
  Fire(scheme->mainList->Events[TClassChildPanel_MainList::OnEdit], edit);
  MakeStr(edit, "1;unit_1");
  Fire(scheme->buttonWindow->Events[TClassChildForm_ButtonWindow::OnEdit], edit);
  MakeStr(edit, "1;event_1");
  Fire(scheme->eventWindow->Events[TClassChildForm_EventWindow::OnEdit], edit);
  scheme->settingsDialog->Action(edit, TClassChildForm_LinkSettings::Open);
  auto squeezed = [&] {
    std::vector<std::string> found;
    for (THeadlessWidget* w : backend.Widgets()) {
      ui::TRect r = w->Bounds();
      if (w->Showing() && (r.Width <= 0 || r.Height <= 0)) {
        found.push_back(w->Text() + " in " + (w->Form() ? w->Form()->Text() : "?"));
      }
    }
    return found;
  };
  EXPECT_EQ(squeezed(), std::vector<std::string>{});
  EXPECT_EQ(backend.Forms().size(), 9u);

  THeadlessWidget& main = W(*scheme->mainForm);
  ASSERT_TRUE(main.UserMinimize());
  auto& tray = *backend.Trays().back();
  tray.Mouse(ui::TTrayMouse::Down, ui::TMouseButton::Left);
  tray.Mouse(ui::TTrayMouse::Up, ui::TMouseButton::Left);
  ASSERT_TRUE(main.Showing());
  EXPECT_NE(FindForm("Журнал событий"), nullptr) << "owned windows come back with the main one";
  EXPECT_EQ(squeezed(), std::vector<std::string>{});
}

TEST_F(OperatorWindowsTest, ClosingWhileMinimisedKeepsThePlacesOfTheWindowsHiddenWithIt) {
  StartConnected();
  THeadlessWidget* events = FindForm("Журнал событий");
  ASSERT_NE(events, nullptr);
  events->UserMoveTo(300, 310);
  ASSERT_TRUE(W(*scheme->mainForm).UserMinimize());
  EXPECT_FALSE(events->Visible());
  W(*scheme->mainForm).RequestClose();
  std::string ini = folder.Read("config.ini");
  EXPECT_NE(ini.find("[eventForm]\r\nLeft=300\r\nTop=310\r\n"), std::string::npos) << ini;
}

}  // namespace
}  // namespace zorn::test
