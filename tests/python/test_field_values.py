"""The fields of a project as Python values: integer codes as IntEnums, wrong types refused by field
name, and errors of a project changed in memory located by record and field, not by a file."""

import pathlib

import numpy as np
import pytest

import torve

SOURCE = pathlib.Path(__file__).resolve().parents[2]
OFFSHORE = SOURCE / "examples" / "open-pipe-offshore-si.tv6d"


# The codes of the input data file: record 7 "0 0.5 1 0 4 1 0" of the offshore example holds pile
# type 1; records 12, 13, 14 and 15 hold loading 0, drainage 0 and plug 0, section mode 1 and
# critical-depth option 0.
@pytest.mark.parametrize("field, member", [
    ("pile_type", torve.PileType.STEEL_PIPE),
    ("loading_type", torve.LoadingType.COMPRESSION),
    ("clay_drainage", torve.ClayDrainage.UNDRAINED),
    ("plug_condition", torve.PlugCondition.COMPUTED),
    ("section_mode", torve.SectionMode.CONSTANT),
    ("critical_depth_option", torve.CriticalDepthOption.FROM_DENSITY),
])
def test_codes_read_as_members(field, member):
    value = getattr(torve.Project.read(str(OFFSHORE)), field)
    assert value is member


@pytest.mark.parametrize("field, member, code", [
    # The numbers of the input data file, member by member.
    ("pile_type", torve.PileType.H_PILE, 6),
    ("pile_type", torve.PileType.MONOTUBE_TAPER, 7),
    ("loading_type", torve.LoadingType.TENSION, 1),
    ("plug_condition", torve.PlugCondition.PLUGGED, 1),
    ("plug_condition", torve.PlugCondition.UNPLUGGED, 2),
    ("clay_drainage", torve.ClayDrainage.DRAINED, 1),
    ("section_mode", torve.SectionMode.FROM_DIAMETERS, 0),
    ("critical_depth_option", torve.CriticalDepthOption.USER_SPECIFIED, 2),
])
def test_codes_take_a_member_or_a_plain_int(field, member, code):
    assert int(member) == code
    by_member, by_int = torve.Project.new("SI"), torve.Project.new("SI")
    setattr(by_member, field, member)
    setattr(by_int, field, code)
    assert getattr(by_int, field) is member
    assert by_member.input_text() == by_int.input_text()


@pytest.mark.parametrize("field, code", [
    ("pile_type", 8), ("pile_type", 0), ("loading_type", 2), ("plug_condition", 3), ("plug_condition", -1),
    ("critical_depth_option", 3), ("section_mode", -1),
])
def test_a_code_out_of_range_is_refused(field, code):
    project = torve.Project.new("SI")
    before = project.input_text()
    with pytest.raises(torve.InputError, match=f"found {code}"):
        setattr(project, field, code)
    assert project.input_text() == before


def test_a_code_that_names_no_member_reads_as_it_stands():
    """Any drainage option other than 1 means undrained clay, and a file may hold 5: it reads back
    as 5, not as a member that would write 0."""
    project = torve.Project.new("SI")
    project.clay_drainage = 5
    assert type(project.clay_drainage) is int and project.clay_drainage == 5
    point = project.soil_points[0]
    assert point.soil_type is torve.SoilType.SAND
    point.soil_type = torve.SoilType.CLAY
    assert project.soil_points[0].soil_type is torve.SoilType.CLAY
    with pytest.raises(torve.InputError, match="soil-type code"):
        point.soil_type = 3


@pytest.mark.parametrize("field, value, message", [
    ("pile_length", "45", "pile_length expects a number, got str"),
    ("pile_length", None, "pile_length expects a number, got NoneType"),
    ("pile_length", True, "pile_length expects a number, got bool"),  # not a length of 1
    ("pile_length", 1 + 2j, "pile_length expects a number, got complex"),
    ("pile_type", 2.0, "pile_type expects an integer code (torve.PileType), got float"),
    ("pile_type", "3", "pile_type expects an integer code (torve.PileType), got str"),
    ("plug_condition", 1.0, "plug_condition expects an integer code (torve.PlugCondition), got float"),
    ("print_interval", 1.5, "print_interval expects a whole number, got float"),
    ("title", 5, "title expects a text (str), got int"),
    ("units", 2, "units expects a text (str), got int"),
    ("selected_methods", 4, "selected_methods expects a list of method codes, got int"),
    ("selected_methods", [4.0], "selected_methods expects a list of method codes, got float"),
    ("soil_points", [1], "soil_points expects a list of torve.SoilPoint, got a list holding int"),
    ("soil_points", "points", "soil_points expects a list of torve.SoilPoint, got str"),
    ("tz_print_depths", [1.0, "2"], "tz_print_depths expects a number, got str"),
    ("sections", [(1.0,)], "sections expects a list of (depth, value) pairs of numbers, got a row of 1 values"),
    ("cpt_points", [(0.0, "1")], "cpt_points expects a number, got str"),
])
def test_a_wrong_type_names_the_field(field, value, message):
    project = torve.Project.new("SI")
    before = project.input_text()
    with pytest.raises(TypeError) as caught:
        setattr(project, field, value)
    assert str(caught.value) == message
    assert project.input_text() == before


def test_wrong_types_on_soil_points_and_update():
    project = torve.Project.new("SI")
    before = project.input_text()
    with pytest.raises(TypeError, match="^su expects a number, got str$"):
        project.soil_points[0].su = "456"
    with pytest.raises(TypeError, match="^soil_type expects an integer code \\(torve.SoilType\\), got float$"):
        project.soil_points[0].soil_type = 2.0
    with pytest.raises(TypeError, match="SoilPoint has no field 'sux'"):
        torve.SoilPoint(sux=1.0)
    # A misspelt field, or a name that is no field, must not pass unnoticed.
    for name in ("pile_lenght", "path", "check", "_records"):
        with pytest.raises(TypeError, match=f"update\\(\\) has no field '{name}'"):
            project.update(pile_length=30.0, **{name: 1.0})
    assert project.input_text() == before


def test_numbers_of_numpy_and_enums_are_taken():
    project = torve.Project.new("SI")
    project.update(pile_length=np.float64(25.5), print_interval=np.int64(2), pile_type=np.int32(3))
    assert (project.pile_length, project.print_interval, project.pile_type) == (25.5, 2, torve.PileType.PRECAST_CONCRETE)
    project.pile_length = 26  # an int is a length
    assert project.pile_length == 26.0


def test_an_error_after_a_change_names_the_field_not_the_file(tmp_path):
    """A project read from a file and changed here: neither the refused assignment nor the refused
    run points into the file, which no longer holds what is refused."""
    text = OFFSHORE.read_text().replace("0 0 20 10 3.0", "0 0 -120 10 3.0")  # su -120 kPa at the top
    path = tmp_path / "soft.tv6d"
    path.write_text(text)
    project = torve.Project.read(str(path))
    with pytest.raises(torve.InputError) as refused:
        project.pile_length = -1.0
    assert (refused.value.file, refused.value.line, refused.value.field) == (None, None, "total pile length")
    assert str(refused.value) == "record 5 (pile section): expected a positive total pile length, found -1."
    project.pile_length = 38.0
    with pytest.raises(torve.InputError) as caught:
        torve.run(project)
    assert (caught.value.file, caught.value.line) == (None, None)
    assert caught.value.field == "undrained shear strength"
    assert "record 10 (soil point 1 of 6, second line): expected an undrained shear strength of 0 or more, " \
           "found -120." in str(caught.value)
    assert str(path) not in str(caught.value) and "line" not in str(caught.value).replace("second line", "")
    # Written again, the file holds what is refused: the run names it once more.
    project.write(str(path))
    with pytest.raises(torve.InputError) as again:
        torve.run(project)
    assert again.value.file == str(path)
