"""Kelvane's lifting-line wing solver, for scripts and notebooks.

    >>> import kelvane
    >>> result = kelvane.solve("wing.cfg", stations=21)
    >>> result.CL, result.stations["cl"], result.loads["M0"]
    >>> polar = kelvane.sweep("wing.cfg", 0, 10, 1)
    >>> viscous = kelvane.solve("wing.cfg", polar="naca2412@1e6", find_clmax=True)
    >>> viscous.CD, viscous.LD, viscous.CLmax
    >>> design = kelvane.solve("design.kelvane", stations=31)

Every call runs the same engine as the batch tool kelvane-solve, in the same order, so its numbers are
the tool's ``--json`` numbers bit for bit. Each call works on a record of its own and runs without the
interpreter lock, so other threads go on meanwhile; calls that share a ``workdir`` take turns on its
files, as kelvane-solve runs in one folder do. ``os.fork`` waits until no other thread is inside a call.
"""

import errno
import math
import numbers
import os
import tempfile
import threading
from collections.abc import Iterable, Mapping

import numpy

from . import _kelvane

__version__ = _kelvane.__version__
__all__ = ["InputError", "PolarResult", "Result", "polar", "read_polar", "solve", "sweep", "__version__"]


class InputError(ValueError):
    """The program refused the input; the text is the message the window would show."""


_PLANFORM_INPUTS = ("S", "AR", "b", "cOrt")
_PLANFORMS = ("elliptic", "trapezoid")
_PANEL_FIELDS = ("nTrap", "ks", "kc")
_CONFIG_FIELDS = (*_kelvane.CONFIG_NUMBERS, "planform", *_PANEL_FIELDS)
_FLAP_VALUES = ("y1", "y2", "E", "delta")
_SWEEP_MESSAGES = (
    "the sweep's step must be positive, not {step!r}",
    "a sweep from {start!r} to {stop!r} by {step!r} has no point: stop is before start",
    "a sweep from {start!r} to {stop!r} by {step!r} has more than {most} points",
)
_LINEAR_ONLY = ("detail", "clmax", "workdir")
_PROJECT_EXTENSION = os.fsencode(_kelvane.PROJECT_EXTENSION)
_POLAR_EXAMPLE = "a polar file, or an XFoil request such as 'naca2412@1e6'"
# The trap switch XFoil runs with (see the README), copied beside this file; where it is missing, the
# program looks for an installed one.
_TRAPS_OFF_LIBRARY = os.path.join(os.path.dirname(os.path.abspath(__file__)), _kelvane.TRAPS_OFF_LIBRARY)


def _names(quantities):
    return tuple(name for name, _, _ in quantities)


_FORCES = tuple(name for name in _names(_kelvane.LOAD_QUANTITIES) if name not in _kelvane.ROOT_LOADS)


def _quantity_lines(quantities):
    return "\n".join(f"    {name:<10} {title}" + (f" ({unit})" if unit else "") for name, title, unit in quantities)


_LOADS_DOC = ("\n\nThe wing's forces at the air density given, at the program's speed Voo = 1 m/s (loads grow "
              "with its square):\n" + _quantity_lines(
                  q for q in _kelvane.LOAD_QUANTITIES if q[0] in _FORCES) +
              "\n\n``loads``, the loads along the span (numpy arrays, stations as in ``stations``):\n" +
              _quantity_lines(_kelvane.STATION_LOAD_QUANTITIES) + "\nand at the root:\n" +
              _quantity_lines(q for q in _kelvane.LOAD_QUANTITIES if q[0] in _kelvane.ROOT_LOADS))


class _Solution:
    """The common part of solutions: numbers, then dicts that repr shows in short."""

    _NUMBERS = ()
    __slots__ = ()

    def __init__(self, values):
        for name in self.__slots__:
            setattr(self, name, values[name])

    def __repr__(self):
        def number(value):
            return "None" if value is None else format(value, ".6g")

        def short(value):
            if value is None or not isinstance(value, dict):
                return "None"
            arrays = [key for key, column in value.items() if isinstance(column, numpy.ndarray)]
            rest = ", ".join(f"{key}: {number(column)}" for key, column in value.items() if key not in arrays)
            if not arrays:
                return "{" + rest + "}"
            return f"<{len(value[arrays[0]])} stations: {', '.join(arrays)}" + (f"; {rest}" if rest else "") + ">"

        scalars = ", ".join(f"{name}={number(getattr(self, name))}" for name in self._NUMBERS)
        parts = ", ".join(f"{name}={short(getattr(self, name))}"
                          for name in self.__slots__ if name not in self._NUMBERS)
        return f"kelvane.{type(self).__name__}({scalars}, {parts})"


class Result(_Solution):
    """One operating point solved by the linear model: the wing's values, its equivalent elliptic wing's,
    the span efficiency ``e`` and ``delta`` (None at zero lift), the spanwise ``stations`` as numpy arrays
    from the station next to the tip to the root, the ``stall`` onset: the root angle ``AlfaK`` and wing
    ``CL`` at which the first station reaches its clmax, its position ``y`` and index ``station`` (None
    without ``clmax``, or when no station's lift grows with the root angle), and the loads."""

    _NUMBERS = (*_names(_kelvane.POINT_QUANTITIES), "e", "delta", *_FORCES)
    __slots__ = (*_NUMBERS, "stations", "stall", "loads")


Result.__doc__ += ("\n\nThe wing's values:\n" + _quantity_lines(_kelvane.POINT_QUANTITIES) +
                   "\n\nThe arrays of ``stations`` (and ``clmax`` with clmax):\n" +
                   _quantity_lines(_kelvane.STATION_QUANTITIES) + _LOADS_DOC)


class PolarResult(_Solution):
    """One operating point solved with section polars (the nonlinear lifting line): the wing's values, the
    span efficiency ``e`` (None at zero lift), the Newton ``iterations`` it took and the largest
    ``residual`` left, the spanwise ``stations`` as numpy arrays from the station next to the tip to the
    root, ``stations["stalled"]`` True where the station's polar no longer rises, ``CLmax``, the wing's
    maximum lift {"AlfaK", "CL"} (None unless find_clmax), and the loads with the profile drag ``Dp`` and
    the total ``D`` (N)."""

    _NUMBERS = (*_names(_kelvane.POLAR_QUANTITIES), "e", "iterations", "residual", *_FORCES, "Dp", "D")
    __slots__ = (*_NUMBERS, "stations", "CLmax", "loads")


PolarResult.__doc__ += ("\n\nThe wing's values:\n" + _quantity_lines(_kelvane.POLAR_QUANTITIES) +
                        "\n\nThe arrays of ``stations`` (and ``stalled``):\n" +
                        _quantity_lines(_kelvane.POLAR_STATION_QUANTITIES) + _LOADS_DOC)


class _Default:
    """A keyword's default, which a project's setting takes the place of: a keyword given, even with this
    value, overrides the project."""

    def __init__(self, value):
        self.value = value

    def __repr__(self):
        return repr(self.value)


class _Calls:
    """The calls in progress. They run without the interpreter lock, so another thread may fork meanwhile;
    os.fork waits until no other thread is inside a call, so that a child never inherits one cut in half:
    its folder lock would stay held in the child, and every later call on that folder would wait for it."""

    def __init__(self):
        self._reset(0)
        self._own = threading.local()

    def _reset(self, count):
        self._changed = threading.Condition(threading.Lock())
        self._count = count
        self._forking = False

    def _depth(self):
        return getattr(self._own, "depth", 0)

    def __enter__(self):
        with self._changed:
            self._changed.wait_for(lambda: not self._forking)
            self._count += 1
        self._own.depth = self._depth() + 1

    def __exit__(self, *exception):
        self._own.depth -= 1
        with self._changed:
            self._count -= 1
            self._changed.notify_all()

    def before_fork(self):
        with self._changed:
            self._changed.wait_for(lambda: self._count == self._depth())
            self._forking = True

    def after_fork_in_parent(self):
        with self._changed:
            self._forking = False
            self._changed.notify_all()

    def after_fork_in_child(self):
        # Only this thread goes on in the child; another might have held the condition's lock.
        self._reset(self._depth())


_CALLS = _Calls()
os.register_at_fork(before=_CALLS.before_fork, after_in_parent=_CALLS.after_fork_in_parent,
                    after_in_child=_CALLS.after_fork_in_child)


def solve(config, *, stations=_Default(15), inputs=_Default(("S", "AR")), given_cl=_Default(False),
          detail=_Default(False), clmax=_Default(None), workdir=None, rho=_Default(_kelvane.SEA_LEVEL_AIR_DENSITY),
          flaps=_Default(()), polar=_Default(None), find_clmax=False, refresh_polars=False):
    """Solves one wing at its configuration's operating point, as ``kelvane-solve --json`` does.

    config    the path of a ".cfg" file, or a mapping of its fields: S, AR, b, cOrt, planform
              ("elliptic" or "trapezoid"), AszK, Alfa0K, AszU, Alfa0U, dAlfa, CL, AlfaK, and for a
              trapezoid ks and kc (one value per panel, 1 to 4 panels; nTrap, if given, must agree);
              or the path of a project, a ".kelvane" file the window saved: its wing with its settings,
              which stand in for the keywords stations, inputs, given_cl, detail, clmax, rho, flaps and
              polar that the call leaves out (a project's detail and clmax only without polar)
    stations  the station count on one half of the wing (odd, 3 to 99), or the station box's text as
              ``kelvane-solve --stations`` takes it
    inputs    the planform parameters taken as given, two of S, AR, b and cOrt
    given_cl  solve for the root angle that gives the configuration's CL
    detail    write the detailed tables to "PLL.txt"
    clmax     the sections' maximum lift, one number or (root, tip): adds stations["clmax"] and the stall
    workdir   the folder for "PLL.txt" and "LastConfig.cfg"; by default a private one, removed afterwards
    rho       the air density for the loads, kg/m³
    flaps     up to four plain flaps on both halves, each (y1, y2, E, delta): from y1 to y2 (m), chord
              ratio E, deflection delta (degrees, trailing edge down positive)
    polar     section polars: one for the whole wing, or (root, tip), each a polar file or an XFoil
              request such as "naca2412@1e6" or "section.dat@3e5"; the answer is then a PolarResult, and
              no file is written (detail, clmax and workdir belong to the linear model)
    find_clmax     with polar, search the wing's CLmax
    refresh_polars with polar, compute XFoil's polars afresh instead of taking them from the cache

    Returns a Result, or with polar a PolarResult. Raises InputError with the window's message when the
    program refuses the input.
    """
    args, given = _call_arguments(config, stations=stations, inputs=inputs, given_cl=given_cl, detail=detail,
                                  flaps=flaps, clmax=clmax, rho=rho, polar=polar)
    detail, clmax, polar = given["detail"], given["clmax"], given["polar"]
    density = _number("rho", given["rho"])
    find_clmax = _flag("find_clmax", find_clmax)
    if polar is None:
        if find_clmax:
            raise ValueError("find_clmax searches the CLmax of a wing with section polars; give polar as well")
        max_lift = _max_lift(clmax)
        return Result(_in_output_folder(args, workdir, lambda: _kelvane.solve(args, max_lift, density)))
    _refuse_linear_only(detail=detail, clmax=clmax, workdir=workdir)
    polars = _polar_arguments(polar, refresh_polars)
    return PolarResult(_answer(lambda: _kelvane.solve_polar(args, polars, find_clmax, density)))


def sweep(config, start, stop, step, *, stations=_Default(15), inputs=_Default(("S", "AR")),
          given_cl=_Default(False), detail=_Default(False), workdir=None, flaps=_Default(()), polar=_Default(None),
          refresh_polars=False):
    """Solves the wing at every root angle (or CL with given_cl) from start to stop by step, the points of
    ``kelvane-solve --sweep``, and returns the polar as a dict of numpy arrays. The config and the keywords
    are those of solve, a project's settings too.

    Without polar, the columns
        {linear_columns}, e
    (e NaN where it is undefined, at zero lift); a refused point raises InputError.

    With polar, the columns
        {polar_columns}, e
    the boolean array ``solved``, and ``message``, a list with the refusal's message of each point not
    solved (None where solved). A refused point goes on to the next; its values are NaN but for the one
    swept.
    """
    start, stop, step = (_real(name, value) for name, value in (("start", start), ("stop", stop), ("step", step)))
    messages = (text.format(start=start, stop=stop, step=step, most=_kelvane.MAX_SWEEP_POINTS)
                for text in _SWEEP_MESSAGES)
    points, fault = _kelvane.make_sweep(start, stop, step, _kelvane.SweepMessages(*messages))
    if fault is not None:
        raise ValueError(fault)
    args, given = _call_arguments(config, stations=stations, inputs=inputs, given_cl=given_cl, detail=detail,
                                  flaps=flaps, polar=polar)
    detail, polar = given["detail"], given["polar"]
    if polar is None:
        return _in_output_folder(args, workdir, lambda: _kelvane.sweep(args, points))
    _refuse_linear_only(detail=detail, workdir=workdir)
    polars = _polar_arguments(polar, refresh_polars)
    return _answer(lambda: _kelvane.sweep_polar(args, polars, points))


sweep.__doc__ = sweep.__doc__.format(linear_columns=", ".join(_names(_kelvane.POINT_QUANTITIES)),
                                     polar_columns=", ".join(_names(_kelvane.POLAR_QUANTITIES)))


def polar(name, *, refresh=False):
    """The section polar that name stands for, a polar file or an XFoil request such as "naca0012@1e6"
    (computed by XFoil once and then taken from the cache, ~/.cache/kelvane/polars; refresh computes it
    afresh): a dict of numpy arrays alpha (degrees), cl and cd, in increasing alpha."""
    path = _path("name", name, _POLAR_EXAMPLE)
    polars = _polar_sources(path, path, _flag("refresh", refresh))
    return _answer(lambda: _kelvane.load_polar(polars))


def read_polar(path):
    """The section polar in the polar file at path (XFoil's or XFLR5's text, or CSV under "alpha,cl,cd"):
    a dict of numpy arrays alpha (degrees), cl and cd, in increasing alpha."""
    return _answer(lambda: _kelvane.read_polar(_path("path", path, "a polar file")))


def _answer(call):
    """Makes the call and hands back its values, or raises InputError with the program's message."""
    with _CALLS:
        message, values = call()
    if message is not None:
        raise InputError(message)
    return values


def _in_output_folder(args, workdir, call):
    """Makes the call with "PLL.txt" and "LastConfig.cfg" going to workdir, or to a private folder."""
    output = None if workdir is None else _folder(workdir)
    with tempfile.TemporaryDirectory(prefix="kelvane-") as private:
        args.output_folder = os.fsencode(private) if output is None else output
        return _answer(call)


def _call_arguments(config, **keywords):
    """The wing and settings of a call, and its keywords: each as given, or else a project's setting, or
    else its default."""
    args = _kelvane.CallArguments()
    project = {}
    if isinstance(config, Mapping):
        _use_mapping(args, config)
    else:
        path = args.config = _path("config", config, "a .cfg or .kelvane file or a mapping of a configuration's fields")
        if path.endswith(_PROJECT_EXTENSION):
            project = _answer(lambda: _kelvane.use_project(args, path))
    given = {name: project.get(name, value.value) if isinstance(value, _Default) else value
             for name, value in keywords.items()}
    # What a project keeps for the linear model does not go with polars; a keyword given is refused instead.
    if given.get("polar") is not None:
        given.update((name, keywords[name].value) for name in _LINEAR_ONLY
                     if isinstance(keywords.get(name), _Default))
    args.stations = _station_count(given["stations"])
    args.inputs = _ticks(given["inputs"])
    args.given_cl = _flag("given_cl", given["given_cl"])
    args.detail = _flag("detail", given["detail"])
    args.flaps = _flaps(given["flaps"])
    return args, given


def _refuse_linear_only(**given):
    used = [name for name in _LINEAR_ONLY if given.get(name) not in (None, False)]
    if used:
        raise ValueError(f"{' and '.join(used)} belong to the linear model, whose files a polar run does not "
                         "write; leave them out with polar")


def _number(name, value):
    if isinstance(value, (bool, numpy.bool_)) or not isinstance(value, numbers.Real):
        raise TypeError(f"{name} must be a number, not {type(value).__name__}")
    try:
        return float(value)
    except OverflowError:
        raise OverflowError(f"{name} is too large: beyond the range of a float") from None


def _real(name, value):
    value = _number(name, value)
    if not math.isfinite(value):
        raise ValueError(f"{name} must be a finite number, not {value!r}")
    return value


def _flag(name, value):
    if not isinstance(value, (bool, numpy.bool_)):
        raise TypeError(f"{name} must be True or False, not {value!r}")
    return bool(value)


def _sequence(name, value, example):
    if isinstance(value, (str, bytes)) or not isinstance(value, Iterable):
        raise TypeError(f"{name} must be a sequence such as {example}, not {type(value).__name__}")
    return list(value)


def _station_count(value):
    """The text for the station box; the program itself judges the count."""
    if isinstance(value, str):
        return value
    if isinstance(value, (bool, numpy.bool_)) or not isinstance(value, numbers.Integral):
        raise TypeError(f"stations must be a whole number such as 15, not {value!r}")
    try:
        return str(int(value))
    except ValueError:  # past the interpreter's limit on the digits of an integer's text
        raise OverflowError("stations is too large: it takes an odd count from 3 to 99") from None


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


def _flaps(flaps):
    """Each flap's four numbers; the program itself judges the values and how the flaps sit on the wing."""
    rows = []
    for k, flap in enumerate(_sequence("flaps", flaps, "[(y1, y2, E, delta)]"), 1):
        values = _sequence(f"flap {k}", flap, "(y1, y2, E, delta)")
        if len(values) != len(_FLAP_VALUES):
            raise ValueError(f"flap {k} takes (y1, y2, E, delta), not {len(values)} values")
        rows.append(tuple(_number(f"flap {k}'s {name}", value) for name, value in zip(_FLAP_VALUES, values)))
    return rows


def _polar_arguments(polar, refresh):
    """The root's and tip's polars of solve and sweep: one for both, or a (root, tip) pair."""
    if isinstance(polar, (str, bytes, os.PathLike)):
        root = tip = _path("polar", polar, _POLAR_EXAMPLE)
    else:
        pair = _sequence("polar", polar, "'naca2412@1e6', a polar file, or a (root, tip) pair of them")
        if len(pair) != 2:
            raise ValueError(f"polar takes one polar or a (root, tip) pair, not {len(pair)} values")
        root, tip = (_path(f"polar's {end}", value, _POLAR_EXAMPLE) for end, value in zip(("root", "tip"), pair))
    return _polar_sources(root, tip, _flag("refresh_polars", refresh))


def _polar_sources(root, tip, refresh):
    polars = _kelvane.PolarArguments()
    polars.root, polars.tip, polars.refresh = root, tip, refresh
    polars.traps_off_library = os.fsencode(_TRAPS_OFF_LIBRARY) if os.path.isfile(_TRAPS_OFF_LIBRARY) else b""
    return polars


def _path(name, value, what):
    """A path as the file system's bytes; like open(), a NUL byte in it is an error, not the path's end."""
    try:
        path = os.fsencode(os.fspath(value))
    except TypeError:
        raise TypeError(f"{name} must be the path of {what}, not {type(value).__name__}") from None
    if not path:
        raise ValueError(f"{name} is an empty path; it must name {what}")
    if b"\0" in path:
        raise ValueError(f"{name} has an embedded null byte")
    return path


def _folder(workdir):
    folder = _path("workdir", workdir, "a folder")
    if not os.path.isdir(folder):
        raise ValueError(f"workdir {os.fsdecode(folder)!r} is not a folder")
    # Refused by the program, this would come as an InputError about its lock file; it is the folder's.
    if not os.access(folder, os.W_OK | os.X_OK):
        raise PermissionError(errno.EACCES, os.strerror(errno.EACCES), os.fsdecode(folder))
    return folder


def _use_mapping(args, config):
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
    _kelvane.use_mapping(args, numbers_by_name, trapezoid, ks, kc)
