// The classroom commands of the desktop: the picture and its texts on the clipboard, the picture
// and the data in files, documents that run the same demonstration again, Run Again and the recent
// files.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "demos/Registry.h"
#include "platform/ViewHost.h"
#include "qt/ChildWindow.h"
#include "qt/PictureCommands.h"
#include "qt/ViewWidget.h"
#include "res/Resources.h"
#include "tests/qt/QtTestSupport.h"

namespace dulm::test {
namespace {

std::string TextsOf(ChildWindow& child) {
    const std::shared_ptr<Canvas> canvas = child.Host().GetCanvas();
    return canvas ? PlainText(canvas->Texts()) : std::string();
}

// Regression rests after its first paint, waiting for a click: its picture is complete once the
// heading is there and the view's thread waits for input (a resize may still repaint it after the
// heading first appears, so both are needed before two reads of the picture can agree).
ChildWindow* OpenRested(StartedProgram& program, unsigned templateId) {
    ChildWindow* child = program.Open(templateId);
    const auto rested = [&] {
        return TextsOf(*child).find("SCATTERPLOT") != std::string::npos &&
               child->Host().Queue().CurrentActivity() != Activity::Running;
    };
    EXPECT_TRUE(WaitFor(rested));
    QCoreApplication::processEvents();
    EXPECT_TRUE(WaitFor(rested));
    return child;
}

bool Told(MainWindow& window) {
    const auto boxes = window.findChildren<QMessageBox*>();
    for (QMessageBox* box : boxes) box->close();
    return !boxes.isEmpty();
}

TEST(ClassroomCommands, CopyPictureSavePictureAndExportData) {
    StartedProgram program;
    ChildWindow* child = OpenRested(program, res::IDR_REGRESSION);
    program.Window().OnCommand(res::ID_EDIT_COPY);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    ASSERT_TRUE(copied->hasImage());
    const QImage image = qvariant_cast<QImage>(copied->imageData());
    const Size canvas = child->Host().GetCanvas()->GetSize();
    EXPECT_EQ(image.size(), QSize(canvas.cx, canvas.cy));
    // The heading first, then the axis numbers row by row, the letters of the points among them.
    EXPECT_TRUE(copied->text().startsWith("SCATTERPLOT DISTRIBUTION\n5\n")) << copied->text().toStdString();
    EXPECT_EQ(copied->text().count('\n'), QString::fromStdString(TextsOf(*child)).count('\n'));

    QTemporaryDir dir;
    EXPECT_FALSE(PictureCommands::SavePicture(child->Host(), dir.filePath("r.png")));
    EXPECT_EQ(QImage(dir.filePath("r.png")).convertToFormat(QImage::Format_RGB32), image);
    const std::optional<QString> failed = PictureCommands::SavePicture(child->Host(), dir.filePath("no/such/r.png"));
    ASSERT_TRUE(failed);
    EXPECT_FALSE(failed->isEmpty());

    EXPECT_FALSE(PictureCommands::ExportData(child->Host(), dir.filePath("r.csv")));
    QFile csv(dir.filePath("r.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("Parameter,Value\r\nDemonstration,Regression\r\nr,"));
    EXPECT_TRUE(PictureCommands::ExportData(child->Host(), dir.filePath("no/such/r.csv")));
}

// A saved document opens as the same run: the same points from the same seed. What cannot be
// read, or is not such a document, opens nothing and says why.
TEST(ClassroomCommands, DocumentsRunTheSameDemonstrationAgainAndBadOnesOpenNothing) {
    StartedProgram program;
    MainWindow& window = program.Window();
    ChildWindow* first = OpenRested(program, res::IDR_REGRESSION);
    const std::string picture = TextsOf(*first);
    QTemporaryDir dir;
    const QString path = dir.filePath("Lesson.reg");
    window.SaveActiveAs(path);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("Dulm demonstration 1\ndemo=regression\nseed="));
    first->close();

    ChildWindow* opened = window.OpenFile(path);
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(WaitFor([&] { return TextsOf(*opened) == picture; })) << TextsOf(*opened);
    EXPECT_EQ(window.RecentFiles().front(), QFileInfo(path).absoluteFilePath().toStdString());
    QAction* recent = window.Actions().Action(res::ID_FILE_MRU_FILE1);
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->isVisible());
    EXPECT_EQ(recent->text(), "&1 Lesson.reg");

    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return dir.filePath(name);
    };
    const QString bad[] = {
        write("picture.reg", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)),
        write("other.reg", "Dulm demonstration 1\ndemo=central\n"),
        write("damaged.reg", "Dulm demonstration 1\ndemo=regression\nseed=x\n"),
        write("huge.reg", "Dulm demonstration 1\n" + QByteArray(200000, '\n')),
        dir.filePath("missing.reg"),
    };
    QDir(dir.path()).mkdir("folder.reg");
    for (const QString& file : {bad[0], bad[1], bad[2], bad[3], bad[4], dir.filePath("folder.reg")}) {
        EXPECT_EQ(window.OpenFile(file), nullptr) << file.toStdString();
        EXPECT_TRUE(Told(window)) << file.toStdString();
    }
    EXPECT_EQ(window.Children().size(), 1u);
    // An empty document, as the program saved before, opens with the defaults.
    EXPECT_NE(window.OpenFile(write("old.reg", "")), nullptr);
}

// Run Again replaces the window with the same demonstration: Ctrl+Shift+R with the same seed
// (the same points), Ctrl+R with a new one.
TEST(ClassroomCommands, RunAgainWithTheSameSeedDrawsTheSamePicture) {
    StartedProgram program;
    MainWindow& window = program.Window();
    ChildWindow* first = OpenRested(program, res::IDR_REGRESSION);
    const std::string picture = TextsOf(*first);
    const std::optional<long> seed = first->Host().Recorded().seed;
    ASSERT_TRUE(seed);
    ChildWindow* again = window.RunAgain(true);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(window.Children().size(), 1u);
    EXPECT_EQ(again->Title(), "Regression - 1");
    EXPECT_TRUE(WaitFor([&] { return TextsOf(*again) == picture; }));
    EXPECT_EQ(again->Host().Recorded().seed, seed);
}

}  // namespace
}  // namespace dulm::test
