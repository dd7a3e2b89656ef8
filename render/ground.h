// Ground commands: one textured, coloured quad described by kind, position, size and angle (a mark
// on the ground, a flat sprite, a camera-facing billboard, a band). A large batch list turns each
// command entry into four vertices of the quad arrays during its bucket walk.
#pragma once
#include <cstdint>

// Thirty-two 4-byte words.
struct GroundCmd {
  int32_t kind;  // 1..16
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
