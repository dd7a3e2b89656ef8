// The hint box.
#include "gui/hints.h"

#include <GL/gl.h>

#include "figures/mode_words.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/texture.h"
#include "shell/window_state.h"

GuiHintRec GuiHint;

void Gui_HintClear() { GuiHint = GuiHintRec{}; }

void Gui_HintSet(const char* title, const char* line2, const char* line3, const char* line4) {
  GuiHint.title = title;
  GuiHint.line2 = line2;
  GuiHint.line3 = line3;
  GuiHint.line4 = line4;
}

namespace {

// A line drawn dark, then light one pixel left and up.
void EngravedLine(const char* text, int x, int y, float dark, float light) {
  if (!text) return;
  glColor4f(dark, dark, dark, 1);
  Font_Print(&FontSet, text, 1, (float)x, (float)y, 0, 0, Win.WinWidth, Win.WinHeight, nullptr, 0, 0);
  glColor4f(light, light, light, 1);
  Font_Print(&FontSet, text, 1, (float)(x - 1), (float)(y + 1), 0, 0, Win.WinWidth, Win.WinHeight,
             nullptr, 0, 0);
}

}  // namespace

void Gui_HintDraw(const int* rect) {
  if (!rect) return;
  const GuiHintRec& h = GuiHint;
  if (!h.title && !h.line2 && !h.line3 && !h.line4) return;
  const int x = rect[0], y = rect[1], w = rect[2];
  const int ht = h.line2 ? rect[3] : rect[3] / 2;
  Gl_BlendMode(38);
  glColor4f(0, 0, 0, 0.4f);
  Tex_Off();
  Gl2D_TexRect((float)x, (float)y, (float)w, (float)ht, 1, 0, 1);
  Gl_BlendMode(0);
  glColor4f(1, 1, 1, 1);
  if (h.title)
    Font_Print(&FontSet, h.title, EditModeOn ? 4 : 5, (float)(x + 8), (float)(y + 1), 0, 0, Win.WinWidth,
               Win.WinHeight, h.titleClr, 0, 0);
  EngravedLine(h.line4, x + 62, y + 24, 0.2f, 0.85f);
  EngravedLine(h.line3, x + 59, y + 37, 0.25f, 0.9f);
  EngravedLine(h.line2, x + 39, y + 50, 0.3f, 0.95f);
}
