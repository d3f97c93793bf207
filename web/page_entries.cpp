#include "web/page_entries.h"

#include <algorithm>
#include <stdexcept>

#include "model/combination.h"
#include "window/describe.h"
#include "window/texts.h"

namespace web {

namespace {

using window::layout::Control;
using window::layout::Rect;
namespace layout = window::layout;
namespace texts = window::texts;

Entry Make(Control control, int element, Rect rect, std::string text, const texts::Accessible& a) {
  return {control, element, rect, rect, std::move(text), a.name, a.description};
}

Entry InFrame(Control control, int row, Rect local, std::string text, const window::Description& d) {
  const Rect& f = layout::kFrame1;
  return {control,
          row,
          {f.left + local.left, f.top + local.top, local.width, local.height},
          local,
          std::move(text),
          d.name,
          d.description};
}

}  // namespace

std::vector<Entry> Entries() {
  std::vector<Entry> all;
  for (int i = 0; i < 2; ++i) {
    all.push_back(Make(Control::Label1, i, layout::kLabel1[i], i == 0 ? texts::kTitle : texts::kGiven,
                       texts::kLabel1Accessible[i]));
  }
  all.push_back(Make(Control::List1, 0, layout::kList1, "", texts::kList1Accessible));
  all.push_back(Make(Control::Frame1, 0, layout::kFrame1, texts::kMeasures, texts::kFrame1Accessible));
  for (int row = 0; row < model::kQuantityCount; ++row) {
    const std::string letter(model::kLetters[static_cast<std::size_t>(row)]);
    all.push_back(InFrame(Control::Check1, row, layout::Check1Rect(row), letter, window::QuantityTick(row)));
    all.push_back(InFrame(Control::Text2, row, layout::Text2Rect(row), "", window::QuantityBox(row)));
  }
  all.push_back(Make(Control::Picture1, 0, layout::kPicture1, "", texts::kPicture1Accessible));
  const char* captions[] = {texts::kCalculate, texts::kClear};
  for (int i = 0; i < 2; ++i) {
    all.push_back(
        Make(Control::Command1, i, layout::kCommand1[i], captions[i], texts::kCommand1Accessible[i]));
  }
  const char* contents[] = {texts::kAssignment, texts::kAphorism};
  for (int i = 0; i < 2; ++i) {
    all.push_back(Make(Control::Text1, i, layout::kText1[i], contents[i], texts::kText1Accessible[i]));
  }
  return all;
}

std::string Id(const Entry& e) {
  const std::string name = layout::ObjectName(e.control);
  return layout::IsArray(e.control) ? name + '_' + std::to_string(e.element) : name;
}

std::string Selector(const Entry& e) {
  if (e.control == Control::Check1) return "label[for=\"" + Id(e) + "\"]";
  return '#' + Id(e);
}

int TabIndex(const Entry& e) {
  const auto& order = layout::kTabOrder;
  const auto at = std::find_if(order.begin(), order.end(), [&](const layout::TabStop& s) {
    return s.control == e.control && s.element == e.element;
  });
  return static_cast<int>(at - order.begin());
}

const Entry& Find(const std::vector<Entry>& all, Control control, int element) {
  const auto at = std::find_if(all.begin(), all.end(),
                               [&](const Entry& e) { return e.control == control && e.element == element; });
  if (at == all.end()) throw std::out_of_range("no such control");
  return *at;
}

}  // namespace web
