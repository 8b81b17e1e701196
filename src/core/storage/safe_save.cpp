#include "core/storage/safe_save.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/locale/translation.h"
#include "core/folders/folders.h"

namespace {

// Adds where a save failed and why to the folders the failure sentence names.
void Note(std::vector<std::string>* failures, const std::string& folder, const std::string& why) {
  failures->push_back(folder + " (" + why + ")");
}

// The one sentence for a save that failed in each of failures (one or two).
std::string FailureSentence(const char* name, const std::vector<std::string>& failures) {
  if (failures.size() == 1) return Filled(Tr("%s could not be saved in %s."), {name, failures[0]});
  return Filled(Tr("%s could not be saved in %s nor in %s."), {name, failures[0], failures[1]});
}

// Saves into folder, made first when asked; notes the failure if it cannot.
bool TryFolder(const std::string& folder, bool make, const char* name, const std::string& bytes,
               std::vector<std::string>* failures) {
  std::string why;
  if (make && !MakeFolders(folder)) {
    why = std::strerror(errno);
  } else if (SaveInFolder(folder, name, bytes, ExistingFile::kReplace, &why)) {
    return true;
  }
  Note(failures, folder, why);
  return false;
}

}  // namespace

SaveOutcome SaveWherePossible(const char* name, const std::string& bytes) {
  std::vector<std::string> failures;
  const std::string current = CurrentFolder();
  if (current.empty()) {
    Note(&failures, Tr("the current folder"), std::strerror(errno));
  } else if (TryFolder(current, false, name, bytes, &failures)) {
    return {true, current, ""};
  }
  const std::string data = UserDataFolder();
  if (data.empty()) {
    Note(&failures, Tr("a home folder"), Tr("the user has none"));
  } else if (data != current && TryFolder(data, true, name, bytes, &failures)) {
    return {true, data, ""};
  }
  return {false, "", FailureSentence(name, failures)};
}
