// The selection of the field: the list of selected figures, its per-frame upkeep in the editor,
// and the heroes of the player found this frame.
#pragma once

class Fgr;

extern int FoundBoss[5];  // words 1..4: slot numbers of the player's heroes found this frame

// The selected figures: entries 1..klv (entry 0 never used), at most 199.
struct t_SelList {
  Fgr* mf[200];
  int klv;
};
extern t_SelList SelList;
extern Fgr* PanelBtnFgrs[19];  // entries 1..18: the panel buttons of the one selected figure

// The one selected figure, else null; with flag set a selected squad holder gives its first unit.
Fgr* pFgrSelectedOne(int flag);
// The list holds only f (its holder with useParent); outside the editor f must be active.
void SelList_SetOne(t_SelList* list, Fgr* f, int useParent);
int Fgr_NotMine(Fgr* f);             // 1 for none or a figure not of the player's side
void PickPoint_SetFromFgr(Fgr* f);   // the camera looks at the figure

int SelList_Contains(const Fgr* f);
void SelList_Clear();              // the selection emptied
void Fgr_IsSelectedUpd(Fgr* f);    // the editor's per-frame step of a figure instead of its update
