// Info texts and tooltips: the draw callbacks through which the play screen's buttons show the
// side's stocks, the selected unit's items, skills and spells, the rank-up offer and the paging
// headers of the value panels.
#pragma once

struct GuiWin;

void KnoCb_SideRes(GuiWin* w);
void KnoCb_ItemInfo(GuiWin* w);
void KnoCb_ItemSlots(GuiWin* w);
void KnoCb_CaptainOrigin(GuiWin* w);
void KnoCb_SkilUpHint(GuiWin* w);
void KnoCb_Skil(GuiWin* w);
void KnoCb_SkilH2(GuiWin* w);
void KnoCb_SkilH3(GuiWin* w);
void KnoCb_CaptainIs(GuiWin* w);
void KnoCb_Bad(GuiWin* w);
void KnoCb_Good(GuiWin* w);
void KnoCb_GuestInfo(GuiWin* w);
void KnoCb_Adjust1(GuiWin* w);
void KnoCb_Adjust2(GuiWin* w);
void KnoCb_LmbRmb(GuiWin* w);
// The main menu's options button (message 108) and continue button (106, or 105 with the default
// stage while no load is stored); the play panel's title veil (message 2) and its map picture.
void KnoCb_MenuOptions(GuiWin* w);
void KnoCb_MenuContinue(GuiWin* w);
void KnoCb_PanelTitle(GuiWin* w);
void KnoCb_MapPanel(GuiWin* w);

class Fgr;

// Procedures 34 and 56: a panel button draws itself into GuiDrawingWin (nothing without one). They
// are handed to the world's procedure numbers (world/procs.h) as the program starts.
void Proc_KnoButton(Fgr* button);
void Proc_KnoButton2(Fgr* button);
// The figure's wait as a red bar over the widget's width; nothing while waitNow or waitFull is 0.
void Gui_DrawFgrBar(GuiWin* w, const Fgr* f);

// The name of the skill tier behind skill button code (1..4 tier 1, 6..9 tier 2, 11..14 tier 3 of
// the skills in chain positions 1..4) and its level; null for another code or an empty position.
const char* Skil_ByButton(Fgr* f, int code, int* level);
void Skil_LogAll(Fgr* captain);  // the skills' names and levels into the log
