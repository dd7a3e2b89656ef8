// Passability maps and the path search.
#pragma once

// Rebuilds the five fine and five coarse passability maps of both floors from the cells' tile types
// and the standing figures' footprints.
void PassMaps_Rebuild();
