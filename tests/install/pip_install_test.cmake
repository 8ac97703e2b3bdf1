# Installs the Python module with pip as its README says, into a scratch virtual environment, from a
# copy of the source tree (pip builds inside the tree it is given), and uses it from there: where it
# went, which version it carries, a run of a new project against the build's own module.
# Run with -DSOURCE_DIR=... -DBUILD_DIR=... -DSCRATCH=... -DPYTHON=<interpreter> -DVERSION=...
# -DWITH_SOUNDING=ON|OFF, and -DLAUNCHER=<compiler launcher> to build through ccache.
cmake_minimum_required(VERSION 3.25)

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

execute_process(COMMAND ${PYTHON} -c "import skbuild, ensurepip" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
check("pip's build of the module needs python3-skbuild and python3-venv (scripts/install-deps)" rc EQUAL 0)

file(REMOVE_RECURSE ${SCRATCH})
set(source ${SCRATCH}/source)
file(MAKE_DIRECTORY ${source})
# The tree as a checkout holds it: no history, no build folders, nothing of an earlier pip build.
file(GLOB entries LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(entry IN LISTS entries)
  set(path ${SOURCE_DIR}/${entry})
  cmake_path(IS_PREFIX path ${BUILD_DIR} NORMALIZE holds_build)
  if(entry MATCHES "^(\\.git|build.*|_skbuild)$" OR holds_build)
    continue()
  endif()
  file(COPY ${SOURCE_DIR}/${entry} DESTINATION ${source} PATTERN _skbuild EXCLUDE PATTERN *.egg-info EXCLUDE)
endforeach()

set(venv ${SCRATCH}/venv)
run_checked(${PYTHON} -m venv --system-site-packages ${venv})
set(venv_python ${venv}/bin/python)

# Nothing of the caller's environment reaches the build or the import; no index is asked: NumPy and
# the build backend come from the system's packages.
unset(ENV{PYTHONPATH})
unset(ENV{PIP_TARGET})
unset(ENV{PIP_PREFIX})
set(ENV{CMAKE_ARGS} "")
if(LAUNCHER)
  set(ENV{CMAKE_ARGS} "-DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER}")
endif()
execute_process(COMMAND ${venv_python} -m pip install --no-build-isolation --no-index --disable-pip-version-check .
                WORKING_DIRECTORY ${source} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
check("pip install --no-build-isolation . failed (${rc}):\n${out}\n${err}" rc EQUAL 0)

# Run from the scratch folder, so that no torve of the source or build tree is on the path.
file(WRITE ${SCRATCH}/probe.csv "depth_m,qc_MPa\n1,2\n2,3\n")
file(WRITE ${SCRATCH}/probe.py [=[
"""Where the installed package lies and what it holds; prints its version and a capacity."""
import importlib.metadata
import os
import sys
import sysconfig

import torve

version, with_sounding = sys.argv[1], sys.argv[2] == "ON"
package = os.path.join(sysconfig.get_paths()["platlib"], "torve")
if os.path.dirname(torve.__file__) != package:
    sys.exit(f"torve was imported from {torve.__file__}, not from the environment's {package}")
# Every file pip installed, as its record lists them: the package and its metadata, nothing beside.
own = ("torve/", f"torve-{version}.dist-info/")
stray = [str(f) for f in importlib.metadata.files("torve") if not str(f).startswith(own)]
if stray:
    sys.exit(f"pip installed files outside the package: {stray}")
compiled = sorted(name.split(".")[0] for name in os.listdir(package) if name.endswith(".so"))
expected = ["_engine", "_sounding"] if with_sounding else ["_engine"]
if compiled != expected:
    sys.exit(f"the package holds the compiled modules {compiled}, not {expected}")
# Its types: the stubs of the compiled modules and the mark that the package carries them.
missing = [f for f in ("py.typed", "_engine.pyi", "_sounding.pyi") if not os.path.isfile(os.path.join(package, f))]
if missing:
    sys.exit(f"the package lacks {missing}")
if with_sounding:
    test = torve.read_sounding(sys.argv[3]).tests[0]
    if (test.id, test.rows) != ("probe", 2):
        sys.exit(f"the installed package reads a CSV sounding as {test.id} with {test.rows} rows")
print(torve.__version__, importlib.metadata.version("torve"))
print(repr(torve.run(torve.Project.new()).capacity("API RP 2A").total[-1]))
]=])
execute_process(COMMAND ${venv_python} ${SCRATCH}/probe.py ${VERSION} ${WITH_SOUNDING} ${SCRATCH}/probe.csv
                WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE rc OUTPUT_VARIABLE installed ERROR_VARIABLE err)
check("the installed package fails its probe (${rc}):\n${installed}\n${err}" rc EQUAL 0)
string(REGEX MATCH "^([^\n]*)\n([^\n]*)" lines "${installed}")
check("the installed package and its metadata carry '${CMAKE_MATCH_1}', not ${VERSION} twice"
      CMAKE_MATCH_1 STREQUAL "${VERSION} ${VERSION}")
set(installed_capacity ${CMAKE_MATCH_2})

# The same run on the build's own module: the installed one is built from the same sources and options.
set(ENV{PYTHONPATH} ${BUILD_DIR}/python)
run_checked(${PYTHON} -c "import torve\nprint(repr(torve.run(torve.Project.new()).capacity('API RP 2A').total[-1]))")
string(STRIP "${output}" built_capacity)
check("the installed package gives a capacity of ${installed_capacity}, the build's ${built_capacity}"
      installed_capacity STREQUAL built_capacity AND installed_capacity GREATER 0)
file(REMOVE_RECURSE ${SCRATCH})
