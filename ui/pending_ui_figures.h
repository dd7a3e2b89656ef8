// Stand-ins for the editor state the figure model reads until the interface Parts are built.
#pragma once

extern int EditModeOn;      // non-zero in the stage editor
extern int visUnderGround;  // the floor on show: 0 surface, 1 underground
