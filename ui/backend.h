// The widget backend: the platform windows and controls under the window
// elements. The build links exactly one implementation: ui/win32/ (native
// windows) or ui/headless/ (an in-memory widget tree for the native build and
// its tests). Both keep the contract written here; ui/README.md sums it up.
//
// Text is CP1251 in std::string everywhere; geometry is in pixels, relative to
// the parent's client area (screen coordinates for top-level windows).
//
// Handlers never fire for changes a program makes through this interface
// (SetText, SetSelected, SetChecked, ...), only for what the user does, with
// two exceptions that every window system has: OnResize/OnSized and OnMove
// fire whenever the geometry changes, and OnShown when a form's visibility
// changes, whoever changed it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorn::ui {

// A handler field: calling an empty one does nothing.
template <class... A>
struct Func {
  std::function<void(A...)> Fn;
  void operator()(A... a) const {
    if (Fn) Fn(a...);
  }
  template <class F>
  Func& operator=(F&& f) {
    Fn = std::forward<F>(f);
    return *this;
  }
  explicit operator bool() const { return static_cast<bool>(Fn); }
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Right() const { return Left + Width; }
  int32_t Bottom() const { return Top + Height; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TSize {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
};

enum class TWidgetKind : uint8_t {
  Form,         // top-level window; Parent is its owner window
  Panel,        // container with caption and bevel
  Label,        // static text
  Edit,         // single-line text box
  Image,        // bitmap view
  Button,       // owner-drawn gradient push button
  CheckBox,     // owner-drawn check box; the element keeps the state
  RadioButton,  // owner-drawn radio button; the element keeps the state
  ComboBox,     // drop-down list, editable or not
  ScrollBar,    // horizontal or vertical
  Table,        // report-view list with a header
};

enum class TMouseButton : uint8_t { Left = 0, Right = 1, Middle = 2, Other = 255 };

// Border look of a control (the Ctl3D property).
enum class TBorderLook : uint8_t { Sunken = 0, Flat = 1, Default = 2 };

// A font as the platform gets it: the height is already in pixels (negative:
// character height, as the font rule gives it).
struct TFontSpec {
  std::string Name = "MS Sans Serif";
  int32_t Height = -11;
  uint8_t Style = 0;  // 1 bold, 2 italic, 4 underline, 8 strike-out
  uint32_t Color = 0;
  uint8_t CharSet = 1;
  friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

// Colours: 0x00BBGGRR, or 0xFF0000nn for system colour nn.
constexpr uint32_t SystemColor(uint8_t n) { return 0xFF000000u | n; }
constexpr uint32_t clBtnFace = SystemColor(15);

// Gradient look of one state of the rush buttons; the drawing is the
// backend's, these are only its colours.
struct TRushStateLook {
  uint32_t GradientFrom = 0xFFFFFF;
  uint32_t GradientTo = 0xC0C0C0;
  uint8_t GradientStyle = 0;  // 0 vertical, 1 horizontal
  uint32_t BorderOuter = 0x808080;
  uint32_t BorderInner = 0xFFFFFF;
  uint32_t TextColor = 0;
  uint32_t ShadowColor = 0xFFFFFF;
  bool TextShadow = false;
};

struct TRushLook {
  TRushStateLook Normal;
  TRushStateLook Hot;
  TRushStateLook Pressed;
  TRushStateLook Disabled;
  int32_t BorderWidth = 1;
  int32_t Roundness = 0;
  bool FocusFrame = true;
};

enum class TScrollOrientation : uint8_t { Horizontal = 0, Vertical = 1 };

// What the user did to a scroll bar.
enum class TScrollCode : uint8_t { LineUp, LineDown, PageUp, PageDown, ThumbTrack, End };

struct TResizeEvent {
  int32_t Width = 0;  // proposed new size; a handler may correct it
  int32_t Height = 0;
};

// Bitmaps and icons are always made shared; elements that receive one as a
// raw value reference take their share with weak_from_this().lock().
class IBitmap : public std::enable_shared_from_this<IBitmap> {
 public:
  virtual ~IBitmap() = default;
  virtual TSize Size() const = 0;
};

class IIcon : public std::enable_shared_from_this<IIcon> {
 public:
  virtual ~IIcon() = default;
};

// Events of a widget. The element fills in the ones it needs after creation.
struct TWidgetEvents {
  Func<TMouseButton> OnMouseDown;
  Func<TMouseButton> OnMouseUp;
  // After the button-up of a press on the same control.
  Func<TMouseButton> OnClick;
  // The second press of a quick double press, right after its OnMouseDown:
  // that press is a press like any other (it captures, and its release
  // clicks), so a control that acts on presses acts on both.
  Func<TMouseButton> OnDblClick;
  Func<int32_t> OnMouseWheel;
  Func<> OnMouseEnter;
  Func<> OnMouseLeave;
  // Whether anything listens to entering and leaving. Under Wine a leave is
  // found by looking at the cursor several times a second for as long as it
  // rests on the control, so a control only watches when asked.
  std::function<bool()> WantsHover;
  Func<uint16_t> OnKeyDown;  // virtual key code
  Func<uint16_t> OnKeyUp;
  Func<char> OnChar;
  Func<> OnFocus;
  Func<> OnBlur;
  Func<> OnMove;
  Func<TResizeEvent&> OnResize;  // before the new size applies
  Func<> OnSized;                // after; ClientSize() is the new one
  // Edit and editable combo box: the user changed the text.
  Func<> OnTextChanged;
  // Combo box: the user chose item i. Table: the user selected row i (a
  // click on a row with either button selects it before the press is
  // reported).
  Func<int32_t> OnSelect;
  // Scroll bar: the user scrolled; the position is the one the backend
  // computed from the code (thumb position for ThumbTrack).
  Func<TScrollCode, int32_t> OnScroll;
  // Table: a column header was clicked.
  Func<int32_t> OnColumnClick;
  // Forms.
  Func<bool> OnActivate;   // true: activated, false: deactivated
  Func<> OnCloseRequest;   // the close command (title bar, Alt+F4, RequestClose)
  Func<bool> OnShown;      // visibility changed
  Func<> OnMinimize;
  Func<> OnRestore;
};

struct TCreateArgs {
  TWidgetKind Kind = TWidgetKind::Panel;
  // The parent control; for forms, the owner window (none for the main one).
  class IWidget* Parent = nullptr;
  TRect Bounds{0, 0, 100, 25};
  std::string Text;  // caption or text
  bool Visible = true;
  bool Enabled = true;
  uint32_t Color = clBtnFace;
  TBorderLook Border = TBorderLook::Default;
  int32_t TabOrder = 0;  // below 1: no tab stop
  std::string Cursor;    // system cursor name, empty for the default
  TFontSpec Font;
  bool MouseCapture = false;

  // Forms.
  bool MainWindow = false;   // also owns the task-bar entry
  uint8_t BorderStyle = 2;   // 0..10, see ui/README.md
  // Panels.
  uint8_t Bevel = 1;  // 0 none, 1 raised, 2 lowered
  // Edits.
  int32_t MaxLength = 0;  // 0 for none
  char PasswordChar = 0;
  // Combo boxes.
  bool Editable = true;
  // Images.
  bool Stretch = false;
  bool SmoothStretch = false;
  // Rush buttons.
  TRushLook Look;
  // Scroll bars.
  TScrollOrientation Orientation = TScrollOrientation::Horizontal;
};

class IWidget {
 public:
  virtual ~IWidget() = default;  // destroys the platform control

  TWidgetEvents Events;

  virtual TWidgetKind Kind() const = 0;
  // A number that identifies the control (the window handle on Win32).
  virtual intptr_t Handle() const = 0;

  virtual void SetBounds(const TRect& r) = 0;
  // A minimised form's bounds are the platform's minimised rectangle
  // (-32000, -32000 on Win32) and its client area is empty.
  virtual TRect Bounds() const = 0;
  // Forms: the place and size the window has when it is not minimised,
  // whatever its state now; other controls: the bounds.
  virtual TRect NormalBounds() const = 0;
  virtual TSize ClientSize() const = 0;
  virtual void SetClientSize(const TSize& s) = 0;
  // Makes `parent` the control's parent (layouts adopt controls).
  virtual void SetParent(IWidget* parent) = 0;
  virtual IWidget* Parent() const = 0;

  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
  virtual void SetFont(const TFontSpec& font) = 0;
  virtual void SetColor(uint32_t color) = 0;
  virtual void SetCursor(const std::string& name) = 0;
  virtual void SetMouseCapture(bool capture) = 0;
  virtual void Invalidate() = 0;
  virtual void SetFocus() = 0;

  // Edits and editable combo boxes: caret position in characters.
  virtual int32_t Caret() const = 0;
  virtual void SetCaret(int32_t position) = 0;

  // Check boxes and radio buttons: the drawn state.
  virtual void SetChecked(bool checked) = 0;
  virtual bool Checked() const = 0;

  // Combo boxes and tables: items. A table item is one row of cells
  // separated by the table's separator.
  virtual void AddItem(const std::string& text) = 0;
  virtual void ClearItems() = 0;
  // Removes one item; the selection stays on the item it was on (none when
  // that one goes).
  virtual void RemoveItem(int32_t index) = 0;
  // Inserts an item before item `index` (at the end when `index` is not an
  // item's); the selection stays on the item it was on.
  virtual void InsertItem(int32_t index, const std::string& text) = 0;
  virtual int32_t ItemCount() const = 0;
  virtual std::string Item(int32_t index) const = 0;
  // −1 selects nothing.
  virtual void SetSelected(int32_t index) = 0;
  virtual int32_t Selected() const = 0;
  virtual int32_t ItemHeight() const = 0;
  virtual void SetDropDownHeight(int32_t pixels) = 0;

  // Images.
  virtual void SetBitmap(std::shared_ptr<IBitmap> bitmap) = 0;

  // Scroll bars: the platform range, page and position.
  virtual void SetScrollInfo(int32_t min, int32_t max, int32_t page, int32_t position) = 0;
  virtual int32_t ScrollPosition() const = 0;

  // Tables: columns (caption, width), replacing any.
  struct TColumn {
    std::string Caption;
    int32_t Width = 100;
  };
  virtual void SetColumns(const std::vector<TColumn>& columns, char separator) = 0;

  // Forms. No icon: the owner's (the program's for the main window).
  virtual void SetIcon(std::shared_ptr<IIcon> icon) = 0;
  // Asks the window to close: OnCloseRequest fires (posted on Win32).
  virtual void RequestClose() = 0;
  virtual void Activate() = 0;
  virtual void SetTopmost(bool topmost) = 0;
  virtual bool Minimized() const = 0;
  // Un-minimises a minimised form (OnRestore fires); nothing otherwise.
  virtual void Restore() = 0;
  // Forms: the user moves the window with the left button pressed on it,
  // as if the press had been on its title bar.
  virtual void DragMove() {}
};

struct TMenuItem {
  std::string Text;
  bool Separator = false;
  bool Enabled = true;
  bool Checked = false;
};

struct TMenuLook {
  uint32_t Background = 0xFFFFFF;
  uint32_t Selection = 0xC56A31;
  uint32_t Text = 0;
  uint32_t DisabledText = 0x808080;
  uint32_t Check = 0;
  TFontSpec Font;
};

class IPopupMenu {
 public:
  virtual ~IPopupMenu() = default;
  Func<int32_t> OnPick;  // the chosen item's index

  virtual void SetItems(const std::vector<TMenuItem>& items) = 0;
  virtual void SetLook(const TMenuLook& look) = 0;
  // Brings `owner` to the foreground and shows the menu at the cursor. Win32
  // returns after the choice; headless returns at once and the test picks.
  virtual void Popup(IWidget* owner) = 0;
};

enum class TBalloonIcon : uint8_t { None = 0, Info = 1, Warning = 2, Error = 3 };
enum class TTrayMouse : uint8_t { Move, Down, Up, DblClick };
enum class TBalloonEvent : uint8_t { Shown, Hidden, Clicked };

class ITrayIcon {
 public:
  virtual ~ITrayIcon() = default;  // removes the icon
  Func<TTrayMouse, TMouseButton> OnMouse;
  Func<TBalloonEvent> OnBalloon;
  Func<> OnTaskbarCreated;  // the task bar was restarted: add the icon again

  virtual void Add(std::shared_ptr<IIcon> icon, const std::string& tip) = 0;
  virtual void Modify(std::shared_ptr<IIcon> icon, const std::string& tip) = 0;
  virtual void Remove() = 0;
  virtual void ShowBalloon(const std::string& title, const std::string& text, TBalloonIcon icon,
                           uint32_t timeoutMs) = 0;
};

class IToolTips {
 public:
  virtual ~IToolTips() = default;
  // Empty text removes the control.
  virtual void SetTip(IWidget* control, const std::string& text) = 0;
  virtual void Forget(IWidget* control) = 0;
  virtual void SetFont(const TFontSpec& font) = 0;
  virtual void SetTimes(uint32_t initialMs, uint32_t displayMs) = 0;
};

struct TFontChoice {
  std::string Name;
  int32_t Size = 8;  // points
  int32_t Weight = 400;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  uint32_t Color = 0;
  uint8_t CharSet = 1;
};

class IBackend {
 public:
  virtual ~IBackend() = default;

  virtual std::unique_ptr<IWidget> CreateWidget(const TCreateArgs& args) = 0;
  virtual std::unique_ptr<IPopupMenu> CreatePopupMenu() = 0;
  // A tray icon that belongs to `form`.
  virtual std::unique_ptr<ITrayIcon> CreateTrayIcon(IWidget* form) = 0;
  // The one tool-tip service; made on first use, freed by ReleaseToolTips.
  virtual IToolTips& ToolTips() = 0;
  virtual void ReleaseToolTips() = 0;

  // Program resources by name; none when missing.
  virtual std::shared_ptr<IBitmap> LoadBitmap(const std::string& name) = 0;
  virtual std::shared_ptr<IIcon> LoadIcon(const std::string& name) = 0;

  // The application's task-bar presence, set once at start from the main
  // form's visibility: hidden, the main window has no task-bar entry even
  // while it shows (the tray icon stands for the program).
  virtual void SetApplicationVisible(bool visible) = 0;

  virtual TSize ScreenSize() = 0;
  // The rectangle of all monitors together, in screen coordinates.
  virtual TRect DesktopRect() = 0;
  virtual int32_t ScreenDpiY() = 0;
  // The widget of a handle this backend made; nullptr for any other number.
  virtual IWidget* FromHandle(intptr_t handle) = 0;
  virtual IWidget* ActiveForm() = 0;
  // Brings a top-level window to the foreground, attaching input to the
  // foreground thread for the time of the call where the platform needs it.
  virtual void BringToFront(IWidget* form) = 0;

  // Common dialogs; false when the user cancels.
  virtual bool ChooseFont(IWidget* owner, TFontChoice& font) = 0;
  virtual bool OpenFile(IWidget* owner, const std::string& title, const std::string& filter,
                        const std::string& folder, std::string& path) = 0;
};

// The backend the elements use: the one installed with SetBackend, else this
// build's own, made on first use.
IBackend& Backend();
// Installs `backend` (not owned); nullptr returns to the build's own.
void SetBackend(IBackend* backend);
// A new backend of this build (ui/win32 or ui/headless).
std::unique_ptr<IBackend> MakePlatformBackend();

}  // namespace zorn::ui
