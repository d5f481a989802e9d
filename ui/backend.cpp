#include "ui/backend.h"

namespace zorn::ui {
namespace {

IBackend* g_installed = nullptr;

}  // namespace

IBackend& Backend() {
  if (g_installed) return *g_installed;
  static std::unique_ptr<IBackend> own = MakePlatformBackend();
  return *own;
}

void SetBackend(IBackend* backend) { g_installed = backend; }

}  // namespace zorn::ui
