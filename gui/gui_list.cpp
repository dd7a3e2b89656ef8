// List rows: the row operations, the pools, the scrolling words of a widget, text files.
#include "gui/gui_list.h"

#include <deque>
#include <fstream>

#include "gui/gui.h"
#include "shell/file_save.h"
#include "shell/files.h"
#include "shell/text.h"

namespace {

constexpr int kColourPadMax = 333;
constexpr int kPoolLists = 501;     // entries 0..500; 0 is never handed out
constexpr int kPoolHolders = 2001;  // entries 0..2000

// Loaded lists and their holders. Entries never move (deques grow at the end), so widgets keep
// pointers into them. A holder is free while its rows pointer is null; a list while no holder took
// it. When every entry is taken a new one is added: two widgets never share a list.
struct t_GuiListPool {
  std::deque<GuiList> lists{kPoolLists};
  std::deque<char> taken = std::deque<char>(kPoolLists, 0);
  int cursor = 1;
} GuiListPool;
struct t_GuiHolderPool {
  std::deque<GuiListHolder> holders{kPoolHolders};
  int cursor = 1;
} GuiHolderPool;

GuiListHolder* TakeHolder() {
  t_GuiHolderPool& p = GuiHolderPool;
  const int n = (int)p.holders.size();
  for (int t = 0; t < n - 1; t++) {
    int i = p.cursor;
    p.cursor = i + 1 >= n ? 1 : i + 1;
    GuiListHolder* h = &p.holders[i];
    if (!h->rows && !h->reserved) return h;
  }
  p.holders.push_back(GuiListHolder{});
  return &p.holders.back();
}

GuiList* TakeList() {
  t_GuiListPool& p = GuiListPool;
  const int n = (int)p.lists.size();
  for (int t = 0; t < n - 1; t++) {
    int i = p.cursor;
    p.cursor = i + 1 >= n ? 1 : i + 1;
    if (!p.taken[i]) {
      p.taken[i] = 1;
      p.lists[i].rows.clear();
      p.lists[i].crlf = 0;
      return &p.lists[i];
    }
  }
  p.lists.emplace_back();
  p.taken.push_back(1);
  return &p.lists.back();
}

// Reads the file's lines into out; false when it does not open. Every line reader of the program
// drops a CR before the break; a trailing break adds no line, and an empty file is one empty line.
// crlf, when given, tells whether the first line ended in CR LF.
bool ReadLines(const std::string& fileName, std::vector<std::string>* out, int* crlf = nullptr) {
  std::ifstream in;
  if (!FileOpenIn(in, fileName, std::ios::binary)) return false;
  std::string line;
  if (crlf) {
    *crlf = std::getline(in, line) && !in.eof() && !line.empty() && line.back() == '\r';
    in.clear();
    in.seekg(0);
  }
  while (TextGetLine(in, line)) out->push_back(line);
  if (out->empty()) out->push_back(std::string());
  return true;
}

// The file the user named is replaced whole, or left as it was.
int WriteWhole(const std::string& fileName, const std::string& text) {
  return FileWriteWhole(fileName, text.data(), text.size());
}

bool InRect(const GuiWin* w, int px, int py) { return Gui_PtInRect(px, py, w->x, w->y, w->w, w->h); }

bool RowOk(const GuiList* list, int n) { return list && n >= 0 && n < (int)list->rows.size(); }

}  // namespace

// --- on a list

int GuiList_Count(const GuiList* list) { return list ? (int)list->rows.size() : 0; }

int GuiList_RowLen(const GuiList* list, int n) {
  return RowOk(list, n) ? (int)list->rows[n].first.size() : 0;
}

const std::string* GuiList_TextPtr(const GuiList* list, int n) {
  return RowOk(list, n) ? &list->rows[n].first : nullptr;
}

const std::string* GuiList_ColorPtr(const GuiList* list, int n) {
  return RowOk(list, n) ? &list->rows[n].second : nullptr;
}

std::string GuiList_RowTextAt(const GuiList* list, int n) {
  return RowOk(list, n) ? list->rows[n].first : std::string();
}

std::string GuiList_RowColorAt(const GuiList* list, int n) {
  return RowOk(list, n) ? list->rows[n].second : std::string();
}

int GuiList_Insert(GuiList* list, const std::string& text, std::string& clr, int index, int count) {
  if (!list || count < 1) return 0;
  if (clr.size() > text.size()) {
    clr.resize(text.size());
  } else if (!clr.empty()) {
    const size_t want =
        text.size() - clr.size() > (size_t)kColourPadMax ? clr.size() + kColourPadMax : text.size();
    clr.resize(want, clr.back());
  }
  const int rows = (int)list->rows.size();
  auto at = index < 0 || index > rows - 1 ? list->rows.end() : list->rows.begin() + index;
  if (count == 1) list->rows.emplace(at, text, clr);  // made in place: a long row is copied once
  else list->rows.insert(at, (size_t)count, {text, clr});
  return 1;
}

int GuiList_Insert(GuiList* list, const std::string& text, const std::string& clr, int index,
                   int count) {
  std::string c = clr;
  return GuiList_Insert(list, text, c, index, count);
}

int GuiList_InsertByLen(GuiList* list, const std::string& text, const std::string& clr) {
  if (!list) return 0;
  int pos = -1;
  for (int i = 0; i < (int)list->rows.size(); i++)
    if (list->rows[i].first.size() < text.size()) {
      pos = i;
      break;
    }
  return GuiList_Insert(list, text, clr, pos, 1);
}

int GuiList_EraseRows(GuiList* list, int i, int n) {
  if (!list || i < 0) return 0;
  const int count = (int)list->rows.size();
  if (i > count - 1) return 1;
  const int end = n <= 0 || i + n > count ? count : i + n;
  list->rows.erase(list->rows.begin() + i, list->rows.begin() + end);
  return 1;
}

int GuiList_SaveTxt(GuiList* list, const std::string& fileName) {
  if (!list || list->rows.empty()) return 0;
  size_t size = 0;
  const char* end = list->crlf ? "\r\n" : "\n";
  for (auto& r : list->rows) size += r.first.size() + 2;
  std::string text;
  text.reserve(size);
  for (auto& r : list->rows) text.append(r.first).append(end);
  return WriteWhole(fileName, text);
}

int GuiList_SavePairs(GuiList* list, const std::string& fileName) {
  if (!list || list->rows.empty()) return 0;
  size_t size = 0;
  for (auto& r : list->rows) size += r.first.size() + r.second.size() + 2;
  std::string text;
  text.reserve(size);
  for (auto& r : list->rows) text.append(r.first).append("\n").append(r.second).push_back('\n');
  return WriteWhole(fileName, text);
}

int GuiList_LoadTxt2(GuiList* list, const std::string& fileName, int append) {
  if (!list) return 0;
  std::vector<std::string> lines;
  int crlf = 0;
  if (!ReadLines(fileName, &lines, &crlf)) return 0;
  if (!append) {
    list->rows.clear();
    list->crlf = crlf;
  }
  for (auto& l : lines) list->rows.emplace_back(std::move(l), std::string());
  return 1;
}

int GuiList_LoadPairs(GuiList* list, const std::string& fileName, int append) {
  if (!list) return 0;
  std::vector<std::string> lines;
  if (!ReadLines(fileName, &lines)) return 0;
  if (!append) list->rows.clear();
  for (size_t i = 0; i < lines.size(); i += 2) {
    std::string clr = i + 1 < lines.size() ? lines[i + 1] : std::string();
    GuiList_Insert(list, lines[i], clr, -1, 1);
  }
  return 1;
}

GuiListHolder* GuiList_TakeHolder(int mark) {
  GuiListHolder* h = TakeHolder();
  *h = GuiListHolder{};
  if (mark) h->flag = 1;
  h->rows = TakeList();
  return h;
}

GuiListHolder* GuiList_LoadTxt(const std::string& fileName, int mark) {
  std::vector<std::string> lines;
  int crlf = 0;
  if (!ReadLines(fileName, &lines, &crlf)) return nullptr;
  GuiListHolder* h = GuiList_TakeHolder(mark);
  h->rows->crlf = crlf;
  for (auto& l : lines) h->rows->rows.emplace_back(std::move(l), std::string());
  return h;
}

int GuiList_PoolHolders() { return (int)GuiHolderPool.holders.size(); }
int GuiList_PoolLists() { return (int)GuiListPool.lists.size(); }

// --- on a widget

GuiList* GuiList_Of(const GuiWin* win) {
  return win && win->listHolder ? win->listHolder->rows : nullptr;
}

int GuiList_HasData(const GuiWin* win) { return GuiList_Of(win) ? 1 : 0; }
int GuiList_Count(const GuiWin* win) { return GuiList_Count(GuiList_Of(win)); }
int GuiList_RowLen(const GuiWin* win, int n) { return GuiList_RowLen(GuiList_Of(win), n); }
const std::string* GuiList_TextPtr(const GuiWin* win, int n) {
  return GuiList_TextPtr(GuiList_Of(win), n);
}
const std::string* GuiList_ColorPtr(const GuiWin* win, int n) {
  return GuiList_ColorPtr(GuiList_Of(win), n);
}
std::string GuiList_RowText(const GuiWin* win, int n) { return GuiList_RowTextAt(GuiList_Of(win), n); }
std::string GuiList_RowColor(const GuiWin* win, int n) { return GuiList_RowColorAt(GuiList_Of(win), n); }

int GuiList_CurRow(const GuiWin* win) { return win ? win->firstRow + win->cursorRow : 0; }

int GuiList_CurRowEmpty(const GuiWin* win) {
  const std::string* t = GuiList_TextPtr(win, GuiList_CurRow(win));
  return !t || t->empty() ? 1 : 0;
}

int GuiList_IsLastRow(const GuiWin* win) {
  return GuiList_HasData(win) && GuiList_CurRow(win) == GuiList_Count(win) - 1 ? 1 : 0;
}

int GuiList_CursorAtBottom(const GuiWin* win) {
  return GuiList_HasData(win) && win->cursorRow >= win->visibleRows - 1 ? 1 : 0;
}

int GuiList_RowVisible(const GuiWin* win, int n) {
  return GuiList_HasData(win) && win->firstRow <= n && n < win->firstRow + win->visibleRows ? 1 : 0;
}

void GuiList_ColLeft(GuiWin* win, int n, int mark) {
  if (!GuiList_HasData(win) || win->caretCol <= 0) return;
  win->caretCol -= n;
  if (mark) win->redraw = 1;
}

void GuiList_ColRight(GuiWin* win, int n, int mark) {
  if (!GuiList_HasData(win)) return;
  win->caretCol += n;
  if (mark) win->redraw = 1;
}

void GuiList_SetCol(GuiWin* win, int col, int mark) {
  if (!GuiList_HasData(win)) return;
  win->caretCol = col < 0 ? 0 : col;
  if (mark) win->redraw = 1;
}

int GuiList_FitsAll(GuiWin* win) {
  if (!GuiList_HasData(win) || win->rowsDrawn < GuiList_Count(win)) return 0;
  win->firstRow = 0;
  return 1;
}

int GuiList_ScrollDown(GuiWin* win, int n) {
  if (!GuiList_HasData(win) || GuiList_FitsAll(win)) return 0;
  const int count = GuiList_Count(win);
  win->firstRow += n >= 1 ? n : win->visibleRows - 1;
  if (win->firstRow > count - 2) win->firstRow = count - 2;
  if (win->firstRow < 0) win->firstRow = 0;
  if (GuiList_CurRow(win) > count - 1) win->cursorRow = 0;
  return 1;
}

int GuiList_ScrollUp(GuiWin* win, int n) {
  if (!GuiList_HasData(win) || GuiList_FitsAll(win)) return 0;
  const int count = GuiList_Count(win);
  win->firstRow -= n >= 1 ? n : win->visibleRows - 1;
  if (win->firstRow > count - 1) win->firstRow = count - 1;
  if (win->firstRow < 0) win->firstRow = 0;
  if (GuiList_CurRow(win) > count - 1) win->cursorRow = 0;
  return 1;
}

int GuiList_RowAt(const GuiWin* win, int px, int py, int rowHeight) {
  if (!GuiList_HasData(win) || rowHeight < 1) return 0;
  if (!InRect(win, px, py)) return 0;
  const int row = (win->y + win->h - py) / rowHeight + win->firstRow;
  const int last = GuiList_Count(win) - 1;
  return row < last ? row : last;
}

int GuiList_HitRow(const GuiWin* win, int px, int py, int rowHeight) {
  if (!GuiList_HasData(win) || rowHeight < 1 || !InRect(win, px, py)) return 0;
  for (const GuiWin* c : win->children)
    if (c && InRect(c, px, py)) return 0;
  return (win->y + win->h - py) / rowHeight + win->firstRow + 1 <= GuiList_Count(win) ? 1 : 0;
}

int GuiList_RowBottomAt(const GuiWin* win, int py, int rowHeight) {
  if (!win || rowHeight < 1) return 0;
  const int top = win->y + win->h;
  return top - ((top - py) / rowHeight + 1) * rowHeight;
}

int GuiList_RowBottom(const GuiWin* win, int row, int rowHeight) {
  if (!win) return 0;
  return win->y + win->h - (row - win->firstRow + 1) * rowHeight;
}

int GuiList_AddLine(GuiWin* win, int index, const std::string& text, const std::string& clr) {
  return GuiList_Insert(GuiList_Of(win), text, clr, index, 1);
}

void GuiList_AppendLine(GuiWin* win, const std::string& text, const std::string& clr) {
  GuiList_Insert(GuiList_Of(win), text, clr, -1, 1);
}

void GuiList_AppendToRow(GuiWin* win, int n, const std::string& text, const std::string& clr) {
  GuiList* list = GuiList_Of(win);
  if (!RowOk(list, n)) return;
  list->rows[n].first += text;
  list->rows[n].second += clr;
}

void GuiList_JoinRows(GuiWin* win, int i, int j) {
  GuiList* list = GuiList_Of(win);
  if (!RowOk(list, i) || !RowOk(list, j)) return;
  const auto row = list->rows[j];  // j may be i
  list->rows[i].first += row.first;
  list->rows[i].second += row.second;
}

void GuiList_Erase(GuiWin* win, int i, int n) { GuiList_EraseRows(GuiList_Of(win), i, n); }
