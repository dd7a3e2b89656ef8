// Stand-ins for the rendering services of start-up, frame and shutdown, until rendering lands.
#include "render/pending_render_shell.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/platform.h"
#include "shell/clock.h"
#include "shell/log.h"

void Gl_Perspective45(int width, int height) {
  if (height < 1) height = 1;
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, (double)width / (double)height, 1.0, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

int FontSet_Load(const std::string&) { return 1; }
void FontSet_Free() {}
int Tex_LoadPack(const std::string&) { return 1; }
void TexTable_FreeAll() {}
void Exit_FreeLandTextures() {}

PendingTextPrinter print1;
void PendingTextPrinter::frz(const std::string&, int, int, int, int, int, int, int) {}

namespace {

void Put16(std::vector<uint8_t>& b, int v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; i++) b.push_back((v >> (8 * i)) & 0xFF);
}

}  // namespace

void ScreenShotBmp() {
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  int w = vp[2], h = vp[3];
  if (w < 1 || h < 1) return;
  int row = (w * 3 + 3) & ~3;
  std::vector<uint8_t> pix((size_t)row * h);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, w, h, GL_BGR, GL_UNSIGNED_BYTE, pix.data());

  std::vector<uint8_t> head;
  head.push_back('B');
  head.push_back('M');
  Put32(head, 54 + (uint32_t)pix.size());
  Put32(head, 0);
  Put32(head, 54);
  Put32(head, 40);
  Put32(head, (uint32_t)w);
  Put32(head, (uint32_t)h);
  Put16(head, 1);
  Put16(head, 24);
  Put32(head, 0);
  Put32(head, (uint32_t)pix.size());
  Put32(head, 2835);
  Put32(head, 2835);
  Put32(head, 0);
  Put32(head, 0);

  std::string name = Plat_ScreenshotPath();
  if (name.empty()) {
    mkdir("screens1", 0755);
    char buf[64];
    std::snprintf(buf, sizeof(buf), "screens1/scr_%u.bmp", TickCount());
    name = buf;
  }
  FILE* f = std::fopen(name.c_str(), "wb");
  if (!f) {
    LogInfo("\nscreenshot: cannot write %s", name.c_str());
    return;
  }
  std::fwrite(head.data(), 1, head.size(), f);
  std::fwrite(pix.data(), 1, pix.size(), f);
  std::fclose(f);
  LogInfo("\nscreenshot: %s", name.c_str());
}
