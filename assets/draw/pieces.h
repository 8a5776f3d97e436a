// The pieces: wooden discs with their character carved into the top face,
// red for the player and black for the computer.
#pragma once

#include <QImage>
#include <QString>

namespace lorvane::draw {

enum class Side { kBlack, kRed };

// Fine detail that only shows at a size. The game's pieces get all of it;
// small icons drop the shadow and the ring and carve a bigger character.
struct PieceDetail {
  bool shadow = true;
  bool ring = true;
  double characterSize = 24.5;
};

// A piece drawn in its 43 x 43 design square scaled by `s` device pixels per
// unit, into a square image of `pixels` device pixels.
QImage DrawPieceScaled(Side side, const QString& character, int pixels, double s,
                       const PieceDetail& detail);

// A piece of the game, kPieceSize x kPieceSize, at `s` device pixels to the
// pixel.
QImage DrawPiece(Side side, const QString& character, int s);

// Every piece picture: its file name's side and kind, and the character
// carved into it.
struct PieceDef {
  const char* side;
  const char* kind;
  Side s;
  const char* character;
};

inline constexpr PieceDef kPieces[] = {
    {"black", "general", Side::kBlack, "將"},  {"black", "chariot", Side::kBlack, "車"},
    {"black", "horse", Side::kBlack, "馬"},    {"black", "elephant", Side::kBlack, "象"},
    {"black", "advisor", Side::kBlack, "士"},  {"black", "cannon", Side::kBlack, "炮"},
    {"black", "pawn", Side::kBlack, "卒"},     {"red", "general", Side::kRed, "帥"},
    {"red", "chariot", Side::kRed, "車"},      {"red", "horse", Side::kRed, "馬"},
    {"red", "elephant", Side::kRed, "相"},     {"red", "advisor", Side::kRed, "仕"},
    {"red", "cannon", Side::kRed, "砲"},       {"red", "pawn", Side::kRed, "兵"},
};

}  // namespace lorvane::draw
