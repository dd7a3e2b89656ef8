// The frame dispatcher. Only the text screen's frame exists yet: every mode runs it.
#include "world/mode_frames.h"

#include "ui/start_frame.h"

void FrameByMode(int focus) { Mode1_Frame(focus); }
