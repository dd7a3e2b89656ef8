// The expected header of the small resource files, compiled and run with stand-ins for what it
// calls: the loader fills the n-th command from the n-th section, and the re-binding mode collects
// one key per command and hands them out at the end. (This file is read as Windows-1251: ASCII only.)
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "shell/text.h"
#include "test_files.h"

namespace rsmall {

// Just enough of a key command to see what the generated code does with it.
struct IKmd2 {
  std::string name;
  int key2 = 0;
  void Set_KeyVers2(int vk) { key2 = vk; }
};

// Reads the block's name line; a failed stream is marked at its end so the skip macro stops.
int IKmd2_InitFromTxtStream(IKmd2& k, std::ifstream& in) {
  if (!std::getline(in, k.name)) in.setstate(std::ios::eofbit);
  k.name = TextTrimS(k.name);
  return 1;
}

std::string sig1_LoadFileName;
namespace o2 {
int EngText = 0;
}
int g_wnd_w = 800, g_wnd_h = 600;
int clears = 0;

struct Printer {
  std::string text;
  int y = 0;
  void frz(const std::string& s, int font, int x, int yy, int l, int b, int r, int t) {
    text = s;
    y = yy;
  }
} print1;

#define glClear(mask) (++clears)
#define glColor3f(r, g, b) ((void)0)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wwrite-strings"
#include "generators/res_small_golden.h"
#pragma GCC diagnostic pop
#undef glClear
#undef glColor3f

}  // namespace rsmall

using namespace rsmall;

namespace {

std::string Fixture(const char* name) { return SourcePath(std::string("tests/generators/") + name); }

void ResetRebinding() {
  anSetKeysMode = 0;
  for (int& k : anSetKeys1_4) k = 0;
  kmdSbor = inerProjKmd();
}

}  // namespace

TEST(ResCompiled, Constants) {
  EXPECT_EQ(texFont0, 3);
  EXPECT_EQ(texLand, 2);
  EXPECT_EQ(texLast, 2);
  EXPECT_EQ(smpLast, 0);
  EXPECT_EQ(mbHello, 1);
  EXPECT_EQ(mbBye, 2);
  EXPECT_EQ(mbLast, 2);
  EXPECT_EQ(anSetKeys1_4Klv, 3);
  EXPECT_EQ(sizeof(anSetKeys1_4) / sizeof(anSetKeys1_4[0]), 4u);
}

TEST(ResCompiled, LoaderFillsEachCommandFromItsSection) {
  ResetRebinding();
  sig1_LoadFileName = Fixture("res_small/no_such_file.txt");
  EXPECT_EQ(kmdSbor._Load(), 0);
  sig1_LoadFileName = Fixture("res_small/sig.txt");
  EXPECT_EQ(kmdSbor._Load(), 1);
  EXPECT_EQ(kmdSbor.Esc.name, "Esc");
  EXPECT_EQ(kmdSbor.Klik.name, "Klik");
  EXPECT_EQ(kmdSbor.Space.name, "Space");
  EXPECT_EQ(kmdSbor.Last.name, "");  // never loaded
}

TEST(ResCompiled, LoaderStopsOnAShortFile) {
  ResetRebinding();
  WriteAll("res_short_sig.txt", "commands\n//== 1\nEsc\n");
  sig1_LoadFileName = "res_short_sig.txt";
  EXPECT_EQ(kmdSbor._Load(), 1);  // a hang here is the fault
  EXPECT_EQ(kmdSbor.Esc.name, "Esc");
  EXPECT_EQ(kmdSbor.Klik.name, "");
  EXPECT_EQ(kmdSbor.Space.name, "");
}

TEST(ResCompiled, RebindingModeOff) {
  ResetRebinding();
  clears = 0;
  EXPECT_EQ(anSetKeysModeOn(), 0);
  EXPECT_EQ(anSetKeysModeOnKeyDn(), 0);
  EXPECT_EQ(anSetKeysModeOnKeyUp(65), 0);
  EXPECT_STREQ(anSetKeysModeStr(), "x");
  EXPECT_EQ(clears, 0);
  EXPECT_EQ(anSetKeys1_4[0], 0);
}

TEST(ResCompiled, RebindingCollectsOneKeyPerCommand) {
  ResetRebinding();
  clears = 0;
  o2::EngText = 1;
  anSetKeysMode = 1;
  EXPECT_EQ(anSetKeysModeOnKeyDn(), 1);
  EXPECT_STREQ(anSetKeysModeStr(), "Esc");
  EXPECT_EQ(anSetKeysModeOn(), 1);
  EXPECT_EQ(print1.text, "Step 1/3 ( Esc ).  press Key ");
  EXPECT_EQ(print1.y, 300);
  EXPECT_EQ(anSetKeysModeOnKeyUp(65), 1);
  EXPECT_EQ(anSetKeysMode, 2);
  o2::EngText = 0;
  EXPECT_EQ(anSetKeysModeOn(), 1);
  EXPECT_EQ(print1.text, "\xD8\xE0\xE3  2/3 ( Klik ).  \xE6\xEC\xE8 \xEA\xED\xEE\xEF\xEA\xF3");
  EXPECT_EQ(anSetKeysModeOnKeyUp(66), 1);
  EXPECT_EQ(anSetKeysModeOnKeyUp(67), 1);
  EXPECT_EQ(anSetKeysMode, 4);
  EXPECT_EQ(anSetKeysModeOnKeyDn(), 0);  // past the last command: keys are no longer taken
  EXPECT_EQ(anSetKeysModeOnKeyUp(68), 0);
  EXPECT_EQ(kmdSbor.Esc.key2, 0);  // nothing handed out before the finishing frame
  EXPECT_EQ(anSetKeysModeOn(), 1);
  EXPECT_EQ(anSetKeysMode, 0);
  EXPECT_EQ(kmdSbor.Esc.key2, 65);
  EXPECT_EQ(kmdSbor.Klik.key2, 66);
  EXPECT_EQ(kmdSbor.Space.key2, 67);
  EXPECT_EQ(kmdSbor.Last.key2, 0);
  EXPECT_EQ(clears, 3);
}

TEST(ResCompiled, RebindingAbortedByAddingThousand) {
  ResetRebinding();
  anSetKeysMode = 1;
  anSetKeysModeOnKeyUp(70);
  anSetKeysMode += 1000;
  EXPECT_EQ(anSetKeysModeOnKeyUp(71), 0);
  EXPECT_EQ(anSetKeysModeOn(), 1);
  EXPECT_EQ(anSetKeysMode, 0);
  EXPECT_EQ(kmdSbor.Esc.key2, 70);
  EXPECT_EQ(kmdSbor.Klik.key2, 0);  // the steps not reached hand out what their cells hold
}
