// TClassMultiBase, the base of every scheme class, and the builder
// vocabulary with which schemes create, set and wire their elements:
//
//   hub = Make<TZEHub>(Outputs(3));           a setup names what differs
//   label = Make<ui::TZELabel>([&](auto& l) { l.Parent = form; l.Text = "Порт:"; });
//   Bind(boundary, host);                     the scheme's inner boundary
//   Connect(hub->Outputs[0], label, &ui::TZELabel::SetText);
//
// Make calls an element's Init, when it has one, after its setup: a window
// element makes its window then, with every property set.
#pragma once

#include <cstddef>
#include <cstdint>
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
  // Creates an element owned by this scheme; `set` assigns its properties,
  // then the element's Init (if it has one) runs.
  template <class T, class Setup>
  T* Make(Setup&& set) {
    T* element = Create<T>();
    set(*element);
    Initialise(*element);
    return element;
  }
  template <class T>
  T* Make() {
    T* element = Create<T>();
    Initialise(*element);
    return element;
  }

  // The scheme's inner boundary, reached from `host`: its actions arrive
  // as the boundary's inner events, its events leave through the boundary.
  template <class B, class H>
  void Bind(B* boundary, H* host) {
    Boundary = boundary;
    boundary->Scheme = this;
    boundary->Host = host;
  }

 private:
  template <class T>
  T* Create() {
    auto element = std::make_unique<T>();
    T* raw = element.get();
    elements_.push_back(std::move(element));
    return raw;
  }
  template <class T>
  static void Initialise(T& element) {
    if constexpr (requires { element.Init(); }) element.Init();
  }

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

// Setups that schemes repeat, one name each.

// A hub with one input and `count` outputs.
inline auto Outputs(uint8_t count) {
  return [=](auto& hub) {
    hub.InCount = 1;
    hub.SetOutCount(count);
  };
}

// A timer that fires once, `ms` after each start; created stopped.
inline auto OneShot(int32_t ms) {
  return [=](auto& timer) {
    timer.SetInterval(ms);
    timer.SetEnabled(false);
    timer.SetAutoStop(1);
  };
}

// An emitter of the integer i.
inline auto IntValue(int32_t i) {
  return [=](auto& emitter) { MakeInt(emitter.Data, i); };
}

// A splitter of `count` parts at ";" (or `delimiter`).
inline auto Parts(int32_t count, const char* delimiter = ";") {
  return [=](auto& splitter) {
    splitter.Delimiter = delimiter;
    splitter.SetCount(count);
  };
}

// A formatter of `mask` with `args` arguments.
inline auto Format(const char* mask, int32_t args) {
  return [=](auto& formatter) {
    formatter.Mask = mask;
    formatter.SetCount(args);
  };
}

// Stores a wire to `method` of `target` in the event or data-input field
// `point`: Connect(timer->OnTimer, emitter, &TZEDoData::Emit).
template <class C>
void Connect(TWire& point, C* target, void (C::*method)(TData&, uint16_t), uint16_t index = 0) {
  point = MakeWire(index, method, target);
}

// An emitter of what a data output answers when the emitter fires.
template <class C>
auto ValueOf(C* source, void (C::*output)(TData&, uint16_t), uint16_t index = 0) {
  return [=](auto& emitter) { Connect(emitter.DataInput, source, output, index); };
}

}  // namespace zorn
