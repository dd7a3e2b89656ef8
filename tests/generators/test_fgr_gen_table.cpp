// The common table rules: line trimming, section markers, the two comment conversions, number
// lines, and the section loop's end on a failed stream.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "generators/gen_table.h"

TEST(GenTable, MarkerLinesAfterTrimming) {
  std::istringstream in("   //==Tanks\n\t//==x\r\nx //==Tanks\n//=\n");
  std::string line;
  std::vector<int> marks;
  while (GenReadLine(in, line)) marks.push_back(GenIsMarker(line));
  EXPECT_EQ(marks, (std::vector<int>{1, 1, 0, 0}));
}

TEST(GenTable, SectionComment) {
  std::string bare = "//==";
  EXPECT_EQ(GenLine_ToComment(bare), "");
  std::string spaced = "//==  Tanks  ";
  EXPECT_EQ(GenLine_ToComment(spaced), "// Tanks");
  EXPECT_EQ(spaced, "  Tanks  ");  // the marker is cut off the caller's line
  std::string quoted = "//== a \"b\" c\\d";
  EXPECT_EQ(GenLine_ToComment(quoted), "// a \\\"b\\\" c\\d");  // backslash stays single
}

TEST(GenTable, LineComment) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"/", ""},
      {"//", ""},
      {"ab", ""},
      {"abc", ""},
      {"/x text", "//   text"},
      {"//speed of the unit", "//  speed of the unit"},
      {"// a", "//   a"},
      {"x/note", "//  note"},
      {"//say \"hi\"", "//  say \\\"hi\\\""},
  };
  for (const Case& c : cases) {
    std::string line = c.in;
    EXPECT_EQ(KomentFromTxtLine(line), c.out) << c.in;
  }
}

TEST(GenTable, NumberLinesSkipTheirComment) {
  std::istringstream in("12 7 // twelve\n\n  3\nname\n1.5 x\n");
  int a = 0, b = 0, c = 0;
  EXPECT_TRUE(GenReadInt(in, a));
  EXPECT_TRUE(GenReadInt(in, b));
  GenEndNumberLine(in);
  EXPECT_TRUE(GenReadInt(in, c));  // the empty line before it is passed over
  GenEndNumberLine(in);            // the line ends directly after the value
  std::string name;
  EXPECT_TRUE(GenReadLine(in, name));
  EXPECT_EQ(name, "name");
  float fl = 0;
  EXPECT_TRUE(GenReadFlo(in, fl));
  EXPECT_FLOAT_EQ(fl, 1.5f);
  int keep = 42;
  EXPECT_FALSE(GenReadInt(in, keep));  // "x" is no number: the value stays
  EXPECT_EQ(keep, 42);
  EXPECT_EQ(a * 100 + b * 10 + c, 1273);
}

TEST(GenTable, SectionLoopSeesOnlyMarkersWhereItLooks) {
  // The reader of each section takes one line; a marker inside that layout is data.
  std::istringstream in("title //== not a section\n//==A\n//==inside\nnote\n//==B\nb\n");
  std::vector<std::string> seen;
  GenSectionLoop(in, 1, "T", "t.txt", [&](std::istream& s, std::string& marker) {
    std::string body;
    GenReadLine(s, body);
    seen.push_back(marker + "|" + body);
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"//==A|//==inside", "//==B|b"}));
}

TEST(GenTable, FailedStreamEndsTheLoop) {
  // The reader expects a number; a word leaves the stream failed without its end-of-file mark.
  std::istringstream in("title\n//==A\nnot-a-number\n//==B\n7\n");
  int sections = 0;
  GenSectionLoop(in, 1, "T", "t.txt", [&](std::istream& s, std::string&) {
    int v = 0;
    GenReadInt(s, v);
    GenEndNumberLine(s);
    sections++;
  });
  EXPECT_EQ(sections, 1);
}
