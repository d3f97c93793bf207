#include "window/elements_controls.h"

#include "model/problem.h"
#include "window/elements.h"

namespace panel::elements {

namespace {

constexpr int kRowTop = 44, kRowHeight = 28, kRight = 384;

std::vector<Control> Build() {
  std::vector<Control> controls;
  int tab = 0;
  controls.push_back({Kind::Title, 0, {0, 0, kWidth, 36}, kCaption, colours::kHeading, -1, "", ""});
  for (int r = 0; r < kRowCount; ++r) {
    const RowSpec& row = kRows[static_cast<std::size_t>(r)];
    const int top = kRowTop + r * kRowHeight;
    const std::string letter(row.letter), name(row.name);
    controls.push_back({Kind::Letter, r, {8, top, 40, 24}, letter, std::nullopt, -1, "", ""});
    controls.push_back({Kind::Name, r, {48, top, 200, 24}, name, std::nullopt, -1, "", ""});
    const std::string how = row.element == model::problem::kAlpha ? "Градуси, или sin 0,6, cos 0,6, tg 0,75. "
                            : row.typed ? "Дадената стойност, ако е дадена. "
                                        : "";
    controls.push_back({Kind::Box,
                        r,
                        {252, top, 120, 24},
                        "",
                        std::nullopt,
                        tab++,
                        letter + " — " + name,
                        how + "След «Изчисли» тук стои намерената стойност."});
  }
  for (int c = 0; c < model::problem::kConditionCount; ++c) {
    const int top = kRowTop + c * kRowHeight;
    const bool ratio = c == model::problem::kBasesRatio;
    const std::string words(kConditionWords[static_cast<std::size_t>(c)]);
    controls.push_back({Kind::Tick,
                        c,
                        {kRight, top, ratio ? 240 : 328, 24},
                        words,
                        std::nullopt,
                        tab++,
                        words,
                        "Отметнете, ако задачата дава това условие."});
    if (ratio) {
      controls.push_back({Kind::Ratio,
                          0,
                          {kRight + 244, top, 84, 24},
                          "",
                          std::nullopt,
                          tab++,
                          "отношение на основите a : c",
                          "Например 7:3."});
    }
  }
  const int buttons = kRowTop + model::problem::kConditionCount * kRowHeight + 8;
  controls.push_back({Kind::Calculate,
                      0,
                      {kRight, buttons, 156, 32},
                      "Изчисли",
                      colours::kCalculate,
                      tab++,
                      "Изчисли",
                      "Намира всичко, което дадените определят."});
  controls.push_back({Kind::Clear,
                      0,
                      {kRight + 172, buttons, 156, 32},
                      "Изчисти",
                      colours::kClear,
                      tab++,
                      "Изчисти",
                      "Изчиства всички полета и отметки."});
  controls.push_back({Kind::Switch,
                      0,
                      {kRight, buttons + 40, 328, 28},
                      "",
                      std::nullopt,
                      tab++,
                      "следващо решение",
                      "Когато трапеците са два или повече, показва следващия."});
  const int picture = buttons + 76, rowsEnd = kRowTop + kRowCount * kRowHeight;
  controls.push_back({Kind::Picture,
                      0,
                      {kRight, picture, 328, rowsEnd - picture},
                      "",
                      std::nullopt,
                      -1,
                      "чертеж на трапеца",
                      ""});
  controls.push_back({Kind::Solution,
                      0,
                      {8, rowsEnd + 8, kWidth - 16, kHeight - rowsEnd - 16},
                      "",
                      std::nullopt,
                      tab++,
                      "решение",
                      "Решението, както се пише в тетрадка: Дадено, Решение, Отговор."});
  return controls;
}

}  // namespace

std::string Id(const Control& control) {
  switch (control.kind) {
    case Kind::Box:
      return "E_" +
             std::string(
                 model::problem::kElementNames[kRows[static_cast<std::size_t>(control.index)].element]);
    case Kind::Tick:
      return "E_" + std::string(model::problem::kConditionNames[static_cast<std::size_t>(control.index)]);
    case Kind::Ratio: return "E_bases_ratio_value";
    case Kind::Calculate: return "E_Calculate";
    case Kind::Clear: return "E_Clear";
    case Kind::Switch: return "E_Next";
    case Kind::Picture: return "E_Picture";
    case Kind::Solution: return "E_Solution";
    default: return "";
  }
}

const std::vector<Control>& Controls() {
  static const std::vector<Control> controls = Build();
  return controls;
}

}  // namespace panel::elements
