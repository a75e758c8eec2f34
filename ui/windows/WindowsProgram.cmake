# kringwoord.exe: a windowed program (no console of its own), its icon,
# version and manifest in the resources, linked statically so that it needs no
# DLL beside it; while it runs it holds the mutex its installer looks for. Qt's
# qwindows platform, vista style and ico plugin come in by themselves.
set_target_properties(kringwoord PROPERTIES WIN32_EXECUTABLE ON)
target_sources(kringwoord PRIVATE ${CMAKE_CURRENT_LIST_DIR}/RunningMutex.cpp)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kringwoord.rc.in ${CMAKE_CURRENT_BINARY_DIR}/kringwoord.rc @ONLY)
target_sources(kringwoord PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/kringwoord.rc)
set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/kringwoord.rc APPEND PROPERTY
  OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/packaging/icons/icon.ico;${CMAKE_CURRENT_LIST_DIR}/kringwoord.manifest")
target_link_options(kringwoord PRIVATE -static $<$<CONFIG:Release>:-s>)
