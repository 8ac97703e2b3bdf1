"""The type stubs of the compiled modules against the modules themselves: every public name a module
or one of its classes has is in its stub, and the stub names nothing more."""

import ast
import importlib
import inspect
import pathlib
import shutil
import subprocess
import sys

import pytest

import torve

PACKAGE = pathlib.Path(torve.__file__).parent
SOURCE = pathlib.Path(__file__).resolve().parents[2]


def declared(node):
    """The names a statement of a stub declares: a def, a class, an annotated or assigned name."""
    if isinstance(node, (ast.FunctionDef, ast.ClassDef)):
        return {node.name}
    if isinstance(node, ast.AnnAssign):
        return {node.target.id}
    if isinstance(node, ast.Assign):
        return {t.id for t in node.targets}
    return set()


def stub_names(path):
    """{None: module-level names, class name: its member names} of a stub, private names left out."""
    tree = ast.parse(path.read_text())
    names = {None: set()}
    for node in tree.body:
        names[None] |= declared(node)
        if isinstance(node, ast.ClassDef):
            names[node.name] = set().union(*(declared(n) for n in node.body))
    return {k: {n for n in v if not n.startswith("_") or n == "__init__"} for k, v in names.items()}


def public(names):
    return {n for n in names if not n.startswith("_")}


@pytest.mark.parametrize("module", ["_engine", "_sounding"])
def test_stub_names_what_the_module_has(module):
    try:
        compiled = importlib.import_module(f"torve.{module}")
    except ImportError:
        pytest.skip(f"this build has no torve.{module}")
    stub = stub_names(PACKAGE / f"{module}.pyi")
    assert stub[None] == public(dir(compiled))
    for name, members in stub.items():
        if name is None:
            continue
        cls = getattr(compiled, name)
        if issubclass(cls, BaseException):
            continue  # the attributes of an error are set when it is raised
        if issubclass(cls, int):  # an IntEnum: its members
            assert members == set(cls.__members__), name
            continue
        own = public(vars(cls))
        assert members - {"__init__"} == own, name


def test_the_package_says_it_carries_types():
    assert (PACKAGE / "py.typed").exists()


def test_examples_pass_mypy(tmp_path):
    if shutil.which("mypy") is None and importlib.util.find_spec("mypy") is None:
        pytest.skip("mypy is not installed (Debian: mypy)")
    examples = sorted(str(p) for p in (SOURCE / "examples" / "python").glob("*.py"))
    # The package as an installation holds it: its own source is checked by its own tests, here
    # only what it promises to the scripts that use it.
    done = subprocess.run([sys.executable, "-m", "mypy", "--follow-imports=silent", "--ignore-missing-imports",
                           "--no-error-summary", "--cache-dir", str(tmp_path), *examples],
                          capture_output=True, text=True, env={"MYPYPATH": str(PACKAGE.parent), "PATH": "/usr/bin"})
    assert done.returncode == 0, done.stdout + done.stderr
