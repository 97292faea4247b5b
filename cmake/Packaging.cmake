# Installing and packaging. The installed program keeps the build's layout: its
# own folder lib/pomwit holds the executable beside the card set, because the
# program finds pomwit.mdb and pictures/ next to itself. bin/pomwit is a link
# into that folder, and the desktop's files go under share/.
set(POMWIT_INSTALL_APP_DIR "lib/pomwit")
set(desktop_assets "${PROJECT_SOURCE_DIR}/assets")

# Qt's project setup would give the installed program an $ORIGIN run path; its
# libraries all come from the system, so it needs none.
set_target_properties(pomwit PROPERTIES INSTALL_RPATH "")
install(TARGETS pomwit RUNTIME DESTINATION "${POMWIT_INSTALL_APP_DIR}")
install(TARGETS pomwit-sound LIBRARY DESTINATION "${POMWIT_INSTALL_APP_DIR}")
# A plain strip (cpack's, --strip) keeps the compiler's notes; Debian's
# packages drop them.
function(pomwit_strip_installed name)
    if(CMAKE_STRIP)
        install(CODE "if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${POMWIT_INSTALL_APP_DIR}/${name}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")
    endif()
endfunction()
pomwit_strip_installed(pomwit)
pomwit_strip_installed(libpomwit-sound.so)
install(FILES "${POMWIT_APP_DIR}/pomwit.mdb" DESTINATION "${POMWIT_INSTALL_APP_DIR}")
install(DIRECTORY "${POMWIT_APP_DIR}/pictures/" DESTINATION "${POMWIT_INSTALL_APP_DIR}/pictures"
    FILES_MATCHING PATTERN "*.bmp" PATTERN "*.svg")

# A relative link made once in the build tree; install() copies links as links,
# so it stays right under any prefix, DESTDIR or package staging folder.
set(launcher_link "${CMAKE_BINARY_DIR}/desktop/pomwit")
file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/desktop")
file(CREATE_LINK "../${POMWIT_INSTALL_APP_DIR}/pomwit" "${launcher_link}" SYMBOLIC)
install(FILES "${launcher_link}" DESTINATION bin)

install(FILES "${desktop_assets}/${POMWIT_APP_ID}.desktop" DESTINATION share/applications)
install(FILES "${desktop_assets}/${POMWIT_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
install(FILES "${desktop_assets}/icons/pomwit.svg"
    DESTINATION share/icons/hicolor/scalable/apps RENAME "${POMWIT_APP_ID}.svg")
foreach(size 16 32 48 64 128 256)
    install(FILES "${desktop_assets}/icons/hicolor/pomwit-${size}.png"
        DESTINATION "share/icons/hicolor/${size}x${size}/apps" RENAME "${POMWIT_APP_ID}.png")
endforeach()

# The manual page and the changelog are installed compressed, as Debian wants
# them; -n keeps the file name and time out, so every build makes the same bytes.
file(STRINGS "${PROJECT_SOURCE_DIR}/packaging/changelog" changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^pomwit \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog has no entry for ${PROJECT_VERSION} at its top: ${changelog_head}")
endif()
find_program(POMWIT_GZIP gzip REQUIRED)
set(docs_dir "${CMAKE_BINARY_DIR}/doc")
file(MAKE_DIRECTORY "${docs_dir}")
set(compressed_docs)
# The manual page names the pictures' source the build used.
configure_file("${PROJECT_SOURCE_DIR}/doc/pomwit.6" "${CMAKE_BINARY_DIR}/doc-source/pomwit.6" @ONLY)
foreach(doc "${CMAKE_BINARY_DIR}/doc-source/pomwit.6" "${PROJECT_SOURCE_DIR}/packaging/changelog")
    get_filename_component(name "${doc}" NAME)
    add_custom_command(
        OUTPUT "${docs_dir}/${name}.gz"
        COMMAND ${CMAKE_COMMAND} -E copy "${doc}" "${docs_dir}/${name}"
        COMMAND "${POMWIT_GZIP}" -9nf "${docs_dir}/${name}"
        DEPENDS "${doc}"
        VERBATIM)
    list(APPEND compressed_docs "${docs_dir}/${name}.gz")
endforeach()
add_custom_target(pomwit_docs ALL DEPENDS ${compressed_docs})
install(FILES "${docs_dir}/pomwit.6.gz" DESTINATION share/man/man6)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" "${docs_dir}/changelog.gz" DESTINATION share/doc/pomwit)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pomwit)
set(CPACK_PACKAGE_VENDOR "The Pomwit developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Pomwit developers <maintainers@pomwit.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The summary above is the first line; this is the rest.
set(CPACK_PACKAGE_DESCRIPTION "Pomwit shows a small child the picture of an everyday object and
waits for a key. When the child presses the first letter of the object's word,
the word appears under the picture and is spoken aloud, as in 'a for apple'.
A grown-up moves on to a random next card and can reveal and speak the word
at any time.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to shlibdeps: the natural voices (opened
# when first needed), espeak-ng's voice data and the windows' fonts. The X11
# platform plugin, the image readers and the sound output come with libqt6gui6
# and libqt6multimedia6, which shlibdeps finds, as it finds libsndfile1 and
# libebur128-1, which the sound module links for recordings.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data, libflite1, fonts-comic-neue, fonts-liberation2")
include(cmake/CardSetPackaging.cmake)
# Qt's own texts (standard buttons, the file dialog) in the user's language;
# without them they stay English.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-translations-l10n")
include(CPack)
