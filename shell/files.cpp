// Files and directories over stdio and POSIX: with the saves (file_save.cpp), the one place where
// the game's names reach the file system. Readers open only plain files, so a pipe or a folder
// reads as a missing file instead of a wait for ever.
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

int FsPathTaken(const std::string& fsPath) {
  struct stat st;
  return lstat(fsPath.c_str(), &st) == 0 ? 1 : 0;
}

int FileNameTaken(const std::string& path) { return FsPathTaken(FsPath(path)); }

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
