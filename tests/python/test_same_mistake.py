"""One mistake, one answer: each line of tests/batch/mistakes.txt made through Python raises the
exception the line names with tavcalc's words, and tavcalc itself exits with the line's status
printing the same words (the command layer's own test makes the lines in C++)."""

import os
import re
import shutil
import subprocess
from pathlib import Path

import pytest

import tavrix

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


MISTAKE_ROWS = read_mistakes()


def test_every_line_is_read():
    assert len(MISTAKE_ROWS) >= 20


@pytest.mark.parametrize("kind, mode, options, status, exit_status, exception, words",
                         MISTAKE_ROWS, ids=[f"{row[0]} {row[1]} {row[6]}" for row in MISTAKE_ROWS])
def test_a_mistake_reads_alike_in_python_and_tavcalc(kind, mode, options, status, exit_status,
                                                     exception, words, tmp_path):
    path = tmp_path / f"{kind}.tav"
    shutil.copy(GOLDEN / "input" / f"{kind}.tav", path)
    call = tavrix.design if mode == "design" else tavrix.fit_beta
    with pytest.raises(getattr(tavrix, exception)) as raised:
        call(tavrix.Process.read(str(path)), **keywords(options))
    assert type(raised.value) is getattr(tavrix, exception)
    assert str(raised.value) == spelled(words, command_line=False)

    done = subprocess.run([TAVCALC, f"--{mode}", str(path), *command_words(options)],
                          capture_output=True, text=True, check=False)
    assert done.returncode == exit_status
    named = "" if status == "Usage" else f"{path}: "
    assert done.stderr.splitlines()[0] == f"tavcalc: {named}{spelled(words, command_line=True)}"
    assert sorted(p.name for p in tmp_path.iterdir()) == [path.name], "nothing is written"
