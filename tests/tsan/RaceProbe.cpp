// A deliberate data race in our own code, across the way a view asks the window for something:
// the view asks for help, the window's thread answers by writing a counter, and a moment later the
// view's thread writes the same counter, with nothing between the two writes. One side of the race
// runs inside the call QtUi carried to the window's thread, the other on the thread
// ViewWidget::Start created. With the project's suppressions ThreadSanitizer must still report it:
// they may cover what happens inside Qt and the font libraries, never a race of ours.
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include <QApplication>
#include <QElapsedTimer>

#include "platform/DocTemplate.h"
#include "platform/Ui.h"
#include "qt/ViewWidget.h"

namespace {

int g_counter = 0;  // deliberately unguarded

class RacingView final : public dulm::CView {
public:
    void OnInitialUpdate() override { SetScaleToFitSize({20, 20}); }
    void OnDraw(dulm::Dc&) override {
        dulm::CurrentUi().WinHelp(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the window answers meanwhile
        ++g_counter;
    }
};

class PlainDoc final : public dulm::CDocument {};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    dulm::CMultiDocTemplate tmpl(
        1, "\nRace\nRace\n\n\n\n", [] { return std::make_unique<PlainDoc>(); },
        [] { return std::make_unique<RacingView>(); });
    dulm::ViewWidget window(tmpl, "Race1", nullptr, [](unsigned) { ++g_counter; });
    window.resize(20, 20);
    window.Start();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 500) QApplication::processEvents(QEventLoop::AllEvents, 20);
    window.Shutdown();
    return 0;
}
