"""Texts and arguments at the module's doors: bytes that are no UTF-8, legacy Latin-1 projects,
control characters, errors that carry their place as fields, and the arguments each function takes.

Run by CTest (python_tests) with the build's module, as test_torve.py is.
"""

import datetime
import os
import pathlib
import re
import shutil
import subprocess
import warnings

import pytest

import torve

SOURCE = pathlib.Path(__file__).resolve().parents[2]
RUNNER = os.environ.get("TORVE_RUNNER", "torve")
SAND_OVER_CLAY = SOURCE / "examples" / "sand-over-clay-pipe-english.tv6d"
NOON = datetime.datetime(2026, 12, 9, 12, 0, 0)


def example_bytes():
    return SAND_OVER_CLAY.read_bytes()


def with_line(data: bytes, number: int, line: bytes) -> bytes:
    lines = data.split(b"\n")
    lines[number - 1] = line
    return b"\n".join(lines)


# Line 17 of the example is the second line of soil point 4, its plasticity index the sixth value.
PI_LINE = b"0 0 1800 900 1.8 30 0 0 0 1 1"
PI_RECORD = "record 10 (soil point 4 of 6, second line)"


def test_a_byte_that_is_no_utf8_is_quoted_escaped_and_located(tmp_path):
    """A plasticity index of the byte 0xFF raised a bare UnicodeDecodeError: message, file and line lost."""
    data = example_bytes()
    assert data.split(b"\n")[16] == PI_LINE
    path = tmp_path / "pi.tv6d"
    path.write_bytes(with_line(data, 17, PI_LINE.replace(b" 30 ", b" \xff ")))
    with pytest.raises(torve.InputError) as caught:
        torve.Project.read(path)
    error = caught.value
    assert (error.file, error.record, error.line) == (str(path), PI_RECORD, 17)
    assert str(error) == (f'Input data file "{path}", {PI_RECORD}, line 17: expected a finite number for '
                          'the plasticity index, found "\\xff".')
    # torve check says the same, on valid UTF-8.
    check = subprocess.run([RUNNER, "check", str(path)], capture_output=True)
    assert check.returncode != 0
    words = (check.stdout + check.stderr).decode("utf-8")  # strict: it is valid UTF-8
    assert 'line 17: expected a finite number for the plasticity index, found "\\xff".' in words


@pytest.mark.parametrize("word, shown", [
    (b"4\xe90", "4\\xe90"),          # a Latin-1 byte inside a number
    (b"\xc3", "\\xc3"),              # UTF-8 cut before its continuation
    (b"1\x01", "1\\x01"),            # a control character does not act in the message
    (b"\xc3\xa9", "\u00e9"),         # valid UTF-8 is shown as it is
])
def test_found_words_are_shown_as_valid_text(tmp_path, word, shown):
    path = tmp_path / "w.tv6d"
    path.write_bytes(with_line(example_bytes(), 17, PI_LINE.replace(b" 30 ", b" " + word + b" ")))
    with pytest.raises(torve.InputError) as caught:
        torve.Project.read(path)
    assert str(caught.value).endswith(f'found "{shown}".')
    assert caught.value.line == 17


def test_place_fields_come_from_the_engine_not_from_the_words(tmp_path):
    """A file name holding '", r, line zz: ' made the module raise ValueError('stoi')."""
    folder = tmp_path / 'odd", r, line zz: name'
    folder.mkdir()
    path = folder / 'p", record 1, line 9: .tv6d'
    path.write_bytes(with_line(example_bytes(), 5, b"0 0 24 23 2.9e7x 60 5"))
    with pytest.raises(torve.InputError) as caught:
        torve.Project.read(path)
    assert (caught.value.file, caught.value.record, caught.value.line) == (
        str(path), "record 5 (pile section)", 5)
    # A file missing: the file, but no record or line.
    with pytest.raises(torve.InputError) as missing:
        torve.Project.read(folder / "none.tv6d")
    assert (missing.value.file, missing.value.record, missing.value.line) == (
        str(folder / "none.tv6d"), None, None)


def test_a_file_name_that_is_no_utf8_is_named_as_the_system_names_it(tmp_path):
    raw = os.fsencode(tmp_path) + b"/caf\xe9.tv6d"
    with open(raw, "wb") as f:
        f.write(with_line(example_bytes(), 5, b"0 0 24 23 x 60 5"))
    with pytest.raises(torve.InputError) as caught:
        torve.Project.read(raw)
    assert caught.value.file == os.fsdecode(raw)
    assert "caf\\xe9.tv6d" in str(caught.value)
    project = torve.Project.read(SAND_OVER_CLAY)
    project.write(raw)
    assert torve.Project.read(os.fsdecode(raw)).path == os.fsdecode(raw)
    report = torve.run(torve.Project.read(raw), report=True, time=NOON).report
    assert "caf\\xe9.tv6d" in report


def title_of_41_characters():
    return "x" + "\u00e9" * 40  # 81 bytes in UTF-8


def test_the_report_cuts_texts_between_characters(tmp_path):
    """The report cut the title at 70 bytes, inside an 'é': run(report=True) raised UnicodeDecodeError."""
    project = torve.Project.read(SAND_OVER_CLAY)
    project.title = title_of_41_characters()
    project.designer = "\u00e9" * 80
    report = torve.run(project, report=True, time=NOON).report
    lines = report.splitlines()
    # The title padded to its 70 characters: 29 blanks after its 41.
    assert " " * 10 + title_of_41_characters() + " " * 29 in lines
    # The designer's 80 characters: the analysis takes 72 of them and the report prints 60.
    assert " " * 10 + "DESIGNER   : " + "\u00e9" * 60 in lines
    # torve run writes the same report, in valid UTF-8.
    path = tmp_path / "t.tv6d"
    project.write(path)
    subprocess.run([RUNNER, "run", str(path)], check=True, capture_output=True)
    written = path.with_suffix(".tv6o").read_bytes().decode("utf-8")
    assert torve.run(torve.Project.read(path), report=True, time=time_of(written)).report == written


def time_of(report):
    line = next(line for line in report.splitlines() if line.strip().startswith("Date:"))
    date, clock = line.split("Date:")[1].split("Time:")
    return datetime.datetime.strptime(date.strip() + " " + clock.strip(), "%B %d, %Y %H:%M:%S")


def test_a_legacy_latin1_project_reads_alike_at_every_door(tmp_path):
    """Valid UTF-8 as it stands, otherwise Latin-1: p.title, input_text() and run(report=True)
    raised UnicodeDecodeError for a project the runner ran."""
    data = example_bytes()
    legacy = with_line(with_line(data, 1, b"Quai de la Gare, pieu d'essai \xe9t\xe9 (r\xe9f. \xb12)"), 2,
                       b"J. M\xfcller")
    path = tmp_path / "legacy.tv6d"
    path.write_bytes(legacy)
    shutil.copy(SAND_OVER_CLAY.with_suffix(".cpt"), path.with_suffix(".cpt"))
    project = torve.Project.read(path)
    assert project.title == "Quai de la Gare, pieu d'essai \u00e9t\u00e9 (r\u00e9f. \u00b12)"
    assert project.designer == "J. M\u00fcller"
    assert project.input_text().splitlines()[:2] == [project.title, project.designer]
    subprocess.run([RUNNER, "run", str(path)], check=True, capture_output=True)
    written = path.with_suffix(".tv6o").read_bytes().decode("utf-8")
    assert " " * 10 + project.title in [line.rstrip() for line in written.splitlines()]
    assert torve.run(project, report=True, time=time_of(written)).report == written
    # Written again, the project is UTF-8 and reads back to the same texts.
    project.write(tmp_path / "again.tv6d")
    assert (tmp_path / "again.tv6d").read_bytes().split(b"\n")[0] == project.title.encode("utf-8")
    assert torve.Project.read(tmp_path / "again.tv6d").title == project.title


@pytest.mark.parametrize("field", ["title", "designer", "job_number"])
@pytest.mark.parametrize("value, character", [
    ("\r", "U+000D"), ("two\nlines", "U+000A"), ("tab\there", "U+0009"), ("nul\0", "U+0000"),
    ("bell\x07", "U+0007"), ("del\x7f", "U+007F"), ("next\x85line", "U+0085"),
])
def test_control_characters_are_refused_at_entry(field, value, character):
    """A title of "\\r" once read back as " ", and line breaks as blanks while the getter kept them."""
    project = torve.Project.read(SAND_OVER_CLAY)
    before = getattr(project, field)
    with pytest.raises(torve.InputError, match=re.escape(character)) as caught:
        setattr(project, field, value)
    assert caught.value.field == field.replace("_", " ")
    assert getattr(project, field) == before
    with pytest.raises(torve.InputError):
        project.update(**{field: value})
    assert getattr(project, field) == before


def test_texts_without_control_characters_round_trip(tmp_path):
    project = torve.Project.read(SAND_OVER_CLAY)
    texts = {"title": "Pier 7 \u2013 \u00e9t\u00e9 \U0001F600 \u00a0nbsp", "designer": " lead and trail ",
             "job_number": ""}
    project.update(**texts)
    project.write(tmp_path / "r.tv6d")
    again = torve.Project.read(tmp_path / "r.tv6d")
    assert {k: getattr(again, k) for k in texts} == texts


@pytest.mark.parametrize("call, error, words", [
    (lambda p: p.update(nonsense=1), TypeError, "nonsense"),
    (lambda p: p.update(path="x"), TypeError, "'path'"),
    (lambda p: p.update(check=1), TypeError, "'check'"),
    (lambda p: torve.run(p, time=datetime.date(2026, 12, 9)), TypeError, "time"),
    (lambda p: torve.run(p, time="2026-12-09"), TypeError, "time"),
    (lambda p: torve.run(p, time=Clock(second=10 ** 10)), ValueError, "second"),
    (lambda p: torve.run(p, time=Clock(month=13)), ValueError, "month"),
    (lambda p: torve.run(p, time=Clock(hour=1.5)), TypeError, "time"),
    (lambda p: torve.run_many([p], jobs=2.0), TypeError, "jobs"),
    (lambda p: torve.run_many([p], jobs="2"), TypeError, "jobs"),
    (lambda p: torve.run_many([p], jobs=0), ValueError, "jobs"),
    (lambda p: torve.run_many([p], jobs=-2 ** 40), ValueError, "jobs"),
    (lambda p: torve.Project.read(3), TypeError, "path"),
    (lambda p: p.write(None), TypeError, "path"),
    (lambda p: p.write(str(SOURCE / "x\0.tv6d")), ValueError, "null byte"),
])
def test_an_argument_the_module_cannot_take_is_named(call, error, words):
    project = torve.Project.read(SAND_OVER_CLAY)
    with pytest.raises(error, match=words) as caught:
        call(project)
    assert "run_projects" not in str(caught.value)
    assert not isinstance(caught.value, (AttributeError, RuntimeError, OverflowError))


class Clock:
    """A duck-typed time: the parts a datetime has."""

    def __init__(self, **parts):
        self.year, self.month, self.day, self.hour, self.minute, self.second = 2026, 12, 9, 12, 0, 0
        self.__dict__.update(parts)


def test_a_duck_typed_time_and_many_jobs_are_taken():
    project = torve.Project.read(SAND_OVER_CLAY)
    duck = torve.run(project, report=True, time=Clock()).report
    assert duck == torve.run(project, report=True, time=NOON).report
    # More threads than projects: one per project.
    assert len(torve.run_many([project, project], jobs=2 ** 32)) == 2


def test_sections_are_refused_unless_the_mode_uses_them(tmp_path):
    """Sections assigned while section_mode < 2 (10**6 rows taken) were dropped on write without a word."""
    project = torve.Project.new("English")
    assert project.section_mode < 2
    with pytest.raises(torve.InputError, match="section_mode") as caught:
        project.sections = [(0.0, 30.0), (60.0, 20.0)]
    assert caught.value.field == "sections"
    assert project.sections == []
    # Set together, in either order, they are taken.
    project.update(sections=[(0.0, 30.0), (60.0, 20.0)], section_mode=torve.SectionMode.VARYING_WITH_DEPTH)
    project.write(tmp_path / "s.tv6d")
    assert torve.Project.read(tmp_path / "s.tv6d").sections == [(0.0, 30.0), (60.0, 20.0)]
    # A mode changed afterwards keeps the rows in the project; the write says they are not written.
    project.section_mode = torve.SectionMode.FROM_DIAMETERS
    with pytest.warns(UserWarning, match="2 section rows are not written"):
        project.write(tmp_path / "c.tv6d")
    assert torve.Project.read(tmp_path / "c.tv6d").sections == []
    project.sections = []
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        project.write(tmp_path / "c.tv6d")


def test_tz_print_depths_outside_the_soil_are_kept_and_warned_of(tmp_path):
    """A t-z print depth outside the soil profile was dropped from the results without a word."""
    project = torve.Project.read(SAND_OVER_CLAY)
    project.tz_print_depths = [10.0, 95.0, -5.0]  # the soil points reach 90 ft
    warned = [f for f in project.check() if f.record.startswith("record 11 (t-z print depth") and f.severity == "warning"]
    assert [f.point for f in warned] == [2, 3]
    assert "no t-z curve is printed there" in warned[0].message
    results = torve.run(project)
    assert len(results.extra_tz_curves) == 1
    assert sum("no t-z curve is printed there" in w.text for w in results.warnings) == 2
    # Stored files with such depths still read and run.
    project.write(tmp_path / "tz.tv6d")
    assert torve.Project.read(tmp_path / "tz.tv6d").tz_print_depths == [10.0, 95.0, -5.0]


@pytest.mark.parametrize("kind", ["str", "pathlib.Path", "bytes", "os.PathLike"])
def test_every_function_that_takes_a_path_takes_each_kind(kind, tmp_path):
    class Named(os.PathLike):
        def __init__(self, path):
            self.path = path

        def __fspath__(self):
            return self.path

    def as_kind(path):
        return {"str": str(path), "pathlib.Path": pathlib.Path(path), "bytes": os.fsencode(path),
                "os.PathLike": Named(str(path))}[kind]

    project = torve.Project.read(as_kind(SAND_OVER_CLAY))
    assert project.path == str(SAND_OVER_CLAY)
    project.write(as_kind(tmp_path / "w.tv6d"))
    assert project.path == str(tmp_path / "w.tv6d")
    assert (tmp_path / "w.cpt").exists()
    if torve._sounding is not None:
        csv = tmp_path / "s.csv"
        csv.write_text("depth_m;qc_MPa\n1;2\n2;3\n")
        assert torve.read_sounding(as_kind(csv)).tests[0].rows == 2
        assert torve.Project.new().import_cpt(as_kind(csv)).points == 2
