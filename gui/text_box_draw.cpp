// Text box drawing: rows from the first visible one down, the caret row's pulsing band and bar, the
// selection; the code window of play in fixed colours; a labelled panel.
#include <GL/gl.h>

#include "gui/buttons.h"
#include "gui/hints.h"
#include "gui/text_box.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/texture.h"
#include "shell/frame_clock.h"
#include "shell/konfig.h"
#include "shell/window_state.h"

namespace {

struct Pulse {
  TimeMsTimer t;
  bool started;
  float Next(float start, float lo, float hi, float step) {
    if (!started) {
      TimeMsTimer_Init(&t, start, lo, hi, step, kTimerPingPong, 10);
      started = true;
    }
    return TimeMsTimer_Upd(&t, 0);
  }
};

Pulse gBoxBand, gBoxBar, gWinBand, gWinBar;

struct Look {
  float back[4];
  float lastBand[4];  // the row that only partly fits
  float bands[2][4];  // even, odd rows
  float caretBand[3], caretBar[3];
  float bandAlpha, barAlpha;
};

void Fill(float x, float y, float w, float h) { Gl2D_TexRect(x, y, w, h, 1, 0, 1); }

// A box shows a row only up to its clip edge, the widget's scissor one pixel right of the box: the
// rows are measured and printed up to there, so a long row costs what the box shows of it.
int ClipRight(const GuiWin* win) { return win->x + win->w + 2; }

// The width of the first n characters of s, exact while it ends inside the box and past the clip
// edge otherwise.
int TextWidth(const GuiWin* win, const std::string& s, int n) {
  return Font_TextWidthUpTo(&FontSet, 1, s.c_str(), (int)s.size(), n, win->w);
}

// Fills the background and the row bands, marks the caret row, recounts visible and drawn rows.
void Bands(GuiWin* win, const Look& k) {
  const GuiList* list = GuiList_Of(win);
  const int count = (int)list->rows.size();
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4fv(k.back);
  Fill((float)win->x, (float)win->y, (float)win->w, (float)win->h);
  win->rowsDrawn = 0;
  win->visibleRows = win->h / kTextRowHeight;
  const int cur = GuiList_CurRow(win);
  int y = win->y + win->h - kTextRowHeight;
  for (int r = win->firstRow; r < count; r++) {
    const std::string& text = list->rows[r].first;
    Gl_BlendMode(kBlendAlpha);
    if (y - kTextRowHeight < win->y) {
      glColor4fv(k.lastBand);
      Fill((float)win->x, (float)y, (float)win->w, kTextRowHeight);
    } else {
      glColor4fv(k.bands[r & 1]);
      Fill((float)win->x, (float)y, (float)(TextWidth(win, text, (int)text.size()) + kTextMargin),
           kTextRowHeight);
    }
    if (win == TextBoxes.TextBoxFocused && r == cur) {
      glColor4f(k.caretBand[0], k.caretBand[1], k.caretBand[2], k.bandAlpha);
      Fill((float)(win->x + 3), (float)(y + 4), (float)(win->w - 6), 10);
      // The caret may stand past a row that became shorter: measure only what the row has.
      int col = win->caretCol;
      if (col > (int)text.size()) col = (int)text.size();
      const int cx = win->x + kTextMargin + TextWidth(win, text, col);
      glColor4f(k.caretBar[0], k.caretBar[1], k.caretBar[2], k.barAlpha);
      Fill((float)cx, (float)(y - 4), 3, 26);
    }
    y -= kTextRowHeight;
    if (y + kTextRowHeight < win->y) break;
    win->rowsDrawn++;
  }
}

void Outline(GuiWin* win, float r, float g, float b, float a) {
  Gl_BlendMode(kBlendOff);
  Tex_Off();
  glColor4f(r, g, b, a);
  Gl2D_TexRect((float)win->x, (float)win->y, (float)win->w, (float)win->h, 0, 0, 1);
}

void PrintRow(const GuiWin* win, const std::string& text, const std::string* clr, int x, int y) {
  static const std::string kNoCodes;
  Font_PrintClipped(&FontSet, text, 1, (float)x, (float)y, 0, 0, Win.WinWidth, Win.WinHeight,
                    clr ? *clr : kNoCodes, ClipRight(win) - x);
}

}  // namespace

void TextBox_Draw(GuiWin* win) {
  if (!GuiList_HasData(win)) return;
  Look k = {};
  k.bandAlpha = gBoxBand.Next(0.1f, 0.05f, 0.2f, 0.003f);
  k.barAlpha = gBoxBar.Next(0.5f, 0.2f, 0.7f, 0.008f);
  for (int i = 0; i < 4; i++) {
    k.back[i] = Konfig.KonfigColours[0][i];
    k.bands[1][i] = Konfig.KonfigColours[1][i];
    k.bands[0][i] = Konfig.KonfigColours[2][i];
  }
  const float last[4] = {0.6f, 0.65f, 0.75f, 0.25f};
  for (int i = 0; i < 4; i++) k.lastBand[i] = last[i];
  k.caretBand[0] = k.caretBand[1] = k.caretBand[2] = 0.5f;
  k.caretBar[0] = 1.0f, k.caretBar[1] = 0.4f, k.caretBar[2] = 0.6f;
  const GuiList* list = GuiList_Of(win);
  const int count = (int)list->rows.size();
  if (win->firstRow > count - 1 || win->firstRow < 0) win->firstRow = win->cursorRow = 0;
  Bands(win, k);
  int y = win->y + win->h - kTextRowHeight;
  for (int r = win->firstRow; r < count; r++) {
    const std::string& text = list->rows[r].first;
    if (Konfig.KonfigStrip[0]) {
      glColor3fv(Konfig.KonfigStripRGB);
      PrintRow(win, text, nullptr, win->x + kTextMargin + Konfig.KonfigStrip[1],
               y - Konfig.KonfigStrip[2]);
    }
    glColor3fv(Konfig.KonfigTextRGB);
    PrintRow(win, text, Konfig.KonfigTextFlag ? &list->rows[r].second : nullptr, win->x + kTextMargin,
             y);
    y -= kTextRowHeight;
    if (y + kTextRowHeight < win->y) break;
  }
  if (TextBoxes.TextBoxCaret.on && win == TextBoxes.TextBoxFocused)
    TextBox_DrawSel(win, kTextRowHeight, k.bandAlpha);
  Outline(win, 0.4f, 0.35f, 0.2f, 0.8f);
}

void TextBox_DrawSel(GuiWin* win, int rowHeight, float alpha) {
  if (!win || !TextBoxes.TextBoxCaret.on) return;
  const TextBoxCaretRec& s = TextBoxes.TextBoxCaret;
  Tex_Off();
  Gl_BlendMode(kBlendTint);
  glColor4f(Konfig.KonfigSelRGB[0], Konfig.KonfigSelRGB[1], Konfig.KonfigSelRGB[2], alpha);
  auto shown = [&](int line) {
    return win->firstRow <= line && line < win->firstRow + win->visibleRows;
  };
  auto band = [&](int line, float x1, float x2) {
    if (!shown(line)) return;
    const float y = (float)GuiList_RowBottom(win, line, rowHeight);
    Gl2D_TexRectLTRBSorted(x1, y + rowHeight, x2, y, 1);
  };
  const float left = (float)win->x, right = (float)(win->x + win->w);
  if (s.aLine == s.mLine) {
    band(s.aLine, (float)(s.aX < s.mX ? s.aX : s.mX), (float)(s.aX < s.mX ? s.mX : s.aX));
    return;
  }
  const bool anchorFirst = s.aLine < s.mLine;
  const int fLine = anchorFirst ? s.aLine : s.mLine, lLine = anchorFirst ? s.mLine : s.aLine;
  const int fX = anchorFirst ? s.aX : s.mX, lX = anchorFirst ? s.mX : s.aX;
  band(fLine, (float)fX, right);
  for (int line = fLine + 1; line < lLine; line++) band(line, left, right);
  band(lLine, left, (float)lX);
}

void TextWin_Draw(GuiWin* win) {
  if (!GuiList_HasData(win)) return;
  Look k = {};
  k.bandAlpha = gWinBand.Next(0.5f, 0.2f, 0.6f, 0.005f);
  k.barAlpha = gWinBar.Next(0.6f, 0.3f, 0.7f, 0.008f);
  const float back[4] = {0.7f, 0.7f, 0.7f, 0.5f}, last[4] = {0.6f, 0.65f, 0.75f, 1.0f};
  const float odd[4] = {0.6f, 0.8f, 0.9f, 0.6f}, even[4] = {0.9f, 0.8f, 0.6f, 0.6f};
  for (int i = 0; i < 4; i++) {
    k.back[i] = back[i];
    k.lastBand[i] = last[i];
    k.bands[1][i] = odd[i];
    k.bands[0][i] = even[i];
  }
  k.caretBand[0] = k.caretBand[1] = k.caretBand[2] = 0.7f;
  k.caretBar[0] = 1.0f, k.caretBar[1] = 0.5f, k.caretBar[2] = 0.6f;
  if (win->firstRow < 0) win->firstRow = 0;
  Bands(win, k);
  const GuiList* list = GuiList_Of(win);
  int y = win->y + win->h - kTextRowHeight;
  for (int r = win->firstRow; r < (int)list->rows.size(); r++) {
    glColor4f(0.2f, 0.1f, 0.1f, 1.0f);
    PrintRow(win, list->rows[r].first, &list->rows[r].second, win->x + kTextMargin, y);
    y -= kTextRowHeight;
    if (y + kTextRowHeight < win->y) break;
  }
  Outline(win, 1, 1, 1, 1);
}

void TextBox_DrawPanel(GuiWin* win, const char* label, const char* hintTitle, int font, const char* clr,
                       int skipFront, int skipBack) {
  if (!win) return;
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4f(0.3f, 0.3f, 0.3f, 0.5f);
  Fill((float)win->x, (float)win->y, (float)win->w, (float)win->h);
  if (win->hover) {
    Gl_BlendMode(kBlendAdd);
    glColor4f(1, 1, 1, 0.3f);
    Fill((float)win->x, (float)win->y, (float)win->w, (float)win->h);
    Gui_TextColorWhite();
  } else {
    Gui_TextColorApply();
  }
  Font_PrintWin(label, font, (float)(win->x + 3), (float)(win->y + 2), clr, skipFront, skipBack);
  if (win->hover) Gui_HintSet(hintTitle, "", "", "");
}
