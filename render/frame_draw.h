// The scene part of a frame's draw: every figure offered once to every view (the queue pass), then
// each view applied and its batch lists drawn under fixed states, and the main view's 2D overlay
// lists last (the draw pass).
#pragma once

struct t_Fgrs;
struct t_RendScene;
class Fgr;

int Fgrs_QueueDrawAll(t_Fgrs* c);  // answers 0
void Fgr_QueueDraw(Fgr* f);        // the figure into the current view's lists
void DrawScene(t_RendScene* s);

// The state switches of the lists.
void Gl_AlphaTestOn(float ref, int noCull);
void Gl_AlphaTestOff();
void Gl_DepthWriteOff(int noCull);
void Gl_DepthWriteOn();
