// What the form makes of its boxes' texts and values without a window: a box's text as one
// number or none, a value shown with the digits it needs, the stage checks that name their rows,
// the warnings of unusual values, and the results a finished run shows.

#include "BoxNumbers.h"
#include "FormCheck.h"
#include "FormWarnings.h"
#include "RunResults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

// The grade curves' final hardness at `depth` (µm).
CaseHardness hardnessOf(std::vector<double> depth, std::vector<double> hv) {
    CaseHardness hardness;
    hardness.depth = std::move(depth);
    hardness.hv = std::move(hv);
    return hardness;
}

struct TextCase {
    const char* text;
    std::optional<double> value; // empty: the text is not a number
};

void PrintTo(const TextCase& row, std::ostream* out) {
    *out << '"' << row.text << '"';
}

class BoxText : public testing::TestWithParam<TextCase> {};

// A gas programme that passes every check: 0 h, 4 h and 6 h at 920 °C.
ProcessForm validForm() {
    ProcessForm form;
    form.steelCarbon = 0.2;
    form.transferCoefficient = 2e-5;
    form.cr = form.mo = form.mn = form.si = form.ni = 0;
    const double times[] = {0, 4, 6};
    for (std::size_t row = 0; row < 3; ++row) {
        form.time[row] = times[row];
        form.temperature[row] = 920;
        form.potential[row] = 1.0;
    }
    return form;
}

QStringList checkTexts(const ProcessForm& form, SampleShape shape = SampleShape::SemiInfinite) {
    QStringList texts;
    for (const MessageRecord& message : checkForm(form, shape, "default.tav", TFileTable()))
        texts.append(message.text);
    return texts;
}

} // namespace

TEST_P(BoxText, IsReadWholeOrNotAtAll) {
    const std::optional<double> read = boxNumber(GetParam().text);
    ASSERT_EQ(read.has_value(), GetParam().value.has_value());
    if (read) {
        EXPECT_EQ(*read, *GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BoxNumbers, BoxText,
    testing::Values(TextCase{"0.2", 0.2}, TextCase{"0,2", 0.2}, TextCase{"2e-5", 2e-5},
                    TextCase{"2E-05", 2e-5}, TextCase{"-1", -1.0}, TextCase{".5", 0.5},
                    TextCase{"1200.00001", 1200.00001}, TextCase{"", emptyCell},
                    TextCase{"0.2-0.3", std::nullopt}, TextCase{"0.2e", std::nullopt},
                    TextCase{"e-5", std::nullopt}, TextCase{"-", std::nullopt},
                    TextCase{"1.2.3", std::nullopt}, TextCase{"1,5,", std::nullopt},
                    TextCase{"1e999", std::nullopt}));

TEST(BoxNumbers, ShowsAValueWithTheDigitsItNeedsAndReadsItBack) {
    const std::pair<double, const char*> cases[] = {{930, "930"},
                                                    {0.2, "0.2"},
                                                    {2e-05, "2e-05"},
                                                    {1.25e-06, "1.25e-06"},
                                                    {1200.0000001, "1200.0000001"},
                                                    {-0.5, "-0.5"},
                                                    {0, "0"},
                                                    {1.0 / 3, "0.3333333333333333"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(loadedText(value), text);
        EXPECT_EQ(boxNumber(loadedText(value)), value) << text;
    }
}

TEST(FormCheck, TimesThatDoNotRiseNameTheirRowsAndTheRowBefore) {
    ProcessForm form = validForm();
    form.time[2] = -1;
    form.time[1] = 3;
    EXPECT_EQ(
        checkTexts(form),
        QStringList{u"Wiersz 3: czas \u22121 h nie jest późniejszy niż w wierszu 2 (3 h)."_qs});
    // Equal times, in the seconds of a foil; the earlier filled row is named across a gap.
    form.time[2] = 3;
    form.thickness = 0.05;
    EXPECT_EQ(checkTexts(form, SampleShape::Foil),
              QStringList{u"Wiersz 3: czas 3 s nie jest późniejszy niż w wierszu 2 (3 s)."_qs});
}

TEST(FormCheck, EachGapAndEachPartlyFilledRowIsNamed) {
    ProcessForm gaps = validForm();
    gaps.time[4] = 8, gaps.temperature[4] = 920, gaps.potential[4] = 1;
    gaps.time[6] = 9, gaps.temperature[6] = 920, gaps.potential[6] = 1;
    EXPECT_EQ(
        checkTexts(gaps),
        QStringList{u"Wiersz 4 jest pusty, a wiersz 5 nie: etapy idą w tabeli bez przerw.\n"
                    "Wiersz 6 jest pusty, a wiersz 7 nie: etapy idą w tabeli bez przerw."_qs});
    ProcessForm partly = validForm();
    partly.temperature[1] = emptyCell;
    partly.time[3] = 7;
    const QString rule = u": czas, temperatura i potencjał muszą być wypełnione wszystkie albo "
                         "żaden."_qs;
    EXPECT_EQ(checkTexts(partly), QStringList{u"Wiersz 2"_qs + rule + u"\nWiersz 4"_qs + rule});
}

TEST(FormCheck, AnEmptyTableSaysSo) {
    ProcessForm form = validForm();
    for (std::size_t row = 0; row < form.time.size(); ++row)
        form.time[row] = form.temperature[row] = form.potential[row] = emptyCell;
    form.time[0] = 0;
    EXPECT_EQ(checkTexts(form), QStringList{u"Tabela etapów jest pusta: wpisz czas, temperaturę i "
                                            "potencjał co najmniej dwóch wierszy."_qs});
    // A first row typed is a table, short of its second line.
    form.temperature[0] = 920;
    form.potential[0] = 1;
    EXPECT_EQ(checkTexts(form), QStringList{u"Enter data to the second line"_qs});
}

TEST(FormWarnings, NameEachUnusualValue) {
    EXPECT_TRUE(unusualValueWarnings(validForm(), SampleShape::SemiInfinite).isEmpty());
    ProcessForm form = validForm();
    form.transferCoefficient = 1.5;
    form.temperature[1] = 1150;
    form.time[2] = 100.5;
    const QStringList warnings = unusualValueWarnings(form, SampleShape::SemiInfinite);
    EXPECT_EQ(warnings,
              (QStringList{u"Współczynnik przenoszenia węgla 1.5 cm/s leży poza zwykłym zakresem "
                           "1e-6…1e-3 cm/s (czy nie brakuje \"e-5\"?)."_qs,
                           u"Wiersz 2: temperatura 1150 °C leży poza zwykłym zakresem nawęglania "
                           "780–1100 °C."_qs,
                           u"Program trwa 100.5 h, dłużej niż zwykle (100 h)."_qs}));
}

TEST(FormWarnings, TakeTheLimitsThemselvesAsUsualAndFoilSecondsAsHours) {
    ProcessForm form = validForm();
    form.transferCoefficient = lowestUsualTransfer;
    form.temperature[0] = lowestUsualTemperature;
    form.temperature[1] = highestUsualTemperature;
    form.time[2] = 100;
    EXPECT_TRUE(unusualValueWarnings(form, SampleShape::SemiInfinite).isEmpty());
    form.time[2] = 360000;
    form.thickness = 0.05;
    EXPECT_TRUE(unusualValueWarnings(form, SampleShape::Foil).isEmpty());
    form.time[2] = 360036;
    EXPECT_EQ(unusualValueWarnings(form, SampleShape::Foil),
              QStringList{u"Program trwa 100.01 h, dłużej niż zwykle (100 h)."_qs});
}

TEST(RunResults, AThickRunShowsItsCaseAndTheProgrammeItsTime) {
    RunOutcome outcome;
    // 700 HV at the surface, 500 HV at 1 mm: 550 HV at 0.75 mm.
    outcome.finalHardness = hardnessOf({0, 1000}, {700, 500});
    outcome.results = FinalResults{0.8123, 123.456, 1.2346, std::nullopt};
    EXPECT_EQ(runResultsText(outcome, SampleShape::Plate, 12),
              u"Głębokość utwardzenia CHD (550 HV): 0.750 mm\n"
              "Grubość warstwy do 0.35 % C: 1.235 mm\n"
              "Węgiel na powierzchni: 0.812 % C\n"
              "Przyrost masy: 123.5 g/m²\n"
              "Czas procesu: 12 h"_qs);
}

TEST(RunResults, AFoilShowsItsMeanIncreaseInsteadOfADepth) {
    RunOutcome outcome;
    outcome.results = FinalResults{1.05, 2.5, 0, 0.4567};
    EXPECT_EQ(runResultsText(outcome, SampleShape::Foil, 60), u"Średni przyrost węgla: 0.457 % C\n"
                                                              "Węgiel na powierzchni: 1.050 % C\n"
                                                              "Przyrost masy: 2.5 g/m²\n"
                                                              "Czas procesu: 60 s"_qs);
}

TEST(RunResults, ARunWithCarbidesShowsTheCementiteOfEachStageEnd) {
    RunOutcome outcome;
    outcome.results = FinalResults{1.05, 2.5, 0, 0.4567};
    outcome.carbideAtStageEnds = std::vector<StageCarbide>{{1800, 0.01234}, {3600, std::nullopt}};
    EXPECT_EQ(runResultsText(outcome, SampleShape::Foil, 3600),
              u"Średni przyrost węgla: 0.457 % C\n"
              "Węgiel na powierzchni: 1.050 % C\n"
              "Przyrost masy: 2.5 g/m²\n"
              "Cementyt na końcu etapu (1800 s): do 0.012 mm\n"
              "Cementyt na końcu etapu (3600 s): brak\n"
              "Czas procesu: 3600 s"_qs);
    EXPECT_TRUE(runResultsText(outcome, SampleShape::Plate, 1)
                    .contains(u"Cementyt na końcu etapu (0.5 h): do 0.012 mm\n"_qs));
}

TEST(RunResults, ACaseSofterThanTheLimitSaysSo) {
    RunOutcome outcome;
    outcome.finalHardness = hardnessOf({0, 1000}, {500, 400});
    EXPECT_TRUE(runResultsText(outcome, SampleShape::SemiInfinite, 4)
                    .startsWith(u"Głębokość utwardzenia CHD: warstwa nie osiąga 550 HV\n"_qs));
}

TEST(FormCheck, AConditionOnTheFirstRowIsRefused) {
    // The table offers none there; a form filled otherwise is refused all the same.
    ProcessForm form = validForm();
    form.condition[0] = {SurfaceCondition::Neutral, std::nullopt};
    EXPECT_EQ(checkTexts(form), QStringList{u"Stage 1 condition must be left out: the first row "
                                            "starts the process and ends no stage."_qs});
}
