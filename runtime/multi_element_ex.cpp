#include "runtime/multi_element_ex.h"

#include <algorithm>

#include "runtime/paths.h"
#include "runtime/start.h"

namespace zorn {
namespace {

// Marks an instance active for the duration of one outgoing call.
class TActiveGuard {
 public:
  explicit TActiveGuard(TZEEditMultiEx* instance)
      : host_(instance->Host), frame_{instance, instance->Host->ActiveStack} {
    host_->ActiveStack = &frame_;
  }
  ~TActiveGuard() { host_->ActiveStack = frame_.Link; }
  TActiveGuard(const TActiveGuard&) = delete;
  TActiveGuard& operator=(const TActiveGuard&) = delete;

 private:
  TZEMultiElementEx* host_;
  TActiveFrame frame_;
};

}  // namespace

void TZEEditMultiEx::SetCounts(size_t actions, size_t dataOutputs) {
  InnerEvents.resize(actions);
  InnerDataInputs.resize(dataOutputs);
}

void TZEEditMultiEx::Action(TData& data, uint16_t index) {
  TActiveGuard active(this);
  if (index < Host->Events.size()) Fire(Host->Events[index], data);
}

void TZEEditMultiEx::DataOutput(TData& data, uint16_t index) {
  TActiveGuard active(this);
  if (index < Host->DataInputs.size()) {
    ReadThrough(Host->DataInputs[index], data);
  } else {
    data.Kind = dtNoSource;
  }
}

TZEMultiElementEx::~TZEMultiElementEx() {
  while (!Instances.empty()) {
    TClassMultiBase* scheme = Instances.back()->Scheme;
    Instances.pop_back();
    delete scheme;
  }
}

void TZEMultiElementEx::SetFactory(TFactoryEx factory) {
  Factory = factory;
  if (!CreateOnDemand) CreateInstance();
}

TZEEditMultiEx* TZEMultiElementEx::CreateInstance() {
  if (!Factory) return nullptr;
  TZEEditMultiEx* instance = nullptr;
  BuildChildScheme([this] { return Factory(this, ParentControl, ParentScheme); },
                   [&](TZEEditMultiEx* made) {
                     instance = made;
                     Instances.push_back(made);
                     Current = made;
                   });
  // Its start handlers may have deleted it again.
  if (std::find(Instances.begin(), Instances.end(), instance) == Instances.end()) return nullptr;
  return instance;
}

void TZEMultiElementEx::AddInstance(TData& data, uint16_t index) {
  TZEEditMultiEx* instance = CreateInstance();
  if (instance && index < instance->InnerEvents.size()) Fire(instance->InnerEvents[index], data);
}

void TZEMultiElementEx::ClearInstances(TData& data, uint16_t index) {
  for (int32_t n = static_cast<int32_t>(Instances.size()) - 1; n >= 0; --n) {
    MakeInt(data, n);
    DeleteInstance(data, index);
  }
}

void TZEMultiElementEx::SendToInstance(TData& data, uint16_t index) {
  int32_t n = ToInt(data);
  if (n < 0 || n >= static_cast<int32_t>(Instances.size())) {
    Current = nullptr;
    return;
  }
  TZEEditMultiEx* instance = Instances[n];
  Current = instance;
  if (index < instance->InnerEvents.size()) Fire(instance->InnerEvents[index], data);
}

bool TZEMultiElementEx::IsActive(const TZEEditMultiEx* instance) const {
  for (const TActiveFrame* f = ActiveStack; f; f = f->Link) {
    if (f->Instance == instance) return true;
  }
  return false;
}

void TZEMultiElementEx::DeleteInstance(TData& data, uint16_t index) {
  int32_t n = ToInt(data);
  if (n < 0 || n >= static_cast<int32_t>(Instances.size())) return;
  TZEEditMultiEx* instance = Instances[n];
  if (IsActive(instance)) {
    ShowDebugMessage("Self destruction is not allowed !!!");
    return;
  }
  if (index < instance->InnerEvents.size()) Fire(instance->InnerEvents[index], data);
  // The notice may have changed the list; delete the instance where it is now.
  auto at = std::find(Instances.begin(), Instances.end(), instance);
  if (at == Instances.end()) return;
  if (Current == instance) Current = nullptr;
  Instances.erase(at);
  delete instance->Scheme;
}

}  // namespace zorn
