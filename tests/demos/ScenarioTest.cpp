// Scenarios side by side: each view is built on its own scenario's frame.
#include <gtest/gtest.h>

#include "harness/Scenario.h"
#include "platform/Dialog.h"
#include "res/Resources.h"

namespace dulm {
namespace {

TEST(ScenarioTest, EachViewTakesItsOwnScenariosFrameWhateverOtherScenariosDo) {
    Scenario wide(res::IDR_CENTRAL, ScenarioOptions{{1000, 700}, {}, 0});
    {
        Scenario small(res::IDR_CENTRAL, ScenarioOptions{{640, 480}, {}, 0});
        small.RunUntil(0);
        EXPECT_EQ(small.Image().GetSize(), (Size{640, 480}));
    }
    wide.RunUntil(0);  // its view is made only now, after the other scenario has gone
    EXPECT_EQ(wide.Image().GetSize(), (Size{1000, 700}));
}

// A person who cancels every dialog and says which ones were shown.
class CancellingPerson final : public Ui {
public:
    int DoModal(CDialog& dialog) override {
        shown.push_back(dialog.Template().id);
        return IDCANCEL;
    }
    int MessageBox(const std::string&, unsigned) override { return IDNO; }
    void WinHelp(unsigned) override {}
    void SetCapture(bool) override {}
    std::vector<unsigned> shown;  // read while the view rests
};

// A window a script prepared goes on with a person answering it: its script no longer does.
TEST(ScenarioTest, AfterGoingLiveAPersonAnswersWhatTheViewAsks) {
    Scenario s(res::IDR_CENTRAL);
    s.User().QueueDialog({true, {}});  // declined by the script: the window waits for "Start Demo"
    s.User().QueueDialog({false, {}});
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    CancellingPerson person;
    s.GoLive(person);
    s.Host().Post(MakeCommand(res::ID_START_DEMO));
    EXPECT_NE(s.Host().Queue().WaitUntilResting(), Activity::Running);
    EXPECT_EQ(person.shown, std::vector<unsigned>{res::IDD_CENTRAL});
    EXPECT_EQ(s.User().DialogsShown(), std::vector<unsigned>{res::IDD_CENTRAL});  // the script's one only
}

}  // namespace
}  // namespace dulm
