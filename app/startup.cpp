// Start-up in its fixed order, the main loop of one message or one frame per pass, and shutdown.
#include "app/startup.h"

#include <cstring>

#include "app/frame_by_mode.h"
#include "app/window.h"
#include "catalogue/new_world.h"
#include "figures/fgr.h"
#include "figures/org_files.h"
#include "figures/records.h"
#include "gm/org_base.h"
#include "gui/paint_words.h"
#include "platform/platform.h"
#include "render/land_chunks.h"
#include "render/screenshot.h"
#include "shell/clock.h"
#include "shell/date_stamp.h"
#include "shell/dialogs.h"
#include "shell/files.h"
#include "shell/frame_clock.h"
#include "shell/konfig.h"
#include "shell/log.h"
#include "shell/msgbase.h"
#include "shell/random.h"
#include "shell/text.h"
#include "ui/program_mode.h"
#include "ui/screens.h"

namespace {

constexpr int kMinimisedSleepMs = 500;

// The sleep after a frame: the named variable holds whatever a settings file or the editor put
// there; a frame never sleeps longer than a minimised pass, so a huge value cannot hang the loop.
int FrameSleepMs() {
  const int ms = o2::anSleepEachFrame;
  return ms > kMinimisedSleepMs ? kMinimisedSleepMs : ms;
}

}  // namespace

void Game_InitBase() {
  SetProgramMode(kModeStart);
  PaintWords_Load(FileNames.gsFilePaintWord);
  init_ProjX();
}

void Game_InitAtStart() {
  Game_InitBase();
  Gui_BuildAtStart();
}

void MainLoop_Pass() {
  PlatMsg m;
  if (Plat_PeekMessage(&m)) {
    anWndProc(Win.WinHwnd, m.message, m.wparam, m.lparam);
    return;
  }
  if (Win.WinActive) {
    FrameByMode(o2::anFocusFlag);
    Keys_FrameSeen();
    if (o2::NeedScreen == 1) {
      ScreenShotBmp();
      o2::NeedScreen = 0;
    } else if (Plat_ScreenshotWanted()) {
      ScreenShotBmp();
    }
    Plat_SwapBuffers();
    if (int ms = FrameSleepMs(); ms > 0) SleepMs(ms);
  } else {
    SleepMs(kMinimisedSleepMs);
  }
}

int WinMain() {
  Plat_IgnoreFileSizeSignal();  // before anything can write a file
  Plat_SetLog(LogInfo);         // the platform layer's lines join the game's log
  Clock_Start();
  RandSeed(Clock_StartSeed());
  FrameClock.FramePauseFlag = &o2::GamePause;
  DateStamp.DateEngTextFlag = &o2::EngText;
  Org_LoadAtStart();
  MsgBase_Clear();
  MsgBase_Load(Msgs.gsFileMsgBase);
  Konfig_Read();

  // The start directory is the base of the emptied directory stack (slot 0), which the dialogs and
  // the screenshots return to.
  DirStack_Reset(&Files.Dirs);
  std::memset(Dlg.DlgFilePath, 0, sizeof(Dlg.DlgFilePath));
  std::memset(Dlg.StartDir, 0, sizeof(Dlg.StartDir));
  if (Files.Dirs.slots) std::memcpy(Dlg.StartDir, Files.Dirs.slots, 255);
  // The dialogs and the log take the start directory as the game's own text.
  Plat_Utf8To1251(Dlg.StartDir, Dlg.DlgFilePath, sizeof(Dlg.DlgFilePath));
  if (Dlg.StartDir[0] && !DirStack_GoBase(&Files.Dirs)) LogInfo("\ncannot enter %s", Dlg.DlgFilePath);

  LogInfo("\n\n//---\nStart in %s\n%s", Dlg.DlgFilePath, DateTimeStamp(0, 0, 1));
  LogInfo("\n t_item(%d)  t_UNIT(%d)  Fgr(%d)   size_of_charP(%d)", (int)sizeof(t_item),
          (int)sizeof(t_UNIT), (int)sizeof(Fgr), (int)sizeof(char*));

  if (!CreateGlWindow(Win.WinWidth, Win.WinHeight)) {
    Plat_Shutdown();
    return 1;  // a failed start must not report success
  }
  Game_InitAtStart();
  Win.WinActive = 1;
  if (!Plat_SetHighPriority()) LogInfo("\n\nне удалось установить HIGH_PRIORITY_CLASS");

  while (!o2::NeedExit) MainLoop_Pass();

  Exit_FreeLandTextures();
  KillGlWindow();
  MsgBase_Clear();
  Plat_Shutdown();
  return 0;
}
