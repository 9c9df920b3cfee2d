# Shared by scripts/run and scripts/test: installs the Debian packages that are
# missing, then configures and builds a preset. Safe to run again and again.

VELANDRY_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# A step that fails says so, by script, line and command, so that a red CI run
# says where it went red; functions and subshells report too.
set -o errtrace
trap 'echo "${0##*/}: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR

# Runs a step whose output is of interest only when it fails: kept aside, and
# shown whole, with the step's name, when it does.
quietly() {
  local log status=0
  log=$(mktemp)
  "$@" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    cat "$log" >&2
    echo "${0##*/}: \"$*\" failed with status $status; its output is above" >&2
  fi
  rm -f "$log"
  return "$status"
}

missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
  done
}

ensure_packages() {
  local missing
  missing=$(missing_packages "$@" | tr '\n' ' ')
  if [ -z "${missing// /}" ]; then
    prove_installable "$@"
    return
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "These Debian packages are missing. Install them, then run this again:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y $missing" >&2
    exit 1
  fi
  echo "Installing: $missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends $missing
}

# A warm machine has every package already, so installing proves nothing: ask
# apt whether a fresh one could install the whole list, as it stands today.
prove_installable() {
  local simulate=(apt-get install --simulate --reinstall -qq --no-install-recommends "$@")
  # Package lists that were cleaned or have aged are fetched again first.
  if ! "${simulate[@]}" >/dev/null 2>&1 && [ "$(id -u)" -eq 0 ]; then
    quietly apt-get update -qq
  fi
  if ! quietly "${simulate[@]}"; then
    echo "${0##*/}: a fresh machine could not install these packages (apt's answer is above): $*" >&2
    return 1
  fi
}

# Qt for Windows is built from exactly the source of the host's Qt, whose moc,
# rcc and uic the cross-build runs; its cache is named by that version, so an
# upgraded qt6-base-dev gets a matching build instead of an old one.
qt_source_version() {
  dpkg-query -W -f='${source:Version}' qt6-base-dev
}
qt_windows_prefix() {
  echo "${VELANDRY_QT_WINDOWS:-/var/cache/velandry/qt-$(qt_source_version)-mingw-w64}"
}

# Debian's source packages come through a deb-src entry: one mirroring the
# existing sources is written where there is none.
ensure_deb_src() {
  if grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ || grep -qs '^deb-src' /etc/apt/sources.list; then
    return
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Add a deb-src entry for Debian's sources, then run this again." >&2
    exit 1
  fi
  if [ ! -f /etc/apt/sources.list.d/debian.sources ]; then
    echo "No deb-src entry, and no /etc/apt/sources.list.d/debian.sources to write one from: add one for Debian's sources" >&2
    exit 1
  fi
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    >/etc/apt/sources.list.d/velandry-deb-src.sources
  quietly apt-get update -qq
}

# Whether Debian's source PACKAGE=VERSION can be fetched. `apt-get source`
# takes an exact version, never a pattern. Asked on every run, so that a cached
# build cannot hide a source that a new machine could not fetch.
source_fetchable() {
  local print_uris=(apt-get source --print-uris -qq "$1=$2")
  if ! "${print_uris[@]}" >/dev/null 2>&1 && [ "$(id -u)" -eq 0 ]; then
    quietly apt-get update -qq   # source lists that were never fetched, or have aged
  fi
  quietly "${print_uris[@]}"
}

# The audio libraries for Windows are built from exactly the sources of the
# host's development packages, so that both builds have the same libraries;
# their cache is named by the three versions (without the epoch: Wine cannot
# name a folder with a colon in it) and its stamp holds them in full.
media_source_versions() {
  local pkg
  for pkg in libavcodec-dev libmp3lame-dev libtag1-dev; do
    dpkg-query -W -f='${source:Package} ${source:Version}\n' "$pkg"
  done
}
media_windows_prefix() {
  local name
  name=$(media_source_versions | sed 's/ [0-9][0-9]*:/ /' | tr ' \n' '--')
  echo "${VELANDRY_MEDIA_WINDOWS:-/var/cache/velandry/media-${name}mingw-w64}"
}

build_preset() {
  local preset=$1
  quietly cmake --preset "$preset" -S "$VELANDRY_ROOT"
  cmake --build --preset "$preset" --parallel "$(nproc)"
}

# The build, ICU for the code pages, and fonts for the window and its tests on
# the offscreen platform: Tahoma, the window's font, comes with fonts-wine.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n libicu-dev fonts-dejavu-core fonts-wine fonts-droid-fallback fonts-nanum fonts-tlwg-loma-ttf
  bash-completion libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libmp3lame-dev libtag1-dev
  pkg-config)

# Copying the music onto a card, tested on a real FAT file system.
COPY_TEST_PACKAGES=(dosfstools fusefat)

# The Windows cross-build and its checks under Wine. The audio libraries for
# Windows take their versions from the host's -dev packages; FFmpeg's assembly (nasm),
# LAME's autotools (Debian's patches touch its configure.in) and the UTF-8
# headers that Debian's TagLib takes from Debian (libutfcpp-dev), for
# scripts/build-media-windows.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n libicu-dev dpkg-dev mingw-w64 g++-mingw-w64-x86-64-posix
  gcc-mingw-w64-x86-64-posix wine wine64 nsis zip unzip locales fonts-wine xvfb xauth x11-utils
  libavcodec-dev libmp3lame-dev libtag1-dev make pkg-config nasm autoconf automake libtool libutfcpp-dev)

# The windows under a real window manager (scripts/check-window-frames).
FRAME_CHECK_PACKAGES=(xvfb xauth x11-utils openbox xdotool)

# Debian's own checks of the package.
PACKAGE_PACKAGES=(dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db)
