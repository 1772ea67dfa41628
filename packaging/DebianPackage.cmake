# The Debian package: cpack -G DEB in the build folder makes queltabrovel_<version>_<arch>.deb.
# Its library dependencies come from dpkg-shlibdeps; the packages the game loads by name at run
# time are declared here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME queltabrovel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QueltaBrovel developers")
set(CPACK_PACKAGE_CONTACT "${QB_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
# Only what cmake --install installs: no sources, no build tree.
set(CPACK_SOURCE_GENERATOR "")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QB_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "card game of sets against the computer or another player
Quelta Brovel plays Quelta, a two-player game of sets: each turn a side is
dealt a card from 1 to 10, may play one of four hand cards drawn from its
ten-card side deck, and ends its turn or stands; whoever goes over 20 loses
the set, and the first side to win three sets wins the match.

Play single games against the computer, a campaign against a ladder of 27
computer opponents with credits and a card trade, or a multiplayer game
against another person over TCP with a chat line. A maintenance utility
converts the settings of older versions and resets settings and saves.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
