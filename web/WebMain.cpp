// Dulm in the browser: the program's main thread runs on a worker and serves the page.
#include <cstdio>

#include "platform/Typeface.h"
#include "web/WebShell.h"

int main() {
    // Fonts come with the page; a missing one is said on the page's console at once.
    if (const std::string missing = dulm::CheckFonts(); !missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
    }
    dulm::web::Shell::Instance().Run();
}
