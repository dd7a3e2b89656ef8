// The start-up's file names that several layers read (the others live beside their one reader:
// gsFileLog, gsFileKonfig, gsFileMsgBase, gsFileSig, gsFileZaglav). The generator inputs under
// "gm/" are named by the generators themselves.
#pragma once

#include <string>

extern std::string gsFilePixStart, gsFilePalitra, gsDirRes, gsFilePaintWord, gsFileTestPaint,
    gsFileAbout, gsFileScr;
