// dulm-render: pictures of any demonstration state, made headless.
#include <cstdlib>
#include <iostream>

#include <QGuiApplication>

#include "tools/Render.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<dulm::RenderOptions> options = dulm::ParseRenderOptions(args, error);
    if (!options) {
        std::cerr << "dulm-render: " << error << "\n" << dulm::RenderUsage();
        return 2;
    }
    if (options->help) {
        std::cout << dulm::RenderUsage();
        return 0;
    }
    return dulm::Render(*options, std::cout, std::cerr);
}
