// Windows-1251 <-> Unicode and UTF-8 conversion, checked against the C library's own code page.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "platform/internal.h"

// The system's idea of one 1251 byte as UTF-8 ("" when it has none).
static std::string IconvByte(unsigned char b) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  if (cd == (iconv_t)-1) return "?";
  char in[1] = {(char)b};
  char out[8] = {};
  char* ip = in;
  char* op = out;
  size_t il = 1, ol = sizeof out;
  size_t r = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  if (r == (size_t)-1) return "";
  return std::string(out, (size_t)(op - out));
}

TEST(Text1251, EveryByteMatchesTheSystemCodePageAndRoundTrips) {
  if (IconvByte('A') != "A") GTEST_SKIP() << "no CP1251 in iconv";
  for (int b = 1; b < 256; b++) {
    unsigned cp = Plat_1251ToUnicode((unsigned char)b);
    std::string mine;
    if (cp != 0xFFFD) Plat_Utf8Append(&mine, cp);
    EXPECT_EQ(mine, IconvByte((unsigned char)b)) << "byte " << b;
    if (cp != 0xFFFD) {
      EXPECT_EQ(Plat_UnicodeTo1251(cp), b) << "byte " << b;
    }
  }
}

TEST(Text1251, LettersAndSignsTheGameUses) {
  EXPECT_EQ(Plat_UnicodeTo1251(0x0410), 0xC0);  // А
  EXPECT_EQ(Plat_UnicodeTo1251(0x044F), 0xFF);  // я
  EXPECT_EQ(Plat_UnicodeTo1251(0x0401), 0xA8);  // Ё
  EXPECT_EQ(Plat_UnicodeTo1251(0x0451), 0xB8);  // ё
  EXPECT_EQ(Plat_UnicodeTo1251(0x2116), 0xB9);  // №
  EXPECT_EQ(Plat_UnicodeTo1251(0x00AB), 0xAB);  // «
  EXPECT_EQ(Plat_UnicodeTo1251(0x2014), 0x97);  // —
  EXPECT_EQ(Plat_UnicodeTo1251(0x00E9), -1);    // é has no byte
  EXPECT_EQ(Plat_UnicodeTo1251(0x4E2D), -1);
  EXPECT_EQ(Plat_UnicodeTo1251(0xFFFD), -1);
  EXPECT_EQ(Plat_1251ToUnicode(0x98), 0xFFFDu);
}

TEST(Text1251, Utf8StringsBothWays) {
  // The literal is compiled to 1251 bytes by the build's execution charset.
  const char* ru = "Привет, Ёж №5";
  char utf8[64];
  int n = Plat_1251ToUtf8(ru, utf8, sizeof utf8);
  EXPECT_EQ(std::string(utf8, (size_t)n),
            "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\x81\xD0\xB6 \xE2\x84\x96"
            "5");
  char back[64];
  Plat_Utf8To1251(utf8, back, sizeof back);
  EXPECT_STREQ(back, ru);
  // Characters without a byte, and malformed or truncated sequences, become '?', one per character.
  Plat_Utf8To1251(
      "a\xC3\xA9"
      "b\xE4\xB8\xAD"
      "c\xFF"
      "d\xC3",
      back, sizeof back);
  EXPECT_STREQ(back, "a?b?c?d?");
  // Overlong forms and surrogates are refused, not decoded.
  Plat_Utf8To1251("\xC0\xAF|\xED\xA0\x80", back, sizeof back);
  EXPECT_EQ(std::string(back).find('/'), std::string::npos);
}

TEST(Text1251, OutputNeverPassesItsCapacity) {
  char out[6];
  memset(out, 'x', sizeof out);
  EXPECT_EQ(Plat_Utf8To1251("abcdefgh", out, 4), 3);
  EXPECT_STREQ(out, "abc");
  EXPECT_EQ(out[4], 'x');
  // A cut UTF-8 answer ends on a character boundary: "Жж" is 4 bytes, 3 fit only one letter.
  char u[4];
  int n = Plat_1251ToUtf8("Жж", u, sizeof u);
  EXPECT_EQ(n, 2);
  EXPECT_STREQ(u, "\xD0\x96");
  EXPECT_EQ(Plat_1251ToUtf8("abc", u, 0), 0);
  EXPECT_EQ(Plat_Utf8To1251(nullptr, out, sizeof out), 0);
  EXPECT_STREQ(out, "");
}

TEST(Text1251, LineBreaksBetweenDesktopAndGame) {
  EXPECT_EQ(Plat_LfToCrlf("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(Plat_LfToCrlf("\n"), "\r\n");
  EXPECT_EQ(Plat_CrlfToLf("a\r\nb\rc\n"), "a\nb\rc\n");  // a lone CR is an ordinary character
  EXPECT_EQ(Plat_CrlfToLf(Plat_LfToCrlf("x\ny\n\nz")), "x\ny\n\nz");
}
