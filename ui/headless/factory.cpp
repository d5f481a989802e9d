// The native build's widgets are the headless ones.
#include "ui/headless/backend.h"

namespace zorn::ui {

std::unique_ptr<IBackend> MakePlatformBackend() { return std::make_unique<headless::THeadlessBackend>(); }

}  // namespace zorn::ui
