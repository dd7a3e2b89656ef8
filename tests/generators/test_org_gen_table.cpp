// The shipped named-variable table and its committed header: the header regenerates byte for byte,
// the hand-written declarations match it, the compiled tables answer as the variable list says,
// and the chosen start values let the game play.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "generators/gen_table.h"
#include "generators/org_gen.h"
#include "gm/org_base.h"
#include "shell/log.h"
#include "test_files.h"

namespace {

std::set<std::string> Matches(const std::string& text, const std::string& pattern) {
  std::set<std::string> out;
  std::regex re(pattern);
  for (std::sregex_iterator i(text.begin(), text.end(), re), end; i != end; ++i) out.insert((*i)[1]);
  return out;
}

// The shipped table read by the generator's own parser, numbers not yet checked.
void ReadShippedTable(GenOrgList& ints, GenOrgList& flos) {
  std::ifstream in(SourcePath("gm/__orgmix.txt"));
  GenSectionLoop(in, 2, "Org", "gm/__orgmix.txt",
                 [&](std::istream& s, std::string& marker) { Org_ParseMix(s, ints, flos, marker, 2); });
}

const GenOrgVar* Find(const GenOrgList& list, const std::string& name) {
  for (const GenOrgVar& v : list)
    if (v.name == name) return &v;
  return nullptr;
}

}  // namespace

TEST(OrgTable, CommittedHeaderRegenerates) {
  std::filesystem::create_directories("org_regen");
  Logger.gsFileLog = "org_regen/log.txt";
  std::filesystem::remove(Logger.gsFileLog);  // the log is appended to: only this run's lines
  std::filesystem::copy_file(SourcePath("gm/__orgmix.txt"), "org_regen/__orgmix.txt",
                             std::filesystem::copy_options::overwrite_existing);
  gsFileOrgGenIn = "org_regen/__orgmix.txt";
  gsFileOrgBaseA = "org_regen/org_base_a.h";
  std::filesystem::remove(gsFileOrgBaseA);
  Org_ReStart();
  std::string fresh = ReadAll(gsFileOrgBaseA);
  ASSERT_FALSE(fresh.empty());
  EXPECT_TRUE(fresh == ReadAll(SourcePath("gm/org_base_a.h")))
      << "gm/org_base_a.h is not what gm/__orgmix.txt gives: run the regen target "
         "(cmake --build --preset default --target regen)";
  EXPECT_EQ(ReadAll(Logger.gsFileLog).find("Err"), std::string::npos);  // no bad or repeated number
}

TEST(OrgTable, DeclarationsMatchTheGeneratedDefinitions) {
  std::string gen = ReadAll(SourcePath("gm/org_base_a.h"));
  std::string decl = ReadAll(SourcePath("gm/org_base.h"));
  EXPECT_EQ(Matches(gen, R"(\nint& (\w+) = org2n)"), Matches(decl, R"(\nextern int& (\w+);)"));
  EXPECT_EQ(Matches(gen, R"(\nfloat& (\w+) = orgFn)"), Matches(decl, R"(\nextern float& (\w+);)"));
  EXPECT_EQ(Matches(gen, R"(\nint& (\w+) = org2n)").size(), 174u);
  EXPECT_EQ(Matches(gen, R"(\nfloat& (\w+) = orgFn)").size(), 75u);
}

TEST(OrgTable, NamesAndNumbers) {
  EXPECT_EQ(org2_NameVar(0), nullptr);
  EXPECT_EQ(org2_NameVar(16), nullptr);
  EXPECT_EQ(org2_NameVar(201), nullptr);
  EXPECT_EQ(org2_NameVar(251), nullptr);
  EXPECT_STREQ(org2_NameVar(3), "NeedExit");
  EXPECT_STREQ(org2_NameVar(200), "zEtp50");
  EXPECT_STREQ(orgF_NameVar(25), "burum_bum");
  EXPECT_STREQ(orgF_NameVar(100), "zfEtp50");
  EXPECT_EQ(orgF_NameVar(30), nullptr);
  EXPECT_EQ(org2_out(250), 0);
  EXPECT_EQ(org2_out(251), 1);
  EXPECT_EQ(orgF_out(150), 0);
  EXPECT_EQ(orgF_out(151), 1);
  // References and numbers name the same cells.
  o2::GamePause = 0;
  org2n[48] = 1;
  EXPECT_EQ(o2::GamePause, 1);
  org2n[48] = 0;
  o3::SkyR = 0.5f;
  EXPECT_FLOAT_EQ(orgFn[11], 0.5f);
  o3::SkyR = 0;
}

TEST(OrgTable, FlagsRangesStepsAndColours) {
  int blok = 0, tip = 0, etap = 0, visp = 0;
  EXPECT_EQ(org2_AnFlags(48, blok, tip, etap, visp), 1);
  EXPECT_EQ(blok, 2);
  EXPECT_EQ(tip, 1);
  EXPECT_EQ(etap, 1);
  EXPECT_EQ(org2_AnFlags(47, blok, tip, etap, visp), 1);
  EXPECT_EQ(etap, 0);
  blok = tip = etap = visp = 7;
  EXPECT_EQ(org2_AnFlags(16, blok, tip, etap, visp), 0);
  EXPECT_EQ(blok + tip + etap + visp, 28);

  int readOnly = 0, ro = 0, etapInts = 0, etapFlos = 0;
  for (int n = 1; n <= 250; n++) {
    org2_ReadOnly(n, readOnly);
    ro += readOnly;
    if (org2_AnFlags(n, blok, tip, etap, visp)) etapInts += etap;
    EXPECT_EQ(org2_NameClr(n) != nullptr, n == 1 || n == 5) << n;
  }
  for (int n = 1; n <= 150; n++) {
    if (orgF_AnFlags(n, blok, tip, etap, visp)) etapFlos += etap;
    EXPECT_EQ(orgF_NameClr(n), nullptr);
  }
  EXPECT_EQ(ro, 45);
  EXPECT_EQ(etapInts, 55);
  EXPECT_EQ(etapFlos, 66);
  EXPECT_STREQ(org2_NameClr(1), "rrqrrqr");

  int a = 0, b = 0;
  EXPECT_EQ(org2_TramVals(114, a, b), 1);
  EXPECT_EQ(b, 1);
  float fa = 0, fb = 0;
  EXPECT_EQ(orgF_TramVals(5, fa, fb), 0);
  EXPECT_EQ(orgF_TramVals(25, fa, fb), 1);
  EXPECT_FLOAT_EQ(fa, 0.00005f);
  EXPECT_FLOAT_EQ(fb, 1234567.0f);
  EXPECT_EQ(orgF_TramVals(21, fa, fb), 1);
  EXPECT_FLOAT_EQ(fa, 0.1f);

  EXPECT_EQ(org2_Adv(300), 0);
  EXPECT_EQ(org2_Adv(5), 1);
  EXPECT_EQ(org2_Adv(1), 0);
  float step = 0;
  EXPECT_EQ(orgF_Adv(30, step), 0);
  EXPECT_EQ(orgF_Adv(25, step), 1);
  EXPECT_FLOAT_EQ(step, 25.00001f);
  EXPECT_EQ(orgF_Adv(26, step), 1);
  EXPECT_FLOAT_EQ(step, 10.0f);
}

TEST(OrgTable, CommentTexts) {
  EXPECT_STREQ(org2_Koment1(3), "// поставить сюда 1 и прога завершится");
  EXPECT_STREQ(org2_Koment1(147), "// WeIsOnMenu=0;// 1= any // 2= GamePauzMenu");
  EXPECT_STREQ(org2_Koment2(1), "//   второй коментарий State2D");
  EXPECT_STREQ(org2_Koment2(151), "//   серия запасных глобалок, которые сохраняются в файл Этапа.");
  EXPECT_EQ(org2_Koment1(2), nullptr);
  EXPECT_STREQ(orgF_Koment1(25), "// 1234 burum_bum первый коментарий");
  EXPECT_STREQ(orgF_Koment2(25), "//  5678 второй коментарий");
  EXPECT_STREQ(orgF_Koment2(14), "//   Смена значений _здесь_ не работает, если грузится Готовый этап");
  EXPECT_EQ(orgF_Koment2(15), nullptr);
}

TEST(OrgTable, StagePartIs484BytesAndReadsBack) {
  FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  org2_Init();
  orgF_Init();
  o2::GamePause = 1;
  o3::SkyR = 0.25f;
  o2::zEtp50 = 77;
  org2_PartEtap_SaveTo(f);
  orgF_PartEtap_SaveTo(f);
  EXPECT_EQ(std::ftell(f), 484);
  org2_Init();
  orgF_Init();
  std::rewind(f);
  EXPECT_EQ(org2_PartEtap_LoadFr(f), 1);
  EXPECT_EQ(orgF_PartEtap_LoadFr(f), 1);
  EXPECT_EQ(o2::GamePause, 1);
  EXPECT_EQ(o2::zEtp50, 77);
  EXPECT_FLOAT_EQ(o3::SkyR, 0.25f);
  std::fclose(f);
  org2_Init();
  orgF_Init();
}

TEST(OrgTable, StartValuesLetTheGamePlay) {
  GenOrgList ints, flos;
  ReadShippedTable(ints, flos);
  ASSERT_EQ(ints.size(), 174u);
  ASSERT_EQ(flos.size(), 75u);
  auto startInt = [&](const char* n) { return Find(ints, n) ? Find(ints, n)->start : -999; };
  auto startFlo = [&](const char* n) { return Find(flos, n) ? Find(flos, n)->fStart : -999.f; };
  EXPECT_EQ(startInt("NeedExit"), 0);
  EXPECT_EQ(startInt("NeedScreen"), 0);
  EXPECT_EQ(startInt("GamePause"), 0);
  EXPECT_GT(startInt("anSleepEachFrame"), 0);
  EXPECT_GE(startInt("RangNormUnitMax"), 2);  // at least one rank to climb
  EXPECT_GE(startInt("RangCaptainMax"), startInt("RangNormUnitMax"));
  EXPECT_GT(startFlo("ifcHitBarMid"), 1.0f / 0.45f);  // the smallest preset factor still gives 1 or more
  EXPECT_GT(startFlo("ifcHitBarBig"), 0.0f);
  EXPECT_GT(startFlo("ifcDamageMid"), 1.0f / 0.8f);
  EXPECT_GT(startFlo("ifcDamageBig"), 0.0f);
  // Every start value lies inside its own clamp range, so the editor does not move it at once.
  for (const GenOrgVar& v : ints) {
    if (v.min != 0 || v.max != 0) {
      EXPECT_TRUE(v.start >= v.min && v.start <= v.max) << v.name;
    }
  }
  for (const GenOrgVar& v : flos) {
    if (v.fMin != 0 || v.fMax != 0) {
      EXPECT_TRUE(v.fStart >= v.fMin && v.fStart <= v.fMax) << v.name;
    }
  }
}
