#include "ProcessData.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ProcessData, WritesTheLayoutWithCrLfAndGeneralNumbers) {
    ProcessForm form;
    form.steelCarbon = 0.2;
    form.transferCoefficient = 0.00001;
    form.cr = 1.1, form.mo = 0, form.mn = 0.9, form.si = 0.25, form.ni = 0;
    form.time[0] = 0, form.temperature[0] = 925, form.potential[0] = 1.2;
    form.time[1] = 4.5, form.temperature[1] = 925, form.potential[1] = 0.8;
    form.thickness = 4;
    EXPECT_EQ(processDataText(form, "Plate"),
              "0.2\r\n1e-05\r\n\r\n1.1\r\n0\r\n0.9\r\n0.25\r\n0\r\n"
              "\r\n2\r\n0 925 1.2\r\n4.5 925 0.8\r\nPlate\r\n4\r\n");
    EXPECT_TRUE(processDataText(form, "Semi-infinitive sample")
                    .ends_with("0.8\r\nSemi-infinitive sample\r\n"));
}

TEST(ProcessData, EmptyRowsAreNotWrittenButRowOneAlwaysIs) {
    ProcessForm form;
    form.time[2] = 1, form.temperature[2] = 900, form.potential[2] = 1;
    const std::string text = processDataText(form, "Foil");
    EXPECT_NE(text.find("\r\n1\r\n2.00999e+06 2.00999e+06 2.00999e+06\r\n1 900 1\r\nFoil\r\n"),
              std::string::npos);
}

TEST(ProcessData, ExtractsTheHeadAndStops) {
    std::istringstream in("0.2\r\n2e-05\r\n\r\n1\r\n2\r\n3\r\n4\r\n5\r\n\r\n2\r\n0 900 1\r\n"
                          "4 900 0.8\r\nPlate\r\n4\r\n");
    TDane data;
    in >> data;
    EXPECT_DOUBLE_EQ(data.steelCarbon, 0.2);
    EXPECT_DOUBLE_EQ(data.transferCoefficient, 2e-05);
    EXPECT_EQ(data.alloy, (std::array<double, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(data.times, (std::vector<double>{0, 4}));
    EXPECT_EQ(data.temperatures, (std::vector<double>{900, 900}));
    EXPECT_EQ(data.potentials, (std::vector<double>{1, 0.8}));
    in >> std::ws;
    std::string shape;
    std::getline(in, shape);
    EXPECT_EQ(shapeFromLine(shape), SampleShape::Plate);
}

TEST(ProcessData, ShapeLinesAcceptPolishNamesInBothEncodings) {
    EXPECT_EQ(shapeFromLine("Semi-infinitive sample\r"), SampleShape::SemiInfinite);
    EXPECT_EQ(shapeFromLine("Próbka półnieskończona"), SampleShape::SemiInfinite);
    EXPECT_EQ(shapeFromLine("Pr\xF3"
                            "bka p\xF3\xB3niesko\xF1"
                            "czona\r"),
              SampleShape::SemiInfinite);
    EXPECT_EQ(shapeFromLine("P\xB3yta"), SampleShape::Plate);
    EXPECT_EQ(shapeFromLine("Walec"), SampleShape::Cylinder);
    EXPECT_EQ(shapeFromLine("Drut"), SampleShape::Wire);
    EXPECT_EQ(shapeFromName("Drut"), std::nullopt);
    EXPECT_EQ(shapeFromLine("foil"), std::nullopt);
    EXPECT_EQ(shapeFromName("Próbka półnieskończona"), std::nullopt);
}
