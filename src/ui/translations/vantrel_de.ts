<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BasicFunction</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Medienwiedergabe</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Vol+</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Vol-</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kurzbefehle</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Task manager</source>
        <translation>Task-Manager</translation>
    </message>
    <message>
        <source>Browser home</source>
        <translation>Browser-Startseite</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>die Tastatur ist beschäftigt</translation>
    </message>
    <message>
        <source>no keyboard</source>
        <translation>keine Tastatur</translation>
    </message>
    <message>
        <source>%1 is not bound</source>
        <translation>%1 ist nicht zugeordnet</translation>
    </message>
    <message>
        <source>there is no program %1; give an executable&apos;s absolute path</source>
        <translation>es gibt kein Programm %1; geben Sie den absoluten Pfad einer ausführbaren Datei an</translation>
    </message>
    <message>
        <source>a program name cannot hold tabs, line breaks or other control characters</source>
        <translation>ein Programmname darf keine Tabulatoren, Zeilenumbrüche oder anderen Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>%1 is damaged; it was moved to %2 and switching by the program in front is off until programs are bound again.</source>
        <translation>%1 ist beschädigt; die Datei wurde nach %2 verschoben, und das Umschalten nach dem Programm im Vordergrund ist aus, bis wieder Programme zugeordnet sind.</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot open %1: there is no such file</source>
        <translation>%1 kann nicht geöffnet werden: Die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1 has %2 bytes; a profile has %3</source>
        <translation>%1 hat %2 Bytes; ein Profil hat %3</translation>
    </message>
</context>
<context>
    <name>DriverUpdate</name>
    <message>
        <source>After the firmware update, restore the factory settings, or hold Fn and Pause together for 5 seconds, to finish the update.</source>
        <translation>Stellen Sie nach der Firmware-Aktualisierung die Werkseinstellungen wieder her oder halten Sie Fn und Pause 5 Sekunden lang gedrückt, um die Aktualisierung abzuschließen.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>Update the keyboard to the new firmware?</source>
        <translation>Die Tastatur auf die neue Firmware aktualisieren?</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>modification path</source>
        <translation>Pfad ändern</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>This path cannot be stored:
</source>
        <translation>Dieser Pfad kann nicht gespeichert werden:
</translation>
    </message>
    <message>
        <source>The path is longer than 255 characters:
</source>
        <translation>Der Pfad ist länger als 255 Zeichen:
</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Play music</source>
        <translation>Musik
abspielen</translation>
    </message>
    <message>
        <source>Start program</source>
        <translation>Programm
starten</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei
öffnen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner
öffnen</translation>
    </message>
    <message>
        <source>Current key: </source>
        <translation>Aktuelle Taste: </translation>
    </message>
    <message>
        <source>Choose an item inside the group</source>
        <translation>Wählen Sie einen Eintrag innerhalb der Gruppe</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Einzelne Taste</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Disable key</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>KeyboardEffect</name>
    <message>
        <source>Steady</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktiv</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Kräuseln</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Raindrops</source>
        <translation>Regentropfen</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Kollision</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>DIY1</source>
        <translation>Eigenes 1</translation>
    </message>
    <message>
        <source>DIY2</source>
        <translation>Eigenes 2</translation>
    </message>
    <message>
        <source>DIY3</source>
        <translation>Eigenes 3</translation>
    </message>
    <message>
        <source>DIY4</source>
        <translation>Eigenes 4</translation>
    </message>
    <message>
        <source>DIY5</source>
        <translation>Eigenes 5</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>Backlight</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Backlight effect</source>
        <translation>Beleuchtungseffekt</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Keymap</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>DIY</source>
        <translation>Eigenes</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Game mode</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Win lock</source>
        <translation>Win-Sperre</translation>
    </message>
    <message>
        <source>Key response time</source>
        <translation>Tastenreaktionszeit</translation>
    </message>
    <message>
        <source>USB report rate</source>
        <translation>USB-Abfragerate</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Farbe %1</translation>
    </message>
</context>
<context>
    <name>MacroManager</name>
    <message>
        <source>Macro manager</source>
        <comment>message caption</comment>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>Key presses cannot be captured; recording has not started.</source>
        <translation>Tastendrücke können nicht erfasst werden; die Aufnahme wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>A macro name holds at most 254 characters; this one has %1.</source>
        <translation>Ein Makroname hat höchstens 254 Zeichen; dieser hat %1.</translation>
    </message>
    <message>
        <source>Choose the macro to record into</source>
        <translation>Wählen Sie das Makro für die Aufnahme</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>caption of the recording warning</comment>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>Choose the macro to delete</source>
        <translation>Wählen Sie das zu löschende Makro</translation>
    </message>
    <message>
        <source>Delete the chosen macro?</source>
        <translation>Das gewählte Makro löschen?</translation>
    </message>
    <message>
        <source>Edit the delay itself</source>
        <translation>Verzögerung selbst bearbeiten</translation>
    </message>
    <message>
        <source>The macro is full: it holds at most 190 bytes of events.</source>
        <translation>Das Makro ist voll: Es fasst höchstens 190 Byte an Ereignissen.</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Key events</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Record the
delays
between keys</source>
        <translation>Pausen
zwischen
Tasten aufnehmen</translation>
    </message>
    <message>
        <source>Macro manager</source>
        <comment>window title</comment>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>The macros were not saved: </source>
        <translation>Die Makros wurden nicht gespeichert: </translation>
    </message>
    <message>
        <source>Key %1 still runs the macro &quot;%2&quot;, whose place in the list changed.</source>
        <translation>Taste %1 führt weiterhin das Makro „%2“ aus, dessen Platz in der Liste sich geändert hat.</translation>
    </message>
    <message>
        <source>Key %1 ran a deleted macro and does its own job again.</source>
        <translation>Taste %1 führte ein gelöschtes Makro aus und hat wieder ihre eigene Funktion.</translation>
    </message>
</context>
<context>
    <name>MacroMenu</name>
    <message>
        <source>Left click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Middle click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Record Before</source>
        <translation>Davor aufnehmen</translation>
    </message>
    <message>
        <source>Record After</source>
        <translation>Danach aufnehmen</translation>
    </message>
    <message>
        <source>Insert mouse function</source>
        <translation>Mausfunktion einfügen</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>Verzögerung einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keyboard simulator: no keyboard connected</source>
        <translation>Tastatursimulator: keine Tastatur angeschlossen</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (install the udev rule %1)</source>
        <translation>Tastatur gefunden, aber nicht zugänglich (installieren Sie die udev-Regel %1)</translation>
    </message>
    <message>
        <source>Keyboard found but not accessible (another program may be using it)</source>
        <translation>Tastatur gefunden, aber nicht zugänglich (ein anderes Programm nutzt sie vielleicht)</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Über Quendal …</translation>
    </message>
    <message>
        <source>Restore the factory settings?</source>
        <translation>Werkseinstellungen wiederherstellen?</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Keine Gaming-Tastatur!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Could not apply the settings: </source>
        <translation>Die Einstellungen konnten nicht angewendet werden: </translation>
    </message>
    <message>
        <source>Could not start: </source>
        <translation>Start nicht möglich: </translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Driver update</source>
        <translation>Treiber-Aktualisierung</translation>
    </message>
    <message>
        <source>Version: 1.4</source>
        <translation>Version: 1.4</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Updater not found: </source>
        <translation>Aktualisierungsprogramm nicht gefunden: </translation>
    </message>
    <message>
        <source>Could not start the updater: </source>
        <translation>Das Aktualisierungsprogramm konnte nicht gestartet werden: </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
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
        <translation>Profil importieren</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Profil exportieren</translation>
    </message>
    <message>
        <source>At most six profiles can be kept</source>
        <translation>Es können höchstens sechs Profile gespeichert werden</translation>
    </message>
    <message>
        <source>Profile_%1</source>
        <translation>Profil_%1</translation>
    </message>
    <message>
        <source>Choose the profile to copy</source>
        <translation>Wählen Sie das zu kopierende Profil</translation>
    </message>
    <message>
        <source>At least one profile is needed</source>
        <translation>Mindestens ein Profil wird benötigt</translation>
    </message>
    <message>
        <source>Choose the profile to delete</source>
        <translation>Wählen Sie das zu löschende Profil</translation>
    </message>
    <message>
        <source>Delete the chosen profile?</source>
        <translation>Das gewählte Profil löschen?</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The keyboard is connected but cannot be opened: </source>
        <translation>Die Tastatur ist angeschlossen, kann aber nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>a keyboard plugged in later will not be noticed (%1)</source>
        <translation>eine später angeschlossene Tastatur wird nicht erkannt (%1)</translation>
    </message>
    <message>
        <source>About Quendal</source>
        <translation>Über Quendal</translation>
    </message>
    <message>
        <source>Quendal version 1.1</source>
        <translation>Quendal Version 1.1</translation>
    </message>
    <message>
        <source>VANTREL speaks this language.</source>
        <translation>VANTREL spricht bereits diese Sprache.</translation>
    </message>
    <message>
        <source>VANTREL speaks the chosen language from its next start.</source>
        <translation>VANTREL spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>VANTREL: keyboard simulator</source>
        <translation>VANTREL: Tastatursimulator</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Bound programs</source>
        <translation>Zugeordnete Programme</translation>
    </message>
    <message>
        <source>Programs</source>
        <comment>message caption</comment>
        <translation>Programme</translation>
    </message>
    <message>
        <source>The windows open now cannot be listed on this desktop.</source>
        <translation>Auf diesem Desktop lassen sich die offenen Fenster nicht auflisten.</translation>
    </message>
    <message>
        <source>%1 brought profile %2; it brings profile %3 now.</source>
        <translation>%1 brachte Profil %2; jetzt bringt es Profil %3.</translation>
    </message>
    <message>
        <source>Save a profile first: programs are bound to profiles.</source>
        <translation>Speichern Sie zuerst ein Profil: Programme werden Profilen zugeordnet.</translation>
    </message>
    <message>
        <source>Bind a program</source>
        <translation>Programm zuordnen</translation>
    </message>
    <message>
        <source>No window of another program is open.</source>
        <translation>Es ist kein Fenster eines anderen Programms offen.</translation>
    </message>
    <message>
        <source>Bind a window&apos;s program</source>
        <translation>Programm eines Fensters zuordnen</translation>
    </message>
    <message>
        <source>Choose the program to remove.</source>
        <translation>Wählen Sie das Programm, das entfernt werden soll.</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Noch keine Profile</translation>
    </message>
    <message>
        <source>Add program…</source>
        <translation>Programm hinzufügen…</translation>
    </message>
    <message>
        <source>Add window…</source>
        <translation>Fenster hinzufügen…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Previous profile</source>
        <translation>Vorheriges Profil</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Next profile</source>
        <translation>Nächstes Profil</translation>
    </message>
</context>
<context>
    <name>WristEffect</name>
    <message>
        <source>Breathing</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Steady</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>WristRest</name>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Dim</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Wrist rest effects</source>
        <translation>Handballenauflage</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::ProfileSwitching</name>
    <message>
        <source>the keyboard is busy</source>
        <translation>die Tastatur ist beschäftigt</translation>
    </message>
    <message>
        <source>Profile %1, from the program in front</source>
        <translation>Profil %1, vom Programm im Vordergrund</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>Profile switching waits until the changes are applied or reverted</source>
        <translation>Der Profilwechsel wartet, bis die Änderungen angewendet oder verworfen sind</translation>
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
        <translation>Noch keine Profile</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Automatisch wechseln</translation>
    </message>
    <message>
        <source>Automatic switching (%1)</source>
        <translation>Automatisch wechseln (%1)</translation>
    </message>
    <message>
        <source>Programs…</source>
        <translation>Programme…</translation>
    </message>
</context>
<context>
    <name>vantrel::ui::TrayIcon</name>
    <message>
        <source>Show window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Start on login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>About Quendal...</source>
        <translation>Über Quendal …</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>No gaming keyboard!</source>
        <translation>Keine Gaming-Tastatur!</translation>
    </message>
</context>
</TS>
