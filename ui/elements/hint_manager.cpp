#include "ui/elements/hint_manager.h"

#include "ui/backend.h"
#include "ui/elements/win.h"
#include "ui/elements/named_elements.h"

namespace zorn::ui {

TZEHintManager::~TZEHintManager() { UnregisterNamed(this); }

void TZEHintManager::Init() {
  RegisterNamed(Name, this);
  IToolTips& tips = Backend().ToolTips();
  tips.SetFont(TFontSpec{Font.Name, FontPixelHeight(Font.Size), Font.Style, Font.Color, Font.CharSet});
  tips.SetTimes(InitialDelayMs, DisplayTimeMs);
}

}  // namespace zorn::ui
