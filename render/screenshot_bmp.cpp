// The screenshot the main loop asks for: counter, date and clock in the name, "screens1" under
// the start directory.
#include <string>

#include "gm/org_base.h"
#include "platform/platform.h"
#include "render/screenshot.h"
#include "shell/date_stamp.h"
#include "shell/dialogs.h"

int ScreenShotBmp() {
  // A scripted run names its own file.
  const char* scripted = Plat_ScreenshotPath();
  if (scripted && scripted[0]) return ScreenGrab(scripted);
  std::string date = DateTxt(1000, 1);
  return ScreenShot_Take(Dlg.StartDir, date.c_str(), &o2::NomScreen);
}
