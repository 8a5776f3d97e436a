// The evaluation's constant tables, indexed by PieceCode 0..15; the pawn
// tables by [y][x].
#pragma once

#include <cstdint>

#include "board.h"

namespace lorvane {

//                                      -  K    R    H    C    A    E    P
inline constexpr std::int16_t PieceValue[16] = {0, 10000, 500, 350, 350, 250, 250, 100,
                                     10000, 500, 350, 350, 250, 250, 100, 0};
inline constexpr std::int16_t MobilityWeight[16] = {0, 0, 6, 12, 6, 1, 1, 15, 0, 6, 12, 6, 1, 1, 15, 0};
// PieceValue / 14 rounded to the nearest integer.
inline constexpr std::int16_t HalfValue[16] = {0, 714, 36, 25, 25, 18, 18, 7, 714, 36, 25, 25, 18, 18, 7, 0};

inline constexpr std::int16_t PlayerPawnBonus[kRanks][kFiles] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {90, 90, 110, 120, 120, 120, 110, 90, 90},
    {90, 90, 110, 120, 120, 120, 110, 90, 90},
    {70, 90, 110, 110, 110, 110, 110, 90, 70},
    {70, 70, 70, 70, 70, 70, 70, 70, 70},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
};

inline constexpr std::int16_t ComputerPawnBonus[kRanks][kFiles] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {70, 70, 70, 70, 70, 70, 70, 70, 70},
    {70, 90, 110, 110, 110, 110, 110, 90, 70},
    {90, 90, 110, 120, 120, 120, 110, 90, 90},
    {90, 90, 110, 120, 120, 120, 110, 90, 90},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
};

}  // namespace lorvane
