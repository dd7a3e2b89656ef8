// Every name the game hands the file system passes the one conversion in shell/files.cpp: the game's
// sources are searched for file-system calls outside it and the saves' shell/file_save.cpp
// (comments and texts left out), and none may be found but the generated key-command loader's,
// whose fixed name its caller checks first.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "test_files.h"

namespace fs = std::filesystem;

namespace {

const char* const kGameFolders[] = {"shell",  "figures",   "ui",         "world",
                                    "render", "catalogue", "generators", "gm"};
const char* const kSeam[] = {"shell/files.cpp", "shell/file_save.cpp"};

// A file and a line text that may keep its call.
struct Allowed {
  const char* file;
  const char* text;
};
const Allowed kAllowed[] = {{"gm/res_a.h", "frs.open( sig1_LoadFileName.c_str() );"}};

// The code of a line without its comments, texts and characters; `block` carries a /* comment on.
std::string CodeOf(const std::string& line, bool* block) {
  std::string out;
  for (size_t i = 0; i < line.size(); i++) {
    if (*block) {
      if (line.compare(i, 2, "*/") == 0) {
        *block = false;
        i++;
      }
      continue;
    }
    if (line.compare(i, 2, "//") == 0) break;
    if (line.compare(i, 2, "/*") == 0) {
      *block = true;
      i++;
      continue;
    }
    if (line[i] == '"' || line[i] == '\'') {
      const char q = line[i];
      for (i++; i < line.size() && line[i] != q; i++)
        if (line[i] == '\\') i++;
      out += "\"\"";
      continue;
    }
    out += line[i];
  }
  return out;
}

TEST(FileSeam, NoGameSourceReachesTheFileSystemButThroughIt) {
  const std::regex calls(
      "(^|[^\\w.>])(std::|::)?(fopen|freopen|open|openat|creat|opendir|rename|renameat2?|remove|unlink|"
      "unlinkat|rmdir|mkdir|chdir|link|symlink|truncate|stat|lstat|access|realpath|readlink)\\s*\\(");
  const std::regex memberOpen("(\\.|->)open\\s*\\(");
  // A stream is opened by the seam (FileOpenIn): none is made with a name, none writes.
  const std::regex types(
      "std::(ofstream|fstream)\\b|std::ifstream\\s+\\w+\\s*[({]|std::filesystem|\\bfs::");
  std::vector<std::string> found;
  int files = 0;
  for (const char* folder : kGameFolders) {
    for (const auto& e : fs::recursive_directory_iterator(SourcePath(folder))) {
      const std::string ext = e.path().extension().string();
      if (ext != ".cpp" && ext != ".h" && ext != ".c") continue;
      const std::string rel = fs::relative(e.path(), TOLV_SOURCE_DIR).string();
      if (rel == kSeam[0] || rel == kSeam[1]) continue;
      files++;
      std::istringstream in(ReadAll(e.path()));
      std::string line;
      bool block = false;
      for (int n = 1; std::getline(in, line); n++) {
        const std::string code = CodeOf(line, &block);
        if (!std::regex_search(code, calls) && !std::regex_search(code, memberOpen) &&
            !std::regex_search(code, types))
          continue;
        bool allowed = false;
        for (const Allowed& a : kAllowed)
          allowed |= rel == a.file && line.find(a.text) != std::string::npos;
        if (!allowed) found.push_back(rel + ":" + std::to_string(n) + ": " + line);
      }
    }
  }
  EXPECT_GT(files, 100);  // the folders were there to search
  std::string list;
  for (const std::string& f : found) list += "\n  " + f;
  EXPECT_TRUE(found.empty()) << "file-system calls outside " << kSeam[0] << " and " << kSeam[1] << ":"
                             << list;
}

}  // namespace
