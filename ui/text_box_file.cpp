// Text box file open and save through the file dialogs; each box keeps its file's name.
#include <cstring>

#include "shell/dialogs.h"
#include "ui/text_box.h"

char TextBox1Name[256];
char TextBox2Name[256];
GuiListHolder* TextBox1List = nullptr;
GuiListHolder* TextBox2List = nullptr;

namespace {

// Loads the chosen file into the holder (made anew when there is none); the holder on success.
GuiListHolder* LoadInto(GuiListHolder* holder) {
  if (!holder) return GuiList_LoadTxt(DlgPathBuf, 0);
  if (!holder->rows) return nullptr;
  return GuiList_LoadTxt2(holder->rows, DlgPathBuf, 0) ? holder : nullptr;
}

}  // namespace

void TextBox_FileNameToDlg() {
  GuiWin* box = TextBoxFocused;
  if (!box) return;
  char* name = box->number == 1 ? TextBox1Name : box->number == 2 ? TextBox2Name : nullptr;
  if (!name) return;
  std::memset(name, 0, 256);
  std::strncpy(name, DlgPathBuf, 255);
}

void TextWin_SaveFile(GuiWin* w) {
  GuiWin* box = TextBoxFocused;
  if (!w || !box || !GuiList_HasData(box)) return;
  if (!Dlg_SaveFile()) return;
  if (GuiList_SaveTxt(GuiList_Of(box), DlgPathBuf)) TextBox_FileNameToDlg();
}

void TextWin_OpenFile(GuiWin* w) {
  GuiWin* box = TextBoxFocused;
  if (!w || !box || !Dlg_OpenFile()) return;
  // A file that cannot be read changes nothing: the rows, the name and the flags stay.
  GuiListHolder* h = LoadInto(box->listHolder);
  if (!h) return;
  box->listHolder = h;
  box->textBoxFlag = 1;
  TextBox_ClampCaret(box);  // a shorter text must not leave the caret on a row it lacks
  TextBox_FileNameToDlg();
}

void TextWin_SaveFileNoName(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  if (!Dlg_SaveFile()) return;
  GuiWin* box = TextBoxFocused;
  if (box && GuiList_HasData(box)) GuiList_SaveTxt(GuiList_Of(box), DlgPathBuf);
}

void TextWin_OpenFileShared(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  if (!Dlg_OpenFile()) return;
  GuiListHolder* h = LoadInto(TextBox1List);
  if (!h) return;
  TextBox1List = h;
  if (TextBoxFocused) {
    TextBoxFocused->listHolder = h;
    TextBoxFocused->textBoxFlag = 1;
    TextBox_ClampCaret(TextBoxFocused);
  }
}
