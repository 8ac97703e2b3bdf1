"""The list fields of a project (soil points, t-z print depths, sections, CPT points): a change in
place changes the project or raises; it never goes into a copy that is thrown away."""

import pytest

import torve


def soil_of(project):
    """The soil points as the file holds them, read back from the text the project writes."""
    return [(p.depth, p.su) for p in project.soil_points]


def written_and_read(project, tmp_path):
    path = tmp_path / "p.tv6d"
    project.write(str(path))
    return torve.Project.read(str(path))


def test_a_field_of_a_soil_point_changes_the_project(tmp_path):
    project = torve.Project.new("SI")  # sand from 0 to 30 m
    project.soil_points[0].su = 456.0
    assert project.soil_points[0].su == 456.0
    assert written_and_read(project, tmp_path).soil_points[0].su == 456.0
    point = project.soil_points[1]
    point.depth = 35.0  # a point held on to is still the project's
    assert project.soil_points[1].depth == 35.0
    # A depth above the point above is refused and leaves the point as it was.
    with pytest.raises(torve.InputError, match="expected a depth of 0 or more, found -1"):
        point.depth = -1.0
    assert project.soil_points[1].depth == 35.0


def test_points_of_their_own_change_no_project():
    project = torve.Project.new("SI")
    detached = project.soil_points[0].copy()
    detached.su = 99.0
    listed = project.soil_points.copy()
    listed[1].depth = 50.0
    assert soil_of(project) == [(0.0, 0.0), (30.0, 0.0)]
    assert torve.SoilPoint(depth=3.0, su=7.0).su == 7.0
    assert torve.SoilPoint().lrfd_friction == 1.0  # a factor absent is 1


@pytest.mark.parametrize("change, expected", [
    # (depth, su) of the points of Project.new("SI"): 0 and 30 m; a clay point of su 10 at 40 m added.
    (lambda pts: pts.append(torve.SoilPoint(depth=40.0, soil_type=2, su=10.0, unit_weight=8.0)),
     [(0.0, 0.0), (30.0, 0.0), (40.0, 10.0)]),
    (lambda pts: pts.insert(1, pts[0]), [(0.0, 0.0), (0.0, 0.0), (30.0, 0.0)]),
    (lambda pts: (pts.append(pts[1].copy()), pts.__delitem__(0)), [(30.0, 0.0), (30.0, 0.0)]),
    (lambda pts: pts.__setitem__(0, torve.SoilPoint(depth=1.0, unit_weight=9.0)), [(1.0, 0.0), (30.0, 0.0)]),
    (lambda pts: pts.extend([pts[1].copy(), pts[1].copy()]), [(0.0, 0.0), (30.0, 0.0), (30.0, 0.0), (30.0, 0.0)]),
])
def test_a_change_of_the_soil_list_changes_the_project(change, expected):
    project = torve.Project.new("SI")
    change(project.soil_points)
    assert soil_of(project) == expected


def test_a_refused_change_of_the_soil_list_leaves_it():
    project = torve.Project.new("SI")
    points = project.soil_points
    with pytest.raises(torve.InputError, match="a depth of at least 30"):
        points.append(torve.SoilPoint(depth=10.0, unit_weight=9.0))  # above the point above
    with pytest.raises(torve.InputError):
        points.extend([torve.SoilPoint(depth=40.0, unit_weight=9.0), torve.SoilPoint(depth=35.0, unit_weight=9.0)])
    assert soil_of(project) == [(0.0, 0.0), (30.0, 0.0)], "none of a refused extend stays"
    with pytest.raises(torve.InputError, match="expected from 2 to 80 soil points"):
        del points[0]
    points.append(points[1])
    held = points[2]
    del points[2]
    with pytest.raises(IndexError, match="soil point 3 is no longer in the project: it has 2 soil points now"):
        held.su = 1.0


def test_points_of_one_project_assigned_to_another_are_copied():
    a, b = torve.Project.new("SI"), torve.Project.new("SI")
    a.soil_points[1].depth = 40.0
    b.soil_points = a.soil_points
    a.soil_points[1].depth = 45.0
    assert b.soil_points[1].depth == 40.0
    # Two points swapped in one assignment: both are read before either is written.
    a.soil_points[0].su = 5.0
    a.soil_points[1].depth = 0.0
    a.soil_points = [a.soil_points[1], a.soil_points[0]]
    assert soil_of(a) == [(0.0, 0.0), (0.0, 5.0)]


@pytest.mark.parametrize("field, start, change, expected", [
    ("tz_print_depths", [5.0], lambda v: v.append(10.0), [5.0, 10.0]),
    ("tz_print_depths", [5.0, 10.0], lambda v: v.__setitem__(1, 12.0), [5.0, 12.0]),
    ("tz_print_depths", [5.0, 10.0], lambda v: v.__delitem__(0), [10.0]),
    ("sections", [(0.0, 0.02)], lambda v: v.append((10.0, 0.03)), [(0.0, 0.02), (10.0, 0.03)]),
    ("sections", [(0.0, 0.02), (10.0, 0.03)], lambda v: v.__setitem__(0, (0.0, 0.025)), [(0.0, 0.025), (10.0, 0.03)]),
    ("cpt_points", [(0.0, 0.0)], lambda v: v.append((20.0, 5000.0)), [(0.0, 0.0), (20.0, 5000.0)]),
    ("cpt_points", [(0.0, 0.0), (20.0, 5000.0)], lambda v: v.pop(), [(0.0, 0.0)]),
])
def test_a_change_of_a_number_list_changes_the_project(field, start, change, expected, tmp_path):
    project = torve.Project.new("SI")
    if field == "sections":
        # Rows are taken, and written, with mode 2 only, which needs rows: both together.
        project.update(sections=start, section_mode=torve.SectionMode.VARYING_WITH_DEPTH)
    else:
        setattr(project, field, start)
    change(getattr(project, field))
    assert getattr(project, field) == expected
    assert getattr(written_and_read(project, tmp_path), field) == expected


def test_in_place_addition_assigns_once():
    project = torve.Project.new("SI")
    project.tz_print_depths = [5.0]
    project.tz_print_depths += [10.0, 15.0]
    assert project.tz_print_depths == [5.0, 10.0, 15.0]
    with pytest.raises(torve.InputError):
        project.cpt_points = [(0.0, 0.0)]
        project.cpt_points += [(5.0, 1.0), (1.0, 1.0)]  # depths going upwards
    assert project.cpt_points == [(0.0, 0.0)]
    copy = project.tz_print_depths.copy()
    copy.append(20.0)
    assert project.tz_print_depths == [5.0, 10.0, 15.0]
