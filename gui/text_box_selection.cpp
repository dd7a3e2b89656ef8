// The text boxes' record and their one selection, as both the editing keys (text_box.cpp) and the
// clipboard (text_box_clip.cpp) use it: the order of its ends, whether it still names rows of the
// focused box, its deletion, and the caret kept on the text. It lies below both, so that the
// editing calls the clipboard's commands and the clipboard calls only down here, never back into
// the editing.
#include "gui/text_box.h"

#include "shell/log.h"

TextBoxRec TextBoxes;

namespace {

TextBoxCaretRec& S = TextBoxes.TextBoxCaret;

}  // namespace

bool TextBox_AnchorIsLater() { return S.aLine > S.mLine || (S.aLine == S.mLine && S.aCol > S.mCol); }

// A selection that names a row the focused box no longer has (another file was opened, rows were
// removed) is dropped with a log line; the program goes on.
bool TextBox_SelectionValid() {
  if (!S.on) return false;
  const int count = GuiList_Count(TextBoxes.TextBoxFocused);
  if (S.aLine >= 0 && S.aLine < count && S.mLine >= 0 && S.mLine < count) return true;
  LogInfo("\ntext box: the selection names rows %d..%d of %d: dropped", S.aLine, S.mLine, count);
  S.on = 0;
  return false;
}

void TextBox_ClampCaret(GuiWin* box) {
  if (!GuiList_HasData(box)) return;
  const int count = GuiList_Count(box);
  if (box->firstRow < 0 || box->firstRow > count - 1) box->firstRow = box->cursorRow = 0;
  if (box->cursorRow < 0) box->cursorRow = 0;
  if (GuiList_CurRow(box) > count - 1) box->cursorRow = count > 0 ? count - 1 - box->firstRow : 0;
  const int len = GuiList_RowLen(box, GuiList_CurRow(box));
  if (box->caretCol > len) box->caretCol = len;
  if (box->caretCol < 0) box->caretCol = 0;
}

void Sel_RectOrder() {
  if (TextBox_AnchorIsLater()) {
    S.sLine = S.mLine;
    S.sCol = S.mCol;
  } else {
    S.sLine = S.aLine;
    S.sCol = S.aCol;
  }
}

void TextBox_DeleteSel() {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box || !TextBox_SelectionValid()) return;
  GuiList* list = GuiList_Of(box);
  Sel_RectOrder();
  if (S.aLine == S.mLine) {
    std::string& row = list->rows[S.aLine].first;
    const int lo = S.aCol < S.mCol ? S.aCol : S.mCol, hi = S.aCol < S.mCol ? S.mCol : S.aCol;
    const int len = (int)row.size();
    if (len > 0 && !(lo <= 0 && hi >= len - 1)) {
      if (lo >= 0 && lo < len) row.erase((size_t)lo, (size_t)(hi - lo + 1));
    } else {
      row.clear();
    }
  } else {
    const bool anchorFirst = !TextBox_AnchorIsLater();
    const int fLine = anchorFirst ? S.aLine : S.mLine, fCol = anchorFirst ? S.aCol : S.mCol;
    const int lLine = anchorFirst ? S.mLine : S.aLine, lCol = anchorFirst ? S.mCol : S.aCol;
    std::string& last = list->rows[lLine].first;
    if ((int)last.size() > lCol + 1) last.erase(0, (size_t)(lCol + 1 < 0 ? 0 : lCol + 1));
    else GuiList_EraseRows(list, lLine, 1);
    if (lLine - fLine > 1) GuiList_EraseRows(list, fLine + 1, lLine - fLine - 1);
    std::string& first = list->rows[fLine].first;
    if (fCol <= 0 || first.empty()) first.clear();
    else if (fCol < (int)first.size()) first.resize((size_t)fCol);
  }
  if (GuiList_CurRow(box) != S.sLine) {
    box->firstRow = S.sLine;
    box->cursorRow = 0;
  }
  box->caretCol = S.sCol < 0 ? 0 : S.sCol;
  S.on = 0;
}
