// Drawing the position: which of the 32 piece pictures shows which piece.
#pragma once

#include <QString>
#include <cstdint>

namespace lorvane {

// The picture indices each piece code uses, in order of use. Codes 1..7 use
// pictures 0..15 (black characters), codes 8..14 the same places plus 16
// (red characters).
struct PicturesOfKind {
  int count;
  int index[5];
};
extern const PicturesOfKind PiecePictureTable[15];

// The code whose pictures include picture k (0..31).
std::uint8_t PictureCode(int k);
// The resource of the picture shown by piece picture k.
QString PiecePicturePath(int k);

}  // namespace lorvane
