// Closing a demonstration window at any moment ends its view: every demonstration of the registry,
// closed as it opens, during its first steps, in the middle of its run (paused, stepping, drawing
// without pauses, waiting for a key or a click) and at rest. The view's thread must end (nothing
// hangs), the mouse be released, and the sanitizer builds find nothing leaked.
#include <gtest/gtest.h>

#include "demos/Registry.h"
#include "harness/Scenario.h"

namespace dulm {
namespace {

struct Moment {
    const char* name;
    std::int64_t ms;  // virtual time of the close
};

class ClosingTest : public testing::TestWithParam<std::tuple<const DemoDescriptor*, Moment>> {};

TEST_P(ClosingTest, EndsTheViewAndReleasesTheMouse) {
    const auto& [demo, moment] = GetParam();
    Scenario s(demo->templateId);
    // The same user for every demonstration: a dialog accepted as it opened, message boxes answered
    // No, and a few keys and clicks that start, speed up, pause and answer the runs.
    const Point middle{500, 350};
    s.KeyAt(1, DigitKey(0));
    s.KeyAt(600, *KeyByName("space"));
    s.ClickAt(900, middle);
    s.KeyAt(1200, *KeyByName("pause"));
    s.KeyAt(1800, *KeyByName("space"));
    s.ClickAt(2500, {middle.x + 200, middle.y - 200});
    s.KeyAt(4000, *KeyByName("pause"));
    s.RunUntil(moment.ms);
    s.Close();
    EXPECT_EQ(s.Host().Queue().WaitUntilResting(), Activity::Ended);
    EXPECT_FALSE(s.User().Captured());
}

std::vector<const DemoDescriptor*> AllDemos() {
    std::vector<const DemoDescriptor*> demos;
    for (const DemoDescriptor& d : Demos()) demos.push_back(&d);
    return demos;
}

INSTANTIATE_TEST_SUITE_P(
    EveryDemo, ClosingTest,
    testing::Combine(testing::ValuesIn(AllDemos()),
                     testing::Values(Moment{"Opening", 0}, Moment{"FirstSteps", 300}, Moment{"Running", 1500},
                                     Moment{"Later", 3000}, Moment{"Minutes", 200000},
                                     Moment{"AtRest", kVirtualHourMs})),
    [](const auto& info) {
        return std::get<0>(info.param)->name + "_" + std::get<1>(info.param).name;
    });

}  // namespace
}  // namespace dulm
