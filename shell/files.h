// File-level operations shared by every reader and writer, and (with the saves of file_save.h)
// the only way the game's names reach the file system: whole-file transfer through a byte buffer,
// text-line skipping, image file lookup, the stack of current directories and the backup of a
// saved directory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "shell/bytebuf.h"

// Names of files and folders are texts of the game (Windows-1251, as a dialog hands them or a
// table writes them); the file system names them in UTF-8. Every open, rename and directory change
// of a game path converts here, once.
std::string FsPath(const std::string& path);
// fopen of a game path.
FILE* FileOpen(const std::string& path, const char* mode);

// Lists the names in folder dir (in the system's order, "." and ".." as it gives them) onto list.
// 0 when the folder does not open.
int DirListNames(const std::string& dir, std::vector<std::string>& list);
// 1 when anything stands under path: a file, a folder, a link (even one that leads nowhere).
int FileNameTaken(const std::string& path);
// ... the same of a path as the file system names it (FsPath).
int FsPathTaken(const std::string& fsPath);

// Every reader opens its file through these three, so a path that is not a regular file (a folder,
// a pipe, a device) reads as a missing file: a folder opens on Linux and then fails every read
// without ever reaching an end of file, which kept a reader waiting for that end for ever.
int FileIsRegular(const std::string& path);
FILE* FileOpenRead(const std::string& path);  // fopen "rb" of a regular file; null otherwise
// Opens in on a regular file with the given mode; 0 (in left closed and cleared) otherwise.
int FileOpenIn(std::ifstream& in, const std::string& path, std::ios::openmode mode = std::ios::in);
// Reads the whole regular file path, of 1..maxBytes bytes, into the empty buffer b: 1 on success.
// 0, b left empty, for a missing file, an empty one, one larger than maxBytes (at most 4 GiB), a
// size other than a positive `expected`, or a short read; the last three with a log line.
int FileReadWhole(ByteBuf* b, const std::string& path, long maxBytes, long expected);
// Reads the whole file into an empty buffer: 1 on success; 0 (buffer left empty) on a refusal, a file
// that does not open, an empty file, a short read, or a size other than a positive `expected`.
int FileReadAll(ByteBuf* b, std::string& name, const std::string& suffix, const std::string& ext,
                int expected);

// A string in a field of width bytes after its length word (cut to width - 1 characters in the
// caller's string), or with width -1 a length-prefixed string. Bytes written after the length word
// plus 4; 0 on a null stream or another width.
int StrWriteFixed(std::string& s, int width, FILE* f);
int TextLenAndPair(const char* text, const int* a, const int* b, int* c, int* d, int* len);

// "x.u" becomes the first of x.tga, .bmp, .png, .dds, .jpg, .tex that exists (x.tex when none);
// any other name comes back unchanged.
void FindImageFile(std::string& out, const std::string& name);

struct DirStack {
  char* slots;  // capacity + 1 blocks of kDirSlot bytes; slot 0 is the base
  uint16_t capacity;
  uint16_t top;
};
constexpr int kDirSlot = 256;

// The files module's state: the marker of a saved directory, the open seam (every open for writing
// of a save, file_save.h, goes through it), the directory stack.
struct t_Files {
  std::string gsFileZaglav = "zaglav.bin";                              // marks a saved directory
  int (*OpenFd)(const char* path, int flags, unsigned mode) = nullptr;  // open(2) unless a test swaps it
  DirStack Dirs = {nullptr, 0, 0};  // capacity 8; slot 0 the start directory
};
extern t_Files Files;

void DirStack_Init(DirStack* s, int capacity);
void DirStack_Release(DirStack* s);
void DirStack_Clear(DirStack* s);
void DirStack_Reset(DirStack* s);
int DirStack_GoBase(DirStack* s);
int DirStack_Push(DirStack* s);  // the new top, or 0 (stack unchanged)
int DirStack_Pop(DirStack* s);   // the old top, or 0 (stack unchanged)
int DirPop();
int DirPushEnter(const char* dir);
// When dir holds the marker file, renames it to dir+"_BAK__"+tick count. 0 when that rename failed.
int DirBackup(const std::string& dir);
// Pushes, backs dir up (DirBackup), makes it when it is missing and enters it: 1. On 0 the stack is
// as it was and errno says why the folder could not be made, or, when it was there, entered.
int DirPushMakeEnter(const std::string& dir);

void MemFillRange(int* first, int* last, int byte);
