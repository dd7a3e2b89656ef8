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
  StageReq.PlitBuildOn = 0;
  Etap_NewGame(w->clickCode == kClickRight);
  SetProgramMode(kModeEditor);
  StageReq.PlitBuildOn = 1;
  return 1;
}

namespace {

// A load of the stage's first location for the game update, which replaces any request pending;
// reload: even when that stage is the current one there, as its file may have changed since.
void RequestLoad(const char* name, int reload) {
  StageReq.EtapLoadReqLoc = 1;
  StageReq.EtapLoadReqName = name;
  StageReq.EtapLoadReqReload = reload;
}

}  // namespace

int Etap_RequestLoadTest(GuiWin* w) {
  if (!w) return 0;
  RequestLoad("Maps/test.etp", 0);
  SetProgramMode(kModePlay);
  return 1;
}

int Etap_RequestLoadTest2(GuiWin* w) {
  if (!w) return 0;
  RequestLoad("Maps/test2.etp", 1);  // each press reads the file its test save wrote
  SetProgramMode(kModePlay);
  return 1;
}

int Etap_RequestLoadDefault(GuiWin* w) {
  if (!w) return 0;
  if (StageReq.EtapName.empty()) RequestLoad("Maps/test.etp", 0);
  SetProgramMode(kModePlay);
  return 1;
}

int Etap_RequestSaveTest2(GuiWin* w) {
  if (!w) return 0;
  w->consumed = 1;
  StageReq.EtapSaveReq = 1;
  StageReq.EtapSaveReqName = "Maps/test2.etp";
  return 1;
}

int Etap_SaveFromGui() {
  if (!ModeWords.EdModified || !Screens.EditorBox || !Dlg_SaveFile()) return 0;
  StageReq.EtapSaveReqName = Dlg.DlgFilePath;
  if (Etap_Save(StageReq.EtapSaveReqName)) return 1;
  Etap_SayFailure(kEtapFailSave);
  return 0;
}
