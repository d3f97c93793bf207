// The command line of trapezoid-solve read into a problem: NAME=VALUE for each given element,
// the conditions as words, --json and --help.
#pragma once

#include <string>
#include <vector>

#include "model/problem.h"

namespace model::problem {

struct Arguments {
  Problem problem;
  bool json = false;
  bool help = false;
  std::string error;  // in Bulgarian, naming the argument that cannot be read
};

Arguments ReadArguments(const std::vector<std::string>& args);

}  // namespace model::problem
