// The buttons of the stage: requests for the game update, and the editor's save at once.
#include "ui/stage_buttons.h"

#include "figures/mode_words.h"
#include "figures/stage.h"
#include "shell/dialogs.h"
#include "ui/program_mode.h"
#include "ui/screens.h"
#include "world/stage_requests.h"

int Etap_NewGameBtn(GuiWin* w) {
  if (!w) return 0;
  PlitBuildOn = 0;
  Etap_NewGame(w->clickCode == 2);
  SetProgramMode(kModeEditor);
  PlitBuildOn = 1;
  return 1;
}

int Etap_RequestLoadTest(GuiWin* w) {
  if (!w) return 0;
  EtapLoadReqLoc = 1;
  EtapLoadReqName = "Maps/test.etp";
  SetProgramMode(kModePlay);
  return 1;
}

int Etap_RequestLoadTest2(GuiWin* w) {
  if (!w) return 0;
  EtapLoadReqLoc = 1;
  EtapLoadReqName = "Maps/test2.etp";
  SetProgramMode(kModePlay);
  return 1;
}

int Etap_RequestLoadDefault(GuiWin* w) {
  if (!w) return 0;
  if (EtapName.empty()) {
    EtapLoadReqLoc = 1;
    EtapLoadReqName = "Maps/test.etp";
  }
  SetProgramMode(kModePlay);
  return 1;
}

int Etap_RequestSaveTest2(GuiWin* w) {
  if (!w) return 0;
  w->consumed = 1;
  EtapSaveReq = 1;
  EtapSaveReqName = "Maps/test2.etp";
  return 1;
}

int Etap_SaveFromGui() {
  if (!EdModified || !Screens.EditorBox || !Dlg_SaveFile()) return 0;
  EtapSaveReqName = DlgFilePath;
  if (Etap_Save(EtapSaveReqName)) return 1;
  Etap_SayFailure(1);
  return 0;
}
