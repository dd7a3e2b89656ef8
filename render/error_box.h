// Error boxes of the image and texture loaders: a log line, then the platform's message box.
#pragma once

// Shows text with caption; never blocks a headless run. Keeps the last text for tests.
void Rend_ErrorBox(const char* text, const char* caption);
const char* Rend_LastBoxText();
int Rend_BoxCount();
