#!/usr/bin/env bash
# Makes the Debian package from the build the tests ran (CPack) and holds it
# to lintian with every tag it can show: errors, warnings, info, pedantic and
# experimental ones.  Each tag the package has was either fixed or overridden
# in packaging/pairfall.lintian-overrides with its reason, so any tag that
# shows fails the test, as does a launcher that does not lead to the program
# with its pictures beside it.
#   debian_package.sh CPACK BUILD_DIR
set -euo pipefail
cpack="$1"
build="$2"

fail() { echo "FAILED: $*"; exit 1; }
command -v lintian > /dev/null || fail "lintian is not installed (scripts/setup.sh installs it)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Into a folder of its own, so that the build folder stays as it was.
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "CPack could not make the Debian package (see above)"
fi
debs=("$work"/pairfall_*.deb)
[ -f "${debs[0]}" ] || { cat "$work/cpack.log"; fail "CPack made no pairfall_*.deb"; }
deb="${debs[0]}"
echo "Made $(basename "$deb")"

# The command is where a game's is, and leads to the program, which finds its
# pictures and translations beside itself.
dpkg-deb -x "$deb" "$work/root"
launcher="$work/root/usr/games/pairfall"
[ -L "$launcher" ] || fail "the package has no link usr/games/pairfall"
program="$(readlink -f "$launcher")"
[ "$program" = "$work/root/usr/lib/pairfall/pairfall" ] || fail "usr/games/pairfall leads to ${program#"$work/root"}, not usr/lib/pairfall/pairfall"
[ -x "$program" ] || fail "usr/lib/pairfall/pairfall is not an executable"
for file in pictures/1.bmp pictures/52@2x.bmp pictures/69.bmp translations/pairfall_de.qm; do
    [ -f "$work/root/usr/lib/pairfall/$file" ] || fail "usr/lib/pairfall/$file is missing beside the program"
done
[ ! -e "$work/root/usr/bin/pairfall" ] || fail "usr/bin/pairfall is there too: a game's command is in usr/games alone"

# lintian finds the overrides in the package itself.  (With --show-overrides
# it would count overridden tags as failures.)
echo "lintian --pedantic --display-info --display-experimental:"
lintian_status=0
lintian --pedantic --display-info --display-experimental \
    --fail-on error,warning,info,pedantic,experimental "$deb" > "$work/lintian.log" 2>&1 || lintian_status=$?
grep -v '^running with root privileges is not recommended!$' "$work/lintian.log" || true
[ "$lintian_status" = 0 ] || fail "lintian ended with status $lintian_status: it has tags for the package (above), or could not check it"
echo "lintian: no error, warning, info, pedantic or experimental tag"
