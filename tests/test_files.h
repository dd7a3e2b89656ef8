// Files for the tests: whole files read and written as bytes, and names of the running test's own.
// CTest runs the tests of one executable side by side in one working folder, so every file a test
// writes carries its test's name (or lies in its test's folder).
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The whole file; empty when it does not open.
inline std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The whole file as a vector of bytes (uint8_t or char).
template <class Byte = uint8_t>
std::vector<Byte> ReadBytes(const std::filesystem::path& p) {
  static_assert(sizeof(Byte) == 1, "a byte");
  std::string s = ReadAll(p);
  return std::vector<Byte>(s.begin(), s.end());
}

// Writes the whole file (its folder made first); false when it could not be written.
inline bool WriteAll(const std::filesystem::path& p, std::string_view bytes) {
  std::error_code ec;
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// The first n bytes (all by default) of any block of bytes: std::string, vector<char>, vector<uint8_t>.
template <class Bytes>
bool WriteBytes(const std::filesystem::path& p, const Bytes& b, size_t n = SIZE_MAX) {
  static_assert(sizeof(*std::data(b)) == 1, "a block of bytes");
  if (n > std::size(b)) n = std::size(b);
  return WriteAll(p, std::string_view(reinterpret_cast<const char*>(std::data(b)), n));
}

// How often the piece stands in the text (overlaps counted).
inline int CountOf(const std::string& text, const std::string& piece) {
  int n = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) n++;
  return n;
}

// The text with every line feed made CR LF, as a file written on Windows has it.
inline std::string CrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// A file of the source tree.
inline std::string SourcePath(const std::string& rel) {
  return std::string(TOLV_SOURCE_DIR) + "/" + rel;
}

// The data the program ships (uni_files/ and the about text) copied into dir, without what an
// earlier run left in the source tree.
inline void CopyShippedData(const std::filesystem::path& dir) {
  namespace fs = std::filesystem;
  const fs::path src = TOLV_SOURCE_DIR;
  fs::copy(src / "uni_files", dir / "uni_files",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::copy_file(src / "_about_.txt", dir / "_about_.txt", fs::copy_options::overwrite_existing);
  fs::copy(src / "Maps", dir / "Maps",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::remove(dir / "uni_files" / "log.txt");
  fs::remove(dir / "uni_files" / "test_paint.txt");
  fs::remove(dir / "uni_files" / "res" /
             "o2o3.bin");  // a play run's named variables (English texts ...)
}

// "Suite.Test" of the running test ("/" of parameterised names becomes "_").
inline std::string TestName() {
  const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = t ? std::string(t->test_suite_name()) + "." + t->name() : "no_test";
  for (char& c : name)
    if (c == '/') c = '_';
  return name;
}

// A file name of the running test's own: "Suite.Test_" + what.
inline std::string TestFileName(const std::string& what) { return TestName() + "_" + what; }

// The running test's own folder below the working folder, prefix + its name, made empty.
inline std::filesystem::path TestScratchDir(const std::string& prefix) {
  std::filesystem::path dir = std::filesystem::current_path() / (prefix + TestName());
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  std::filesystem::create_directories(dir);
  return dir;
}

// Every name under folder (relative to it): a plain file as fileEntry gives it, a link's target, the
// kind and mode of anything else.
template <class FileEntry>
std::map<std::string, std::string> FolderTree(const std::filesystem::path& folder, FileEntry fileEntry) {
  std::map<std::string, std::string> out;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string rel = e.path().lexically_relative(folder).string();
    struct stat st;
    if (lstat(e.path().c_str(), &st) != 0) continue;
    const std::string mode = std::to_string(st.st_mode & 07777);
    if (S_ISREG(st.st_mode)) out[rel] = fileEntry(e.path(), st);
    else if (S_ISLNK(st.st_mode)) out[rel] = "-> " + std::filesystem::read_symlink(e.path()).string();
    else if (S_ISDIR(st.st_mode)) out[rel] = "folder " + mode;
    else if (S_ISFIFO(st.st_mode)) out[rel] = "pipe";
    else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) out[rel] = "device";
    else out[rel] = S_ISSOCK(st.st_mode) ? "socket" : "other";
  }
  return out;
}
