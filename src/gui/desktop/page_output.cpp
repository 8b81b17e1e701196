#include "gui/desktop/page_output.h"

#include "gui/desktop/shell_open.h"

void SaveAndOpenPage(HtmlExporter page, void (*alert)(const char* message)) {
  const SaveOutcome outcome = page.Save();
  if (!outcome.saved) {
    alert(outcome.failure.c_str());
    return;
  }
  const std::string path = outcome.folder + "/" + kPageFileName;
  OpenOrTell(path, alert);
}
