// The play screen's panels that the world and the frames show and hide (the build makes them, the
// figure procedures, the rank-up offers and the game's pre-steps reach them).
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
extern GuiWin* MsgPanel;          // the rank-up offer over the whole window; hidden
extern GuiWin* CodeWinBox;        // the code window and its text; hidden
extern GuiWin* CodeWinText;

// The first property each figure-property panel shows: its paging header shows it too.
extern int ValPage_FgrInt;
extern int ValPage_FgrFlo;

// Show (v above 0) or hide the panel; nothing before the build.
void InfoPanel2_Show(int v);
void LiftGuestPanel_Show(int v);
void UnitSpellsPanel_Show(int v);
