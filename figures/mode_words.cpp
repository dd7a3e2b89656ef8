// Storage of the program-mode words.
#include "figures/mode_words.h"

int ProgMode = 0;
int ProgModeReq = 0;
int EditModeOn = 0;
int visUnderGround = 0;
int EdModified = 0;
