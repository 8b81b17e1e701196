#pragma once

// True when `arg` is one of the toolkit's own options (-display, -geometry,
// -name, -title, -iconic, -fg, -bg, -scheme, ...), which start the window.
bool IsToolkitOption(const char* arg);
