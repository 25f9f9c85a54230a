# Installing: the program to bin/, what it reads to share/wendelmoor/ (the skins and help pages; the
# pictures are built into the program), and the desktop's files: the desktop entry, the icons in the
# hicolor theme, the MIME type of collection files and the AppStream metainfo. The program knows it
# is installed from the share folder beside its bin folder, and keeps the user's collections under
# $XDG_DATA_HOME/wendelmoor/ then.
set(WENDELMOOR_APP_ID org.wendelmoor.Wendelmoor)
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS wendelmoor RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/skins/ DESTINATION share/wendelmoor FILES_MATCHING PATTERN "*.rbs")
install(FILES ${PROJECT_SOURCE_DIR}/resources/help/index.html DESTINATION share/wendelmoor)
install(FILES ${PROJECT_SOURCE_DIR}/resources/help/Help/welcome.html DESTINATION share/wendelmoor/Help)

install(FILES ${desktop}/${WENDELMOOR_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop}/${WENDELMOOR_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop}/${WENDELMOOR_APP_ID}.mime.xml DESTINATION share/mime/packages RENAME ${WENDELMOOR_APP_ID}.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${WENDELMOOR_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${size}x${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${WENDELMOOR_APP_ID}.png)
endforeach()

# The Debian package (tools/package.sh): its Depends come from the libraries the program links
# (dpkg-shlibdeps), and the Qt plugins and desktop programs it needs at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wendelmoor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Wendelmoor developers <developers@wendelmoor.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Organiser for links and small actions")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Keeps web addresses, folders, files and programs in one outline, stored in one
 collection file, and launches them with a double-click, a browse sequence or a global hot key.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin comes with libqt6gui6 and the SVG plugins with libqt6svg6, which the
# libraries already bring; the desktop programs are started by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, cups-client, xdg-desktop-portal")
include(CPack)
