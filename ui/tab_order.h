// Tab-key order of a window's controls, shared by both backends: the tab
// stops (TabOrder 1 and above) that can take the focus now, by TabOrder and
// then by creation, across every level of panels inside the window.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/backend.h"

namespace zorn::ui {

enum class TTabDirection : uint8_t { Forward, Backward };

struct TTabStop {
  int32_t TabOrder = 0;
  uint64_t Created = 0;  // rises with every control made
  IWidget* Control = nullptr;
};

// The stop the Tab key moves to from `current`: the next one, or the previous
// one going backward, wrapping around at the ends. From a control that is no
// stop (or none), Forward gives the first stop and Backward the last. None
// when there are no stops.
IWidget* NextTabStop(std::vector<TTabStop> stops, const IWidget* current, TTabDirection direction);

}  // namespace zorn::ui
