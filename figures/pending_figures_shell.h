// Stand-in for the named variables the shell reads and writes, until the generated tables land:
// references to cells under the names and types the generated header gives them. Deleted when the
// generated header is merged.
#pragma once

namespace o2 {
extern int& NeedExit;          // the main loop ends after the pass that sets it
extern int& NeedScreen;        // 1: save a screenshot after this frame
extern int& EngText;           // 1 English texts, 0 Russian
extern int& anFocusFlag;       // the window has the keyboard focus
extern int& anSleepEachFrame;  // ms slept after each frame
extern int& GamePause;
}  // namespace o2

// The named-variable load of start-up (clears them, then reads the master table or the binary).
void Org_LoadAtStart();

// Record sizes for the start-up log line (the records themselves are not built yet).
int Sizeof_t_item();
int Sizeof_t_UNIT();
int Sizeof_Fgr();
