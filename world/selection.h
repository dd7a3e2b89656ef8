// The selection of the field: the list of selected figures, its per-frame upkeep in the editor,
// and the heroes of the player found this frame.
#pragma once

class Fgr;
struct t_Fgrs;

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

int SelList_Contains(const Fgr* f);
// The list holds only f (with useParent, f's holder); outside the editor only an active figure.
void SelList_SetOne(t_SelList* s, Fgr* f, int useParent);
void SelList_Clear();              // the selection emptied
void Fgr_IsSelectedUpd(Fgr* f);    // the editor's per-frame step of a figure instead of its update

// Selects in a window box (corner and size, y up): single picks the nearest figure (any side),
// else every figure of the player's side in the box. Answers the number selected.
int SelectFgrsInRect(t_SelList* s, float x, float y, float w, float h, int single);
// Every frame outside the editor: every 500 ms a mixed list with a foreign figure is dropped and a
// dead first entry removed; every frame the button table is rebuilt.
void SelList_Tidy(t_SelList* s);
// Picking through the main view (PickView). The box is given by its corner and size in window
// pixels (y up) and used by its centre. In the editor any figure; in play only units, never a dying
// one, and with ownOnly only the player's own or the ones the player sees.
Fgr* PickFgrAtCursor(t_Fgrs* c, float x, float y, float w, float h, int ownOnly);
// The first selected figure when exactly one is; with squadUnit, a squad gives its first unit.
Fgr* pFgrSelectedOne(int squadUnit);
