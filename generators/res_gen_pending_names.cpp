// Stand-in for the resource file names that the shell's start-up defines, until it lands on main
// (delete this file then: the shell's definitions replace it).
#include <string>

std::string gsFilePixStart = "uni_files/res/pix_start.txt";
std::string gsFileMsgBase = "uni_files/res/msgbase.txt";
std::string gsFileSig = "uni_files/res/sig.txt";
