// Ground commands: one textured, coloured quad described by kind, position, size and angle (a mark
// on the ground, a flat sprite, a camera-facing billboard, a band). A large batch list turns each
// command entry into four vertices of the quad arrays during its bucket walk. DecalQueue_Draw1
// shares its name with the area queue's calls (render/area_queue.h) but reads only a command.
#pragma once
#include <cstdint>

// The quad a command's kind builds. Flat kinds lie in the x-y plane at z = 0 around the position;
// billboards face the camera; the plane kinds lie in the named plane through the position.
enum GroundKind {
  kGroundFlatTurned = 1,      // four corners at the size, turned by the angle
  kGroundFlatTurnedSide = 2,  // the same with the size as the square's half side
  kGroundFlatSquare = 3,      // axis-aligned square
  kGroundFlatRect = 4,        // axis-aligned rectangle of two whole extents
  kGroundBillboard = 5,       // turned by the angle
  kGroundBillboardFan = 6,    // the same with the first corner at the position
  kGroundBillboardKite = 7,   // first corner the position, one turned corner, two fixed ones
  kGroundUpright = 8,         // an upright band of the second extent's height
  kGroundRectYZ = 9,
  kGroundRectXY = 10,
  kGroundRectXZ = 11,
  kGroundArcYZ = 12,  // an arc piece between the two half angles
  kGroundArcXY = 13,
  kGroundArcXZ = 14,
  kGroundSegment = 15,  // a tapered segment of a length
  kGroundBand = 16,     // a band from the position to an end point
};

// Thirty-two 4-byte words.
struct GroundCmd {
  int32_t kind;  // GroundKind
  float x, y, z;
  float size;          // half extent; the first extent of kinds 4, 9, 10, 11
  float w5;            // angle in degrees (rounded); the second extent of kinds 4, 8, 9, 10, 11
  float w6, w7, w8;    // half angles of kinds 12..14; taper of 15; end point of 16
  float length;        // kind 15
  int32_t mode;        // kinds 15 and 16
  int32_t col, ncols;  // atlas cell, counted from 1
  int32_t row, nrows;
  int32_t colourMode;  // as ColorArr_Fill
  float colours[16];
};
static_assert(sizeof(GroundCmd) == 32 * 4, "a ground command is 32 words");

// Builds the command's quad and appends it to the quad arrays (dropped when they are full).
void DecalQueue_Draw1(const GroundCmd* cmd);
