// The program mode switch. The mode words it sets live in figures/mode_words.h.
#pragma once

#include "figures/mode_words.h"

// Switches to mode 1..3 (frame sleep, editor flag, editor tool flag, mode); other values change
// nothing. Answers 0.
int SetProgramMode(int mode);
