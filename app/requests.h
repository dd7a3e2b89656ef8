// What the layers below the interface asked of it by their request words, carried out by the
// application: a program mode (ProgModeReq), the code window shown with its message (CodeWinMsgReq).
// The frame dispatcher (app/frame_by_mode.h) runs it before each frame, and the game update of play
// (app/play_frame.h) again after the figures' procedures, so what a trigger asked shows in the same
// frame's picture.
#pragma once

void Requests_CarryOut();
