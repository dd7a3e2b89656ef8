// The block of key commands of this build (generated class `inerProjKmd`, instance `kmdSbor`) as the
// rest of the program sees it: by number, 0-based in class order, without including the class.
#pragma once

#include "shell/key_commands.h"

// The names are the class's own up to Space; the text commands after it (the class's Kmd14 to
// Kmd21) are named by what the start screen does with them.
enum KmdNum {
  KMD_ESC = 0,
  KMD_KLIK,
  KMD_RKLIK,
  KMD_LEFT,
  KMD_RIT,
  KMD_UP,
  KMD_DN,
  KMD_PGUP,
  KMD_PGDN,
  KMD_HOME,
  KMD_END,
  KMD_DEL,
  KMD_SPACE,
  KMD_SELECT_ALL,
  KMD_TEXT_RESERVED,
  KMD_CUT,
  KMD_COPY,
  KMD_PASTE,
  KMD_CUT2,
  KMD_COPY2,
  KMD_PASTE2,
  KMD_NAMED  // the count of named commands
};

int Kmd_Count();  // the loaded commands, without the terminator
IKmd2* Kmd_First();
IKmd2* Kmd_Last();       // the terminator, never loaded
IKmd2* KmdByNum(int n);  // null outside 0..Kmd_Count()
int Kmd_Load();          // inerProjKmd::_Load on kmdSbor: 0 when the file does not open
void Kmd_ResetAll();     // every record zero, as static initialisation leaves them
int Kmd_Fired(int n);    // the fired word of command n, 0 for a missing one
void Kmd_UpdAll();       // IKmd2_UpdAll over the whole block

// Key re-binding mode (generated with the block).
extern int anSetKeysMode;
int anSetKeysModeOnKeyDn();
int anSetKeysModeOnKeyUp(int vk);
int anSetKeysModeOn();
char* anSetKeysModeStr();
int Kmd_RebindSteps();  // the generated command count
