#include "bench_positions.h"

namespace lorvane {

// Positions with the computer to move, reached by self-play from six
// different openings (tools/play_bench_games.py): openings, middle games and
// endings.
const char* const kBenchPositions[] = {
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C2C4/9/RNBAKABNR b",
    "r1bakabnr/9/2n6/p1C1p1p1p/9/9/P1P1c1P1P/2N1C4/4A2c1/R1B1KABNR b",
    "r1bakabn1/8r/2n6/p3p1p1p/9/4cR3/P1P3P1P/2C1C4/4A4/R1B1KABN1 b",
    "2bakabn1/7r1/r8/p1C1p1p1p/4cR3/9/P1P3P1P/4C1N2/4A4/R1B1KAB2 b",
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1CN4C1/9/R1BAKABNR b",
    "rnbakabnr/9/2c6/p3N1p1p/9/2p6/P3P1P1P/1C5C1/9/R1BAKABR1 b",
    "rn1akab1r/9/bC5Rn/p3N1p1p/9/2p6/P3c1P1P/7C1/9/R1BAKAB2 b",
    "1n1akab2/1C2r3r/b6Rn/p3N1p1p/9/2p6/P5P1c/9/4C4/R1BAKAB2 b",
    "3akab2/9/br5RC/p3N1p1p/9/2p6/P5P1c/9/9/R1BAKAB2 b",
    "3akab2/9/b3r4/p5p1p/9/2p6/P5P2/4R4/8C/2BAKAB2 b",
    "3a1ab2/4k4/b8/p5p1p/9/9/P5P2/4B4/4C4/3AKAB2 b",
    "3a1a3/3k5/b7b/p6C1/9/6P1p/P8/4B4/9/3AKAB2 b",
    "3a1a3/3k5/b4P2b/7C1/p8/9/P5p2/4B4/9/3AKAB2 b",
    "3a1ab2/4k4/b4P1C1/9/p8/9/P5p2/4B4/9/3AKAB2 b",
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/2P6/P3P1P1P/1C5C1/9/RNBAKABNR b",
    "rnbakabnr/9/9/p1C1p1p1p/4c4/2P6/PR4P1P/7C1/9/2BAKABNR b",
    "r1baka1nr/9/2n1b4/p1C1p1p1p/4c4/2P6/P4RP1P/4C3B/4A4/2BAK2NR b",
    "r1baka1n1/9/2n1b4/p1C1p1p1p/2P1cR3/3r5/P3C1P1P/8B/4A4/2BAK2NR b",
    "r2aka3/9/b1n3nR1/p1C1p1p1p/2b6/4r4/P3C1P1P/6N1B/4A4/2BAK3R b",
    "3aka3/4nR3/b1n4R1/p3p1C1p/2b6/4r4/P3C1P1P/2r3N1B/4A4/2BAK4 b",
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/6P2/P1P1P3P/1C5C1/9/RNBAKABNR b",
    "2bakabCr/9/6c2/p1p1p1p1p/1r7/2P3P2/P3P2cP/2N6/9/R1BAKABNR b",
    "2bakabr1/9/9/p1p1p1p1p/1r7/P1P2c3/4P1c1P/2N1B1N2/9/R2AKABR1 b",
    "2bak1b2/4a4/9/p3p1p1p/P1p4r1/2P2c3/4P1c1P/2N1B4/4N4/R2AKAB2 b",
    "2bak1b2/4a4/9/4p1p1p/p2r5/5c3/4P3P/2N1B4/4A1c2/R1N1KAB2 b",
    "2bak1b2/4a4/9/4p1p1p/9/p3Pc3/2r5P/1N2B1N2/4A2c1/R3KAB2 b",
    "2bak1b2/4a4/9/6p1p/4p4/R4c3/5r2P/4B4/4A2c1/2N1KABN1 b",
    "3ak1b2/R3a4/4b4/6p1p/4p4/5c1c1/5r2P/3NB4/4A4/4KABN1 b",
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C4NC1/9/RNBAKAB1R b",
    "1rbakabnr/9/3c5/p1p1p1pCp/9/9/P1P1P1c1P/N8/4N4/R1BAKAB1R b",
    "2bakab1r/9/6n2/p1p1p1pCp/9/9/P1P1PRc1P/9/3rN4/RNBcKAB2 b",
    "2bakabr1/9/6n2/p1p1p1pCp/9/9/P1P5P/9/4R4/cNB1KAB2 b",
    "2bak1b2/4a4/6n2/p1p1p1p1p/9/9/P1P5P/9/R8/1NB1KA1r1 b",
    "2bak1b2/3Ra4/9/p1p1p3p/5n3/2P6/P5p1P/2N6/9/2B1KA1r1 b",
    "2bakab2/9/9/p1p1p3p/9/1NP6/P2Rn1p1P/9/9/2B1KA1r1 b",
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/4C2C1/9/RNBAKABNR b",
    "1nb1kabnr/r3a4/9/p1p1p1pcp/9/4C4/P1P1P1P1P/1C7/9/1RBAKABNR b",
    "2b1kab1r/r3a4/1R6n/p1p1n1pcp/4C4/8C/P1P1P1P1P/9/9/2BAKABNR b",
    "2b1kabc1/r3a4/8r/p1p1n1p2/4C3p/7R1/P1P1P1P1P/9/4A4/2B1KABNR b",
    "2b1kab2/r3a2R1/9/p1p1n4/5rpRp/4C4/P1P1P1P1P/9/4A4/2B1KAB2 b",
    "2b1kab2/1r2a4/9/p1p2R3/4r1R2/4C4/P1P1P1P1p/9/4A4/2B1KAB2 b",
    "2b1ka3/4a4/4b4/prp1PR3/5R3/9/P1P3Pp1/9/4A4/2B1KAB2 b",
    "2b1k4/4a4/9/p4R3/9/2P6/P5Pp1/9/4A4/2B1KAB2 b",
    "3ak4/9/b8/2P2R3/p5P2/9/P5p2/9/4A4/2B1KAB2 b",
    "2bak4/9/9/2P3P2/6R2/9/P8/6p2/4A4/2B1KAB2 b",
};
const int kBenchPositionCount = sizeof kBenchPositions / sizeof kBenchPositions[0];

}  // namespace lorvane
