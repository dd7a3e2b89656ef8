// File-level operations shared by every reader and writer, and the only way the game's names reach
// the file system: opening for writing under a backup policy, scratch files and saves that replace
// a file whole, whole-file transfer through a byte buffer, text-line skipping, clamped number
// conversions, image file lookup, the stack of current directories and the backup of a saved
// directory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <istream>
#include <string>
#include <vector>

#include "shell/bytebuf.h"

// Names of files and folders are texts of the game (Windows-1251, as a dialog hands them or a
// table writes them); the file system names them in UTF-8. Every open, rename and directory change
// of a game path in this file converts here, once.
std::string FsPath(const std::string& path);
// fopen of a game path.
FILE* FileOpen(const std::string& path, const char* mode);

// Every save below writes the file the name leads to: a link is followed (a relative target from
// the link's folder, through at most kFileLinkMax links; more fail with ELOOP) and stays as it is,
// a link whose target does not exist yet makes that target, and the scratch and backup files are
// made beside the file written. A file that replaces another takes its mode, and its owner and
// group where the process may give them; a new file has the mode the umask leaves. A hard link is
// split by the rename: its other names keep the old file.
constexpr int kFileLinkMax = 40;

// Opens name (+ ext, appended to the caller's string) for writing. Policy with an existing file:
// 3 copy to name+"_bak" and update in place ("r+b"); 2 move to name+"_bak" and write anew;
// 1 delete and write anew; other policies refuse unless mode is 2. Mode: 1 "w+b", 2 "a+b", else "wb".
// Null on any refusal; a failed open leaves the old file in place under every policy. A new file
// is made exclusively: whatever else stands under the name (a link, a folder, a pipe) refuses it.
FILE* FileOpenBak(std::string& name, const std::string& ext, short policy, short mode);
// Every open for writing in this file (FileOpenBak, the scratch files, the saves) goes through
// Files.OpenFd, a test seam.

// Lists the names in folder dir (in the system's order, "." and ".." as it gives them) onto list.
// 0 when the folder does not open.
int DirListNames(const std::string& dir, std::vector<std::string>& list);
// 1 when anything stands under path: a file, a folder, a link (even one that leads nowhere).
int FileNameTaken(const std::string& path);

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
// Scratch files. A file written through a scratch name and a rename is first made under a new
// name beside it: name + "_tmp", or "_tmp1" .. "_tmp99" when that is taken, created exclusively and
// never through a link. The program writes over, renames or removes a scratch file only while that
// name still holds the very file it made (the same device and inode): what a user or another
// program put under such a name is never touched.
constexpr int kFileScratchTries = 100;

// Writes size bytes to name (a name its caller chose) whole or not at all, through a scratch file
// moved over the file name leads to at the end. 1 when written; 0 (logged, errno kept) when not:
// the scratch file is gone and the file is as it was.
int FileWriteWhole(const std::string& name, const void* bytes, size_t size);

// A save that never leaves a part-written file under its name: FileSave_Begin opens a scratch file
// beside the file name leads to (a kept one of this run is written over, and ends where the stream
// stands when closed); FileSave_End closes the stream and, only when every write and the close
// succeeded, keeps the file it replaces as its name + "_bak" and moves the scratch file over it
// (everything keyed on the file the links lead to, followed again at each step). The older
// backup this supersedes, when this run made it and nothing replaced it since, becomes the next
// save's scratch file (removed when the program ends); another older backup is given up.
// 1 when saved; on 0 the scratch file is gone and name and its backup are as they were.
FILE* FileSave_Begin(const std::string& name);
int FileSave_End(FILE* f, const std::string& name);
// FileSave_End in two steps, for a save that reads its scratch files back before any of them
// replaces a file: FileSave_Close closes the stream (1 when every write and the close succeeded;
// on 0 the scratch file is gone), FileSave_Commit puts a closed scratch file in place as
// FileSave_End does, FileSave_Drop removes it. FileSave_ScratchName is the name of the scratch
// file FileSave_Begin made for name (a name of the game, for reading it back; empty when a link
// led to a name with characters the game cannot hold).
int FileSave_Close(FILE* f, const std::string& name);
int FileSave_Commit(const std::string& name);
// FileSave_Commit of several closed scratch files (at most kFileSaveCommitMax) as one: 1 when all
// replaced their files; on 0 every name and backup is as it was and the scratch files are gone,
// errno says why (EISDIR: a folder stands under a backup's name) and failed, when given, gets the
// name (of the game's, or its "_bak"; where a link led, the name it led to) whose step failed.
// FileSave_Begin and FileSave_Close keep errno of their failure too.
constexpr int kFileSaveCommitMax = 4;
int FileSave_CommitAll(const std::string* names, int n, std::string* failed = nullptr);
void FileSave_Drop(const std::string& name);
std::string FileSave_ScratchName(const std::string& name);

// Reads the whole file into an empty buffer: 1 on success; 0 (buffer left empty) on a refusal, a file
// that does not open, an empty file, a short read, or a size other than a positive `expected`.
int FileReadAll(ByteBuf* b, std::string& name, const std::string& suffix, const std::string& ext,
                int expected);
int ByteBuf_SaveFile(ByteBuf* b, std::string name, short policy, int n, int fromStart);

// Drops the rest of the line ("\n" or "\r\n"; a lone "\r" takes the next character with it).
int SkipLine(std::istream& in);
// The next whole number of a number line, clamped to -1000000..1000000, stored only when one was
// read: 1 then. A failed extraction leaves the stream failed.
int ReadIntClamped(std::istream& in, int* v);

double StrToDouble(const std::string& s);
float StrToFlo(const std::string& s);
long StrToLong(const std::string& s);
int StrToInt(const std::string& s);
uint16_t StrToU16(const std::string& s);
int16_t StrToI16(const std::string& s);
uint8_t StrToU8(const std::string& s);

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

// The files module's state: the marker of a saved directory, the open seam, the directory stack.
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
