// Error boxes of the image and texture loaders.
#include "render/error_box.h"

#include <cstdio>

#include "shell/log.h"

static char sLastBox[256];
static int sBoxCount;

void Rend_ErrorBox(const char* text, const char* caption) {
  if (!text) text = "";
  if (!caption) caption = "";
  snprintf(sLastBox, sizeof(sLastBox), "%s", text);
  sBoxCount++;
  LogInfo("[%s] %s\n", caption, text);
  fprintf(stderr, "%s: %s\n", caption, text);
}

const char* Rend_LastBoxText() { return sLastBox; }
int Rend_BoxCount() { return sBoxCount; }
