# Installation and the Debian package.
#
# The desktop program loads the engine library from its own folder, so both live in one private
# folder, <prefix>/lib/torve, with the runner beside them; <prefix>/bin holds links to the two
# programs. The manuals go to <prefix>/share/doc/torve, where the help window looks for them
# (../../share/doc/torve from the program), and the example projects to <prefix>/share/torve/examples.
include(GNUInstallDirs)

set(TORVE_PRIVATE_DIR ${CMAKE_INSTALL_LIBDIR}/torve)
if(CMAKE_INSTALL_LIBDIR MATCHES "/")
  # A multiarch libdir (lib/x86_64-linux-gnu) would move the manuals out of the help window's reach.
  set(TORVE_PRIVATE_DIR lib/torve)
endif()

install(TARGETS torve RUNTIME DESTINATION ${TORVE_PRIVATE_DIR} COMPONENT programs)
if(TARGET torve6)
  install(TARGETS torve6 RUNTIME DESTINATION ${TORVE_PRIVATE_DIR} COMPONENT programs)
endif()
install(TARGETS TORVE2014_DLL LIBRARY DESTINATION ${TORVE_PRIVATE_DIR} COMPONENT programs NAMELINK_SKIP)

# bin/torve and bin/torve6 are relative links, so the installed tree can move as a whole.
set(torve_programs torve)
if(TARGET torve6)
  list(APPEND torve_programs torve6)
endif()
foreach(program IN LISTS torve_programs)
  set(link ${CMAKE_CURRENT_BINARY_DIR}/install-links/${program})
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/install-links)
  file(CREATE_LINK ../${TORVE_PRIVATE_DIR}/${program} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
endforeach()

install(FILES ${TORVE_MANUALS} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torve COMPONENT programs)
foreach(picture IN LISTS TORVE_MANUAL_PICTURES)
  get_filename_component(picture_dir ${picture} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/${picture} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torve/${picture_dir}
          COMPONENT programs)
endforeach()
# The example projects, the cone data files of every format that the import reads (examples/cpt/)
# the Python study and the example hammers (examples/hammers/).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/torve/examples
        COMPONENT programs FILES_MATCHING PATTERN "*.tv6d" PATTERN "*.cpt" PATTERN "*.py" PATTERN "*.csv"
        PATTERN "*.gef" PATTERN "*.xml" PATTERN "*.ags" PATTERN "*.json")

# The copyright file, the package's changelog and the manual pages, compressed as Debian installs
# them (gzip -9n: no name or time stamp, so that the package builds the same each time).
find_program(TORVE_GZIP gzip REQUIRED)
set(torve_compressed)
foreach(page IN ITEMS man/torve.1 man/torve6.1 changelog)
  get_filename_component(name ${page} NAME)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/compressed/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/compressed
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${page} ${copy}
    COMMAND ${TORVE_GZIP} -9nf ${copy}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${page}
    VERBATIM)
  list(APPEND torve_compressed ${copy}.gz)
endforeach()
add_custom_target(torve_compressed_docs ALL DEPENDS ${torve_compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/torve.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT programs)
if(TARGET torve6)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/torve6.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          COMPONENT programs)
endif()
# The package is the project's own (its version has no Debian revision): changelog.gz, as for a
# native package.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torve
        COMPONENT programs)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torve
        COMPONENT programs)

# Desktop menu entry, icon, file type of the projects and the software centre's description.
if(TARGET torve6)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/org.torve_pile.torve6.metainfo.xml
                 ${CMAKE_CURRENT_BINARY_DIR}/org.torve_pile.torve6.metainfo.xml @ONLY)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/torve6.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT programs)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/torve6.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT programs)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/torve6-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME torve6.xml COMPONENT programs)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.torve_pile.torve6.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT programs)
endif()

# cpack -G DEB: the Debian package, its dependencies worked out from the programs' libraries.
set(CPACK_PACKAGE_NAME torve)
set(CPACK_PACKAGE_VENDOR "TORVE developers")
set(CPACK_PACKAGE_CONTACT "TORVE developers <support@torve-pile.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Axial capacity and load-settlement analysis of a single driven pile")
# The extended description under the summary, which CPack puts first; CPack indents its lines and
# marks the empty line between the paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "TORVE computes the unit side friction and end bearing along a driven pile in
a layered soil profile by the FHWA, USACE, Revised Lambda, API RP 2A and
user-specified methods and by the cone-based methods NGI, ICP/MTD, Fugro, UWA
and Unified, sums them into capacity against depth, and solves the load
distribution and the load-settlement curve of the pile head from t-z and Q-w
curves.

The package holds the desktop program torve6, the command-line runner torve,
the analysis engine they share, the Python module torve, the manuals and
example projects.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://torve-pile.org")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The engine library is private to the programs (lib/torve, found beside them): no shlibs file and
# no ldconfig call, which are for libraries on the linker's search path.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/TorveDebPostBuild.cmake)
# The windowing plugins are loaded at run time, so no library link names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
if(TORVE_PYTHON_PACKAGE_DEPENDS)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${TORVE_PYTHON_PACKAGE_DEPENDS}")
endif()
set(CPACK_GENERATOR DEB)
include(CPack)
