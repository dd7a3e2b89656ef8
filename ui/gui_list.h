// List rows: (text, colour-code string) pairs kept in order, as the text boxes and the coloured-word
// list hold them.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct GuiList {
  std::vector<std::pair<std::string, std::string>> rows;
};

int GuiList_Insert(GuiList* list, const std::string& text, std::string clr, int pos, int flag);
int GuiList_InsertByLen(GuiList* list, const std::string& text, const std::string& clr);
int GuiList_SaveTxt(GuiList* list, const std::string& fileName);
