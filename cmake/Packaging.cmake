# Installation layout and the Debian package (cpack -G DEB in the build folder).
include(GNUInstallDirs)

if(TARGET almadex)
    install(TARGETS almadex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # The user's guide: the program looks for it in ../share/almadex/help beside its folder.
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/almadex/help)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/almadex/help/images
            FILES_MATCHING PATTERN "*.png")
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/org.almadex.Almadex.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/org.almadex.Almadex.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/almadex RENAME copyright)

set(CPACK_PACKAGE_NAME almadex)
set(CPACK_PACKAGE_VENDOR "The Almadex developers")
set(CPACK_PACKAGE_CONTACT "The Almadex developers <almadex@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop almanac: calendars, feasts, the Moon and prayer times")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "desktop almanac: calendars, feasts, the Moon and prayer times
 Almadex converts one day between the Gregorian (Julian before 1582), Islamic,
 Chinese and Hebrew calendars and the Julian Day, fills in the feasts of a
 year, shows the Moon's phase, age, distance and next eclipse and the seasons,
 and computes daily Muslim prayer times for a place, for one day or as a
 30-day schedule. almadex-cli opens the same library to scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://almadex.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Shared libraries (Qt 6, libical, CCTZ, the C++ runtime) found by dpkg-shlibdeps; the Qt platform plugins
# and the tz database are read at run time and so named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, tzdata")
# The place data (GeoNames cities and their French and Arabic names) is opened at run time when present; the
# alerts' default chime, and GStreamer's decoders of it and of the user's sound files (Qt Multimedia plays
# through GStreamer).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, libgeonames0, libgeonames-common")
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS
       ", sound-theme-freedesktop, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
include(CPack)
