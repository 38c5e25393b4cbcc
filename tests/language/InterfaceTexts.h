#pragma once
// What the language tests share: the committed translation read as the tests read it, and the
// texts a window shows, to be looked over for any that is still the Polish interface.

#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

class QWidget;

struct TranslatedText {
    QString context;
    QString source;      // the text in the code: the Polish interface
    QString translation; // the English, or in the Polish translation the Polish
    bool finished = false;
};

// The messages of translations/tavrix_en.ts.
QList<TranslatedText> committedTranslation();
// The messages of translations/tavrix_pl.ts.
QList<TranslatedText> committedPolishTranslation();
QList<TranslatedText> readTranslation(const QString& path);

// Every text a person reads in `window` and everything in it: titles, labels, buttons, menus with
// their hints, tooltips, placeholders, group titles, table headers and charts' captions.
QStringList shownTexts(const QWidget& window);

// Those of `texts` that are still the Polish interface: a source text that the translation
// renders otherwise, or a text with letters only Polish has. The language menu, named in both
// languages, is left out.
QStringList polishTexts(const QStringList& texts);

// Those of `texts` that are still an English text of the code: a source text that the Polish
// translation renders otherwise.
QStringList englishTexts(const QStringList& texts);
// What a window shows still in English, as a failure names it; empty when there is nothing.
QString stillEnglish(const QWidget& window);
// Fails the test with the texts the window shows still in English.
#define EXPECT_POLISH(window)                                                                      \
    QVERIFY2(stillEnglish(window).isEmpty(), qPrintable(stillEnglish(window)))
