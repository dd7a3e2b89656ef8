// Line readers: skipped lines, CR LF files, comment blocks, continuations and failed streams.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "shell/text.h"

TEST(TextLineReaders, GetLineStripsOneCarriageReturn) {
  std::istringstream in("a\r\nb\r\r\nc");
  std::string line;
  ASSERT_EQ(TextGetLine(in, line), 1);
  EXPECT_EQ(line, "a");
  ASSERT_EQ(TextGetLine(in, line), 1);
  EXPECT_EQ(line, "b\r");
  ASSERT_EQ(TextGetLine(in, line), 1);  // a last line without a break is still read
  EXPECT_EQ(line, "c");
  EXPECT_EQ(TextGetLine(in, line), 0);
  EXPECT_EQ(line, "");
}

TEST(TextLineReaders, ReadLineSkipsCommentsAndEmptyLines) {
  std::istringstream in("\r\n// c\r\n| x\r\n  5 7 \r\n|\r\n/\n");
  std::string line;
  ASSERT_EQ(TextReadLine(line, in), 1);
  EXPECT_EQ(line, "5 7");
  ASSERT_EQ(TextReadLine(line, in), 1);  // one character is always a line
  EXPECT_EQ(line, "|");
  ASSERT_EQ(TextReadLine(line, in), 1);
  EXPECT_EQ(line, "/");
  EXPECT_EQ(TextReadLine(line, in), 0);
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
  std::istringstream in(
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
      "last\r\n");
  std::string line;
  ASSERT_EQ(TextReadLiveLine(line, in), 1);
  EXPECT_EQ(line, "first live");
  // Each call starts inside a comment block again.
  ASSERT_EQ(TextReadLiveLine(line, in), 1);
  EXPECT_EQ(line, "ab");
  ASSERT_EQ(TextReadLiveLine(line, in), 1);
  EXPECT_EQ(line, "// text");
  EXPECT_EQ(TextReadLiveLine(line, in), 0);
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
