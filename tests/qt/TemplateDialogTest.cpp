// Parameter dialogs built from their templates: initial values, refused entries, radio buttons,
// help.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "app/AboutDlg.h"
#include "demos/alpha/AlphDlg.h"
#include "demos/binomial/ProbLeftDlg.h"
#include "demos/central/CentDlg.h"
#include "demos/completemeans/AllDlg.h"
#include "demos/correlation/PairsDlg.h"
#include "demos/power/BetaDlg.h"
#include "demos/spinner/ProbChoiceDlg.h"
#include "demos/studentt/StutDlg.h"
#include "demos/variance/VariDlg.h"
#include "demos/zentral/ZentDlg.h"
#include "qt/TemplateDialog.h"
#include "res/Dialogs.h"

namespace dulm::test {
namespace {

QLineEdit* Edit(const TemplateDialog& dialog, int id) { return qobject_cast<QLineEdit*>(dialog.Control(id)); }
QAbstractButton* Button(const TemplateDialog& dialog, int id) {
    return qobject_cast<QAbstractButton*>(dialog.Control(id));
}

// The refusal shown over the dialog, if any.
QMessageBox* Refusal(const TemplateDialog& dialog) {
    for (QMessageBox* box : dialog.findChildren<QMessageBox*>())
        if (box->isVisible()) return box;
    return nullptr;
}

class TemplateDialogTest : public testing::Test {
protected:
    TemplateDialogTest() : dialog(parameters, [this](unsigned context) { helpAsked.push_back(context); }) {
        dialog.show();
    }

    void EnterSamples(const QString& text) {
        Edit(dialog, 1002)->setText(text);
        Button(dialog, IDOK)->click();
    }

    CentralParameters parameters;
    std::vector<unsigned> helpAsked;
    TemplateDialog dialog;
};

TEST_F(TemplateDialogTest, ShowsTheDialogsValues) {
    EXPECT_EQ(dialog.windowTitle(), "Choose Parameters");
    EXPECT_EQ(Edit(dialog, 1002)->text(), "10000");
    EXPECT_EQ(Edit(dialog, 1001)->text(), "10");
    EXPECT_TRUE(Button(dialog, 1003)->isChecked());
    EXPECT_FALSE(Button(dialog, 1006)->isChecked());
    EXPECT_TRUE(qobject_cast<QPushButton*>(Button(dialog, IDOK))->isDefault());
}

TEST_F(TemplateDialogTest, RefusesTextAndStaysOpen) {
    EnterSamples("abc");
    QMessageBox* box = Refusal(dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Please enter an integer.");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->windowTitle(), "Dulm Windows Application");
    box->accept();
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, 1002));
    EXPECT_EQ(Edit(dialog, 1002)->selectedText(), "abc");
}

TEST_F(TemplateDialogTest, RefusesANumberOutOfRangeAndStaysOpen) {
    EnterSamples("999999");
    QMessageBox* box = Refusal(dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Please enter an integer between 1000 and 50000.");
    box->accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(parameters.m_nSamples, 999999);  // exchanged, then refused, as the framework does
}

TEST_F(TemplateDialogTest, AcceptsCorrectedValuesAndTheRadioClicked) {
    EnterSamples("50001");
    ASSERT_NE(Refusal(dialog), nullptr);
    Refusal(dialog)->accept();
    Button(dialog, 1005)->click();
    EXPECT_FALSE(Button(dialog, 1003)->isChecked());
    EnterSamples("2000");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(parameters.m_nSamples, 2000);
    EXPECT_EQ(parameters.m_nShape, 2);
}

TEST_F(TemplateDialogTest, EscapeCancelsAndF1AsksForTheDialogsTopic) {
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(helpAsked, std::vector<unsigned>{0x20067});
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

// A plain radio button is checked by its dialog only, never by the click itself.
class PlainRadioDialog final : public CDialog {
public:
    static const DialogTemplate& Template() {
        static const DialogTemplate t{1, "Plain", "MS Sans Serif", 8, {0, 0, 100, 60},
                                      {{ControlKind::Radio, 10, "Left", {4, 4, 40, 10}, true},
                                       {ControlKind::Radio, 11, "Right", {4, 16, 40, 10}},
                                       {ControlKind::DefPushButton, IDOK, "OK", {50, 4, 40, 14}, true}}};
        return t;
    }
    PlainRadioDialog() : CDialog(Template()) {}
    bool checkRight = false;
    void OnControlClicked(int id, DialogState& state) override {
        if (id == 11 && checkRight) state[11].checked = true;
    }
};

TEST(TemplateDialogRadio, PlainRadioIsNotCheckedByItsClick) {
    PlainRadioDialog plain;
    TemplateDialog dialog(plain, {});
    dialog.show();
    Button(dialog, 10)->click();
    EXPECT_FALSE(Button(dialog, 10)->isChecked());
    plain.checkRight = true;
    Button(dialog, 11)->click();
    EXPECT_TRUE(Button(dialog, 11)->isChecked());
    EXPECT_FALSE(Button(dialog, 10)->isChecked());
}

// A dialog may switch radio buttons between the automatic and the plain style as others are
// clicked: the Alpha dialog's tail buttons ignore clicks, mouse or keyboard, while chi-square is
// chosen, and work again, reset to one-tailed, with Normal or Student's.
TEST(TemplateDialogRadio, AlphaTailButtonsFollowTheDistribution) {
    CAlphDlg alpha;
    std::vector<unsigned> helpAsked;
    TemplateDialog dialog(alpha, [&](unsigned context) { helpAsked.push_back(context); });
    dialog.show();
    auto tails = [&] { return std::pair{Button(dialog, 1011)->isChecked(), Button(dialog, 1012)->isChecked()}; };
    Button(dialog, 1012)->click();
    EXPECT_EQ(tails(), std::pair(false, true));
    Button(dialog, 1005)->click();  // ChiSquare
    EXPECT_EQ(tails(), std::pair(true, false));
    QTest::mouseClick(Button(dialog, 1012), Qt::LeftButton);
    EXPECT_EQ(tails(), std::pair(true, false));
    Button(dialog, 1012)->setFocus();
    QTest::keyClick(Button(dialog, 1012), Qt::Key_Space);
    EXPECT_EQ(tails(), std::pair(true, false));
    Button(dialog, 1011)->click();
    EXPECT_EQ(tails(), std::pair(true, false));

    Button(dialog, 1003)->click();  // Normal
    Button(dialog, 1012)->click();
    EXPECT_EQ(tails(), std::pair(false, true));
    Button(dialog, 1004)->click();  // Student's resets to one-tailed
    EXPECT_EQ(tails(), std::pair(true, false));
    QTest::mouseClick(Button(dialog, 1012), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(helpAsked, std::vector<unsigned>{0x2007B});
    Button(dialog, IDOK)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(alpha.m_nDist, 1);
    EXPECT_EQ(alpha.m_nTails, 1);
}

// The About text breaks only where its two spaces are: "Dulm Application Version 1.0" on the
// first line, "Statistical Demonstrations" on the second, clear of the OK button.
TEST(TemplateDialogLayout, AboutTextKeepsEachLineWhole) {
    CDialog about(res::AboutDialog());
    TemplateDialog dialog(about, {});
    QLabel* text = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->pixmap().isNull()) text = label;
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "Dulm Application Version 1.0  Statistical Demonstrations");
    const QFontMetrics metrics = text->fontMetrics();
    EXPECT_GE(text->width(), metrics.horizontalAdvance("Dulm Application Version 1.0"));
    EXPECT_GE(text->width(), metrics.horizontalAdvance("Statistical Demonstrations"));
    EXPECT_LT(text->width(), metrics.horizontalAdvance("Dulm Application Version 1.0  Statistical"));
    EXPECT_LE(text->height(), 2 * metrics.height() + metrics.height() / 2);
    EXPECT_FALSE(text->geometry().intersects(dialog.Control(IDOK)->geometry()));
}

// Inside the dialog and clear of each other: a label's last line is never hidden under an edit.
TEST(TemplateDialogLayout, EveryControlOfEveryTemplateFitsItsDialog) {
    for (const DialogTemplate* tmpl : res::AllDialogs()) {
        CDialog plain(*tmpl);
        TemplateDialog dialog(plain, {});
        const QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* control : controls) {
            EXPECT_TRUE(dialog.rect().contains(control->geometry())) << tmpl->caption << " id " << tmpl->id;
            for (QWidget* other : controls) {
                if (other != control && qobject_cast<QLineEdit*>(other)) {
                    EXPECT_FALSE(control->geometry().intersects(other->geometry())) << tmpl->caption;
                }
            }
        }
    }
}

// Every dialog opens on its first control in tab order; an edit that takes the focus, opening or
// by Tab, has its whole text selected, so that what is typed replaces the value.
struct OpeningFocus {
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
    int first;      // the control that has the focus as the dialog opens
    int afterTab;   // the control Tab moves to
};

void PrintTo(const OpeningFocus& f, std::ostream* os) { *os << f.name; }

class TemplateDialogFocus : public testing::TestWithParam<OpeningFocus> {};

template <class Dlg>
std::function<std::unique_ptr<CDialog>()> Maker() {
    return [] { return std::make_unique<Dlg>(); };
}

TEST_P(TemplateDialogFocus, OpensOnTheFirstControlWithTheEditsTextSelected) {
    const std::unique_ptr<CDialog> object = GetParam().make();
    TemplateDialog dialog(*object, {});
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(WaitFor([&] { return dialog.isActiveWindow(); }));
    auto selectedWhole = [](QWidget* w) {
        auto* edit = qobject_cast<QLineEdit*>(w);
        return !edit || (!edit->text().isEmpty() && edit->selectedText() == edit->text());
    };
    EXPECT_EQ(dialog.focusWidget(), dialog.Control(GetParam().first));
    EXPECT_TRUE(selectedWhole(dialog.focusWidget()));
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget(), dialog.Control(GetParam().afterTab));
    EXPECT_TRUE(selectedWhole(dialog.focusWidget()));
}

INSTANTIATE_TEST_SUITE_P(
    EveryDialog, TemplateDialogFocus,
    testing::Values(OpeningFocus{"About", Maker<CAboutDlg>(), IDOK, IDOK},
                    OpeningFocus{"Pairs", Maker<CPairsDlg>(), 1001, IDOK},
                    OpeningFocus{"Central", Maker<CCentDlg>(), 1002, 1001},
                    OpeningFocus{"StudentT", Maker<CStutDlg>(), 1002, 1001},
                    OpeningFocus{"Variance", Maker<CVariDlg>(), 1002, 1001},
                    OpeningFocus{"CompleteMeans", Maker<CAllDlg>(), 1002, 1001},
                    OpeningFocus{"Spinner", Maker<CProbChoiceDlg>(), 1003, IDOK},
                    OpeningFocus{"Binomial", Maker<CProbLeftDlg>(), 1002, IDOK},
                    OpeningFocus{"Alpha", Maker<CAlphDlg>(), 1003, 1011},
                    OpeningFocus{"Zentral", Maker<CZentDlg>(), 1002, 1001},
                    OpeningFocus{"Power", Maker<CBetaDlg>(), 1002, IDOK}),
    [](const testing::TestParamInfo<OpeningFocus>& info) { return std::string(info.param.name); });

// Typing into Power's dialog as it opens replaces its "1": 0.5 is refused, not taken as 10.5.
TEST(TemplateDialogFocus, TypingReplacesTheOpeningValue) {
    CBetaDlg power;
    TemplateDialog dialog(power, {});
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(WaitFor([&] { return dialog.isActiveWindow(); }));
    QTest::keyClicks(dialog.focusWidget(), "0.5");
    EXPECT_EQ(Edit(dialog, 1002)->text(), "0.5");
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    ASSERT_NE(Refusal(dialog), nullptr);
    Refusal(dialog)->accept();
    QTest::keyClicks(Edit(dialog, 1002), "7");
    QTest::keyClick(Edit(dialog, 1002), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(power.m_fSampleSize, 7.0f);
}

}  // namespace
}  // namespace dulm::test
