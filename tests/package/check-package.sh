#!/bin/sh
# Installs the game as a user would and checks what lands where: check-package.sh SOURCE BUILD
# BUILD is a release build configured with the prefix /usr. In CI, as root, it also installs the
# Debian package on this machine, starts the game headless from its launcher and removes it.
set -eu
src=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
id=org.zareduz.Zareduz
fail() {
    echo "check-package: $*" >&2
    exit 1
}

stage=$build/stage
rm -rf "$stage"
DESTDIR=$stage cmake --install "$build" >/dev/null
(cd "$stage" && find . -type f -o -type l | LC_ALL=C sort) >"$build/installed.txt"
diff -u "$src/tests/package/installed-files.txt" "$build/installed.txt" ||
    fail "the installed files differ from tests/package/installed-files.txt"
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/$id.metainfo.xml"
echo "installed files, desktop entry and metainfo: ok"

# The launcher says why when it cannot make the score folder, and fails.
if XDG_DATA_HOME=/dev/null/scores "$stage/usr/bin/zareduz-launcher" 2>"$build/launcher.err"; then
    fail "the launcher went on without its folder"
fi
grep -q 'cannot create the score folder "/dev/null/scores/zareduz"' "$build/launcher.err" ||
    fail "the launcher's message: $(cat "$build/launcher.err")"

rm -f "$build"/zareduz_*.deb
(cd "$build" && cpack >/dev/null)
deb=$(ls "$build"/zareduz_*.deb)
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort >"$build/deb-files.txt"
diff -u "$src/tests/package/installed-files.txt" "$build/deb-files.txt" ||
    fail "the package's files differ from tests/package/installed-files.txt"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    echo "$depends" | grep -q "$lib" || fail "the package does not depend on $lib: $depends"
done
echo "package $(basename "$deb"): ok ($depends)"

if [ "$(id -u)" -ne 0 ] || [ "${CI:-}" != true ]; then
    echo "not installing the package: that runs as root in CI only"
    exit 0
fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
trap 'apt-get remove -y -qq zareduz >/dev/null' EXIT

# Starts the installed launcher headless and waits for the score file in its data folder.
start_and_check() {
    expected=$1
    shift
    env "$@" QT_QPA_PLATFORM=offscreen zareduz-launcher >/dev/null 2>&1 &
    pid=$!
    tries=0
    while [ "$(stat -c %s "$expected" 2>/dev/null || echo 0)" != 420 ]; do
        tries=$((tries + 1))
        [ $tries -lt 200 ] || { kill $pid; fail "no score file at $expected"; }
        kill -0 $pid 2>/dev/null || fail "the game ended before writing $expected"
        sleep 0.1
    done
    kill $pid
    wait $pid 2>/dev/null || true
    echo "launcher: $expected: ok"
}
home=$(mktemp -d)
start_and_check "$home/.local/share/zareduz/hiscr.dat" HOME="$home" XDG_DATA_HOME=
start_and_check "$home/my data/zareduz/hiscr.dat" HOME="$home" XDG_DATA_HOME="$home/my data"
rm -rf "$home"
