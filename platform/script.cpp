// Parsing and running the headless input script (its format is the README's).
#include "platform/script.h"

#include <strings.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/internal.h"
#include "platform/keys.h"

static constexpr long long kMaxScriptBytes = 4 * 1024 * 1024;

void Script_Clear(Script* s) {
  s->cmds.clear();
  s->next = 0;
  s->waitLeft = 0;
  s->closeSent = false;
  s->queueFull = false;
  s->altDown = false;
  s->refused = 0;
  s->stepMs = SCRIPT_FRAME_MS;
  s->frameMs = 0;
  s->seed = SCRIPT_SEED;
  s->boxAnswers.clear();
  s->fileAnswers.clear();
  s->colourAnswers.clear();
}

static void Refuse(Script* s, int lineNo, const char* why, const std::string& line) {
  s->refused++;
  std::string shown = line.size() > 80 ? line.substr(0, 80) + "..." : line;
  fprintf(stderr, "platform: script line %d refused (%s): %s\n", lineNo, why, shown.c_str());
  Plat_Log("\nplatform: script line %d refused (%s)", lineNo, why);
}

// The commands of one line, kept aside until the whole line is accepted: a line that would pass
// the script's command limit is refused whole, and takes no memory for what it cannot keep. A
// number written in a way the script does not read says why, besides its command's reason.
struct LineCmds {
  std::vector<ScriptCmd> cmds;
  size_t room;            // commands the script can still take
  bool over;              // the line asked for more than that
  const char* numberWhy;  // the first number's own reason for a refusal, or null
};

// Which way a command writes its numbers: key codes are decimal only, the rest may be hex too.
enum NumForm { NUM_DECIMAL, NUM_DECIMAL_OR_HEX };

// Past this a number is out of every command's range, so reading stops before it could overflow.
static constexpr long long kNumCap = 1LL << 40;

// A position of the mouse commands, each coordinate: what a mouse message's l word carries. One
// outside the window is taken, as a cursor beyond its edge.
static constexpr long long kCoordMin = -32768, kCoordMax = 32767;

// The one reader of every number a script writes: the whole token, a minus sign where the range
// has negatives (-0 included: a minus says the writer meant a negative), then decimal digits
// (leading zeros change nothing: 010 is ten) or, where the form allows, hex digits after 0x. One
// spelling of hex only, so that a script reads the same to every reader: 0X is refused, with its
// reason. Nothing else is a number.
static bool ParseNum(LineCmds* line, const std::string& t, long long lo, long long hi, long long* out,
                     NumForm form = NUM_DECIMAL_OR_HEX) {
  auto refuse = [line](const char* why) {
    if (!line->numberWhy) line->numberWhy = why;
    return false;
  };
  size_t i = 0;
  bool negative = i < t.size() && t[i] == '-';
  if (negative) i++;
  if (negative && lo >= 0) return refuse("a minus sign only where the range has negatives");
  int base = 10;
  if (form == NUM_DECIMAL_OR_HEX && i + 1 < t.size() && t[i] == '0' && t[i + 1] == 'X')
    return refuse("hexadecimal comes after 0x, not 0X");
  if (form == NUM_DECIMAL_OR_HEX && i + 1 < t.size() && t[i] == '0' && t[i + 1] == 'x') {
    base = 16;
    i += 2;
  }
  if (i == t.size()) return false;
  long long v = 0;
  for (; i < t.size(); i++) {
    char c = t[i];
    int d = c >= '0' && c <= '9'                 ? c - '0'
            : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10
            : base == 16 && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
    if (d < 0) return false;
    v = v * base + d;
    if (v > kNumCap) return false;
  }
  if (negative) v = -v;
  if (v < lo || v > hi) return false;
  *out = v;
  return true;
}

// A key by name, or by its decimal code 1..255.
static int KeyOf(LineCmds* line, const std::string& t) {
  int vk = Vk_FromName(t.c_str());
  long long code;
  if (!vk && ParseNum(line, t, 1, 255, &code, NUM_DECIMAL)) vk = (int)code;
  return vk;
}

// The text after the command word: one run of blanks skipped, the rest taken as it stands.
static std::string RestOf(const std::string& line, const std::string& word) {
  size_t p = line.find(word);
  p += word.size();
  while (p < line.size() && (line[p] == ' ' || line[p] == '\t')) p++;
  return line.substr(p);
}

// \n, \t and \\ escapes; newline gives nl.
static std::string Unescape(const std::string& t, const char* nl) {
  std::string out;
  for (size_t i = 0; i < t.size(); i++) {
    if (t[i] == '\\' && i + 1 < t.size()) {
      char c = t[++i];
      if (c == 'n') out += nl;
      else if (c == 't') out += '\t';
      else if (c == '\\') out += '\\';
      else {
        out += '\\';
        out += c;
      }
    } else {
      out += t[i];
    }
  }
  return out;
}

static void Add(LineCmds* out, ScriptOp op, unsigned msg = 0, uintptr_t w = 0, intptr_t l = 0, int a = 0,
                int b = 0, const std::string& text = std::string()) {
  if (out->cmds.size() >= out->room) {
    out->over = true;
    return;
  }
  out->cmds.push_back(ScriptCmd{op, msg, w, l, a, b, text});
}

static int ButtonDownMsg(const std::string& t) {
  if (strcasecmp(t.c_str(), "left") == 0) return WM_LBUTTONDOWN;
  if (strcasecmp(t.c_str(), "right") == 0) return WM_RBUTTONDOWN;
  if (strcasecmp(t.c_str(), "middle") == 0) return WM_MBUTTONDOWN;
  return 0;
}

// One command line, its words in tok: its commands go to out, its answers and seed to the script.
// Answers the reason of a refusal, or null; a refused line changes nothing.
static const char* ParseCommand(Script* s, const std::string& line, const std::vector<std::string>& tok,
                                LineCmds* out) {
  const std::string& cmd = tok[0];
  size_t n = tok.size();
  long long v1, v2, v3;

  if (cmd == "wait") {
    if (n != 2 || !ParseNum(out, tok[1], 0, SCRIPT_MAX_WAIT, &v1)) return "wait takes a frame count";
    if (v1 > 0) Add(out, SOP_WAIT, 0, 0, 0, (int)v1);
    return nullptr;
  }
  if (cmd == "key" || cmd == "down" || cmd == "up") {
    int vk = n == 2 ? KeyOf(out, tok[1]) : 0;
    if (!vk) return "unknown key";
    if (cmd != "up") Add(out, SOP_KEY, 0, 0, 0, vk, 1);
    if (cmd == "key") Add(out, SOP_WAIT, 0, 0, 0, 1);
    if (cmd != "down") Add(out, SOP_KEY, 0, 0, 0, vk, 0);
    return nullptr;
  }
  if (cmd == "char") {
    std::string arg = RestOf(line, cmd);
    int code = -1;
    size_t pos = 0;
    if (!arg.empty()) {
      unsigned cp = Plat_Utf8Next(arg, &pos);
      if (pos == arg.size()) code = Plat_UnicodeTo1251(cp);
      else if (ParseNum(out, arg, 1, 255, &v1)) code = (int)v1;
    }
    if (code <= 0) return "char takes one character or a code 1..255";
    Add(out, SOP_MSG, WM_CHAR, (uintptr_t)code);
    return nullptr;
  }
  if (cmd == "type") {
    std::string text = Plat_1251FromUtf8(Unescape(RestOf(line, cmd), "\r"));
    if (text.empty()) return "type takes a text";
    for (unsigned char c : text) Add(out, SOP_MSG, WM_CHAR, c);
    return nullptr;
  }
  if (cmd == "move") {
    if (n != 3 || !ParseNum(out, tok[1], kCoordMin, kCoordMax, &v1) ||
        !ParseNum(out, tok[2], kCoordMin, kCoordMax, &v2))
      return "move takes x and y";
    Add(out, SOP_MOVE, 0, 0, 0, (int)v1, (int)v2);
    return nullptr;
  }
  if (cmd == "click" || cmd == "press" || cmd == "release") {
    int down = n >= 2 ? ButtonDownMsg(tok[1]) : 0;
    bool at = n == 4;
    if (!down || (n != 2 && !at) ||
        (at && (!ParseNum(out, tok[2], kCoordMin, kCoordMax, &v1) ||
                !ParseNum(out, tok[3], kCoordMin, kCoordMax, &v2))))
      return "button command takes left|right|middle [x y]";
    if (at) Add(out, SOP_MOVE, 0, 0, 0, (int)v1, (int)v2);
    if (cmd != "release") Add(out, SOP_BUTTON, (unsigned)down);
    if (cmd == "click") Add(out, SOP_WAIT, 0, 0, 0, 1);
    if (cmd != "press") Add(out, SOP_BUTTON, (unsigned)down + 1);
    return nullptr;
  }
  if (cmd == "close" || cmd == "minimise" || cmd == "restore" || cmd == "focus" || cmd == "unfocus") {
    if (n != 1) return "command takes no argument";
    if (cmd == "close") {
      Add(out, SOP_MSG, WM_CLOSE);
    } else if (cmd == "minimise") {
      Add(out, SOP_MSG, WM_ACTIVATE, WA_INACTIVE | (1u << 16));
      Add(out, SOP_MSG, WM_KILLFOCUS);
      Add(out, SOP_MSG, WM_SIZE, SIZE_MINIMIZED);
    } else if (cmd == "restore") {
      Add(out, SOP_MSG, WM_SIZE, SIZE_RESTORED);
      Add(out, SOP_MSG, WM_ACTIVATE, WA_ACTIVE);
      Add(out, SOP_MSG, WM_SETFOCUS);
    } else if (cmd == "focus") {
      Add(out, SOP_MSG, WM_ACTIVATE, WA_ACTIVE);
      Add(out, SOP_MSG, WM_SETFOCUS);
    } else {
      Add(out, SOP_MSG, WM_ACTIVATE, WA_INACTIVE);
      Add(out, SOP_MSG, WM_KILLFOCUS);
    }
    return nullptr;
  }
  if (cmd == "msg") {
    if (n != 4 || !ParseNum(out, tok[1], 0, 0xFFFF, &v1) ||
        !ParseNum(out, tok[2], 0, 0xFFFFFFFFLL, &v2) ||
        !ParseNum(out, tok[3], -0x80000000LL, 0xFFFFFFFFLL, &v3))
      return "msg takes message, w and l";
    Add(out, SOP_MSG, (unsigned)v1, (uintptr_t)v2, (intptr_t)v3);
    return nullptr;
  }
  if (cmd == "answer") {
    int a = 0;
    if (n == 2) {
      if (strcasecmp(tok[1].c_str(), "yes") == 0) a = IDYES;
      else if (strcasecmp(tok[1].c_str(), "no") == 0) a = IDNO;
      else if (strcasecmp(tok[1].c_str(), "ok") == 0) a = IDOK;
    }
    if (!a) return "answer takes yes, no or ok";
    s->boxAnswers.push_back(a);
    return nullptr;
  }
  if (cmd == "file") {
    std::string arg = RestOf(line, cmd);
    while (!arg.empty() && (arg.back() == ' ' || arg.back() == '\t')) arg.pop_back();
    if (arg.empty()) return "file takes a path or cancel";
    if (arg == "cancel") s->fileAnswers.push_back(ScriptFileAnswer{false, std::string()});
    else s->fileAnswers.push_back(ScriptFileAnswer{true, Plat_1251FromUtf8(arg)});
    return nullptr;
  }
  if (cmd == "color") {
    if (n == 2 && tok[1] == "cancel") {
      s->colourAnswers.push_back(-1);
      return nullptr;
    }
    if (n != 4 || !ParseNum(out, tok[1], 0, 255, &v1) || !ParseNum(out, tok[2], 0, 255, &v2) ||
        !ParseNum(out, tok[3], 0, 255, &v3))
      return "color takes r g b (0..255) or cancel";
    s->colourAnswers.push_back(v1 | v2 << 8 | v3 << 16);
    return nullptr;
  }
  if (cmd == "clip") {
    std::string text = Plat_LfToCrlf(Plat_1251FromUtf8(Unescape(RestOf(line, cmd), "\n")));
    Add(out, SOP_CLIP, 0, 0, 0, 0, 0, text);
    return nullptr;
  }
  if (cmd == "shot") {
    if (n > 2) return "shot takes at most a file name";
    // The script holds until the wanted frame is drawn, so a close right after still gets it.
    Add(out, SOP_SHOT, 0, 0, 0, 0, 0, n == 2 ? Plat_1251FromUtf8(tok[1]) : std::string());
    Add(out, SOP_WAIT, 0, 0, 0, 1);
    return nullptr;
  }
  if (cmd == "step") {
    if (n != 2 || !ParseNum(out, tok[1], 1, SCRIPT_MAX_STEP_MS, &v1))
      return "step takes the milliseconds of a frame, 1..1000";
    Add(out, SOP_STEP, 0, 0, 0, (int)v1);
    return nullptr;
  }
  if (cmd == "seed") {
    // The seed starts the game, so it cannot wait for its turn: the script's last one counts.
    if (n != 2 || !ParseNum(out, tok[1], 0, 0xFFFFFFFFLL, &v1))
      return "seed takes a number 0..4294967295";
    s->seed = (uint32_t)v1;
    return nullptr;
  }
  return "unknown command";
}

bool Script_ParseLine(Script* s, const std::string& rawLine, int lineNo) {
  std::string line = rawLine;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  // A NUL would end the line's numbers and texts early: "step 1<NUL>6" is no step of 1.
  if (line.find('\0') != std::string::npos) {
    Refuse(s, lineNo, "a NUL in the line", line);
    return false;
  }
  std::istringstream in(line);
  std::vector<std::string> tok;
  std::string t;
  while (in >> t) tok.push_back(t);
  if (tok.empty() || tok[0][0] == '#') return true;
  LineCmds out{{}, (size_t)SCRIPT_MAX_CMDS - s->cmds.size(), false, nullptr};
  const char* why = ParseCommand(s, line, tok, &out);
  if (!why && out.over) why = "too many commands";
  if (why) {
    Refuse(s, lineNo, out.numberWhy ? (std::string(why) + "; " + out.numberWhy).c_str() : why, line);
    return false;
  }
  s->cmds.insert(s->cmds.end(), std::make_move_iterator(out.cmds.begin()),
                 std::make_move_iterator(out.cmds.end()));
  return true;
}

void Script_ParseText(Script* s, const std::string& text) {
  int lineNo = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    Script_ParseLine(s, text.substr(start, end - start), ++lineNo);
    start = end + 1;
  }
}

bool Script_Load(Script* s, const char* path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) {
    fprintf(stderr, "platform: cannot open script %s\n", path);
    Plat_Log("\nplatform: cannot open script %s", path);
    return false;
  }
  f.seekg(0, std::ios::end);
  long long size = (long long)f.tellg();
  f.seekg(0, std::ios::beg);
  if (size < 0 || size > kMaxScriptBytes) {
    fprintf(stderr, "platform: script %s too large or unreadable\n", path);
    Plat_Log("\nplatform: script %s too large or unreadable", path);
    return false;
  }
  std::string text((size_t)size, '\0');
  f.read(text.data(), size);
  if (f.gcount() != size) {
    fprintf(stderr, "platform: script %s could not be read\n", path);
    Plat_Log("\nplatform: script %s could not be read", path);
    return false;
  }
  Script_ParseText(s, text);
  return true;
}

void Script_MakeDefault(Script* s, int frames) {
  Script_Clear(s);
  Script_ParseText(s, "wait " + std::to_string(frames > 1 ? frames - 1 : 0) + "\nshot\nclose\n");
}

void Script_Frame(Script* s) {
  if (s->waitLeft > 0) s->waitLeft--;
  s->queueFull = false;
}

void Script_FrameDrawn(Script* s) { s->frameMs += (uint64_t)s->stepMs; }

bool Script_Done(const Script* s) { return s->next >= s->cmds.size() && s->waitLeft == 0; }

static intptr_t CursorL() { return Plat_PackXY(gPlat.cursorX, gPlat.cursorY); }

// Whether a command puts a message into the layer's queue when it runs (one at most).
static bool PostsMessage(ScriptOp op) {
  return op == SOP_MSG || op == SOP_KEY || op == SOP_BUTTON || op == SOP_MOVE;
}

// The queue drops its oldest message when full: the script stops short of that, and leaves room
// for what the game and the layer post while they empty it.
static bool QueueHasRoom() { return gPlat.queue.count < PLAT_QUEUE_SIZE - SCRIPT_QUEUE_KEEP; }

void Script_Run(Script* s) {
  if (s->queueFull) return;
  while (s->waitLeft == 0 && s->next < s->cmds.size()) {
    const ScriptCmd& c = s->cmds[s->next];
    if (PostsMessage(c.op) && !QueueHasRoom()) {
      s->queueFull = true;
      return;
    }
    s->next++;
    switch (c.op) {
      case SOP_WAIT: s->waitLeft = c.a; break;
      case SOP_MSG:
        if (c.message == WM_CLOSE) s->closeSent = true;
        PlatQueue_Push(&gPlat.queue, c.message, c.w, c.l);
        break;
      case SOP_KEY: {
        // As on the desktop: Alt, F10 and keys pressed while Alt is held are system keys.
        bool sys = c.a == VK_MENU || c.a == VK_F10 || s->altDown;
        if (c.a == VK_MENU) s->altDown = c.b != 0;
        intptr_t alt = s->altDown || c.a == VK_MENU ? kKeyAltHeld : 0;
        if (c.b) PlatQueue_Push(&gPlat.queue, sys ? WM_SYSKEYDOWN : WM_KEYDOWN, (uintptr_t)c.a, 1 | alt);
        else
          PlatQueue_Push(&gPlat.queue, sys ? WM_SYSKEYUP : WM_KEYUP, (uintptr_t)c.a,
                         (intptr_t)0xC0000001u | alt);
        break;
      }
      case SOP_BUTTON: PlatQueue_Push(&gPlat.queue, c.message, 0, CursorL()); break;
      case SOP_MOVE:
        gPlat.cursorX = c.a;
        gPlat.cursorY = c.b;
        PlatQueue_Push(&gPlat.queue, WM_MOUSEMOVE, 0, CursorL());
        break;
      case SOP_CLIP:
        gPlat.clip = c.text;
        gPlat.clipHas = 1;
        break;
      case SOP_SHOT:
        gPlat.shotWanted = 1;
        gPlat.shotPath = c.text;
        break;
      case SOP_STEP: s->stepMs = c.a; break;
    }
  }
  if (s->waitLeft == 0 && s->next >= s->cmds.size() && !s->closeSent) {
    // A script that forgets to close must still end the run.
    if (!QueueHasRoom()) {
      s->queueFull = true;
      return;
    }
    s->closeSent = true;
    PlatQueue_Push(&gPlat.queue, WM_CLOSE, 0, 0);
  }
}
