#include "model/problem_args.h"

#include <utility>

#include "runtime/arithmetic_error.h"
#include "runtime/val.h"

namespace model::problem {

namespace {

constexpr std::array<std::pair<std::string_view, Element>, 17> kNames = {{
    {"a", kA},
    {"c", kC},
    {"b", kB},
    {"h", kH},
    {"P", kP},
    {"S", kS},
    {"m", kM},
    {"d", kD},
    {"alpha", kAlpha},
    {"α", kAlpha},
    {"beta", kBeta},
    {"β", kBeta},
    {"R", kCircumradius},
    {"r", kInradius},
    {"sin_alpha", kSinAlpha},
    {"cos_alpha", kCosAlpha},
    {"tg_alpha", kTgAlpha},
}};

// A number as a pupil writes it: digits with a decimal point or comma, perhaps a sign; nothing
// else, so that "5x" or "1e999" is no number. At most 30 characters.
bool ReadNumber(std::string_view text, double& value) {
  if (text.empty() || text.size() > 30) return false;
  std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  int digits = 0, points = 0;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9')
      ++digits;
    else if ((text[i] == '.' || text[i] == ',') && ++points == 1)
      continue;
    else
      return false;
  }
  if (digits == 0) return false;
  runtime::RegionalSettings settings = runtime::CSettings();
  settings.decimalSymbol = ",";
  try {
    value = runtime::Val(text, settings);
  } catch (const runtime::ArithmeticError&) {
    return false;
  }
  return true;
}

bool ReadRatio(std::string_view text, Problem& p) {
  const std::size_t colon = text.find(':');
  return colon != std::string_view::npos && ReadNumber(text.substr(0, colon), p.ratioP) &&
         ReadNumber(text.substr(colon + 1), p.ratioQ);
}

}  // namespace

Arguments ReadArguments(const std::vector<std::string>& args) {
  Arguments out;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      out.json = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      out.help = true;
      continue;
    }
    const std::size_t eq = arg.find('=');
    const std::string_view name = std::string_view(arg).substr(0, eq);
    const std::string_view value =
        eq == std::string::npos ? std::string_view() : std::string_view(arg).substr(eq + 1);
    bool known = false;
    for (int c = 0; c < kConditionCount; ++c) {
      if (name != kConditionNames[static_cast<std::size_t>(c)]) continue;
      known = true;
      out.problem.conditions[static_cast<std::size_t>(c)] = true;
      const bool ratio = c == kBasesRatio;
      if (ratio != (eq != std::string::npos) || (ratio && !ReadRatio(value, out.problem))) {
        out.error = ratio ? "Не мога да прочета отношението в „" + arg + "“: пише се bases_ratio=7:3."
                          : "Не мога да прочета „" + arg + "“: условието " + std::string(name) +
                                " се пише без стойност.";
        return out;
      }
    }
    for (const auto& [n, element] : kNames) {
      if (known || name != n) continue;
      known = true;
      Given g{element, 0};
      if (eq == std::string::npos || !ReadNumber(value, g.value)) {
        out.error =
            "Не мога да прочета числото в „" + arg + "“: пише се например " + std::string(n) + "=4,5.";
        return out;
      }
      out.problem.givens.push_back(g);
    }
    if (!known) {
      out.error = "Непознат аргумент „" + arg + "“. Вижте trapezoid-solve --help.";
      return out;
    }
  }
  return out;
}

}  // namespace model::problem
