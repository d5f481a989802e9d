// The record list of the indicator window and the main list: the lines
// key=value of one section of user_settings.ini with "=" turned into ";",
// so field 0 is the key and fields 1 to 7 the record.
#pragma once

#include "elements/ini.h"

namespace zorn {

// The record mask of unit records.
inline constexpr const char* kUnitRecordMask = "unit*=#;*;*;#;*;*;#";

// An INI element over one section of user_settings.ini.
inline auto UserSettings(const char* section) {
  return [=](TZEini& ini) {
    ini.FileName = "user_settings.ini";
    ini.Section = section;
  };
}

}  // namespace zorn
