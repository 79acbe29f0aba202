// The arrangement of the windows: the main window inside three screens, the least canvas a picture
// needs, and the tiled grid for one to thirteen windows.
#include <gtest/gtest.h>

#include "app/WindowLayout.h"

namespace dulm {
namespace {

constexpr Size kDecoration{10, 37};
constexpr Size kLeast{800, 600};

// The frame with its decoration lies inside the available area; the client is as computed by hand.
TEST(WindowLayout, MainWindowFitsTheScreensAvailableArea) {
    struct Screen {
        Rect available;
        Rect client;
    };
    const Screen screens[] = {
        {{0, 0, 910, 480}, {50, 0, 850, 443}},         // 1366 x 768 at 150 %, a panel of 32 pixels
        {{0, 0, 1280, 1024}, {155, 109, 1115, 877}},   // three quarters of the screen
        {{0, 27, 1920, 1080}, {235, 140, 1675, 929}},  // a panel at the top
    };
    for (const Screen& s : screens) {
        const Rect client = InitialMainWindow(s.available, kDecoration, kLeast);
        EXPECT_EQ(client, s.client) << s.available.Width() << "x" << s.available.Height();
        EXPECT_LE(client.right + kDecoration.cx, s.available.right);
        EXPECT_LE(client.bottom + kDecoration.cy, s.available.bottom);
        EXPECT_GE(client.top, s.available.top);
    }
}

TEST(WindowLayout, ACanvasOfTooFewRowsIsEnlargedInProportion) {
    EXPECT_EQ(ReferenceCanvasFor({880, 380}), (Size{1112, 480}));
    EXPECT_EQ(ReferenceCanvasFor({1000, 700}), (Size{1000, 700}));
    EXPECT_EQ(ReferenceCanvasFor({600, 480}), (Size{600, 480}));
}

// The help beside the dialog it was opened from: on the side with more room, narrowed to it.
TEST(WindowLayout, PlaceBesideLeavesTheDialogUncovered) {
    const Rect screen{0, 0, 1280, 1000};
    const Rect help{720, 60, 1280, 700};
    EXPECT_EQ(PlaceBeside(help, {440, 400, 840, 600}, screen, 300), (Rect{840, 60, 1280, 700}));
    EXPECT_EQ(PlaceBeside(help, {800, 400, 1200, 600}, screen, 300), (Rect{240, 60, 800, 700}));
    EXPECT_EQ(PlaceBeside(help, {100, 750, 500, 900}, screen, 300), help);  // nothing to avoid
    EXPECT_EQ(PlaceBeside(help, {100, 400, 1180, 600}, screen, 300), (Rect{980, 60, 1280, 700}));  // at least 300
}

// With no frame the cells' shape is the area's times rows / columns: square grids where they fit,
// else the wider one of two equally distorted grids.
TEST(WindowLayout, TileGridForOneToThirteenWindows) {
    const Rect area{0, 0, 1000, 700};
    const std::pair<int, int> grids[] = {{1, 1}, {1, 2}, {2, 2}, {2, 2}, {2, 3}, {2, 3}, {3, 3},
                                         {3, 3}, {3, 3}, {3, 4}, {3, 4}, {3, 4}, {4, 4}};
    for (int n = 1; n <= 13; ++n) {
        const std::vector<Rect> cells = TileGrid(n, area, {1000, 700}, {0, 0});
        ASSERT_EQ(int(cells.size()), n);
        const auto [rows, columns] = grids[n - 1];
        for (int i = 0; i < n; ++i) {
            const Rect& c = cells[size_t(i)];
            EXPECT_EQ(c.left, (i % columns) * 1000 / columns) << n << " windows, cell " << i;
            EXPECT_EQ(c.top, (i / columns) * 700 / rows) << n << " windows, cell " << i;
            EXPECT_NEAR(c.Width(), 1000 / columns, 1) << n;
            EXPECT_NEAR(c.Height(), 700 / rows, 1) << n;
            EXPECT_LE(c.right, area.right);
            EXPECT_LE(c.bottom, area.bottom);
        }
    }
}

// Five windows with their frames: 2 x 3 gives clients of 392 x 370, 3 x 2 of 592 x 236 (pictures
// 1000 x 700): the first is nearer the pictures' shape.
TEST(WindowLayout, TileGridCountsTheWindowsFrames) {
    const std::vector<Rect> cells = TileGrid(5, {0, 0, 1200, 800}, {1000, 700}, {8, 30});
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[0], (Rect{0, 0, 400, 400}));
    EXPECT_EQ(cells[4], (Rect{400, 400, 800, 800}));
    EXPECT_TRUE(TileGrid(0, {0, 0, 100, 100}, {1, 1}, {0, 0}).empty());
}

}  // namespace
}  // namespace dulm
