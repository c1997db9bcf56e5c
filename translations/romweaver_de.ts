<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../resources/UnitAbout.ui" line="+6"/>
        <source>About Tessel tool - Romweaver</source>
        <translation>Über Tessel-Tool - Romweaver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessel tool - Romweaver</source>
        <translation>Tessel-Tool - Romweaver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version number: %1</source>
        <translation>Versionsnummer: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Released: %1</source>
        <translation>Veröffentlicht: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Packs NES roms and a menu into one Game Boy Advance rom for the Tessel emulator.

Written by the Romweaver developers.</source>
        <translation>Packt NES-ROMs und ein Menü in ein Game-Boy-Advance-ROM für den Tessel-Emulator.

Geschrieben von den Romweaver-Entwicklern.</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAbout.cpp" line="+23"/>
        <source>en</source>
        <comment>the code of this translation&apos;s language (de, pt_BR): the release month is named in it</comment>
        <translation>de</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>the release: the month&apos;s name, the year</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>TfrmAddSpriteNumber</name>
    <message>
        <location filename="../resources/UnitAddSpriteNumber.ui" line="+6"/>
        <source>Add sprite number or memory address</source>
        <translation>Sprite-Nummer oder Speicheradresse hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add sprite number or memory address </source>
        <translation> Sprite-Nummer oder Speicheradresse hinzufügen </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(tells tessel where to center screen on)</source>
        <translation>(worauf Tessel den Bildschirm zentriert)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory adress:</source>
        <translation>Sprite-Nummer oder Speicheradresse:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory address</source>
        <translation>Sprite-Nummer oder Speicheradresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAddSpriteNumber.cpp" line="+27"/>
        <source>Illegal character &apos;|&apos; found. Please remove the character.</source>
        <translation>Unzulässiges Zeichen „|“ gefunden. Bitte das Zeichen entfernen.</translation>
    </message>
</context>
<context>
    <name>TfrmNewOption</name>
    <message>
        <location filename="../resources/UnitNewOption.ui" line="+6"/>
        <source>Add new option</source>
        <translation>Neue Option hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add new option </source>
        <translation> Neue Option hinzufügen </translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location filename="../wizard/UnitNewOption.cpp" line="+28"/>
        <source>No description is inserted. Are you sure you do not want a description?</source>
        <translation>Keine Beschreibung eingegeben. Soll die Option wirklich ohne Beschreibung bleiben?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no description available</source>
        <translation>keine Beschreibung vorhanden</translation>
    </message>
</context>
<context>
    <name>TfrmRomweaver</name>
    <message>
        <location filename="../resources/UnitRomweaver.ui" line="+6"/>
        <source>Tessel tool - Romweaver </source>
        <translation>Tessel-Tool - Romweaver </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Step 1 - Select NES rom(s) - have to be in the same directory </source>
        <translation> Schritt 1 - NES-ROMs auswählen - alle aus demselben Ordner </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current directory: </source>
        <translation>Aktueller Ordner: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current directory</source>
        <translation>Aktueller Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files in current directory</source>
        <translation>Dateien im aktuellen Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add selected roms</source>
        <translation>Markierte ROMs hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add the selected roms (Enter)</source>
        <translation>Die markierten ROMs hinzufügen (Eingabetaste)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear selected roms</source>
        <translation>ROM-Auswahl leeren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clear the selected roms</source>
        <translation>Die Auswahl der ROMs leeren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected roms</source>
        <translation>Ausgewählte ROMs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total NES roms selected: 0</source>
        <translation>Ausgewählte NES-ROMs: 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GBA rom size: 0 KB</source>
        <translation>Größe des GBA-ROMs: 0 KB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Step 2 - Setup the Menu System - Titles </source>
        <translation> Schritt 2 - Menü einrichten - Titel </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles of the NES roms (default is filename):</source>
        <translation>Titel der NES-ROMs (anfangs der Dateiname):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Titles of the NES roms (default is filename)</source>
        <translation>Titel der NES-ROMs (anfangs der Dateiname)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of the selected rom</source>
        <translation>Titel des gewählten ROMs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change title</source>
        <translation>Titel ändern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tidy titles</source>
        <translation>Titel bereinigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles that are still file names lose their extension and tags such as (USA) or [!]</source>
        <translation>Titel, die noch Dateinamen sind, verlieren ihre Dateiendung und Kennzeichnungen wie (USA) oder [!]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable numbering</source>
        <translation>Nummerieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorted by title</source>
        <translation>Nach Titel sortiert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu:</source>
        <translation>Menüvorschau:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu</source>
        <translation>Menüvorschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+13"/>
        <location line="+1"/>
        <location line="+2"/>
        <source>---&gt;</source>
        <translation>---&gt;</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+17"/>
        <source>--&gt;</source>
        <translation>--&gt;</translation>
    </message>
    <message>
        <location line="-13"/>
        <source> Step 3 - Setup the Menu System - Adding options (can be skipped) </source>
        <translation> Schritt 3 - Menü einrichten - Optionen hinzufügen (kann übersprungen werden) </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Available options:</source>
        <translation>Verfügbare Optionen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Available options</source>
        <translation>Verfügbare Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Option description</source>
        <translation>Beschreibung der Option</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add options to menu item</source>
        <translation>Optionen zum Menüeintrag hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt; add to menu item &gt;&gt;</source>
        <translation>&gt;&gt; zum Menüeintrag &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove options from menu item</source>
        <translation>Optionen vom Menüeintrag entfernen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>remove options &gt;&gt;</source>
        <translation>entfernen &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add sprite number to menu item</source>
        <translation>Sprite-Nummer zum Menüeintrag hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add sprite number &gt;&gt;</source>
        <translation>Sprite-Nummer &gt;&gt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add a sprite number or memory address where emulator will center the screen on</source>
        <translation>Eine Sprite-Nummer oder Speicheradresse hinzufügen, auf die der Emulator den Bildschirm zentriert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add new option</source>
        <translation>Neue Option hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; add new option</source>
        <translation>&lt;&lt; Neue Option</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change option</source>
        <translation>Option ändern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Change</source>
        <translation>&lt;&lt; Ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete option</source>
        <translation>Option löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Del</source>
        <translation>&lt;&lt; Entf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES rom title | option1 | option 2 | etc...</source>
        <translation>NES-ROM-Titel | Option 1 | Option 2 | usw.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu items</source>
        <translation>Menüeinträge</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Last Step - Writing the GBA rom </source>
        <translation> Letzter Schritt - GBA-ROM schreiben </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select destination of GBA rom:</source>
        <translation>Zielordner des GBA-ROMs:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination of GBA rom</source>
        <translation>Zielordner des GBA-ROMs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination drive</source>
        <translation>Ziellaufwerk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter a filename for GBA rom:</source>
        <translation>Dateiname des GBA-ROMs:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filename for GBA rom</source>
        <translation>Dateiname des GBA-ROMs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whatever.gba</source>
        <translation>Whatever.gba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write!</source>
        <translation>Schreiben!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the button to write the NES roms to the GBA rom!</source>
        <translation>Schaltfläche drücken, um die NES-ROMs ins GBA-ROM zu schreiben!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Details of the build</source>
        <translation>Details der Erstellung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What this build wrote to the build log</source>
        <translation>Was diese Erstellung ins Protokoll geschrieben hat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Details…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress of the write</source>
        <translation>Fortschritt des Schreibens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 % done</source>
        <translation>0 % fertig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location filename="../wizard/UnitRomweaver.cpp" line="+76"/>
        <source>Current directory: %1</source>
        <translation>Aktueller Ordner: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>NES roms</source>
        <translation>NES-ROMs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES roms, also in archives</source>
        <translation>NES-ROMs, auch in Archiven</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>%1 (%2)</source>
        <comment>a button&apos;s tooltip: its caption, its keys</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+147"/>
        <source>No NES rom(s) selected!</source>
        <translation>Keine NES-ROMs ausgewählt!</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Changed since the compilation was saved</source>
        <translation>Seit dem Speichern der Zusammenstellung geändert</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The compilation %1 has changes that are not saved. Save them?</source>
        <translation>Die Zusammenstellung %1 enthält nicht gespeicherte Änderungen. Änderungen speichern?</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Total NES roms selected: %1</source>
        <translation>Ausgewählte NES-ROMs: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>GBA rom size: ~%1 KB (default)</source>
        <translation>Größe des GBA-ROMs: ca. %1 KB (Standard)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>GBA rom size: unknown (a rom could not be read)</source>
        <translation>Größe des GBA-ROMs: unbekannt (ein ROM war nicht lesbar)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GBA rom size: ~%1 KB</source>
        <translation>Größe des GBA-ROMs: ca. %1 KB</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Failed to read NES rom(s)</source>
        <translation>NES-ROMs konnten nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>All NES roms have to be in the same directory.</source>
        <translation>Alle NES-ROMs müssen im selben Ordner liegen.</translation>
    </message>
    <message>
        <location line="+164"/>
        <source>Only the first %1 options can be added to a menu item; options further down the list are left out.</source>
        <translation>Nur die ersten %1 Optionen können zu einem Menüeintrag hinzugefügt werden; Optionen weiter unten in der Liste werden ausgelassen.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No more options can be added: a menu item can carry at most %1 options.</source>
        <translation>Es können keine weiteren Optionen hinzugefügt werden: Ein Menüeintrag kann höchstens %1 Optionen haben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Option nr %1</source>
        <translation>Option Nr. %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>No GBA rom filename specified! Please insert a filename!</source>
        <translation>Kein Dateiname für das GBA-ROM angegeben! Bitte einen Dateinamen eingeben!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 whole, %2 cut, %3 repaired</source>
        <translation>%1 vollständig, %2 gekürzt, %3 repariert</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This build&apos;s log:</source>
        <translation>Protokoll dieser Erstellung:</translation>
    </message>
</context>
<context>
    <name>builder::ArchiveError</name>
    <message>
        <location filename="../builder/ArchiveLimits.cpp" line="+18"/>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Romweaver reads at most %1 members of an archive</source>
        <translation>Romweaver liest höchstens %1 Einträge eines Archivs</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks at most %1 of an archive</source>
        <translation>Romweaver entpackt höchstens %1 eines Archivs</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver reads at most %1 of an archive&apos;s list of members</source>
        <translation>Romweaver liest höchstens %1 der Eintragsliste eines Archivs</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks with at most %1 of memory, and this archive asks for %2</source>
        <translation>Romweaver entpackt mit höchstens %1 Speicher, und dieses Archiv verlangt %2</translation>
    </message>
    <message>
        <location filename="../builder/ArchiveReader.cpp" line="+84"/>
        <source>the member after %1 is damaged</source>
        <translation>der Eintrag nach %1 ist beschädigt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its first member is damaged</source>
        <translation>der erste Eintrag ist beschädigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+44"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+784"/>
        <location filename="../builder/ZipCheck.cpp" line="+175"/>
        <source>its list of members is damaged</source>
        <translation>die Eintragsliste ist beschädigt</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>the data of %1 is damaged</source>
        <translation>die Daten von %1 sind beschädigt</translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="../builder/GzipMembers.cpp" line="+159"/>
        <location line="+26"/>
        <location line="+33"/>
        <location filename="../builder/GzipStream.cpp" line="+118"/>
        <location filename="../builder/SevenZipCheck.cpp" line="-79"/>
        <source>it is truncated</source>
        <translation>die Datei ist unvollständig</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+25"/>
        <location line="+34"/>
        <source>its list of members fails its CRC check</source>
        <translation>die CRC-Prüfung der Eintragsliste schlägt fehl</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 fails its CRC check</source>
        <translation>die CRC-Prüfung von %1 schlägt fehl</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is packed in a way Romweaver cannot unpack</source>
        <translation>die Datei ist auf eine Weise gepackt, die Romweaver nicht entpacken kann</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is packed in a way Romweaver cannot unpack</source>
        <translation>%1 ist auf eine Weise gepackt, die Romweaver nicht entpacken kann</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>its rom is gone since it was first read</source>
        <translation>das ROM darin ist seit dem ersten Lesen nicht mehr vorhanden</translation>
    </message>
    <message>
        <location filename="../builder/GzipMembers.cpp" line="-25"/>
        <source>a tar header in it is longer than 1 MiB</source>
        <translation>ein tar-Header darin ist länger als 1 MiB</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>the tar header after %1 is damaged</source>
        <translation>der tar-Header %1 ist beschädigt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its start</source>
        <translation>am Anfang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>member %1</source>
        <translation>nach Eintrag %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a tar header in it gives no size</source>
        <translation>ein tar-Header darin gibt keine Größe an</translation>
    </message>
    <message>
        <location filename="../builder/GzipStream.cpp" line="-26"/>
        <source>its unpacked data does not match the CRC-32 its gzip trailer records</source>
        <translation>die entpackten Daten passen nicht zur CRC-32-Prüfsumme im gzip-Trailer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its unpacked length does not match the length its gzip trailer records</source>
        <translation>die entpackte Länge passt nicht zur Länge im gzip-Trailer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is compressed with a method other than Deflate, which Romweaver cannot unpack</source>
        <translation>die Datei ist nicht mit Deflate komprimiert, sondern mit einem Verfahren, das Romweaver nicht entpacken kann</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its compressed data is invalid (%1)</source>
        <translation>die komprimierten Daten sind ungültig (%1)</translation>
    </message>
    <message>
        <location filename="../builder/SevenZipCheck.cpp" line="-656"/>
        <source>the x86 filter of 7-Zip 23</source>
        <translation>dem x86-Filter von 7-Zip 23</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../builder/ZipCheck.cpp" line="-93"/>
        <source>compression method %1</source>
        <translation>Komprimierungsverfahren %1</translation>
    </message>
    <message>
        <location line="+405"/>
        <source>its list of members has additional streams, which Romweaver cannot read</source>
        <translation>die Eintragsliste hat zusätzliche Datenströme, die Romweaver nicht lesen kann</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>it is compressed with %1, which Romweaver cannot unpack</source>
        <translation>die Datei ist mit %1 komprimiert, und das kann Romweaver nicht entpacken</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>its start header is damaged</source>
        <translation>der Start-Header ist beschädigt</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>its list of members is compressed in a way Romweaver cannot unpack</source>
        <translation>die Eintragsliste ist auf eine Weise komprimiert, die Romweaver nicht entpacken kann</translation>
    </message>
    <message>
        <location filename="../builder/ZipCheck.cpp" line="+78"/>
        <source>its list of members is missing; it may be truncated</source>
        <translation>die Eintragsliste fehlt; die Datei ist womöglich unvollständig</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is one part of an archive split into several files</source>
        <translation>die Datei ist ein Teil eines auf mehrere Dateien aufgeteilten Archivs</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 is compressed with %2, which Romweaver cannot unpack</source>
        <translation>%1 ist mit %2 komprimiert, und das kann Romweaver nicht entpacken</translation>
    </message>
</context>
<context>
    <name>builder::BuildStatus</name>
    <message>
        <location filename="../builder/BuildStatus.cpp" line="+12"/>
        <source>Preparing to write...</source>
        <translation>Schreiben wird vorbereitet...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom...</source>
        <translation>GBA-ROM wird geschrieben...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom - adding base rom tessel.gba...</source>
        <translation>Schreiben - Emulator-ROM tessel.gba wird hinzugefügt...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding menu script...</source>
        <translation>Schreiben - Menüskript wird hinzugefügt...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding nes rom %1...</source>
        <translation>Schreiben - NES-ROM %1 wird hinzugefügt...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing succesfully completed.</source>
        <translation>Schreiben erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing the GBA rom failed.</source>
        <translation>Das Schreiben des GBA-ROMs ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 % done</source>
        <translation>%1 % fertig</translation>
    </message>
</context>
<context>
    <name>builder::CompilationFile</name>
    <message>
        <location filename="../builder/CompilationFile.cpp" line="+160"/>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is far too large</source>
        <translation>die Datei ist viel zu groß</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it does not say it is one</source>
        <translation>die Datei gibt sich nicht als solche aus</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no format version</source>
        <translation>die Datei hat keine Formatversion</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it names no rom folder</source>
        <translation>die Datei nennt keinen ROM-Ordner</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no list of roms</source>
        <translation>die Datei hat keine Liste der ROMs</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a rom has no file name of its own</source>
        <translation>ein ROM hat keinen eigenen Dateinamen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is listed twice</source>
        <translation>%1 ist zweimal aufgeführt</translation>
    </message>
</context>
<context>
    <name>cli::BuildCommand</name>
    <message>
        <location filename="../cli/BuildCommand.cpp" line="+117"/>
        <location line="+2"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <location line="+102"/>
        <location line="+11"/>
        <source>no output given (-o OUTPUT)</source>
        <translation>keine Ausgabedatei angegeben (-o OUTPUT)</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>--compilation takes the roms, the menu and its options from the file: it cannot be combined with ROMs, --numbered, --sorted, --menu or --save-compilation</source>
        <translation>--compilation übernimmt die ROMs, das Menü und seine Optionen aus der Datei: die Option lässt sich nicht mit ROMs, --numbered, --sorted, --menu oder --save-compilation kombinieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no ROM given</source>
        <translation>kein ROM angegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--menu takes the menu lines as they are: it cannot be combined with --numbered or --sorted</source>
        <translation>--menu übernimmt die Menüzeilen unverändert: die Option lässt sich nicht mit --numbered oder --sorted kombinieren</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>all NES roms have to be in the same directory: %1 and %2 are not</source>
        <translation>alle NES-ROMs müssen im selben Ordner liegen: %1 und %2 liegen in verschiedenen Ordnern</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>cannot read the menu file %1: %2</source>
        <translation>die Menüdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>the menu file %1 has %2 for %3: one line per rom</source>
        <translation>die Menüdatei %1 enthält %2 für %3: eine Zeile je ROM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 line</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 rom</source>
        <translation>1 ROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 roms</source>
        <translation>%1 ROMs</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>the compilation %1 names no GBA rom: give -o OUTPUT</source>
        <translation>die Zusammenstellung %1 nennt kein GBA-ROM: bitte -o OUTPUT angeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot find %1 in %2</source>
        <translation>%1 wurde in %2 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>cli::CommandHelp</name>
    <message>
        <location line="-272"/>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number the menu lines (01. to 12. for 12 roms), as &quot;Enable numbering&quot;.</source>
        <extracomment>&quot;Enable numbering&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>Die Menüzeilen nummerieren (01. bis 12. bei 12 ROMs), wie „Nummerieren“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sort menu and roms by title, as &quot;Sorted by title&quot;.</source>
        <extracomment>&quot;Sorted by title&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>Menü und ROMs nach Titel sortieren, wie „Nach Titel sortiert“.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the menu lines verbatim from FILE, one line per rom, in rom order.</source>
        <translation>Die Menüzeilen unverändert aus FILE übernehmen, eine Zeile je ROM, in der Reihenfolge der ROMs.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write a file that is not an iNES rom as well (the size check may change its bytes 4 and 5, keeping a backup); without it such a file is refused.</source>
        <translation>Auch eine Datei schreiben, die kein iNES-ROM ist (die Größenprüfung kann ihre Bytes 4 und 5 ändern und legt dann eine Sicherungskopie an); ohne diese Option wird eine solche Datei abgelehnt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Replace OUTPUT also where it is a file that is no GBA rom made with %1; without it such a file is refused (an earlier GBA rom is always replaced).</source>
        <translation>OUTPUT auch dann ersetzen, wenn es eine Datei ist, die kein mit %1 erstelltes GBA-ROM ist; ohne diese Option wird eine solche Datei abgelehnt (ein früheres GBA-ROM wird immer ersetzt).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The GBA rom to write.</source>
        <translation>Das zu schreibende GBA-ROM.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Build the compilation FILE (saved by the wizard or --save-compilation): its roms, titles, options and sprite values, numbering and sorting, and its GBA rom unless -o names another.</source>
        <translation>Die Zusammenstellung FILE erstellen (vom Assistenten oder mit --save-compilation gespeichert): mit ihren ROMs, Titeln, Optionen und Sprite-Werten, ihrer Nummerierung und Sortierung und in ihr GBA-ROM, sofern -o kein anderes nennt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Write the compilation of the other arguments to FILE, to open it in the wizard or build it with --compilation; without -o nothing is built.</source>
        <translation>Die Zusammenstellung aus den übrigen Argumenten in FILE schreiben, um sie im Assistenten zu öffnen oder mit --compilation zu erstellen; ohne -o wird nichts erstellt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print nothing of what the build logs (the roms it cut or repaired).</source>
        <translation>Nichts von dem ausgeben, was die Erstellung protokolliert (die gekürzten oder reparierten ROMs).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NES roms (files or archives), all in one directory, in menu order. Titles are those stored in %1, else the file names.</source>
        <translation>NES-ROMs (Dateien oder Archive), alle in einem Ordner, in der Reihenfolge des Menüs. Als Titel dienen die in %1 gespeicherten, sonst die Dateinamen.</translation>
    </message>
    <message>
        <location filename="../cli/CommandHelp.cpp" line="+131"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build. Here that is %5.</source>
        <translation>%1 (das Emulator-ROM, das Sie selbst bereitstellen), %2 (die Titel, die der Assistent speichert; nur gelesen), %3 (das Protokoll) und %4 (das Menüskript der letzten Erstellung) liegen im Programmordner: im Ordner von romweaver-build. Hier ist das %5.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build when %1 lies there (a portable copy), otherwise %5 (an installed copy), which is created when missing. Here that is %6.</source>
        <translation>%1 (das Emulator-ROM, das Sie selbst bereitstellen), %2 (die Titel, die der Assistent speichert; nur gelesen), %3 (das Protokoll) und %4 (das Menüskript der letzten Erstellung) liegen im Programmordner: im Ordner von romweaver-build, wenn sich %1 dort befindet (eine portable Kopie), sonst im Ordner %5 (eine installierte Kopie), der angelegt wird, falls er fehlt. Hier ist das %6.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Writes a GBA rom as the Romweaver wizard does, without a window: %1, then the menu script, then each ROM in menu order, each cut to the size its header declares or, when shorter, backed up and repaired.</source>
        <translation>Schreibt ein GBA-ROM wie der Romweaver-Assistent, nur ohne Fenster: %1, dann das Menüskript, dann jedes ROM in der Reihenfolge des Menüs, jedes auf die im Header angegebene Größe gekürzt oder, wenn es kürzer ist, gesichert und repariert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Archives:</source>
        <translation>Archive:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A ROM may be a .zip, .7z or .gz archive holding one rom: the one member that is an iNES rom or, when none is, the one member named *.nes. It is read in memory and never changed; a rom shorter than its header declares is repaired in the GBA rom only. An archive that holds no rom or several, is encrypted or damaged is refused before anything is written.</source>
        <translation>Ein ROM kann ein .zip-, .7z- oder .gz-Archiv sein, das ein ROM enthält: den einzigen Eintrag, der ein iNES-ROM ist, oder, wenn keiner eines ist, den einzigen Eintrag namens *.nes. Das Archiv wird im Speicher gelesen und nie verändert; ein ROM, das kürzer ist als im Header angegeben, wird nur im GBA-ROM repariert. Ein Archiv, das kein oder mehrere ROMs enthält, verschlüsselt oder beschädigt ist, wird abgelehnt, bevor irgendetwas geschrieben wird.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit status:</source>
        <translation>Rückgabewert:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the GBA rom was written (with --save-compilation and no -o: the compilation was saved)</source>
        <translation>das GBA-ROM wurde geschrieben (mit --save-compilation und ohne -o: die Zusammenstellung wurde gespeichert)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the build was refused or failed; one sentence on standard error, after &quot;romweaver-build: &quot;, says why</source>
        <translation>die Erstellung wurde abgelehnt oder ist fehlgeschlagen; ein Satz auf der Standardfehlerausgabe nach „romweaver-build: “ nennt den Grund</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a usage error (an unknown option, no -o, no ROM, options that do not go together); the usage lines follow the sentence</source>
        <translation>ein Aufruffehler (eine unbekannte Option, kein -o, kein ROM, Optionen, die nicht zusammenpassen); auf den Satz folgen die Aufrufzeilen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Example:</source>
        <translation>Beispiel:</translation>
    </message>
</context>
<context>
    <name>cli::CommandMessages</name>
    <message>
        <location filename="../cli/CommandMessages.cpp" line="+20"/>
        <source>adding base rom tessel.gba...</source>
        <translation>Emulator-ROM tessel.gba wird hinzugefügt...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding menu script...</source>
        <translation>Menüskript wird hinzugefügt...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding nes rom %1...</source>
        <translation>NES-ROM %1 wird hinzugefügt...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 already exists and is not a GBA rom made with %2, so the GBA rom was not written; give --force to replace it</source>
        <translation>%1 existiert bereits und ist kein mit %2 erstelltes GBA-ROM, daher wurde das GBA-ROM nicht geschrieben; mit --force wird die Datei ersetzt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not an iNES rom; give --allow-non-rom to write it all the same (its bytes 4 and 5 may then be changed to fit its size)</source>
        <translation>%1 ist kein iNES-ROM; mit --allow-non-rom wird die Datei trotzdem geschrieben (ihre Bytes 4 und 5 werden dann womöglich an ihre Größe angepasst)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>warning: %1 is not an iNES rom; its bytes 4 and 5 may be changed to fit its size</source>
        <translation>Warnung: %1 ist kein iNES-ROM; die Bytes 4 und 5 der Datei werden womöglich an ihre Größe angepasst</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>Byte %1 von %2 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>Sperrdatei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>Größe der Datei %1 kann nicht ermittelt werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>in der Datei %1 kann nicht positioniert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>Datei %1 kann nicht geschlossen werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>Datei %1 kann nicht identifiziert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>Datei %1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>Datei %1 kann nicht geleert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>%1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>%1 kann nicht nach %2 kopiert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>%1 kann nicht repariert werden</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>die Datei wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>das ist keine normale Datei (sondern ein Ordner, ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>die Datei endete vorzeitig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>die Datei endete %1 Bytes zu früh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>das ROM darin endete %1 Bytes zu früh</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>die Datei wurde nach der Prüfung durch die Erstellung geändert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>die Datei wurde während des Lesens geändert</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 enthält kein NES-ROM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 enthält %2 NES-ROMs; Romweaver nimmt ein ROM je Archiv</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 ist verschlüsselt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 ist kein %2-Archiv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 ist zu groß zum Lesen: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>die Zusammenstellung %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>die Zusammenstellung %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 ist keine Romweaver-Zusammenstellung: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1 wurde von einem neueren Romweaver gespeichert (Formatversion %2); diese Version liest Formatversionen bis %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unable to write to %1</source>
        <translation>in %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <comment>what was done to a file: why it failed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the menu line of %1 holds a line break; a menu line has to stay on one line, so rename the file or give it another title</source>
        <translation>die Menüzeile von %1 enthält einen Zeilenumbruch; eine Menüzeile muss in einer Zeile bleiben, benennen Sie also die Datei um oder geben Sie ihr einen anderen Titel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 ist eine der Dateien, aus denen es erstellt wird</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 ist die Datei, in der Romweaver seine Einstellungen speichert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 ist das Protokoll von Romweaver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 ist keine normale Datei (sondern ein Ordner, ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>eine andere Erstellung schreibt in %1; bitte erneut versuchen, wenn sie abgeschlossen ist</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>unerwarteter Fehler</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the GBA rom was not written: %1</source>
        <translation>das GBA-ROM wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the GBA rom was not written:</source>
        <translation>das GBA-ROM wurde nicht geschrieben:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>warning: the GBA rom will be %1 KB, more than the %2 KB a GBA cartridge holds</source>
        <translation>Warnung: das GBA-ROM wird %1 KB groß, mehr als die %2 KB, die ein GBA-Modul fasst</translation>
    </message>
</context>
<context>
    <name>wizard::CartridgeView</name>
    <message>
        <location filename="../wizard/CartridgeView.cpp" line="+21"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>whole</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cut to the size its header declares</source>
        <translation>auf die im Header angegebene Größe gekürzt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its header to be repaired</source>
        <translation>Header wird repariert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>%1 of %2 used by %n rom</source>
        <translation>
            <numerusform>%1 von %2 belegt durch %n ROM</numerusform>
            <numerusform>%1 von %2 belegt durch %n ROMs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %2 used by %n roms</source>
        <translation>
            <numerusform>%1 von %2 belegt durch %n ROM</numerusform>
            <numerusform>%1 von %2 belegt durch %n ROMs</numerusform>
        </translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1 and the menu: %2</source>
        <translation>%1 und das Menü: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
</context>
<context>
    <name>wizard::CompilationMenu</name>
    <message>
        <location filename="../wizard/CompilationMenu.cpp" line="+22"/>
        <source>Romweaver compilations (*.%1)</source>
        <translation>Romweaver-Zusammenstellungen (*.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Compilation</source>
        <translation>Zusammenstellung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or save a compilation (%1, %2)</source>
        <translation>Zusammenstellung öffnen oder speichern (%1, %2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open compilation…</source>
        <translation>Zusammenstellung öffnen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save compilation…</source>
        <translation>Zusammenstellung speichern…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save compilation as…</source>
        <translation>Zusammenstellung speichern unter…</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Open compilation</source>
        <translation>Zusammenstellung öffnen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save compilation</source>
        <translation>Zusammenstellung speichern</translation>
    </message>
</context>
<context>
    <name>wizard::MessageBoxes</name>
    <message>
        <location filename="../wizard/controls/MessageBoxes.cpp" line="+18"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location filename="../wizard/controls/MessageBoxes.h" line="+46"/>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>wizard::MessageTexts</name>
    <message>
        <location filename="../wizard/MessageTexts.cpp" line="+31"/>
        <source>cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>Byte %1 von %2 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>Sperrdatei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>Größe der Datei %1 kann nicht ermittelt werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>in der Datei %1 kann nicht positioniert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>Datei %1 kann nicht geschlossen werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>Datei %1 kann nicht identifiziert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>Datei %1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>Datei %1 kann nicht geleert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>%1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>%1 kann nicht nach %2 kopiert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>%1 kann nicht repariert werden</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>die Datei wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>das ist keine normale Datei (sondern ein Ordner, ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>die Datei endete vorzeitig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>die Datei endete %1 Bytes zu früh</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>das ROM darin endete %1 Bytes zu früh</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>die Datei wurde nach der Prüfung durch die Erstellung geändert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>die Datei wurde während des Lesens geändert</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 enthält kein NES-ROM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 enthält %2 NES-ROMs; Romweaver nimmt ein ROM je Archiv</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 ist verschlüsselt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 ist kein %2-Archiv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 ist zu groß zum Lesen: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>die Zusammenstellung %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>die Zusammenstellung %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 ist keine Romweaver-Zusammenstellung: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1 wurde von einem neueren Romweaver gespeichert (Formatversion %2); diese Version liest Formatversionen bis %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No NES rom in this archive</source>
        <translation>Kein NES-ROM in diesem Archiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 NES roms in this archive; Romweaver takes one rom per archive</source>
        <translation>%1 NES-ROMs in diesem Archiv; Romweaver nimmt ein ROM je Archiv</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Encrypted archive</source>
        <translation>Verschlüsseltes Archiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged archive: %1</source>
        <translation>Beschädigtes Archiv: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not a %1 archive</source>
        <translation>Kein %1-Archiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Archive too large to read: %1</source>
        <translation>Archiv zu groß zum Lesen: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archive that cannot be read: %1</source>
        <translation>Nicht lesbares Archiv: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <comment>what was done to a file: why it failed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the menu line of %1 holds a line break; a menu line has to stay on one line, so rename the file or give it another title</source>
        <translation>die Menüzeile von %1 enthält einen Zeilenumbruch; eine Menüzeile muss in einer Zeile bleiben, benennen Sie also die Datei um oder geben Sie ihr einen anderen Titel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 ist eine der Dateien, aus denen es erstellt wird</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 ist die Datei, in der Romweaver seine Einstellungen speichert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 ist das Protokoll von Romweaver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 ist keine normale Datei (sondern ein Ordner, ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not an iNES rom</source>
        <translation>%1 ist kein iNES-ROM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>eine andere Erstellung schreibt in %1; bitte erneut versuchen, wenn sie abgeschlossen ist</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>unerwarteter Fehler</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The GBA rom was not written:</source>
        <translation>Das GBA-ROM wurde nicht geschrieben:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is unchanged.</source>
        <translation>%1 ist unverändert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was written to %1.</source>
        <translation>Es wurde nichts nach %1 geschrieben.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>and %n more.</source>
        <translation>
            <numerusform>und %n weiteres Problem.</numerusform>
            <numerusform>und %n weitere Probleme.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Another program was writing it and did not finish in time.</source>
        <translation>Ein anderes Programm schrieb gerade in die Datei und wurde nicht rechtzeitig fertig.</translation>
    </message>
</context>
<context>
    <name>wizard::SelectionWarnings</name>
    <message>
        <location filename="../wizard/SelectionWarnings.cpp" line="+28"/>
        <source>More than a GBA cartridge holds (%1 KB)</source>
        <translation>Mehr, als ein GBA-Modul fasst (%1 KB)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Not a regular file: a folder, a device, a pipe or a socket</source>
        <translation>Keine normale Datei: ein Ordner, ein Gerät, eine Pipe oder ein Socket</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Missing: the file was moved, renamed or deleted</source>
        <translation>Fehlt: Die Datei wurde verschoben, umbenannt oder gelöscht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked: another program has the file open</source>
        <translation>Gesperrt: Ein anderes Programm hat die Datei geöffnet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No access: you may not read the file</source>
        <translation>Kein Zugriff: Die Datei darf nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot be read: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Not an iNES rom</source>
        <translation>Kein iNES-ROM</translation>
    </message>
</context>
<context>
    <name>wizard::Startup</name>
    <message>
        <location filename="../wizard/Startup.cpp" line="+32"/>
        <source>Cannot find Tessel.gba! Make sure it is installed in the same directory as Romweaver program. The program will be closed.</source>
        <translation>Tessel.gba nicht gefunden! Bitte sicherstellen, dass es im selben Ordner wie das Programm Romweaver installiert ist. Das Programm wird beendet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>When Romweaver is installed, put %1 into this directory instead:
%2</source>
        <translation>Wenn Romweaver installiert ist, gehört %1 stattdessen in diesen Ordner:
%2</translation>
    </message>
</context>
</TS>
