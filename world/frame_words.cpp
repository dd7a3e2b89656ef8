// The words of the game frame.
#include "world/frame_words.h"

int MouseAction;
int MouseTaken;
float MouseXf, MouseYf;
int MouseOnMiniMap;
int SideSwitchReq;
Fgr* HoverFgr;
int HoverCell = -1;
int CursorCode;
int LastOrderX, LastOrderZ;
Fgr* PointOrderFgr;
int PointOrderSig;
float PointOrderX, PointOrderZ;
int GameExitReq;

