// TZEMainForm: a top-level window. The first one created is the main window
// (task-bar entry; closing it ends the message loop); every later one is a
// child window owned by it, which hides instead of closing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/elements/position_store.h"
#include "ui/elements/win.h"

namespace zorn::ui {

class TZETrayIcon;

// Whether a window at `window` shows enough of itself on `desktop` to be
// taken hold of and moved.
bool Reachable(const TRect& window, const TRect& desktop);

class TZEMainForm : public TZEWin {
 public:
  TZEMainForm();
  ~TZEMainForm() override;

  // Properties beyond the base, set before Init. Parent, when it is a form,
  // is the owner; otherwise a child window is owned by the main window.
  std::string Caption;
  uint8_t BorderStyle = 2;  // 0..10; a code above 10 is ignored
  std::string IconName;     // icon resource; empty: the owner's icon
  std::string Place;        // position storage, see TPositionStore
  bool Centered = false;    // initial position centred on the screen
  // A client-area width the window is widened to at creation when its
  // Width leaves less (0: none), whatever the platform's frame takes.
  int32_t MinClientWidth = 0;

  // Actions.
  void SetCaption(TData& data, uint16_t index);
  void SetIcon(TData& data, uint16_t index);  // an Icon value; anything else: none
  void Close(TData& data, uint16_t index);    // saves the position, then asks to close
  // The user drags the window by the press that is under way (a window
  // without title bar acts as its own).
  void DragMove(TData& data, uint16_t index);

  // Events.
  TWire OnStart;       // Null, from the start handler, before Visible applies
  TWire OnActivate;
  TWire OnDeactivate;
  TWire OnClose;       // main window only

  bool IsMainForm() const { return this == MainForm(); }
  static TZEMainForm* MainForm();
  // The next form made becomes the main one (ResetUiForTests).
  static void ForgetMainForm();
  TZEMainForm* Owner() const { return owner_; }
  // The close request: owned visible windows first, then this one.
  void CloseRequested();
  // Showing remembers the active window; hiding activates it again.
  void ShowControl(bool visible) override;
  bool PositionLoaded() const { return loaded_; }
  void SetTray(TZETrayIcon* tray) { tray_ = tray; }

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::Form; }
  void FillArgs(TCreateArgs& args) override;
  void Attached() override;

 private:
  void StartHandler();
  void Shown(bool visible);
  void SavePosition();

  TZEMainForm* owner_ = nullptr;
  TPositionStore store_{""};
  bool loaded_ = false;
  intptr_t remembered_ = 0;  // handle of the window active before showing
  TZETrayIcon* tray_ = nullptr;
};

}  // namespace zorn::ui
