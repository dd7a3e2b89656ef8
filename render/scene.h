// The render scene and its views.
#pragma once

#include "render/rend_view.h"

class Fgr;

extern RendView PickView;  // the main-screen view as mouse picking reads it

void RendView_AddCameraFgr(Fgr* f);  // a view for a camera figure (kind 11), once per frame
