// Key-command definitions: seven-line blocks, markers, forms, malformed files, the shipped file.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "shell/file_save.h"
#include "shell/frame_clock.h"
#include "shell/key_commands.h"
#include "test_files.h"

namespace {

// One block: name, key line, press form, press line, value form and line, last line.
std::string Block(const std::string& name, const std::string& keys, const std::string& form,
                  const std::string& press, const std::string& value, const std::string& tail) {
  return "//==\n" + name + "\n" + keys + "\n" + form + "\n" + press + "\n" + value + "\n" + tail + "\n";
}

IKmd2 ReadOne(const std::string& text) {
  std::istringstream in(text);
  IKmd2 k;
  std::memset(&k, 0, sizeof(k));
  Kmd_SkipToMarker(in);
  IKmd2_InitFromStream(k, in);
  return k;
}

TEST(KeyFile, MarkersAreFoundPastCommentsAndIndents) {
  std::istringstream in("title\n// comment\nx //== not a marker\n \t//== marked\nnext\n");
  ASSERT_TRUE(Kmd_SkipToMarker(in));
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "next");
  EXPECT_FALSE(Kmd_SkipToMarker(in));
}

// Each block and the words of the command it gives (the rest is not looked at): the blocks' forms,
// comments after the numbers, refused definitions (an inactive command never fires), the enable
// flag, the slot and the priority.
TEST(KeyFile, EachBlockGivesItsWords) {
  using W = std::pair<int IKmd2::*, int>;
  const struct {
    std::string block;
    std::vector<W> words;
  } rows[] = {
      // clang-format off
      {"head\n" + Block("  Esc\t", "1 27 0 0 1 9 // keys", "0 // short", "0 // mode", "0\n0 // no value",
                        "300 3 10 1 // tail"),
       {{&IKmd2::active, 1}, {&IKmd2::enabled, 1}, {&IKmd2::key1, 27}, {&IKmd2::exclusive, 1},
        {&IKmd2::extra, 9}, {&IKmd2::mode, 0}, {&IKmd2::value, 0}, {&IKmd2::blockMs, 300},
        {&IKmd2::slot, 3}, {&IKmd2::priority, 10}}},
      {Block("A", "1 65 0 0 0 0", "0", "1", "0\n0", "0 0 0 1"),  // a press line for the long form
       {{&IKmd2::active, 0}, {&IKmd2::enabled, 0}, {&IKmd2::blockMs, 9000555}, {&IKmd2::slot, 0}}},
      {Block("B", "1 66 0 0 0 0", "1", "1 250 0 1", "1\n1 2 0 0 0", "0 0 0 1"),
       {{&IKmd2::mode, 1}, {&IKmd2::dblWindow, 250}, {&IKmd2::tripleWindow, 0}, {&IKmd2::noSingle, 1},
        {&IKmd2::enabled, 1}}},
      {Block("C", "1 67 0 0 0 0", "1", "2 250 0 0", "0\n0", "0 0 0 1"), {{&IKmd2::active, 0}}},
      {Block("D", "1 68 0 0 0 0", "0", "0", "0\n5", "0 0 0 1"), {{&IKmd2::value, 0}}},
      {Block("F", "1 70 0 0 0 0", "0", "0", "1\n5 3 0 0 0", "0 0 0 1"), {{&IKmd2::active, 0}}},
      // A modifier command without its key is not refused at load time: it simply never fires.
      {Block("G", "1 0 0 65 0 0", "0", "3", "0\n0", "0 0 0 1"),
       {{&IKmd2::mode, 3}, {&IKmd2::active, 1}}},
      {Block("A", "1 65 0 0 0 0", "0", "0", "0\n0", "0 3 10 0"),
       {{&IKmd2::active, 1}, {&IKmd2::enabled, 0}}},
      {Block("A", "1 65 0 0 0 0", "0", "0", "0\n0", "0 3 10 1"),
       {{&IKmd2::enabled, 1}, {&IKmd2::slot, 3}, {&IKmd2::priority, 10}}},
      // clang-format on
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.block);
    IKmd2 k = ReadOne(r.block);
    for (const auto& [word, value] : r.words)
      EXPECT_EQ(k.*word, value) << "word " << ((char*)&(k.*word) - (char*)&k) / 4;
  }
  EXPECT_STREQ(ReadOne(rows[0].block).name, "Esc");
}

// A value line of 1 makes a toggle between 1 and 2, each press the next.
TEST(KeyFile, AToggleGoesBetweenItsTwoValues) {
  IKmd2 toggle = ReadOne(Block("E", "1 69 0 0 0 0", "0", "0", "0\n1", "0 0 0 1"));
  EXPECT_EQ(toggle.value, 1);
  EXPECT_EQ(toggle.valueMax, 2);
  std::memset(KeyCmds.KeyDownTable, 0, sizeof(KeyCmds.KeyDownTable));
  std::vector<int> seen;
  for (int press = 0; press < 4; press++) {
    KeyCmds.KeyDownTable[69] = 1;
    IKmd2_Upd(&toggle);
    seen.push_back(toggle.value);
    KeyCmds.KeyDownTable[69] = 0;
    IKmd2_Upd(&toggle);
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 1, 2, 1}));
}

// The loop of the generated loader: it stops only at the end of the stream.
int GeneratedLoop(std::istream& frs, IKmd2* k, int n) {
  std::string s;
  int steps = 0;
  for (int i = 0; i < n; i++) {
    if (!frs.eof()) {
      for (;;) {
        if (frs.eof()) break;
        if (++steps > 10000) return -1;  // would hang
        std::getline(frs, s);
        if (s.find_first_not_of(" \t") != std::string::npos &&
            s.compare(s.find_first_not_of(" \t"), 4, "//==") == 0)
          break;
      }
    }
    IKmd2_InitFromStream(k[i], frs);
  }
  return steps;
}

TEST(KeyFile, MalformedOrShortFilesEndTheLoadWithInactiveCommands) {
  std::string good = Block("A", "1 65 0 0 0 0", "0", "0", "0\n0", "0 0 0 1");
  std::string bad = Block("B", "1 66 zero 0 0 0", "0", "0", "0\n0", "0 0 0 1");
  std::istringstream in("title\n" + good + bad + good + good);
  IKmd2 k[4];
  std::memset(k, 0, sizeof(k));
  ASSERT_GE(GeneratedLoop(in, k, 4), 0);
  EXPECT_EQ(k[0].enabled, 1);
  for (int i = 1; i < 4; i++) {
    EXPECT_EQ(k[i].active, 0) << i;
    EXPECT_EQ(k[i].enabled, 0) << i;
  }

  std::istringstream shortFile("title\n" + good);
  std::memset(k, 0, sizeof(k));
  ASSERT_GE(GeneratedLoop(shortFile, k, 4), 0);
  EXPECT_EQ(k[0].enabled, 1);
  EXPECT_EQ(k[3].active, 0);
  EXPECT_EQ(k[3].blockMs, 9000555);

  // a block cut inside its last line
  std::istringstream cut("//==\nA\n1 65 0 0 0 0\n0\n0\n0\n0\n0 0");
  std::memset(k, 0, sizeof(k));
  ASSERT_GE(GeneratedLoop(cut, k, 2), 0);
  EXPECT_EQ(k[0].active, 0);
  EXPECT_EQ(k[0].enabled, 0);
}

int WordAt(const std::string& b, size_t i) {
  return (int)((unsigned char)b[4 * i] | (unsigned char)b[4 * i + 1] << 8 |
               (unsigned char)b[4 * i + 2] << 16 | (unsigned)(unsigned char)b[4 * i + 3] << 24);
}

TEST(KeyFile, BinaryCommandFileRoundTrip) {
  IKmd2 k = ReadOne(Block("Klik", "1 1 2 0 1 7", "1", "1 250 100 1", "1\n2 5 2 300 4", "50 9 3 1"));
  k.latch = 1;
  k.holdMs = 33;
  k.repeatStart = 4444;
  k.dblWait = 12;  // run-time words other than the three cleared ones travel as they are
  ASSERT_EQ(IKmd2_SaveBin(&k, "kmd_round.bin", kFileBakMove), 1);
  EXPECT_EQ(k.latch, 0);
  EXPECT_EQ(k.holdMs, 0);
  EXPECT_EQ(k.repeatStart, 0);
  std::string b = ReadAll("kmd_round.bin");
  ASSERT_EQ(b.size(), 184u);
  EXPECT_EQ(WordAt(b, 0), 184);
  EXPECT_EQ(WordAt(b, 1), 3451);
  EXPECT_EQ(WordAt(b, 2), 40);
  EXPECT_EQ(b.substr(12 + 36 * 4, 12), b.substr(172, 12));

  IKmd2 back;
  std::memset(&back, 0, sizeof(back));
  EXPECT_EQ(IKmd2_LoadBin(&back, "kmd_round.bin", ""), 1);
  EXPECT_EQ(std::memcmp(&back, &k, sizeof(k)), 0);
  EXPECT_STREQ(back.name, "Klik");

  // refused: an inactive command, an empty name, a definition error
  IKmd2 off = k;
  off.active = 0;
  EXPECT_EQ(IKmd2_SaveBin(&off, "kmd_off.bin", kFileBakMove), 0);
  EXPECT_EQ(IKmd2_SaveBin(&k, "", kFileBakMove), 0);
  IKmd2 bad = k;
  bad.mode = 3;
  bad.key1 = 0;
  EXPECT_EQ(IKmd2_SaveBin(&bad, "kmd_bad.bin", kFileBakMove), 0);
  EXPECT_EQ(IKmd2_LoadBin(&back, "no_such_kmd.bin", ""), 0);
}

TEST(KeyFile, BinaryCommandFileWithTooManyWordsIsRefused) {
  IKmd2 k = ReadOne(Block("A", "1 65 0 0 0 0", "0", "0", "0\n0", "0 0 0 1"));
  ASSERT_EQ(IKmd2_SaveBin(&k, "kmd_big.bin", kFileBakMove), 1);
  std::string b = ReadAll("kmd_big.bin");
  b[8] = 41;  // one word more than the record holds
  b += std::string(4, '\0');
  WriteAll("kmd_big.bin", b);
  IKmd2 before;
  std::memset(&before, 0x11, sizeof(before));
  IKmd2 target = before;
  EXPECT_EQ(IKmd2_LoadBin(&target, "kmd_big.bin", ""), 0);
  EXPECT_EQ(std::memcmp(&target, &before, sizeof(before)), 0);  // left as it was
  b[8] = (char)0xFF;                                            // negative count
  b[9] = b[10] = b[11] = (char)0xFF;
  WriteAll("kmd_big.bin", b);
  EXPECT_EQ(IKmd2_LoadBin(&target, "kmd_big.bin", ""), 0);
}

TEST(KeyFile, TextFileOfOneValuePerLine) {
  std::string text = "title\n1 active\n1\n0\n0\n0\n0\n0\n81 key1\n0\n0\n";
  for (int w = 11; w <= 35; w++) text += "0\n";
  text += "1735289195 name\n0\n0\n";  // the name words: "king", then zeros
  WriteAll("kmd_text.txt", text);
  IKmd2 k;
  std::memset(&k, 0, sizeof(k));
  EXPECT_EQ(IKmd2_TxtRead(&k, "kmd_text.txt"), 1);
  EXPECT_EQ(k.key1, 81);
  EXPECT_EQ(k.enabled, 1);
  EXPECT_STREQ(k.name, "king");
  EXPECT_EQ(IKmd2_TxtRead(&k, "no_such_kmd.txt"), 0);
  WriteAll("kmd_text_bad.txt", "title\n1\n1\n0\n0\n0\n0\n3\n0\n0\n0\n");  // mode 3, no keys
  std::memset(&k, 0, sizeof(k));
  EXPECT_EQ(IKmd2_TxtRead(&k, "kmd_text_bad.txt"), 0);
  EXPECT_EQ(k.active, 0);
}

// A command file may hold any words; the frames that use them must stay defined. The fuzz target
// of this file found a value at INT_MAX overflowing its cycle step (the committed input); the
// same file with each cycle mode, and as a hold command already held for INT_MAX ms.
TEST(KeyFile, WordsAtTheirLimitsFromABinaryFileStayDefined) {
  const std::string found = ReadAll(SourcePath("tests/fuzz/regressions/kmd_bin/value_at_int_max"));
  ASSERT_EQ(found.size(), 184u);
  auto with = [&found](std::initializer_list<std::pair<int, int>> words) {
    std::string b = found;
    for (auto [w, v] : words)
      for (int i = 0; i < 4; i++) b[12 + 4 * w + i] = (char)((unsigned)v >> (8 * i));
    return b;
  };
  const int kMode = 7, kCycle = 16, kHold = 27;
  struct Case {
    std::string file;
    int framesDown;  // key held, then released for one frame
    int value, pingDir, holdMs;
  } const kCases[] = {
      {found, 1, 1, 0, 0},                                   // wrap: past the top is 1
      {with({{kCycle, 1}}), 1, 2, 0, 0},                     // stop at the top: valueMax
      {with({{kCycle, 2}}), 1, 2, -1, 0},                    // ping-pong: the top, going down
      {with({{kMode, 2}, {kHold, INT32_MAX}}), 2, 1, 0, 0},  // fires on release, then wraps
  };
  FrameClock.KadrStep = 10;
  for (const Case& c : kCases) {
    WriteAll("kmd_limits.bin", c.file);
    IKmd2 k[2];
    std::memset(k, 0, sizeof(k));
    ASSERT_EQ(IKmd2_LoadBin(&k[0], "kmd_limits.bin", ""), 1);
    std::memset(KeyCmds.KeyDownTable, 0, sizeof(KeyCmds.KeyDownTable));
    for (int f = 0; f <= c.framesDown; f++) {
      KeyCmds.KeyDownTable[32] = f < c.framesDown;
      IKmd2_UpdAll(&k[0], &k[1]);
    }
    EXPECT_EQ(k[0].value, c.value);
    EXPECT_EQ(k[0].pingDir, c.pingDir);
    EXPECT_EQ(k[0].holdMs, c.holdMs);
  }
  std::memset(KeyCmds.KeyDownTable, 0, sizeof(KeyCmds.KeyDownTable));
}

}  // namespace
