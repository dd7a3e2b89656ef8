// Parsing and running the headless input script (format in platform/SCRIPT.md).
#include "platform/script.h"

#include <strings.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/internal.h"
#include "platform/keys.h"

static constexpr long long kMaxScriptBytes = 4 * 1024 * 1024;

void Script_Clear(Script* s) {
  s->cmds.clear();
  s->next = 0;
  s->waitLeft = 0;
  s->closeSent = false;
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

// A whole decimal or 0x-hex number in [lo, hi].
static bool ParseNum(const std::string& t, long long lo, long long hi, long long* out) {
  if (t.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long long v = strtoll(t.c_str(), &end, 0);
  if (errno || !end || *end) return false;
  if (v < lo || v > hi) return false;
  *out = v;
  return true;
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

static void Add(Script* s, ScriptOp op, unsigned msg = 0, uintptr_t w = 0, intptr_t l = 0, int a = 0,
                int b = 0, const std::string& text = std::string()) {
  s->cmds.push_back(ScriptCmd{op, msg, w, l, a, b, text});
}

static int ButtonDownMsg(const std::string& t) {
  if (strcasecmp(t.c_str(), "left") == 0) return WM_LBUTTONDOWN;
  if (strcasecmp(t.c_str(), "right") == 0) return WM_RBUTTONDOWN;
  if (strcasecmp(t.c_str(), "middle") == 0) return WM_MBUTTONDOWN;
  return 0;
}

bool Script_ParseLine(Script* s, const std::string& rawLine, int lineNo) {
  std::string line = rawLine;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::istringstream in(line);
  std::vector<std::string> tok;
  std::string t;
  while (in >> t) tok.push_back(t);
  if (tok.empty() || tok[0][0] == '#') return true;
  if ((long long)s->cmds.size() >= SCRIPT_MAX_CMDS) {
    Refuse(s, lineNo, "too many commands", line);
    return false;
  }
  const std::string& cmd = tok[0];
  size_t n = tok.size();
  long long v1, v2, v3;

  if (cmd == "wait") {
    if (n != 2 || !ParseNum(tok[1], 0, SCRIPT_MAX_WAIT, &v1)) {
      Refuse(s, lineNo, "wait takes a frame count", line);
      return false;
    }
    if (v1 > 0) Add(s, SOP_WAIT, 0, 0, 0, (int)v1);
    return true;
  }
  if (cmd == "key" || cmd == "down" || cmd == "up") {
    int vk = n == 2 ? Vk_FromName(tok[1].c_str()) : 0;
    if (!vk) {
      Refuse(s, lineNo, "unknown key", line);
      return false;
    }
    if (cmd != "up") Add(s, SOP_KEY, 0, 0, 0, vk, 1);
    if (cmd == "key") Add(s, SOP_WAIT, 0, 0, 0, 1);
    if (cmd != "down") Add(s, SOP_KEY, 0, 0, 0, vk, 0);
    return true;
  }
  if (cmd == "char") {
    std::string arg = RestOf(line, cmd);
    int code = -1;
    size_t pos = 0;
    if (!arg.empty()) {
      unsigned cp = Plat_Utf8Next(arg, &pos);
      if (pos == arg.size()) code = Plat_UnicodeTo1251(cp);
      else if (ParseNum(arg, 1, 255, &v1)) code = (int)v1;
    }
    if (code <= 0) {
      Refuse(s, lineNo, "char takes one character or a code 1..255", line);
      return false;
    }
    Add(s, SOP_MSG, WM_CHAR, (uintptr_t)code);
    return true;
  }
  if (cmd == "type") {
    std::string text = Plat_1251FromUtf8(Unescape(RestOf(line, cmd), "\r"));
    if (text.empty()) {
      Refuse(s, lineNo, "type takes a text", line);
      return false;
    }
    for (unsigned char c : text) Add(s, SOP_MSG, WM_CHAR, c);
    return true;
  }
  if (cmd == "move") {
    if (n != 3 || !ParseNum(tok[1], -32768, 32767, &v1) || !ParseNum(tok[2], -32768, 32767, &v2)) {
      Refuse(s, lineNo, "move takes x and y", line);
      return false;
    }
    Add(s, SOP_MOVE, 0, 0, 0, (int)v1, (int)v2);
    return true;
  }
  if (cmd == "click" || cmd == "press" || cmd == "release") {
    int down = n >= 2 ? ButtonDownMsg(tok[1]) : 0;
    bool at = n == 4;
    if (!down || (n != 2 && !at) ||
        (at && (!ParseNum(tok[2], -32768, 32767, &v1) || !ParseNum(tok[3], -32768, 32767, &v2)))) {
      Refuse(s, lineNo, "button command takes left|right|middle [x y]", line);
      return false;
    }
    if (at) Add(s, SOP_MOVE, 0, 0, 0, (int)v1, (int)v2);
    if (cmd != "release") Add(s, SOP_BUTTON, (unsigned)down);
    if (cmd == "click") Add(s, SOP_WAIT, 0, 0, 0, 1);
    if (cmd != "press") Add(s, SOP_BUTTON, (unsigned)down + 1);
    return true;
  }
  if (cmd == "close" || cmd == "minimise" || cmd == "restore" || cmd == "focus" || cmd == "unfocus") {
    if (n != 1) {
      Refuse(s, lineNo, "command takes no argument", line);
      return false;
    }
    if (cmd == "close") {
      Add(s, SOP_MSG, WM_CLOSE);
    } else if (cmd == "minimise") {
      Add(s, SOP_MSG, WM_ACTIVATE, WA_INACTIVE | (1u << 16));
      Add(s, SOP_MSG, WM_KILLFOCUS);
      Add(s, SOP_MSG, WM_SIZE, SIZE_MINIMIZED);
    } else if (cmd == "restore") {
      Add(s, SOP_MSG, WM_SIZE, SIZE_RESTORED);
      Add(s, SOP_MSG, WM_ACTIVATE, WA_ACTIVE);
      Add(s, SOP_MSG, WM_SETFOCUS);
    } else if (cmd == "focus") {
      Add(s, SOP_MSG, WM_ACTIVATE, WA_ACTIVE);
      Add(s, SOP_MSG, WM_SETFOCUS);
    } else {
      Add(s, SOP_MSG, WM_ACTIVATE, WA_INACTIVE);
      Add(s, SOP_MSG, WM_KILLFOCUS);
    }
    return true;
  }
  if (cmd == "msg") {
    if (n != 4 || !ParseNum(tok[1], 0, 0xFFFF, &v1) || !ParseNum(tok[2], 0, 0xFFFFFFFFLL, &v2) ||
        !ParseNum(tok[3], -0x80000000LL, 0xFFFFFFFFLL, &v3)) {
      Refuse(s, lineNo, "msg takes message, w and l", line);
      return false;
    }
    Add(s, SOP_MSG, (unsigned)v1, (uintptr_t)v2, (intptr_t)v3);
    return true;
  }
  if (cmd == "answer") {
    int a = 0;
    if (n == 2) {
      if (strcasecmp(tok[1].c_str(), "yes") == 0) a = IDYES;
      else if (strcasecmp(tok[1].c_str(), "no") == 0) a = IDNO;
      else if (strcasecmp(tok[1].c_str(), "ok") == 0) a = IDOK;
    }
    if (!a) {
      Refuse(s, lineNo, "answer takes yes, no or ok", line);
      return false;
    }
    s->boxAnswers.push_back(a);
    return true;
  }
  if (cmd == "file") {
    std::string arg = RestOf(line, cmd);
    while (!arg.empty() && (arg.back() == ' ' || arg.back() == '\t')) arg.pop_back();
    if (arg.empty()) {
      Refuse(s, lineNo, "file takes a path or cancel", line);
      return false;
    }
    if (arg == "cancel") s->fileAnswers.push_back(ScriptFileAnswer{false, std::string()});
    else s->fileAnswers.push_back(ScriptFileAnswer{true, Plat_1251FromUtf8(arg)});
    return true;
  }
  if (cmd == "color") {
    if (n == 2 && tok[1] == "cancel") {
      s->colourAnswers.push_back(-1);
      return true;
    }
    if (n != 4 || !ParseNum(tok[1], 0, 255, &v1) || !ParseNum(tok[2], 0, 255, &v2) ||
        !ParseNum(tok[3], 0, 255, &v3)) {
      Refuse(s, lineNo, "color takes r g b (0..255) or cancel", line);
      return false;
    }
    s->colourAnswers.push_back(v1 | v2 << 8 | v3 << 16);
    return true;
  }
  if (cmd == "clip") {
    std::string text = Plat_LfToCrlf(Plat_1251FromUtf8(Unescape(RestOf(line, cmd), "\n")));
    Add(s, SOP_CLIP, 0, 0, 0, 0, 0, text);
    return true;
  }
  if (cmd == "shot") {
    if (n > 2) {
      Refuse(s, lineNo, "shot takes at most a file name", line);
      return false;
    }
    // The script holds until the wanted frame is drawn, so a close right after still gets it.
    Add(s, SOP_SHOT, 0, 0, 0, 0, 0, n == 2 ? Plat_1251FromUtf8(tok[1]) : std::string());
    Add(s, SOP_WAIT, 0, 0, 0, 1);
    return true;
  }
  if (cmd == "step") {
    if (n != 2 || !ParseNum(tok[1], 1, SCRIPT_MAX_STEP_MS, &v1)) {
      Refuse(s, lineNo, "step takes the milliseconds of a frame, 1..1000", line);
      return false;
    }
    Add(s, SOP_STEP, 0, 0, 0, (int)v1);
    return true;
  }
  if (cmd == "seed") {
    // The seed starts the game, so it cannot wait for its turn: the script's last one counts.
    if (n != 2 || !ParseNum(tok[1], 0, 0xFFFFFFFFLL, &v1)) {
      Refuse(s, lineNo, "seed takes a number 0..4294967295", line);
      return false;
    }
    s->seed = (uint32_t)v1;
    return true;
  }
  Refuse(s, lineNo, "unknown command", line);
  return false;
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
  if (frames > 1) Add(s, SOP_WAIT, 0, 0, 0, frames - 1);
  Script_ParseLine(s, "shot", 0);
  Add(s, SOP_MSG, WM_CLOSE);
}

void Script_Frame(Script* s) {
  if (s->waitLeft > 0) s->waitLeft--;
}

void Script_FrameDrawn(Script* s) { s->frameMs += (uint64_t)s->stepMs; }

bool Script_Done(const Script* s) { return s->next >= s->cmds.size() && s->waitLeft == 0; }

static intptr_t CursorL() { return Plat_PackXY(gPlat.cursorX, gPlat.cursorY); }

void Script_Run(Script* s) {
  while (s->waitLeft == 0 && s->next < s->cmds.size()) {
    const ScriptCmd& c = s->cmds[s->next++];
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
    s->closeSent = true;
    PlatQueue_Push(&gPlat.queue, WM_CLOSE, 0, 0);
  }
}
