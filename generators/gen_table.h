// Reading rules shared by the source generators' text tables: trimmed lines, section markers,
// positional number lines and the two ways an input line becomes a comment of generated code; and
// the way a generated header reaches its file.
#pragma once

#include <cstdio>
#include <fstream>
#include <istream>
#include <string>

// One line of a table: up to the line feed, one trailing carriage return dropped, blanks and tabs
// trimmed. 0 when nothing was read (end of file or a failed stream); line is then empty.
int GenReadLine(std::istream& in, std::string& line);

// A section opens with a trimmed line that begins with "//==".
int GenIsMarker(const std::string& line);

// Comment of a section marker line; the line loses its first four characters.
std::string GenLine_ToComment(std::string& markerLine);

// Comment of a comment line inside a section ("//text" -> "//  text"); the line loses its first two
// characters when it is taken. Empty for lines that are no comment.
std::string KomentFromTxtLine(std::string& line);

// Values of a number line: each is extracted into a temporary and stored only on success, so a
// failed read leaves the caller's value as it was.
int GenReadInt(std::istream& in, int& v);
int GenReadFlo(std::istream& in, float& v);

// The free text after a number line's values.
int GenEndNumberLine(std::istream& in);

// Opens a table with the one stream a tool reuses for all its files (state cleared first).
int GenOpenInput(std::ifstream& in, const std::string& fileName);

// Reports why a section loop stopped early (a failed stream that is not at its end).
void GenLogStop(const char* tool, const std::string& fileName, std::istream& in);

// Section loop: skips the title lines, then hands every marker line found where a line is looked
// for to reader(in, markerLine). A failed stream ends the loop like the end of the file, so a
// malformed number line cannot make it spin.
template <class Reader>
void GenSectionLoop(std::istream& in, int titleLines, const char* tool, const std::string& fileName,
                    Reader&& reader) {
  std::string line;
  for (int i = 0; i < titleLines; i++) GenReadLine(in, line);
  while (in.good()) {
    if (!GenReadLine(in, line)) break;
    if (GenIsMarker(line)) reader(in, line);
  }
  GenLogStop(tool, fileName, in);
}

// A generated header is written to a scratch stream first (GenOut_Open; null when none can be had)
// and reaches its file at GenOut_Close only when its text differs from what the file holds: a run
// that changes no table leaves every header, and its time, as it was, so the next build compiles
// nothing again. The write goes whole or not at all, as every save of the program does. 1 when
// the file holds the text (written now or already); 0 when it does not (the failure logged).
FILE* GenOut_Open();
int GenOut_Close(FILE* f, const std::string& path);
