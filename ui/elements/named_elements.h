// Named elements: elements with a non-empty name (forms, the hint manager,
// layouts) by which other elements find them.
#pragma once

#include <string>

#include "runtime/wire.h"

namespace zorn::ui {

// A second element of the same name hides the first until it goes.
void RegisterNamed(const std::string& name, TElement* element);
// Removes every entry of `element`.
void UnregisterNamed(TElement* element);
// The latest element registered as `name` (exact match), or nullptr.
TElement* FindNamed(const std::string& name);

}  // namespace zorn::ui
