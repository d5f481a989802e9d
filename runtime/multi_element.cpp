#include "runtime/multi_element.h"

#include "runtime/start.h"

namespace zorn {

void TZEEditMulti::SetCounts(size_t actions, size_t dataOutputs) {
  InnerEvents.resize(actions);
  InnerDataInputs.resize(dataOutputs);
}

void TZEEditMulti::Action(TData& data, uint16_t index) {
  if (index < Host->Events.size()) Fire(Host->Events[index], data);
}

void TZEEditMulti::DataOutput(TData& data, uint16_t index) {
  if (index < Host->DataInputs.size()) {
    ReadThrough(Host->DataInputs[index], data);
  } else {
    data.Kind = dtNoSource;
  }
}

TZEMultiElement::~TZEMultiElement() {
  if (Child) delete Child->Scheme;
}

void TZEMultiElement::SetFactory(TFactory factory) {
  Factory = factory;
  if (!CreateOnDemand) EnsureChild();
}

void TZEMultiElement::EnsureChild() {
  if (Child || !Factory) return;
  BuildChildScheme([this] { return Factory(this, ParentControl, ParentScheme); },
                   [this](TZEEditMulti* child) { Child = child; });
}

void TZEMultiElement::Action(TData& data, uint16_t index) {
  EnsureChild();
  if (Child && index < Child->InnerEvents.size()) Fire(Child->InnerEvents[index], data);
}

void TZEMultiElement::DataOutput(TData& data, uint16_t index) {
  EnsureChild();
  if (Child && index < Child->InnerDataInputs.size()) {
    ReadThrough(Child->InnerDataInputs[index], data);
  } else {
    data.Kind = dtNoSource;
  }
}

}  // namespace zorn
