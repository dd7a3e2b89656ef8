// Procedures of short-lived effect figures and plain textured figures: the laser's fade and life
// timer, its queueing and its beam (or flat sprite), the one-entry queue procedures of triggers,
// decals, decorations and gem pick-ups, and the decal's spin.
#pragma once

class Fgr;

extern int LaserOutCount;  // lasers whose life ended (the debug line shows it)

void Proc_FadeTimer(Fgr* f);      // 1, update: fade, and the life timer unless kmra_ScisH
void Proc_SpriteTimer(Fgr* f);    // 2, queue: the life timer with kmra_ScisH; beam or sprite entries
void Laser_DrawBeam(Fgr* f);      // 3, render: flat sprite, end glow (draw kind 2) or beam
void Proc_DrawOwnSprite(Fgr* f);  // 5, queue: the trigger's one entry
void Proc_SpinRot(Fgr* f);        // 19, update: the decal's angle turns
void Proc_DrawTex1(Fgr* f);       // 20, queue: the decal's entry in the decal views
void Proc_DrawTex1C(Fgr* f);      // 28, queue: one cut-out entry of Tex1
void Proc_DrawTex1B(Fgr* f);      // 54, queue: the same
