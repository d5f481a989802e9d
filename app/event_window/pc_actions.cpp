#include "app/event_window/pc_actions.h"

#include "platform/system_actions.h"

namespace zorn {
namespace {

// The volume scalar of a level; anything below 0, and no number, is 0.
float ClampedVolume(double level) {
  if (!(level > 0.0)) return 0.0f;
  return level >= 1.0 ? 1.0f : static_cast<float>(level);
}

}  // namespace

void TZESystemActions::Open(TData& data, uint16_t) { platform::ShellOpen(ToStr(data)); }

void TZESystemActions::SetVolume(TData& data, uint16_t) {
  platform::SetMasterVolume(ClampedVolume(ToReal(data)));
}

void TZESystemActions::ShutDown(TData&, uint16_t) { platform::ShutDown(); }

void TZESystemActions::Restart(TData&, uint16_t) { platform::Restart(); }

void TZESystemActions::Lock(TData&, uint16_t) { platform::LockWorkstation(); }

}  // namespace zorn
