# Installs the build into a scratch DESTDIR and uses the installed tree as a user would: the runner
# on a copied example, the desktop program's --version, the manuals where the help window looks for
# them (../../share/doc/torve from the program), and the desktop files through their validators.
# Run with -DBUILD_DIR=... -DSCRATCH=... -DPREFIX=... -DWITH_APP=ON|OFF.
cmake_minimum_required(VERSION 3.25)

function(check condition message)
  if(NOT ${condition})
    message(FATAL_ERROR "${message}")
  endif()
endfunction()

function(run_checked)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${rc}):\n${out}\n${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
set(root ${SCRATCH}/root)
set(ENV{DESTDIR} ${root})
run_checked(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
set(tree ${root}${PREFIX})

set(private ${tree}/lib/torve)
check(EXISTS ${private}/torve "torve is not installed in lib/torve")
check(EXISTS ${private}/libTORVE2014_DLL.so "the engine library is not installed in lib/torve")
check(IS_SYMLINK ${tree}/bin/torve "bin/torve is not a link to lib/torve/torve")
foreach(example open-pipe-offshore-si sand-over-clay-pipe-english precast-concrete-user-english)
  check(EXISTS ${tree}/share/torve/examples/${example}.tv6d "example ${example} is not installed")
endforeach()

# The runner through its link, on an example copied to a scratch folder.
file(MAKE_DIRECTORY ${SCRATCH}/work)
file(COPY ${tree}/share/torve/examples/sand-over-clay-pipe-english.tv6d
          ${tree}/share/torve/examples/sand-over-clay-pipe-english.cpt DESTINATION ${SCRATCH}/work)
run_checked(${tree}/bin/torve run ${SCRATCH}/work/sand-over-clay-pipe-english.tv6d)
check(EXISTS ${SCRATCH}/work/sand-over-clay-pipe-english.tv6o "the installed torve wrote no report")
file(READ ${SCRATCH}/work/sand-over-clay-pipe-english.tv6o report)
string(FIND "${report}" "ULTIMATE" found)
check(NOT found EQUAL -1 "the installed torve's report has no capacity table")

run_checked(${tree}/bin/torve --version)
string(STRIP "${output}" version)
check(version STREQUAL "torve ${VERSION}" "torve --version says '${version}'")

if(WITH_APP)
  check(EXISTS ${private}/torve6 "torve6 is not installed in lib/torve")
  set(ENV{QT_QPA_PLATFORM} offscreen)
  run_checked(${tree}/bin/torve6 --version)
  string(STRIP "${output}" version)
  check(version STREQUAL "torve6 ${VERSION}" "torve6 --version says '${version}'")
  # Where HelpWindow::manualsFolderBeside looks from the installed program.
  foreach(manual user-manual.md technical-manual.md results.md)
    check(EXISTS ${private}/../../share/doc/torve/${manual} "the help window cannot find ${manual}")
  endforeach()
  check(EXISTS ${tree}/share/icons/hicolor/scalable/apps/torve6.svg "the icon is not installed")
  check(EXISTS ${tree}/share/mime/packages/torve6.xml "the project file type is not installed")
  find_program(desktop_file_validate desktop-file-validate)
  if(desktop_file_validate)
    run_checked(${desktop_file_validate} ${tree}/share/applications/torve6.desktop)
  endif()
  find_program(appstreamcli appstreamcli)
  if(appstreamcli)
    run_checked(${appstreamcli} validate --no-net ${tree}/share/metainfo/org.torve_pile.torve6.metainfo.xml)
  endif()
endif()
file(REMOVE_RECURSE ${SCRATCH})
