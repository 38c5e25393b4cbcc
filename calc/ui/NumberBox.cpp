#include "NumberBox.h"

#include "BoxNumbers.h"
#include "CharacterFilter.h"

#include <QLineEdit>

namespace {

// Wide enough for a loaded temperature ("925.000000") to show whole.
constexpr int numberBoxWidth = 84;

} // namespace

QLineEdit* newNumberBox(const QString& objectName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setValidator(new CharacterFilter(
        QString::fromLatin1(numberCharacters.data(), qsizetype(numberCharacters.size())), box));
    box->setFixedWidth(numberBoxWidth);
    return box;
}

double boxValue(const QLineEdit* box) {
    return boxNumber(box->text().toStdString());
}
