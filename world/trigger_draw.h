// Drawing of the small world figures that are not units: the trigger's sweep hand and wait bar
// (a white square in the editor), the capture flag by its state, and the billboards of field
// specials, decorations, boosts, prize boxes and gem pick-ups.
#pragma once

class Fgr;

extern float TrigSweepAngle;  // 0..80 degrees, shared by every trigger; turns once per drawn trigger

void Proc_TrigerRender(Fgr* f);    // 6, render
void Proc_FlagQueue(Fgr* f);       // 8, queue: one entry by the state (xExpNow 0, 1, 2)
void Proc_FlagRender(Fgr* f);      // 9, render
void Proc_DrawBillboard2(Fgr* f);  // 29, render: a fixed square turned by 20 degrees
void Proc_DrawBillboard(Fgr* f);   // 55, render: a square of size haf at height haf

// (priv_position_x, h, priv_position_z) of the figure.
void FgrPosAtHeight(float* out, const Fgr* f, float h);
