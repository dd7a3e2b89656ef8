// Buttons every screen shares: a plain button and a toggle with their hint, the one-shot caption
// colour, the text window's scroll bar from the mouse, and the screenshot key.
#pragma once

#include "gui/gui_win.h"

struct GuiButtonsRec {
  float GuiPanelAlpha = 0.5f;  // alpha of every button panel
  // The widget a panel-button figure draws itself into while its preview is drawn; null otherwise.
  GuiWin* GuiDrawingWin;
};
extern GuiButtonsRec GuiButtons;

// Panel, hover outline, caption in font at (x + 5, y + 2); while hovered the hint is set.
void Gui_DrawButton(GuiWin* win, const char* caption, const char* hint, int font);
void Gui_DrawToggle(GuiWin* win, const char* caption, const char* hint);
void Gui_DrawToggleHint(GuiWin* win, const char* caption, const char* line1, const char* line2,
                        const char* line3, const char* line4);

// The next caption drawn through Gui_TextColorApply takes this colour (else grey 0.7).
void Gui_TextColorOnce(float r, float g, float b, float a);
void Gui_TextColorApply();
void Gui_TextColorWhite();

// Sets the first visible row of the bar's parent text box from the mouse height over the bar.
void Gui_ScrollPos(GuiWin* bar);
// Print Screen asks the main loop for a screenshot, at most once per 800 ms.
void ScreenShotKey();
