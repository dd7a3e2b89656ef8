// The frame of the start screen (program mode 1) and the two status pages no frame draws. The
// steps it shares with the other frames (the frame-rate text among them) are app/frame_steps.h.
#pragma once

// Clock, window drag, value input, the focused text box's key commands, the widget tree's mouse
// and drawing over the background, the hint, the frame rate.
void Mode1_Frame(int focus);
// The key re-binding page: while a re-binding step runs, the prompt over a cleared window, and the
// collected keys taken once the last step passed. 0 (nothing drawn) while no step runs.
int FullScreenText_Draw();
// The developer's debug lines, which no frame draws: the camera's field of view, the palette tool,
// the land patches drawn and the selection count; the field's select and order counts, the last
// order point, the container's next location slot and the lasers whose life ended.
void DebugText_Draw();
