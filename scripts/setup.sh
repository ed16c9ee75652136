#!/usr/bin/env bash
# Installs Debian 12 packages that are missing and knows where the build
# folder is.  Sourced by scripts/play and scripts/test.
set -euo pipefail

PAIRFALL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PAIRFALL_BUILD="${PAIRFALL_BUILD:-$PAIRFALL_ROOT/build}"

# What building and playing the game needs, and nothing more:
#   build-essential cmake  the compiler and the build
#   qt6-base-dev           Qt 6 Widgets, Gui and Test
#   qt6-tools-dev          Qt's LinguistTools for CMake, which turn the .ts files into .qm
#   qt6-l10n-tools         lupdate and lrelease, which those call
#   qt6-translations-l10n  Qt's own texts in the player's language (buttons, screen readers)
#   fonts-liberation       a sans serif as narrow as the dialogs were laid out for
PAIRFALL_PLAY_PACKAGES=(build-essential cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation)

# What the tests need on top:
#   libgtest-dev           the test framework
#   clang-format           the house-style check
#   xvfb xauth xdotool     a headless X server and real clicks for the end-to-end test
#   imagemagick            screenshots for the end-to-end test
#   clang libclang-rt-14-dev  the settings fuzzers (libFuzzer and its runtime)
#   libbenchmark-dev       the engine's micro-benchmarks
#   libx11-dev             the start-up benchmark's window watcher
#   desktop-file-utils appstream   validate the desktop entry and the metainfo
#   dpkg-dev               the Debian package's dependencies (dpkg-shlibdeps) and
#                          Debian's build flags (dpkg-buildflags)
#   file                   CPack's Debian generator finds the programs it hands to
#                          dpkg-shlibdeps with it
#   lintian                holds the Debian package to Debian's rules (ctest debian_package)
#   dbus-daemon at-spi2-core python3-pyatspi   the keyboard game: a private session
#                          bus, the accessibility bus, and a client that reads the
#                          accessibility tree and sends keys as a screen reader does
#   orca                   the screen reader itself, whose speech the screen_reader test reads
#   python3                the translation checks, the accessibility clients, and the
#                          check of the README and the links in docs/
#   procps                 pgrep and pkill, which find another account's copies (other_account)
PAIRFALL_TEST_PACKAGES=(python3 procps libgtest-dev clang-format xvfb xauth xdotool imagemagick clang libclang-rt-14-dev libbenchmark-dev libx11-dev desktop-file-utils appstream dpkg-dev file lintian dbus-daemon at-spi2-core python3-pyatspi orca)

# What the Windows build, its tests and the installed game's run under Wine
# need on top of packing it (scripts/test-windows):
#   cmake make             the build
#   g++-mingw-w64-x86-64-posix   the compiler for 64-bit Windows (MinGW-w64, POSIX threads)
#   qt6-tools-dev qt6-l10n-tools   the host's LinguistTools and lrelease, which make
#                          the .qm files; the first brings qt6-base-dev, the host Qt
#                          whose moc, rcc and uic serve the build
#   googletest             GoogleTest's source, built with that compiler
#   wine64                 runs the Windows tests, headless
#   xvfb xdotool imagemagick   an X server for the windows Wine makes, real
#                          clicks and screenshots for the installed game's run
#   fonts-wine             Wine's own fonts, so that Wine draws real text
#   unzip                  the zip's folder unpacked for the run at 192 dpi
#   python3                the installed game's run reads the German texts from their .ts file
#   binutils               strings, to find paths of this machine in pairfall.exe
#   procps                 pgrep, which finds Wine's server started under strace
#   strace                 tells Wine's server that the disk is full, for the installer's status 5
#   e2fsprogs              chattr, which makes pairfall.exe immutable where read-only does not
#                          stop the account (root), for the installer's status 6
PAIRFALL_WINDOWS_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix qt6-tools-dev qt6-l10n-tools googletest wine64 xvfb xdotool imagemagick fonts-wine unzip python3 binutils procps strace e2fsprogs)

# What building Qt for Windows from Debian's source needs (scripts/build-qt-windows):
#   dpkg-dev               apt-get source unpacks and patches with dpkg-source
#   patch                  the project's own changes to Qt (scripts/qt-windows-patches/)
#   ninja-build perl       the Qt build (Qt 6.4's syncqt is a Perl script)
#   g++-mingw-w64-x86-64-posix   the compiler
PAIRFALL_QT_WINDOWS_PACKAGES=(cmake dpkg-dev patch ninja-build perl g++-mingw-w64-x86-64-posix)

# What packing the Windows program needs (scripts/package-windows):
#   cmake make g++-mingw-w64-x86-64-posix qt6-tools-dev qt6-l10n-tools   the build, as above
#   qt6-translations-l10n  Qt's own qtbase_*.qm, of which the program carries copies
#   nsis                   makensis, which makes the installer
#   zip                    the folder that runs from anywhere, as one .zip
PAIRFALL_WINDOWS_PACKAGING_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix qt6-tools-dev qt6-l10n-tools qt6-translations-l10n nsis zip)

# What a release needs on top of packing for Windows (scripts/release):
#   git                    the source tarball (git archive) and --check's clones
#   dpkg-dev               dpkg-source makes the Debian source package
#   sbuild                 builds the .deb from it in a clean chroot, as Debian's build machines do
#   mmdebstrap             makes that chroot once per machine
#   uidmap                 newuidmap and newgidmap, with which sbuild and autopkgtest
#                          enter the chroot without root
#   autopkgtest            runs debian/tests on the built package in a copy of the chroot
#   lintian                holds the .dsc, the .changes and the .deb to Debian's rules
#   diffoscope-minimal     shows what differs when --check's two releases are not the same
#   python3                asks Debian's mirror before the chroot is made
#   reprotest faketime debhelper   the test debian_reproducible: reprotest builds the .deb
#                          twice on this machine (debhelper), the second time at another
#                          date (faketime), and compares them
PAIRFALL_RELEASE_PACKAGES=(git dpkg-dev sbuild mmdebstrap uidmap autopkgtest lintian diffoscope-minimal python3 reprotest faketime debhelper)

# What else a developer who is not root must do as root, said beside the
# apt-get line so that the run stops once for everything (scripts/test).
PAIRFALL_ALSO_AS_ROOT=()

pairfall_install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Pairfall needs these Debian packages first:" >&2
        echo "  sudo apt-get install ${missing[*]}" >&2
        for line in "${PAIRFALL_ALSO_AS_ROOT[@]}"; do
            echo "$line" >&2
        done
        exit 1
    fi
}

pairfall_configure() {
    cmake -S "$PAIRFALL_ROOT" -B "$PAIRFALL_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
}

# Builds the targets given, or everything.
pairfall_build() {
    local targets=()
    for target in "$@"; do
        targets+=(--target "$target")
    done
    cmake --build "$PAIRFALL_BUILD" --parallel "$(nproc)" "${targets[@]}"
}
