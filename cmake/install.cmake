# Installation as a desktop application and its Debian package. Every desktop file is
# named by the one identifier that the start-up file-type registration uses too.
include(GNUInstallDirs)

# Installing and packaging take what is built; they do not first build every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(TZ_APP_ID org.example.tzwizard)
set(TZ_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS tzwizard RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TZ_PACKAGING_DIR}/${TZ_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TZ_PACKAGING_DIR}/${TZ_APP_ID}.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${TZ_PACKAGING_DIR}/${TZ_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${TZ_PACKAGING_DIR}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${TZ_PACKAGING_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        FILES_MATCHING PATTERN "*.tz")

set(CPACK_PACKAGE_NAME tzwizard)
set(CPACK_PACKAGE_VENDOR "The tzwizard developers")
set(CPACK_PACKAGE_CONTACT "The tzwizard developers <support@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "wizard that prepares a software requirements document")
set(CPACK_PACKAGE_DESCRIPTION
    "The wizard walks through a chain of pages (project, title and purpose, target \
operating systems, rights-holder company, program type) and writes a software \
requirements document (техническое задание) in Russian as HTML, RTF or DOC, and \
in its extended mode also as PDF, ODT or DOCX. \
Projects are kept in .tz files.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and buttons in Russian; the ZIP library of DOCX and ODT; Liberation Serif,
# whose widths the pages are counted with and in which the PDF is set where Times New Roman
# is missing. The libraries' dependencies are added to these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libquazip1-qt6-1, fonts-liberation2")
# Wine's free Tahoma, the font the pages are laid out for; the Russian dictionary of the
# spell check, which is off without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "shared-mime-info, desktop-file-utils, hicolor-icon-theme, fonts-wine, hunspell-ru")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${TZ_PACKAGING_DIR}/debian/postinst ${TZ_PACKAGING_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
