// The selection of the field: the list of selected figures, its per-frame upkeep in the editor,
// and the heroes of the player found this frame.
#pragma once

class Fgr;

extern int FoundBoss[5];  // words 1..4: slot numbers of the player's heroes found this frame

int SelList_Contains(const Fgr* f);
void SelList_Clear();              // the selection emptied
void Fgr_IsSelectedUpd(Fgr* f);    // the editor's per-frame step of a figure instead of its update
int Fgr_MayCommand(const Fgr* f, int n);  // the one selected figure and its button n is active
int Fgr_NotMine(const Fgr* f);          // not the player's (a squad by its first unit)
