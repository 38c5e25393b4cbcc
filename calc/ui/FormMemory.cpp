#include "FormMemory.h"

#include "BoxNumbers.h"
#include "ProcessForm.h"

#include <QSettings>
#include <QString>

namespace {

QString formKey(SampleShape shape) {
    const std::string_view name = shapeName(shape);
    return QStringLiteral("form/") + QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QSettings settings() {
    return QSettings(QStringLiteral("Tavrix"), QStringLiteral("Tavrix"));
}

// An empty box goes into the text as the empty-cell marker, and would come back as its digits.
void emptyMarkedBoxes(LoadedBoxes& boxes) {
    const std::string marker = loadedText(emptyCell);
    const auto empty = [&marker](std::string& text) {
        if (text == marker)
            text.clear();
    };
    for (std::string* text : {&boxes.steelCarbon, &boxes.transferCoefficient, &boxes.cr, &boxes.mo,
                              &boxes.mn, &boxes.si, &boxes.ni, &boxes.thickness})
        empty(*text);
    for (LoadedBoxes::Row& row : boxes.rows)
        for (std::string* text :
             {&row.time, &row.temperature, &row.potential, &row.fluxLimit, &row.ceiling})
            empty(*text);
}

} // namespace

void keepFormText(SampleShape shape, const std::string& processText) {
    settings().setValue(formKey(shape), QString::fromStdString(processText));
}

std::optional<LoadedBoxes> keptFormBoxes(SampleShape shape) {
    const QString kept = settings().value(formKey(shape)).toString();
    if (kept.isEmpty())
        return std::nullopt;
    ProcessFileLoad loaded = loadProcessText(kept.toStdString(), shapeName(shape));
    if (loaded.result != ProcessFileLoad::Result::Loaded || !loaded.boxes.shapeMatches)
        return std::nullopt;
    emptyMarkedBoxes(loaded.boxes);
    return loaded.boxes;
}
