# A Debian package of the install: `cpack -G DEB` in the build folder writes
# tovrik_<version>_<architecture>.deb. Its dependencies are the libraries the
# binary links (found by dpkg-shlibdeps, from dpkg-dev), the two Chinese faces
# the windows are drawn in, and Qt's translations.
string(REGEX REPLACE "^[a-z]+://([^/:]+).*$" "\\1" tovrik_maker_host "${TOVRIK_WEB_ADDRESS}")
set(TOVRIK_PACKAGE_CONTACT "Ombrel <tovrik@${tovrik_maker_host}>" CACHE STRING
    "The maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovrik)
set(CPACK_PACKAGE_VENDOR Ombrel)
set(CPACK_PACKAGE_CONTACT "${TOVRIK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TOVRIK_WEB_ADDRESS}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop lookup tool for typing Chinese with the Wubi input method,\n\
98 edition. Choose a pinyin initial letter and one of its syllables: a panel\n\
shows every character of that syllable on its own button, and moving the\n\
pointer onto a character shows its Wubi 98 code in a small yellow tip.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-gbsn00lp, fonts-arphic-gkai00mp, qt6-translations-l10n")

include(CPack)
