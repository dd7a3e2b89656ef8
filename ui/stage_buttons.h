// The buttons of the stage: the new world of the editor, the loads that go to play, the save
// request of play, and the editor's save. Each does nothing for a null widget and answers 1
// otherwise. The request words are the figure model's (figures/stage.h); the game update carries
// them out (world/stage_requests.h).
#pragma once

#include "gui/gui_win.h"

// A new world (with a stage chosen in the open-file dialog on a right click), then the editor.
int Etap_NewGameBtn(GuiWin* w);
// A load of "Maps/test.etp", of "Maps/test2.etp", of "Maps/test.etp" only while no stage is
// loaded; then play.
int Etap_RequestLoadTest(GuiWin* w);
int Etap_RequestLoadTest2(GuiWin* w);
int Etap_RequestLoadDefault(GuiWin* w);
// A save of "Maps/test2.etp" asked of the next game update; the click is consumed.
int Etap_RequestSaveTest2(GuiWin* w);
// The editor's save button: once the stage was changed in the editor and the editor box exists, a
// file is chosen in the save dialog and the stage saved to it at once (a failure is shown). 1 when
// saved.
int Etap_SaveFromGui();
