// TZEHintManager: the settings of the shared tool-tip service behind every
// Hint (font and times). The service itself lives from the first visual
// element to the last.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/wire.h"

namespace zorn::ui {

class TZEHintManager : public TElement {
 public:
  ~TZEHintManager() override;

  std::string Name;
  TFontRec Font{"Tahoma", 8, 0, 0, 1};
  uint32_t InitialDelayMs = 500;
  uint32_t DisplayTimeMs = 5000;

  // Registers the name and applies the font and times.
  void Init();
};

}  // namespace zorn::ui
