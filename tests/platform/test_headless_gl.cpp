// Headless OpenGL: the test context and the window's pbuffer draw and read back.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

TEST(HeadlessGl, ClearAndReadBackRoundTrip) {
  ASSERT_EQ(Plat_HeadlessContext(64, 32), 1);
  const char* version = (const char*)glGetString(GL_VERSION);
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(strstr(version, "Core"), nullptr);  // never a core profile
  GLint vp[4] = {};
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], 64);
  EXPECT_EQ(vp[3], 32);
  glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  // Fixed-function drawing works: a green quad over the left half.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 64, 0, 32, -1, 1);
  glColor3f(0, 1, 0);
  glBegin(GL_QUADS);
  glVertex2f(0, 0);
  glVertex2f(32, 0);
  glVertex2f(32, 32);
  glVertex2f(0, 32);
  glEnd();
  unsigned char px[64 * 32 * 4];
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 64, 32, GL_RGBA, GL_UNSIGNED_BYTE, px);
  EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
  const unsigned char* left = px + (10 * 64 + 5) * 4;
  const unsigned char* right = px + (10 * 64 + 50) * 4;
  EXPECT_EQ(left[0], 0);
  EXPECT_EQ(left[1], 255);
  EXPECT_EQ(right[0], 255);
  EXPECT_NEAR(right[1], 128, 1);
  EXPECT_EQ(right[2], 0);
  GLint depth = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depth);
  EXPECT_GE(depth, 16);
  Plat_HeadlessContextFree();
  Plat_HeadlessContextFree();  // twice is harmless
}

TEST(HeadlessGl, RefusesSillySizes) {
  EXPECT_EQ(Plat_HeadlessContext(0, 10), 0);
  EXPECT_EQ(Plat_HeadlessContext(10, -1), 0);
  EXPECT_EQ(Plat_HeadlessContext(100000, 10), 0);
}

TEST(HeadlessGl, WindowPbufferHasTheClientSize) {
  Plat_Shutdown();
  setenv("TOLV_VIDEO", "headless", 1);
  unsetenv("TOLV_SCRIPT");
  ASSERT_EQ(Plat_CreateWindow(0, 0, 80, 60, "tolv"), PLAT_CREATE_OK);
  GLint vp[4] = {};
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], 80);
  EXPECT_EQ(vp[3], 60);
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  unsigned char p[4] = {};
  glReadPixels(79, 59, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
  EXPECT_EQ(p[2], 255);
  Plat_SwapBuffers();
  EXPECT_EQ(Plat_FrameCount(), 1);
  Plat_DestroyWindow();
  Plat_SwapBuffers();  // without a window: nothing, no crash
  EXPECT_EQ(Plat_FrameCount(), 1);
  Plat_Shutdown();
}
