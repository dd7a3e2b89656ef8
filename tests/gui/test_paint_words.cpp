// The coloured words: the list's record forms, ordering, the end marker, the saved list (written
// only when it differs); the row colouring's index finds the same words as the rule's linear
// search, on the shipped texts and on long crafted lists.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "gui/paint_words.h"
#include "paint_oracle.h"
#include "shell/file_names.h"
#include "test_files.h"

namespace {

class PaintWordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories("uni_files");
    // tests run in parallel processes: one written list each
    FileNames.gsFileTestPaint = "uni_files/" + TestFileName("test_paint.txt");
    std::filesystem::remove(FileNames.gsFileTestPaint);
    PaintWords_Set({});
  }
};

TEST_F(PaintWordsTest, RecordFormsAndOrder) {
  WriteAll("pw.txt",
           "title\n"
           "--\n0\r\nab\r\nqq\r\n"              // two letters, colours from the next line
           "--\n2 103 98 codes\nxy\nignored\n"  // colour codes by number
           "--\n-1\nskipped\nskipped\n"
           "--\n0\nlonger\n\n"  // empty colours become r
           "--\n0\nz\nb\n"      // one letter: appended in file order
           "--\n0\n\nq\n"       // empty word: nothing
           "--\n0\ncd\ng\n"
           "--\n0\ny\nc\n");
  PaintWords_Load("pw.txt");
  std::vector<std::pair<std::string, std::string>> want = {
      {"longer", "rrrrrr"}, {"ab", "qq"}, {"xy", "gb"}, {"cd", "gg"}, {"z", "b"}, {"y", "c"}};
  EXPECT_EQ(PaintWords.rows, want);
  const std::string written = "longer\nab\nxy\ncd\nz\ny\n";
  EXPECT_EQ(ReadAll(FileNames.gsFileTestPaint), written);
  // The next start finds its words written and leaves the file alone (a save replaces the file, so
  // a write shows as another inode); a list of other bytes, even of the same size, is written over.
  struct stat first, again;
  ASSERT_EQ(stat(FileNames.gsFileTestPaint.c_str(), &first), 0);
  PaintWords_Load("pw.txt");
  ASSERT_EQ(stat(FileNames.gsFileTestPaint.c_str(), &again), 0);
  EXPECT_EQ(again.st_ino, first.st_ino);
  WriteAll(FileNames.gsFileTestPaint, "longer\nab\nxy\ncd\nz\nq\n");
  PaintWords_Load("pw.txt");
  EXPECT_EQ(ReadAll(FileNames.gsFileTestPaint), written);
}

TEST_F(PaintWordsTest, EndMarkerAndBadCountsEndTheReading) {
  WriteAll("pw_end.txt", "t\n--\n0\nabcdef\nr\n--\n0\n-=end=-more\nr\n--\n0\nlater\nr\n");
  PaintWords_Load("pw_end.txt");
  ASSERT_EQ(PaintWords.rows.size(), 1u);
  WriteAll("pw_end6.txt", "t\n--\n0\n-=end=\nr\n--\n0\nlater\nr\n");  // six characters never end it
  PaintWords_Load("pw_end6.txt");
  EXPECT_EQ(PaintWords.rows.size(), 2u);
  WriteAll("pw_bad.txt", "t\n--\n0\nfirst\nr\n--\nnot a number\nsecond\nr\n");
  PaintWords_Load("pw_bad.txt");
  ASSERT_EQ(PaintWords.rows.size(), 1u);
  EXPECT_EQ(PaintWords.rows[0].first, "first");
  // a huge count on a short line must not spin
  WriteAll("pw_huge.txt", "t\n--\n2000000000 114\nword\n");
  PaintWords_Load("pw_huge.txt");
  EXPECT_TRUE(PaintWords.rows.empty());
}

TEST_F(PaintWordsTest, MissingFileKeepsTheListAndWritesNothing) {
  PaintWords_Set({{"kept", "rrrr"}});
  PaintWords_Load("no_such_paintword.txt");
  EXPECT_EQ(PaintWords.rows.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(FileNames.gsFileTestPaint));
}

// Every position of the row finds the same word both ways (the slow oracle only on rows it can
// afford), and the row's colours are the same bytes.
void ExpectSameColours(const std::string& row, bool everyPosition, const std::string& what) {
  if (everyPosition) {
    for (int p = 0; p < (int)row.size(); p++) {
      const int fast = TextEd_PaintWordAt(row, p), slow = LinearPaintWordAt(row, p);
      if (fast != slow) {
        ADD_FAILURE() << what << " at " << p << ": " << fast << " for " << slow;
        break;
      }
    }
  }
  std::string fast, slow;
  TextEd_ColourLine(row, fast);
  TextEd_ColourLine(row, slow, LinearPaintWordAt);
  EXPECT_EQ(fast, slow) << what;
}

std::vector<std::string> Rows(const std::string& text) {
  std::vector<std::string> rows;
  std::istringstream in(text);
  for (std::string row; std::getline(in, row);) rows.push_back(row);
  return rows;
}

TEST_F(PaintWordsTest, TheShippedTextsColourAsTheLinearSearchColoursThem) {
  PaintWords_Load(SourcePath("uni_files/res/paintword.txt"));
  ASSERT_GT(PaintWords.rows.size(), 10u);
  int rows = 0;
  for (const char* dir : {"uni_files", "gm"})
    for (const auto& e : std::filesystem::recursive_directory_iterator(SourcePath(dir))) {
      if (e.path().extension() != ".txt") continue;
      for (const std::string& row : Rows(ReadAll(e.path()))) {
        ExpectSameColours(row, true, e.path().string());
        rows++;
      }
    }
  for (const std::string& row : Rows(ReadAll(SourcePath("_about_.txt"))))
    ExpectSameColours(row, true, "about");
  EXPECT_GT(rows, 1000);
  std::string clr;
  TextEd_ColourLine("  return LogInfo(x);", clr);  // two shipped words among plain text
  EXPECT_EQ(clr, "  dddddd ccccccc    ");
}

// Words of a few letters that share their beginnings, delimiters among them and bytes above 127
// (the index orders bytes unsigned), every 97th row a copy of an earlier word with other colours,
// every 101st empty.
std::vector<std::pair<std::string, std::string>> CraftedList(std::mt19937& rnd, int n) {
  static const char kBytes[] = {'a', 'b', 'a', 'b', 'c', '(', '.', ' ', '\xE0', '\xFF', '_', '1'};
  static const char* const kStems[] = {"", "a", "ab", "aab", "\xE0\xE0", "a.b", "abababab"};
  std::vector<std::pair<std::string, std::string>> rows;
  for (int i = 0; i < n; i++) {
    std::string w;
    if (i % 101 == 100) {
      w.clear();
    } else if (i % 97 == 96) {
      w = rows[rnd() % rows.size()].first;
    } else {
      w = kStems[rnd() % std::size(kStems)];
      for (int k = (int)(rnd() % 9); k > 0; k--) w += kBytes[rnd() % sizeof kBytes];
    }
    rows.push_back({w, std::string(w.size(), (char)('a' + i % 26))});
  }
  return rows;
}

// A text of the list's own words with other bytes between them, and after each a run of plain
// letters that begin no word (the long rows: the linear search tries every word for each token).
std::string CraftedText(std::mt19937& rnd, size_t length, int plain = 0) {
  static const char* const kGlue[] = {" ", "", "(", ".", "ab", "\"q\"", "x", "\xE0", "7", "0x"};
  std::string text;
  while (text.size() < length) {
    const auto& rows = PaintWords.rows;
    if (!rows.empty()) text += rows[rnd() % rows.size()].first;
    text += kGlue[rnd() % std::size(kGlue)];
    text.append((size_t)plain, 'z');
  }
  text.resize(length);
  return text;
}

// A crafted list of as many rows written as the loader reads it, and loaded: it holds the list as
// its rule builds it, a longer word before the first shorter one, and colours as the linear search
// does with it. With check off only the load.
void LoadCraftedList(std::mt19937& rnd, bool check) {
  std::string file = "title\n";
  GuiList byLength;
  int taken = 0;
  for (const auto& row : CraftedList(rnd, 9999)) {
    if (row.first.empty() || taken == 9600) continue;
    taken++;
    file += "--\n0\n" + row.first + "\n" + row.second + "\n";
    if (!check) continue;
    if (row.first.size() == 1) GuiList_Insert(&byLength, row.first, row.second, -1, 1);
    else GuiList_InsertByLen(&byLength, row.first, row.second);
  }
  WriteAll("pw_crafted.txt", file);
  PaintWords_Load("pw_crafted.txt");
  if (!check) return;
  ASSERT_EQ(PaintWords.rows, byLength.rows);
  for (int i = 0; i < 20; i++) ExpectSameColours(CraftedText(rnd, rnd() % 200), true, "loaded row");
}

// Each a test of its own, so that each takes a part of the time.
TEST_F(PaintWordsTest, LongCraftedListsColourAsTheLinearSearchColoursThem) {
  std::mt19937 rnd(39);
  // In any order: the first row in the list's order wins, whatever its length.
  PaintWords_Set(CraftedList(rnd, 9999));
  for (int i = 0; i < 60; i++)
    ExpectSameColours(CraftedText(rnd, rnd() % 200), true, "row " + std::to_string(i));
  ExpectSameColours(CraftedText(rnd, 100000, 60), false, "the long row");
}

TEST_F(PaintWordsTest, ALongCraftedListLoadsLongestFirst) {
  std::mt19937 rnd(40);
  LoadCraftedList(rnd, true);
}

TEST_F(PaintWordsTest, ASecondLongListLoadedReplacesTheFirstOnesWords) {
  std::mt19937 rnd(41);
  LoadCraftedList(rnd, false);
  LoadCraftedList(rnd, true);
  ExpectSameColours(CraftedText(rnd, 100000, 60), false, "the long row, loaded");
}

}  // namespace
