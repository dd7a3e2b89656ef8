// The guide to the tree names files and code a newcomer will look for, and says what the code does
// with them. Three checks keep it from misleading its next reader:
// - every path it gives and every name it puts in backticks is found in the sources, so a rename or
//   a move that leaves the guide behind fails here;
// - every name it places in a file ("`Name` (`file`)" and the other shapes of Pairs below) is
//   declared or defined in that file as Universal Ctags reads it: a call, an expression, a comment
//   or a string there is not enough;
// - its request tables: every setter and carrier lives in the layer its row names, and a row of the
//   table of requests that ask upward goes up the README's layer table, a row of the table of work
//   put off does not.
// The last two are functions of the guide's text, run on the guide and on copies of it made wrong
// on purpose, which they must refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "test_files.h"

namespace {

namespace fs = std::filesystem;

// The folders whose sources hold the names the guide may give (a name found only in the tests or
// the docs is not the program's); a path the guide gives begins with one of the tree's folders.
const char* const kSourceFolders[] = {"app",        "ui",        "gui",   "world", "catalogue",
                                      "render",     "figures",   "gm",    "shell", "platform",
                                      "generators", "uni_files", "tools", "bench"};
const std::set<std::string> kTreeFolders = {
    "app",      "ui",         "gui",       "world", "catalogue", "render", "figures", "gm",   "shell",
    "platform", "generators", "uni_files", "tests", "bench",     "tools",  "docs",    "Maps", "cmake"};

// Names that stand for a family (a capital X or NN stands for the member); files the game writes
// when it runs.
const std::set<std::string> kPatterns = {
    "P2_Sub_X", "Sub_X_now", "Sub_X_max", "Fgr_Sub_AddX", "Fgr_Sub_KickX", "fgrX",
    "prX",      "r_X",       "kX",        "gX",           "gsFileX",       "etpNN"};
const std::set<std::string> kWrittenFiles = {"uni_files/log.txt", "uni_files/res/o2o3.bin"};

bool IsIdentChar(char c) { return std::isalnum((unsigned char)c) || c == '_'; }

// Calls found(name, the character after it) for each identifier of the text; an escape such as
// "\nSaveEtapFail" names SaveEtapFail.
template <class Found>
void EachIdentifier(const std::string& text, Found found) {
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '\\') {
      i += 2;
    } else if (!IsIdentChar(text[i])) {
      i++;
    } else {
      size_t j = i;
      while (j < text.size() && IsIdentChar(text[j])) j++;
      if (!std::isdigit((unsigned char)text[i]))
        found(text.substr(i, j - i), j < text.size() ? text[j] : '\0');
      i = j;
    }
  }
}

TEST(Guide, EveryPathAndNameItGivesIsInTheTree) {
  std::unordered_set<std::string> ids;
  for (const char* folder : kSourceFolders)
    for (const auto& e : fs::recursive_directory_iterator(SourcePath(folder))) {
      const std::string ext = e.path().extension().string();
      if (e.is_regular_file() && (ext == ".h" || ext == ".cpp" || ext == ".c"))
        EachIdentifier(ReadAll(e.path()), [&](const std::string& id, char) { ids.insert(id); });
    }
  ASSERT_GT(ids.size(), 1000u);
  const std::string guide = ReadAll(SourcePath("docs/guide.md"));
  int line = 1, paths = 0, names = 0;
  bool inWords = false, inRow = false;  // in the table of words: a word met inside names (`Kno`)
  for (size_t i = 0; i < guide.size(); i++) {
    if (guide[i] == '\n') {
      line++;
      inRow = guide.compare(i + 1, 1, "|") == 0;
      if (guide.compare(i + 1, 3, "## ") == 0)
        inWords = guide.compare(i + 1, 25, "## The words of the names") == 0;
    }
    if (guide[i] != '`') continue;
    const size_t end = guide.find('`', i + 1);
    ASSERT_NE(end, std::string::npos) << "line " << line << ": an unclosed `";
    const std::string span = guide.substr(i + 1, end - i - 1);
    i = end;
    const size_t slash = span.find('/');
    if (slash != std::string::npos && kTreeFolders.count(span.substr(0, slash)) &&
        span.find(' ') == span.npos) {
      paths++;
      EXPECT_TRUE(kWrittenFiles.count(span) || fs::exists(SourcePath(span)))
          << "line " << line << ": " << span;
      continue;
    }
    EachIdentifier(span, [&](const std::string& id, char next) {
      if (kPatterns.count(id)) return;
      names++;
      const bool prefix = next == '*';  // `Etap_RequestLoad*`
      bool found = ids.count(id) > 0;
      for (auto it = ids.begin(); !found && (prefix || (inWords && inRow)) && it != ids.end(); ++it)
        found = prefix ? it->compare(0, id.size(), id) == 0 : it->find(id) != std::string::npos;
      EXPECT_TRUE(found) << "line " << line << ": " << id << " (in `" << span << "`)";
    });
  }
  // the guide still gives what it is for
  EXPECT_GT(paths, 80);
  EXPECT_GT(names, 300);
}

// ------------------------------------------------------------------ where a name is declared

// The names each C and C++ file of the tree declares or defines, by its path from the tree's top,
// as Universal Ctags reads them: functions and their prototypes, variables and their extern
// declarations, records, their members, enumerations and their enumerators, typedefs, namespaces
// and macros, each member and each name of a namespace also as Scope::Name. A name the file only
// uses, or only gives in a comment or a string, is none of them.
using Declared = std::map<std::string, std::set<std::string>>;

// What a shell command prints, its errors too; *ok whether it exited with 0.
std::string Output(const std::string& command, bool* ok) {
  std::string out;
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  *ok = p != nullptr;
  if (!p) return out;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  *ok = pclose(p) == 0;
  return out;
}

// Read once for the run; empty, and the running test failed, when ctags is missing or is another
// ctags, which knows none of these options.
const Declared& DeclaredInTree() {
  static const Declared declared = [] {
    Declared d;
    bool ok = false;
    const std::string version = Output("ctags --version", &ok);
    if (!ok || version.find("Universal Ctags") == std::string::npos) {
      ADD_FAILURE() << "the guide's check reads declarations with Universal Ctags (tools/deps.sh "
                       "installs universal-ctags); `ctags --version` says:\n"
                    << version;
      return d;
    }
    const std::string top = TOLV_SOURCE_DIR;
    std::string command = "cd '";
    for (char c : top) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command +=
        "' && ctags --options=NONE -R --languages=C,C++ --kinds-C=+px --kinds-C++=+px "
        "--extras=+q --excmd=number -f -";
    for (const std::string& folder : kTreeFolders)
      if (fs::is_directory(SourcePath(folder))) command += " " + folder;
    const std::string tags = Output(command, &ok);
    if (!ok) {
      ADD_FAILURE() << command << "\n" << tags;
      return d;
    }
    // name <tab> file <tab> line;" <tab> kind ...; ctags's notices (no options read from the
    // user's files: their kinds and fields are not this check's) have no tabs
    std::istringstream lines(tags);
    for (std::string line; std::getline(lines, line);) {
      const size_t name = line.find('\t'), file = line.find('\t', name + 1);
      if (file != std::string::npos && line.compare(0, 2, "!_") != 0)
        d[line.substr(name + 1, file - name - 1)].insert(line.substr(0, name));
    }
    return d;
  }();
  return declared;
}

// Whether the file's names hold the name as the guide writes it: `N`, a family `N*`, a call or an
// entry (`N(1)`, `N[K]`), `Scope::N` or `Rec.Field` (declared in its scope there, or each of its
// parts declared there: `Sides.SideTab` names a variable's field).
bool Lives(const std::set<std::string>& names, std::string name) {
  for (char open : {'(', '['}) name = name.substr(0, name.find(open));
  if (!name.empty() && name.back() == '*') {
    name.pop_back();
    const auto it = names.lower_bound(name);
    return it != names.end() && it->compare(0, name.size(), name) == 0;
  }
  std::string scoped;
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < name.size(); i++) {
    if (name[i] == '.' || name.compare(i, 2, "::") == 0) {
      i += name[i] == ':';
      scoped += "::";
      parts.emplace_back();
    } else {
      scoped += name[i];
      parts.back() += name[i];
    }
  }
  if (names.count(scoped)) return true;
  return parts.size() > 1 && std::all_of(parts.begin(), parts.end(),
                                         [&](const std::string& p) { return names.count(p) > 0; });
}

// ------------------------------------------------------------------ the guide's names and files

struct Span {
  std::string text;
  size_t open, close;  // where its backticks stand
};

std::vector<Span> Spans(const std::string& md) {
  std::vector<Span> spans;
  for (size_t i = md.find('`'); i != std::string::npos; i = md.find('`', i + 1)) {
    const size_t close = md.find('`', i + 1);
    if (close == std::string::npos) break;
    spans.push_back({md.substr(i + 1, close - i - 1), i, close});
    i = close;
  }
  return spans;
}

bool IsSourcePath(const std::string& s) {
  const size_t slash = s.find('/');
  if (slash == std::string::npos || !kTreeFolders.count(s.substr(0, slash)) || s.find(' ') != s.npos)
    return false;
  for (const char* ext : {".h", ".cpp", ".c"}) {
    const std::string e = ext;
    if (s.size() > e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0) return true;
  }
  return false;
}

bool IsCodeName(const std::string& s) {
  static const std::regex kName(R"([A-Za-z_]\w*((::|\.)[A-Za-z_]\w*)*(\*|\([^)]*\)|\[[^\]]*\])?)");
  return std::regex_match(s, kName);
}

struct Pair {
  std::string name, file;
  size_t at;  // where the name stands in the text
};

// Whether the text at `at` stands in the table of records, whose lists give the header of their
// last record only ("`Dlg`, `Msgs` (`shell/msgbase.h`)": the others' headers go by their names).
bool InRecordsTable(const std::string& md, size_t at) {
  size_t line = md.rfind('\n', at);
  line = line == std::string::npos ? 0 : line + 1;
  if (md.compare(line, 1, "|") != 0) return false;
  while (line > 0) {  // back to the table's first line
    const size_t prev = md.rfind('\n', line - 2);
    const size_t from = prev == std::string::npos ? 0 : prev + 1;
    if (md.compare(from, 1, "|") != 0) break;
    line = from;
  }
  static const std::string kHead = "| layer | records (header";
  return md.compare(line, kHead.size(), kHead) == 0;
}

// The text with each run of white space, line breaks among it, read as one space: a placement
// wrapped across lines ("`Name`\n   (`file`") reads as it would on one line.
std::string Folded(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); i++) {
    if (!std::isspace((unsigned char)text[i])) out += text[i];
    else if (i == 0 || !std::isspace((unsigned char)text[i - 1])) out += ' ';
  }
  return out;
}

// The names the text places in source files:
//   `Name` (`file`   and   (`Name`, `file`      the name, then its file
//   `A`, `B` and `C` (`file`   all of the list in the file (not in the table of records)
//   `A`, `B` in `file`   and   `A` and `B` in `file`
//   `file` (`A`, `B`)                               the file, then names of it
std::vector<Pair> Pairs(const std::string& md) {
  const std::vector<Span> s = Spans(md);
  auto gap = [&](size_t k) { return Folded(md.substr(s[k].close + 1, s[k + 1].open - s[k].close - 1)); };
  // The names of a list that ends at s[k], each pushed with the file.
  auto list = [&](size_t k, const std::string& file, std::vector<Pair>* out) {
    for (size_t j = k; j > 0 && IsCodeName(s[j - 1].text);) {
      const std::string g = gap(--j);
      if (g != ", " && g != " and " && g != ", and ") break;
      out->push_back({s[j].text, file, s[j].open});
    }
  };
  std::vector<Pair> pairs;
  for (size_t k = 0; k + 1 < s.size(); k++) {
    const std::string g = gap(k);
    if (IsCodeName(s[k].text) && IsSourcePath(s[k + 1].text)) {
      if (g == " (" || g == ", " || g == " in ") pairs.push_back({s[k].text, s[k + 1].text, s[k].open});
      if (g == " in " || (g == " (" && !InRecordsTable(md, s[k].open))) list(k, s[k + 1].text, &pairs);
    } else if (IsSourcePath(s[k].text) && g == " (") {
      for (size_t j = k + 1; j < s.size() && IsCodeName(s[j].text); j++) {
        if (j + 1 < s.size() && gap(j) == ", " && IsSourcePath(s[j + 1].text)) break;  // its own
        pairs.push_back({s[j].text, s[k].text, s[j].open});
        if (j + 1 >= s.size() || gap(j) != ", ") break;
      }
    }
  }
  // In the order of the text: a row's carrier is the first name of its cell.
  std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.at < b.at; });
  return pairs;
}

int LineAt(const std::string& md, size_t at) {
  int line = 1;
  for (size_t i = 0; i < at && i < md.size(); i++) line += md[i] == '\n';
  return line;
}

std::string Where(const std::string& md, const Pair& p) {
  return "docs/guide.md line " + std::to_string(LineAt(md, p.at)) + ": `" + p.name + "` (`" + p.file +
         "`)";
}

// What the text says wrong of where its names live, a line each; the number of pairs read.
std::string CheckPairs(const std::string& md, int* read = nullptr) {
  std::string wrong;
  const std::vector<Pair> pairs = Pairs(md);
  const Declared& declared = DeclaredInTree();
  for (const Pair& p : pairs) {
    const auto names = declared.find(p.file);
    if (!fs::is_regular_file(SourcePath(p.file))) wrong += Where(md, p) + ": no such file\n";
    else if (names == declared.end() || !Lives(names->second, p.name))
      wrong += Where(md, p) + ": not declared or defined in " + p.file + "\n";
  }
  if (read) *read = (int)pairs.size();
  return wrong;
}

// ------------------------------------------------------------------ the layers and the requests

// The README's layer table ("| layer | folders |"), highest first: each layer's rank (the higher,
// the larger; side by side, the same) and the layer of each folder. A layer goes by its library's
// name without "tolv_".
struct Layering {
  std::map<std::string, int> rank;
  std::map<std::string, std::string> ofFolder;

  std::string Of(const std::string& file) const {
    auto it = ofFolder.find(file.substr(0, file.find('/')));
    return it == ofFolder.end() ? "?" : it->second;
  }
};

Layering ReadLayers(const std::string& readme) {
  Layering l;
  size_t at = readme.find("\n| layer | folders |");
  if (at == std::string::npos) return l;
  at = readme.find('\n', readme.find('\n', at + 1) + 1);  // past the header and its rule
  std::vector<std::vector<std::string>> rows;
  for (; at != std::string::npos && readme.compare(at + 1, 1, "|") == 0;
       at = readme.find('\n', at + 1)) {
    const std::string row = readme.substr(at + 1, readme.find('\n', at + 1) - at - 1);
    const size_t split = row.find('|', 1);
    const std::string libs = row.substr(1, split - 1), folders = row.substr(split + 1);
    std::vector<std::string> names;
    static const std::regex kLib("`tolv_(\\w+)`"), kFolder("`(\\w+)/`");
    for (std::sregex_iterator m(libs.begin(), libs.end(), kLib), end; m != end; ++m)
      names.push_back((*m)[1]);
    size_t group = 0;
    for (size_t from = 0; from <= folders.size(); group++) {
      size_t semi = folders.find(';', from);
      if (semi == std::string::npos) semi = folders.size();
      const std::string part = folders.substr(from, semi - from);
      for (std::sregex_iterator m(part.begin(), part.end(), kFolder), end; m != end; ++m)
        if (!names.empty()) l.ofFolder[(*m)[1]] = names[std::min(group, names.size() - 1)];
      from = semi + 1;
    }
    rows.push_back(names);
  }
  for (size_t r = 0; r < rows.size(); r++)
    for (const std::string& name : rows[r]) l.rank[name] = (int)(rows.size() - r);
  return l;
}

const char* const kAskHeading = "### Asking upward";
const char* const kPutOffHeading = "### Putting off";

// The cells of a table row, split at the bars outside backticks.
std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells(1);
  bool code = false;
  for (char c : row) {
    if (c == '`') code = !code;
    if (c == '|' && !code) cells.emplace_back();
    else cells.back() += c;
  }
  return cells;
}

struct Labelled {
  std::string layer;
  std::vector<Pair> pairs;
};

// A cell's parts, each opened by its layer in bold ("**world**: ..."), with the names it places.
std::vector<Labelled> Labels(const std::string& cell) {
  static const std::regex kLabel(R"(\*\*(\w+)\*\*:)");
  std::vector<Labelled> parts;
  std::vector<size_t> starts;
  for (std::sregex_iterator m(cell.begin(), cell.end(), kLabel), end; m != end; ++m) {
    parts.push_back({(*m)[1], {}});
    starts.push_back((size_t)m->position());
  }
  starts.push_back(cell.size());
  for (size_t i = 0; i < parts.size(); i++)
    parts[i].pairs = Pairs(cell.substr(starts[i], starts[i + 1] - starts[i]));
  return parts;
}

// What the request tables say wrong of their layers and directions, a line each; the rows read by
// direction.
std::string CheckRequests(const std::string& md, const Layering& layers, int* asking = nullptr,
                          int* puttingOff = nullptr) {
  std::string wrong;
  int rows[2] = {0, 0};
  int direction = -1;  // 0 asks upward, 1 puts off; -1 outside both tables
  int line = 0;
  for (size_t at = 0; at < md.size();) {
    size_t end = md.find('\n', at);
    if (end == std::string::npos) end = md.size();
    const std::string text = md.substr(at, end - at);
    at = end + 1;
    line++;
    if (text.compare(0, 3, "## ") == 0) direction = -1;
    if (text.compare(0, 4, "### ") == 0)
      direction = text.rfind(kAskHeading, 0) == 0 ? 0 : text.rfind(kPutOffHeading, 0) == 0 ? 1 : -1;
    if (direction < 0 || text.compare(0, 3, "| `") != 0) continue;
    rows[direction]++;
    const std::vector<std::string> cells = Cells(text);
    const std::vector<Span> word = Spans(cells.size() > 1 ? cells[1] : text);
    const std::string row = "docs/guide.md line " + std::to_string(line) + " (`" +
                            (word.empty() ? text : word[0].text) + "`): ";
    if (cells.size() < 5) {
      wrong += row + "a request row needs four cells\n";
      continue;
    }
    // Every setter lives in the layer its part names; the carrier is the first name of its cell.
    auto layerOf = [&](const Labelled& part, const Pair& p) {
      const std::string is = layers.Of(p.file);
      if (!layers.rank.count(part.layer))
        wrong += row + "**" + part.layer + "** is no layer of the README's table\n";
      else if (is != part.layer)
        wrong += row + "`" + p.name + "` (`" + p.file + "`) is in " + is + ", the row says " +
                 part.layer + "\n";
      return is;
    };
    const std::vector<Labelled> setters = Labels(cells[2]), carrier = Labels(cells[3]);
    if (setters.empty()) wrong += row + "the setters are given without their layer\n";
    if (carrier.size() != 1 || carrier[0].pairs.empty()) {
      wrong += row + "one carrier with its layer and its file\n";
      continue;
    }
    const Pair& c = carrier[0].pairs[0];
    const std::string carrierLayer = layerOf(carrier[0], c);
    for (const Labelled& part : setters) {
      if (part.pairs.empty())
        wrong += row + "**" + part.layer + "**: a setter is given without its file\n";
      for (const Pair& p : part.pairs) {
        const std::string setterLayer = layerOf(part, p);
        if (!layers.rank.count(setterLayer) || !layers.rank.count(carrierLayer)) continue;
        const bool up = layers.rank.at(setterLayer) < layers.rank.at(carrierLayer);
        if (up != (direction == 0))
          wrong += row + "`" + p.name + "` (" + setterLayer + ") and its carrier `" + c.name + "` (" +
                   carrierLayer + ") " + (up ? "ask upward" : "do not ask upward") +
                   ", but the row stands in the table of " +
                   (direction == 0 ? "requests that ask upward" : "work put off") + "\n";
      }
    }
  }
  if (asking) *asking = rows[0];
  if (puttingOff) *puttingOff = rows[1];
  return wrong;
}

// ------------------------------------------------------------------ the tests

// The text with its one `from` replaced.
std::string With(const std::string& text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from;
  return at == std::string::npos ? text : text.substr(0, at) + to + text.substr(at + from.size());
}

// The text with the table row that begins with `row` moved to the first row of the table under the
// heading.
std::string Moved(const std::string& text, const std::string& row, const std::string& heading) {
  const size_t at = text.find("\n" + row);
  EXPECT_NE(at, std::string::npos) << row;
  if (at == std::string::npos) return text;
  const size_t end = text.find('\n', at + 1);
  const std::string line = text.substr(at + 1, end - at);
  std::string out = text.substr(0, at + 1) + text.substr(end + 1);
  const size_t rule = out.find("|---", out.find(heading));
  EXPECT_NE(rule, std::string::npos) << heading;
  const size_t after = out.find('\n', rule) + 1;
  return out.substr(0, after) + line + out.substr(after);
}

TEST(Guide, EachNameItPlacesInAFileIsDeclaredOrDefinedThere) {
  ASSERT_FALSE(DeclaredInTree().empty());
  const std::string guide = ReadAll(SourcePath("docs/guide.md"));
  int read = 0;
  EXPECT_EQ(CheckPairs(guide, &read), "");
  EXPECT_GT(read, 140);

  // Copies that place a name where it is not declared, each refused with the pair and the file.
  struct Case {
    const char *from, *to, *expect;
  } cases[] = {
      // another file of the same walk
      {"`Sel_OrderMoveTo` (`world/movement.cpp`)", "`Sel_OrderMoveTo` (`world/paths.cpp`)",
       "`Sel_OrderMoveTo` (`world/paths.cpp`): not declared"},
      // a file that calls it
      {"`Sel_OrderMoveTo` (`world/movement.cpp`)", "`Sel_OrderMoveTo` (`app/field_mouse.cpp`)",
       "`Sel_OrderMoveTo` (`app/field_mouse.cpp`): not declared"},
      // a field the file only sets: its record is defined there, the field declared in the header
      {"`Konfig.gKonfigAsk` (`shell/konfig.h`)", "`Konfig.gKonfigAsk` (`shell/konfig.cpp`)",
       "`Konfig.gKonfigAsk` (`shell/konfig.cpp`): not declared"},
      // the other shapes of a pair
      {"(`PickFgrAtCursor`, `world/selection.cpp`", "(`PickFgrAtCursor`, `world/movement.cpp`",
       "`PickFgrAtCursor` (`world/movement.cpp`): not declared"},
      {"`GuiListPool`, `GuiHolderPool` in `gui/gui_list.cpp`",
       "`GuiListPool`, `GuiHolderPool` in `gui/gui.cpp`", "`GuiListPool` (`gui/gui.cpp`): not declared"},
      {"`figures/side.h` (`Sides.SideTab`, `Sides.PlayerSide`, `Side_Rec`,",
       "`figures/side.h` (`Sides.SideTab`, `Sides.PlayerSide`, `Side_Rec`, `Land`,",
       "`Land` (`figures/side.h`): not declared"},
      // a list before its file: each of its names, not only the last
      {"`IntInput_Click`", "`Trig_ShowMessage`",
       "`Trig_ShowMessage` (`gui/value_input.cpp`): not declared"},
      // names the file only uses in expressions that read as declarations: `col * N,`, `a.b & N)`
      {"## The words of the names",
       "`kLandChunkSide` (`render/land_chunks.cpp`)\n\n## The words of the names",
       "`kLandChunkSide` (`render/land_chunks.cpp`): not declared"},
      {"## The words of the names", "`S_IFMT` (`shell/file_save.cpp`)\n\n## The words of the names",
       "`S_IFMT` (`shell/file_save.cpp`): not declared"},
      // a name only a comment there gives, and one only a string gives
      {"## The words of the names", "`RangPanelReq` (`ui/play_buttons.h`)\n\n## The words of the names",
       "`RangPanelReq` (`ui/play_buttons.h`): not declared"},
      {"## The words of the names",
       "`SaveEtapFail` (`figures/stage_save.cpp`)\n\n## The words of the names",
       "`SaveEtapFail` (`figures/stage_save.cpp`): not declared"},
      {"`Sel_OrderMoveTo` (`world/movement.cpp`)", "`Sel_OrderMoveTo` (`world/moves.cpp`)",
       "`Sel_OrderMoveTo` (`world/moves.cpp`): no such file"},
      // a placement wrapped across a line break, its file on the next line
      {"`GameFrame`\n   (`app/play_frame.cpp`)", "`GameFrame`\n   (`app/frame_steps.cpp`)",
       "`GameFrame` (`app/frame_steps.cpp`): not declared"},
  };
  for (const Case& c : cases) {
    const std::string wrong = CheckPairs(With(guide, c.from, c.to));
    EXPECT_NE(wrong.find(c.expect), std::string::npos) << c.to << "\n" << wrong;
  }
}

TEST(Guide, EachRequestRowGoesTheWayItsTableSays) {
  const Layering layers = ReadLayers(ReadAll(SourcePath("README.md")));
  ASSERT_EQ(layers.rank.size(), 9u);
  EXPECT_GT(layers.rank.at("app"), layers.rank.at("ui"));
  EXPECT_EQ(layers.rank.at("gui"), layers.rank.at("world"));
  EXPECT_EQ(layers.Of("catalogue/kombi.cpp"), "world");
  EXPECT_EQ(layers.Of("shell/files.cpp"), "base");
  const std::string guide = ReadAll(SourcePath("docs/guide.md"));
  int asking = 0, puttingOff = 0;
  EXPECT_EQ(CheckRequests(guide, layers, &asking, &puttingOff), "");
  EXPECT_GE(asking, 5);
  EXPECT_GE(puttingOff, 6);

  struct Case {
    std::string guide, expect;
  } cases[] = {
      // the interface's save button above the world that saves, said to ask upward
      {Moved(guide, "| `StageReq.EtapSaveReq`", kAskHeading),
       "`Etap_RequestSaveTest2` (ui) and its carrier `Etap_ProcRequests` (world) do not ask upward"},
      // the world's trigger below the application, said to put off
      {Moved(guide, "| `CodeWin.CodeWinMsgReq`", kPutOffHeading),
       "`Trig_ShowMessage` (world) and its carrier `Requests_CarryOut` (app) ask upward"},
      // a setter said to be of another layer than its file's
      {With(guide, "**world**: a land import", "**figures**: a land import"),
       "`Land_ImportKmAndPlay` (`world/land_import.cpp`) is in world, the row says figures"},
      // a carrier said to be of another layer than its file's
      {With(guide, "**ui**: `RangPanel_ApplyReq`", "**app**: `RangPanel_ApplyReq`"),
       "`RangPanel_ApplyReq` (`ui/play_buttons.cpp`) is in ui, the row says app"},
      // a setter without its file, and a layer the README does not have
      {With(guide, "`Etap_RequestSaveTest2` (`ui/stage_buttons.cpp`)", "`Etap_RequestSaveTest2`"),
       "**ui**: a setter is given without its file"},
      {With(guide, "**gui**: the screenshot key", "**toolkit**: the screenshot key"),
       "**toolkit** is no layer of the README's table"},
  };
  for (const Case& c : cases) {
    const std::string wrong = CheckRequests(c.guide, layers);
    EXPECT_NE(wrong.find(c.expect), std::string::npos) << c.expect << "\n" << wrong;
  }
}

}  // namespace
