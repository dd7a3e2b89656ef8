// The editor frame and the field mouse's shared steps.
#pragma once

// The markers of the selected figure, drawn over the scene under the widgets (editor frames).
void Field_DrawMarkers();
// Keyboard and edge scrolling of the field window.
void FieldRect_ScrollInput();
// The editor's per-frame update: its own pre-steps, picking, and the editor's field input.
void EditorFrame_Update();
