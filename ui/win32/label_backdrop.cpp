// A see-through label draws what lies beneath it when that is plain ground:
// its parent's colour and our own pictures. Its new text or font then
// repaints the label alone instead of its parent, the pictures under it and
// the label: under Wine each repaint is a round of server requests, and a
// list row's value label changes with every reply.
#include "ui/win32/win_api.h"

#include "ui/win32/backend.h"
#include "ui/win32/draw.h"
#include "ui/win32/widget.h"

namespace zorn::ui::win32 {
namespace {

// Siblings looked at beneath a label; each step is a server request under
// Wine, so a label among many controls goes the usual way.
constexpr int kMaxLayers = 4;

RECT RectIn(HWND hwnd, HWND parent) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

// The parent of a see-through label painted again where the label lies, and
// the label over it.
void RepaintParentUnder(HWND label) {
  HWND parent = GetParent(label);
  RECT rect = RectIn(label, parent);
  RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

HBRUSH TWin32Widget::Ground() const { return brush_ ? brush_ : GetSysColorBrush(COLOR_BTNFACE); }

bool TWin32Widget::Backdrop(std::vector<const TWin32Widget*>& pictures, bool& ground) const {
  HWND parentHwnd = GetParent(hwnd_);
  const TWin32Widget* parent = parentHwnd ? backend_.Find(parentHwnd) : nullptr;
  if (!parent) return false;
  const RECT own = RectIn(hwnd_, parentHwnd);
  pictures.clear();
  HWND below = hwnd_;
  for (int step = 0;; ++step) {
    below = GetWindow(below, GW_HWNDNEXT);
    if (!below) break;
    if (step == kMaxLayers) return false;
    if (!IsWindowVisible(below)) continue;
    RECT common{};
    RECT rc = RectIn(below, parentHwnd);
    if (!IntersectRect(&common, &rc, &own)) continue;
    const TWin32Widget* sibling = backend_.Find(below);
    if (!sibling || sibling->kind_ != TWidgetKind::Image) return false;
    pictures.insert(pictures.begin(), sibling);
    // A picture paints its whole window: nothing lower shows through it.
    if (EqualRect(&common, &own)) {
      ground = false;
      return true;
    }
  }
  // The parent's ground shows: its colour, unless it draws a caption or a
  // bevel edge under the label.
  ground = true;
  if (parent->kind_ == TWidgetKind::Form) return true;
  if (parent->kind_ != TWidgetKind::Panel || GetWindowTextLengthW(parentHwnd) > 0) return false;
  RECT inner{};
  GetClientRect(parentHwnd, &inner);
  if (parent->args_.Bevel != 0) InflateRect(&inner, -1, -1);
  RECT common{};
  IntersectRect(&common, &inner, &own);
  return EqualRect(&common, &own) != 0;
}

bool TWin32Widget::DrawBackdrop(HDC dc) const {
  std::vector<const TWin32Widget*> pictures;
  bool ground = false;
  if (!Backdrop(pictures, ground)) return false;
  HWND parentHwnd = GetParent(hwnd_);
  const RECT own = RectIn(hwnd_, parentHwnd);
  RECT client{0, 0, own.right - own.left, own.bottom - own.top};
  if (ground) FillRect(dc, &client, backend_.Find(parentHwnd)->Ground());
  for (const TWin32Widget* picture : pictures) {
    // The picture paints as it would itself, moved to where it lies.
    RECT rc = RectIn(picture->hwnd_, parentHwnd);
    POINT origin{};
    SetViewportOrgEx(dc, rc.left - own.left, rc.top - own.top, &origin);
    RECT whole{0, 0, rc.right - rc.left, rc.bottom - rc.top};
    FillRect(dc, &whole, picture->Ground());
    PaintImage(picture->hwnd_, dc, picture->bitmap_.get(), picture->args_.Stretch,
               picture->args_.SmoothStretch);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  }
  return true;
}

// A see-through label paints no background of its own: what lies beneath it
// is painted again first, or the old text would stay under the new. A label
// out of sight waits: a window coming into view is painted whole.
void TWin32Widget::RepaintBeneath() {
  if (!IsWindowVisible(hwnd_)) return;
  std::vector<const TWin32Widget*> pictures;
  bool ground = false;
  if (Backdrop(pictures, ground)) {
    backdropDue_ = true;
    InvalidateRect(hwnd_, nullptr, TRUE);
    return;
  }
  RepaintParentUnder(hwnd_);
}

// The label's erase after RepaintBeneath chose to draw the backdrop. Should
// the ground have changed since, the parent repaints after all.
bool TWin32Widget::EraseLabel(HDC dc) {
  if (!backdropDue_) return false;
  backdropDue_ = false;
  if (DrawBackdrop(dc)) return true;
  RepaintParentUnder(hwnd_);
  return false;
}

}  // namespace zorn::ui::win32
