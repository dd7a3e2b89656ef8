// The interface's side of the request words of the layers below it.
#include "app/requests.h"

#include "figures/mode_words.h"
#include "shell/msgbase.h"
#include "ui/play_buttons.h"
#include "ui/program_mode.h"
#include "world/figure_ops.h"

void Requests_CarryOut() {
  if (ModeWords.ProgModeReq) {
    const int mode = ModeWords.ProgModeReq;
    ModeWords.ProgModeReq = 0;
    SetProgramMode(mode);
  }
  if (CodeWin.CodeWinMsgReq) {
    const char* text = MsgBase_TextOrNull(CodeWin.CodeWinMsgReq);
    CodeWin.CodeWinMsgReq = 0;
    CodeWin_Show(text);
  }
}
