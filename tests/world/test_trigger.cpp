// Triggers in a scripted scene: one of each action kind, run frame by frame through the update
// pass at 100 ms a frame, each checked before and at the frame its period runs out.
#include "frames_fixture.h"

#include "figures/chains.h"
#include "figures/records.h"
#include "shell/msgbase.h"
#include "world/figure_ops.h"
#include "world/procs.h"

namespace {

class TriggerScene : public FramesTest {
 protected:
  void SetUp() override {
    FramesTest::SetUp();
    o2::GamePause = 0;
    CodeWin.CodeWinReady = 1;  // the play screen has built its code window
    MsgBase_Clear();
    for (const char* t : {"one", "odin", "two", "dva"}) {  // two messages, English and local
      MsgRec r{};
      std::strncpy(r.text, t, sizeof(r.text) - 1);
      Msgs.MsgBase.push_back(r);
    }
  }
  void TearDown() override {
    MsgBase_Clear();
    CodeWin.CodeWinReady = 0;
    CodeWin.CodeWinMsgReq = 0;
    o2::GamePause = 0;
    FramesTest::TearDown();
  }
  // A free timed trigger of side 3 whose period (and each next one) is `period` ms.
  static Fgr* Timed(int runCase, int period = 500) {
    Fgr* t = Make(fgrTriger);
    t->ProcNomUpd2 = 4;
    t->baner = 3;
    t->trigRunCase = runCase;
    t->waitNow = t->waitFull = t->ueWaitFull = period;
    return t;
  }
  static Fgr* Sleeping() {
    Fgr* f = Make(fgrDekor);
    f->active = 0;
    return f;
  }
  static int Tech(int side, int n) { return Side_Tech(side - 1, n)->w[0]; }
  static void Frame() { Fgrs_ProcAll(&Fgrs); }
};

TEST_F(TriggerScene, EachActionKindFiresWhenItsPeriodRunsOut) {
  // Attached to a parent of its own side: one signal after its wait, then disarmed.
  Fgr* parent = Unit(3, 100, 100);
  parent->Sub_UseDet_max = 5;
  Fgr* attached = Timed(0);
  ASSERT_EQ(Fgr_Sub_AddUseDet(parent, attached, 1), 1);
  attached->parentSig = 9;
  // Attached to a parent of another side: disarmed at once, no signal.
  Fgr* foreignParent = Unit(4, 200, 100);
  foreignParent->Sub_UseDet_max = 5;
  Fgr* refused = Timed(0);
  ASSERT_EQ(Fgr_Sub_AddUseDet(foreignParent, refused, 1), 1);
  refused->parentSig = 9;
  // Technologies of its side; slots (a figure woken, a trigger's dam lowered).
  Fgr* techs = Timed(0);
  techs->activateExt = 7;
  techs->Marsh1 = 8;
  Fgr* woken = Sleeping();
  Fgr* dammed = Timed(0, 100000);
  dammed->trigDamba = 2;
  Fgr* slots = Timed(0);
  slots->activateFgr = woken->nom;
  slots->Marsh1 = dammed->nom;
  // A message of the base, and one past its end.
  Fgr* message = Timed(4);
  message->Marsh1 = 2;
  Fgr* missing = Timed(4, 700);
  missing->Marsh1 = 3;
  // A heal of a unit's first used hit points, and a hurt that stops at 0.
  Fgr* patient = Unit(2, 300, 300);
  patient->useCaptHP = 1;
  patient->useTehnHP = 1;
  ASSERT_EQ(BoeCnt_Set(&patient->UN->cnt, 3, 50, 100, 0, 0), 1);
  ASSERT_EQ(BoeCnt_Set(&patient->UN->cnt, 5, 40, 100, 0, 0), 1);
  Fgr* heal = Timed(5);
  heal->activateFgr = patient->nom;
  heal->activateExt = 30;
  Fgr* hurt = Timed(5, 900);
  hurt->activateFgr = patient->nom;
  hurt->activateExt = -500;
  Fgr* healNothing = Timed(5);  // a slot that holds no unit
  healNothing->activateFgr = woken->nom;
  // A combination: a foot unit with its gun.
  Fgr* kombi = Timed(6);
  kombi->activateFgr = -3;
  // Touched: wakes its slot while something touches it.
  Fgr* sensed = Timed(0);
  sensed->trigSensCase = 1;
  Fgr* sensedSlot = Sleeping();
  sensed->activateFgr = sensedSlot->nom;

  auto soldiers = [] {
    int n = 0;
    for (const Fgr& f : Fgrs.mf) n += f.Status() == fgrUnitPeh && f.baner == 0;
    return n;
  };
  for (int frame = 1; frame <= 4; frame++) {
    Frame();
    EXPECT_EQ(soldiers(), 0) << frame;
    EXPECT_EQ(parent->fromPultSig, 0) << frame;
    EXPECT_EQ(attached->active, 1) << frame;
    EXPECT_EQ(Tech(3, 7), 0) << frame;
    EXPECT_EQ(woken->active, 0) << frame;
    EXPECT_EQ(CodeWin.CodeWinMsgReq, 0) << frame;
    EXPECT_EQ(BoeCnt_Get(&patient->UN->cnt, 3), 50) << frame;
    EXPECT_EQ(sensedSlot->active, 0) << frame;
  }
  EXPECT_EQ(refused->active, 0);  // disarmed in the first frame
  EXPECT_EQ(refused->waitFull, 0);
  EXPECT_EQ(foreignParent->fromPultSig, 0);

  sensed->P_TrigFrom = patient;
  Frame();  // 500 ms
  EXPECT_EQ(sensedSlot->active, 1);
  EXPECT_EQ(parent->fromPultSig, 9);
  EXPECT_EQ(attached->active, 0);
  EXPECT_EQ(attached->parentSig, 0);
  EXPECT_EQ(Tech(3, 7), 3);
  EXPECT_EQ(Tech(3, 8), 3);
  EXPECT_EQ(Tech(3, 9), 0);
  EXPECT_EQ(Tech(2, 7), 0);  // only the trigger's own side
  EXPECT_EQ(woken->active, 1);
  EXPECT_EQ(dammed->trigDamba, 1);
  EXPECT_EQ(CodeWin.CodeWinMsgReq, 2);  // the message asked of the frame, and the game paused
  EXPECT_EQ(o2::GamePause, 1);
  EXPECT_EQ(BoeCnt_Get(&patient->UN->cnt, 3), 80);  // CaptHP is the first one used
  EXPECT_EQ(BoeCnt_Get(&patient->UN->cnt, 5), 40);
  EXPECT_EQ(heal->waitNow, 500);  // the next period
  EXPECT_EQ(soldiers(), 1);       // built for no side, where its kombi leaves it

  o2::GamePause = 0;  // the window's click (tests/frames)
  Frame();
  Frame();  // 700 ms: the message past the base's end shows nothing
  EXPECT_EQ(o2::GamePause, 0);
  EXPECT_EQ(CodeWin.CodeWinMsgReq, 2);  // still the first: the missing one asks nothing
  Frame();
  Frame();  // 900 ms
  EXPECT_EQ(BoeCnt_Get(&patient->UN->cnt, 3), 0);
  EXPECT_EQ(patient->status, fgrUnitPeh);
}

TEST_F(TriggerScene, RunCountsAndDamsDecideHowOftenATriggerRuns) {
  Fgr* three = Timed(0, 200);
  three->trigRunKlv = 3;
  Fgr* forever = Timed(0, 200);
  Fgr* blocked = Timed(0, 200);
  blocked->trigDamba = 1;
  Fgr* counted = Make(fgrTriger);  // each run lowers this trigger's dam once
  counted->trigDamba = 100;
  three->activateFgr = forever->activateFgr = counted->nom;
  Fgr* blockedSlot = Sleeping();
  blocked->activateFgr = blockedSlot->nom;

  for (int frame = 1; frame <= 10; frame++) Frame();  // runs at 200, 400, ... 1000 ms
  EXPECT_EQ(three->status, 0);                        // reset after its third run
  EXPECT_EQ(counted->trigDamba, 100 - 3 - 5);
  EXPECT_EQ(forever->status, fgrTriger);
  EXPECT_EQ(blockedSlot->active, 0);

  blocked->trigDamba = 0;  // lowered: the waiting period runs from here
  Frame();
  EXPECT_EQ(blockedSlot->active, 0);
  Frame();
  EXPECT_EQ(blockedSlot->active, 1);
}

}  // namespace
