#pragma once

// Opens the toolkit's X display with no X input method. Every field of the
// window takes digits and date separators only, which need no composing, and
// libX11's built-in input method reads the locale's whole Compose table as it
// opens: about a third of start-up. XMODIFIERS is set for the opening alone
// and then put back as it was, so programs started later (a browser, the help)
// inherit the environment unchanged.
void OpenDisplayWithoutInputMethod();
