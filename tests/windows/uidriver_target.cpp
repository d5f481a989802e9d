// The program uidriver_wine.sh drives with uidriver: one window of zorn's
// Win32 widgets (gradient buttons, a check box, an edit, a combo box, a
// report view, a label), its flat popup menu and its tray icon. It writes
// every user event it receives as a UTF-8 line into the log file named by
// its argument, flushed at once, and ends with exit code 0 when its window
// is asked to close.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/win32/cp1251.h"
#include "ui/backend.h"

using namespace zorn;
using namespace zorn::ui;

namespace {

FILE* g_log = nullptr;
IWidget* g_label = nullptr;

// Texts here are CP1251, as everywhere in zorn; the log is UTF-8.
void Log(const std::string& line) {
  std::wstring wide = platform::WideFrom1251(line);
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
  std::fprintf(g_log, "%s\n", utf8.c_str());
  std::fflush(g_log);
  if (g_label) g_label->SetText(line);
}

const char* ButtonName(TMouseButton b) {
  switch (b) {
    case TMouseButton::Left: return "left";
    case TMouseButton::Right: return "right";
    case TMouseButton::Middle: return "middle";
    case TMouseButton::Other: break;
  }
  return "other";
}

std::unique_ptr<IWidget> Make(TWidgetKind kind, IWidget* parent, TRect bounds, const std::string& text) {
  TCreateArgs a;
  a.Kind = kind;
  a.Parent = parent;
  a.Bounds = bounds;
  a.Text = text;
  if (kind == TWidgetKind::Edit || kind == TWidgetKind::ComboBox || kind == TWidgetKind::Table) a.Color = 0xFFFFFF;
  if (kind == TWidgetKind::ComboBox) a.Editable = false;
  if (kind == TWidgetKind::Form) a.MainWindow = true;
  return Backend().CreateWidget(a);
}

// Every mouse event of a control, named by `name`.
void LogMouse(IWidget& w, const std::string& name) {
  w.Events.OnMouseDown = [name](TMouseButton b) { Log("down " + std::string(ButtonName(b)) + " " + name); };
  w.Events.OnMouseUp = [name](TMouseButton b) { Log("up " + std::string(ButtonName(b)) + " " + name); };
  w.Events.OnClick = [name](TMouseButton b) { Log("click " + std::string(ButtonName(b)) + " " + name); };
  w.Events.OnDblClick = [name](TMouseButton b) { Log("dblclick " + std::string(ButtonName(b)) + " " + name); };
}

}  // namespace

int main(int argc, char** argv) {
  // Binary: the log has bare line feeds, as the test script reads it.
  g_log = std::fopen(argc > 1 ? argv[1] : "uidriver_target.log", "wb");
  if (!g_log) return 2;

  std::unique_ptr<IWidget> form = Make(TWidgetKind::Form, nullptr, {300, 200, 560, 420}, "Мишень uidriver");
  IWidget* f = form.get();
  f->Events.OnCloseRequest = [] {
    Log("close");
    PostQuitMessage(0);
  };
  std::unique_ptr<IWidget> label = Make(TWidgetKind::Label, f, {10, 10, 400, 17}, "Готово");
  g_label = label.get();
  std::unique_ptr<IWidget> start = Make(TWidgetKind::Button, f, {10, 36, 100, 28}, "Пуск");
  LogMouse(*start, "Пуск");
  TCreateArgs offArgs;
  offArgs.Kind = TWidgetKind::Button;
  offArgs.Parent = f;
  offArgs.Bounds = {120, 36, 100, 28};
  offArgs.Text = "Отключена";
  offArgs.Enabled = false;
  std::unique_ptr<IWidget> off = Backend().CreateWidget(offArgs);
  std::unique_ptr<IWidget> check = Make(TWidgetKind::CheckBox, f, {230, 38, 160, 24}, "Флажок");
  IWidget* c = check.get();
  c->Events.OnClick = [c](TMouseButton b) {
    if (b != TMouseButton::Left) return;
    c->SetChecked(!c->Checked());
    Log(std::string("check ") + (c->Checked() ? "1" : "0"));
  };

  std::unique_ptr<IWidget> edit = Make(TWidgetKind::Edit, f, {10, 74, 220, 21}, "начало");
  IWidget* e = edit.get();
  e->Events.OnTextChanged = [e] { Log("edit text=" + e->Text()); };
  e->Events.OnKeyDown = [](uint16_t vk) { Log("edit keydown " + std::to_string(vk)); };
  e->Events.OnFocus = [] { Log("edit focus"); };

  std::unique_ptr<IWidget> combo = Make(TWidgetKind::ComboBox, f, {240, 74, 200, 21}, "");
  IWidget* cb = combo.get();
  for (const char* item : {"Красный", "Зелёный", "Синий"}) cb->AddItem(item);
  cb->SetSelected(0);
  cb->Events.OnSelect = [cb](int32_t i) { Log("combo select " + std::to_string(i) + " " + cb->Item(i)); };

  std::unique_ptr<IWidget> table = Make(TWidgetKind::Table, f, {10, 106, 430, 120}, "");
  table->SetColumns({{"Время", 80}, {"Событие", 220}, {"Источник", 100}}, ';');
  table->AddItem("12:00:01;Связь установлена;ПЛК 1");
  table->AddItem("12:00:05;Авария насоса;ПЛК 2");
  table->AddItem("12:00:09;Насос \"Н-2\" пущен;ПЛК 2");
  table->Events.OnColumnClick = [](int32_t i) { Log("table column " + std::to_string(i)); };

  std::unique_ptr<IPopupMenu> menu = Backend().CreatePopupMenu();
  menu->SetItems({{"Открыть окно"}, {"", true}, {"Отключённый пункт", false, false}, {"Отмеченный пункт", false, true, true}});
  menu->OnPick = [](int32_t i) { Log("menu pick " + std::to_string(i)); };
  IPopupMenu* m = menu.get();
  // A right click on the form's free area opens the menu, as zorn's
  // windows do with their context menus.
  f->Events.OnMouseUp = [m, f](TMouseButton b) {
    Log(std::string("up ") + ButtonName(b) + " form");
    if (b == TMouseButton::Right) m->Popup(f);
  };

  std::unique_ptr<ITrayIcon> tray = Backend().CreateTrayIcon(f);
  tray->OnMouse = [m, f](TTrayMouse what, TMouseButton b) {
    const char* names[] = {"move", "down", "up", "dblclick"};
    if (what == TTrayMouse::Move) return;
    Log(std::string("tray ") + names[static_cast<int>(what)] + " " + ButtonName(b));
    if (what == TTrayMouse::Up && b == TMouseButton::Right) m->Popup(f);
  };
  tray->Add(nullptr, "Мишень uidriver");

  Log("ready");
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  tray.reset();
  g_label = nullptr;
  Log("exit");
  std::fclose(g_log);
  return 0;
}
