// A text as a JSON string, for the files that the build and the tests write.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace web {

inline std::string Json(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + '"';
}

}  // namespace web
