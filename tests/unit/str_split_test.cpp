// Enumerating and splitting texts.
#include <gtest/gtest.h>

#include "elements/str_split.h"
#include "support/elements.h"

namespace zorn {
namespace {

using test::TProbe;
using Seen = std::vector<std::string>;

class StrEnum : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    e.OnPart = MakeWire(0, &TProbe::Take, &parts);
    e.OnEnd = MakeWire(0, &TProbe::Take, &end);
  }
  Seen Run(const char* text) {
    parts.Seen.clear();
    FireStr(MakeWire(0, &TZEStr_Enum::Enum, &e), text);
    return parts.Seen;
  }
  TZEStr_Enum e;
  TProbe parts, end;
};

TEST_F(StrEnum, CharactersAsTheTcpLinkUsesThem) {
  e.From = 1;
  e.To = -1;
  e.Step = 1;
  e.WholeChunks = true;
  EXPECT_EQ(Run("ab\n"), (Seen{"str a", "str b", "str \n"}));
  EXPECT_EQ(Run(""), Seen{});
  e.From = 2;
  e.To = 3;
  EXPECT_EQ(Run("abcde"), (Seen{"str b", "str c"}));
  EXPECT_EQ(Run("ab"), (Seen{"str b"}));
  e.From = 3;
  EXPECT_EQ(Run("ab"), Seen{});
  e.To = 2;  // ends before it starts
  EXPECT_EQ(Run("abcde"), Seen{});
  e.From = 0;  // not a position
  e.To = -1;
  EXPECT_EQ(Run("abc"), Seen{});
  // OnEnd follows every run, with Null, empty texts included.
  EXPECT_EQ(end.Seen, Seen(7, "null"));
}

TEST_F(StrEnum, Chunks) {
  e.Step = 3;
  e.From = 1;
  e.To = -1;
  EXPECT_EQ(Run("abcdefgh"), (Seen{"str abc", "str def", "str gh"}));
  e.WholeChunks = true;
  EXPECT_EQ(Run("abcdefgh"), (Seen{"str abc", "str def"}));
  e.From = 2;
  e.To = 2;
  EXPECT_EQ(Run("abcdefghi"), (Seen{"str def"}));
  e.WholeChunks = false;
  e.To = 5;  // the region runs past the end of the text
  EXPECT_EQ(Run("abcdefgh"), (Seen{"str def", "str gh"}));
  e.From = 4;
  EXPECT_EQ(Run("abcdefgh"), Seen{});
  e.Step = 0;  // no mode
  e.From = 1;
  EXPECT_EQ(Run("abc"), Seen{});
}

TEST_F(StrEnum, Fields) {
  e.Delimiter = ";,";  // only the first character counts
  EXPECT_EQ(Run("a;b;"), (Seen{"str a", "str b"}));
  EXPECT_EQ(Run(";a"), (Seen{"str ", "str a"}));
  EXPECT_EQ(Run("a;;b,c"), (Seen{"str a", "str ", "str b,c"}));
  EXPECT_EQ(Run(";"), (Seen{"str "}));
  e.From = 2;
  e.To = 3;
  EXPECT_EQ(Run("1;2;3;4"), (Seen{"str 2", "str 3"}));
  e.To = 0;  // to the end
  EXPECT_EQ(Run("1;2;3;4"), (Seen{"str 2", "str 3", "str 4"}));
  e.From = 4;
  e.To = 3;
  EXPECT_EQ(Run("1;2;3;4;5"), Seen{});
}

// OnPart is nested: each receiver runs before the next item is cut, and the
// enumeration keeps its own copy of the text.
TEST_F(StrEnum, PartsRunBeforeTheActionGoesOn) {
  e.Delimiter = ";";
  Seen order;
  test::TCall part([&](TData& d, uint16_t) { order.push_back(ToStr(d)); });
  test::TCall done([&](TData&, uint16_t) { order.push_back("end"); });
  e.OnPart = MakeWire(0, &test::TCall::Take, &part);
  e.OnEnd = MakeWire(0, &test::TCall::Take, &done);
  FireStr(MakeWire(0, &TZEStr_Enum::Enum, &e), "x;y");
  EXPECT_EQ(order, (Seen{"x", "y", "end"}));
}

class StrMultiPart : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    p.Delimiter = ";";
    p.SetCount(3);
    p.OnSplit = MakeWire(0, &TProbe::Take, &split);
    p.OnNoDelimiter = MakeWire(0, &TProbe::Take, &none);
  }
  Seen Split(const std::string& text) {
    FireStr(MakeWire(0, &TZEMultiStrPart::Split, &p), text);
    return test::PartTexts(p);
  }
  TZEMultiStrPart p;
  TProbe split, none;
};

TEST_F(StrMultiPart, ReplyLinesAndLeftovers) {
  EXPECT_EQ(Split("1;12;5"), (Seen{"1", "12", "5", ""}));
  EXPECT_EQ(Split("1;12;5;"), (Seen{"1", "12", "5", ""}));
  EXPECT_EQ(Split("1;;5;7;8"), (Seen{"1", "", "5", ""}));
  EXPECT_EQ(Split("1;2"), (Seen{"1", "2", "", ""}));  // nothing kept from before
  EXPECT_EQ(split.Seen, (Seen{"str ", "str ", "str 7;8", "str "}));
  EXPECT_EQ(Split("abc"), (Seen{"", "", "", ""}));
  EXPECT_EQ(none.Seen, (Seen{"str abc"}));
}

TEST_F(StrMultiPart, SkipAndEmptyDelimiter) {
  p.Skip = 2;
  EXPECT_EQ(Split("k;x;1;2;3;4"), (Seen{"1", "2", "3", ""}));
  EXPECT_EQ(split.Seen, (Seen{"str 4"}));
  p.Skip = 1000000000;  // skipping past the end leaves empty parts
  EXPECT_EQ(Split("a;b"), (Seen{"", "", "", ""}));
  p.Skip = 0;
  p.Delimiter.clear();
  // A NUL in the text is no delimiter either.
  EXPECT_EQ(Split(std::string("a\0b", 3)), (Seen{"", "", "", ""}));
  EXPECT_EQ(none.Seen, (Seen{std::string("str a\0b", 7)}));
}

class StrMultiData : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    d.Delimiter = ";";
  }
  // Wires OnPart1… to one recorder that also notes Rest at the time of the call.
  void Watch(int count) {
    d.SetCount(count);
    for (int i = 0; i < count; ++i) d.OnPart[i] = MakeWire(i, &test::TCall::Take, &call);
  }
  std::string Rest() {
    TData r;
    d.Rest(r, 0);
    return ToStr(r);
  }
  TZEMultiStrData d;
  Seen log;
  test::TCall call{[this](TData& v, uint16_t i) {
    log.push_back(std::to_string(i + 1) + ":" + ToStr(v) + " rest " + Rest());
  }};
};

TEST_F(StrMultiData, SplitFromTheLeft) {
  Watch(1);
  FireStr(MakeWire(0, &TZEMultiStrData::Split, &d), "unit_3;1;12");
  EXPECT_EQ(log, (Seen{"1:unit_3 rest 1;12"}));
  EXPECT_EQ(Rest(), "1;12");
  log.clear();
  Watch(3);
  d.Skip = 1;
  FireStr(MakeWire(0, &TZEMultiStrData::Split, &d), "k;a;b");
  EXPECT_EQ(log, (Seen{"1:a rest b", "2:b rest ", "3: rest "}));
}

TEST_F(StrMultiData, SplitFromTheRight) {
  Watch(2);
  FireStr(MakeWire(0, &TZEMultiStrData::SplitRight, &d), "a;b;c");
  EXPECT_EQ(log, (Seen{"1:c rest a;b", "2:b rest a"}));
  EXPECT_EQ(Rest(), "a");
  log.clear();
  d.Skip = 1;
  FireStr(MakeWire(0, &TZEMultiStrData::SplitRight, &d), "a;b;");
  EXPECT_EQ(log, (Seen{"1:b rest a", "2:a rest "}));
}

TEST_F(StrMultiData, NoDelimiterNoEvent) {
  Watch(2);
  FireStr(MakeWire(0, &TZEMultiStrData::Split, &d), "abc");
  FireStr(MakeWire(0, &TZEMultiStrData::SplitRight, &d), "abc");
  EXPECT_EQ(log, Seen{});
  EXPECT_EQ(Rest(), "abc");
  d.Delimiter.clear();
  FireStr(MakeWire(0, &TZEMultiStrData::Split, &d), "a;b");
  EXPECT_EQ(log, Seen{});
  EXPECT_EQ(Rest(), "a;b");
}

}  // namespace
}  // namespace zorn
