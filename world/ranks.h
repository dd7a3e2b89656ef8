// Ranks and skills of units.
#pragma once

class Fgr;

Fgr* Fgr_FindSkil(Fgr* f, int vers);  // the skill of that version in the figure's skill chain, or null
// The first member of kind `kind` in the chain that starts at `first` (behind `after` when given);
// none when there is none or `after` is not in the chain.
Fgr* Fgr_FindSubByKind(Fgr* first, int kind, Fgr* after);

struct GuiWin;
void KnoCb_RangChoice(GuiWin* w);  // a choice button of the rank-up offer
