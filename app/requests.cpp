// The interface's side of the request words of the layers below it.
#include "app/requests.h"

#include "figures/mode_words.h"
#include "gui/gui_list.h"
#include "shell/msgbase.h"
#include "ui/program_mode.h"
#include "ui/screens.h"
#include "world/figure_ops.h"

void Requests_CarryOut() {
  if (ModeWords.ProgModeReq) {
    const int mode = ModeWords.ProgModeReq;
    ModeWords.ProgModeReq = 0;
    SetProgramMode(mode);
  }
  if (CodeWin.CodeWinMsgReq) {
    GuiList* rows = GuiList_Of(Screens.CodeWinText);
    const char* text = MsgBase_TextOrNull(CodeWin.CodeWinMsgReq);
    CodeWin.CodeWinMsgReq = 0;
    if (Screens.CodeWinBox) Screens.CodeWinBox->visible = 1;
    if (rows && text) {
      rows->rows.clear();
      GuiList_Insert(rows, text, "", -1, 1);
    }
  }
}
