// The fixed-function GL layer every drawing module uses: 2D overlay mode, numbered blend presets,
// colour material, textured and gradient 2D quads, frames, lines, box quads, fog, circle tables.
#pragma once
#include <cstdint>

#include "shell/frame_clock.h"

// The 2D mode's state: the flag, the colours and circle tables the drawing calls share, and the
// pulsing values.
struct t_Gl2D {
  int Gl2D_Flag = 0;  // 1 inside Gl2D_Begin/Gl2D_End
  float Gl_FogColor[4] = {0.5f, 0.5f, 0.5f, 1.0f};
  // default strip colours of Gl2D_Frame3D
  float Gl_FrameColors[20] = {1.0f, 1.0f, 1.0f, 0.9f,  0.08f, 0.8f, 0.8f, 0.8f, 0.08f, 0.9f,
                              1.0f, 1.0f, 1.0f, 0.08f, 0.9f,  0.7f, 0.7f, 0.7f, 0.9f,  0.08f};
  float Circle64[65 * 2] = {};
  float Circle32[33 * 2] = {};
  // Three pulsing values: [0] (A) the unit overlay, [1] (B) the pause button and the item-slot
  // tooltip, [2] (C) spare. Stopped until a new world starts them.
  TimeMsTimer Anim3[3] = {{0, 1000, 0, 0, 0, 0, -1, 0, 0, 0},
                          {0, 1000, 0, 0, 0, 0, -1, 0, 0, 0},
                          {0, 1000, 0, 0, 0, 0, -1, 0, 0, 0}};
};
extern t_Gl2D Gl2D;
// The play HUD's pulsing brightness (B).
inline float HudPulse() { return Gl2D.Anim3[1].value; }

int Gl2D_Begin(double left, double right, double bottom, double top);
void Gl2D_End();

// Numbered blend presets: 0 or less turns blending off; the table keeps every number of the
// fixed-function pairs, and the screens use these few.
constexpr int kBlendOff = 0;
constexpr int kBlendTint = 21;   // (GL_DST_COLOR, GL_SRC_ALPHA): colours what lies beneath
constexpr int kBlendAdd = 34;    // (GL_SRC_ALPHA, GL_ONE): glows and hover tints add light
constexpr int kBlendAlpha = 38;  // (GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA): plain transparency
void Gl_BlendMode(int n);
void Gl_MaterialWhite();
void Gl_ColorMaterial4ub(uint8_t a, uint8_t r, uint8_t g, uint8_t b);
void Gl_ColorMaterial4f(float a, float r, float g, float b);
void Gl_ColorArgb(uint32_t argb);

// Textured 2D quads: drawn only in 2D mode; fill 0 draws the outline.
void Gl2D_TexRect(float x, float y, float w, float h, int fill, float t0, float t1);
void Gl2D_TexRectLTRB(float x1, float y1, float x2, float y2, int fill);
void Gl2D_TexRectLTRBSorted(float x1, float y1, float x2, float y2, int fill);
void Gl2D_TexRectCorners(float x1, float y1, float x2, float y2, float t0, float t1);
void Gl2D_TexQuad4(float p0x, float p0y, float p1x, float p1y, float p2x, float p2y, float p3x,
                   float p3y, int fill);
void Gl2D_GradRectGreyV(float g, float aTop, float aBottom, float x, float y, float w, float h,
                        int fill);
void Gl2D_GradRectGreyH(float g, float aLeft, float aRight, float x, float y, float w, float h,
                        int fill);
void Gl2D_GradRectV(float r, float g, float b, float aTop, float aBottom, float x, float y, float w,
                    float h, int fill);
void Gl2D_GradRectH(float r, float g, float b, float aLeft, float aRight, float x, float y, float w,
                    float h, int fill);

void Gl2D_FillRectArgb(float x, float y, float w, float h, uint32_t argb);
void Gl2D_FillRectLTRB(float x1, float y1, float x2, float y2, uint32_t argb);
// The same as outlines: the minimap's view window, figure marks and the drag rectangle.
void Gl2D_OutlineRectArgb(float x, float y, float w, float h, uint32_t argb);
void Gl2D_OutlineRectLTRB(float x1, float y1, float x2, float y2, uint32_t argb);
void Gui_HoverFrame(const int* rect);  // x, y, w, h
void Gl2D_Frame3D(const float* colours, int x, int y, int w, int h, int border, int grow, uint8_t er,
                  uint8_t eg, uint8_t eb, uint8_t mr, uint8_t mg, uint8_t mb);
void Gl2D_VBar3(int y0, int ymid, int y1, int x, uint8_t er, uint8_t eg, uint8_t eb, uint8_t mr,
                uint8_t mg, uint8_t mb);
void Gl2D_HBar3(int x0, int xmid, int x1, int y, uint8_t er, uint8_t eg, uint8_t eb, uint8_t mr,
                uint8_t mg, uint8_t mb);

void Gl2D_Line(float x1, float y1, float x2, float y2);
void Gl2D_LineRGB2(float x1, float y1, float x2, float y2, float r1, float g1, float b1, float r2,
                   float g2, float b2);
void Gl2D_Cross(int x, int y, int left, int right, int up, int down);
void Gl2D_Ellipse(float x1, float y1, float x2, float y2, uint32_t argb, int small);

void Gl_WireBox(float cx, float cy, float cz, float hx, float hy, float hz);
void Gl_WireCube(float cx, float cy, float cz, float h);
void Gl_Perspective45(int w, int h);
void Gl_TexGenOff();
// Texture coordinates S and T generated from the two object planes (4 floats each), both on.
void Gl_TexGenObjectLinear(const float* planeS, const float* planeT);

void Gl_Fog(int mode, float r, float g, float b, float a, float start, float end);
void Gl_FogOff();
// The linear ground fog (350..450) of a floor: the underground's colour for floor 1, else the sky's.
void Gl_FogOfFloor(int floor);

void Int4_Set(int32_t* dst, int32_t a, int32_t b, int32_t c, int32_t d);
void Int8_Set(int32_t* dst, int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f, int32_t g,
              int32_t h);
void Int16_Set(int32_t* dst, int32_t v0, int32_t v1, int32_t v2, int32_t v3, int32_t v4, int32_t v5,
               int32_t v6, int32_t v7, int32_t v8, int32_t v9, int32_t v10, int32_t v11, int32_t v12,
               int32_t v13, int32_t v14, int32_t v15);
int32_t* Rgba4_Set(int32_t* dst, int32_t r, int32_t g, int32_t b, int32_t a);

void CirclePoints_Make(float* out, int n, float radius, int dir);
void CircleTables_Init();

// Dims the window, prints "PAUSE" and swaps the buffers; answers what the swap answered (0
// without a window).
int PauseScreen_Draw();

void Anim3_Init();
void Anim3_Reset();  // once a frame: advance A, B, C by the time passed
