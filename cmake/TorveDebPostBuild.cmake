# Run by cpack after it built the Debian package (CPACK_POST_BUILD_SCRIPTS). The engine library and
# the programs live in a private folder, lib/torve, which the programs load the library from; CPack
# takes any shared object under lib/ for one on the linker's search path and adds maintainer scripts
# that only call ldconfig. They are taken out of the package again, which then has none.
cmake_minimum_required(VERSION 3.25)
find_program(dpkg_deb dpkg-deb REQUIRED)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  set(tree ${CPACK_TOPLEVEL_DIRECTORY}/ldconfig-free)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND ${dpkg_deb} --raw-extract ${package} ${tree} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb could not unpack ${package}")
  endif()
  foreach(script postinst postrm)
    set(path ${tree}/DEBIAN/${script})
    if(NOT EXISTS ${path})
      continue()
    endif()
    # Only a script of CPack's own, which does nothing but call ldconfig, goes.
    file(STRINGS ${path} lines)
    list(FILTER lines EXCLUDE REGEX "^(#!/bin/sh|set -e|if \\[ \"\\$1\" = \"(configure|remove)\" \\]; then|[ \t]*ldconfig|fi|[ \t]*)$")
    if(lines)
      message(FATAL_ERROR "${script} of ${package} does more than call ldconfig: ${lines}")
    endif()
    file(REMOVE ${path})
  endforeach()
  # The md5sums and the control file stay as they were; only the two scripts are gone.
  execute_process(COMMAND ${dpkg_deb} --root-owner-group --build ${tree} ${package} RESULT_VARIABLE rc
                  OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb could not build ${package} again")
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()
