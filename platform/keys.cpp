// Keysym and name tables for virtual-key codes, and keysym -> Unicode for typed characters.
#include "platform/keys.h"

#include <strings.h>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

struct KeysymVk {
  unsigned long keysym;
  int vk;
};

// Function and keypad block (0xFFxx) and the punctuation of the first group.
static const KeysymVk kKeysymVk[] = {
    {0xFF08, VK_BACK},     {0xFF09, VK_TAB},      {0xFE20, VK_TAB},     {0xFF0D, VK_RETURN},
    {0xFF13, VK_PAUSE},    {0xFF14, VK_SCROLL},   {0xFF1B, VK_ESCAPE},  {0xFFFF, VK_DELETE},
    {0xFF50, VK_HOME},     {0xFF51, VK_LEFT},     {0xFF52, VK_UP},      {0xFF53, VK_RIGHT},
    {0xFF54, VK_DOWN},     {0xFF55, VK_PRIOR},    {0xFF56, VK_NEXT},    {0xFF57, VK_END},
    {0xFF58, VK_CLEAR},    {0xFF61, VK_SNAPSHOT}, {0xFF63, VK_INSERT},  {0xFF67, VK_APPS},
    {0xFF7F, VK_NUMLOCK},  {0xFF8D, VK_RETURN},   {0xFF95, VK_HOME},    {0xFF96, VK_LEFT},
    {0xFF97, VK_UP},       {0xFF98, VK_RIGHT},    {0xFF99, VK_DOWN},    {0xFF9A, VK_PRIOR},
    {0xFF9B, VK_NEXT},     {0xFF9C, VK_END},      {0xFF9D, VK_CLEAR},   {0xFF9E, VK_INSERT},
    {0xFF9F, VK_DELETE},   {0xFFAA, VK_MULTIPLY}, {0xFFAB, VK_ADD},     {0xFFAC, VK_SEPARATOR},
    {0xFFAD, VK_SUBTRACT}, {0xFFAE, VK_DECIMAL},  {0xFFAF, VK_DIVIDE},  {0xFFE5, VK_CAPITAL},
    {0xFFEB, VK_LWIN},     {0xFFEC, VK_RWIN},     {0x20, VK_SPACE},     {0x3B, VK_OEM_1},
    {0x3A, VK_OEM_1},      {0x3D, VK_OEM_PLUS},   {0x2B, VK_OEM_PLUS},  {0x2C, VK_OEM_COMMA},
    {0x3C, VK_OEM_COMMA},  {0x2D, VK_OEM_MINUS},  {0x5F, VK_OEM_MINUS}, {0x2E, VK_OEM_PERIOD},
    {0x3E, VK_OEM_PERIOD}, {0x2F, VK_OEM_2},      {0x3F, VK_OEM_2},     {0x60, VK_OEM_3},
    {0x7E, VK_OEM_3},      {0x5B, VK_OEM_4},      {0x7B, VK_OEM_4},     {0x5C, VK_OEM_5},
    {0x7C, VK_OEM_5},      {0x5D, VK_OEM_6},      {0x7D, VK_OEM_6},     {0x27, VK_OEM_7},
    {0x22, VK_OEM_7},
};

int Vk_FromKeysym(unsigned long ks, int* sided) {
  int vk = 0, side = 0;
  if (ks >= 'a' && ks <= 'z') {
    vk = (int)(ks - 'a' + 'A');
  } else if ((ks >= 'A' && ks <= 'Z') || (ks >= '0' && ks <= '9')) {
    vk = (int)ks;
  } else if (ks >= 0xFFB0 && ks <= 0xFFB9) {
    vk = VK_NUMPAD0 + (int)(ks - 0xFFB0);
  } else if (ks >= 0xFFBE && ks <= 0xFFD5) {
    vk = VK_F1 + (int)(ks - 0xFFBE);
  } else if (ks == 0xFFE1 || ks == 0xFFE2) {
    vk = VK_SHIFT;
    side = ks == 0xFFE1 ? VK_LSHIFT : VK_RSHIFT;
  } else if (ks == 0xFFE3 || ks == 0xFFE4) {
    vk = VK_CONTROL;
    side = ks == 0xFFE3 ? VK_LCONTROL : VK_RCONTROL;
  } else if (ks == 0xFFE9 || ks == 0xFFE7) {
    vk = VK_MENU;
    side = VK_LMENU;
  } else if (ks == 0xFFEA || ks == 0xFFE8 || ks == 0xFE03) {  // right Alt, AltGr
    vk = VK_MENU;
    side = VK_RMENU;
  } else {
    for (const KeysymVk& e : kKeysymVk)
      if (e.keysym == ks) {
        vk = e.vk;
        break;
      }
  }
  if (sided) *sided = side ? side : vk;
  return vk;
}

// The rows of the main block as a US keyboard labels them, by XKB place name.
static const char kRowE[] = "1234567890";  // AE01..AE10
static const char kRowD[] = "QWERTYUIOP";  // AD01..AD10
static const char kRowC[] = "ASDFGHJKL";   // AC01..AC09
static const char kRowB[] = "ZXCVBNM";     // AB01..AB07
static const struct {
  char name[5];
  int vk;
} kPlaceOem[] = {
    {"AE11", VK_OEM_MINUS}, {"AE12", VK_OEM_PLUS}, {"AD11", VK_OEM_4},     {"AD12", VK_OEM_6},
    {"AC10", VK_OEM_1},     {"AC11", VK_OEM_7},    {"AB08", VK_OEM_COMMA}, {"AB09", VK_OEM_PERIOD},
    {"AB10", VK_OEM_2},     {"TLDE", VK_OEM_3},    {"BKSL", VK_OEM_5},
};

int Vk_FromKeyPlace(const char* name4) {
  if (!name4) return 0;
  char n[5] = {};
  memcpy(n, name4, 4);
  if (n[0] == 'A' && n[2] >= '0' && n[2] <= '9' && n[3] >= '0' && n[3] <= '9') {
    int col = (n[2] - '0') * 10 + (n[3] - '0') - 1;
    const char* row = n[1] == 'E'   ? kRowE
                      : n[1] == 'D' ? kRowD
                      : n[1] == 'C' ? kRowC
                      : n[1] == 'B' ? kRowB
                                    : "";
    if (col >= 0 && col < (int)strlen(row)) return row[col];
  }
  for (const auto& e : kPlaceOem)
    if (memcmp(e.name, n, 4) == 0) return e.vk;
  return 0;
}

bool Vk_IsKeypadNav(unsigned long ks) { return ks >= 0xFF95 && ks <= 0xFF9F; }

// Lower-case letters of the Cyrillic keysyms 0x6C0..0x6DF (the capitals follow at +0x20), as
// offsets from U+0430.
static const unsigned char kCyrLower[32] = {
    0x1E, 0x00, 0x01, 0x16, 0x04, 0x05, 0x14, 0x03, 0x15, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E,
    0x0F, 0x1F, 0x10, 0x11, 0x12, 0x13, 0x06, 0x02, 0x1C, 0x1B, 0x07, 0x18, 0x1D, 0x19, 0x17, 0x1A,
};
// Keysyms 0x6A1..0x6BF: the other Cyrillic letters and the numero sign.
static const unsigned short kCyrOther[31] = {
    0x0452, 0x0453, 0x0451, 0x0454, 0x0455, 0x0456, 0x0457, 0x0458, 0x0459, 0x045A, 0x045B,
    0x045C, 0x0491, 0x045E, 0x045F, 0x2116, 0x0402, 0x0403, 0x0401, 0x0404, 0x0405, 0x0406,
    0x0407, 0x0408, 0x0409, 0x040A, 0x040B, 0x040C, 0x0490, 0x040E, 0x040F,
};

unsigned Vk_KeysymToUnicode(unsigned long ks) {
  if ((ks >= 0x20 && ks <= 0x7E) || (ks >= 0xA0 && ks <= 0xFF)) return (unsigned)ks;
  if ((ks & 0xFF000000UL) == 0x01000000UL) return (unsigned)(ks & 0x00FFFFFFUL);
  if (ks >= 0x6C0 && ks <= 0x6DF) return 0x0430 + kCyrLower[ks - 0x6C0];
  if (ks >= 0x6E0 && ks <= 0x6FF) return 0x0410 + kCyrLower[ks - 0x6E0];
  if (ks >= 0x6A1 && ks <= 0x6BF) return kCyrOther[ks - 0x6A1];
  if (ks >= 0xFFB0 && ks <= 0xFFB9) return '0' + (unsigned)(ks - 0xFFB0);
  switch (ks) {
    case 0xFF08: return 8;
    case 0xFF09: return 9;
    case 0xFF0D:
    case 0xFF8D: return 13;
    case 0xFF1B: return 27;
    case 0xFFAA: return '*';
    case 0xFFAB: return '+';
    case 0xFFAD: return '-';
    case 0xFFAE: return '.';
    case 0xFFAF: return '/';
    case 0x20AC: return 0x20AC;  // the euro keysym
  }
  return 0;
}

struct NameVk {
  const char* name;
  int vk;
};

static const NameVk kNames[] = {
    {"lbutton", VK_LBUTTON}, {"rbutton", VK_RBUTTON}, {"mbutton", VK_MBUTTON}, {"back", VK_BACK},
    {"backspace", VK_BACK},  {"tab", VK_TAB},         {"enter", VK_RETURN},    {"return", VK_RETURN},
    {"shift", VK_SHIFT},     {"ctrl", VK_CONTROL},    {"control", VK_CONTROL}, {"alt", VK_MENU},
    {"pause", VK_PAUSE},     {"caps", VK_CAPITAL},    {"esc", VK_ESCAPE},      {"escape", VK_ESCAPE},
    {"space", VK_SPACE},     {"pgup", VK_PRIOR},      {"pageup", VK_PRIOR},    {"pgdn", VK_NEXT},
    {"pagedown", VK_NEXT},   {"end", VK_END},         {"home", VK_HOME},       {"left", VK_LEFT},
    {"up", VK_UP},           {"right", VK_RIGHT},     {"down", VK_DOWN},       {"print", VK_SNAPSHOT},
    {"ins", VK_INSERT},      {"insert", VK_INSERT},   {"del", VK_DELETE},      {"delete", VK_DELETE},
    {"lshift", VK_LSHIFT},   {"rshift", VK_RSHIFT},   {"lctrl", VK_LCONTROL},  {"rctrl", VK_RCONTROL},
};

int Vk_FromName(const char* name) {
  if (!name || !name[0]) return 0;
  size_t len = strlen(name);
  if (len == 1) {
    char c = name[0];
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
  }
  if ((name[0] == 'f' || name[0] == 'F') && len <= 3 && name[1] >= '1' && name[1] <= '9') {
    int n = atoi(name + 1);
    bool ok = len == 2 || (name[2] >= '0' && name[2] <= '9');
    if (ok && n >= 1 && n <= 24) return VK_F1 + n - 1;
    return 0;
  }
  for (const NameVk& e : kNames)
    if (strcasecmp(e.name, name) == 0) return e.vk;
  return 0;
}
