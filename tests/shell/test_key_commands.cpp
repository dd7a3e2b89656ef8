// Key commands driven by a synthetic key table and a hand-stepped frame clock.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "shell/clock.h"
#include "shell/frame_clock.h"
#include "shell/key_commands.h"

namespace {

class KeyCmd : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(KeyCmds.KeyDownTable, 0, sizeof(KeyCmds.KeyDownTable));
    std::memset(KeyCmds.KeyUsedTable, 0, sizeof(KeyCmds.KeyUsedTable));
    Clock_SetManual(true, 5000);
    FrameClock.FramePauseFlag = nullptr;
    FrameTimer_Tick();
    KeyCmds.MouseX = KeyCmds.MouseY = 0;
  }
  void TearDown() override { Clock_SetManual(false); }
  // One frame of `ms` milliseconds on the manual clock, then the command is updated.
  int Frame(IKmd2* k, int ms = 10) {
    Clock_Advance(ms);
    FrameTimer_Tick();
    IKmd2_Upd(k);
    return k->fired;
  }
  // A plain enabled command on one key.
  IKmd2 Plain(int vk, int mode = 0) {
    IKmd2 k;
    EXPECT_EQ(IKmd2_Set(&k, 1, vk, 0, 0, 0, 0, "cmd"), 1);
    k.mode = mode;
    k.enabled = 1;
    return k;
  }
};

TEST_F(KeyCmd, PlainPressFiresEveryHeldFrameAndBlockLimitsIt) {
  IKmd2 k = Plain('A');
  EXPECT_EQ(Frame(&k), 0);
  KeyCmds.KeyDownTable['A'] = 1;
  for (int i = 0; i < 5; i++) EXPECT_EQ(Frame(&k), 1);

  k.blockMs = 200;
  int fired = 0;
  for (int i = 0; i < 100; i++) fired += Frame(&k, 10);  // one second of frame steps
  EXPECT_EQ(fired, 5);                                   // at most once per 200 ms

  KeyCmds.KeyDownTable['A'] = 0;
  k.blockMs = 0;
  k.blockLeft = 0;
  EXPECT_EQ(Frame(&k), 0);
}

TEST_F(KeyCmd, SetCutsTheNameAndValidationRefusesBadDefinitions) {
  IKmd2 k;
  IKmd2_Set(&k, 1, 65, 0, 0, 0, 0, "FifteenLetters!");
  EXPECT_STREQ(k.name, "FifteenLett");
  EXPECT_EQ(k.name[11], 0);

  EXPECT_EQ(IKmd2_Set(&k, 0, 65, 0, 0, 0, 0, "x"), 0);
  EXPECT_EQ(k.active, 0);
  EXPECT_EQ(k.key1, 0);  // the record stays zero

  // Keys out of the table become 0; with no key left the command is refused.
  EXPECT_EQ(IKmd2_Set(&k, 1, -5, 300, 0, 0, 0, "bad"), 0);
  EXPECT_EQ(k.key1, 0);
  EXPECT_EQ(k.key2, 0);
  EXPECT_EQ(k.error, 1);

  // A modifier command with only its modifier: error 3, never fires.
  IKmd2_Set(&k, 1, 17, 0, 0, 0, 0, "combo");
  k.mode = 3;
  k.enabled = 1;
  k.error = 0;
  IKmd2_Check(&k);
  EXPECT_EQ(k.error, 3);
  EXPECT_EQ(k.enabled, 0);
  KeyCmds.KeyDownTable[17] = 1;
  EXPECT_EQ(Frame(&k), 0);

  k.mode = 4;
  k.key1 = 0;
  k.key2 = 0;
  k.key3 = 65;
  k.active = 1;
  IKmd2_Check(&k);
  EXPECT_EQ(k.error, 4);
  k.key1 = 16;
  k.key3 = 0;
  IKmd2_Check(&k);
  EXPECT_EQ(k.error, 5);
}

TEST_F(KeyCmd, SetCycleAcceptsOnlyAValueInsideItsRange) {
  IKmd2 k = Plain('A');
  EXPECT_EQ(IKmd2_SetCycle(&k, 2, 3, 7, -5, -1), 1);
  EXPECT_EQ(k.cycleMode, 0);
  EXPECT_EQ(k.repeatMs, 0);
  EXPECT_EQ(k.repeatMax, 0);
  EXPECT_EQ(IKmd2_SetCycle(&k, 4, 3, 0, 0, 0), 0);
  EXPECT_EQ(k.active, 0);
  k = Plain('A');
  EXPECT_EQ(IKmd2_SetCycle(&k, 1, 1, 0, 0, 0), 0);
}

TEST_F(KeyCmd, SlotArbitrationKeepsTheEarlierOnATieAndTheHigherPriorityOtherwise) {
  IKmd2 block[3];
  block[0] = Plain('A');
  block[1] = Plain('A');
  std::memset(&block[2], 0, sizeof(IKmd2));
  block[0].slot = block[1].slot = 7;
  block[0].priority = block[1].priority = 5;
  KeyCmds.KeyDownTable['A'] = 1;
  IKmd2_UpdAll(&block[0], &block[2]);
  EXPECT_EQ(block[0].fired, 1);
  EXPECT_EQ(block[1].fired, 0);
  EXPECT_EQ(KeyCmds.KmdSlotWinner[7], &block[0]);

  block[1].priority = 6;
  IKmd2_UpdAll(&block[0], &block[2]);
  EXPECT_EQ(block[0].fired, 0);
  EXPECT_EQ(block[1].fired, 1);

  // Outside 1..199 no arbitration: both fire.
  block[0].slot = block[1].slot = 200;
  IKmd2_UpdAll(&block[0], &block[2]);
  EXPECT_EQ(block[0].fired, 1);
  EXPECT_EQ(block[1].fired, 1);
}

TEST_F(KeyCmd, UpdAllWithNullDoesNothingAndStopsAfter201Records) {
  std::vector<IKmd2> many(210);
  for (IKmd2& k : many) {
    std::memset(&k, 0, sizeof(k));
    k.fired = 7;
  }
  IKmd2_UpdAll(nullptr, &many[1]);
  IKmd2_UpdAll(&many[0], nullptr);
  EXPECT_EQ(many[0].fired, 7);

  IKmd2 elsewhere;
  std::memset(&elsewhere, 0, sizeof(elsewhere));
  IKmd2_UpdAll(&many[0], &elsewhere);
  EXPECT_EQ(many[200].fired, 0);
  EXPECT_EQ(many[201].fired, 7);
}

TEST_F(KeyCmd, DoublePressSinglePressAndNoSingle) {
  IKmd2 k = Plain('A', 1);
  k.value = 1;
  k.valueMax = 2;
  k.dblWindow = 300;

  // press, release, press within the window: 2 at once.
  KeyCmds.KeyDownTable['A'] = 1;
  EXPECT_EQ(Frame(&k, 20), 0);
  KeyCmds.KeyDownTable['A'] = 0;
  EXPECT_EQ(Frame(&k, 20), 0);
  KeyCmds.KeyDownTable['A'] = 1;
  EXPECT_EQ(Frame(&k, 20), 2);
  KeyCmds.KeyDownTable['A'] = 0;
  Frame(&k, 20);

  // one press: 1 once the window has run out.
  KeyCmds.KeyDownTable['A'] = 1;
  Frame(&k, 20);
  KeyCmds.KeyDownTable['A'] = 0;
  int total = 0, when = -1;
  for (int i = 0; i < 20; i++) {
    int f = Frame(&k, 20);
    if (f) {
      total++;
      when = i;
      EXPECT_EQ(f, 1);
    }
  }
  EXPECT_EQ(total, 1);
  EXPECT_EQ(when, 14);  // 15 frames of 20 ms = 300 ms

  // with noSingle the lone press gives nothing.
  k.noSingle = 1;
  KeyCmds.KeyDownTable['A'] = 1;
  Frame(&k, 20);
  KeyCmds.KeyDownTable['A'] = 0;
  for (int i = 0; i < 20; i++) EXPECT_EQ(Frame(&k, 20), 0);
}

TEST_F(KeyCmd, HeldKeyCountsOnePressAndTriplePressFiresThree) {
  IKmd2 k = Plain('A', 1);
  k.value = 1;
  k.dblWindow = 300;
  KeyCmds.KeyDownTable['A'] = 1;
  int doubles = 0;
  for (int i = 0; i < 30; i++) doubles += Frame(&k, 20) == 2;
  EXPECT_EQ(doubles, 0);  // held without release: one press only

  k = Plain('A', 1);
  k.value = 1;
  k.dblWindow = 300;
  k.tripleWindow = 300;
  for (int press = 0; press < 3; press++) {
    KeyCmds.KeyDownTable['A'] = 1;
    int f = Frame(&k, 20);
    EXPECT_EQ(f, press == 2 ? 3 : 0);
    KeyCmds.KeyDownTable['A'] = 0;
    Frame(&k, 20);
  }
  // a double press with a triple window reports 2 once the third window has run out
  KeyCmds.KeyDownTable['A'] = 1;
  Frame(&k, 20);
  KeyCmds.KeyDownTable['A'] = 0;
  Frame(&k, 20);
  KeyCmds.KeyDownTable['A'] = 1;
  EXPECT_EQ(Frame(&k, 20), 0);
  KeyCmds.KeyDownTable['A'] = 0;
  int last = 0;
  for (int i = 0; i < 20 && !last; i++) last = Frame(&k, 20);
  EXPECT_EQ(last, 2);
}

TEST_F(KeyCmd, HoldAndReleaseFiresOnTheReleaseOnly) {
  IKmd2 k = Plain('A', 2);
  KeyCmds.KeyDownTable['A'] = 1;
  for (int i = 0; i < 5; i++) EXPECT_EQ(Frame(&k), 0);
  EXPECT_EQ(k.holdMs, 1 + 4 * 10);
  KeyCmds.KeyDownTable['A'] = 0;
  EXPECT_EQ(Frame(&k), 1);
  EXPECT_EQ(k.holdMs, 0);
  EXPECT_EQ(Frame(&k), 0);

  // An exclusive command whose held key another command took meanwhile is refused: its release
  // fires nothing and keeps the time held.
  IKmd2 x = Plain('B', 2);
  x.exclusive = 1;
  KeyCmds.KeyDownTable['B'] = 1;
  EXPECT_EQ(Frame(&x), 0);
  KeyUsed_Set('B');
  KeyCmds.KeyDownTable['B'] = 0;
  EXPECT_EQ(Frame(&x), 0);
  EXPECT_EQ(x.holdMs, 1);

  // with a repeat delay the single fired frame opens a repeat run and is swallowed
  IKmd2 r = Plain('A', 2);
  IKmd2_SetCycle(&r, 1, 2, 0, 100, 0);
  for (int round = 0; round < 3; round++) {
    KeyCmds.KeyDownTable['A'] = 1;
    for (int i = 0; i < 5; i++) EXPECT_EQ(Frame(&r), 0);
    KeyCmds.KeyDownTable['A'] = 0;
    EXPECT_EQ(Frame(&r), 0);
  }
}

TEST_F(KeyCmd, RepeatFiresFirstThenAfterTheDelayUpToItsLimit) {
  IKmd2 k = Plain('A');
  IKmd2_SetCycle(&k, 1, 2, 0, 100, 3);
  KeyCmds.KeyDownTable['A'] = 1;
  std::vector<int> seen;
  for (int i = 0; i < 20; i++) seen.push_back(Frame(&k, 20));
  // first frame, silence for 100 ms, then three repeats, then nothing
  std::vector<int> want = {1, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(seen, want);
  KeyCmds.KeyDownTable['A'] = 0;
  EXPECT_EQ(Frame(&k, 20), 0);
  EXPECT_EQ(k.repeatStart, 0);
  KeyCmds.KeyDownTable['A'] = 1;
  EXPECT_EQ(Frame(&k, 20), 1);  // a new run

  EXPECT_EQ(IKmd2_RepeatElapsed(&k, 0), 0);  // no time since the start
  EXPECT_EQ(k.repeatStart, 0);
  k.repeatStart = (int)FrameClock.MsClock - 250;
  EXPECT_EQ(IKmd2_RepeatElapsed(&k, 0), 250);
  EXPECT_EQ(IKmd2_RepeatElapsed(&k, 1), 100);
  EXPECT_DOUBLE_EQ(IKmd2_RepeatFrac(&k, 1), 1.0);
  k.repeatMs = 0;
  EXPECT_DOUBLE_EQ(IKmd2_RepeatFrac(&k, 0), 0.0);
}

TEST_F(KeyCmd, CycleModesWrapStopAndPingPong) {
  auto run = [this](int mode, int max, int n) {
    IKmd2 k = Plain('A');
    IKmd2_SetCycle(&k, 1, max, mode, 0, 0);
    k.blockMs = 0;
    std::vector<int> v;
    for (int i = 0; i < n; i++) {
      KeyCmds.KeyDownTable['A'] = 1;
      Frame(&k);
      v.push_back(k.value);
      KeyCmds.KeyDownTable['A'] = 0;
      Frame(&k);
    }
    return v;
  };
  EXPECT_EQ(run(0, 4, 5), (std::vector<int>{2, 3, 4, 1, 2}));
  EXPECT_EQ(run(1, 3, 4), (std::vector<int>{2, 3, 3, 3}));
  EXPECT_EQ(run(2, 3, 8), (std::vector<int>{2, 3, 3, 2, 1, 1, 2, 3}));
}

TEST_F(KeyCmd, ModifierCombinationsMarkTheModifierForTheRun) {
  IKmd2 combo = Plain(17, 3);
  combo.key3 = 'C';
  IKmd2 excl = Plain(17);
  excl.exclusive = 1;

  KeyCmds.KeyDownTable[17] = 1;
  EXPECT_EQ(Frame(&excl), 1);   // not marked yet
  EXPECT_EQ(Frame(&combo), 0);  // the modifier alone
  EXPECT_EQ(KeyUsed_Test(17), 1);
  KeyCmds.KeyDownTable['C'] = 1;
  EXPECT_EQ(Frame(&combo), 1);
  KeyCmds.KeyDownTable['C'] = 0;
  EXPECT_EQ(Frame(&excl), 0);  // never again in this run
  KeyCmds.KeyDownTable[17] = 0;
  KeyCmds.KeyDownTable[17] = 1;
  EXPECT_EQ(Frame(&excl), 0);

  // Either of two modifiers with a key.
  IKmd2 four = Plain(16, 4);
  four.key2 = 18;
  four.key3 = 'X';
  KeyCmds.KeyDownTable[17] = 0;
  KeyCmds.KeyDownTable['X'] = 1;
  EXPECT_EQ(Frame(&four), 0);
  KeyCmds.KeyDownTable[18] = 1;
  EXPECT_EQ(Frame(&four), 1);
  EXPECT_EQ(KeyUsed_Test(18), 1);
  KeyCmds.KeyDownTable[18] = 0;
  KeyCmds.KeyDownTable[16] = 1;
  EXPECT_EQ(Frame(&four), 1);

  // One modifier with either of two keys: the modifier and one key fire, the two keys alone do
  // not (either of two modifiers with one key answers the first two rows the other way).
  IKmd2 two = Plain(17, kKmdModifierKey);
  two.key2 = 'V';
  two.key3 = 'C';
  struct Row {
    int down1, down2, fired;
  } rows[] = {{17, 'V', 1}, {'V', 'C', 0}, {17, 'C', 1}, {17, 0, 0}};
  for (const Row& r : rows) {
    std::memset(KeyCmds.KeyDownTable, 0, sizeof(KeyCmds.KeyDownTable));
    KeyCmds.KeyDownTable[r.down1] = 1;
    if (r.down2) KeyCmds.KeyDownTable[r.down2] = 1;
    EXPECT_EQ(Frame(&two), r.fired) << r.down1 << " with " << r.down2;
  }
}

TEST_F(KeyCmd, FiringCopiesTheMouseAndRebindingClampsTheKey) {
  IKmd2 k = Plain('A');
  KeyCmds.MouseX = 123;
  KeyCmds.MouseY = 45;
  KeyCmds.KeyDownTable['A'] = 1;
  Frame(&k);
  EXPECT_EQ(k.mouseX1, 123);
  EXPECT_EQ(k.mouseY1, 45);

  k.Set_KeyVers2(300);
  EXPECT_EQ(k.key2, 0);
  k.Set_KeyVers2(-1);
  EXPECT_EQ(k.key2, 0);
  k.Set_KeyVers2('B');
  EXPECT_EQ(k.key2, 'B');
  KeyCmds.KeyDownTable['A'] = 0;
  KeyCmds.KeyDownTable['B'] = 1;
  EXPECT_EQ(Frame(&k), 1);
}

TEST_F(KeyCmd, InactiveCommandsStillCountTheirBlockDown) {
  IKmd2 k = Plain('A');
  k.active = 0;
  k.blockLeft = 35;
  KeyCmds.KeyDownTable['A'] = 1;
  EXPECT_EQ(Frame(&k, 10), 0);
  EXPECT_EQ(k.blockLeft, 25);
  Frame(&k, 30);
  EXPECT_EQ(k.blockLeft, 0);
}

}  // namespace
