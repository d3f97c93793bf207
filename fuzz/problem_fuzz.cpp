// The command line's arguments and the general solver fed arbitrary words: an argument that cannot
// be read gives a message naming it; anything read gives an answer (solutions, or a reason in
// words), never a NaN or an infinity written as a number, and every element it reports finite.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/problem.h"
#include "model/problem_args.h"
#include "model/problem_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace model::problem;
  // The arguments, one a line.
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n')
      args.emplace_back();
    else
      args.back().push_back(static_cast<char>(data[i]));
  }
  const Arguments read = ReadArguments(args);
  if (!read.error.empty()) return 0;
  runtime::RegionalSettings settings = runtime::CSettings();
  settings.decimalSymbol = ",";
  const Answer answer = Solve(read.problem, settings);
  if (answer.refused.empty() == answer.solutions.empty()) std::abort();
  for (const Solution& s : answer.solutions) {
    for (const auto& v : s.values) {
      if (v && !std::isfinite(v->value)) std::abort();
    }
  }
  for (const std::string& text : {Notebook(answer, settings), Json(answer)}) {
    for (const char* bad : {"nan", "inf", "NaN", "Inf"}) {
      if (text.find(bad) != std::string::npos) std::abort();
    }
  }
  return 0;
}
