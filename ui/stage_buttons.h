// The buttons of the stage requests that also switch the program mode: the new world of the
// editor, and the loads that go to play. Each does nothing for a null widget and answers 1
// otherwise. The request words, and the buttons that only store a request, are the figure model's
// (figures/stage.h).
#pragma once

#include "shell/gui_win.h"

// A new world (with a stage chosen in the open-file dialog on a right click), then the editor.
int Etap_NewGameBtn(GuiWin* w);
// A load of "Maps/test.etp", of "Maps/test2.etp", of "Maps/test.etp" only while no stage is
// loaded; then play.
int Etap_RequestLoadTest(GuiWin* w);
int Etap_RequestLoadTest2(GuiWin* w);
int Etap_RequestLoadDefault(GuiWin* w);
