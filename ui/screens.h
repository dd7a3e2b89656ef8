// The screens of the three program modes.
#pragma once

// Builds the whole widget tree once and loads the text screen's two text windows.
void Gui_BuildAtStart();
