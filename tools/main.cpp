// dulm-render: pictures of any demonstration state, made headless.
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "tools/Render.h"

int main(int argc, char** argv) {
    // The tool never shows a window: whatever platform the environment names, it draws offscreen,
    // and no argument of ours is taken for one of the toolkit's.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    // A file-size limit fails the write (and is reported) instead of killing the tool.
    std::signal(SIGXFSZ, SIG_IGN);
    return dulm::RenderCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
