# Every test goes through here, so that each one runs headless, in a known
# locale, against a build of the bundled card set. Tests that wait on real
# time (a sound server, another process's edits) carry the label "slow".
#
# The tests share one precompiled header of the Qt modules they all include:
# most of a test's compile time is otherwise spent reading the same headers.
function(pomwit_test_target_setup name)
    target_link_libraries(${name} PRIVATE app windows play formkit speech deck Qt6::Test Qt6::Sql ${ARGN})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_compile_definitions(${name} PRIVATE
        POMWIT_BUNDLED_DIR="${POMWIT_APP_DIR}"
        POMWIT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        POMWIT_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/../shared/fixtures"
        POMWIT_SOUND_MODULE_PATH="$<TARGET_FILE:pomwit-sound>")
    # Qt's test module names each test's own folders, which would make the
    # shared header unusable; no test looks its data up through them.
    target_compile_options(${name} PRIVATE -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)
endfunction()

# A build may hold only the unit tests (the sanitizer pass) or only the slow
# ones (the end-to-end pass), so that neither builds what it does not run.
set(POMWIT_TESTS "all" CACHE STRING "Which test programs to build: all, unit, slow or none")
set_property(CACHE POMWIT_TESTS PROPERTY STRINGS all unit slow none)

function(pomwit_add_test name)
    cmake_parse_arguments(ARG "OWN_HEADERS" "TIMEOUT" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
    qt_add_executable(${name} ${ARG_SOURCES})
    # Registered all the same: the pass that leaves a test out filters by label.
    string(FIND "${ARG_LABELS}" "slow" slow)
    if(POMWIT_TESTS STREQUAL "none" OR (slow GREATER -1 AND POMWIT_TESTS STREQUAL "unit")
       OR (slow EQUAL -1 AND POMWIT_TESTS STREQUAL "slow"))
        set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL TRUE)
    endif()
    pomwit_test_target_setup(${name} ${ARG_LIBS})
    # A test that uses another Qt module compiles without the shared header.
    if(NOT ARG_OWN_HEADERS)
        target_precompile_headers(${name} REUSE_FROM pomwit_test_pch)
    endif()
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
