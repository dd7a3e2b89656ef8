// The program-mode words: written by the interface, read by the figure model, the world, the
// renderer and the frames, so they live below all of them.
#pragma once

struct GuiWin;

extern int ProgMode;        // the program mode 1..3 (1 text screen, 2 play, 3 editor); 0 before start-up
extern int EditModeOn;      // 1 only in the stage editor
extern int visUnderGround;  // the floor on show: 0 surface, 1 underground
extern int EdModified;      // a palette tool changed the stage since mode 3 was entered
extern GuiWin* EditorBox;   // the editor box (palette and save button), once built
