// The selection of the field: the list of selected figures, its per-frame upkeep in the editor,
// and the heroes of the player found this frame.
#pragma once

class Fgr;

extern int FoundBoss[5];  // words 1..4: slot numbers of the player's heroes found this frame

// The player's selection: entries 1..count (entry 0 never used), at most 199.
constexpr int kSelListWords = 200;
struct SelListRec {
  Fgr* e[kSelListWords];
  int count;
};
extern SelListRec SelList;

int SelList_Contains(const Fgr* f);
void SelList_Clear();              // the selection emptied
void Fgr_IsSelectedUpd(Fgr* f);    // the editor's per-frame step of a figure instead of its update
