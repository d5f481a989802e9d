// The block-list entries of the editors: built from "type;block", read back
// to the same type code and block, and what counts as no entry.
#include "elements/block_entry.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

class BlockEntryTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    entry.Prefix = "Выход:(";
    entry.TypeNames = {"", "bool", "int", ""};  // 0 and 3 have no name
    entry.OnEntry = MakeWire(0, &TProbe::Take, &built);
    entry.OnType = MakeWire(0, &TProbe::Take, &types);
  }
  std::string Build(const std::string& typeAndBlock) {
    built.Seen.clear();
    FireStr(MakeWire(0, &TZEBlockEntry::Build, &entry), typeAndBlock);
    return built.Seen.empty() ? "nothing" : built.Seen.back();
  }
  // "<type code> <block>" after a Read, and the code OnType carried.
  std::string Read(const std::string& text) {
    types.Seen.clear();
    FireStr(MakeWire(0, &TZEBlockEntry::Read, &entry), text);
    TData code, block;
    entry.TypeCode(code, 0);
    entry.Block(block, 0);
    EXPECT_EQ(types.Seen, (std::vector<std::string>{"int " + ToStr(code)}));
    return ToStr(code) + " " + ToStr(block);
  }

  TZEBlockEntry entry;
  TProbe built;
  TProbe types;
};

TEST_F(BlockEntryTest, BuildsTheEntryFromTypeAndBlockWithTheDigitForAMissingName) {
  EXPECT_EQ(Build("2;12"), "str Выход:(int) №\"12\"");
  EXPECT_EQ(Build("0;5"), "str Выход:(0) №\"5\"");   // empty name
  EXPECT_EQ(Build("7;5"), "str Выход:(7) №\"5\"");   // beyond the names
  EXPECT_EQ(Build("1;"), "str Выход:(bool) №\"\"");  // no block
  EXPECT_EQ(Build("1"), "str Выход:(bool) №\"\"");   // no separator
}

TEST_F(BlockEntryTest, EveryBuiltEntryReadsBackToItsTypeCodeAndBlock) {
  for (int code = 0; code <= 9; ++code) {
    const std::string block = std::to_string(100 + code);
    const std::string text = Build(std::to_string(code) + ";" + block).substr(4);
    EXPECT_EQ(Read(text), std::to_string(code) + " " + block) << text;
  }
}

TEST_F(BlockEntryTest, ANameReadsAsItsFirstPositionAndTheEntryMayStandAfterOtherText) {
  entry.TypeNames = {"", "int", "int"};
  EXPECT_EQ(Read("Выход:(int) №\"4\""), "1 4");
  EXPECT_EQ(Read("  3. Выход:(int) №\"40\" (в работе)"), "1 40");
}

TEST_F(BlockEntryTest, ATextThatIsNoEntryReadsAsMinusOneAndForgetsTheLastBlock) {
  EXPECT_EQ(Read("Выход:(int) №\"4\""), "2 4");
  EXPECT_EQ(Read("Вход:(int) №\"4\""), "-1 ");   // another prefix
  EXPECT_EQ(Read("Выход:(int) №\"4"), "-1 ");    // no closing quote
  EXPECT_EQ(Read("Выход:(int) \"4\""), "-1 ");   // no number mark
  EXPECT_EQ(Read("Выход:(real) №\"4\""), "-1 4"); // unknown name, block kept
  EXPECT_EQ(Read(""), "-1 ");
}

}  // namespace
}  // namespace zorn::test
