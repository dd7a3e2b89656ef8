// The field rectangle and the minimap.
#pragma once

#include "figures/side.h"

// The minimap of the shown floor with the figures of the sides (every side with allSides).
void MiniMap_Draw(int (*sides)[kSideWords], int allSides);
