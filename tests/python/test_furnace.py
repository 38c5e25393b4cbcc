"""tavrix.potential against tavcalc --potential and against values computed by hand."""

import os
import subprocess

import pytest

import tavrix

TAVCALC = os.environ["TAVCALC"]


def tavcalc_lines(*words):
    done = subprocess.run([TAVCALC, "--potential", *words], capture_output=True, text=True,
                          check=True)
    return done.stdout.splitlines()


@pytest.mark.parametrize("reading, words", [
    (dict(probe=1150), ["--probe", "1150"]),
    (dict(probe=1150, process_factor=150), ["--probe", "1150", "--process-factor", "150"]),
    (dict(dew_point=-5, co=20, h2=40), ["--dew-point", "-5", "--co", "20", "--h2", "40"]),
    (dict(co2=0.2), ["--co2", "0.2"]),
    (dict(carbon=1.0), ["--carbon", "1.0"]),
])
def test_potential_is_what_tavcalc_prints(reading, words):
    p = tavrix.potential(temperature=925, **reading)
    lines = tavcalc_lines("--temperature", "925", *words)
    assert f"carbon potential {p.potential:.3f} % C" in lines
    assert f"carbon activity {p.activity:.4f}" in lines
    assert not p.soot


def test_hand_values():
    # python3 from the relations (docs/atmosphere.md): 925 deg C, 20 % CO, 40 % H2.
    assert tavrix.potential(temperature=925, probe=1150).potential == pytest.approx(
        0.9629269896822131, rel=1e-12)
    back = tavrix.potential(temperature=925, carbon=1.0)
    assert back.probe == pytest.approx(1152.4149412125216, rel=1e-12)
    assert back.dew_point == pytest.approx(-9.125239701403416, rel=1e-12)
    assert back.co2 == pytest.approx(0.11071431202441084, rel=1e-12)


def test_round_trip():
    back = tavrix.potential(temperature=880, carbon=0.85)
    for reading in (dict(probe=back.probe), dict(dew_point=back.dew_point), dict(co2=back.co2)):
        assert tavrix.potential(temperature=880, **reading).potential == pytest.approx(0.85,
                                                                                         abs=1e-9)


def test_soot_has_no_carbon():
    p = tavrix.potential(temperature=925, probe=1150, co=30)
    assert p.soot and p.potential is None and p.probe is None
    assert p.activity == pytest.approx(1.0453403348133583, rel=1e-12)


def test_process_gives_the_steels_surface_carbon():
    steel = tavrix.Process(steel_carbon=0.2, beta=2e-5, alloy=dict(Cr=1.1, Mn=1.2, Si=0.25),
                           shape="semi-infinite", stages=[(0, 920, 1.15), (1, 920, 1.15)])
    p = tavrix.potential(temperature=925, probe=1150, process=steel)
    assert p.alloy_factor == pytest.approx(0.8594175, rel=1e-12)
    assert p.surface_carbon == pytest.approx(1.0868861925988396, rel=1e-12)
    assert tavrix.potential(temperature=925, probe=1150).surface_carbon is None


@pytest.mark.parametrize("reading, message", [
    (dict(probe=3000), "probe=3000: must be 0 to 1500 mV"),
    (dict(probe=1150, co=-20), "co=-20:"),
    (dict(dew_point=-5, co=70), "h2=40:"),
    (dict(), "needs one reading"),
    (dict(probe=1150, co2=0.2), "needs one reading"),
    (dict(co2=0.2, process_factor=150), "process_factor goes with"),
])
def test_refusals_name_the_keyword_and_value(reading, message):
    with pytest.raises(tavrix.ProcessError, match=message):
        tavrix.potential(temperature=925, **reading)
    with pytest.raises(ValueError):
        tavrix.potential(temperature=925, **reading)
