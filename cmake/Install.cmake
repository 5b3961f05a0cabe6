# `cmake --install` lays the program out as Debian expects, and `cpack -G DEB` packs that layout:
#   bin/vantric, bin/vantric-cli
#   share/vantric/InstSet.Dat, share/vantric/readme.rtf   (found from ../share/vantric beside bin/)
#   share/applications/vantric.desktop, share/icons/hicolor/scalable/apps/vantric.svg,
#   share/mime/packages/vantric.xml (*.85 files), share/man/man1/vantric-cli.1.gz
include(GNUInstallDirs)

install(TARGETS vantric-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VANTRIC_BUILD_GUI)
  install(TARGETS vantric RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES data/vantric.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/vantric.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES data/vantric-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vantric.xml)
endif()
install(FILES data/InstSet.Dat data/readme.rtf DESTINATION ${CMAKE_INSTALL_DATADIR}/vantric)

# The manual page, with the version filled in and compressed as Debian keeps manual pages.
configure_file(data/vantric-cli.1.in ${CMAKE_BINARY_DIR}/vantric-cli.1 @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/vantric-cli.1.gz
  COMMAND ${GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/vantric-cli.1
  DEPENDS ${CMAKE_BINARY_DIR}/vantric-cli.1 COMMENT "Compressing the manual page")
add_custom_target(vantric_manual ALL DEPENDS ${CMAKE_BINARY_DIR}/vantric-cli.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/vantric-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantric)
set(CPACK_PACKAGE_VENDOR "Vantric")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Intel 8085 simulator: write, assemble and run 8085 assembly programs")
set(CPACK_PACKAGE_DESCRIPTION "Vantric is a desktop program for writing, assembling and running
Intel 8085 assembly programs, with breakpoints, step mode, and registers, flags
and memory that can be edited in place. vantric-cli, the headless runner, gives
scripts, graders and CI the same assembler and engine, with Intel HEX and
binary images, preset inputs and JSON results.")
set(CPACK_PACKAGE_CONTACT "Vantric maintainers <maintainers@vantric.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Library dependencies come from the executables themselves; the Qt plugins that no library links
# are named here: the platform plugins (xcb and the others) and the SVG icon and image plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VANTRIC_BUILD_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, shared-mime-info, desktop-file-utils")
endif()
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
