// Fuzz target of the headless input script: Script_Load of "script.txt", then its commands run as
// the headless backend runs them, the queue emptied between runs as the game's loop empties it and
// a frame drawn whenever it is empty, each wait cut to one frame. No line may take the script past
// its command limit, every message its commands send must arrive (none dropped by a full queue),
// and the run must end with a close. An input is one script file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_common.h"
#include "platform/script.h"

namespace {

Script gScript;

// The seeds: the README's example, the scripts of the program's own runs, every command with its
// numbers written in each accepted way, and the messages of one frame past the queue's size.
void WriteSeeds() {
  const std::string readme = Fuzz_Shipped("README.md");
  const std::string open = "### Example\n\n```\n";
  const size_t at = readme.find(open);
  if (at != std::string::npos) {
    const size_t from = at + open.size();
    Fuzz_Seed("readme_example.txt", readme.substr(from, readme.find("```", from) - from));
  }
  Fuzz_Seed("run_start.txt",
            "answer no\nwait 10\nkey escape\nkey space\nclick left 100 100\nwait 5\nshot end.bmp\n"
            "wait 2\nno such command\nclose\n");
  Fuzz_Seed("run_alt_f4.txt",
            "answer no\nwait 3\ndown Alt\nkey F4\nup Alt\nwait 10\nshot late.bmp\nclose\n");
  Fuzz_Seed("run_clock.txt",
            "seed 2\nanswer no\nwait 3\nclick left 750 124\nwait 30\nclick left 412 274\nwait 3\n"
            "click right 555 218\nwait 3\nclick left 40 530\nwait 3\nmove 500 580\nwait 200\n"
            "shot walked.bmp\nshot\nclick left 40 530\nwait 3\nclose\n");
  Fuzz_Seed("run_pictures.txt",
            "answer yes\nwait 5\nmove 700 740\nwait 2\nshot start.bmp\nclick left 960 163\nwait 30\n"
            "press left 690 300\nwait 2\nmove 700 310\nwait 2\nmove 800 440\nwait 2\n"
            "release left 800 440\nwait 60\nclick right 37 34\nwait 2\nclick left 36 33\nwait 2\n"
            "minimise\nwait 5\nrestore\nunfocus\nfocus\nclose\n");
  Fuzz_Seed("every_command.txt",
            "# one of each\r\nwait 010\nkey 044\ndown Shift\nup shift\nchar \xD0\xB6\nchar 09\n"
            "char 0x08\ntype Hi\\n\\t\\\\\nmove -5 016\nclick middle 5 6\npress right\n"
            "release right\nmsg 0x112 0xF030 -1\nanswer yes\nanswer NO\nanswer ok\n"
            "file dir/my file.txt\nfile cancel\ncolor 010 0x10 255\ncolor cancel\n"
            "clip a\\n\xD0\xB1\nshot out.bmp\nstep 0x3E8\nseed 04294967295\nminimise\nclose\n");
  std::string full = "type " + std::string(1500, 'x') + "\nclose\n";
  for (int i = 0; i < 1100; i++) full += "move " + std::to_string(i % 800) + " 300\n";
  Fuzz_Seed("past_the_queue.txt", full);
}

bool PostsMessage(ScriptOp op) {
  return op == SOP_MSG || op == SOP_KEY || op == SOP_BUTTON || op == SOP_MOVE;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  WriteSeeds();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Write("script.txt", data, size);
  Script_Clear(&gScript);
  if (!Script_Load(&gScript, "script.txt")) return 0;
  if (gScript.cmds.size() > (size_t)SCRIPT_MAX_CMDS) abort();
  size_t sends = 0;
  bool closes = false;
  for (const ScriptCmd& c : gScript.cmds) {
    if (PostsMessage(c.op)) sends++;
    if (c.op == SOP_MSG && c.message == WM_CLOSE) closes = true;
  }
  if (!closes) sends++;  // the close the script forgot
  PlatQueue_Clear(&gPlat.queue);
  size_t arrived = 0;
  bool closed = false;
  // Each pass sends a message at least, runs out a wait or draws the frame a full queue waits for.
  for (size_t pass = 0; pass <= 2 * gScript.cmds.size() + 2; pass++) {
    Script_Run(&gScript);
    PlatMsg m;
    while (PlatQueue_Pop(&gPlat.queue, &m)) {
      arrived++;
      closed = closed || m.message == WM_CLOSE;
    }
    if (gScript.closeSent && Script_Done(&gScript)) break;
    if (gScript.waitLeft > 1) gScript.waitLeft = 1;
    Script_Frame(&gScript);
  }
  if (!closed || arrived != sends || gPlat.queue.dropped != 0) abort();
  return 0;
}
