// The play screen's panels that the world and the frames show and hide (the build makes them; the
// figure procedures, the rank-up offers and the game's pre-steps reach them), and the small steps of
// the play and editor frames around them: the floor switch and the dragged item.
#pragma once

#include "shell/gui_win.h"

extern GuiWin* UnitDebugBox;      // the selected unit's title and debug lines, top left
extern GuiWin* CaptainCells;      // the 3 x 7 panel-button cells of the selected unit
extern GuiWin* InfoPanel1;        // four info panels over the same place, hidden
extern GuiWin* InfoPanel2;
extern GuiWin* LiftGuestPanel;
extern GuiWin* UnitSpellsPanel;
extern GuiWin* HudUnitPanel;      // the unit's items, filters and skills; hidden
extern GuiWin* SideResBar;        // the player's stocks along the top
extern GuiWin* CaptainIconStrip;  // the four captain icons
extern GuiWin* MsgPanel;          // the rank-up offer over the whole window (while shown the pause
                                  // key does nothing); hidden

// The first property each of the selected figure's value panels shows (integers 0..191, floats
// 0..31); their paging headers show it too.
extern int ValPage_FgrInt;
extern int ValPage_FgrFlo;

// Show (v above 0) or hide the panel; nothing before the build. Gui_SetToggleFlag is InfoPanel1's.
void InfoPanel2_Show(int v);
void LiftGuestPanel_Show(int v);
void UnitSpellsPanel_Show(int v);
void Gui_SetToggleFlag(int v);

// The floor on show toggles when the switch was requested; a figure carried for a point order is
// dropped with it.
void VisFloor_SwitchIfReq();
// The dragged item stays (1) while the slot is whole and its holder active; else it is cleared (0).
int Slot3_DropInactive();
