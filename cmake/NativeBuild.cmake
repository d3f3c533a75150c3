# Native build: the platform-free core under AddressSanitizer and
# UndefinedBehaviorSanitizer, its unit tests and its fuzz targets.
find_package(GTest REQUIRED)
find_package(ZLIB REQUIRED)

set(SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(setup_core PUBLIC ${SANITIZE_FLAGS} -Wall -Wextra)
target_link_options(setup_core PUBLIC ${SANITIZE_FLAGS})
target_link_libraries(setup_core PUBLIC ZLIB::ZLIB)

add_subdirectory(tests/native)

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_subdirectory(tests/fuzz)
else()
    message(STATUS "Fuzz targets need clang; skipped")
endif()
