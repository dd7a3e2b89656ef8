// The value panels of the one selected figure: its 216 integer and 56 float properties 25 rows at a
// time. The editor's panel edits them as the named-variable panel edits its variables; play's panel
// shows name and value together on read-only bars. With no figure or several selected the editor's
// panel shows only empty rows (and still takes their clicks), play's grey bars.
#pragma once

#include "gui/gui_win.h"
#include "ui/hud.h"  // the two page words: row r shows property ValPage_FgrInt + r (or Flo)

int ValPanel_FgrIntOut(int n);  // 1 outside 1..216
int ValPanel_FgrFloOut(int n);  // 1 outside 1..56

void ValPanel_FgrIntHdrClick(GuiWin* w);
void ValPanel_FgrFloHdrClick(GuiWin* w);
void ValPanel_FgrIntName(GuiWin* w);
void ValPanel_FgrFloName(GuiWin* w);
void ValPanel_FgrInt(GuiWin* w);
void ValPanel_FgrFlo(GuiWin* w);
void ValPanel_FgrIntValClick(GuiWin* w);
void ValPanel_FgrFloValClick(GuiWin* w);
// The - and + buttons: a draw half and an event half (Click) each.
void ValPanel_FgrIntSub(GuiWin* w);
void ValPanel_FgrIntAdd(GuiWin* w);
void ValPanel_FgrFloSub(GuiWin* w);
void ValPanel_FgrFloAdd(GuiWin* w);
void ValPanel_FgrIntSubClick(GuiWin* w);
void ValPanel_FgrIntAddClick(GuiWin* w);
void ValPanel_FgrFloSubClick(GuiWin* w);
void ValPanel_FgrFloAddClick(GuiWin* w);
void ValPanel_FgrIntRow(GuiWin* w);
void ValPanel_FgrFloRow(GuiWin* w);
// The value hint of property n holding value, with its second line.
void ValPanel_FgrIntText(int n, int value, const char* line2);
void ValPanel_FgrFloText(int n, float value, const char* line2);
