// Resource generator: phrase names from marker lines, the numbering of the three lists, the caps and
// cuts of the texture list, missing inputs, and the header written from small resource files.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "generators/res_gen.h"
#include "pieces.h"
#include "shell/file_names.h"
#include "shell/key_commands.h"
#include "shell/log.h"
#include "shell/msgbase.h"
#include "test_files.h"

namespace {

std::string Fixture(const std::string& name) { return ReadAll(SourcePath("tests/generators/" + name)); }

// A folder of this test's own (the tests run side by side in one directory) holding the three
// inputs, the header and the log.
void Scratch() {
  std::string dir = TestScratchDir("res_").string() + "/";
  FileNames.gsFilePixStart = dir + "pix_start.txt";
  Msgs.gsFileMsgBase = dir + "msgbase.txt";
  KeyCmds.gsFileSig = dir + "sig.txt";
  gsFileResA = dir + "res_a.h";
  Logger.gsFileLog = dir + "log.txt";
}

// Runs the generator on the given file texts; the header text, or "" when none was written.
std::string RunRes(const std::string& pix, const std::string& msg, const std::string& sig) {
  Scratch();
  WriteAll(FileNames.gsFilePixStart, pix);
  WriteAll(Msgs.gsFileMsgBase, msg);
  WriteAll(KeyCmds.gsFileSig, sig);
  ResAGen();
  return ReadAll(gsFileResA);
}

const char* kNoPix = "textures\n0\n";
const char* kNoMsg = "0\n";
const char* kNoSig = "commands\n";

std::string PixRecords(int count, int records) {
  std::string s = "textures\n" + std::to_string(count) + " // count\n";
  for (int i = 1; i <= records; i++)
    s += "--\ntex" + std::to_string(i) + "\n" + std::to_string(i) + "\nt.tga\n0\n";
  return s;
}

}  // namespace

TEST(ResName, PhraseNamesFromMarkerLines) {
  struct Case {
    const char* marker;
    int bad;
    const char* name;
  } cases[] = {
      {"//==mbHello // greeting", 0, "mbHello"},
      {"//==mbHello//greeting", 0, "mbHello"},
      {"//==  mbHello  ", 0, "mbHello"},
      {"//==mb\tHello", 0, "mb\tHello"},  // a tab is no blank here
      {"//==mbAbcd", 0, "mbAbcd"},
      {"//==mb", 1, nullptr},  // shorter than 4
      {"//==mbX", 1, nullptr},
      {"//==mb Hello", 1, nullptr},  // a blank inside
      {"//==", 1, nullptr},
      {"//== // note", 1, nullptr},
      {"//==abc//x", 1, nullptr},  // "//" before position 4
      {"ab", 1, nullptr},          // no marker at all: refused, not read past its end
  };
  for (const Case& c : cases) {
    std::string line = c.marker;
    EXPECT_EQ(ResAGen_NameFromMarker(line), c.bad) << c.marker;
    if (!c.bad) {
      EXPECT_EQ(line, c.name) << c.marker;
    }
  }
}

TEST(ResRun, BadPhraseNameTakesNoNumber) {
  std::string h =
      RunRes(kNoPix, "0\n//==mbFirst\na\nb\n//==mb Bad\nc\nd\n//==mbThird // x\ne\nf\n", kNoSig);
  EXPECT_TRUE(Has(h,
                  "\n// --- тексто-фразы..\n  int\nmbFirst = 1,\nmbErrNameParsing = 0,\nmbThird = "
                  "2,\nmbLast = 2;\n"));
  EXPECT_EQ(ResMbCount, 2);
  EXPECT_EQ(ResMbNext, 3);
}

TEST(ResRun, TextureCountAbove501IsCapped) {
  std::string h = RunRes(PixRecords(600, 600), kNoMsg, kNoSig);
  EXPECT_EQ(ResTexCount, 501);
  EXPECT_TRUE(Has(h, "\ntex501 = 501,\ntexLast = 501;"));
  EXPECT_FALSE(Has(h, "tex502"));
}

TEST(ResRun, TextureListShorterThanItsCount) {
  std::string h = RunRes(PixRecords(5, 2), kNoMsg, kNoSig);
  EXPECT_EQ(ResTexCount, 2);
  EXPECT_TRUE(Has(h, "\nconst int\ntex1 = 1,\ntex2 = 2,\ntexLast = 2;"));
}

TEST(ResRun, TextureRecordCutShortAddsNothing) {
  std::string pix = PixRecords(3, 1) + "--\ntexHalf\n";  // the file ends before the slot
  std::string h = RunRes(pix, kNoMsg, kNoSig);
  EXPECT_EQ(ResTexCount, 1);
  EXPECT_FALSE(Has(h, "texHalf"));
}

TEST(ResRun, UnreadableSlotEndsTheTextureList) {
  std::string pix =
      "textures\n3\n--\ntexA\n4\na.tga\n0\n--\ntexB\nfour\nb.tga\n0\n--\ntexC\n5\nc.tga\n0\n";
  std::string h = RunRes(pix, "0\n//==mbStill\na\nb\n", kNoSig);  // a hang here is the fault
  EXPECT_TRUE(Has(h, "\ntexA = 4,\ntexLast = 4;"));
  EXPECT_FALSE(Has(h, "texB"));
  EXPECT_TRUE(Has(h, "\nmbStill = 1,"));  // the next file is read from a clean stream
  EXPECT_TRUE(Has(ReadAll(Logger.gsFileLog), "unreadable"));
}

TEST(ResRun, NoTexturesAndNoCommands) {
  std::string h = RunRes(kNoPix, kNoMsg, kNoSig);
  EXPECT_TRUE(Has(h, "\n// --- пикселя-текстуры..\nconst int\ntexLast = 0;\n"));
  EXPECT_TRUE(Has(h, "\n// --- звуко-сэмплы..\nconst int\nsmpLast = 0;\n"));
  EXPECT_TRUE(Has(h, "\nconst int anSetKeys1_4Klv = 0;"));
  EXPECT_TRUE(Has(h, "\nclass inerProjKmd\n{\npublic:\n\n\nIKmd2  Last;\n"));
  EXPECT_TRUE(Has(h, "if( ! frs.is_open() ) return 0;\n\n\n\tfrs.close();"));
  EXPECT_TRUE(Has(h, "\"Step %d/0 ( %s ).  press Key \""));
  EXPECT_TRUE(Has(h, "\"Шаг  %d/0 ( %s ).  жми кнопку\""));
  EXPECT_EQ(CountOf(h, "Set_KeyVers2"), 0);
}

TEST(ResRun, KeyCommandsNumberedInFileOrder) {
  std::string sig = "commands\n";
  for (int i = 1; i <= 22; i++)
    sig += "//== " + std::to_string(i) + "\nK" + std::to_string(i) + "\n1 2 0 0 0 0\n";
  std::string h = RunRes(kNoPix, kNoMsg, sig);
  EXPECT_EQ(ResKmdCount, 22);
  EXPECT_TRUE(Has(h, "\nconst int anSetKeys1_4Klv = 22;"));
  EXPECT_EQ(CountOf(h, "\nIKmd2  K"), 22);
  EXPECT_EQ(CountOf(h, "IKmd2_InitFromTxtStream( K"), 22);
  EXPECT_EQ(CountOf(h, "\ncase "), 22);
  EXPECT_EQ(CountOf(h, ".Set_KeyVers2(anSetKeys1_4["), 22);
  EXPECT_LT(h.find("\nIKmd2  K1;"), h.find("\nIKmd2  K2;"));
  EXPECT_LT(h.find("\nIKmd2  K21;"), h.find("\nIKmd2  K22;"));
  EXPECT_TRUE(Has(h, "\ncase 22: return \"K22\";"));
  EXPECT_TRUE(Has(h, "\n\t\tkmdSbor.K22.Set_KeyVers2(anSetKeys1_4[22]);"));
}

TEST(ResRun, TwoMarkersInARowTakeTheSecondAsAName) {
  std::string h = RunRes(kNoPix, kNoMsg, "commands\n//== 1\n//== 2\nEsc\n");
  EXPECT_EQ(ResKmdCount, 1);
  EXPECT_TRUE(Has(h, "\nIKmd2  //== 2;"));
  EXPECT_FALSE(Has(h, "IKmd2  Esc;"));
}

TEST(ResRun, MarkerAtTheEndOfTheFileAddsNoCommand) {
  std::string h = RunRes(kNoPix, kNoMsg, "commands\n//== 1\nEsc\n//== 2");
  EXPECT_EQ(ResKmdCount, 1);
  EXPECT_TRUE(Has(h, "\nconst int anSetKeys1_4Klv = 1;"));
}

TEST(ResRun, MissingInputLeavesTheHeader) {
  for (int missing = 0; missing < 3; missing++) {
    Scratch();
    std::string* names[] = {&FileNames.gsFilePixStart, &Msgs.gsFileMsgBase, &KeyCmds.gsFileSig};
    WriteAll(FileNames.gsFilePixStart, kNoPix);
    WriteAll(Msgs.gsFileMsgBase, kNoMsg);
    WriteAll(KeyCmds.gsFileSig, kNoSig);
    std::filesystem::remove(*names[missing]);
    WriteAll(gsFileResA, "old header");
    ResAGen();
    EXPECT_EQ(ReadAll(gsFileResA), "old header") << missing;
    std::string log = ReadAll(Logger.gsFileLog);
    EXPECT_TRUE(Has(log, "\n\nResAGen: ReStart  "));
    EXPECT_TRUE(Has(log, "\nResAGen: Err: нет файла " + *names[missing] + " \nResAGen Fin.\n")) << log;
  }
}

TEST(ResWrite, SmallFilesGiveTheExpectedHeaderRunAfterRun) {
  const auto small = [] {
    return RunRes(Fixture("res_small/pix_start.txt"), Fixture("res_small/msgbase.txt"),
                  Fixture("res_small/sig.txt"));
  };
  const std::string h = small();
  EXPECT_EQ(h, Fixture("res_small_golden.h"));
  EXPECT_EQ(small(), h);  // a second run in one process
  // A run that gives the text the header holds leaves its file alone, so the build that follows
  // compiles nothing again; one that gives another text writes it.
  namespace fs = std::filesystem;
  const fs::file_time_type old = fs::last_write_time(gsFileResA) - std::chrono::hours(24);
  fs::last_write_time(gsFileResA, old);
  ResAGen();
  EXPECT_EQ(fs::last_write_time(gsFileResA), old);
  WriteAll(gsFileResA, "old header");
  fs::last_write_time(gsFileResA, old);
  ResAGen();
  EXPECT_EQ(ReadAll(gsFileResA), h);
  EXPECT_NE(fs::last_write_time(gsFileResA), old);
  // Spelled out: negative slot left out, texLast the last printed (not the largest).
  EXPECT_TRUE(Has(h, "\nconst int\ntexFont0 = 3,\ntexCursor = 1,\ntexLand = 2,\ntexLast = 2;\n"));
  EXPECT_FALSE(Has(h, "texNoSlot"));
  EXPECT_TRUE(Has(h, "\nmbHello = 1,\nmbErrNameParsing = 0,\nmbBye = 2,\nmbLast = 2;"));
  EXPECT_TRUE(Has(h, "\nIKmd2  Esc;\nIKmd2  Klik;\nIKmd2  Space;\n\nIKmd2  Last;"));
}

TEST(ResTable, CommittedHeaderRegeneratesFromTheShippedFiles) {
  std::string src = SourcePath("");
  const char* inputs[] = {"uni_files/res/pix_start.txt", "uni_files/res/msgbase.txt",
                          "uni_files/res/sig.txt"};
  for (const char* f : inputs) {
    if (!std::filesystem::exists(src + f)) GTEST_SKIP() << f << " is not shipped yet";
  }
  std::string h = RunRes(ReadAll(src + inputs[0]), ReadAll(src + inputs[1]), ReadAll(src + inputs[2]));
  ASSERT_FALSE(h.empty());
  EXPECT_TRUE(h == ReadAll(src + "gm/res_a.h"))
      << "gm/res_a.h is not what the resource files give: run the regen target "
         "(cmake --build --preset default --target regen)";
}
