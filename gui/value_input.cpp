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

const InpValueKind<int> kInpInt = {
    &InpEditReqRec::intEdit,
    kInpFilterInt,
    StrToInt,
    [](int a, int b) { return a == 0 && b == 0; },
    [](int v) { return StrFmt("%d", v); },
    [](int v) { return StrFmt("%5d", v); },
};
const InpValueKind<float> kInpFlo = {
    &InpEditReqRec::floEdit,
    kInpFilterFloat,
    StrToFlo,
    [](float a, float b) { return std::fabs(a) < 1e-5f && std::fabs(b) < 1e-5f; },
    [](float v) { return StrFmt("%f", v); },
    [](float v) { return StrFmt("%5f", v); },
};

namespace {

// The characters each edit takes after its prefix.
constexpr int kLimitDefault = 125;  // asked for with none
constexpr int kLimitNumber = 8;     // an int or float value
constexpr int kLimitNote = 20;      // a string, shown back in a box
constexpr int kLimitKod = 64;       // a code line, shown back in a box
bool gBlinkStarted = false;

// The command characters the window procedure gives the line.
constexpr unsigned char kCharBackspace = '\b';
constexpr unsigned char kCharTab = '\t';
constexpr unsigned char kCharEnter = '\r';
constexpr unsigned char kCharEscape = 0x1B;

// A released caret key reaches the line as a character of its own code, which moves the caret.
static_assert(VK_END == '#' && VK_HOME == '$' && VK_LEFT == '%' && VK_RIGHT == '\'',
              "the caret keys are the caret characters");
bool IsCaretKey(unsigned char key) {
  return key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_RIGHT;
}

bool LineActive() { return ValueInput.InpLine.target && *ValueInput.InpLine.target == kInpEditing; }

int NumFilter(unsigned char c) {
  const bool digit = IsDigitChar(c);
  const bool minusOk = c == '-' && (int)ValueInput.InpLine.buf.size() == ValueInput.InpLine.prefixLen;
  const bool dotOk = c == '.' && !ValueInput.InpLine.dotSeen;
  switch (ValueInput.InpLine.filter) {
    case kInpFilterFloat: return digit || dotOk || minusOk;
    case kInpFilterDigits: return digit;
    case kInpFilterInt: return digit || minusOk;
    case kInpFilterDigitsDot: return digit || dotOk;
    default: return c >= ' ';
  }
}

void InsertAtCaret(const std::string& s) {
  ValueInput.InpLine.buf.insert((size_t)ValueInput.InpLine.caret, s);
  ValueInput.InpLine.caret += (int)s.size();
}

// The owner's state word says accepted or cancelled, but the line never ran for it: a request
// cancelled before its edit started. It ends here, or that kind of edit would wait for ever.
bool CancelledUnstarted(int* state) {
  return (*state == kInpAccepted || *state == kInpCancelled) && ValueInput.InpLine.target != state;
}

void Notice(const std::string& text) { Plat_MessageBox(text.c_str(), "inp ok..", MB_OK); }

}  // namespace

int TextInput_Begin(int* state, const std::string& text, int limit, int filter) {
  if (ValueInput.InpLine.target || !state || *state != kInpIdle) return 0;
  *state = kInpEditing;
  ValueInput.InpLine.buf = text;
  ValueInput.InpLine.caret = ValueInput.InpLine.prefixLen = (int)text.size();
  ValueInput.InpLine.limit = limit < 1 ? kLimitDefault : limit;
  ValueInput.InpLine.filter = filter >= kInpFilterCount ? kInpFilterAny : filter;
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
    case kCharBackspace:
      if (l.caret >= l.prefixLen + 1 && l.caret <= (int)l.buf.size()) {
        l.caret--;
        l.buf.erase((size_t)l.caret, 1);
      }
      break;
    case kCharTab: InsertAtCaret("__"); break;
    case kCharEnter: *l.target = kInpAccepted; break;
    case kCharEscape: *l.target = kInpCancelled; break;
    default:
      if (c < ' ') break;
      if (NumFilter(c)) {
        if (c == '.') l.dotSeen = 1;
        InsertAtCaret(std::string(1, (char)c));
      }
      break;
  }
  if (l.caret < l.prefixLen) l.caret = l.prefixLen;
  if (l.caret > (int)l.buf.size()) l.caret = (int)l.buf.size();
  if ((int)l.buf.size() - l.prefixLen >= l.limit && *l.target == kInpEditing) *l.target = kInpAccepted;
  return 1;
}

int TextInput_SpecialKey(unsigned char key) {
  if (!LineActive() || !IsCaretKey(key)) return 0;
  TextInput_Char(key);
  return 1;
}

int InpLine_Finish(int* state, std::string* out, int clear) {
  if (!state || ValueInput.InpLine.target != state ||
      (*state != kInpAccepted && *state != kInpCancelled))
    return 0;
  if (out)
    *out = *state == kInpAccepted ? ValueInput.InpLine.buf.substr((size_t)ValueInput.InpLine.prefixLen)
                                  : std::string();
  if (clear) *state = kInpIdle;
  InpLine_Reset();
  return 1;
}

void InpLine_Reset() {
  ValueInput.InpLine.target = nullptr;
  ValueInput.InpLine.buf.clear();
  ValueInput.InpLine.caret = 0;
  ValueInput.InpLine.dotSeen = 0;
  ValueInput.InpLine.filter = kInpFilterAny;
}

int InpLine_IsSpecial() { return LineActive() ? 1 : 0; }
int IsDigitChar(int c) { return c >= '0' && c <= '9' ? 1 : 0; }

int InpLine_SpecialCharOk(unsigned char c) { return InpLine_IsSpecial() && IsCaretKey(c) ? 1 : 0; }

template <typename T>
int Gui_BindValue(InpEditReqRec* r, const InpValueKind<T>& k, T* target, T minimum, T maximum) {
  if (!r || !target) return 0;
  InpValueReq<T>& e = r->*k.edit;
  if (e.target == target) return 2;
  if (e.target) return 0;
  e.target = target;
  e.clamp = !k.noRange(minimum, maximum) && minimum < maximum ? 1 : 0;
  e.min = minimum;
  e.max = maximum;
  return 1;
}
template int Gui_BindValue(InpEditReqRec*, const InpValueKind<int>&, int*, int, int);
template int Gui_BindValue(InpEditReqRec*, const InpValueKind<float>&, float*, float, float);

int Gui_BindInt(InpEditReqRec* r, int* target, int minimum, int maximum) {
  return Gui_BindValue(r, kInpInt, target, minimum, maximum);
}

int Gui_BindFloat(InpEditReqRec* r, float* target, float minimum, float maximum) {
  return Gui_BindValue(r, kInpFlo, target, minimum, maximum);
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
    if (*state == kInpEditing || (*state == kInpIdle && requested)) *state = kInpCancelled;
  };
  cancel(&r->intEdit.state, r->intEdit.target);
  cancel(&r->floEdit.state, r->floEdit.target);
  cancel(&r->strState, r->strReq);
  cancel(&r->kodState, r->kodReq);
}

template <typename T>
void InpLine_EditValue(InpEditReqRec* r, const InpValueKind<T>& k) {
  if (!r) return;
  InpValueReq<T>& e = r->*k.edit;
  auto done = [&e] {
    e.state = kInpIdle;
    e.target = nullptr;
    e.clamp = 0;
  };
  if (CancelledUnstarted(&e.state)) {
    done();
    return;
  }
  if (e.state == kInpIdle && e.target) TextInput_Begin(&e.state, ":", kLimitNumber, k.filter);
  if (!InpLine_Finish(&e.state, &r->result, 0)) return;
  if (e.state != kInpCancelled && e.target) {
    T v = k.parse(r->result);
    if (e.clamp) v = v < e.min ? e.min : (v > e.max ? e.max : v);
    *e.target = v;
  }
  done();
}
template void InpLine_EditValue(InpEditReqRec*, const InpValueKind<int>&);
template void InpLine_EditValue(InpEditReqRec*, const InpValueKind<float>&);

void InpLine_EditInt(InpEditReqRec* r) { InpLine_EditValue(r, kInpInt); }
void InpLine_EditFlo(InpEditReqRec* r) { InpLine_EditValue(r, kInpFlo); }

void InpLine_EditStr(InpEditReqRec* r) {
  if (!r) return;
  if (CancelledUnstarted(&r->strState)) {
    r->strState = kInpIdle;
    r->strReq = 0;
    return;
  }
  if (r->strState == kInpIdle && r->strReq)
    TextInput_Begin(&r->strState, ":", kLimitNote, kInpFilterAny);
  if (!InpLine_Finish(&r->strState, &r->result, 0)) return;
  if (r->strState != kInpCancelled) Notice(r->result);
  r->strState = kInpIdle;
  r->strReq = 0;
}

void InpLine_EditKod(InpEditReqRec* r) {
  if (!r) return;
  if (CancelledUnstarted(&r->kodState)) {
    r->kodState = kInpIdle;
    r->kodReq = 0;
    return;
  }
  if (r->kodState == kInpIdle && r->kodReq)
    TextInput_Begin(&r->kodState, "kod:", kLimitKod, kInpFilterAny);
  if (!InpLine_Finish(&r->kodState, &r->kodText, 0)) return;
  if (r->kodState != kInpCancelled) Notice(r->kodText);
  r->kodState = kInpIdle;
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
  if (ValueInput.InpEditReq.intEdit.state != kInpIdle) {
    InputField_Draw(w->x, w->y, 4, w->h, "1234", "crgb");
    return;
  }
  const std::string caption = StrFmt("Int Input(%d)", ValueInput.InpTestInt);
  Gui_DrawButton(w, caption.c_str(), "---", 1);
}

void FloInput_Draw(GuiWin* w) {
  if (!w) return;
  if (ValueInput.InpEditReq.floEdit.state != kInpIdle) {
    InputField_Draw(w->x, w->y, 4, w->h, "-1.5", "crgb");
    return;
  }
  const std::string caption = StrFmt("Flo Input(%1.2f)", ValueInput.InpTestFlo);
  Gui_DrawButton(w, caption.c_str(), "---", 2);
}

void NameInput_Draw(GuiWin* w) {
  if (!w) return;
  if (ValueInput.InpEditReq.strState != kInpIdle) InputField_Draw(w->x, w->y, 4, w->h, "name", "crgb");
  else Gui_DrawButton(w, "Name Input", "777", 1);
}

void KodInput_Draw(GuiWin* w) {
  if (w && ValueInput.InpEditReq.kodState == kInpIdle) Gui_DrawButton(w, "Kod Input", "888", 1);
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
