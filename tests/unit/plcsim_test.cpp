// The controller simulator, run as a program against a loopback listener and
// a pseudo-terminal made here: its replies to scan, poll and commands, the
// byte log, line endings and its misbehaviour switches. Every wait has a
// deadline, so a silent or hung plcsim fails the test instead of stalling it.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/loopback_port.h"
#include "support/plcsim_harness.h"

namespace plcsim_test {
namespace {

const char* const kBlocks =
    "# a comment, then a blank line\n"
    "\n"
    "in int 12 counter 0 1\n"
    "in bool 3 square 2\n"
    "in str 5 const hello world\n"
    "out int 4 const 0\n"
    "out bool 6\n"
    "in bool 7 follow 6\n"
    "out str 8 const idle\n";

const char* const kScan = "1;12;0\r\n0;3;0\r\n2;5;hello world\r\n6;4;0\r\n5;6;0\r\n0;7;0\r\n7;8;idle\r\n";

class PlcsimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/plcsim_test.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
    blocks_ = dir_ / "blocks.txt";
    write_file(blocks_, kBlocks);
    ASSERT_TRUE(listener_.ok());
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string errors() const { return read_file(dir_ / "stderr.txt"); }

  // plcsim on the listener with the test's block file and the given switches.
  std::unique_ptr<Plcsim> start(std::vector<std::string> extra, const fs::path& blocks = {}) {
    std::vector<std::string> args{"--tcp", listener_.address(), "--blocks",
                                  (blocks.empty() ? blocks_ : blocks).string(), "--connect-timeout", "3000"};
    args.insert(args.end(), extra.begin(), extra.end());
    auto sim = std::make_unique<Plcsim>(args, dir_ / "stderr.txt");
    EXPECT_TRUE(sim->started());
    return sim;
  }

  // plcsim started and accepted; a failure leaves the peer not ok.
  Peer connect(std::unique_ptr<Plcsim>& sim, std::vector<std::string> extra, const fs::path& blocks = {}) {
    sim = start(std::move(extra), blocks);
    Peer peer = listener_.accept(3000);
    EXPECT_TRUE(peer.ok()) << "plcsim did not connect: " << errors();
    return peer;
  }

  fs::path dir_, blocks_;
  Listener listener_;
};

TEST_F(PlcsimTest, AnswersScanPollAndCommandsOverTcp) {
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {"--exit-after-ms", "5000"});
  ASSERT_TRUE(panel.ok());

  // The scan request comes without a CR; every block answers in file order.
  panel.send("scan\n");
  EXPECT_EQ(panel.read_lines(7), kScan);

  // A poll answers with the input blocks only; the counter and the square
  // wave move on by one poll each time.
  panel.send("\rref\n");
  EXPECT_EQ(panel.read_lines(4), "1;12;0\r\n0;3;0\r\n2;5;hello world\r\n0;7;0\r\n");
  panel.send("\rref\n");
  EXPECT_EQ(panel.read_lines(4), "1;12;1\r\n0;3;1\r\n2;5;hello world\r\n0;7;0\r\n");

  // Commands set output blocks and answer with the new line; a str value may
  // hold ";" (the block follows the last one); ints are read as numbers.
  panel.send("\r17;4\n\r-05;4\n\r1;6\n\rrun;fast;8\n");
  EXPECT_EQ(panel.read_lines(4), "6;4;17\r\n6;4;-5\r\n5;6;1\r\n7;8;run;fast\r\n");

  // No such output block (12 is an input block), or a value its type refuses.
  panel.send("\r1;99\n\r1;12\n\r2;6\n\rabc;4\n\r;4\n");
  EXPECT_EQ(panel.read_lines(5), "ERROR;99\r\nERROR;12\r\nERROR;6\r\nERROR;4\r\nERROR;4\r\n");

  // Lines that are no request get no answer at all.
  panel.send("hello\n\r\n;x\nref;\n\rref\n");
  EXPECT_EQ(panel.read_lines(4), "1;12;2\r\n0;3;0\r\n2;5;hello world\r\n0;7;1\r\n");
  EXPECT_EQ(panel.drain(100), "");

  // The refused commands changed nothing; the follower shows output block 6.
  panel.send("scan\n");
  EXPECT_EQ(panel.read_lines(7), "1;12;3\r\n0;3;1\r\n2;5;hello world\r\n6;4;-5\r\n5;6;1\r\n0;7;1\r\n7;8;run;fast\r\n");

  // A line split over several segments is still one request.
  panel.send("\r1");
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  panel.send(";4");
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  panel.send("\n");
  EXPECT_EQ(panel.read_lines(1), "6;4;1\r\n");
}

TEST_F(PlcsimTest, CounterWrapsAndRandomWalkFollowsItsSeed) {
  write_file(dir_ / "walk.txt",
             "in int 1 counter 2 1 0 3\n"
             "in int 2 counter 1 -2 -3 1\n"
             "in int 3 random 50 45 55 2\n");
  auto run = [&](const std::string& seed) {
    std::unique_ptr<Plcsim> sim;
    Peer panel = connect(sim, {"--seed", seed, "--exit-after-ms", "5000"}, dir_ / "walk.txt");
    std::string polls;
    for (int i = 0; i < 40; ++i) polls += "\rref\n";
    panel.send(polls);
    return split_lines(panel.read_lines(120));
  };
  std::vector<std::string> first = run("7");
  ASSERT_EQ(first.size(), 120u);
  std::vector<std::string> counter_up, counter_down, walk;
  for (std::size_t i = 0; i < first.size(); i += 3) {
    counter_up.push_back(first[i]);
    counter_down.push_back(first[i + 1]);
    walk.push_back(first[i + 2]);
  }
  EXPECT_EQ(std::vector<std::string>(counter_up.begin(), counter_up.begin() + 6),
            (std::vector<std::string>{"1;1;2", "1;1;3", "1;1;0", "1;1;1", "1;1;2", "1;1;3"}));
  EXPECT_EQ(std::vector<std::string>(counter_down.begin(), counter_down.begin() + 6),
            (std::vector<std::string>{"1;2;1", "1;2;-1", "1;2;-3", "1;2;0", "1;2;-2", "1;2;1"}));

  // The walk starts at START, keeps within MIN..MAX, moves at most STEP a
  // poll, and does move.
  int previous = 50;
  std::set<int> seen;
  EXPECT_EQ(walk.front(), "1;3;50");
  for (const std::string& line : walk) {
    ASSERT_EQ(line.rfind("1;3;", 0), 0u) << line;
    int v = std::stoi(line.substr(4));
    EXPECT_GE(v, 45);
    EXPECT_LE(v, 55);
    EXPECT_LE(std::abs(v - previous), 2) << line;
    previous = v;
    seen.insert(v);
  }
  EXPECT_GE(seen.size(), 3u);

  EXPECT_EQ(run("7"), first) << "the same seed must give the same run";
  EXPECT_NE(run("8"), first) << "another seed must give another walk";
}

TEST_F(PlcsimTest, SquareWaveInMillisecondsChangesWithTime) {
  write_file(dir_ / "square.txt", "in int 1 square 200ms 10 20\n");
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {"--exit-after-ms", "5000"}, dir_ / "square.txt");
  std::set<std::string> seen;
  int changes = 0;
  std::string last;
  for (int i = 0; i < 25; ++i) {  // about 500 ms, two and a half periods
    panel.send("\rref\n");
    std::string line = panel.read_lines(1);
    ASSERT_TRUE(line == "1;1;10\r\n" || line == "1;1;20\r\n") << line;
    if (!last.empty() && line != last) ++changes;
    last = line;
    seen.insert(line);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(seen.size(), 2u);
  // Half a period is 100 ms: about five changes, never one on every poll.
  EXPECT_GE(changes, 2);
  EXPECT_LE(changes, 8);
}

TEST_F(PlcsimTest, RetriesTheConnectUntilThePanelListens) {
  // Free a moment ago, and outside the ports connect hands out.
  int port = zorn::test::FreeLoopbackPort();
  std::vector<std::string> args{"--tcp", "127.0.0.1:" + std::to_string(port), "--blocks", blocks_.string(),
                                "--connect-timeout", "3000", "--exit-after-ms", "4000"};
  Plcsim sim(args, dir_ / "stderr.txt");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  Listener late(port);
  ASSERT_TRUE(late.ok());
  Peer panel = late.accept(2000);
  ASSERT_TRUE(panel.ok()) << errors();
  panel.send("scan\n");
  EXPECT_EQ(panel.read_lines(7), kScan);
}

TEST_F(PlcsimTest, GivesUpWhenNoPanelListensInTime) {
  int port = zorn::test::FreeLoopbackPort();
  auto t0 = Clock::now();
  Plcsim sim({"--tcp", "127.0.0.1:" + std::to_string(port), "--blocks", blocks_.string(), "--connect-timeout",
              "300"},
             dir_ / "stderr.txt");
  EXPECT_EQ(sim.wait_exit(3000), 2);
  EXPECT_GE(ms_since(t0), 290);
  EXPECT_NE(errors().find("gave up"), std::string::npos) << errors();
}

// Connecting to a port nobody listens on from that very port is a TCP
// simultaneous open with itself, as happens by chance when the panel's port
// lies in the range connect picks local ports from and plcsim retries long
// before the panel listens. plcsim drops such a connection and retries, so
// it never answers its own lines, and gives up in time as with no panel.
TEST_F(PlcsimTest, DoesNotTalkToItself) {
  int port = zorn::test::FreeLoopbackPort();
  ASSERT_NE(port, 0);
  std::string own = "127.0.0.1:" + std::to_string(port);
  Plcsim sim({"--tcp", own, "--from", own, "--blocks", blocks_.string(), "--connect-timeout", "400",
              "--log", (dir_ / "wire.log").string()},
             dir_ / "stderr.txt");
  EXPECT_EQ(sim.wait_exit(3000), 2) << errors();
  EXPECT_NE(errors().find("connected to itself"), std::string::npos) << errors();
  EXPECT_EQ(errors().find("connected to " + own), std::string::npos) << errors();
  EXPECT_EQ(read_file(dir_ / "wire.log"), "");
  // The port is free for the panel afterwards.
  Listener panel(port);
  EXPECT_TRUE(panel.ok());
}

TEST_F(PlcsimTest, ConnectsFromTheGivenLocalAddress) {
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {"--from", "127.0.0.7", "--exit-after-ms", "3000"});
  ASSERT_TRUE(panel.ok());
  sockaddr_in peer{};
  socklen_t len = sizeof peer;
  ASSERT_EQ(::getpeername(panel.fd(), reinterpret_cast<sockaddr*>(&peer), &len), 0);
  EXPECT_EQ(ntohl(peer.sin_addr.s_addr), 0x7F000007u);
  panel.send("scan\n");
  EXPECT_EQ(panel.read_lines(7), kScan);
}

TEST_F(PlcsimTest, LogHoldsEveryByteReceived) {
  const std::string earlier = "from an earlier run\n";
  write_file(dir_ / "raw.log", earlier);
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {"--log", (dir_ / "raw.log").string()});
  ASSERT_TRUE(panel.ok());
  const std::string sent = std::string("scan\n\r1;4\n\rr") + "ef\n" + "\xc0\xff" + std::string(1, '\0') + "no end";
  panel.send(sent.substr(0, 9));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  panel.send(sent.substr(9));
  // The log grows while plcsim runs, appended to what the file held.
  EXPECT_EQ(wait_for_file(dir_ / "raw.log", earlier.size() + sent.size(), 2000), earlier + sent);
  panel.close();
  EXPECT_EQ(sim->wait_exit(2000), 0);

  panel = connect(sim, {"--log", (dir_ / "hex.log").string(), "--log-hex"});
  ASSERT_TRUE(panel.ok());
  panel.send("scan\n\r1;4\n\\\xff\t");
  const std::string expected = "scan\\x0a\n\\x0d1;4\\x0a\n\\\\\\xff\\x09";
  EXPECT_EQ(wait_for_file(dir_ / "hex.log", expected.size(), 2000), expected);
}

TEST_F(PlcsimTest, EndsLinesAsAsked) {
  write_file(dir_ / "two.txt", "in int 1 const 5\nout bool 2\n");
  const struct {
    const char* ending;
    const char* scan;
  } cases[] = {{"crlf", "1;1;5\r\n5;2;0\r\n"}, {"lf", "1;1;5\n5;2;0\n"}, {"cr", "1;1;5\r5;2;0\r"}, {"none", "1;1;55;2;0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ending);
    std::unique_ptr<Plcsim> sim;
    Peer panel = connect(sim, {"--ending", c.ending, "--exit-after-ms", "3000"}, dir_ / "two.txt");
    ASSERT_TRUE(panel.ok());
    panel.send("scan\n");
    std::string got, chunk;
    auto deadline = Clock::now() + std::chrono::milliseconds(2000);
    while (got.size() < std::strlen(c.scan) && ms_left(deadline) > 0) got += panel.read_chunk(ms_left(deadline));
    got += panel.drain(50);
    EXPECT_EQ(got, c.scan);
  }
}

TEST_F(PlcsimTest, SplitWritesCutLinesAndEndingsApart) {
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {"--split-writes", "--split-delay-ms", "15", "--exit-after-ms", "5000"});
  ASSERT_TRUE(panel.ok());
  panel.send("scan\n");
  std::vector<std::string> chunks;
  std::string got;
  auto deadline = Clock::now() + std::chrono::milliseconds(3000);
  while (got.size() < std::strlen(kScan) && ms_left(deadline) > 0) {
    std::string chunk = panel.read_chunk(ms_left(deadline));
    if (chunk.empty()) continue;
    chunks.push_back(chunk);
    got += chunk;
  }
  EXPECT_EQ(got, kScan);
  // Seven lines in at least three writes each arrive in many more reads;
  // some reads end inside a line, and some LF arrives without its CR.
  EXPECT_GE(chunks.size(), 14u);
  int inside = 0, lone_lf = 0;
  for (const std::string& c : chunks) {
    if (c.back() != '\n') ++inside;
    if (c.front() == '\n') ++lone_lf;
  }
  EXPECT_GE(inside, 3);
  EXPECT_GE(lone_lf, 2);
}

TEST_F(PlcsimTest, GarbageLinesComeBetweenRepliesAndAreDroppedByThePanel) {
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {"--garbage-every", "2", "--exit-after-ms", "5000"});
  ASSERT_TRUE(panel.ok());
  std::string polls;
  for (int i = 0; i < 6; ++i) polls += "\rref\n";
  panel.send("scan\n" + polls);
  // 7 + 24 reply lines, a garbage line after every second one.
  std::vector<std::string> lines = split_lines(panel.read_lines(31 + 15, 3000));
  ASSERT_EQ(lines.size(), 46u);
  std::vector<std::string> replies, garbage;
  for (std::size_t i = 0; i < lines.size(); ++i) (i % 3 == 2 ? garbage : replies).push_back(lines[i]);
  EXPECT_EQ(std::vector<std::string>(replies.begin(), replies.begin() + 7), split_lines(kScan));
  EXPECT_EQ(replies.back(), "0;7;0");
  for (const std::string& g : garbage) {
    EXPECT_FALSE(panel_accepts(g)) << g;
    EXPECT_NE(g.rfind("ERROR;", 0), 0u) << g;
    EXPECT_EQ(g.find('\n'), std::string::npos);
  }
  EXPECT_GE(std::set<std::string>(garbage.begin(), garbage.end()).size(), 5u);
}

TEST_F(PlcsimTest, DisconnectAfterLinesResetsTheConnection) {
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {"--disconnect-after", "3"});
  ASSERT_TRUE(panel.ok());
  panel.send("scan\n");
  std::string rest;
  int end = panel.wait_end(2000, &rest);
  EXPECT_EQ(rest, "1;12;0\r\n0;3;0\r\n2;5;hello world\r\n");
  EXPECT_EQ(end, -ECONNRESET) << "a reset, not an orderly close";
  EXPECT_EQ(sim->wait_exit(2000), 0);
}

TEST_F(PlcsimTest, DisconnectAfterMillisecondsAndEndOfTimeDiffer) {
  std::unique_ptr<Plcsim> sim;
  auto t0 = Clock::now();
  Peer panel = connect(sim, {"--disconnect-after", "300ms"});
  ASSERT_TRUE(panel.ok());
  EXPECT_EQ(panel.wait_end(3000), -ECONNRESET);
  EXPECT_GE(ms_since(t0), 290);
  EXPECT_EQ(sim->wait_exit(2000), 0);

  // Running out of --exit-after-ms closes in order instead.
  panel = connect(sim, {"--exit-after-ms", "300"});
  ASSERT_TRUE(panel.ok());
  EXPECT_EQ(panel.wait_end(3000), 0);
  EXPECT_EQ(sim->wait_exit(2000), 0);
}

TEST_F(PlcsimTest, ReconnectsAfterADisconnectWithItsStateKept) {
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {"--disconnect-after", "1", "--reconnect", "--reconnect-delay-ms", "50",
                             "--exit-after-ms", "5000"});
  ASSERT_TRUE(panel.ok());
  panel.send("\rref\n");
  std::string rest;
  EXPECT_EQ(panel.wait_end(2000, &rest), -ECONNRESET);
  EXPECT_EQ(rest, "1;12;0\r\n") << "one line, then the cut";

  // Each new connection is cut after one line again; the counter goes on
  // from where the poll of the first one left it.
  Peer again = listener_.accept(2000);
  ASSERT_TRUE(again.ok()) << "no second connection: " << errors();
  again.send("scan\n");
  rest.clear();
  EXPECT_EQ(again.wait_end(2000, &rest), -ECONNRESET);
  EXPECT_EQ(rest, "1;12;1\r\n");
  Peer third = listener_.accept(2000);
  EXPECT_TRUE(third.ok()) << "no third connection: " << errors();
}

TEST_F(PlcsimTest, PanelClosingEndsARunWithoutReconnect) {
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {});
  ASSERT_TRUE(panel.ok());
  panel.send("scan\n");
  EXPECT_EQ(panel.read_lines(7), kScan);
  panel.close();
  EXPECT_EQ(sim->wait_exit(2000), 0);
}

TEST_F(PlcsimTest, FloodSendsInputLinesUnasked) {
  std::unique_ptr<Plcsim> sim;
  Peer panel = connect(sim, {"--flood"});
  ASSERT_TRUE(panel.ok());
  std::vector<std::string> lines = split_lines(panel.read_lines(4000, 3000));
  ASSERT_GE(lines.size(), 4000u);
  lines.resize(4000);
  for (std::size_t i = 0; i < lines.size(); i += 4) {
    ASSERT_EQ(lines[i], "1;12;" + std::to_string(i / 4));
    ASSERT_EQ(lines[i + 1], (i / 4) % 2 ? "0;3;1" : "0;3;0");
    ASSERT_EQ(lines[i + 2], "2;5;hello world");
  }
  // Requests are still answered in the stream.
  panel.send("\r1;4\n");
  std::string more;
  auto deadline = Clock::now() + std::chrono::milliseconds(2000);
  while (more.find("6;4;1\r\n") == std::string::npos && ms_left(deadline) > 0) {
    more += panel.read_chunk(ms_left(deadline));
    if (more.size() > (1u << 22)) more.erase(0, more.size() - 64);
  }
  EXPECT_NE(more.find("6;4;1\r\n"), std::string::npos);
  panel.close();
  EXPECT_EQ(sim->wait_exit(2000), 0);
}

TEST_F(PlcsimTest, RefusesABadCommandLine) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--blocks", "x", "--tcp", "127.0.0.1:1", "--flod"}, "unknown option --flod"},
      {{"--blocks", "x", "--tcp", "127.0.0.1"}, "--tcp needs HOST:PORT"},
      {{"--blocks", "x", "--tcp", "127.0.0.1:1", "--ending=crcr"}, "--ending is crlf, lf, cr or none"},
      {{"--blocks", "x", "--tcp", "127.0.0.1:1", "--disconnect-after", "5s"}, "--disconnect-after needs"},
      {{"--blocks", "x", "--tcp", "127.0.0.1:1", "--from", "127.0.0"}, "--from needs ADDRESS"},
      {{"--blocks", "x", "--tcp", "127.0.0.1:1", "--from", "127.0.0.2:0"}, "--from needs ADDRESS"},
      {{"--tcp", "127.0.0.1:1"}, "give --blocks FILE"},
      {{"--blocks", "x"}, "give --tcp HOST:PORT or --serial PATH"},
      {{"--blocks", (fs::path("/nonexistent") / "blocks.txt").string(), "--tcp", "127.0.0.1:1"}, "cannot read"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Plcsim sim(c.args, dir_ / "stderr.txt");
    EXPECT_EQ(sim.wait_exit(2000), 1);
    EXPECT_NE(errors().find(c.message), std::string::npos) << errors();
  }
}

TEST_F(PlcsimTest, RefusesABadBlockFileNamingTheLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"in int 1 const 0\nin int 2 sawtooth 1\n", "line 2: unknown mode"},
      {"in bool 1 counter 0 1\n", "line 1: counter needs an int or str block"},
      {"out int 1 counter 0 1\n", "line 1: output blocks"},
      {"in int 1\n\nin str 1 const x\n", "line 3: block 1 is already an input block"},
      {"in bool 1 follow 9\n", "line 1: there is no output block 9"},
      {"in bool 1 const 2\n", "line 1: a bool value is 0 or 1"},
      {"in int 1 counter 5 1 0 3\n", "line 1: a counter needs MIN <= START <= MAX"},
      {"in int 1 square 1\n", "line 1: PERIOD"},
      {"in 5 1 const 0\n", "line 1: unknown type"},
      {"inn int 1\n", "line 1: a line starts with in or out"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    write_file(dir_ / "bad.txt", c.text);
    auto sim = start({}, dir_ / "bad.txt");
    EXPECT_EQ(sim->wait_exit(2000), 1);
    EXPECT_NE(errors().find(c.message), std::string::npos) << errors();
  }
}

TEST_F(PlcsimTest, AnswersOverAPseudoTerminalAndLeavesWhenItHangsUp) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  Peer panel(pty.take_master());
  Plcsim sim({"--serial", pty.path(), "--baud", "9600", "--blocks", blocks_.string(), "--log",
              (dir_ / "serial.log").string(), "--connect-timeout", "3000"},
             dir_ / "stderr.txt");
  panel.send("scan\n");
  // Raw output: the CR LF of every line arrives as written, no LF grows a CR.
  EXPECT_EQ(panel.read_lines(7), kScan);
  panel.send("\r1;6\n\r5;2\n\rref\n");
  EXPECT_EQ(panel.read_lines(6), "5;6;1\r\nERROR;2\r\n1;12;0\r\n0;3;0\r\n2;5;hello world\r\n0;7;1\r\n");
  const std::string received = "scan\n\r1;6\n\r5;2\n\rref\n";
  EXPECT_EQ(wait_for_file(dir_ / "serial.log", received.size(), 2000), received);
  panel.close();  // the device hangs up
  EXPECT_EQ(sim.wait_exit(2000), 0);
}

TEST_F(PlcsimTest, WaitsForASerialLinkPathToAppear) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  Peer panel(pty.take_master());
  const fs::path link = dir_ / "ttyPLC";  // as socat's link=PATH makes it
  Plcsim sim({"--serial", link.string(), "--blocks", blocks_.string(), "--connect-timeout", "3000",
              "--exit-after-ms", "4000"},
             dir_ / "stderr.txt");
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  fs::create_symlink(pty.path(), link);
  panel.send("\r1;4\n");
  EXPECT_EQ(panel.read_lines(1, 3000), "6;4;1\r\n") << errors();
}

}  // namespace
}  // namespace plcsim_test
