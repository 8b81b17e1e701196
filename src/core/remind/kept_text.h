#pragma once

#include <string>

// The small files the reminders keep (the settings, the record of what was
// told): read whole, saved whole with the project's safe save.

// The text of folder/name; empty when there is none or it cannot be read.
std::string ReadKeptText(const std::string& folder, const char* name);
// Saves text as folder/name, making the folder first; false with the
// reason in *why.
bool SaveKeptText(const std::string& folder, const char* name, const std::string& text, std::string* why);
