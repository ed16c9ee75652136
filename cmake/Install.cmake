# Install layout, desktop integration and the Debian package.
# Included from the top-level CMakeLists.txt once the pairfall target exists.

include(GNUInstallDirs)

# The folders the install makes get these modes whatever the builder's
# umask, as its files do: with umask 002 they were group-writable, in the
# Windows zip and in CPack's .deb (which takes this value too).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(PAIRFALL_APP_ID "io.github.pairfall.Pairfall")
set(_pf_root "${PROJECT_SOURCE_DIR}")
set(_pf_packaging "${_pf_root}/packaging")

# The program finds its pictures beside itself, so both live in a private
# folder; a plain "lib" (not the multiarch libdir) keeps the launcher link short.
set(PAIRFALL_INSTALL_PKGDIR "lib/pairfall" CACHE STRING
    "Folder, relative to the prefix, for the program and its pictures")
# A game is started from games/, which Debian's PATH has (/usr/games,
# /usr/local/games); bin suits a prefix such as ~/.local.
set(PAIRFALL_INSTALL_LAUNCHERDIR "games" CACHE STRING
    "Folder, relative to the prefix, for the pairfall command (a link to the program)")
set(PAIRFALL_SCREENSHOT_URL "" CACHE STRING
    "Web address of the screenshot listed in the AppStream metainfo (empty: none)")

if(WIN32)
  # One folder that runs from wherever it is put (the installer puts it in
  # Program Files): pairfall.exe at the top, the pictures and translations
  # beside it, the licences in a folder of their own.
  install(TARGETS pairfall RUNTIME DESTINATION .)
  install(DIRECTORY "${_pf_root}/pictures/" DESTINATION pictures FILES_MATCHING PATTERN "*.bmp")

  # Windows has no system copy of Qt's own texts (the message boxes' buttons,
  # what screen readers say), so the program carries qtbase_<lang>.qm beside
  # its own. The Qt linked in is built from the build machine's qt6-base
  # source, so the build machine's translations are the ones that match.
  # For a language Qt has none for (Swedish) the program's own .qm carries
  # the few Qt texts it shows.
  set(PAIRFALL_QT_TRANSLATIONS "/usr/share/qt6/translations" CACHE PATH
      "Folder with Qt's own qtbase_<lang>.qm, copied into the Windows install (Debian: qt6-translations-l10n)")
  # Into the build's own translations folder, beside the program's: the build
  # finds them where the installed program does, and the tests run on that.
  set(_pf_qt_translations_out "${CMAKE_BINARY_DIR}/translations")
  file(GLOB _pf_old_qt_qm "${_pf_qt_translations_out}/qtbase_*.qm")
  if(_pf_old_qt_qm)
    file(REMOVE ${_pf_old_qt_qm})
  endif()
  file(MAKE_DIRECTORY "${_pf_qt_translations_out}")
  set(_pf_qt_translations "")
  foreach(_pf_language IN LISTS PAIRFALL_LANGUAGES)
    set(_pf_qt_qm "${PAIRFALL_QT_TRANSLATIONS}/qtbase_${_pf_language}.qm")
    if(EXISTS "${_pf_qt_qm}")
      file(COPY_FILE "${_pf_qt_qm}" "${_pf_qt_translations_out}/qtbase_${_pf_language}.qm")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_pf_qt_qm}")
      list(APPEND _pf_qt_translations "${_pf_qt_translations_out}/qtbase_${_pf_language}.qm")
    endif()
  endforeach()
  if(NOT _pf_qt_translations)
    message(WARNING "No qtbase_<lang>.qm in ${PAIRFALL_QT_TRANSLATIONS}: the Windows install lacks Qt's own translations "
                    "(install qt6-translations-l10n or set PAIRFALL_QT_TRANSLATIONS)")
  endif()
  install(FILES ${PAIRFALL_QM_FILES} ${_pf_qt_translations} DESTINATION translations)

  # The Qt linked in: scripts/build-qt-windows's prefix, which names the
  # Debian source it was built from and holds the licences of Qt and of the
  # libraries built into it.
  set(_pf_qt_prefix "")
  get_filename_component(_pf_qt_from_config "${Qt6_DIR}/../../.." ABSOLUTE)
  foreach(_pf_dir IN LISTS PAIRFALL_QT_WINDOWS CMAKE_PREFIX_PATH _pf_qt_from_config)
    if(EXISTS "${_pf_dir}/debian-source-version")
      set(_pf_qt_prefix "${_pf_dir}")
      break()
    endif()
  endforeach()
  set(_pf_qt_licenses_default "")
  if(_pf_qt_prefix AND IS_DIRECTORY "${_pf_qt_prefix}/licenses")
    set(_pf_qt_licenses_default "${_pf_qt_prefix}/licenses")
  endif()
  set(PAIRFALL_QT_LICENSES "${_pf_qt_licenses_default}" CACHE PATH
      "Folder with the licence texts of the Qt linked in and its libraries (default: <Qt prefix>/licenses)")
  if(NOT PAIRFALL_QT_LICENSES AND _pf_qt_licenses_default)
    set(PAIRFALL_QT_LICENSES "${_pf_qt_licenses_default}" CACHE PATH "" FORCE)
  endif()

  # The texts get CRLF line ends, which Notepad before Windows 10 needs, and
  # a .txt name, so that a double click opens them.
  set(_pf_licenses_out "${CMAKE_BINARY_DIR}/windows-licenses")
  file(REMOVE_RECURSE "${_pf_licenses_out}")
  function(_pf_windows_text source name)
    file(READ "${source}" _pf_text)
    string(REPLACE "\r\n" "\n" _pf_text "${_pf_text}")
    string(REPLACE "\n" "\r\n" _pf_text "${_pf_text}")
    file(WRITE "${_pf_licenses_out}/${name}" "${_pf_text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
  endfunction()
  _pf_windows_text("${_pf_root}/LICENSE" Pairfall.txt)

  # Qt's translations are under a licence of their own, which goes with them.
  set(_pf_qt_translations_note "")
  set(_pf_qt_translations_copyright "/usr/share/doc/qt6-translations-l10n/copyright")
  if(_pf_qt_translations AND EXISTS "${_pf_qt_translations_copyright}")
    _pf_windows_text("${_pf_qt_translations_copyright}" Qt-translations.txt)
    execute_process(COMMAND dpkg-query -W "-f=\${Version}" qt6-translations-l10n
                    OUTPUT_VARIABLE _pf_qt_translations_version ERROR_QUIET RESULT_VARIABLE _pf_dpkg_failed)
    set(_pf_from "Debian's qt6-translations-l10n")
    if(NOT _pf_dpkg_failed AND _pf_qt_translations_version)
      string(APPEND _pf_from ", version ${_pf_qt_translations_version}")
    endif()
    set(_pf_qt_translations_note "
Qt-translations.txt
    The licence of translations\\qtbase_*.qm, Qt's own texts in other
    languages (${_pf_from}): the GNU
    General Public License, version 3 (Qt-GPL-3.0-only.txt), with The Qt
    Company GPL Exception 1.0.
")
  elseif(_pf_qt_translations)
    message(WARNING "${_pf_qt_translations_copyright} is missing: the Windows install lacks the licence of Qt's translations")
  endif()

  if(_pf_qt_prefix AND PAIRFALL_QT_LICENSES)
    file(GLOB_RECURSE _pf_qt_texts LIST_DIRECTORIES false RELATIVE "${PAIRFALL_QT_LICENSES}" "${PAIRFALL_QT_LICENSES}/*")
    list(SORT _pf_qt_texts)
    set(_pf_text_list "")
    foreach(_pf_text IN LISTS _pf_qt_texts)
      get_filename_component(_pf_ext "${_pf_text}" LAST_EXT)
      set(_pf_name "${_pf_text}")
      if(NOT _pf_ext MATCHES "^\\.(txt|TXT)$")
        string(APPEND _pf_name ".txt")
      endif()
      _pf_windows_text("${PAIRFALL_QT_LICENSES}/${_pf_text}" "${_pf_name}")
      string(REPLACE "/" "\\" _pf_name "${_pf_name}")
      string(APPEND _pf_text_list "    ${_pf_name}\n")
    endforeach()
    file(STRINGS "${_pf_qt_prefix}/debian-source-version" _pf_debian_version LIMIT_COUNT 1)
    set(_pf_readme "${CMAKE_BINARY_DIR}/windows-licenses-README.txt")
    file(WRITE "${_pf_readme}" "\
Pairfall ${PROJECT_VERSION} for Windows: the licences
======================================================

Pairfall.txt
    Pairfall's own licence, the MIT licence.
${_pf_qt_translations_note}
pairfall.exe has Qt ${Qt6_VERSION} (Qt Core, Gui, Widgets and Network) built
into it: it is linked statically. That Qt was built for 64-bit Windows with
MinGW-w64 from Debian's qt6-base source package, version ${_pf_debian_version}.
Qt is used under the GNU Lesser General Public License, version 3 (LGPL),
which builds on the GNU General Public License, version 3. Qt brings the
libraries FreeType, HarfBuzz, libpng, zlib, PCRE2 and double-conversion,
which are built into pairfall.exe with it. Their licences, and Qt's:

${_pf_text_list}
Relinking with another Qt
    The LGPL lets you replace the Qt in pairfall.exe with one of your own.
    Pairfall's source is published together with the scripts that build this
    program: scripts/build-qt-windows builds Qt for Windows from Debian's
    qt6-base source, version ${_pf_debian_version}
    (apt-get source qt6-base=${_pf_debian_version}), and scripts/package-windows
    builds pairfall.exe, links it statically with that Qt and makes this
    folder and the installer. Change Qt's source and run them again, or give
    scripts/package-windows a static Qt for Windows of your own
    (PAIRFALL_QT_WINDOWS=<its folder> scripts/package-windows), and you get a
    pairfall.exe linked with your Qt.
")
    _pf_windows_text("${_pf_readme}" README.txt)
  elseif(_pf_qt_prefix)
    message(WARNING "${_pf_qt_prefix} has no licenses folder: the Windows install lacks Qt's licences (set PAIRFALL_QT_LICENSES)")
  else()
    message(STATUS "Qt is not scripts/build-qt-windows's: the Windows install carries Pairfall's licence alone")
  endif()
  install(DIRECTORY "${_pf_licenses_out}/" DESTINATION licenses)
else()
  install(TARGETS pairfall RUNTIME DESTINATION "${PAIRFALL_INSTALL_PKGDIR}")
  # A stripped install also loses the compilers' version notes, as Debian's
  # own packages do.
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PAIRFALL_INSTALL_PKGDIR}/$<TARGET_FILE_NAME:pairfall>\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
  install(DIRECTORY "${_pf_root}/pictures/"
          DESTINATION "${PAIRFALL_INSTALL_PKGDIR}/pictures"
          FILES_MATCHING PATTERN "*.bmp")
  # Qt's own texts come from the system's Qt (qt6-translations-l10n).
  install(FILES ${PAIRFALL_QM_FILES} DESTINATION "${PAIRFALL_INSTALL_PKGDIR}/translations")
endif()

if(UNIX AND NOT APPLE)
  # A relative symlink keeps the package relocatable; the program still finds
  # its pictures because applicationDirPath() follows /proc/self/exe.
  if(IS_ABSOLUTE "${PAIRFALL_INSTALL_LAUNCHERDIR}" OR IS_ABSOLUTE "${PAIRFALL_INSTALL_PKGDIR}")
    message(FATAL_ERROR "cmake/Install.cmake needs relative PAIRFALL_INSTALL_LAUNCHERDIR and PAIRFALL_INSTALL_PKGDIR")
  endif()
  file(RELATIVE_PATH _pf_link_target
       "/prefix/${PAIRFALL_INSTALL_LAUNCHERDIR}" "/prefix/${PAIRFALL_INSTALL_PKGDIR}/pairfall")
  set(_pf_link "${CMAKE_BINARY_DIR}/install-launcher/pairfall")
  file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/install-launcher")
  file(CREATE_LINK "${_pf_link_target}" "${_pf_link}" SYMBOLIC)
  install(FILES "${_pf_link}" DESTINATION "${PAIRFALL_INSTALL_LAUNCHERDIR}")

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
      <caption xml:lang=\"de\">Ein laufendes Spiel</caption>
      <caption xml:lang=\"fr\">Une partie en cours</caption>
      <caption xml:lang=\"es\">Una partida en curso</caption>
      <caption xml:lang=\"it\">Una partita in corso</caption>
      <caption xml:lang=\"nl\">Een spel in volle gang</caption>
      <caption xml:lang=\"pt_BR\">Uma partida em andamento</caption>
      <caption xml:lang=\"pl\">Rozgrywka w toku</caption>
      <caption xml:lang=\"sv\">Ett pågående spel</caption>
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
  # What lintian is told, with the reasons: the pictures stay beside the program.
  install(FILES "${_pf_packaging}/pairfall.lintian-overrides"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME pairfall)

  # The Windows icon is made from the same PNGs once and kept in the
  # repository, so that a build on Windows needs no ImageMagick.
  find_program(PAIRFALL_CONVERT convert)
  set(_pf_windows_icon "${_pf_packaging}/windows/pairfall.ico")
  if(PAIRFALL_CONVERT)
    set(_pf_icon_pngs "")
    foreach(_pf_size 16 32 48 64 128 256)
      list(APPEND _pf_icon_pngs "${_pf_root}/art/icons/pairfall-${_pf_size}.png")
    endforeach()
    add_custom_target(windows_icon
      COMMAND "${PAIRFALL_CONVERT}" ${_pf_icon_pngs} "${_pf_windows_icon}"
      COMMENT "Making packaging/windows/pairfall.ico from art/icons"
      VERBATIM)
  endif()

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
    find_program(PAIRFALL_IDENTIFY identify)
    find_program(PAIRFALL_COMPARE compare)
    if(PAIRFALL_IDENTIFY AND PAIRFALL_COMPARE)
      add_test(NAME packaging_windows_icon
               COMMAND ${CMAKE_COMMAND} -DIDENTIFY=${PAIRFALL_IDENTIFY} -DCOMPARE=${PAIRFALL_COMPARE}
                       -DICON=${_pf_windows_icon} -DPNG_DIR=${_pf_root}/art/icons
                       -P "${_pf_packaging}/windows/check_icon.cmake")
    endif()
    if(PAIRFALL_APPSTREAMCLI)
      # --no-net: CI has no network; the screenshot address is checked by hand.
      add_test(NAME packaging_metainfo
               COMMAND ${PAIRFALL_APPSTREAMCLI} validate --no-net "${_pf_metainfo_out}")
    endif()
  endif()
elseif(NOT WIN32)
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
# Windows: scripts/package-windows makes the installer and the .zip.
if(NOT CPACK_GENERATOR AND WIN32)
  set(CPACK_GENERATOR "ZIP")
elseif(NOT CPACK_GENERATOR)
  set(CPACK_GENERATOR "DEB")
endif()

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Pairfall developers <pairfall@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps (dpkg-dev) turns the linked Qt libraries into Depends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dialogs want a sans serif of the classic width; DejaVu is too wide.
# Qt's own translations put its buttons and screen-reader texts in the
# player's language too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation | fonts-urw-base35, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_SOURCE_GENERATOR "TGZ")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/\\\\.cache/")

include(CPack)
