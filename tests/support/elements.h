// Small elements that tests wire into schemes to feed, pass on and watch values.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "runtime/start.h"
#include "runtime/wire.h"

namespace zorn::test {

// Records every value it receives, as text with its kind; Count counts calls.
class TProbe : public TElement {
 public:
  void Take(TData& data, uint16_t index) {
    Seen.push_back(Describe(data));
    Indexes.push_back(index);
  }
  static std::string Describe(const TData& d) {
    switch (d.Kind) {
      case dtNull: return "null";
      case dtInt: return "int " + ToStr(d);
      case dtStr: return "str " + ToStr(d);
      case dtReal: return "real " + ToStr(d);
      case dtNoSource: return "nosource";
      default: return "kind " + std::to_string(d.Kind);
    }
  }
  std::vector<std::string> Seen;
  std::vector<uint16_t> Indexes;
};

// Forwards whatever it receives to Out.
class TPassOn : public TElement {
 public:
  void Take(TData& data, uint16_t) { ForwardTo(data, Out); }
  TWire Out;
};

// A data output answering a fixed value; Reads counts the requests.
class TSource : public TElement {
 public:
  void Value(TData& data, uint16_t) {
    ++Reads;
    CopyValue(data, Answer);
  }
  TData Answer;
  int Reads = 0;
};

// A fresh runtime per test: construction phase, empty queues and registry,
// no recorded message boxes. Live dispatch starts in SetUp unless a test
// fixture wants to see the construction phase.
class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRuntimeForTests();
    platform::ShownMessages().clear();
    StartLiveDispatch();
  }
  void TearDown() override { ResetRuntimeForTests(); }
};

}  // namespace zorn::test

namespace zorn::test {

// The array interface of a list element's Array output.
template <class List>
TArrayIntf* ArrayOf(List& list) {
  TData value;
  list.Array(value, 0);
  return static_cast<TArrayIntf*>(value.Object);
}

// What a part splitter's Part output answers for parts 0 to count - 1.
template <class Splitter>
std::vector<std::string> PartTexts(Splitter& splitter, uint16_t count = 4) {
  std::vector<std::string> texts;
  for (uint16_t i = 0; i < count; ++i) {
    TData part;
    splitter.Part(part, i);
    texts.push_back(ToStr(part));
  }
  return texts;
}

// The items of an Array value as texts; empty for any other kind.
inline std::vector<std::string> ArrayTexts(const TData& array) {
  std::vector<std::string> items;
  if (array.Kind != dtArray) return items;
  auto* intf = static_cast<TArrayIntf*>(array.Object);
  for (int32_t i = 0; i < intf->Count(intf->Self); ++i) {
    TData index, item;
    MakeInt(index, i);
    intf->Get(intf->Self, index, item);
    items.push_back(ToStr(item));
  }
  return items;
}

// Runs a test's own code as an action.
class TCall : public TElement {
 public:
  explicit TCall(std::function<void(TData&, uint16_t)> fn = nullptr) : Fn(std::move(fn)) {}
  void Take(TData& data, uint16_t index) { Fn(data, index); }
  std::function<void(TData&, uint16_t)> Fn;
};

// The parts of a text's split, as plain strings.
inline std::vector<std::string> PartsOf(const TStrSplit* split) {
  std::vector<std::string> parts;
  for (const TStr& p : split->Parts) parts.push_back(p.str());
  return parts;
}

}  // namespace zorn::test
