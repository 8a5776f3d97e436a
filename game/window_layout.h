// Where the game window's controls stand, in pixels: the file numbers over
// and under the board, the two move lists in their frames, the difficulty's
// frame with its two options, and the four picture buttons. The window is
// built from these places and the page takes the same ones for its desktop
// layout; the board's own geometry is in geometry.h, the client area's size
// in client_size.h.
#pragma once

namespace lorvane {

// A control's place in what holds it (the client area, or its frame).
struct Place {
  int left;
  int top;
  int width;
  int height;
};

// The file numbers: over the board "１".."９" for files 0..8 from the left,
// under it "九".."一" for the same files, as the player counts from the
// right. Each stands centred in its place.
constexpr const char* kTopFileNumbers[9] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr const char* kBottomFileNumbers[9] = {"九", "八", "七", "六", "五", "四", "三", "二", "一"};
constexpr int kFileNumberLeft[9] = {24, 72, 120, 168, 215, 263, 311, 359, 407};
constexpr int kTopFileNumberTop = 0;
constexpr int kBottomFileNumberTop = 520;
constexpr int kFileNumberWidth = 17;
constexpr int kFileNumberHeight = 16;
constexpr Place TopFileNumber(int file) {
  return {kFileNumberLeft[file], kTopFileNumberTop, kFileNumberWidth, kFileNumberHeight};
}
constexpr Place BottomFileNumber(int file) {
  return {kFileNumberLeft[file], kBottomFileNumberTop, kFileNumberWidth, kFileNumberHeight};
}

// The moves: the player's frame (玩家) and the computer's (电脑), each with
// its list at the same place inside it.
constexpr Place kPlayerFrame = {456, 8, 97, 305};
constexpr Place kComputerFrame = {552, 8, 97, 305};
constexpr Place kMoveList = {8, 16, 81, 280};

// The difficulty: its frame (难度) with 低难度 and 高难度 inside it.
constexpr Place kDifficultyFrame = {464, 328, 169, 65};
constexpr Place kLowOption = {24, 24, 65, 25};
constexpr Place kHighOption = {88, 24, 57, 25};

// The picture buttons, each its pictures' size: 开始, 悔棋, 求和, 认输.
struct PictureButton {
  const char* face;  // the pictures' name: <face>_dim and <face>_bright
  Place place;
};
constexpr PictureButton kPictureButtons[4] = {
    {"new", {480, 416, 67, 44}},
    {"back", {576, 416, 67, 44}},
    {"draw", {480, 472, 67, 44}},
    {"resign", {576, 472, 67, 44}},
};

}  // namespace lorvane
