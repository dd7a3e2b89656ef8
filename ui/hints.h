// The hint box: what the widget under the mouse says about itself, set each frame by its widget and
// drawn into a strip of the screen.
#pragma once

// Draws the hint into a window rectangle (x, y, w, h); nothing for null or an empty hint.
void Gui_HintDraw(const int* rect);
// The rectangle (x, y, w, h) of hint strip 1..3 (the play field's cursor overlay draws into strip
// 2), or null before the widget tree is built.
const int* Gui_HintStripRect(int n);
