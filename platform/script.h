// The input script of the headless backend: parsed once into commands, then run a little each
// frame. It feeds messages into the layer's queue and answers boxes and dialogs; it never blocks.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/internal.h"

enum ScriptOp {
  SOP_WAIT,    // a: frames
  SOP_MSG,     // message, w, l
  SOP_KEY,     // a: vk, b: 1 down / 0 up (message chosen when run: Alt makes it a system key)
  SOP_BUTTON,  // message; l is taken from the cursor when run
  SOP_MOVE,    // a, b: client pixels
  SOP_CLIP,    // text: 1251, CR LF rows
  SOP_SHOT,    // text: file name or ""
  SOP_STEP,    // a: the clock's milliseconds a frame from the next frame on
};

struct ScriptCmd {
  ScriptOp op;
  unsigned message;
  uintptr_t w;
  intptr_t l;
  int a, b;
  std::string text;
};

struct ScriptFileAnswer {
  bool chosen;
  std::string path;  // 1251
};

constexpr int SCRIPT_MAX_CMDS = 1000000;
constexpr int SCRIPT_MAX_WAIT = 10000000;
constexpr int SCRIPT_DEFAULT_FRAMES = 100;  // a run without script: this many frames, shot, close
// The script's clock: each frame drawn advances it by the step; the seed starts the game's random
// numbers. Fixed, so that one script plays the same game on any machine.
constexpr int SCRIPT_FRAME_MS = 16;
constexpr int SCRIPT_MAX_STEP_MS = 1000;
constexpr uint32_t SCRIPT_SEED = 1;
// Queue entries the script leaves free for the messages the game and the layer post themselves.
constexpr int SCRIPT_QUEUE_KEEP = 16;

struct Script {
  std::vector<ScriptCmd> cmds;
  size_t next;
  int waitLeft;
  bool closeSent;
  bool queueFull;  // the next message found no room: the script goes on after the next frame
  bool altDown;
  int refused;                 // lines refused while parsing
  int stepMs;                  // the clock's milliseconds a frame now
  uint64_t frameMs;            // what the frames drawn so far advanced the clock by
  uint32_t seed;               // the run's random seed (the last `seed` line, read at load)
  std::deque<int> boxAnswers;  // IDOK / IDYES / IDNO, used in order by the boxes
  std::deque<ScriptFileAnswer> fileAnswers;
  std::deque<long long> colourAnswers;  // 0x00BBGGRR, or -1 for cancel
};

void Script_Clear(Script* s);
// Parses one line (without its line break; a trailing CR is ignored). A malformed line, one with a
// NUL, or one whose commands would pass SCRIPT_MAX_CMDS is refused whole with a log line and
// changes nothing; answers false then.
bool Script_ParseLine(Script* s, const std::string& line, int lineNo);
void Script_ParseText(Script* s, const std::string& text);
// Loads a script file; false (with a log line) when it cannot be read or is too large.
bool Script_Load(Script* s, const char* path);
// The run without script: frames, then a screenshot of the last frame, then the close message.
void Script_MakeDefault(Script* s, int frames);
// One frame went by (a wait counts it down).
void Script_Frame(Script* s);
// A frame was drawn: the script's clock advances by its step.
void Script_FrameDrawn(Script* s);
// Runs commands until the next unfinished wait, or until the queue has no room for the next
// message (then it goes on after the next frame, so nothing it sends is dropped); at the end of the
// commands sends the close message once. Messages go to gPlat.queue.
void Script_Run(Script* s);
bool Script_Done(const Script* s);
