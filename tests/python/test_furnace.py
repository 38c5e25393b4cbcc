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


PLAN = tavrix.Process(steel_carbon=0.2, beta=2e-5, alloy=dict(Cr=1.1, Mn=1.2, Si=0.25),
                      shape="semi-infinite",
                      stages=[(0, 920, 1.15), (1, 920, 1.15), (2, 920, 0.8)])


def planned_potential(t):
    return 1.15 if t <= 3600 else 1.15 - 0.35 * (t - 3600) / 3600


def write_log(path, rows, header="time,temperature,carbon_potential,setpoint,event"):
    path.write_text(header + "\n" + "".join(",".join(map(str, r)) + "\n" for r in rows))
    return str(path)


def test_replay_of_the_logged_plan_is_the_plan(tmp_path):
    log = write_log(tmp_path / "log.csv", [(t, 920, round(planned_potential(t), 6),
                                            round(planned_potential(t), 6), "")
                                           for t in range(0, 7201, 60)])
    r = tavrix.replay(PLAN, log)
    assert len(r.process.stages) == 121
    assert r.result.surface_carbon == pytest.approx(r.planned.surface_carbon, abs=0.005)
    assert r.result.depth(0.35) == pytest.approx(r.planned.depth(0.35), abs=0.005)
    assert r.band.outside_minutes == 0 and r.band.logged_minutes == pytest.approx(120)
    assert list(tmp_path.iterdir()) == [tmp_path / "log.csv"], "in memory: nothing written"


def test_replay_masks_burn_off_and_reports_the_band(tmp_path):
    rows = []
    for t in range(0, 7201, 60):
        p = planned_potential(t)
        event = "burnoff" if 1800 <= t < 2400 else ""
        rows.append((t, 920, "" if event else round(p, 6), round(p, 6), event))
    r = tavrix.replay(PLAN, write_log(tmp_path / "log.csv", rows))
    assert r.band.masked_minutes == pytest.approx(10)
    assert r.band.outside_minutes == pytest.approx(0)


def test_replay_refuses_a_bad_log_naming_line_and_column(tmp_path):
    log = write_log(tmp_path / "log.csv", [(0, 920, 1.0, "", ""), (60, "hot", 1.0, "", "")])
    with pytest.raises(tavrix.ProcessError, match="line 3, column temperature"):
        tavrix.replay(PLAN, log)
