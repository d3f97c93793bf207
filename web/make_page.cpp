// Build tool, run under node: writes the page, the web app manifest and a description of the
// window for the browser tests, all from the window's tables, so that the page paints at once and
// a changed number or word changes both front ends.
//   make_page OUTDIR LOOK.css ICON...    (each icon as icons/48x48.png or icons/scalable.svg)
// The page carries its styles (LOOK.css, how controls are drawn, then the design's places and
// colours) in itself, so that nothing but the page stands between navigation and the first frame.
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

namespace {

using web::Json;
using Entry = window::ControlSpec;
namespace layout = window::layout;
namespace texts = window::texts;

std::string Id(const Entry& e) { return window::ObjectName(e); }

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

std::string Hex(window::colours::Rgb c) {
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

std::string Focus(const Entry& e) { return " tabindex=\"" + std::to_string(e.tabIndex + 1) + '"'; }

void WriteList(std::ostream& out, const Entry& e) {
  out << "<select id=\"" << Id(e) << "\" size=\"" << model::kCombinationCount << '"' << Focus(e) << Spoken(e)
      << ">\n";
  for (int i = 0; i < model::kCombinationCount; ++i) {
    const model::Combination& c = model::kCombinations[static_cast<std::size_t>(i)];
    out << "<option value=\"" << i << "\" data-given=\"";
    for (std::size_t k = 0; k < c.given.size(); ++k) out << (k ? " " : "") << c.given[k];
    out << "\" aria-label=\"" << Html(window::SpokenCombination(i)) << '"' << (i == 0 ? " selected" : "")
        << '>' << Html(c.label) << "</option>\n";
  }
  out << "</select>\n";
}

// The window stands as the load leaves it: combination 0 selected, its rows ticked and open.
void WriteRow(std::ostream& out, const Entry& tick, const Entry& box) {
  const bool given = model::IsGiven(0, tick.element);
  out << "<label for=\"" << Id(tick) << "\"><input type=\"checkbox\" id=\"" << Id(tick) << '"' << Focus(tick)
      << " disabled" << (given ? " checked" : "") << Spoken(tick) << '>'
      << model::kLetters[static_cast<std::size_t>(tick.element)] << "</label>\n";
  out << "<input type=\"text\" id=\"" << Id(box) << '"' << Focus(box) << " maxlength=\"" << layout::kMaxLength
      << "\" inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\"" << (given ? "" : " readonly")
      << Spoken(box) << ">\n";
}

void WriteControl(std::ostream& out, const Entry& e) {
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
      for (int row = 0; row < model::kQuantityCount; ++row) {
        WriteRow(out, window::ControlOf(layout::Control::Check1, row),
                 window::ControlOf(layout::Control::Text2, row));
      }
      out << "</fieldset>\n";
      break;
    case layout::Control::Picture1:
      out << "<img id=\"" << id << '"' << Focus(e)
          << " src=\"trapezoid.jpg\" srcset=\"trapezoid@2x.jpg 2x\" decoding=\"async\" alt=\"" << Html(e.name)
          << "\" aria-description=\"" << Html(e.description) << "\">\n";
      break;
    case layout::Control::Command1:
      out << "<button type=\"button\" id=\"" << id << '"' << Focus(e) << Spoken(e, e.text) << '>'
          << Html(e.text) << "</button>\n";
      break;
    case layout::Control::Text1:
      out << "<textarea id=\"" << id << '"' << Focus(e) << " readonly"
          << (e.visible ? " autofocus" : " hidden") << Spoken(e) << '>' << Html(e.text) << "</textarea>\n";
      break;
    case layout::Control::Check1:
    case layout::Control::Text2: break;  // inside the frame
  }
}

std::string Page(const std::string& style, const std::string& touchIcon) {
  const window::FormSpec& form = window::kForm;
  std::ostringstream out;
  out << "<!doctype html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
      << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      << "<title>" << Html(form.caption) << "</title>\n"
      << "<meta name=\"description\" content=\"" << Html(form.accessible.description) << "\">\n"
      << "<meta name=\"theme-color\" content=\"" << Hex(form.background) << "\">\n"
      << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
      << "<link rel=\"icon\" href=\"icons/scalable.svg\" type=\"image/svg+xml\">\n"
      << "<link rel=\"apple-touch-icon\" href=\"" << touchIcon << "\">\n"
      << "<style>\n"
      << style << "</style>\n"
      << "<script type=\"module\" src=\"behaviour.js\"></script>\n"
      << "<script type=\"module\" src=\"offline.js\"></script>\n</head>\n<body>\n"
      << "<main id=\"Tessorin\" aria-label=\"" << Html(form.accessible.name) << "\" aria-description=\""
      << Html(form.accessible.description) << "\">\n";
  for (const Entry& e : window::Controls()) WriteControl(out, e);
  out << "</main>\n<dialog id=\"Message\" aria-labelledby=\"MessageTitle\" "
         "aria-describedby=\"MessageText\">\n"
      << "<h2 id=\"MessageTitle\"></h2>\n<p id=\"MessageText\"></p>\n"
      << "<form method=\"dialog\"><button autofocus>" << Html(texts::kOk) << "</button></form>\n"
      << "</dialog>\n</body>\n</html>\n";
  return out.str();
}

std::string Box(const layout::Rect& r) {
  return "left:" + std::to_string(r.left) + "px;top:" + std::to_string(r.top) +
         "px;width:" + std::to_string(r.width) + "px;height:" + std::to_string(r.height) + "px";
}

std::string Styles() {
  const window::FormSpec& form = window::kForm;
  std::ostringstream out;
  out << "html,#Tessorin{background:" << Hex(form.background) << "}\n"
      << "#Tessorin{width:" << form.width << "px;height:" << form.height << "px}\n"
      << "#Tessorin,#Message,#Working{font:" << form.fontPoints << "pt \"" << form.fontFamily
      << "\",\"Liberation Serif\",serif}\n";
  for (const Entry& e : window::Controls()) {
    out << Selector(e) << '{' << Box(e.rect);
    if (e.background) out << ";background:" << Hex(*e.background);
    out << "}\n";
  }
  return out.str();
}

std::string Manifest(const std::vector<std::string>& icons) {
  std::ostringstream out;
  const window::FormSpec& form = window::kForm;
  out << "{\n  \"name\": " << Json(window::ControlOf(layout::Control::Label1, 0).text)
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
  out << "\n  ]\n}\n";
  return out.str();
}

// For the browser tests: where each control stands in the window, its tab index and its words.
std::string Description() {
  const std::vector<Entry>& all = window::Controls();
  std::ostringstream out;
  out << "{\"width\": " << window::kForm.width << ", \"height\": " << window::kForm.height
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
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_page OUTDIR LOOK.css ICON...\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + '/';
  const std::vector<std::string> icons(argv + 3, argv + argc);
  const std::string style = Read(argv[2]) + Styles();
  const bool ok = Write(dir + "index.html", Page(style, LargestPng(icons))) &&
                  Write(dir + "manifest.webmanifest", Manifest(icons)) &&
                  Write(dir + "window.json", Description());
  return ok ? 0 : 1;
}
