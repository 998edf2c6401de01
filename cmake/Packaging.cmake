# `cpack` in a build folder makes a Debian package of everything `cmake --install` puts
# on disk: the program, its launcher entry, icons and AppStream metadata.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TORVENN_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Die Entwickler des Torvenn Kampfgenerators")
set(CPACK_PACKAGE_CONTACT "${TORVENN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 characters, as terminals show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Der Torvenn Kampfgenerator würfelt Kampfrunden für das Pen-and-Paper-\n\
Rollenspiel Torvenn: Werte zweier Kämpfer eingeben, Waffen und Rüstungen wählen\n\
und Runde für Runde Schaden, Angriff und Abwehr würfeln lassen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian keeps section "games" for games installed in /usr/games; this is a tool for the
# game master, started from /usr/bin like any other program.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# dpkg-shlibdeps turns the libraries the program links (Qt Widgets, Gui, Core, the C++
# runtime) into versioned dependencies. Qt loads its display plugins and its German texts
# only at run time, where dpkg-shlibdeps cannot see them: without the plugins the program
# cannot open a window, without the texts Qt's buttons and menus speak English.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")

include(CPack)
