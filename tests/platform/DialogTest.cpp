// Dialog data exchange refuses bad entries with the framework's exact prompts.
#include <gtest/gtest.h>

#include "platform/Dialog.h"

namespace dulm {
namespace {

const DialogTemplate& SamplingTemplate() {
    static const DialogTemplate t{
        900, "Dialog", "MS Sans Serif", 8, {0, 0, 100, 100},
        {{ControlKind::Edit, 1002, "", {}},
         {ControlKind::Edit, 1001, "", {}},
         {ControlKind::Edit, 1007, "", {}},
         {ControlKind::AutoRadio, 1003, "Uniform", {}, true},
         {ControlKind::AutoRadio, 1004, "V-shaped", {}},
         {ControlKind::AutoRadio, 1005, "Triangular", {}},
         {ControlKind::AutoRadio, 1011, "One-tailed", {}, true},
         {ControlKind::AutoRadio, 1012, "Two-tailed", {}},
         {ControlKind::DefPushButton, IDOK, "OK", {}}}};
    return t;
}

struct SamplingDialog : CDialog {
    SamplingDialog() : CDialog(SamplingTemplate()) {}
    long m_nSamples = 10000;
    int m_nSampleSize = 10;
    float m_fSize = 1.0f;
    int m_nShape = 1;
    int m_nTails = 0;
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, 1002, m_nSamples);
        DDV_MinMaxLong(dx, m_nSamples, 1000, 50000);
        DDX_Text(dx, 1001, m_nSampleSize);
        DDV_MinMaxInt(dx, m_nSampleSize, 1, 100);
        DDX_Text(dx, 1007, m_fSize);
        DDV_MinMaxFloat(dx, m_fSize, 1.0f, 20.0f);
        DDX_Radio(dx, 1003, m_nShape);
        DDX_Radio(dx, 1011, m_nTails);
    }
};

class DialogTest : public testing::Test {
protected:
    SamplingDialog dialog;
    DialogState state = dialog.InitialState();

    std::string Refusal(int id, const std::string& text) {
        state[id].text = text;
        const auto failure = dialog.SaveState(state);
        return failure ? failure->prompt : "accepted";
    }
};

TEST_F(DialogTest, OpensWithTheMembersFormatted) {
    EXPECT_EQ(state[1002].text, "10000");
    EXPECT_EQ(state[1001].text, "10");
    EXPECT_EQ(state[1007].text, "1");
    EXPECT_FALSE(state[1003].checked);
    EXPECT_TRUE(state[1004].checked);
    EXPECT_TRUE(state[1011].checked);
}

TEST_F(DialogTest, RefusesWithTheFrameworksPrompts) {
    EXPECT_EQ(Refusal(1002, "abc"), "Please enter an integer.");
    EXPECT_EQ(Refusal(1002, ""), "Please enter an integer.");
    EXPECT_EQ(Refusal(1002, "12x"), "Please enter an integer.");
    EXPECT_EQ(Refusal(1002, "999"), "Please enter an integer between 1000 and 50000.");
    EXPECT_EQ(Refusal(1002, " 2000 "), "accepted");
    EXPECT_EQ(Refusal(1001, "101"), "Please enter an integer between 1 and 100.");
    EXPECT_EQ(Refusal(1001, "0"), "Please enter an integer between 1 and 100.");
    EXPECT_EQ(Refusal(1001, "1"), "accepted");
    EXPECT_EQ(Refusal(1007, "x"), "Please enter a number.");
    EXPECT_EQ(Refusal(1007, "0.5"), "Please enter a number between 1 and 20.");
    EXPECT_EQ(Refusal(1007, "21"), "Please enter a number between 1 and 20.");
    EXPECT_EQ(Refusal(1007, "2.5"), "accepted");
}

// An integer too large for its member is out of range, whatever the member's type.
TEST_F(DialogTest, AnEntryTooLargeForItsMemberGetsTheRangePrompt) {
    EXPECT_EQ(Refusal(1002, "99999999999999999999"), "Please enter an integer between 1000 and 50000.");
    state[1002].text = "2000";
    EXPECT_EQ(Refusal(1001, "99999999999"), "Please enter an integer between 1 and 100.");
    EXPECT_EQ(Refusal(1001, "-3000000000"), "Please enter an integer between 1 and 100.");
    EXPECT_EQ(Refusal(1001, "2147483648"), "Please enter an integer between 1 and 100.");
    const auto failure = dialog.SaveState(state);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->controlId, 1001);
    EXPECT_EQ(dialog.m_nSampleSize, 10);
}

// A number no float holds has no float to become: out of range like an integer too large for
// its member, and the member keeps its value.
TEST_F(DialogTest, ANumberNoFloatHoldsGetsTheRangePromptAndLeavesTheMember) {
    for (const char* text : {"1e300", "-1e300", "3.5e38", "inf", "-inf", "nan"}) {
        EXPECT_EQ(Refusal(1007, text), "Please enter a number between 1 and 20.") << text;
        EXPECT_EQ(dialog.m_fSize, 1.0f) << text;
    }
    EXPECT_EQ(Refusal(1007, "3.4e38"), "Please enter a number between 1 and 20.");  // a float, too large
}

struct UncheckedDialog : CDialog {
    UncheckedDialog() : CDialog(SamplingTemplate()) {}
    int m_nFirst = 1;
    int m_nSecond = 2;
    float m_fThird = 3.0f;
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, 1001, m_nFirst);
        DDX_Text(dx, 1002, m_nSecond);
        DDX_Text(dx, 1007, m_fThird);
    }
};

// Without a range check after it, an entry the member can't hold is no integer it can take.
TEST(DialogOverflowTest, WithoutARangeCheckTheEntryIsNoInteger) {
    UncheckedDialog dialog;
    DialogState state = dialog.InitialState();
    state[1001].text = "3000000000";
    auto failure = dialog.SaveState(state);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->prompt, "Please enter an integer.");
    EXPECT_EQ(failure->controlId, 1001);
    EXPECT_EQ(dialog.m_nSecond, 2);

    state[1001].text = "5";
    state[1002].text = "-3000000000";
    failure = dialog.SaveState(state);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->prompt, "Please enter an integer.");
    EXPECT_EQ(failure->controlId, 1002);
    EXPECT_EQ(dialog.m_nFirst, 5);

    state[1002].text = "6";
    state[1007].text = "1e300";
    failure = dialog.SaveState(state);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->prompt, "Please enter a number.");
    EXPECT_EQ(failure->controlId, 1007);
    EXPECT_EQ(dialog.m_fThird, 3.0f);
}

TEST_F(DialogTest, ARefusalNamesTheControlAndKeepsLaterMembersUntouched) {
    state[1002].text = "500";
    state[1001].text = "7";
    const auto failure = dialog.SaveState(state);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->controlId, 1002);
    EXPECT_EQ(dialog.m_nSampleSize, 10);
}

TEST_F(DialogTest, SavesTextsAndTheIndexOfEachRadioGroup) {
    state[1002].text = "50000";
    state[1001].text = "100";
    state[1004].checked = false;
    state[1005].checked = true;
    state[1011].checked = false;
    state[1012].checked = true;
    ASSERT_FALSE(dialog.SaveState(state));
    EXPECT_EQ(dialog.m_nSamples, 50000);
    EXPECT_EQ(dialog.m_nSampleSize, 100);
    EXPECT_EQ(dialog.m_nShape, 2);
    EXPECT_EQ(dialog.m_nTails, 1);
}

TEST(DialogTemplateTest, ARadioGroupEndsAtTheNextGroup) {
    const auto shapes = SamplingTemplate().RadioGroup(1003);
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[2]->id, 1005);
    EXPECT_EQ(SamplingTemplate().RadioGroup(1011).size(), 2u);
    EXPECT_TRUE(SamplingTemplate().RadioGroup(1004).size() == 2u);  // a group may be entered mid-way
    EXPECT_TRUE(SamplingTemplate().RadioGroup(1002).empty());
}

// The sampling dialogs' layout: a name at the edit's left with its range just under it, still on
// the edit's rows; the pairs dialog's question over its edit.
TEST(DialogTemplateTest, AnEditIsNamedByTheTextAtItsLeftElseTheOneAboveAndDescribedByItsRange) {
    const DialogTemplate t{
        901, "Dialog", "MS Sans Serif", 8, {0, 0, 200, 100},
        {{ControlKind::Edit, 1002, "", {66, 18, 40, 13}},
         {ControlKind::Static, -1, "1000 - 50000", {13, 27, 50, 8}},
         {ControlKind::Static, -1, "Number of Samples", {1, 18, 64, 8}},
         {ControlKind::Static, -1, "How many?", {120, 40, 60, 20}},
         {ControlKind::Static, -1, "", {110, 61, 60, 8}},
         {ControlKind::Edit, 1001, "", {120, 70, 32, 13}},
         {ControlKind::Edit, 1003, "", {185, 85, 10, 13}}}};  // nothing at its left or over it
    const EditLabels samples = LabelsOf(t, t.controls[0]);
    ASSERT_NE(samples.name, nullptr);
    EXPECT_EQ(samples.name->text, "Number of Samples");
    ASSERT_EQ(samples.hints.size(), 1u);
    EXPECT_EQ(samples.hints[0]->text, "1000 - 50000");
    const EditLabels pairs = LabelsOf(t, t.controls[5]);  // an empty text is no label
    ASSERT_NE(pairs.name, nullptr);
    EXPECT_EQ(pairs.name->text, "How many?");
    EXPECT_TRUE(pairs.hints.empty());
    EXPECT_EQ(LabelsOf(t, t.controls[6]).name, nullptr);
}

TEST(PromptTest, FillsBothPlaceholders) {
    EXPECT_EQ(FormatPrompt(kPromptIntegerRange, "2", "50"), "Please enter an integer between 2 and 50.");
}

}  // namespace
}  // namespace dulm
