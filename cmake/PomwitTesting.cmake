# Every test goes through here, so that each one runs headless, in a known
# locale, against a build of the bundled card set. Tests that wait on real
# time (a sound server, another process's edits) carry the label "slow".
function(pomwit_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
    qt_add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE app windows play formkit speech deck Qt6::Test Qt6::Sql ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_compile_definitions(${name} PRIVATE
        POMWIT_BUNDLED_DIR="${POMWIT_APP_DIR}"
        POMWIT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        POMWIT_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/../shared/fixtures"
        POMWIT_SOUND_MODULE_PATH="$<TARGET_FILE:pomwit-sound>")
    add_dependencies(${name} pomwit_cardset)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        LABELS "${ARG_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false;${ARG_ENV}")
endfunction()
