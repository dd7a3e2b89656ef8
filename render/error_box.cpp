// Error boxes of the image and texture loaders.
#include "render/error_box.h"

#include <cstdio>

#include "platform/platform.h"
#include "shell/log.h"

// The last box's text and the count of boxes shown, which the tests read.
static struct {
  char lastText[256];
  int count;
} sBoxes;

void Rend_ErrorBox(const char* text, const char* caption, int flags) {
  if (!text) text = "";
  if (!caption) caption = "";
  snprintf(sBoxes.lastText, sizeof sBoxes.lastText, "%s", text);
  sBoxes.count++;
  LogInfo("\n[%s] %s", caption, text);
  Plat_MessageBox(text, caption, MB_OK | flags);
}

const char* Rend_LastBoxText() { return sBoxes.lastText; }
int Rend_BoxCount() { return sBoxes.count; }
