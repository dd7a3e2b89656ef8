// Stand-in for the text utilities and the line skipper until their own headers land: the same
// declarations, only those the shell reads with. Deleted when the real ones are merged.
#pragma once

#include <istream>
#include <string>

std::string StrFmt(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string TextTrimS(const std::string& s);
int TextPos(const char* text, const std::string& pattern, int start);
int TextGetLine(std::istream& in, std::string& line);
int SkipLine(std::istream& in);
