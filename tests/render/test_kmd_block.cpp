// The block of key commands of this build: the shipped definitions, a missing file, and the
// re-binding steps.
#include <gtest/gtest.h>

#include <string>

#include "render/kmd_block.h"
#include "shell/key_commands.h"

namespace {

TEST(KmdBlock, ShippedFileLoadsEveryCommand) {
  std::string keep = KeyCmds.gsFileSig;
  KeyCmds.gsFileSig = std::string(TOLV_SOURCE_DIR) + "/uni_files/res/sig.txt";
  Kmd_ResetAll();
  ASSERT_EQ(Kmd_Load(), 1);
  KeyCmds.gsFileSig = keep;
  const char* names[] = {"Esc",   "Klik",  "RKlik", "Left",  "Rit",   "Up",    "Dn",
                         "PgUp",  "PgDn",  "Home",  "End",   "Del",   "Space", "Kmd14",
                         "Kmd15", "Kmd16", "Kmd17", "Kmd18", "Kmd19", "Kmd20", "Kmd21"};
  ASSERT_EQ(Kmd_Count(), 21);
  for (int n = 0; n < 21; n++) {
    IKmd2* k = KmdByNum(n);
    EXPECT_STREQ(k->name, names[n]);
    EXPECT_EQ(k->active, 1) << names[n];
    EXPECT_EQ(k->enabled, 1) << names[n];
    EXPECT_EQ(k->error, 0) << names[n];
    EXPECT_EQ(k->key2, 0) << names[n];  // left free for the re-binding
  }
  EXPECT_EQ(Kmd_Last()->active, 0);
  EXPECT_EQ(KmdByNum(KMD_ESC)->key1, 27);
  EXPECT_EQ(KmdByNum(KMD_SPACE)->key1, 32);
  EXPECT_EQ(KmdByNum(13)->mode, 3);
  EXPECT_EQ(KmdByNum(22), nullptr);
  Kmd_ResetAll();
}

TEST(KmdBlock, MissingFileLoadsNothing) {
  std::string keep = KeyCmds.gsFileSig;
  KeyCmds.gsFileSig = "no_such_sig.txt";
  Kmd_ResetAll();
  EXPECT_EQ(Kmd_Load(), 0);
  KeyCmds.gsFileSig = keep;
  for (int n = 0; n < Kmd_Count(); n++) EXPECT_EQ(KmdByNum(n)->active, 0);
}

TEST(KmdBlock, RebindingStepsStopAtTheCommandCount) {
  Kmd_ResetAll();
  anSetKeysMode = 1;
  int stored = 0;
  for (int i = 0; i < 40; i++) stored += anSetKeysModeOnKeyUp(100 + i);
  EXPECT_EQ(stored, Kmd_RebindSteps());
  EXPECT_EQ(anSetKeysModeOnKeyDn(), 0);  // past the last step
  EXPECT_STREQ(anSetKeysModeStr(), "x");
  anSetKeysModeOn();  // finishes: every command takes its key
  EXPECT_EQ(anSetKeysMode, 0);
  EXPECT_EQ(KmdByNum(0)->key2, 100);
  EXPECT_EQ(KmdByNum(20)->key2, 120);
  EXPECT_EQ(Kmd_Last()->key2, 0);
  Kmd_ResetAll();
}

}  // namespace
