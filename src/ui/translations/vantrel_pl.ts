<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Odtwarzacz multimediów</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/Wstrzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Vol+</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Vol-</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>Menedżer zadań</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>Strona domowa przeglądarki</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>COLOR</source>
        <translation>KOLOR</translation>
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
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>klawiatura jest zajęta</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>brak klawiatury</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>%1 nie jest powiązany</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>nie ma programu %1; podaj ścieżkę bezwzględną pliku wykonywalnego</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>nazwa programu nie może zawierać tabulatorów, znaków końca wiersza ani innych znaków sterujących</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>Plik %1 jest uszkodzony; przeniesiono go do %2, a przełączanie według programu na pierwszym planie jest wyłączone, dopóki programy nie zostaną ponownie powiązane.</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>nie można otworzyć %1: nie ma takiego pliku</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>%1 ma %2 bajtów; profil ma %3</translation>
    </message>
</context>
<context>
    <name>DriverUpdate</name>
    <message>
        <source>After the firmware update, restore the factory settings, or hold Fn and Pause together for 5 seconds, to finish the update.</source>
        <translation>Po aktualizacji oprogramowania sprzętowego przywróć ustawienia fabryczne lub przytrzymaj jednocześnie Fn i Pause przez 5 sekund, aby zakończyć aktualizację.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Aktualizacja oprogramowania sprzętowego</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Update the keyboard to the new firmware?</source>
        <translation>Zaktualizować klawiaturę do nowego oprogramowania sprzętowego?</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aktualizacja oprogramowania sprzętowego</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>modification path</source>
        <translation>zmień ścieżkę</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Wybierz katalog</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>Nie można zapisać tej ścieżki:
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>Ścieżka ma więcej niż 255 znaków:
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>Odtwórz
muzykę</translation>
    </message>
    <message>
        <source>Start program</source>
        <translation>Uruchom
program</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Otwórz
plik</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Otwórz
katalog</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>Bieżący klawisz: </translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>Wybierz element wewnątrz grupy</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Podstawowe</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Pojedynczy klawisz</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>Wyłącz klawisz</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
</context>
<context>
    <name>KeyboardEffect</name>
    <message>
        <source>Steady</source>
        <translation>Stały</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Oddychanie</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reakcja na dotyk</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Zmarszczki</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>Krople deszczu</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Pierścień</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Zderzenie</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>DIY1</source>
        <translation>Własny 1</translation>
    </message>
    <message>
        <source>DIY2</source>
        <translation>Własny 2</translation>
    </message>
    <message>
        <source>DIY3</source>
        <translation>Własny 3</translation>
    </message>
    <message>
        <source>DIY4</source>
        <translation>Własny 4</translation>
    </message>
    <message>
        <source>DIY5</source>
        <translation>Własny 5</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>Backlight</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>Efekt podświetlenia</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Ciemno</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Jasno</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Keymap</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>DIY</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Tryb gry</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>Blokada Win</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>Czas reakcji klawiszy</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>Częstotliwość odpytywania USB</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Kolor %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>Menedżer makr</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>Nie można przechwycić naciśnięć klawiszy; nagrywanie nie zostało rozpoczęte.</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>Nazwa makra może mieć najwyżej 254 znaki; ta ma %1.</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>Wybierz makro do nagrania</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>Menedżer makr</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>Wybierz makro do usunięcia</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>Usunąć wybrane makro?</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>Edytuj samo opóźnienie</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>Makro jest pełne: mieści najwyżej 190 bajtów zdarzeń.</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>Menedżer makr</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Key events</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Nagrywanie</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Pętla</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
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
        <source>Stop recording</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Nagrywaj</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>Nagrywaj
opóźnienia
między klawiszami</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>Menedżer makr</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>Makra nie zostały zapisane: </translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>Klawisz %1 nadal uruchamia makro „%2”, którego miejsce na liście się zmieniło.</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>Klawisz %1 uruchamiał usunięte makro i znów pełni własną funkcję.</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Wciśnij</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Puść</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Kliknięcie</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>Nagraj przed</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>Nagraj po</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>Wstaw funkcję myszy</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Wstaw opóźnienie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>Symulator klawiatury: nie podłączono klawiatury</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>Znaleziono klawiaturę, ale jest niedostępna (zainstaluj regułę udev %1)</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>Znaleziono klawiaturę, ale jest niedostępna (może używa jej inny program)</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>O programie Quendal…</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Przywrócić ustawienia fabryczne?</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Brak klawiatury do gier!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Could not apply the settings: </source>
        <translation>Nie można zastosować ustawień: </translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>Nie można uruchomić: </translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Przywróć fabryczne</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>Aktualizacja sterownika</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>Wersja: 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>Nie znaleziono programu aktualizującego: </translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>Nie można uruchomić programu aktualizującego: </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>message caption</comment>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Profiles</source>
        <comment>caption of the delete messages</comment>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Importuj profil</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Eksportuj profil</translation>
    </message>
    <message>
        <source>At most six profiles can be kept</source>
        <translation>Można przechowywać najwyżej sześć profili</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>Profil_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>Wybierz profil do skopiowania</translation>
    </message>
    <message>
        <source>At least one profile is needed</source>
        <translation>Potrzebny jest co najmniej jeden profil</translation>
    </message>
    <message>
        <source>Choose the profile to delete</source>
        <translation>Wybierz profil do usunięcia</translation>
    </message>
    <message>
        <source>Delete the chosen profile?</source>
        <translation>Usunąć wybrany profil?</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The keyboard is connected but cannot be opened: </source>
        <translation>Klawiatura jest podłączona, ale nie można jej otworzyć: </translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>klawiatura podłączona później nie zostanie wykryta (%1)</translation>
    </message>
    <message>
        <source>About Quendal</source>
        <translation>O programie Quendal</translation>
    </message>
    <message>
        <source>Quendal version 1.1</source>
        <translation>Quendal wersja 1.1</translation>
    </message>
    <message>
        <source>VANTREL speaks this language.</source>
        <translation>VANTREL już mówi w tym języku.</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>VANTREL użyje wybranego języka od następnego uruchomienia.</translation>
    </message>
    <message>
        <source>VANTREL: keyboard simulator</source>
        <translation>VANTREL: symulator klawiatury</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <source>Bound programs</source>
        <translation>Powiązane programy</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>Programy</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>Na tym pulpicie nie można wyświetlić listy otwartych okien.</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1 włączał profil %2; teraz włącza profil %3.</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>Najpierw zapisz profil: programy są powiązane z profilami.</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>Powiąż program</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>Nie jest otwarte żadne okno innego programu.</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>Powiąż program okna</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>Wybierz program do usunięcia.</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Brak profili</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>Dodaj program…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>Dodaj okno…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Previous profile</source>
        <translation>Poprzedni profil</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Next profile</source>
        <translation>Następny profil</translation>
    </message>
</context>
<context>
    <name>WristEffect</name>
    <message>
        <source>Breathing</source>
        <translation>Oddychanie</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Steady</source>
        <translation>Stały</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
</context>
<context>
    <name>WristRest</name>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Ciemno</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Jasno</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Wrist rest effects</source>
        <translation>Efekty podkładki pod nadgarstki</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfileSwitching</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>klawiatura jest zajęta</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>Profil %1, z programu na pierwszym planie</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>Przełączanie profilu czeka, aż zmiany zostaną zastosowane lub cofnięte</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfilesMenu</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Brak profili</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Automatyczne przełączanie</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>Automatyczne przełączanie (%1)</translation>
    </message>
    <message>
        <source>Programs…</source>
        <translation>Programy…</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::TrayIcon</name>
    <message>
        <source>Show window</source>
        <translation>Pokaż okno</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>O programie Quendal…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Brak klawiatury do gier!</translation>
    </message>
</context>
</TS>
