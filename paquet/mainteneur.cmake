# Read by cpack before it builds the Debian package (CPACK_PROJECT_CONFIG_FILE): the maintainer
# as Debian's own tools take it, DEBFULLNAME (else NAME) and DEBEMAIL (else EMAIL), the address
# possibly written "Name <address>". Nothing is made up: without them there is no package.
set(korvane_adresse "$ENV{DEBEMAIL}")
if(korvane_adresse STREQUAL "")
  set(korvane_adresse "$ENV{EMAIL}")
endif()
set(korvane_nom "$ENV{DEBFULLNAME}")
if(korvane_nom STREQUAL "")
  set(korvane_nom "$ENV{NAME}")
endif()
if(korvane_adresse MATCHES "^(.*[^ ]) *<([^<>]+)>$")
  if(korvane_nom STREQUAL "")
    set(korvane_nom "${CMAKE_MATCH_1}")
  endif()
  set(korvane_adresse "${CMAKE_MATCH_2}")
endif()
if(korvane_nom STREQUAL "" OR NOT korvane_adresse MATCHES "^[^@ <>]+@[^@ <>]+$")
  message(FATAL_ERROR "The Debian package needs its maintainer: set DEBFULLNAME to your name "
                      "and DEBEMAIL to your e-mail address, as for dch.")
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${korvane_nom} <${korvane_adresse}>")
