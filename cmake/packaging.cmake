# Install rules and the packages cpack makes from them.
#
# Windows: the programs, PANELS.DEF and the README in one folder (qlccfg
# reads PANELS.DEF beside itself), packed as a zip and as an NSIS installer.
# Linux: a .deb with qlccfg and 56420bmp in bin, PANELS.DEF in
# share/qlc56420 (where qlccfg looks when none lies beside it, see
# cli/panel_folder.cpp), the manual page of qlccfg and the README.

set(CPACK_PACKAGE_NAME qlc56420)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QLC56420 Configuration Tools")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Configuration tools for the QLC56420 LCD display controller")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "qlccfg reads and writes the HAL_STRUCT configuration record inside QLC56420\n"
    "programs (Windows executables, ELF images, Motorola S-record files) through\n"
    "the chip's rules, applies predefined panels and exports C headers.\n"
    "56420bmp shows bitmap files on a QLC56420 panel.")
set(CPACK_PACKAGE_CONTACT "QLC56420 Configuration Tools <tools@qlc56420.invalid>")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # The Windows configurator joins the packages once it is part of the build.
  set(QLC_WINDOWS_PROGRAMS 56420bmp qlccfg)
  if(TARGET 56420cfg)
    list(PREPEND QLC_WINDOWS_PROGRAMS 56420cfg)
    set(CPACK_PACKAGE_EXECUTABLES 56420CFG 56420CFG)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
  endif()
  # Windows names its programs in capitals: QLCCFG.EXE, 56420BMP.EXE.
  foreach(program ${QLC_WINDOWS_PROGRAMS})
    get_target_property(name ${program} OUTPUT_NAME)
    if(NOT name)
      set(name ${program})
    endif()
    string(TOUPPER ${name}.EXE name)
    install(PROGRAMS $<TARGET_FILE:${program}> DESTINATION . RENAME ${name})
    # Renamed programs are installed as files, which cpack does not strip itself.
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${name}\")
    endif()")
  endforeach()
  install(FILES ${QLC_ROOT}/cfg/panel/PANELS.DEF ${QLC_ROOT}/README.md DESTINATION .)

  set(CPACK_GENERATOR ZIP NSIS)
  set(CPACK_PACKAGE_FILE_NAME qlc56420-${PROJECT_VERSION}-win64)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY QLC56420)
  set(CPACK_NSIS_PACKAGE_NAME "QLC56420 Configuration Tools ${PROJECT_VERSION}")
  set(CPACK_NSIS_DISPLAY_NAME "QLC56420 Configuration Tools")
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  # A 64-bit installer for the 64-bit programs (the 32-bit stub is the default).
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
  set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
else()
  include(GNUInstallDirs)
  install(TARGETS qlccfg 56420bmp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${QLC_ROOT}/cfg/panel/PANELS.DEF DESTINATION ${CMAKE_INSTALL_DATADIR}/qlc56420)
  install(FILES ${QLC_ROOT}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # Manual pages are installed compressed, as Debian keeps them.
  set(QLC_MANUAL_PAGE ${CMAKE_BINARY_DIR}/man/qlccfg.1.gz)
  add_custom_command(OUTPUT ${QLC_MANUAL_PAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9 -n -c ${QLC_ROOT}/cli/qlccfg.1 > ${QLC_MANUAL_PAGE}
    DEPENDS ${QLC_ROOT}/cli/qlccfg.1)
  add_custom_target(qlc_manual_page ALL DEPENDS ${QLC_MANUAL_PAGE})
  install(FILES ${QLC_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
