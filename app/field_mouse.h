// The field mouse of play and of the editor: the minimap's share of the mouse, the select and
// order commands turned into the pending mouse action of the frame (which the frame's mouse-action
// step carries out, app/frame_steps.h), the drag rectangle, the field's scrolling, the ground point
// under the cursor, the cursor image rule and the cursor overlay drawn last in a frame.
#pragma once

// The minimap's share of every frame's mouse: the order guard counts down; the cursor off the
// minimap, or its world point in wx, wz and whether a held left button centred the view there.
enum MiniMapCursorNum { kMapCursorOff = 0, kMapCursorOver = 1, kMapCursorCentred = 2 };
MiniMapCursorNum MiniMap_Cursor(float* wx, float* wz);
// 1 when the minimap took the mouse this frame: play's (an order sends the selection there) and the
// editor's (an order only stores its point).
int MiniMap_Input();
int MiniMap_Click();
// The play field's mouse handler: once a frame when no widget consumed the mouse.
void Field_GameMouse();
void Field_ArmSelect();
void Field_ArmOrder();
// The editor's field mouse handler: arms MouseAction or applies the palette tool; only when no
// widget took the click.
void Field_EditorMouse();
// Keyboard and edge scrolling of the field window, and the main camera's field of view (30..45).
void FieldRect_ScrollInput();

// The ground point under the cursor through the main view: 1 and p (x, y, z) when the ray meets a
// valid land cell of the floor shown, else 0.
int Field_CursorGround(float* p);
// PickCell from the cursor now, and the ground point as Field_CursorGround answers it. A ray that
// meets no valid cell (the sky, the border) picks none: a tool must never land on the cell the
// cursor left.
int Field_PickCellUpd(float* p);
// What a hover pick found under the cursor (both frames): a valid cell is kept for the cursor
// rule; none (the border, off the land) gives the plain cursor at once.
void Hover_NoteCell(int cell);
// The cursor image of the hovered cell (both frames' last step): CursorCode from the cell's cursor
// kind, the player's side level and bunker kind; HoverCell is used up.
void Cursor_Rule();
// The cursor overlay over the whole window: the drag rectangle, the cursor, the carried figure's
// icon or the cursor code's image, the hint.
void Cursor_DrawOverlay();
