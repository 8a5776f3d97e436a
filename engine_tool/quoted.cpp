#include "quoted.h"

namespace lorvane {

std::string Quoted(const std::string& word) {
  constexpr std::size_t kLongest = 40;
  std::string s = "'";
  for (std::size_t i = 0; i < word.size() && i < kLongest; ++i) {
    const auto c = static_cast<unsigned char>(word[i]);
    s += c >= ' ' && c < 127 ? static_cast<char>(c) : '?';
  }
  if (word.size() > kLongest) s += "...";
  return s + "'";
}

}  // namespace lorvane
