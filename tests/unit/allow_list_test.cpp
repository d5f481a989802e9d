// The TCP server's allow list and the strict dotted-decimal reading it
// shares with the address to listen on.
#include "link/allow_list.h"

#include <gtest/gtest.h>

namespace zorn {
namespace {

uint32_t A(const char* dotted) { return *ParseDottedIpv4(dotted); }

TEST(DottedIpv4, ReadsFourDecimalNumbersFirstByteHighest) {
  EXPECT_EQ(ParseDottedIpv4("127.0.0.2"), 0x7F000002u);
  EXPECT_EQ(ParseDottedIpv4("255.255.255.255"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseDottedIpv4("0.0.0.0"), 0u);
  EXPECT_EQ(ParseDottedIpv4("010.1.1.1"), 0x0A010101u) << "leading zeros are decimal";
}

TEST(DottedIpv4, RefusesEveryOtherForm) {
  for (const char* text : {"", "127.1", "127.0.0", "127.0.0.1.5", "256.0.0.1", "1.2.3.4 ",
                           " 1.2.3.4", "0x7f.0.0.1", "1..2.3", "1.2.3.", ".1.2.3", "1.2.3.4/8",
                           "a.b.c.d", "1.2.3.0004", "localhost", "-1.2.3.4", "+1.2.3.4"}) {
    EXPECT_FALSE(ParseDottedIpv4(text)) << '"' << text << '"';
  }
}

TEST(AllowList, EmptyOrBlankTextAllowsEveryone) {
  for (const char* text : {"", "   ", ",", " , ,"}) {
    TAllowList list = TAllowList::Parse(text);
    EXPECT_TRUE(list.AllowsEveryone()) << '"' << text << '"';
    EXPECT_TRUE(list.Allows("10.1.2.3"));
    EXPECT_TRUE(list.Invalid().empty());
  }
  EXPECT_TRUE(TAllowList().Allows("192.168.0.1"));
}

TEST(AllowList, SingleAddressesMatchExactly) {
  TAllowList list = TAllowList::Parse("127.0.0.2, 192.168.1.10");
  EXPECT_FALSE(list.AllowsEveryone());
  EXPECT_TRUE(list.Allows("127.0.0.2"));
  EXPECT_TRUE(list.Allows("192.168.1.10"));
  EXPECT_FALSE(list.Allows("127.0.0.3"));
  EXPECT_FALSE(list.Allows("192.168.1.11"));
  EXPECT_FALSE(list.Allows("127.0.0.1"));
  EXPECT_FALSE(list.Allows("not an address"));
}

TEST(AllowList, CidrRangesCoverTheirNetworkOnly) {
  TAllowList list = TAllowList::Parse("192.168.1.0/24,10.0.0.0/8,172.16.5.4/30");
  EXPECT_TRUE(list.Allows("192.168.1.0"));
  EXPECT_TRUE(list.Allows("192.168.1.255"));
  EXPECT_FALSE(list.Allows("192.168.2.1"));
  EXPECT_FALSE(list.Allows("192.168.0.255"));
  EXPECT_TRUE(list.Allows("10.255.0.1"));
  EXPECT_FALSE(list.Allows("11.0.0.1"));
  // /30: 172.16.5.4 to 172.16.5.7.
  EXPECT_FALSE(list.Allows("172.16.5.3"));
  EXPECT_TRUE(list.Allows("172.16.5.4"));
  EXPECT_TRUE(list.Allows("172.16.5.7"));
  EXPECT_FALSE(list.Allows("172.16.5.8"));
  EXPECT_TRUE(list.Invalid().empty());
}

TEST(AllowList, PrefixBoundsAndHostBits) {
  // /32 is one address, /0 every address; bits beyond the prefix are ignored.
  EXPECT_TRUE(TAllowList::Parse("127.0.0.2/32").Allows("127.0.0.2"));
  EXPECT_FALSE(TAllowList::Parse("127.0.0.2/32").Allows("127.0.0.3"));
  EXPECT_TRUE(TAllowList::Parse("1.2.3.4/0").Allows("200.1.1.1"));
  TAllowList hostBits = TAllowList::Parse("192.168.1.77/24");
  EXPECT_TRUE(hostBits.Allows("192.168.1.1"));
  EXPECT_FALSE(hostBits.Allows("192.168.2.77"));
  EXPECT_TRUE(TAllowList::Parse("127.0.0.0/31").Allows(A("127.0.0.1")));
  EXPECT_FALSE(TAllowList::Parse("127.0.0.0/31").Allows(A("127.0.0.2")));
}

TEST(AllowList, InvalidEntriesAllowNobodyAndAreListed) {
  TAllowList list =
      TAllowList::Parse("127.0.0.2, 127.0.0.300, 10.0.0.0/33, 10.1.0.0/, /8, host, 127.0.0.4/x");
  EXPECT_TRUE(list.Allows("127.0.0.2"));
  EXPECT_FALSE(list.Allows("10.0.0.1"));
  EXPECT_FALSE(list.Allows("10.1.0.1"));
  EXPECT_FALSE(list.Allows("127.0.0.4"));
  EXPECT_EQ(list.Invalid(), (std::vector<std::string>{"127.0.0.300", "10.0.0.0/33", "10.1.0.0/",
                                                      "/8", "host", "127.0.0.4/x"}));
}

TEST(AllowList, AListWithNoValidEntryAllowsNobody) {
  for (const char* text : {"127.0.0.256", "any", "*", "0.0.0.0/-1", "127.0.0.1;127.0.0.2"}) {
    TAllowList list = TAllowList::Parse(text);
    EXPECT_FALSE(list.AllowsEveryone()) << text;
    EXPECT_FALSE(list.Allows("127.0.0.1")) << text;
    EXPECT_FALSE(list.Allows("127.0.0.2")) << text;
    EXPECT_EQ(list.Invalid().size(), 1u) << text;
  }
}

}  // namespace
}  // namespace zorn
