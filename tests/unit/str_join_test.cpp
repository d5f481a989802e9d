// Joining texts and replacing substrings.
#include <gtest/gtest.h>

#include "elements/str_join.h"
#include "support/elements.h"

namespace zorn {
namespace {

using test::TProbe;
using test::TSource;
using Seen = std::vector<std::string>;

// A record holding a chain of texts; the nodes live as long as the fixture.
class StrJoin : public test::RuntimeTest {
 protected:
  TData& Chain(std::initializer_list<const char*> values) {
    nodes_.clear();
    nodes_.reserve(values.size());
    for (const char* v : values) {
      nodes_.emplace_back();
      MakeStr(nodes_.back(), v);
    }
    for (size_t i = 0; i + 1 < nodes_.size(); ++i) nodes_[i].Next = &nodes_[i + 1];
    head_ = nodes_.empty() ? TData() : nodes_.front();
    return head_;
  }
  template <class E>
  std::string ResultOf(E& e) {
    TData d;
    e.Result(d, 0);
    return TProbe::Describe(d);
  }

  TProbe probe;

 private:
  std::vector<TData> nodes_;
  TData head_;
};

TEST_F(StrJoin, CatTakesPropertiesWiresAndThenTheChain) {
  TZEStrCat cat;
  cat.OnResult = MakeWire(0, &TProbe::Take, &probe);
  TWire concat = MakeWire(0, &TZEStrCat::Concat, &cat);
  EXPECT_EQ(ResultOf(cat), "str ");

  cat.Str1 = "unit_";
  FireInt(concat, 3);
  Fire(concat, Chain({"a", "b"}));  // Str1 set: only Str2 comes from the record
  cat.Str1.clear();
  Fire(concat, Chain({"x", "y", "z"}));
  TSource second;
  MakeStr(second.Answer, "S");
  cat.Str2Input = MakeWire(0, &TSource::Value, &second);
  cat.Str2 = "unused";
  FireStr(concat, "1;");
  EXPECT_EQ(probe.Seen, (Seen{"str unit_3", "str unit_a", "str xy", "str 1;S"}));
  EXPECT_EQ(ResultOf(cat), "str 1;S");
}

TEST_F(StrJoin, CatDelimReadsStr1Str2ThenDelimiter) {
  TZEStrCatDelim cat;
  cat.OnResult = MakeWire(0, &TProbe::Take, &probe);
  TWire concat = MakeWire(0, &TZEStrCatDelim::Concat, &cat);
  FireNull(concat);  // all empty, nothing wired
  cat.Delimiter = ";";
  Fire(concat, Chain({"a", "b"}));
  cat.Delimiter.clear();
  Fire(concat, Chain({"a", "b", ": "}));  // the third value is the delimiter
  cat.Str1 = "1";
  cat.Str2 = "2";
  cat.Delimiter = ";";
  FireStr(concat, "ignored");
  EXPECT_EQ(probe.Seen, (Seen{"str ", "str a;b", "str a: b", "str 1;2"}));
  EXPECT_EQ(ResultOf(cat), "str 1;2");
}

TEST_F(StrJoin, ReplaceKeyDelimiter) {
  TZEReplace replace;
  replace.SubStr = "=";
  replace.NewStr = ";";
  replace.OnResult = MakeWire(0, &TProbe::Take, &probe);
  TWire run = MakeWire(0, &TZEReplace::Replace, &replace);
  FireStr(run, "unit_3=1;2");
  FireStr(run, "");
  FireStr(run, "a=b=c");
  replace.SubStr = "aa";
  replace.NewStr = "a";
  FireStr(run, "aaaa");  // inserted text is not searched again
  replace.SubStr.clear();
  replace.NewStr = "x";
  FireStr(run, "abc");   // an empty SubStr replaces nothing
  EXPECT_EQ(probe.Seen, (Seen{"str unit_3;1;2", "str ", "str a;b;c", "str aa", "str abc"}));
}

TEST_F(StrJoin, ReplaceReadsTextSubStrNewStrFromTheChain) {
  TZEReplace replace;
  replace.OnResult = MakeWire(0, &TProbe::Take, &probe);
  Fire(MakeWire(0, &TZEReplace::Replace, &replace), Chain({"a-b-c", "-", "+"}));
  EXPECT_EQ(probe.Seen, (Seen{"str a+b+c"}));
}

TEST_F(StrJoin, ReplaceKeepsOccurrencesThatKeepAsksFor) {
  TZEReplace replace;
  replace.SubStr = ";";
  replace.NewStr = ",";
  replace.OnResult = MakeWire(0, &TProbe::Take, &probe);
  int asked = 0;
  test::TCall keep([&](TData& d, uint16_t) { MakeInt(d, asked++ % 2); });
  replace.Keep = MakeWire(0, &test::TCall::Take, &keep);
  FireStr(MakeWire(0, &TZEReplace::Replace, &replace), "1;2;3;4");
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(probe.Seen, (Seen{"str 1,2;3,4"}));
}

TEST_F(StrJoin, ReplaceHandsOnATextWithoutSubStrAsItIs) {
  TZEReplace replace;
  replace.SubStr = "\r";
  TData out;
  test::TCall take([&](TData& d, uint16_t) { out = d; });
  replace.OnResult = MakeWire(0, &test::TCall::Take, &take);
  int asked = 0;
  test::TCall keep([&](TData& d, uint16_t) { MakeInt(d, asked++); });
  replace.Keep = MakeWire(0, &test::TCall::Take, &keep);
  const TStr line("1;12;5");
  FireStr(MakeWire(0, &TZEReplace::Replace, &replace), line);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(out.Kind, dtStr);
  EXPECT_EQ(out.StrValue.c_str(), line.c_str());  // the same buffer, shared
  FireStr(MakeWire(0, &TZEReplace::Replace, &replace), TStr("1;12;5\r"));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(out.StrValue.str(), "1;12;5");
  FireStr(MakeWire(0, &TZEReplace::Replace, &replace), TStr());
  EXPECT_EQ(out.Kind, dtStr);
  EXPECT_TRUE(out.StrValue.empty());
  EXPECT_EQ(asked, 1);
}

}  // namespace
}  // namespace zorn
