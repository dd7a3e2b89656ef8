// The value-input line, its request record and per-frame steps, its field, the developer widgets.
#include "gui/value_input.h"

#include <GL/gl.h>

#include <cmath>

#include "gui/buttons.h"
#include "platform/platform.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/texture.h"
#include "shell/files.h"
#include "shell/text.h"
#include "shell/window_state.h"

ValueInputRec ValueInput;

namespace {

constexpr int kLimitDefault = 125;
bool gBlinkStarted = false;

bool LineActive() { return ValueInput.InpLine.target && *ValueInput.InpLine.target == -1; }

int NumFilter(unsigned char c) {
  const bool digit = IsDigitChar(c);
  const bool minusOk = c == '-' && (int)ValueInput.InpLine.buf.size() == ValueInput.InpLine.prefixLen;
  const bool dotOk = c == '.' && !ValueInput.InpLine.dotSeen;
  switch (ValueInput.InpLine.filter) {
    case 1: return digit || dotOk || minusOk;
    case 2: return digit;
    case 3: return digit || minusOk;
    case 4: return digit || dotOk;
    default: return c >= 32;
  }
}

void InsertAtCaret(const std::string& s) {
  ValueInput.InpLine.buf.insert((size_t)ValueInput.InpLine.caret, s);
  ValueInput.InpLine.caret += (int)s.size();
}

// The owner's state word says accepted or cancelled, but the line never ran for it: a request
// cancelled before its edit started. It ends here, or that kind of edit would wait for ever.
bool CancelledUnstarted(int* state) {
  return (*state == 1 || *state == 2) && ValueInput.InpLine.target != state;
}

void Notice(const std::string& text) { Plat_MessageBox(text.c_str(), "inp ok..", MB_OK); }

}  // namespace

int TextInput_Begin(int* state, const std::string& text, int limit, int filter) {
  if (ValueInput.InpLine.target || !state || *state != 0) return 0;
  *state = -1;
  ValueInput.InpLine.buf = text;
  ValueInput.InpLine.caret = ValueInput.InpLine.prefixLen = (int)text.size();
  ValueInput.InpLine.limit = limit < 1 ? kLimitDefault : limit;
  ValueInput.InpLine.filter = filter >= 5 ? 0 : filter;
  ValueInput.InpLine.dotSeen = 0;
  ValueInput.InpLine.target = state;
  return 1;
}

int TextInput_Char(unsigned char c) {
  if (!LineActive()) return 0;
  InpLineRec& l = ValueInput.InpLine;
  switch (c) {
    case '%': l.caret--; break;
    case '\'': l.caret++; break;
    case '$': l.caret = l.prefixLen; break;
    case '#': l.caret = (int)l.buf.size(); break;
    case 8:
      if (l.caret >= l.prefixLen + 1 && l.caret <= (int)l.buf.size()) {
        l.caret--;
        l.buf.erase((size_t)l.caret, 1);
      }
      break;
    case 9: InsertAtCaret("__"); break;
    case 13: *l.target = 1; break;
    case 27: *l.target = 2; break;
    default:
      if (c < 32) break;
      if (NumFilter(c)) {
        if (c == '.') l.dotSeen = 1;
        InsertAtCaret(std::string(1, (char)c));
      }
      break;
  }
  if (l.caret < l.prefixLen) l.caret = l.prefixLen;
  if (l.caret > (int)l.buf.size()) l.caret = (int)l.buf.size();
  if ((int)l.buf.size() - l.prefixLen >= l.limit && *l.target == -1) *l.target = 1;
  return 1;
}

int TextInput_SpecialKey(unsigned char key) {
  if (!LineActive()) return 0;
  if (key != 35 && key != 36 && key != 37 && key != 39) return 0;
  TextInput_Char(key);
  return 1;
}

int InpLine_Finish(int* state, std::string* out, int clear) {
  if (!state || ValueInput.InpLine.target != state || (*state != 1 && *state != 2)) return 0;
  if (out)
    *out = *state == 1 ? ValueInput.InpLine.buf.substr((size_t)ValueInput.InpLine.prefixLen)
                       : std::string();
  if (clear) *state = 0;
  InpLine_Reset();
  return 1;
}

void InpLine_Reset() {
  ValueInput.InpLine.target = nullptr;
  ValueInput.InpLine.buf.clear();
  ValueInput.InpLine.caret = 0;
  ValueInput.InpLine.dotSeen = 0;
  ValueInput.InpLine.filter = 0;
}

int InpLine_IsSpecial() { return LineActive() ? 1 : 0; }
int IsDigitChar(int c) { return c >= '0' && c <= '9' ? 1 : 0; }

int InpLine_SpecialCharOk(unsigned char c) {
  return InpLine_IsSpecial() && (c == 35 || c == 36 || c == 37 || c == 39) ? 1 : 0;
}

int Gui_BindInt(InpEditReqRec* r, int* target, int minimum, int maximum) {
  if (!r || !target) return 0;
  if (r->intTarget == target) return 2;
  if (r->intTarget) return 0;
  r->intTarget = target;
  r->intClamp = (minimum != 0 || maximum != 0) && minimum < maximum ? 1 : 0;
  r->intMin = minimum;
  r->intMax = maximum;
  return 1;
}

int Gui_BindFloat(InpEditReqRec* r, float* target, float minimum, float maximum) {
  if (!r || !target) return 0;
  if (r->floTarget == target) return 2;
  if (r->floTarget) return 0;
  r->floTarget = target;
  const bool zero = std::fabs(minimum) < 1e-5f && std::fabs(maximum) < 1e-5f;
  r->floClamp = !zero && minimum < maximum ? 1 : 0;
  r->floMin = minimum;
  r->floMax = maximum;
  return 1;
}

int Gui_BindIntOnce(int* word, int value) {
  if (!word || value < 1) return 0;
  if (*word == value) return 2;
  if (*word != 0) return 0;
  *word = value;
  return 1;
}

void InpEditReq_CancelAll(InpEditReqRec* r) {
  if (!r) return;
  auto cancel = [](int* state, bool requested) {
    if (*state == -1 || (*state == 0 && requested)) *state = 2;
  };
  cancel(&r->intState, r->intTarget);
  cancel(&r->floState, r->floTarget);
  cancel(&r->strState, r->strReq);
  cancel(&r->kodState, r->kodReq);
}

void InpLine_EditInt(InpEditReqRec* r) {
  if (!r) return;
  if (CancelledUnstarted(&r->intState)) {
    r->intState = 0;
    r->intTarget = nullptr;
    r->intClamp = 0;
    return;
  }
  if (r->intState == 0 && r->intTarget) TextInput_Begin(&r->intState, ":", 8, 3);
  if (!InpLine_Finish(&r->intState, &r->result, 0)) return;
  if (r->intState != 2 && r->intTarget) {
    int v = StrToInt(r->result);
    if (r->intClamp) v = v < r->intMin ? r->intMin : (v > r->intMax ? r->intMax : v);
    *r->intTarget = v;
  }
  r->intState = 0;
  r->intTarget = nullptr;
  r->intClamp = 0;
}

void InpLine_EditFlo(InpEditReqRec* r) {
  if (!r) return;
  if (CancelledUnstarted(&r->floState)) {
    r->floState = 0;
    r->floTarget = nullptr;
    r->floClamp = 0;
    return;
  }
  if (r->floState == 0 && r->floTarget) TextInput_Begin(&r->floState, ":", 8, 1);
  if (!InpLine_Finish(&r->floState, &r->result, 0)) return;
  if (r->floState != 2 && r->floTarget) {
    float v = StrToFlo(r->result);
    if (r->floClamp) v = v < r->floMin ? r->floMin : (v > r->floMax ? r->floMax : v);
    *r->floTarget = v;
  }
  r->floState = 0;
  r->floTarget = nullptr;
  r->floClamp = 0;
}

void InpLine_EditStr(InpEditReqRec* r) {
  if (!r) return;
  if (CancelledUnstarted(&r->strState)) {
    r->strState = 0;
    r->strReq = 0;
    return;
  }
  if (r->strState == 0 && r->strReq) TextInput_Begin(&r->strState, ":", 20, 0);
  if (!InpLine_Finish(&r->strState, &r->result, 0)) return;
  if (r->strState != 2) Notice(r->result);
  r->strState = 0;
  r->strReq = 0;
}

void InpLine_EditKod(InpEditReqRec* r) {
  if (!r) return;
  if (CancelledUnstarted(&r->kodState)) {
    r->kodState = 0;
    r->kodReq = 0;
    return;
  }
  if (r->kodState == 0 && r->kodReq) TextInput_Begin(&r->kodState, "kod:", 64, 0);
  if (!InpLine_Finish(&r->kodState, &r->kodText, 0)) return;
  if (r->kodState != 2) Notice(r->kodText);
  r->kodState = 0;
  r->kodReq = 0;
}

void InputField_Draw(int x, int y, int font, int height, const char* label, const char* labelClr) {
  if (!gBlinkStarted) {
    TimeMsTimer_Init(&ValueInput.InpCaretBlink, 0.5f, 0.2f, 0.8f, 0.005f, kTimerPingPong, 10);
    gBlinkStarted = true;
  }
  if (!LineActive()) return;
  const char* text = ValueInput.InpLine.buf.c_str();
  const int caretX = x + Font_TextWidth(&FontSet, font, text, 0, ValueInput.InpLine.caret);
  const int boxW = Font_TextWidth(&FontSet, font, text, 0, -1) + 10;
  const float blink = TimeMsTimer_Upd(&ValueInput.InpCaretBlink, 0);
  Gl_BlendMode(kBlendAlpha);
  Tex_Off();
  Gl_ColorMaterial4f(0.1f, 0.6f, 0.0f, 0.1f);
  Gl2D_TexRect((float)x, (float)y, (float)boxW, (float)height, 1, 0, 1);
  glColor4f(blink, blink, blink, 1);
  Gl2D_TexRect((float)caretX, (float)(y - 3), 2, 20, 1, 0, 1);
  if (label && label[0]) Font_PrintWin(label, 1, (float)x, (float)(y + height - 15), labelClr);
  glColor4f(1, 1, 1, 1);
  Font_PrintWin(text, font, (float)x, (float)y);
}

void IntInput_Draw(GuiWin* w) {
  if (!w) return;
  if (ValueInput.InpEditReq.intState != 0) {
    InputField_Draw(w->x, w->y, 4, w->h, "1234", "crgb");
    return;
  }
  const std::string caption = StrFmt("Int Input(%d)", ValueInput.InpTestInt);
  Gui_DrawButton(w, caption.c_str(), "---", 1);
}

void FloInput_Draw(GuiWin* w) {
  if (!w) return;
  if (ValueInput.InpEditReq.floState != 0) {
    InputField_Draw(w->x, w->y, 4, w->h, "-1.5", "crgb");
    return;
  }
  const std::string caption = StrFmt("Flo Input(%1.2f)", ValueInput.InpTestFlo);
  Gui_DrawButton(w, caption.c_str(), "---", 2);
}

void NameInput_Draw(GuiWin* w) {
  if (!w) return;
  if (ValueInput.InpEditReq.strState != 0) InputField_Draw(w->x, w->y, 4, w->h, "name", "crgb");
  else Gui_DrawButton(w, "Name Input", "777", 1);
}

void KodInput_Draw(GuiWin* w) {
  if (w && ValueInput.InpEditReq.kodState == 0) Gui_DrawButton(w, "Kod Input", "888", 1);
}

void IntInput_Click(GuiWin* w) {
  if (w) Gui_BindInt(&ValueInput.InpEditReq, &ValueInput.InpTestInt, 0, 0);
}

void FloInput_Click(GuiWin* w) {
  if (w) Gui_BindFloat(&ValueInput.InpEditReq, &ValueInput.InpTestFlo, 0, 0);
}

void NameInput_Click(GuiWin* w) {
  if (w) Gui_BindIntOnce(&ValueInput.InpEditReq.strReq, 1);
}

void KodInput_Click(GuiWin* w) {
  if (w) Gui_BindIntOnce(&ValueInput.InpEditReq.kodReq, 1);
}

void StrRepeat(std::string& dst, const std::string& src, int n) {
  if (n < 1 || src.empty() || (long long)n * (long long)src.size() > 9999) return;
  for (int i = 0; i < n; i++) dst += src;
}
