# Install layout, desktop integration and the Debian package.
# Included from the top-level CMakeLists.txt once the pairfall target exists.

include(GNUInstallDirs)

set(PAIRFALL_APP_ID "io.github.pairfall.Pairfall")
set(_pf_root "${PROJECT_SOURCE_DIR}")
set(_pf_packaging "${_pf_root}/packaging")

# The program finds its pictures beside itself, so both live in a private
# folder; a plain "lib" (not the multiarch libdir) keeps the launcher link short.
set(PAIRFALL_INSTALL_PKGDIR "lib/pairfall" CACHE STRING
    "Folder, relative to the prefix, for the program and its pictures")
set(PAIRFALL_SCREENSHOT_URL "" CACHE STRING
    "Web address of the screenshot listed in the AppStream metainfo (empty: none)")

install(TARGETS pairfall RUNTIME DESTINATION "${PAIRFALL_INSTALL_PKGDIR}")
install(DIRECTORY "${_pf_root}/pictures/"
        DESTINATION "${PAIRFALL_INSTALL_PKGDIR}/pictures"
        FILES_MATCHING PATTERN "*.bmp")

if(UNIX AND NOT APPLE)
  # A relative symlink keeps the package relocatable; the program still finds
  # its pictures because applicationDirPath() follows /proc/self/exe.
  if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${PAIRFALL_INSTALL_PKGDIR}")
    message(FATAL_ERROR "cmake/Install.cmake needs relative CMAKE_INSTALL_BINDIR and PAIRFALL_INSTALL_PKGDIR")
  endif()
  file(RELATIVE_PATH _pf_link_target
       "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${PAIRFALL_INSTALL_PKGDIR}/pairfall")
  set(_pf_link "${CMAKE_BINARY_DIR}/install-launcher/pairfall")
  file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/install-launcher")
  file(CREATE_LINK "${_pf_link_target}" "${_pf_link}" SYMBOLIC)
  install(FILES "${_pf_link}" DESTINATION "${CMAKE_INSTALL_BINDIR}")

  install(FILES "${_pf_packaging}/${PAIRFALL_APP_ID}.desktop"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

  # Without a host for the screenshot the entry is left out: appstreamcli
  # rejects relative paths and warns about addresses it cannot fetch.
  file(READ "${_pf_packaging}/${PAIRFALL_APP_ID}.metainfo.xml" _pf_metainfo)
  set(_pf_marker "  <!-- screenshots: filled in at configure time from PAIRFALL_SCREENSHOT_URL -->\n")
  string(FIND "${_pf_metainfo}" "${_pf_marker}" _pf_marker_at)
  if(_pf_marker_at EQUAL -1)
    message(FATAL_ERROR "screenshot marker missing from ${PAIRFALL_APP_ID}.metainfo.xml")
  endif()
  if(PAIRFALL_SCREENSHOT_URL)
    set(_pf_screenshots
"  <screenshots>
    <screenshot type=\"default\">
      <caption>A game in progress</caption>
      <image>${PAIRFALL_SCREENSHOT_URL}</image>
    </screenshot>
  </screenshots>
")
  else()
    set(_pf_screenshots "")
  endif()
  string(REPLACE "${_pf_marker}" "${_pf_screenshots}" _pf_metainfo "${_pf_metainfo}")
  set(_pf_metainfo_out "${CMAKE_BINARY_DIR}/packaging/${PAIRFALL_APP_ID}.metainfo.xml")
  file(CONFIGURE OUTPUT "${_pf_metainfo_out}" CONTENT "${_pf_metainfo}" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               "${_pf_packaging}/${PAIRFALL_APP_ID}.metainfo.xml")
  install(FILES "${_pf_metainfo_out}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

  set(_pf_icon_sizes "")
  foreach(_pf_size 16 32 48 64 128 256)
    set(_pf_icon "${_pf_root}/art/icons/pairfall-${_pf_size}.png")
    if(EXISTS "${_pf_icon}")
      install(FILES "${_pf_icon}"
              DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_pf_size}x${_pf_size}/apps"
              RENAME "${PAIRFALL_APP_ID}.png")
      list(APPEND _pf_icon_sizes ${_pf_size})
    endif()
  endforeach()
  if(NOT _pf_icon_sizes)
    message(WARNING "No art/icons/pairfall-<size>.png found: the package will have no icon")
  endif()

  install(FILES "${_pf_root}/LICENSE" DESTINATION "${CMAKE_INSTALL_DOCDIR}" RENAME copyright)

  # Debian wants the manual page and changelog.gz compressed; -n keeps the
  # archives the same from build to build.
  find_program(PAIRFALL_GZIP gzip)
  if(PAIRFALL_GZIP)
    set(_pf_man "${CMAKE_BINARY_DIR}/packaging/pairfall.6.gz")
    set(_pf_changelog "${CMAKE_BINARY_DIR}/packaging/changelog.gz")
    add_custom_command(OUTPUT "${_pf_man}"
      COMMAND "${PAIRFALL_GZIP}" -9nc "${_pf_packaging}/pairfall.6" > "${_pf_man}"
      DEPENDS "${_pf_packaging}/pairfall.6"
      VERBATIM)
    add_custom_command(OUTPUT "${_pf_changelog}"
      COMMAND "${PAIRFALL_GZIP}" -9nc "${_pf_packaging}/changelog" > "${_pf_changelog}"
      DEPENDS "${_pf_packaging}/changelog"
      VERBATIM)
    add_custom_target(pairfall_packaging_docs ALL DEPENDS "${_pf_man}" "${_pf_changelog}")
    install(FILES "${_pf_man}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
    install(FILES "${_pf_changelog}" DESTINATION "${CMAKE_INSTALL_DOCDIR}")
  else()
    install(FILES "${_pf_packaging}/pairfall.6" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
    install(FILES "${_pf_packaging}/changelog" DESTINATION "${CMAKE_INSTALL_DOCDIR}")
  endif()

  if(PAIRFALL_BUILD_TESTS)
    find_program(PAIRFALL_DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(PAIRFALL_APPSTREAMCLI appstreamcli)
    if(PAIRFALL_DESKTOP_FILE_VALIDATE)
      add_test(NAME packaging_desktop_entry
               COMMAND ${PAIRFALL_DESKTOP_FILE_VALIDATE} "${_pf_packaging}/${PAIRFALL_APP_ID}.desktop")
    endif()
    if(PAIRFALL_APPSTREAMCLI)
      # --no-net: CI has no network; the screenshot address is checked by hand.
      add_test(NAME packaging_metainfo
               COMMAND ${PAIRFALL_APPSTREAMCLI} validate --no-net "${_pf_metainfo_out}")
    endif()
  endif()
else()
  install(FILES "${_pf_root}/LICENSE" DESTINATION "${CMAKE_INSTALL_DOCDIR}")
endif()

set(CPACK_PACKAGE_NAME "pairfall")
set(CPACK_PACKAGE_VENDOR "The Pairfall developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "The Pairfall developers <pairfall@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "patience card game of pairs that make ten")
set(CPACK_PACKAGE_DESCRIPTION
"Pairfall is a single-player patience card game. Twelve slots are laid out
in three rows of four; clicking an empty slot or a ten deals the next card
onto it. Two number cards that add up to ten, or all four face cards of one
rank, are covered by new cards. The game is won when the deck is used up
and lost when a full table has no play left. Statistics are kept.")
set(CPACK_RESOURCE_FILE_LICENSE "${_pf_root}/LICENSE")
set(CPACK_STRIP_FILES ON)
if(NOT CPACK_GENERATOR)
  set(CPACK_GENERATOR "DEB")
endif()

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Pairfall developers <pairfall@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps (dpkg-dev) turns the linked Qt libraries into Depends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dialogs want a sans serif of the classic width; DejaVu is too wide.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation | fonts-urw-base35")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_SOURCE_GENERATOR "TGZ")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/\\\\.cache/")

include(CPack)
