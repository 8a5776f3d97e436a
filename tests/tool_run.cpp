#include "tool_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace lorvane::fixtures {

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

ToolRun RunTool(const std::string& args, const std::string& input) {
  // CTest may run several of these at once: one set of files per process.
  const std::string base = ::testing::TempDir() + "lorvane_tool_" + std::to_string(getpid());
  {
    std::ofstream(base + ".in", std::ios::binary) << input;
  }
  const std::string cmd = std::string(LORVANE_ENGINE_TOOL) + " " + args + " < " + base + ".in > " +
                          base + ".out 2> " + base + ".err";
  ToolRun run;
  const int raw = std::system(cmd.c_str());
#ifdef _WIN32
  run.status = raw;  // cmd.exe gives the program's exit code itself
#else
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  run.out = ReadFile(base + ".out");
  run.err = ReadFile(base + ".err");
  return run;
}

}  // namespace lorvane::fixtures
