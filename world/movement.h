// Movement and move orders of figures on the land grid.
#pragma once

class Fgr;

// Places a figure (or every unit of a squad holder) on a valid cell of a floor, orders it on to
// orderCell when that is not 0, and makes it the cell's holder when takeHolder is set and the cell
// has none. An invalid cell does nothing.
void Fgr_CellMoveTo(Fgr* f, int cell, int orderCell, int floor, int takeHolder);
