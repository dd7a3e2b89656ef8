// Passability maps and path search.
#pragma once

void PassMaps_Rebuild();  // the five maps of each floor from the tiles and the standing figures
