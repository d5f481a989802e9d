// TClassMultiBase, the base of every scheme class, and the builder helpers
// with which schemes create, set and wire their elements.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "runtime/wire.h"

namespace zorn {

class TClassMultiBase {
 public:
  explicit TClassMultiBase(TClassMultiBase* parent) : Parent(parent) {}
  TClassMultiBase(const TClassMultiBase&) = delete;
  TClassMultiBase& operator=(const TClassMultiBase&) = delete;
  // Destroys the elements in the reverse order of their creation.
  virtual ~TClassMultiBase();

  TElement* Control = nullptr;   // the window element the scheme's windows hang on
  TElement* Boundary = nullptr;  // the inner boundary its host reaches it through
  TClassMultiBase* const Parent;

 protected:
  // Creates an element owned by this scheme; `set` assigns its properties.
  template <class T, class Setup>
  T* Make(Setup&& set) {
    T* element = Make<T>();
    set(*element);
    return element;
  }
  template <class T>
  T* Make() {
    auto element = std::make_unique<T>();
    T* raw = element.get();
    elements_.push_back(std::move(element));
    return raw;
  }

 private:
  std::vector<std::unique_ptr<TElement>> elements_;
};

// The setup of a sub-scheme host made before its child: its event and
// data-input counts. Make<TZEMultiElement>(HostPoints(2, 1)).
inline auto HostPoints(size_t events, size_t dataInputs) {
  return [=](auto& host) {
    host.SetEventCount(events);
    host.SetDataInputCount(dataInputs);
  };
}

// Stores a wire to `method` of `target` in the event or data-input field
// `point`: Connect(timer->OnTimer, emitter, &TZEDoData::Emit).
template <class C>
void Connect(TWire& point, C* target, void (C::*method)(TData&, uint16_t), uint16_t index = 0) {
  point = MakeWire(index, method, target);
}

}  // namespace zorn
