// Named-variable generator: the section parser, the number check, and the header written from
// small tables (expected texts checked line by line against the writer's templates).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "generators/org_gen.h"
#include "pieces.h"
#include "shell/log.h"
#include "test_files.h"

namespace {

std::string Fixture(const std::string& name) { return ReadAll(SourcePath("tests/generators/" + name)); }

// The tests of one executable run side by side in one directory: each gets a folder of its own,
// and the generator's files and the log are pointed into it.
std::string Scratch() {
  std::string dir = TestScratchDir("org_").string() + "/";
  gsFileOrgGenIn = dir + "__orgmix.txt";
  gsFileOrgBaseA = dir + "org_base_a.h";
  Logger.gsFileLog = dir + "log.txt";
  return dir;
}

// Runs the whole generator on a table; the header text, or "" when none was written.
std::string RunOrg(const std::string& table) {
  Scratch();
  WriteAll(gsFileOrgGenIn, table);
  Org_ReStart();
  return ReadAll(gsFileOrgBaseA);
}

GenOrgList ParseInts(const std::string& marker, const std::string& body, GenOrgList* flos = nullptr) {
  std::istringstream in(body);
  std::string m = marker;
  GenOrgList ints, fl;
  Org_ParseMix(in, ints, fl, m, 2);
  if (flos) *flos = fl;
  return ints;
}

}  // namespace

TEST(OrgParse, IntegerSectionFields) {
  std::istringstream in("x/ note\nint\nEngText\naaggbba\n5 1 3 42 -3 0 10 2 // why\nnext line\n");
  std::string marker = "//==  Language  ";
  GenOrgList ints, flos;
  Org_ParseMix(in, ints, flos, marker, 2);
  ASSERT_EQ(ints.size(), 1u);
  EXPECT_TRUE(flos.empty());
  const GenOrgVar& v = ints[0];
  EXPECT_EQ(v.koment1, "// Language");
  EXPECT_EQ(v.koment2, "//   note");  // the blank after "x/" stays
  EXPECT_EQ(v.tip, 1);
  EXPECT_EQ(v.blok, 2);
  EXPECT_EQ(v.name, "EngText");
  EXPECT_EQ(v.nameClr, "aaggbba");
  EXPECT_EQ(v.id, 5);
  EXPECT_EQ(v.readOnly, 1);
  EXPECT_EQ(v.etap, 3);
  EXPECT_EQ(v.start, 42);
  EXPECT_EQ(v.adv, 3);  // a negative step is kept positive
  EXPECT_EQ(v.min, 0);
  EXPECT_EQ(v.max, 10);
  EXPECT_EQ(v.visp, 2);
  std::string rest;
  std::getline(in, rest);
  EXPECT_EQ(rest, "next line");  // the number line's free comment was skipped, nothing more
}

TEST(OrgParse, FloatSectionFields) {
  GenOrgList flos;
  GenOrgList ints = ParseInts("//==", "ab\nflo\nFogR\nxx\n17 0 1 1.5 -0.5 0.25 2 3\n", &flos);
  EXPECT_TRUE(ints.empty());
  ASSERT_EQ(flos.size(), 1u);
  const GenOrgVar& v = flos[0];
  EXPECT_EQ(v.koment1, "");  // bare marker
  EXPECT_EQ(v.koment2, "");  // two characters are no comment
  EXPECT_EQ(v.nameClr, "");  // colour line of another length than the name
  EXPECT_EQ(v.tip, 2);
  EXPECT_EQ(v.id, 17);
  EXPECT_EQ(v.etap, 1);
  EXPECT_FLOAT_EQ(v.fStart, 1.5f);
  EXPECT_FLOAT_EQ(v.fAdv, 0.5f);
  EXPECT_FLOAT_EQ(v.fMin, 0.25f);
  EXPECT_FLOAT_EQ(v.fMax, 2.0f);
  EXPECT_EQ(v.visp, 3);
}

TEST(OrgParse, TypeLineDecidesOrDropsTheSection) {
  GenOrgList flos;
  EXPECT_EQ(ParseInts("//==", "--\ninteger\nA\n-\n1 0 0 0 0 0 0 0\n").size(), 1u);
  ParseInts("//==", "--\nfloat\nB\n-\n1 0 0 0 0 0 0 0\n", &flos);
  EXPECT_EQ(flos.size(), 1u);

  // Neither "int" nor "flo": no record, and the name line is still to be read by the loop.
  std::istringstream in("--\nbool\nC\n-\n1 0 0 0 0 0 0 0\n");
  std::string marker = "//==";
  GenOrgList ints;
  flos.clear();
  Org_ParseMix(in, ints, flos, marker, 2);
  EXPECT_TRUE(ints.empty());
  EXPECT_TRUE(flos.empty());
  std::string next;
  std::getline(in, next);
  EXPECT_EQ(next, "C");
}

TEST(OrgParse, QuotesInCommentsAreEscaped) {
  GenOrgList ints = ParseInts("//== say \"hi\"", "//\"x\" y\nint\nA\n-\n1 0 0 0 0 0 0 0\n");
  ASSERT_EQ(ints.size(), 1u);
  EXPECT_EQ(ints[0].koment1, "// say \\\"hi\\\"");
  EXPECT_EQ(ints[0].koment2, "//  \\\"x\\\" y");
}

TEST(OrgParse, SectionCutShortMakesNoRecord) {
  EXPECT_TRUE(ParseInts("//==", "--\nint\nA\n").empty());                      // file ends
  EXPECT_TRUE(ParseInts("//==", "--\nint\nA\n-\n1 0 0 5\n").empty());          // numbers end
  EXPECT_TRUE(ParseInts("//==", "--\nint\nA\n-\n1 0 x 0 0 0 0 0\n").empty());  // not a number
}

TEST(OrgCheck, NumbersOutOfRangeAndRepeatsAreLeftOut) {
  Scratch();
  GenOrgList ints(6), flos(1);
  const int ids[] = {0, 1, 9500, 9501, 7, 7};
  for (int i = 0; i < 6; i++) {
    ints[i].id = ids[i];
    ints[i].blok = 2;
    ints[i].name = std::string(1, char('a' + i));
  }
  flos[0].id = 7;
  flos[0].blok = 2;
  Org_CheckIds(ints, flos);
  std::vector<int> bloks;
  for (const GenOrgVar& v : ints) bloks.push_back(v.blok);
  EXPECT_EQ(bloks, (std::vector<int>{20, 2, 2, 20, 2, 200}));  // the first of a number wins
  EXPECT_EQ(flos[0].blok, 2);                                  // integers and floats are numbered apart
  EXPECT_EQ(OrgIntCount, 4);                                   // 1 + three kept
  EXPECT_EQ(OrgFloCount, 2);
  std::string log = ReadAll(Logger.gsFileLog);
  ExpectHas(log, {"\nOrg: Err int ID: 0 (Proj)  a", "\nOrg: Err int ID: 9501 (Proj)  d",
                  "\nOrg: Rep int ID: 7 (Proj)  f"});
  EXPECT_FALSE(Has(log, "flo ID"));
}

TEST(OrgWrite, SmallTableGivesTheExpectedHeader) {
  std::string h = RunOrg(Fixture("org_small/__orgmix.txt"));
  EXPECT_EQ(h, Fixture("org_small_golden.h"));

  // The edge cases, spelled out so that a wrong expected file cannot hide them.
  EXPECT_TRUE(Has(h, "\nGamePause = 7, // Pause \\\"of the game\\\""));
  EXPECT_TRUE(Has(h, "\nLast = 62;//norm ych klv:3"));  // ints 7, 9, 12 kept
  EXPECT_TRUE(Has(h, "\nLast = 57;//norm ych klv:4"));  // floats 7, 3, 4, 5
  EXPECT_FALSE(Has(h, "Twice"));                        // repeated number
  EXPECT_FALSE(Has(h, "Zero"));                         // number 0
  EXPECT_FALSE(Has(h, "Skipped"));                      // unknown type
  EXPECT_TRUE(Has(h, "\nint& q = org2n[org2::q];"));    // empty name
  EXPECT_TRUE(Has(h, "\ntv(GamePause, 0, 10)"));
  EXPECT_FALSE(Has(h, "\ntv(Speed"));  // 0 and 0: no range
  EXPECT_TRUE(Has(h, "\ntf(Quarter, 0.250f, 2.000f)"));
  EXPECT_TRUE(Has(h, "\ntf(Tenth, 0.000100f, 1.000000f)"));
  EXPECT_TRUE(Has(h, "\ntf(Nine, 0.009000f, 0.500000f)"));  // 0.009f * 1e6 cuts to 8999
  EXPECT_FALSE(Has(h, "\ntf(Flat"));
  EXPECT_FALSE(Has(h, "\npa(7, 5)"));  // read-only integer
  EXPECT_TRUE(Has(h, "\npa(9, 3)"));
  EXPECT_TRUE(Has(h, "\npa(7, 0.500000f)"));
  EXPECT_FALSE(Has(h, "\npa(5, "));  // float step below 0.00001
  EXPECT_TRUE(Has(h, "\ncase org2::GamePause:\n\treadOnly = 1; return;"));
  EXPECT_TRUE(Has(h, "\npn(7, \"rrqrrqrrq\")"));
  EXPECT_FALSE(Has(h, "\"abc\""));  // colour of another length
  EXPECT_TRUE(Has(h, "\nIntWrite( o2::GamePause, ff);\nIntWrite( o2::q, ff);\n}"));
  EXPECT_TRUE(Has(h, "\nif(t != 2) return 0;"));
  EXPECT_TRUE(Has(h, "\nFloWrite( o3::Quarter, ff);\n}"));
  EXPECT_TRUE(Has(h, "\nif(t != 1) return 0;"));
}

TEST(OrgWrite, EmptyTableStillWritesEveryBlock) {
  std::string h = RunOrg("title one\ntitle two\n");
  EXPECT_EQ(h, Fixture("org_empty_golden.h"));
  ExpectHas(h, {"\nCase = 2,\nLast = 50;//norm ych klv:0", "\nCase = 3,\nLast = 50;//norm ych klv:0"});
  ExpectHasNot(h, {"\npn(", "\npa("});
}

TEST(OrgRun, ASecondRunInOneProcessAndACrLfTableGiveTheSameHeader) {
  const std::string lf = Fixture("org_small/__orgmix.txt");
  const std::string a = RunOrg(lf);
  EXPECT_FALSE(a.empty());
  EXPECT_EQ(RunOrg(lf), a);
  EXPECT_EQ(RunOrg(CrLf(lf)), a);
}

TEST(OrgRun, MissingTableLeavesTheHeader) {
  Scratch();
  WriteAll(gsFileOrgBaseA, "old header");
  Org_ReStart();
  EXPECT_EQ(ReadAll(gsFileOrgBaseA), "old header");
  std::string log = ReadAll(Logger.gsFileLog);
  ExpectHas(log, {"\n\nOrg: ReStart  ", "\nOrg: Err: нет первичного файла __orgmix.txt \nFin.\n"});
}

TEST(OrgRun, UnreadableNumberLineEndsTheRun) {
  std::string table =
      "t\nt\n//==\n--\nint\nFirst\n-\n1 0 0 0 1 0 0 0\n"
      "//==\n--\nint\nBroken\n-\n2 zero 0 0 1 0 0 0\n"
      "//==\n--\nint\nAfter\n-\n3 0 0 0 1 0 0 0\n";
  std::string h = RunOrg(table);  // a hang here is the fault (the test has a timeout)
  EXPECT_TRUE(Has(h, "\nFirst = 1, "));
  ExpectHasNot(h, {"Broken", "After"});
  EXPECT_TRUE(Has(ReadAll(Logger.gsFileLog), "Broken"));
}

TEST(OrgRun, UnwritableHeaderIsSilent) {
  Scratch();
  WriteAll(gsFileOrgGenIn, Fixture("org_small/__orgmix.txt"));
  gsFileOrgBaseA = "no_such_folder/deeper/org_base_a.h";
  Org_ReStart();
  EXPECT_FALSE(std::filesystem::exists(gsFileOrgBaseA));
}

TEST(OrgDir, ListsTheEntriesOfAFolder) {
  std::string dir = Scratch();
  WriteAll(dir + "one.txt", "1");
  WriteAll(dir + "two.txt", "2");
  std::vector<std::string> list;
  EXPECT_EQ(DirListFiles(dir, list), 1);
  EXPECT_NE(std::find(list.begin(), list.end(), "one.txt"), list.end());
  EXPECT_NE(std::find(list.begin(), list.end(), "two.txt"), list.end());
  std::vector<std::string> none;
  EXPECT_EQ(DirListFiles(dir + "missing", none), 0);
  EXPECT_TRUE(none.empty());
}
