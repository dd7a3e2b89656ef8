/* Preloaded into a headless run of the game by the start-up benchmark: the first buffer swap ends
   the process as soon as the frame is out, so the run's wall time is the start-up to the first
   frame. Exit code 0 after a swap that succeeded, 3 after one that failed. */
#define _GNU_SOURCE
#include <EGL/egl.h>
#include <dlfcn.h>
#include <unistd.h>

EGLBoolean eglSwapBuffers(EGLDisplay display, EGLSurface surface) {
  EGLBoolean (*real)(EGLDisplay, EGLSurface) =
      (EGLBoolean(*)(EGLDisplay, EGLSurface))dlsym(RTLD_NEXT, "eglSwapBuffers");
  EGLBoolean ok = real ? real(display, surface) : EGL_FALSE;
  _exit(ok ? 0 : 3);
}
