// The words of the game frame that the field's mouse, the figures and the interface share.
#pragma once

class Fgr;

// A point order: the figure that waits for a ground point, the signal it will receive (with 100
// added once the point is given) and the point.
extern Fgr* PointOrderFgr;
extern int PointOrderSig;
extern float PointOrderX, PointOrderZ;
