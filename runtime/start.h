// Start of live operation: the start-handler queue and SchemeStarted.
#pragma once

#include "runtime/wire.h"

namespace zorn {

// A queued start handler: a member of an element called with no arguments.
struct TStartHandler {
  void (TElement::*Method)() = nullptr;
  TElement* Object = nullptr;
};

void RegisterStartHandler(TStartHandler handler);
template <class C>
void RegisterStartHandler(void (C::*method)(), C* object) {
  static_assert(std::is_base_of_v<TElement, C>);
  RegisterStartHandler(TStartHandler{static_cast<void (TElement::*)()>(method), object});
}

// Runs the queued handlers in registration order, including those that
// running handlers queue; then empties the queue and sets SchemeStarted.
void RunStartHandlers();
// Sets the application window's visibility from the main form's (a step of
// the window layer, installed with SetApplicationWindowStep), then installs
// live dispatch, then runs the start handlers.
void StartDispatch();
// The window layer's first step of StartDispatch; nullptr for none.
void SetApplicationWindowStep(void (*step)());

// False until the first RunStartHandlers has finished; cleared again only
// while a late child scheme is being built (so its forms queue handlers).
bool SchemeStarted();
void SetSchemeStarted(bool started);

// Runs `build`, the construction of a child scheme, with SchemeStarted
// cleared so that its forms queue their start handlers, and hands the child
// to `store`. When the program had already started, those handlers run after
// that, so a handler that reaches the child's own host finds the child there.
template <class Build, class Store>
void BuildChildScheme(Build&& build, Store&& store) {
  bool started = SchemeStarted();
  SetSchemeStarted(false);
  store(build());
  if (started) RunStartHandlers();
}

// Back to the construction phase with an empty queue and registry; for tests
// that build several programs in one process.
void ResetRuntimeForTests();

}  // namespace zorn
