// The frame dispatcher the main loop calls: it sits above the three frames (app/start_frame.h,
// app/play_frame.h, app/editor_frame.h), which know nothing of it.
#pragma once

// Carries out the requests of the layers below (Requests_CarryOut), then runs the frame of the
// current program mode (ProgMode): the start screen, play, the editor.
void FrameByMode(int focus);
