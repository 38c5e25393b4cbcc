// Both interfaces as a whole: each translation is complete and finished, gives every text a form
// of its own language (the two read alike only for the few texts that are the same in both), it
// keeps every placeholder and shortcut of its source, it holds every text of the code and no
// other, and which language a program speaks follows --lang, the kept choice and the desktop in
// that order.

#include "InterfaceLanguage.h"
#include "InterfaceTexts.h"
#include "SurfaceConditions.h"
#include "WindowSystem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<InterfaceLanguage>)
Q_DECLARE_METATYPE(QList<TranslatedText>)

namespace {

QString named(const TranslatedText& message) {
    return message.context + u": "_s + message.source;
}

// "%1", "%2", ... in order of their numbers, each as often as it stands in the text.
QStringList placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression placeholder(u"%[1-9]"_s);
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// Whether a menu text marks a letter for its shortcut ("&Plik"); "&&" is an ampersand.
bool marksShortcut(const QString& text) {
    return QString(text).remove(u"&&"_s).contains(u'&');
}

// What `attribute="..."` holds throughout an HTML page.
QSet<QString> attributeValues(const QString& page, const QString& attribute) {
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString html = QString::fromUtf8(file.readAll());
    QSet<QString> values;
    const QRegularExpression pattern(attribute + u"=\"([^\"]*)\""_s);
    for (const QRegularExpressionMatch& match : pattern.globalMatch(html))
        values.insert(match.captured(1));
    return values;
}

// The texts that read the same in both interfaces: names, units and words both languages use.
// Names, symbols and formulas that both languages write alike.
const QSet<QString> sameInBothLanguages{
    u"OK"_s,           u"Start!"_s,       u"Tavrix!"_s,
    u"Tavrix! - %1"_s, u"J0, g/(m²·s)"_s, u"CHD %1 HV (mm)"_s,
    u"RMS"_s,          u"Tibbetts"_s,     u"CO2, %"_s,
    u"CO, %:"_s,       u"H2, %:"_s,       u"%1 % C; Cr %2 %, Mo %3 %, Mn %4 %, Si %5 %, Ni %6 %"_s};

// The texts of a translation that have no finished form in it.
QStringList unfinished(const QList<TranslatedText>& messages) {
    QStringList missing;
    for (const TranslatedText& message : messages)
        if (!message.finished || message.translation.trimmed().isEmpty())
            missing.append(named(message));
    return missing;
}

QSet<QString> namesOf(const QList<TranslatedText>& messages) {
    QSet<QString> names;
    for (const TranslatedText& message : messages)
        names.insert(named(message));
    return names;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextHasAFinishedEnglishTranslation();
    void everyTextHasAFinishedPolishForm();
    void everyTextReadsInTheLanguageOfEachInterface();
    void englishInterfaceHasNoPolishLetter();
    void translationKeepsPlaceholdersAndShortcuts_data();
    void translationKeepsPlaceholdersAndShortcuts();
    void translationHoldsExactlyTheTextsOfTheCode();
    void languageOptionIsNoPartOfWhatAProgramIsAsked_data();
    void languageOptionIsNoPartOfWhatAProgramIsAsked();
    void optionWinsOverKeptChoiceWhichWinsOverDesktop_data();
    void optionWinsOverKeptChoiceWhichWinsOverDesktop();
    void eachLanguageInstallsItsOwnTranslation();
    void everyHelpPageHasAnEnglishOneWithItsAnchorsAndLinks();
    void everySurfaceConditionHasItsFormLabelInBothLanguages_data();
    void everySurfaceConditionHasItsFormLabelInBothLanguages();
};

void TranslationTest::everyTextHasAFinishedEnglishTranslation() {
    const QList<TranslatedText> messages = committedTranslation();
    QVERIFY(messages.size() > 100);
    const QStringList missing = unfinished(messages);
    QVERIFY2(missing.isEmpty(), qPrintable(u"Not translated:\n"_s + missing.join(u'\n')));
}

// The Polish interface takes a Polish source as it is and gives an English one its Polish.
void TranslationTest::everyTextHasAFinishedPolishForm() {
    const QList<TranslatedText> messages = committedPolishTranslation();
    QCOMPARE(namesOf(messages), namesOf(committedTranslation()));
    const QStringList missing = unfinished(messages);
    QVERIFY2(missing.isEmpty(), qPrintable(u"No Polish form:\n"_s + missing.join(u'\n')));
}

// A text that reads alike in both interfaces is one still in the other language ("Error!" in the
// Polish one, "Masa" in the English one), unless it is the same in both on purpose.
void TranslationTest::everyTextReadsInTheLanguageOfEachInterface() {
    QHash<QString, QString> polish;
    for (const TranslatedText& message : committedPolishTranslation())
        polish.insert(named(message), message.translation);
    QStringList alike;
    for (const TranslatedText& message : committedTranslation())
        if (polish.value(named(message)) == message.translation &&
            !sameInBothLanguages.contains(message.translation))
            alike.append(named(message) + u" -> "_s + message.translation);
    QVERIFY2(alike.isEmpty(), qPrintable(u"The same in both interfaces:\n"_s + alike.join(u'\n')));
}

void TranslationTest::englishInterfaceHasNoPolishLetter() {
    static const QRegularExpression polishLetter(u"[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"_s);
    QStringList polish;
    for (const TranslatedText& message : committedTranslation())
        if (message.translation.contains(polishLetter))
            polish.append(named(message) + u" -> "_s + message.translation);
    QVERIFY2(polish.isEmpty(), qPrintable(polish.join(u'\n')));
}

void TranslationTest::translationKeepsPlaceholdersAndShortcuts_data() {
    QTest::addColumn<QList<TranslatedText>>("messages");
    QTest::newRow("English") << committedTranslation();
    QTest::newRow("Polish") << committedPolishTranslation();
}

void TranslationTest::translationKeepsPlaceholdersAndShortcuts() {
    QFETCH(QList<TranslatedText>, messages);
    QStringList wrong;
    for (const TranslatedText& message : messages)
        if (placeholders(message.source) != placeholders(message.translation) ||
            marksShortcut(message.source) != marksShortcut(message.translation))
            wrong.append(named(message) + u" -> "_s + message.translation);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

// lupdate reads the code as it is now; what it finds must be what the committed file holds, so
// that a text added later cannot go untranslated and a text gone leaves nothing behind.
void TranslationTest::translationHoldsExactlyTheTextsOfTheCode() {
    const QString lupdate = QStringLiteral(TAVRIX_LUPDATE);
    if (!QFileInfo(lupdate).isExecutable())
        QSKIP("lupdate is not installed");
    QTemporaryDir folder;
    const QString found = folder.filePath(u"found.ts"_s);
    QProcess run;
    run.setWorkingDirectory(QStringLiteral(TAVRIX_SOURCE_DIR));
    run.start(lupdate, {u"-silent"_s, u"-no-obsolete"_s, u"-locations"_s, u"none"_s, u"calc"_s,
                        u"common"_s, u"viewer"_s, u"-ts"_s, found});
    QVERIFY(run.waitForFinished(120'000));
    QCOMPARE(run.exitCode(), 0);

    const QSet<QString> inCode = namesOf(readTranslation(found));
    const QSet<QString> committed = namesOf(committedTranslation());
    QVERIFY(!inCode.isEmpty());
    const QStringList notTranslated = (inCode - committed).values();
    const QStringList gone = (committed - inCode).values();
    QVERIFY2(notTranslated.isEmpty() && gone.isEmpty(),
             qPrintable(u"Run tools/update-translations.sh and translate.\nNew in the code:\n"_s +
                        notTranslated.join(u'\n') + u"\nNo longer in the code:\n"_s +
                        gone.join(u'\n')));
}

void TranslationTest::languageOptionIsNoPartOfWhatAProgramIsAsked_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("before the shape")
        << QStringList{u"--lang"_s, u"en"_s, u"Plate"_s} << QStringList{u"Plate"_s};
    QTest::newRow("after a mode") << QStringList{u"--run"_s, u"a.tav"_s, u"--lang"_s, u"pl"_s}
                                  << QStringList{u"--run"_s, u"a.tav"_s};
    QTest::newRow("among toolkit options")
        << QStringList{u"-platform"_s, u"offscreen"_s, u"--lang"_s, u"en"_s, u"set.tav"_s}
        << QStringList{u"set.tav"_s};
    QTest::newRow("without a value at the end")
        << QStringList{u"Foil"_s, u"--lang"_s} << QStringList{u"Foil"_s};
}

void TranslationTest::languageOptionIsNoPartOfWhatAProgramIsAsked() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, asked);
    std::vector<std::string> words;
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    QStringList own;
    for (const std::string& word : programArguments(words))
        own.append(QString::fromStdString(word));
    QCOMPARE(own, asked);
}

// The test runs with LANGUAGE=de:pl: German comes first but is not spoken, so the desktop's
// language is Polish.
void TranslationTest::optionWinsOverKeptChoiceWhichWinsOverDesktop_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<std::optional<InterfaceLanguage>>("kept");
    QTest::addColumn<InterfaceLanguage>("expected");
    const std::optional<InterfaceLanguage> none;
    const auto english = InterfaceLanguage::English;
    const auto polish = InterfaceLanguage::Polish;
    QTest::newRow("desktop") << QStringList{u"Plate"_s} << none << polish;
    QTest::newRow("kept") << QStringList{u"Plate"_s} << std::optional(english) << english;
    QTest::newRow("option") << QStringList{u"--lang"_s, u"en"_s, u"Plate"_s} << none << english;
    QTest::newRow("option over kept")
        << QStringList{u"--lang"_s, u"pl"_s} << std::optional(english) << polish;
    QTest::newRow("regional code") << QStringList{u"--lang"_s, u"en_GB"_s} << none << english;
    QTest::newRow("unknown option value")
        << QStringList{u"--lang"_s, u"xx"_s} << std::optional(english) << english;
}

void TranslationTest::optionWinsOverKeptChoiceWhichWinsOverDesktop() {
    QFETCH(QStringList, arguments);
    QFETCH(std::optional<InterfaceLanguage>, kept);
    QFETCH(InterfaceLanguage, expected);
    // The settings lie in the test's own XDG_CONFIG_HOME.
    QSettings(u"Tavrix"_s, u"Tavrix"_s).clear();
    QVERIFY(!keptLanguage());
    if (kept)
        keepLanguage(*kept);
    QCOMPARE(startLanguage(arguments), expected);
}

// Installing is once per program, so Polish is looked at first; English, installed after it,
// is asked before it.
void TranslationTest::eachLanguageInstallsItsOwnTranslation() {
    useLanguage(InterfaceLanguage::Polish);
    QCOMPARE(QCoreApplication::translate("TTavFrame", "&Plik"), u"&Plik"_s);
    QCOMPARE(QCoreApplication::translate("FormCheck", "Check data!"), u"Sprawdź dane!"_s);
    QCOMPARE(QCoreApplication::translate("SampleShapes", "Semi-infinitive sample"),
             u"Próbka półnieskończona"_s);
    QCOMPARE(helpFolder(), u"help/"_s);
    QCOMPARE(currentLanguage(), InterfaceLanguage::Polish);

    useLanguage(InterfaceLanguage::English);
    QCOMPARE(QCoreApplication::translate("TTavFrame", "&Plik"), u"&File"_s);
    QCOMPARE(QCoreApplication::translate("ChartKinds", "Masa"), u"Mass gain"_s);
    QCOMPARE(QCoreApplication::translate("FormCheck", "Check data!"), u"Check data!"_s);
    QCOMPARE(QCoreApplication::translate("SampleShapes", "Semi-infinitive sample"),
             u"Semi-infinite sample"_s);
    QCOMPARE(helpFolder(), u"help/en/"_s);
    QCOMPARE(languageArguments(), (QStringList{u"--lang"_s, u"en"_s}));
}

// The English pages lie in help/en/ and share the style sheets of the Polish ones.
void TranslationTest::everyHelpPageHasAnEnglishOneWithItsAnchorsAndLinks() {
    const QDir help(QStringLiteral(TAVRIX_HELP_FOLDER));
    const QStringList pages = help.entryList({u"*.html"_s}, QDir::Files);
    QCOMPARE(pages.size(), 7);
    const QDir english(help.filePath(u"en"_s));
    for (const QString& page : pages) {
        const QString englishPage = english.filePath(page);
        QVERIFY2(QFileInfo(englishPage).isFile(), qPrintable(englishPage));
        QCOMPARE(attributeValues(englishPage, u"id"_s),
                 attributeValues(help.filePath(page), u"id"_s));
        QSet<QString> links;
        for (const QString& link : attributeValues(englishPage, u"href"_s)) {
            const QString file = link.section(u'#', 0, 0);
            QVERIFY2(file.isEmpty() || english.exists(file), qPrintable(page + u": "_s + link));
            links.insert(QString(link).remove(u"../"_s));
        }
        QCOMPARE(links, attributeValues(help.filePath(page), u"href"_s));
    }
}

void TranslationTest::everySurfaceConditionHasItsFormLabelInBothLanguages_data() {
    QTest::addColumn<QString>("label");
    for (const ConditionTraits& row : allConditions)
        QTest::newRow(std::string(row.word).c_str()) << QString::fromUtf8(row.formLabel);
}

// The form and the load record show a condition by its label, in each interface a word of that
// language.
void TranslationTest::everySurfaceConditionHasItsFormLabelInBothLanguages() {
    QFETCH(QString, label);
    const auto labelIn = [&label](const QList<TranslatedText>& messages) {
        const auto found = std::ranges::find_if(messages, [&label](const TranslatedText& message) {
            return message.context == u"StageTable"_s && message.source == label;
        });
        return found != messages.end() && found->finished ? found->translation : QString();
    };
    QCOMPARE(labelIn(committedPolishTranslation()), label);
    const QString english = labelIn(committedTranslation());
    QVERIFY2(!english.isEmpty() && english != label, qPrintable(label));
}

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
