// The [buttonForm] section of user_settings.ini, where the button records live.
#pragma once

#include "elements/ini.h"

namespace zorn {

inline void ButtonRecordFile(TZEini& ini) {
  ini.FileName = "user_settings.ini";
  ini.Section = "buttonForm";
  ini.StringType = true;
}

}  // namespace zorn
