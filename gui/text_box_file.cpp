// Text box file open and save through the file dialogs; each box keeps its file's name, and says
// on its special line when a file did not open or save.
#include <cerrno>
#include <cstring>

#include "gm/org_base.h"
#include "gui/text_box.h"
#include "shell/dialogs.h"
#include "shell/file_save.h"
#include "shell/log.h"
#include "shell/text.h"

namespace {

// What the last open or save of box 1 or 2 left to say: empty after a success.
struct TextBoxFileState {
  char status[3][256];
} gBoxFile;

void SetStatus(const GuiWin* box, const std::string& text) {
  if (!box || box->number < 1 || box->number > 2) return;
  StrPrintf(gBoxFile.status[box->number], sizeof gBoxFile.status[0], "%s", text.c_str());
}

// A failed open or save is said on the box's line and in the log, with the system's reason.
void ReportFailure(const GuiWin* box, int saving, int err) {
  const char* what = saving ? (o2::EngText ? "Not saved" : "Не сохранено")
                            : (o2::EngText ? "Not opened" : "Не открыто");
  // A save that failed says which file its links led to, and why.
  const FileSaveFail& fail = FileSave_Failure();
  const bool saveSaid = saving && err;
  const std::string name = saveSaid ? fail.name : std::string(DlgPathBuf);
  const std::string why = saveSaid ? fail.why
                          : err    ? std::strerror(err)
                                   : (saving ? "nothing to save" : "not a plain file");
  // The box's line is cut at its edge: the reason goes before a name that may be long.
  SetStatus(box, StrFmt("%s (%s): %s", what, why.c_str(), name.c_str()));
  LogInfo("\ntext box: %s: %s (%s)", what, name.c_str(), why.c_str());
}

// Loads the chosen file into the holder (made anew when there is none); the holder on success.
GuiListHolder* LoadInto(GuiListHolder* holder) {
  if (!holder) return GuiList_LoadTxt(DlgPathBuf, 0);
  if (!holder->rows) return nullptr;
  return GuiList_LoadTxt2(holder->rows, DlgPathBuf, 0) ? holder : nullptr;
}

}  // namespace

const char* TextBox_FileStatus(int number) {
  return number >= 1 && number <= 2 ? gBoxFile.status[number] : "";
}

void TextBox_FileNameToDlg() {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box) return;
  char* name = box->number == 1   ? TextBoxes.TextBox1Name
               : box->number == 2 ? TextBoxes.TextBox2Name
                                  : nullptr;
  if (!name) return;
  std::memset(name, 0, 256);
  std::memcpy(name, DlgPathBuf, strnlen(DlgPathBuf, 255));  // the last byte stays the end
}

void TextWin_SaveFile(GuiWin* w) {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!w || !box || !GuiList_HasData(box)) return;
  if (!Dlg_SaveFile()) return;
  errno = 0;
  if (!GuiList_SaveTxt(GuiList_Of(box), DlgPathBuf)) return ReportFailure(box, 1, errno);
  SetStatus(box, "");
  TextBox_FileNameToDlg();
}

void TextWin_OpenFile(GuiWin* w) {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!w || !box || !Dlg_OpenFile()) return;
  // A file that cannot be read changes nothing: the rows, the name and the flags stay.
  errno = 0;
  GuiListHolder* h = LoadInto(box->listHolder);
  if (!h) return ReportFailure(box, 0, errno);
  SetStatus(box, "");
  box->listHolder = h;
  box->textBoxFlag = 1;
  TextBox_ClampCaret(box);  // a shorter text must not leave the caret on a row it lacks
  TextBox_FileNameToDlg();
}

void TextWin_SaveFileNoName(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  if (!Dlg_SaveFile()) return;
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box || !GuiList_HasData(box)) return;
  errno = 0;
  if (GuiList_SaveTxt(GuiList_Of(box), DlgPathBuf)) SetStatus(box, "");
  else ReportFailure(box, 1, errno);
}

void TextWin_OpenFileShared(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  if (!Dlg_OpenFile()) return;
  errno = 0;
  GuiListHolder* h = LoadInto(TextBoxes.TextBox1List);
  if (!h) return ReportFailure(TextBoxes.TextBoxFocused, 0, errno);
  SetStatus(TextBoxes.TextBoxFocused, "");
  TextBoxes.TextBox1List = h;
  if (TextBoxes.TextBoxFocused) {
    TextBoxes.TextBoxFocused->listHolder = h;
    TextBoxes.TextBoxFocused->textBoxFlag = 1;
    TextBox_ClampCaret(TextBoxes.TextBoxFocused);
  }
}
