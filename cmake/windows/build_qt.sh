#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source, the
# version of the host tools (moc, rcc, uic) in qt6-base-dev-tools, and installs
# it into a cache outside the clone. The folder is named after Qt's version
# and a hash of this file and the toolchain, so a changed recipe builds anew
# and an unchanged one is reused. Prints the folder.
# Usage: cmake/windows/build_qt.sh
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/mingw-w64-x86_64.cmake
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kringwoord

debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
version=${debian_version%%+*}
recipe_hash=$(cat "$here/build_qt.sh" "$toolchain" | sha256sum | cut -c1-12)
prefix=$cache/qt-$version-$recipe_hash

if [[ -f $prefix/.complete ]]; then
  echo "$prefix"
  exit 0
fi

work=$cache/qt-$version-work
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts" "$prefix"

# A private sources list with the deb-src twin of the machine's own Debian
# line; the machine's apt configuration stays as it is.
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
if [[ -z $mirror ]]; then
  mirror=$(awk '$1 == "deb" && $3 ~ /^bookworm$/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
fi
echo "deb-src ${mirror:-http://deb.debian.org/debian} bookworm main" > "$work/apt/sources.list"
apt_private=(
  -o Dir::Etc::SourceList="$work/apt/sources.list"
  -o Dir::Etc::SourceParts="$work/apt/parts"
  -o Dir::State::Lists="$work/apt/lists"
  -o Dir::Cache="$work/apt/cache"
  -o APT::Sandbox::User=root
)
apt-get "${apt_private[@]}" -qq update
(cd "$work" && apt-get "${apt_private[@]}" -qq source --download-only "qt6-base=$debian_version")
dpkg-source -x "$work"/qt6-base_*.dsc "$work/qtbase" >/dev/null

# The prefix records its toolchain's path: keep a copy inside it.
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

cmake -G Ninja -S "$work/qtbase" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_pkg_config=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_opengl_desktop=OFF \
  -DFEATURE_vulkan=OFF -DFEATURE_direct2d1_1=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_androiddeployqt=OFF -DFEATURE_testlib=ON >"$work/configure.log"
cmake --build "$work/build" --parallel 2 >"$work/build.log"
cmake --install "$work/build" >/dev/null

rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
