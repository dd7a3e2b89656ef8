// The player's selection: one global list of figures filled by picking under the cursor or in a
// dragged rectangle (OpenGL selection mode, the figure's slot number as the selection name), tidied
// twice a second, and read by the orders, the panel buttons and the marks. Beside it: the per-frame
// selection marks and side lists of the figures, and small predicates the orders and the interface
// ask of a figure.
#pragma once

class Fgr;
struct t_Fgrs;
struct RendView;

constexpr int kSelListMax = 199;  // entries 1..count
constexpr int kSelKnoMax = 18;    // panel buttons 1..18 of the one selected figure
constexpr int kPickHitsMax = 706;
constexpr int kSelTidyMs = 500;

// The selected figures: entries 1..count (entry 0 is never used), then the panel buttons 1..18 of
// the one selected figure, rebuilt every frame.
struct t_SelList {
  Fgr* e[kSelListMax + 1];
  int count;
  Fgr* PanelBtnFgrs[kSelKnoMax + 1];  // the panel-button table
  int tidyWait;                       // the 500 ms countdown of the tidy step
  int FoundBoss[5];                   // words 1..4: slot numbers of the player's heroes found this frame
  Fgr* PickHits[kPickHitsMax];        // the figures of the last rectangle pick, in hit order
};
extern t_SelList SelList;

// The field mouse's words the world reads and sets: the figure under the cursor, and a figure
// waiting for a ground point (a point order), which the cursor carries until the field mouse gives
// it the point. The field mouse of the application keeps the rest of its words to itself.
struct t_WorldMouse {
  Fgr* HoverFgr;       // figure of the hover pick
  Fgr* PointOrderFgr;  // a figure waiting for a ground point (carried with the cursor)
  int PointOrderSig;   // its signal number; non-zero arms the point order
  int PointOrderX, PointOrderZ;
  int CarriedTex;  // texture slot of the carried figure's icon
};
extern t_WorldMouse WorldMouse;

// A selection emptied, set anew or added to closes the waypoint window of ground orders
// (OrderWait_Close): the next ground order is the new selection's route.
int SelList_Contains(const Fgr* f);
void SelList_Clear();  // the selection emptied: 200 entries null, count 0
// The list holds only f (with useParent, f's holder when it has one); outside the editor only an
// active figure. Any point order waiting for a ground point is dropped.
void SelList_SetOne(t_SelList* s, Fgr* f, int useParent);
// Appends f (with useParent, its holder unless already listed); 1 when it appended. Outside the
// editor only an active figure; refused at 199.
int SelList_Add(t_SelList* s, Fgr* f, int useParent);
// A new world or a load: the selection, its button table, the hovered figure, a point order
// waiting for a ground point and the carried item slot all name figures of the old one, and are
// emptied.
void SelList_ForgetFigures();
// Selects in a window box (corner and size, y up): single picks the nearest figure (any side),
// else every figure of the player's side in the box (a figure that refuses mass selection only
// while alone). Answers the number selected.
int SelectFgrsInRect(t_SelList* s, float x, float y, float w, float h, int single);
// Every frame outside the editor: every 500 ms a mixed list with a foreign figure is dropped and a
// dead first entry removed; every frame the button table is rebuilt.
void SelList_Tidy(t_SelList* s);
// A selected figure of another side that the player no longer sees drops the whole selection.
void SelPending_Clear(Fgr* f);

// Picking through the main view (PickView). The box is given by its corner and size in window
// pixels (y up) and used by its centre. In the editor any figure; in play only units, never a dying
// one, and with ownOnly only the player's own or the ones the player sees.
Fgr* PickFgrAtCursor(t_Fgrs* c, float x, float y, float w, float h, int ownOnly);
// The figure whose box is nearest at window point (cx, cy), box w by h clipped to the viewport and
// at least 3 by 3; none without a view or a hit.
Fgr* PickFgrAt(int unitsOnly, int cx, int cy, const RendView* cam, int w, int h);
// The same pick keeping every hit: the count (at most 706), the figures in PickHits.
int PickFgrAllInRect(int unitsOnly, int cx, int cy, const RendView* cam, int w, int h);
// The pick scene: a box under each pickable figure's slot number.
void DrawFgrsForPick(t_Fgrs* c, int unitsOnly);
void PickNames_Draw(int unitsOnly);

// The per-frame marks and lists of a figure.
void Fgr_UpdSelMark(Fgr* f);     // isSelected: 1 listed, 2 a unit of a selected squad, 0 not
void Fgr_IsSelectedUpd(Fgr* f);  // a squad's mark and the side lists (the editor's step of a figure)
// The figure enters its own side's list of this frame and the lists of the sides that see it.
void Fgr_OfferToSides(Fgr* f);

// Predicates and accessors.
int Fgr_MayCommand(const Fgr* f, int n);  // the one selected figure and its button n is active
int Fgr_NotMine(const Fgr* f);            // not the player's (a squad by its first unit)
Fgr* Fgr_KnoByIndex(Fgr* f, int n);       // member n (1..18) of the button chain
Fgr* Fgr_FindMetGdMark(Fgr* f, int v);    // spell mark of version v among the good / bad marks
Fgr* Fgr_FindMetBdMark(Fgr* f, int v);
int Fgr_Int5Get(int i, const Fgr* f);  // seen by side i (1..5)
int Fgr_IsBunkerHostOf(int side, const Fgr* f);
int Fgr_BanerIs(const Fgr* f, int side);
// The square of half size haf around the figure overlaps the box of centre (x, y) and size w, h.
int Fgr_RectOverlap(const Fgr* f, float x, float y, float w, float h);
void PickPoint_SetFromFgr(const Fgr* f);  // the camera looks at the figure
// The camera looks at the player's own side: its first bunker on the shown floor, else its first
// unit there (figures of the stage, not the base), unless that figure is in the view window
// already; the view is kept inside the world either way.
void PickPoint_SetToPlayerSide();
// The first selected figure when exactly one is; with squadUnit, a squad gives its first unit.
Fgr* pFgrSelectedOne(int squadUnit);
