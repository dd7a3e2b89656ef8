// The play field's mouse: the minimap click, the select and order commands turned into the pending
// mouse action of the frame, the drag rectangle, and the cursor overlay drawn last in a frame.
#pragma once

// The minimap's share of every frame's mouse: the order guard counts down; 0 when the cursor is off
// the minimap, else its world point in wx, wz and 2 when a held left button centred the view there,
// else 1.
int MiniMap_Cursor(float* wx, float* wz);
int MiniMap_Input();     // 1 when the minimap took the mouse this frame
void Field_GameMouse();  // once a frame when no widget consumed the mouse
void Field_ArmSelect();
void Field_ArmOrder();
void Cursor_DrawOverlay();
