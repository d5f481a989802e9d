#include "ui/elements/named_elements.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace zorn::ui {
namespace {

std::vector<std::pair<std::string, TElement*>>& Entries() {
  static std::vector<std::pair<std::string, TElement*>> entries;
  return entries;
}

}  // namespace

void RegisterNamed(const std::string& name, TElement* element) {
  if (!name.empty() && element) Entries().emplace_back(name, element);
}

void UnregisterNamed(TElement* element) {
  auto& e = Entries();
  e.erase(std::remove_if(e.begin(), e.end(), [&](auto& p) { return p.second == element; }), e.end());
}

TElement* FindNamed(const std::string& name) {
  auto& e = Entries();
  for (auto it = e.rbegin(); it != e.rend(); ++it) {
    if (it->first == name) return it->second;
  }
  return nullptr;
}

}  // namespace zorn::ui
