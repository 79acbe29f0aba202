// Dulm: statistics demonstrations. The only argument is a document to open (from the desktop's
// "Open with"), handled as Ctrl+O would.
#include <QApplication>
#include <QIcon>

#include "app/DemoApp.h"
#include "demos/Registry.h"
#include "qt/MainWindow.h"
#include "qt/QtShell.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    qapp.setWindowIcon(QIcon(":/icons/dulm.xpm"));
    dulm::CDemoApp app(dulm::MakeDemoTemplates);
    dulm::QtShell shell(app);
    if (!app.InitInstance(shell)) return 0;  // no frame: the program ends without a word
    if (argc == 2) shell.Window()->OpenFile(QString::fromLocal8Bit(argv[1]));
    qapp.exec();
    return app.ExitInstance();
}
