// The one-line value input: one line of keyboard input owned by at most one edit at a time (a fixed
// prefix, a length limit, a character filter; Enter accepts, Escape cancels, the limit accepts),
// and the one request record whose int, float, string and code edits every frame steps in that
// order. The window procedure offers it every character and the released caret keys first.
#pragma once

#include <string>

#include "gui/gui_win.h"
#include "shell/frame_clock.h"

// The state word of an edit: idle, then editing while the line is its own, then accepted or
// cancelled until its step finishes it and makes it idle again. Another part cancels a running edit
// by writing kInpCancelled into its word.
enum InpState { kInpIdle = 0, kInpEditing = -1, kInpAccepted = 1, kInpCancelled = 2 };

// The line's character filters: what it takes besides the command characters. A '-' counts only
// while nothing was typed, a '.' only once in an edit.
enum InpFilter {
  kInpFilterAny = 0,        // every character from the space up
  kInpFilterFloat = 1,      // digits, one '.' and a leading '-'
  kInpFilterDigits = 2,     // digits only
  kInpFilterInt = 3,        // digits and a leading '-'
  kInpFilterDigitsDot = 4,  // digits and one '.'
  kInpFilterCount = 5,      // a start with this or more takes kInpFilterAny
};

struct InpLineRec {
  int* target;      // state word of the edit that owns the line; null while idle
  std::string buf;  // the prefix, then what was typed
  int caret;        // prefix length .. buffer length
  int prefixLen;
  int limit;   // most characters typed after the prefix
  int filter;  // InpFilter
  int dotSeen;
};

// One value edit of the request record: an integer's or a float's, with its state word (InpState).
template <typename T>
struct InpValueReq {
  int state;
  T* target;  // the value to edit; non-null: requested
  int clamp;  // the typed value is held to min..max
  T min, max;
};

struct InpEditReqRec {
  InpValueReq<int> intEdit;
  InpValueReq<float> floEdit;
  int strState;  // state words as above
  int strReq;
  int kodState;
  int kodReq;
  std::string result;  // of the int, float and string edits
  std::string kodText;
};

// A kind of value the line edits: its edit in the request record, the line's filter for it, how its
// text is read and which bounds count as no range, and how it prints in hints ("%d", "%f") and in
// the panels' cells ("%5d", "%5f"). The edit step, the request and the value panels are written
// once over it, for integers and floats alike.
template <typename T>
struct InpValueKind {
  InpValueReq<T> InpEditReqRec::*edit;
  int filter;                           // kInpFilterInt, kInpFilterFloat
  T (*parse)(const std::string& text);  // the typed text's value (StrToInt, StrToFlo)
  bool (*noRange)(T minimum, T maximum);
  std::string (*print)(T value);
  std::string (*printCell)(T value);
};
extern const InpValueKind<int> kInpInt;
extern const InpValueKind<float> kInpFlo;

// The value input's state: the line, the request record, the words of its developer test edits and
// the caret's blink.
struct ValueInputRec {
  InpLineRec InpLine = {nullptr, std::string(), 0, 0, 125, 0, 0};
  InpEditReqRec InpEditReq;
  int InpTestInt;
  float InpTestFlo;
  TimeMsTimer InpCaretBlink;
};
extern ValueInputRec ValueInput;

// The program's edit of the kind (in ValueInput.InpEditReq).
template <typename T>
InpValueReq<T>& InpEditReq_Of(const InpValueKind<T>& k) {
  return ValueInput.InpEditReq.*k.edit;
}

// 1 when the edit starts; 0 when the line is busy, the pointer null or the state word not idle.
int TextInput_Begin(int* state, const std::string& text, int limit, int filter);
// 0 when the line is not active (the character then goes to the focused text box), else 1.
int TextInput_Char(unsigned char c);
// The released End, Home, Left, Right move the caret while the line is active (1), else 0.
int TextInput_SpecialKey(unsigned char key);
int InpLine_Finish(int* state, std::string* out, int clear);
void InpLine_Reset();
// The line's target exists and is editing.
int InpLine_IsSpecial();
int IsDigitChar(int c);
// While the line edits: 1 for the caret keys End, Home, Left and Right.
int InpLine_SpecialCharOk(unsigned char c);

// Requests: 1 taken, 2 the same request already pending, 0 refused. The range is kept when it is
// one (minimum below maximum, not both bounds none: 0 for integers, within 1e-5 of 0 for floats).
template <typename T>
int Gui_BindValue(InpEditReqRec* r, const InpValueKind<T>& k, T* target, T minimum, T maximum);
int Gui_BindInt(InpEditReqRec* r, int* target, int minimum, int maximum);
int Gui_BindFloat(InpEditReqRec* r, float* target, float minimum, float maximum);
int Gui_BindIntOnce(int* word, int value);
// Every edit running or requested is cancelled (kInpCancelled): the next steps finish it and
// leave its target as it was. For a switch of the program mode: no screen of the next mode shows
// the edit's field, while the line would still take the typing.
void InpEditReq_CancelAll(InpEditReqRec* r);
// The per-frame steps, called in this order by the frames of all three modes. A value edit starts
// when the line is free and, accepted, stores the typed value held to its range.
template <typename T>
void InpLine_EditValue(InpEditReqRec* r, const InpValueKind<T>& k);
void InpLine_EditInt(InpEditReqRec* r);
void InpLine_EditFlo(InpEditReqRec* r);
void InpLine_EditStr(InpEditReqRec* r);
void InpLine_EditKod(InpEditReqRec* r);

// The line's field at window pixels (x, y), y up, while the line is active.
void InputField_Draw(int x, int y, int font, int height, const char* label, const char* labelClr);

// Developer widgets of the line (no screen places them).
void IntInput_Draw(GuiWin* w);
void FloInput_Draw(GuiWin* w);
void NameInput_Draw(GuiWin* w);
void KodInput_Draw(GuiWin* w);
void IntInput_Click(GuiWin* w);
void FloInput_Click(GuiWin* w);
void NameInput_Click(GuiWin* w);
void KodInput_Click(GuiWin* w);
