// dulm-render: pictures of any demonstration state, made headless.
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "tools/Render.h"

int main(int argc, char** argv) {
    // A file-size limit fails the write (and is reported) instead of killing the tool.
    std::signal(SIGXFSZ, SIG_IGN);
    return dulm::RenderCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
