// Stand-ins for the interface services not built yet: each body is empty and is deleted when its
// real one lands. Grouped by the header that declares it.
#include "ui/editor_frame.h"

// --- ui/editor_frame.h
void Field_DrawMarkers() {}
void FieldRect_ScrollInput() {}
void EditorFrame_Update() {}

