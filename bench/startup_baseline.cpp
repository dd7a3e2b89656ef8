// The floor the start-up benchmark sets the game against: the headless surface opened through the
// platform layer exactly as the game opens it (same config, the size the shipped settings give a
// headless run), one clear and one swap. Nothing of the game is linked: what this costs is the
// graphics stack's own start.
#include <GL/gl.h>

#include "platform/platform.h"

namespace {
constexpr int kWidth = 800, kHeight = 600;  // uni_files/konfig.txt, the window-size question's No
}

int main() {
  if (Plat_CreateWindow(0, 0, kWidth, kHeight, "baseline") != PLAT_CREATE_OK) return 1;
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  Plat_SwapBuffers();
  Plat_Shutdown();
  return 0;
}
