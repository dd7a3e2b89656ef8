// The frame of the text screen (program mode 1).
#pragma once

// Clock, window drag, key commands and a cleared picture.
void Mode1_Frame(int focus);
