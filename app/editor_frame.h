// The stage editor's frame and its field mouse, and the small steps the play frame shares with it.
// The editor runs the frame of play without the figures' procedures: a right click on the field
// applies the palette's tool or orders the selection by the click mode, a left click selects, the
// keys scroll the field and switch floor and side. They tie every layer together (tolv_app).
#pragma once

class Fgr;

// The editor's update, once a frame after the key commands: pre-step, the mouse to the widgets and
// only then to the field, the pending mouse action, the container's sweep and update (figures not
// processed), the cursor rule.
void EditorFrame_Update();
// The editor's pre-step; the game's pre-step runs it with more (forPlay: the cargo slot of an
// inactive figure is also let go, between the hint and the scene reset).
void Edit_TickUpd(int forPlay = 0);
void Field_EditorMouse();   // arms MouseAction or applies the palette tool; only when no widget took the click
void Field_EditorPlace();   // picks the land cell under the cursor, then carries MouseAction out
int MiniMap_Click();        // 1 when the minimap took the mouse (the editor's: an order only stores its point)

// Keyboard and edge scrolling of the field window, and the main camera's field of view (30..45).
void FieldRect_ScrollInput();
// The markers of the selected figure, drawn over the scene under the widgets (editor frames): a
// line to the window's top-right corner and one to the figure it is linked to.
void Field_DrawMarkers();

// What a right click on the ground or on a figure does by the click mode, to the one selected
// figure (a squad's first unit): march point 1..4 (the first also sets MarshKuda), the link.
void Field_MarchSel(int mode, int cell);
void Field_LinkSel(const Fgr* target);

// Pending action 6 of both frames: the carried figure takes the ground point under the cursor as
// its signal (its value + 100); with the cursor off the land it is let go.
void Field_CarryStep();
// The ground point under the cursor through the main view: 1 and p (x, y, z) when the ray meets a
// valid land cell of the floor shown, else 0.
int Field_CursorGround(float* p);
// The cursor image of the hovered cell (both frames' last step): CursorCode from the cell's cursor
// kind, the player's side level and bunker kind; HoverCell is used up.
void Cursor_Rule();
// What a hover pick found under the cursor (both frames): a valid cell is kept for the cursor
// rule; none (the border, off the land) gives the plain cursor at once.
void Hover_NoteCell(int cell);
