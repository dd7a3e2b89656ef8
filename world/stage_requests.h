// Carrying out the stage requests once a frame, the resets after a load, the new game, and the
// buttons that switch the program mode with their request. The request words and the buttons that
// only store a request are the figure model's (figures/stage.h).
#pragma once

#include "figures/stage.h"

int Etap_ProcRequests();
int Etap_AfterLoadReset();
void Etap_SetNameAfterLoad();
void Etap_NewGame(int askFile);
int Etap_NewGameBtn(GuiWin* w);
int Etap_RequestLoadTest(GuiWin* w);
int Etap_RequestLoadTest2(GuiWin* w);
int Etap_RequestLoadDefault(GuiWin* w);
