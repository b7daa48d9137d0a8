# The Debian package of the program, built by `cpack` in a configured and built tree. Its
# dependencies on shared libraries are worked out by dpkg-shlibdeps from the installed programs
# (needs Debian dpkg-dev and file); only the font, which no program links, is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME affine-cipher)
set(CPACK_PACKAGE_VENDOR "The affine-cipher developers")
set(CPACK_PACKAGE_CONTACT "The affine-cipher developers <developers@affine-cipher.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.affine-cipher.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program for the affine cipher")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first packaging of this version: 1.0.0-1. A package with a Debian revision keeps its
# changelog as changelog.Debian.gz, which is what Debian's tools look for.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation Serif stands in for Times New Roman with the same letter widths, so the captions
# fit their fields as designed; without it the program takes another serif font with Cyrillic
# letters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
# The summary above is the first line of the package's description; this is the rest.
set(CPACK_PACKAGE_DESCRIPTION
    "The program enciphers a text with the affine cipher y = (5x + 8) mod 26 over
the letters A to Z and shows, letter by letter, the code and the cipher letter
beside a reference table of all 26 letters. Its window is in Bulgarian.
affine-table prints the reference table, or the encryption of a text, on a
terminal, and goes on where the window stops: any of the 312 keys,
deciphering, breaking a cipher text by a model of English letter triples and
solving for the key from known plaintext.")

# The package's changelog, whose latest entry must name the version being packaged, compressed
# as Debian wants it: gzip at its highest level, with no file name or time stamp inside.
set(debian_changelog ${PROJECT_SOURCE_DIR}/packaging/changelog.Debian)
set(debian_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
file(STRINGS ${debian_changelog} latest_entry LIMIT_COUNT 1)
if(NOT latest_entry MATCHES "^${CPACK_PACKAGE_NAME} \\(${debian_version}\\) ")
    message(FATAL_ERROR "packaging/changelog.Debian does not begin with version ${debian_version}")
endif()
find_program(GZIP gzip REQUIRED)
set(compressed_changelog ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${compressed_changelog}
                   COMMAND ${GZIP} -9 -n -c ${debian_changelog} > ${compressed_changelog}
                   DEPENDS ${debian_changelog})
add_custom_target(debian_changelog ALL DEPENDS ${compressed_changelog})
install(FILES ${compressed_changelog} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/affine-cipher)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})

# The browser page, one HTML file that the web preset builds with emscripten in build-web/, is
# installed beside the program's other data for whoever wants to copy it to a USB stick or a web
# site. A tree configured before the page was built still installs it once it is there.
set(AFFINE_WEB_PAGE ${PROJECT_SOURCE_DIR}/build-web/web/affine-cipher.html
    CACHE FILEPATH "The browser page that the package installs (cmake --build --preset web)")
if(NOT EXISTS ${AFFINE_WEB_PAGE})
    message(STATUS "No browser page at ${AFFINE_WEB_PAGE} yet: build the web preset before "
                   "packaging")
endif()
install(FILES ${AFFINE_WEB_PAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/affine-cipher OPTIONAL)

include(CPack)
