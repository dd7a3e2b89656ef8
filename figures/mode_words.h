// The program-mode words: written by the interface, read by the figure model, the world, the
// renderer and the frames, so they live below all of them.
#pragma once

// The program modes.
enum ProgModeNum { kModeStart = 1, kModePlay = 2, kModeEditor = 3 };

struct t_ModeWords {
  int ProgMode;  // the program mode (ProgModeNum); 0 before start-up
  // A mode asked for by a layer below the interface (the world), which the next frame switches to;
  // 0 for none.
  int ProgModeReq;
  int EdModified;      // a palette tool changed the stage since mode 3 was entered
  int EditModeOn;      // 1 only in the stage editor
  int visUnderGround;  // the floor on show: 0 surface, 1 underground
};
extern t_ModeWords ModeWords;
// The generated figure code reads these two by their own names.
inline int& EditModeOn = ModeWords.EditModeOn;
inline int& visUnderGround = ModeWords.visUnderGround;
