#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zorvat::sim {

// The whole tool: the arguments after the program name; the exit code, 2 for a bad command line
// and 1 for a file that cannot be read.
int RunSimTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zorvat::sim
