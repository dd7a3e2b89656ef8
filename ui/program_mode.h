// The program mode switch. The mode words it sets live in figures/mode_words.h; the three mode
// panels it shows are Screens' (ui/screens.h).
#pragma once

#include "figures/mode_words.h"

// Switches to mode 1..3: every value edit running or requested cancelled (on a change of mode),
// that mode's panel alone shown, the frame sleep, the system cursor (shown in modes 1 and 3,
// hidden in play), the editor flags, the mode. 0 when switched; another mode changes nothing and
// answers 1.
int SetProgramMode(int mode);
