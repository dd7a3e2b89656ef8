// The draw and event callbacks of the play screen's buttons and small widgets: pause, the selected
// unit's box and panel, the captain cells and icons, the floor box, the message panel, the code
// window, and the stage save and load buttons.
#pragma once

#include "gui/gui_win.h"

// The play screen's own step each frame it is drawn: the message panel shows and hides as the
// rank-up offers ask.
void PlayScreen_Draw(GuiWin* w);
// Shows or hides the message panel as the offer queue asked (RangPanelReq), and clears the request:
// at the play screen's draw, and in the game update right after the widgets took the mouse, so a
// choice that emptied the queue hides the panel before the rest of that update reads it.
void RangPanel_ApplyReq();

void PauseBtn_Draw(GuiWin* w);   // "PAUSE", only while paused
void PauseBtn_Click(GuiWin* w);  // lifts the pause

// The unit box: the one selected figure, or the first unit of a selected squad.
void UnitBoxTitle_Draw(GuiWin* w);
void UnitBoxTitle_Click(GuiWin* w);
void UnitDbg_Draw(GuiWin* w);        // path words
void UnitDbgRank_Draw(GuiWin* w);    // rank and experience
void UnitDbgCounts_Draw(GuiWin* w);  // hit points, heat and tactic
void HudUnitPanel_OpenClick(GuiWin* w);
void HudUnitPanel_CloseClick(GuiWin* w);

void Gui_DrawFgrPreview(GuiWin* w);  // a panel-button figure of the selected unit draws itself
void CaptainCell_Click(GuiWin* w);
void CargoCell_Click(GuiWin* w);
void SuitCell_Click(GuiWin* w);
void CaptainIcon_Draw(GuiWin* w);
void CaptainIcon_Click(GuiWin* w);

void FloorBox_Draw(GuiWin* w);  // the minimap in its box
void FloorBtn_Draw(GuiWin* w);
void FloorBtn_Click(GuiWin* w);
void MsgPanel_Draw(GuiWin* w);
void MsgPanel_Click(GuiWin* w);  // only takes the click
// The message panel is up (a rank-up offer waits for the player's choice): neither the pause key
// nor the start screen's way back to play lifts the pause meanwhile.
int MsgPanel_Shown();
// The message panel's three choice buttons (numbers 1, 2, 3): the offer is taken, and the click
// used, once the wait after the offer is over (Rang_ChoiceTake).
void KnoCb_RangChoice(GuiWin* w);
// The code window shown with the text as its one row, coloured as the text boxes colour theirs;
// nothing without the window or a text.
void CodeWin_Show(const char* text);
// The pause lifted and the code window hidden, when the window exists.
void GamePause_Clear();
void CodeWin_Click(GuiWin* w);  // takes the click and clears the pause

void SaveTest2Btn_Draw(GuiWin* w);
void SaveTest2Btn_Click(GuiWin* w);
void LoadTest2Btn_Draw(GuiWin* w);
void LoadTest2Btn_Click(GuiWin* w);
