// The frames of the three program modes: the dispatcher the main loop calls, what the layers below
// the interface asked of it, and the steps the frames share, in the order of a frame: the exit
// request after the frame clock, the value input, the key commands, the mouse offered to the
// widgets first, the pre-step of play and of the editor, the pending mouse action, the frame's
// tail. The frames themselves: app/start_frame.h (mode 1), app/play_frame.h (mode 2),
// app/editor_frame.h (mode 3).
#pragma once

// Runs the frame of the current program mode (ProgModeNum): the start screen, play, the editor.
void FrameByMode(int focus);
// Carries out what the layers below the interface asked of it by their request words: a program
// mode (ProgModeReq), the code window shown with its message (CodeWinMsgReq). Before each frame,
// and in the game update after the figures' procedures, before anything draws.
void Requests_CarryOut();

extern float MouseXf, MouseYf;  // the cursor of this frame as floats (window pixels, y up)
extern int GameExitReq;         // the interface's exit request: the frame ends the program

// After the frame clock: the interface's exit request ends the program after this pass.
void Frame_ExitIfAsked();
// The one-line value input's four steps (int, float, string, code), every frame.
void Frame_ValueInput();
// The cursor position and the key commands of this frame.
void Frame_KeyCommands();
// The click of this frame for the widgets: 1 when the select command fired, else 2 for the order
// command, else 0.
int Frame_ClickCode();
// The mouse goes to the widget tree first (play and editor): MouseTaken; answers the click code.
int Frame_MouseToWidgets();
// The pre-step of the editor's update; the game's pre-step runs it with more (forPlay: the cargo
// slot of an inactive figure is also let go, between the hint and the scene reset).
void Edit_TickUpd(int forPlay = 0);
// The pending mouse action of the frame (select, select in a rectangle, order, hover, route
// target, point order), carried out and cleared: by play (MouseSelectByTool) and by the editor
// (Field_EditorPlace), which first picks the land cell under the cursor and uses the click modes
// where play orders (link, march points) and spawns no markers.
void MouseSelectByTool();
void Field_EditorPlace();
// The end of every frame: the value input's code field while a code is edited (the start screen
// and the editor, codeField 1), then the frame rate.
void Frame_Tail(int codeField);
// "fps:N" in the lower-left corner while the frame rate is switched on; answers 1.
int FpsText_Draw();
