// The coloured-word list of start-up: record forms, ordering, the end marker, the saved list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/startup.h"
#include "test_files.h"

namespace {

class PaintWordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories("uni_files");
    // tests run in parallel processes: one written list each
    FileNames.gsFileTestPaint = "uni_files/" + TestFileName("test_paint.txt");
    std::filesystem::remove(FileNames.gsFileTestPaint);
    PaintWords.rows.clear();
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
  EXPECT_EQ(ReadAll(FileNames.gsFileTestPaint), "longer\nab\nxy\ncd\nz\ny\n");
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
  PaintWords.rows.push_back({"kept", "rrrr"});
  PaintWords_Load("no_such_paintword.txt");
  EXPECT_EQ(PaintWords.rows.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(FileNames.gsFileTestPaint));
}

}  // namespace
