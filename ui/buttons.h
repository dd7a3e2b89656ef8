// Buttons and the small routines every screen shares.
#pragma once

// The Print Screen key asks the main loop for a screenshot (at most every 800 ms).
void ScreenShotKey();
