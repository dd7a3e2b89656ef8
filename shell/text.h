// Text utilities: formatting, number texts, trimming and searching, quote-aware scans, small
// splitters and the line readers of the positional text files. Texts are byte strings in
// Windows-1251; positions are 0-based ints with -1 for "not found"; blanks are space and tab;
// letter tests and case changes touch the Latin letters only. Nothing here keeps state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

// Character sets of the scanners.
inline constexpr const char* kTextLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
inline constexpr const char* kTextIdentChars =
    "0123456789_ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
inline constexpr const char* kTextPathChars =
    ".:0123456789_ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
inline constexpr const char* kTextBlanks = " \t";  // space and tab
// What ends the word of TextWordAfterKey.
inline constexpr const char* kTextWordDelims = " \t\r\n\"'\\{}()[]*+-/=><,.:;~&^%!|?@#$";

// Formatting. A null format gives "". The text is never cut, however long it grows.
std::string StrFmt(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string StrFmtLong(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string StrFmtShort(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
// Formats into dst of dstSize bytes, cut to fit and always terminated; nothing on a null
// pointer or a zero size.
void StrPrintf(char* dst, size_t dstSize, const char* fmt, ...) __attribute__((format(printf, 3, 4)));

// Number texts.
std::string IntToStr(int v);
std::string CharToStr(unsigned char v);
std::string IntToStrZero(int v, int width);  // zeros before the digits up to width (2..10)

// Searching and comparing.
std::string TextTrimS(const std::string& s);
int TextPos(const char* text, const std::string& pattern, int start);
std::string TextUpToDelim(const std::string& text, int start, int* stop, const std::string& delims);
int TextCompareAt(const std::string& a, int pa, const std::string& b, int pb, int n);
int TextPosOutsideQuotes(const std::string& text, const std::string& pattern, int start, int n);
int TextHasEnd(const std::string& s);

// Editing.
int TextEraseBetween(std::string& s, const std::string& open, const std::string& close);
int TextEraseBetweenQ(std::string& s, const std::string& open, const std::string& close);
std::string TextReplaceAll(std::string s, const std::string& pattern, const std::string& rep);
std::string TextLower(const std::string& s);
std::string TextUpper(const std::string& s);
// Appends src n times when n >= 1, src is not empty and n * its length <= 9999.
void StrRepeat(std::string& dst, const std::string& src, int n);

// Splitting.
std::string TextNextCommaField(const std::string& s, int* pos);
int TextWordAfterKey(const std::string* lines, int line, int lineCount, const std::string& keyword,
                     int start, int* kwPos, int* kwLen, int* wordLine, int* wordPos, int* wordLen);

// Character classes.
int TextIsLetter(const std::string& s, int i);
int TextIsLatinChar(char c);
int TextIsLatinChar2(char c);
int TextIsQualName(std::string& s);  // trims s in place
int TextIsIdent(std::string& s);     // trims s in place

// Line readers. Each strips one trailing CR from what it reads; a failed stream ends every loop.
int TextReadLine(std::string& line, std::istream& in);
int TextHasBegin(std::string& line, std::istream& in);
int TextReadLiveLine(std::string& line, std::istream& in);
void TextJoinContinued(std::string& line, std::istream& in);
// One line, trimmed, into a 12-byte name; a failed read leaves the name as it was.
void Name12_ReadLine(char name[12], std::istream& in);

// One line of the stream without its line break and without one trailing CR; 0 when nothing
// could be read (end of stream or a failed stream).
int TextGetLine(std::istream& in, std::string& line);

// Drops the rest of the line ("\n" or "\r\n"; a lone "\r" takes the next character with it).
int SkipLine(std::istream& in);
// The next whole number of a number line, clamped to -1000000..1000000, stored only when one was
// read: 1 then. A failed extraction leaves the stream failed.
int ReadIntClamped(std::istream& in, int* v);

// A read text's number: the runtime's conversion (0 when the text holds none). StrToU16 gives 0
// outside 0..65535; StrToI16 0 below -32768 and 32767 above 32767; StrToU8 0 below -128, the
// byte of the same bits for -128..-1 and 255 above 255. An empty text gives 0.
double StrToDouble(const std::string& s);
float StrToFlo(const std::string& s);
long StrToLong(const std::string& s);
int StrToInt(const std::string& s);
uint16_t StrToU16(const std::string& s);
int16_t StrToI16(const std::string& s);
uint8_t StrToU8(const std::string& s);
