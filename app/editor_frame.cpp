// The stage editor's frame and its update.
#include "app/editor_frame.h"

#include "app/field_mouse.h"
#include "app/frame_entry.h"
#include "app/frame_steps.h"
#include "app/window.h"
#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "gui/gui.h"
#include "render/field.h"
#include "shell/frame_clock.h"
#include "shell/key_commands.h"
#include "shell/rect.h"
#include "ui/program_mode.h"
#include "ui/screens.h"
#include "world/fgrs_update.h"

namespace {

// A click over the editor's tool box belongs to the box, whether or not a cell of it used it: the
// land behind the palette is never painted through it.
int ClickOverEditorBox(int click) {
  const GuiWin* b = Screens.EditorBox;
  return click != kClickNone && b && b->visible && Screens.GuiPanelMode3 &&
         Screens.GuiPanelMode3->visible &&
         Rect_ContainsPt(KeyCmds.MouseX, KeyCmds.MouseY, b->x, b->y, b->w, b->h);
}

}  // namespace

void Mode3_Frame() {
  FrameTimer_Tick();
  Frame_ExitIfAsked();
  if (Window_DragByMouse()) return;
  Frame_ValueInput();
  Frame_KeyCommands();
  EditorFrame_Update();
  SceneViewportDrawPause();
  Frame_Tail(1);
}

void EditorFrame_Update() {
  Edit_TickUpd();
  const int click = Frame_MouseToWidgets();
  if (!FieldMouse.MouseTaken && ClickOverEditorBox(click)) FieldMouse.MouseTaken = 1;
  if (!FieldMouse.MouseTaken) Field_EditorMouse();
  Field_EditorPlace();
  Fgrs.SweepDead();
  Fgrs.ClearNovorod();
  Fgrs_UpdAll(&Fgrs);
  Cursor_Rule();
}
