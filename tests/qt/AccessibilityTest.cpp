// What a screen reader is told: a demonstration's picture is a chart whose children are the texts
// it shows, placed where the window shows them, and a dialog's edits are named by their labels and
// its radio buttons are radio buttons that name their group. (scripts/test-accessibility reads
// the same through the accessibility bus of a desktop.)
#include <atomic>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "platform/Dialog.h"
#include "qt/TemplateDialog.h"
#include "qt/ViewWidget.h"
#include "res/Dialogs.h"
#include "res/Resources.h"

namespace dulm::test {
namespace {

// Writes two texts and a description; a key erases the upper text (drawn again in the
// background's colour) at the next paint.
class TwoTextsView final : public CountedView {
public:
    static inline std::atomic<int> paints{0};
    void OnDraw(Dc& dc) override {
        if (m_erase) {
            dc.SetTextColor(kWhite);
            dc.TextOut(10, 10, "upper");
        } else {
            dc.TextOut(10, 10, "upper");
            dc.TextOut(60, 50, "lower");
            dc.GetCanvas().SetDescription("two texts, one above the other");
        }
        ++paints;
    }
    void OnKeyDown(unsigned, unsigned, unsigned) override {
        m_erase = true;
        InvalidateRect();
    }

private:
    bool m_erase = false;
};

QStringList ChildNames(QAccessibleInterface& picture) {
    QStringList names;
    for (int i = 0; i < picture.childCount(); ++i) names << picture.child(i)->text(QAccessible::Name);
    return names;
}

TEST(AccessiblePicture, ItsChildrenAreTheTextsShownWhereTheZoomedWindowShowsThem) {
    TwoTextsView::paints = 0;
    const CMultiDocTemplate tmpl(res::IDR_CENTRAL, "\nTest\nTest\nTest (*.tst)\n.tst\nTest.Document\nTest Document",
                                 [] { return std::make_unique<CountedDoc>(); },
                                 [] { return std::make_unique<TwoTextsView>(); });
    auto view = std::make_unique<ViewWidget>(tmpl, "Test1", nullptr, HelpRequest{});
    view->resize(400, 200);  // the 200 x 100 canvas at twice its size
    view->show();
    view->Start();
    ASSERT_TRUE(WaitFor([] { return TwoTextsView::paints.load() == 1; }));
    ASSERT_TRUE(WaitFor([&] { return view->Presentations() > 0; }));

    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(view.get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->role(), QAccessible::Chart);
    EXPECT_EQ(picture->text(QAccessible::Name), "Central Limit Demonstration");
    EXPECT_EQ(picture->text(QAccessible::Description), "two texts, one above the other");
    ASSERT_EQ(ChildNames(*picture), QStringList({"upper", "lower"}));
    QAccessibleInterface* lower = picture->child(1);
    EXPECT_EQ(lower->role(), QAccessible::StaticText);
    EXPECT_EQ(lower->parent(), picture);
    EXPECT_EQ(picture->indexOfChild(lower), 1);
    // (60, 50) on the canvas is (120, 100) in the window.
    EXPECT_EQ(lower->rect().topLeft(), view->mapToGlobal(QPoint(120, 100)));
    EXPECT_EQ(picture->childAt(lower->rect().center().x(), lower->rect().center().y()), lower);

    // The upper text is erased: only the lower one is left, and it keeps its element.
    const QAccessible::Id lowerId = QAccessible::uniqueId(lower);
    view->Host()->PostKey(MakeKeyMessage(WM_KEYDOWN, 'A', 0x1E), false);
    ASSERT_TRUE(WaitFor([] { return TwoTextsView::paints.load() == 2; }));
    ASSERT_TRUE(WaitFor([&] { return ChildNames(*picture) == QStringList({"lower"}); }));
    EXPECT_EQ(QAccessible::uniqueId(picture->child(0)), lowerId);

    // Closing the window takes the texts' elements with it.
    view.reset();
    EXPECT_EQ(QAccessible::accessibleInterface(lowerId), nullptr);
}

TEST(AccessibleDialog, EditsAreNamedByTheirLabelsAndRadioButtonsByTheirGroup) {
    CentralParameters central;
    TemplateDialog dialog(central, {});
    // The label at the edit's left names it; the range below the label describes it.
    QAccessibleInterface* samples = QAccessible::queryAccessibleInterface(dialog.Control(1002));
    EXPECT_EQ(samples->text(QAccessible::Name), "Number of Samples");
    EXPECT_EQ(samples->text(QAccessible::Description), "1000 - 50000");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.Control(1001))->text(QAccessible::Name), "Sample Size");
    QAccessibleInterface* uniform = QAccessible::queryAccessibleInterface(dialog.Control(1003));
    EXPECT_EQ(uniform->role(), QAccessible::RadioButton);
    EXPECT_EQ(uniform->text(QAccessible::Name), "Uniform");
    EXPECT_EQ(uniform->text(QAccessible::Description), "Population");
    // The radio buttons still exclude each other through their group.
    static_cast<QRadioButton*>(dialog.Control(1005))->click();
    EXPECT_FALSE(static_cast<QRadioButton*>(dialog.Control(1003))->isChecked());
}

// The pairs dialog's question stands above its edit.
class PairsParameters final : public CDialog {
public:
    PairsParameters() : CDialog(res::PairsDialog()) {}
};

TEST(AccessibleDialog, AnEditUnderItsQuestionIsNamedByIt) {
    PairsParameters pairs;
    TemplateDialog dialog(pairs, {});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.Control(1001))->text(QAccessible::Name),
              "How many pairs of points do you want to interchange? (1 - 10)");
}

}  // namespace
}  // namespace dulm::test
