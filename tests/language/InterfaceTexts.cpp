#include "InterfaceTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QWidget>
#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The texts that are the same in both interfaces on purpose: the language menu speaks both.
const QSet<QString> bothLanguages{u"Język / Language"_s, u"Polski"_s};

void addText(QStringList& texts, const QString& text) {
    if (!text.trimmed().isEmpty())
        texts.append(text);
}

void addActionTexts(QStringList& texts, const QAction& action) {
    addText(texts, action.text());
    addText(texts, action.statusTip());
    if (action.toolTip() != QString(action.text()).remove(u'&'))
        addText(texts, action.toolTip());
}

void addChartTexts(QStringList& texts, const QChart& chart) {
    addText(texts, chart.title());
    for (const QAbstractAxis* axis : chart.axes())
        addText(texts, QTextDocumentFragment::fromHtml(axis->titleText()).toPlainText());
    for (const QLegendMarker* marker : chart.legend()->markers())
        addText(texts, marker->label());
}

} // namespace

QList<TranslatedText> committedTranslation() {
    return readTranslation(QStringLiteral(TAVRIX_TRANSLATION));
}

QList<TranslatedText> committedPolishTranslation() {
    return readTranslation(QStringLiteral(TAVRIX_POLISH_TRANSLATION));
}

QList<TranslatedText> readTranslation(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TranslatedText> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}, false});
        else if (xml.name() == u"source" && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.last().finished = !xml.attributes().hasAttribute(u"type"_s);
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

QStringList shownTexts(const QWidget& window) {
    QStringList texts;
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>())
        widgets.append(child);
    for (const QWidget* widget : widgets) {
        if (widget->isWindow() || qobject_cast<const QMenu*>(widget))
            addText(texts, widget->windowTitle());
        addText(texts, widget->toolTip());
        addText(texts, widget->statusTip());
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            addText(texts, menu->title());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            addText(texts, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            addText(texts, button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            addText(texts, group->title());
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            addText(texts, edit->placeholderText());
        if (const auto* table = qobject_cast<const QTableWidget*>(widget))
            for (int column = 0; column < table->columnCount(); ++column)
                if (const QTableWidgetItem* header = table->horizontalHeaderItem(column))
                    addText(texts, header->text());
        if (const auto* view = qobject_cast<const QChartView*>(widget); view && view->chart())
            addChartTexts(texts, *view->chart());
        for (const QAction* action : widget->actions())
            addActionTexts(texts, *action);
    }
    for (const QAction* action : window.findChildren<QAction*>())
        addActionTexts(texts, *action);
    texts.removeDuplicates();
    return texts;
}

QStringList englishTexts(const QStringList& texts) {
    QSet<QString> untranslated;
    for (const TranslatedText& message : committedPolishTranslation())
        if (message.translation != message.source)
            untranslated.insert(message.source);
    QStringList english;
    for (const QString& text : texts)
        if (untranslated.contains(text))
            english.append(text);
    return english;
}

QString stillEnglish(const QWidget& window) {
    const QStringList english = englishTexts(shownTexts(window));
    return english.isEmpty() ? QString() : u"Still English:\n"_s + english.join(u'\n');
}

QStringList polishTexts(const QStringList& texts) {
    static const QString polishLetters = u"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_s;
    QSet<QString> untranslated;
    for (const TranslatedText& message : committedTranslation())
        if (message.translation != message.source)
            untranslated.insert(message.source);
    QStringList polish;
    for (const QString& text : texts) {
        if (bothLanguages.contains(text))
            continue;
        const bool polishLetter = std::any_of(text.begin(), text.end(),
                                              [](QChar c) { return polishLetters.contains(c); });
        if (untranslated.contains(text) || polishLetter)
            polish.append(text);
    }
    return polish;
}
