// The words of the game frame that the field's mouse, the figures and the interface share: the
// pending mouse action and what it found, the side-switch request, the field cursor, and the
// point order that waits for a ground point. The frame functions that step them are
// world/mode_frames.h (the application's top); the words live here, below every reader.
#pragma once

class Fgr;

// The pending mouse action of this frame: armed by the field's mouse handler, run and cleared in
// the same frame, and cleared again at the start of the next.
enum {
  kMouseNone = 0,
  kMouseSelect = 1,      // select at the cursor
  kMouseSelectRect = 2,  // select in the dragged rectangle
  kMouseOrder = 3,       // order on a figure or on the ground
  kMouseHover = 4,       // hover look-up
  kMouseRoute = 5,       // route target of the one selected unit
  kMousePointOrder = 6,  // ground point of a button's point order
};
extern int MouseAction;
extern int MouseTaken;          // the widget tree consumed this frame's mouse
extern float MouseXf, MouseYf;  // MouseX, MouseY of this frame as floats
extern int MouseOnMiniMap;      // the cursor lies in the minimap rectangle
extern int SideSwitchReq;       // the player's side is to change (key command 9)

extern Fgr* HoverFgr;   // the figure under the cursor (hover look-up), else null
extern int HoverCell;   // the land cell under the cursor, consumed by the cursor code; -1 none
extern int CursorCode;  // the field cursor shape: 0 or 80..85
extern int LastOrderX, LastOrderZ;  // the ground point of the last ground order

// A point order: the figure that waits for a ground point, the signal it will receive (with 100
// added once the point is given) and the point.
extern Fgr* PointOrderFgr;
extern int PointOrderSig;
extern float PointOrderX, PointOrderZ;

// The game update's exit request: the mode frames turn it into o2::NeedExit.
extern int GameExitReq;
