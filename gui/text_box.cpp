// Text box editing: keys and typed characters, click and drag, and the caret and the selection
// they move. The clipboard's commands are text_box_clip.cpp's; the deletion of the selection and
// the caret kept on the text, which both need, are text_box_selection.cpp's.
#include "gui/text_box.h"

#include <climits>

#include "figures/mode_words.h"
#include "gm/org_base.h"
#include "gui/gui.h"
#include "gui/value_input.h"
#include "platform/platform.h"
#include "render/font.h"
#include "shell/key_commands.h"
#include "shell/konfig.h"

namespace {

TextBoxCaretRec& S = TextBoxes.TextBoxCaret;

// The frame's key table, as every reader of the keys: a Shift tapped with the key counts.
bool ShiftDown() { return KeyCmds.KeyDownTable[VK_SHIFT] != 0; }

void Mouse(int* x, int* y) { Gui_CursorPos(x, y); }

GuiList* ListOf(GuiWin* box) { return GuiList_Of(box); }

std::string* RowText(GuiWin* box, int n) {
  GuiList* l = ListOf(box);
  return l && n >= 0 && n < (int)l->rows.size() ? &l->rows[n].first : nullptr;
}

int RowLen(GuiWin* box, int n) { return GuiList_RowLen(box, n); }

// Width in font 1 of the first n characters of row `line` (n clamped to the row): what lies
// before the column, not the whole row, since a drag asks for it every frame.
int PrefixWidth(GuiWin* box, int line, int n) {
  const std::string* t = RowText(box, line);
  if (!t || n <= 0) return 0;
  return Font_TextWidthUpTo(&FontSet, 1, t->c_str(), (int)t->size(), n, INT_MAX);
}

int ColumnAt(GuiWin* box, int line, int px) {
  const std::string* t = RowText(box, line);
  if (!t) return 0;
  return Font_FitChars(&FontSet, 1, t->c_str(), px - box->x - kTextMargin);
}

bool MovingIsLater() { return !TextBox_AnchorIsLater(); }

void UpOneRow(GuiWin* box) {
  if (box->cursorRow > 0) box->cursorRow--;
  else if (box->firstRow > 0) box->firstRow--;
}

void ShiftRuleColumn(int oldCol) {
  if (ShiftDown()) TextBox_GoColumn(oldCol);
  else TextBox_DragClear();
}

void ShiftRuleLine(int oldRow) {
  if (ShiftDown()) TextBox_GoLine(oldRow);
  else TextBox_DragClear();
}

// Byte substitutions of typed characters (Windows-1251 codes): a Russian layout reaches the
// programmer's signs. Answers the byte to insert, or -1 when the character before the caret was
// replaced instead.
int Substitute(GuiWin* box, std::string& row, unsigned char c) {
  const int col = box->caretCol;
  const unsigned char before = col > 0 && col <= (int)row.size() ? (unsigned char)row[col - 1] : 0;
  if (col > 0) {
    if (c == 233 && before == ' ') return '@';
    if (c == 252 && before == ' ') return '&';
    if (c == 250 && before == '[') return row[col - 1] = ']', -1;
    if (c == 218 && before == '{') return row[col - 1] = '}', -1;
    if (c == 184 && before == '\'') return row[col - 1] = '|', -1;
  }
  switch (c) {
    case 201: return '<';
    case 220: return '>';
    case 249: return 184;
    case 217: return 168;
    case 184: return '\'';
    case 168: return '~';
    case 250: return '[';
    case 218: return '{';
    case 185: return '#';
    case ':': return '^';
    case 245: return 'x';
    case 213: return 'X';
    default: break;
  }
  if (Konfig.KonfigEditFlag != 0) {
    if (c == '\\') return '/';
    if (c == '/') return '\\';
  }
  return c;
}

void InsertAtCaret(GuiWin* box, std::string& row, const std::string& s) {
  if (box->caretCol >= (int)row.size()) row += s;
  else row.insert((size_t)(box->caretCol < 0 ? 0 : box->caretCol), s);
}

// Deletes the selection of an editing key; true when one was deleted.
bool DeleteSelIfAny() {
  if (!TextBox_SelectionValid()) return false;
  TextBox_DeleteSel();
  return true;
}

// What a typed key's step asks of the key handler: run on to the common end, end with 1 (a
// selection was deleted and nothing more happens), or end with 0 (no row under the caret).
enum TypedEnd { kTypedOn, kTypedDone, kTypedLost };

// Delete: a selection goes; else the character at the caret, or at a row's end the next row joins
// it (an empty row is removed, unless it is the text's last).
TypedEnd TypeDelete(GuiWin* box, int cur, bool* moved) {
  box->textBoxFlag = 1;
  if (DeleteSelIfAny()) return kTypedDone;
  GuiList* list = ListOf(box);
  std::string& row = *RowText(box, cur);
  if (box->caretCol >= (int)row.size()) {
    if (!row.empty()) {
      if (cur + 1 < (int)list->rows.size()) {
        GuiList_JoinRows(box, cur, cur + 1);
        GuiList_Erase(box, cur + 1, 1);
      }
    } else if (list->rows.size() > 1) {  // the last row of a text stays: a box keeps a row
      GuiList_Erase(box, cur, 1);
    }
    *moved = true;
    GuiList_SetCol(box, box->caretCol, 1);
  } else {
    row.erase((size_t)(box->caretCol < 0 ? 0 : box->caretCol), 1);
  }
  return kTypedOn;
}

// Backspace: a selection goes; else the character before the caret, or at a row's start the row
// joins the one above (an empty row is removed).
TypedEnd TypeBackspace(GuiWin* box, bool* moved) {
  box->textBoxFlag = 1;
  if (DeleteSelIfAny()) return kTypedDone;
  const int cur = GuiList_CurRow(box);
  std::string& row = *RowText(box, cur);
  if (box->caretCol > 0) {
    box->caretCol--;
    if (box->caretCol < (int)row.size()) row.erase((size_t)box->caretCol, 1);
  } else if (cur > 0) {
    if (!row.empty()) {
      const int col = RowLen(box, cur - 1);
      GuiList_JoinRows(box, cur - 1, cur);
      GuiList_Erase(box, cur, 1);
      UpOneRow(box);
      GuiList_SetCol(box, col, 1);
    } else {
      GuiList_Erase(box, cur, 1);
      UpOneRow(box);
      GuiList_SetCol(box, RowLen(box, cur - 1), 1);
    }
    *moved = true;
  }
  return kTypedOn;
}

// Tab: three blanks in place of the selection.
TypedEnd TypeTab(GuiWin* box) {
  box->textBoxFlag = 1;
  DeleteSelIfAny();
  const int cur = GuiList_CurRow(box);
  if (!RowText(box, cur)) return kTypedLost;
  InsertAtCaret(box, *RowText(box, cur), "   ");
  GuiList_ColRight(box, 3, 1);
  return kTypedOn;
}

// Enter: the row splits at the caret (its colour codes with it), or an empty row opens after a
// row's end or before its start; the caret goes to the new row's start, scrolling at the bottom.
TypedEnd TypeEnter(GuiWin* box, bool* moved) {
  box->textBoxFlag = 1;
  DeleteSelIfAny();
  const int cur = GuiList_CurRow(box);
  if (!RowText(box, cur)) return kTypedLost;
  std::string& row = *RowText(box, cur);
  const int len = (int)row.size(), col = box->caretCol;
  if (len > 0 && col >= len) {
    GuiList_AddLine(box, cur + 1, "", "");
  } else if (col > 0 && col < len) {
    std::string tail = row.substr((size_t)col);
    row.resize((size_t)col);
    std::string& clr = ListOf(box)->rows[cur].second;
    if ((int)clr.size() > col) clr.resize((size_t)col);
    GuiList_AddLine(box, cur + 1, tail, "");
  } else {
    GuiList_AddLine(box, cur, "", "");
  }
  box->cursorRow++;
  *moved = true;
  if (box->cursorRow >= box->visibleRows - 1 && GuiList_ScrollDown(box, 1)) box->cursorRow--;
  box->caretCol = 0;
  box->boxWord = 0;
  return kTypedOn;
}

// A printable character, after its substitution, in place of the selection.
TypedEnd TypePrintable(GuiWin* box, unsigned char ch) {
  box->textBoxFlag = 1;
  DeleteSelIfAny();
  const int cur = GuiList_CurRow(box);
  if (!RowText(box, cur)) return kTypedLost;
  std::string& row = *RowText(box, cur);
  const int put = Substitute(box, row, ch);
  if (put >= 0) {
    InsertAtCaret(box, row, std::string(1, (char)put));
    GuiList_ColRight(box, 1, 1);
  }
  return kTypedOn;
}

// A typed character that is no command code; other control characters do nothing.
TypedEnd TypeChar(GuiWin* box, unsigned char ch, bool* moved) {
  if (ch == '\b') return TypeBackspace(box, moved);
  if (ch == '\t') return TypeTab(box);
  if (ch == '\r') return TypeEnter(box, moved);
  if (ch >= ' ') return TypePrintable(box, ch);
  return kTypedOn;
}

}  // namespace

int textEditStream(GuiWin* box, int c, int code) {
  if (InpLine_IsSpecial() || !box || !GuiList_HasData(box)) return 0;
  // Typing reaches the boxes only while their screen is shown: play and the editor hide them.
  if (code == 0 && ModeWords.ProgMode != kModeStart) return 0;
  if (c == 0) c = 1;
  // The rows may have shrunk under the caret since the last key (an open into a box that shares
  // them): every key finds the caret on the text.
  TextBox_ClampCaret(box);
  switch (code) {
    case kTextSelectAll: TextBox_SelectAll(); return 0;
    case kTextReserved: return 0;
    case kTextCut: TextEd_Cut(); return 0;
    case kTextCopy: TextEd_Copy(); return 0;
    case kTextPaste: TextBox_Paste(); return 0;
    default: break;
  }
  GuiList* list = ListOf(box);
  const int cur = GuiList_CurRow(box);
  if (!RowText(box, cur)) return 0;
  box->redraw = 0;
  bool moved = false;
  TypedEnd end = kTypedOn;  // a typed key's step may end the handler before the common end
  const int oldCol = box->caretCol;
  switch (code) {
    case kTextLeft:
      GuiList_ColLeft(box, 1, 1);
      if (box->caretCol < 0) box->caretCol = 0;
      ShiftRuleColumn(oldCol);
      break;
    case kTextRight:
      GuiList_ColRight(box, 1, 1);
      if (box->caretCol > RowLen(box, cur)) box->caretCol = RowLen(box, cur);
      ShiftRuleColumn(oldCol);
      break;
    case kTextHome:
      GuiList_SetCol(box, 0, 1);
      ShiftRuleColumn(oldCol);
      break;
    case kTextEnd:
      GuiList_SetCol(box, RowLen(box, cur), 1);
      ShiftRuleColumn(oldCol);
      break;
    case kTextUp:
      if (box->cursorRow > 0) box->cursorRow--, moved = true;
      else moved = GuiList_ScrollUp(box, 1) != 0;
      ShiftRuleLine(cur);
      break;
    case kTextDown:
      if (box->cursorRow < box->visibleRows - 1) box->cursorRow++, moved = true;
      else moved = GuiList_ScrollDown(box, 1) != 0;
      ShiftRuleLine(cur);
      break;
    case kTextScrollUp:
      if (box->firstRow == 0 && box->cursorRow >= 1) box->cursorRow--, moved = true;
      else moved = GuiList_ScrollUp(box, 1) != 0;
      break;
    case kTextScrollDown: moved = GuiList_ScrollDown(box, 1) != 0; break;
    case kTextPageUp: moved = GuiList_ScrollUp(box, 0) != 0; break;
    case kTextPageDown: moved = GuiList_ScrollDown(box, 0) != 0; break;
    case kTextDelete: end = TypeDelete(box, cur, &moved); break;
    default: end = TypeChar(box, (unsigned char)c, &moved); break;
  }
  if (end != kTypedOn) return end == kTypedDone ? 1 : 0;
  // The common end.
  // The rows drawn are recounted here for the text as it is now: the count of the last draw lags a
  // key behind, and would hold the caret on the last row when Enter has just made a new one below.
  const int count = (int)list->rows.size();
  int drawn = box->h / kTextRowHeight;
  if (drawn > count - box->firstRow) drawn = count - box->firstRow;
  int most = drawn - 1;
  if (most < 0) most = 0;
  if (box->cursorRow > most) box->cursorRow = most;
  if (box->cursorRow < 0) box->cursorRow = 0;
  if (moved) {
    if (!RowText(box, GuiList_CurRow(box))) {
      box->cursorRow = count - box->firstRow - 1;
      if (box->cursorRow < 0) {  // the first visible row lies past the text: show its last row
        box->firstRow = count > 0 ? count - 1 : 0;
        box->cursorRow = 0;
      }
      if (!RowText(box, GuiList_CurRow(box))) return 0;
    }
    if (box->boxWord > box->caretCol) box->caretCol = box->boxWord;
  }
  const int len = RowLen(box, GuiList_CurRow(box));
  if (box->caretCol > len) box->caretCol = len;
  if (box->caretCol < 0) box->caretCol = 0;
  if (box->redraw) box->boxWord = box->caretCol;
  return 1;
}

void TextBox_GoColumn(int oldCol) {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box) return;
  const int cur = GuiList_CurRow(box);
  if (!S.on) {
    S.aLine = S.mLine = cur;
    S.aY = S.mY = GuiList_RowBottom(box, cur, kTextRowHeight);
    S.aCol = oldCol;
    S.mCol = box->caretCol;
    S.on = 1;
  } else {
    S.mCol = box->caretCol;
  }
  TextBox_UpdateCaretX();
  TextBox_UpdateSelX();
}

void TextBox_GoLine(int oldRow) {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box) return;
  int cur = GuiList_CurRow(box);
  const int last = GuiList_Count(box) - 1;
  if (cur > last) cur = last;  // Down past the text stays on its last row
  if (!S.on) {
    S.aLine = oldRow;
    S.aY = GuiList_RowBottom(box, oldRow, kTextRowHeight);
    S.aCol = S.mCol = box->caretCol;
    S.on = 1;
  }
  S.mLine = cur;
  S.mY = GuiList_RowBottom(box, cur, kTextRowHeight);
  TextBox_UpdateCaretX();
  TextBox_UpdateSelX();
}

void TextBox_SelectAll() {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box || !GuiList_HasData(box)) return;
  const int last = GuiList_Count(box) - 1;
  S.aLine = 0;
  S.aCol = 0;
  S.mLine = last < 0 ? 0 : last;
  S.mCol = RowLen(box, S.mLine);
  S.aY = GuiList_RowBottom(box, S.aLine, kTextRowHeight);
  S.mY = GuiList_RowBottom(box, S.mLine, kTextRowHeight);
  S.on = 1;
  TextBox_UpdateCaretX();
  TextBox_UpdateSelX();
}

void TextBox_UpdateCaretX() {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box || !S.on) return;
  S.mX = box->x + kTextMargin + PrefixWidth(box, S.mLine, S.mCol + (MovingIsLater() ? 1 : 0));
}

void TextBox_UpdateSelX() {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box || !S.on) return;
  S.aX = box->x + kTextMargin + PrefixWidth(box, S.aLine, S.aCol + (TextBox_AnchorIsLater() ? 1 : 0));
}

void TextBox_DragClear() { S.on = 0; }
int TextBox_DragState() { return S.on; }

void TextBox_PlaceCaretAtMouse() {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box) return;
  int mx = 0, my = 0;
  Mouse(&mx, &my);
  S.mLine = GuiList_RowAt(box, mx, my, kTextRowHeight);
  S.mY = GuiList_RowBottomAt(box, my, kTextRowHeight);
  S.mX = mx;
  S.mCol = ColumnAt(box, S.mLine, mx);
  TextBox_UpdateCaretX();
  TextBox_UpdateSelX();
}

void TextBox_OnClick(GuiWin* win) {
  if (!win) return;
  win->consumed = 1;
  if (win->clickCode != kClickLeft) return;
  win->textBoxFlag = 1;
  bool extended = false;
  if (S.dragDone) {
    S.dragDone = 0;
    extended = true;
  } else if (!ShiftDown()) {
    TextBox_DragClear();
  } else {
    TextBox_PlaceCaretAtMouse();
    extended = true;
  }
  const int adjust = extended && S.on && MovingIsLater() ? 1 : 0;
  if (!TextBoxes.TextBoxFocused || win->number != TextBoxes.TextBoxFocused->number) {
    // The selection belongs to the focused box: it does not follow the focus to another one.
    if (TextBoxes.TextBoxFocused != win) TextBox_DragClear();
    TextBoxes.TextBoxFocused = win;
    return;
  }
  if (!GuiList_HasData(win)) return;
  int mx = 0, my = 0;
  Mouse(&mx, &my);
  const int row = GuiList_RowAt(win, mx, my, kTextRowHeight);
  win->cursorRow = row - win->firstRow;
  int col = ColumnAt(win, row, mx) + adjust;
  if (col > RowLen(win, row)) col = RowLen(win, row);
  GuiList_SetCol(win, col, 1);
  win->boxWord = win->caretCol;
}

void TextBox_OnMouseDrag() {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box || !o2::anFocusFlag || !KeyCmds.KeyDownTable[VK_LBUTTON]) {
    if (S.dragState == 2) S.dragDone = 1;
    S.dragState = 0;
    return;
  }
  int mx = 0, my = 0;
  Mouse(&mx, &my);
  switch (S.dragState) {
    case 0:
      if (GuiList_HitRow(box, mx, my, kTextRowHeight)) {
        S.pressX = mx;
        S.pressY = my;
        S.dragState = 1;
      }
      break;
    case 1: {
      const int dx = mx - S.pressX, dy = my - S.pressY;
      if (dx > -6 && dx < 6 && dy > -6 && dy < 6) break;
      S.on = 1;
      S.aLine = GuiList_RowAt(box, mx, my, kTextRowHeight);
      S.aY = GuiList_RowBottom(box, S.aLine, kTextRowHeight);
      S.aX = S.pressX;
      S.aCol = ColumnAt(box, S.aLine, S.pressX);
      S.mLine = S.aLine;
      S.mY = S.aY;
      S.mX = S.aX;
      S.mCol = S.aCol;
      S.dragState = 2;
      break;
    }
    default: TextBox_PlaceCaretAtMouse(); break;
  }
}
