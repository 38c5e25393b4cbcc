#include "CommandTable.h"

#include <QAction>
#include <QCoreApplication>

namespace {

struct CommandText {
    Command id;
    const char* caption; // UTF-8, as QT_TRANSLATE_NOOP marks it
    const char* hint;
};

// "Ctrl+Ins" is part of the caption; the frame binds the keys.
constexpr CommandText commandTexts[] = {
    {Command::Open, QT_TRANSLATE_NOOP("CommandTable", "&Otwórz wyniki..."),
     QT_TRANSLATE_NOOP("CommandTable", "Otwiera plik z wynikami")},
    {Command::Delete, QT_TRANSLATE_NOOP("CommandTable", "&Skasuj wyniki..."),
     QT_TRANSLATE_NOOP("CommandTable", "Kasuje plik z wynikami")},
    {Command::Print, QT_TRANSLATE_NOOP("CommandTable", "&Drukuj..."),
     QT_TRANSLATE_NOOP("CommandTable", "Drukuje zawartość aktywnego okna")},
    {Command::SaveChart, QT_TRANSLATE_NOOP("CommandTable", "Zapisz wykres..."),
     QT_TRANSLATE_NOOP("CommandTable", "Zapisuje aktywny wykres do pliku PNG, PDF, SVG lub CSV")},
    {Command::Compare, QT_TRANSLATE_NOOP("CommandTable", "&Porównaj wyniki..."),
     QT_TRANSLATE_NOOP("CommandTable", "Porównuje kilka zestawów wyników")},
    {Command::PartSpecification, QT_TRANSLATE_NOOP("CommandTable", "Specyfikacja &części..."),
     QT_TRANSLATE_NOOP("CommandTable",
                       "Wybiera plik wymagań części, z którymi raport porównuje aktywny zestaw")},
    {Command::LoadRecord, QT_TRANSLATE_NOOP("CommandTable", "&Raport z wsadu..."),
     QT_TRANSLATE_NOOP("CommandTable",
                       "Zapisuje raport aktywnego zestawu jako plik PDF, z oceną wymagań części")},
    {Command::Exit, QT_TRANSLATE_NOOP("CommandTable", "&Koniec"),
     QT_TRANSLATE_NOOP("CommandTable", "Kończy działanie programu Tavrix!")},
    {Command::Copy, QT_TRANSLATE_NOOP("CommandTable", "&Kopiuj Ctrl+Ins"),
     QT_TRANSLATE_NOOP("CommandTable", "Kopiuje zawartość aktywnego okna do Clipboardu")},
    {Command::Scale, QT_TRANSLATE_NOOP("CommandTable", "&Skala..."),
     QT_TRANSLATE_NOOP("CommandTable", "Skaluje osie")},
    {Command::Fit, QT_TRANSLATE_NOOP("CommandTable", "&Dopasuj"),
     QT_TRANSLATE_NOOP("CommandTable", "Dopasowywuje rozmiar rysunku do rozmiaru okna")},
    {Command::SemiInfinite, QT_TRANSLATE_NOOP("CommandTable", "&Próbka półnieskończona..."),
     QT_TRANSLATE_NOOP("CommandTable", "Obliczenia dla próbki półnieskończonej")},
    {Command::Plate, QT_TRANSLATE_NOOP("CommandTable", "Pły&ta..."),
     QT_TRANSLATE_NOOP("CommandTable", "Obliczenia dla płyty")},
    {Command::Foil, QT_TRANSLATE_NOOP("CommandTable", "&Folia..."),
     QT_TRANSLATE_NOOP("CommandTable", "Obliczenia dla folii")},
    {Command::Cylinder, QT_TRANSLATE_NOOP("CommandTable", "&Walec..."),
     QT_TRANSLATE_NOOP("CommandTable", "Obliczenia dla walca")},
    {Command::AutoFit, QT_TRANSLATE_NOOP("CommandTable", "&Dopasuj automatycznie"),
     QT_TRANSLATE_NOOP("CommandTable",
                       "Dopasowywuje rozmiar rysunku do rozmiaru okna automatycznie")},
    {Command::Cascade, QT_TRANSLATE_NOOP("CommandTable", "&Kaskada"),
     QT_TRANSLATE_NOOP("CommandTable", "Kaskada")},
    {Command::Tile, QT_TRANSLATE_NOOP("CommandTable", "&Sąsiadująco"),
     QT_TRANSLATE_NOOP("CommandTable", "Sasiadująco")},
    {Command::ArrangeIcons, QT_TRANSLATE_NOOP("CommandTable", "&Uporządkuj ikony"),
     QT_TRANSLATE_NOOP("CommandTable", "Uporządkuj ikony")},
    {Command::CloseAll, QT_TRANSLATE_NOOP("CommandTable", "Zamknij &wszystkie"),
     QT_TRANSLATE_NOOP("CommandTable", "Zamyka wszystkie okna")},
    {Command::ApplicationHelp, QT_TRANSLATE_NOOP("CommandTable", "Opis &aplikacji..."),
     QT_TRANSLATE_NOOP("CommandTable", "Opis aplikacji")},
    {Command::ProcessHelp, QT_TRANSLATE_NOOP("CommandTable", "Opis &procesu nawęglania..."),
     QT_TRANSLATE_NOOP("CommandTable", "Opis procesu nawęglania")},
    {Command::About, QT_TRANSLATE_NOOP("CommandTable", "&O..."),
     QT_TRANSLATE_NOOP("CommandTable", "Informacje o programie")},
};

} // namespace

CommandTable::CommandTable(QObject* owner) {
    for (const CommandText& text : commandTexts) {
        auto* action =
            new QAction(QCoreApplication::translate("CommandTable", text.caption), owner);
        action->setStatusTip(QCoreApplication::translate("CommandTable", text.hint));
        action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(text.id)));
        actions_.insert(text.id, action);
    }
}
