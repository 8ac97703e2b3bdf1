# Installs the build into a scratch DESTDIR and uses the installed tree as a user would: the runner
# on a copied example, the desktop program's --version, the manuals where the help window looks for
# them (../../share/doc/torve from the program), and the desktop files through their validators.
# Run with -DBUILD_DIR=... -DSCRATCH=... -DPREFIX=... -DVERSION=... -DWITH_APP=ON|OFF, and with
# -DPYTHON=<interpreter> -DPYTHON_DIR=<package folder under the prefix> when the module is built.
cmake_minimum_required(VERSION 3.25)

# check("what failed" <condition>...)
function(check message)
  if(NOT (${ARGN}))
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
check("torve is not installed in lib/torve" EXISTS ${private}/torve)
check("the engine library is not installed in lib/torve" EXISTS ${private}/libTORVE2014_DLL.so)
check("bin/torve is not a link to lib/torve/torve" IS_SYMLINK ${tree}/bin/torve)
foreach(example open-pipe-offshore-si sand-over-clay-pipe-english precast-concrete-user-english)
  check("example ${example} is not installed" EXISTS ${tree}/share/torve/examples/${example}.tv6d)
endforeach()

# The cone data files of every format the import reads, the manual pages and the copyright file.
foreach(file share/torve/examples/cpt/sounding.csv share/torve/examples/cpt/sounding.gef
        share/torve/examples/cpt/sounding.xml share/torve/examples/cpt/two-soundings.ags
        share/torve/examples/python/parametric_study.py share/torve/examples/hammers/ram-10t-120kj.json
        share/man/man1/torve.1.gz share/doc/torve/copyright
        share/doc/torve/changelog.gz)
  check("${file} is not installed" EXISTS ${tree}/${file})
endforeach()
if(WITH_APP)
  check("the manual page of torve6 is not installed" EXISTS ${tree}/share/man/man1/torve6.1.gz)
endif()

# The runner through its link, on an example copied to a scratch folder.
file(MAKE_DIRECTORY ${SCRATCH}/work)
file(COPY ${tree}/share/torve/examples/sand-over-clay-pipe-english.tv6d
          ${tree}/share/torve/examples/sand-over-clay-pipe-english.cpt DESTINATION ${SCRATCH}/work)
run_checked(${tree}/bin/torve run ${SCRATCH}/work/sand-over-clay-pipe-english.tv6d)
check("the installed torve wrote no report" EXISTS ${SCRATCH}/work/sand-over-clay-pipe-english.tv6o)
file(READ ${SCRATCH}/work/sand-over-clay-pipe-english.tv6o report)
string(FIND "${report}" "ULTIMATE" found)
check("the installed torve's report has no capacity table" NOT found EQUAL -1)

run_checked(${tree}/bin/torve --version)
string(STRIP "${output}" version)
check("torve --version says '${version}'" version STREQUAL "torve ${VERSION}")

if(WITH_APP)
  check("torve6 is not installed in lib/torve" EXISTS ${private}/torve6)
  set(ENV{QT_QPA_PLATFORM} offscreen)
  run_checked(${tree}/bin/torve6 --version)
  string(STRIP "${output}" version)
  check("torve6 --version says '${version}'" version STREQUAL "torve6 ${VERSION}")
  # Where HelpWindow::manualsFolderBeside looks from the installed program.
  foreach(manual user-manual.md technical-manual.md results.md python.md screenshots/check-window.png
          python-parametric-study.png)
    check("the help window cannot find ${manual}" EXISTS ${private}/../../share/doc/torve/${manual})
  endforeach()
  # The usage is printed, not taken for a project to open.
  run_checked(${tree}/bin/torve6 --help)
  string(FIND "${output}" "Usage: torve6" found)
  check("torve6 --help prints no usage: '${output}'" found EQUAL 0)
  check("the icon is not installed" EXISTS ${tree}/share/icons/hicolor/scalable/apps/torve6.svg)
  check("the project file type is not installed" EXISTS ${tree}/share/mime/packages/torve6.xml)
  find_program(desktop_file_validate desktop-file-validate)
  if(desktop_file_validate)
    run_checked(${desktop_file_validate} ${tree}/share/applications/torve6.desktop)
  endif()
  find_program(appstreamcli appstreamcli)
  if(appstreamcli)
    run_checked(${appstreamcli} validate --no-net ${tree}/share/metainfo/org.torve_pile.torve6.metainfo.xml)
  endif()
endif()
if(PYTHON)
  # The installed package, run from where it was installed (an installation into /usr puts it on
  # the interpreter's own path).
  set(ENV{PYTHONPATH} ${tree}/${PYTHON_DIR})
  # (No ";" in the code: it would split the argument in two.)
  run_checked(${PYTHON} -c "import torve\nprint(torve.__version__, torve.run(torve.Project.read('${SCRATCH}/work/sand-over-clay-pipe-english.tv6d')).methods[0].total[-1] > 0)")
  string(STRIP "${output}" answer)
  check("the installed Python module answers '${answer}'" answer STREQUAL "${VERSION} True")
  # Its types: the stubs of the compiled modules and the mark that the package carries them.
  foreach(typed py.typed _engine.pyi _sounding.pyi)
    check("the installed Python package lacks ${typed}" EXISTS ${tree}/${PYTHON_DIR}/torve/${typed})
  endforeach()
  if(WITH_APP)
    # The readers of cone data files, which come with the desktop core (and Qt Core).
    file(WRITE ${SCRATCH}/work/probe.csv "depth_m,qc_MPa\n1,2\n2,3\n")
    run_checked(${PYTHON} -c "import torve\nt = torve.read_sounding('${SCRATCH}/work/probe.csv').tests[0]\nprint(t.id, t.rows)")
    string(STRIP "${output}" answer)
    check("the installed Python module reads a CSV sounding as '${answer}'" answer STREQUAL "probe 2")
  endif()
endif()
file(REMOVE_RECURSE ${SCRATCH})
