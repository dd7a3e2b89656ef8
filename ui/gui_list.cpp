// List rows: insertion by position or by length, and saving the texts.
#include "ui/gui_list.h"

#include <fstream>

int GuiList_Insert(GuiList* list, const std::string& text, std::string clr, int pos, int flag) {
  if (flag < 1) return 0;
  if (clr.size() > text.size()) clr.resize(text.size());
  else if (!clr.empty()) clr.resize(text.size(), clr.back());
  if (pos < 0 || pos >= (int)list->rows.size()) list->rows.emplace_back(text, clr);
  else list->rows.insert(list->rows.begin() + pos, {text, clr});
  return 1;
}

int GuiList_InsertByLen(GuiList* list, const std::string& text, const std::string& clr) {
  int pos = -1;
  for (int i = 0; i < (int)list->rows.size(); i++)
    if (list->rows[i].first.size() < text.size()) {
      pos = i;
      break;
    }
  return GuiList_Insert(list, text, clr, pos, 1);
}

int GuiList_SaveTxt(GuiList* list, const std::string& fileName) {
  if (list->rows.empty()) return 0;
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) return 0;
  for (auto& r : list->rows) out << r.first << "\n";
  return 1;
}
