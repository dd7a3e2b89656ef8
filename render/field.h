// The field rectangle and the minimap.
#pragma once

void MiniMap_Layout();  // the minimap square and the field rectangle from the window size
