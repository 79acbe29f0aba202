// Pictures of the program as the user sees it: three demonstration windows tiled, a parameter
// dialog, the About box, the "New" list and the help, written under the temporary folder for a
// person to look at. The tests check that each window shows its view's canvas.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include <QListWidget>

#include "qt/ChildWindow.h"
#include "qt/NewDialog.h"
#include "qt/TemplateDialog.h"
#include "qt/ViewWidget.h"
#include "res/Dialogs.h"
#include "res/Resources.h"

namespace dulm::test {
namespace {

QString PicturePath(const QString& name) { return QDir::temp().filePath(name); }

TEST(Pictures, TiledDemonstrationsShowTheirCanvases) {
    StartedProgram program;
    MainWindow& window = program.Window();
    std::vector<ChildWindow*> children = {program.Open(res::IDR_CENTRAL), program.Open(res::IDR_CORRELATION),
                                          program.Open(res::IDR_ANOVA)};
    window.OnCommand(res::ID_WINDOW_TILE_HORZ);
    ASSERT_TRUE(WaitFor([&] {
        return std::all_of(children.begin(), children.end(), [](ChildWindow* c) {
            const QImage& shown = c->View().Shown();
            return !shown.isNull() && shown.size() == c->View().size();
        });
    }));
    const QImage picture = window.grab().toImage();
    picture.save(PicturePath("dulm-tiled.png"));
    for (ChildWindow* child : children) {
        const QPoint centre = child->View().rect().center();
        EXPECT_EQ(picture.pixelColor(child->View().mapTo(&window, centre)), child->View().Shown().pixelColor(centre))
            << child->Title().toStdString();
    }

    // Central Limit asks for its parameters first; with them accepted its run draws.
    ViewWidget& central = children[0]->View();
    ASSERT_TRUE(WaitFor([&] { return !central.Ui().OpenDialogs().empty(); }));
    central.Ui().OpenDialogs().front()->accept();
    const qint64 before = central.Shown().cacheKey();
    EXPECT_TRUE(WaitFor([&] { return central.Shown().cacheKey() != before; }, 5000));
    window.grab().save(PicturePath("dulm-central-run.png"));
}

TEST(Pictures, ParameterDialogAndAboutBox) {
    StartedProgram program;  // grey dialogs, as the program sets them
    CentralParameters parameters;
    TemplateDialog central(parameters, {});
    central.show();
    central.grab().save(PicturePath("dulm-central-dialog.png"));
    CDialog about(res::AboutDialog());
    TemplateDialog aboutBox(about, {});
    aboutBox.show();
    aboutBox.grab().save(PicturePath("dulm-about.png"));
    EXPECT_EQ(aboutBox.palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST(Pictures, NewListAndHelpAtTheIntroduction) {
    StartedProgram program;
    std::vector<const CMultiDocTemplate*> templates;
    for (const auto& t : program.App().Templates()) templates.push_back(t.get());
    NewDialog list(templates, {});
    list.show();
    list.grab().save(PicturePath("dulm-new.png"));
    ASSERT_EQ(list.List()->count(), 13);
    EXPECT_EQ(list.List()->item(0)->text(), "Binomial Demonstration");
    EXPECT_EQ(list.Selected(), templates.front());

    HelpWindow& help = program.Window().Help();
    help.ShowContext(res::kIntroductionContext);
    help.grab().save(PicturePath("dulm-help.png"));
    EXPECT_EQ(help.CurrentPage().path(), "0x20087");
}

}  // namespace
}  // namespace dulm::test
