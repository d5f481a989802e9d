#include "runtime/wire.h"

namespace zorn {
namespace {

// Calls a wired source into a fresh record; true when it answered something
// other than NoSource.
inline bool AskSource(const TWire& wire, TData& answer) {
  if (!wire.Wired()) return false;
  ReadRaw(wire, answer);
  return answer.Kind != dtNoSource;
}

// Moves the received record on to the next value of its chain, or to Null.
inline void Consume(TData& data) {
  if (data.Next) {
    data = *data.Next;
  } else {
    MakeNull(data);
  }
}

}  // namespace

using detail::Dispatch;

bool DispatchLive() { return detail::g_dispatchLive; }
void StartLiveDispatch() { detail::g_dispatchLive = true; }
void ResetDispatchForTests() { detail::g_dispatchLive = false; }

void FireInt(const TWire& wire, int32_t i) {
  TData d;
  MakeInt(d, i);
  Dispatch(&wire, d);
}

void FireReal(const TWire& wire, double x) {
  TData d;
  MakeReal(d, x);
  Dispatch(&wire, d);
}

void FireStr(const TWire& wire, TStr s) {
  TData d;
  MakeStr(d, std::move(s));
  Dispatch(&wire, d);
}

void FireStream(const TWire& wire, void* stream) {
  TData d;
  MakeStream(d, stream);
  Dispatch(&wire, d);
}

void FireNull(const TWire& wire) {
  TData d;
  Dispatch(&wire, d);
}

void FireFont(const TWire& wire, TFontRec* font) {
  TData d;
  MakeFont(d, font);
  Dispatch(&wire, d);
}

int32_t ReadIntPlain(const TWire& wire) {
  TData d;
  ReadRaw(wire, d);
  return ToInt(d);
}

std::string ReadStr(TData& data, const TWire& wire, const std::string& def) {
  TData answer;
  if (AskSource(wire, answer)) return ToStr(answer);
  if (!def.empty() || data.Kind == dtNull) return def;
  std::string result = ToStr(data);
  Consume(data);
  return result;
}

TStr detail::ReadTextAnyway(TData& data, const TWire& wire, const TStr& def) {
  if (wire.Wired()) {
    TData answer;
    if (AskSource(wire, answer)) return ToText(answer);
  }
  if (!def.empty() || data.Kind == dtNull) return def;
  TStr result = ToText(data);
  Consume(data);
  return result;
}

int32_t ReadInt(TData& data, const TWire& wire, int32_t def) {
  TData answer;
  if (AskSource(wire, answer)) return ToInt(answer);
  if (def != 0 || data.Kind == dtNull) return def;
  int32_t result = ToInt(data);
  Consume(data);
  return result;
}

double ReadReal(TData& data, const TWire& wire, double def) {
  TData answer;
  if (AskSource(wire, answer)) return ToReal(answer);
  if (def != 0.0 || data.Kind == dtNull) return def;
  double result = ToReal(data);
  Consume(data);
  return result;
}

void ReadValue(TData& data, const TWire& wire, const TData* def, TData& result) {
  TData answer;
  if (AskSource(wire, answer)) {
    answer.Next = nullptr;
  } else if (def && def->Kind != dtNull) {
    CopyValue(answer, *def);
  } else if (data.Kind == dtNull) {
    MakeNull(answer);
  } else {
    CopyValue(answer, data);
    Consume(data);
  }
  result = std::move(answer);
}

void ReadChain(TData& data, const TWire& wire, const TData* def, TData& result) {
  TData answer;
  if (AskSource(wire, answer)) {
    // the answer keeps its chain
  } else if (def && def->Kind != dtNull) {
    answer = *def;
  } else if (data.Kind == dtNull) {
    MakeNull(answer);
  } else {
    answer = data;
    MakeNull(data);
  }
  answer.ForwardWire = nullptr;
  result = std::move(answer);
}

namespace {

// ReadStream and ReadBitmap: the payload of one handle kind.
void* ReadHandle(TData& data, const TWire& wire, void* def, uint8_t kind) {
  TData answer;
  if (AskSource(wire, answer)) return answer.Kind == kind ? answer.Object : nullptr;
  if (def || data.Kind != kind) return def;
  void* result = data.Object;
  Consume(data);
  return result;
}

}  // namespace

void* ReadStream(TData& data, const TWire& wire, void* def) {
  return ReadHandle(data, wire, def, dtStream);
}

void* ReadBitmap(TData& data, const TWire& wire, void* def) {
  return ReadHandle(data, wire, def, dtBitmap);
}

TArrayIntf* ReadArray(const TWire& wire) {
  TData answer;
  ReadRaw(wire, answer);
  return answer.Kind == dtArray ? static_cast<TArrayIntf*>(answer.Object) : nullptr;
}

void ReadThrough(const TWire& wire, TData& data) {
  if (wire.Wired()) {
    ReadRaw(wire, data);
  } else {
    data.Kind = dtNoSource;
  }
}

}  // namespace zorn
