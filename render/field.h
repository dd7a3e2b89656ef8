// The screen of play: the field rectangle where the land is seen and the minimap square near the
// upper left corner, laid out from the window size, the transforms between world points and window
// pixels (y up; world z runs downwards on the minimap), the view centre's clamp, edge scrolling and
// the minimap's drawing. Also the field mouse's record, which the field mouse of play and of the
// editor, the frames' pending mouse action and the cursor overlay share (the field mouse itself is
// the application's, app/field_mouse.h; the words of it the world reads are the world's own
// record, WorldMouse in world/selection.h).
#pragma once

#include <cstdint>

#include "figures/side.h"

class Fgr;

constexpr float kWorldSize = 2560.0f;  // 256 cells of 10 units on both axes

struct t_FieldRect {
  int x, y, w, h;      // window pixels
  float spanX, spanZ;  // world size of the view window
  // The world point at the view's centre (the field's centreX, centreZ), which is also the ground
  // point the camera looks at: the minimap, the scrolling and a picked figure all move the one
  // point, and the world reads and sets it too.
  float CamLookX, CamLookZ;
};
extern t_FieldRect FieldRect;
struct t_MiniMapRect {
  int x, y, w, h;
};
extern t_MiniMapRect MiniMapRect;

// The pending mouse actions: select at the cursor, select in the dragged rectangle (play only),
// order the selection, hover pick, route target of the one selected unit, the ground point of a
// point order (the carried figure).
enum MouseActionNum {
  kMouseNone = 0,
  kMouseSelect,
  kMouseSelectRect,
  kMouseOrder,
  kMouseHover,
  kMouseRoute,
  kMousePointOrder
};

// The field's drag states: idle, the left button pressed on the field, a rectangle being dragged.
enum FieldDragNum { kDragIdle = 0, kDragPressed, kDragRect };

// --- Field-mouse state: the words the play field's mouse, the editor's field mouse, the frames'
// pending mouse action and the cursor overlay share, in one record.
struct t_FieldMouse {
  int FieldDragState;                    // FieldDragNum
  int FieldDragStartX, FieldDragStartY;  // cursor when the button was pressed
  int FieldDragLock;                     // ms of ignored field clicks after a rectangle selection
  int MouseAction;                       // pending action of this frame (MouseActionNum)
  int HoverPickTimer = 1;                // ms until the next hover pick; the first waits 1 ms
  int MiniMapOrderGuard;                 // ms until the minimap takes another order
  float EdgeScrollRamp;                  // 0..1
  int FieldSelCount, FieldOrdCount;      // select and order commands that reached the field
  int MouseTaken;                        // the widget tree consumed this frame's mouse
  int MouseOnMiniMap;                    // the cursor lies in the minimap square
  int PickCell = -1;                     // land cell under the cursor (editor), -1 none
  int HoverCell = -1;                    // land cell of the hover pick, -1 none
  int CursorCode;                        // texture slot of the field cursor, 80..85, 0 the plain cursor
  int SideSwitchReq, FloorSwitchReq;     // key commands 9 and 10, carried out next frame
  int LastOrderX, LastOrderZ;            // world point of the last ground or minimap order
};
extern t_FieldMouse FieldMouse;

// 1 when the cursor is neither over the minimap nor over a widget.
int Mouse_OnField();

// --- Layout and transforms.
void MiniMap_Layout();
void MiniMap_WorldToPix(float wx, float wz, float* px, float* py);
void MiniMap_PixToWorld(float px, float py, float* wx, float* wz);
void FieldRect_WorldToPix(float wx, float wz, float* px, float* py);
void FieldRect_PixToWorld(float px, float py, float* wx, float* wz);
void FieldRect_PixRectToWorld(float px, float py, float pw, float ph, float* wx, float* wz, float* ww,
                              float* wh);
void FieldRect_ClampCentre();
// The edge-scroll step of the cursor: 0 no edge, 1 left or right, 2 lower or upper, 3 both.
int FieldRect_EdgeScroll(int cx, int cy, float* stepX, float* stepZ);

// --- The minimap (inside the widget tree's 2D mode).
void MiniMap_Draw(int (*sides)[kSideWords], int allSides);
void MiniMap_DrawMark(const Fgr* f, uint32_t argb);
