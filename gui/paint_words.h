// The coloured words: the list of (word, colour codes) that start-up reads from
// "uni_files/res/paintword.txt", the index the row colouring finds them through, and the row
// colouring itself (comments "e", "0x" "bb", digits "o", strings "w", a listed word its own
// codes). Only the functions here change the list, and each builds the index again over the list
// it leaves, so the index always answers for the list as it is.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "gui/gui_list.h"
#include "gui/gui_win.h"

// The list, read-only to the rest of the program: loaded longest first, equal lengths in file order.
// It is the PaintWordList of the file's own record, under a second name that lets no other file
// change it.
extern const GuiList& PaintWords;

// Reads the list from the file (a title line, then per record a separator line, a count line and
// the word with its colour codes; at most 9,999 records, "-=end=-" ends it) and writes its words
// to the test list (FileNames.gsFileTestPaint). A file that does not open leaves the list as it was.
void PaintWords_Load(const std::string& fileName);
// The list becomes these rows in their own order (the loader's order aside): the index answers for
// any order. Tests and the fuzz target set their lists through it.
void PaintWords_Set(std::vector<std::pair<std::string, std::string>> rows);

// The row of the list that colours the token at text[p]: the first in the list's order whose word
// is not empty, begins the rest R of the text and is R whole, ends in a delimiter or is followed by
// one; -1 for none.
int TextEd_PaintWordAt(const std::string& text, int p);
using PaintWordFinder = int (*)(const std::string& text, int p);
// The visible rows of a box (and one more), all or only those without colour codes yet.
void TextEd_ColourRows(GuiWin* win, int onlyUncoloured);
// A row's colour codes, one letter a character; a row of blanks and tabs keeps the ones it has.
void TextEd_ColourLine(const std::string& text, std::string& clr,
                       PaintWordFinder find = TextEd_PaintWordAt);
void TextEd_ColourToken(const std::string& text, int* pos, std::string& out,
                        PaintWordFinder find = TextEd_PaintWordAt);
