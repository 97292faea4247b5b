# Debian's hardening flags, as its own packages get them from dpkg-buildflags:
# stack protector, format checks, fortified libc calls, and relocations made
# read-only and bound at start. The optimisation and debug levels stay the
# build type's.
find_program(POMWIT_DPKG_BUILDFLAGS dpkg-buildflags)
mark_as_advanced(POMWIT_DPKG_BUILDFLAGS)
# Sanitizer builds (POMWIT_SANITIZE, the fuzzers) go without: fortified calls
# check the same overflows first and hide them from AddressSanitizer.
get_property(pomwit_inherited_options DIRECTORY PROPERTY COMPILE_OPTIONS)
if(POMWIT_DPKG_BUILDFLAGS AND NOT POMWIT_SANITIZE
        AND NOT "${pomwit_inherited_options};${CMAKE_CXX_FLAGS}" MATCHES "-fsanitize")
    function(pomwit_dpkg_buildflags kind out)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    "${POMWIT_DPKG_BUILDFLAGS}" --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # -g and -O come from the build type; the path map would keep the
        # debugger from finding the sources.
        list(FILTER flags EXCLUDE REGEX "^(-g[0-9]*|-O.*|-f(file|debug)-prefix-map=.*)$")
        # Fortified calls need the optimiser: at -O0 they do nothing, and newer
        # glibc warns, which -Werror would turn into a failed Debug build.
        list(TRANSFORM flags REPLACE "^(-D_FORTIFY_SOURCE=.*)$" "$<$<NOT:$<CONFIG:Debug>>:\\1>")
        set(${out} "${flags}" PARENT_SCOPE)
    endfunction()
    pomwit_dpkg_buildflags(CPPFLAGS cppflags)
    pomwit_dpkg_buildflags(CXXFLAGS cxxflags)
    pomwit_dpkg_buildflags(LDFLAGS ldflags)
    add_compile_options(${cppflags} ${cxxflags})
    add_link_options(${ldflags})
    message(STATUS "Hardening flags from dpkg-buildflags: ${cppflags} ${cxxflags} ${ldflags}")
endif()
