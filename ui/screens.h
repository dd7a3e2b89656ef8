// The screens of the three program modes: the whole widget tree built once at start-up (one
// full-window panel per mode, the hint strips, the start screen's text windows and buttons) and
// the widgets other code reads.
#pragma once

#include "ui/hud.h"
#include "shell/gui_win.h"

extern GuiWin* GuiHintStrip1;  // hidden strips whose rectangles frame the hint box
extern GuiWin* GuiHintStrip2;
extern GuiWin* GuiHintStrip3;
extern GuiWin* GuiTopStrip1;   // top-right button strip of each mode
extern GuiWin* GuiTopStrip2;
extern GuiWin* GuiTopStrip3;
extern GuiWin* TextBox1;       // the start screen's upper and lower text windows
extern GuiWin* TextBox2;
extern GuiWin* TextWinLine1A;  // the special line and the file line under each window
extern GuiWin* TextWinLine1B;
extern GuiWin* TextWinLine2A;
extern GuiWin* TextWinLine2B;

// Builds the tree once; nothing before Gui_InitRoot (the root invisible).
void Gui_Build();
// Builds the whole widget tree once and loads the text screen's two text windows.
void Gui_BuildAtStart();

