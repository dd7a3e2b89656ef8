// The one translation unit of the generated figure functions (gm/fa_proc.h). Compiled with the
// Windows-1251 input charset: the generated comment texts are string literals.
#include "figures/fa_proc_env.h"

#include "gm/fa_proc.h"
