# Who publishes the program: one set of build settings that every place naming the publisher reads
# (the window's caption, the Debian package, the desktop entry, the metainfo, the page).
#   cmake --preset default -DTRAPEZOID_WEB_ADDRESS=www.school.bg "-DTRAPEZOID_CONTACT=Name <mail>"
set(TRAPEZOID_WEB_ADDRESS "" CACHE STRING
    "The publisher's web address, as the window's caption names it (www.school.bg); empty for none")
set(TRAPEZOID_CONTACT "Trapezoid developers <trapezoid@example.org>" CACHE STRING
    "Who answers for the Debian package, as its maintainer")
# AppStream wants a reverse domain name: the web address's, turned round, when one is set.
set(app_id org.example.trapezoid)
if(TRAPEZOID_WEB_ADDRESS)
  string(REGEX REPLACE "^www\\." "" domain "${TRAPEZOID_WEB_ADDRESS}")
  string(REPLACE "." ";" parts "${domain}")
  list(REVERSE parts)
  list(JOIN parts "." app_id)
  string(APPEND app_id .trapezoid)
endif()
set(TRAPEZOID_APP_ID ${app_id} CACHE STRING
    "The program's application ID: the name of its desktop entry, metainfo and icons")

# The window's caption begins with the web address, where there is one.
set(TRAPEZOID_CAPTION_PREFIX "")
if(TRAPEZOID_WEB_ADDRESS)
  set(TRAPEZOID_CAPTION_PREFIX "${TRAPEZOID_WEB_ADDRESS} ")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/publisher.h.in ${PROJECT_BINARY_DIR}/generated/publisher.h @ONLY)
