// Hosts of child schemes: creation on demand, delivery across the boundary,
// run-time instance lists and the refusal of self destruction.
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

std::vector<std::string> g_log;

// Logs its own destruction, so tests can see when a scheme's elements go.
class TMortal : public TElement {
 public:
  ~TMortal() override { g_log.push_back("destroy " + Name); }
  void Start() { g_log.push_back("start " + Name); }
  std::string Name;
};

// A child scheme with three inner events and one data output:
//   host action 0 -> logs "hello <value>"
//   host action 1 -> logs "notice <value>"
//   host action 2 -> sends the value out through host event 0
// Host data output 0 is left unwired inside. Its mortal element registers a
// start handler as a window form does.
template <class TBoundary, class Host>
class TChild : public TClassMultiBase {
 public:
  TChild(Host* host, TElement*, TClassMultiBase* parent) : TClassMultiBase(parent) {
    static int serial = 0;
    boundary = Make<TBoundary>([](auto& b) { b.SetCounts(3, 1); });
    mortal = Make<TMortal>([](auto& m) { m.Name = "child" + std::to_string(serial++); });
    hello = Make<TCall>();
    notice = Make<TCall>();
    echo = Make<TPassOn>();
    RegisterStartHandler(&TMortal::Start, mortal);
    Boundary = boundary;
    boundary->Scheme = this;
    boundary->Host = host;
    std::string name = mortal->Name;
    hello->Fn = [name](TData& d, uint16_t) { g_log.push_back(name + " hello " + ToStr(d)); };
    notice->Fn = [name](TData& d, uint16_t) { g_log.push_back(name + " notice " + ToStr(d)); };
    Connect(boundary->InnerEvents[0], hello, &TCall::Take);
    Connect(boundary->InnerEvents[1], notice, &TCall::Take);
    Connect(boundary->InnerEvents[2], echo, &TPassOn::Take);
    Connect(echo->Out, boundary, &TBoundary::Action);
  }
  TBoundary* boundary;
  TMortal* mortal;
  TCall *hello, *notice;
  TPassOn* echo;
};

using TSingleChild = TChild<TZEEditMulti, TZEMultiElement>;
using TListChild = TChild<TZEEditMultiEx, TZEMultiElementEx>;

// Sends Value to Out from its start handler.
class TStarter : public TElement {
 public:
  void Start() { FireInt(Out, Value); }
  TWire Out;
  int32_t Value = 0;
};

int g_built = 0;

// A child whose start handler reaches its own host, as a form whose start
// asks for something through its host: a single host is sent host action 0,
// a list host SendToInstance of the position the new instance will have.
// Inner event 0 logs "child<n> hello <value>", n counting the children built.
template <class TBoundary, class Host>
class TSelfReaching : public TClassMultiBase {
 public:
  TSelfReaching(Host* host, TElement*, TClassMultiBase* parent) : TClassMultiBase(parent) {
    std::string name = "child" + std::to_string(++g_built);
    boundary = Make<TBoundary>([](auto& b) { b.SetCounts(1, 0); });
    starter = Make<TStarter>();
    hello = Make<TCall>();
    RegisterStartHandler(&TStarter::Start, starter);
    Boundary = boundary;
    boundary->Scheme = this;
    boundary->Host = host;
    hello->Fn = [name](TData& d, uint16_t) { g_log.push_back(name + " hello " + ToStr(d)); };
    Connect(boundary->InnerEvents[0], hello, &TCall::Take);
    if constexpr (std::is_same_v<Host, TZEMultiElementEx>) {
      starter->Value = static_cast<int32_t>(host->Instances.size());
      starter->Out = MakeWire(0, &TZEMultiElementEx::SendToInstance, host);
    } else {
      starter->Out = MakeWire(0, &TZEMultiElement::Action, host);
    }
  }
  TBoundary* boundary;
  TStarter* starter;
  TCall* hello;
};

class MultiElementTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    g_log.clear();
  }
};

TEST_F(MultiElementTest, OnDemandChildIsBuiltByItsFirstRequestAndStartsAtOnce) {
  RunStartHandlers();  // the program has started
  TZEMultiElement host;
  host.CreateOnDemand = true;
  host.SetEventCount(1);
  host.SetFactory(&SchemeFactory<TSingleChild>);
  EXPECT_EQ(host.Child, nullptr);

  TWire action0 = MakeWire(0, &TZEMultiElement::Action, &host);
  FireStr(action0, "hi");
  ASSERT_NE(host.Child, nullptr);
  ASSERT_EQ(g_log.size(), 2u);
  EXPECT_EQ(g_log[0].rfind("start child", 0), 0u) << "the child's form came up first";
  EXPECT_NE(g_log[1].find(" hello hi"), std::string::npos);
  EXPECT_TRUE(SchemeStarted());
}

TEST_F(MultiElementTest, AStartHandlerReachingItsOwnHostFindsTheChildStored) {
  RunStartHandlers();  // the program has started
  g_built = 0;
  TZEMultiElement host;
  host.CreateOnDemand = true;
  host.SetFactory(&SchemeFactory<TSelfReaching<TZEEditMulti, TZEMultiElement>>);
  FireStr(MakeWire(0, &TZEMultiElement::Action, &host), "hi");
  EXPECT_EQ(g_built, 1) << "no second child for the start handler's request";
  EXPECT_EQ(g_log, (std::vector<std::string>{"child1 hello 0", "child1 hello hi"}));
  ASSERT_NE(host.Child, nullptr);
  EXPECT_EQ(host.Child->Scheme->Boundary, host.Child);

  // A new instance of a list host is in the list, and current, before its
  // start handlers run.
  g_log.clear();
  g_built = 0;
  TZEMultiElementEx list;
  list.CreateOnDemand = true;
  list.SetFactory(&SchemeFactoryEx<TSelfReaching<TZEEditMultiEx, TZEMultiElementEx>>);
  TData d;
  MakeStr(d, "first");
  list.AddInstance(d, 0);
  EXPECT_EQ(g_built, 1);
  ASSERT_EQ(list.Instances.size(), 1u);
  EXPECT_EQ(list.Current, list.Instances[0]);
  EXPECT_EQ(g_log, (std::vector<std::string>{"child1 hello 0", "child1 hello first"}));
}

TEST_F(MultiElementTest, EagerChildWaitsForTheGlobalStart) {
  TZEMultiElement host;
  host.SetFactory(&SchemeFactory<TSingleChild>);
  ASSERT_NE(host.Child, nullptr);
  EXPECT_TRUE(g_log.empty());
  RunStartHandlers();
  ASSERT_EQ(g_log.size(), 1u);
  EXPECT_EQ(g_log[0].rfind("start child", 0), 0u);
}

TEST_F(MultiElementTest, EventsAndRequestsCrossTheBoundary) {
  TZEMultiElement host;
  host.SetEventCount(1);
  host.SetFactory(&SchemeFactory<TSingleChild>);
  TProbe outside;
  host.Events[0] = MakeWire(0, &TProbe::Take, &outside);
  FireInt(MakeWire(2, &TZEMultiElement::Action, &host), 77);
  EXPECT_EQ(outside.Seen, std::vector<std::string>{"int 77"});

  // The child leaves data slot 0 unwired: the asking element keeps its property.
  TWire input = MakeWire(0, &TZEMultiElement::DataOutput, &host);
  TData d;
  EXPECT_EQ(ReadInt(d, input, 5), 5);
  TData answer;
  ReadRaw(input, answer);
  EXPECT_EQ(answer.Kind, dtNoSource);
}

TEST_F(MultiElementTest, InnerRequestReachesTheHostsDataInput) {
  TZEMultiElement host;
  host.SetDataInputCount(1);
  host.SetFactory(&SchemeFactory<TSingleChild>);
  TWire fromInside = MakeWire(0, &TZEEditMulti::DataOutput, host.Child);
  TData d;
  EXPECT_EQ(ReadStr(d, fromInside, "fallback"), "fallback") << "unwired host input";
  TSource source;
  MakeStr(source.Answer, "outside");
  host.DataInputs[0] = MakeWire(0, &TSource::Value, &source);
  EXPECT_EQ(ReadStr(d, fromInside, "fallback"), "outside");
}

class ListHostTest : public MultiElementTest {
 protected:
  void SetUp() override {
    MultiElementTest::SetUp();
    host = std::make_unique<TZEMultiElementEx>();
    host->SetEventCount(1);
    host->SetFactory(&SchemeFactoryEx<TListChild>);  // instance 0
    TData d;
    host->AddInstance(d, 0);
    host->AddInstance(d, 0);
    RunStartHandlers();
    g_log.clear();
  }
  std::string NameAt(size_t n) {
    return static_cast<TListChild*>(host->Instances[n]->Scheme)->mortal->Name;
  }
  std::unique_ptr<TZEMultiElementEx> host;
};

TEST_F(ListHostTest, ClearNotifiesFromTheLastAndDestroysEachAfterItsNotice) {
  std::string n0 = NameAt(0), n1 = NameAt(1), n2 = NameAt(2);
  TData d;
  host->ClearInstances(d, 1);
  EXPECT_EQ(g_log, (std::vector<std::string>{n2 + " notice 2", "destroy " + n2,
                                             n1 + " notice 1", "destroy " + n1,
                                             n0 + " notice 0", "destroy " + n0}));
  EXPECT_TRUE(host->Instances.empty());
  EXPECT_EQ(host->Current, nullptr);
}

TEST_F(ListHostTest, SendToInstanceAddressesOnePositionAndMissesEmptyCurrent) {
  TData d;
  MakeInt(d, 1);
  host->SendToInstance(d, 0);
  EXPECT_EQ(g_log, std::vector<std::string>{NameAt(1) + " hello 1"});
  EXPECT_EQ(host->Current, host->Instances[1]);
  g_log.clear();
  MakeInt(d, 3);
  host->SendToInstance(d, 0);
  EXPECT_EQ(host->Current, nullptr);
  EXPECT_TRUE(g_log.empty());
  EXPECT_EQ(host->Instances.size(), 3u);
}

TEST_F(ListHostTest, AnInstanceCannotDeleteItselfButMayDeleteAnother) {
  std::string n0 = NameAt(0), n2 = NameAt(2);
  TCall deleter([&](TData& d, uint16_t) {
    TData position;
    MakeInt(position, ToInt(d));
    host->DeleteInstance(position, 1);
  });
  host->Events[0] = MakeWire(0, &TCall::Take, &deleter);

  // Instance 1 echoes its own position out; the handler deletes that position.
  TData d;
  MakeInt(d, 1);
  host->SendToInstance(d, 2);
  ASSERT_EQ(platform::ShownMessages().size(), 1u);
  EXPECT_EQ(platform::ShownMessages()[0].Text, "Self destruction is not allowed !!!");
  EXPECT_EQ(platform::ShownMessages()[0].Caption, "String-Debug");
  EXPECT_EQ(host->Instances.size(), 3u);

  // Instance 0 echoes the value 2: deleting another instance succeeds.
  deleter.Fn = [&](TData&, uint16_t) {
    TData position;
    MakeInt(position, 2);
    host->DeleteInstance(position, 1);
  };
  MakeInt(d, 0);
  host->SendToInstance(d, 2);
  EXPECT_EQ(host->Instances.size(), 2u);
  EXPECT_EQ(g_log, (std::vector<std::string>{n2 + " notice 2", "destroy " + n2}));
  EXPECT_EQ(platform::ShownMessages().size(), 1u);
  EXPECT_EQ(NameAt(0), n0);
}

TEST_F(ListHostTest, ClearFromInsideAnInstanceKeepsOnlyThatInstance) {
  std::string n0 = NameAt(0), n1 = NameAt(1), n2 = NameAt(2);
  TCall clearer([&](TData&, uint16_t) {
    TData d;
    host->ClearInstances(d, 1);
  });
  host->Events[0] = MakeWire(0, &TCall::Take, &clearer);
  TData d;
  MakeInt(d, 1);
  host->SendToInstance(d, 2);
  EXPECT_EQ(g_log, (std::vector<std::string>{n2 + " notice 2", "destroy " + n2,
                                             n0 + " notice 0", "destroy " + n0}));
  EXPECT_EQ(platform::ShownMessages().size(), 1u);
  ASSERT_EQ(host->Instances.size(), 1u);
  EXPECT_EQ(NameAt(0), n1);
}

TEST_F(ListHostTest, DestroyingTheHostNotifiesNoInstance) {
  std::string n0 = NameAt(0), n1 = NameAt(1), n2 = NameAt(2);
  host.reset();
  EXPECT_EQ(g_log, (std::vector<std::string>{"destroy " + n2, "destroy " + n1, "destroy " + n0}));
}

TEST_F(MultiElementTest, OnDemandListHostStartsEmpty) {
  TZEMultiElementEx host;
  host.CreateOnDemand = true;
  host.SetFactory(&SchemeFactoryEx<TListChild>);
  EXPECT_TRUE(host.Instances.empty());
  TData d;
  MakeStr(d, "first");
  host.AddInstance(d, 0);
  ASSERT_EQ(host.Instances.size(), 1u);
  EXPECT_EQ(host.Current, host.Instances[0]);
  ASSERT_EQ(g_log.size(), 1u);
  EXPECT_NE(g_log[0].find(" hello first"), std::string::npos);
}

}  // namespace
}  // namespace zorn::test
