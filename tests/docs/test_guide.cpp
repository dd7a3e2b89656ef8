// The guide to the tree names files and code a newcomer will look for: every path it gives and
// every name it puts in backticks must still be found in the sources, so a rename or a move that
// leaves the guide behind fails here instead of misleading its next reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <unordered_set>

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

}  // namespace
