// A frame of the scene against the picture kept beside its test: the window read back as a
// picture, and the comparison (TOLV_UPDATE_GOLDEN=1 rewrites the kept picture; on a difference the
// frame and a difference image are written into the test's working folder).
#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "picture.h"
#include "test_files.h"

// The window's w x h pixels, rows top first.
inline Picture WindowPicture(int w, int h) {
  Picture shot;
  shot.w = w, shot.h = h;
  shot.rgb.resize((size_t)w * h * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  for (int y = 0; y < h; y++)
    glReadPixels(0, h - 1 - y, w, 1, GL_RGB, GL_UNSIGNED_BYTE, &shot.rgb[(size_t)y * w * 3]);
  return shot;
}

// Pixel for pixel: the frame is drawn on a stopped clock from a seeded game, and both builds draw
// the same pixels.
inline void ExpectAsGolden(const Picture& shot, const std::string& relPath) {
  const std::string golden = SourcePath(relPath);
  if (std::getenv("TOLV_UPDATE_GOLDEN")) {
    ASSERT_TRUE(WritePng(golden, shot));
  }
  const Picture want = ReadPng(golden);
  ASSERT_EQ(want.w, shot.w) << "no golden picture " << golden;
  Picture diff;
  const int n = PicDiff(shot, want, 0, &diff);
  if (n > 0) {
    WritePng(TestFileName("actual.png"), shot);
    WritePng(TestFileName("diff.png"), diff);
  }
  EXPECT_EQ(n, 0) << "differing pixels; see " << TestFileName("diff.png");
}
