#include "runtime/global_var.h"

#include <memory>
#include <utility>
#include <vector>

#include "runtime/text.h"

namespace zorn {
namespace {

// One ordered list for the whole program; records are never moved, so the
// elements may keep pointers to them.
using TRegistry = std::vector<std::pair<std::string, std::unique_ptr<TData>>>;

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

TData* Bind(const std::string& name) {
  if (name.empty()) return nullptr;
  std::string key = LowerAscii(name);
  auto& registry = Registry();
  for (auto& [k, record] : registry) {
    if (k == key) return record.get();
  }
  registry.emplace_back(std::move(key), std::make_unique<TData>());
  return registry.back().second.get();
}

}  // namespace

TData& TZEGlobalVar::Variable(const std::string& name) {
  static TData none;
  TData* record = Bind(name);
  return record ? *record : none;
}

void TZEGlobalVar::ClearRegistry() { Registry().clear(); }

void TZEGlobalVar::SetName(const std::string& name) { shared_ = Bind(name); }

void TZEGlobalVar::SetDefault(const TData& value) {
  if (shared_) CopyValue(*shared_, value);
}

void TZEGlobalVar::Write(TData& data, uint16_t) {
  if (shared_) CopyValue(*shared_, data);
  Fire(OnWrite, data);
}

void TZEGlobalVar::SetNameAction(TData& data, uint16_t) { SetName(ToStr(data)); }

void TZEGlobalVar::Value(TData& data, uint16_t) {
  if (shared_) {
    CopyValue(data, *shared_);
  } else {
    MakeNull(data);
  }
}

}  // namespace zorn
