#include "ProcessForm.h"

#include <algorithm>

ProcessRecord processRecord(const ProcessForm& form, SampleShape shape) {
    ProcessRecord process;
    process.shape = shape;
    process.thickness = form.thickness;
    process.settings = form.settings;
    TDane& data = process.data;
    data.steelCarbon = form.steelCarbon;
    data.transferCoefficient = form.transferCoefficient;
    data.alloy = {form.cr, form.mo, form.mn, form.si, form.ni};
    for (std::size_t row = 0; row < form.time.size(); ++row)
        if (row == 0 || form.time[row] != emptyCell) {
            data.times.push_back(form.time[row]);
            data.temperatures.push_back(form.temperature[row]);
            data.potentials.push_back(form.potential[row]);
            data.conditions.push_back(form.condition[row]);
        }
    return process;
}

ProcessForm formOf(const ProcessRecord& process) {
    const TDane& data = process.data;
    ProcessForm form;
    form.steelCarbon = data.steelCarbon;
    form.transferCoefficient = data.transferCoefficient;
    form.cr = data.alloy[0], form.mo = data.alloy[1], form.mn = data.alloy[2];
    form.si = data.alloy[3], form.ni = data.alloy[4];
    for (std::size_t row = 0; row < data.times.size() && row < form.time.size(); ++row) {
        form.time[row] = data.times[row];
        form.temperature[row] = data.temperatures[row];
        form.potential[row] = data.potentials[row];
        form.condition[row] = stageCondition(data, row);
    }
    form.thickness = process.thickness;
    form.settings = process.settings;
    return form;
}

std::string processDataText(const ProcessForm& form, SampleShape shape) {
    const auto filled = std::count_if(form.time.begin(), form.time.end(),
                                      [](double time) { return time != emptyCell; });
    return processDataText(processRecord(form, shape), static_cast<std::size_t>(filled));
}
