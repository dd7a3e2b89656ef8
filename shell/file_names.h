// The start-up's file names that several layers read (the others live beside their one reader:
// gsFileLog, gsFileKonfig, gsFileMsgBase, gsFileSig, gsFileZaglav). The generator inputs under
// "gm/" are named by the generators themselves.
#pragma once

#include <string>

struct t_FileNames {
  std::string gsFilePixStart = "uni_files/res/pix_start.txt";
  std::string gsFilePalitra = "uni_files/res/palitra.txt";
  std::string gsDirRes = "uni_files/res";
  std::string gsFilePaintWord = "uni_files/res/paintword.txt";
  std::string gsFileTestPaint = "uni_files/test_paint.txt";
  std::string gsFileAbout = "_about_.txt";
  std::string gsFileScr = "uni_files/res/_scr.txt";
};
extern t_FileNames FileNames;
