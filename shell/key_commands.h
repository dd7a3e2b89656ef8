// Key commands: one record per command turns the key-state table into one answer per frame
// (fired once, double or triple press, hold and release, modifier and key, repeat, cycling value),
// and the slot arbitration that lets one press serve one command.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

// How a key command fires (its mode word, kept as these numbers in the definitions file); any other
// value acts as kKmdPress.
enum KmdMode {
  kKmdPress = 0,              // on every frame a key is down
  kKmdMultiPress = 1,         // a press, or a double or triple press within its windows
  kKmdHoldRelease = 2,        // on the release after a hold
  kKmdModifierKey = 3,        // key1 held with key2 or key3
  kKmdEitherModifierKey = 4,  // key1 or key2 held with key3
};

// One key command: forty 32-bit words, handled as a whole (zeroed, copied, saved word by word).
struct IKmd2 {
  int reserved0;
  int active;            // 1 or more: the command exists
  int enabled;           // updated only when 1 or more
  int error;             // definition error 0..5
  int blockMs;           // block time after each firing
  int slot;              // exclusivity slot 1..199, else none
  int priority;          // higher wins within the slot
  int mode;              // KmdMode
  int key1, key2, key3;  // virtual-key codes 0..255; 0 = none
  int exclusive;         // refuse keys marked in KeyUsedTable
  int extra;             // kept and saved, read by nothing
  int noSingle;          // double-press command: a single press never fires
  int value;             // cycling value; 0 = none
  int valueMax;
  int cycleMode;  // 0 wrap, 1 stop at the top, 2 ping-pong
  int repeatMs;   // auto-repeat delay; 0 = none
  int repeatMax;  // most repeat firings in one hold; 0 = no limit
  int pingDir;
  int repeatStart;  // MsClock of the first fired frame of the repeat run; 0 = none
  int repeatCount;
  int dblWindow;     // ms allowed for the second press
  int tripleWindow;  // ms allowed for the third press
  int dblWait;
  int tripleWait;
  int blockLeft;
  int holdMs;
  int fired;  // this frame: 0 none, 1 fired, 2 double, 3 triple
  int mouseX1, mouseY1, mouseX2, mouseY2, mouseX3, mouseY3;
  int latch;      // keys still held since the last counted press
  char name[12];  // at most 11 characters, zero filled
  int reserved39;

  // Re-binding: the collected key becomes key2 (clamped to a table index).
  void Set_KeyVers2(int vk);
};
static_assert(sizeof(IKmd2) == 160, "a key command is forty words");

constexpr int kKeyTableSize = 256;
constexpr int kKmdSlots = 200;

// The key commands' shared state: the key tables, the slot winners, the cursor of the frame and
// the definitions file's name.
struct t_KeyCmds {
  int KeyDownTable[kKeyTableSize];  // written by the window procedure
  int KeyUsedTable[kKeyTableSize];  // keys held as a modifier; marks stay for the run
  IKmd2* KmdSlotWinner[kKmdSlots];
  int MouseX, MouseY;                               // window pixels, y up; stored by each mode frame
  std::string gsFileSig = "uni_files/res/sig.txt";  // definitions file (key_file.cpp)
};
extern t_KeyCmds KeyCmds;
// The generated loader's name for the definitions file.
inline std::string& sig1_LoadFileName = KeyCmds.gsFileSig;

// The key commands' static initialiser: no key is marked as held before the program starts.
void StaticInit_KeyCmd();

int IKmd2_Set(IKmd2* k, int active, int key1, int key2, int key3, int exclusive, int extra,
              const char* name);
void IKmd2_Check(IKmd2* k);
int IKmd2_SetCycle(IKmd2* k, int value, int max, int cycleMode, int repeatMs, int repeatMax);
void KeyUsed_Set(int vk);
int KeyUsed_Test(int vk);
void IKmd2_Upd(IKmd2* k);
void IKmd2_UpdAll(IKmd2* first, IKmd2* last);
int IKmd2_RepeatElapsed(IKmd2* k, int capped);
double IKmd2_RepeatFrac(IKmd2* k, int capped);

// Definitions file and single-command files (key_file.cpp).
inline constexpr const char* kKmdMarker = "//==";  // opens a definition block

int IKmd2_InitFromTxtStream(IKmd2& k, std::ifstream& in);
int IKmd2_InitFromStream(IKmd2& k, std::istream& in);
// Skips to the line after the next section marker; false when the stream ended or failed first.
bool Kmd_SkipToMarker(std::istream& in);
int IKmd2_SaveBin(IKmd2* k, const char* fileName, short backupPolicy);
int IKmd2_LoadBin(IKmd2* k, std::string fileName, std::string ext);
int IKmd2_TxtRead(IKmd2* k, std::string fileName);
