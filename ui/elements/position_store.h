// Where a form keeps its position: an INI section beside the program or a
// registry key of the current user, chosen by the form's Place text.
#pragma once

#include <string>

#include "ui/backend.h"

namespace zorn::ui {

class TPositionStore {
 public:
  // Empty: no storage. Containing ".ini\": the part up to and including
  // ".ini" names a file in the program's folder, the rest a section. Any
  // other text: the registry key "Software\" + place.
  explicit TPositionStore(const std::string& place);

  bool Enabled() const { return kind_ != kNone; }
  bool UsesIni() const { return kind_ == kIni; }
  const std::string& File() const { return file_; }        // INI: full path
  const std::string& Section() const { return section_; }  // INI section or registry key

  // Replaces each of Left, Top, Width and Height that is stored; the others
  // keep their current values.
  void Load(TRect& r) const;
  void Save(const TRect& r) const;

 private:
  enum { kNone, kIni, kRegistry } kind_ = kNone;
  std::string file_;
  std::string section_;
};

}  // namespace zorn::ui
