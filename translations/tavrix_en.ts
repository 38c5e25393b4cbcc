<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pl_PL">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Zespół programu Tavrix!</source>
        <translation>The Tavrix! team</translation>
    </message>
    <message>
        <source>Model dyfuzji węgla w austenicie i obliczenia różnicowe</source>
        <translation>Model of carbon diffusion in austenite and finite-difference computation</translation>
    </message>
    <message>
        <source>Twardość warstwy nawęglonej dla trzynastu gatunków stali</source>
        <translation>Hardness of the carburized case for thirteen steel grades</translation>
    </message>
    <message>
        <source>Przeglądarka wykresów i zestawów wyników</source>
        <translation>Viewer of charts and result sets</translation>
    </message>
    <message>
        <source>Pytania i uwagi: zgłoszenia w repozytorium projektu</source>
        <translation>Questions and remarks: the issues of the project&apos;s repository</translation>
    </message>
    <message>
        <source>O Tavrix!</source>
        <translation>About Tavrix!</translation>
    </message>
    <message>
        <source>Napisane przez:</source>
        <translation>Written by:</translation>
    </message>
    <message>
        <source>Wersja %1 dla systemu Linux (Qt 6)</source>
        <translation>Version %1 for Linux (Qt 6)</translation>
    </message>
</context>
<context>
    <name>ChartCaptions</name>
    <message>
        <source>Temperature, C</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Carbon potential of the atmosphere, %</source>
        <translation>Carbon potential, % C</translation>
    </message>
    <message>
        <source>Carbon concentration on the surface, %</source>
        <translation>Surface carbon, % C</translation>
    </message>
    <message>
        <source>Carbon concentration, %</source>
        <translation>Carbon content, % C</translation>
    </message>
    <message>
        <source>Thickness of the case, mm</source>
        <translation>Case depth, mm</translation>
    </message>
    <message>
        <source>Thickness of the case at</source>
        <translation>Case depth at</translation>
    </message>
    <message>
        <source>Hardness, HV</source>
        <translation>Hardness, HV</translation>
    </message>
    <message>
        <source>Weight gain, g/m^2</source>
        <translation>Mass gain, g/m²</translation>
    </message>
    <message>
        <source>Mean carbon content (steel carbon + increase), %</source>
        <translation>Mean carbon content (steel carbon + increase), % C</translation>
    </message>
    <message>
        <source>Carburizing time, h</source>
        <translation>Carburizing time, h</translation>
    </message>
    <message>
        <source>Carburizing time, s</source>
        <translation>Carburizing time, s</translation>
    </message>
    <message>
        <source>Distance from the surface, mm</source>
        <translation>Distance from the surface, mm</translation>
    </message>
    <message>
        <source>Cementite, mass %</source>
        <translation>Cementite, mass %</translation>
    </message>
</context>
<context>
    <name>ChartKinds</name>
    <message>
        <source>T</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Carbon potential</translation>
    </message>
    <message>
        <source>C</source>
        <translation>Carbon profile</translation>
    </message>
    <message>
        <source>G</source>
        <translation>Case depth</translation>
    </message>
    <message>
        <source>Pow</source>
        <translation>Surface carbon</translation>
    </message>
    <message>
        <source>HV</source>
        <translation>Hardness profile</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>Mass gain</translation>
    </message>
    <message>
        <source>Średnia</source>
        <translation>Mean carbon</translation>
    </message>
    <message>
        <source>Austenit</source>
        <translation>Austenite</translation>
    </message>
    <message>
        <source>Cementyt</source>
        <translation>Cementite</translation>
    </message>
</context>
<context>
    <name>ChartLegends</name>
    <message>
        <source>potencjał węglowy</source>
        <translation>carbon potential</translation>
    </message>
    <message>
        <source>granica nasycenia</source>
        <translation>saturation limit</translation>
    </message>
    <message>
        <source>przerwa: etap obojętny</source>
        <translation>gap: neutral stage</translation>
    </message>
    <message>
        <source>potencjał z zapisu pieca</source>
        <translation>logged potential</translation>
    </message>
    <message>
        <source>potencjał planu</source>
        <translation>planned potential</translation>
    </message>
    <message>
        <source>wartość zadana</source>
        <translation>setpoint</translation>
    </message>
    <message>
        <source>przerwa: wypalanie sadzy</source>
        <translation>gap: burn-off</translation>
    </message>
</context>
<context>
    <name>ChartQuantities</name>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Potencjał węglowy</source>
        <translation>Carbon potential</translation>
    </message>
    <message>
        <source>Profil węgla</source>
        <translation>Carbon profile</translation>
    </message>
    <message>
        <source>Głębokość warstwy</source>
        <translation>Case depth</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni</source>
        <translation>Surface carbon</translation>
    </message>
    <message>
        <source>Twardość</source>
        <translation>Hardness</translation>
    </message>
    <message>
        <source>Masa przyrostu</source>
        <translation>Mass gain</translation>
    </message>
    <message>
        <source>Średnia zawartość węgla</source>
        <translation>Mean carbon content</translation>
    </message>
    <message>
        <source>Austenit szczątkowy</source>
        <translation>Retained austenite</translation>
    </message>
    <message>
        <source>Cementyt (udział masowy)</source>
        <translation>Cementite (mass fraction)</translation>
    </message>
</context>
<context>
    <name>CommandNotice</name>
    <message>
        <source>Wrong input: %1</source>
        <translation>Wrong input: %1</translation>
    </message>
    <message>
        <source>The targets cannot be met: %1</source>
        <translation>The targets cannot be met: %1</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Check data!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Otwórz wyniki...</source>
        <translation>&amp;Open results...</translation>
    </message>
    <message>
        <source>Otwiera plik z wynikami</source>
        <translation>Opens a result set</translation>
    </message>
    <message>
        <source>&amp;Skasuj wyniki...</source>
        <translation>&amp;Delete results...</translation>
    </message>
    <message>
        <source>Kasuje plik z wynikami</source>
        <translation>Deletes a result set</translation>
    </message>
    <message>
        <source>&amp;Drukuj...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Drukuje zawartość aktywnego okna</source>
        <translation>Prints the active window</translation>
    </message>
    <message>
        <source>Zapisz wykres...</source>
        <translation>Save chart...</translation>
    </message>
    <message>
        <source>Zapisuje aktywny wykres do pliku PNG, PDF, SVG lub CSV</source>
        <translation>Saves the active chart as a PNG, PDF, SVG or CSV file</translation>
    </message>
    <message>
        <source>&amp;Porównaj wyniki...</source>
        <translation>&amp;Compare results...</translation>
    </message>
    <message>
        <source>Porównuje kilka zestawów wyników</source>
        <translation>Compares several result sets</translation>
    </message>
    <message>
        <source>&amp;Koniec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Kończy działanie programu Tavrix!</source>
        <translation>Quits Tavrix!</translation>
    </message>
    <message>
        <source>&amp;Kopiuj Ctrl+Ins</source>
        <translation>&amp;Copy Ctrl+Ins</translation>
    </message>
    <message>
        <source>Kopiuje zawartość aktywnego okna do Clipboardu</source>
        <translation>Copies the active window to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Skala...</source>
        <translation>&amp;Scale...</translation>
    </message>
    <message>
        <source>Skaluje osie</source>
        <translation>Sets the scale of the axes</translation>
    </message>
    <message>
        <source>&amp;Dopasuj</source>
        <translation>F&amp;it</translation>
    </message>
    <message>
        <source>Dopasowywuje rozmiar rysunku do rozmiaru okna</source>
        <translation>Fits the chart to the size of its window</translation>
    </message>
    <message>
        <source>&amp;Próbka półnieskończona...</source>
        <translation>&amp;Semi-infinite sample...</translation>
    </message>
    <message>
        <source>Obliczenia dla próbki półnieskończonej</source>
        <translation>Computation for a semi-infinite sample</translation>
    </message>
    <message>
        <source>Pły&amp;ta...</source>
        <translation>&amp;Plate...</translation>
    </message>
    <message>
        <source>Obliczenia dla płyty</source>
        <translation>Computation for a plate</translation>
    </message>
    <message>
        <source>&amp;Folia...</source>
        <translation>F&amp;oil...</translation>
    </message>
    <message>
        <source>Obliczenia dla folii</source>
        <translation>Computation for a foil</translation>
    </message>
    <message>
        <source>&amp;Walec...</source>
        <translation>&amp;Cylinder...</translation>
    </message>
    <message>
        <source>Obliczenia dla walca</source>
        <translation>Computation for a cylinder</translation>
    </message>
    <message>
        <source>&amp;Dopasuj automatycznie</source>
        <translation>&amp;Fit automatically</translation>
    </message>
    <message>
        <source>Dopasowywuje rozmiar rysunku do rozmiaru okna automatycznie</source>
        <translation>Fits every chart to the size of its window automatically</translation>
    </message>
    <message>
        <source>&amp;Kaskada</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Kaskada</source>
        <translation>Cascades the windows</translation>
    </message>
    <message>
        <source>&amp;Sąsiadująco</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>Sasiadująco</source>
        <translation>Tiles the windows</translation>
    </message>
    <message>
        <source>&amp;Uporządkuj ikony</source>
        <translation>&amp;Arrange icons</translation>
    </message>
    <message>
        <source>Uporządkuj ikony</source>
        <translation>Arranges the minimized windows</translation>
    </message>
    <message>
        <source>Zamknij &amp;wszystkie</source>
        <translation>Close a&amp;ll</translation>
    </message>
    <message>
        <source>Zamyka wszystkie okna</source>
        <translation>Closes every window</translation>
    </message>
    <message>
        <source>Opis &amp;aplikacji...</source>
        <translation>&amp;Using Tavrix...</translation>
    </message>
    <message>
        <source>Opis aplikacji</source>
        <translation>How to use the programs</translation>
    </message>
    <message>
        <source>Opis &amp;procesu nawęglania...</source>
        <translation>The &amp;carburizing process...</translation>
    </message>
    <message>
        <source>Opis procesu nawęglania</source>
        <translation>About gas carburizing and its model</translation>
    </message>
    <message>
        <source>&amp;O...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Informacje o programie</source>
        <translation>About the program</translation>
    </message>
    <message>
        <source>Specyfikacja &amp;części...</source>
        <translation>Part &amp;requirements...</translation>
    </message>
    <message>
        <source>Wybiera plik wymagań części, z którymi raport porównuje aktywny zestaw</source>
        <translation>Picks the part&apos;s requirements file that the record holds the active set against</translation>
    </message>
    <message>
        <source>&amp;Raport z wsadu...</source>
        <translation>&amp;Load record...</translation>
    </message>
    <message>
        <source>Dodaj &amp;pomiar...</source>
        <translation>Add &amp;measurement...</translation>
    </message>
    <message>
        <source>Dodaje zmierzony profil węgla lub twardości do aktywnego wykresu</source>
        <translation>Adds a measured carbon or hardness profile to the active chart</translation>
    </message>
    <message>
        <source>&amp;Usuń pomiar</source>
        <translation>&amp;Remove measurement</translation>
    </message>
    <message>
        <source>Usuwa zmierzony profil z aktywnego wykresu</source>
        <translation>Removes a measured profile from the active chart</translation>
    </message>
    <message>
        <source>Zapisuje raport aktywnego zestawu jako plik PDF, z oceną wymagań części</source>
        <translation>Writes the record of the active set as a PDF file, with the part&apos;s requirements judged</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Rozmiar obrazu</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>Szerokość:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Wysokość:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Cannot write file </source>
        <translation>Cannot write file </translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Zapisz wykres</source>
        <translation>Save chart</translation>
    </message>
</context>
<context>
    <name>FormCheck</name>
    <message>
        <source>Check data!</source>
        <translation>Check data!</translation>
    </message>
    <message>
        <source>Steel carbon content must be entered, from 0 to %1 % C.</source>
        <translation>Steel carbon content must be entered, from 0 to %1 % C.</translation>
    </message>
    <message>
        <source>Carbon transfer coefficient must be entered, greater than 0 cm/s.</source>
        <translation>Carbon transfer coefficient must be entered, greater than 0 cm/s.</translation>
    </message>
    <message>
        <source>Output file must have ending &apos;tav&apos; for instance: 
   1)   stal20.tav 
   2)   c:\tavrix\20HMN.tav</source>
        <translation>The output file must end in &apos;.tav&apos;, for instance:
   1)   steel20.tav
   2)   /home/me/tavrix/20HMN.tav</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>You must enter radius for cylinder and thickness for plate or foil</source>
        <translation>Enter the diameter of a cylinder, or the thickness of a plate or foil</translation>
    </message>
    <message>
        <source> Thickess for foil must be less then 0.07 mm</source>
        <translation>A foil must be thinner than 0.07 mm</translation>
    </message>
    <message>
        <source>Filename is already in use</source>
        <translation>This set is being computed now: choose another file name</translation>
    </message>
    <message>
        <source>First time must be set to zero</source>
        <translation>The first stage must start at time zero</translation>
    </message>
    <message>
        <source>Enter data to the second line</source>
        <translation>Enter at least two stage rows</translation>
    </message>
    <message>
        <source>The contents of Cr, Ni, Mo, Mn and Si must all be entered, and none may exceed 5.0 %</source>
        <translation>The contents of Cr, Ni, Mo, Mn and Si must all be entered, and none may exceed 5.0 %</translation>
    </message>
    <message>
        <source>Wiersz %1: czas, temperatura i potencjał muszą być wypełnione wszystkie albo żaden.</source>
        <translation>Row %1: time, temperature and potential must all be filled, or none.</translation>
    </message>
    <message>
        <source>Wiersz %1: czas %2 nie jest późniejszy niż w wierszu %3 (%4).</source>
        <translation>Row %1: time %2 is not after row %3 (%4).</translation>
    </message>
    <message>
        <source>Wiersz %1 jest pusty, a wiersz %2 nie: etapy idą w tabeli bez przerw.</source>
        <translation>Row %1 is empty but row %2 is not: the stages follow one another without a gap.</translation>
    </message>
    <message>
        <source>Tabela etapów jest pusta: wpisz czas, temperaturę i potencjał co najmniej dwóch wierszy.</source>
        <translation>The stage table is empty: enter the time, temperature and potential of two rows at least.</translation>
    </message>
</context>
<context>
    <name>FormWarnings</name>
    <message>
        <source>Współczynnik przenoszenia węgla %1 cm/s leży poza zwykłym zakresem 1e-6…1e-3 cm/s (czy nie brakuje &quot;e-5&quot;?).</source>
        <translation>The carbon transfer coefficient %1 cm/s lies outside the usual 1e-6…1e-3 cm/s (is an &quot;e-5&quot; missing?).</translation>
    </message>
    <message>
        <source>Wiersz %1: temperatura %2 °C leży poza zwykłym zakresem nawęglania %3–%4 °C.</source>
        <translation>Row %1: the temperature %2 °C lies outside the usual carburizing range of %3–%4 °C.</translation>
    </message>
    <message>
        <source>Program trwa %1 h, dłużej niż zwykle (%2 h).</source>
        <translation>The programme lasts %1 h, longer than usual (%2 h).</translation>
    </message>
</context>
<context>
    <name>HardeningPanel</name>
    <message>
        <source>olej</source>
        <translation>oil</translation>
    </message>
    <message>
        <source>woda</source>
        <translation>water</translation>
    </message>
    <message>
        <source>polimer</source>
        <translation>polymer</translation>
    </message>
    <message>
        <source>sól</source>
        <translation>salt</translation>
    </message>
    <message>
        <source>gaz</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>Hartowanie</source>
        <translation>Hardening</translation>
    </message>
    <message>
        <source>Twardość z hartowności stali, chłodzenia, odpuszczania i austenitu szczątkowego zamiast krzywych gatunków</source>
        <translation>Hardness from the steel&apos;s hardenability, its cooling, tempering and retained austenite instead of the grade curves</translation>
    </message>
    <message>
        <source>Stal z listy:</source>
        <translation>Steel from the list:</translation>
    </message>
    <message>
        <source>Ośrodek:</source>
        <translation>Medium:</translation>
    </message>
    <message>
        <source>Temperatura kąpieli, °C:</source>
        <translation>Bath temperature, °C:</translation>
    </message>
    <message>
        <source>Intensywność H, 1/cal:</source>
        <translation>Severity H, 1/in:</translation>
    </message>
    <message>
        <source>Przekrój, mm:</source>
        <translation>Section, mm:</translation>
    </message>
    <message>
        <source>Odpuszczanie, °C:</source>
        <translation>Tempering, °C:</translation>
    </message>
    <message>
        <source>Czas odpuszczania, h:</source>
        <translation>Tempering time, h:</translation>
    </message>
    <message>
        <source>Wymrażanie, °C:</source>
        <translation>Sub-zero treatment, °C:</translation>
    </message>
    <message>
        <source>Inne pierwiastki, %:</source>
        <translation>Other elements, %:</translation>
    </message>
</context>
<context>
    <name>LoadRecord</name>
    <message>
        <source>Głębokość utwardzenia (CHD)</source>
        <translation>Case-hardening depth (CHD)</translation>
    </message>
    <message>
        <source>Grubość warstwy nawęglonej</source>
        <translation>Case depth</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni</source>
        <translation>Surface carbon</translation>
    </message>
    <message>
        <source>Twardość powierzchni</source>
        <translation>Surface hardness</translation>
    </message>
    <message>
        <source>Twardość rdzenia</source>
        <translation>Core hardness</translation>
    </message>
    <message>
        <source>Austenit szczątkowy</source>
        <translation>Retained austenite</translation>
    </message>
    <message>
        <source>Przyrost masy</source>
        <translation>Mass gain</translation>
    </message>
    <message>
        <source> przy %1 HV</source>
        <translation> at %1 HV</translation>
    </message>
    <message>
        <source> przy %1 % C</source>
        <translation> at %1 % C</translation>
    </message>
    <message>
        <source>Werdykt: wszystkie sprawdzone wymagania spełnione</source>
        <translation>Verdict: every checked requirement is met</translation>
    </message>
    <message>
        <source>Werdykt: NIE SPEŁNIA: %1</source>
        <translation>Verdict: FAILS: %1</translation>
    </message>
    <message>
        <source>; nie sprawdzono: %1</source>
        <translation>; not checked: %1</translation>
    </message>
    <message>
        <source>zestaw nie ma profilu twardości</source>
        <translation>the set has no hardness profile</translation>
    </message>
    <message>
        <source>zestaw nie ma pliku austenitu szczątkowego (aus)</source>
        <translation>the set has no retained-austenite file (aus)</translation>
    </message>
    <message>
        <source>zestaw nie podaje tej grubości warstwy</source>
        <translation>the set does not give this case depth</translation>
    </message>
    <message>
        <source>zestaw nie ma stężenia węgla na powierzchni</source>
        <translation>the set has no surface carbon</translation>
    </message>
    <message>
        <source>zestaw nie ma przyrostu masy</source>
        <translation>the set has no mass gain</translation>
    </message>
    <message>
        <source>twardość nie spada poniżej granicy w profilu</source>
        <translation>the hardness does not fall below the limit within the profile</translation>
    </message>
    <message>
        <source>brak: warstwa nie osiąga %1 HV</source>
        <translation>none: the case does not reach %1 HV</translation>
    </message>
    <message>
        <source>Raport z wsadu: %1</source>
        <translation>Load record: %1</translation>
    </message>
    <message>
        <source>Pozycja</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Zestaw wyników</source>
        <translation>Result set</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Data raportu</source>
        <translation>Date of the record</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Stal</source>
        <translation>Steel</translation>
    </message>
    <message>
        <source>%1 % C; Cr %2 %, Mo %3 %, Mn %4 %, Si %5 %, Ni %6 %</source>
        <translation>%1 % C; Cr %2 %, Mo %3 %, Mn %4 %, Si %5 %, Ni %6 %</translation>
    </message>
    <message>
        <source>Krzywa twardości gatunku</source>
        <translation>Hardness curve of the grade</translation>
    </message>
    <message>
        <source>Kształt i wymiar</source>
        <translation>Shape and size</translation>
    </message>
    <message>
        <source>Współczynnik przejmowania β</source>
        <translation>Transfer coefficient β</translation>
    </message>
    <message>
        <source>Gatunek</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Model dyfuzji</source>
        <translation>Diffusivity law</translation>
    </message>
    <message>
        <source>Hartowanie</source>
        <translation>Quench</translation>
    </message>
    <message>
        <source>Program procesu</source>
        <translation>Process programme</translation>
    </message>
    <message>
        <source>Czas, s</source>
        <translation>Time, s</translation>
    </message>
    <message>
        <source>Czas, h</source>
        <translation>Time, h</translation>
    </message>
    <message>
        <source>Wiersz</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Temperatura, °C</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Potencjał, % C</source>
        <translation>Potential, % C</translation>
    </message>
    <message>
        <source>Warunek etapu</source>
        <translation>Stage condition</translation>
    </message>
    <message>
        <source>Wyniki</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Wielkość</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Grubość warstwy przy %1 % C</source>
        <translation>Case depth at %1 % C</translation>
    </message>
    <message>
        <source>Głębokość utwardzenia (CHD) przy %1 HV</source>
        <translation>Case-hardening depth (CHD) at %1 HV</translation>
    </message>
    <message>
        <source>Średnia zawartość węgla</source>
        <translation>Mean carbon content</translation>
    </message>
    <message>
        <source>Austenit szczątkowy na powierzchni</source>
        <translation>Retained austenite at the surface</translation>
    </message>
    <message>
        <source>Profile zmierzone</source>
        <translation>Measured profiles</translation>
    </message>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Punkty porównane</source>
        <translation>Points compared</translation>
    </message>
    <message>
        <source>Poza profilem</source>
        <translation>Beyond the profile</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>RMS</translation>
    </message>
    <message>
        <source>węgiel, % C</source>
        <translation>carbon, % C</translation>
    </message>
    <message>
        <source>twardość, HV</source>
        <translation>hardness, HV</translation>
    </message>
    <message>
        <source>Wymagania części</source>
        <translation>The part&apos;s requirements</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>Granica</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Wartość obliczona</source>
        <translation>Computed value</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>spełnia</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>NIE SPEŁNIA</source>
        <translation>FAILS</translation>
    </message>
    <message>
        <source>nie sprawdzono: %1</source>
        <translation>not checked: %1</translation>
    </message>
    <message>
        <source> (wiersz %1)</source>
        <translation> (line %1)</translation>
    </message>
    <message>
        <source>Wykresy</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni, % C</source>
        <translation>Surface carbon, % C</translation>
    </message>
    <message>
        <source>Przyrost średniej zawartości węgla, % C</source>
        <translation>Mean carbon increase, % C</translation>
    </message>
    <message>
        <source>Grubość warstwy przy %1 % C, mm</source>
        <translation>Case depth at %1 % C, mm</translation>
    </message>
    <message>
        <source>Głębokość utwardzenia (CHD) przy %1 HV, mm</source>
        <translation>Case-hardening depth (CHD) at %1 HV, mm</translation>
    </message>
    <message>
        <source>%1 do %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Zapis pieca</source>
        <translation>Furnace log</translation>
    </message>
    <message>
        <source>Wiersze zapisu</source>
        <translation>Log rows</translation>
    </message>
    <message>
        <source>Czas zapisu</source>
        <translation>Logged time</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Potencjał (%1)</source>
        <translation>Potential (%1)</translation>
    </message>
    <message>
        <source>Plan a przebieg rzeczywisty</source>
        <translation>Planned against as-run</translation>
    </message>
    <message>
        <source>Przebieg rzeczywisty</source>
        <translation>As-run</translation>
    </message>
    <message>
        <source>Potencjał a wartość zadana</source>
        <translation>Potential against the setpoint</translation>
    </message>
    <message>
        <source>Plan wsadu</source>
        <translation>Load plan</translation>
    </message>
    <message>
        <source>Planowany</source>
        <translation>Planned</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>, %1 poza profilem</source>
        <translation>, points beyond the profile: %1</translation>
    </message>
    <message>
        <source>%1: pomiar stężenia węgla nie należy do tego wykresu</source>
        <translation>%1: a carbon measurement does not belong on this chart</translation>
    </message>
    <message>
        <source>%1: pomiar twardości nie należy do tego wykresu</source>
        <translation>%1: a hardness measurement does not belong on this chart</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>The list of sets in use (pliki.lst) cannot be updated: %1</source>
        <translation>The list of sets in use (pliki.lst) cannot be updated: %1</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>ModelChoice</name>
    <message>
        <source>standardowa</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>Tibbetts</source>
        <translation>Tibbetts</translation>
    </message>
    <message>
        <source>Slycke i Ericsson</source>
        <translation>Slycke and Ericsson</translation>
    </message>
    <message>
        <source>Dyfuzyjność węgla:</source>
        <translation>Carbon diffusivity:</translation>
    </message>
    <message>
        <source>Prawo współczynnika dyfuzji węgla w austenicie; prawa Tibbettsa oraz Slycke i Ericssona rosną z zawartością węgla, jak w pomiarach.</source>
        <translation>The law of the diffusion coefficient of carbon in austenite; the laws of Tibbetts and of Slycke and Ericsson rise with the carbon content, as measurements do.</translation>
    </message>
    <message>
        <source>Węgliki</source>
        <translation>Carbides</translation>
    </message>
    <message>
        <source>Węgiel ponad granicą nasycenia austenitu tworzy cementyt (reguła dźwigni); dyfunduje tylko węgiel rozpuszczony.</source>
        <translation>Carbon beyond the saturation limit of austenite forms cementite (lever rule); only the dissolved carbon diffuses.</translation>
    </message>
</context>
<context>
    <name>NumberBox</name>
    <message>
        <source>%1: &apos;%2&apos; nie jest liczbą</source>
        <translation>%1: &apos;%2&apos; is not a number</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Specyfikacja części</source>
        <translation>Part requirements</translation>
    </message>
    <message>
        <source>Specyfikacja części (*.txt);;Wszystkie pliki (*)</source>
        <translation>Part requirements (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Błąd specyfikacji</source>
        <translation>Requirements error</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Raport z wsadu</source>
        <translation>Load record</translation>
    </message>
    <message>
        <source>Raport zapisany: %1</source>
        <translation>Record written: %1</translation>
    </message>
    <message>
        <source>Bez specyfikacji części: wybierz ją poleceniem Specyfikacja części...</source>
        <translation>No part requirements: pick one with Part requirements...</translation>
    </message>
</context>
<context>
    <name>RestartLoop</name>
    <message>
        <source>Uruchomić jeszcze raz?</source>
        <translation>Start again?</translation>
    </message>
    <message>
        <source>Run returned %1</source>
        <translation>The program ended with status %1</translation>
    </message>
    <message>
        <source>Niezwykłe zakończenie</source>
        <translation>Unexpected end</translation>
    </message>
    <message>
        <source>Niezwykłe zakończenie, uncaught xmsg</source>
        <translation>Unexpected end, uncaught xmsg</translation>
    </message>
    <message>
        <source>Niezwykłe zakończenie, uncaught ...</source>
        <translation>Unexpected end, uncaught ...</translation>
    </message>
</context>
<context>
    <name>ResultSet</name>
    <message>
        <source>Files from Tavrix! (*.tav)</source>
        <translation>Tavrix! process data (*.tav)</translation>
    </message>
    <message>
        <source>File pliki.lst znajdujący się w katalogu (folderze), w którym został zainstalowany program Tavrix, został zniszczony </source>
        <translation>The file pliki.lst in the folder where Tavrix is installed has been damaged</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>it cannot be opened</translation>
    </message>
    <message>
        <source>it is not a file of process data: it does not begin with the process data and the shape of a sample</source>
        <translation>it is not a file of process data: it does not begin with the process data and the shape of a sample</translation>
    </message>
    <message>
        <source>it has no results yet: compute the set first</source>
        <translation>it has no results yet: compute the set first</translation>
    </message>
    <message>
        <source>the computation of this set did not finish: its files end before the end of its programme</source>
        <translation>the computation of this set did not finish: its files end before the end of its programme</translation>
    </message>
    <message>
        <source>

Show what there is?</source>
        <translation>

Show what there is?</translation>
    </message>
    <message>
        <source>Unfinished computation</source>
        <translation>Unfinished computation</translation>
    </message>
</context>
<context>
    <name>RunResults</name>
    <message>
        <source>Głębokość utwardzenia CHD (%1 HV): %2 mm</source>
        <translation>Case-hardening depth CHD (%1 HV): %2 mm</translation>
    </message>
    <message>
        <source>Głębokość utwardzenia CHD: warstwa nie osiąga %1 HV</source>
        <translation>Case-hardening depth CHD: the case does not reach %1 HV</translation>
    </message>
    <message>
        <source>Głębokość utwardzenia CHD: twardość %1 HV lub więcej do końca warstwy</source>
        <translation>Case-hardening depth CHD: %1 HV or harder to the end of the case</translation>
    </message>
    <message>
        <source>Średni przyrost węgla: %1 % C</source>
        <translation>Mean carbon increase: %1 % C</translation>
    </message>
    <message>
        <source>Grubość warstwy do %1 % C: %2 mm</source>
        <translation>Case depth at %1 % C: %2 mm</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni: %1 % C</source>
        <translation>Surface carbon: %1 % C</translation>
    </message>
    <message>
        <source>Przyrost masy: %1 g/m²</source>
        <translation>Mass gain: %1 g/m²</translation>
    </message>
    <message>
        <source>Czas procesu: %1</source>
        <translation>Total time: %1</translation>
    </message>
    <message>
        <source>Cementyt na końcu etapu (%1): do %2 mm</source>
        <translation>Cementite at the stage end (%1): down to %2 mm</translation>
    </message>
    <message>
        <source>Cementyt na końcu etapu (%1): brak</source>
        <translation>Cementite at the stage end (%1): none</translation>
    </message>
</context>
<context>
    <name>SampleShapes</name>
    <message>
        <source>Semi-infinitive sample</source>
        <translation>Semi-infinite sample</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>Foil</source>
        <translation>Foil</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>Drut</source>
        <translation>Wire</translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>File name already exist and is in use</source>
        <translation>This set is being computed now</translation>
    </message>
    <message>
        <source>Choose another file</source>
        <translation>Choose another file</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Porównaj wyniki</source>
        <translation>Compare results</translation>
    </message>
    <message>
        <source>File name already exist and is in use:
</source>
        <translation>These sets are being computed now:
</translation>
    </message>
    <message>
        <source>%1 is in the comparison already</source>
        <translation>%1 is in the comparison already</translation>
    </message>
    <message>
        <source>Thick samples (times in hours) and thin samples (times in seconds) cannot be compared</source>
        <translation>Thick samples (times in hours) and thin samples (times in seconds) cannot be compared</translation>
    </message>
    <message>
        <source>Choose file with data to remove</source>
        <translation>Choose the result set to delete</translation>
    </message>
    <message>
        <source>That file cannot be removed - choose another</source>
        <translation>That set cannot be deleted - choose another</translation>
    </message>
    <message>
        <source>Skasuj</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Remove the result set %1?

These files will be deleted:
%2</source>
        <translation>Delete the result set %1?

These files will be deleted:
%2</translation>
    </message>
    <message>
        <source>Remove result set</source>
        <translation>Delete result set</translation>
    </message>
    <message>
        <source>Nie wszystkie pliki zestawu %1 zostały skasowane:
%2</source>
        <translation>Not every file of the set %1 was deleted:
%2</translation>
    </message>
</context>
<context>
    <name>StageTable</name>
    <message>
        <source>gaz</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>obojętna</source>
        <translation>neutral</translation>
    </message>
    <message>
        <source>nasycanie</source>
        <translation>boost</translation>
    </message>
    <message>
        <source>Warunek</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Co dzieje się na powierzchni w etapie, który kończy wiersz: gaz (potencjał węglowy atmosfery), atmosfera obojętna (węgiel nie przechodzi przez powierzchnię) albo nasycanie (powierzchnia na granicy nasycenia austenitu).</source>
        <translation>What happens at the surface in the stage that the row ends: gas (the carbon potential of the atmosphere), neutral atmosphere (no carbon passes the surface) or boost (the surface at the saturation limit of austenite).</translation>
    </message>
    <message>
        <source>J0, g/(m²·s)</source>
        <translation>J0, g/(m²·s)</translation>
    </message>
    <message>
        <source>Największy strumień węgla etapu nasycania, dopóki powierzchnia nie osiągnie granicy nasycenia; puste: powierzchnia od razu na granicy.</source>
        <translation>The largest carbon flux of a boost stage until the surface reaches the saturation limit; empty: the surface is at the limit at once.</translation>
    </message>
    <message>
        <source>Temperatura, C</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Potencjał węglowy, %</source>
        <translation>Carbon potential, % C</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>Jeszcze jeden etap; program z etapami obojętnymi lub nasycania może mieć do %1 wierszy.</source>
        <translation>One more stage; a programme with neutral or boost stages may have up to %1 rows.</translation>
    </message>
    <message>
        <source>Warunki etapów</source>
        <translation>Stage conditions</translation>
    </message>
    <message>
        <source>Etapy w atmosferze obojętnej i etapy nasycania (nawęglanie próżniowe) obok etapów w gazie.</source>
        <translation>Neutral-atmosphere stages and boost stages (low-pressure carburizing) beside gas stages.</translation>
    </message>
    <message>
        <source>Czasy etapów</source>
        <translation>Stage durations</translation>
    </message>
    <message>
        <source>Czas trwania każdego etapu zamiast chwili, w której się kończy; czas w godzinach można też wpisać jako h:mm:ss.</source>
        <translation>How long each stage lasts instead of the moment it ends; a time in hours can also be typed as h:mm:ss.</translation>
    </message>
    <message>
        <source>Czas etapu, s</source>
        <translation>Stage time, s</translation>
    </message>
    <message>
        <source>Czas etapu, h</source>
        <translation>Stage time, h</translation>
    </message>
    <message>
        <source>Wiersz %1, czas</source>
        <translation>Row %1, time</translation>
    </message>
    <message>
        <source>Wiersz %1, temperatura</source>
        <translation>Row %1, temperature</translation>
    </message>
    <message>
        <source>Wiersz %1, potencjał</source>
        <translation>Row %1, potential</translation>
    </message>
    <message>
        <source>Wiersz %1, J0</source>
        <translation>Row %1, J0</translation>
    </message>
    <message>
        <source>Pułap, % C</source>
        <translation>Ceiling, % C</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni, przy którym nasycanie ją trzyma; puste: granica nasycenia austenitu.</source>
        <translation>The surface carbon at which the boost holds the surface; empty: the saturation limit of austenite.</translation>
    </message>
</context>
<context>
    <name>SummaryHeaders</name>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Size (mm)</translation>
    </message>
    <message>
        <source>Steel grade</source>
        <translation>Steel grade</translation>
    </message>
    <message>
        <source>Programme length (s)</source>
        <translation>Programme length (s)</translation>
    </message>
    <message>
        <source>Programme length (h)</source>
        <translation>Programme length (h)</translation>
    </message>
    <message>
        <source>Surface carbon (% C)</source>
        <translation>Surface carbon (% C)</translation>
    </message>
    <message>
        <source>Case depth 0.40% C (mm)</source>
        <translation>Case depth 0.40 % C (mm)</translation>
    </message>
    <message>
        <source>Case depth 0.35% C (mm)</source>
        <translation>Case depth 0.35 % C (mm)</translation>
    </message>
    <message>
        <source>Case depth 0.30% C (mm)</source>
        <translation>Case depth 0.30 % C (mm)</translation>
    </message>
    <message>
        <source>Mass gain (g/m^2)</source>
        <translation>Mass gain (g/m²)</translation>
    </message>
    <message>
        <source>Mean carbon content (% C)</source>
        <translation>Mean carbon content (% C)</translation>
    </message>
    <message>
        <source>Highest hardness (HV)</source>
        <translation>Highest hardness (HV)</translation>
    </message>
    <message>
        <source>CHD %1 HV (mm)</source>
        <translation>CHD %1 HV (mm)</translation>
    </message>
    <message>
        <source>Diffusivity law</source>
        <translation>Diffusivity law</translation>
    </message>
</context>
<context>
    <name>TAxisSetup</name>
    <message>
        <source>Ustawienie osi</source>
        <translation>Axis scale</translation>
    </message>
    <message>
        <source>X początkowe:</source>
        <translation>X from:</translation>
    </message>
    <message>
        <source>X końcowe:</source>
        <translation>X to:</translation>
    </message>
    <message>
        <source>Podział:</source>
        <translation>Divisions:</translation>
    </message>
    <message>
        <source>Y początkowe:</source>
        <translation>Y from:</translation>
    </message>
    <message>
        <source>Y końcowe:</source>
        <translation>Y to:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>You have provided incorrect data</source>
        <translation>A value is not a valid number</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>TChartMDIChild</name>
    <message>
        <source>Cannot open file </source>
        <translation>Cannot open file </translation>
    </message>
    <message>
        <source>File error</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Dodaj pomiar...</source>
        <translation>Add measurement...</translation>
    </message>
    <message>
        <source>Usuń pomiar</source>
        <translation>Remove measurement</translation>
    </message>
    <message>
        <source>Dodaj pomiar</source>
        <translation>Add measurement</translation>
    </message>
    <message>
        <source>Pomiary (*.csv *.txt);;Wszystkie pliki (*)</source>
        <translation>Measurements (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Pomiar</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>(brak pomiarów)</source>
        <translation>(no measurements)</translation>
    </message>
</context>
<context>
    <name>TCompareMDIChild</name>
    <message>
        <source>Porównanie - %1</source>
        <translation>Comparison - %1</translation>
    </message>
    <message>
        <source>Dodaj zestaw...</source>
        <translation>Add set...</translation>
    </message>
    <message>
        <source>Usuń zestaw</source>
        <translation>Remove set</translation>
    </message>
    <message>
        <source>Głębokość przy %1% C</source>
        <translation>Case depth at %1 % C</translation>
    </message>
</context>
<context>
    <name>TDesignDialog</name>
    <message>
        <source>Projekt procesu</source>
        <translation>Process design</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni, %:</source>
        <translation>Surface carbon, % C:</translation>
    </message>
    <message>
        <source>= powierzchnia</source>
        <translation>= surface carbon</translation>
    </message>
    <message>
        <source>Podchładzanie do hartowania, C:</source>
        <translation>Cool to hardening temperature, °C:</translation>
    </message>
    <message>
        <source>Temperatura nawęglania, C:</source>
        <translation>Carburizing temperature, °C:</translation>
    </message>
    <message>
        <source>Potencjał nawęglania, %:</source>
        <translation>Boost carbon potential, % C:</translation>
    </message>
    <message>
        <source>Grubość warstwy, mm:</source>
        <translation>Case depth, mm:</translation>
    </message>
    <message>
        <source>przy zawartości węgla, %:</source>
        <translation>at carbon content, % C:</translation>
    </message>
    <message>
        <source>Potencjał dyfuzji, %:</source>
        <translation>Diffuse carbon potential, % C:</translation>
    </message>
    <message>
        <source>Czas podchładzania, h:</source>
        <translation>Cooling time, h:</translation>
    </message>
    <message>
        <source>Krok zegara pieca, h:</source>
        <translation>Furnace timer step, h:</translation>
    </message>
    <message>
        <source>Oblicz</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Wstaw</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni:  0.800 %  (cel 0.8 %)</source>
        <translation>Surface carbon:  0.800 % C  (target 0.8 % C)</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Check data!</translation>
    </message>
    <message>
        <source>    Czas, h  Temp., C  Potencjał, %
</source>
        <translation>    Time, h Temp., °C  Potential, %
</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni:  %1 %</source>
        <translation>Surface carbon:  %1 % C</translation>
    </message>
    <message>
        <source>  (cel %1 %)</source>
        <translation>  (target %1 % C)</translation>
    </message>
    <message>
        <source>
Obliczeń próbnych: %1</source>
        <translation>
Trial runs: %1</translation>
    </message>
    <message>
        <source>Warning: %1.</source>
        <translation>Warning: %1.</translation>
    </message>
    <message>
        <source>lub przy twardości (CHD), HV:</source>
        <translation>or at hardness (CHD), HV:</translation>
    </message>
    <message>
        <source>Nawęglanie próżniowe (impulsy)</source>
        <translation>Low-pressure carburizing (pulses)</translation>
    </message>
    <message>
        <source>Najkrótsze nasycanie, s:</source>
        <translation>Shortest boost, s:</translation>
    </message>
    <message>
        <source>Grubość warstwy:  %1 mm  (cel %2 mm)
</source>
        <translation>Case depth:  %1 mm  (target %2 mm)
</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni:  %1 %  (cel %2 %)
</source>
        <translation>Surface carbon:  %1 % C  (target %2 % C)
</translation>
    </message>
    <message>
        <source>Granica nasycenia:  %1 %
</source>
        <translation>Saturation limit:  %1 % C
</translation>
    </message>
    <message>
        <source>Obliczeń próbnych: %1

</source>
        <translation>Trial runs: %1

</translation>
    </message>
    <message>
        <source>Impuls  nasycanie, s  dyfuzja, s</source>
        <translation>Pulse   boost, s  diffuse, s</translation>
    </message>
    <message>
        <source>
%1:  %2 mm  (cel %3 mm)
</source>
        <translation>
%1:  %2 mm  (target %3 mm)
</translation>
    </message>
    <message>
        <source>CHD przy %1 HV</source>
        <translation>CHD at %1 HV</translation>
    </message>
    <message>
        <source>Grubość warstwy</source>
        <translation>Case depth</translation>
    </message>
    <message>
        <source>Czas procesu:  %1 h  (%2)</source>
        <translation>Total time:  %1 h  (%2)</translation>
    </message>
    <message>
        <source>Temperatura nawęglania</source>
        <translation>Carburizing temperature</translation>
    </message>
    <message>
        <source>Potencjał nawęglania</source>
        <translation>Boost potential</translation>
    </message>
    <message>
        <source>Zawartość węgla na granicy warstwy</source>
        <translation>Case depth level</translation>
    </message>
    <message>
        <source>Twardość na granicy warstwy</source>
        <translation>Hardness limit</translation>
    </message>
    <message>
        <source>Węgiel na powierzchni</source>
        <translation>Surface carbon</translation>
    </message>
    <message>
        <source>Potencjał dyfuzji</source>
        <translation>Diffuse potential</translation>
    </message>
    <message>
        <source>Temperatura hartowania</source>
        <translation>Hardening temperature</translation>
    </message>
    <message>
        <source>Czas podchładzania</source>
        <translation>Hardening time</translation>
    </message>
    <message>
        <source>Krok zegara pieca</source>
        <translation>Timer step</translation>
    </message>
    <message>
        <source>Najkrótsze nasycanie</source>
        <translation>Shortest boost</translation>
    </message>
    <message>
        <source>Podaj: %1</source>
        <translation>Enter the %1</translation>
    </message>
</context>
<context>
    <name>TFoilTestDialog</name>
    <message>
        <source>Współczynnik z próby</source>
        <translation>Coefficient from a foil test</translation>
    </message>
    <message>
        <source>Próba: program, stal i grubość z formularza.</source>
        <translation>The test: programme, steel and thickness as in the form.</translation>
    </message>
    <message>
        <source>Zawartość węgla po próbie, %:</source>
        <translation>Carbon content after the test, % C:</translation>
    </message>
    <message>
        <source>Oblicz</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Enter the carbon content measured after the test</source>
        <translation>Enter the carbon content measured after the test</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Check data!</translation>
    </message>
    <message>
        <source>Zawartość węgla po próbie</source>
        <translation>Carbon content after the test</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Nawigacja</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Wstecz</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Dalej</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TPotentialDialog</name>
    <message>
        <source>Przelicz odczyt</source>
        <translation>Convert a reading</translation>
    </message>
    <message>
        <source>Etap %1</source>
        <translation>Stage %1</translation>
    </message>
    <message>
        <source>Sonda tlenowa, mV</source>
        <translation>Oxygen probe, mV</translation>
    </message>
    <message>
        <source>Punkt rosy, °C</source>
        <translation>Dew point, °C</translation>
    </message>
    <message>
        <source>CO2, %</source>
        <translation>CO2, %</translation>
    </message>
    <message>
        <source>Wiersz programu:</source>
        <translation>Programme row:</translation>
    </message>
    <message>
        <source>Temperatura, °C:</source>
        <translation>Temperature, °C:</translation>
    </message>
    <message>
        <source>Odczyt:</source>
        <translation>Reading:</translation>
    </message>
    <message>
        <source>Wartość:</source>
        <translation>Value:</translation>
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
        <translation>Process factor (empty: gas equilibria):</translation>
    </message>
    <message>
        <source>Przelicz</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>Wstaw do etapu</source>
        <translation>Insert into the stage</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Enter the temperature, the reading, CO and H2</source>
        <translation>Enter the temperature, the reading, CO and H2</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Check data!</translation>
    </message>
    <message>
        <source>Potencjał węglowy %1 % C, aktywność węgla %2</source>
        <translation>Carbon potential %1 % C, carbon activity %2</translation>
    </message>
    <message>
        <source>Atmosfera wydziela sadzę (aktywność węgla %1, nie mniej niż 1): nie ma potencjału węglowego.</source>
        <translation>The atmosphere deposits soot (carbon activity %1, not below 1): it has no carbon potential.</translation>
    </message>
</context>
<context>
    <name>TProfileFitDialog</name>
    <message>
        <source>także przesunięcie potencjału (błąd sondy)</source>
        <translation>also a carbon potential offset (probe error)</translation>
    </message>
    <message>
        <source>Dopasuj do pomiaru</source>
        <translation>Fit to measurement</translation>
    </message>
    <message>
        <source>Proces: program, stal i kształt z formularza; szukany współczynnik β.</source>
        <translation>Process: programme, steel and sample shape from the form; β is fitted.</translation>
    </message>
    <message>
        <source>Wybierz...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Plik pomiaru:</source>
        <translation>Measurement file:</translation>
    </message>
    <message>
        <source>Oblicz</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Wstaw</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Plik pomiaru</source>
        <translation>Measurement file</translation>
    </message>
    <message>
        <source>Pomiary (*.csv *.txt);;Wszystkie pliki (*)</source>
        <translation>Measurements (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Choose the file of the measured profile</source>
        <translation>Choose the file of the measured profile</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Check data!</translation>
    </message>
    <message>
        <source>Współczynnik β:  %1 ± %2 cm/s
</source>
        <translation>Transfer coefficient β:  %1 ± %2 cm/s
</translation>
    </message>
    <message>
        <source>Przesunięcie potencjału:  %1 ± %2 %
</source>
        <translation>Carbon potential offset:  %1 ± %2 % C
</translation>
    </message>
    <message>
        <source>RMS różnicy:  %1 %3 przed,  %2 %3 po
</source>
        <translation>RMS difference:  %1 %3 before,  %2 %3 after
</translation>
    </message>
    <message>
        <source>Punkty porównane: %1</source>
        <translation>Points compared: %1</translation>
    </message>
    <message>
        <source>  (pominięte: %1 przy powierzchni, %2 poza środkiem próbki)</source>
        <translation>  (left out: %1 near the surface, %2 beyond the middle of the sample)</translation>
    </message>
    <message>
        <source>
Obliczeń próbnych: %1</source>
        <translation>
Trial runs: %1</translation>
    </message>
    <message>
        <source>Uwaga: pomiar prawie nie zależy od współczynnika β; jego błąd standardowy
jest większy od samej wartości, więc β nie jest wyznaczony.</source>
        <translation>Note: the measurement hardly depends on the transfer coefficient β; its standard
error is larger than the value itself, so β is not determined.</translation>
    </message>
    <message>
        <source>Uwaga: pomiar prawie nie zależy od przesunięcia potencjału; jego błąd
standardowy przekracza %1 %, więc przesunięcie nie jest wyznaczone i nie
jest błędem sondy. Dopasuj sam współczynnik β.</source>
        <translation>Note: the measurement hardly depends on the carbon potential offset; its standard
error exceeds %1 % C, so the offset is not determined and is not the probe&apos;s error.
Fit the transfer coefficient alone.</translation>
    </message>
    <message>
        <source>Współczynnik β:  %1 cm/s (co najmniej %2 cm/s)
</source>
        <translation>Coefficient β:  %1 cm/s (at least %2 cm/s)
</translation>
    </message>
    <message>
        <source>Przesunięcie potencjału:  %1 %
</source>
        <translation>Potential offset:  %1 %
</translation>
    </message>
    <message>
        <source>Uwaga: profil wyznacza przesunięcie potencjału, lecz nie β: powierzchnia
nadąża za atmosferą przy każdym β od %1 cm/s wzwyż.</source>
        <translation>Note: the profile determines the potential offset but not β: the surface
follows the atmosphere at every β from %1 cm/s up.</translation>
    </message>
    <message>
        <source>Proces: program, stal i kształt z formularza; szukane: współczynnik β i jedno przesunięcie
potencjału wszystkich etapów gazowych (błąd sondy), wstawiane do formularza.</source>
        <translation>Process: programme, steel and sample shape from the form; fitted: β and one offset of the
potential of every gas stage (a probe error), both inserted into the form.</translation>
    </message>
</context>
<context>
    <name>TSetChartMDIChild</name>
    <message>
        <source>%1 (dyfuzyjność: %2)</source>
        <translation>%1 (diffusivity: %2)</translation>
    </message>
</context>
<context>
    <name>TSummaryMDIChild</name>
    <message>
        <source>Porównanie - podsumowanie</source>
        <translation>Comparison - summary</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edycja</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Obliczenia</source>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>&amp;Kształt próbki</source>
        <translation>&amp;Sample shape</translation>
    </message>
    <message>
        <source>O&amp;pcje</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>O&amp;kno</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>Pomo&amp;c</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Język zmieni się przy następnym uruchomieniu programów.</source>
        <translation>The language changes at the next start of the programs.</translation>
    </message>
    <message>
        <source>Control bar</source>
        <translation>Control bar</translation>
    </message>
    <message>
        <source>Can&apos;t run subprogram</source>
        <translation>Cannot start the other program of Tavrix!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>TTavrixApp</name>
    <message>
        <source>No sample shape was given.</source>
        <translation>No sample shape was given.</translation>
    </message>
    <message>
        <source>Unknown sample shape &quot;%1&quot;.</source>
        <translation>Unknown sample shape &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>
Start tavcalc with one of these shapes:
   </source>
        <translation>
Start tavcalc with one of these shapes:
   </translation>
    </message>
    <message>
        <source>
for instance: tavcalc &quot;Plate&quot;</source>
        <translation>
for instance: tavcalc &quot;Plate&quot;</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>TTavrixDialog</name>
    <message>
        <source>Files from Tavrix! (*.tav)</source>
        <translation>Tavrix! process data (*.tav)</translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Thick: </source>
        <translation>Thickness: </translation>
    </message>
    <message>
        <source>Time, s</source>
        <translation>Time, s</translation>
    </message>
    <message>
        <source>Czas, h</source>
        <translation>Time, h</translation>
    </message>
    <message>
        <source>Zawartość węgla w stali, % :</source>
        <translation>Carbon content of the steel, % C:</translation>
    </message>
    <message>
        <source>Współczynnik przenoszenia węgla, cm/s: </source>
        <translation>Transfer coefficient β, cm/s: </translation>
    </message>
    <message>
        <source>Przeglądaj...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Załaduj...</source>
        <translation>Load...</translation>
    </message>
    <message>
        <source>Obliczaj...</source>
        <translation>Compute...</translation>
    </message>
    <message>
        <source>Koniec</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Plik:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Załaduj dane z:</source>
        <translation>Load data from:</translation>
    </message>
    <message>
        <source>Can&apos;t open file</source>
        <translation>Can&apos;t open file</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>You want to load improper type of file</source>
        <translation>That is not a file of process data (*.tav)</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Output file</translation>
    </message>
    <message>
        <source>Zapisać dane procesu?</source>
        <translation>Save the process data?</translation>
    </message>
    <message>
        <source>Unsaved data</source>
        <translation>Unsaved data</translation>
    </message>
    <message>
        <source>Zapisz dane procesu</source>
        <translation>Save process data</translation>
    </message>
    <message>
        <source>
holds a result set: choose another file</source>
        <translation>
holds a result set: choose another file</translation>
    </message>
    <message>
        <source>Can&apos;t open file
</source>
        <translation>Can&apos;t open file
</translation>
    </message>
    <message>
        <source>
The computation knows nothing of soot and carbides. Compute anyway?</source>
        <translation>
The computation knows nothing of soot and carbides. Compute anyway?</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Transfer coefficient %1 cm/s, written into the form.
The uniform-foil formula would give %2 cm/s.</source>
        <translation>Transfer coefficient %1 cm/s, written into the form.
The uniform-foil formula would give %2 cm/s.</translation>
    </message>
    <message>
        <source>Foil test</source>
        <translation>Foil test</translation>
    </message>
    <message>
        <source>Gatunek stali rozpoznany ze składu: jego krzywa daje twardość warstwy.</source>
        <translation>The steel grade recognised from the alloys: its curve gives the hardness of the case.</translation>
    </message>
    <message>
        <source>Gatunek: —</source>
        <translation>Grade: —</translation>
    </message>
    <message>
        <source>Gatunek: %1</source>
        <translation>Grade: %1</translation>
    </message>
    <message>
        <source>stal węglowa</source>
        <translation>carbon steel</translation>
    </message>
    <message>
        <source>Zawartość węgla w stali</source>
        <translation>Steel carbon</translation>
    </message>
    <message>
        <source>Współczynnik przenoszenia węgla</source>
        <translation>Carbon transfer coefficient</translation>
    </message>
    <message>
        <source>Średnica</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Grubość</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>
Liczyć mimo to?</source>
        <translation>
Compute anyway?</translation>
    </message>
    <message>
        <source>Wypełnij puste pola: %1.</source>
        <translation>Fill in the empty boxes: %1.</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Check data!</translation>
    </message>
</context>
<context>
    <name>TTavrixFrame</name>
    <message>
        <source>&amp;Koniec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Zamyka okno dialogowe</source>
        <translation>Closes the calculation window</translation>
    </message>
    <message>
        <source>Pomo&amp;c</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Informacje o programie</source>
        <translation>Help on the calculation program</translation>
    </message>
    <message>
        <source>&amp;Współczynnik z próby...</source>
        <translation>Coefficient from a &amp;foil test...</translation>
    </message>
    <message>
        <source>Wyznacza współczynnik przenoszenia węgla z próby foliowej</source>
        <translation>Finds the carbon transfer coefficient β from a foil test</translation>
    </message>
    <message>
        <source>&amp;Projekt procesu...</source>
        <translation>&amp;Process design...</translation>
    </message>
    <message>
        <source>Projektuje program pieca dla zadanej warstwy</source>
        <translation>Designs the furnace programme for a required case</translation>
    </message>
    <message>
        <source>&amp;Dopasuj do pomiaru...</source>
        <translation>F&amp;it to measurement...</translation>
    </message>
    <message>
        <source>Dopasowuje współczynnik przenoszenia węgla do zmierzonego profilu</source>
        <translation>Fits the carbon transfer coefficient to a measured profile</translation>
    </message>
    <message>
        <source>&amp;Przelicz odczyt...</source>
        <translation>&amp;Convert a reading...</translation>
    </message>
    <message>
        <source>Przelicza odczyt sondy tlenowej, punktu rosy lub CO2 na potencjał węglowy etapu</source>
        <translation>Converts an oxygen-probe, dew-point or CO2 reading into a stage&apos;s carbon potential</translation>
    </message>
</context>
<context>
    <name>TTrialDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Can&apos;t open file
</source>
        <translation>Can&apos;t open file
</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>TWskDialog</name>
    <message>
        <source>Pokaż wyniki</source>
        <translation>Show results</translation>
    </message>
    <message>
        <source>Obliczenia</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Otwiera wyniki w przeglądarce Tavrix!</source>
        <translation>Opens the results in the Tavrix! viewer</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The set %1 already holds results.
A new run replaces them, and a cancelled run leaves no file of the set.

Replace them?</source>
        <translation>The set %1 already holds results.
A new run replaces them, and a cancelled run leaves no file of the set.

Replace them?</translation>
    </message>
    <message>
        <source>Replace results?</source>
        <translation>Replace results?</translation>
    </message>
    <message>
        <source>Filename is already in use</source>
        <translation>This set is being computed now: choose another file name</translation>
    </message>
    <message>
        <source>Check data!</source>
        <translation>Check data!</translation>
    </message>
    <message>
        <source>Can&apos;t open file
</source>
        <translation>Can&apos;t open file
</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Computing...</translation>
    </message>
    <message>
        <source>Tavrix! - %1</source>
        <translation>Tavrix! - %1</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Warning: %1.</source>
        <translation>Warning: %1.</translation>
    </message>
    <message>
        <source>Can&apos;t run subprogram</source>
        <translation>Cannot start the other program of Tavrix!</translation>
    </message>
    <message>
        <source>Pliki niedokończonego obliczenia nie zostały uporządkowane:
%1</source>
        <translation>The files of the unfinished computation could not be put in order:
%1</translation>
    </message>
</context>
</TS>
