// The hint box: four lines naming the widget under the mouse. The frames clear it once a frame
// before the mouse pass, the hovered widget sets it, the frame draws it into its hint strip.
#pragma once

// Pointers only: the texts belong to the callers and must live until the hint is drawn.
struct GuiHintRec {
  const char* title;
  const char* line2;
  const char* line3;
  const char* line4;
  const char* titleClr;  // one colour code per title character, or null
};
extern GuiHintRec GuiHint;

void Gui_HintClear();
// Sets the four lines (null for lines not shown); the title's colour codes stay.
void Gui_HintSet(const char* title, const char* line2, const char* line3, const char* line4);
// Draws the hint into rect (x, y, w, h); nothing for a null rect or an empty hint.
void Gui_HintDraw(const int* rect);
