// Figure creators by kind.
#pragma once

class Fgr;

// A beam from (x, y, z) to (a, b, c), or with imitate a sprite of size a; floor -1 is the floor on
// show, 0 the surface, any other value the floor below.
Fgr* Laser_Create(int preset, float x, float y, float z, float a, float b, float c, int tex, int imitate,
                  int owner, int floor, float r, float g, float bl, float alpha);
