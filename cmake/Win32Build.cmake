# Cross build: Setup.exe and the test programs that run under Wine.

include(${CMAKE_SOURCE_DIR}/res/payload.cmake)

# zlib from Debian's libz-mingw-w64-dev, linked statically like everything else.
find_library(MINGW_ZLIB NAMES libz.a REQUIRED)
target_link_libraries(setup_core PUBLIC ${MINGW_ZLIB})

# GoogleTest from Debian's sources, built with the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Every Wine test runs in its own copy of a prefix kept here.
set(SETUP_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)

target_link_libraries(setup_win32 PUBLIC comctl32 gdi32 user32 advapi32)
target_compile_definitions(setup_win32 PRIVATE SETUP_DOWNLOAD_HOST="${SETUP_DOWNLOAD_HOST}")

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Artwork of our own, drawn at build time.
set(SETUP_RES_DIR ${CMAKE_BINARY_DIR}/res)
file(MAKE_DIRECTORY ${SETUP_RES_DIR})
add_custom_command(
    OUTPUT ${SETUP_RES_DIR}/sidebar.bmp ${SETUP_RES_DIR}/setup.ico
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make_artwork.py ${SETUP_RES_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_artwork.py
    COMMENT "Drawing the wizard artwork")
add_custom_target(setup_artwork DEPENDS ${SETUP_RES_DIR}/sidebar.bmp ${SETUP_RES_DIR}/setup.ico)

# The installer itself: a trivial entry over the library the tests link too.
add_executable(Setup WIN32 app/main.cpp res/Setup.rc)
target_link_libraries(Setup PRIVATE setup_win32)
target_link_options(Setup PRIVATE $<$<CONFIG:Release>:-s>)
target_include_directories(Setup PRIVATE ${CMAKE_SOURCE_DIR}/res ${SETUP_RES_DIR})
set_source_files_properties(res/Setup.rc PROPERTIES OBJECT_DEPENDS
    "${SETUP_RES_DIR}/sidebar.bmp;${SETUP_RES_DIR}/setup.ico;${CMAKE_SOURCE_DIR}/res/Setup.manifest;${CMAKE_SOURCE_DIR}/res/resource.h")
add_dependencies(Setup setup_artwork)
setup_add_payload_resources(Setup)

add_subdirectory(tests/win)
add_subdirectory(tests/ui)
add_subdirectory(tests/bench)
