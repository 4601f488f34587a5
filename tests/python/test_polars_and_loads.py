"""The module's section polars (files and XFoil's), loads and flaps: each value where the engine puts it,
the polars' arrays, and the refusals with the engine's words."""

import math
import os
import shutil
from pathlib import Path

import numpy as np
import pytest

import kelvane

EXAMPLES = Path(os.environ["KELVANE_EXAMPLES"])
POLARS = EXAMPLES.parent / "data" / "polars"
NACA2412 = POLARS / "naca2412-re1e6.txt"
TWISTED = EXAMPLES / "04-two-panels-twist-detail" / "input.cfg"
# Semi-span 5 m.
WING = {"S": 10, "AR": 10, "b": 10, "cOrt": 1, "planform": "elliptic", "dAlfa": 0, "AszK": 6.1, "Alfa0K": -2,
        "AszU": 6.1, "Alfa0U": -2, "CL": 0.5, "AlfaK": 4}


def test_a_polar_solution_hands_over_every_value_where_the_engine_puts_it():
    result = kelvane.solve(TWISTED, stations=21, polar=NACA2412, find_clmax=True, rho=1.0)
    assert isinstance(result, kelvane.PolarResult)
    assert result.CD == result.CDi + result.CDp and result.LD == result.CL / result.CD
    assert result.residual <= 1e-12 and result.iterations > 0 and 0 < result.e < 1
    assert result.D == result.Di + result.Dp
    assert list(result.stations) == ["y", "cl", "cd", "AlfaE", "stalled"]
    assert result.stations["stalled"].dtype == bool and not result.stations["stalled"].any()
    assert list(result.loads) == ["y", "l", "Q", "M", "Q0", "M0"]
    assert np.array_equal(result.loads["y"], result.stations["y"]) and result.stations["y"][-1] == 0
    assert result.loads["Q0"] == pytest.approx(result.L / 2, rel=1e-12)
    assert result.CLmax.keys() == {"AlfaK", "CL"} and result.CLmax["CL"] > result.CL

    # The root/tip pair of one file is that file; the sweep's point is the solution at its angle.
    pair = kelvane.solve(TWISTED, stations=21, polar=(NACA2412, str(NACA2412)), rho=1.0)
    assert (pair.CL, pair.CD, pair.L) == (result.CL, result.CD, result.L) and pair.CLmax is None
    polar = kelvane.sweep(TWISTED, 0, 10, 5, stations=21, polar=NACA2412)
    assert list(polar) == ["AlfaK", "CL", "CDi", "CDp", "CD", "LD", "e", "solved", "message"]
    assert polar["CL"][1] == pytest.approx(result.CL, rel=1e-10)
    assert polar["solved"].all() and polar["message"] == [None] * 3


def test_a_polar_sweep_goes_on_past_refused_points_and_says_why():
    polar = kelvane.sweep(TWISTED, 15, 35, 5, stations=21, polar=NACA2412)
    assert list(polar["solved"]) == [True, False, False, False, False]
    assert polar["AlfaK"][0] == pytest.approx(15, rel=1e-15) and list(polar["AlfaK"][1:]) == [20, 25, 30, 35]
    assert np.isnan(polar["CL"][1:]).all() and np.isnan(polar["e"][1:]).all()
    assert "20°" in polar["message"][1] and all(polar["message"][1:])
    given = kelvane.sweep(TWISTED, 0.5, 2.5, 1, stations=21, given_cl=True, polar=NACA2412)
    assert list(given["solved"]) == [True, False, False] and list(given["CL"][1:]) == [1.5, 2.5]
    assert given["CL"][0] == pytest.approx(0.5, rel=1e-12) and "CLmax" in given["message"][1]


def test_given_cl_with_polars_solves_for_the_configurations_cl():
    result = kelvane.solve({**WING, "CL": 0.8}, given_cl=True, polar=NACA2412)
    assert result.CL == pytest.approx(0.8, rel=1e-12)
    with pytest.raises(kelvane.InputError, match="CLmax"):
        kelvane.solve({**WING, "CL": 3}, given_cl=True, polar=NACA2412)


def test_read_polar_and_polar_give_the_files_rows(tmp_path, monkeypatch):
    rows = np.loadtxt(NACA2412, skiprows=12, usecols=(0, 1, 2))  # XFoil's rows, after the dashes
    rows = rows[np.argsort(rows[:, 0])]
    read = kelvane.read_polar(NACA2412)
    assert list(read) == ["alpha", "cl", "cd"]
    assert np.array_equal(np.column_stack([read["alpha"], read["cl"], read["cd"]]), rows)
    # A request the cache holds is served without XFoil, which is not on PATH; a refresh must run it.
    cache = tmp_path / "kelvane" / "polars"
    cache.mkdir(parents=True)
    shutil.copy(NACA2412, cache / "naca2412-re1e6.txt")
    monkeypatch.setenv("XDG_CACHE_HOME", str(tmp_path))
    monkeypatch.setenv("PATH", str(tmp_path))
    for name in ("naca2412@1e6", NACA2412):
        assert all(np.array_equal(read[key], column) for key, column in kelvane.polar(name).items())
    with pytest.raises(kelvane.InputError, match="apt install xfoil"):
        kelvane.polar("naca2412@1e6", refresh=True)
    with pytest.raises(kelvane.InputError, match="apt install xfoil"):
        kelvane.solve(WING, polar="naca2412@1e6", refresh_polars=True)


def test_xfoils_polar_is_the_shipped_one_and_is_kept(tmp_path, monkeypatch, capsys):
    if shutil.which("xfoil") is None:
        pytest.skip("xfoil is not installed")
    monkeypatch.setenv("XDG_CACHE_HOME", str(tmp_path))
    computed = kelvane.solve(TWISTED, stations=21, polar="naca4412@3e5")
    assert "XFoil is computing the polar of NACA 4412 at Re = 3e5" in capsys.readouterr().err
    assert (tmp_path / "kelvane/polars/naca4412-re3e5.txt").read_bytes() == (POLARS / "naca4412-re3e5.txt").read_bytes()
    shipped = kelvane.solve(TWISTED, stations=21, polar=POLARS / "naca4412-re3e5.txt")
    assert (computed.CL, computed.CD, computed.iterations) == (shipped.CL, shipped.CD, shipped.iterations)
    kelvane.solve(TWISTED, stations=21, polar="naca4412@3e5")
    assert capsys.readouterr().err == ""


def flap_effectiveness(E):
    theta = math.acos(2 * E - 1)
    return 1 - (theta - math.sin(theta)) / math.pi


@pytest.mark.parametrize("polar", [None, NACA2412])
def test_a_full_span_flap_lowers_the_zero_lift_angle_by_tau_delta(polar):
    shift = flap_effectiveness(0.25) * 10
    assert flap_effectiveness(0.25) == pytest.approx(0.6089977810442293)
    flapped = kelvane.solve(WING, flaps=[(0, 5, 0.25, 10)], polar=polar)
    if polar is None:
        shifted = kelvane.solve({**WING, "Alfa0K": -2 - shift, "Alfa0U": -2 - shift})
        assert flapped.CL == pytest.approx(shifted.CL, rel=1e-9)
    else:
        assert flapped.CL == pytest.approx(kelvane.solve({**WING, "AlfaK": 4 + shift}, polar=polar).CL, rel=1e-9)
    half = kelvane.sweep(WING, 4, 4, 1, flaps=[[2.5, 5, 0.25, 10]], polar=polar)
    assert kelvane.solve(WING, polar=polar).CL < half["CL"][0] < flapped.CL


def test_loads_scale_with_the_air_density():
    standard, doubled = kelvane.solve(WING), kelvane.solve(WING, rho=2 * 1.225)
    assert standard.L == pytest.approx(0.5 * 1.225 * 10 * standard.CL, rel=1e-12)  # at Voo = 1 m/s
    assert np.allclose([doubled.L, doubled.loads["M0"], *doubled.loads["Q"]],
                       [2 * standard.L, 2 * standard.loads["M0"], *(2 * standard.loads["Q"])], rtol=1e-12, atol=0)


@pytest.mark.parametrize("keywords, message", [
    ({"rho": 0}, "Hava yoğunluğu ρ sıfırdan büyük"),
    ({"rho": math.nan}, "Hava yoğunluğu ρ sıfırdan büyük"),
    ({"flaps": [(0, 2, 1.5, 10)]}, r"Flap 1: veter oranı E 0 ile 1 arasında olmalıdır \(E = 1.5\)"),
    ({"flaps": [(0, 2, 0.25, math.inf)]}, "Flap 1: değerler sonlu sayılar olmalıdır"),
    ({"flaps": [(0, 1, 0.25, 0), (3, 6, 0.25, 10)]}, "Flap 2: y2 yarı-açıklıktan büyük olamaz"),
    ({"flaps": [(0, 2, 0.25, 10), (2, 3, 0.25, 10)]}, "Flap 1 ile Flap 2 örtüşüyor"),
    ({"flaps": [(0, 1, 0.25, 5)] * 5}, r"En çok 4 flap tanımlanabilir \(5 flap verildi\)"),
    ({"polar": "naca2412@1e3"}, "Reynolds sayısı"),
    ({"polar": POLARS / "nosuch.txt"}, "nosuch.txt"),
])
def test_bad_values_are_refused_with_the_engines_message(keywords, message):
    with pytest.raises(kelvane.InputError, match=message):
        kelvane.solve(WING, **keywords)
