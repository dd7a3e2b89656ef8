// Carrying out the stage requests once a frame, the resets after a load, and the new game. The
// request words are the figure model's (figures/stage.h); the buttons that set them are the
// interface's (ui/stage_buttons.h), which put the save or the load off to this step of the game
// update.
#pragma once

#include "figures/stage.h"

int Etap_ProcRequests();
int Etap_AfterLoadReset();
void Etap_SetNameAfterLoad();
// A new world of the editor (its button then opens the editor), with nothing of the old one
// selected or waiting for a point; with askFile a stage chosen in the open-file dialog is loaded
// into it.
void Etap_NewGame(int askFile);
