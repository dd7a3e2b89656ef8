// The program-mode words: written by the interface, read by the figure model, the world, the
// renderer and the frames, so they live below all of them.
#pragma once

// The program modes.
enum ProgModeNum { kModeStart = 1, kModePlay = 2, kModeEditor = 3 };

extern int ProgMode;  // the program mode (ProgModeNum); 0 before start-up
// A mode asked for by a layer below the interface (the world), which the next frame switches to;
// 0 for none.
extern int ProgModeReq;
extern int EditModeOn;      // 1 only in the stage editor
extern int visUnderGround;  // the floor on show: 0 surface, 1 underground
extern int EdModified;      // a palette tool changed the stage since mode 3 was entered
