// Stage requests: buttons and dialogs only store what to save or load; the game update carries the
// requests out once a frame (save first, then load), never inside a widget callback (that work,
// which reaches into the world, the renderer and the interface, is world/stage_requests.cpp).
#include "figures/mode_words.h"
#include "figures/stage.h"
#include "shell/dialogs.h"
#include "shell/gui_win.h"

std::string EtapName;
int EtapLocationNom = 0;
std::string EtapSaveReqName;
int EtapSaveReq = 0;
std::string EtapLoadReqName;
int EtapLoadReqLoc = 0;
int PlitBuildOn = 1;

int Etap_RequestSaveTest2(GuiWin* w) {
  if (!w) return 0;
  w->consumed = 1;
  EtapSaveReq = 1;
  EtapSaveReqName = "Maps/test2.etp";
  return 1;
}

int Etap_SaveFromGui() {
  if (!EdModified || !EditorBox || !Dlg_SaveFile()) return 0;
  EtapSaveReqName = DlgFilePath;
  return Etap_Save(EtapSaveReqName);
}
