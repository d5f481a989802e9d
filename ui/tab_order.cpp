#include "ui/tab_order.h"

#include <algorithm>

namespace zorn::ui {

IWidget* NextTabStop(std::vector<TTabStop> stops, const IWidget* current, TTabDirection direction) {
  if (stops.empty()) return nullptr;
  std::sort(stops.begin(), stops.end(), [](const TTabStop& a, const TTabStop& b) {
    return a.TabOrder != b.TabOrder ? a.TabOrder < b.TabOrder : a.Created < b.Created;
  });
  auto n = static_cast<int64_t>(stops.size());
  int64_t at = -1;
  for (int64_t i = 0; i < n; ++i) {
    if (stops[i].Control == current) at = i;
  }
  bool forward = direction == TTabDirection::Forward;
  if (at < 0) return forward ? stops.front().Control : stops.back().Control;
  return stops[(at + (forward ? 1 : n - 1)) % n].Control;
}

}  // namespace zorn::ui
