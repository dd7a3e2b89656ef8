// Text utilities: formatting, number texts, searches, quote-aware scans, edits and splitters.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/text.h"

TEST(TextFormat, NullFormatShortAndLongResults) {
  EXPECT_EQ(StrFmt(nullptr), "");
  EXPECT_EQ(StrFmt("%d-%s", 7, "ab"), "7-ab");
  std::string path(1000, 'p');
  // Far beyond every buffer size: the whole text comes back.
  std::string s = StrFmt("\nLoadEtapFail: %s", path.c_str());
  EXPECT_EQ(s, "\nLoadEtapFail: " + path);
  EXPECT_EQ(StrFmtLong("%s", path.c_str()).size(), 1000u);
  EXPECT_EQ(StrFmtShort("%s|%04d", path.c_str(), 7), path + "|0007");
  EXPECT_EQ(StrFmt("ab%cz", 0), "ab");
}

TEST(TextFormat, StrPrintfStaysInsideTheBuffer) {
  char buf[8];
  memset(buf, 'X', sizeof buf);
  StrPrintf(buf, sizeof buf, "%s", "0123456789");
  EXPECT_STREQ(buf, "0123456");
  StrPrintf(buf, sizeof buf, "%d", 42);
  EXPECT_STREQ(buf, "42");
  StrPrintf(nullptr, 8, "%d", 1);
  StrPrintf(buf, sizeof buf, nullptr);
  EXPECT_STREQ(buf, "42");
}

TEST(TextNumbers, IntToStrAndCharToStr) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-123), "-123");
  EXPECT_EQ(IntToStr(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(CharToStr(255), "255");
  EXPECT_EQ(CharToStr((unsigned char)'\xC0'), "192");
}

TEST(TextNumbers, IntToStrZeroPadsOnlyForWidthsTwoToTen) {
  EXPECT_EQ(IntToStrZero(7, 3), "007");
  EXPECT_EQ(IntToStrZero(99, 3), "099");
  EXPECT_EQ(IntToStrZero(1234, 3), "1234");
  EXPECT_EQ(IntToStrZero(5, 1), "5");
  EXPECT_EQ(IntToStrZero(5, 11), "5");
  EXPECT_EQ(IntToStrZero(5, -3), "5");
  EXPECT_EQ(IntToStrZero(0, 10), "0000000000");
  EXPECT_EQ(IntToStrZero(123456789, 10), "0123456789");
  EXPECT_EQ(IntToStrZero(2000000000, 10), "2000000000");
  EXPECT_EQ(IntToStrZero(12, 2), "12");
}

TEST(TextSearch, TrimKeepsInnerBlanksAndCarriageReturn) {
  EXPECT_EQ(TextTrimS(" \t ab c\t  "), "ab c");
  EXPECT_EQ(TextTrimS(""), "");
  EXPECT_EQ(TextTrimS(" \t \t"), "");
  EXPECT_EQ(TextTrimS("ab\r"), "ab\r");
  EXPECT_EQ(TextTrimS(" Привет "), "Привет");
}

TEST(TextSearch, TextPosFromStart) {
  EXPECT_EQ(TextPos("abcabc", "c", 3), 5);
  EXPECT_EQ(TextPos("abcabc", "c", 0), 2);
  EXPECT_EQ(TextPos("abc", "x", 0), -1);
  EXPECT_EQ(TextPos("abc", "", 2), 2);
  EXPECT_EQ(TextPos("abc", "", 3), 3);
  EXPECT_EQ(TextPos("abc", "a", 4), -1);
  EXPECT_EQ(TextPos("abc", "a", -1), -1);
  EXPECT_EQ(TextPos(nullptr, "a", 0), -1);
}

TEST(TextSearch, UpToDelim) {
  int stop = 99;
  EXPECT_EQ(TextUpToDelim("name=value", 0, &stop, "="), "name");
  EXPECT_EQ(stop, 4);
  EXPECT_EQ(TextUpToDelim("name=value", 5, &stop, "="), "value");
  EXPECT_EQ(stop, -1);
  EXPECT_EQ(TextUpToDelim("=x", 0, &stop, "="), "");
  EXPECT_EQ(stop, 0);
  EXPECT_EQ(TextUpToDelim("abc", 7, &stop, "="), "");
  EXPECT_EQ(stop, -1);
}

TEST(TextSearch, CompareAt) {
  EXPECT_EQ(TextCompareAt("xxabc", 2, "abc", 0, 3), 1);
  EXPECT_EQ(TextCompareAt("xxabd", 2, "abc", 0, 3), 0);
  EXPECT_EQ(TextCompareAt("xxab", 2, "abc", 0, 3), 0);  // rests 2 and 3, one below n
  EXPECT_EQ(TextCompareAt("xxab", 2, "zab", 1, 3), 1);  // equal rests shorter than n
  EXPECT_EQ(TextCompareAt("abcd", 0, "abce", 0, 3), 1);
  EXPECT_EQ(TextCompareAt("abc", 0, "abc", 0, 0), 1);
  EXPECT_EQ(TextCompareAt("abc", 0, "abcd", 0, 0), 0);
  EXPECT_EQ(TextCompareAt("", 0, "", 0, -1), 1);
  EXPECT_EQ(TextCompareAt("abc", 9, "abc", 0, 1), 0);
}

TEST(TextSearch, PosOutsideQuotes) {
  EXPECT_EQ(TextPosOutsideQuotes("a \"b\" b", "b", 0, 1), 6);
  EXPECT_EQ(TextPosOutsideQuotes("a \"b\" b", "b", 0, 2), -1);
  // An escaped quote outside a string opens nothing.
  EXPECT_EQ(TextPosOutsideQuotes("a \\\"b", "b", 0, 1), 4);
  // An escaped quote inside a string does not close it.
  EXPECT_EQ(TextPosOutsideQuotes("\"x\\\"b\" b", "b", 0, 1), 7);
  // At the start position a quote opens even after a backslash.
  EXPECT_EQ(TextPosOutsideQuotes("\\\"b\" b", "b", 1, 1), 5);
  // Occurrences do not overlap.
  EXPECT_EQ(TextPosOutsideQuotes("aaaa", "aa", 0, 2), 2);
  EXPECT_EQ(TextPosOutsideQuotes("aaaa", "aa", 0, 3), -1);
  EXPECT_EQ(TextPosOutsideQuotes("ab", "\"", 0, 1), -1);
  EXPECT_EQ(TextPosOutsideQuotes("ab", "b", 2, 1), -1);
  EXPECT_EQ(TextPosOutsideQuotes("ab", "b", -1, 1), -1);
  EXPECT_EQ(TextPosOutsideQuotes("ab", "b", 0, 0), -1);
  EXPECT_EQ(TextPosOutsideQuotes("", "b", 0, 1), -1);
}

TEST(TextSearch, HasEnd) {
  EXPECT_EQ(TextHasEnd("the end."), 1);
  EXPECT_EQ(TextHasEnd("weekend"), 1);
  EXPECT_EQ(TextHasEnd("END"), 0);
}

TEST(TextEdit, EraseBetween) {
  std::string s = "a/*x*/b/*y*/c";
  EXPECT_EQ(TextEraseBetween(s, "/*", "*/"), 1);
  EXPECT_EQ(s, "abc");
  s = "a/*x";
  EXPECT_EQ(TextEraseBetween(s, "/*", "*/"), 0);
  EXPECT_EQ(s, "a/*x");
  s = "a/*/b";  // the closing marker is looked for after the whole opening one
  EXPECT_EQ(TextEraseBetween(s, "/*", "*/"), 0);
  s = "abc";
  EXPECT_EQ(TextEraseBetween(s, "", ""), 0);
  EXPECT_EQ(s, "abc");
}

TEST(TextEdit, EraseBetweenIgnoresQuotedMarkers) {
  std::string s = "a\"/*\"/*x*/b";
  EXPECT_EQ(TextEraseBetweenQ(s, "/*", "*/"), 1);
  EXPECT_EQ(s, "a\"/*\"b");
  s = "/*1*/x/*2*/y";
  EXPECT_EQ(TextEraseBetweenQ(s, "/*", "*/"), 1);
  EXPECT_EQ(s, "xy");
  s = "a\"*/\"/*x\"*/\"*/b";  // a quoted closing marker does not end the span
  EXPECT_EQ(TextEraseBetweenQ(s, "/*", "*/"), 1);
  EXPECT_EQ(s, "a\"*/\"b");
  s = "x/*open";
  EXPECT_EQ(TextEraseBetweenQ(s, "/*", "*/"), 0);
  EXPECT_EQ(s, "x/*open");
  s = "a'b'c";
  EXPECT_EQ(TextEraseBetweenQ(s, "'", "'"), 0);
  EXPECT_EQ(s, "a'b'c");
}

TEST(TextEdit, ReplaceAll) {
  EXPECT_EQ(TextReplaceAll("a.b.c", ".", "::"), "a::b::c");
  EXPECT_EQ(TextReplaceAll("\"x\"", "\"", "'"), "'x'");
  EXPECT_EQ(TextReplaceAll("abc", "x", "y"), "abc");
  EXPECT_EQ(TextReplaceAll("abc", "", "y"), "abc");
  EXPECT_EQ(TextReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(TextReplaceAll("aabb", "ab", ""), "ab");      // no occurrence made by a removal
  EXPECT_EQ(TextReplaceAll("a.b", ".", "..."), "a...b");  // replacement holds the pattern
  std::string big(40000, '.');
  EXPECT_EQ(TextReplaceAll(big, ".", "ab").size(), 80000u);
}

TEST(TextEdit, CaseChangesTouchLatinOnly) {
  EXPECT_EQ(TextLower("AbC-Привет-Z"), "abc-Привет-z");
  EXPECT_EQ(TextUpper("abc-привет-z"), "ABC-привет-Z");
  EXPECT_EQ(TextLower(""), "");
  EXPECT_EQ(TextUpper(std::string(40000, 'a')), std::string(40000, 'A'));
}

TEST(TextSplit, CommaFields) {
  std::string s = "a, b,c";
  int pos = 0;
  EXPECT_EQ(TextNextCommaField(s, &pos), "a");
  EXPECT_EQ(TextNextCommaField(s, &pos), "b");
  EXPECT_EQ(TextNextCommaField(s, &pos), "c");
  EXPECT_EQ(pos, 6);
  EXPECT_EQ(TextNextCommaField(s, &pos), "");
  EXPECT_EQ(pos, -1);
  EXPECT_EQ(TextNextCommaField(s, &pos), "");
  EXPECT_EQ(pos, -1);
  // A trailing comma gives no empty last field.
  s = "x,";
  pos = 0;
  EXPECT_EQ(TextNextCommaField(s, &pos), "x");
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(TextNextCommaField(s, &pos), "");
  EXPECT_EQ(pos, -1);
  s = ",,";
  pos = 0;
  EXPECT_EQ(TextNextCommaField(s, &pos), "");
  EXPECT_EQ(pos, 1);
}

TEST(TextSplit, WordAfterKey) {
  int kwPos = -5, kwLen = -5, wl = -5, wp = -5, wn = -5;
  std::string one[] = {"int count = 3;"};
  EXPECT_EQ(TextWordAfterKey(one, 0, 1, "int", 0, &kwPos, &kwLen, &wl, &wp, &wn), 1);
  EXPECT_EQ(kwPos, 0);
  EXPECT_EQ(kwLen, 3);
  EXPECT_EQ(wl, 0);
  EXPECT_EQ(wp, 4);
  EXPECT_EQ(wn, 5);
  EXPECT_EQ(one[0].substr(wp, wn), "count");

  std::string two[] = {"int", "x = 1"};
  EXPECT_EQ(TextWordAfterKey(two, 0, 2, "int", 0, &kwPos, &kwLen, &wl, &wp, &wn), 1);
  EXPECT_EQ(wl, 1);
  EXPECT_EQ(wp, 0);
  EXPECT_EQ(wn, 1);
  // Only blanks after the space: the next line holds the word.
  std::string blanks[] = {"int  \t", "y;"};
  EXPECT_EQ(TextWordAfterKey(blanks, 0, 2, "int", 0, &kwPos, &kwLen, &wl, &wp, &wn), 1);
  EXPECT_EQ(wl, 1);
  // The keyword ends the last line: no word.
  EXPECT_EQ(TextWordAfterKey(two, 0, 1, "int", 0, &kwPos, &kwLen, &wl, &wp, &wn), 0);

  std::string twoSpaces[] = {"int  x"};
  EXPECT_EQ(TextWordAfterKey(twoSpaces, 0, 1, "int", 0, &kwPos, &kwLen, &wl, &wp, &wn), 0);
  std::string glued[] = {"intx y"};
  EXPECT_EQ(TextWordAfterKey(glued, 0, 1, "int", 0, &kwPos, &kwLen, &wl, &wp, &wn), 0);
  std::string quoted[] = {"\"int a\" int b"};
  EXPECT_EQ(TextWordAfterKey(quoted, 0, 1, "int", 0, &kwPos, &kwLen, &wl, &wp, &wn), 1);
  EXPECT_EQ(kwPos, 8);
  EXPECT_EQ(wp, 12);
  // The word ends at a delimiter; bytes above 127 belong to words.
  std::string cyr[] = {"int имя_1.x"};
  EXPECT_EQ(TextWordAfterKey(cyr, 0, 1, "int", 0, &kwPos, &kwLen, &wl, &wp, &wn), 1);
  EXPECT_EQ(cyr[0].substr(wp, wn), "имя_1");
  EXPECT_EQ(TextWordAfterKey(one, 0, 1, "int", -1, &kwPos, &kwLen, &wl, &wp, &wn), 0);
  EXPECT_EQ(TextWordAfterKey(one, 3, 1, "int", 0, &kwPos, &kwLen, &wl, &wp, &wn), 0);
}

TEST(TextClasses, LettersAndNames) {
  EXPECT_EQ(TextIsLetter("a1", 0), 1);
  EXPECT_EQ(TextIsLetter("a1", 1), 0);
  EXPECT_EQ(TextIsLetter("a1", 2), 0);
  EXPECT_EQ(TextIsLetter("a1", -1), 0);
  EXPECT_EQ(TextIsLatinChar('Z'), 1);
  EXPECT_EQ(TextIsLatinChar('\xC0'), 0);  // Cyrillic A
  EXPECT_EQ(TextIsLatinChar2('_'), 0);

  std::string s = "::a.b:c";
  EXPECT_EQ(TextIsQualName(s), 1);
  s = " _x9.y ";
  EXPECT_EQ(TextIsQualName(s), 1);
  EXPECT_EQ(s, "_x9.y");
  for (const char* bad : {":a", "9a", "", ":", "::", "a-b", "::9"}) {
    s = bad;
    EXPECT_EQ(TextIsQualName(s), 0) << bad;
  }
  s = " _a9 ";
  EXPECT_EQ(TextIsIdent(s), 1);
  EXPECT_EQ(s, "_a9");
  for (const char* bad : {"", "9a", "a.b", "a b", "Ж"}) {
    s = bad;
    EXPECT_EQ(TextIsIdent(s), 0) << bad;
  }
}
