// The screens of the three program modes: the whole widget tree built once at start-up (one
// full-window panel per mode, the hint strips, the start screen's text windows and buttons) and
// the widgets other code reads.
#pragma once

#include "gui/gui_win.h"
#include "ui/hud.h"

// The widgets the build makes that other code reads, shows or hides; null before the build.
struct ScreensRec {
  GuiWin* GuiPanelMode1;  // the full-window panels of the modes 1..3; SetProgramMode shows one
  GuiWin* GuiPanelMode2;
  GuiWin* GuiPanelMode3;
  GuiWin* GuiHintStrip1;  // hidden strips whose rectangles frame the hint box
  GuiWin* GuiHintStrip2;
  GuiWin* GuiHintStrip3;
  GuiWin* GuiTopStrip1;  // top-right button strip of each mode
  GuiWin* GuiTopStrip2;
  GuiWin* GuiTopStrip3;
  GuiWin* TextBox1;  // the start screen's upper and lower text windows
  GuiWin* TextBox2;
  GuiWin* TextWinLine1A;  // the special line and the file line under each window
  GuiWin* TextWinLine1B;
  GuiWin* TextWinLine2A;
  GuiWin* TextWinLine2B;
  GuiWin* ScrollBarDrag;  // the text-window scroll bar being dragged; the start frame clears it
  // The play screen's HUD.
  GuiWin* UnitDebugBox;  // the selected unit's title and debug lines, top left
  GuiWin* CaptainCells;  // the 3 x 7 panel-button cells of the selected unit
  GuiWin* InfoPanel1;    // four info panels over the same place, hidden
  GuiWin* InfoPanel2;
  GuiWin* LiftGuestPanel;
  GuiWin* UnitSpellsPanel;
  GuiWin* HudUnitPanel;      // the unit's items, filters and skills; hidden
  GuiWin* SideResBar;        // the player's stocks along the top
  GuiWin* CaptainIconStrip;  // the four captain icons
  GuiWin* MsgPanel;          // the rank-up offer over the whole window (while shown the pause key
                             // does nothing); hidden
  GuiWin* CodeWinBox;        // the code window of a trigger's message, and its text box; hidden
  GuiWin* CodeWinText;
  // The value panels of play and of the editor (ui/org_panels.h, ui/fgr_panels.h).
  GuiWin* OrgPanel_Play;
  GuiWin* OrgPanel_Edit;
  GuiWin* FgrPanel_Play;
  GuiWin* FgrPanel_Edit;
  GuiWin* EditorBox;  // the editor's tool box (palette and save button)
};
extern ScreensRec Screens;

// Builds the tree once; nothing before Gui_InitRoot (the root invisible).
void Gui_Build();
// Builds the whole widget tree once and loads the text screen's two text windows.
void Gui_BuildAtStart();
