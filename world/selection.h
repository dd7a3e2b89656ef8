// The selection of the field: the list of selected figures, its per-frame upkeep in the editor,
// and the heroes of the player found this frame.
#pragma once

class Fgr;

constexpr int kSelListMax = 199;

// The selected figures: entries 1..count (entry 0 is never used), then the panel buttons 1..18 of
// the one selected figure.
struct t_SelList {
  Fgr* e[200];
  int count;
  Fgr* kno[19];
};
extern t_SelList SelList;

extern int FoundBoss[5];  // words 1..4: slot numbers of the player's heroes found this frame

void Fgr_UpdSelMark(Fgr* f);    // isSelected: 1 listed, 2 a unit of a selected squad, 0 not
// The one selected figure, else null; with flag set a selected squad holder gives its first unit.
Fgr* pFgrSelectedOne(int squadUnit);

int SelList_Contains(const Fgr* f);
// The list holds only f (with useParent, f's holder); outside the editor only an active figure.
void SelList_SetOne(t_SelList* s, Fgr* f, int useParent);
void SelList_Clear();              // the selection emptied
void Fgr_IsSelectedUpd(Fgr* f);    // the editor's per-frame step of a figure instead of its update
