// What a screen reader says of the controls whose words are made from the measures' names.
#pragma once

#include <string>

namespace panel {

struct Description {
  std::string name;
  std::string description;
};

// The value box (Text2) and the tick (Check1) of quantity 0 to 5.
Description QuantityBox(int quantity);
Description QuantityTick(int quantity);

// How a list row is read: the given measures by name, in the row's order.
std::string SpokenCombination(int index);

}  // namespace panel
