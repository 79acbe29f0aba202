// Where the program's windows go, the same on every front end: the main window inside the
// screen, the reference canvas a picture needs, a demonstration window's caption, and the tiled
// arrangement of the demonstration windows.
#pragma once

#include <string>
#include <vector>

#include "platform/Gdi.h"

namespace dulm {

// The fewest rows the pictures are drawn with: a falling-ball board of fewer rows overlaps its own
// outline, and its fills leak.
inline constexpr int kLeastCanvasRows = 480;

// The main window at start-up: three quarters of the screen's available area, at least
// `least`, but never more than the area holds with the window manager's frame (`decoration`, the
// frame's width and height beyond the client area). Returns where the window goes: the top left
// corner of its frame (the decoration lies right of and below it) and the size of its client
// area, centred so that the whole frame lies inside the area.
Rect InitialMainWindow(const Rect& available, Size decoration, Size least);

// The reference canvas W x H for a measured client area: the area itself, or, when it has fewer
// rows than a picture needs, the same proportions enlarged to kLeastCanvasRows rows (the windows
// then show the canvas scaled down).
Size ReferenceCanvasFor(Size client);

// The caption of an untitled demonstration window: its document name and its running number,
// apart, "Anova2 - 1".
std::string UntitledWindowTitle(const std::string& docName, int number);

// Where a window that should leave `avoid` uncovered goes (the help beside the dialog it was opened
// from): `wanted` itself when it does not overlap `avoid`; else as near `wanted` as it can be at
// the right or the left of `avoid` inside `available`, on the side with more room, made narrower
// when that side has less room than its width (never narrower than `leastWidth`, where it may
// overlap after all).
Rect PlaceBeside(const Rect& wanted, const Rect& avoid, const Rect& available, int leastWidth);

// Tiles `count` windows over `area` in a grid of equal cells, row by row from the top left (the
// last row may have empty cells). Of the grids without an empty row, the one whose cells' client
// areas (a cell less `frame`, a window's frame around its client area) are closest in shape to
// `picture` wins: the ratio of the two aspect ratios nearest 1; on a tie the one with fewer empty
// cells, then fewer rows.
std::vector<Rect> TileGrid(int count, const Rect& area, Size picture, Size frame);

}  // namespace dulm
