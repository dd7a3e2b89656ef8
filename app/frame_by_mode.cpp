// The frame dispatcher: the program mode chooses the frame.
#include "app/frame_by_mode.h"

#include "app/editor_frame.h"
#include "app/play_frame.h"
#include "app/requests.h"
#include "app/start_frame.h"
#include "figures/mode_words.h"

void FrameByMode(int focus) {
  Requests_CarryOut();
  switch (ModeWords.ProgMode) {
    case kModeStart: Mode1_Frame(focus); break;
    case kModePlay: GameFrame(focus); break;
    case kModeEditor: Mode3_Frame(); break;
    default: break;
  }
}
