// Error boxes of the image and texture loaders: a log line, then the platform's message box.
#pragma once

// Logs the text and shows it in the platform's message box (OK button; flags adds an icon);
// a headless run answers it at once. Keeps the last text for tests.
void Rend_ErrorBox(const char* text, const char* caption, int flags = 0);
const char* Rend_LastBoxText();
int Rend_BoxCount();
