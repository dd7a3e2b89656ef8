// Saves: the one way every writer of the game puts a file under a name (text windows and the
// coloured-word list, a stage and its location file, screenshots, the key file, the named
// variables' file, a byte buffer). The rules, stated once for all of them:
//
// - Links. A save writes the file the name leads to: a link is followed (a relative target from
//   the link's folder, through at most kFileLinkMax links; more fail with ELOOP) and stays as it
//   is, and a link whose target does not exist yet makes that target. The scratch files and the
//   backup are made beside the file written.
// - Plain files only. When what the links lead to exists and is not a plain file (a folder, a
//   pipe, a device, a socket), the save is refused before anything is made, moved or renamed:
//   "is a folder" (errno EISDIR) or "not a plain file" (EINVAL), the reasons an open gives. A save
//   that keeps a backup is refused the same way when such a thing holds the backup's name.
// - Files the user may write. Of a file that stands where the links end, the system is asked
//   whether this process may write it, once a save, before anything is made, and without opening
//   it (an open for writing that writes nothing reaches every watcher of the file as a write):
//   where its mode or its immutable flag refuse this process (EACCES, EPERM), or its append-only
//   flag (EPERM) a save that would replace or cut it, the save is refused before anything is
//   made, as the desktop's editors refuse it, and not replaced by a rename. Only that file is
//   asked of, never its backup or a scratch file; a process that may write it (root) writes it. A
//   read-only mount is met at the first scratch file.
// - One file, one name. Saves that go together (a stage's two parts) are refused before anything is
//   made when two of their names lead to one file: one path, or the same file under two names (a
//   hard link), which the second part would write over the first; or when one leads to the name of
//   another's backup (compared as names in their folders), which the other's commit would move
//   away: "two names of one file".
// - Scratch and rename. The new content is made whole in a scratch file beside the file, name +
//   "_tmp" (or "_tmp1" .. "_tmp99" when that is taken), created exclusively and never through a
//   link, and takes the name by a rename. It takes the mode of the file it replaces, and its owner
//   and group where the process may give them; a new file has the mode the umask leaves.
// - In place. Where that rename would take the file from its owner (the new file could not be
//   given the old one's owner and group, or the folder's sticky bit refuses the rename) or split
//   its hard links, the new content goes into the existing file instead, as the desktop's editors
//   do: a copy of the old content is made and synced first (the backup the save keeps anyway; for a
//   save without one, a scratch copy beside the file, removed once the write has succeeded), then
//   the file is written over, cut to its new length and synced. A write that fails part-way puts
//   the old content back (for a stream, when FileCloseBak closes it); when even that fails, the copy
//   stays and the failure says where it is.
// - Only our own files. The program writes over, renames or removes a scratch file only while
//   that name still holds the very file it made (the same device and inode): what a user or
//   another program put under such a name is never touched.
// - Failures. Every failure is logged ("file: cannot ...") and leaves errno and FileSave_Failure()
//   for the caller's message; the files are as they were.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "shell/bytebuf.h"

constexpr int kFileLinkMax = 40;
constexpr int kFileScratchTries = 100;

// What the last failed save leaves for a message: "<name> (<why>)".
struct FileSaveFail {
  // The game's name; where its links led elsewhere, followed by " -> " and that file's name. A
  // failure of the backup names the backup (beside the file the links led to).
  std::string name;
  std::string why;  // the system's reason, "is a folder", "not a plain file", and what became of a copy
};
const FileSaveFail& FileSave_Failure();

// What FileOpenBak does with a file that already stands under the name; the numbers are the ones
// its callers have always passed (a key command's file keeps its policy as a number).
enum FileBakPolicy : short {
  kFileBakAppendOnly = 0,  // ... and any number but 1..3: refused, unless the mode appends to it
  // Delete first: the caller keeps no backup, so the old content is given up once the new file has
  // the name (a failed open still leaves it in place), and a write that fails part-way leaves what
  // it wrote, with nothing to put back. For files made anew each time that nobody edits (the fuzz
  // harness's seeds), which want no "_bak" beside them.
  kFileBakDelete = 1,
  kFileBakMove = 2,  // the old file kept as name + "_bak", the new one written from scratch
  kFileBakCopy = 3,  // a copy kept as name + "_bak", the old file updated in place ("r+b")
};
// How FileOpenBak's stream opens.
enum FileBakMode : short {
  kFileBakWrite = 0,      // "wb", and any number but 1 and 2
  kFileBakReadWrite = 1,  // "w+b"
  kFileBakAppend = 2,     // "a+b"
};

// Opens name (+ ext, appended to the caller's string) for writing, an existing file under policy
// (FileBakPolicy), the stream as mode says (FileBakMode). Null on any refusal; a failed open
// leaves the old file in place under every policy. A new file is made exclusively. Written in
// place (see above), kFileBakMove makes its backup as a copy and opens the file cut to nothing,
// kFileBakDelete cuts it. The stream is closed by FileCloseBak.
FILE* FileOpenBak(std::string& name, const std::string& ext, short policy, short mode);
// Closes a stream of FileOpenBak (name: the name it was given, for a message about a stream it did
// not open): 1 when every write, the flush and the close succeeded (a file written in place is
// synced first). On 0, where the old content was kept as the backup (kFileBakMove, kFileBakCopy),
// the name gets it back: the next reader would take a part-written file for the file. An old file
// moved aside to the backup's name is moved back over the new one (while the two names still hold
// the files this write left; no backup then remains), one written in place gets its old content
// written back. When that fails, the failure says where the backup is. Under kFileBakDelete, or
// for a file that did not exist, the part written stays.
int FileCloseBak(FILE* f, const std::string& name);

// Writes size bytes to name (a name its caller chose) whole or not at all: 1 when written; 0 when
// not, the file as it was.
int FileWriteWhole(const std::string& name, const void* bytes, size_t size);
// The buffer's bytes saved under name by FileOpenBak with policy (mode kFileBakWrite): from its
// start (fromStart) or its position, n of them when n >= 1 and that many lie from the position to
// the end, else all to the end. The bytes written; 0 when the buffer holds none or the write failed
// (FileCloseBak says what became of the file).
int ByteBuf_SaveFile(ByteBuf* b, std::string name, short policy, int n, int fromStart);

// A save that never leaves a part-written file under its name: FileSave_Begin opens a scratch file
// beside the file name leads to (a kept one of this run is written over, and ends where the stream
// stands when closed); FileSave_End closes the stream and, only when every write and the close
// succeeded, keeps the file it replaces as its name + "_bak" and puts the new content in its place
// (everything keyed on the file the links lead to, followed again at each step). The older
// backup this supersedes, when this run made it and nothing replaced it since, becomes the next
// save's scratch file (removed when the program ends); another older backup is given up.
// 1 when saved; on 0 the scratch file is gone and name and its backup are as they were.
// Whether a save asks if the file may be written: each file is asked once a save.
enum FileSaveAsk : short {
  kFileSaveAskWrite = 0,   // it will be replaced or written over
  kFileSaveAsked = 1,      // FileSave_CheckAll of this save's names has just asked it
  kFileSaveAskAppend = 2,  // it will only be added to
};
FILE* FileSave_Begin(const std::string& name, short ask = kFileSaveAskWrite);
int FileSave_End(FILE* f, const std::string& name);
// FileSave_End in two steps, for a save that reads its scratch files back before any of them
// replaces a file: FileSave_Close closes the stream (1 when every write and the close succeeded;
// on 0 the scratch file is gone), FileSave_Commit puts a closed scratch file in place as
// FileSave_End does, FileSave_Drop removes the one FileSave_Begin made for the name, wherever its
// links lead now. FileSave_ScratchName is the name of the scratch file FileSave_Begin made for
// name (a name of the game, for reading it back; empty when a link led to a name with characters
// the game cannot hold).
int FileSave_Close(FILE* f, const std::string& name);
int FileSave_Commit(const std::string& name);
// FileSave_Commit of several closed scratch files (at most kFileSaveCommitMax) as one: 1 when all
// replaced their files; on 0 every name and backup is as it was (a file written in place has its
// old content back) and the scratch files are gone.
constexpr int kFileSaveCommitMax = 4;
int FileSave_CommitAll(const std::string* names, int n);
// Whether saves of names (at most kFileSaveCommitMax) may begin, before any scratch file is made:
// 1 when each may be saved (its links, a plain file or none, a file this process may write, its
// backup's name) and no two names lead to one file (one path, or the same file under two names) nor
// one to another's backup name; on 0, FileSave_Failure says why, naming both. FileSave_CommitAll
// looks again.
int FileSave_CheckAll(const std::string* names, int n);
void FileSave_Drop(const std::string& name);
std::string FileSave_ScratchName(const std::string& name);
