// The render scene and its views.
#pragma once

class Fgr;

void RendView_AddCameraFgr(Fgr* f);  // a view for a camera figure (kind 11), once per frame
