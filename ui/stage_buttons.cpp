// The buttons of the stage requests that switch the program mode.
#include "ui/stage_buttons.h"

#include "figures/mode_words.h"
#include "figures/stage.h"
#include "ui/program_mode.h"
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
