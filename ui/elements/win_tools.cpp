#include "ui/elements/win_tools.h"

#include "ui/backend.h"
#include "ui/elements/win.h"

namespace zorn::ui {
namespace {

// Unknown handles (a window that is gone, or not one of ours) do nothing.
IWidget* Target(TData& data, const TWire& input) {
  return Backend().FromHandle(ReadInt(data, input, 0));
}

}  // namespace

void TZEWinTools::SetVisible(TData& data, uint16_t) {
  IWidget* w = Target(data, HandleInput);
  if (!w) return;
  bool show = ToInt(data) != 0;
  // A minimised window shown as it is would stay out of sight: showing
  // means back at its place.
  if (show) w->Restore();
  w->SetVisible(show);
  if (show) w->Activate();
}

void TZEWinTools::SetTopmost(TData& data, uint16_t) {
  if (IWidget* w = Target(data, HandleInput)) w->SetTopmost(ToInt(data) != 0);
}

void TZEWinTools::Close(TData& data, uint16_t) {
  if (IWidget* w = Target(data, HandleInput)) w->RequestClose();
}

void TZEWinTools::BringToFront(TData& data, uint16_t) {
  if (IWidget* w = Target(data, HandleInput)) Backend().BringToFront(w);
}

void TZEODialog::Execute(TData&, uint16_t) {
  auto* owner = dynamic_cast<TZEWin*>(Owner);
  std::string path;
  if (Backend().OpenFile(owner ? owner->Widget() : nullptr, Title, Filter, Folder, path)) {
    FireStr(OnExecute, path);
  } else {
    FireNull(OnCancel);
  }
}

}  // namespace zorn::ui
