// The dialog's form and its one conversion to the process record.

#include "ProcessForm.h"

#include <gtest/gtest.h>

namespace {

ProcessForm plateForm() {
    ProcessForm form;
    form.steelCarbon = 0.2;
    form.transferCoefficient = 2e-5;
    form.cr = 1.1, form.mo = 0, form.mn = 0.9, form.si = 0.25, form.ni = 0;
    form.time[0] = 0, form.temperature[0] = 925, form.potential[0] = 1.2;
    form.time[1] = 1.5, form.temperature[1] = 925, form.potential[1] = 1.2;
    form.condition[1] = {SurfaceCondition::Boost, 0.0035};
    form.time[3] = 4.5, form.temperature[3] = 880, form.potential[3] = 0.8;
    form.thickness = 4;
    return form;
}

} // namespace

TEST(ProcessForm, EmptyRowsAreNotWrittenButRowOneAlwaysIs) {
    ProcessForm form;
    form.time[2] = 1, form.temperature[2] = 900, form.potential[2] = 1;
    const std::string text = processDataText(form, SampleShape::Foil);
    // The count line counts the filled time cells: an empty first row is written, not counted.
    EXPECT_NE(text.find("\r\n1\r\n2.00999e+06 2.00999e+06 2.00999e+06\r\n1 900 1\r\nFoil\r\n"),
              std::string::npos)
        << text;
}

TEST(ProcessForm, AFilledFormWritesTheFileOfItsRecord) {
    const ProcessForm form = plateForm();
    const ProcessRecord process = processRecord(form, SampleShape::Plate);
    EXPECT_EQ(process.data.times, (std::vector<double>{0, 1.5, 4.5}));
    EXPECT_EQ(process.data.potentials, (std::vector<double>{1.2, 1.2, 0.8}));
    const std::string text = processDataText(form, SampleShape::Plate);
    EXPECT_EQ(processDataText(process), text);
    EXPECT_NE(text.find("\r\n3\r\n0 925 1.2\r\n1.5 925 1.2 boost 0.0035\r\n4.5 880 0.8\r\nPlate\r\n"
                        "4\r\n"),
              std::string::npos)
        << text;
    // The form a record fills holds the same process.
    EXPECT_EQ(processDataText(processRecord(formOf(process), SampleShape::Plate)), text);
}
