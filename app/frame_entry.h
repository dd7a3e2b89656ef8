// The two ways a frame of play and of the stage editor draws its whole picture: the scene passes,
// then the full-window 2D layer (the widget tree) and the cursor overlay last.
#pragma once

void SceneViewportDraw();       // a play frame
void SceneViewportDrawPause();  // an editor frame: the selected figure's markers under the widgets
