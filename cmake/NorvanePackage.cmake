# The Debian package of the install rules: `cpack -G DEB` in a build tree writes
# norvane_<version>_<arch>.deb, which installs under /usr. dpkg-shlibdeps finds the libraries
# the programs link; Depends adds what they load at run time and it cannot see: the QML modules
# of the 3D view, Mesa's OpenGL drivers, the font of the glTF export's texts and Qt's own
# translations (the editor's are inside it). The desktop,
# MIME, icon and manual databases are refreshed by the dpkg triggers of the packages that keep
# them (shared-mime-info, desktop-file-utils, hicolor-icon-theme, man-db), which watch the
# folders the package installs into, so the package has no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norvane)
set(CPACK_PACKAGE_VENDOR "Norvane developers")
set(CPACK_PACKAGE_CONTACT "Norvane developers <norvane@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://norvane.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of simple 3D worlds for web pages")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Norvane places objects from a catalogue of 28 kinds (trees, cars, lamps,
houses, furniture, streets, walls, texts) on a green top-down map of 100 by
100 metres and saves the scene in a plain-text file. It exports the scene as
a VRML 2.0 world with a sky, looping background music and hyperlinks, as an
X3D world, as a glTF 2.0 binary, or as a web page that shows the world in
any current browser. A 3D view beside the map shows the world as a visitor
sees it.
.
The package holds the editor and norvane-cli, which exports, checks and
pictures scene files from the command line, with their manual pages, the
desktop entry, the scene file type and a thumbnailer for file managers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-quick3d, qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtqml-workerscript, libgl1-mesa-dri, fonts-dejavu-core, qt6-translations-l10n")
# xdg-open opens the preview world, the manual and the web page; view3dscene shows VRML worlds.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "view3dscene")
include(CPack)
