// ICCS moves as a protocol client sends them: an accepted move names two
// points on the board and is written back the same way, lower case.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fen.h"

using namespace lorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  int fromX = -1, fromY = -1, toX = -1, toY = -1;
  if (!ParseIccs(text, fromX, fromY, toX, toY)) return 0;
  for (int x : {fromX, toX})
    if (x < 0 || x >= kFiles) std::abort();
  for (int y : {fromY, toY})
    if (y < 0 || y >= kRanks) std::abort();
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ToIccs(fromX, fromY, toX, toY) != lower) std::abort();
  return 0;
}
