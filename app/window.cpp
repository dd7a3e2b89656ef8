// The OpenGL window: creation and set-up, tear-down, the window procedure and the window drag.
#include "app/window.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "gm/org_base.h"
#include "gui/gui.h"
#include "gui/text_box.h"
#include "gui/value_input.h"
#include "platform/platform.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/kmd_block.h"
#include "render/texture.h"
#include "shell/dialogs.h"
#include "shell/file_names.h"
#include "shell/files.h"
#include "shell/key_commands.h"
#include "shell/log.h"

namespace {

// The class the game's window is registered as, by which the desktop knows it.
constexpr char kWindowClass[] = "anPrimOpenGL";

void ErrorBox(const char* text) {
  LogInfo("\n%s", text);
  Plat_MessageBox(text, "Error", MB_OK | MB_ICONEXCLAMATION);
}

// A start without its files was most often made from another folder than the game's, where the
// log cannot be written either: the terminal says where the game looked and what it missed there.
void SayStartFolder() {
  const std::string needed[] = {FileNames.gsDirRes + "/" + kFontList, FileNames.gsFilePixStart,
                                KeyCmds.gsFileSig};
  std::string missing;
  for (const std::string& f : needed)
    if (!FileIsRegular(f)) missing += (missing.empty() ? "" : ", ") + f;
  const char* folder = Dlg.StartDir[0] ? Dlg.StartDir : "the current folder";
  if (missing.empty())
    fprintf(stderr, "tolv: not started in %s (see its %s)\n", folder, Logger.gsFileLog.c_str());
  else
    fprintf(stderr,
            "tolv: not started in %s, which lacks %s (the game runs in the folder of its uni_files)\n",
            folder, missing.c_str());
}

const char* CreateFailText(PlatCreateResult r) {
  switch (r) {
    case PLAT_CREATE_DC: return "not GetDC";
    case PLAT_CREATE_CHOOSEPF: return "not ChoosePixelFormat";
    case PLAT_CREATE_SETPF: return "not SetPixelFormat";
    case PLAT_CREATE_CONTEXT: return "not wglCreateContext";
    case PLAT_CREATE_MAKECURRENT: return "not wglMakeCurrent";
    default: return "not CreateWindowEx";
  }
}

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Whether a frame has read a key's press yet. A tap whose press and release both arrive between two
// frames (a touchpad tap, a fast typist, a busy machine) keeps its entry down until a frame has
// read it, so it counts as a press for that frame and as released from the next.
enum KeySeen : unsigned char { kKeySeen = 0, kKeyPressUnseen, kKeyTapUnseen };
KeySeen KeySeenTable[kKeyTableSize];

void Key_Down(uintptr_t vk) {
  if (vk >= kKeyTableSize) return;
  KeyCmds.KeyDownTable[vk] = 1;
  KeySeenTable[vk] = kKeyPressUnseen;
}

void Key_Up(uintptr_t vk) {
  if (vk >= kKeyTableSize) return;
  if (KeySeenTable[vk] == kKeySeen) KeyCmds.KeyDownTable[vk] = 0;
  else KeySeenTable[vk] = kKeyTapUnseen;
}

// A window without the keyboard focus hears no release: what is held when the focus goes counts
// as released (a press no frame has read yet still counts for one frame).
void Keys_ReleaseAll() {
  for (int vk = 0; vk < kKeyTableSize; vk++)
    if (KeyCmds.KeyDownTable[vk]) Key_Up((uintptr_t)vk);
}

// The window drag's chord is the right button with Backspace: its Backspace is the drag's, and
// types into no text.
bool DragChordChar(unsigned char c) { return c == VK_BACK && KeyCmds.KeyDownTable[VK_RBUTTON] != 0; }

}  // namespace

int CreateGlWindow(int width, int height) {
  Win.WinInstance = 1;
  PlatCreateResult r = Plat_CreateWindow(0, 0, width, height, "tolv", kWindowClass);
  if (r != PLAT_CREATE_OK) {
    ErrorBox(CreateFailText(r));
    KillGlWindow();
    return 0;
  }
  Win.WinHwnd = Win.WinDC = Win.WinGLRC = 1;
  Win.WinPos[0] = Win.WinPos[1] = 0;
  if (!InitGL()) {
    SayStartFolder();
    ErrorBox("not InitGL");
    KillGlWindow();
    return 0;
  }
  Plat_ShowWindow();
  return 1;
}

int InitGL() {
  Gl_Perspective45(Win.WinWidth, Win.WinHeight);
  glClearColor(0, 0, 0, 0);
  glClearDepth(1.0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDepthFunc(GL_LEQUAL);
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  glShadeModel(GL_FLAT);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glLineWidth(1.0f);
  glEnable(GL_COLOR_MATERIAL);

  if (!FontSet_Load(&FontSet, FileNames.gsDirRes.c_str())) return 0;
  if (!Tex_LoadPack(&TexTable, FileNames.gsFilePixStart.c_str())) {
    LogInfo("\nnot Load TGA");
    Plat_MessageBox("not Load TGA", "err", MB_OK | MB_ICONEXCLAMATION);
    return 0;
  }
  Keys_Clear();
  if (!Kmd_Load()) return 0;
  Gui_InitRoot(Win.WinWidth, Win.WinHeight);
  return 1;
}

void FreeGlResources() {
  FontSet_Free(&FontSet);
  Gui_DestroyTree();
  TexTable_Free(&TexTable);
}

void KillGlWindow() {
  if (Win.WinGLRC) FreeGlResources();  // GL objects need the context that is still current
  Plat_ShowCursor(1);
  // The platform releases context, surface and window together.
  if (Win.WinGLRC || Win.WinDC || Win.WinHwnd || Plat_HasWindow()) Plat_DestroyWindow();
  Win.WinGLRC = 0;
  Win.WinDC = 0;
  Win.WinHwnd = 0;
  Win.WinInstance = 0;
}

void Keys_Clear() {
  for (int& k : KeyCmds.KeyDownTable) k = 0;
  for (KeySeen& k : KeySeenTable) k = kKeySeen;
}

void Keys_FrameSeen() {
  for (int vk = 0; vk < kKeyTableSize; vk++) {
    if (KeySeenTable[vk] == kKeyTapUnseen) KeyCmds.KeyDownTable[vk] = 0;
    KeySeenTable[vk] = kKeySeen;
  }
}

int KeyIsDown(int vk) {
  if (vk < 1 || vk >= kKeyTableSize) return 0;
  return KeyCmds.KeyDownTable[vk] ? 1 : 0;
}

long anWndProc(intptr_t, unsigned message, uintptr_t w, intptr_t l) {
  switch (message) {
    case WM_CREATE:
    case WM_DESTROY: return 0;
    case WM_SIZE:
      if (w == SIZE_MINIMIZED) {
        o2::anFocusFlag = 0;
        Win.WinActive = 0;
      } else if (w == SIZE_RESTORED) {
        o2::anFocusFlag = 1;
        Win.WinActive = 1;
      } else if (w == SIZE_MAXIMIZED) {
        o2::anFocusFlag = 1;
      }
      return 0;
    case WM_ACTIVATE:
      o2::anFocusFlag = 1;
      if (((w >> 16) & 0xFFFF) == 0) Win.WinActive = 1;
      return 0;
    case WM_SETFOCUS:
      o2::anFocusFlag = 1;
      Win.WinActive = 1;
      return 0;
    case WM_KILLFOCUS:
      o2::anFocusFlag = 0;
      Keys_ReleaseAll();
      return 0;
    case WM_CLOSE:
      o2::NeedExit = 1;
      Plat_PostMessage(WM_QUIT, 0, 0);
      return 0;
    case WM_KEYDOWN:
      if (anSetKeysModeOnKeyDn()) return 0;
      if (InpLine_SpecialCharOk((unsigned char)w)) return 0;
      Key_Down(w);
      return 0;
    case WM_KEYUP:
      Key_Up(w);
      if (!anSetKeysModeOnKeyUp((int)w)) TextInput_SpecialKey((unsigned char)(w & 0xFF));
      return 0;
    case WM_CHAR: {
      unsigned char c = (unsigned char)(w & 0xFF);
      if (DragChordChar(c)) return 0;
      if (!TextInput_Char(c)) textEditStream(TextBoxes.TextBoxFocused, c, 0);
      return 0;
    }
    case WM_LBUTTONDOWN: Key_Down(VK_LBUTTON); return 0;
    case WM_LBUTTONUP: Key_Up(VK_LBUTTON); return 0;
    case WM_RBUTTONDOWN: Key_Down(VK_RBUTTON); return 0;
    case WM_RBUTTONUP: Key_Up(VK_RBUTTON); return 0;
    case WM_MBUTTONDOWN: Key_Down(VK_MBUTTON); return 0;
    case WM_MBUTTONUP: Key_Up(VK_MBUTTON); return 0;
    case WM_SYSCOMMAND:
      switch (w & 0xFFF0) {
        case SC_SIZE:
        case SC_MOVE:
        case SC_MAXIMIZE:
        case SC_KEYMENU:
        case SC_SCREENSAVE:
        case SC_HOTKEY:
        case SC_MONITORPOWER:
        case SC_CONTEXTHELP: return 0;
        default: return Plat_DefWindowProc(message, w, l);
      }
    default: return Plat_DefWindowProc(message, w, l);
  }
}

int Window_DragByMouse() {
  int held = o2::anFocusFlag && KeyIsDown(VK_RBUTTON) && KeyIsDown(VK_BACK);
  if (!Win.WinDragOn) {
    if (!held) return 0;
    Plat_CursorPos(&Win.WinDragCursor[0], &Win.WinDragCursor[1]);
    Win.WinDragOn = 1;
    return 1;
  }
  if (!held) {
    Win.WinDragOn = 0;
    return 0;
  }
  int cx = 0, cy = 0;
  Plat_CursorPos(&cx, &cy);
  int x = Clamp(Win.WinPos[0] + (cx - Win.WinDragCursor[0]), 0, Win.WinWidth / 2);
  int y = Clamp(Win.WinPos[1] + (cy - Win.WinDragCursor[1]), 0, Win.WinHeight / 2);
  Win.WinDragCursor[0] = cx;
  Win.WinDragCursor[1] = cy;
  // The position is kept, so the next step moves on from where the window is now.
  Win.WinPos[0] = x;
  Win.WinPos[1] = y;
  Plat_MoveWindow(x, y, Win.WinWidth, Win.WinHeight);
  return 1;
}
