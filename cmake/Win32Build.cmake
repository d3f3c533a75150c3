# Cross build: Setup.exe and the test programs that run under Wine.

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_compile_options(-Wall -Wextra)

# zlib from Debian's libz-mingw-w64-dev, linked statically like everything else.
find_library(MINGW_ZLIB NAMES libz.a REQUIRED)
target_link_libraries(setup_core PUBLIC ${MINGW_ZLIB})

# GoogleTest from Debian's sources, built with the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Every Wine test runs in its own copy of a prefix kept here.
set(SETUP_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)

# The Win32 shell over the core; Setup.exe and the Wine tests link it.
add_library(setup_win32 STATIC
    platform/File.cpp
    platform/SystemLibrary.cpp
    log/SessionLog.cpp
)
target_link_libraries(setup_win32 PUBLIC setup_core)

add_subdirectory(tests/win)
