#!/usr/bin/env bash
# Makes the Debian source package of the commit checked out, as
# scripts/release does, and has Debian's reprotest build the .deb from it
# twice, the second time in another folder with another umask, locale, time
# zone, home, time, kernel name and number of cores; reprotest compares the
# two and shows any difference with diffoscope.  Both must be the same, byte
# for byte.  (The user and the order of files in folders are not varied here:
# they need a second account and FUSE; scripts/release --check varies the user.)
#   debian_reproducible.sh SOURCE_DIR
set -euo pipefail
source_dir="$1"

fail() { echo "FAILED: $*"; exit 1; }
for tool in git dpkg-source dpkg-buildpackage dh reprotest diffoscope faketime; do
    command -v "$tool" > /dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

version="$(sed -n 's/^project(pairfall VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")"
source "$source_dir/scripts/debian-source.sh"
(cd "$source_dir" && debian_source_tarball "$work" "$version" && debian_source_package "$work" "$version" "$work/source") \
    > "$work/dpkg-source.log" 2>&1 || { cat "$work/dpkg-source.log"; fail "dpkg-source could not make the source package"; }
dsc=("$work"/source/pairfall_*.dsc)

# The build's dependencies are the host's (scripts/setup.sh installs them);
# dpkg-buildpackage says which are missing.
echo "reprotest: two builds of $(basename "${dsc[0]}")"
status=0
(cd "$work/source" && reprotest --vary=-user_group,-fileordering --min-cpus="$(nproc)" --store-dir="$work/store" \
    "$(basename "${dsc[0]}")" -- null) > "$work/reprotest.log" 2>&1 || status=$?
if [ "$status" != 0 ]; then
    # The builds' own output first, diffoscope's report of any difference last.
    tail -150 "$work/reprotest.log"
    fail "reprotest ended with status $status: the two builds differ (diffoscope's report above) or one failed"
fi
# reprotest's checksums of what both builds made alike.
grep -q 'pairfall_.*\.deb$' "$work/store/SHA256SUMS" 2> /dev/null \
    || { tail -50 "$work/reprotest.log"; fail "reprotest compared no pairfall .deb (its log above)"; }
cat "$work/store/SHA256SUMS"
echo "the two builds gave the same .deb"
