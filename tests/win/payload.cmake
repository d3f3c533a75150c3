# The payload reader under Wine. One program carries the real payload and
# licence; the other carries containers broken in one way each, generated here.

# The test programs see the build tree through Wine's drive Z:.
string(REPLACE "/" "\\\\" _payload_inputs "Z:${SETUP_PAYLOAD_FILES_DIR}")
string(REPLACE "/" "\\\\" _payload_licence "Z:${SETUP_PAYLOAD_LICENCE}")

add_wine_test(resource_manager_tests ResourceManagerTest.cpp)
setup_add_payload_resources(resource_manager_tests)
target_compile_definitions(resource_manager_tests PRIVATE
    PAYLOAD_INPUTS_DIR="${_payload_inputs}"
    PAYLOAD_LICENCE_FILE="${_payload_licence}")

set(_fixtures ${CMAKE_CURRENT_BINARY_DIR}/broken_payload)
set(_fixture_files "")
foreach(_name plain no_magic too_short truncated corrupt declared_small declared_large
        declared_huge valid)
    list(APPEND _fixture_files ${_fixtures}/${_name}.bin)
endforeach()
add_custom_command(
    OUTPUT ${_fixture_files}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/make_broken_payloads.py ${_fixtures}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/make_broken_payloads.py
    COMMENT "Generating the broken payload fixtures"
    VERBATIM)
add_custom_target(broken_payload_fixtures DEPENDS ${_fixture_files})

add_wine_test(broken_payload_tests BrokenPayloadTest.cpp BrokenPayload.rc)
# The resource compiler finds the fixture files through the include path.
target_include_directories(broken_payload_tests PRIVATE ${_fixtures})
set_source_files_properties(BrokenPayload.rc PROPERTIES OBJECT_DEPENDS "${_fixture_files}")
add_dependencies(broken_payload_tests broken_payload_fixtures)
