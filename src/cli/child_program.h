#pragma once

#include <string>
#include <vector>

// Runs a program (by path, or by name through PATH when it has no slash)
// with the words given after its name, and waits for it; what it writes on
// standard output goes to *output when given. Its wait status, or -1 with
// the reason in *why when it could not be started.
int RunChild(const std::string& program, const std::vector<std::string>& words, std::string* output, std::string* why);
