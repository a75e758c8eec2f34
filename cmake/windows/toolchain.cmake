# The windows preset's toolchain: the static Qt that build_qt.sh installed
# (found by the same hash of the recipe, or named in KRINGWOORD_QT_WINDOWS),
# the mingw-w64 compilers it was built with, and Wine to run what is built.
if(DEFINED ENV{KRINGWOORD_QT_WINDOWS})
  set(kring_qt_prefix "$ENV{KRINGWOORD_QT_WINDOWS}")
else()
  if(DEFINED ENV{XDG_CACHE_HOME})
    set(kring_cache "$ENV{XDG_CACHE_HOME}/kringwoord")
  else()
    set(kring_cache "$ENV{HOME}/.cache/kringwoord")
  endif()
  file(READ ${CMAKE_CURRENT_LIST_DIR}/build_qt.sh kring_recipe)
  file(READ ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake kring_compilers)
  string(SHA256 kring_recipe_hash "${kring_recipe}${kring_compilers}")
  string(SUBSTRING ${kring_recipe_hash} 0 12 kring_recipe_hash)
  file(GLOB kring_qt_prefix LIST_DIRECTORIES true "${kring_cache}/qt-*-${kring_recipe_hash}")
endif()
if(NOT EXISTS "${kring_qt_prefix}/.complete")
  message(FATAL_ERROR "No Qt for Windows built by this recipe: run scripts/setup windows")
endif()

# Qt's own toolchain chain-loads the copy of mingw-w64-x86_64.cmake it was
# built with, and points at the host's moc, rcc and uic.
include(${kring_qt_prefix}/lib/cmake/Qt6/qt.toolchain.cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
