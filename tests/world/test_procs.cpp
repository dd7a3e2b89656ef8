// Procedures by number: the numbering of the switch, empty numbers, the update pass and the panel
// signal of a unit to its buttons.
#include "frames_fixture.h"

#include "figures/chains.h"
#include "world/procs.h"

namespace {

using Procs = FramesTest;

// The procedure numbers as the game's table gives them: every number 1..58 and its procedure.
struct ProcRow {
  int no;
  int named;  // the switch's constant for that procedure
};
// clang-format off
constexpr ProcRow kProcTable[] = {
    {1, r_Proc_FadeTimer},       {2, r_Proc_SpriteTimer},    {3, r_Laser_DrawBeam},
    {4, r_Triger_Upd},           {5, r_Proc_DrawOwnSprite},  {6, r_Proc_TrigerRender},
    {7, r_AnPultFlag__Upd},      {8, r_Proc_FlagQueue},      {9, r_Proc_FlagRender},
    {10, r_Empty_10},            {11, r_Proc_PlaceAtCursor}, {12, r_Empty_12},
    {13, r_Empty_13},            {14, r_LandOverview_Build}, {15, r_Empty_15},
    {16, r_Empty_16},            {17, r_Empty_17},           {18, r_Land_DrawProjected},
    {19, r_Proc_SpinRot},        {20, r_Proc_DrawTex1},      {21, r_Proc_DrawGroundMark},
    {22, r_Proc_Bunker},         {23, r_Proc_UnitStand},     {24, r_Proc_SquadHolder},
    {25, r_Proc_Unit},           {26, r_Proc_MarkSelected},  {27, r_Proc_DrawUnitOverlay},
    {28, r_Proc_DrawTex1C},      {29, r_Proc_DrawBillboard2}, {30, r_Proc_SpawnerWave},
    {31, r_Proc_SpawnerQueue},   {32, r_Proc_SpawnerRender}, {33, r_Fgr_TickWait},
    {34, r_Proc_KnoButton},      {35, r_Empty_35},           {36, r_Proc_KnoProduce},
    {37, r_Proc_BuildStep},      {38, r_Empty_38},           {39, r_Empty_39},
    {40, r_Empty_40},            {41, r_Empty_41},           {42, r_Empty_42},
    {43, r_Empty_43},            {44, r_Empty_44},           {45, r_Empty_45},
    {46, r_Empty_46},            {47, r_Proc_RangStep},      {48, r_Empty_48},
    {49, r_Empty_49},            {50, r_Empty_50},           {51, r_Empty_51},
    {52, r_Empty_52},            {53, r_AnPultFlag_FromParent}, {54, r_Proc_DrawTex1B},
    {55, r_Proc_DrawBillboard},  {56, r_Proc_KnoButton2},    {57, r_Empty_57},
    {58, r_Fgr_KillOnWaitEnd},
};
// clang-format on

TEST_F(Procs, EveryNumberNamesItsProcedureAndEmptyOrUnknownNumbersDoNothing) {
  ASSERT_EQ(std::size(kProcTable), 58u);
  for (const ProcRow& r : kProcTable) EXPECT_EQ(r.named, r.no) << "procedure number " << r.no;
  EXPECT_EQ(ProcFgr_Last, 58);

  // A figure with every word set: a number without a procedure leaves it and the container as
  // they were, byte for byte.
  Fgr* f = Make(fgrTriger);
  ASSERT_NE(f, nullptr);
  f->waitNow = 100;
  f->trigRunKlv = 2;
  f->fromPultSig = 3;
  f->isMort = 7;
  std::vector<char> before(reinterpret_cast<char*>(Fgrs.mf),
                           reinterpret_cast<char*>(Fgrs.mf + kFgrsSlots));
  for (int n : {0,  10, 12, 13, 15, 16, 17, 35, 38, 39, 40,  41, 42,  43,     44,
                45, 46, 48, 49, 50, 51, 52, 57, 59, 60, 100, -1, -58, 1 << 30}) {
    ProcFgr(n, f);
    ProcFgr(n, nullptr);
    EXPECT_EQ(std::memcmp(before.data(), Fgrs.mf, before.size()), 0) << "number " << n;
  }
}

TEST_F(Procs, TheUpdatePassRunsActiveFiguresInSlotOrderAndNothingWhilePausedOrEditing) {
  // Each trigger activates the next one's target; only a pass in rising slot order sees the chain
  // through in one frame.
  Fgr* a = Make(fgrTriger);
  Fgr* b = Make(fgrTriger);
  Fgr* c = Make(fgrDekor);
  ASSERT_LT(a->nom, b->nom);
  a->ProcNomUpd2 = b->ProcNomUpd2 = 4;
  a->activateFgr = b->nom;
  b->activateFgr = c->nom;
  a->waitNow = b->waitNow = 0;
  a->ueWaitFull = b->ueWaitFull = 1000;
  b->active = 0;
  c->active = 0;

  o2::GamePause = 1;
  Fgrs_ProcAll(&Fgrs);
  EXPECT_EQ(b->active, 0);
  o2::GamePause = 0;
  EditModeOn = 1;
  Fgrs_ProcAll(&Fgrs);
  EXPECT_EQ(b->active, 0);
  EditModeOn = 0;

  a->woUpdate = 1;  // kept from updating: b stays inactive
  Fgrs_ProcAll(&Fgrs);
  EXPECT_EQ(b->active, 0);
  a->woUpdate = 0;
  a->novorod = 1;  // newborn: not yet updated
  Fgrs_ProcAll(&Fgrs);
  EXPECT_EQ(b->active, 0);
  a->novorod = 0;

  Fgrs_ProcAll(&Fgrs);
  EXPECT_EQ(b->active, 1);
  EXPECT_EQ(c->active, 1);  // b ran after a in the same pass
  EXPECT_EQ(a->waitNow, 1000);
}

TEST_F(Procs, APanelSignalRunsItsButtonWithOrWithoutTheGroundPointMark) {
  // Each button's panel procedure is the trigger's: attached, it sends its own number back and
  // disarms itself.
  Fgr* u = Unit(2, 50, 50);
  u->Sub_Kno_max = 18;
  Fgr* kno[5] = {};
  for (int i = 1; i <= 4; i++) {
    kno[i] = Make(fgrKnoUnit);
    ASSERT_EQ(Fgr_Sub_AddKno(u, kno[i]), 1);
    kno[i]->baner = 2;
    kno[i]->ProcNomOnK = 4;
    kno[i]->parentSig = 70 + i;
  }
  for (int sig : {104, 4}) {
    for (int i = 1; i <= 4; i++) kno[i]->active = 1, kno[i]->waitFull = 1, kno[i]->parentSig = 70 + i;
    u->fromPultSig = sig;
    Fgr_ProcLinked(u);
    EXPECT_EQ(u->fromPultSig, 74) << "signal " << sig;
    EXPECT_EQ(kno[4]->active, 0);
    for (int i = 1; i <= 3; i++) EXPECT_EQ(kno[i]->active, 1);
  }
  kno[4]->waitFull = 1;  // an inactive button ignores the signal
  u->fromPultSig = 4;
  Fgr_ProcLinked(u);
  EXPECT_EQ(kno[4]->waitFull, 1);
  u->fromPultSig = 7;  // no seventh button
  Fgr_ProcLinked(u);
  EXPECT_EQ(u->fromPultSig, 7);
  Fgr_ProcLinked(nullptr);
}

}  // namespace
