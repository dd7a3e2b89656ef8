// Every preset id: the figure of its kind gets the values of its preset (a few per preset, typed
// from the balance sheet), a preset that needs a record refuses a figure without one and frees its
// slot, and ids that are no preset fail.
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/presets.h"
#include "catalogue_fixture.h"

namespace {

struct Val {
  const char* prop;  // a property name of the figure tables
  double v;
};
struct Cnt {
  int chan, now, max;
};
enum Rec { kNone, kUnit, kItem };
struct Row {
  int id, kind;
  Rec rec;
  std::vector<Val> vals;
  const char* name = nullptr;  // the record's name, cut to 15 bytes
  std::vector<Cnt> cnt = {};
};

// Hit points counted with Mid 100, Big 400 and DamageMid 20: the factor's float value times the
// variable, truncated (0.64 gives 63, 1.3 gives 129, 0.9 of 20 gives 17).
// clang-format off
const std::vector<Row> kRows = {
    {9001, 3, kNone, {{"ProcNomUpd2", 1}, {"Tex1", 52}, {"fca", 0.7}, {"haf", 1.5}, {"kmra_Flat", 15}, {"ProcNomOnR", 3}}},
    {9011, 4, kNone, {{"ProcNomUpd2", 0}, {"Tex1", 0}, {"haf", 1.0}}},
    {9021, 5, kNone, {{"ProcNomUpd2", 4}, {"waitFull", 5000}, {"fcb", 0.5}, {"trigRunKlv", 1}, {"trigDamba", 0}}},
    {9031, 6, kNone, {{"ProcNomUpd2", 7}, {"waitNow", 15000}, {"dXKlvMax", 9999}, {"dXKlv", 9999}, {"ProcNomOnR", 9}}},
    {9041, 7, kNone, {{"ProcNomUpd2", 53}, {"xExpNow", -1}, {"Tex1", 45}, {"BringAllWaitNow", 25000}}},
    {9051, 11, kNone, {{"ProcNomUpd2", 10}, {"ProcNomDraw", 11}, {"ProcNomOnR", 12}, {"active", 1}}},
    {9061, 13, kNone, {{"ProcNomUpd2", 13}, {"ProcNomDraw", 14}, {"ProcNomOnR", 15}}},
    {9071, 14, kNone, {{"ProcNomUpd2", 16}, {"Tex1", 46}, {"active", 0}}},
    {9081, 15, kNone, {{"ProcNomUpd2", 19}, {"ProcNomOnR", 21}, {"fca", 1.0}, {"active", 1}}},
    {9091, 16, kNone, {{"ProcNomUpd2", 57}, {"isSelected", -1}, {"gruzZaimem", 2}, {"woDraw", 1}, {"get_RadiusVis_", 50}}},
    {9101, 17, kNone, {{"ProcNomUpd2", 58}, {"waitFull", 15000}, {"active", 1}}},
    {9111, 18, kNone, {{"haf", 2.5}, {"BringGem1", 2000111555}, {"BringEner", 2000111555}, {"Sub_UseKm_max", 1}, {"ProcNomDraw", 28}}},
    {9121, 19, kUnit, {{"haf", 10}, {"Tex1", 7}, {"dXKlv", 4}, {"LandKleStamp", 9}, {"ueWaitNow", 155000}, {"ProcNomUpd2", 30}},
     "Zасада пробная"},
    {9131, 20, kNone, {{"Tex1", 66}, {"LandKleStamp", 1}, {"woUpdate", 1}, {"ProcNomOnR", 29}}},
    {9141, 21, kNone, {{"haf", 5}, {"Tex1", 1}, {"ProcNomDraw", 28}, {"woUpdate", 1}}},
    {9151, 21, kNone, {{"haf", 5}, {"Tex1", 1}, {"ProcNomOnR", 29}}},
    {9161, 22, kNone, {{"haf", 5}, {"fca", 1.0}, {"active", 1}}},
    {9171, 101, kUnit, {{"waitNow", 10000}, {"bornTehnola", 12}, {"Sub_Kno_max", 6}, {"ProcNomUpd2", 23}, {"nonMassSelect", 1}}},
    {9181, 102, kUnit, {{"bunkerHost", 203}, {"BringEner", 30}, {"BringMat", -2}, {"Tex1", 37}, {"get_RadiusVis_", 20}},
     "Генератор Анг.", {{5, 110, 110}}},
    {9191, 103, kUnit, {{"bornTehnola", 12}, {"waitFull", 10000}, {"Sub_Kno_max", 6}}},
    {9201, 104, kUnit, {{"bornTehnola", 12}, {"waitNow", 10000}}},
    {9211, 101, kUnit, {{"bornTehnola", 3}, {"Sub_Kno_max", 18}}, "Арсенал Мудрых"},
    {9221, 101, kUnit, {{"bornTehnola", 6}, {"Sub_Kno_max", 12}}, "Гараж Академии"},
    {9231, 101, kUnit, {{"bornTehnola", 18}, {"Sub_Kno_max", 12}}, "Робо-порт Акаде"},
    {9241, 101, kUnit, {{"bornTehnola", 20}, {"Tex1", 35}, {"get_RadiusVis_", 70}, {"Sub_UseGun_max", 1}},
     "Рок-шахта Акаде", {{5, 89, 89}}},
    {9251, 101, kUnit, {{"get_RadStroi_", 95}, {"Tex1", 32}, {"LandKleStamp", 6}, {"Sub_UseDet_max", 4}},
     "Арсенал Ангелов"},
    {9261, 101, kUnit, {{"bornTehnola", 6}, {"Sub_Kno_max", 12}}},
    {9271, 101, kUnit, {{"bornTehnola", 9}, {"Tex1", 39}, {"get_RadiusVis_", 40}, {"Sub_Kno_max", 12}},
     "Казарма Ангелов", {{5, 800, 800}}},
    {9281, 101, kUnit, {{"Sub_Kno_max", 6}, {"bornTehnola", 24}}},
    {9291, 101, kUnit, {{"Sub_Kno_max", 18}, {"bornTehnola", 3}}},
    {9301, 101, kUnit, {{"Sub_Kno_max", 12}, {"bornTehnola", 6}}},
    {9311, 101, kUnit, {{"Sub_Kno_max", 12}, {"bornTehnola", 9}}},
    {9321, 101, kUnit, {{"bornTehnola", 26}, {"waitNow", 100000}, {"waitFull", 100000}}},
    {9331, 101, kUnit, {{"Sub_Kno_max", 6}, {"bornTehnola", 28}}},
    {9341, 101, kUnit, {{"bornTehnola", 3}, {"Sub_Gruz_max", 2}, {"Sub_Kno_max", 18}}},
    {9351, 101, kUnit, {{"Sub_Kno_max", 15}, {"bornTehnola", 6}}},
    {9361, 101, kUnit, {{"Sub_Kno_max", 6}, {"bornTehnola", 22}}},
    {9371, 101, kUnit, {{"bornTehnola", 15}, {"waitFull", 10000}}},
    {9381, 101, kUnit, {{"bornTehnola", 15}, {"waitNow", 10000}}},
    {9391, 101, kUnit, {{"bornTehnola", 15}, {"Sub_Kno_max", 6}}},
    {9401, 101, kUnit, {{"bornTehnola", 15}, {"waitFull", 10000}}},
    {9411, 111, kUnit, {{"PafLay", 2}, {"skoros", 0.007}, {"get_SkorosMax_", 90}, {"Tex1", 33}, {"Sub_UseSkil_max", 4}, {"ProcNomUpd2", 25}},
     "Строитель"},
    {9421, 112, kUnit, {{"ImunZeroTarget", 1000}, {"Tex1", 49}, {"get_RadiusVis_", 105}, {"bunkerHost", 204}, {"skoros", 0.015}, {"panicOut", 60}},
     "Солдат Академии", {{1, 63, 63}, {15, 60, 120}}},
    {9431, 112, kUnit, {{"Tex1", 88}, {"PafLay", 2}, {"ImunZeroTarget", 1500}, {"bornTehnola", 89}, {"xExpNext", 2500}},
     "Робо-голем", {{5, 80, 80}, {19, 60, 120}}},
    {9441, 112, kUnit, {{"ImunZeroTarget", 2000}, {"Tex1", 53}, {"focusFire", 2}, {"HitBarMixCase", 1}, {"Sub_Kno_max", 6}},
     "Стрелок Ангелов", {{1, 44, 44}, {9, 100, 100}, {15, 60, 120}}},
    {9451, 112, kUnit, {{"ImunZeroTarget", 3000}, {"fcr", 0.5}, {"PafLay", 2}, {"xExpNext", 999500}},
     "Особый Стрелок", {{1, 51, 51}, {15, 80, 150}}},
    {9461, 112, kUnit, {{"fcr", 0.5}, {"fcg", 0.9}, {"Tex1", 56}, {"get_SkorosMax_", 230}, {"ProcNomOnR", 27}},
     "Глушак Ангелов", {{1, 50, 50}, {15, 90, 190}}},
    {9471, 112, kUnit, {{"bornTehnola", 91}, {"focusFire", 3}, {"Sub_MetGd_max", 7}},
     "Кузнец Ангелов", {{1, 68, 68}}},
    {9481, 112, kUnit, {{"haf", 6}, {"fcg", 0.1}, {"fcb", 0.2}, {"xExpNext", 1500}},
     "Рокер Ангелов", {{1, 100, 100}}},
    {9491, 112, kUnit, {{"haf", 7.5}, {"Tex1", 89}, {"PafLay", 5}, {"Sub_UseGun_max", 2}, {"skoros", 0.011}},
     "Машаня Ангелов", {{1, 100, 100}, {5, 100, 100}, {17, 60, 120}}},
    {9501, 112, kUnit, {{"haf", 8}, {"fcr", 0.3}, {"Sub_MetBd_max", 4}, {"useCaptHP", 1}},
     "Полная Машаня", {{3, 100, 100}, {5, 129, 129}}},
    {9511, 112, kUnit, {{"get_RadiusVis_", 115}, {"Tex1", 90}, {"Sub_UseGun_max", 4}, {"get_SkorosMin_", 130}},
     "Робо-коп", {{5, 139, 139}, {19, 60, 120}}},
    {9521, 112, kUnit, {{"get_RadiusVis_", 135}, {"dXKlvMax", 10}, {"dXKlv", 6}, {"GabarIsFat", 1}, {"Sub_Gruz_max", 5}},
     "Рука ангела", {{5, 500, 500}}},
    {9531, 112, kUnit, {{"bornTehnola", 40}, {"fcg", 0.4}, {"bunkerHost", 201}, {"panicOut", 90}},
     "Бандит Анархии", {{1, 69, 69}, {15, 90, 180}}},
    {9541, 112, kUnit, {{"haf", 5.882353}, {"get_RadDetector_", 70}, {"get_RadiusVis_", 108}, {"focusFire", 2}},
     "Адвокат Анархии", {{1, 129, 129}}},
    {9551, 112, kUnit, {{"bunkerHost", 205}, {"PafLay", 5}, {"Sub_MetGd_max", 5}, {"skoros", 0.013}},
     "Робо-лом", {{5, 80, 80}}},
    {9561, 113, kNone, {{"ProcNomUpd2", 24}, {"isUnitWork", 3}, {"Sub_Kno_max", 18}, {"bornTehnola", 34}, {"Sub_Unit_max", 3}, {"bunkerHost", 204}}},
    {9571, 113, kNone, {{"bornTehnola", 97}, {"Sub_Unit_max", 2}}},
    {9581, 113, kNone, {{"bornTehnola", 38}, {"Sub_Unit_max", 3}, {"bunkerHost", 203}}},
    {9591, 113, kNone, {{"bornTehnola", 98}, {"Sub_Unit_max", 3}}},
    {9601, 113, kNone, {{"bornTehnola", 99}, {"Sub_Unit_max", 5}}},
    {9611, 113, kNone, {{"bornTehnola", 100}, {"Sub_Unit_max", 4}}},
    {9621, 113, kNone, {{"bornTehnola", 41}, {"Sub_Unit_max", 2}, {"bunkerHost", 201}}},
    {9631, 113, kNone, {{"bornTehnola", 44}, {"bunkerHost", 205}}},
    {9641, 114, kUnit, {{"haf", 7.142857}, {"Tex1", 40}, {"Sub_Kno_max", 18}, {"Sub_UseKm_max", 2}, {"trueCaptain", 1}, {"zvSmp", 9}}, nullptr, {{3, 1000, 1000}, {13, 50, 200}, {15, 150, 300}}},
    {9651, 201, kUnit, {{"ProcNomUpd2", 22}, {"get_RadStroi_", 190}, {"BringEner", 15}, {"BringMat", 3}, {"Sub_Gruz_max", 8}}},
    {9661, 202, kUnit, {{"BringEner", 12}, {"BringMat", 4}, {"Tex1", 35}}},
    {9671, 203, kUnit, {{"BringEner", 15}, {"LandKleStamp", 6}, {"BringAllWaitNow", 10000}},
     "Бункер Ангелов"},
    {9681, 204, kUnit, {{"BringEner", 15}, {"get_RadiusVis_", 200}}, "Бункер Мудрецов"},
    {9691, 205, kUnit, {{"BringEner", 18}, {"BringMat", 2}}},
    {9801, 301, kItem, {{"bornTehnola", 45}, {"detPlace", 2}, {"get_RadDetector_", 26}, {"waitFull", 2500}, {"isUnitWork", 2}}},
    {9811, 301, kItem, {{"bornTehnola", 101}, {"get_RadiusVis_", 105}, {"get_RadStroi_", 80}, {"waitNow", 3500}}},
    {9821, 301, kItem, {{"bornTehnola", 46}, {"get_RadDetector_", 26}, {"waitFull", 3000}}},
    {9831, 301, kItem, {{"bornTehnola", 47}, {"gruzZaimem", 2}, {"get_RadDetector_", 70}}},
    {9841, 301, kItem, {{"bornTehnola", 48}, {"get_RadiusVis_", 60}, {"waitNow", 2500}}},
    {9851, 301, kItem, {{"bornTehnola", 102}, {"waitFull", 2200}}},
    {9861, 301, kItem, {{"bornTehnola", 103}, {"waitFull", 2750}}},
    {9871, 301, kItem, {{"bornTehnola", 104}, {"get_RadiusVis_", 150}, {"get_RadStroi_", 75}}},
    {9881, 301, kItem, {{"bornTehnola", 105}, {"waitNow", 4100}}},
    {9891, 301, kItem, {{"bornTehnola", 106}, {"get_RadStroi_", 55}}},
    {9901, 301, kItem, {{"bornTehnola", 107}, {"get_RadiusVis_", 120}}},
    {9911, 301, kItem, {{"bornTehnola", 108}, {"get_RadiusVis_", 110}}},
    {9921, 301, kItem, {{"bornTehnola", 109}, {"get_RadiusVis_", 90}}},
    {9931, 301, kItem, {{"bornTehnola", 110}, {"get_RadDetector_", 50}, {"waitFull", 3100}}},
    {9941, 301, kItem, {{"bornTehnola", 49}, {"get_RadiusVis_", 105}}},
    {9951, 301, kItem, {{"bornTehnola", 50}, {"get_RadiusVis_", 120}}},
    {9961, 301, kItem, {{"bornTehnola", 51}, {"get_RadiusVis_", 110}}},
    {9971, 302, kItem, {{"bornTehnola", 52}, {"waitFull", 2300}, {"get_RadStroi_", 60}}},
    {9981, 302, kItem, {{"ForLifeCase", 0}, {"gruzZaimem", 1}, {"active", 0}, {"isUnitWork", 2}}},
    {9991, 303, kItem, {{"detPlace", 6}, {"armorType", 1}, {"woDraw", 1}}},
    {10001, 401, kItem, {{"AbilSkilVers", 1}, {"bornTehnola", 53}, {"imiter", 2}, {"detRadial", 3}, {"detPlace", 3}, {"SkilRangExt3", 1}}},
    {10011, 401, kItem, {{"AbilSkilVers", 2}, {"bornTehnola", 54}}},
    {10021, 401, kItem, {{"AbilSkilVers", 3}, {"bornTehnola", 55}}},
    {10031, 401, kItem, {{"AbilSkilVers", 4}, {"bornTehnola", 56}}},
    {10041, 401, kItem, {{"AbilSkilVers", 5}, {"bornTehnola", 57}, {"waitNow", 9100}, {"fcr", 0.9}, {"fcg", 0.8}, {"fcb", 0}}},
    {10051, 401, kItem, {{"AbilSkilVers", 6}, {"bornTehnola", 58}}},
    {10061, 401, kItem, {{"AbilSkilVers", 7}, {"bornTehnola", 59}}},
    {10071, 401, kItem, {{"AbilSkilVers", 8}, {"bornTehnola", 60}}},
    {10081, 401, kItem, {{"AbilSkilVers", 9}, {"bornTehnola", 61}}},
    {10091, 401, kItem, {{"AbilSkilVers", 10}, {"bornTehnola", 62}}},
    {10101, 401, kItem, {{"AbilSkilVers", 11}, {"bornTehnola", 63}}},
    {10111, 401, kItem, {{"AbilSkilVers", 12}, {"bornTehnola", 64}, {"SkilRangBase", 1}}},
    {10121, 402, kNone, {{"ProcNomUpd2", 33}, {"Kno_MsgTitul", 6}, {"Tex1", 25}, {"fcr", 0.5}, {"ProcNomOnK", 35}, {"waitFull", 9000}}},
};
// clang-format on

using PresetsTest = CatalogueTest;

double Prop(Fgr* f, const char* name) {
  int type = 0;
  char* a = FgrEd_AdrFromName(f, name, type);
  if (!a) ADD_FAILURE() << "no property " << name;
  if (!a) return -12345;
  if (type == inFgrFloType2) return *reinterpret_cast<float*>(a);
  return *reinterpret_cast<int*>(a);
}

std::string RecName(Fgr* f) {
  const char* n = f->UN->isUse ? f->UN->name : f->item->name;
  return std::string(n, strnlen(n, 16));
}

}  // namespace

TEST_F(PresetsTest, EveryCodePresetFillsItsKindAndRefusesAFigureWithoutItsRecord) {
  ASSERT_EQ(kRows.size(), 103u);
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.id);
    Fgr* f = Fgrs.AddFgr(r.kind, 0);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(PropsFill(r.id, f, 1), 1);
    EXPECT_EQ(f->status, r.kind);
    for (const Val& v : r.vals)
      EXPECT_FLOAT_EQ(static_cast<float>(Prop(f, v.prop)), static_cast<float>(v.v)) << v.prop;
    if (r.name) {
      EXPECT_EQ(RecName(f), r.name);
    }
    for (const Cnt& c : r.cnt) {
      EXPECT_EQ(f->UN->cnt.T[c.chan], c.now) << "channel " << c.chan;
      EXPECT_EQ(f->UN->cnt.T[c.chan + 1], c.max) << "channel " << c.chan;
    }
    EXPECT_LE(f->Sub_Kno_max, 18);
    EXPECT_EQ(PropsFill(r.id, nullptr, 1), 0);

    // A squad holder has no record: presets that need one refuse it and free the slot.
    Fgr* bare = Fgrs.AddFgr(fgrSquadHolder, 0);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(PropsFill(r.id, bare, 1), r.rec == kNone ? 1 : 0);
    EXPECT_EQ(bare->status, r.rec == kNone ? fgrSquadHolder : 0);
    Fgr::Kill(f);
    Fgr::Kill(bare);
  }
}

TEST_F(PresetsTest, RecordsOfUnitsAndItemsFromTheSheet) {
  struct RecRow {
    int id, kind, mortal, rang, fku, sta;
  };
  // mortal and rank of the unit record (-1: not checked), FKu and Sta entries.
  const RecRow rows[] = {
      {9181, 102, 1, -1, 1, 0},  {9211, 101, 0, -1, 0, 0},  {9271, 101, 1, -1, 1, 0},
      {9321, 101, 0, -1, 0, 0},  {9411, 111, 0, 0, 0, 0},   {9421, 112, 1, 1, 0, 0},
      {9451, 112, 1, 2, 1, 0},   {9461, 112, 1, 1, 2, 0},   {9481, 112, 1, 2, 2, 0},
      {9521, 112, 1, 3, 1, 0},   {9641, 114, 1, 1, 1, 0},   {9671, 203, 0, -1, 0, 0},
      {9801, 301, -1, -1, 1, 3}, {9831, 301, -1, -1, 3, 5}, {9881, 301, -1, -1, 3, 3},
      {9971, 302, -1, -1, 5, 5},
  };
  for (const RecRow& r : rows) {
    SCOPED_TRACE(r.id);
    Fgr* f = Fgrs.AddFgr(r.kind, 0);
    ASSERT_EQ(PropsFill(r.id, f, 1), 1);
    if (r.mortal >= 0) {
      EXPECT_EQ(f->UN->mortal, r.mortal);
    }
    if (r.rang >= 0) {
      EXPECT_EQ(f->UN->ExpRang, r.rang);
    }
    EXPECT_EQ(f->UN->isUse ? f->UN->fku.count : f->item->fku.count, r.fku);
    EXPECT_EQ(f->item->sta.count, r.sta);
  }

  // Details of one unit and one gun: FKu kind, channel, value, of-start, percent; Sta flags.
  Fgr* u = Fgrs.AddFgr(112, 0);
  ASSERT_EQ(PropsFill(9461, u, 1), 1);
  const FKuEntry& k2 = u->UN->fku.e[0];
  EXPECT_EQ(std::vector<int>({k2.kind, k2.channel, k2.value, k2.ofStart, k2.percent, k2.n, k2.mode}),
            std::vector<int>({2, 15, 10, 1, 100, 1, 0}));
  const FKuEntry& k3 = u->UN->fku.e[1];
  EXPECT_EQ(std::vector<int>({k3.kind, k3.channel, k3.value, k3.ofStart, k3.percent}),
            std::vector<int>({3, 15, -20, 1, 50}));
  EXPECT_EQ(u->UN->cnt.T[15 + 39], 150);  // Hot limits 150..250
  EXPECT_EQ(u->UN->cnt.T[15 + 40], 250);

  Fgr* g = Fgrs.AddFgr(302, 0);
  ASSERT_EQ(PropsFill(9971, g, 1), 1);
  const StaEntry& s0 = g->item->sta.e[0];
  EXPECT_EQ(std::vector<int>({s0.id, s0.value, s0.subtract, s0.gunStage, s0.midStage}),
            std::vector<int>({1, 17, 1, 1, 1}));
  const StaEntry& s2 = g->item->sta.e[2];
  EXPECT_EQ(std::vector<int>({s2.id, s2.value}), std::vector<int>({5, 16}));
  const StaEntry& s3 = g->item->sta.e[3];
  EXPECT_EQ(std::vector<int>({s3.id, s3.value, s3.subtract, s3.gunStage, s3.midStage}),
            std::vector<int>({15, 23, 1, 1, 0}));
  EXPECT_EQ(g->item->fku.e[3].ofStart, 0);  // Hot 7 percent 1, not of start
}

TEST_F(PresetsTest, RandomValuesStayInTheirRangesAndAZeroMidRefusesTheCounter) {
  for (int seed = 1; seed <= 200; seed++) {
    RandSeed(seed);
    Fgr* s = Fgrs.AddFgr(19, 0);
    Fgr* g = Fgrs.AddFgr(301, 0);
    Fgr* b = Fgrs.AddFgr(112, 0);
    ASSERT_EQ(PropsFill(9121, s, 1) + PropsFill(9821, g, 1) + PropsFill(9531, b, 1), 3);
    EXPECT_GE(s->dXKlvMax, 6);
    EXPECT_LE(s->dXKlvMax, 8);
    EXPECT_GE(g->get_RadiusVis_, 110);
    EXPECT_LE(g->get_RadiusVis_, 120);
    EXPECT_GE(b->ImunZeroTarget, 1500);
    EXPECT_LE(b->ImunZeroTarget, 3000);
    Fgr::Kill(s);
    Fgr::Kill(g);
    Fgr::Kill(b);
  }
  o3::ifcHitBarMid = 0;
  Fgr* u = Fgrs.AddFgr(112, 0);
  EXPECT_EQ(PropsFill(9421, u, 1), 1);
  EXPECT_EQ(u->UN->cnt.T[1], 0);
  EXPECT_EQ(u->UN->cnt.T[15], 60);
  o3::ifcHitBarMid = 3.0e9f;  // a product that is no int is refused like 0
  Fgr* v = Fgrs.AddFgr(112, 0);
  EXPECT_EQ(PropsFill(9431, v, 1), 1);
  EXPECT_EQ(v->UN->cnt.T[5], 0);
}

TEST_F(PresetsTest, IdsThatAreNoPresetFailAndTheFinishingStepClampsButtons) {
  for (int id : {0, 9000, 9002, 9016, 10131, -1, 123}) {
    Fgr* f = Fgrs.AddFgr(20, 0);
    EXPECT_EQ(PropsFill(id, f, 0), 0) << id;
    EXPECT_EQ(f->status, 20);
    EXPECT_EQ(PropsFill(id, f, 1), 0) << id;
    EXPECT_EQ(f->status, 0);
  }
  Fgr* f = Fgrs.AddFgr(4, 0);
  f->Sub_Kno_max = 20;
  EXPECT_EQ(PropsFill(9011, f, 1), 1);
  EXPECT_EQ(f->Sub_Kno_max, 18);
  PropsFill_FinTram(0, nullptr, 1);
  f->Sub_Kno_max = 18;
  PropsFill_FinTram(9011, f, 1);
  EXPECT_EQ(f->Sub_Kno_max, 18);
}
