# Run by cpack on the staged files before it packs them (CPACK_PRE_BUILD_SCRIPTS).
# The Debian package gets the card set's /var/lib layout: the bundled set, read
# only, in share/pomwit (the maintainer scripts copy it to /var/lib/pomwit), and
# in the application folder absolute links to /var/lib/pomwit in its place.
# Other generators, like cmake --install, keep the plain layout.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(app "${root}/${CPACK_POMWIT_APP_DIR}")
set(bundled "${CPACK_TEMPORARY_DIRECTORY}${CPACK_POMWIT_BUNDLED_CARDSET_DIR}")
file(MAKE_DIRECTORY "${bundled}")
foreach(name pomwit.mdb pictures)
    file(RENAME "${app}/${name}" "${bundled}/${name}")
    file(CREATE_LINK "${CPACK_POMWIT_CARDSET_DIR}/${name}" "${app}/${name}" SYMBOLIC)
endforeach()
# Built without debhelper, the package calls the dpkg helper that turns the
# old pictures folder into a link itself; lintian's advice is debhelper's
# maintscript file. Appended, as the package may have overrides of its own.
file(APPEND "${root}/share/lintian/overrides/pomwit"
    "pomwit: maintainer-script-should-not-use-dpkg-maintscript-helper\n")
