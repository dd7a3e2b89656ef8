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
