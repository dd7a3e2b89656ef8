// Storage of the program-mode words.
#include "figures/mode_words.h"

t_ModeWords ModeWords;
