// Screenshots: the frame just drawn saved as a 24-bit BMP in "screens1" under the start directory.
#pragma once

// The main loop's screenshot: counter o2::NomScreen, date and clock in the name, "screens1" under
// the start directory; a scripted run's own file name instead when it gives one. 1 when written.
int ScreenShotBmp();

// Reads the current viewport in B, G, R order and writes it as a BMP; 1 on success.
int ScreenGrab(const char* fileName);

// The name "tolv_<date>_<ms>_<counter, four digits>.bmp"; 0 when it would pass 255 characters.
int ScreenShot_Name(char* out, int outSize, const char* dateText, unsigned ms, int counter);

// Raises *counter (after the largest int it starts again at 1), changes to startDir/"screens1"
// (made when missing), grabs, waits 80 ms and returns to the directory it came from, whatever
// happened (all through the directory stack). 1 when the file was written.
int ScreenShot_Take(const char* startDir, const char* dateText, int* counter);
