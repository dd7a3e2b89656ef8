// List rows: (text, colour-code string) pairs kept in order, as the text boxes, the code window and
// the coloured-word list hold them; the holder a widget points at and the pools loaded lists come
// from; row operations on a list and on a widget's list; the scrolling words kept in the widget;
// plain text files one row a line.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "gui/gui_win.h"

struct GuiList {
  std::vector<std::pair<std::string, std::string>> rows;
  int crlf = 0;  // read from a file whose first line ended in CR LF: a text save writes CR LF again
};

// --- on a list
int GuiList_Count(const GuiList* list);
int GuiList_RowLen(const GuiList* list, int n);
const std::string* GuiList_TextPtr(const GuiList* list, int n);
const std::string* GuiList_ColorPtr(const GuiList* list, int n);
std::string GuiList_RowTextAt(const GuiList* list, int n);
std::string GuiList_RowColorAt(const GuiList* list, int n);
// Inserts count copies of (text, colour) before index (appends for an index outside the rows). The
// colour is fitted to the text in the caller's string: cut, or padded with its last letter at most
// 333 times. 0 when count < 1.
int GuiList_Insert(GuiList* list, const std::string& text, std::string& clr, int index, int count);
int GuiList_Insert(GuiList* list, const std::string& text, const std::string& clr, int index, int count);
int GuiList_InsertByLen(GuiList* list, const std::string& text, const std::string& clr);
int GuiList_EraseRows(GuiList* list, int i, int n);
// Writes each row's text and a line break (CR LF for a list marked so, else LF); 0 when the list is
// empty or the file cannot be written.
// The old file stays whole until the new one is: a failed save loses nothing.
int GuiList_SaveTxt(GuiList* list, const std::string& fileName);
int GuiList_SavePairs(GuiList* list, const std::string& fileName);
// One row per line (a trailing line break adds no row; an empty file gives one empty row; a CR
// before the break is dropped, and a replaced list is marked CR LF when its first line had one). 0
// when the file does not open (the rows are left as they were).
int GuiList_LoadTxt2(GuiList* list, const std::string& fileName, int append);
int GuiList_LoadPairs(GuiList* list, const std::string& fileName, int append);
// A holder and an empty list from the pools (the holder's flag 1 when mark is set). The pools hand
// out free entries first-free round robin and grow when none is free.
GuiListHolder* GuiList_TakeHolder(int mark);
// The same, filled from the file; null (nothing taken) when it does not open.
GuiListHolder* GuiList_LoadTxt(const std::string& fileName, int mark);
int GuiList_PoolHolders();  // entries the pools hold now (tests)
int GuiList_PoolLists();

// --- on a widget (nothing, 0 or an empty text when it has no list)
GuiList* GuiList_Of(const GuiWin* win);
int GuiList_HasData(const GuiWin* win);
int GuiList_Count(const GuiWin* win);
int GuiList_RowLen(const GuiWin* win, int n);
const std::string* GuiList_TextPtr(const GuiWin* win, int n);
const std::string* GuiList_ColorPtr(const GuiWin* win, int n);
std::string GuiList_RowText(const GuiWin* win, int n);
std::string GuiList_RowColor(const GuiWin* win, int n);
int GuiList_CurRow(const GuiWin* win);
int GuiList_CurRowEmpty(const GuiWin* win);
int GuiList_IsLastRow(const GuiWin* win);
int GuiList_CursorAtBottom(const GuiWin* win);
int GuiList_RowVisible(const GuiWin* win, int n);
void GuiList_ColLeft(GuiWin* win, int n, int mark);
void GuiList_ColRight(GuiWin* win, int n, int mark);
void GuiList_SetCol(GuiWin* win, int col, int mark);
int GuiList_FitsAll(GuiWin* win);
int GuiList_ScrollDown(GuiWin* win, int n);  // n < 1: a page (visible rows - 1)
int GuiList_ScrollUp(GuiWin* win, int n);
int GuiList_RowAt(const GuiWin* win, int px, int py, int rowHeight);
int GuiList_HitRow(const GuiWin* win, int px, int py, int rowHeight);
int GuiList_RowBottomAt(const GuiWin* win, int py, int rowHeight);
int GuiList_RowBottom(const GuiWin* win, int row, int rowHeight);
int GuiList_AddLine(GuiWin* win, int index, const std::string& text, const std::string& clr);
void GuiList_AppendLine(GuiWin* win, const std::string& text, const std::string& clr);
void GuiList_AppendToRow(GuiWin* win, int n, const std::string& text, const std::string& clr);
void GuiList_JoinRows(GuiWin* win, int i, int j);
void GuiList_Erase(GuiWin* win, int i, int n);
