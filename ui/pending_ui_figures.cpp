// Stand-ins for the editor state the figure model reads (see the header).
#include "ui/pending_ui_figures.h"

int EditModeOn = 0;
int visUnderGround = 0;
