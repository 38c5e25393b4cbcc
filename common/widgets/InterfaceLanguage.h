#pragma once
// The language of both programs' windows. The texts in the code are the Polish interface, but
// for the English ones that the files and the command line share; each language is a
// translation embedded in the programs (translations/tavrix_en.ts, tavrix_pl.ts), loaded with
// Qt's own translation of its standard dialogs and buttons (qtbase_pl, qtbase_en). Which one a
// program speaks is decided once, at its start: "--lang", else the choice kept from the Language
// menu, else the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG as Qt reads them), where anything
// but Polish is English.

#include <QString>
#include <QStringList>

#include <optional>

enum class InterfaceLanguage { Polish, English };

// The code on command lines and in the kept choice: "pl", "en".
QString languageCode(InterfaceLanguage language);
// "pl..." is Polish, "en..." English; none for any other code.
std::optional<InterfaceLanguage> languageFromCode(const QString& code);

// The first language of the desktop's list that the programs speak; English when none is.
InterfaceLanguage desktopLanguage();

// The choice the Language menu kept for the next starts; none before the user made one.
std::optional<InterfaceLanguage> keptLanguage();
void keepLanguage(InterfaceLanguage language);

// What a program started with `arguments` (without its name) speaks.
InterfaceLanguage startLanguage(const QStringList& arguments);

// Installs the translations of `language` into the running application, once, before its first
// window.
void useLanguage(InterfaceLanguage language);
// The language installed by useLanguage; Polish until it is called. The other program is started
// with it ("--lang", languageArguments()).
InterfaceLanguage currentLanguage();
// The folder of the help pages in that language, below where a copy ships them: "help/" for
// the Polish pages, "help/en/" for the English ones beside them.
QString helpFolder();
QStringList languageArguments();
