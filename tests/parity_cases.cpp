// Writes what the native core answers for thousands of calculations, so that the web page's
// WebAssembly core can be held to the very same texts, the working and the messages' failing steps
// included, and the state the press leaves: the solution, what copying copies and the picture
// (tests/web/parity.test.mjs).
//   parity_cases OUTPUT.json
// Cases: every combination and two indexes beyond them; the assignment's example, texts at the
// edges of reading numbers, and random measures written in many forms, under the C, English,
// Bulgarian and an unusual set of regional settings; ticks as the combination sets them, and
// now and then at random, which reaches the division by zero.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "model/combination.h"
#include "model/solver.h"
#include "runtime/format_number.h"
#include "web/json.h"
#include "window/form.h"
#include "window/press.h"
#include "window/svg.h"

// The Windows build reads English and Bulgarian from Windows, the desktop's from Qt; the two
// files must be the same, settings included.
#ifdef _WIN32
#include "win32/locale_settings.h"
#define TRAPEZOID_SETTINGS(qt, windows) win32::SettingsOf(windows)
#else
#include <QLocale>

#include "runtime/qt/locale_settings.h"
#define TRAPEZOID_SETTINGS(qt, windows) runtime::SettingsOf(qt)
#endif

namespace {

using web::Json;

struct Named {
  const char* name;
  runtime::RegionalSettings settings;
};

std::vector<Named> AllSettings() {
  runtime::RegionalSettings odd;
  odd.decimalSymbol = "\u066B";
  odd.groupSymbol = "'";
  odd.groupSize = 2;
  odd.negativeSign = "\u2212";
  odd.negativeInParentheses = true;
  odd.leadingZero = false;
  return {{"C", runtime::CSettings()},
          {"en", TRAPEZOID_SETTINGS(QLocale(QLocale::English, QLocale::UnitedStates), L"en-US")},
          {"bg", TRAPEZOID_SETTINGS(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), L"bg-BG")},
          {"odd", odd}};
}

std::string SettingsJson(const runtime::RegionalSettings& s) {
  std::ostringstream out;
  out << "{\"decimalSymbol\": " << Json(s.decimalSymbol) << ", \"groupSymbol\": " << Json(s.groupSymbol)
      << ", \"groupSize\": " << s.groupSize << ", \"grouping\": " << (s.grouping ? "true" : "false")
      << ", \"leadingZero\": " << (s.leadingZero ? "true" : "false")
      << ", \"negativeSign\": " << Json(s.negativeSign)
      << ", \"negativeInParentheses\": " << (s.negativeInParentheses ? "true" : "false") << '}';
  return out.str();
}

std::string SixJson(const model::Texts& six) {
  std::string out = "[";
  for (std::size_t i = 0; i < six.size(); ++i) out += (i ? ", " : "") + Json(six[i]);
  return out + "]";
}

// The window's state before the press, as the page's test builds it: boxes long enough for every
// text the core writes, nothing worked out yet, the default drawing.
panel::State StateOf(int index, const model::Rows& rows) {
  panel::State state;
  state.combination = index;
  state.maxLength = 1000;
  for (std::size_t q = 0; q < rows.size(); ++q) {
    state.rows[q].ticked = rows[q].ticked;
    state.rows[q].readOnly = !rows[q].ticked;
    state.rows[q].text = rows[q].text;
  }
  state.picture = panel::DefaultDrawing();
  return state;
}

// What else a press leaves in the window's state: the solution, what copying copies and Picture1
// (as SVG, with its size and scale on paper).
std::string StateJson(const panel::State& s, bool solved) {
  std::string out = ", \"copy\": " + Json(s.copy) + ", \"svg\": " + Json(panel::WriteSvg(s.picture));
  if (!solved) return out;
  char width[32];
  const auto written = std::to_chars(width, width + sizeof width, s.picture.printWidth);
  return ", \"solution\": " + Json(s.solution) + out +
         ", \"printWidth\": " + std::string(width, written.ptr) +
         ", \"printScale\": " + Json(s.picture.printScale);
}

// The outcome of one press as the page's binding reports it: the texts with each box's working and
// accessible description, or the message with the step that failed; and the state it leaves.
std::string OutcomeJson(int index, const model::Rows& rows, const runtime::RegionalSettings& settings) {
  const panel::Outcome o = panel::Press(index, rows, settings);
  const panel::State after = panel::Command1_Click(StateOf(index, rows), 0, settings);
  switch (o.kind) {
    case panel::Outcome::Kind::Nothing: return "{}";
    case panel::Outcome::Kind::Solved:
      return "{\"texts\": " + SixJson(o.texts) + ", \"explanations\": " + SixJson(o.explanations) +
             ", \"descriptions\": " + SixJson(o.descriptions) + StateJson(after, true) + '}';
    case panel::Outcome::Kind::Failed: break;
  }
  return "{\"kind\": " + std::to_string(static_cast<int>(*o.error)) +
         ", \"title\": " + Json(o.message.title) + ", \"text\": " + Json(o.message.text) +
         StateJson(after, false) + '}';
}

const char* const kEdgeTexts[] = {
    "",      "0",     "-1",    "5cm", "1E3",       "2,5",     "0,5",     " 1 2",    "1e400",   "1e-400",
    "1e200", "1e154", "abc",   ".5",  "5.",        "+3",      "1e",      "1e+",     "\u00A01", "1\u00A0000",
    "−5",    "٫5",    "1'000", "(5)", "0.0000001", "0.00001", "9999999", "8.00000", "20,0000", "1 000,0"};

class Cases {
 public:
  explicit Cases(std::ostream& out) : out_(out) {}

  void Add(const char* settingsName, const runtime::RegionalSettings& settings, int index,
           const model::Rows& rows) {
    out_ << (count_++ ? ",\n" : "\n") << "{\"settings\": \"" << settingsName << "\", \"index\": " << index
         << ", \"rows\": [";
    for (std::size_t i = 0; i < rows.size(); ++i) {
      out_ << (i ? ", " : "") << '[' << (rows[i].ticked ? "true" : "false") << ", " << Json(rows[i].text)
           << ']';
    }
    out_ << "], \"outcome\": " << OutcomeJson(index, rows, settings) << '}';
  }
  int count() const { return count_; }

 private:
  std::ostream& out_;
  int count_ = 0;
};

// One measure written as a user might type it or as a previous run left it in the box.
std::string Written(double value, const runtime::RegionalSettings& settings, std::mt19937_64& rng) {
  char text[64];
  switch (rng() % 4) {
    case 0: return runtime::FormatNumber(value, static_cast<int>(rng() % 8), settings).substr(0, 7);
    case 1: std::snprintf(text, sizeof text, "%.*g", static_cast<int>(1 + rng() % 7), value); return text;
    case 2: return kEdgeTexts[rng() % std::size(kEdgeTexts)];
    default: std::snprintf(text, sizeof text, "%.3e", value * (rng() % 2 ? 1 : -1)); return text;
  }
}

model::Rows RandomRows(int index, const runtime::RegionalSettings& settings, std::mt19937_64& rng) {
  std::uniform_real_distribution<double> length(0.5, 60.0);
  model::Rows rows;
  const bool randomTicks = rng() % 8 == 0;
  for (int q = 0; q < model::kQuantityCount; ++q) {
    rows[q].ticked = randomTicks ? rng() % 2 == 0 : model::IsGiven(index, q);
    rows[q].text = Written(length(rng), settings, rng);
  }
  return rows;
}

void AddAll(Cases& cases) {
  const char* example[] = {"8", "5", "2", "4", "20", "20"};
  std::mt19937_64 rng(20261208);
  for (const Named& s : AllSettings()) {
    for (int index = -1; index <= model::kCombinationCount; ++index) {
      model::Rows rows;
      for (int q = 0; q < model::kQuantityCount; ++q) rows[q] = {model::IsGiven(index, q), example[q]};
      cases.Add(s.name, s.settings, index, rows);
      for (const char* edge : kEdgeTexts) {
        if (!model::IsCombination(index)) break;
        for (int q = 0; q < model::kQuantityCount; ++q) rows[q].text = model::IsGiven(index, q) ? edge : "";
        cases.Add(s.name, s.settings, index, rows);
      }
      for (int round = 0; round < 100; ++round)
        cases.Add(s.name, s.settings, index, RandomRows(index, s.settings, rng));
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: parity_cases OUTPUT.json\n");
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << "{\"settings\": {";
  const std::vector<Named> all = AllSettings();
  for (std::size_t i = 0; i < all.size(); ++i) {
    out << (i ? ", " : "") << Json(all[i].name) << ": " << SettingsJson(all[i].settings);
  }
  out << "},\n\"cases\": [";
  Cases cases(out);
  AddAll(cases);
  out << "\n]}\n";
  if (!out.flush()) {
    std::fprintf(stderr, "parity_cases: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%d cases written to %s\n", cases.count(), argv[1]);
  return 0;
}
