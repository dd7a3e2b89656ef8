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

t_StageReq StageReq;

// A save or a load that failed looks like one that worked unless it is said where the user looks.
void Etap_SayFailure(int saving) {
  const char* what = o2::EngText ? (saving ? "Stage not saved" : "Stage not loaded")
                                 : (saving ? "Этап не сохранён" : "Этап не загружен");
  const std::string text =
      std::string(what) + ": " + StageReq.EtapFail.name + " (" + StageReq.EtapFail.why + ")";
  LogInfo("\n%s", text.c_str());
  Plat_MessageBox(text.c_str(), "Error", MB_OK | MB_ICONEXCLAMATION);
}

int Etap_RequestSaveTest2(GuiWin* w) {
  if (!w) return 0;
  w->consumed = 1;
  StageReq.EtapSaveReq = 1;
  StageReq.EtapSaveReqName = "Maps/test2.etp";
  return 1;
}

int Etap_SaveFromGui() {
  if (!ModeWords.EdModified || !EditorBox || !Dlg_SaveFile()) return 0;
  StageReq.EtapSaveReqName = Dlg.DlgFilePath;
  if (Etap_Save(StageReq.EtapSaveReqName)) return 1;
  Etap_SayFailure(1);
  return 0;
}
