#!/usr/bin/env bash
# bash tools/dev windows: cross-builds the Windows program with MinGW-w64, runs its tests under Wine and
# makes the zip a player unpacks, build/windows/tunewick-VERSION-windows-x86_64.zip.
# Qt for Windows comes from ../shared/windows/, beside the checkout (its README.txt says how it was built).
set -euo pipefail
root=$(cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/.." && pwd)
cd "$root"
qt_folder=$root/../shared/windows
archive=qt6.4.2-mingw64.tar.xz
build=$root/build/windows

if [[ ! -f $qt_folder/$archive || ! -f $qt_folder/$archive.sha256 ]]; then
    echo "Qt for Windows is missing: expected $archive and $archive.sha256 in $(readlink -m "$qt_folder")" >&2
    echo "(the folder shared/windows beside the checkout; its build-qt.sh rebuilds the archive)." >&2
    exit 1
fi

# Unpacked once per archive: the checksum it was unpacked from is kept beside it.
expected=$(cut -d' ' -f1 "$qt_folder/$archive.sha256")
if [[ ! -f $build/qt.sha256 || $(cat "$build/qt.sha256") != "$expected" ]]; then
    actual=$(sha256sum "$qt_folder/$archive" | cut -d' ' -f1)
    if [[ $actual != "$expected" ]]; then
        echo "$qt_folder/$archive: sha256 $actual, expected $expected" >&2
        exit 1
    fi
    rm -rf "$build/qt6.4.2-mingw64" "$build/qt.sha256"
    mkdir -p "$build"
    tar -xJf "$qt_folder/$archive" -C "$build"
    echo "$expected" >"$build/qt.sha256"
fi

cmake --preset windows
cmake --build --preset windows

# One Wine prefix for the build, made once, as Windows 10; one wineserver kept up for the whole suite
# instead of one started and stopped for each test.
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "Making the Wine prefix $WINEPREFIX"
    wineboot --init
    winecfg -v win10
    # Wine has none of these faces; Linux's metric-compatible ones stand in, so texts take the room they
    # take on Windows.
    for face in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" "Courier New=Liberation Mono"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /d "${face#*=}" /f >/dev/null
    done
    wineserver --wait
fi
wineserver --foreground --persistent &
server=$!
trap 'kill "$server"; wait "$server" || true' EXIT
# The first program of a session starts Wine's services, which would keep a test's output open.
wine cmd /c exit >/dev/null 2>&1
ctest --preset windows

kill "$server"
wait "$server" || true
trap - EXIT

(cd "$build" && cpack --config CPackConfig.cmake)
bash tools/windows-zip-check.sh
