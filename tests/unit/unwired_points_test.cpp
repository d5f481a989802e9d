// Elements skip the work for points nothing is wired to, and only that work:
// a hub makes no copy for an unwired output, a field cutter makes no text of
// a field nobody receives, yet cuts it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "support/elements.h"

namespace zorn {
namespace {

using Seen = std::vector<std::string>;

class UnwiredPoints : public test::RuntimeTest {};

TEST_F(UnwiredPoints, HubSkipsAnUnwiredOutputAndGivesTheOthersTheirCopies) {
  TZEHub hub;
  hub.SetOutCount(4);
  Seen log;
  // The first receiver overwrites its copy; the later ones still see the line.
  test::TCall call{[&](TData& d, uint16_t i) {
    log.push_back(std::to_string(i) + ":" + ToStr(d));
    if (i == 0) MakeStr(d, "changed");
  }};
  hub.Outputs[0] = MakeWire(0, &test::TCall::Take, &call);
  hub.Outputs[2] = MakeWire(2, &test::TCall::Take, &call);
  hub.Outputs[3] = MakeWire(3, &test::TCall::Take, &call);
  TData line;
  MakeStr(line, "1;5;7");
  Fire(MakeWire(0, &TZEHub::Distribute, &hub), line);
  EXPECT_EQ(log, (Seen{"0:1;5;7", "2:1;5;7", "3:1;5;7"}));
  EXPECT_EQ(ToStr(line), "1;5;7");
}

TEST_F(UnwiredPoints, FieldCutterCutsAFieldNobodyReceives) {
  TZEMultiStrData d;
  d.Delimiter = ";";
  d.SetCount(3);
  Seen log;
  test::TCall call{[&](TData& v, uint16_t i) {
    TData rest;
    d.Rest(rest, 0);
    log.push_back(std::to_string(i + 1) + ":" + ToStr(v) + " rest " + ToStr(rest));
  }};
  // Only the second field is received: the first is cut all the same.
  d.OnPart[1] = MakeWire(1, &test::TCall::Take, &call);
  FireStr(MakeWire(0, &TZEMultiStrData::Split, &d), "a;b;c;d");
  EXPECT_EQ(log, (Seen{"2:b rest c;d"}));
  TData rest;
  d.Rest(rest, 0);
  EXPECT_EQ(ToStr(rest), "d");
  log.clear();
  FireStr(MakeWire(0, &TZEMultiStrData::SplitRight, &d), "a;b;c;d");
  EXPECT_EQ(log, (Seen{"2:c rest a;b"}));
}

}  // namespace
}  // namespace zorn
