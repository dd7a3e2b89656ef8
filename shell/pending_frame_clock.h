// Stand-in for the frame clock until its own header lands: only what the key commands read.
#pragma once

#include <cstdint>

extern int KadrStep;       // frame step in ms
extern uint32_t MsClock;   // clock at the start of the current frame
void TimerDownRest(int* counter);
void FrameTimer_Tick();
