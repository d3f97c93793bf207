// A solved problem written out: as a pupil writes it in a notebook (Дадено / Решение / Отговор),
// and as JSON for programs.
#pragma once

#include <string>

#include "model/problem.h"

namespace model::problem {

std::string Notebook(const Answer& answer, const runtime::RegionalSettings& settings);

// {"solutions": [{"a": {"value": 26, "exact": "26"}, ...}], "undetermined": ["a", ...],
// "refused": "..."}: "exact" only where the value has an exact form, numbers as the shortest
// decimal that reads back the same.
std::string Json(const Answer& answer);

// "a = 26", "b = 7√2 ≈ 9,8994949", "α = 45°": one element of a solution.
std::string ElementLine(Element e, const Value& v, const runtime::RegionalSettings& settings);

}  // namespace model::problem
