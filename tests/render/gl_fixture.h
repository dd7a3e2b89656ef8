// A headless GL context for the pixel tests, one per test process, and small read-back helpers.
#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/platform.h"

constexpr int kGlW = 320, kGlH = 240;

class GlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sOk = Plat_HeadlessContext(kGlW, kGlH) == 1; }
  static void TearDownTestSuite() { Plat_HeadlessContextFree(); }
  void SetUp() override {
    ASSERT_TRUE(sOk) << "no headless GL context";
    glViewport(0, 0, kGlW, kGlH);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4f(1, 1, 1, 1);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
  }
  // R, G, B of a window rectangle, bottom row first.
  static std::vector<uint8_t> Read(int x, int y, int w, int h) {
    std::vector<uint8_t> v((size_t)w * h * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, w, h, GL_RGB, GL_UNSIGNED_BYTE, v.data());
    return v;
  }
  static bool sOk;
};
inline bool GlTest::sOk = false;
