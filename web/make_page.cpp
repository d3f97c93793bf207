// Build tool, run under node: writes the page, the web app manifest and a description of the
// window for the browser tests, all from the window's tables, so that the page paints at once and
// a changed number or word changes both front ends.
//   make_page OUTDIR LOOK.css ELEMENTS.css START.js "MODULE..." "ELEMENTS_MODULE..." ICON...
//     (each icon as icons/48x48.png or icons/scalable.svg)
// Besides index.html it writes elements.html, the window for a problem as the book gives it, from
// that window's table (window/elements_controls.h) in the same way, with its own styles (ELEMENTS.css)
// and modules.
// The page carries its styles (LOOK.css, how controls are drawn, then the design's places and
// colours), its drawing (the default drawing as SVG, from the same data the windows paint) and the script
// that starts its MODULEs after the first paint (START.js) in itself, so that nothing but the page stands
// between navigation and the first frame.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/combination.h"
#include "web/json.h"
#include "window/controls.h"
#include "window/describe.h"
#include "window/drawing.h"
#include "window/elements.h"
#include "window/elements_controls.h"
#include "window/form.h"
#include "window/svg.h"

namespace {

using web::Json;
using Entry = panel::ControlSpec;
namespace layout = panel::layout;
namespace texts = panel::texts;

std::string Id(const Entry& e) { return panel::ObjectName(e); }

// The element whose box is the control's rectangle: a tick's label holds its box and letter.
std::string Selector(const Entry& e) {
  if (e.control == layout::Control::Check1) return "label[for=\"" + Id(e) + "\"]";
  return '#' + Id(e);
}

std::string Html(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\r': break;  // CR LF line breaks become the LF of a text area
      default: out += c;
    }
  }
  return out;
}

std::string Hex(panel::colours::Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
  return text;
}

// Name and description for a screen reader; the name only where the control shows no such text.
std::string Spoken(const Entry& e, std::string_view shown = {}) {
  std::string out;
  if (e.name != shown) out += " aria-label=\"" + Html(e.name) + '"';
  return out + " aria-description=\"" + Html(e.description) + '"';
}

// Both layouts, decided by media queries before the first paint: the design's window for a mouse
// on a wide screen, one column for fingers (two side by side on a phone held sideways).
constexpr char kDesktop[] = "(min-width: 481px) and (not (pointer: coarse))";

// The link under the design's window to the window for a problem as the book gives it, which the
// manifest's shortcut names too.
constexpr char kElementsLink[] = "Задача по дадени елементи…";
constexpr char kElsewhere[] = "Още";

// The window stands as the load leaves it.
const panel::State& Loaded() {
  static const panel::State state = panel::Form_Load();
  return state;
}

const panel::Row& LoadedRow(const Entry& e) { return Loaded().rows.at(static_cast<std::size_t>(e.element)); }

// What the page paints of a state (web/window.js), as JSON that can stand inside a <script>.
std::string Painted(const panel::State& s) {
  const auto text = [](const std::string& t) { return web::Json(t); };
  std::ostringstream out;
  out << "{\"combination\":" << s.combination << ",\"maxLength\":" << s.maxLength << ",\"rows\":[";
  for (std::size_t i = 0; i < s.rows.size(); ++i) {
    const panel::Row& r = s.rows[i];
    out << (i ? "," : "") << "{\"ticked\":" << (r.ticked ? "true" : "false")
        << ",\"readOnly\":" << (r.readOnly ? "true" : "false") << ",\"text\":" << text(r.text)
        << ",\"working\":" << text(r.working) << ",\"description\":" << text(r.description) << "}";
  }
  out << "],\"solution\":" << text(s.solution) << ",\"message\":{\"title\":" << text(s.message.title)
      << ",\"text\":" << text(s.message.text)
      << "},\"picture\":{\"description\":" << text(s.picture.description)
      << ",\"printWidth\":" << s.picture.printWidth << ",\"printScale\":" << text(s.picture.printScale)
      << "}}";
  std::string json = out.str();
  for (std::size_t at = json.find('<'); at != std::string::npos; at = json.find('<', at))
    json.replace(at, 1, "\\u003c");
  return json;
}

// The state each choice in the list gives the loaded window, which is also what «Изчисти» leaves
// before anything is calculated: the page paints it at once while the core is still on its way.
std::string Chosen() {
  std::string out = "[";
  for (int i = 0; i < model::kCombinationCount; ++i) {
    out += (i ? ",\n" : "") + Painted(panel::List1_Click(Loaded(), i));
  }
  return out + "]";
}

void WriteList(std::ostream& out, const Entry& e) {
  out << "<select id=\"" << Id(e) << "\" size=\"" << model::kCombinationCount << '"' << Spoken(e) << ">\n";
  for (int i = 0; i < model::kCombinationCount; ++i) {
    const model::Combination& c = model::kCombinations[static_cast<std::size_t>(i)];
    out << "<option value=\"" << i << "\" data-given=\"";
    for (std::size_t k = 0; k < c.given.size(); ++k) out << (k ? " " : "") << c.given[k];
    // The name begins with the row's own text, which is what a voice control user says.
    out << "\" aria-label=\"" << Html(c.label) << " — " << Html(panel::SpokenCombination(i)) << '"'
        << (i == Loaded().combination ? " selected" : "") << '>' << Html(c.label) << "</option>\n";
  }
  out << "</select>\n";
}

void WriteTick(std::ostream& out, const Entry& tick) {
  const bool given = LoadedRow(tick).ticked;
  out << "<label class=\"tick\" for=\"" << Id(tick) << "\"><input type=\"checkbox\" id=\"" << Id(tick) << '"'
      << " disabled" << (given ? " checked" : "") << Spoken(tick) << '>' << Html(tick.text) << "</label>\n";
}

void WriteBox(std::ostream& out, const Entry& box) {
  out << "<input type=\"text\" id=\"" << Id(box) << "\" maxlength=\"" << Loaded().maxLength
      << "\" inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\""
      << (LoadedRow(box).readOnly ? " readonly" : "") << Spoken(box) << ">\n";
}

// What the page carries in itself besides the window's tables: the styles, the drawing, the
// script that starts the behaviour, and the modules it starts.
struct Inlined {
  std::string style, drawing, start, modules, touchIcon, elementsStyle, elementsModules;
};

// The drawing, written into the page, so that no file has to arrive before it shows. It takes the
// focus as the design's picture box does; the only tabindex, and 0. Under it, the scale that paper
// writes under a drawing to scale (empty until a calculation draws one).
void WritePicture(std::ostream& out, const Entry& e, const std::string& drawing) {
  const std::string root = "<svg ", role = " role=\"img\"";
  std::string rest = drawing.substr(drawing.find(root) + root.size());
  const std::size_t own = rest.find(role);
  if (own < rest.find('>')) rest.erase(own, role.size());
  out << "<svg id=\"" << Id(e) << "\" tabindex=\"0\" role=\"img\" aria-label=\"" << Html(e.name)
      << "\" aria-description=\"" << Html(e.description) << "\" " << rest << "<p id=\"PrintScale\"></p>\n";
}

void WriteControl(std::ostream& out, const Entry& e, const Inlined& inlined) {
  const std::string id = Id(e);
  switch (e.control) {
    case layout::Control::Label1: {
      const char* tag = e.element == 0 ? "h1" : "h2";
      out << '<' << tag << " id=\"" << id << '"' << Spoken(e, e.text) << '>' << Html(e.text) << "</" << tag
          << ">\n";
      break;
    }
    case layout::Control::List1: WriteList(out, e); break;
    case layout::Control::Frame1:
      out << "<fieldset id=\"" << id << '"' << Spoken(e, e.text) << ">\n<legend>" << Html(e.text)
          << "</legend>\n";
      break;
    case layout::Control::Check1: WriteTick(out, e); break;
    case layout::Control::Text2: WriteBox(out, e); break;
    case layout::Control::Picture1: WritePicture(out, e, inlined.drawing); break;
    case layout::Control::Command1:
      out << "<button type=\"button\" id=\"" << id << '"' << Spoken(e, e.text) << '>' << Html(e.text)
          << "</button>\n";
      break;
    case layout::Control::Text1:
      out << "<textarea id=\"" << id << "\" readonly" << (e.visible ? "" : " hidden") << Spoken(e) << '>'
          << Html(e.text) << "</textarea>\n";
      break;
  }
}

// The controls in their tab order, so that the keyboard follows the document and no control needs
// a tab index of its own; each with whether it stands inside the frame's element. A quantity row
// whose turn comes after another control's (the last row comes after the picture) stands outside
// it in the document and inside the frame on the screen.
struct Placed {
  const Entry* entry;
  bool inFrame;
};

std::vector<Placed> InTabOrder() {
  std::vector<const Entry*> order;
  for (const Entry& e : panel::Controls()) order.push_back(&e);
  std::stable_sort(order.begin(), order.end(), [](auto* x, auto* y) { return x->tabIndex < y->tabIndex; });
  std::vector<Placed> placed;
  bool frameOpen = false;
  for (const Entry* e : order) {
    if (!e->InFrame()) frameOpen = e->control == layout::Control::Frame1;
    placed.push_back({e, e->InFrame() && frameOpen});
  }
  return placed;
}

void WriteControls(std::ostream& out, const Inlined& inlined) {
  bool open = false;
  for (const auto& [e, inFrame] : InTabOrder()) {
    if (open && !inFrame) out << "</fieldset>\n";
    open = inFrame || e->control == layout::Control::Frame1;
    WriteControl(out, *e, inlined);
  }
  if (open) out << "</fieldset>\n";
}

std::string Page(const Inlined& inlined) {
  const panel::FormSpec& form = panel::kForm;
  std::ostringstream out;
  out << "<!doctype html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
      << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      << "<title>" << Html(form.caption) << "</title>\n"
      << "<meta name=\"description\" content=\"" << Html(form.accessible.description) << "\">\n"
      << "<meta name=\"theme-color\" content=\"" << Hex(form.background) << "\">\n"
      << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
      << "<link rel=\"icon\" href=\"icons/scalable.svg\" type=\"image/svg+xml\">\n"
      << "<link rel=\"apple-touch-icon\" href=\"" << inlined.touchIcon << "\">\n"
      << "<style>\n"
      << inlined.style << "</style>\n</head>\n<body>\n"
      << "<main id=\"Tessorin\" aria-label=\"" << Html(form.accessible.name) << "\" aria-description=\""
      << Html(form.accessible.description) << "\">\n";
  WriteControls(out, inlined);
  // A phone shows the solution of a calculation here, under the results, as plain text, and
  // printing puts it on paper; where the phone can share, the problem's address goes with it.
  out << "<section id=\"Steps\" aria-live=\"polite\" hidden></section>\n"
      << "<button type=\"button\" id=\"Share\" hidden>" << Html(texts::kShare) << "</button>\n"
      << "</main>\n<nav id=\"Elsewhere\" aria-label=\"" << Html(kElsewhere)
      << "\"><a id=\"ElementsLink\" href=\"elements.html\">" << Html(kElementsLink)
      << "</a></nav>\n<dialog id=\"Message\" aria-labelledby=\"MessageTitle\" "
         "aria-describedby=\"MessageText\" data-no-core-title=\""
      << Html(texts::kNoCoreTitle) << "\" data-no-core=\"" << Html(texts::kNoCore) << "\">\n"
      << "<h2 id=\"MessageTitle\"></h2>\n<p id=\"MessageText\"></p>\n"
      << "<form method=\"dialog\"><button autofocus>" << Html(texts::kOk) << "</button></form>\n"
      << "</dialog>\n<script type=\"application/json\" id=\"Chosen\">" << Chosen() << "</script>\n"
      << "<script type=\"module\" data-modules=\"" << Html(inlined.modules) << "\">\n"
      << inlined.start << "</script>\n</body>\n</html>\n";
  return out.str();
}

std::string Box(const layout::Rect& r) {
  return "left:" + std::to_string(r.left) + "px;top:" + std::to_string(r.top) +
         "px;width:" + std::to_string(r.width) + "px;height:" + std::to_string(r.height) + "px";
}

// The design's places apply to the desktop layout only; the colours to both.
std::string Styles() {
  const panel::FormSpec& form = panel::kForm;
  std::ostringstream out;
  out << "html,#Tessorin{background:" << Hex(form.background) << "}\n"
      << "#Tessorin,#Message,#Working{font:" << form.fontPoints << "pt \"" << form.fontFamily
      << "\",\"Liberation Serif\",serif}\n";
  for (const Entry& e : panel::Controls()) {
    if (e.background) out << Selector(e) << "{background:" << Hex(*e.background) << "}\n";
  }
  out << "@media " << kDesktop << " {\n"
      << "#Tessorin{width:" << form.width << "px;height:" << form.height << "px}\n";
  for (const auto& [e, inFrame] : InTabOrder()) {
    out << Selector(*e) << '{' << Box(inFrame || !e->InFrame() ? e->rect : e->InWindow()) << "}\n";
  }
  out << "}\n";
  return out.str();
}

namespace el = panel::elements;

// The id of a control of the problem window: the table's (window/elements_controls.h), or for the
// labels that have none, the title's and each row's letter and name after its box.
std::string ElementId(const el::Control& c) {
  const std::string id = el::Id(c);
  if (!id.empty()) return id;
  if (c.kind == el::Kind::Title) return "E_Title";
  const std::string box =
      "E_" +
      std::string(model::problem::kElementNames[el::kRows.at(static_cast<std::size_t>(c.index)).element]);
  return box + (c.kind == el::Kind::Letter ? "_letter" : "_name");
}

// The element whose box is the control's rectangle: a tick's label holds its box and words.
std::string ElementSelector(const el::Control& c) {
  return c.kind == el::Kind::Tick ? "label[for=\"" + ElementId(c) + "\"]" : '#' + ElementId(c);
}

std::string ElementSpoken(const el::Control& c) { return " aria-description=\"" + Html(c.description) + '"'; }

void WriteElement(std::ostream& out, const el::Control& c, const Inlined& inlined) {
  const std::string id = ElementId(c);
  switch (c.kind) {
    case el::Kind::Title: out << "<h1 id=\"" << id << "\">" << Html(c.text) << "</h1>\n"; break;
    case el::Kind::Letter:
      out << "<span class=\"letter\" id=\"" << id << "\">" << Html(c.text) << "</span>\n";
      break;
    case el::Kind::Name:
      out << "<label class=\"name\" id=\"" << id << "\" for=\"" << id.substr(0, id.rfind('_')) << "\">"
          << Html(c.text) << "</label>\n";
      break;
    case el::Kind::Box: {
      // A box the pupil can type in carries the name its value has in an address; φ and O's
      // distances are found only. Under it, what its tooltip says, which a phone shows as text.
      const el::RowSpec& row = el::kRows.at(static_cast<std::size_t>(c.index));
      out << "<input type=\"text\" id=\"" << id
          << "\" class=\"box\" autocomplete=\"off\" spellcheck=\"false\""
          << (row.element == model::problem::kAlpha ? "" : " inputmode=\"decimal\"")
          << (row.typed ? " data-typed" : " readonly") << " aria-label=\"" << Html(c.name) << '"'
          << ElementSpoken(c) << ">\n<span class=\"why\" id=\"" << id << "_why\" hidden></span>\n";
      break;
    }
    case el::Kind::Tick:
      out << "<label class=\"tick\" for=\"" << id << "\"><input type=\"checkbox\" id=\"" << id << '"'
          << ElementSpoken(c) << '>' << Html(c.text) << "</label>\n";
      break;
    case el::Kind::Ratio:
      out << "<input type=\"text\" id=\"" << id
          << "\" class=\"box\" autocomplete=\"off\" spellcheck=\"false\" "
          << "inputmode=\"decimal\" disabled aria-label=\"" << Html(c.name) << '"' << ElementSpoken(c)
          << ">\n";
      break;
    case el::Kind::Calculate:
    case el::Kind::Clear:
      out << "<button type=\"button\" id=\"" << id << '"' << ElementSpoken(c) << '>' << Html(c.text)
          << "</button>\n";
      break;
    case el::Kind::Switch:
      out << "<button type=\"button\" id=\"" << id << "\" hidden" << ElementSpoken(c) << "></button>\n";
      break;
    case el::Kind::Picture: {
      const std::string root = "<svg ", role = " role=\"img\"";
      std::string rest = inlined.drawing.substr(inlined.drawing.find(root) + root.size());
      const std::size_t own = rest.find(role);
      if (own < rest.find('>')) rest.erase(own, role.size());
      out << "<svg id=\"" << id << "\" role=\"img\" aria-label=\"" << Html(c.name) << "\" " << rest;
      break;
    }
    case el::Kind::Solution:
      out << "<pre id=\"" << id << "\" tabindex=\"0\" role=\"region\" aria-label=\"" << Html(c.name) << '"'
          << ElementSpoken(c) << "></pre>\n";
      break;
  }
}

// The problem window's places at desktop width and its colours, from its table.
std::string ElementsStyles() {
  const panel::FormSpec& form = panel::kForm;
  std::ostringstream out;
  out << "html,#Elements{background:" << Hex(form.background) << "}\n"
      << "#Elements,#Message{font:" << form.fontPoints << "pt \"" << form.fontFamily
      << "\",\"Liberation Serif\",serif}\n";
  for (const el::Control& c : el::Controls()) {
    if (c.background) out << ElementSelector(c) << "{background:" << Hex(*c.background) << "}\n";
  }
  out << "@media " << kDesktop << " {\n#Elements{width:" << el::kWidth << "px;height:" << el::kHeight
      << "px}\n";
  for (const el::Control& c : el::Controls()) out << ElementSelector(c) << '{' << Box(c.rect) << "}\n";
  out << "}\n";
  return out.str();
}

// elements.html: the problem window, its controls in their table's order, which is the tab order.
std::string ElementsPage(const Inlined& inlined) {
  const panel::FormSpec& form = panel::kForm;
  std::ostringstream out;
  out << "<!doctype html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
      << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      << "<title>" << Html(el::kCaption) << "</title>\n"
      << "<meta name=\"theme-color\" content=\"" << Hex(form.background) << "\">\n"
      << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
      << "<link rel=\"icon\" href=\"icons/scalable.svg\" type=\"image/svg+xml\">\n"
      << "<link rel=\"apple-touch-icon\" href=\"" << inlined.touchIcon << "\">\n"
      << "<style>\n"
      << inlined.elementsStyle << "</style>\n</head>\n<body>\n"
      << "<main id=\"Elements\" data-core-window=\"elements\" aria-label=\"" << Html(el::kCaption) << "\">\n";
  for (const el::Control& c : el::Controls()) WriteElement(out, c, inlined);
  out << "</main>\n<dialog id=\"Message\" aria-labelledby=\"MessageTitle\" aria-describedby=\"MessageText\" "
         "data-no-core-title=\""
      << Html(texts::kNoCoreTitle) << "\" data-no-core=\"" << Html(texts::kNoCore) << "\">\n"
      << "<h2 id=\"MessageTitle\"></h2>\n<p id=\"MessageText\"></p>\n"
      << "<form method=\"dialog\"><button autofocus>" << Html(texts::kOk) << "</button></form>\n"
      << "</dialog>\n<script type=\"module\" data-modules=\"" << Html(inlined.elementsModules) << "\">\n"
      << inlined.start << "</script>\n</body>\n</html>\n";
  return out.str();
}

std::string Manifest(const std::vector<std::string>& icons) {
  std::ostringstream out;
  const panel::FormSpec& form = panel::kForm;
  out << "{\n  \"name\": " << Json(panel::ControlOf(layout::Control::Label1, 0).text)
      << ",\n  \"short_name\": " << Json(form.accessible.name)
      << ",\n  \"description\": " << Json(form.accessible.description)
      << ",\n  \"lang\": \"bg\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n  \"display\": "
         "\"standalone\""
      << ",\n  \"background_color\": \"" << Hex(form.background) << "\",\n  \"theme_color\": \""
      << Hex(form.background) << "\",\n  \"icons\": [";
  for (const std::string& icon : icons) {
    const bool svg = icon.ends_with(".svg");
    const std::string size =
        svg ? "any" : icon.substr(icon.rfind('/') + 1, icon.rfind('.') - icon.rfind('/') - 1);
    out << (&icon != &icons.front() ? "," : "") << "\n    {\"src\": " << Json(icon) << ", \"sizes\": \""
        << size << "\", \"type\": \"" << (svg ? "image/svg+xml" : "image/png") << "\"}";
  }
  out << "\n  ],\n  \"shortcuts\": [\n    {\"name\": " << Json(el::kCaption)
      << ", \"short_name\": " << Json(kElementsLink) << ", \"url\": \"elements.html\"}\n  ]\n}\n";
  return out.str();
}

// For the browser tests: where each control stands in the window, its tab index and its words.
std::string Description() {
  const std::vector<Entry>& all = panel::Controls();
  std::ostringstream out;
  out << "{\"width\": " << panel::kForm.width << ", \"height\": " << panel::kForm.height
      << ", \"controls\": [";
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Entry& e = all[i];
    const layout::Rect r = e.InWindow();
    out << (i ? "," : "") << "\n {\"id\": " << Json(Id(e)) << ", \"box\": " << Json(Selector(e))
        << ", \"left\": " << r.left << ", \"top\": " << r.top << ", \"width\": " << r.width
        << ", \"height\": " << r.height << ", \"tabIndex\": " << e.tabIndex << ", \"name\": " << Json(e.name)
        << ", \"description\": " << Json(e.description) << ", \"text\": " << Json(e.text)
        << ", \"background\": " << (e.background ? Json(Hex(*e.background)) : "null") << "}";
  }
  out << "\n]}\n";
  return out.str();
}

bool Write(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (file.flush()) return true;
  std::fprintf(stderr, "make_page: cannot write %s\n", path.c_str());
  return false;
}

// The largest picture of the program's icon, for a phone's home screen.
std::string LargestPng(const std::vector<std::string>& icons) {
  std::string largest;
  for (const std::string& icon : icons) {
    const auto width = [](const std::string& name) { return std::atoi(name.c_str() + name.rfind('/') + 1); };
    if (icon.ends_with(".png") && (largest.empty() || width(icon) > width(largest))) largest = icon;
  }
  return largest;
}

std::string Read(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  if (!file) std::fprintf(stderr, "make_page: cannot read %s\n", path);
  return text.str();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 7) {
    std::fprintf(stderr,
                 "usage: make_page OUTDIR LOOK.css ELEMENTS.css START.js \"MODULE...\" "
                 "\"ELEMENTS_MODULE...\" ICON...\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + '/';
  const std::vector<std::string> icons(argv + 7, argv + argc);
  const Inlined inlined{
      Read(argv[2]) + Styles(), panel::WriteSvg(panel::DefaultDrawing()), Read(argv[4]), argv[5],
      LargestPng(icons),        Read(argv[3]) + ElementsStyles(),         argv[6]};
  const bool ok =
      Write(dir + "index.html", Page(inlined)) && Write(dir + "elements.html", ElementsPage(inlined)) &&
      Write(dir + "manifest.webmanifest", Manifest(icons)) && Write(dir + "window.json", Description());
  return ok ? 0 : 1;
}
