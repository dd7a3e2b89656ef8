// Text box clipboard: copy, cut, paste with CR LF between rows. The editing keys (text_box.cpp)
// call these commands; they in turn use the selection's own file (text_box_selection.cpp) and no
// other of the text box's.
#include <cstring>
#include <string>
#include <vector>

#include "gui/text_box.h"
#include "platform/platform.h"
#include "shell/log.h"

namespace {

TextBoxCaretRec& S = TextBoxes.TextBoxCaret;

const char kCrLf[] = "\r\n";

bool RowOk(const GuiList* l, int n) { return l && n >= 0 && n < (int)l->rows.size(); }

// The earlier and the later end of the selection.
void Ends(int* fLine, int** fCol, int* lLine, int** lCol) {
  const bool anchorFirst = S.aLine < S.mLine || (S.aLine == S.mLine && S.aCol <= S.mCol);
  *fLine = anchorFirst ? S.aLine : S.mLine;
  *fCol = anchorFirst ? &S.aCol : &S.mCol;
  *lLine = anchorFirst ? S.mLine : S.aLine;
  *lCol = anchorFirst ? &S.mCol : &S.aCol;
}

// The copy text of the focused box's selection. An end column at or past the end of its non-empty
// row becomes the row's last index (the selection keeps it). Rows the list no longer has give
// nothing.
std::string CopyText() {
  std::string out;
  GuiWin* box = TextBoxes.TextBoxFocused;
  const GuiList* list = GuiList_Of(box);
  if (!list || !S.on) return out;
  int fLine, lLine, *fCol, *lCol;
  Ends(&fLine, &fCol, &lLine, &lCol);
  auto fit = [&](int line, int* col) {
    const int len = GuiList_RowLen(list, line);
    if (len > 0 && *col >= len) *col = len - 1;
    if (*col < 0) *col = 0;
  };
  fit(fLine, fCol);
  fit(lLine, lCol);
  if (fLine == lLine) {
    if (!RowOk(list, fLine)) return out;
    const std::string& row = list->rows[fLine].first;
    if (row.empty()) return out;
    const int lo = *fCol < *lCol ? *fCol : *lCol, hi = *fCol < *lCol ? *lCol : *fCol;
    if (lo < (int)row.size()) out = row.substr((size_t)lo, (size_t)(hi - lo + 1));
    return out;
  }
  if (RowOk(list, fLine)) {
    const std::string& row = list->rows[fLine].first;
    if (*fCol < (int)row.size()) out += row.substr((size_t)*fCol);
    out += kCrLf;
  }
  for (int line = fLine + 1; line < lLine; line++) {
    if (!RowOk(list, line)) continue;
    out += list->rows[line].first;
    out += kCrLf;
  }
  if (RowOk(list, lLine)) {
    const std::string& row = list->rows[lLine].first;
    if (row.empty()) {
      out += kCrLf;
    } else {
      out += row.substr(0, (size_t)(*lCol + 1));
      if (*lCol >= (int)row.size() - 1) out += kCrLf;
    }
  }
  return out;
}

void PutOnClipboard(const std::string& text) {
  if (!Plat_ClipboardSetText(text.c_str(), (int)text.size()))
    LogInfo("\nclipboard: the copy was refused");
}

}  // namespace

int TextEd_SelectionSize() { return (int)CopyText().size() + 1; }

void TextEd_CopySelection(char* dst) {
  if (!dst) return;
  const std::string text = CopyText();
  std::memcpy(dst, text.c_str(), text.size() + 1);
}

void TextEd_ClipboardCopy() {
  if (!TextBoxes.TextBoxFocused || !S.on) return;
  const std::string text = CopyText();  // built once: its size and its bytes cannot disagree
  if (text.size() + 1 < 1) return;
  PutOnClipboard(text);
}

void TextEd_Copy() { TextEd_ClipboardCopy(); }

void TextEd_CopyButton(GuiWin* w) {
  if (w) TextEd_Copy();
}

void TextEd_Cut() {
  TextEd_ClipboardCopy();
  TextBox_DeleteSel();
}

void TextBox_Paste() {
  // A selection that names rows the text no longer has is dropped without a deletion: the paste
  // then goes to the caret, not to the start of an older deletion.
  S.sLine = -1;
  if (S.on) TextBox_DeleteSel();
  TextBox_PasteClipboard();
}

void TextBox_PasteButton(GuiWin* w) {
  if (w) TextBox_Paste();
}

void TextBox_PasteClipboard() {
  if (!TextBoxes.TextBoxFocused || !Plat_ClipboardHasText()) return;
  const char* text = Plat_ClipboardGetText();
  if (!text) return;
  const std::string copy = text;  // the platform's buffer lives only until its next call
  TextBox_InsertText(copy.c_str());
  TextBoxes.TextBoxFocused->textBoxFlag = 1;
}

void TextBox_InsertText(const char* text) {
  GuiWin* box = TextBoxes.TextBoxFocused;
  GuiList* list = GuiList_Of(box);
  if (!list || !text) return;
  TextBox_ClampCaret(box);
  if (S.sLine != -1) {
    if (GuiList_CurRow(box) != S.sLine) {
      box->firstRow = S.sLine;
      box->cursorRow = 0;
    }
    box->caretCol = S.sCol;
  }
  const int cur = GuiList_CurRow(box);
  if (!RowOk(list, cur)) {
    LogInfo("\ntext box: paste into missing row %d of %d: dropped", cur, (int)list->rows.size());
    S.on = 0;
    S.sLine = -1;
    return;
  }
  std::vector<std::string> pieces;
  const std::string all = text;
  size_t from = 0;
  for (;;) {
    const size_t at = all.find(kCrLf, from);
    if (at == std::string::npos) break;
    pieces.push_back(all.substr(from, at - from));
    from = at + 2;
  }
  pieces.push_back(all.substr(from));
  std::string& row = list->rows[cur].first;
  int c = box->caretCol < 0 ? 0 : box->caretCol;
  if (c > (int)row.size()) c = (int)row.size();
  if (pieces.size() == 1) {
    row.insert((size_t)c, pieces[0]);
    box->caretCol = c + (int)pieces[0].size();
  } else {
    const std::string tail = row.substr((size_t)c);
    row.resize((size_t)c);
    row += pieces[0];
    std::vector<std::pair<std::string, std::string>> rows;
    rows.reserve(pieces.size() - 1);
    for (size_t i = 1; i < pieces.size(); i++) rows.emplace_back(pieces[i], std::string());
    rows.back().first += tail;
    list->rows.insert(list->rows.begin() + cur + 1, rows.begin(), rows.end());
    box->cursorRow += (int)rows.size();
    box->caretCol = (int)pieces.back().size();
  }
  if (box->cursorRow > box->visibleRows - 1) {
    box->firstRow += box->cursorRow - 1;
    box->cursorRow = 1;
  }
}

void TextWin_CopyToClip(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box || GuiList_CurRowEmpty(box)) return;
  PutOnClipboard(GuiList_RowText(box, GuiList_CurRow(box)));
}

void Clip_LogText(GuiWin* w) {
  if (w) w->consumed = 1;
  if (!Plat_ClipboardHasText()) return;
  const char* text = Plat_ClipboardGetText();
  if (text) LogInfo("\ntest: %s", text);
}
