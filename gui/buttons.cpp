// Buttons, toggles, the one-shot caption colour, the scroll bar position, the screenshot key.
#include "gui/buttons.h"

#include <GL/gl.h>

#include "gm/org_base.h"
#include "gui/gui_list.h"
#include "gui/hints.h"
#include "platform/platform.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/texture.h"
#include "shell/frame_clock.h"
#include "shell/key_commands.h"
#include "shell/window_state.h"

GuiButtonsRec GuiButtons;

namespace {

struct OneShotColour {
  int on;
  float r, g, b, a;
} gOnce = {0, 1, 1, 1, 1};

int gShotGuardMs = 0;

void Caption(const char* text, int font, int x, int y) { Font_PrintWin(text, font, (float)x, (float)y); }

void Rect(const GuiWin* w, int fill) {
  Gl2D_TexRect((float)w->x, (float)w->y, (float)w->w, (float)w->h, fill, 0, 1);
}

void Toggle(GuiWin* win, const char* caption, const char* l1, const char* l2, const char* l3,
            const char* l4) {
  if (!win) return;
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4f(0.5f, 0.4f, 0.3f, GuiButtons.GuiPanelAlpha);
  Rect(win, 1);
  glColor4f(0.6f, 0.4f, 0.6f, GuiButtons.GuiPanelAlpha);
  Rect(win, 0);
  if (!win->hover) {
    Gui_TextColorApply();
    Caption(caption, 3, win->x + 5, win->y + 2);
    return;
  }
  Gl_BlendMode(kBlendAlpha);
  glColor4f(0.3f, 0.3f, 0.3f, 0.6f);
  Rect(win, 1);
  // The caption may leave the widget.
  glDisable(GL_SCISSOR_TEST);
  const int bx = win->x - win->w / 3;
  Gl_BlendMode(kBlendOff);
  Tex_Off();
  glColor4f(0, 0, 0, 1);
  Gl2D_TexRect((float)(bx - 3), (float)(win->y + win->h - 3), (float)(2 * win->w), 18, 1, 0, 1);
  glColor4f(1, 1, 1, 1);
  Caption(caption, 1, bx, win->y + win->h - 3);
  glEnable(GL_SCISSOR_TEST);
  Gui_HintSet(l1, l2, l3, l4);
}

}  // namespace

void Gui_DrawButton(GuiWin* win, const char* caption, const char* hint, int font) {
  if (!win) return;
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4f(0.5f, 0.4f, 0.3f, GuiButtons.GuiPanelAlpha);
  Rect(win, 1);
  if (win->hover) {
    Gl_BlendMode(kBlendAdd);
    glColor4f(1, 1, 1, 0.4f);
    Rect(win, 0);
  }
  glColor4f(1, 1, 1, 1);
  Caption(caption, font, win->x + 5, win->y + 2);
  if (win->hover) Gui_HintSet(hint, nullptr, nullptr, nullptr);
}

void Gui_DrawToggle(GuiWin* win, const char* caption, const char* hint) {
  Toggle(win, caption, hint, nullptr, nullptr, nullptr);
}

void Gui_DrawToggleHint(GuiWin* win, const char* caption, const char* line1, const char* line2,
                        const char* line3, const char* line4) {
  Toggle(win, caption, line1, line2, line3, line4);
}

void Gui_TextColorOnce(float r, float g, float b, float a) { gOnce = {1, r, g, b, a}; }

void Gui_TextColorApply() {
  if (gOnce.on) glColor4f(gOnce.r, gOnce.g, gOnce.b, gOnce.a);
  else glColor4f(0.7f, 0.7f, 0.7f, 1);
  gOnce.on = 0;
}

void Gui_TextColorWhite() {
  glColor4f(1, 1, 1, 1);
  gOnce.on = 0;
}

void Gui_ScrollPos(GuiWin* bar) {
  if (!bar || !bar->parent) return;
  GuiWin* box = bar->parent;
  const int count = GuiList_Count(box);
  int first = 0;
  if (bar->h != 0) {
    const int d = bar->h - (KeyCmds.MouseY - bar->y);
    first = (int)((double)count * d / bar->h);
  }
  // A short text in a tall box must not get a negative first row.
  int most = count - box->visibleRows + 1;
  if (most < 0) most = 0;
  if (first > most) first = most;
  if (first < 0) first = 0;
  box->firstRow = first;
  box->cursorRow = 0;
}

void ScreenShotKey() {
  if (TimerDown(&gShotGuardMs) && KeyCmds.KeyDownTable[VK_SNAPSHOT]) {
    gShotGuardMs = 800;
    o2::NeedScreen = 1;
  }
}
