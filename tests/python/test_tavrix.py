"""The Python module against tavcalc: the same files, the same numbers, the same messages."""

import atexit
import locale
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

import numpy as np
import pytest

# A written run claims its set in the in-use list of the data folder: these tests keep theirs
# in a folder of their own, never the user's; the children they start (which import this file)
# share it.
if "TAVRIX_TEST_DATA_HOME" not in os.environ:
    os.environ["TAVRIX_TEST_DATA_HOME"] = tempfile.mkdtemp(prefix="tavrix-data-")
    atexit.register(shutil.rmtree, os.environ["TAVRIX_TEST_DATA_HOME"], True)
DATA_HOME = os.environ["XDG_DATA_HOME"] = os.environ["TAVRIX_TEST_DATA_HOME"]

import tavrix  # noqa: E402 (reads the data folder's place at its first written run)

GOLDEN = Path(os.environ["TAVRIX_GOLDEN"])
TAVCALC = os.environ["TAVCALC"]
KINDS = ["semi-infinite", "plate", "cylinder", "foil", "wire"]


def golden_process(kind):
    return tavrix.Process.read(str(GOLDEN / "input" / f"{kind}.tav"))


def same_results(a, b):
    for left, right in [(a.profile.x, b.profile.x), (a.profile.carbon, b.profile.carbon),
                        (a.profile.hardness_x, b.profile.hardness_x),
                        (a.profile.hardness, b.profile.hardness),
                        (a.surface.t, b.surface.t), (a.surface.carbon, b.surface.carbon),
                        (a.mass.t, b.mass.t), (a.mass.values, b.mass.values)]:
        np.testing.assert_array_equal(left, right)
    assert (a.surface_carbon, a.mass_gain, a.depth(0.35)) == \
        (b.surface_carbon, b.mass_gain, b.depth(0.35))


@pytest.mark.parametrize("kind", KINDS)
def test_written_run_gives_the_stored_files_and_the_memory_run_their_numbers(kind, tmp_path):
    path = tmp_path / f"{kind}.tav"
    written = tavrix.run(golden_process(kind), write=str(path))
    expected = sorted((GOLDEN / "expected").glob(f"{kind}.*"))
    assert sorted(p.name for p in tmp_path.iterdir()) == [p.name for p in expected]
    for stored in expected:
        assert (tmp_path / stored.name).read_bytes() == stored.read_bytes(), stored.name
    same_results(tavrix.run(golden_process(kind)), written)
    assert len(written.profile.x) == len(written.profile.carbon) > 0
    assert written.surface.t[-1] == golden_process(kind).stages[-1][0]


def test_memory_run_writes_nothing(tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    tavrix.run(golden_process("semi-infinite"))
    assert list(tmp_path.iterdir()) == []


def test_process_built_in_code_is_the_one_its_file_gives(tmp_path):
    built = tavrix.Process(steel_carbon=0.18, beta=2e-5, alloy=dict(Mn=0.3, Si=0.2),
                           shape="semi-infinite",
                           stages=[(0, 920, 1.15), (1, 920, 1.15), (1.5, 880, 0.8),
                                   (2, 850, 0.8)])
    read = golden_process("semi-infinite")
    assert built == read
    same_results(tavrix.run(built), tavrix.run(read))
    built.write(str(tmp_path / "p.tav"))
    assert tavrix.Process.read(str(tmp_path / "p.tav")) == built
    assert built.path == str(tmp_path / "p.tav")


def test_plate_built_in_code_keeps_its_thickness():
    plate = golden_process("plate")
    rebuilt = tavrix.Process(steel_carbon=plate.steel_carbon, beta=plate.beta,
                             alloy=plate.alloy, shape=plate.shape, stages=plate.stages,
                             thickness=plate.thickness)
    assert rebuilt == plate and rebuilt.shape == "plate" and plate.thickness > 0


@pytest.mark.parametrize("law", ["tibbetts", "slycke-ericsson"])
def test_a_carbon_dependent_law_is_written_and_takes_in_more_carbon(law, tmp_path):
    stages = [(0, 900, 1.1), (2, 900, 1.1)]
    standard = tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite", stages=stages)
    chosen = tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite", stages=stages,
                            diffusivity=law)
    assert (standard.diffusivity, chosen.diffusivity) == ("standard", law)
    assert f"\r\ndiffusivity: {law}\r\n" in chosen.text()
    assert "diffusivity" not in standard.text()
    chosen.write(str(tmp_path / "law.tav"))
    assert tavrix.Process.read(str(tmp_path / "law.tav")).diffusivity == law
    assert tavrix.run(chosen).mass_gain > tavrix.run(standard).mass_gain


def test_an_unknown_law_is_refused_in_the_readers_words():
    with pytest.raises(tavrix.ProcessError, match="standard, tibbetts or slycke-ericsson"):
        tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite",
                       stages=[(0, 900, 1.1), (2, 900, 1.1)], diffusivity="fick")


LOW_PRESSURE = [(0, 920, 1.2), (0.1, 920, 1.2, "boost"), (0.4, 920, 1.2, "neutral"),
                (0.5, 920, 1.2, ("boost", 2.5e-3)), (1.5, 920, 1.2, "neutral"), (2, 920, 0.8)]


def test_stage_conditions_are_kept_as_given_and_as_the_file_holds_them(tmp_path):
    built = tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite",
                           stages=LOW_PRESSURE[:-1] + [(2, 920, 0.8, "gas")])
    assert built.stages == LOW_PRESSURE
    assert tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite",
                          stages=built.stages) == built
    assert "0.5 920 1.2 boost 0.0025\r\n" in built.text()
    assert "2 920 0.8\r\n" in built.text()
    written = tavrix.run(built, write=str(tmp_path / "lpc.tav"))
    assert tavrix.Process.read(str(tmp_path / "lpc.tav")).stages == LOW_PRESSURE
    same_results(tavrix.run(built), written)


@pytest.mark.parametrize("row", [(1, 920), (1, 920, 1, ("neutral", 1)), (1, 920, 1, "boost", 2)],
                         ids=repr)
def test_a_stage_not_written_as_a_stage_raises(row):
    with pytest.raises(tavrix.ProcessError, match="stage"):
        tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite",
                       stages=[(0, 920, 1), row])


BAD_HEADS = {
    "too much carbon": "9\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n"
                       "0 920 1\r\n1 920 1\r\nSemi-infinitive sample\r\n",
    "times not rising": "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n"
                        "0 920 1\r\n0 920 1\r\nSemi-infinitive sample\r\n",
    "cut short": "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n",
    "unknown condition": "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n"
                         "0 920 1\r\n1 920 1 vacuum\r\nSemi-infinitive sample\r\n",
    "condition on the first row": "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n"
                                  "0 920 1 boost\r\n1 920 1\r\nSemi-infinitive sample\r\n",
    "flux limit not positive": "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n"
                               "0 920 1\r\n1 920 1 boost 0\r\nSemi-infinitive sample\r\n",
}


@pytest.mark.parametrize("text", BAD_HEADS.values(), ids=BAD_HEADS.keys())
def test_bad_file_raises_what_the_batch_run_prints(text, tmp_path):
    path = tmp_path / "bad.tav"
    path.write_bytes(text.encode())
    with pytest.raises(tavrix.ProcessError) as raised:
        tavrix.Process.read(str(path))
    batch = subprocess.run([TAVCALC, "--run", str(path)], capture_output=True, text=True,
                           check=False)
    assert batch.returncode != 0
    assert batch.stderr.strip() == f"tavcalc: {raised.value}"


# Stages built in code that the batch run refuses when a file holds them (BAD_HEADS).
BAD_STAGES = {
    "unknown condition": [(0, 920, 1), (1, 920, 1, "vacuum")],
    "condition on the first row": [(0, 920, 1, "boost"), (1, 920, 1)],
    "flux limit not positive": [(0, 920, 1), (1, 920, 1, ("boost", 0))],
}


@pytest.mark.parametrize("name", BAD_STAGES.keys())
def test_bad_stages_in_code_raise_what_the_batch_run_prints_for_their_file(name, tmp_path):
    path = tmp_path / "bad.tav"
    path.write_bytes(BAD_HEADS[name].encode())
    with pytest.raises(tavrix.ProcessError) as in_code:
        tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite",
                       stages=BAD_STAGES[name])
    with pytest.raises(tavrix.ProcessError) as from_file:
        tavrix.Process.read(str(path))
    assert str(from_file.value) == f"{path}: {in_code.value}"


def test_bad_values_in_code_raise_the_same_message():
    with pytest.raises(ValueError, match="steel carbon content must be from 0 to 4.3 % C"):
        tavrix.Process(steel_carbon=9, beta=2e-5, shape="semi-infinite",
                       stages=[(0, 920, 1), (1, 920, 1)])
    with pytest.raises(ValueError, match="unknown shape"):
        tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="cube", stages=[(0, 920, 1)])


def test_missing_file_raises(tmp_path):
    with pytest.raises(tavrix.ProcessError, match="cannot be opened"):
        tavrix.Process.read(str(tmp_path / "none.tav"))


def test_a_file_that_cannot_be_written_raises_and_runs_nothing(tmp_path):
    target = tmp_path / "no-such-folder" / "p.tav"
    for write in (lambda p: p.write(str(target)), lambda p: tavrix.run(p, write=str(target))):
        with pytest.raises(OSError, match="cannot be written"):
            write(golden_process("plate"))
    with pytest.raises(ValueError, match="has no file"):
        tavrix.run(tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite",
                                  stages=[(0, 920, 1), (1, 920, 1)]), write=True)


def test_case_depth_by_hardness_meets_a_profile_point():
    result = tavrix.run(golden_process("semi-infinite"))
    x, hv = result.profile.hardness_x, result.profile.hardness
    falls = np.nonzero(np.diff(hv) < 0)[0]
    k = falls[len(falls) // 2] + 1
    assert result.chd(hv[k]) == pytest.approx(x[k])
    assert result.chd() == result.chd(550)
    for unmet in (hv.max() + 1, hv.min() - 1):
        with pytest.raises(ValueError, match="does not fall from the limit to below it"):
            result.chd(unmet)


def test_thin_sample_has_no_hardness_case_depth():
    with pytest.raises(ValueError, match="foil has no hardness profile"):
        tavrix.run(golden_process("foil")).chd(550)


DESIGNS = {
    "plate in two stages": ("plate", dict(depth=0.5, surface=0.8)),
    "hardened, own temperature and boost": (
        "semi-infinite", dict(depth=0.6, surface=0.8, hardening=(850, 0.5), temperature=930,
                              boost=1.1, step=0.05)),
    "one stage, own level": ("cylinder", dict(depth=0.4, level=0.3)),
    "low pressure": ("semi-infinite", dict(depth=0.5, surface=0.7, low_pressure=True,
                                           min_boost=60)),
    "case-hardening depth": ("semi-infinite", dict(chd=0.5, chd_limit=600, surface=0.8)),
}


def batch_options(options):
    words = []
    for name, value in options.items():
        if value is True:
            words += [f"--{name.replace('_', '-')}"]
        elif name == "hardening":
            words += ["--hardening", str(value[0]), "--hardening-time", str(value[1])]
        else:
            words += [f"--{name.replace('_', '-')}", str(value)]
    return words


def batch(mode, kind, options, tmp_path):
    """tavcalc in `mode` on a copy of a stored input; its run, and the copy's path."""
    path = tmp_path / f"{kind}.tav"
    shutil.copy(GOLDEN / "input" / f"{kind}.tav", path)
    out = tmp_path / "out.tav"
    done = subprocess.run([TAVCALC, mode, str(path), *batch_options(options), "-o", str(out)],
                          capture_output=True, text=True, check=False)
    return done, path, out


@pytest.mark.parametrize("kind, options", DESIGNS.values(), ids=DESIGNS.keys())
def test_design_gives_the_programme_tavcalc_writes_and_a_run_achieves_it(kind, options,
                                                                           tmp_path):
    designed = tavrix.design(golden_process(kind), **options)
    done, _, out = batch("--design", kind, options, tmp_path)
    assert done.returncode == 0, done.stderr
    assert designed.process.text().encode() == out.read_bytes()
    assert designed.depth_met and designed.surface_met and designed.shortfall == ""
    assert designed.trials > 0 and designed.process.path is None
    achieved = tavrix.run(designed.process)
    if "chd" in options:
        # The run's hardness profile is the hardness file's, printed to four digits.
        assert achieved.chd(options["chd_limit"]) == pytest.approx(designed.depth, abs=1e-3)
    else:
        assert achieved.depth(options.get("level", 0.35)) == pytest.approx(designed.depth,
                                                                          abs=1e-9)
    assert achieved.surface_carbon == pytest.approx(designed.surface, abs=1e-9)
    pulsed = options.get("low_pressure", False)
    assert (len(designed.pulses) > 0) == pulsed
    assert (designed.saturation_limit is not None) == pulsed


def test_foil_fit_gives_the_coefficient_tavcalc_prints_and_writes(tmp_path):
    fit = tavrix.fit_beta(golden_process("foil"), carbon=0.6)
    done, _, out = batch("--fit-beta", "foil", dict(carbon=0.6), tmp_path)
    assert done.returncode == 0, done.stderr
    assert f"transfer coefficient {fit.beta:.4g} cm/s ({fit.trials} trial runs; computed mean " \
           f"carbon {fit.mean_carbon:.4f} % C)" in done.stdout
    assert f"would give {fit.uniform_beta:.4g} cm/s" in done.stdout
    assert fit.process.text().encode() == out.read_bytes()
    assert fit.uniform_beta < fit.beta and not fit.near_saturation and fit.note == ""


REFUSALS = {
    "design of a foil": ("--design", "foil", dict(depth=0.01), tavrix.ProcessError,
                         "design is for thick shapes"),
    "surface above the boost": ("--design", "semi-infinite", dict(depth=1, surface=1.2),
                                ValueError, "at or above the boost potential"),
    "deeper than half the plate": ("--design", "plate", dict(depth=1), tavrix.UnreachableError,
                                   "beyond the half"),
    "slower than 100 h": ("--design", "semi-infinite", dict(depth=4, temperature=800),
                          tavrix.UnreachableError, "100 h"),
    "fit of a plate": ("--fit-beta", "plate", dict(carbon=0.5), tavrix.ProcessError,
                       "needs a foil or a wire"),
    "fit below the steel": ("--fit-beta", "foil", dict(carbon=0.05), tavrix.ProcessError,
                            "at or below the steel's"),
}


@pytest.mark.parametrize("mode, kind, options, error, named", REFUSALS.values(),
                         ids=REFUSALS.keys())
def test_refusals_raise_what_tavcalc_prints_and_write_nothing(mode, kind, options, error, named,
                                                             tmp_path):
    call = tavrix.design if mode == "--design" else tavrix.fit_beta
    with pytest.raises(error, match=named) as raised:
        call(golden_process(kind), **options)
    done, path, out = batch(mode, kind, options, tmp_path)
    assert done.returncode == 2
    assert done.stderr.strip() == f"tavcalc: {path}: {raised.value}"
    assert not out.exists()


# Options that do not go together, as tavcalc's usage errors.
MISMATCHED = {
    "diffuse without surface": (dict(diffuse=0.7), "diffuse needs surface"),
    "low pressure without surface": (dict(low_pressure=True), "needs depth and surface"),
    "low pressure with a boost": (dict(surface=0.7, low_pressure=True, boost=1.2),
                                  "takes no boost, diffuse or step"),
    "shortest boost of a gas design": (dict(min_boost=30), "min_boost needs low_pressure"),
    "case-hardening depth beside a depth": (dict(chd=0.5), "chd takes the place of depth"),
    "hardness limit without chd": (dict(chd_limit=513), "chd_limit needs chd"),
}


@pytest.mark.parametrize("options, named", MISMATCHED.values(), ids=MISMATCHED.keys())
def test_design_options_that_do_not_go_together_raise(options, named):
    with pytest.raises(tavrix.ProcessError, match=named):
        tavrix.design(golden_process("semi-infinite"), depth=0.5, **options)


@pytest.mark.parametrize("options, named", [
    (dict(surface=0.7), "depth or chd is required"),
    (dict(chd=0.5, surface=0.7, low_pressure=True), "low_pressure takes no chd"),
], ids=["no depth target", "case-hardening depth of pulses"])
def test_depth_targets_that_cannot_be_designed_raise(options, named):
    with pytest.raises(tavrix.ProcessError, match=named):
        tavrix.design(golden_process("semi-infinite"), **options)


def gas_process(beta, offset=0.0):
    return tavrix.Process(steel_carbon=0.2, beta=beta, alloy=dict(Mn=0.8), shape="semi-infinite",
                          stages=[(0, 920, 1.1 + offset), (4, 920, 1.1 + offset),
                                  (6, 880, 0.8 + offset)])


def measured_file(path, result, points=12):
    """Points of a run's final carbon profile as a laboratory's export holds them."""
    x = np.linspace(0.05, 0.7 * result.profile.x[-1], points)
    carbon = np.interp(x, result.profile.x, result.profile.carbon)
    path.write_text("# load 17, spectrometer\ndepth_mm,carbon\n" +
                    "".join(f"{a:.4f},{c:.4f}\n" for a, c in zip(x, carbon)))
    return path


FITS = {"beta": (3e-5, 0.0), "beta,potential": (3e-5, 0.05)}


@pytest.mark.parametrize("fit, truth", FITS.items(), ids=FITS.keys())
def test_profile_fit_recovers_the_run_measured_and_gives_what_tavcalc_prints(fit, truth,
                                                                              tmp_path):
    csv = measured_file(tmp_path / "load.csv", tavrix.run(gas_process(*truth)))
    measured = tavrix.read_measured(str(csv))
    assert (measured.quantity, len(measured), measured.header) == \
        ("carbon", 12, [" load 17, spectrometer"])
    start = gas_process(2e-5)
    fitted = tavrix.fit_profile(start, measured, fit=fit)
    assert fitted.beta == pytest.approx(truth[0], rel=0.02)
    assert fitted.process.beta == pytest.approx(fitted.beta, rel=1e-5)
    assert (fitted.offset is None) == (fit == "beta")
    if fitted.offset is not None:
        assert fitted.offset == pytest.approx(truth[1], abs=0.005)
    assert fitted.rms_after < fitted.rms_before and fitted.used == 12
    assert fitted.notes == [] and not fitted.beta_undetermined and not fitted.offset_undetermined

    start.write(str(tmp_path / "load.tav"))
    done = subprocess.run([TAVCALC, "--fit-profile", str(tmp_path / "load.tav"), "--measured",
                           str(csv), "--fit", fit, "-o", str(tmp_path / "out.tav")],
                          capture_output=True, text=True, check=False)
    assert done.returncode == 0, done.stderr
    assert f"transfer coefficient {fitted.beta:.4g} ± {fitted.beta_error:.2g} cm/s" in done.stdout
    assert fitted.process.text().encode() == (tmp_path / "out.tav").read_bytes()


def test_a_beta_the_measurement_does_not_determine_has_the_note_tavcalc_prints(tmp_path):
    # Boosts hold the surface at saturation whatever the 3 minutes of gas did.
    process = tavrix.Process(steel_carbon=0.2, beta=5e-6, shape="semi-infinite",
                             stages=[(0, 920, 1), (0.05, 920, 1), (0.15, 920, 1, "boost"),
                                     (0.55, 920, 1, "neutral"), (0.65, 920, 1, "boost"),
                                     (1.05, 920, 1, "neutral"), (1.15, 920, 1, "boost"),
                                     (2.55, 920, 1, "neutral")])
    result = tavrix.run(process)
    x = np.linspace(0.05, 0.6, 12)
    carbon = np.interp(x, result.profile.x, result.profile.carbon) + 0.01 * (-1) ** np.arange(12)
    csv = tmp_path / "load.csv"
    csv.write_text("depth_mm,carbon\n" + "".join(f"{a:.4f},{c:.4f}\n" for a, c in zip(x, carbon)))
    fitted = tavrix.fit_profile(process, tavrix.read_measured(str(csv)))
    assert fitted.beta_undetermined and fitted.beta_error > fitted.beta
    assert len(fitted.notes) == 1

    process.write(str(tmp_path / "load.tav"))
    done = subprocess.run([TAVCALC, "--fit-profile", process.path, "--measured", str(csv)],
                          capture_output=True, text=True, check=False)
    assert done.returncode == 0, done.stderr
    assert f"\n  {fitted.notes[0]}\n" in done.stdout


# The text of the measurement, and whether tavcalc names the process file (a refused fit) or
# the measurement (a file that cannot be read; the message names it already).
BAD_MEASUREMENTS = {
    "three fields": ("depth_mm,carbon\n0.1,0.8,1\n", False),
    "negative depth": ("depth_mm;carbon\n0,1;0,8\n-0,2;0,7\n", False),
    "hardness out of range": ("depth_mm,hardness_HV\n0.1,2000\n", False),
    "no quantity line": ("0.1,0.8\n", False),
    "too few points to fit": ("depth_mm,carbon\n0.1,0.8\n0.2,0.6\n", True),
}


@pytest.mark.parametrize("text, refused", BAD_MEASUREMENTS.values(),
                         ids=BAD_MEASUREMENTS.keys())
def test_bad_measurements_raise_what_tavcalc_prints(text, refused, tmp_path):
    csv = tmp_path / "load.csv"
    csv.write_text(text)
    process = gas_process(2e-5)
    process.write(str(tmp_path / "load.tav"))
    with pytest.raises(tavrix.ProcessError) as raised:
        tavrix.fit_profile(process, tavrix.read_measured(str(csv)))
    done = subprocess.run([TAVCALC, "--fit-profile", process.path, "--measured", str(csv)],
                          capture_output=True, text=True, check=False)
    assert done.returncode != 0
    named = f"{process.path}: " if refused else ""
    assert done.stderr.strip() == f"tavcalc: {named}{raised.value}"


def test_a_fit_of_neither_beta_nor_the_potential_raises(tmp_path):
    measured = tavrix.read_measured(str(measured_file(tmp_path / "load.csv",
                                                      tavrix.run(gas_process(2e-5)))))
    with pytest.raises(ValueError, match="must be \"beta\" or \"beta,potential\""):
        tavrix.fit_profile(gas_process(2e-5), measured, fit="potential")


def long_wire():
    return tavrix.Process(steel_carbon=0.05, beta=2e-5, shape="wire", thickness=0.01,
                          stages=[(0, 900, 1.0), (2e6, 900, 1.0)])


def fast_furnace():
    """A transfer so fast that the computation takes many short steps."""
    return tavrix.Process(steel_carbon=0.2, beta=1.0, shape="semi-infinite",
                          stages=[(0, 950, 1.2), (1, 950, 1.2)])


# Each computes for far longer than the test waits: many seconds in an optimised build.
LONG = {
    "run": "tavrix.run(long_wire())",
    "design": "tavrix.design(fast_furnace(), depth=3.5, surface=0.75)",
    "fit_beta": "tavrix.fit_beta(long_wire(), carbon=0.9)",
}
CHILD = """
import time
import tavrix
from test_tavrix import fast_furnace, long_wire
print("computing", flush=True)
start = time.perf_counter()
try:
    {call}
except KeyboardInterrupt:
    print(time.perf_counter() - start)
"""
CPU_TICKS = 10  # of the child's processor time in the computation before Ctrl-C


def child_env():
    return dict(os.environ, PYTHONPATH=os.pathsep.join(
        [os.environ["PYTHONPATH"], str(Path(__file__).parent)]))


def processor_ticks(pid):
    """The processor time a process has used, in clock ticks (user and system)."""
    with open(f"/proc/{pid}/stat", encoding="ascii") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


@pytest.mark.parametrize("call", LONG.values(), ids=LONG.keys())
def test_ctrl_c_stops_a_long_computation_with_keyboard_interrupt(call):
    child = subprocess.Popen(["/usr/bin/python3", "-c", CHILD.format(call=call)], env=child_env(),
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        assert child.stdout.readline() == "computing\n"
        # Signalled once it has computed for a while: the signal comes during the computation.
        started = processor_ticks(child.pid)
        while processor_ticks(child.pid) < started + CPU_TICKS:
            time.sleep(0.01)
        child.send_signal(signal.SIGINT)
        # A check only after the computation returned would come when the whole of it was
        # done, long after this.
        out, err = child.communicate(timeout=60)
    finally:
        child.kill()
    assert child.returncode == 0, err
    assert float(out) > 0


def sweep_process(beta):
    return tavrix.Process(steel_carbon=0.2, beta=beta, alloy=dict(Cr=1.1, Mn=1.2, Si=0.25),
                          shape="semi-infinite", stages=[(0, 920, 1.15), (2, 920, 1.15)])


TWO_RUNS_CHILD = """
import os, signal, sys, threading, time
from pathlib import Path
import tavrix
from test_tavrix import long_wire, sweep_process

written = Path(sys.argv[1])

def run_beside():
    # Python of this thread runs only while the main thread's run has let the GIL go; its own
    # run ends only if the two compute at the same time, the main one's being endless here.
    while not written.exists():
        time.sleep(0.001)
    print(f"beside: {tavrix.run(sweep_process(2e-5)).depth(0.35):.3f}", flush=True)
    os.kill(os.getpid(), signal.SIGINT)

threading.Thread(target=run_beside, daemon=True).start()
try:
    tavrix.run(long_wire(), write=str(written))
except KeyboardInterrupt:
    print("interrupted", flush=True)
"""


def test_runs_of_two_threads_compute_at_the_same_time(tmp_path):
    # Were the GIL held while a run computes, the second run could not begin before the long
    # one returned, and the child would not end.
    child = subprocess.run(["/usr/bin/python3", "-c", TWO_RUNS_CHILD, str(tmp_path / "long.tav")],
                           env=child_env(), capture_output=True, text=True, timeout=120,
                           check=False)
    assert child.returncode == 0, child.stderr
    beside = f"{tavrix.run(sweep_process(2e-5)).depth(0.35):.3f}"
    assert child.stdout.splitlines() == [f"beside: {beside}", "interrupted"]


def test_a_sweep_in_threads_gives_what_one_by_one_gives():
    processes = [sweep_process(1e-5 + i * 3e-7) for i in range(20)]
    one_by_one = [tavrix.run(p).depth(0.35) for p in processes]
    with ThreadPoolExecutor(max_workers=2) as pool:
        threaded = list(pool.map(lambda p: tavrix.run(p).depth(0.35), processes))
    assert threaded == one_by_one


CLAIMING_CHILD = """
import sys
import tavrix
from test_tavrix import long_wire
tavrix.run(long_wire(), write=sys.argv[1])
"""


def listed_sets():
    listed = Path(DATA_HOME, "Tavrix", "pliki.lst")
    return listed.read_text(encoding="utf-8").splitlines()[1:] if listed.exists() else []


def test_hardening_settings_are_the_files_lines_and_refused_as_the_file_would_be():
    process = golden_process("cylinder")
    assert process.quench is None
    process.quench = "oil 60 H 0.4"
    process.temper = "180 2"
    process.grade = "16MnCr5"
    assert process.quench == "oil 60 H 0.4"
    assert "quench: oil 60 H 0.4\r\ntemper: 180 2\r\ngrade: 16MnCr5\r\n" in process.text()
    with pytest.raises(tavrix.ProcessError, match='gives quench "brine 20"'):
        process.quench = "brine 20"
    assert process.quench == "oil 60 H 0.4"
    process.temper = None
    assert process.temper is None
    semi = golden_process("semi-infinite")
    with pytest.raises(tavrix.ProcessError, match="semi-infinite sample needs"):
        semi.quench = "oil 25"
    semi.quench = "oil 25 section 30"


def test_a_quenched_run_gives_its_austenite_hardness_and_ms():
    plain = tavrix.run(golden_process("cylinder"))
    assert plain.retained_austenite is None and plain.ms is None
    assert len(plain.profile.austenite) == 0
    process = golden_process("cylinder")
    process.quench = "oil 60"
    result = tavrix.run(process)
    assert result.retained_austenite == pytest.approx(result.profile.austenite[0])
    assert result.ms < 300
    assert result.surface_hardness == pytest.approx(result.profile.hardness[0], abs=0.5)
    assert result.core_hardness < result.surface_hardness
    assert len(result.profile.austenite) == len(result.profile.hardness_x)


def test_a_run_with_carbides_gives_its_cementite_profile_as_its_file_holds_it(tmp_path):
    stages = [(0, 920, 0.8), (0.5, 920, 0.8, ("boost", 0.01)), (1, 920, 0.8, ("boost", 0.01))]
    plain = tavrix.run(tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite",
                                      stages=stages))
    assert plain.profile.carbide is None
    process = tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite", stages=stages,
                             carbides=True)
    result = tavrix.run(process)
    carbide = result.profile.carbide
    assert len(carbide) == len(result.profile.x)
    assert carbide[0] > 0 and carbide[-1] == 0
    written = tavrix.run(process, write=str(tmp_path / "c.tav"))
    np.testing.assert_array_equal(written.profile.carbide, carbide)
    assert (tmp_path / "c.wgl").exists()


def test_a_set_another_run_computes_is_refused_as_tavcalc_refuses_it(tmp_path):
    busy = tmp_path / "busy.tav"
    child = subprocess.Popen(["/usr/bin/python3", "-c", CLAIMING_CHILD, str(busy)],
                             env=child_env(), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                             text=True)
    written = long_wire().text().encode()
    try:
        # Claimed, then its process data written whole: the other run is computing.
        while str(busy).upper() not in listed_sets() or not busy.exists() or \
                not busy.read_bytes().startswith(written):
            assert child.poll() is None, child.stderr.read()
            time.sleep(0.01)
        process = golden_process("plate")
        with pytest.raises(tavrix.RunError,
                           match=f"^{re.escape(str(busy))}: Filename is already in use$"):
            tavrix.run(process, write=str(busy))
        assert process.path == str(GOLDEN / "input" / "plate.tav")
        # The refused run wrote nothing: the file holds the other run's process data.
        assert busy.read_bytes().startswith(written)
    finally:
        child.kill()
        child.wait()
    # The child's claim died with it: the set can be computed again.
    tavrix.run(golden_process("plate"), write=str(busy))
    assert str(busy).upper() not in listed_sets()


def test_a_written_run_takes_the_file_for_its_process_path_and_releases_its_set(tmp_path):
    process = golden_process("semi-infinite")
    tavrix.run(process, write=str(tmp_path / "written.tav"))
    assert process.path == str(tmp_path / "written.tav")
    assert str(tmp_path / "written.tav").upper() not in listed_sets()


def test_a_failed_run_names_the_file_it_could_not_delete(tmp_path):
    path = tmp_path / "stuck.tav"
    # A folder with a file in it where the surface carbon goes: it can be neither written nor
    # deleted, whoever runs the test.
    (tmp_path / "stuck.pow" / "inside").mkdir(parents=True)
    process = golden_process("semi-infinite")
    with pytest.raises(tavrix.RunError) as failed:
        tavrix.run(process, write=str(path))
    lines = str(failed.value).splitlines()
    assert f"{tmp_path / 'stuck.pow'}: Is a directory" in lines[0]
    assert lines[1:] == [f"cannot delete {tmp_path / 'stuck.pow'}: Directory not empty"]
    assert path.read_bytes() == process.text().encode()


class ProcessLocale:
    """The C library's locale for as long as the block lasts, then the one before."""

    def __init__(self, name):
        self.name = name
        self.before = None

    def __enter__(self):
        self.before = locale.setlocale(locale.LC_ALL)
        locale.setlocale(locale.LC_ALL, self.name)
        return self

    def __exit__(self, *exception):
        locale.setlocale(locale.LC_ALL, self.before)


def test_messages_write_numbers_alike_under_a_decimal_comma_locale():
    # Above the saturation limit of austenite at 920 deg C, so that the run warns.
    saturated = tavrix.Process(steel_carbon=0.2, beta=2e-5, shape="semi-infinite",
                               stages=[(0, 920, 1.5), (2, 920, 1.5)])
    result = tavrix.run(saturated)
    with pytest.raises(ValueError) as in_c:
        result.chd(1234.5)
    assert "1234.5 HV" in str(in_c.value)
    assert any("1.50 % C" in warning for warning in result.warnings), result.warnings
    # tools/install-deps.sh generates this locale.
    with ProcessLocale("pl_PL.UTF-8"):
        assert locale.localeconv()["decimal_point"] == ","
        warnings = tavrix.run(saturated).warnings
        with pytest.raises(ValueError) as in_polish:
            result.chd(1234.5)
    assert warnings == result.warnings
    assert str(in_polish.value) == str(in_c.value)
