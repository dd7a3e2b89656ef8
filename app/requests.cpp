// The interface's side of the request words of the layers below it.
#include "app/requests.h"

#include "figures/mode_words.h"
#include "gui/gui_list.h"
#include "gui/program_mode.h"
#include "shell/msgbase.h"
#include "world/figure_ops.h"

void Requests_CarryOut() {
  if (ModeWords.ProgModeReq) {
    const int mode = ModeWords.ProgModeReq;
    ModeWords.ProgModeReq = 0;
    SetProgramMode(mode);
  }
  if (CodeWinMsgReq) {
    GuiList* rows = GuiList_Of(CodeWinText);
    const char* text = MsgBase_TextOrNull(CodeWinMsgReq);
    CodeWinMsgReq = 0;
    if (rows && text) {
      rows->rows.clear();
      GuiList_Insert(rows, text, "", -1, 1);
    }
  }
}
