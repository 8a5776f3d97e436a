// Runs lorvane-engine with arguments and standard input, for the tool tests.
#pragma once

#include <string>

namespace lorvane::fixtures {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

ToolRun RunTool(const std::string& args, const std::string& input);

}  // namespace lorvane::fixtures
