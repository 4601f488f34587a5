"""Kelvane's lifting-line wing solver, for scripts and notebooks.

    >>> import kelvane
    >>> result = kelvane.solve("wing.cfg", stations=21)
    >>> result.CL, result.stations["cl"]
    >>> polar = kelvane.sweep("wing.cfg", 0, 10, 1)

Every call runs the same engine as the batch tool kelvane-solve, in the same order, so its numbers are
the tool's ``--json`` numbers bit for bit. Each call works on a record of its own; calls that share a
``workdir`` take turns on its files, as kelvane-solve runs in one folder do.
"""

import math
import numbers
import os
import tempfile
from collections.abc import Iterable, Mapping

from . import _kelvane

__version__ = _kelvane.__version__
__all__ = ["InputError", "Result", "solve", "sweep", "__version__"]


class InputError(ValueError):
    """The program refused the input; the text is the message the window would show."""


_PLANFORM_INPUTS = ("S", "AR", "b", "cOrt")
_PLANFORMS = ("elliptic", "trapezoid")
_PANEL_FIELDS = ("nTrap", "ks", "kc")
_CONFIG_FIELDS = (*_kelvane.CONFIG_NUMBERS, "planform", *_PANEL_FIELDS)
_SWEEP_MESSAGES = (
    "the sweep's step must be positive, not {step!r}",
    "a sweep from {start!r} to {stop!r} by {step!r} has no point: stop is before start",
    "a sweep from {start!r} to {stop!r} by {step!r} has more than {most} points",
)


def _quantity_lines(quantities):
    return "\n".join(f"    {name:<7} {title}" + (f" ({unit})" if unit else "") for name, title, unit in quantities)


class Result:
    """One solved operating point: the wing's values, its equivalent elliptic wing's, the span efficiency
    ``e`` and ``delta`` (None at zero lift), the spanwise ``stations`` as numpy arrays from the station
    next to the tip to the root, and the ``stall`` onset: the root angle ``AlfaK`` and wing ``CL`` at which
    the first station reaches its clmax, its position ``y`` and index ``station`` (None without ``clmax``,
    or when no station's lift grows with the root angle)."""

    _NUMBERS = (*(name for name, _, _ in _kelvane.POINT_QUANTITIES), "e", "delta")
    __slots__ = (*_NUMBERS, "stations", "stall")

    def __init__(self, values):
        for name in self.__slots__:
            setattr(self, name, values[name])

    def __repr__(self):
        def number(value):
            return "None" if value is None else format(value, ".6g")

        scalars = ", ".join(f"{name}={number(getattr(self, name))}" for name in self._NUMBERS)
        count = len(self.stations["y"])
        stall = "None" if self.stall is None else "{" + ", ".join(
            f"{key}: {number(value)}" for key, value in self.stall.items()) + "}"
        return f"kelvane.Result({scalars}, stations=<{count} stations: {', '.join(self.stations)}>, stall={stall})"


Result.__doc__ += ("\n\nThe wing's values:\n" + _quantity_lines(_kelvane.POINT_QUANTITIES) +
                   "\n\nThe arrays of ``stations``:\n" + _quantity_lines(_kelvane.STATION_QUANTITIES))


def solve(config, *, stations=15, inputs=("S", "AR"), given_cl=False, detail=False, clmax=None, workdir=None):
    """Solves one wing at its configuration's operating point, as ``kelvane-solve --json`` does.

    config    the path of a ".cfg" file, or a mapping of its fields: S, AR, b, cOrt, planform
              ("elliptic" or "trapezoid"), AszK, Alfa0K, AszU, Alfa0U, dAlfa, CL, AlfaK, and for a
              trapezoid ks and kc (one value per panel, 1 to 4 panels; nTrap, if given, must agree)
    stations  the station count on one half of the wing (odd, 3 to 99), or the station box's text as
              ``kelvane-solve --stations`` takes it
    inputs    the planform parameters taken as given, two of S, AR, b and cOrt
    given_cl  solve for the root angle that gives the configuration's CL
    detail    write the detailed tables to "PLL.txt"
    clmax     the sections' maximum lift, one number or (root, tip): adds stations["clmax"] and the stall
    workdir   the folder for "PLL.txt" and "LastConfig.cfg"; by default a private one, removed afterwards

    Raises InputError with the window's message when the program refuses the input.
    """
    session = _session_arguments(stations, inputs, given_cl, detail)
    max_lift = _max_lift(clmax)
    values = _run(config, workdir, session, lambda: _kelvane.solve(session, max_lift))
    return Result(values)


def sweep(config, start, stop, step, *, stations=15, inputs=("S", "AR"), given_cl=False, detail=False,
          workdir=None):
    """Solves the wing at every root angle (or CL with given_cl) from start to stop by step, the points of
    ``kelvane-solve --sweep``, and returns the polar: a dict of numpy arrays AlfaK, CL, CDi, E, AlfE,
    CDiE, EE and e (NaN where e is undefined, at zero lift). The keywords are those of solve."""
    start, stop, step = (_real(name, value) for name, value in (("start", start), ("stop", stop), ("step", step)))
    messages = (text.format(start=start, stop=stop, step=step, most=_kelvane.MAX_SWEEP_POINTS)
                for text in _SWEEP_MESSAGES)
    points, fault = _kelvane.make_sweep(start, stop, step, _kelvane.SweepMessages(*messages))
    if fault is not None:
        raise ValueError(fault)
    session = _session_arguments(stations, inputs, given_cl, detail)
    return _run(config, workdir, session, lambda: _kelvane.sweep(session, points))


def _run(config, workdir, session, call):
    """Puts the configuration (its file or its wing) and the output folder into the session and calls."""
    output = None if workdir is None else _folder(workdir)
    if isinstance(config, Mapping):
        _use_mapping(session, config)
    else:
        session.config = _path(config)
    with tempfile.TemporaryDirectory(prefix="kelvane-") as private:
        session.output_folder = os.fsencode(private) if output is None else output
        message, values = call()
    if message is not None:
        raise InputError(message)
    return values


def _session_arguments(stations, inputs, given_cl, detail):
    session = _kelvane.SessionArguments()
    session.stations = _station_count(stations)
    session.inputs = _ticks(inputs)
    session.given_cl = _flag("given_cl", given_cl)
    session.detail = _flag("detail", detail)
    return session


def _real(name, value):
    if isinstance(value, bool) or not isinstance(value, numbers.Real):
        raise TypeError(f"{name} must be a number, not {type(value).__name__}")
    value = float(value)
    if not math.isfinite(value):
        raise ValueError(f"{name} must be a finite number, not {value!r}")
    return value


def _flag(name, value):
    if not isinstance(value, bool):
        raise TypeError(f"{name} must be True or False, not {value!r}")
    return value


def _sequence(name, value, example):
    if isinstance(value, (str, bytes)) or not isinstance(value, Iterable):
        raise TypeError(f"{name} must be a sequence such as {example}, not {type(value).__name__}")
    return list(value)


def _station_count(value):
    """The text for the station box; the program itself judges the count."""
    if isinstance(value, str):
        return value
    if isinstance(value, bool) or not isinstance(value, numbers.Integral):
        raise TypeError(f"stations must be a whole number such as 15, not {value!r}")
    return str(int(value))


def _ticks(inputs):
    names = _sequence("inputs", inputs, "('S', 'AR')")
    for name in names:
        if name not in _PLANFORM_INPUTS:
            raise ValueError(f"inputs takes S, AR, b and cOrt, not {name!r}")
    return [name in names for name in _PLANFORM_INPUTS]


def _max_lift(clmax):
    if clmax is None:
        return None
    pair = (clmax, clmax) if isinstance(clmax, numbers.Real) else _sequence("clmax", clmax, "1.4 or (1.4, 1.2)")
    if len(pair) != 2:
        raise ValueError(f"clmax takes one number or a (root, tip) pair, not {len(pair)} values")
    root, tip = (_real(f"clmax's {end}", value) for end, value in zip(("root", "tip"), pair))
    if not (root > 0 and tip > 0):
        raise ValueError(f"clmax must be positive, not {clmax!r}")
    return (root, tip)


def _path(config):
    try:
        path = os.fsencode(os.fspath(config))
    except TypeError:
        raise TypeError("config must be the path of a .cfg file or a mapping of its fields, "
                        f"not {type(config).__name__}") from None
    if not path:
        raise ValueError("config is an empty path; it must name a .cfg file")
    return path


def _folder(workdir):
    try:
        folder = os.fsencode(os.fspath(workdir))
    except TypeError:
        raise TypeError(f"workdir must be the path of a folder, not {type(workdir).__name__}") from None
    if not os.path.isdir(folder):
        raise ValueError(f"workdir {os.fsdecode(folder)!r} is not a folder")
    return folder


def _use_mapping(session, config):
    """The wing of a mapping, its numbers as a saved ".cfg" file would hold them."""
    unknown = [name for name in config if name not in _CONFIG_FIELDS]
    if unknown:
        raise ValueError(f"unknown configuration fields {unknown}; the fields are {', '.join(_CONFIG_FIELDS)}")
    missing = [name for name in (*_kelvane.CONFIG_NUMBERS, "planform") if name not in config]
    if missing:
        raise ValueError(f"the configuration lacks {', '.join(missing)}")
    numbers_by_name = {name: _real(name, config[name]) for name in _kelvane.CONFIG_NUMBERS}

    planform = config["planform"]
    if planform not in _PLANFORMS:
        raise ValueError(f"planform must be 'elliptic' or 'trapezoid', not {planform!r}")
    trapezoid = planform == "trapezoid"
    ks, kc = [], []
    if trapezoid:
        if "ks" not in config or "kc" not in config:
            raise ValueError("a trapezoid needs ks and kc, one value per panel")
        ks, kc = ([_real(f"{name}[{i}]", value) for i, value in enumerate(_sequence(name, config[name], "[1, 0.5]"))]
                  for name in ("ks", "kc"))
        if len(ks) != len(kc) or not 1 <= len(ks) <= _kelvane.MAX_PANELS:
            raise ValueError(f"ks and kc take one value per panel, 1 to {_kelvane.MAX_PANELS} panels; "
                             f"got {len(ks)} and {len(kc)}")
        if "nTrap" in config and _real("nTrap", config["nTrap"]) != len(ks):
            raise ValueError(f"nTrap is {config['nTrap']!r} but ks and kc hold {len(ks)} panels")
    _kelvane.use_mapping(session, numbers_by_name, trapezoid, ks, kc)
