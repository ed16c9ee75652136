# Sourced by scripts/release and tests/debian_reproducible.sh: the source of
# the commit checked out in the current folder, as Debian takes it.
# debian/ is the Debian source package's own part (its .debian.tar.xz), not
# upstream's.
debian_source_tarball() { # out version: pairfall-VERSION.tar.gz and the same bytes as the .orig.tar.gz
    git archive --format=tar --prefix="pairfall-$2/" HEAD -- . ':(exclude)debian' | gzip -9n > "$1/pairfall-$2.tar.gz"
    cp "$1/pairfall-$2.tar.gz" "$1/pairfall_$2.orig.tar.gz"
}
debian_source_package() { # out version folder: the .dsc and .debian.tar.xz made in folder
    mkdir -p "$3"
    tar -xzf "$1/pairfall-$2.tar.gz" -C "$3"
    git archive --format=tar --prefix="pairfall-$2/" HEAD debian | tar -x -C "$3"
    cp "$1/pairfall_$2.orig.tar.gz" "$3/"
    (cd "$3" && dpkg-source --build "pairfall-$2")
}
