// Property presets: the step every applied preset ends with and the reader of the text presets.
// PropsFill (gm/fa_proc.h) dispatches a preset id to a code preset (presets_code.cpp) or to
// PropsReadTxt; a preset that fails frees the figure's slot unless the caller asks otherwise.
#pragma once

class Fgr;

constexpr int kFgrKnoMax = 18;  // a figure carries at most 18 control-panel buttons

// Runs after every preset that answered non-zero: clamps Sub_Kno_max to kFgrKnoMax.
void PropsFill_FinTram(int propsIndex, Fgr* pF, int re);

// Fills the figure from the text preset "uni_files/res/" + fileName. Records are three lines: a line
// opening with "//==", a property name, its value. 1 when the file was read (records naming no
// property, read-only properties, values out of range or out of the property's clamp are skipped with
// a log line); 0 for a null figure or name, a name of 4 bytes or fewer (no log line), a name over
// kTxtNameMax bytes, a missing file, a file over kTxtFileMax bytes or a failed read (log line; the
// figure is left as it was).
int PropsReadTxt(const char* fileName, Fgr* pF);

constexpr int kTxtNameMax = 113;        // the prefix and the name fit a 128-byte path
constexpr long kTxtFileMax = 1L << 20;  // no preset comes near a megabyte
constexpr int kTxtLogMax = 20;          // log lines per file; the rest are counted in one line
