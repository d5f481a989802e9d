// TZEMultiElement: a host element that builds one child scheme and makes it
// look, from outside, like one element with numbered points.
#pragma once

#include <vector>

#include "runtime/scheme.h"

namespace zorn {

class TZEMultiElement;

// The child's inner boundary. Its arrays are sized by the child scheme: one
// inner event per host action, one inner data input per host data output.
class TZEEditMulti : public TElement {
 public:
  void SetCounts(size_t actions, size_t dataOutputs);

  // Action j: the host fires its own event j with the same record.
  void Action(TData& data, uint16_t index);
  // Data output j: answered by the host's data input j (NoSource if unwired).
  void DataOutput(TData& data, uint16_t index);

  TZEMultiElement* Host = nullptr;
  TClassMultiBase* Scheme = nullptr;
  std::vector<TWire> InnerEvents;
  std::vector<TWire> InnerDataInputs;
};

// Builds the child scheme and returns its inner boundary.
using TFactory = TZEEditMulti* (*)(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

// Factory of a scheme class S constructed as S(host, parentControl, parentScheme).
template <class S>
TZEEditMulti* SchemeFactory(TZEMultiElement* host, TElement* parentControl,
                            TClassMultiBase* parentScheme) {
  auto* scheme = new S(host, parentControl, parentScheme);
  return static_cast<TZEEditMulti*>(scheme->Boundary);
}

class TZEMultiElement : public TElement {
 public:
  ~TZEMultiElement() override;

  // Stores the factory and, unless CreateOnDemand, builds the child at once.
  void SetFactory(TFactory factory);
  void SetEventCount(size_t count) { Events.resize(count); }
  void SetDataInputCount(size_t count) { DataInputs.resize(count); }

  // Action i: builds the child if needed, then fires its inner event i.
  void Action(TData& data, uint16_t index);
  // Data output i: builds the child if needed, then reads its inner input i.
  void DataOutput(TData& data, uint16_t index);

  TZEEditMulti* Child = nullptr;
  TFactory Factory = nullptr;
  TElement* ParentControl = nullptr;
  bool CreateOnDemand = false;
  std::vector<TWire> Events;
  std::vector<TWire> DataInputs;
  TClassMultiBase* ParentScheme = nullptr;

 private:
  void EnsureChild();
};

}  // namespace zorn
