#pragma once
// An edit-box filter that admits only the characters of a given set, as typed or pasted.

#include <QString>
#include <QValidator>

class CharacterFilter : public QValidator {
    Q_OBJECT
public:
    CharacterFilter(const QString& allowed, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    QString allowed_;
};
