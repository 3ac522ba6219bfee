// zorvat-sim: runs the scheduler over simulated time and prints what would happen.
#include <iostream>
#include <string>
#include <vector>

#include "app/sim/SimTool.h"

#ifdef _WIN32
#include <cwchar>

#include "base/TextEncoding.h"

// The wide entry point: paths outside the ANSI code page reach the tool intact, as UTF-8.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    args.push_back(zorvat::Utf16ToUtf8(std::u16string(argv[i], argv[i] + std::wcslen(argv[i]))));
  }
  return zorvat::sim::RunSimTool(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  return zorvat::sim::RunSimTool(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr);
}
#endif
