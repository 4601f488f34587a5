"""The Python module against the batch tool it shares its driving with: the same numbers bit for bit, the
same files and the same messages; and what it does with bad arguments, files and threads."""

import json
import locale
import math
import os
import shutil
import signal
import subprocess
import tempfile
import threading
import time
from pathlib import Path

import numpy as np
import pytest

import kelvane

EXAMPLES = Path(os.environ["KELVANE_EXAMPLES"])
SOLVE = os.environ["KELVANE_SOLVE"]
START_UP = EXAMPLES / "01-default-elliptic" / "input.cfg"
TWISTED = EXAMPLES / "04-two-panels-twist-detail" / "input.cfg"
ZERO_TWIST = EXAMPLES / "08-given-cl-zero-twisted" / "input.cfg"
N99 = EXAMPLES / "06-four-panels-N99" / "input.cfg"
NACA0012 = EXAMPLES.parent / "data" / "polars" / "naca0012-re1e6.txt"
FILES = ("PLL.txt", "LastConfig.cfg")
HUGE = 10 ** 400
NUMBERS = ("AlfaK", "CL", "CDi", "E", "AlfE", "CDiE", "EE", "e", "delta")
STATION_VALUES = ("y", "c", "Gamma", "cl", "AlfaE", "AlfaI", "w")

START_UP_MAPPING = {"S": 10, "AR": 10, "b": 10, "cOrt": 1, "planform": "elliptic", "dAlfa": 0,
                    "AszK": 2 * math.pi, "Alfa0K": 0, "AszU": 2 * math.pi, "Alfa0U": 0, "CL": 0, "AlfaK": 10}


def run_tool(args, cwd):
    cwd.mkdir(exist_ok=True)
    return subprocess.run([SOLVE, *map(str, args)], cwd=cwd, capture_output=True, text=True)


def tool_json(args, cwd):
    run = run_tool([*args, "--json"], cwd)
    assert run.returncode == 0, run.stderr
    return json.loads(run.stdout)


def keywords(argv):
    """solve's keywords for kelvane-solve's options (CONFIG and --json left out)."""
    kw = {}
    options = iter(argv)
    for option in options:
        if option == "--stations":
            kw["stations"] = next(options)
        elif option == "--inputs":
            kw["inputs"] = tuple(next(options).split(","))
        elif option == "--clmax":
            kw["clmax"] = tuple(float(value) for value in next(options).split(":"))
        elif option in ("--given-cl", "--detail"):
            kw[option[2:].replace("-", "_")] = True
    return kw


def same_number(python, printed):
    """A JSON null stands for a value that is undefined (None) or not finite (an array's NaN or infinity)."""
    if printed is None:
        return python is None or not math.isfinite(python)
    return python == printed


def assert_same_as_tool(result, printed):
    for name in NUMBERS:
        assert same_number(getattr(result, name), printed[name]), name
    for name in STATION_VALUES + (("clmax",) if "stall" in printed else ()):
        column = [station[name] for station in printed["stations"]]
        assert len(result.stations[name]) == len(column)
        assert all(same_number(python, value) for python, value in zip(result.stations[name], column)), name
    if "stall" not in printed:
        assert result.stall is None and "clmax" not in result.stations
    elif printed["stall"] is None:
        assert result.stall is None
    else:
        assert {key: result.stall[key] for key in printed["stall"]} == printed["stall"]


def assert_identical(first, second):
    for name in NUMBERS:
        assert getattr(first, name) == getattr(second, name), name
    assert first.stations.keys() == second.stations.keys()
    for name, column in first.stations.items():
        assert np.array_equal(column, second.stations[name], equal_nan=True), name
    assert first.stall == second.stall


def cfg_mapping(path):
    """The fields of a written .cfg file, as a mapping."""
    lines = [line.strip() for line in path.read_text().splitlines()]
    mapping = dict(zip(("S", "AR", "cOrt", "b"), map(float, lines[:4])))
    mapping["planform"] = "trapezoid" if lines[5] == "True" else "elliptic"
    rest = lines[6:]
    if mapping["planform"] == "trapezoid":
        panels = int(float(rest[0]))
        pairs = list(map(float, rest[1:1 + 2 * panels]))
        mapping.update(nTrap=panels, ks=pairs[0::2], kc=pairs[1::2])
        rest = rest[1 + 2 * panels:]
    mapping.update(zip(("dAlfa", "AszK", "Alfa0K", "AszU", "Alfa0U", "CL", "AlfaK"), map(float, rest)))
    return mapping


@pytest.mark.parametrize("example", sorted(path.name for path in EXAMPLES.iterdir() if path.is_dir()))
def test_each_worked_example_gives_the_tools_numbers_files_and_messages(example, tmp_path):
    folder = EXAMPLES / example
    argv = [arg for arg in json.loads((folder / "args.json").read_text())["argv"] if arg not in ("--json", "CONFIG")]
    expected = json.loads((folder / "expected.json").read_text())
    workdir = tmp_path / "python"
    workdir.mkdir()

    if "message" in expected:
        with pytest.raises(kelvane.InputError) as refused:
            kelvane.solve(folder / "input.cfg", workdir=workdir, **keywords(argv))
        assert str(refused.value) == expected["message"]
        assert run_tool([*argv, folder / "input.cfg"], tmp_path / "tool").stderr == expected["message"] + "\n"
        return

    result = kelvane.solve(folder / "input.cfg", workdir=workdir, **keywords(argv))
    assert_same_as_tool(result, tool_json([*argv, folder / "input.cfg"], tmp_path / "tool"))
    for name, value in expected["numbers"].items():
        assert getattr(result, name) == pytest.approx(value, rel=1e-9), name
    for name in ("PLL.txt", "LastConfig.cfg"):
        assert (workdir / name).read_bytes() == (folder / name).read_bytes(), name


@pytest.mark.parametrize("clmax, option", [((1.4, 1.2), "1.4:1.2"), (1.3, "1.3"), ((0.05, 0.05), "0.05")])
def test_the_stall_onset_and_section_maxima_are_the_tools(clmax, option, tmp_path):
    result = kelvane.solve(TWISTED, stations=21, clmax=clmax)
    printed = tool_json(["--stations", 21, "--clmax", option, TWISTED], tmp_path)
    assert_same_as_tool(result, printed)
    assert result.stall is not None and result.stall["station"] >= 1


def test_zero_lift_leaves_e_and_delta_undefined(tmp_path):
    mapping = {**cfg_mapping(ZERO_TWIST), "CL": 0}
    result = kelvane.solve(mapping, stations=11, given_cl=True)
    assert result.CL == 0 and result.e is None and result.delta is None
    with open(tmp_path / "zero.cfg", "w") as file:
        file.write(" 10 \r\n 10 \r\n 1 \r\n 10 \r\nTrue\r\nFalse\r\n 0 \r\n 6.28318530717959 \r\n 0 \r\n"
                   " 6.28318530717959 \r\n 0 \r\n 0 \r\n 0 \r\n")
    assert_same_as_tool(kelvane.solve(tmp_path / "zero.cfg", given_cl=True),
                        tool_json(["--given-cl", tmp_path / "zero.cfg"], tmp_path))


@pytest.mark.parametrize("path", [START_UP, TWISTED, EXAMPLES / "06-four-panels-N99" / "input.cfg"])
def test_a_mapping_and_its_cfg_file_give_identical_results(path):
    from_file = kelvane.solve(path, stations=21, clmax=1.2)
    assert_identical(kelvane.solve(cfg_mapping(path), stations=21, clmax=1.2), from_file)


def test_a_project_solves_as_its_wing_and_settings_do_and_keywords_override_them(tmp_path):
    (tmp_path / "polars").mkdir()
    shutil.copy(NACA0012, tmp_path / "polars" / "section.txt")
    design = {"kelvane": 1, "wing": cfg_mapping(TWISTED), "stations": 13, "inputs": ["AR", "b"], "given_cl": True,
              "detail": True, "clmax": [1.4, 1.2], "polar": "polars/section.txt", "rho": 1.1,
              "flaps": [[0.5, 2, 0.25, 10]]}
    project = tmp_path / "design.kelvane"
    project.write_text(json.dumps(design))
    settings = {"inputs": ("AR", "b"), "given_cl": True, "rho": 1.1, "flaps": [(0.5, 2, 0.25, 10)]}

    def assert_same(first, second):
        for name in first.__slots__:
            mine, theirs = getattr(first, name), getattr(second, name)
            if isinstance(mine, dict):
                assert mine.keys() == theirs.keys() and all(np.array_equal(mine[key], theirs[key]) for key in mine)
            else:
                assert mine == theirs, name

    assert_same(kelvane.solve(project), kelvane.solve(TWISTED, stations=13, polar=NACA0012, **settings))
    assert_same(kelvane.solve(project, polar=None, stations=9, workdir=tmp_path),
                kelvane.solve(TWISTED, stations=9, detail=True, clmax=(1.4, 1.2), **settings))


def test_the_start_up_wing_as_a_mapping_is_the_tools_start_up_wing(tmp_path):
    assert_same_as_tool(kelvane.solve(START_UP_MAPPING), tool_json([START_UP], tmp_path))


def test_a_sweep_has_the_tools_points_and_values(tmp_path):
    polar = kelvane.sweep(TWISTED, 0, 8, 2, stations=21)
    run = run_tool(["--stations", 21, "--sweep", "0:8:2", TWISTED], tmp_path)
    header, *rows = run.stdout.splitlines()
    assert list(polar) == header.split(",")
    assert list(polar["AlfaK"]) == [0, 2, 4, 6, 8]
    for k, row in enumerate(rows):
        cells = [float(cell) if cell else math.nan for cell in row.split(",")]
        assert [polar[name][k] for name in polar] == cells
    # Each point is the solution at that root angle.
    at_four = kelvane.solve({**cfg_mapping(TWISTED), "AlfaK": 4}, stations=21)
    assert [polar[name][2] for name in NUMBERS[:8]] == [getattr(at_four, name) for name in NUMBERS[:8]]


def test_a_given_cl_sweep_through_zero_lift_has_nan_for_e(tmp_path):
    polar = kelvane.sweep(ZERO_TWIST, -0.2, 0.2, 0.1, stations=11, given_cl=True)
    run = run_tool(["--stations", 11, "--given-cl", "--sweep", "-0.2:0.2:0.1", ZERO_TWIST], tmp_path)
    assert len(polar["CL"]) == len(run.stdout.splitlines()) - 1 == 5
    assert polar["CL"][2] == 0 and math.isnan(polar["e"][2])
    assert run.stdout.splitlines()[3].endswith(",")
    assert not np.isnan(np.delete(polar["e"], 2)).any()


def test_an_even_station_count_raises_input_error_with_the_windows_message():
    message = json.loads((EXAMPLES / "10-reject-even-stations" / "expected.json").read_text())["message"]
    with pytest.raises(ValueError) as refused:
        kelvane.solve(START_UP, stations=16)
    assert type(refused.value) is kelvane.InputError
    assert str(refused.value) == message
    with pytest.raises(kelvane.InputError, match="ÇİFT SAYI"):
        kelvane.sweep(START_UP, 0, 1, 1, stations=16)


def test_a_missing_file_is_the_windows_message_with_a_name_that_is_not_utf8_escaped(tmp_path):
    with pytest.raises(kelvane.InputError, match="nosuch.cfg dosyası okunamadı"):
        kelvane.solve(tmp_path / "nosuch.cfg")
    with pytest.raises(kelvane.InputError) as refused:
        kelvane.solve(os.fsencode(tmp_path) + b"/\xff.cfg")
    assert "/\\xFF.cfg dosyası okunamadı: " in str(refused.value)


@pytest.mark.parametrize("call, error, text", [
    (lambda: kelvane.solve(42), TypeError, "config must be the path"),
    (lambda: kelvane.solve(""), ValueError, "config is an empty path"),
    (lambda: kelvane.solve(START_UP, stations=15.0), TypeError, "stations"),
    (lambda: kelvane.solve(START_UP, inputs="S,AR"), TypeError, "inputs"),
    (lambda: kelvane.solve(START_UP, inputs=("S", "Q")), ValueError, "'Q'"),
    (lambda: kelvane.solve(START_UP, given_cl=1), TypeError, "given_cl"),
    (lambda: kelvane.solve(START_UP, clmax=-1), ValueError, "positive"),
    (lambda: kelvane.solve(START_UP, clmax=(1, 2, 3)), ValueError, "pair"),
    (lambda: kelvane.solve(START_UP, clmax="1.4"), TypeError, "clmax"),
    (lambda: kelvane.solve(START_UP, workdir="/nonexistent/folder"), ValueError, "not a folder"),
    (lambda: kelvane.solve({k: v for k, v in START_UP_MAPPING.items() if k != "AR"}), ValueError, "lacks AR"),
    (lambda: kelvane.solve({**START_UP_MAPPING, "Ar": 8}), ValueError, "'Ar'"),
    (lambda: kelvane.solve({**START_UP_MAPPING, "AR": math.nan}), ValueError, "AR must be a finite"),
    (lambda: kelvane.solve({**START_UP_MAPPING, "AR": "8"}), TypeError, "AR must be a number"),
    (lambda: kelvane.solve({**START_UP_MAPPING, "planform": "round"}), ValueError, "planform"),
    (lambda: kelvane.solve({**START_UP_MAPPING, "planform": "trapezoid"}), ValueError, "ks and kc"),
    (lambda: kelvane.solve({**START_UP_MAPPING, "planform": "trapezoid", "ks": [1] * 5, "kc": [1] * 5}),
     ValueError, "1 to 4 panels"),
    (lambda: kelvane.solve({**START_UP_MAPPING, "planform": "trapezoid", "nTrap": 2, "ks": [1], "kc": [1]}),
     ValueError, "nTrap"),
    (lambda: kelvane.sweep(START_UP, 0, 1, 0), ValueError, "step must be positive"),
    (lambda: kelvane.sweep(START_UP, 1, 0, 1), ValueError, "no point: stop is before start"),
    (lambda: kelvane.sweep(START_UP, 0, 1, 1e-6), ValueError, "more than 10000"),
    (lambda: kelvane.sweep(START_UP, 0, math.inf, 1), ValueError, "stop must be a finite"),
    (lambda: kelvane.sweep(START_UP, 0, 1, 1, clmax=1), TypeError, "clmax"),
    # Like open(), a NUL byte in a path is an error rather than the path's end.
    (lambda: kelvane.solve(str(START_UP) + "\x00junk"), ValueError, "config has an embedded null byte"),
    (lambda: kelvane.solve(START_UP, workdir=b"/tmp\x00"), ValueError, "workdir has an embedded null byte"),
    (lambda: kelvane.solve(START_UP, polar=(NACA0012, "x\x00")), ValueError, "polar's tip has an embedded null"),
    (lambda: kelvane.read_polar(str(NACA0012) + "\x00"), ValueError, "path has an embedded null byte"),
    (lambda: kelvane.sweep(START_UP, HUGE, 1, 1), OverflowError, "start is too large"),
    (lambda: kelvane.solve(START_UP, clmax=(1, HUGE)), OverflowError, "clmax's tip is too large"),
    (lambda: kelvane.solve({**START_UP_MAPPING, "AR": HUGE}), OverflowError, "AR is too large"),
    (lambda: kelvane.solve(START_UP, flaps=[(0, 1, 0.2, HUGE)]), OverflowError, "flap 1's delta is too large"),
    (lambda: kelvane.solve(START_UP, stations=10 ** 5000), OverflowError, "stations is too large"),
    (lambda: kelvane.solve(START_UP, rho="1.2"), TypeError, "rho must be a number"),
    (lambda: kelvane.solve(START_UP, flaps=(0, 1, 0.2, 5)), TypeError, "flap 1 must be a sequence"),
    (lambda: kelvane.solve(START_UP, flaps=[(0, 1, 0.2)]), ValueError, "flap 1 takes .y1, y2, E, delta., not 3"),
    (lambda: kelvane.solve(START_UP, flaps=[(0, 1, "E", 5)]), TypeError, "flap 1's E must be a number"),
    (lambda: kelvane.solve(START_UP, find_clmax=True), ValueError, "give polar as well"),
    (lambda: kelvane.solve(START_UP, polar=NACA0012, detail=True, workdir="."), ValueError, "detail and workdir"),
    (lambda: kelvane.sweep(START_UP, 0, 1, 1, polar=NACA0012, workdir="."), ValueError, "workdir belong"),
    (lambda: kelvane.solve(START_UP, polar=(NACA0012,) * 3), ValueError, "pair, not 3"),
    (lambda: kelvane.solve(START_UP, polar=12), TypeError, "polar must be a sequence"),
    (lambda: kelvane.polar(NACA0012, refresh=1), TypeError, "refresh must be True or False"),
    (lambda: kelvane.polar((NACA0012, NACA0012)), TypeError, "name must be the path of a polar file, or an XFoil"),
])
def test_a_bad_argument_is_a_type_or_value_error_that_says_what_is_wrong(call, error, text):
    with pytest.raises(error, match=text) as raised:
        call()
    assert not isinstance(raised.value, kelvane.InputError)


def test_no_files_are_left_behind_without_workdir_nor_by_a_polar_run(tmp_path, monkeypatch):
    private = tmp_path / "tmp"
    private.mkdir()
    monkeypatch.setattr(tempfile, "tempdir", str(private))
    monkeypatch.chdir(tmp_path)
    kelvane.solve(START_UP, detail=True)
    kelvane.solve(START_UP_MAPPING, clmax=1.2)
    kelvane.sweep(TWISTED, 0, 2, 1)
    kelvane.solve(START_UP, polar=NACA0012)
    kelvane.sweep(TWISTED, 0, 2, 1, polar=NACA0012)
    with pytest.raises(kelvane.InputError):
        kelvane.solve(START_UP_MAPPING, stations=4)
    assert list(tmp_path.iterdir()) == [private]
    assert list(private.iterdir()) == []


def test_calls_from_several_threads_each_give_their_own_numbers():
    expected = {path: kelvane.solve(path, stations=21) for path in (START_UP, TWISTED)}
    results, failures = [], []

    def solve_many(path):
        try:
            results.extend((path, kelvane.solve(path, stations=21)) for _ in range(5))
        except Exception as error:  # a failure in a thread would otherwise pass unseen
            failures.append(error)

    threads = [threading.Thread(target=solve_many, args=(path,)) for path in (START_UP, TWISTED) * 2]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert failures == [] and len(results) == 20
    for path, result in results:
        assert_identical(result, expected[path])


def test_numbers_do_not_depend_on_the_process_locale(tmp_path, monkeypatch):
    if shutil.which("localedef") is None:
        pytest.skip("localedef is not installed")
    built = subprocess.run(["localedef", "-i", "tr_TR", "-f", "UTF-8", tmp_path / "tr_TR.UTF-8"], capture_output=True)
    if not (tmp_path / "tr_TR.UTF-8" / "LC_NUMERIC").exists():
        pytest.skip(f"localedef could not build tr_TR.UTF-8: {built.stderr!r}")
    in_c_locale = kelvane.solve(TWISTED, stations=21, clmax=1.3)
    monkeypatch.setenv("LOCPATH", str(tmp_path))
    saved = locale.setlocale(locale.LC_ALL)
    try:
        locale.setlocale(locale.LC_ALL, "tr_TR.UTF-8")
        assert locale.localeconv()["decimal_point"] == ","
        in_turkish = kelvane.solve(TWISTED, stations=21, clmax=1.3)
        polar = kelvane.sweep(TWISTED, 0.5, 1.5, 0.5, stations=21)
    finally:
        locale.setlocale(locale.LC_ALL, saved)
    assert_identical(in_turkish, in_c_locale)
    assert list(polar["AlfaK"]) == [0.5, 1.0, 1.5]


def test_version_and_repr(tmp_path):
    assert run_tool(["--version"], tmp_path).stdout == f"kelvane-solve {kelvane.__version__}\n"
    text = repr(kelvane.solve(START_UP, clmax=1.2))
    assert text.startswith("kelvane.Result(AlfaK=10, CL=0.913852, CDi=0.0265829")
    assert "stations=<15 stations: y, c, Gamma, cl, AlfaE, AlfaI, w, clmax>" in text
    assert "stall={AlfaK: " in text


def test_numpy_bools_are_flags():
    flags = {"given_cl": True, "detail": True}
    assert_identical(kelvane.solve(TWISTED, **{name: np.bool_(value) for name, value in flags.items()}),
                     kelvane.solve(TWISTED, **flags))
    assert kelvane.solve(START_UP, polar=NACA0012, find_clmax=np.bool_(True), refresh_polars=np.False_).CLmax


def in_child(test, user=None):
    """The exit status of test() run in a forked child, as the user if given: 1 for an exception, -14 (the
    alarm's signal) for a child that hangs."""
    pid = os.fork()
    if pid == 0:
        status = 1
        try:
            signal.alarm(20)
            if user is not None:
                os.setgid(user)
                os.setuid(user)
            status = test()
        finally:
            os._exit(status)
    return os.waitstatus_to_exitcode(os.waitpid(pid, 0)[1])


def test_an_unwritable_workdir_is_a_permission_error():
    folder = tempfile.mkdtemp()
    os.chmod(folder, 0o555)

    def solve_there():
        try:
            kelvane.solve(START_UP_MAPPING, workdir=folder)
        except PermissionError as error:
            return 0 if error.filename == folder else 2
        return 3

    try:  # root writes anywhere: the call is made by another user then
        assert in_child(solve_there, user=65534 if os.geteuid() == 0 else None) == 0
    finally:
        os.rmdir(folder)


def test_a_fork_while_another_thread_sweeps_leaves_a_child_that_solves_in_the_same_folder(tmp_path):
    sweeping = threading.Thread(target=kelvane.sweep, args=(N99, 0, 999, 1),
                                kwargs={"stations": 99, "detail": True, "workdir": tmp_path})
    sweeping.start()
    time.sleep(0.2)
    assert sweeping.is_alive()
    # Without a fork that waits for the sweep, the child would inherit its lock on the folder and wait for it.
    status = in_child(lambda: 0 if kelvane.solve(START_UP, workdir=tmp_path).CL > 0 else 1)
    sweeping.join()
    assert status == 0
    started = time.monotonic()
    kelvane.solve(START_UP, workdir=tmp_path)
    assert time.monotonic() - started < 5


def test_an_interrupted_sweep_leaves_the_earlier_files(tmp_path):
    kelvane.solve(TWISTED, workdir=tmp_path, detail=True)
    before = {name: (tmp_path / name).read_bytes() for name in FILES}

    def interrupt(signum, frame):
        raise KeyboardInterrupt

    previous = signal.signal(signal.SIGALRM, interrupt)
    try:
        signal.setitimer(signal.ITIMER_REAL, 0.3)
        with pytest.raises(KeyboardInterrupt):
            kelvane.sweep(N99, 0, 9999, 1, stations=99, detail=True, workdir=tmp_path)
    finally:
        signal.setitimer(signal.ITIMER_REAL, 0)
        signal.signal(signal.SIGALRM, previous)
    assert {name: (tmp_path / name).read_bytes() for name in FILES} == before
    assert sorted(path.name for path in tmp_path.iterdir()) == [".kelvane-solve.lock", *sorted(FILES)]
