// Storage of the selection's words.
#include "world/selection.h"

int FoundBoss[5];
t_SelList SelList;
