#include "ProcessFileLoad.h"

#include "BoxNumbers.h"
#include "ProcessScanner.h"

#include <locale>
#include <sstream>

namespace {

std::string countText(double count) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << count;
    return text.str();
}

const char* const alloyNames[] = {"Cr", "Mo", "Mn", "Si", "Ni"};

// The field a fault is at, as the refusal names it.
std::string fieldName(const HeadFault& fault, std::string_view shape) {
    const std::string stage = " of stage " + std::to_string(fault.index + 1);
    switch (fault.item) {
    case HeadItem::SteelCarbon:
        return "the steel's carbon content";
    case HeadItem::TransferCoefficient:
        return "the transfer coefficient";
    case HeadItem::Alloy:
        return "the " + std::string(alloyNames[fault.index]) + " content";
    case HeadItem::StageCount:
        return "the number of process stages";
    case HeadItem::StageTime:
        return "the time" + stage;
    case HeadItem::StageTemperature:
        return "the temperature" + stage;
    case HeadItem::StagePotential:
        return "the potential" + stage;
    case HeadItem::StageWord:
        return "the condition" + stage;
    case HeadItem::Shape:
        return "the shape";
    case HeadItem::Size:
    case HeadItem::Setting:
        break;
    }
    const std::optional<SampleShape> kind = shapeFromLine(shape);
    return "the " + std::string(sizeName(kind ? kindTraits(*kind).size : SampleSize::Thickness));
}

// Why the file is refused. A value the file holds but not as a number refuses the whole file,
// so that the boxes keep what they had, where showing 0 for it would pass for data.
std::string refusal(const HeadFault& fault, std::string_view shape) {
    switch (fault.kind) {
    case HeadFault::Kind::CountOutOfRange:
        return "The file lists " + countText(fault.count) +
               " process stages; the table holds at most " + std::to_string(fault.index);
    case HeadFault::Kind::RowsMissing:
        return "The file lists " + countText(fault.count) + " process stages but holds only " +
               std::to_string(fault.index);
    case HeadFault::Kind::UnknownWord:
        return "In the file, the condition of stage " + std::to_string(fault.index + 1) + " " +
               fault.text;
    case HeadFault::Kind::BadSetting:
        return "In the file, line " + std::to_string(fault.index) + " " + fault.text;
    case HeadFault::Kind::NotANumber:
    case HeadFault::Kind::CountNotWhole:
    case HeadFault::Kind::UnknownShape:
        break;
    }
    return "In the file, " + fieldName(fault, shape) + " is \"" + fault.text +
           "\", which is not a number";
}

// A value as its box shows it; an absent value empties the box.
std::string boxText(const std::optional<double>& value) {
    return value ? loadedText(*value) : std::string();
}

} // namespace

ProcessFileLoad loadProcessFile(const std::string& path, std::string_view shape) {
    const std::optional<std::string> text = wholeFile(path);
    if (!text) {
        ProcessFileLoad load;
        load.result = ProcessFileLoad::Result::CannotOpen;
        return load;
    }
    return loadProcessText(*text, shape);
}

ProcessFileLoad loadProcessText(std::string_view text, std::string_view shape) {
    std::istringstream in{std::string(text)};
    const ScannedHead head = scanProcessHead(in, Strictness::Loader, shape);
    ProcessFileLoad load;
    if (head.fault) {
        load.result = ProcessFileLoad::Result::Refused;
        load.problem = refusal(*head.fault, shape) + ".\nNothing was loaded.";
        return load;
    }
    LoadedBoxes& boxes = load.boxes;
    boxes.steelCarbon = boxText(head.steelCarbon);
    boxes.transferCoefficient = boxText(head.transferCoefficient);
    for (auto [box, value] : {std::pair{&boxes.cr, &head.alloy[0]},
                              {&boxes.mo, &head.alloy[1]},
                              {&boxes.mn, &head.alloy[2]},
                              {&boxes.si, &head.alloy[3]},
                              {&boxes.ni, &head.alloy[4]}})
        *box = boxText(*value);
    if (head.rows.size() > boxes.rows.size())
        boxes.rows.resize(head.rows.size());
    for (std::size_t row = 0; row < head.rows.size(); ++row) {
        const StageRow& stage = head.rows[row];
        boxes.rows[row] = {loadedText(stage.time), loadedText(stage.temperature),
                           loadedText(stage.potential), stage.condition.kind,
                           stage.condition.fluxLimit ? loadedText(*stage.condition.fluxLimit)
                                                     : std::string()};
    }
    boxes.shapeMatches = head.shapeMatches;
    boxes.thickness = boxText(head.size);
    boxes.settings = head.settings;
    return load;
}
