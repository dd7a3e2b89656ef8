// Land map import: the binary file "km" in the current directory supplies word 0 of every surface
// cell (tile type, object code, cursor kind, flag byte). The world is then started again, the
// figures the cells' object codes name are created, the surface mesh is decorated by tile type and
// its overview becomes texture slot 60. A missing, short, oversized or wrongly sized file is refused
// before any cell is written, and the default map is built instead.
#pragma once

void Land_ImportKm();
void Land_ImportKmAndPlay();  // the import, then play (asked of the next frame)
