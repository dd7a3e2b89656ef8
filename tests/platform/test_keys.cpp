// Keysym and name tables of the virtual-key codes.
#include <gtest/gtest.h>

#include "platform/keys.h"
#include "platform/platform.h"

TEST(Keys, LettersDigitsAndFunctionKeys) {
  for (int c = 'a'; c <= 'z'; c++) {
    EXPECT_EQ(Vk_FromKeysym((unsigned long)c, nullptr), c - 'a' + 'A');
    EXPECT_EQ(Vk_FromKeysym((unsigned long)(c - 'a' + 'A'), nullptr), c - 'a' + 'A');
  }
  for (int c = '0'; c <= '9'; c++) EXPECT_EQ(Vk_FromKeysym((unsigned long)c, nullptr), c);
  EXPECT_EQ(Vk_FromKeysym(0xFFBE, nullptr), VK_F1);
  EXPECT_EQ(Vk_FromKeysym(0xFFC7, nullptr), VK_F10);
  EXPECT_EQ(Vk_FromKeysym(0xFFC9, nullptr), VK_F12);
  EXPECT_EQ(Vk_FromKeysym(0xFFD5, nullptr), 0x87);  // F24
  // A Cyrillic keysym is never a letter key: letters come from the first group.
  EXPECT_EQ(Vk_FromKeysym(0x6C6, nullptr), 0);
}

TEST(Keys, NavigationEditingAndKeypad) {
  struct {
    unsigned long ks;
    int vk;
  } cases[] = {
      {0xFF51, VK_LEFT},        {0xFF52, VK_UP},     {0xFF53, VK_RIGHT},   {0xFF54, VK_DOWN},
      {0xFF55, VK_PRIOR},       {0xFF56, VK_NEXT},   {0xFF57, VK_END},     {0xFF50, VK_HOME},
      {0xFF63, VK_INSERT},      {0xFFFF, VK_DELETE}, {0xFF08, VK_BACK},    {0xFF09, VK_TAB},
      {0xFF0D, VK_RETURN},      {0xFF8D, VK_RETURN}, {0xFF1B, VK_ESCAPE},  {0x20, VK_SPACE},
      {0xFF61, VK_SNAPSHOT},    {0xFF13, VK_PAUSE},  {0xFFE5, VK_CAPITAL}, {0xFFB0, VK_NUMPAD0},
      {0xFFB9, VK_NUMPAD0 + 9}, {0xFF95, VK_HOME},   {0xFF9F, VK_DELETE},  {0xFFAB, VK_ADD},
      {0xFFAF, VK_DIVIDE},      {0x3B, VK_OEM_1},    {0x2C, VK_OEM_COMMA}, {0x2F, VK_OEM_2},
      {0x60, VK_OEM_3},         {0x5B, VK_OEM_4},    {0x5C, VK_OEM_5},     {0x5D, VK_OEM_6},
      {0x27, VK_OEM_7},         {0x3D, VK_OEM_PLUS}, {0x2D, VK_OEM_MINUS}, {0x2E, VK_OEM_PERIOD}};
  for (auto& c : cases) EXPECT_EQ(Vk_FromKeysym(c.ks, nullptr), c.vk) << std::hex << c.ks;
  EXPECT_TRUE(Vk_IsKeypadNav(0xFF95));
  EXPECT_FALSE(Vk_IsKeypadNav(0xFF50));
  EXPECT_EQ(Vk_FromKeysym(0x12345, nullptr), 0);
}

TEST(Keys, ModifiersGiveTheSharedCodeAndTheirSide) {
  int side = 0;
  EXPECT_EQ(Vk_FromKeysym(0xFFE1, &side), VK_SHIFT);
  EXPECT_EQ(side, VK_LSHIFT);
  EXPECT_EQ(Vk_FromKeysym(0xFFE2, &side), VK_SHIFT);
  EXPECT_EQ(side, VK_RSHIFT);
  EXPECT_EQ(Vk_FromKeysym(0xFFE3, &side), VK_CONTROL);
  EXPECT_EQ(side, VK_LCONTROL);
  EXPECT_EQ(Vk_FromKeysym(0xFFE4, &side), VK_CONTROL);
  EXPECT_EQ(side, VK_RCONTROL);
  EXPECT_EQ(Vk_FromKeysym(0xFFE9, &side), VK_MENU);
  EXPECT_EQ(side, VK_LMENU);
  EXPECT_EQ(Vk_FromKeysym(0xFE03, &side), VK_MENU);  // AltGr
  EXPECT_EQ(side, VK_RMENU);
  EXPECT_EQ(Vk_FromKeysym('q', &side), 'Q');
  EXPECT_EQ(side, 'Q');
}

TEST(Keys, TypedCharactersFromKeysyms) {
  EXPECT_EQ(Vk_KeysymToUnicode('a'), 'a');
  EXPECT_EQ(Vk_KeysymToUnicode(0xE9), 0xE9u);
  EXPECT_EQ(Vk_KeysymToUnicode(0x6C1), 0x0430u);  // а
  EXPECT_EQ(Vk_KeysymToUnicode(0x6C6), 0x0444u);  // ф
  EXPECT_EQ(Vk_KeysymToUnicode(0x6E6), 0x0424u);  // Ф
  EXPECT_EQ(Vk_KeysymToUnicode(0x6C0), 0x044Eu);  // ю
  EXPECT_EQ(Vk_KeysymToUnicode(0x6FF), 0x042Au);  // Ъ
  EXPECT_EQ(Vk_KeysymToUnicode(0x6A3), 0x0451u);  // ё
  EXPECT_EQ(Vk_KeysymToUnicode(0x6B3), 0x0401u);  // Ё
  EXPECT_EQ(Vk_KeysymToUnicode(0x6B0), 0x2116u);  // №
  EXPECT_EQ(Vk_KeysymToUnicode(0x1000451), 0x0451u);
  EXPECT_EQ(Vk_KeysymToUnicode(0xFF0D), 13u);  // Enter types CR
  EXPECT_EQ(Vk_KeysymToUnicode(0xFF8D), 13u);
  EXPECT_EQ(Vk_KeysymToUnicode(0xFF08), 8u);
  EXPECT_EQ(Vk_KeysymToUnicode(0xFFFF), 0u);  // Delete types nothing
  EXPECT_EQ(Vk_KeysymToUnicode(0xFF51), 0u);
  // All 64 Cyrillic letters of the keysym block are distinct and in the 1251 letter range.
  bool seen[64] = {};
  for (unsigned long ks = 0x6C0; ks <= 0x6FF; ks++) {
    unsigned cp = Vk_KeysymToUnicode(ks);
    ASSERT_GE(cp, 0x0410u);
    ASSERT_LE(cp, 0x044Fu);
    EXPECT_FALSE(seen[cp - 0x0410]) << std::hex << ks;
    seen[cp - 0x0410] = true;
  }
}

TEST(Keys, ScriptKeyNames) {
  EXPECT_EQ(Vk_FromName("a"), 'A');
  EXPECT_EQ(Vk_FromName("Z"), 'Z');
  EXPECT_EQ(Vk_FromName("7"), '7');
  EXPECT_EQ(Vk_FromName("F1"), VK_F1);
  EXPECT_EQ(Vk_FromName("f12"), VK_F12);
  EXPECT_EQ(Vk_FromName("F24"), 0x87);
  EXPECT_EQ(Vk_FromName("F25"), 0);
  EXPECT_EQ(Vk_FromName("F1x"), 0);
  EXPECT_EQ(Vk_FromName("Esc"), VK_ESCAPE);
  EXPECT_EQ(Vk_FromName("ENTER"), VK_RETURN);
  EXPECT_EQ(Vk_FromName("pgdn"), VK_NEXT);
  EXPECT_EQ(Vk_FromName("Backspace"), VK_BACK);
  EXPECT_EQ(Vk_FromName("print"), VK_SNAPSHOT);
  EXPECT_EQ(Vk_FromName("0"), '0');  // one character is the key itself
  EXPECT_EQ(Vk_FromName("nokey"), 0);
  EXPECT_EQ(Vk_FromName(""), 0);
  EXPECT_EQ(Vk_FromName("!"), 0);
}
