"""The Python module torve for pip: ``pip install --no-build-isolation .`` from the source tree.

CMake builds the engine and the module's compiled parts alone (no runner, desktop program, tests or
benchmarks); scikit-build hands them to pip as the package ``torve``, which pip installs where it
installs packages. Arguments for CMake can be added through the environment variable CMAKE_ARGS, for
example ``-DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON`` for a module without the cone data file readers.
"""

import re
from pathlib import Path

from skbuild import setup

HERE = Path(__file__).resolve().parent


def project_version() -> str:
    """The one version number of TORVE, the one of project() in CMakeLists.txt."""
    text = (HERE / "CMakeLists.txt").read_text(encoding="utf-8")
    found = re.search(r"^project\(torve VERSION ([0-9]+(?:\.[0-9]+)*)", text, re.MULTILINE)
    if found is None:
        raise SystemExit("CMakeLists.txt has no line 'project(torve VERSION ...)'")
    return found.group(1)


setup(
    name="torve",
    version=project_version(),
    description="Axial capacity and load-settlement analysis of a single driven pile",
    url="https://torve-pile.org",
    python_requires=">=3.9",
    install_requires=["numpy"],
    packages=["torve"],
    package_dir={"": "python"},
    # The type stubs of the compiled modules and the mark that the package carries its types.
    package_data={"torve": ["py.typed", "_engine.pyi", "_sounding.pyi"]},
    # CMake installs the compiled modules into python/torve of its own tree, where scikit-build
    # takes them into the package beside __init__.py.
    cmake_install_dir="python",
    cmake_args=[
        "-DTORVE_PYTHON_ONLY=ON",
        "-DTORVE_PYTHON_DIR=.",
        # A newer compiler's new warning must not stop a user's installation; the project's own
        # builds keep warnings as errors.
        "-DTORVE_WERROR=OFF",
        # scikit-build names the interpreter in every way CMake ever read it; this project reads one.
        "--no-warn-unused-cli",
    ],
    cmake_minimum_required_version="3.25",
    zip_safe=False,
)
