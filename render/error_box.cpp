// Error boxes of the image and texture loaders.
#include "render/error_box.h"

#include <cstdio>

#include "platform/platform.h"
#include "shell/log.h"

static char sLastBox[256];
static int sBoxCount;

void Rend_ErrorBox(const char* text, const char* caption, int flags) {
  if (!text) text = "";
  if (!caption) caption = "";
  snprintf(sLastBox, sizeof(sLastBox), "%s", text);
  sBoxCount++;
  LogInfo("[%s] %s\n", caption, text);
  Plat_MessageBox(text, caption, MB_OK | flags);
}

const char* Rend_LastBoxText() { return sLastBox; }
int Rend_BoxCount() { return sBoxCount; }
