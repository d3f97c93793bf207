#include "model/problem_text.h"

#include <fmt/format.h>

#include <cmath>

#include "model/exact_text.h"
#include "model/propagation.h"

namespace model::problem {

namespace {

// The elements that the answer names, in the order a book asks for them.
constexpr std::array<Element, 15> kAnswered = {
    kA, kC, kB, kH, kP, kS, kM, kD, kAlpha, kBeta, kCircumradius, kInradius, kPhi, kOToAB, kOToDC};

void Lines(std::string& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out += "  " + line + "\n";
}

std::string Answered(const Solution& s, const runtime::RegionalSettings& settings) {
  std::string out;
  for (Element e : kAnswered) {
    if (s.values[e]) out += "  " + ElementLine(e, *s.values[e], settings) + "\n";
  }
  return out;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"' || ch == '\\')
      out += '\\', out += ch;
    else if (ch == '\n')
      out += "\\n";
    else if (static_cast<unsigned char>(ch) < 0x20)
      out += ' ';
    else
      out += ch;
  }
  return out + "\"";
}

std::string Number(double x) {
  // The shortest decimal that reads back as the same double; some standard libraries have no
  // floating-point to_chars.
  return fmt::format("{}", x);
}

}  // namespace

std::string ElementLine(Element e, const Value& v, const runtime::RegionalSettings& settings) {
  std::string number = Ending(v.value, v.exact, settings).substr(1);
  if (IsAngle(e)) {
    // "53,1301024° ≈ 53°08′" reads as a book writes angles.
    const long long minutes = std::llround(v.value * 60);
    const std::string dm = std::to_string(minutes / 60) + "°" + (minutes % 60 < 10 ? "0" : "") +
                           std::to_string(minutes % 60) + "′";
    const bool whole = minutes % 60 == 0 && std::abs(v.value * 60 - static_cast<double>(minutes)) < 1e-6;
    const std::size_t approx = number.find(" ≈ ");
    number =
        (approx == std::string::npos ? number + "°"
                                     : number.substr(0, approx) + "° ≈ " + number.substr(approx + 5) + "°");
    if (!whole) number += " ≈ " + dm;
  }
  return std::string(kElementLetters[e]) + " " + number;
}

std::string Notebook(const Answer& answer, const runtime::RegionalSettings& settings) {
  std::string out = "Дадено:\n";
  Lines(out, answer.given);
  out += "Решение:\n";
  Lines(out, answer.common);
  const std::size_t n = answer.solutions.size();
  for (std::size_t k = 0; k < n; ++k) {
    if (n > 1) out += "  Трапец " + std::to_string(k + 1) + ":\n";
    Lines(out, answer.solutions[k].steps);
  }
  out += "Отговор:\n";
  if (!answer.refused.empty()) return out + "  " + answer.refused + "\n";
  if (n > 1) out += "  Има " + std::to_string(n) + " такива трапеца.\n";
  for (std::size_t k = 0; k < n; ++k) {
    if (n > 1) out += "  Трапец " + std::to_string(k + 1) + ":\n";
    out += Answered(answer.solutions[k], settings);
  }
  if (!answer.determined) out += "  " + answer.undeterminedReason + ".\n";
  return out;
}

std::string Json(const Answer& answer) {
  const runtime::RegionalSettings plain = runtime::CSettings();
  std::string out = "{\"solutions\": [";
  for (std::size_t k = 0; k < answer.solutions.size(); ++k) {
    out += k ? ", {" : "{";
    bool first = true;
    for (int e = 0; e < kElementCount; ++e) {
      const std::optional<Value>& v = answer.solutions[k].values[static_cast<std::size_t>(e)];
      if (!v || !std::isfinite(v->value)) continue;
      out += (first ? "" : ", ") + Quoted(kElementNames[static_cast<std::size_t>(e)]) +
             ": {\"value\": " + Number(v->value);
      if (v->exact) out += ", \"exact\": " + Quoted(WriteExact(*v->exact, plain).text);
      out += "}";
      first = false;
    }
    out += "}";
  }
  out += "], \"undetermined\": [";
  for (std::size_t k = 0; k < answer.undetermined.size(); ++k) {
    out += (k ? ", " : "") + Quoted(kElementNames[answer.undetermined[k]]);
  }
  out += "]";
  if (!answer.refused.empty()) out += ", \"refused\": " + Quoted(answer.refused);
  return out + "}";
}

}  // namespace model::problem
