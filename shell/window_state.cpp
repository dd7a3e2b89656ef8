// Storage of the window's state words.
#include "shell/window_state.h"

t_Win Win;
