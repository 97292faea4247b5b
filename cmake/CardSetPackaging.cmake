# pomwit-cards' installation, and the Debian package's card set in /var/lib.
# Included from Packaging.cmake once POMWIT_INSTALL_APP_DIR is set, before
# include(CPack).
#
# The command sits beside the program, in the application folder, and works on
# the card set there; bin/pomwit-cards links to it, like bin/pomwit.
set_target_properties(pomwit-cards PROPERTIES INSTALL_RPATH "")
install(TARGETS pomwit-cards RUNTIME DESTINATION "${POMWIT_INSTALL_APP_DIR}")
pomwit_strip_installed(pomwit-cards)
set(cards_link "${CMAKE_BINARY_DIR}/desktop/pomwit-cards")
file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/desktop")
file(CREATE_LINK "../${POMWIT_INSTALL_APP_DIR}/pomwit-cards" "${cards_link}" SYMBOLIC)
install(FILES "${cards_link}" DESTINATION bin)
install(FILES "${POMWIT_CARDS_MANUAL}" DESTINATION share/man/man1)

# The card workshop's privileged helper, beside the program, and the polkit
# action that names it. The action's path is the installed helper's, so the
# policy is made at installation, under the prefix actually installed to (the
# package's /usr, or any prefix of cmake --install); cards/CMakeLists.txt
# makes the build's copy, which names the build's helper.
set_target_properties(pomwit-cardset-helper PROPERTIES INSTALL_RPATH "")
install(TARGETS pomwit-cardset-helper RUNTIME DESTINATION "${POMWIT_INSTALL_APP_DIR}")
pomwit_strip_installed(pomwit-cardset-helper)
install(CODE "
    set(POMWIT_HOMEPAGE \"${PROJECT_HOMEPAGE_URL}\")
    set(POMWIT_APP_ID \"${POMWIT_APP_ID}\")
    set(POMWIT_HELPER_PATH \"\${CMAKE_INSTALL_PREFIX}/${POMWIT_INSTALL_APP_DIR}/pomwit-cardset-helper\")
    set(policy \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/polkit-1/actions/${POMWIT_APP_ID}.policy\")
    message(STATUS \"Installing: \${policy}\")
    configure_file(\"${POMWIT_POLICY_TEMPLATE}\" \"\${policy}\" @ONLY)
")
install(FILES "${PROJECT_SOURCE_DIR}/cards/pomwit-cards.bash"
    DESTINATION share/bash-completion/completions RENAME pomwit-cards)
# The bundled card set of each language, which pomwit-cards reset --language
# copies; read only, never the card set the program shows.
install(DIRECTORY "${POMWIT_APP_DIR}/cardsets/" DESTINATION share/pomwit/cardsets
    FILES_MATCHING PATTERN "pomwit.mdb" PATTERN "*.bmp" PATTERN "*.svg")

# cmake --install keeps the card set in the application folder, where a user's
# own installation may change it. In the Debian package that folder belongs to
# dpkg, which would replace an edited card set at the next update, so the
# package keeps the set in /var/lib/pomwit: cpack moves the staged card set to
# share/pomwit and links the application folder's pomwit.mdb and pictures to
# /var/lib/pomwit (a script run on the staged files, for DEB only); the
# maintainer scripts copy the bundled set there when there is none and delete
# it only on purge.
set(POMWIT_CARDSET_DIR /var/lib/pomwit)
set(POMWIT_BUNDLED_CARDSET_DIR /usr/share/pomwit)
# Upgrades from versions before this one turn the old pictures folder into the link.
set(POMWIT_CARDSET_LAYOUT_SINCE "${PROJECT_VERSION}~")
set(CPACK_POMWIT_APP_DIR "${POMWIT_INSTALL_APP_DIR}")
set(CPACK_POMWIT_CARDSET_DIR "${POMWIT_CARDSET_DIR}")
set(CPACK_POMWIT_BUNDLED_CARDSET_DIR "${POMWIT_BUNDLED_CARDSET_DIR}")
list(APPEND CPACK_PRE_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cards/debian/cardset-layout.cmake")
foreach(script preinst postinst postrm)
    configure_file("${PROJECT_SOURCE_DIR}/cards/debian/${script}.in" "${CMAKE_BINARY_DIR}/debian/${script}" @ONLY)
    list(APPEND CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_BINARY_DIR}/debian/${script}")
endforeach()
# Maintainer scripts 0755, the other control files 0644, whatever the checkout's modes.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# pomwit-cards reads WebP and SVG pictures through these plugins, and names
# heif-convert for HEIC photos.
# The workshop asks for permission through pkexec, which Debian ships apart
# from polkitd.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", pkexec")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libheif-examples")
