# CPack: `cpack -G DEB` in the build folder writes corkwise_VERSION_ARCH.deb from the install
# rules. Its library dependencies are read from the binaries by dpkg-shlibdeps (dpkg-dev).
set(CORKWISE_PACKAGE_MAINTAINER "Corkwise developers <corkwise@example.org>" CACHE STRING
    "Maintainer named in the Debian package")

set(CPACK_PACKAGE_NAME corkwise)
set(CPACK_PACKAGE_VENDOR "Corkwise developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wine guide with guided searches, notes and bookmarks")
# Lines shorter than 80 characters, as Debian's tools expect of a package description.
set(CPACK_PACKAGE_DESCRIPTION
    "Corkwise is a wine guide in a small portrait window driven by taps and holds.
It carries a read-only catalogue of wines and offers five guided searches over
it: Find Wine, Food and Wine, Vintage Chart, Best Values and Best Producers.
The user keeps notes and bookmarks beside the catalogue; a bookmark replays a
Find Wine search.

The package holds the program, a sample catalogue, and two command-line tools:
corkwise-catalog compiles, checks and lists catalogue files, and corkwise-notes
exports and imports the notes and bookmarks as JSON.")
# Files land under /usr, however the build folder was configured.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME corkwise)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CORKWISE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its display backends as plugins, which the libraries only recommend and
# dpkg-shlibdeps cannot see; without them the window cannot open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The icon and menu entry are refreshed by the icon theme's and desktop-file-utils' own dpkg
# triggers, so the package needs no maintainer scripts.

include(CPack)
