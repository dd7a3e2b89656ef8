// Stand-ins for the rendering services of start-up, frame and shutdown, until rendering lands.
#include "render/pending_render_shell.h"

void Exit_FreeLandTextures() {}
