// The stage editor's frame (program mode 3). The editor runs the frame of play without the
// figures' procedures: a right click on the field applies the palette's tool or orders the
// selection by the click mode, a left click selects, the keys scroll the field and switch floor and
// side. Its field mouse is app/field_mouse.h, the steps it shares with play app/frame_steps.h.
#pragma once

// A frame of the stage editor: the editor's own input instead of the game's, figures not processed.
void Mode3_Frame();
// The editor's update, once a frame after the key commands: pre-step, the mouse to the widgets and
// only then to the field, the pending mouse action, the container's sweep and update (figures not
// processed), the cursor rule.
void EditorFrame_Update();
