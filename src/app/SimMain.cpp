// zorvat-sim: runs the scheduler over simulated time and prints what would happen.
#include <iostream>
#include <string>
#include <vector>

#include "app/sim/SimTool.h"

int main(int argc, char** argv) {
  return zorvat::sim::RunSimTool(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr);
}
