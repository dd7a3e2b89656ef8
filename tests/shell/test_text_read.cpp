// Line readers: skipped lines, CR LF files, comment blocks, continuations and failed streams.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "shell/text.h"

namespace {

// The lines a reader gives from the text, call after call, until it answers 0 (each answer
// before is 1); after: the line as the last call left it.
template <class Reader>
std::vector<std::string> LinesOf(const std::string& text, Reader read, std::string* after = nullptr) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  std::string line;
  for (int r; lines.size() < 100 && (r = read(line, in)) != 0; lines.push_back(line)) EXPECT_EQ(r, 1);
  if (after) *after = line;
  return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

// A last line without a break is still read.
TEST(TextLineReaders, GetLineStripsOneCarriageReturn) {
  std::string after = "x";
  auto get = [](std::string& line, std::istream& in) { return TextGetLine(in, line); };
  EXPECT_EQ(LinesOf("a\r\nb\r\r\nc", get, &after), (Lines{"a", "b\r", "c"}));
  EXPECT_EQ(after, "");
}

// One character is always a line.
TEST(TextLineReaders, ReadLineSkipsCommentsAndEmptyLines) {
  EXPECT_EQ(LinesOf("\r\n// c\r\n| x\r\n  5 7 \r\n|\r\n/\n", TextReadLine), (Lines{"5 7", "|", "/"}));
}

TEST(TextLineReaders, ReadLineGivesUpAfter99SkippedLines) {
  std::string text;
  for (int i = 0; i < 98; i++) text += "// skipped\n";
  text += "live\n";
  std::istringstream in98(text);
  std::string line;
  EXPECT_EQ(TextReadLine(line, in98), 1);
  EXPECT_EQ(line, "live");

  std::istringstream in99("//\n" + text);
  EXPECT_EQ(TextReadLine(line, in99), 0);
}

TEST(TextLineReaders, FailedStreamEndsEveryReader) {
  std::istringstream in("begin\nx\n");
  in.setstate(std::ios::failbit);
  std::string line = "keep";
  EXPECT_EQ(TextReadLine(line, in), 0);
  EXPECT_EQ(TextHasBegin(line, in), 0);
  EXPECT_EQ(TextReadLiveLine(line, in), 0);
  line = "a\\";
  TextJoinContinued(line, in);
  EXPECT_EQ(line, "a");
}

TEST(TextLineReaders, HasBeginWithin99Lines) {
  std::istringstream in("title\r\n  beginning\r\nrest\n");
  std::string line;
  EXPECT_EQ(TextHasBegin(line, in), 1);
  EXPECT_EQ(line, "beginning");

  std::string text;
  for (int i = 0; i < 99; i++) text += "x\n";
  std::istringstream late(text + "begin\n");
  EXPECT_EQ(TextHasBegin(line, late), 0);
  std::istringstream none("a\nb\n");
  EXPECT_EQ(TextHasBegin(line, none), 0);
}

TEST(TextLineReaders, LiveLinesBetweenCommentBlocks) {
  const Lines lines = LinesOf(
      "header comment\r\n"
      "*/\r\n"
      "\r\n"
      "//\r\n"
      "  first live \r\n"
      "*/\r\n"
      "ab\r\n"
      "/*\r\n"
      "hidden\r\n"
      "*/\r\n"
      "// text\r\n"
      "last\r\n",
      TextReadLiveLine);
  EXPECT_EQ(lines, (Lines{"first live", "ab", "// text"}));  // each call starts inside a block again
}

TEST(TextLineReaders, JoinContinuedKeepsInnerBlanks) {
  std::istringstream in(" b\\\r\n c  \r\nnext\n");
  std::string line = "a \\";
  TextJoinContinued(line, in);
  EXPECT_EQ(line, "a  b c");
  std::string rest;
  ASSERT_EQ(TextGetLine(in, rest), 1);
  EXPECT_EQ(rest, "next");

  std::istringstream none("x\n");
  line = "plain ";
  TextJoinContinued(line, none);
  EXPECT_EQ(line, "plain ");
  line = "";
  TextJoinContinued(line, none);
  EXPECT_EQ(line, "");
  // A continuation at the end of the stream drops the backslash and stops.
  std::istringstream empty("");
  line = " tail\\";
  TextJoinContinued(line, empty);
  EXPECT_EQ(line, "tail");
}

TEST(TextLineReaders, Name12ReadLineTrimsAndCutsAtTwelve) {
  std::istringstream in("  ab \r\n0123456789abcdef\r\n");
  char name[12];
  memset(name, 'X', sizeof name);
  Name12_ReadLine(name, in);
  EXPECT_EQ(std::string(name, 12), std::string("ab\0\0\0\0\0\0\0\0\0\0", 12));
  Name12_ReadLine(name, in);
  EXPECT_EQ(std::string(name, 12), "0123456789ab");
  Name12_ReadLine(name, in);  // nothing left: the name stays
  EXPECT_EQ(std::string(name, 12), "0123456789ab");
}
