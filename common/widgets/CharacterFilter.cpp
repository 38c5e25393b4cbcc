#include "CharacterFilter.h"

CharacterFilter::CharacterFilter(const QString& allowed, QObject* parent)
    : QValidator(parent), allowed_(allowed) {}

QValidator::State CharacterFilter::validate(QString& input, int& /*position*/) const {
    for (const QChar ch : input)
        if (!allowed_.contains(ch))
            return Invalid;
    return Acceptable;
}
