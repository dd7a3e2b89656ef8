// Stand-ins for what the stage files and requests call in parts not built yet (interface, dialogs,
// tile build, selection, land flags, new-world figures, land patch registration). Each is a weak
// definition in its folder's pending_<folder>_stages.cpp, so the real one replaces it without a
// clash; delete an entry when its real one lands.
#pragma once
#include <cstdio>

class Fgr;

#include "gm/org_base.h"  // named variables and their stage part

#if __has_include("shell/dialogs.h")
#include "shell/dialogs.h"
#else
extern char DlgFilePath[256];
int Dlg_OpenFile();
int Dlg_SaveFile();
#endif

// Interface (widget fields the stage buttons touch, program mode, editor flags).
#if __has_include("ui/pending_ui_shell.h")
#include "ui/pending_ui_shell.h"
#else
struct GuiWin {
  int clickCode;  // of the last mouse offer; 2 = right button
  int consumed;   // a callback used the click
};
int SetProgramMode(int mode);
#endif
extern int EdToolUsed;
extern GuiWin* EdBoxWin;

void PlitTextures_Build(int flag);     // terrain tile textures
void SelList_Clear();                  // the selection emptied
void Land_InitCellFlags();             // cell flags of a new world
void ProjX_CreateLandAndBunkers();     // land figures, cameras and base bunkers of a new world
void Fgr_SetSpeLosk(Fgr* f, int nom, int underGround);  // becomes Fgr::SetSpeLosk
void Fgr_SetSpeDecal(Fgr* f, int nom);                  // becomes Fgr::SetSpeDecal

// What the stand-ins saw, for the tests of the requests.
struct StagesPendingCalls {
  int mode;          // last SetProgramMode
  int plitBuilds;    // PlitTextures_Build calls
  int plitLastFlag;
  int selClears;     // SelList_Clear calls
  int newWorlds;     // ProjX_CreateLandAndBunkers calls
};
extern StagesPendingCalls gStagesPending;
