// Key-command definitions: the seven-line blocks of the definitions file and the text file of one
// command, one value per line.
#include <fstream>
#include <sstream>

#include "shell/files.h"
#include "shell/key_commands.h"
#include "shell/log.h"
#include "shell/text.h"

namespace {

constexpr int kInactiveBlockMs = 9000555;

// A value is stored only when it was read; a failed read leaves the stream failed.
void ReadInts(std::istream& in, int* v, int n) {
  for (int i = 0; i < n; i++) {
    int t;
    if (in >> t) v[i] = t;
  }
}

void ClearRunState(IKmd2& k) {
  k.blockLeft = 0;
  k.holdMs = 0;
  k.latch = 0;
  k.repeatStart = 0;
  k.dblWait = 0;
  k.tripleWait = 0;
}

int* Words(IKmd2* k) { return reinterpret_cast<int*>(k); }

}  // namespace

bool Kmd_SkipToMarker(std::istream& in) {
  std::string line;
  while (TextGetLine(in, line))
    if (TextPos(TextTrimS(line).c_str(), kKmdMarker, 0) == 0) return true;
  return false;
}

int IKmd2_InitFromStream(IKmd2& k, std::istream& in) {
  std::string line;
  TextGetLine(in, line);
  std::string name = TextTrimS(line);

  int def[6] = {0, 0, 0, 0, 0, 0};
  ReadInts(in, def, 6);
  SkipLine(in);
  IKmd2_Set(&k, def[0], def[1], def[2], def[3], def[4], def[5], name.c_str());

  int form = 0;
  ReadInts(in, &form, 1);
  SkipLine(in);
  ClearRunState(k);
  k.noSingle = 0;
  if (form != 0) {
    int press[4] = {0, 0, 0, 0};
    ReadInts(in, press, 4);
    if (press[0] == kKmdMultiPress) {
      k.mode = kKmdMultiPress;
      k.dblWindow = press[1];
      k.tripleWindow = press[2];
      k.noSingle = press[3];
    } else {
      k.active = 0;
    }
  } else {
    int mode = 0;
    ReadInts(in, &mode, 1);
    if (mode == kKmdHoldRelease || mode == kKmdModifierKey || mode == kKmdEitherModifierKey)
      k.mode = mode;
    else if (mode == kKmdMultiPress) k.active = 0;  // its windows come only in the long form
    else k.mode = kKmdPress;
  }
  SkipLine(in);

  int valueForm = 0;
  ReadInts(in, &valueForm, 1);
  SkipLine(in);
  if (valueForm != 0) {
    int cyc[5] = {0, 0, 0, 0, 0};
    ReadInts(in, cyc, 5);
    IKmd2_SetCycle(&k, cyc[0], cyc[1], cyc[2], cyc[3], cyc[4]);
  } else {
    int v = 0;
    ReadInts(in, &v, 1);
    if (v == 1) {
      k.value = 1;
      k.valueMax = 2;
      k.cycleMode = 0;
      k.repeatMs = 0;
      k.repeatMax = 0;
    } else {
      k.value = 0;
    }
  }
  SkipLine(in);

  int tail[4] = {0, 0, 0, 0};
  ReadInts(in, tail, 4);
  if (!in) {
    // A block cut short or holding text where numbers belong leaves the command inactive, and
    // the end-of-stream flag stops every later search for a marker.
    if (k.active) LogInfo("\nsig: key command <%s> is incomplete and stays inactive", k.name);
    k.active = 0;
    k.enabled = 0;
    in.setstate(std::ios::eofbit);
  }
  if (k.active > 0) {
    k.blockMs = tail[0];
    k.slot = tail[1];
    k.priority = tail[2];
  } else {
    k.blockMs = kInactiveBlockMs;
    k.slot = 0;
  }
  if (tail[3] != 0 && in) {
    ClearRunState(k);
    if (k.active != 0) k.enabled = 1;
  }
  SkipLine(in);
  return 1;
}

int IKmd2_InitFromTxtStream(IKmd2& k, std::ifstream& in) { return IKmd2_InitFromStream(k, in); }

int IKmd2_TxtRead(IKmd2* k, std::string fileName) {
  std::ifstream in;
  if (!FileOpenIn(in, fileName)) return 0;
  SkipLine(in);
  int* w = Words(k);
  for (int i = 1; i <= 38; i++) {
    int t;
    if (in >> t) w[i] = t;
    SkipLine(in);
  }
  k->name[sizeof(k->name) - 1] = 0;
  IKmd2_Check(k);
  if (k->error != 0) {
    k->active = 0;
    return 0;
  }
  return k->active;
}
