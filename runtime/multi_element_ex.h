// TZEMultiElementEx: a list host with any number of instances of one child
// scheme, created and destroyed at run time (one per user-defined item).
#pragma once

#include <vector>

#include "runtime/scheme.h"

namespace zorn {

class TZEMultiElementEx;
class TZEEditMultiEx;

// One frame per outgoing call of an instance, living on the call stack: it
// tells which instances are in the middle of an outgoing event or request.
struct TActiveFrame {
  TZEEditMultiEx* Instance;
  TActiveFrame* Link;
};

// An instance's inner boundary, sized like TZEEditMulti by its scheme.
class TZEEditMultiEx : public TElement {
 public:
  void SetCounts(size_t actions, size_t dataOutputs);

  // Action j: the host fires its event j, with this instance marked active.
  void Action(TData& data, uint16_t index);
  // Data output j: the host's data input j, with this instance marked active.
  void DataOutput(TData& data, uint16_t index);

  TZEMultiElementEx* Host = nullptr;
  TClassMultiBase* Scheme = nullptr;
  std::vector<TWire> InnerEvents;
  std::vector<TWire> InnerDataInputs;
};

using TFactoryEx = TZEEditMultiEx* (*)(TZEMultiElementEx* host, TElement* parentControl,
                                       TClassMultiBase* parentScheme);

template <class S>
TZEEditMultiEx* SchemeFactoryEx(TZEMultiElementEx* host, TElement* parentControl,
                                TClassMultiBase* parentScheme) {
  auto* scheme = new S(host, parentControl, parentScheme);
  return static_cast<TZEEditMultiEx*>(scheme->Boundary);
}

class TZEMultiElementEx : public TElement {
 public:
  // Destroys every instance without notifying any.
  ~TZEMultiElementEx() override;

  // Stores the factory and, unless CreateOnDemand, creates instance 0.
  void SetFactory(TFactoryEx factory);
  void SetEventCount(size_t count) { Events.resize(count); }
  void SetDataInputCount(size_t count) { DataInputs.resize(count); }

  // Creates an instance at the end, makes it Current and fires its inner
  // event i with the received record.
  void AddInstance(TData& data, uint16_t index);
  // Deletes every instance from the last to position 0, each told its
  // position through inner event i first.
  void ClearInstances(TData& data, uint16_t index);
  // Fires inner event i of the instance at position ToInt(data); a miss
  // only empties Current.
  void SendToInstance(TData& data, uint16_t index);
  // Deletes the instance at position ToInt(data) after firing its inner
  // event i (when it has one); an instance that is itself in an outgoing
  // call is refused with a debug message and stays.
  void DeleteInstance(TData& data, uint16_t index);

  bool IsActive(const TZEEditMultiEx* instance) const;

  TZEEditMultiEx* Current = nullptr;
  TFactoryEx Factory = nullptr;
  std::vector<TZEEditMultiEx*> Instances;
  TElement* ParentControl = nullptr;
  bool CreateOnDemand = false;
  TActiveFrame* ActiveStack = nullptr;
  std::vector<TWire> Events;
  std::vector<TWire> DataInputs;
  TClassMultiBase* ParentScheme = nullptr;

 private:
  TZEEditMultiEx* CreateInstance();
};

}  // namespace zorn
