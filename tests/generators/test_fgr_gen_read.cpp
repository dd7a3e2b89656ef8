// Section readers of the five figure tables: layouts, numbering, and the ends of cut-short files.
#include <gtest/gtest.h>

#include <sstream>

#include "generators/fgr_tables.h"
#include "generators/gen_table.h"

namespace {

struct Lists {
  std::vector<GenFgrKind> kinds;
  std::vector<GenPropsPreset> presets;
  std::vector<GenFgrProp> ints, floats, po1s, po2s, subs;
  std::vector<GenProcRec> procs;
  std::vector<GenKombiRec> kombis;
  std::vector<GenBoeRec> boes;
  std::vector<GenKvRec> channels;
};

void ReadKinds(const std::string& text, Lists& l) {
  std::istringstream in("title\n" + text);
  GenSectionLoop(in, 1, "T", "kinds", [&](std::istream& s, std::string& m) {
    FgrAGen_ReadKindSection(s, l.kinds, l.presets, m);
  });
}
void ReadProps(const std::string& text, Lists& l) {
  std::istringstream in("title\n" + text);
  GenSectionLoop(in, 1, "T", "props", [&](std::istream& s, std::string& m) {
    FgrAGen_ReadPropSection(s, l.ints, l.floats, l.po1s, l.po2s, l.subs, m);
  });
}
void ReadBoes(const std::string& text, Lists& l) {
  std::istringstream in("title\n" + text);
  GenSectionLoop(in, 1, "T", "boes", [&](std::istream& s, std::string& m) {
    FgrAGen_ReadBoeSection(s, l.boes, l.channels, m);
  });
}

class FgrRead : public ::testing::Test {
 protected:
  void SetUp() override { FgrGen_ResetCounters(); }
  Lists l;
};

TEST_F(FgrRead, KindsTypesAndPresetIds) {
  ReadKinds(
      "//==  Tanks \"heavy\"\n// line note\n7  // the number\nTank\nunit  // moving figure\n"
      "Tank1\ntxt_ZavBunker1\nZavBunker1\n/* note\nstill note\n*/\n"
      "between sections\n"
      "//==\n//\n3\nMine\nUnit\n/*\n*/\n"
      "//==\nx\n1\nGun\nitem\nGun1\nGun2\n/*\n*/\n",
      l);
  ASSERT_EQ(l.kinds.size(), 3u);
  EXPECT_EQ(l.kinds[0].number, 7);
  EXPECT_EQ(l.kinds[0].name, "Tank");
  EXPECT_EQ(l.kinds[0].markerComment, "// Tanks \\\"heavy\\\"");
  EXPECT_EQ(l.kinds[0].lineComment, "//   line note");
  EXPECT_EQ(l.kinds[0].isUnit * 10 + l.kinds[0].isItem, 10);
  EXPECT_EQ(l.kinds[1].isUnit + l.kinds[1].isItem, 0);  // "Unit": the tests are case-sensitive
  EXPECT_EQ(l.kinds[1].lineComment, "");
  EXPECT_EQ(l.kinds[2].isItem, 1);
  ASSERT_EQ(l.presets.size(), 5u);  // a kind without presets has its "/*" right after the type
  int ids[] = {9001, 9011, 9021, 9031, 9041};
  for (int i = 0; i < 5; i++) EXPECT_EQ(l.presets[i].propsIndex, ids[i]);
  EXPECT_EQ(l.presets[1].fromTxt, 1);
  EXPECT_EQ(l.presets[2].fromTxt, 0);
  EXPECT_EQ(l.presets[4].name, "Gun2");
  EXPECT_EQ(fgrGen.kindCount, 3);
  EXPECT_EQ(fgrGen.presetCount, 5);
}

TEST_F(FgrRead, FileEndingInsideThePresetsAddsNoEmptyPreset) {
  ReadKinds("//==\n//\n3\nMine\nother\nMine1\nMine2\n", l);
  ASSERT_EQ(l.presets.size(), 2u);
  EXPECT_EQ(l.presets[1].name, "Mine2");
  ReadKinds("//==\n//\n4\nMine\nother\nMine1", l);  // no line feed after the last preset either
  ASSERT_EQ(l.presets.size(), 3u);
  EXPECT_EQ(l.presets[2].name, "Mine1");
}

TEST_F(FgrRead, KindCutBeforeItsNameIsDropped) {
  ReadKinds("//==\n//\n4\n", l);
  EXPECT_TRUE(l.kinds.empty());
  EXPECT_EQ(fgrGen.kindCount, 0);
}

TEST_F(FgrRead, PropertiesAreNumberedPerType) {
  ReadProps(
      "//== first\n// c1\n//\n// c3\nint\nnom\n1 1 5 2 -3 9 1 4 // comment\n"
      "//==\n//\n//\n//\nflo\nfloX\n0 0 2.5 0.2 0.15 105 3 0\n"
      "//==\n//\n//\n//\nint  // a second int\nstatus\n0 0 0 0 0 0 0 0\n"
      "//==\n//\n//\n//\npo1\nFireTarg\n1 0 2 0 1\n"
      "//==\n//\n//\n//\npo2\nUseHelm\n1 0 0 0 0\n"
      "//==\n//\n//\n//\nsub\nUseGun\n0 0 0 0\n",
      l);
  ASSERT_EQ(l.ints.size(), 2u);
  EXPECT_EQ(l.ints[0].number, 1);
  EXPECT_EQ(l.ints[1].number, 2);
  EXPECT_EQ(l.ints[1].name, "status");
  const GenFgrProp& n = l.ints[0];
  EXPECT_EQ(n.markerComment, "// first");
  EXPECT_EQ(n.comment1, "//   c1");
  EXPECT_EQ(n.comment2, "");
  EXPECT_EQ(n.comment3, "//   c3");
  EXPECT_EQ(n.tip, 1);
  int got[] = {n.readOnly, n.ignorSb, n.initVal, n.adv, n.min, n.max, n.visp, n.spec};
  int want[] = {1, 1, 5, 2, -3, 9, 1, 4};
  for (int i = 0; i < 8; i++) EXPECT_EQ(got[i], want[i]) << i;
  ASSERT_EQ(l.floats.size(), 1u);
  EXPECT_EQ(l.floats[0].number, 1);
  EXPECT_EQ(l.floats[0].tip, 2);
  EXPECT_FLOAT_EQ(l.floats[0].initValF, 2.5f);
  EXPECT_FLOAT_EQ(l.floats[0].advF, 0.2f);
  EXPECT_FLOAT_EQ(l.floats[0].minF, 0.15f);
  EXPECT_FLOAT_EQ(l.floats[0].maxF, 105.0f);
  EXPECT_EQ(l.floats[0].visp, 3);
  ASSERT_EQ(l.po1s.size(), 1u);
  EXPECT_EQ(l.po1s[0].tip, 3);
  EXPECT_EQ(l.po1s[0].visp, 2);
  EXPECT_EQ(l.po1s[0].needActive, 1);
  ASSERT_EQ(l.po2s.size(), 1u);
  EXPECT_EQ(l.po2s[0].tip, 4);
  ASSERT_EQ(l.subs.size(), 1u);
  EXPECT_EQ(l.subs[0].tip, 5);
  EXPECT_EQ(fgrGen.intCount * 10000 + fgrGen.floCount * 1000 + fgrGen.po1Count * 100 +
                fgrGen.po2Count * 10 + fgrGen.subCount,
            21111);
}

TEST_F(FgrRead, UnknownTypeDropsTheSectionAndConsumesNoFurtherLine) {
  // The line after the unknown type is a marker: the loop must see it.
  ReadProps("//==\n//\n//\n//\nchar\n//== next\n//\n//\n//\nint\nnom\n0 0 0 0 0 0 0 0\n", l);
  ASSERT_EQ(l.ints.size(), 1u);
  EXPECT_EQ(l.ints[0].number, 1);
  EXPECT_EQ(l.ints[0].markerComment, "// next");
}

TEST_F(FgrRead, NonNumericValueStopsTheFile) {
  ReadProps(
      "//==\n//\n//\n//\nint\nnom\n0 zero 0 0 0 0 0 0\n"
      "//==\n//\n//\n//\nint\nstatus\n0 0 0 0 0 0 0 0\n",
      l);
  ASSERT_EQ(l.ints.size(), 1u);  // appended with what was read; the rest of the file is skipped
  EXPECT_EQ(l.ints[0].ignorSb, 0);
}

TEST_F(FgrRead, ProceduresAndCombinationsCount) {
  std::istringstream procs("title\n//== one\nProc\nFade\n//==\nLaser\nDraw\n");
  GenSectionLoop(procs, 1, "T", "p",
                 [&](std::istream& s, std::string& m) { FgrAGen_ReadProcSection(s, l.procs, m); });
  ASSERT_EQ(l.procs.size(), 2u);
  EXPECT_EQ(l.procs[1].procNom, 2);
  EXPECT_EQ(l.procs[1].namePart1 + "_" + l.procs[1].namePart2, "Laser_Draw");
  std::istringstream kombis("title\n//==\nA\n//==\nB\n//==\nC\n//==\n");
  GenSectionLoop(kombis, 1, "T", "k",
                 [&](std::istream& s, std::string& m) { FgrAGen_ReadKombiSection(s, l.kombis, m); });
  ASSERT_EQ(l.kombis.size(), 3u);  // the last marker has no name line: nothing is added for it
  EXPECT_EQ(l.kombis[0].kombiNom, -1);
  EXPECT_EQ(l.kombis[2].kombiNom, -3);
  EXPECT_EQ(fgrGen.kombiCount, 3);
}

TEST_F(FgrRead, HitBarChannelCounts) {
  std::string fifty;
  for (int i = 1; i <= 50; i++) fifty += "c" + std::to_string(i) + "\n";
  ReadBoes(
      "//==\n//\nHp\n2\nFire\nIce\n"
      "//==\n//\nMana\n1\nVhod\n"
      "//==\n//\nZero\n0\n//== inside\n//\nAfterZero\n51\nnot-a-channel\n"
      "//==\n//\nBig\n50\n" +
          fifty,
      l);
  ASSERT_EQ(l.boes.size(), 5u);
  int noms[] = {1, 3, 5, 7, 9};
  for (int i = 0; i < 5; i++) EXPECT_EQ(l.boes[i].bcNom, noms[i]);
  EXPECT_EQ(l.boes[3].name,
            "AfterZero");             // count 0 reads no channel: the marker after it opens a section
  ASSERT_EQ(l.channels.size(), 53u);  // count 51 reads none either
  EXPECT_EQ(l.channels[1].name, "Ice");
  EXPECT_EQ(l.channels[1].k, 2);
  EXPECT_EQ(l.channels[2].bcNom, 3);
  EXPECT_EQ(l.channels[2].k, 1);
  EXPECT_EQ(l.channels[52].name, "c50");
  EXPECT_EQ(l.channels[52].k, 50);
  EXPECT_EQ(l.channels[52].bcNom, 9);
  EXPECT_EQ(fgrGen.kvCount, 53);
  EXPECT_EQ(fgrGen.bcCount, 5);
}

TEST_F(FgrRead, ChannelListCutByTheEndAddsNoEmptyChannel) {
  ReadBoes("//==\n//\nHp\n3\nFire\n", l);
  ASSERT_EQ(l.channels.size(), 1u);
  EXPECT_EQ(l.channels[0].name, "Fire");
}

}  // namespace
