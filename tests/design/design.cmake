# Writes the window's design (window.json beside this file) as a C++ header for the tests:
#   trapezoid_design_header(OUTPUT-FILE)
function(trapezoid_design_header output)
  set(source ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/window.json)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} design)
  string(JSON width GET "${design}" window width)
  string(JSON height GET "${design}" window height)
  _trapezoid_design_rgb("${design}" background window background)
  set(controls "")
  string(JSON last LENGTH "${design}" controls)
  math(EXPR last "${last} - 1")
  foreach(i RANGE ${last})
    string(JSON id GET "${design}" controls ${i} id)
    string(JSON in ERROR_VARIABLE none GET "${design}" controls ${i} in)
    if(none)
      set(in "")
    endif()
    set(rect "")
    foreach(k RANGE 3)
      string(JSON value GET "${design}" controls ${i} rect ${k})
      list(APPEND rect ${value})
    endforeach()
    list(JOIN rect ", " rect)
    string(JSON colour ERROR_VARIABLE none GET "${design}" controls ${i} background)
    if(none)
      set(colour "std::nullopt")
    else()
      _trapezoid_design_rgb("${design}" colour controls ${i} background)
    endif()
    string(JSON tab GET "${design}" controls ${i} tabIndex)
    string(JSON hidden ERROR_VARIABLE none GET "${design}" controls ${i} hidden)
    if(NOT none AND hidden)
      set(hidden true)
    else()
      set(hidden false)
    endif()
    string(APPEND controls "    {\"${id}\", \"${in}\", {${rect}}, ${colour}, ${tab}, ${hidden}},\n")
  endforeach()
  set(focus "")
  string(JSON last LENGTH "${design}" focus)
  math(EXPR last "${last} - 1")
  foreach(i RANGE ${last})
    string(JSON id GET "${design}" focus ${i})
    string(APPEND focus "\"${id}\", ")
  endforeach()
  file(CONFIGURE OUTPUT ${output} @ONLY CONTENT [[
// Written by tests/design/design.cmake from tests/design/window.json.
#pragma once

#include <array>
#include <optional>

namespace design {

struct Control {
  const char* id;
  const char* in;  // the container, where it is not the window
  std::array<int, 4> rect;  // left, top, width, height
  std::optional<std::array<int, 3>> background;
  int tabIndex;
  bool hidden;
};

inline constexpr int kWidth = @width@, kHeight = @height@;
inline constexpr std::array<int, 3> kBackground = @background@;
inline const Control kControls[] = {
@controls@};
inline constexpr const char* kFocus[] = {@focus@};

}  // namespace design
]])
endfunction()

function(_trapezoid_design_rgb design out)
  set(rgb "")
  foreach(k RANGE 2)
    string(JSON value GET "${design}" ${ARGN} ${k})
    list(APPEND rgb ${value})
  endforeach()
  list(JOIN rgb ", " rgb)
  set(${out} "std::array<int, 3>{${rgb}}" PARENT_SCOPE)
endfunction()
