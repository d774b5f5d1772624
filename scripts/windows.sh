#!/usr/bin/env bash
# Cross-builds Quellora for 64-bit Windows with MinGW-w64 and makes its installer:
# build/windows/quellora-26.1.0-win64.exe (NSIS, through CPack).
# Debian has no Qt for MinGW, so the first run builds Qt 6 Base (Core, Gui, Widgets, Test, the
# windows platform plugin and the vista style) from Debian's own qt6-base source package, with
# Debian's moc, rcc and uic, into a cache outside the tree that later runs reuse:
# /var/cache/quellora-windows as root, ~/.cache/quellora-windows otherwise (QUELLORA_WINDOWS_CACHE
# chooses another). That takes about an hour on two cores.
# With --check it then tries the installer under Wine and Xvfb: installs it silently, starts the
# installed program and looks at its window, runs the Qt tests of the Windows build, uninstalls
# and checks that no file is left.
# Usage: scripts/windows.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/setup.sh windows

if [[ $(id -u) -eq 0 ]]; then default_cache=/var/cache/quellora-windows; else
  default_cache=${XDG_CACHE_HOME:-$HOME/.cache}/quellora-windows
fi
cache=${QUELLORA_WINDOWS_CACHE:-$default_cache}
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
qt=$cache/qt-$qt_version-mingw64
jobs=$(nproc)
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

# Qt 6 Base for MinGW-w64, built once. Its host tools are Debian's (QT_HOST_PATH=/usr), so the
# source must be the very version installed here.
build_qt() {
  local src=$cache/src work=$cache/qtbase-build list=/etc/apt/sources.list.d/quellora-qt6-source.sources
  mkdir -p "$src"
  if ! compgen -G "$src/qt6-base-*/configure" >/dev/null; then
    # The source line is needed for this one download only.
    "${sudo[@]}" tee "$list" >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    trap '"${sudo[@]}" rm -f "$list"' EXIT
    "${sudo[@]}" apt-get update -qq
    (cd "$src" && apt-get source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)")
    "${sudo[@]}" rm -f "$list"
    trap - EXIT
    "${sudo[@]}" apt-get update -qq
  fi
  local source
  source=$(dirname "$(compgen -G "$src/qt6-base-*/configure" | head -n 1)")
  rm -rf "$work"
  mkdir -p "$work"
  # Only what the program and its tests use. Three defaults of 6.4 fail here and are switched
  # off rather than patched: tablet support (Debian's source leaves out wintab.h), dynamic
  # OpenGL (does not build without OpenGL), and DirectWrite 3, which links only with Direct2D.
  # The image, text and compression libraries are Qt's bundled ones; pkg-config would find
  # Linux libraries. FreeType is for the offscreen platform of the tests, which reads its fonts
  # from a folder.
  (cd "$work" && "$source/configure" -prefix "$qt" -release -shared -xplatform win32-g++ \
    -qt-host-path /usr -nomake examples -nomake tests \
    -no-pkg-config -no-opengl -no-feature-dynamicgl -no-feature-tabletevent \
    -no-feature-direct2d -no-feature-directwrite3 -no-dbus -no-icu -no-feature-vulkan \
    -no-feature-network -no-feature-sql -no-feature-printsupport -no-feature-concurrent \
    -no-feature-xml -no-feature-imageformat_jpeg -no-libjpeg -no-fontconfig \
    -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -qt-freetype \
    -- -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
  cmake --build "$work" --parallel "$jobs"
  cmake --install "$work"
  touch "$qt/.complete"
  rm -rf "$work"
}

if [[ ! -f $qt/.complete ]]; then
  echo "Building Qt $qt_version for MinGW-w64 into $qt (once; about an hour on two cores)"
  time build_qt
fi

# The check also builds the Qt tests, with GoogleTest for MinGW from scripts/wine-tests.sh,
# which first runs the core's tests under Wine.
build=build/windows
testing=OFF
if [[ ${1:-} == --check ]]; then
  testing=ON
  scripts/wine-tests.sh
fi
SECONDS=0
# Wine hands no QT_* variable of Linux to a Windows program, so the Qt tests' QT_QPA_FONTDIR and
# QT_SCALE_FACTOR would be lost: the tests run through this wrapper, which puts them into the
# Windows user environment of the prefix (HKCU\Environment) for one run.
mkdir -p "$build"
emulator=$root/$build/wine-qt-env
cat >"$emulator" <<'WRAPPER'
#!/usr/bin/env bash
mapfile -t vars < <(env | grep -E '^QT_[A-Za-z0-9_]+=')
for v in "${vars[@]}"; do wine reg add 'HKCU\Environment' /v "${v%%=*}" /d "${v#*=}" /f >/dev/null 2>&1; done
wine "$@"
status=$?
for v in "${vars[@]}"; do wine reg delete 'HKCU\Environment' /v "${v%%=*}" /f >/dev/null 2>&1; done
exit "$status"
WRAPPER
chmod +x "$emulator"
# The program against that Qt, optimised at -O2 as Debian builds (GCC 12 at -O3 warns falsely
# about copies inside std::string).
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DBUILD_TESTING="$testing" -DQUELLORA_BENCH=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" \
  -DGTest_DIR="$root/build/windows-core/googletest/lib/cmake/GTest" >/dev/null
cmake --build "$build" -j "$jobs"
rm -f "$build"/quellora-*-win64.exe
(cd "$build" && cpack -G NSIS >/dev/null)
installer=$(realpath "$build"/quellora-*-win64.exe)
echo "Built and packed in $SECONDS s: $installer, $(du -k "$installer" | cut -f 1) kB"

[[ ${1:-} == --check ]] || exit 0

# A Windows of its own: a new Wine prefix, with its own X server, and without Wine's copying of
# Start-menu entries into the Linux desktop's menus.
SECONDS=0
check=$root/$build/check
rm -rf "$check"
mkdir -p "$check/wine"
export WINEPREFIX=$check/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$check/display" 2>/dev/null &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb"' EXIT
for ((i = 0; i < 100; i++)); do [[ -s $check/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$check/display")
wineboot -i 2>/dev/null
wineserver -w

fail() {
  echo "$*" >&2
  exit 1
}
# Every file on drive C: outside the Windows folder.
files() { (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -type f -print | sort); }
files >"$check/files-before"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellora'

wine "$installer" /S
wineserver -w
files >"$check/files-installed"
program="$WINEPREFIX/drive_c/Program Files/Quellora/bin/quellora.exe"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quellora"
[[ -f $program ]] || fail "The installer put no quellora.exe under C:\\Program Files\\Quellora\\bin"
[[ -f $menu/Quellora.lnk && -f $menu/Uninstall.lnk ]] || fail "No Start-menu entries in $menu"
wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "The uninstaller is not registered"
echo "Installed silently:"
comm -13 "$check/files-before" "$check/files-installed" | sed 's/^/  /'

# The installed program on the windows platform: its window must appear with its title, " Quellora"
# with one leading blank, and, after the first tick, the start values. Wine names the X window
# after the Windows one. The values are read by OCR from a picture of the window, enlarged three
# times and turned black and white, word by word (--psm 11).
wine 'C:\Program Files\Quellora\bin\quellora.exe' &
window=
for ((i = 0; i < 60; i++)); do
  window=$(xwininfo -root -tree | awk '/^ +0x[0-9a-f]+ " Quellora": / { print $1; exit }')
  [[ -n $window ]] && break
  sleep 0.5
done
[[ -n $window ]] || fail "No window titled \" Quellora\" appeared"
sleep 2
import -window "$window" "$check/window.png"
convert "$check/window.png" -resize 300% -threshold 60% "$check/window-large.png"
tesseract "$check/window-large.png" - --psm 11 2>/dev/null | tr -s '\n' ' ' >"$check/window.txt"
# 208 V three-phase, 10 A, power factor 1: 3,603 VA, and 125 % of the current 12.50 A.
for value in '(^|[^0-9.,])208([^0-9]|$)' '(^|[^0-9.,])10 +A' '3,603 +VA' '12\.50 ?A'; do
  grep -Eq -- "$value" "$check/window.txt" ||
    fail "$value not seen in the window; OCR read: $(cat "$check/window.txt")"
done
echo "The installed program shows its window \" Quellora\" with 208, 10 A, 3,603 VA and 12.50 A" \
  "(OCR of $check/window.png)"
wineserver -k
wineserver -w || true

# The Qt tests of this build under Wine, on the offscreen platform, with Qt's and the compiler's
# libraries found through WINEPATH. Wine's background services start first, with wineboot: when
# a test starts them, they keep ctest's output open and ctest waits for ever.
wineserver -p
wineboot >/dev/null 2>&1
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
# One at a time: the wrapper's Windows environment is shared by the whole prefix.
WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$runtime");$(winepath -w /usr/x86_64-w64-mingw32/lib)" \
  ctest --test-dir "$build" -R '^(qt|app)\.' --output-on-failure
wineserver -k

# Uninstalling must leave no file. The uninstaller runs from a copy of itself in %TEMP%, which
# Windows deletes at its next start: restart Wine's Windows before looking.
wine 'C:\Program Files\Quellora\Uninstall.exe' /S
wineserver -w
wineboot -r 2>/dev/null
wineserver -w
files >"$check/files-after"
left=$(comm -13 "$check/files-before" "$check/files-after")
[[ -z $left ]] || fail "Left after uninstalling: $left"
[[ ! -e "$WINEPREFIX/drive_c/Program Files/Quellora" ]] || fail "C:\\Program Files\\Quellora is left"
[[ ! -e $menu ]] || fail "The Start-menu folder is left"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "The uninstaller's registry key is left"
echo "Uninstalled silently: no file of it is left, nor its folders or uninstall key"
echo "Checked in $SECONDS s"
