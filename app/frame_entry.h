// The two ways a frame of play and of the stage editor draws its whole picture: the scene passes,
// then the full-window 2D layer (the widget tree) and the cursor overlay last.
#pragma once

void SceneViewportDraw();       // a play frame
void SceneViewportDrawPause();  // an editor frame: the selected figure's markers under the widgets
// The markers of the selected figure, drawn over the scene under the widgets (editor frames): a
// line to the window's top-right corner and one to the figure it is linked to.
void Field_DrawMarkers();
