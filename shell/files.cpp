// Files and directories over stdio, std::filesystem and POSIX. A backup is made before any old file
// is given up, and a failed open puts the old file back, so a refused write never loses data.
#include "shell/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/platform.h"
#include "shell/binfile.h"
#include "shell/clock.h"
#include "shell/log.h"

namespace fs = std::filesystem;

std::string gsFileZaglav = "zaglav.bin";
FILE* (*gFileOpenBak_Open)(const char* path, const char* mode) = std::fopen;
DirStack gDirStack = {nullptr, 0, 0};

namespace {

struct DirStackOwner {
  DirStackOwner() { DirStack_Init(&gDirStack, 8); }
  ~DirStackOwner() { DirStack_Release(&gDirStack); }
} dirStackOwner;

// The most one whole-file read takes: the size word of a byte buffer.
constexpr long kFileWholeMax = static_cast<long>(UINT32_MAX);

// Paths below are the file system's own (converted by the caller).

// Looked at before the open too: opening a pipe would wait for a writer.
FILE* OpenRegular(const std::string& fsPath) {
  struct stat st;
  if (stat(fsPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
  FILE* f = std::fopen(fsPath.c_str(), "rb");
  if (f && (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode))) {
    std::fclose(f);
    return nullptr;
  }
  return f;
}

bool FileOpens(const std::string& path) {
  FILE* f = OpenRegular(path);
  if (!f) return false;
  std::fclose(f);
  return true;
}

const char* OpenMode(short mode) {
  if (mode == 1) return "w+b";
  if (mode == 2) return "a+b";
  return "wb";
}

bool PathExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

char* Slot(DirStack* s, int i) { return s->slots + static_cast<size_t>(i) * kDirSlot; }

}  // namespace

std::string FsPath(const std::string& path) {
  std::string out(path.size() * 3 + 1, '\0');  // a Windows-1251 byte is at most 3 UTF-8 bytes
  out.resize((size_t)Plat_1251ToUtf8(path.c_str(), out.data(), (int)out.size()));
  return out;
}

FILE* FileOpen(const std::string& path, const char* mode) {
  return std::fopen(FsPath(path).c_str(), mode);
}

FILE* FileOpenBak(std::string& name, const std::string& ext, short policy, short mode) {
  if (name.empty()) return nullptr;
  if (!ext.empty()) name += ext;
  const char* how = OpenMode(mode);
  const std::string path = FsPath(name);
  if (!FileOpens(path)) return gFileOpenBak_Open(path.c_str(), how);

  const std::string bak = path + "_bak";
  if (policy == 3) {
    std::error_code ec;
    fs::copy_file(path, bak, fs::copy_options::overwrite_existing, ec);
    if (ec) return nullptr;
    return gFileOpenBak_Open(path.c_str(), "r+b");
  }
  if (policy == 2) {
    if (PathExists(bak) && std::remove(bak.c_str()) != 0) return nullptr;
    if (std::rename(path.c_str(), bak.c_str()) != 0) return nullptr;
    FILE* f = gFileOpenBak_Open(path.c_str(), how);
    if (!f) std::rename(bak.c_str(), path.c_str());  // no new file: the old one stays in place
    return f;
  }
  if (policy == 1) {
    // The new file is opened beside the old one and moved over it, so a failed open keeps the old.
    const std::string fresh = path + "_new";
    FILE* f = gFileOpenBak_Open(fresh.c_str(), how);
    if (!f) return nullptr;
    if (std::rename(fresh.c_str(), path.c_str()) != 0) {
      std::fclose(f);
      std::remove(fresh.c_str());
      return nullptr;
    }
    return f;
  }
  if (mode != 2) return nullptr;
  return gFileOpenBak_Open(path.c_str(), how);
}

int FileIsRegular(const std::string& path) {
  struct stat st;
  return stat(FsPath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode) ? 1 : 0;
}

FILE* FileOpenRead(const std::string& path) { return OpenRegular(FsPath(path)); }

int FileOpenIn(std::ifstream& in, const std::string& path, std::ios::openmode mode) {
  if (in.is_open()) in.close();
  in.clear();
  if (!FileIsRegular(path)) return 0;
  in.open(FsPath(path), mode);
  return in.is_open() ? 1 : 0;
}

int FileReadWhole(ByteBuf* b, const std::string& path, long maxBytes, long expected) {
  if (b->data || b->pos != 0) return 0;
  FILE* f = FileOpenRead(path);
  if (!f) return 0;
  long size = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
  std::rewind(f);
  long cap = maxBytes < kFileWholeMax ? maxBytes : kFileWholeMax;
  int ok = 0;
  if (size == 0) {
    // an empty file reads as nothing, without a word
  } else if (size < 0 || size > cap) {
    LogInfo("\nerr: FileReadWhole %s (%ld bytes, at most %ld)", path.c_str(), size, cap);
  } else if (expected > 0 && size != expected) {
    LogInfo("\nerr: FileReadWhole %s (%ld bytes, %ld expected)", path.c_str(), size, expected);
  } else if (ByteBuf_Alloc(b, static_cast<uint32_t>(size), 1)) {
    size_t got = std::fread(b->data, 1, static_cast<size_t>(size), f);
    ok = got == static_cast<size_t>(size);
    if (!ok) {
      ByteBuf_Free(b);
      LogInfo("\nerr: FileReadWhole %s (short read %zu of %ld)", path.c_str(), got, size);
    }
  }
  std::fclose(f);
  return ok;
}

int FileReadAll(ByteBuf* b, std::string& name, const std::string& suffix, const std::string& ext,
                int expected) {
  if (b->data || b->pos != 0 || name.empty()) return 0;
  if (!suffix.empty()) name += suffix;
  if (ext.size() > 4) return 0;
  return FileReadWhole(b, name, kFileWholeMax, expected);
}

int ByteBuf_SaveFile(ByteBuf* b, std::string name, short policy, int n, int fromStart) {
  if (!b->data) return 0;
  FILE* f = FileOpenBak(name, "", policy, 0);
  if (!f) return 0;
  uint32_t start = fromStart ? 0 : b->pos;
  uint32_t count = 0;
  if (start < b->size) {
    count = b->size - start;
    if (n >= 1 && b->pos <= b->size && b->size - b->pos >= static_cast<uint32_t>(n) &&
        static_cast<uint32_t>(n) <= count)
      count = static_cast<uint32_t>(n);
  }
  size_t done = count ? std::fwrite(b->data + start, 1, count, f) : 0;
  std::fclose(f);
  return static_cast<int>(done);
}

int SkipLine(std::istream& in) {
  if (!in) return 0;
  for (;;) {
    int c = in.get();
    if (c == std::char_traits<char>::eof()) return 0;
    if (c == '\n') return 1;
    if (c == '\r') {
      int d = in.get();
      if (d == std::char_traits<char>::eof()) return 0;
      if (d == '\n') return 1;
    }
  }
}

int ReadIntClamped(std::istream& in, int* v) {
  long t;
  if (!(in >> t)) return 0;
  *v = t > 1000000 ? 1000000 : t < -1000000 ? -1000000 : static_cast<int>(t);
  return 1;
}

double StrToDouble(const std::string& s) { return std::strtod(s.c_str(), nullptr); }
float StrToFlo(const std::string& s) { return static_cast<float>(StrToDouble(s)); }
long StrToLong(const std::string& s) { return std::strtol(s.c_str(), nullptr, 10); }

int StrToInt(const std::string& s) {
  long v = StrToLong(s);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

uint16_t StrToU16(const std::string& s) {
  if (s.empty()) return 0;
  long v = StrToLong(s);
  return (v >= 0 && v <= 65535) ? static_cast<uint16_t>(v) : 0;
}

int16_t StrToI16(const std::string& s) {
  if (s.empty()) return 0;
  long v = StrToLong(s);
  if (v < -32768) return 0;
  if (v > 32767) return 32767;
  return static_cast<int16_t>(v);
}

uint8_t StrToU8(const std::string& s) {
  if (s.empty()) return 0;
  long v = StrToLong(s);
  if (v < -128) return 0;
  if (v > 255) return 255;
  return static_cast<uint8_t>(v & 0xFF);  // -128..-1 keep their bits
}

int StrWriteFixed(std::string& s, int width, FILE* f) {
  if (!f) return 0;
  if (width == -1) return StrWriteLen(s.c_str(), f) ? static_cast<int>(s.size()) + 5 : 0;
  if (width < 1) return 0;
  int len = 0;
  if (!s.empty()) {
    if (static_cast<int>(s.size()) > width - 1) s.resize(static_cast<size_t>(width - 1));
    len = static_cast<int>(s.size());
    IntWrite(len + 1, f);
  } else {
    IntWrite(0, f);
  }
  std::fwrite(s.data(), 1, static_cast<size_t>(len), f);
  for (int i = len; i < width; ++i) std::fputc(0, f);
  return width + 4;
}

int TextLenAndPair(const char* text, const int* a, const int* b, int* c, int* d, int* len) {
  *len = text ? static_cast<int>(std::strlen(text)) : 0;
  if (*len < 1) return 0;
  *c = *a;
  *d = *b;
  return 1;
}

void FindImageFile(std::string& out, const std::string& name) {
  out = name;
  if (name.size() < 2 || name.compare(name.size() - 2, 2, ".u") != 0) return;
  const std::string base = name.substr(0, name.size() - 2);
  static const char* const kExts[] = {".tga", ".bmp", ".png", ".dds", ".jpg", ".tex"};
  for (const char* e : kExts) {
    if (FileOpens(FsPath(base + e))) {
      out = base + e;
      return;
    }
  }
  out = base + ".tex";
}

void DirStack_Init(DirStack* s, int capacity) {
  s->slots = nullptr;
  s->capacity = 0;
  s->top = 0;
  if (capacity <= 2 || capacity > 65535) return;
  s->slots = static_cast<char*>(std::calloc(static_cast<size_t>(capacity) + 1, kDirSlot));
  if (s->slots) s->capacity = static_cast<uint16_t>(capacity);
}

void DirStack_Release(DirStack* s) {
  std::free(s->slots);
  s->slots = nullptr;
  s->capacity = 0;
  s->top = 0;
}

void DirStack_Clear(DirStack* s) {
  if (s->slots) std::memset(s->slots, 0, (static_cast<size_t>(s->capacity) + 1) * kDirSlot);
  s->top = 0;
}

void DirStack_Reset(DirStack* s) {
  DirStack_Clear(s);
  if (s->slots && !getcwd(Slot(s, 0), kDirSlot)) Slot(s, 0)[0] = 0;
}

int DirStack_GoBase(DirStack* s) {
  if (!s->slots || !Slot(s, 0)[0]) return 0;
  return chdir(Slot(s, 0)) == 0 ? 1 : 0;
}

int DirStack_Push(DirStack* s) {
  if (!s->slots || s->top >= s->capacity) return 0;
  char* slot = Slot(s, s->top + 1);
  if (!getcwd(slot, kDirSlot)) {
    slot[0] = 0;  // the stack stays as it was, so later pops still match their pushes
    return 0;
  }
  return ++s->top;
}

int DirStack_Pop(DirStack* s) {
  if (!s->slots || s->top == 0) return 0;
  if (chdir(Slot(s, s->top)) != 0) return 0;
  int old = s->top;
  Slot(s, old)[0] = 0;
  --s->top;
  return old;
}

int DirPop() {
  DirStack_Pop(&gDirStack);
  return 0;
}

int DirPushEnter(const char* dir) {
  if (!dir || !DirStack_Push(&gDirStack)) return 0;
  if (chdir(FsPath(dir).c_str()) != 0) {
    DirStack_Pop(&gDirStack);
    return 0;
  }
  return 1;
}

int DirBackup(const std::string& dir) {
  if (!FileOpens(FsPath(dir + "/" + gsFileZaglav))) return 1;
  const std::string bak = dir + "_BAK_" + "_" + std::to_string(TickCount());
  if (std::rename(FsPath(dir).c_str(), FsPath(bak).c_str()) != 0) {
    LogInfo("\nerr: DirBackup %s -> %s (%s)", dir.c_str(), bak.c_str(), std::strerror(errno));
    return 0;
  }
  return 1;
}

int DirPushMakeEnter(const std::string& dir) {
  if (!DirStack_Push(&gDirStack)) return 0;
  if (!DirBackup(dir)) {
    DirStack_Pop(&gDirStack);
    return 0;
  }
  mkdir(FsPath(dir).c_str(), 0755);
  if (chdir(FsPath(dir).c_str()) != 0) {
    DirStack_Pop(&gDirStack);
    return 0;
  }
  return 1;
}

void MemFillRange(int* first, int* last, int byte) {
  if (!first || !last || last < first) return;
  std::memset(first, byte, static_cast<size_t>(last - first + 1) * sizeof(int));
}

std::string FileSave_ScratchName(const std::string& name) { return name + "_tmp"; }

namespace {

// The backup a save supersedes is not deleted: it becomes the scratch file of the next save of the
// same name, written over in place. Freeing a large file's blocks (and writing a fresh one into
// new blocks) waits for the disk; rewriting blocks a file already holds does not. The scratch
// files kept so are remembered here, each with its inode, and removed when the program ends: one
// that is no longer the file we left (a save used it up, something else took the name) is left.
struct SpareFiles {
  static constexpr int kMax = 16;
  std::string path[kMax];
  dev_t dev[kMax] = {};
  ino_t ino[kMax] = {};
  int n = 0;

  // 1 when the file at (relative) path is remembered: it may then stay until the program ends.
  int Keep(const std::string& rel) {
    struct stat st;
    if (lstat(rel.c_str(), &st) != 0) return 0;
    std::error_code ec;
    std::string abs = fs::absolute(fs::path(rel), ec).string();
    if (ec) return 0;
    int i = 0;
    while (i < n && path[i] != abs) i++;
    if (i == kMax) return 0;
    if (i == n) path[n++] = abs;
    dev[i] = st.st_dev;
    ino[i] = st.st_ino;
    return 1;
  }
  ~SpareFiles() {
    for (int i = 0; i < n; i++) {
      struct stat st;
      if (lstat(path[i].c_str(), &st) == 0 && st.st_dev == dev[i] && st.st_ino == ino[i])
        unlink(path[i].c_str());
    }
  }
} spareFiles;

}  // namespace

FILE* FileSave_Begin(const std::string& name) {
  if (name.empty()) return nullptr;
  const std::string tmp = FsPath(FileSave_ScratchName(name));
  FILE* f = gFileOpenBak_Open(tmp.c_str(), "r+b");  // a kept scratch file, written over
  if (!f) f = gFileOpenBak_Open(tmp.c_str(), "wb");
  struct stat st;
  if (f && (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode))) {
    std::fclose(f);  // a pipe or a device under the scratch name takes no save
    return nullptr;
  }
  return f;
}

int FileSave_Close(FILE* f, const std::string& name) {
  if (!f) return 0;
  bool ok = !std::ferror(f) && std::fflush(f) == 0;
  if (ok) {
    // The part ends where the stream stands; what a longer file held beyond it goes.
    long end = std::ftell(f);
    struct stat st;
    ok = end >= 0 && fstat(fileno(f), &st) == 0 && (st.st_size <= end || ftruncate(fileno(f), end) == 0);
  }
  // The bytes start on their way to the disk before the file takes its name, as the file system
  // does for a new file moved over an old one.
  if (ok) sync_file_range(fileno(f), 0, 0, SYNC_FILE_RANGE_WRITE);
  if (std::fclose(f) != 0) ok = false;
  if (!ok) FileSave_Drop(name);
  return ok ? 1 : 0;
}

namespace {

// Where a superseded backup waits while a commit runs: hidden beside it, named with the process id
// and a count, so it never meets a file of the game's or of another game's.
std::string DropName(const std::string& bak) {
  static unsigned long count = 0;
  fs::path p(bak);
  std::string leaf = "." + p.filename().string() + "~" + std::to_string(getpid()) + "~" +
                     std::to_string(++count);
  return (p.parent_path() / leaf).string();
}

// One file of a commit and how far it went.
struct CommitStep {
  std::string name, tmp, bak, drop;  // drop: where the old backup waits ("" when there was none)
  bool hadName = false, linked = false, moved = false;
};

// Puts every step back as it was before the commit began, the scratch files removed.
void CommitUndo(CommitStep* steps, int n) {
  for (int i = n - 1; i >= 0; i--) {
    CommitStep& s = steps[i];
    if (s.moved) {
      if (s.hadName)
        std::rename(s.bak.c_str(), s.name.c_str());  // the old file, under its own name again
      else
        std::remove(s.name.c_str());
    } else if (s.linked) {
      std::remove(s.bak.c_str());  // a second name of the file still under name
    }
    if (!s.drop.empty()) std::rename(s.drop.c_str(), s.bak.c_str());
    std::remove(s.tmp.c_str());
  }
}

}  // namespace

int FileSave_CommitAll(const std::string* gameNames, int n) {
  if (!gameNames || n < 1 || n > kFileSaveCommitMax) return 0;
  CommitStep steps[kFileSaveCommitMax];
  for (int i = 0; i < n; i++) {
    steps[i].name = FsPath(gameNames[i]);
    steps[i].tmp = FsPath(FileSave_ScratchName(gameNames[i]));
    steps[i].bak = steps[i].name + "_bak";
  }
  bool ok = true;
  // Every old file gets its second name first, so no name ever stands empty.
  for (int i = 0; i < n && ok; i++) {
    CommitStep& s = steps[i];
    s.hadName = PathExists(s.name);
    if (!s.hadName) continue;
    std::error_code ec;
    if (PathExists(s.bak)) {
      if (fs::is_directory(fs::symlink_status(s.bak, ec))) {
        ok = false;  // not a backup of ours: left alone
        break;
      }
      std::string drop = DropName(s.bak);
      if (std::rename(s.bak.c_str(), drop.c_str()) != 0) {
        ok = false;
        break;
      }
      s.drop = drop;
    }
    fs::create_hard_link(s.name, s.bak, ec);
    if (ec) {
      ec.clear();
      fs::copy_file(s.name, s.bak, fs::copy_options::overwrite_existing, ec);
    }
    ok = !ec;
    s.linked = ok;
  }
  for (int i = 0; i < n && ok; i++) {
    ok = std::rename(steps[i].tmp.c_str(), steps[i].name.c_str()) == 0;
    steps[i].moved = ok;
  }
  if (!ok) {
    CommitUndo(steps, n);
    return 0;
  }
  for (int i = 0; i < n; i++) {
    const CommitStep& s = steps[i];
    if (s.drop.empty()) continue;
    if (std::rename(s.drop.c_str(), s.tmp.c_str()) != 0)
      std::remove(s.drop.c_str());
    else if (!spareFiles.Keep(s.tmp))
      std::remove(s.tmp.c_str());  // no one would remove it: it goes now
  }
  return 1;
}

int FileSave_Commit(const std::string& name) { return FileSave_CommitAll(&name, 1); }

void FileSave_Drop(const std::string& name) { std::remove(FsPath(FileSave_ScratchName(name)).c_str()); }

int FileSave_End(FILE* f, const std::string& name) { return FileSave_Close(f, name) && FileSave_Commit(name); }
