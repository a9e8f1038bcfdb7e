# Shared by scripts/test and scripts/play: packages, build folders and the private Wine prefix.
# Sourced, not run.

ZELVANTO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export ZELVANTO_BUILD=${ZELVANTO_BUILD:-$ZELVANTO_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$ZELVANTO_BUILD/wineprefix}
export WINEDEBUG=-all
# No Mono or Gecko installer prompts: the game needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

ZELVANTO_BUILD_PACKAGES=(cmake make g++ googletest libgtest-dev mingw-w64 g++-mingw-w64-x86-64
                         binutils-mingw-w64-x86-64)
ZELVANTO_WINE_PACKAGES=(wine wine64 fonts-wine fonts-dejavu-core fonts-liberation2 xvfb xauth)
# Screenshots of the headless game.
ZELVANTO_PLAY_PACKAGES=(imagemagick)

say() { printf '== %s\n' "$*"; }

missing_packages() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || printf '%s ' "$package"
  done
}

# Installs what is missing when run as root; otherwise names the packages and stops.
require_packages() {
  local missing
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: $missing" >&2
    echo "Install them with: sudo apt-get install $missing" >&2
    exit 1
  fi
  say "installing $missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

configure_builds() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  [ -f "$ZELVANTO_BUILD/host/CMakeCache.txt" ] ||
    cmake -S "$ZELVANTO_ROOT" -B "$ZELVANTO_BUILD/host" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  [ -f "$ZELVANTO_BUILD/windows/CMakeCache.txt" ] ||
    cmake -S "$ZELVANTO_ROOT" -B "$ZELVANTO_BUILD/windows" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$ZELVANTO_ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
  # One CTest run covers both builds.
  printf 'subdirs("host")\nsubdirs("windows")\n' > "$ZELVANTO_BUILD/CTestTestfile.cmake"
  ZELVANTO_JOBS=$jobs
}

build_all() {
  cmake --build "$ZELVANTO_BUILD/host" -j "$ZELVANTO_JOBS"
  cmake --build "$ZELVANTO_BUILD/windows" -j "$ZELVANTO_JOBS"
}

# The fonts the game asks for, mapped to installed faces of the same kind, so that it looks under
# Wine as it does on Windows.
map_fonts() {
  local key='HKCU\Software\Wine\Fonts\Replacements'
  wine reg add "$key" /v "Lucida Console" /t REG_SZ /d "DejaVu Sans Mono" /f >/dev/null
  wine reg add "$key" /v "Arial" /t REG_SZ /d "Liberation Sans" /f >/dev/null
  # The caption buttons' symbols come from Wine's own Marlett, which this Wine finds only in the prefix.
  local marlett=/usr/share/wine/fonts/marlett.ttf
  [ -f "$marlett" ] && cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
  return 0
}

# The tests run every window inside one Wine virtual desktop: top-level windows are then no X windows,
# so no window manager is needed and closing a window does not wait for one (two seconds per window
# on a bare X server otherwise).
use_virtual_desktop() {
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1280x1024 /f >/dev/null
}

# Waits until the Wine that preparing the prefix started has ended: it ran without the display that the
# game and the tests use, and a later start must not reuse its processes.
finish_wine_preparation() {
  wineserver -w
}

prepare_wineprefix() {
  local marker="$WINEPREFIX/.zelvanto-ready-v3"
  [ -f "$marker" ] && return 0
  say "preparing the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  # Nothing that Wine starts here may hold on to the caller's output: CTest would wait for it forever.
  {
    wineboot -i
    map_fonts
    if [ "${1:-}" = desktop ]; then use_virtual_desktop; fi
  } </dev/null >/dev/null 2>&1
  touch "$marker"
}

# Starts this prefix's Wine (a persistent server and the system processes) with its output going
# nowhere: system processes started by a test would keep CTest's output pipes open and hang it.
start_wine() {
  wineserver -p
  wine wineboot </dev/null >/dev/null 2>&1
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}

# Runs inside the virtual display: everything that CTest starts under Wine shows its windows there.
run_tests_in_display() {
  start_wine
  trap stop_wine EXIT
  ctest --test-dir "$ZELVANTO_BUILD" -j "$ZELVANTO_JOBS" --output-on-failure --timeout 300
}
