// Files and directories over stdio and POSIX: the one place where the game's names
// reach the file system. A backup is made before any old file is given up, and a failed open puts
// the old file back, so a refused write never loses data; scratch files are made new, and only
// the files this run made are written over, moved or removed.
#include "shell/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <vector>

#include "platform/platform.h"
#include "shell/binfile.h"
#include "shell/clock.h"
#include "shell/log.h"

namespace {

int SystemOpenFd(const char* path, int flags, unsigned mode) { return open(path, flags, (mode_t)mode); }

}  // namespace

t_Files Files = {.OpenFd = SystemOpenFd};

namespace {

struct DirStackOwner {
  DirStackOwner() { DirStack_Init(&Files.Dirs, 8); }
  ~DirStackOwner() { DirStack_Release(&Files.Dirs); }
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
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

// The file a save of the game's name writes, as the file system names it: the name itself, or the
// file its links lead to (a relative target read from its link's folder), so a save changes what
// the user's link points at and leaves the link alone. A target that does not exist yet is the
// file the save makes. 0 with errno ELOOP past kFileLinkMax links; whatever else stops the walk is
// left for the save's own steps to meet and report.
bool SaveTarget(const std::string& name, std::string* target) {
  std::string p = FsPath(name);
  for (int links = 0;; links++) {
    struct stat st;
    if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    if (links == kFileLinkMax) {
      errno = ELOOP;
      return false;
    }
    char to[PATH_MAX];
    const ssize_t n = readlink(p.c_str(), to, sizeof to);
    if (n <= 0 || (size_t)n >= sizeof to) break;
    const size_t slash = p.rfind('/');
    p = to[0] == '/' || slash == std::string::npos ? std::string(to, (size_t)n)
                                                   : p.substr(0, slash + 1) + std::string(to, (size_t)n);
  }
  *target = p;
  return true;
}

// The game's name of a file system path; empty when the path has a character the game's names
// cannot hold.
std::string GameNameOf(const std::string& fsPath) {
  std::string out(fsPath.size() + 1, '\0');
  out.resize((size_t)Plat_Utf8To1251(fsPath.c_str(), out.data(), (int)out.size()));
  return FsPath(out) == fsPath ? out : std::string();
}

// How a message names the file a save of name writes: as the game named it, and where its links
// led when they led elsewhere.
std::string ShownTarget(const std::string& name, const std::string& target) {
  if (target.empty() || target == FsPath(name)) return name;
  const std::string led = GameNameOf(target);
  return led.empty() ? name : name + " -> " + led;
}

// The new file on fd takes the mode of the file it is to replace at path, and its owner and group
// where the process may give them: a private file stays private, a script stays runnable. A new
// name keeps the mode the umask leaves.
void TakeModeOf(int fd, const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  struct stat mine;
  const bool otherOwner =
      fstat(fd, &mine) == 0 && (mine.st_uid != st.st_uid || mine.st_gid != st.st_gid);
  if (otherOwner && fchown(fd, st.st_uid, st.st_gid) != 0 && errno == EPERM) {
    // The owner is not ours to give: the group alone, when the saver is one of it.
    [[maybe_unused]] const int group = fchown(fd, (uid_t)-1, st.st_gid);
  }
  // After the owner: a change of owner clears the set-id bits.
  if (fchmod(fd, st.st_mode & 07777) != 0)
    LogInfo("\nfile: the mode of %s not kept (%s)", path.c_str(), std::strerror(errno));
}

constexpr unsigned kNewFileMode = 0666;  // less the umask, as fopen makes files
constexpr int kNewFileFlags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;

// A file this run made (or a name it gave a file): its name (absolute, so a later change of the
// current folder does not lose it) and which file it is.
struct FileMade {
  std::string path;  // empty: none
  dev_t dev = 0;
  ino_t ino = 0;
  mode_t type = 0;  // S_IFREG, or S_IFLNK for a link linked as it stands
};

std::string Absolute(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char cwd[PATH_MAX];
  if (!getcwd(cwd, sizeof cwd)) return path;
  return std::string(cwd) + "/" + path;
}

bool SameFile(const struct stat& st, const FileMade& m) {
  return (st.st_mode & S_IFMT) == m.type && st.st_dev == m.dev && st.st_ino == m.ino;
}

// The name still holds the file made: nothing has replaced it since.
bool StillMine(const FileMade& m) {
  struct stat st;
  return !m.path.empty() && lstat(m.path.c_str(), &st) == 0 && SameFile(st, m);
}

void Remember(FileMade* m, const std::string& path, const struct stat& st) {
  m->path = Absolute(path);
  m->dev = st.st_dev;
  m->ino = st.st_ino;
  m->type = st.st_mode & S_IFMT;
}

// Removes the file made, only while its name still holds it; forgets it either way. Between the
// look and the unlink the name is the program's own scratch name, which nothing else should use.
void RemoveMine(FileMade* m) {
  if (StillMine(*m)) unlink(m->path.c_str());
  *m = FileMade{};
}

// rename that never replaces: 0, or -1 with errno (EEXIST when the name is taken).
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  // A file system without the flag: a second name is made only where none is, then the first goes;
  // without hard links either, the name is looked at just before the move.
  if (link(from.c_str(), to.c_str()) == 0) {
    unlink(from.c_str());
    return 0;
  }
  if (errno == EEXIST) return -1;
  if (PathExists(to)) {
    errno = EEXIST;
    return -1;
  }
  return std::rename(from.c_str(), to.c_str());
}

// Moves the file made to `to`: over whatever stands there when replace, else only to a free name;
// only while the file is still under its name. 1 when moved.
int MoveMine(FileMade* m, const std::string& to, bool replace) {
  if (!StillMine(*m)) {
    errno = ENOENT;
    return 0;
  }
  int r = replace ? std::rename(m->path.c_str(), to.c_str()) : RenameNoReplace(m->path, to);
  if (r != 0) return 0;
  m->path = Absolute(to);
  return 1;
}

// The i-th scratch name beside base: base + "_tmp", then + "_tmp1" ...
std::string ScratchName(const std::string& base, int i) {
  return base + "_tmp" + (i ? std::to_string(i) : "");
}

// Makes a new scratch file beside base, exclusively and never through a link: the open descriptor,
// or -1 (errno kept; EEXIST when every scratch name was taken).
int ScratchCreate(const std::string& base, FileMade* m) {
  for (int i = 0; i < kFileScratchTries; i++) {
    const std::string p = ScratchName(base, i);
    int fd = Files.OpenFd(p.c_str(), kNewFileFlags, kNewFileMode);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    struct stat st;
    if (fstat(fd, &st) != 0) {
      int e = errno;
      close(fd);
      errno = e;
      return -1;  // a file we cannot tell is ours stays where it is
    }
    Remember(m, p, st);
    return fd;
  }
  errno = EEXIST;
  return -1;
}

// Moves a scratch file of ours to a free scratch name beside base, for a later write over it.
int MoveToScratchName(FileMade* m, const std::string& base) {
  for (int i = 0; i < kFileScratchTries; i++) {
    if (MoveMine(m, ScratchName(base, i), false)) return 1;
    if (errno != EEXIST) return 0;
  }
  return 0;
}

bool WriteFd(int fd, const void* bytes, size_t size) {
  const char* p = static_cast<const char*>(bytes);
  while (size > 0) {
    ssize_t n = write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= (size_t)n;
  }
  return true;
}

FILE* StreamOf(int fd, const char* how) {
  FILE* f = fd < 0 ? nullptr : fdopen(fd, how);
  if (!f && fd >= 0) close(fd);
  return f;
}

// A new file under path, made exclusively: nothing standing there is opened or followed.
FILE* OpenNew(const std::string& path, short mode) {
  return StreamOf(Files.OpenFd(path.c_str(), kNewFileFlags, kNewFileMode), OpenMode(mode));
}

// The whole of file `from` copied into a new scratch file beside base, closed; false (nothing
// left behind) when any step failed.
bool CopyToScratch(const std::string& from, const std::string& base, FileMade* m) {
  FILE* in = OpenRegular(from);
  if (!in) return false;
  std::string bytes;
  char buf[1 << 16];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) bytes.append(buf, n);
  bool ok = !std::ferror(in);
  std::fclose(in);
  int fd = ok ? ScratchCreate(base, m) : -1;
  if (fd < 0) return false;
  TakeModeOf(fd, from);  // a backup is no more readable than the file it keeps
  ok = WriteFd(fd, bytes.data(), bytes.size());
  ok = close(fd) == 0 && ok;
  if (!ok) RemoveMine(m);
  return ok;
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
  std::string path;
  if (!SaveTarget(name, &path)) return nullptr;
  if (!FileOpens(path)) return OpenNew(path, mode);

  const std::string bak = path + "_bak";
  if (policy == 3) {
    FileMade m;
    if (!CopyToScratch(path, bak, &m)) return nullptr;
    if (!MoveMine(&m, bak, true)) {  // a folder there is not ours: refused
      RemoveMine(&m);
      return nullptr;
    }
    return StreamOf(Files.OpenFd(path.c_str(), O_RDWR | O_CLOEXEC, 0), "r+b");
  }
  if (policy == 2) {
    // The older backup is given up (a folder there is not ours: refused); the file becomes the new one.
    if (PathExists(bak) && unlink(bak.c_str()) != 0) return nullptr;
    if (std::rename(path.c_str(), bak.c_str()) != 0) return nullptr;
    FILE* f = OpenNew(path, mode);
    if (!f) RenameNoReplace(bak, path);  // no new file: the old one stays in place
    else TakeModeOf(fileno(f), bak);
    return f;
  }
  if (policy == 1) {
    // The new file is made beside the old one and moved over it, so a failed open keeps the old.
    FileMade m;
    int fd = ScratchCreate(path, &m);
    if (fd < 0) return nullptr;
    TakeModeOf(fd, path);
    if (!MoveMine(&m, path, true)) {
      close(fd);
      RemoveMine(&m);
      return nullptr;
    }
    return StreamOf(fd, how);
  }
  if (mode != 2) return nullptr;
  return StreamOf(Files.OpenFd(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC, 0), how);
}

int DirListNames(const std::string& dir, std::vector<std::string>& list) {
  DIR* d = opendir(FsPath(dir).c_str());
  if (!d) return 0;
  while (dirent* e = readdir(d)) {
    std::string name(std::strlen(e->d_name) + 1, '\0');
    name.resize((size_t)Plat_Utf8To1251(e->d_name, name.data(), (int)name.size()));
    list.push_back(name);
  }
  closedir(d);
  return 1;
}

int FileNameTaken(const std::string& path) { return PathExists(FsPath(path)) ? 1 : 0; }

int FileWriteWhole(const std::string& name, const void* bytes, size_t size) {
  std::string path;
  FileMade m;
  const char* step = "follow the links of";
  int fd = -1;
  bool ok = SaveTarget(name, &path);
  if (ok) {
    step = "make a scratch file beside";
    fd = ScratchCreate(path, &m);
    ok = fd >= 0;
  }
  if (ok) {
    TakeModeOf(fd, path);
    ok = WriteFd(fd, bytes, size);
    if (!ok) step = "write a scratch file beside";
    if (close(fd) != 0 && ok) {
      ok = false;
      step = "write a scratch file beside";
    }
  }
  if (ok && !MoveMine(&m, path, true)) {
    ok = false;
    step = "move the scratch file over";
  }
  if (ok) return 1;
  const int err = errno;
  RemoveMine(&m);
  LogInfo("\nfile: cannot %s %s (%s)", step, ShownTarget(name, path).c_str(), std::strerror(err));
  errno = err;
  return 0;
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
  DirStack_Pop(&Files.Dirs);
  return 0;
}

int DirPushEnter(const char* dir) {
  if (!dir || !DirStack_Push(&Files.Dirs)) return 0;
  if (chdir(FsPath(dir).c_str()) != 0) {
    DirStack_Pop(&Files.Dirs);
    return 0;
  }
  return 1;
}

int DirBackup(const std::string& dir) {
  if (!FileOpens(FsPath(dir + "/" + Files.gsFileZaglav))) return 1;
  const std::string bak = dir + "_BAK_" + "_" + std::to_string(TickCount());
  if (std::rename(FsPath(dir).c_str(), FsPath(bak).c_str()) != 0) {
    LogInfo("\nerr: DirBackup %s -> %s (%s)", dir.c_str(), bak.c_str(), std::strerror(errno));
    return 0;
  }
  return 1;
}

int DirPushMakeEnter(const std::string& dir) {
  if (!DirStack_Push(&Files.Dirs)) return 0;
  if (!DirBackup(dir)) {
    DirStack_Pop(&Files.Dirs);
    return 0;
  }
  // errno says why the folder could not be made, or, when one was there already, entered.
  if ((mkdir(FsPath(dir).c_str(), 0755) != 0 && errno != EEXIST) || chdir(FsPath(dir).c_str()) != 0) {
    const int err = errno;
    DirStack_Pop(&Files.Dirs);
    errno = err;
    return 0;
  }
  return 1;
}

void MemFillRange(int* first, int* last, int byte) {
  if (!first || !last || last < first) return;
  std::memset(first, byte, static_cast<size_t>(last - first + 1) * sizeof(int));
}

namespace {

// What this run made for one saved name. The backup a save supersedes is not deleted when this
// run made it: it becomes the scratch file of the next save of the same name, written over in
// place. Freeing a large file's blocks (and writing a fresh file into new blocks) waits for the
// disk; rewriting blocks a file already holds does not. Each file is known by its identity, so
// one that is no longer the file we left (a save used it up, something else took the name) is
// neither written over nor removed.
struct SaveSlot {
  std::string name;  // the saved file's absolute name; empty: a free slot
  FileMade scratch;  // the scratch file of the save under way
  FileMade placed;   // the file the last commit put under name
  FileMade bak;      // name + "_bak" while it holds a file this run made
  FileMade spare;    // a superseded backup of this run, for the next save to write over
};

struct FileSaveState {
  static constexpr int kSlots = 16;
  SaveSlot slot[kSlots];
  int cursor = 0;
  ~FileSaveState() {
    for (SaveSlot& s : slot) {
      RemoveMine(&s.scratch);
      RemoveMine(&s.spare);
    }
  }
} gSave;

// The slot of an absolute name; with take, a new one when it has none (when all are in use, the
// next one without a save under way is given up, its spare file removed).
SaveSlot* SlotOf(const std::string& name, bool take) {
  for (SaveSlot& s : gSave.slot)
    if (s.name == name) return &s;
  if (!take) return nullptr;
  for (SaveSlot& s : gSave.slot)
    if (s.name.empty()) {
      s.name = name;
      return &s;
    }
  for (int t = 0; t < FileSaveState::kSlots; t++) {
    SaveSlot& s = gSave.slot[gSave.cursor];
    gSave.cursor = (gSave.cursor + 1) % FileSaveState::kSlots;
    if (!s.scratch.path.empty()) continue;
    RemoveMine(&s.spare);
    s = SaveSlot{};
    s.name = name;
    return &s;
  }
  return nullptr;
}

// The slot of the file a save of the game's name writes; its file system path in target.
SaveSlot* SlotOfGameName(const std::string& name, bool take, std::string* target) {
  return SaveTarget(name, target) ? SlotOf(Absolute(*target), take) : nullptr;
}

// The spare file opened to be written over: only when it is still the file we left, under no
// other name (a second name would be a user's link to it). Used up either way.
int ReopenSpare(SaveSlot* s) {
  FileMade m = s->spare;
  s->spare = FileMade{};
  if (m.path.empty()) return -1;
  int fd = Files.OpenFd(m.path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
  struct stat st;
  if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && SameFile(st, m) && st.st_nlink == 1) {
    s->scratch = m;
    return fd;
  }
  if (fd >= 0) close(fd);
  return -1;
}

}  // namespace

FILE* FileSave_Begin(const std::string& name) {
  if (name.empty()) return nullptr;
  std::string path;
  SaveSlot* s = SlotOfGameName(name, true, &path);
  if (!s) {
    const int err = errno;
    if (path.empty())
      LogInfo("\nfile: cannot follow the links of %s (%s)", name.c_str(), std::strerror(err));
    errno = err;
    return nullptr;
  }
  RemoveMine(&s->scratch);  // of a save that never ended
  int fd = ReopenSpare(s);
  if (fd < 0) fd = ScratchCreate(path, &s->scratch);
  if (fd < 0) {
    const int err = errno;
    LogInfo("\nfile: no scratch file beside %s (%s)", ShownTarget(name, path).c_str(),
            std::strerror(err));
    errno = err;
    return nullptr;
  }
  TakeModeOf(fd, path);
  FILE* f = StreamOf(fd, "wb");  // a kept file is written over: fdopen does not cut it
  if (!f) RemoveMine(&s->scratch);
  return f;
}

std::string FileSave_ScratchName(const std::string& name) {
  std::string path;
  const SaveSlot* s = SlotOfGameName(name, false, &path);
  if (!s || s->scratch.path.compare(0, s->name.size(), s->name) != 0) return std::string();
  const std::string tail = s->scratch.path.substr(s->name.size());  // the scratch name adds "_tmp..."
  return path == FsPath(name) ? name + tail : GameNameOf(path + tail);
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
  if (!ok) {
    const int err = errno;
    FileSave_Drop(name);
    errno = err;
  }
  return ok ? 1 : 0;
}

namespace {

// Where a superseded backup waits while a commit runs: hidden beside it, named with the process id
// and a count, so it never meets a file of the game's or of another game's.
// The count of names DropName has handed out in this run.
unsigned long sDropCount = 0;

std::string DropName(const std::string& bak) {
  const size_t slash = bak.rfind('/');
  const size_t at = slash == std::string::npos ? 0 : slash + 1;
  return bak.substr(0, at) + "." + bak.substr(at) + "~" + std::to_string(getpid()) + "~" +
         std::to_string(++sDropCount);
}

// One file of a commit and how far it went.
struct CommitStep {
  SaveSlot* slot = nullptr;
  std::string name, bak;
  FileMade drop;          // the old backup while it waits (path empty when there was none)
  bool dropMine = false;  // ... and this run made it
  FileMade newBak;        // the second name (or copy) of the old file under name
  bool newBakMine = false;
  bool hadName = false, moved = false;
};

// The old file under s->name gets its second name: a hard link, or a copy where the file system
// has none. The link is the run's own file only when the old file was.
bool LinkBackup(CommitStep* s) {
  struct stat st;
  if (link(s->name.c_str(), s->bak.c_str()) == 0) {
    if (lstat(s->bak.c_str(), &st) != 0) return false;
    Remember(&s->newBak, s->bak, st);
    s->newBakMine = S_ISREG(st.st_mode) && StillMine(s->slot->placed) && SameFile(st, s->slot->placed);
    return true;
  }
  if (errno == EEXIST) return false;
  FileMade m;
  if (!CopyToScratch(s->name, s->bak, &m)) return false;
  if (!MoveMine(&m, s->bak, false)) {
    RemoveMine(&m);
    return false;
  }
  s->newBak = m;
  s->newBakMine = true;
  return true;
}

// Puts every step back as it was before the commit began, the scratch files removed.
void CommitUndo(CommitStep* steps, int n) {
  for (int i = n - 1; i >= 0; i--) {
    CommitStep& s = steps[i];
    if (!s.slot) continue;
    if (s.moved) {
      if (!s.hadName) {
        RemoveMine(&s.slot->scratch);
      } else if (StillMine(s.newBak) && std::rename(s.bak.c_str(), s.name.c_str()) == 0) {
        s.slot->scratch = FileMade{};  // the old file, under its own name again
      } else {
        LogInfo("\nfile: %s could not be put back", s.name.c_str());
        s.slot->placed = s.slot->scratch;  // the new file stays: the name never stands empty
        s.slot->scratch = FileMade{};
      }
    } else {
      RemoveMine(&s.newBak);  // a second name of the file still under name
    }
    if (!s.drop.path.empty() && (!StillMine(s.drop) || RenameNoReplace(s.drop.path, s.bak) != 0))
      LogInfo("\nfile: the older backup of %s waits as %s", s.name.c_str(), s.drop.path.c_str());
    RemoveMine(&s.slot->scratch);
  }
}

}  // namespace

int FileSave_CommitAll(const std::string* gameNames, int n, std::string* failed) {
  if (!gameNames || n < 1 || n > kFileSaveCommitMax) return 0;
  CommitStep steps[kFileSaveCommitMax];
  bool ok = true;
  std::string failedName;
  // What a failure names: the game's name, or where its links led (its backup is made there).
  std::string shown[kFileSaveCommitMax];
  for (int i = 0; i < n; i++) {
    CommitStep& s = steps[i];
    s.slot = SlotOfGameName(gameNames[i], false, &s.name);
    s.bak = s.name + "_bak";
    const std::string led = s.name != FsPath(gameNames[i]) ? GameNameOf(s.name) : std::string();
    shown[i] = led.empty() ? gameNames[i] : led;
    if (ok && (!s.slot || !StillMine(s.slot->scratch))) {  // no scratch file of ours to put in place
      ok = false;
      failedName = gameNames[i];
      if (!s.name.empty()) errno = ENOENT;  // else why the links could not be followed
    }
  }
  // Every old file gets its second name first, so no name ever stands empty.
  for (int i = 0; i < n && ok; i++) {
    CommitStep& s = steps[i];
    s.hadName = PathExists(s.name);
    if (!s.hadName) continue;
    failedName = shown[i] + "_bak";
    struct stat st;
    if (lstat(s.bak.c_str(), &st) == 0) {
      if (S_ISDIR(st.st_mode)) {
        ok = false;  // not a backup of ours: left alone
        errno = EISDIR;
        break;
      }
      s.dropMine = S_ISREG(st.st_mode) && SameFile(st, s.slot->bak) && st.st_nlink == 1;
      const std::string drop = DropName(s.bak);
      if (RenameNoReplace(s.bak, drop) != 0) {
        ok = false;
        break;
      }
      Remember(&s.drop, drop, st);
    }
    ok = LinkBackup(&s);
  }
  for (int i = 0; i < n && ok; i++) {
    failedName = shown[i];
    ok = MoveMine(&steps[i].slot->scratch, steps[i].name, true);
    steps[i].moved = ok;
  }
  if (!ok) {
    const int err = errno;
    CommitUndo(steps, n);
    if (failed) *failed = failedName;
    errno = err;
    return 0;
  }
  for (int i = 0; i < n; i++) {
    CommitStep& s = steps[i];
    SaveSlot* slot = s.slot;
    slot->placed = slot->scratch;
    slot->scratch = FileMade{};
    slot->bak = s.hadName && s.newBakMine ? s.newBak : FileMade{};
    if (s.drop.path.empty()) continue;
    // The superseded backup: kept for the next save when this run made it, else given up.
    RemoveMine(&slot->spare);
    if (s.dropMine && MoveToScratchName(&s.drop, s.name)) slot->spare = s.drop;
    else RemoveMine(&s.drop);
  }
  return 1;
}

int FileSave_Commit(const std::string& name) { return FileSave_CommitAll(&name, 1); }

void FileSave_Drop(const std::string& name) {
  std::string path;
  SaveSlot* s = SlotOfGameName(name, false, &path);
  if (s) RemoveMine(&s->scratch);
}

int FileSave_End(FILE* f, const std::string& name) {
  return FileSave_Close(f, name) && FileSave_Commit(name);
}
