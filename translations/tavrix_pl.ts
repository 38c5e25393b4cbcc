<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="pl_PL">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Zespół programu Tavrix!</source>
        <translation>Zespół programu Tavrix!</translation>
    </message>
    <message>
        <source>Model dyfuzji węgla w austenicie i obliczenia różnicowe</source>
        <translation>Model dyfuzji węgla w austenicie i obliczenia różnicowe</translation>
    </message>
    <message>
        <source>Twardość warstwy nawęglonej dla trzynastu gatunków stali</source>
        <translation>Twardość warstwy nawęglonej dla trzynastu gatunków stali</translation>
    </message>
    <message>
        <source>Przeglądarka wykresów i zestawów wyników</source>
        <translation>Przeglądarka wykresów i zestawów wyników</translation>
    </message>
    <message>
        <source>Pytania i uwagi: zgłoszenia w repozytorium projektu</source>
        <translation>Pytania i uwagi: zgłoszenia w repozytorium projektu</translation>
    </message>
    <message>
        <source>O Tavrix!</source>
        <translation>O Tavrix!</translation>
    </message>
    <message>
        <source>Napisane przez:</source>
        <translation>Napisane przez:</translation>
    </message>
    <message>
        <source>Wersja %1 dla systemu Linux (Qt 6)</source>
        <translation>Wersja %1 dla systemu Linux (Qt 6)</translation>
    </message>
</context>
<context>
    <name>ChartCaptions</name>
    <message>
        <source>Temperature, C</source>
        <translation>Temperatura, °C</translation>
    </message>
    <message>
        <source>Carbon potential of the atmosphere, %</source>
        <translation>Potencjał węglowy atmosfery, % C</translation>
    </message>
    <message>
        <source>Carbon concentration on the surface, %</source>
        <translation>Stężenie węgla na powierzchni, % C</translation>
    </message>
    <message>
        <source>Carbon concentration, %</source>
        <translation>Stężenie węgla, % C</translation>
    </message>
    <message>
        <source>Thickness of the case, mm</source>
        <translation>Głębokość warstwy, mm</translation>
    </message>
    <message>
        <source>Thickness of the case at</source>
        <translation>Głębokość warstwy przy</translation>
    </message>
    <message>
        <source>Hardness, HV</source>
        <translation>Twardość, HV</translation>
    </message>
    <message>
        <source>Weight gain, g/m^2</source>
        <translation>Przyrost masy, g/m²</translation>
    </message>
    <message>
        <source>Mean carbon content (steel carbon + increase), %</source>
        <translation>Średnia zawartość węgla (węgiel stali + przyrost), % C</translation>
    </message>
    <message>
        <source>Carburizing time, h</source>
        <translation>Czas nawęglania, h</translation>
    </message>
    <message>
        <source>Carburizing time, s</source>
        <translation>Czas nawęglania, s</translation>
    </message>
    <message>
        <source>Distance from the surface, mm</source>
        <translation>Odległość od powierzchni, mm</translation>
    </message>
    <message>
        <source>Cementite, mass %</source>
        <translation>Cementyt, % masy</translation>
    </message>
</context>
<context>
    <name>ChartKinds</name>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Pow</source>
        <translation>Pow</translation>
    </message>
    <message>
        <source>HV</source>
        <translation>HV</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Średnia</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>Austenit</source>
        <translation>Austenit</translation>
    </message>
    <message>
        <source>Cementyt</source>
        <translation>Cementyt</translation>
    </message>
</context>
<context>
    <name>ChartLegends</name>
    <message>
        <source>potencjał węglowy</source>
        <translation>potencjał węglowy</translation>
    </message>
    <message>
        <source>granica nasycenia</source>
        <translation>granica nasycenia</translation>
    </message>
    <message>
        <source>przerwa: etap obojętny</source>
        <translation>przerwa: etap obojętny</translation>
    </message>
    <message>
        <source>potencjał z zapisu pieca</source>
        <translation>potencjał z zapisu pieca</translation>
    </message>
    <message>
        <source>potencjał planu</source>
        <translation>potencjał planu</translation>
    </message>
    <message>
        <source>wartość zadana</source>
        <translation>wartość zadana</translation>
    </message>
    <message>
        <source>przerwa: wypalanie sadzy</source>
        <translation>przerwa: wypalanie sadzy</translation>
    </message>
</context>
<context>
    <name>ChartQuantities</name>
    <message>
        <source>Temperatura</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Potencjał węglowy</source>
        <translation>Potencjał węglowy</translation>
    </message>
    <message>
        <source>Profil węgla</source>
        <translation>Profil węgla</translation>
    </message>
    <message>
        <source>Głębokość warstwy</source>
        <translation>Głębokość warstwy</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni</source>
        <translation>Węgiel na powierzchni</translation>
    </message>
    <message>
        <source>Twardość</source>
        <translation>Twardość</translation>
    </message>
    <message>
        <source>Masa przyrostu</source>
        <translation>Masa przyrostu</translation>
    </message>
    <message>
        <source>Średnia zawartość węgla</source>
        <translation>Średnia zawartość węgla</translation>
    </message>
    <message>
        <source>Austenit szczątkowy</source>
        <translation>Austenit szczątkowy</translation>
    </message>
    <message>
        <source>Cementyt (udział masowy)</source>
        <translation>Cementyt (udział masowy)</translation>
    </message>
</context>
<context>
    <name>CommandNotice</name>
    <message>
        <source>Wrong input: %1</source>
        <translation>Błędne dane: %1</translation>
    </message>
    <message>
        <source>The targets cannot be met: %1</source>
        <translation>Nie można osiągnąć celów: %1</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Sprawdź dane!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Otwórz wyniki...</source>
        <translation>&amp;Otwórz wyniki...</translation>
    </message>
    <message>
        <source>Otwiera plik z wynikami</source>
        <translation>Otwiera plik z wynikami</translation>
    </message>
    <message>
        <source>&amp;Skasuj wyniki...</source>
        <translation>&amp;Skasuj wyniki...</translation>
    </message>
    <message>
        <source>Kasuje plik z wynikami</source>
        <translation>Kasuje plik z wynikami</translation>
    </message>
    <message>
        <source>&amp;Drukuj...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Drukuje zawartość aktywnego okna</source>
        <translation>Drukuje zawartość aktywnego okna</translation>
    </message>
    <message>
        <source>Zapisz wykres...</source>
        <translation>Zapisz wykres...</translation>
    </message>
    <message>
        <source>Zapisuje aktywny wykres do pliku PNG, PDF, SVG lub CSV</source>
        <translation>Zapisuje aktywny wykres do pliku PNG, PDF, SVG lub CSV</translation>
    </message>
    <message>
        <source>&amp;Porównaj wyniki...</source>
        <translation>&amp;Porównaj wyniki...</translation>
    </message>
    <message>
        <source>Porównuje kilka zestawów wyników</source>
        <translation>Porównuje kilka zestawów wyników</translation>
    </message>
    <message>
        <source>&amp;Koniec</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Kończy działanie programu Tavrix!</source>
        <translation>Kończy działanie programu Tavrix!</translation>
    </message>
    <message>
        <source>&amp;Kopiuj Ctrl+Ins</source>
        <translation>&amp;Kopiuj Ctrl+Ins</translation>
    </message>
    <message>
        <source>Kopiuje zawartość aktywnego okna do Clipboardu</source>
        <translation>Kopiuje zawartość aktywnego okna do Clipboardu</translation>
    </message>
    <message>
        <source>&amp;Skala...</source>
        <translation>&amp;Skala...</translation>
    </message>
    <message>
        <source>Skaluje osie</source>
        <translation>Skaluje osie</translation>
    </message>
    <message>
        <source>&amp;Dopasuj</source>
        <translation>&amp;Dopasuj</translation>
    </message>
    <message>
        <source>Dopasowywuje rozmiar rysunku do rozmiaru okna</source>
        <translation>Dopasowywuje rozmiar rysunku do rozmiaru okna</translation>
    </message>
    <message>
        <source>&amp;Próbka półnieskończona...</source>
        <translation>&amp;Próbka półnieskończona...</translation>
    </message>
    <message>
        <source>Obliczenia dla próbki półnieskończonej</source>
        <translation>Obliczenia dla próbki półnieskończonej</translation>
    </message>
    <message>
        <source>Pły&amp;ta...</source>
        <translation>Pły&amp;ta...</translation>
    </message>
    <message>
        <source>Obliczenia dla płyty</source>
        <translation>Obliczenia dla płyty</translation>
    </message>
    <message>
        <source>&amp;Folia...</source>
        <translation>&amp;Folia...</translation>
    </message>
    <message>
        <source>Obliczenia dla folii</source>
        <translation>Obliczenia dla folii</translation>
    </message>
    <message>
        <source>&amp;Walec...</source>
        <translation>&amp;Walec...</translation>
    </message>
    <message>
        <source>Obliczenia dla walca</source>
        <translation>Obliczenia dla walca</translation>
    </message>
    <message>
        <source>&amp;Dopasuj automatycznie</source>
        <translation>&amp;Dopasuj automatycznie</translation>
    </message>
    <message>
        <source>Dopasowywuje rozmiar rysunku do rozmiaru okna automatycznie</source>
        <translation>Dopasowywuje rozmiar rysunku do rozmiaru okna automatycznie</translation>
    </message>
    <message>
        <source>&amp;Kaskada</source>
        <translation>&amp;Kaskada</translation>
    </message>
    <message>
        <source>Kaskada</source>
        <translation>Kaskada</translation>
    </message>
    <message>
        <source>&amp;Sąsiadująco</source>
        <translation>&amp;Sąsiadująco</translation>
    </message>
    <message>
        <source>Sasiadująco</source>
        <translation>Sasiadująco</translation>
    </message>
    <message>
        <source>&amp;Uporządkuj ikony</source>
        <translation>&amp;Uporządkuj ikony</translation>
    </message>
    <message>
        <source>Uporządkuj ikony</source>
        <translation>Uporządkuj ikony</translation>
    </message>
    <message>
        <source>Zamknij &amp;wszystkie</source>
        <translation>Zamknij &amp;wszystkie</translation>
    </message>
    <message>
        <source>Zamyka wszystkie okna</source>
        <translation>Zamyka wszystkie okna</translation>
    </message>
    <message>
        <source>Opis &amp;aplikacji...</source>
        <translation>Opis &amp;aplikacji...</translation>
    </message>
    <message>
        <source>Opis aplikacji</source>
        <translation>Opis aplikacji</translation>
    </message>
    <message>
        <source>Opis &amp;procesu nawęglania...</source>
        <translation>Opis &amp;procesu nawęglania...</translation>
    </message>
    <message>
        <source>Opis procesu nawęglania</source>
        <translation>Opis procesu nawęglania</translation>
    </message>
    <message>
        <source>&amp;O...</source>
        <translation>&amp;O...</translation>
    </message>
    <message>
        <source>Informacje o programie</source>
        <translation>Informacje o programie</translation>
    </message>
    <message>
        <source>Dodaj &amp;pomiar...</source>
        <translation>Dodaj &amp;pomiar...</translation>
    </message>
    <message>
        <source>Dodaje zmierzony profil węgla lub twardości do aktywnego wykresu</source>
        <translation>Dodaje zmierzony profil węgla lub twardości do aktywnego wykresu</translation>
    </message>
    <message>
        <source>&amp;Usuń pomiar</source>
        <translation>&amp;Usuń pomiar</translation>
    </message>
    <message>
        <source>Usuwa zmierzony profil z aktywnego wykresu</source>
        <translation>Usuwa zmierzony profil z aktywnego wykresu</translation>
    </message>
    <message>
        <source>Specyfikacja &amp;części...</source>
        <translation>Specyfikacja &amp;części...</translation>
    </message>
    <message>
        <source>Wybiera plik wymagań części, z którymi raport porównuje aktywny zestaw</source>
        <translation>Wybiera plik wymagań części, z którymi raport porównuje aktywny zestaw</translation>
    </message>
    <message>
        <source>&amp;Raport z wsadu...</source>
        <translation>&amp;Raport z wsadu...</translation>
    </message>
    <message>
        <source>Zapisuje raport aktywnego zestawu jako plik PDF, z oceną wymagań części</source>
        <translation>Zapisuje raport aktywnego zestawu jako plik PDF, z oceną wymagań części</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Rozmiar obrazu</source>
        <translation>Rozmiar obrazu</translation>
    </message>
    <message>
        <source>Szerokość:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>Wysokość:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Cannot write file </source>
        <translation>Nie można zapisać pliku </translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>Zapisz wykres</source>
        <translation>Zapisz wykres</translation>
    </message>
</context>
<context>
    <name>FormCheck</name>
    <message>
        <source>Check data!</source>
        <translation>Sprawdź dane!</translation>
    </message>
    <message>
        <source>Steel carbon content must be entered, from 0 to %1 % C.</source>
        <translation>Podaj zawartość węgla w stali, od 0 do %1 % C.</translation>
    </message>
    <message>
        <source>Carbon transfer coefficient must be entered, greater than 0 cm/s.</source>
        <translation>Podaj współczynnik przejmowania węgla β, większy od 0 cm/s.</translation>
    </message>
    <message>
        <source>Output file must have ending &apos;tav&apos; for instance: 
   1)   stal20.tav 
   2)   c:\tavrix\20HMN.tav</source>
        <translation>Nazwa pliku wyników musi kończyć się na &apos;.tav&apos;, na przykład:
   1)   stal20.tav
   2)   /home/ja/tavrix/20HMN.tav</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>You must enter radius for cylinder and thickness for plate or foil</source>
        <translation>Podaj średnicę walca albo grubość płyty lub folii</translation>
    </message>
    <message>
        <source> Thickess for foil must be less then 0.07 mm</source>
        <translation>Folia musi być cieńsza niż 0,07 mm</translation>
    </message>
    <message>
        <source>Filename is already in use</source>
        <translation>Ten zestaw jest właśnie obliczany: wybierz inną nazwę pliku</translation>
    </message>
    <message>
        <source>First time must be set to zero</source>
        <translation>Pierwszy etap musi zaczynać się w chwili zero</translation>
    </message>
    <message>
        <source>Enter data to the second line</source>
        <translation>Podaj co najmniej dwa wiersze etapów</translation>
    </message>
    <message>
        <source>The contents of Cr, Ni, Mo, Mn and Si must all be entered, and none may exceed 5.0 %</source>
        <translation>Podaj zawartości Cr, Ni, Mo, Mn i Si; żadna nie może przekraczać 5,0 %</translation>
    </message>
    <message>
        <source>Wiersz %1: czas, temperatura i potencjał muszą być wypełnione wszystkie albo żaden.</source>
        <translation>Wiersz %1: czas, temperatura i potencjał muszą być wypełnione wszystkie albo żaden.</translation>
    </message>
    <message>
        <source>Wiersz %1: czas %2 nie jest późniejszy niż w wierszu %3 (%4).</source>
        <translation>Wiersz %1: czas %2 nie jest późniejszy niż w wierszu %3 (%4).</translation>
    </message>
    <message>
        <source>Wiersz %1 jest pusty, a wiersz %2 nie: etapy idą w tabeli bez przerw.</source>
        <translation>Wiersz %1 jest pusty, a wiersz %2 nie: etapy idą w tabeli bez przerw.</translation>
    </message>
    <message>
        <source>Tabela etapów jest pusta: wpisz czas, temperaturę i potencjał co najmniej dwóch wierszy.</source>
        <translation>Tabela etapów jest pusta: wpisz czas, temperaturę i potencjał co najmniej dwóch wierszy.</translation>
    </message>
</context>
<context>
    <name>FormWarnings</name>
    <message>
        <source>Współczynnik przenoszenia węgla %1 cm/s leży poza zwykłym zakresem 1e-6…1e-3 cm/s (czy nie brakuje &quot;e-5&quot;?).</source>
        <translation>Współczynnik przenoszenia węgla %1 cm/s leży poza zwykłym zakresem 1e-6…1e-3 cm/s (czy nie brakuje &quot;e-5&quot;?).</translation>
    </message>
    <message>
        <source>Wiersz %1: temperatura %2 °C leży poza zwykłym zakresem nawęglania %3–%4 °C.</source>
        <translation>Wiersz %1: temperatura %2 °C leży poza zwykłym zakresem nawęglania %3–%4 °C.</translation>
    </message>
    <message>
        <source>Program trwa %1 h, dłużej niż zwykle (%2 h).</source>
        <translation>Program trwa %1 h, dłużej niż zwykle (%2 h).</translation>
    </message>
</context>
<context>
    <name>HardeningPanel</name>
    <message>
        <source>olej</source>
        <translation>olej</translation>
    </message>
    <message>
        <source>woda</source>
        <translation>woda</translation>
    </message>
    <message>
        <source>polimer</source>
        <translation>polimer</translation>
    </message>
    <message>
        <source>sól</source>
        <translation>sól</translation>
    </message>
    <message>
        <source>gaz</source>
        <translation>gaz</translation>
    </message>
    <message>
        <source>Hartowanie</source>
        <translation>Hartowanie</translation>
    </message>
    <message>
        <source>Twardość z hartowności stali, chłodzenia, odpuszczania i austenitu szczątkowego zamiast krzywych gatunków</source>
        <translation>Twardość z hartowności stali, chłodzenia, odpuszczania i austenitu szczątkowego zamiast krzywych gatunków</translation>
    </message>
    <message>
        <source>Stal z listy:</source>
        <translation>Stal z listy:</translation>
    </message>
    <message>
        <source>Ośrodek:</source>
        <translation>Ośrodek:</translation>
    </message>
    <message>
        <source>Temperatura kąpieli, °C:</source>
        <translation>Temperatura kąpieli, °C:</translation>
    </message>
    <message>
        <source>Intensywność H, 1/cal:</source>
        <translation>Intensywność H, 1/cal:</translation>
    </message>
    <message>
        <source>Przekrój, mm:</source>
        <translation>Przekrój, mm:</translation>
    </message>
    <message>
        <source>Odpuszczanie, °C:</source>
        <translation>Odpuszczanie, °C:</translation>
    </message>
    <message>
        <source>Czas odpuszczania, h:</source>
        <translation>Czas odpuszczania, h:</translation>
    </message>
    <message>
        <source>Wymrażanie, °C:</source>
        <translation>Wymrażanie, °C:</translation>
    </message>
    <message>
        <source>Inne pierwiastki, %:</source>
        <translation>Inne pierwiastki, %:</translation>
    </message>
</context>
<context>
    <name>LoadRecord</name>
    <message>
        <source>Gatunek</source>
        <translation>Gatunek</translation>
    </message>
    <message>
        <source>Model dyfuzji</source>
        <translation>Model dyfuzji</translation>
    </message>
    <message>
        <source>Hartowanie</source>
        <translation>Hartowanie</translation>
    </message>
    <message>
        <source>Głębokość utwardzenia (CHD)</source>
        <translation>Głębokość utwardzenia (CHD)</translation>
    </message>
    <message>
        <source>Grubość warstwy nawęglonej</source>
        <translation>Grubość warstwy nawęglonej</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni</source>
        <translation>Węgiel na powierzchni</translation>
    </message>
    <message>
        <source>Twardość powierzchni</source>
        <translation>Twardość powierzchni</translation>
    </message>
    <message>
        <source>Twardość rdzenia</source>
        <translation>Twardość rdzenia</translation>
    </message>
    <message>
        <source>Austenit szczątkowy</source>
        <translation>Austenit szczątkowy</translation>
    </message>
    <message>
        <source>Przyrost masy</source>
        <translation>Przyrost masy</translation>
    </message>
    <message>
        <source> przy %1 HV</source>
        <translation> przy %1 HV</translation>
    </message>
    <message>
        <source> przy %1 % C</source>
        <translation> przy %1 % C</translation>
    </message>
    <message>
        <source>Werdykt: wszystkie sprawdzone wymagania spełnione</source>
        <translation>Werdykt: wszystkie sprawdzone wymagania spełnione</translation>
    </message>
    <message>
        <source>Werdykt: NIE SPEŁNIA: %1</source>
        <translation>Werdykt: NIE SPEŁNIA: %1</translation>
    </message>
    <message>
        <source>; nie sprawdzono: %1</source>
        <translation>; nie sprawdzono: %1</translation>
    </message>
    <message>
        <source>zestaw nie ma profilu twardości</source>
        <translation>zestaw nie ma profilu twardości</translation>
    </message>
    <message>
        <source>zestaw nie ma pliku austenitu szczątkowego (aus)</source>
        <translation>zestaw nie ma pliku austenitu szczątkowego (aus)</translation>
    </message>
    <message>
        <source>zestaw nie podaje tej grubości warstwy</source>
        <translation>zestaw nie podaje tej grubości warstwy</translation>
    </message>
    <message>
        <source>zestaw nie ma stężenia węgla na powierzchni</source>
        <translation>zestaw nie ma stężenia węgla na powierzchni</translation>
    </message>
    <message>
        <source>zestaw nie ma przyrostu masy</source>
        <translation>zestaw nie ma przyrostu masy</translation>
    </message>
    <message>
        <source>twardość nie spada poniżej granicy w profilu</source>
        <translation>twardość nie spada poniżej granicy w profilu</translation>
    </message>
    <message>
        <source>brak: warstwa nie osiąga %1 HV</source>
        <translation>brak: warstwa nie osiąga %1 HV</translation>
    </message>
    <message>
        <source>Raport z wsadu: %1</source>
        <translation>Raport z wsadu: %1</translation>
    </message>
    <message>
        <source>Pozycja</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Zestaw wyników</source>
        <translation>Zestaw wyników</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Data raportu</source>
        <translation>Data raportu</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Stal</source>
        <translation>Stal</translation>
    </message>
    <message>
        <source>%1 % C; Cr %2 %, Mo %3 %, Mn %4 %, Si %5 %, Ni %6 %</source>
        <translation>%1 % C; Cr %2 %, Mo %3 %, Mn %4 %, Si %5 %, Ni %6 %</translation>
    </message>
    <message>
        <source>Krzywa twardości gatunku</source>
        <translation>Krzywa twardości gatunku</translation>
    </message>
    <message>
        <source>Kształt i wymiar</source>
        <translation>Kształt i wymiar</translation>
    </message>
    <message>
        <source>Współczynnik przejmowania β</source>
        <translation>Współczynnik przejmowania β</translation>
    </message>
    <message>
        <source>Program procesu</source>
        <translation>Program procesu</translation>
    </message>
    <message>
        <source>Czas, s</source>
        <translation>Czas, s</translation>
    </message>
    <message>
        <source>Czas, h</source>
        <translation>Czas, h</translation>
    </message>
    <message>
        <source>Wiersz</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>Temperatura, °C</source>
        <translation>Temperatura, °C</translation>
    </message>
    <message>
        <source>Potencjał, % C</source>
        <translation>Potencjał, % C</translation>
    </message>
    <message>
        <source>Warunek etapu</source>
        <translation>Warunek etapu</translation>
    </message>
    <message>
        <source>Wyniki</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Wielkość</source>
        <translation>Wielkość</translation>
    </message>
    <message>
        <source>Grubość warstwy przy %1 % C</source>
        <translation>Grubość warstwy przy %1 % C</translation>
    </message>
    <message>
        <source>Głębokość utwardzenia (CHD) przy %1 HV</source>
        <translation>Głębokość utwardzenia (CHD) przy %1 HV</translation>
    </message>
    <message>
        <source>Średnia zawartość węgla</source>
        <translation>Średnia zawartość węgla</translation>
    </message>
    <message>
        <source>Austenit szczątkowy na powierzchni</source>
        <translation>Austenit szczątkowy na powierzchni</translation>
    </message>
    <message>
        <source>Profile zmierzone</source>
        <translation>Profile zmierzone</translation>
    </message>
    <message>
        <source>Plik</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Punkty porównane</source>
        <translation>Punkty porównane</translation>
    </message>
    <message>
        <source>Poza profilem</source>
        <translation>Poza profilem</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>RMS</translation>
    </message>
    <message>
        <source>węgiel, % C</source>
        <translation>węgiel, % C</translation>
    </message>
    <message>
        <source>twardość, HV</source>
        <translation>twardość, HV</translation>
    </message>
    <message>
        <source>Wymagania części</source>
        <translation>Wymagania części</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Wymaganie</translation>
    </message>
    <message>
        <source>Granica</source>
        <translation>Granica</translation>
    </message>
    <message>
        <source>Wartość obliczona</source>
        <translation>Wartość obliczona</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>spełnia</source>
        <translation>spełnia</translation>
    </message>
    <message>
        <source>NIE SPEŁNIA</source>
        <translation>NIE SPEŁNIA</translation>
    </message>
    <message>
        <source>nie sprawdzono: %1</source>
        <translation>nie sprawdzono: %1</translation>
    </message>
    <message>
        <source> (wiersz %1)</source>
        <translation> (wiersz %1)</translation>
    </message>
    <message>
        <source>Wykresy</source>
        <translation>Wykresy</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni, % C</source>
        <translation>Węgiel na powierzchni, % C</translation>
    </message>
    <message>
        <source>Przyrost średniej zawartości węgla, % C</source>
        <translation>Przyrost średniej zawartości węgla, % C</translation>
    </message>
    <message>
        <source>Grubość warstwy przy %1 % C, mm</source>
        <translation>Grubość warstwy przy %1 % C, mm</translation>
    </message>
    <message>
        <source>Głębokość utwardzenia (CHD) przy %1 HV, mm</source>
        <translation>Głębokość utwardzenia (CHD) przy %1 HV, mm</translation>
    </message>
    <message>
        <source>%1 do %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>Zapis pieca</source>
        <translation>Zapis pieca</translation>
    </message>
    <message>
        <source>Wiersze zapisu</source>
        <translation>Wiersze zapisu</translation>
    </message>
    <message>
        <source>Czas zapisu</source>
        <translation>Czas zapisu</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Potencjał (%1)</source>
        <translation>Potencjał (%1)</translation>
    </message>
    <message>
        <source>Plan a przebieg rzeczywisty</source>
        <translation>Plan a przebieg rzeczywisty</translation>
    </message>
    <message>
        <source>Przebieg rzeczywisty</source>
        <translation>Przebieg rzeczywisty</translation>
    </message>
    <message>
        <source>Potencjał a wartość zadana</source>
        <translation>Potencjał a wartość zadana</translation>
    </message>
    <message>
        <source>Plan wsadu</source>
        <translation>Plan wsadu</translation>
    </message>
    <message>
        <source>Planowany</source>
        <translation>Planowany</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>, %1 poza profilem</source>
        <translation>, %1 poza profilem</translation>
    </message>
    <message>
        <source>%1: pomiar stężenia węgla nie należy do tego wykresu</source>
        <translation>%1: pomiar stężenia węgla nie należy do tego wykresu</translation>
    </message>
    <message>
        <source>%1: pomiar twardości nie należy do tego wykresu</source>
        <translation>%1: pomiar twardości nie należy do tego wykresu</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>The list of sets in use (pliki.lst) cannot be updated: %1</source>
        <translation>Nie można uaktualnić listy obliczanych zestawów (pliki.lst): %1</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
</context>
<context>
    <name>ModelChoice</name>
    <message>
        <source>standardowa</source>
        <translation>standardowa</translation>
    </message>
    <message>
        <source>Tibbetts</source>
        <translation>Tibbetts</translation>
    </message>
    <message>
        <source>Slycke i Ericsson</source>
        <translation>Slycke i Ericsson</translation>
    </message>
    <message>
        <source>Dyfuzyjność węgla:</source>
        <translation>Dyfuzyjność węgla:</translation>
    </message>
    <message>
        <source>Prawo współczynnika dyfuzji węgla w austenicie; prawa Tibbettsa oraz Slycke i Ericssona rosną z zawartością węgla, jak w pomiarach.</source>
        <translation>Prawo współczynnika dyfuzji węgla w austenicie; prawa Tibbettsa oraz Slycke i Ericssona rosną z zawartością węgla, jak w pomiarach.</translation>
    </message>
    <message>
        <source>Węgliki</source>
        <translation>Węgliki</translation>
    </message>
    <message>
        <source>Węgiel ponad granicą nasycenia austenitu tworzy cementyt (reguła dźwigni); dyfunduje tylko węgiel rozpuszczony.</source>
        <translation>Węgiel ponad granicą nasycenia austenitu tworzy cementyt (reguła dźwigni); dyfunduje tylko węgiel rozpuszczony.</translation>
    </message>
</context>
<context>
    <name>NumberBox</name>
    <message>
        <source>%1: &apos;%2&apos; nie jest liczbą</source>
        <translation>%1: &apos;%2&apos; nie jest liczbą</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Specyfikacja części</source>
        <translation>Specyfikacja części</translation>
    </message>
    <message>
        <source>Specyfikacja części (*.txt);;Wszystkie pliki (*)</source>
        <translation>Specyfikacja części (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Błąd specyfikacji</source>
        <translation>Błąd specyfikacji</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>Raport z wsadu</source>
        <translation>Raport z wsadu</translation>
    </message>
    <message>
        <source>Raport zapisany: %1</source>
        <translation>Raport zapisany: %1</translation>
    </message>
    <message>
        <source>Bez specyfikacji części: wybierz ją poleceniem Specyfikacja części...</source>
        <translation>Bez specyfikacji części: wybierz ją poleceniem Specyfikacja części...</translation>
    </message>
</context>
<context>
    <name>RestartLoop</name>
    <message>
        <source>Uruchomić jeszcze raz?</source>
        <translation>Uruchomić jeszcze raz?</translation>
    </message>
    <message>
        <source>Run returned %1</source>
        <translation>Program zakończył się ze stanem %1</translation>
    </message>
    <message>
        <source>Niezwykłe zakończenie</source>
        <translation>Niezwykłe zakończenie</translation>
    </message>
    <message>
        <source>Niezwykłe zakończenie, uncaught xmsg</source>
        <translation>Niezwykłe zakończenie, uncaught xmsg</translation>
    </message>
    <message>
        <source>Niezwykłe zakończenie, uncaught ...</source>
        <translation>Niezwykłe zakończenie, uncaught ...</translation>
    </message>
</context>
<context>
    <name>ResultSet</name>
    <message>
        <source>Files from Tavrix! (*.tav)</source>
        <translation>Dane procesu Tavrix! (*.tav)</translation>
    </message>
    <message>
        <source>File pliki.lst znajdujący się w katalogu (folderze), w którym został zainstalowany program Tavrix, został zniszczony </source>
        <translation>Plik pliki.lst znajdujący się w katalogu (folderze), w którym został zainstalowany program Tavrix, został zniszczony </translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>nie można go otworzyć</translation>
    </message>
    <message>
        <source>it is not a file of process data: it does not begin with the process data and the shape of a sample</source>
        <translation>to nie jest plik danych procesu: nie zaczyna się od danych procesu i kształtu próbki</translation>
    </message>
    <message>
        <source>it has no results yet: compute the set first</source>
        <translation>nie ma jeszcze wyników: najpierw oblicz zestaw</translation>
    </message>
    <message>
        <source>the computation of this set did not finish: its files end before the end of its programme</source>
        <translation>obliczenia tego zestawu nie zostały ukończone: jego pliki kończą się przed końcem programu</translation>
    </message>
    <message>
        <source>

Show what there is?</source>
        <translation>

Pokazać to, co jest?</translation>
    </message>
    <message>
        <source>Unfinished computation</source>
        <translation>Nieukończone obliczenia</translation>
    </message>
</context>
<context>
    <name>RunResults</name>
    <message>
        <source>Głębokość utwardzenia CHD (%1 HV): %2 mm</source>
        <translation>Głębokość utwardzenia CHD (%1 HV): %2 mm</translation>
    </message>
    <message>
        <source>Głębokość utwardzenia CHD: warstwa nie osiąga %1 HV</source>
        <translation>Głębokość utwardzenia CHD: warstwa nie osiąga %1 HV</translation>
    </message>
    <message>
        <source>Głębokość utwardzenia CHD: twardość %1 HV lub więcej do końca warstwy</source>
        <translation>Głębokość utwardzenia CHD: twardość %1 HV lub więcej do końca warstwy</translation>
    </message>
    <message>
        <source>Średni przyrost węgla: %1 % C</source>
        <translation>Średni przyrost węgla: %1 % C</translation>
    </message>
    <message>
        <source>Grubość warstwy do %1 % C: %2 mm</source>
        <translation>Grubość warstwy do %1 % C: %2 mm</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni: %1 % C</source>
        <translation>Węgiel na powierzchni: %1 % C</translation>
    </message>
    <message>
        <source>Przyrost masy: %1 g/m²</source>
        <translation>Przyrost masy: %1 g/m²</translation>
    </message>
    <message>
        <source>Czas procesu: %1</source>
        <translation>Czas procesu: %1</translation>
    </message>
    <message>
        <source>Cementyt na końcu etapu (%1): do %2 mm</source>
        <translation>Cementyt na końcu etapu (%1): do %2 mm</translation>
    </message>
    <message>
        <source>Cementyt na końcu etapu (%1): brak</source>
        <translation>Cementyt na końcu etapu (%1): brak</translation>
    </message>
</context>
<context>
    <name>SampleShapes</name>
    <message>
        <source>Semi-infinitive sample</source>
        <translation>Próbka półnieskończona</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Płyta</translation>
    </message>
    <message>
        <source>Foil</source>
        <translation>Folia</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Walec</translation>
    </message>
    <message>
        <source>Drut</source>
        <translation>Drut</translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>File name already exist and is in use</source>
        <translation>Ten zestaw jest właśnie obliczany</translation>
    </message>
    <message>
        <source>Choose another file</source>
        <translation>Wybierz inny plik</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>Porównaj wyniki</source>
        <translation>Porównaj wyniki</translation>
    </message>
    <message>
        <source>File name already exist and is in use:
</source>
        <translation>Te zestawy są właśnie obliczane:
</translation>
    </message>
    <message>
        <source>%1 is in the comparison already</source>
        <translation>%1 jest już w porównaniu</translation>
    </message>
    <message>
        <source>Thick samples (times in hours) and thin samples (times in seconds) cannot be compared</source>
        <translation>Nie można porównać próbek grubych (czasy w godzinach) z cienkimi (czasy w sekundach)</translation>
    </message>
    <message>
        <source>Choose file with data to remove</source>
        <translation>Wybierz zestaw wyników do skasowania</translation>
    </message>
    <message>
        <source>That file cannot be removed - choose another</source>
        <translation>Tego zestawu nie można skasować - wybierz inny</translation>
    </message>
    <message>
        <source>Skasuj</source>
        <translation>Skasuj</translation>
    </message>
    <message>
        <source>Remove the result set %1?

These files will be deleted:
%2</source>
        <translation>Skasować zestaw wyników %1?

Zostaną usunięte te pliki:
%2</translation>
    </message>
    <message>
        <source>Remove result set</source>
        <translation>Kasowanie zestawu wyników</translation>
    </message>
    <message>
        <source>Nie wszystkie pliki zestawu %1 zostały skasowane:
%2</source>
        <translation>Nie wszystkie pliki zestawu %1 zostały skasowane:
%2</translation>
    </message>
</context>
<context>
    <name>StageTable</name>
    <message>
        <source>gaz</source>
        <translation>gaz</translation>
    </message>
    <message>
        <source>obojętna</source>
        <translation>obojętna</translation>
    </message>
    <message>
        <source>nasycanie</source>
        <translation>nasycanie</translation>
    </message>
    <message>
        <source>Warunek</source>
        <translation>Warunek</translation>
    </message>
    <message>
        <source>Co dzieje się na powierzchni w etapie, który kończy wiersz: gaz (potencjał węglowy atmosfery), atmosfera obojętna (węgiel nie przechodzi przez powierzchnię) albo nasycanie (powierzchnia na granicy nasycenia austenitu).</source>
        <translation>Co dzieje się na powierzchni w etapie, który kończy wiersz: gaz (potencjał węglowy atmosfery), atmosfera obojętna (węgiel nie przechodzi przez powierzchnię) albo nasycanie (powierzchnia na granicy nasycenia austenitu).</translation>
    </message>
    <message>
        <source>J0, g/(m²·s)</source>
        <translation>J0, g/(m²·s)</translation>
    </message>
    <message>
        <source>Największy strumień węgla etapu nasycania, dopóki powierzchnia nie osiągnie granicy nasycenia; puste: powierzchnia od razu na granicy.</source>
        <translation>Największy strumień węgla etapu nasycania, dopóki powierzchnia nie osiągnie granicy nasycenia; puste: powierzchnia od razu na granicy.</translation>
    </message>
    <message>
        <source>Temperatura, C</source>
        <translation>Temperatura, °C</translation>
    </message>
    <message>
        <source>Potencjał węglowy, %</source>
        <translation>Potencjał węglowy, % C</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Dodaj wiersz</translation>
    </message>
    <message>
        <source>Jeszcze jeden etap; program z etapami obojętnymi lub nasycania może mieć do %1 wierszy.</source>
        <translation>Jeszcze jeden etap; program z etapami obojętnymi lub nasycania może mieć do %1 wierszy.</translation>
    </message>
    <message>
        <source>Warunki etapów</source>
        <translation>Warunki etapów</translation>
    </message>
    <message>
        <source>Etapy w atmosferze obojętnej i etapy nasycania (nawęglanie próżniowe) obok etapów w gazie.</source>
        <translation>Etapy w atmosferze obojętnej i etapy nasycania (nawęglanie próżniowe) obok etapów w gazie.</translation>
    </message>
    <message>
        <source>Pułap, % C</source>
        <translation>Pułap, % C</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni, przy którym nasycanie ją trzyma; puste: granica nasycenia austenitu.</source>
        <translation>Węgiel na powierzchni, przy którym nasycanie ją trzyma; puste: granica nasycenia austenitu.</translation>
    </message>
    <message>
        <source>Czasy etapów</source>
        <translation>Czasy etapów</translation>
    </message>
    <message>
        <source>Czas trwania każdego etapu zamiast chwili, w której się kończy; czas w godzinach można też wpisać jako h:mm:ss.</source>
        <translation>Czas trwania każdego etapu zamiast chwili, w której się kończy; czas w godzinach można też wpisać jako h:mm:ss.</translation>
    </message>
    <message>
        <source>Czas etapu, s</source>
        <translation>Czas etapu, s</translation>
    </message>
    <message>
        <source>Czas etapu, h</source>
        <translation>Czas etapu, h</translation>
    </message>
    <message>
        <source>Wiersz %1, czas</source>
        <translation>Wiersz %1, czas</translation>
    </message>
    <message>
        <source>Wiersz %1, temperatura</source>
        <translation>Wiersz %1, temperatura</translation>
    </message>
    <message>
        <source>Wiersz %1, potencjał</source>
        <translation>Wiersz %1, potencjał</translation>
    </message>
    <message>
        <source>Wiersz %1, J0</source>
        <translation>Wiersz %1, J0</translation>
    </message>
</context>
<context>
    <name>SummaryHeaders</name>
    <message>
        <source>Set</source>
        <translation>Zestaw</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Kształt</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Wymiar (mm)</translation>
    </message>
    <message>
        <source>Steel grade</source>
        <translation>Gatunek stali</translation>
    </message>
    <message>
        <source>Programme length (s)</source>
        <translation>Czas programu (s)</translation>
    </message>
    <message>
        <source>Programme length (h)</source>
        <translation>Czas programu (h)</translation>
    </message>
    <message>
        <source>Surface carbon (% C)</source>
        <translation>Węgiel na powierzchni (% C)</translation>
    </message>
    <message>
        <source>Case depth 0.40% C (mm)</source>
        <translation>Głębokość warstwy 0.40 % C (mm)</translation>
    </message>
    <message>
        <source>Case depth 0.35% C (mm)</source>
        <translation>Głębokość warstwy 0.35 % C (mm)</translation>
    </message>
    <message>
        <source>Case depth 0.30% C (mm)</source>
        <translation>Głębokość warstwy 0.30 % C (mm)</translation>
    </message>
    <message>
        <source>Mass gain (g/m^2)</source>
        <translation>Przyrost masy (g/m²)</translation>
    </message>
    <message>
        <source>Mean carbon content (% C)</source>
        <translation>Średnia zawartość węgla (% C)</translation>
    </message>
    <message>
        <source>Highest hardness (HV)</source>
        <translation>Największa twardość (HV)</translation>
    </message>
    <message>
        <source>CHD %1 HV (mm)</source>
        <translation>CHD %1 HV (mm)</translation>
    </message>
    <message>
        <source>Diffusivity law</source>
        <translation>Prawo dyfuzyjności</translation>
    </message>
</context>
<context>
    <name>TAxisSetup</name>
    <message>
        <source>Ustawienie osi</source>
        <translation>Ustawienie osi</translation>
    </message>
    <message>
        <source>X początkowe:</source>
        <translation>X początkowe:</translation>
    </message>
    <message>
        <source>X końcowe:</source>
        <translation>X końcowe:</translation>
    </message>
    <message>
        <source>Podział:</source>
        <translation>Podział:</translation>
    </message>
    <message>
        <source>Y początkowe:</source>
        <translation>Y początkowe:</translation>
    </message>
    <message>
        <source>Y końcowe:</source>
        <translation>Y końcowe:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>You have provided incorrect data</source>
        <translation>Podana wartość nie jest poprawną liczbą</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
</context>
<context>
    <name>TChartMDIChild</name>
    <message>
        <source>Cannot open file </source>
        <translation>Nie można otworzyć pliku </translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Błąd pliku</translation>
    </message>
    <message>
        <source>Dodaj pomiar...</source>
        <translation>Dodaj pomiar...</translation>
    </message>
    <message>
        <source>Usuń pomiar</source>
        <translation>Usuń pomiar</translation>
    </message>
    <message>
        <source>Dodaj pomiar</source>
        <translation>Dodaj pomiar</translation>
    </message>
    <message>
        <source>Pomiary (*.csv *.txt);;Wszystkie pliki (*)</source>
        <translation>Pomiary (*.csv *.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Pomiar</source>
        <translation>Pomiar</translation>
    </message>
    <message>
        <source>(brak pomiarów)</source>
        <translation>(brak pomiarów)</translation>
    </message>
</context>
<context>
    <name>TCompareMDIChild</name>
    <message>
        <source>Głębokość przy %1% C</source>
        <translation>Głębokość przy %1% C</translation>
    </message>
    <message>
        <source>Porównanie - %1</source>
        <translation>Porównanie - %1</translation>
    </message>
    <message>
        <source>Dodaj zestaw...</source>
        <translation>Dodaj zestaw...</translation>
    </message>
    <message>
        <source>Usuń zestaw</source>
        <translation>Usuń zestaw</translation>
    </message>
</context>
<context>
    <name>TDesignDialog</name>
    <message>
        <source>Projekt procesu</source>
        <translation>Projekt procesu</translation>
    </message>
    <message>
        <source>lub przy twardości (CHD), HV:</source>
        <translation>lub przy twardości (CHD), HV:</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni, %:</source>
        <translation>Węgiel na powierzchni, % C:</translation>
    </message>
    <message>
        <source>= powierzchnia</source>
        <translation>= powierzchnia</translation>
    </message>
    <message>
        <source>Podchładzanie do hartowania, C:</source>
        <translation>Podchładzanie do hartowania, °C:</translation>
    </message>
    <message>
        <source>Nawęglanie próżniowe (impulsy)</source>
        <translation>Nawęglanie próżniowe (impulsy)</translation>
    </message>
    <message>
        <source>Temperatura nawęglania, C:</source>
        <translation>Temperatura nawęglania, °C:</translation>
    </message>
    <message>
        <source>Potencjał nawęglania, %:</source>
        <translation>Potencjał nawęglania, % C:</translation>
    </message>
    <message>
        <source>Grubość warstwy, mm:</source>
        <translation>Grubość warstwy, mm:</translation>
    </message>
    <message>
        <source>przy zawartości węgla, %:</source>
        <translation>przy zawartości węgla, % C:</translation>
    </message>
    <message>
        <source>Potencjał dyfuzji, %:</source>
        <translation>Potencjał dyfuzji, % C:</translation>
    </message>
    <message>
        <source>Czas podchładzania, h:</source>
        <translation>Czas podchładzania, h:</translation>
    </message>
    <message>
        <source>Krok zegara pieca, h:</source>
        <translation>Krok zegara pieca, h:</translation>
    </message>
    <message>
        <source>Najkrótsze nasycanie, s:</source>
        <translation>Najkrótsze nasycanie, s:</translation>
    </message>
    <message>
        <source>Oblicz</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Wstaw</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni:  0.800 %  (cel 0.8 %)</source>
        <translation>Węgiel na powierzchni:  0.800 % C  (cel 0.8 % C)</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Sprawdź dane!</translation>
    </message>
    <message>
        <source>Grubość warstwy:  %1 mm  (cel %2 mm)
</source>
        <translation>Grubość warstwy:  %1 mm  (cel %2 mm)
</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni:  %1 %  (cel %2 %)
</source>
        <translation>Węgiel na powierzchni:  %1 % C  (cel %2 % C)
</translation>
    </message>
    <message>
        <source>Granica nasycenia:  %1 %
</source>
        <translation>Granica nasycenia:  %1 % C
</translation>
    </message>
    <message>
        <source>Obliczeń próbnych: %1

</source>
        <translation>Obliczeń próbnych: %1

</translation>
    </message>
    <message>
        <source>Impuls  nasycanie, s  dyfuzja, s</source>
        <translation>Impuls  nasycanie, s  dyfuzja, s</translation>
    </message>
    <message>
        <source>    Czas, h  Temp., C  Potencjał, %
</source>
        <translation>    Czas, h  Temp., C  Potencjał, %
</translation>
    </message>
    <message>
        <source>
%1:  %2 mm  (cel %3 mm)
</source>
        <translation>
%1:  %2 mm  (cel %3 mm)
</translation>
    </message>
    <message>
        <source>CHD przy %1 HV</source>
        <translation>CHD przy %1 HV</translation>
    </message>
    <message>
        <source>Grubość warstwy</source>
        <translation>Grubość warstwy</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni:  %1 %</source>
        <translation>Węgiel na powierzchni:  %1 %</translation>
    </message>
    <message>
        <source>  (cel %1 %)</source>
        <translation>  (cel %1 % C)</translation>
    </message>
    <message>
        <source>
Obliczeń próbnych: %1</source>
        <translation>
Obliczeń próbnych: %1</translation>
    </message>
    <message>
        <source>Warning: %1.</source>
        <translation>Uwaga: %1.</translation>
    </message>
    <message>
        <source>Czas procesu:  %1 h  (%2)</source>
        <translation>Czas procesu:  %1 h  (%2)</translation>
    </message>
    <message>
        <source>Temperatura nawęglania</source>
        <translation>Temperatura nawęglania</translation>
    </message>
    <message>
        <source>Potencjał nawęglania</source>
        <translation>Potencjał nawęglania</translation>
    </message>
    <message>
        <source>Zawartość węgla na granicy warstwy</source>
        <translation>Zawartość węgla na granicy warstwy</translation>
    </message>
    <message>
        <source>Twardość na granicy warstwy</source>
        <translation>Twardość na granicy warstwy</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni</source>
        <translation>Węgiel na powierzchni</translation>
    </message>
    <message>
        <source>Potencjał dyfuzji</source>
        <translation>Potencjał dyfuzji</translation>
    </message>
    <message>
        <source>Temperatura hartowania</source>
        <translation>Temperatura hartowania</translation>
    </message>
    <message>
        <source>Czas podchładzania</source>
        <translation>Czas podchładzania</translation>
    </message>
    <message>
        <source>Krok zegara pieca</source>
        <translation>Krok zegara pieca</translation>
    </message>
    <message>
        <source>Najkrótsze nasycanie</source>
        <translation>Najkrótsze nasycanie</translation>
    </message>
    <message>
        <source>Podaj: %1</source>
        <translation>Podaj: %1</translation>
    </message>
</context>
<context>
    <name>TFoilTestDialog</name>
    <message>
        <source>Współczynnik z próby</source>
        <translation>Współczynnik z próby</translation>
    </message>
    <message>
        <source>Próba: program, stal i grubość z formularza.</source>
        <translation>Próba: program, stal i grubość z formularza.</translation>
    </message>
    <message>
        <source>Zawartość węgla po próbie, %:</source>
        <translation>Zawartość węgla po próbie, % C:</translation>
    </message>
    <message>
        <source>Oblicz</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Enter the carbon content measured after the test</source>
        <translation>Podaj zawartość węgla zmierzoną po próbie</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Sprawdź dane!</translation>
    </message>
    <message>
        <source>Zawartość węgla po próbie</source>
        <translation>Zawartość węgla po próbie</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Nawigacja</source>
        <translation>Nawigacja</translation>
    </message>
    <message>
        <source>Wstecz</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Dalej</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>TPotentialDialog</name>
    <message>
        <source>Przelicz odczyt</source>
        <translation>Przelicz odczyt</translation>
    </message>
    <message>
        <source>Etap %1</source>
        <translation>Etap %1</translation>
    </message>
    <message>
        <source>Sonda tlenowa, mV</source>
        <translation>Sonda tlenowa, mV</translation>
    </message>
    <message>
        <source>Punkt rosy, °C</source>
        <translation>Punkt rosy, °C</translation>
    </message>
    <message>
        <source>CO2, %</source>
        <translation>CO2, %</translation>
    </message>
    <message>
        <source>Wiersz programu:</source>
        <translation>Wiersz programu:</translation>
    </message>
    <message>
        <source>Temperatura, °C:</source>
        <translation>Temperatura, °C:</translation>
    </message>
    <message>
        <source>Odczyt:</source>
        <translation>Odczyt:</translation>
    </message>
    <message>
        <source>Wartość:</source>
        <translation>Wartość:</translation>
    </message>
    <message>
        <source>CO, %:</source>
        <translation>CO, %:</translation>
    </message>
    <message>
        <source>H2, %:</source>
        <translation>H2, %:</translation>
    </message>
    <message>
        <source>Współczynnik procesu (puste: równowaga gazu):</source>
        <translation>Współczynnik procesu (puste: równowaga gazu):</translation>
    </message>
    <message>
        <source>Przelicz</source>
        <translation>Przelicz</translation>
    </message>
    <message>
        <source>Wstaw do etapu</source>
        <translation>Wstaw do etapu</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Enter the temperature, the reading, CO and H2</source>
        <translation>Wpisz temperaturę, odczyt, CO i H2</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Sprawdź dane!</translation>
    </message>
    <message>
        <source>Potencjał węglowy %1 % C, aktywność węgla %2</source>
        <translation>Potencjał węglowy %1 % C, aktywność węgla %2</translation>
    </message>
    <message>
        <source>Atmosfera wydziela sadzę (aktywność węgla %1, nie mniej niż 1): nie ma potencjału węglowego.</source>
        <translation>Atmosfera wydziela sadzę (aktywność węgla %1, nie mniej niż 1): nie ma potencjału węglowego.</translation>
    </message>
</context>
<context>
    <name>TProfileFitDialog</name>
    <message>
        <source>także przesunięcie potencjału (błąd sondy)</source>
        <translation>także przesunięcie potencjału (błąd sondy)</translation>
    </message>
    <message>
        <source>Dopasuj do pomiaru</source>
        <translation>Dopasuj do pomiaru</translation>
    </message>
    <message>
        <source>Proces: program, stal i kształt z formularza; szukany współczynnik β.</source>
        <translation>Proces: program, stal i kształt z formularza; szukany współczynnik β.</translation>
    </message>
    <message>
        <source>Wybierz...</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source>Plik pomiaru:</source>
        <translation>Plik pomiaru:</translation>
    </message>
    <message>
        <source>Oblicz</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Wstaw</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Plik pomiaru</source>
        <translation>Plik pomiaru</translation>
    </message>
    <message>
        <source>Pomiary (*.csv *.txt);;Wszystkie pliki (*)</source>
        <translation>Pomiary (*.csv *.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose the file of the measured profile</source>
        <translation>Wybierz plik zmierzonego profilu</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Sprawdź dane!</translation>
    </message>
    <message>
        <source>Współczynnik β:  %1 ± %2 cm/s
</source>
        <translation>Współczynnik β:  %1 ± %2 cm/s
</translation>
    </message>
    <message>
        <source>Przesunięcie potencjału:  %1 ± %2 %
</source>
        <translation>Przesunięcie potencjału:  %1 ± %2 %
</translation>
    </message>
    <message>
        <source>RMS różnicy:  %1 %3 przed,  %2 %3 po
</source>
        <translation>RMS różnicy:  %1 %3 przed,  %2 %3 po
</translation>
    </message>
    <message>
        <source>Punkty porównane: %1</source>
        <translation>Punkty porównane: %1</translation>
    </message>
    <message>
        <source>  (pominięte: %1 przy powierzchni, %2 poza środkiem próbki)</source>
        <translation>  (pominięte: %1 przy powierzchni, %2 poza środkiem próbki)</translation>
    </message>
    <message>
        <source>
Obliczeń próbnych: %1</source>
        <translation>
Obliczeń próbnych: %1</translation>
    </message>
    <message>
        <source>Uwaga: pomiar prawie nie zależy od współczynnika β; jego błąd standardowy
jest większy od samej wartości, więc β nie jest wyznaczony.</source>
        <translation>Uwaga: pomiar prawie nie zależy od współczynnika β; jego błąd standardowy
jest większy od samej wartości, więc β nie jest wyznaczony.</translation>
    </message>
    <message>
        <source>Uwaga: pomiar prawie nie zależy od przesunięcia potencjału; jego błąd
standardowy przekracza %1 %, więc przesunięcie nie jest wyznaczone i nie
jest błędem sondy. Dopasuj sam współczynnik β.</source>
        <translation>Uwaga: pomiar prawie nie zależy od przesunięcia potencjału; jego błąd
standardowy przekracza %1 %, więc przesunięcie nie jest wyznaczone i nie
jest błędem sondy. Dopasuj sam współczynnik β.</translation>
    </message>
    <message>
        <source>Proces: program, stal i kształt z formularza; szukane: współczynnik β i jedno przesunięcie
potencjału wszystkich etapów gazowych (błąd sondy), wstawiane do formularza.</source>
        <translation>Proces: program, stal i kształt z formularza; szukane: współczynnik β i jedno przesunięcie
potencjału wszystkich etapów gazowych (błąd sondy), wstawiane do formularza.</translation>
    </message>
    <message>
        <source>Współczynnik β:  %1 cm/s (co najmniej %2 cm/s)
</source>
        <translation>Współczynnik β:  %1 cm/s (co najmniej %2 cm/s)
</translation>
    </message>
    <message>
        <source>Przesunięcie potencjału:  %1 %
</source>
        <translation>Przesunięcie potencjału:  %1 %
</translation>
    </message>
    <message>
        <source>Uwaga: profil wyznacza przesunięcie potencjału, lecz nie β: powierzchnia
nadąża za atmosferą przy każdym β od %1 cm/s wzwyż.</source>
        <translation>Uwaga: profil wyznacza przesunięcie potencjału, lecz nie β: powierzchnia
nadąża za atmosferą przy każdym β od %1 cm/s wzwyż.</translation>
    </message>
</context>
<context>
    <name>TSetChartMDIChild</name>
    <message>
        <source>%1 (dyfuzyjność: %2)</source>
        <translation>%1 (dyfuzyjność: %2)</translation>
    </message>
</context>
<context>
    <name>TSummaryMDIChild</name>
    <message>
        <source>Porównanie - podsumowanie</source>
        <translation>Porównanie - podsumowanie</translation>
    </message>
</context>
<context>
    <name>TTavFrame</name>
    <message>
        <source>Tavrix!</source>
        <translation>Tavrix!</translation>
    </message>
    <message>
        <source>&amp;Plik</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edycja</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Obliczenia</source>
        <translation>&amp;Obliczenia</translation>
    </message>
    <message>
        <source>&amp;Kształt próbki</source>
        <translation>&amp;Kształt próbki</translation>
    </message>
    <message>
        <source>O&amp;pcje</source>
        <translation>O&amp;pcje</translation>
    </message>
    <message>
        <source>O&amp;kno</source>
        <translation>O&amp;kno</translation>
    </message>
    <message>
        <source>Pomo&amp;c</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Język zmieni się przy następnym uruchomieniu programów.</source>
        <translation>Język zmieni się przy następnym uruchomieniu programów.</translation>
    </message>
    <message>
        <source>Control bar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Can&apos;t run subprogram</source>
        <translation>Nie można uruchomić drugiego programu Tavrix!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
</context>
<context>
    <name>TTavrixApp</name>
    <message>
        <source>No sample shape was given.</source>
        <translation>Nie podano kształtu próbki.</translation>
    </message>
    <message>
        <source>Unknown sample shape &quot;%1&quot;.</source>
        <translation>Nieznany kształt próbki &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>
Start tavcalc with one of these shapes:
   </source>
        <translation>
Uruchom tavcalc z jednym z tych kształtów:
   </translation>
    </message>
    <message>
        <source>
for instance: tavcalc &quot;Plate&quot;</source>
        <translation>
na przykład: tavcalc &quot;Plate&quot;</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
</context>
<context>
    <name>TTavrixDialog</name>
    <message>
        <source>Files from Tavrix! (*.tav)</source>
        <translation>Dane procesu Tavrix! (*.tav)</translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Średnica: </translation>
    </message>
    <message>
        <source>Thick: </source>
        <translation>Grubość: </translation>
    </message>
    <message>
        <source>Time, s</source>
        <translation>Czas, s</translation>
    </message>
    <message>
        <source>Czas, h</source>
        <translation>Czas, h</translation>
    </message>
    <message>
        <source>Zawartość węgla w stali, % :</source>
        <translation>Zawartość węgla w stali, % C:</translation>
    </message>
    <message>
        <source>Współczynnik przenoszenia węgla, cm/s: </source>
        <translation>Współczynnik przenoszenia węgla β, cm/s: </translation>
    </message>
    <message>
        <source>Przeglądaj...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Załaduj...</source>
        <translation>Załaduj...</translation>
    </message>
    <message>
        <source>Obliczaj...</source>
        <translation>Obliczaj...</translation>
    </message>
    <message>
        <source>Koniec</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Plik:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Załaduj dane z:</source>
        <translation>Załaduj dane z:</translation>
    </message>
    <message>
        <source>Can&apos;t open file</source>
        <translation>Nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>You want to load improper type of file</source>
        <translation>To nie jest plik danych procesu (*.tav)</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Plik wyników</translation>
    </message>
    <message>
        <source>Zapisać dane procesu?</source>
        <translation>Zapisać dane procesu?</translation>
    </message>
    <message>
        <source>Unsaved data</source>
        <translation>Niezapisane dane</translation>
    </message>
    <message>
        <source>Zapisz dane procesu</source>
        <translation>Zapisz dane procesu</translation>
    </message>
    <message>
        <source>
holds a result set: choose another file</source>
        <translation>
zawiera zestaw wyników: wybierz inny plik</translation>
    </message>
    <message>
        <source>Can&apos;t open file
</source>
        <translation>Nie można otworzyć pliku
</translation>
    </message>
    <message>
        <source>
The computation knows nothing of soot and carbides. Compute anyway?</source>
        <translation>
Obliczenia nie uwzględniają sadzy ani węglików. Obliczać mimo to?</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uwaga!</translation>
    </message>
    <message>
        <source>Transfer coefficient %1 cm/s, written into the form.
The uniform-foil formula would give %2 cm/s.</source>
        <translation>Współczynnik przejmowania β %1 cm/s, wpisany do formularza.
Wzór dla jednorodnej folii dałby %2 cm/s.</translation>
    </message>
    <message>
        <source>Foil test</source>
        <translation>Próba foliowa</translation>
    </message>
    <message>
        <source>Gatunek stali rozpoznany ze składu: jego krzywa daje twardość warstwy.</source>
        <translation>Gatunek stali rozpoznany ze składu: jego krzywa daje twardość warstwy.</translation>
    </message>
    <message>
        <source>Gatunek: —</source>
        <translation>Gatunek: —</translation>
    </message>
    <message>
        <source>Gatunek: %1</source>
        <translation>Gatunek: %1</translation>
    </message>
    <message>
        <source>stal węglowa</source>
        <translation>stal węglowa</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Sprawdź dane!</translation>
    </message>
    <message>
        <source>Zawartość węgla w stali</source>
        <translation>Zawartość węgla w stali</translation>
    </message>
    <message>
        <source>Współczynnik przenoszenia węgla</source>
        <translation>Współczynnik przenoszenia węgla</translation>
    </message>
    <message>
        <source>Średnica</source>
        <translation>Średnica</translation>
    </message>
    <message>
        <source>Grubość</source>
        <translation>Grubość</translation>
    </message>
    <message>
        <source>
Liczyć mimo to?</source>
        <translation>
Liczyć mimo to?</translation>
    </message>
    <message>
        <source>Wypełnij puste pola: %1.</source>
        <translation>Wypełnij puste pola: %1.</translation>
    </message>
</context>
<context>
    <name>TTavrixFrame</name>
    <message>
        <source>&amp;Koniec</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Zamyka okno dialogowe</source>
        <translation>Zamyka okno dialogowe</translation>
    </message>
    <message>
        <source>Pomo&amp;c</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Informacje o programie</source>
        <translation>Informacje o programie</translation>
    </message>
    <message>
        <source>&amp;Współczynnik z próby...</source>
        <translation>&amp;Współczynnik z próby...</translation>
    </message>
    <message>
        <source>Wyznacza współczynnik przenoszenia węgla z próby foliowej</source>
        <translation>Wyznacza współczynnik przenoszenia węgla z próby foliowej</translation>
    </message>
    <message>
        <source>&amp;Projekt procesu...</source>
        <translation>&amp;Projekt procesu...</translation>
    </message>
    <message>
        <source>Projektuje program pieca dla zadanej warstwy</source>
        <translation>Projektuje program pieca dla zadanej warstwy</translation>
    </message>
    <message>
        <source>&amp;Dopasuj do pomiaru...</source>
        <translation>&amp;Dopasuj do pomiaru...</translation>
    </message>
    <message>
        <source>Dopasowuje współczynnik przenoszenia węgla do zmierzonego profilu</source>
        <translation>Dopasowuje współczynnik przenoszenia węgla do zmierzonego profilu</translation>
    </message>
    <message>
        <source>&amp;Przelicz odczyt...</source>
        <translation>&amp;Przelicz odczyt...</translation>
    </message>
    <message>
        <source>Przelicza odczyt sondy tlenowej, punktu rosy lub CO2 na potencjał węglowy etapu</source>
        <translation>Przelicza odczyt sondy tlenowej, punktu rosy lub CO2 na potencjał węglowy etapu</translation>
    </message>
</context>
<context>
    <name>TTrialDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Can&apos;t open file
</source>
        <translation>Nie można otworzyć pliku
</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
</context>
<context>
    <name>TWskDialog</name>
    <message>
        <source>Pokaż wyniki</source>
        <translation>Pokaż wyniki</translation>
    </message>
    <message>
        <source>Obliczenia</source>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <source>Otwiera wyniki w przeglądarce Tavrix!</source>
        <translation>Otwiera wyniki w przeglądarce Tavrix!</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The set %1 already holds results.
A new run replaces them, and a cancelled run leaves no file of the set.

Replace them?</source>
        <translation>Zestaw %1 zawiera już wyniki.
Nowe obliczenia je zastąpią, a przerwane nie zostawią żadnego pliku zestawu.

Zastąpić je?</translation>
    </message>
    <message>
        <source>Replace results?</source>
        <translation>Zastąpić wyniki?</translation>
    </message>
    <message>
        <source>Filename is already in use</source>
        <translation>Ten zestaw jest właśnie obliczany: wybierz inną nazwę pliku</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Sprawdź dane!</translation>
    </message>
    <message>
        <source>Can&apos;t open file
</source>
        <translation>Nie można otworzyć pliku
</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Obliczanie...</translation>
    </message>
    <message>
        <source>Tavrix! - %1</source>
        <translation>Tavrix! - %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Zakończone</translation>
    </message>
    <message>
        <source>Warning: %1.</source>
        <translation>Uwaga: %1.</translation>
    </message>
    <message>
        <source>Can&apos;t run subprogram</source>
        <translation>Nie można uruchomić drugiego programu Tavrix!</translation>
    </message>
    <message>
        <source>Pliki niedokończonego obliczenia nie zostały uporządkowane:
%1</source>
        <translation>Pliki niedokończonego obliczenia nie zostały uporządkowane:
%1</translation>
    </message>
</context>
</TS>
