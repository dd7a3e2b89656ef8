// The text preset reader: records by property name, line ends, what it skips with a log line, and
// files it refuses whole (missing, huge) without touching the figure. Hostile files run under the
// sanitizers in the asan build.
#include <string>

#include "catalogue/presets.h"
#include "figures/fa_proc_env.h"
#include "figures/figures_fixture.h"
#include "shell/random.h"

namespace {

class TextPresetTest : public FiguresTest {
 protected:
  std::string name_;  // the preset's file name, the test's own

  void SetUp() override {
    FiguresTest::SetUp();
    name_ = "txt_" + TestName() + ".txt";
  }
  void TearDown() override { std::remove(("uni_files/res/" + name_).c_str()); }

  void Write(const std::string& text) { ASSERT_TRUE(WriteAll("uni_files/res/" + name_, text)); }
};

}  // namespace

TEST_F(TextPresetTest, RecordsAreReadByPropertyNameAndProblemsAreSkippedWithALogLine) {
  Write(
      "free comment\r\n"
      "//==\r\nTex1\r\n12abc\r\n"  // CR LF; the leading integer
      "//== the marker may carry text\nhaf\n2.75 and more\n"
      " //==\nfcr\n0.5\n"  // a blank before the marker opens nothing
      "fcr\n0.5\n"
      "//==\nwaitFull\n2.5\n"                          // a float into an int keeps its integer part
      "//==\nwaitNow\nletters\n"                       // no number gives 0
      "//==\nbornTehnola\n7\n//==\nbornTehnola\n-8\n"  // the last one counts
      "//==\nNoSuchProperty\n5\n"
      "//==\nTex1 \n99\n"       // names are taken whole
      "//==\nnom\n5\n"          // read-only: the slot number
      "//==\nSub_Kno_now\n3\n"  // read-only: a chain count
      "//==\nstatus\n111\n"     // a preset never sets the kind
      "//==\nfloX\n500\n"       // outside the clamp 0.15..105
      "//==\nfloX\n3.5\n"
      "//==\nxExpNext\n99999999999\n"  // no int
      "//==\nfcg\n1e999\n"             // no float
      "//==\nSub_Kno_max\n20\n"
      "//==\n");  // a marker at the end: no record
  Fgr* f = Fgrs.AddFgr(206, 0);
  ASSERT_NE(f, nullptr);
  int nom = f->nom;
  f->waitNow = 77;
  EXPECT_EQ(PropsReadTxt(name_.c_str(), f), 1);
  EXPECT_EQ(f->Tex1, 12);
  EXPECT_FLOAT_EQ(f->haf, 2.75f);
  EXPECT_FLOAT_EQ(f->fcr, 1.0f);
  EXPECT_EQ(f->waitFull, 2);
  EXPECT_EQ(f->waitNow, 0);
  EXPECT_EQ(f->bornTehnola, -8);
  EXPECT_EQ(f->nom, nom);
  EXPECT_EQ(f->Sub_Kno_now, 0);
  EXPECT_EQ(f->status, 206);
  EXPECT_FLOAT_EQ(f->floX, 3.5f);
  EXPECT_EQ(f->xExpNext, 0);
  EXPECT_FLOAT_EQ(f->fcg, 1.0f);
  EXPECT_EQ(f->Sub_Kno_max, 20);  // the reader keeps it; PropsFill's finishing step clamps
  std::string log = LogText();
  EXPECT_EQ(CountOf(log, "\nPropsReadTxt: "), 9) << log;
  EXPECT_NE(log.find("no property NoSuchProperty"), std::string::npos);
  EXPECT_NE(log.find("read-only property nom"), std::string::npos);
  EXPECT_NE(log.find("read-only property status"), std::string::npos);
  EXPECT_NE(log.find("outside the clamp of floX"), std::string::npos);
  EXPECT_NE(log.find("out of range for xExpNext"), std::string::npos);
  EXPECT_NE(log.find("record without a name"), std::string::npos);
}

TEST_F(TextPresetTest, MissingShortHugeAndEmptyFiles) {
  Fgr* f = Fgrs.AddFgr(207, 0);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(PropsFill(txt_PatBunker1, f, 1), 0);  // no such file is shipped or written
  EXPECT_EQ(f->status, 0);
  EXPECT_EQ(LogText(), "\nPropsReadTxt: Err: нет файла uni_files/res/txt_PatBunker1.txt\n");

  Fgr* g = Fgrs.AddFgr(206, 0);
  EXPECT_EQ(PropsReadTxt("a.tx", g), 0);  // four bytes: no preset, no log line
  EXPECT_EQ(PropsReadTxt(nullptr, g), 0);
  EXPECT_EQ(PropsReadTxt(name_.c_str(), nullptr), 0);
  EXPECT_EQ(CountOf(LogText(), "\n"), 2);
  EXPECT_EQ(PropsReadTxt(std::string(200, 'n').c_str(), g), 0);
  EXPECT_EQ(CountOf(LogText(), "longer than 113"), 1);

  std::string huge = "//==\nTex1\n5\n";
  huge += std::string(kTxtFileMax, '#');
  Write(huge);
  EXPECT_EQ(PropsReadTxt(name_.c_str(), g), 0);
  EXPECT_EQ(g->Tex1, 0);
  EXPECT_NE(LogText().find("is larger than"), std::string::npos);

  Write("");
  EXPECT_EQ(PropsReadTxt(name_.c_str(), g), 1);  // opened: nothing to write is no failure
}

TEST_F(TextPresetTest, ThePresetIdsReadTheirFilesAndFinishLikeCodePresets) {
  ASSERT_TRUE(WriteAll("uni_files/res/txt_ZavBunker1.txt", "//==\nSub_Kno_max\n20\n//==\nTex1\n35\n"));
  Fgr* f = Fgrs.AddFgr(206, 0);
  EXPECT_EQ(PropsFill(txt_ZavBunker1, f, 1), 1);
  EXPECT_EQ(f->Sub_Kno_max, 18);
  EXPECT_EQ(f->Tex1, 35);
  std::remove("uni_files/res/txt_ZavBunker1.txt");
}

TEST_F(TextPresetTest, HostileFilesWriteOnlyPropertiesAndTheLogStaysShort) {
  // Random bytes with many markers, NULs inside names, long lines, numbers at the edges.
  RandSeed(77);
  std::string junk;
  for (int i = 0; i < 4000; i++) {
    switch (Rand() % 6) {
      case 0: junk += "//==\n"; break;
      case 1: junk += std::string("Tex1\0junk\n", 10); break;
      case 2: junk += std::string(Rand() % 600, static_cast<char>(Rand() % 256)) + "\n"; break;
      case 3: junk += "-2147483648\n2147483648\n"; break;
      case 4: junk += "\r\r\n\n"; break;
      default: junk += static_cast<char>(Rand() % 256); break;
    }
  }
  Write(junk);
  Fgr* f = Fgrs.AddFgr(208, 0);
  Fgr before = *f;
  EXPECT_EQ(PropsReadTxt(name_.c_str(), f), 1);
  EXPECT_EQ(f->nom, before.nom);
  EXPECT_EQ(f->status, before.status);
  EXPECT_EQ(f->UN, before.UN);
  EXPECT_EQ(f->Tex1, 0);
  // At most kTxtLogMax lines and one line counting the rest.
  EXPECT_LE(CountOf(LogText(), "\nPropsReadTxt: "), kTxtLogMax + 1);
}
