// What a unit, building, bunker or squad shows of itself each view: its body and sprite, its side
// flag and tactic badge, the selection and hover frames, the sight, gun and skill rings and the hit
// bars over it (the last three only while it is hovered or the one selected figure).
#pragma once

class Fgr;
struct BoeCounters;

void Proc_MarkSelected(Fgr* f);     // 26, queue
void Proc_DrawUnitOverlay(Fgr* f);  // 27, render by the entry's draw kind

void Unit_QueueSelFrame(Fgr* f);
void Unit_QueueHoverFrame(Fgr* f);
void Unit_QueueRings(Fgr* f);
// The first skill has imiter set and its item's FKu (or Sta) table holds entries.
int Fgr_SkilHasFKu(const Fgr* f);
int Fgr_SkilHasSta(const Fgr* f);
// a/amax: TehnHP with useTehnHP, else Hot; b/bmax: NormHP with useNormHP, else CaptHP with
// useCaptHP, else untouched. Nothing without a unit record in use.
void Unit_BarValues(const Fgr* f, int* a, int* amax, int* b, int* bmax);
void Unit_DrawHudBars(Fgr* f, int sx, int sy);

// The frame offset of animation channel kan (0..2) in a walker's three frames; 0 for another
// channel or a frame outside 0..last.
int AnimFrameOf(const int* frames, int kan, int last);
int AnimFlagFrame(int kan);   // 0..7: side flags are textures 21..28
int AnimBonusFrame(int kan);  // 0..5: tactic badges are textures 11..16
float BlinkAlpha();           // the pulsing alpha of the unit overlay

// The figure's triangles of the scene's small mesh at (x, y, z): nothing unless the index list is
// whole triangles of vertices the mesh holds.
void Fgr_DrawInd(Fgr* f, float x, float y, float z);
