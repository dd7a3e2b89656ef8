// Screenshots into "screens1".
#include "render/screenshot.h"

#include <GL/gl.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "render/image.h"
#include "render/texture.h"
#include "shell/clock.h"
#include "shell/file_save.h"
#include "shell/files.h"
#include "shell/log.h"

// shownName: the picture's name from the start folder, for the box of a failure.
static int Grab(const char* fileName, const char* shownName) {
  if (!fileName || !fileName[0]) return 0;
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  TexSlot scratch = {};
  if (!Tex_Alloc(&scratch, vp[2], vp[3], 24)) return 0;
  glFinish();
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glPixelStorei(GL_PACK_SKIP_ROWS, 0);
  glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
  glReadPixels(0, 0, vp[2], vp[3], GL_BGR, GL_UNSIGNED_BYTE, scratch.pixels);
  glPopClientAttrib();
  int ok = SaveBmp24(fileName, vp[2], vp[3], scratch.pixels, 0, 0, shownName);
  Tex_FreePixels(&scratch);
  return ok;
}

int ScreenGrab(const char* fileName) { return Grab(fileName, fileName); }

int ScreenShot_Name(char* out, int outSize, const char* dateText, unsigned ms, int counter) {
  char name[512];
  int n = snprintf(name, sizeof(name), "tolv_%s_%u_%04d.bmp", dateText ? dateText : "", ms, counter);
  if (n < 0 || n > 255 || n >= outSize) return 0;
  memcpy(out, name, (size_t)n + 1);
  return 1;
}

int ScreenShot_Take(const char* startDir, const char* dateText, int* counter) {
  if (!startDir || !counter) return 0;
  *counter = *counter == INT_MAX ? 1 : *counter + 1;  // the names stay unique by their clock
  char name[256];
  if (!ScreenShot_Name(name, sizeof(name), dateText, TimeGetMs(), *counter)) return 0;
  // The directory stack remembers where we were; each pop goes back one step, whatever happened.
  if (!DirPushEnter(startDir)) return 0;
  if (!DirPushEnter("screens1") && !DirPushMakeEnter("screens1")) {
    const int err = errno;
    LogInfo("\nscreenshot: cannot make %s/screens1", startDir);
    SaveBmp24_FailBox("screens1", std::strerror(err));
    if (!DirStack_Pop(&Files.Dirs)) LogInfo("\nscreenshot: cannot return from %s", startDir);
    return 0;
  }
  // A name that something already stands under (a user's file, a link) is never written over:
  // the counter moves on to a free one.
  for (int t = 0; t < kFileScratchTries && FileNameTaken(name); t++) {
    *counter = *counter == INT_MAX ? 1 : *counter + 1;
    if (!ScreenShot_Name(name, sizeof(name), dateText, TimeGetMs(), *counter)) name[0] = 0;
  }
  const std::string shown = std::string("screens1/") + name;
  int ok = FileNameTaken(name) ? 0 : Grab(name, shown.c_str());
  SleepMs(80);
  if (!DirStack_Pop(&Files.Dirs) || !DirStack_Pop(&Files.Dirs))
    LogInfo("\nscreenshot: cannot return from %s/screens1", startDir);
  return ok;
}
