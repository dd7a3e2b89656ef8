// Stage requests: buttons and dialogs only store what to save or load; the game update carries the
// requests out once a frame (save first, then load), never inside a widget callback (that work,
// which reaches into the world, the renderer and the interface, is world/stage_requests.cpp).
#include "figures/mode_words.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "platform/platform.h"
#include "shell/dialogs.h"
#include "shell/gui_win.h"
#include "shell/log.h"

std::string EtapName;
int EtapLocationNom = 0;
std::string EtapSaveReqName;
int EtapSaveReq = 0;
std::string EtapLoadReqName;
int EtapLoadReqLoc = 0;
int PlitBuildOn = 1;
EtapFailRec EtapFail;

// A save or a load that failed looks like one that worked unless it is said where the user looks.
void Etap_SayFailure(int saving) {
  const char* what = o2::EngText ? (saving ? "Stage not saved" : "Stage not loaded")
                                 : (saving ? "Этап не сохранён" : "Этап не загружен");
  const std::string text = std::string(what) + ": " + EtapFail.name + " (" + EtapFail.why + ")";
  LogInfo("\n%s", text.c_str());
  Plat_MessageBox(text.c_str(), "Error", MB_OK | MB_ICONEXCLAMATION);
}

int Etap_RequestSaveTest2(GuiWin* w) {
  if (!w) return 0;
  w->consumed = 1;
  EtapSaveReq = 1;
  EtapSaveReqName = "Maps/test2.etp";
  return 1;
}

int Etap_SaveFromGui() {
  if (!EdModified || !EditorBox || !Dlg_SaveFile()) return 0;
  EtapSaveReqName = Dlg.DlgFilePath;
  if (Etap_Save(EtapSaveReqName)) return 1;
  Etap_SayFailure(1);
  return 0;
}
