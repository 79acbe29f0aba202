// Scenarios side by side: each view is built on its own scenario's frame.
#include <gtest/gtest.h>

#include "harness/Scenario.h"
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

}  // namespace
}  // namespace dulm
