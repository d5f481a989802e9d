#include "ui/elements/position_store.h"

#include <cstdint>

#include "platform/ini.h"
#include "platform/registry.h"
#include "runtime/data.h"
#include "runtime/paths.h"

namespace zorn::ui {
namespace {

struct TField {
  const char* Name;
  int32_t TRect::*Member;
};
constexpr TField kFields[] = {
    {"Left", &TRect::Left},
    {"Top", &TRect::Top},
    {"Width", &TRect::Width},
    {"Height", &TRect::Height},
};

}  // namespace

TPositionStore::TPositionStore(const std::string& place) {
  if (place.empty()) return;
  size_t at = place.find(".ini\\");
  if (at != std::string::npos) {
    kind_ = kIni;
    file_ = ExeFolder() + place.substr(0, at + 4);
    section_ = place.substr(at + 5);
  } else {
    kind_ = kRegistry;
    section_ = "Software\\" + place;
  }
}

void TPositionStore::Load(TRect& r) const {
  for (const TField& f : kFields) {
    int32_t& value = r.*f.Member;
    if (kind_ == kIni) {
      value = static_cast<int32_t>(platform::ReadIniInt(file_, section_, f.Name, value));
    } else if (kind_ == kRegistry) {
      uint32_t stored = 0;
      if (platform::ReadRegistryDword(section_, f.Name, stored)) value = static_cast<int32_t>(stored);
    }
  }
}

void TPositionStore::Save(const TRect& r) const {
  for (const TField& f : kFields) {
    int32_t value = r.*f.Member;
    if (kind_ == kIni) {
      platform::WriteIniString(file_, section_, f.Name, IntToStr(value));
    } else if (kind_ == kRegistry) {
      platform::WriteRegistryDword(section_, f.Name, static_cast<uint32_t>(value));
    }
  }
}

}  // namespace zorn::ui
