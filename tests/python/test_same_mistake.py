"""One mistake, one answer: each line of tests/batch/mistakes.txt made through Python raises the
exception the line names with tavcalc's words, and tavcalc itself exits with the line's status
printing the same words (the command layer's own test makes the lines in C++)."""

import os
import re
import shutil
import subprocess
import time
from pathlib import Path

import pytest

from test_tavrix import DATA_HOME, long_wire  # the tests' own data folder, never the user's
import tavrix  # noqa: E402

GOLDEN = Path(os.environ["TAVRIX_GOLDEN"])
TAVCALC = os.environ["TAVCALC"]
MISTAKES = Path(os.environ["TAVRIX_MISTAKES"])


def read_mistakes():
    rows = []
    for line in MISTAKES.read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        kind, mode, options, status, exit_status, exception, words = \
            [cell.strip() for cell in line.split("|")]
        rows.append((kind, mode, dict(option.split("=") for option in options.split()), status,
                     int(exit_status), exception, words))
    return rows


def spelled(words, command_line):
    """The words with each {name} as Python or, with command_line, tavcalc spells it."""
    def name(match):
        return "--" + match[1].replace("_", "-") if command_line else match[1]
    return re.sub(r"\{(\w+)\}", name, words)


def keywords(options):
    """The options as the keywords of tavrix.design or tavrix.fit_beta."""
    given = {}
    for name, value in options.items():
        if value == "on":
            given[name] = True
        elif name == "hardening":
            given[name] = tuple(float(part) for part in value.split(","))
        else:
            given[name] = float(value)
    return given


def command_words(options):
    words = []
    for name, value in options.items():
        option = "--" + name.replace("_", "-")
        if value == "on":
            words.append(option)
        elif name == "hardening":
            degrees, hours = value.split(",")
            words += [option, degrees, "--hardening-time", hours]
        else:
            words += [option, value]
    return words


def laid_out_set(kind, options, folder):
    """The set of a run's mistake in folder, as its options lay it out (see mistakes.txt)."""
    path = folder / options.get("set", f"{kind}.tav")
    if "missing" in options:
        return path
    lines = (GOLDEN / "input" / f"{kind}.tav").read_bytes().split(b"\r\n")
    for name, value in options.items():
        if name.startswith("line"):
            lines[int(name[4:]) - 1] = value.encode()
    path.write_bytes(b"\r\n".join(lines))
    return path


@pytest.fixture(scope="module")
def own_tavcalc(tmp_path_factory):
    """tavcalc copied away from the build's tavrix.portable: it keeps its in-use list in the
    tests' data folder, where the runs of the module claim their sets."""
    copy = tmp_path_factory.mktemp("bin") / "tavcalc"
    shutil.copy(TAVCALC, copy)
    return str(copy)


def listed_sets():
    listed = Path(DATA_HOME, "Tavrix", "pliki.lst")
    return listed.read_text(encoding="utf-8").splitlines()[1:] if listed.exists() else []


def other_run(path, tavcalc):
    """A run that computes the set at path until it is killed, once it has claimed the set."""
    long_wire().write(str(path))
    child = subprocess.Popen([tavcalc, "--run", str(path)], env=dict(os.environ,
                             XDG_DATA_HOME=DATA_HOME), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    while str(path).upper() not in listed_sets():
        assert child.poll() is None
        time.sleep(0.01)
    return child


MISTAKE_ROWS = read_mistakes()


def test_every_line_is_read():
    assert len(MISTAKE_ROWS) >= 20


def python_call(kind, mode, options, folder):
    """The mistake made through Python; the set a run's mistake is made on."""
    if mode == "run":
        path = laid_out_set(kind, options, folder)
        return (lambda: tavrix.run(tavrix.Process.read(str(path)), write=True)), path
    path = folder / f"{kind}.tav"
    shutil.copy(GOLDEN / "input" / f"{kind}.tav", path)
    call = tavrix.design if mode == "design" else tavrix.fit_beta
    return (lambda: call(tavrix.Process.read(str(path)), **keywords(options))), path


@pytest.mark.parametrize("kind, mode, options, status, exit_status, exception, words",
                         MISTAKE_ROWS, ids=[f"{row[0]} {row[1]} {row[6]}" for row in MISTAKE_ROWS])
def test_a_mistake_reads_alike_in_python_and_tavcalc(kind, mode, options, status, exit_status,
                                                     exception, words, tmp_path, own_tavcalc):
    call, path = python_call(kind, mode, options, tmp_path)
    child = other_run(path, own_tavcalc) if "claimed" in options else None
    try:
        laid_out = {p.name: p.read_bytes() for p in tmp_path.iterdir()}
        with pytest.raises(getattr(tavrix, exception)) as raised:
            call()
        assert type(raised.value) is getattr(tavrix, exception)
        # A run's refusal names its set, as every message about a file does.
        named = f"{path}: " if mode == "run" else ""
        assert str(raised.value) == named + spelled(words, command_line=False)
        done = subprocess.run([own_tavcalc, f"--{mode}", str(path),
                               *([] if mode == "run" else command_words(options))],
                              capture_output=True, text=True, check=False)
        if child is None:
            assert {p.name: p.read_bytes() for p in tmp_path.iterdir()} == laid_out, \
                "nothing is written"
    finally:
        if child is not None:
            child.kill()
            child.wait()
    assert done.returncode == exit_status
    named = "" if status == "Usage" else f"{path}: "
    assert done.stderr.splitlines()[0] == f"tavcalc: {named}{spelled(words, command_line=True)}"
