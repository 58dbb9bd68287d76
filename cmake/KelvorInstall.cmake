# Installation as a desktop program: the executable with its companion files in one folder
# (which the program finds as its own, through the link below), a `kelvor` command on the PATH,
# the desktop entry for calendar files and the icon. `cpack -G DEB` packs the same files.

set(KELVOR_INSTALL_DIR lib/kelvor)

install(TARGETS kelvor RUNTIME DESTINATION ${KELVOR_INSTALL_DIR})
list(TRANSFORM KELVOR_DATA_FILES PREPEND ${PROJECT_SOURCE_DIR}/data/ OUTPUT_VARIABLE kelvor_data_paths)
install(FILES ${kelvor_data_paths} DESTINATION ${KELVOR_INSTALL_DIR})

# A relative link, so the tree stays right wherever it is unpacked (a DESTDIR, a package).
install(CODE "
  set(kelvor_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${kelvor_bin}\")
  message(STATUS \"Installing: \${kelvor_bin}/kelvor -> ../${KELVOR_INSTALL_DIR}/kelvor\")
  file(CREATE_LINK ../${KELVOR_INSTALL_DIR}/kelvor \"\${kelvor_bin}/kelvor\" SYMBOLIC)
")

install(FILES ${PROJECT_SOURCE_DIR}/desktop/kelvor.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/kelvor.svg
        DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME kelvor)
set(CPACK_PACKAGE_VENDOR "Kelvor")
set(CPACK_PACKAGE_CONTACT "Kelvor developers <kelvor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer for calendar invitations")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvor shows the events of a calendar invitation (iCalendar or vCalendar, plain or in a \
mail message) as a report, and hands a reply to the organizer to the mail program.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION mail)
# The libraries come from dpkg-shlibdeps; the fonts the report asks for by their Windows names
# and the system's zone data come from here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, tzdata")
# xdg-open hands the reply to the desktop's mail program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
