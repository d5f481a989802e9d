// TZETrayIcon: the notification-area icon of a form, with balloons, mouse
// events and hiding the form to the tray when it is minimised.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/wire.h"
#include "ui/backend.h"

namespace zorn::ui {

class TZEMainForm;

class TZETrayIcon : public TElement {
 public:
  ~TZETrayIcon() override;

  // Properties, set before Init.
  TZEMainForm* Form = nullptr;  // initialised before the tray icon
  std::string Tip;              // at most 63 characters are kept
  bool HideOnMinimize = false;
  std::string BalloonTitle;
  TBalloonIcon BalloonIcon = TBalloonIcon::Info;
  uint32_t BalloonTimeoutMs = 1000;

  void Init();
  ITrayIcon* Tray() const { return tray_.get(); }
  bool Shown() const { return shown_; }

  // Actions.
  void Show(TData& data, uint16_t index);     // puts the icon into the tray
  void Hide(TData& data, uint16_t index);     // takes it out
  void SetIcon(TData& data, uint16_t index);  // an Icon value; anything else: the form's icon
  void SetTip(TData& data, uint16_t index);
  void Balloon(TData& data, uint16_t index);  // text from the value, title BalloonTitle
  void Restore(TData& data, uint16_t index);  // shows and activates the form

  // Events: Int button index 0 left, 1 right, 2 middle.
  TWire OnMouseMove;
  TWire OnMouseDown;
  TWire OnMouseUp;
  TWire OnClick;  // after OnMouseUp
  TWire OnDblClick;
  TWire OnBalloonShow;
  TWire OnBalloonHide;
  TWire OnBalloonClick;

  // From the form.
  void FormMinimized();
  void FormRestored();

 private:
  void Place(bool visible);
  void Mouse(TTrayMouse what, TMouseButton button);
  std::shared_ptr<IIcon> FormIcon() const;

  std::unique_ptr<ITrayIcon> tray_;
  std::shared_ptr<IIcon> icon_;
  bool shown_ = false;     // the scheme wants the icon in the tray
  bool hidden_ = false;    // the form went to the tray on minimise
  bool inTray_ = false;
};

}  // namespace zorn::ui
