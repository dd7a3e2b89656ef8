// Named-variable files: master text -> tables -> binary file -> tables, and the fall-backs.
#include <cstdio>
#include <cstring>
#include <fstream>

#include "figures/org_files.h"
#include "figures_fixture.h"

namespace {

class OrgFilesTest : public FiguresTest {
 protected:
  void SetUp() override {
    FiguresTest::SetUp();
    OrgFiles.gsFileOrgMix = TestFileName("orgmix.txt");
    OrgFiles.gsFileO2O3Bin = TestFileName("o2o3.bin");
    std::remove(OrgFiles.gsFileOrgMix.c_str());
    std::remove(OrgFiles.gsFileO2O3Bin.c_str());
    std::remove((OrgFiles.gsFileO2O3Bin + "_bak").c_str());
  }
  static std::string Entry(const char* type, int n, const char* value) {
    return std::string("//==========\r\n// comment\r\n") + type + "\r\nName\r\nclr\r\n" +
           std::to_string(n) + " 0 1 " + value + " 0 0 0 0 // rest\r\n";
  }
};

TEST_F(OrgFilesTest, MasterBuildsTheTablesAndTheBinaryFileThatReadsBackTheSame) {
  std::string text = "head one\r\nhead two\r\n";
  text += Entry("int", 3, "1");
  text += "some line between entries\r\n";
  text += Entry("  integer", 48, "-7");
  text += Entry("flo", 11, "0.25");
  text += Entry("anything", 25, "12.5");
  text += Entry("int", 0, "5");  // out of range: nothing
  text += Entry("int", 251, "5");
  text += Entry("float", 151, "5");
  text += Entry("int", 250, "9");
  text += Entry("int", 250, "10");  // a later entry overwrites
  WriteAll(OrgFiles.gsFileOrgMix, text);
  WriteAll(OrgFiles.gsFileO2O3Bin, "old");

  Org_LoadAtStart();
  EXPECT_EQ(org2n[3], 1);
  EXPECT_EQ(org2n[48], -7);
  EXPECT_EQ(orgFn[11], 0.25f);
  EXPECT_EQ(orgFn[25], 12.5f);
  EXPECT_EQ(org2n[250], 10);
  EXPECT_EQ(org2n[0], 0);

  FILE* f = fopen(OrgFiles.gsFileO2O3Bin.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  unsigned char head[12];
  ASSERT_EQ(fread(head, 1, 12, f), 12u);
  fseek(f, 0, SEEK_END);
  EXPECT_EQ(ftell(f), 1624);
  fclose(f);
  int len, magic, count;
  std::memcpy(&len, head, 4);
  std::memcpy(&magic, head + 4, 4);
  std::memcpy(&count, head + 8, 4);
  EXPECT_EQ(len, 1624);
  EXPECT_EQ(magic, 1913732);
  EXPECT_EQ(count, 251);
  EXPECT_FALSE(ReadAll(OrgFiles.gsFileO2O3Bin + "_bak").empty());  // the old binary file is kept

  int ints[251];
  float flos[151];
  std::memcpy(ints, org2n, sizeof(ints));
  std::memcpy(flos, orgFn, sizeof(flos));
  std::remove(OrgFiles.gsFileOrgMix.c_str());  // a shipped installation: binary only
  Org_LoadAtStart();
  EXPECT_EQ(std::memcmp(ints, org2n, sizeof(ints)), 0);
  EXPECT_EQ(std::memcmp(flos, orgFn, sizeof(flos)), 0);
}

TEST_F(OrgFilesTest, AMasterThatDoesNotParseFallsBackToTheBinaryFile) {
  org2n[5] = 42;
  orgFn[3] = 0.5f;
  Org_SaveBin();
  std::string text = "h1\nh2\n";
  text += Entry("int", 7, "3");
  text += "//==\n x\nint\n y\n z\nnot-a-number 0 0 1\n";
  WriteAll(OrgFiles.gsFileOrgMix, text);
  Org_LoadAtStart();
  EXPECT_EQ(org2n[5], 42);
  EXPECT_EQ(orgFn[3], 0.5f);
  EXPECT_EQ(org2n[7], 0);  // nothing of the broken master stays
  EXPECT_NE(LogText().find("\nOrg_ReadMixAtStart: " + OrgFiles.gsFileOrgMix + " stops at line 14; " +
                           OrgFiles.gsFileO2O3Bin + " is read instead"),
            std::string::npos)
      << LogText();
}

TEST_F(OrgFilesTest, MasterWithoutEntriesStillRewritesTheBinaryFileWithZeros) {
  org2n[9] = 4;
  Org_SaveBin();
  WriteAll(OrgFiles.gsFileOrgMix, "a\nb\n");
  Org_LoadAtStart();
  org2n[9] = 5;
  ASSERT_EQ(Org_LoadBin(), 1);
  EXPECT_EQ(org2n[9], 0);
}

TEST_F(OrgFilesTest, BinaryReaderRefusesWrongCountsAndShortFiles) {
  org2n[1] = 11;
  orgFn[1] = 2.5f;
  Org_SaveBin();
  std::string bytes = ReadAll(OrgFiles.gsFileO2O3Bin);
  ASSERT_EQ(bytes.size(), 1624u);

  std::string bad = bytes;
  int c250 = 250;
  std::memcpy(bad.data() + 8, &c250, 4);
  WriteAll(OrgFiles.gsFileO2O3Bin, bad);
  org2_Init();
  EXPECT_EQ(Org_LoadBin(), 0);
  EXPECT_EQ(org2n[1], 0);

  bad = bytes;
  int c150 = 150;
  std::memcpy(bad.data() + 1016, &c150, 4);
  WriteAll(OrgFiles.gsFileO2O3Bin, bad);
  orgF_Init();
  EXPECT_EQ(Org_LoadBin(), 0);
  EXPECT_EQ(org2n[1], 11);  // the integers stay loaded
  EXPECT_EQ(orgFn[1], 0.0f);

  for (size_t cut : {0u, 10u, 600u, 1016u, 1500u, 1623u}) {
    WriteAll(OrgFiles.gsFileO2O3Bin, bytes.substr(0, cut));
    org2_Init();
    orgF_Init();
    EXPECT_EQ(Org_LoadBin(), 0) << cut;
    EXPECT_EQ(orgFn[1], 0.0f) << cut;
  }
  std::remove(OrgFiles.gsFileO2O3Bin.c_str());
  EXPECT_EQ(Org_LoadBin(), 0);
}

TEST_F(OrgFilesTest, TheShippedMasterParsesWhole) {
  OrgFiles.gsFileOrgMix = std::string(TOLV_SOURCE_DIR) + "/gm/__orgmix.txt";
  ASSERT_EQ(Org_ReadMixAtStart(), 1);
  int named = 0;
  for (int n = 1; n <= org2::Last; n++) named += org2n[n] != 0;
  EXPECT_GT(named, 0);  // start values came through
  Org_SaveBin();
  int ints[251];
  std::memcpy(ints, org2n, sizeof(ints));
  org2_Init();
  ASSERT_EQ(Org_LoadBin(), 1);
  EXPECT_EQ(std::memcmp(ints, org2n, sizeof(ints)), 0);
}

}  // namespace
