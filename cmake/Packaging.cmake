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
terminal.")

include(CPack)
