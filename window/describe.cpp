#include "window/describe.h"

#include <algorithm>
#include <string_view>

#include "model/combination.h"
#include "window/texts.h"

namespace panel {

namespace {

// `pattern` with its one "%1" replaced by `value`.
std::string Fill(std::string_view pattern, std::string_view value) {
  std::string text(pattern);
  const std::size_t at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

const texts::Accessible& Named(int quantity) {
  return texts::kQuantityAccessible[static_cast<std::size_t>(quantity)];
}

}  // namespace

Description QuantityBox(int quantity) {
  const texts::Accessible& q = Named(quantity);
  return {q.name, Fill(texts::kBoxDescription, q.description)};
}

Description QuantityTick(int quantity) {
  const char* name = Named(quantity).name;
  return {Fill(texts::kTickName, name), Fill(texts::kTickDescription, name)};
}

std::string SpokenCombination(int index) {
  const std::string_view label = model::kCombinations[static_cast<std::size_t>(index)].label;
  std::string names;
  for (std::size_t i = 0; i < label.size(); i += 2) {
    const auto q = std::find(model::kLetters.begin(), model::kLetters.end(), label.substr(i, 1)) -
                   model::kLetters.begin();
    if (!names.empty()) names += ", ";
    names += Named(static_cast<int>(q)).name;
  }
  return Fill(texts::kListItem, names);
}

}  // namespace panel
