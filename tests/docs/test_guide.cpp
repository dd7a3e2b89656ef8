// The guide to the tree names files and code a newcomer will look for: every path it gives and
// every name it puts in backticks must still be found in the sources, so a rename or a move that
// leaves the guide behind fails here instead of misleading its next reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "test_files.h"

namespace {

namespace fs = std::filesystem;

// The folders whose sources hold the names the guide may give (its own tests and docs do not
// count: a name found only there is not the program's).
const char* const kSourceFolders[] = {"app",        "ui",        "gui",   "world", "catalogue",
                                      "render",     "figures",   "gm",    "shell", "platform",
                                      "generators", "uni_files", "tools", "bench"};

// The first segment of a path the guide gives.
const std::set<std::string> kTreeFolders = {
    "app",      "ui",         "gui",       "world", "catalogue", "render", "figures", "gm",   "shell",
    "platform", "generators", "uni_files", "tests", "bench",     "tools",  "docs",    "Maps", "cmake"};

// Names that stand for a family, not for one name of the code (a capital X or the like stands for
// the member); files the game writes when it runs.
const std::set<std::string> kPatterns = {
    "P2_Sub_X", "Sub_X_now", "Sub_X_max", "Fgr_Sub_AddX", "Fgr_Sub_KickX", "fgrX",
    "prX",      "r_X",       "kX",        "gX",           "gsFileX",       "etpNN"};
const std::set<std::string> kWrittenFiles = {"uni_files/log.txt", "uni_files/res/o2o3.bin"};

bool IsIdentStart(char c) { return std::isalpha((unsigned char)c) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum((unsigned char)c) || c == '_'; }

// Every identifier of the sources, comments and texts included.
std::unordered_set<std::string> SourceIdentifiers() {
  std::unordered_set<std::string> ids;
  for (const char* folder : kSourceFolders) {
    const fs::path root = fs::path(TOLV_SOURCE_DIR) / folder;
    if (!fs::exists(root)) continue;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
      const std::string ext = e.path().extension().string();
      if (!e.is_regular_file() || (ext != ".h" && ext != ".cpp" && ext != ".c")) continue;
      const std::string text = ReadAll(e.path());
      for (size_t i = 0; i < text.size();) {
        if (text[i] == '\\') {  // an escape: "\nSaveEtapFail" names SaveEtapFail
          i += 2;
          continue;
        }
        if (!IsIdentStart(text[i])) {
          i++;
          continue;
        }
        size_t j = i;
        while (j < text.size() && IsIdentChar(text[j])) j++;
        ids.insert(text.substr(i, j - i));
        i = j;
      }
    }
  }
  return ids;
}

const std::string kWordsHead = "## The words of the names";

struct Span {
  std::string text;
  int line;
  bool inWords;  // in the table of words: a word met inside names (`Kno`, `UseGun`)
};

// The backticked spans of the guide, with their line numbers.
std::vector<Span> GuideSpans(const std::string& guide) {
  std::vector<Span> spans;
  int line = 1;
  size_t lineStart = 0;
  bool inWords = false;
  for (size_t i = 0; i < guide.size(); i++) {
    if (guide[i] == '\n') {
      line++;
      lineStart = i + 1;
      if (guide.compare(lineStart, 3, "## ") == 0)
        inWords = guide.compare(lineStart, kWordsHead.size(), kWordsHead) == 0;
      continue;
    }
    if (guide[i] != '`') continue;
    const size_t end = guide.find('`', i + 1);
    if (end == std::string::npos) break;
    spans.push_back({guide.substr(i + 1, end - i - 1), line, inWords && guide[lineStart] == '|'});
    i = end;
  }
  return spans;
}

bool IsPath(const std::string& s) {
  const size_t slash = s.find('/');
  return slash != std::string::npos && kTreeFolders.count(s.substr(0, slash)) &&
         s.find(' ') == std::string::npos;
}

TEST(Guide, EveryPathAndNameItGivesIsInTheTree) {
  const std::string guide = ReadAll(SourcePath("docs/guide.md"));
  ASSERT_FALSE(guide.empty());
  const std::unordered_set<std::string> ids = SourceIdentifiers();
  ASSERT_GT(ids.size(), 1000u);
  int paths = 0, names = 0;
  for (const Span& sp : GuideSpans(guide)) {
    if (IsPath(sp.text)) {
      paths++;
      if (kWrittenFiles.count(sp.text)) continue;
      EXPECT_TRUE(fs::exists(SourcePath(sp.text))) << "line " << sp.line << ": " << sp.text;
      continue;
    }
    const std::string& t = sp.text;
    for (size_t i = 0; i < t.size();) {
      if (!IsIdentStart(t[i]) || (i > 0 && IsIdentChar(t[i - 1]))) {
        i++;
        continue;
      }
      size_t j = i;
      while (j < t.size() && IsIdentChar(t[j])) j++;
      const std::string id = t.substr(i, j - i);
      const bool prefix = j < t.size() && t[j] == '*';
      i = j;
      if (kPatterns.count(id)) continue;
      names++;
      bool found = ids.count(id) > 0;
      for (auto it = ids.begin(); !found && (prefix || sp.inWords) && it != ids.end(); ++it)
        found = prefix ? it->compare(0, id.size(), id) == 0 : it->find(id) != std::string::npos;
      EXPECT_TRUE(found) << "line " << sp.line << ": " << id << " (in `" << t << "`)";
    }
  }
  // the guide still gives what it is for
  EXPECT_GT(paths, 80);
  EXPECT_GT(names, 300);
}

}  // namespace
