// Dulm: statistics demonstrations. The only argument is a document to open (from the desktop's
// "Open with"), handled as Ctrl+O would.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "app/DemoApp.h"
#include "demos/Registry.h"
#include "platform/Typeface.h"
#include "qt/MainWindow.h"
#include "qt/QtShell.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    qapp.setWindowIcon(QIcon(":/icons/dulm.xpm"));
    // Every picture's texts are drawn with the program's own fonts: without them there is nothing to show.
    if (const std::string missing = dulm::CheckFonts(); !missing.empty()) {
        QMessageBox::critical(nullptr, "Dulm Windows Application",
                              "Dulm cannot write the texts of its pictures: " + QString::fromStdString(missing) +
                                  ".\n\nInstall the fonts-liberation package, or set DULM_FONT_DIR to the folder "
                                  "that holds the Liberation font files.");
        return 1;
    }
    dulm::CDemoApp app(dulm::MakeDemoTemplates);
    dulm::QtShell shell(app);
    if (!app.InitInstance(shell)) return 0;  // no frame: the program ends without a word
    if (argc == 2) shell.Window()->OpenFile(QString::fromLocal8Bit(argv[1]));
    qapp.exec();
    return app.ExitInstance();
}
