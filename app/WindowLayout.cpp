#include "app/WindowLayout.h"

#include <algorithm>
#include <cmath>

namespace dulm {

Rect InitialMainWindow(const Rect& available, Size decoration, Size least) {
    const int roomX = std::max(1, available.Width() - decoration.cx);
    const int roomY = std::max(1, available.Height() - decoration.cy);
    const int cx = std::min(std::max(least.cx, available.Width() * 3 / 4), roomX);
    const int cy = std::min(std::max(least.cy, available.Height() * 3 / 4), roomY);
    const int left = available.left + (available.Width() - cx - decoration.cx) / 2;
    const int top = available.top + (available.Height() - cy - decoration.cy) / 2;
    return {left, top, left + cx, top + cy};
}

Size ReferenceCanvasFor(Size client) {
    if (client.cy >= kLeastCanvasRows || client.cy <= 0) return client;
    const long long cx = (static_cast<long long>(std::max(client.cx, 1)) * kLeastCanvasRows + client.cy / 2) / client.cy;
    return {static_cast<int>(std::min<long long>(cx, 8000)), kLeastCanvasRows};
}

std::string UntitledWindowTitle(const std::string& docName, int number) {
    return docName + " - " + std::to_string(number);
}

Rect PlaceBeside(const Rect& wanted, const Rect& avoid, const Rect& available, int leastWidth) {
    const bool overlaps = wanted.left < avoid.right && avoid.left < wanted.right && wanted.top < avoid.bottom &&
                          avoid.top < wanted.bottom;
    if (!overlaps) return wanted;
    const int roomRight = available.right - avoid.right;
    const int roomLeft = avoid.left - available.left;
    const int width = std::max(std::min(wanted.Width(), std::max(roomRight, roomLeft)), leastWidth);
    Rect placed = wanted;
    if (roomRight >= roomLeft) {
        placed.left = std::min(std::max(avoid.right, wanted.left), available.right - width);
    } else {
        placed.left = std::max(std::min(avoid.left - width, wanted.left), available.left);
    }
    placed.right = placed.left + width;
    return placed;
}

std::vector<Rect> TileGrid(int count, const Rect& area, Size picture, Size frame) {
    std::vector<Rect> cells;
    if (count <= 0 || area.Width() <= 0 || area.Height() <= 0) return cells;
    const double pictureAspect = double(std::max(picture.cx, 1)) / std::max(picture.cy, 1);
    int bestRows = 1;
    int bestColumns = count;
    double bestDistortion = INFINITY;
    int bestEmpty = 0;
    for (int rows = 1; rows <= count; ++rows) {
        const int columns = (count + rows - 1) / rows;
        if ((rows - 1) * columns >= count) continue;  // a whole row would stay empty
        const double cx = std::max(1.0, double(area.Width()) / columns - frame.cx);
        const double cy = std::max(1.0, double(area.Height()) / rows - frame.cy);
        const double distortion = std::abs(std::log(cx / cy / pictureAspect));
        const int empty = rows * columns - count;
        // Distortions equal to a part in a million count as a tie.
        const bool better = distortion < bestDistortion - 1e-6 ||
                            (distortion <= bestDistortion + 1e-6 && empty < bestEmpty);
        if (better) {
            bestRows = rows;
            bestColumns = columns;
            bestDistortion = distortion;
            bestEmpty = empty;
        }
    }
    for (int i = 0; i < count; ++i) {
        const int row = i / bestColumns;
        const int column = i % bestColumns;
        cells.push_back({area.left + column * area.Width() / bestColumns, area.top + row * area.Height() / bestRows,
                         area.left + (column + 1) * area.Width() / bestColumns,
                         area.top + (row + 1) * area.Height() / bestRows});
    }
    return cells;
}

}  // namespace dulm
