// The frame of the start screen.
#include "app/start_frame.h"

#include <GL/gl.h>

#include "app/frame_steps.h"
#include "app/window.h"
#include "figures/fgrs.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "gui/buttons.h"
#include "gui/gui.h"
#include "gui/hints.h"
#include "gui/paint_words.h"
#include "gui/text_box.h"
#include "gui/value_input.h"
#include "platform/platform.h"
#include "render/field.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/kmd_block.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "shell/clock.h"
#include "shell/frame_clock.h"
#include "shell/key_commands.h"
#include "shell/konfig.h"
#include "shell/text.h"
#include "ui/ed_palette.h"
#include "ui/play_buttons.h"
#include "ui/program_mode.h"
#include "ui/screen_buttons.h"
#include "ui/screens.h"
#include "world/effect_procs.h"
#include "world/land_grid.h"
#include "world/selection.h"

namespace {

uint32_t TextColourStamp = 0;

// The text-box command of the key commands that fired, 0 for none: editing commands first, then
// the caret keys (the 300-based scrolls with Ctrl).
int TextBoxCode() {
  struct Pair {
    int kmd, code;
  };
  static const Pair kEdit[] = {{KMD_SELECT_ALL, kTextSelectAll},
                               {KMD_TEXT_RESERVED, kTextReserved},
                               {KMD_CUT, kTextCut},
                               {KMD_CUT2, kTextCut},
                               {KMD_COPY, kTextCopy},
                               {KMD_COPY2, kTextCopy},
                               {KMD_PASTE, kTextPaste},
                               {KMD_PASTE2, kTextPaste}};
  for (const Pair& p : kEdit)
    if (Kmd_Fired(p.kmd)) return p.code;
  static const Pair kCtrl[] = {{KMD_LEFT, kTextCtrlLeft},
                               {KMD_RIT, kTextCtrlRight},
                               {KMD_UP, kTextScrollUp},
                               {KMD_DN, kTextScrollDown}};
  static const Pair kPlain[] = {
      {KMD_LEFT, kTextLeft}, {KMD_RIT, kTextRight},   {KMD_UP, kTextUp},
      {KMD_DN, kTextDown},   {KMD_PGUP, kTextPageUp}, {KMD_PGDN, kTextPageDown},
      {KMD_HOME, kTextHome}, {KMD_END, kTextEnd},     {KMD_DEL, kTextDelete}};
  if (KeyIsDown(VK_CONTROL)) {
    for (const Pair& p : kCtrl)
      if (Kmd_Fired(p.kmd)) return p.code;
    return 0;
  }
  for (const Pair& p : kPlain)
    if (Kmd_Fired(p.kmd)) return p.code;
  return 0;
}

void ColourFocusedBox() {
  GuiWin* box = TextBoxes.TextBoxFocused;
  if (!box || !Konfig.KonfigTextFlag) return;
  const uint32_t now = TimeGetMs();
  if (TextColourStamp == 0) TextColourStamp = now;
  if (box->textBoxFlag) {
    TextEd_ColourRows(box, 0);
    box->textBoxFlag = 0;
  } else if (now - TextColourStamp > 1000) {
    TextEd_ColourRows(box, 1);
    TextColourStamp = now;
  }
}

}  // namespace

void Mode1_Frame(int focus) {
  FrameTimer_Tick();
  if (Window_DragByMouse()) return;
  Frame_ExitIfAsked();
  Frame_ValueInput();
  if (focus) {
    Gui_HintClear();
    Frame_KeyCommands();
    FrameSteps.MouseXf = (float)KeyCmds.MouseX;
    FrameSteps.MouseYf = (float)KeyCmds.MouseY;
    ScreenShotKey();
    if (int code = TextBoxCode()) textEditStream(TextBoxes.TextBoxFocused, 0, code);
    TextBox_OnMouseDrag();
    // The widgets take the click; a held right button repeats (the scroll bar's drag).
    int click = Frame_ClickCode();
    if (click == kClickNone && KeyIsDown(VK_RBUTTON)) click = kClickRightHeld;
    Gui_MouseAll(click);
    if (Screens.ScrollBarDrag) {
      if (KeyIsDown(VK_RBUTTON)) Gui_ScrollPos(Screens.ScrollBarDrag);
      else Screens.ScrollBarDrag = nullptr;
    }
    if (!StageReq.EtapName.empty() && Kmd_Fired(KMD_ESC)) {
      // A rank-up offer that was up when play was left comes back paused, as it paused the game.
      if (!MsgPanel_Shown()) o2::GamePause = 0;
      SetProgramMode(kModePlay);
    }
    ColourFocusedBox();
    glViewport(0, 0, Win.WinWidth, Win.WinHeight);
    Gl2D_Begin(0, Win.WinWidth, 0, Win.WinHeight);
    Gl_BlendMode(kBlendOff);
    glColor4f(1, 1, 1, 1);
    Tex_Bind(&TexTable, kTxStartBack);
    Gl2D_TexRect(0, 0, (float)Win.WinWidth, (float)Win.WinWidth, 1, 0, 1);
    Tex_Off();
    Gui_DrawAll();
    if (Screens.GuiHintStrip1) {
      const int rect[4] = {Screens.GuiHintStrip1->x, Screens.GuiHintStrip1->y, Screens.GuiHintStrip1->w,
                           Screens.GuiHintStrip1->h};
      Gui_HintDraw(rect);
    }
    glColor4f(0.7f, 0.7f, 0.8f, 1);
    Gl2D_End();
  }
  Frame_Tail(1);
}

int FullScreenText_Draw() { return anSetKeysModeOn(); }

void DebugText_Draw() {
  glColor4f(1, 1, 1, 1);
  const std::string top = StrFmt("Kam1FOV:%.1f  (кисть %d)  losk%d  (selKlv:%d)", (double)CamObzorY,
                                 EdPalette.EdPaletteTool, o2::LoskRendered, SelList.count);
  Font_PrintWin(top.c_str(), 3, 5, 435);
  const std::string low =
      StrFmt("кликов L R: %d  %d \n trg %d %d // nFree %d [laser out%d]", FieldMouse.FieldSelCount,
             FieldMouse.FieldOrdCount, FieldMouse.LastOrderX, FieldMouse.LastOrderZ, Fgrs.cursor,
             LaserOutCount);
  Font_PrintWin(low.c_str(), 3, 5, 315);
}
