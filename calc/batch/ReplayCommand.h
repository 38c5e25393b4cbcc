#pragma once
// `tavcalc --replay`: the load as the furnace ran it, from the plan and the furnace's log.
//
// tavcalc --replay PLAN.tav --log LOG.csv [-o RUN.tav] [--co PCT] [--h2 PCT]
//         [--process-factor PF]
// Writes the as-run set (PLAN-asrun.tav beside the plan unless -o names it) and prints the
// planned against the as-run case and the band report. 0: computed; 2: the log refused
// (nothing written, the plan untouched); 1: a file unusable or the run failed.

#include <string>
#include <vector>

int runReplayCommand(const std::vector<std::string>& words);
