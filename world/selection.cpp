// Storage of the selection's words.
#include "world/selection.h"

t_SelList SelList;
int FoundBoss[5];
