#include "InterfaceLanguage.h"

#include "LanguageOption.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <string>
#include <vector>

namespace {

InterfaceLanguage installed = InterfaceLanguage::Polish;

const QString keptLanguageKey = QStringLiteral("interface/language");

QSettings settings() {
    return QSettings(QStringLiteral("Tavrix"), QStringLiteral("Tavrix"));
}

// A translator owned by the application, so that it lives as long as the texts it gives.
void install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QString languageCode(InterfaceLanguage language) {
    switch (language) {
    case InterfaceLanguage::Polish:
        return QStringLiteral("pl");
    case InterfaceLanguage::English:
        return QStringLiteral("en");
    }
    return {};
}

std::optional<InterfaceLanguage> languageFromCode(const QString& code) {
    if (code.startsWith(u"pl", Qt::CaseInsensitive))
        return InterfaceLanguage::Polish;
    if (code.startsWith(u"en", Qt::CaseInsensitive))
        return InterfaceLanguage::English;
    return std::nullopt;
}

InterfaceLanguage desktopLanguage() {
    for (const QString& code : QLocale::system().uiLanguages())
        if (const auto language = languageFromCode(code))
            return *language;
    return InterfaceLanguage::English;
}

std::optional<InterfaceLanguage> keptLanguage() {
    return languageFromCode(settings().value(keptLanguageKey).toString());
}

void keepLanguage(InterfaceLanguage language) {
    settings().setValue(keptLanguageKey, languageCode(language));
}

InterfaceLanguage startLanguage(const QStringList& arguments) {
    std::vector<std::string> words;
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    if (const auto option = languageOption(words))
        if (const auto language = languageFromCode(QString::fromStdString(*option)))
            return *language;
    if (const auto kept = keptLanguage())
        return *kept;
    return desktopLanguage();
}

void useLanguage(InterfaceLanguage language) {
    installed = language;
    const QString code = languageCode(language);
    install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("tavrix_") + code, QStringLiteral(":/i18n"));
}

InterfaceLanguage currentLanguage() {
    return installed;
}

QString helpFolder() {
    switch (installed) {
    case InterfaceLanguage::Polish:
        return QStringLiteral("help/");
    case InterfaceLanguage::English:
        return QStringLiteral("help/en/");
    }
    return {};
}

QStringList languageArguments() {
    return {QStringLiteral("--lang"), languageCode(installed)};
}
