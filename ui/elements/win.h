// TZEWin: the base of every visual element. It owns one widget of the
// backend, applies the common properties in one pass at Init, docks its
// aligned children and turns the widget's events into wire events.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/wire.h"
#include "ui/backend.h"
#include "ui/layout.h"

namespace zorn::ui {

class TWinLayout;

// The pixel height of a font of `points`: −(points × DPI + 36) / 72, the
// division truncating toward zero. The DPI is asked of the backend once.
int32_t FontPixelHeight(int32_t points);

// Forgets the cached DPI, the named elements and the main form; for tests
// that build several programs in one process.
void ResetUiForTests();

class TZEWin;
// A control as a window, for wiring to its TZEWin actions:
// Connect(e.OnShow, Win(edit), &TZEWin::SetVisible).
inline TZEWin* Win(TZEWin* control) { return control; }

class TZEWin : public TElement {
 public:
  TZEWin();
  ~TZEWin() override;
  TZEWin(const TZEWin&) = delete;
  TZEWin& operator=(const TZEWin&) = delete;

  // Properties, set before Init.
  TZEWin* Parent = nullptr;  // the element whose client area holds this one
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 100;
  int32_t Height = 25;
  uint8_t Align = alNone;  // TAlign codes
  int32_t TabOrder = 0;
  std::optional<uint32_t> Color;  // unset: the parent's colour
  uint8_t Ctl3D = 2;              // 0 sunken, 1 flat, 2 platform default
  bool Visible = true;
  bool Enabled = true;
  std::string Cursor;
  bool ParentFont = false;
  TFontRec Font{"MS Sans Serif", 8, 0, 0, 1};
  std::string Hint;
  bool MouseCapture = false;
  std::string Name;        // registers the element under this name
  std::string LayoutName;  // joins the layout of that name at Init
  int32_t Percent = 0;     // share of a vertical box's free height

  // Creates the widget, applies every property and attaches the handlers.
  void Init();
  IWidget* Widget() const { return widget_.get(); }

  // Actions.
  void SetVisible(TData& data, uint16_t index);  // ToInt ≠ 0 shows
  void SetHint(TData& data, uint16_t index);
  void Focus(TData& data, uint16_t index);  // gives the control the keyboard focus
  void SetWidth(TData& data, uint16_t index);
  void SetFont(TData& data, uint16_t index);  // a Font value
  // Data output: the widget's handle as Int (0 before Init).
  void Handle(TData& data, uint16_t index);

  // Events.
  TWire OnMouseDown;   // Int button: 0 left, 1 right, 2 middle
  TWire OnMouseUp;
  TWire OnClick;       // Int button of the preceding press, 255 other
  TWire OnDblClick;
  TWire OnMouseWheel;  // Int delta
  TWire OnMouseEnter;
  TWire OnMouseLeave;
  TWire OnKeyDown;     // Int virtual key
  TWire OnKeyUp;
  TWire OnChar;        // Str of one character
  TWire OnFocus;
  TWire OnBlur;
  TWire OnMove;
  TWire OnResize;      // Int new width; an Int left in the record replaces it

  // Shows or hides the control (and its companion) and re-docks the parent.
  virtual void ShowControl(bool visible);
  void SetBounds(const TRect& r);
  // The colour and font the widget gets (the parent's where inherited).
  uint32_t EffectiveColor() const;
  TFontSpec EffectiveFont() const;
  void ApplyFont(const TFontRec& font);
  // Docks the aligned children inside the client area. Left, Top, Width and
  // Height stay a docked control's own values; docking places its widget.
  void Redock();
  bool Docked() const;

 protected:
  virtual TWidgetKind Kind() const = 0;
  // Element-specific creation arguments.
  virtual void FillArgs(TCreateArgs&) {}
  // Called at the end of Init, after the common handlers are attached.
  virtual void Attached() {}

  // Widget events; the defaults fire the wire events above.
  virtual void MouseDown(TMouseButton button);
  virtual void MouseUp(TMouseButton button);
  virtual void Clicked(TMouseButton button);
  virtual void DblClicked(TMouseButton button);
  virtual bool WantsHover() const;
  virtual void MouseEntered();
  virtual void MouseLeft();
  virtual void KeyDown(uint16_t vk);
  virtual void Sized();

  std::unique_ptr<IWidget> widget_;

 private:
  friend class TWinLayout;
  void AddChild(TZEWin* child);
  void RemoveChild(TZEWin* child);

  std::vector<TZEWin*> children_;
  std::vector<TWinLayout*> layouts_;  // layouts whose container this is
  TZEWin* dockParent_ = nullptr;
  TWinLayout* layout_ = nullptr;
  bool hasHint_ = false;
};

// The index a button carries on the wire events.
int32_t ButtonIndex(TMouseButton button);

}  // namespace zorn::ui
