#include "core/identity/home_page.h"

#include "core/folders/folders.h"
#include "core/folders/help_page.h"
#include "core/identity/program_identity.h"

std::string HomePageAddress(Language language) {
  if (kHasHomePage) return kHomePageUrl;
  const std::string page = HelpPage(language);
  // Not found, the page is named bare; the opener then says what is missing.
  return page[0] == '/' ? FileAddress(page) : page;
}
