#pragma once

#include "core/export/html_exporter.h"

// Tool > Output html in two steps, each reported: saves the page (when it
// cannot be saved anywhere, tells the user why through alert and stops), then
// asks the desktop to open it from where it landed (when no program can, the
// alert says so and where the page is).
void SaveAndOpenPage(HtmlExporter page, void (*alert)(const char* message));
