// Text from outside, quoted for a message.
#pragma once

#include <string>

namespace lorvane {

// Printable ASCII only (anything else becomes '?') and cut after 40
// characters, so a message stays one clean line.
std::string Quoted(const std::string& word);

}  // namespace lorvane
