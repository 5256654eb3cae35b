# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder (scripts/package).
# Installed under /usr: the game and its help viewer in /usr/games, the data
# files in /usr/share/tarnwick, the clip and sound modules in the multiarch
# library folder's tarnwick folder, the desktop entry, icons, metainfo and
# manual pages where the desktop looks for them, and the copyright file and
# changelog in /usr/share/doc/tarnwick. Checked with lintian by the test
# debian_package (tests/smoke/deb.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Tarnwick developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The Debian revision of the game's version: 1.3-1 upgrades the 1.3 that was
# packaged before the package was made the Debian way. It names the newest
# entry of data/desktop/debian/changelog, which gets a new entry with it.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_CONTACT "Tarnwick developers <developers@tarnwick.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle adventure: mend the king's chess board")
set(CPACK_PACKAGE_DESCRIPTION "The king's chess board lies broken in twelve pieces behind the doors of a
bewitched palace cellar. Shift the corridors, walk to the doors, solve the
twelve riddle rooms and put the board together again in the throne room.
Played with the mouse; every text in English and German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads at
# run time as plug-ins is named here: the X11 platform plug-in (libqt6gui6)
# and the Wayland one (qt6-wayland), the sound and clip back ends
# (libqt6multimedia6), and the game's fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6gui6 (>= 6.4), qt6-wayland (>= 6.4), libqt6multimedia6 (>= 6.4), fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
include(CPack)
