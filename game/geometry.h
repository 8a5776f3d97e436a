// Where the board's points lie in the game window's client area, in pixels:
// the pictures' places, the point a picture stands on, and the cells a click
// on the board falls into. The window, its keyboard cursor, the picture
// drawer and the page all take the board's geometry from here.
#pragma once

#include "client_size.h"

namespace lorvane {

// The board picture and its place under the file numbers.
constexpr int kBoardLeft = 0;
constexpr int kBoardTop = 16;
constexpr int kBoardWidth = 452;
constexpr int kBoardHeight = 501;
// Piece pictures and the marker frames around them.
constexpr int kPieceSize = 43;
constexpr int kMarkerSize = 44;

// The drawing grid: points lie 48 pixels apart, and a piece or marker picture
// standing on (x, y) has its top-left corner at (PointLeft(x), PointTop(y)).
constexpr int kPointPitch = 48;
constexpr int PointLeft(int x) { return kPointPitch * x + 12; }
constexpr int PointTop(int y) { return kPointPitch * y + 26; }

// Integer division rounding towards minus infinity, so that a place left of
// or above the grid's origin gives a negative file or rank.
constexpr int FloorDiv(int a, int b) {
  return a / b - ((a % b != 0 && ((a < 0) != (b < 0))) ? 1 : 0);
}

// The point a picture whose top-left corner is at (left, top) stands on.
constexpr int PictureFile(int left) { return FloorDiv(left, kPointPitch); }
constexpr int PictureRank(int top) { return FloorDiv(top, kPointPitch); }

// A click on the board falls into a cell of 50 pixels, counted from (4, 14)
// of the client area: wider than the drawing grid, so a click in the board's
// bottom margin gives rank 10 and one at its very left edge file -1, both off
// the board. The centre of every point still falls into its own cell.
constexpr int kClickCell = 50;
constexpr int kClickLeft = 4;
constexpr int kClickTop = 14;
constexpr int ClickFile(int clientX) { return FloorDiv(clientX - kClickLeft, kClickCell); }
constexpr int ClickRank(int clientY) { return FloorDiv(clientY - kClickTop, kClickCell); }

}  // namespace lorvane
