#include "CommandTable.h"

#include <QAction>

namespace {

struct CommandText {
    Command id;
    const char16_t* caption;
    const char16_t* hint;
};

// "Ctrl+Ins" is part of the caption; the frame binds the keys.
constexpr CommandText commandTexts[] = {
    {Command::Open, u"&Otwórz wyniki...", u"Otwiera plik z wynikami"},
    {Command::Delete, u"&Skasuj wyniki...", u"Kasuje plik z wynikami"},
    {Command::Print, u"&Drukuj...", u"Drukuje zawartość aktywnego okna"},
    {Command::SaveChart, u"Zapisz wykres...",
     u"Zapisuje aktywny wykres do pliku PNG, PDF, SVG lub CSV"},
    {Command::Compare, u"&Porównaj wyniki...", u"Porównuje kilka zestawów wyników"},
    {Command::Exit, u"&Koniec", u"Kończy działanie programu Tavrix!"},
    {Command::Copy, u"&Kopiuj Ctrl+Ins", u"Kopiuje zawartość aktywnego okna do Clipboardu"},
    {Command::Scale, u"&Skala...", u"Skaluje osie"},
    {Command::Fit, u"&Dopasuj", u"Dopasowywuje rozmiar rysunku do rozmiaru okna"},
    {Command::SemiInfinite, u"&Próbka półnieskończona...",
     u"Obliczenia dla próbki półnieskończonej"},
    {Command::Plate, u"Pły&ta...", u"Obliczenia dla płyty"},
    {Command::Foil, u"&Folia...", u"Obliczenia dla folii"},
    {Command::Cylinder, u"&Walec...", u"Obliczenia dla walca"},
    {Command::AutoFit, u"&Dopasuj automatycznie",
     u"Dopasowywuje rozmiar rysunku do rozmiaru okna automatycznie"},
    {Command::Cascade, u"&Kaskada", u"Kaskada"},
    {Command::Tile, u"&Sąsiadująco", u"Sasiadująco"},
    {Command::ArrangeIcons, u"&Uporządkuj ikony", u"Uporządkuj ikony"},
    {Command::CloseAll, u"Zamknij &wszystkie", u"Zamyka wszystkie okna"},
    {Command::ApplicationHelp, u"Opis &aplikacji...", u"Opis aplikacji"},
    {Command::ProcessHelp, u"Opis &procesu nawęglania...", u"Opis procesu nawęglania"},
    {Command::About, u"&O...", u"Informacje o programie"},
};

} // namespace

CommandTable::CommandTable(QObject* owner) {
    for (const CommandText& text : commandTexts) {
        auto* action = new QAction(QString::fromUtf16(text.caption), owner);
        action->setStatusTip(QString::fromUtf16(text.hint));
        action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(text.id)));
        actions_.insert(text.id, action);
    }
}
