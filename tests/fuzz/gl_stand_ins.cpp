// The fuzz targets run without a GL context: libGL then ignores every call and hands out no
// texture or list names, so the font and texture-list loaders would stop at their first upload.
// These definitions take the place of libGL's for the calls a loader's path depends on: names are
// handed out, and every upload reads the whole block GL would read, so AddressSanitizer reports a
// pixel block shorter than the sizes passed with it (the faults a size check in a loader guards
// against). All other GL calls stay libGL's and do nothing.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstddef>

#include "fuzz_common.h"

namespace {

GLuint gNextName = 1;
GLint gUnpackAlignment = 4;

int Components(GLenum format) {
  switch (format) {
    case GL_RGBA:
    case GL_BGRA: return 4;
    case GL_RGB:
    case GL_BGR: return 3;
    case GL_LUMINANCE_ALPHA: return 2;
    default: return 1;
  }
}

// The bytes GL reads for a w x h block of unsigned bytes under the current unpack alignment.
size_t BlockBytes(GLsizei w, GLsizei h, GLenum format) {
  if (w <= 0 || h <= 0) return 0;
  size_t row = (size_t)w * Components(format);
  size_t a = gUnpackAlignment > 0 ? (size_t)gUnpackAlignment : 1;
  size_t stride = (row + a - 1) / a * a;
  return stride * (size_t)(h - 1) + row;
}

}  // namespace

extern "C" {

void glGenTextures(GLsizei n, GLuint* textures) {
  for (GLsizei i = 0; i < n; i++) textures[i] = gNextName++;
}

void glDeleteTextures(GLsizei, const GLuint*) {}

GLuint glGenLists(GLsizei range) {
  if (range <= 0) return 0;
  GLuint first = gNextName;
  gNextName += (GLuint)range;
  return first;
}

void glDeleteLists(GLuint, GLsizei) {}

void glPixelStorei(GLenum pname, GLint param) {
  if (pname == GL_UNPACK_ALIGNMENT) gUnpackAlignment = param;
}

void glTexImage2D(GLenum, GLint, GLint, GLsizei width, GLsizei height, GLint, GLenum format, GLenum,
                  const GLvoid* pixels) {
  if (pixels) Fuzz_Touch(pixels, BlockBytes(width, height, format));
}

GLint gluBuild2DMipmaps(GLenum, GLint, GLsizei width, GLsizei height, GLenum format, GLenum,
                        const void* data) {
  if (data) Fuzz_Touch(data, BlockBytes(width, height, format));
  return 0;
}

}  // extern "C"
