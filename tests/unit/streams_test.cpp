// The memory stream and the text-to-stream convertor.
#include "link/streams.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using StreamsTest = RuntimeTest;

TEST_F(StreamsTest, ConvertorHandsOutTheTextAsARewoundStream) {
  TZEStreamConvertor convertor;
  std::string seen;
  size_t position = 99;
  TCall receiver([&](TData& d, uint16_t) {
    TStream* s = StreamOf(d);
    ASSERT_NE(s, nullptr);
    position = s->Position();
    seen = s->Bytes();
  });
  convertor.OnResult = MakeWire(0, &TCall::Take, &receiver);
  FireStr(MakeWire(0, &TZEStreamConvertor::Convert, &convertor), "\rref\n");
  EXPECT_EQ(seen, "\rref\n");
  EXPECT_EQ(position, 0u);
}

TEST_F(StreamsTest, MemoryStreamKeepsACopyAndReportsItsSize) {
  TZEMemoryStream memory;
  TProbe loaded;
  memory.OnLoad = MakeWire(0, &TProbe::Take, &loaded);
  TStream source;
  source.Append("abcdef", 6);
  TData d;
  MakeStream(d, &source);
  Fire(MakeWire(0, &TZEMemoryStream::Load, &memory), d);
  source.Clear();
  TData size;
  memory.Size(size, 0);
  EXPECT_EQ(ToInt(size), 6) << "a copy, not the caller's stream";
  EXPECT_EQ(loaded.Seen, std::vector<std::string>{"kind 10"});

  FireStr(MakeWire(0, &TZEMemoryStream::Load, &memory), "not a stream");
  memory.Size(size, 0);
  EXPECT_EQ(ToInt(size), 0);
}

}  // namespace
}  // namespace zorn::test
