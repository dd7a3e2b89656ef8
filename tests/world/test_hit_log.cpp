// The damage of a hit through the three filter stages and its hit log: the log of two hits is
// compared byte for byte with a file typed from the log's forms (Windows-1251); one gun entry rolls
// its share from a seeded draw, every other entry uses its full percentage. The Part's cases of the
// stages and of the experience a hit gives, and lines that never overflow, beside it.
#include "world/combat_fixture.h"

namespace {

void SetFBu(FBu* t, int i, int channel, int value, int ofStart, int percent, int n, int kind) {
  FBuEntry& e = t->e[i];
  e.channel = (uint16_t)channel, e.value = value, e.ofStart = (uint8_t)ofStart;
  e.percent = (uint8_t)percent, e.n = (uint16_t)n, e.kind = (uint16_t)kind;
}

}  // namespace

TEST_F(CombatTest, TwoHitsWriteTheHitLogOfTheGoldenFile) {
  Fgr* alpha = MakeFighter(2, 100, 100, 2);
  Fgr* beta = MakeFighter(3, 150, 100, 1, 100);
  Fgr* gamma = MakeFighter(4, 150, 150, 1);
  Fgr_SetItemName(alpha, "Alpha");
  Fgr_SetItemName(beta, "Beta");
  Fgr_SetItemName(gamma, "Gamma");
  alpha->priv_LogIndex = 7, beta->priv_LogIndex = 8, gamma->priv_LogIndex = 9;
  beta->useTehnHP = 1;
  BoeCnt_Set(&beta->UN->cnt, bcTehnHP, 30, 30, 0, 0);
  BoeCnt_Set(&beta->UN->cnt, bcHot, 50, 50, 0, 0);

  // The attacker's mid stage: +50 % of start on NormHP, a roll on Fire (listed, never applied) and
  // a set-stage entry that the mid list leaves out.
  FBu* mid = &alpha->UN->fbu;
  SetFBu(mid, 0, bcNormHP, 50, 1, 100, 1, 2);
  SetFBu(mid, 1, bcFire, 12, 1, 1, 4, 2);
  SetFBu(mid, 2, bcNormHP, 99, 0, 100, 1, 3);
  mid->count = 3;
  // The target's set stage: -25 % of start on NormHP; rolls on Armor and Mana are only listed.
  FBu* set = &beta->UN->fbu;
  SetFBu(set, 0, bcNormHP, -25, 1, 100, 1, 3);
  SetFBu(set, 1, bcArmor, 7, 0, 50, 3, 3);
  SetFBu(set, 2, bcMana, 4, 0, 1, 1, 3);
  set->count = 3;

  // The damage list: NormHP through every stage, Hot through none, and the silver variant of
  // NormHP, which only a filter of its own id (39) matches but which hits the NormHP counter. The
  // silver filter rolls 20..100 % of 100: the seeded draw 90 gives 29 %, which is 28 in double.
  Fgr* gun = alpha->P2_Sub_UseGun;
  Sta* sta = &gun->item->sta;
  Sta_ResetTable(sta);
  Sta_Add(sta, bcNormHP, 20, 1, 1, 1);
  Sta_Add(sta, bcHot, 10, 1, 0, 0);
  Sta_Add(sta, kvNormHP_Silver, 5, 1, 1, 0);
  FKu* gunFku = &gun->item->fku;
  FKu_Add(gunFku, bcNormHP, 1, 50, 1, 0, 100, 1);
  FKuEntry& silver = gunFku->e[1];  // FKu_Add takes plain channels only
  silver.channel = kvNormHP_Silver, silver.kind = 1, silver.n = 1;
  silver.value = 100, silver.percent = 20;
  gunFku->count = 2;

  FrameClock.GameMs = 20000;
  RandSeed(16);
  Boe_Damage(alpha, mid, sta, gunFku, beta, 0);
  EXPECT_EQ(BoeCnt_Get(&beta->UN->cnt, bcNormHP), 33);  // 100 - 34 - (5 + 28)
  EXPECT_EQ(BoeCnt_Get(&beta->UN->cnt, bcHot), 40);
  EXPECT_EQ(alpha->xExpNow, 33);  // 67 points lost x rank 1 x 0.5
  EXPECT_EQ(alpha->xExpToOrbit, -33);
  silver.value = 3, silver.percent = 100;  // no roll from here on

  FrameClock.GameMs = 23000;
  Fgr* g2 = gamma->P2_Sub_UseGun;
  FBu empty{};
  Boe_Damage(gamma, &empty, &g2->item->sta, &g2->item->fku, beta, 1);
  EXPECT_EQ(BoeCnt_Get(&beta->UN->cnt, bcNormHP), 18);
  EXPECT_EQ(gamma->xExpNow, 7);  // 15 x 1 x 0.5, truncated

  // A target without a rank takes the hit and nobody learns from it; only the blank line after a
  // quiet spell of more than 8000 ms is logged.
  Fgr* delta = MakeFighter(3, 300, 300, 0, 100);
  FrameClock.GameMs = 40000;
  Boe_Damage(alpha, mid, sta, gunFku, delta, 0);
  EXPECT_EQ(BoeCnt_Get(&delta->UN->cnt, bcNormHP), 100 - 45 - 8);
  EXPECT_EQ(alpha->xExpNow, 33);

  EXPECT_EQ(LogText(), ReadAll(SourcePath("tests/world/golden/hit_log.txt")));
}

TEST_F(CombatTest, FilterStagesByThePartsCases) {
  Fgr* a = MakeFighter(2, 0, 0, 1);
  Fgr* t = MakeFighter(3, 0, 0, 0, 500);
  Fgr* gun = a->P2_Sub_UseGun;
  FKu* fku = &gun->item->fku;
  Sta* sta = &gun->item->sta;
  auto hp = [t] { return BoeCnt_Get(&t->UN->cnt, bcNormHP); };

  // +50 % of start in the gun stage: 20 becomes 30; two such entries give 40, not 45.
  FKu_Add(fku, bcNormHP, 1, 50, 1, 0, 100, 1);
  Boe_Damage(a, nullptr, sta, fku, t, 0);
  EXPECT_EQ(hp(), 470);
  FKu_Add(fku, bcNormHP, 1, 50, 1, 0, 100, 1);
  Boe_Damage(a, nullptr, sta, fku, t, 0);
  EXPECT_EQ(hp(), 430);
  // A bad hit skips the gun stage; the set stage still runs.
  SetFBu(&t->UN->fbu, 0, bcNormHP, -50, 1, 100, 1, 3);
  t->UN->fbu.count = 1;
  Boe_Damage(a, nullptr, sta, fku, t, 1);
  EXPECT_EQ(hp(), 420);
  // A set stage that takes the value to 0 or below changes nothing.
  SetFBu(&t->UN->fbu, 0, bcNormHP, -100, 1, 100, 1, 3);
  Boe_Damage(a, nullptr, sta, fku, t, 1);
  EXPECT_EQ(hp(), 420);
  // The reserved id 9999 names no counter.
  t->UN->fbu.count = 0;
  Sta_ResetTable(sta);
  Sta_Add(sta, 9999, 20, 1, 0, 0);
  BoeCnt_Set(&t->UN->cnt, bcTehnHP, 100, 100, 0, 0);
  Boe_Damage(a, nullptr, sta, fku, t, 0);
  EXPECT_EQ(BoeCnt_Get(&t->UN->cnt, bcTehnHP), 100);
  EXPECT_EQ(hp(), 420);

  // Experience: at most 100 a channel, the target's rank held to 5, doubled off the layers.
  Sta_ResetTable(sta);
  Sta_Add(sta, bcNormHP, 150, 1, 0, 0);
  t->UN->ExpRang = 7;
  t->PafLay = 0;
  Boe_Damage(a, nullptr, sta, fku, t, 0);
  EXPECT_EQ(hp(), 270);
  EXPECT_EQ(a->xExpNow, 500);  // 100 x 5 x 0.5, doubled
  EXPECT_EQ(a->xExpToOrbit, -500);
}

TEST_F(CombatTest, LongLabelsAndSkillNamesAreWrittenWhole) {
  const std::string label(127, 'L'), name(127, 'N');
  for (int n : {92, 93}) strcpy(Msgs.MsgBase[2 * n - 1].text, label.c_str());
  for (int n = 51; n <= 53; n++) strcpy(Msgs.MsgBase[2 * n - 1].text, name.c_str());
  std::string line = Boe_FilterLine(bcNormHP, 7, 1, 40, 0);
  EXPECT_EQ(line, "(" + label + ") s<       NormHP> от   2% до   7%");
  // A computer captain's choice line with three long skill names.
  o2::RangCaptainMax = 10;
  Fgr* c = MakeFighter(3, 0, 0, 1);
  c->trueCaptain = 5;
  c->Sub_UseSkil_max = 12;
  Unit_RangChoice(c, 1);
  EXPECT_NE(LogText().find("есть выбор: " + name + " <> " + name + " <+> " + name), std::string::npos);
}
