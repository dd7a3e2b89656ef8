// Passability maps and path search.
#pragma once

// 1 when cell is one of the cells of footprint shape at first cell c.
int Land_FootprintHas(int shape, int c, int cell);
