<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pantrova</source>
        <translation>Über Pantrova</translation>
    </message>
    <message>
        <source>Pantrova</source>
        <translation>Pantrova</translation>
    </message>
    <message>
        <source>Pantrova is free software: you can pass it on and change it under the terms of the GNU General Public License, version 3 or (at your choice) any later version. It comes with no warranty. The licence&apos;s full text is on the Licence tab.</source>
        <translation>Pantrova ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern. Es kommt ohne jede Gewährleistung. Den vollständigen Lizenztext finden Sie auf dem Reiter „Lizenz“.</translation>
    </message>
    <message>
        <source>Your data file is kept in this folder:</source>
        <translation>Ihre Datendatei liegt in diesem Ordner:</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Qt %1 (built with Qt %2)</source>
        <translation>Qt %1 (erstellt mit Qt %2)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Licence text</source>
        <translation>Lizenztext</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Keines)</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>SUMMEN</translation>
    </message>
    <message>
        <source>%1 prices %2 of %3 shown items</source>
        <translation>%1 hat Preise für %2 von %3 angezeigten Artikeln</translation>
    </message>
    <message>
        <source>; missing: %1</source>
        <translation>; es fehlen: %1</translation>
    </message>
    <message>
        <source>BEST PRICE:</source>
        <translation>BESTER PREIS:</translation>
    </message>
    <message>
        <source>shop %1</source>
        <translation>Geschäft %1</translation>
    </message>
    <message>
        <source>No shop has a price for the shown items.</source>
        <translation>Kein Geschäft hat einen Preis für die angezeigten Artikel.</translation>
    </message>
    <message>
        <source>No shop has a price for these items.</source>
        <translation>Kein Geschäft hat einen Preis für diese Artikel.</translation>
    </message>
    <message>
        <source>Cheapest: %1, %2%3 — prices %4 of %5 shown items</source>
        <translation>Am günstigsten: %1, %2%3 — Preise für %4 von %5 angezeigten Artikeln</translation>
    </message>
    <message>
        <source>%1 prices all %2 items</source>
        <translation>%1 hat Preise für alle %2 Artikel</translation>
    </message>
    <message>
        <source>%1 prices %2 of %3 items; missing: %4</source>
        <translation>%1 hat Preise für %2 von %3 Artikeln; es fehlen: %4</translation>
    </message>
    <message>
        <source>prices checked since %1</source>
        <translation>Preise geprüft seit %1</translation>
    </message>
    <message>
        <source> — the same as %1</source>
        <translation> — genauso viel wie bei %1</translation>
    </message>
    <message>
        <source> — %1%2 less than %3</source>
        <translation> — %1%2 weniger als bei %3</translation>
    </message>
    <message>
        <source>not priced anywhere: %1</source>
        <translation>nirgends mit Preis: %1</translation>
    </message>
    <message>
        <source>Pack %1: %2 per %3</source>
        <translation>Packung %1: %2 je %3</translation>
    </message>
    <message>
        <source>Offer until %1, regular %2</source>
        <translation>Angebot bis %1, regulär %2</translation>
    </message>
    <message>
        <source>Unit prices per %1, %2 and %3: each item&apos;s lowest is marked; grey: another kind of pack; —: no pack.</source>
        <translation>Grundpreise je %1, %2 und %3: der niedrigste jedes Artikels ist markiert; grau: andere Packungsart; —: keine Packung.</translation>
    </message>
    <message>
        <source> (save %1%2)</source>
        <translation> (%1%2 gespart)</translation>
    </message>
    <message>
        <source>, trips %1%2 included</source>
        <translation>, Fahrtkosten %1%2 inbegriffen</translation>
    </message>
    <message>
        <source>Like for like: everything at %1 %2%3; each item at its cheapest shop %2%4</source>
        <translation>Gleicher Einkauf: alles bei %1 %2%3; jeder Artikel im günstigsten Geschäft %2%4</translation>
    </message>
    <message>
        <source>, %1%2 less</source>
        <translation>, %1%2 weniger</translation>
    </message>
    <message>
        <source>, %1%2 more</source>
        <translation>, %1%2 mehr</translation>
    </message>
    <message>
        <source>, the same</source>
        <translation>, gleich viel</translation>
    </message>
    <message>
        <source>At %1: %2</source>
        <translation>Bei %1: %2</translation>
    </message>
    <message>
        <source>Priced at none of these shops: %1</source>
        <translation>In keinem dieser Geschäfte mit Preis: %1</translation>
    </message>
    <message numerus="yes">
        <source>; %n of its prices are older than %1 days</source>
        <translation>
            <numerusform>; %n seiner Preise ist älter als %1 Tage</numerusform>
            <numerusform>; %n seiner Preise sind älter als %1 Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each item at its cheapest shop: %1%2 at %n shops</source>
        <translation>
            <numerusform>Jeder Artikel im günstigsten Geschäft: %1%2 in %n Geschäft</numerusform>
            <numerusform>Jeder Artikel im günstigsten Geschäft: %1%2 in %n Geschäften</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %1%2 more than %3, which has no price for %n of the items</source>
        <translation>
            <numerusform> — %1%2 mehr als bei %3, wo %n der Artikel keinen Preis hat</numerusform>
            <numerusform> — %1%2 mehr als bei %3, wo %n der Artikel keinen Preis haben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shops: %1 %2%3</source>
        <translation>
            <numerusform>%n Geschäft: %1 %2%3</numerusform>
            <numerusform>%n Geschäfte: %1 %2%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Like for like: %1 with the %n items it lacks at their cheapest elsewhere %2%3; each item at its cheapest shop %2%4</source>
        <translation>
            <numerusform>Gleicher Einkauf: %1, den fehlenden Artikel am günstigsten anderswo, %2%3; jeder Artikel im günstigsten Geschäft %2%4</numerusform>
            <numerusform>Gleicher Einkauf: %1, die %n fehlenden Artikel am günstigsten anderswo, %2%3; jeder Artikel im günstigsten Geschäft %2%4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message>
        <source>Set on %1</source>
        <translation>Gesetzt am %1</translation>
    </message>
    <message>
        <source>Cheapest for this item</source>
        <translation>Am günstigsten für diesen Artikel</translation>
    </message>
    <message>
        <source>Not comparable: a pack of another kind than most of this item&apos;s</source>
        <translation>Nicht vergleichbar: eine Packung anderer Art als die meisten dieses Artikels</translation>
    </message>
    <message>
        <source>cheapest</source>
        <translation>am günstigsten</translation>
    </message>
    <message>
        <source>not comparable</source>
        <translation>nicht vergleichbar</translation>
    </message>
    <message>
        <source>old price, set %1</source>
        <translation>alter Preis, gesetzt am %1</translation>
    </message>
    <message>
        <source>offer</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>Shop %1</source>
        <translation>Geschäft %1</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n months ago</source>
        <translation>
            <numerusform>vor %n Monat</numerusform>
            <numerusform>vor %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years ago</source>
        <translation>
            <numerusform>vor %n Jahr</numerusform>
            <numerusform>vor %n Jahren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file is empty; its first line must be the header %1.</source>
        <translation>die Datei ist leer; ihre erste Zeile muss die Kopfzeile %1 sein.</translation>
    </message>
    <message>
        <source>the header must start with %1.</source>
        <translation>die Kopfzeile muss mit %1 beginnen.</translation>
    </message>
    <message>
        <source>there are more than %1 shops.</source>
        <translation>es sind mehr als %1 Geschäfte.</translation>
    </message>
    <message>
        <source>column %1 has no shop name.</source>
        <translation>Spalte %1 hat keinen Geschäftsnamen.</translation>
    </message>
    <message>
        <source>the shop &quot;%1&quot; has two columns.</source>
        <translation>das Geschäft &quot;%1&quot; hat zwei Spalten.</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2.</source>
        <translation>%1 Felder, wo die Kopfzeile %2 hat.</translation>
    </message>
    <message>
        <source>the item has no name.</source>
        <translation>der Artikel hat keinen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the Ticked column is neither true nor false.</source>
        <translation>&quot;%1&quot; in der Spalte Ticked ist weder wahr noch falsch.</translation>
    </message>
    <message>
        <source>the price &quot;%1&quot; at %2 is not a number of 0.01 or more.</source>
        <translation>der Preis &quot;%1&quot; bei %2 ist keine Zahl ab 0,01.</translation>
    </message>
    <message>
        <source>there are more items than this data file can number.</source>
        <translation>es sind mehr Artikel, als diese Datendatei nummerieren kann.</translation>
    </message>
    <message>
        <source>Line %1: the text is not UTF-8; save the file as CSV in UTF-8.</source>
        <translation>Zeile %1: der Text ist kein UTF-8; bitte die Datei als CSV in UTF-8 speichern.</translation>
    </message>
    <message>
        <source>%1 (shop %2)</source>
        <translation>%1 (Geschäft %2)</translation>
    </message>
    <message>
        <source>there is no shop left for &quot;%1&quot;; every shop has a name or prices.</source>
        <translation>für &quot;%1&quot; ist kein Geschäft mehr frei; alle Geschäfte haben einen Namen oder Preise.</translation>
    </message>
    <message>
        <source>The file is %1 MB; an import takes files of up to %2 MB. Please split it into smaller files.</source>
        <translation>Die Datei ist %1 MB groß; ein Import nimmt Dateien bis %2 MB. Bitte teilen Sie sie in kleinere Dateien auf.</translation>
    </message>
    <message>
        <source>The file has %1 rows of items; an import takes up to %2. Please split it into smaller files.</source>
        <translation>Die Datei hat %1 Artikelzeilen; ein Import nimmt höchstens %2. Bitte teilen Sie sie in kleinere Dateien auf.</translation>
    </message>
    <message>
        <source>%1 (pack)</source>
        <translation>%1 (Packung)</translation>
    </message>
    <message>
        <source>the packs at &quot;%1&quot; have two columns.</source>
        <translation>die Packungen bei „%1“ stehen in zwei Spalten.</translation>
    </message>
    <message>
        <source>the pack &quot;%1&quot; at %2 is not a pack such as %3.</source>
        <translation>die Packung „%1“ bei %2 ist keine Packungsgröße wie %3.</translation>
    </message>
    <message>
        <source>the quantity &quot;%1&quot; of a ticked item is not a whole number from 1 to %2.</source>
        <translation>die Menge „%1“ eines abgehakten Artikels ist keine ganze Zahl von 1 bis %2.</translation>
    </message>
    <message>
        <source>The rows of the list &quot;%1&quot; go to list %2, which takes that name.</source>
        <translation>Die Zeilen der Liste „%1“ kommen in Liste %2, die diesen Namen erhält.</translation>
    </message>
    <message>
        <source>No list is free for the list &quot;%1&quot;: its rows go to list %2, the current list.</source>
        <translation>Für die Liste „%1“ ist keine Liste frei: Ihre Zeilen kommen in Liste %2, die aktuelle Liste.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items updated</source>
        <translation>
            <numerusform>%Ln Artikel aktualisiert</numerusform>
            <numerusform>%Ln Artikel aktualisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items added</source>
        <translation>
            <numerusform>%Ln Artikel hinzugefügt</numerusform>
            <numerusform>%Ln Artikel hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln added</source>
        <translation>
            <numerusform>%Ln hinzugefügt</numerusform>
            <numerusform>%Ln hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items unchanged</source>
        <translation>
            <numerusform>%Ln Artikel unverändert</numerusform>
            <numerusform>%Ln Artikel unverändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln unchanged</source>
        <translation>
            <numerusform>%Ln unverändert</numerusform>
            <numerusform>%Ln unverändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln prices changed</source>
        <translation>
            <numerusform>%Ln Preis geändert</numerusform>
            <numerusform>%Ln Preise geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln shops named</source>
        <translation>
            <numerusform>%Ln Geschäft benannt</numerusform>
            <numerusform>%Ln Geschäfte benannt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataSafety</name>
    <message>
        <source>Pantrova is already open in the folder &apos;%1&apos;. Please use the window that is open there: two windows over the same data would overwrite each other&apos;s changes.</source>
        <translation>Pantrova ist im Ordner „%1“ bereits geöffnet. Bitte verwenden Sie das dort geöffnete Fenster: Zwei Fenster über denselben Daten würden gegenseitig ihre Änderungen überschreiben.</translation>
    </message>
    <message>
        <source>Pantrova</source>
        <translation>Pantrova</translation>
    </message>
    <message>
        <source>It was made by Pantrova on the computer &apos;%1&apos;, and Pantrova cannot tell from here whether it is still open there.</source>
        <translation>Sie wurde von Pantrova auf dem Computer „%1“ angelegt, und Pantrova kann von hier aus nicht erkennen, ob es dort noch geöffnet ist.</translation>
    </message>
    <message>
        <source>It cannot be read as such a mark, so it tells nothing about who made it.</source>
        <translation>Sie lässt sich nicht als solche Markierung lesen und sagt daher nichts darüber, wer sie angelegt hat.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; is marked as in use by another Pantrova window: the file &apos;%2&apos; says so.</source>
        <translation>Der Ordner „%1“ ist als von einem anderen Pantrova-Fenster belegt markiert: Die Datei „%2“ sagt das.</translation>
    </message>
    <message>
        <source>Is Pantrova open over this folder anywhere else? If not, the mark was left behind by a Pantrova that ended without closing. Choose Yes to remove the mark and open your data; choose No if it is open elsewhere, so that two windows do not overwrite each other&apos;s changes.</source>
        <translation>Ist Pantrova für diesen Ordner irgendwo anders geöffnet? Wenn nicht, stammt die Markierung von einem Pantrova, das ohne Schließen beendet wurde. Wählen Sie Ja, um die Markierung zu entfernen und Ihre Daten zu öffnen; wählen Sie Nein, wenn es anderswo geöffnet ist, damit nicht zwei Fenster gegenseitig ihre Änderungen überschreiben.</translation>
    </message>
    <message>
        <source>Folder in Use</source>
        <translation>Ordner belegt</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>It is kept unchanged as &apos;%1&apos;.</source>
        <translation>Sie wird unverändert als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source>It could not be kept as &apos;%1&apos; (%2), and stays where it is.</source>
        <translation>Sie konnte nicht als „%1“ aufbewahrt werden (%2) und bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>Pantrova was not closed normally last time, and the changes it kept then in &apos;%1&apos; cannot be restored: %2.</source>
        <translation>Pantrova wurde beim letzten Mal nicht normal beendet, und die damals in „%1“ aufbewahrten Änderungen lassen sich nicht wiederherstellen: %2.</translation>
    </message>
    <message>
        <source>Pantrova opens the data as last saved.</source>
        <translation>Pantrova öffnet die Daten so, wie sie zuletzt gespeichert wurden.</translation>
    </message>
    <message>
        <source>Pantrova Error</source>
        <translation>Pantrova-Fehler</translation>
    </message>
    <message>
        <source>Pantrova was not closed normally last time, and it kept the changes you had not saved (as of %1).

Do you want to restore them? They are then shown as unsaved changes; save them as usual.

Choose No to open the data as last saved; the unsaved changes are then kept as &apos;%2&apos;.</source>
        <translation>Pantrova wurde beim letzten Mal nicht normal beendet und hat die nicht gespeicherten Änderungen aufbewahrt (Stand %1).

Möchten Sie sie wiederherstellen? Sie erscheinen dann als nicht gespeicherte Änderungen; speichern Sie sie wie gewohnt.

Wählen Sie Nein, um die zuletzt gespeicherten Daten zu öffnen; die nicht gespeicherten Änderungen werden dann als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>Restore Unsaved Changes</source>
        <translation>Nicht gespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; is missing, but its backup copy &apos;%2&apos; of %3 is sound.

Do you want to open the backup? Choose No to start with empty lists.

Either way, saving writes a new &apos;%1&apos;, and the backup is left as it is while this window is open.</source>
        <translation>Die Datendatei „%1“ fehlt, aber ihre Sicherungskopie „%2“ vom %3 ist in Ordnung.

Möchten Sie die Sicherungskopie öffnen? Wählen Sie Nein, um mit leeren Listen zu beginnen.

In jedem Fall schreibt das Speichern eine neue „%1“, und die Sicherungskopie bleibt unverändert, solange dieses Fenster geöffnet ist.</translation>
    </message>
    <message>
        <source>Data File Missing</source>
        <translation>Datendatei fehlt</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; is damaged or could not be read; it is kept unchanged as &apos;%2&apos;. Saving writes the restored data in its place.</source>
        <translation>Die Datendatei „%1“ ist beschädigt oder konnte nicht gelesen werden; sie wird unverändert als „%2“ aufbewahrt. Beim Speichern werden die wiederhergestellten Daten an ihre Stelle geschrieben.</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; is damaged or could not be read, and could not be kept as &apos;%2&apos; (%3).</source>
        <translation>Die Datendatei „%1“ ist beschädigt oder konnte nicht gelesen werden und konnte nicht als „%2“ aufbewahrt werden (%3).</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; could not be read: %2.</source>
        <translation>Die Datendatei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; is damaged.</source>
        <translation>Die Datendatei „%1“ ist beschädigt.</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; is damaged: %2.</source>
        <translation>Die Datendatei „%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Pantrova has started with empty lists.</source>
        <translation>Pantrova wurde mit leeren Listen gestartet.</translation>
    </message>
    <message>
        <source>Pantrova has loaded everything it could read.</source>
        <translation>Pantrova hat alles geladen, was es lesen konnte.</translation>
    </message>
    <message>
        <source>The original file is kept unchanged as &apos;%1&apos;.</source>
        <translation>Die ursprüngliche Datei wird unverändert als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The original file could not be kept as &apos;%1&apos; (%2).</source>
        <translation>Die ursprüngliche Datei konnte nicht als „%1“ aufbewahrt werden (%2).</translation>
    </message>
    <message>
        <source>The backup copy &apos;%1&apos; of %2 is sound. Do you want to open it instead? Choose No to keep what was loaded.

Either way, saving writes &apos;%3&apos;, and the backup is left as it is while this window is open.</source>
        <translation>Die Sicherungskopie „%1“ vom %2 ist in Ordnung. Möchten Sie stattdessen sie öffnen? Wählen Sie Nein, um das Geladene zu behalten.

In jedem Fall schreibt das Speichern „%3“, und die Sicherungskopie bleibt unverändert, solange dieses Fenster geöffnet ist.</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; was moved or deleted by another program since this window opened or last saved it.

Save Again: this window&apos;s data is saved as &apos;%1&apos; again.
Cancel: nothing is saved now.</source>
        <translation>Die Datendatei „%1“ wurde von einem anderen Programm verschoben oder gelöscht, seit dieses Fenster sie geöffnet oder zuletzt gespeichert hat.

Erneut speichern: Die Daten dieses Fensters werden wieder als „%1“ gespeichert.
Abbrechen: Jetzt wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>Data File Changed</source>
        <translation>Datendatei geändert</translation>
    </message>
    <message>
        <source>&amp;Save Again</source>
        <translation>Erneut &amp;speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Replace: this window&apos;s data is saved as &apos;%1&apos;, and the other version becomes the backup copy &apos;%2&apos;.</source>
        <translation>Ersetzen: Die Daten dieses Fensters werden als „%1“ gespeichert, und die andere Fassung wird zur Sicherungskopie „%2“.</translation>
    </message>
    <message>
        <source>Replace: this window&apos;s data is saved as &apos;%1&apos;, and the other version is lost.</source>
        <translation>Ersetzen: Die Daten dieses Fensters werden als „%1“ gespeichert, und die andere Fassung geht verloren.</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; was changed by another program, or by Pantrova on another computer, since this window opened or last saved it.</source>
        <translation>Die Datendatei „%1“ wurde von einem anderen Programm oder von Pantrova auf einem anderen Computer geändert, seit dieses Fenster sie geöffnet oder zuletzt gespeichert hat.</translation>
    </message>
    <message>
        <source>Keep Both: the other version is kept as &apos;%1&apos;, and this window&apos;s data is saved as &apos;%2&apos;.</source>
        <translation>Beide behalten: Die andere Fassung wird als „%1“ aufbewahrt, und die Daten dieses Fensters werden als „%2“ gespeichert.</translation>
    </message>
    <message>
        <source>Cancel: nothing is saved now.</source>
        <translation>Abbrechen: Jetzt wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>&amp;Beide behalten</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>the other version could not be kept as &apos;%1&apos; (%2)</source>
        <translation>die andere Fassung konnte nicht als „%1“ aufbewahrt werden (%2)</translation>
    </message>
    <message>
        <source>the other version could not be read (%1)</source>
        <translation>die andere Fassung konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the changes take more than %1 MB</source>
        <translation>die Änderungen brauchen mehr als %1 MB</translation>
    </message>
    <message>
        <source>Pantrova could not save your data to &apos;%1&apos;: %2.</source>
        <translation>Pantrova konnte Ihre Daten nicht in „%1“ speichern: %2.</translation>
    </message>
    <message>
        <source>Pantrova keeps its data beside the program, so its folder must be one you can write to: install Pantrova into a folder you own.</source>
        <translation>Pantrova legt seine Daten neben dem Programm ab, daher muss dessen Ordner für Sie beschreibbar sein: Installieren Sie Pantrova in einen Ordner, der Ihnen gehört.</translation>
    </message>
    <message>
        <source>Your changes could not be kept in &apos;%1&apos; (%2), so the window stays open.</source>
        <translation>Ihre Änderungen konnten nicht in „%1“ aufbewahrt werden (%2), daher bleibt das Fenster geöffnet.</translation>
    </message>
    <message>
        <source>Do you want to try again? Choose No to close without saving your changes.</source>
        <translation>Möchten Sie es erneut versuchen? Wählen Sie Nein, um ohne Speichern Ihrer Änderungen zu schließen.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche leeren</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Plans purchases: four shopping lists, prices at up to twenty shops, the cheapest shop and a printable page.</source>
        <translation>Plant Einkäufe: vier Einkaufslisten, Preise in bis zu zwanzig Geschäften, das günstigste Geschäft und eine druckbare Seite.</translation>
    </message>
</context>
<context>
    <name>ItemEditor</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Add to bottom of list</source>
        <translation>Am &amp;Ende der Liste hinzufügen</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>&amp;Set price</source>
        <translation>Preis &amp;festlegen</translation>
    </message>
    <message>
        <source>&amp;Delete price</source>
        <translation>Preis &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
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
        <source>#</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Geschäft</translation>
    </message>
    <message>
        <source>Price (%1)</source>
        <translation>Preis (%1)</translation>
    </message>
    <message>
        <source>Set on</source>
        <translation>Gesetzt am</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Editing &apos;%1&apos;</source>
        <translation>„%1“ bearbeiten</translation>
    </message>
    <message>
        <source>date unknown</source>
        <translation>Datum unbekannt</translation>
    </message>
    <message>
        <source>Please enter the cost of &apos;%1&apos; at &apos;%2&apos;:</source>
        <translation>Bitte geben Sie den Preis von „%1“ bei „%2“ ein:</translation>
    </message>
    <message>
        <source>Edit Price</source>
        <translation>Preis bearbeiten</translation>
    </message>
    <message>
        <source>Please enter a value of 0.01 or greater.</source>
        <translation>Bitte geben Sie einen Wert von 0,01 oder mehr ein.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please type in a name for this item.</source>
        <translation>Bitte geben Sie einen Namen für diesen Artikel ein.</translation>
    </message>
    <message>
        <source>Pac&amp;k size...</source>
        <translation>&amp;Packungsgröße...</translation>
    </message>
    <message>
        <source>O&amp;ffer...</source>
        <translation>&amp;Angebot...</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Packung</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Grundpreis</translation>
    </message>
    <message>
        <source>Offer</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no pack size. Please type an amount and a unit, for example %2.</source>
        <translation>„%1“ ist keine Packungsgröße. Bitte geben Sie eine Menge und eine Einheit ein, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>Please set a price first: a pack size belongs to a price.</source>
        <translation>Bitte legen Sie zuerst einen Preis fest: Eine Packungsgröße gehört zu einem Preis.</translation>
    </message>
    <message>
        <source>until %1, regular %2</source>
        <translation>bis %1, regulär %2</translation>
    </message>
    <message>
        <source>Please enter the pack size that the price of &apos;%1&apos; at &apos;%2&apos; buys (for example %3); leave it empty for none:</source>
        <translation>Bitte geben Sie die Packungsgröße ein, die der Preis von „%1“ bei „%2“ kauft (zum Beispiel %3); leer lassen für keine:</translation>
    </message>
    <message>
        <source>Pack Size</source>
        <translation>Packungsgröße</translation>
    </message>
    <message>
        <source>The price of &apos;%1&apos; at &apos;%2&apos; is an offer until this day (for example %3); leave it empty when it is none:</source>
        <translation>Der Preis von „%1“ bei „%2“ ist ein Angebot bis zu diesem Tag (zum Beispiel %3); leer lassen, wenn er keines ist:</translation>
    </message>
    <message>
        <source>Please enter a day such as %1.</source>
        <translation>Bitte geben Sie einen Tag wie %1 ein.</translation>
    </message>
    <message>
        <source>The regular price of &apos;%1&apos; at &apos;%2&apos;:</source>
        <translation>Der reguläre Preis von „%1“ bei „%2“:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no price. Please type a price such as %2.</source>
        <translation>„%1“ ist kein Preis. Bitte geben Sie einen Preis wie %2 ein.</translation>
    </message>
    <message>
        <source>Your language writes the decimals after &quot;%1&quot;, not &quot;%2&quot;: %3.</source>
        <translation>Ihre Sprache schreibt die Nachkommastellen nach „%1“, nicht nach „%2“: %3.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pantrova</source>
        <translation>Pantrova</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Registerkarten</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Shops</source>
        <translation>Geschäfte</translation>
    </message>
    <message>
        <source>Price Comparison</source>
        <translation>Preisvergleich</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;List name:</source>
        <translation>&amp;Listenname:</translation>
    </message>
    <message>
        <source>List &amp;name:</source>
        <translation>Listen&amp;name:</translation>
    </message>
    <message>
        <source>Li&amp;st name:</source>
        <translation>Li&amp;stenname:</translation>
    </message>
    <message>
        <source>List na&amp;me:</source>
        <translation>Listenna&amp;me:</translation>
    </message>
    <message>
        <source>Tick or clear every item of this list</source>
        <translation>Alle Artikel dieser Liste abhaken oder freigeben</translation>
    </message>
    <message>
        <source>Name of list %1</source>
        <translation>Name der Liste %1</translation>
    </message>
    <message>
        <source>Qty:</source>
        <translation>Anz.:</translation>
    </message>
    <message>
        <source>Count the selected item up by one</source>
        <translation>Die Anzahl des gewählten Artikels um eins erhöhen</translation>
    </message>
    <message>
        <source>Count the selected item down by one</source>
        <translation>Die Anzahl des gewählten Artikels um eins verringern</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Move the selected item up</source>
        <translation>Den gewählten Artikel nach oben schieben</translation>
    </message>
    <message>
        <source>Move the selected item down</source>
        <translation>Den gewählten Artikel nach unten schieben</translation>
    </message>
    <message>
        <source>Click on an item and then press Del to delete or F2 to rename</source>
        <translation>Klicken Sie auf einen Artikel und drücken Sie Entf zum Löschen oder F2 zum Umbenennen</translation>
    </message>
    <message>
        <source>Click on a shop to edit its name</source>
        <translation>Klicken Sie auf ein Geschäft, um seinen Namen zu ändern</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Selected items only</source>
        <translation>Nur abgehakte Artikel</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Alle Artikel</translation>
    </message>
    <message>
        <source>Edit Prices</source>
        <translation>Preise ändern</translation>
    </message>
    <message>
        <source>Price comparison</source>
        <translation>Preisvergleich</translation>
    </message>
    <message>
        <source>Printable page</source>
        <translation>Druckseite</translation>
    </message>
    <message>
        <source>&amp;PRINT</source>
        <translation>D&amp;RUCKEN</translation>
    </message>
    <message>
        <source>TIP: Print in draft quality to save ink or toner</source>
        <translation>TIPP: Drucken Sie in Entwurfsqualität, um Tinte oder Toner zu sparen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Saved to &apos;%1&apos;</source>
        <translation>Gespeichert in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Export to &amp;CSV...</source>
        <translation>Als &amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import from CSV...</source>
        <translation>Aus CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Exit without Saving</source>
        <translation>Beenden &amp;ohne Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Move or Copy...</source>
        <translation>&amp;Verschieben oder Kopieren...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Change &amp;Currency Symbol/Code...</source>
        <translation>&amp;Währungssymbol/-code ändern...</translation>
    </message>
    <message>
        <source>&amp;Old Prices...</source>
        <translation>&amp;Alte Preise...</translation>
    </message>
    <message>
        <source>You have not entered any shop details yet.  Do you want to do this now?</source>
        <translation>Sie haben noch keine Geschäfte eingetragen. Möchten Sie das jetzt tun?</translation>
    </message>
    <message>
        <source>Enter Shop Details</source>
        <translation>Geschäfte eintragen</translation>
    </message>
    <message>
        <source>Pantrova Error</source>
        <translation>Pantrova-Fehler</translation>
    </message>
    <message>
        <source>Rename List %1</source>
        <translation>Liste %1 umbenennen</translation>
    </message>
    <message>
        <source>List %1</source>
        <translation>Liste %1</translation>
    </message>
    <message>
        <source>&amp;Move or Copy &apos;%1&apos; ...</source>
        <translation>„%1“ &amp;verschieben oder kopieren ...</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the item &apos;%1&apos; from the &apos;%2&apos; list?</source>
        <translation>Möchten Sie den Artikel „%1“ wirklich aus der Liste „%2“ löschen?</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Artikel löschen</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;</source>
        <translation>&apos;%1&apos; löschen</translation>
    </message>
    <message>
        <source>Rename &apos;%1&apos;</source>
        <translation>&apos;%1&apos; umbenennen</translation>
    </message>
    <message>
        <source>Tick &apos;%1&apos;</source>
        <translation>&apos;%1&apos; abhaken</translation>
    </message>
    <message>
        <source>Untick &apos;%1&apos;</source>
        <translation>Haken bei &apos;%1&apos; entfernen</translation>
    </message>
    <message>
        <source>Tick All of List %1</source>
        <translation>Alles in Liste %1 abhaken</translation>
    </message>
    <message>
        <source>Clear List %1</source>
        <translation>Haken in Liste %1 entfernen</translation>
    </message>
    <message>
        <source>Count Up &apos;%1&apos;</source>
        <translation>Anzahl von &apos;%1&apos; erhöhen</translation>
    </message>
    <message>
        <source>Count Down &apos;%1&apos;</source>
        <translation>Anzahl von &apos;%1&apos; verringern</translation>
    </message>
    <message>
        <source>Move Up &apos;%1&apos;</source>
        <translation>&apos;%1&apos; nach oben</translation>
    </message>
    <message>
        <source>Move Down &apos;%1&apos;</source>
        <translation>&apos;%1&apos; nach unten</translation>
    </message>
    <message>
        <source>Add &apos;%1&apos;</source>
        <translation>&apos;%1&apos; hinzufügen</translation>
    </message>
    <message>
        <source>Edit &apos;%1&apos;</source>
        <translation>&apos;%1&apos; bearbeiten</translation>
    </message>
    <message>
        <source>No more items can be added: every item key this data file can number has been used.</source>
        <translation>Es können keine weiteren Artikel hinzugefügt werden: Jeder Artikelschlüssel, den diese Datendatei zählen kann, ist vergeben.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Copy &apos;%1&apos;</source>
        <translation>&apos;%1&apos; kopieren</translation>
    </message>
    <message>
        <source>Move &apos;%1&apos;</source>
        <translation>&apos;%1&apos; verschieben</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2.</source>
        <translation>Die Datei &apos;%1&apos; konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Exported to &apos;%1&apos;</source>
        <translation>Exportiert nach &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Import from CSV</source>
        <translation>Aus CSV importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading &apos;%1&apos;...</source>
        <translation>„%1“ wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Nothing was imported from &apos;%1&apos;:

%2</source>
        <translation>Aus &apos;%1&apos; wurde nichts importiert:

%2</translation>
    </message>
    <message>
        <source>The import from &apos;%1&apos; was cancelled; nothing was changed.</source>
        <translation>Der Import aus „%1“ wurde abgebrochen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Set name for shop:</source>
        <translation>Name des Geschäfts:</translation>
    </message>
    <message>
        <source>Shop %1</source>
        <translation>Geschäft %1</translation>
    </message>
    <message>
        <source>Rename Shop %1</source>
        <translation>Geschäft %1 umbenennen</translation>
    </message>
    <message>
        <source>Change currency symbol/code from &apos;%1&apos;:</source>
        <translation>Währungssymbol/-code „%1“ ändern in:</translation>
    </message>
    <message>
        <source>Change Currency Symbol/Code</source>
        <translation>Währungssymbol/-code ändern</translation>
    </message>
    <message>
        <source>Change Currency Symbol</source>
        <translation>Währungssymbol ändern</translation>
    </message>
    <message>
        <source>Show prices as old in the comparison when they were set more than this many days ago:</source>
        <translation>Preise im Vergleich als alt zeigen, wenn sie vor mehr als so vielen Tagen gesetzt wurden:</translation>
    </message>
    <message>
        <source>Old Prices</source>
        <translation>Alte Preise</translation>
    </message>
    <message>
        <source>Please enter a whole number of days from 1 to %1.</source>
        <translation>Bitte eine ganze Zahl von Tagen von 1 bis %1 eingeben.</translation>
    </message>
    <message>
        <source>Change Old Prices</source>
        <translation>Alte Preise ändern</translation>
    </message>
    <message>
        <source>Edit Prices of &apos;%1&apos;</source>
        <translation>Preise von &apos;%1&apos; bearbeiten</translation>
    </message>
    <message>
        <source>Unit prices</source>
        <translation>Grundpreise</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Nächste Registerkarte</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>&amp;Vorherige Registerkarte</translation>
    </message>
    <message>
        <source>&amp;Unit Prices per 100 g and 100 ml</source>
        <translation>&amp;Grundpreise je 100 g und 100 ml</translation>
    </message>
    <message>
        <source>Change Unit Prices</source>
        <translation>Grundpreise ändern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Pantrova</source>
        <translation>Ü&amp;ber Pantrova</translation>
    </message>
    <message>
        <source>End Offers</source>
        <translation>Angebote beenden</translation>
    </message>
    <message>
        <source>Offers ended, back to the regular price: %1</source>
        <translation>Angebote beendet, wieder zum regulären Preis: %1</translation>
    </message>
    <message>
        <source>Nothing was changed: the lists hold what &apos;%1&apos; holds already.</source>
        <translation>Nichts wurde geändert: Die Listen enthalten bereits, was „%1“ enthält.</translation>
    </message>
    <message>
        <source>Import from &apos;%1&apos;?

%2</source>
        <translation>Aus „%1“ importieren?

%2</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Importing %1 rows from &apos;%2&apos;...</source>
        <translation>%1 Zeilen aus „%2“ werden importiert...</translation>
    </message>
    <message>
        <source>Use Shop %1 in Trip Plans</source>
        <translation>Geschäft %1 in Einkaufstouren verwenden</translation>
    </message>
    <message>
        <source>Leave Shop %1 out of Trip Plans</source>
        <translation>Geschäft %1 aus Einkaufstouren herausnehmen</translation>
    </message>
    <message>
        <source>Trip plans</source>
        <translation>Einkaufstouren</translation>
    </message>
    <message>
        <source>What a trip to &apos;%1&apos; costs, such as a fare or fuel (0 for nothing):</source>
        <translation>Was eine Fahrt zu „%1“ kostet, etwa Fahrkarte oder Benzin (0 für nichts):</translation>
    </message>
    <message>
        <source>Trip Cost</source>
        <translation>Fahrtkosten</translation>
    </message>
    <message>
        <source>Change Trip Cost of Shop %1</source>
        <translation>Fahrtkosten von Geschäft %1 ändern</translation>
    </message>
    <message>
        <source>%1 shops: none cheaper than with fewer shops</source>
        <translation>%1 Geschäfte: keine günstiger als mit weniger Geschäften</translation>
    </message>
    <message>
        <source>Tick every item of %1</source>
        <translation>Alle Artikel von %1 abhaken</translation>
    </message>
    <message>
        <source>More in %1</source>
        <translation>Mehr in %1</translation>
    </message>
    <message>
        <source>Fewer in %1</source>
        <translation>Weniger in %1</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Zu %1 hinzufügen</translation>
    </message>
    <message>
        <source>Edit in %1</source>
        <translation>In %1 bearbeiten</translation>
    </message>
    <message>
        <source>Move up in %1</source>
        <translation>In %1 nach oben</translation>
    </message>
    <message>
        <source>Move down in %1</source>
        <translation>In %1 nach unten</translation>
    </message>
    <message>
        <source>Please enter an amount of 0 or more, such as %1.</source>
        <translation>Bitte geben Sie einen Betrag ab 0 ein, etwa %1.</translation>
    </message>
    <message numerus="yes">
        <source>Trip plan of %n shops</source>
        <translation>
            <numerusform>Einkaufstour mit %n Geschäft</numerusform>
            <numerusform>Einkaufstour mit %n Geschäften</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Choose a Trip Plan of %n Shops</source>
        <translation>
            <numerusform>Einkaufstour mit %n Geschäft wählen</numerusform>
            <numerusform>Einkaufstour mit %n Geschäften wählen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln items from &apos;%1&apos;</source>
        <translation>
            <numerusform>%Ln Artikel aus &apos;%1&apos; importiert</numerusform>
            <numerusform>%Ln Artikel aus &apos;%1&apos; importiert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveCopyDialog</name>
    <message>
        <source>Move or Copy</source>
        <translation>Verschieben oder Kopieren</translation>
    </message>
    <message>
        <source>&amp;Operation</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
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
        <source>Move or Copy &apos;%1&apos; from list &apos;%2&apos;:</source>
        <translation>„%1“ aus der Liste „%2“ verschieben oder kopieren:</translation>
    </message>
    <message>
        <source>&amp;%1: %2</source>
        <translation>&amp;%1: %2</translation>
    </message>
    <message>
        <source>Move &apos;%1&apos; to:</source>
        <translation>„%1“ verschieben nach:</translation>
    </message>
    <message>
        <source>Copy &apos;%1&apos; to:</source>
        <translation>„%1“ kopieren nach:</translation>
    </message>
</context>
<context>
    <name>Pack</name>
    <message>
        <source>500 g, %1 l, 6 x 330 ml, 12 pcs</source>
        <translation>500 g; %1 l; 6 x 330 ml; 12 Stk.</translation>
    </message>
    <message>
        <source>100 g</source>
        <translation>100 g</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>100 ml</source>
        <translation>100 ml</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>pc</source>
        <translation>Stk.</translation>
    </message>
</context>
<context>
    <name>PageBuilder</name>
    <message>
        <source>The page cannot be built: the library &apos;%1&apos; could not be loaded (%2).</source>
        <translation>Die Seite kann nicht erstellt werden: Die Bibliothek „%1“ konnte nicht geladen werden (%2).</translation>
    </message>
    <message>
        <source>The template file &apos;%1&apos; could not be found. Try reinstalling the program or downloading the template from %2.</source>
        <translation>Die Vorlagendatei „%1“ wurde nicht gefunden. Installieren Sie das Programm neu oder laden Sie die Vorlage von %2 herunter.</translation>
    </message>
    <message>
        <source>The template file &apos;%1&apos; could not be read: %2.</source>
        <translation>Die Vorlagendatei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The page &apos;%1&apos; could not be written: %2.</source>
        <translation>Die Seite „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>PriceHistoryDialog</name>
    <message>
        <source>Price History of &apos;%1&apos;</source>
        <translation>Preisverlauf von &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Prices over time</source>
        <translation>Preise im Zeitverlauf</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Geschäft</translation>
    </message>
    <message>
        <source>Price (%1)</source>
        <translation>Preis (%1)</translation>
    </message>
    <message>
        <source>Shop %1</source>
        <translation>Geschäft %1</translation>
    </message>
    <message>
        <source>No price history yet</source>
        <translation>Noch kein Preisverlauf</translation>
    </message>
    <message>
        <source>Price chart</source>
        <translation>Preisdiagramm</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Packung</translation>
    </message>
    <message>
        <source>Chart &amp;unit prices (a smaller pack for the same price shows)</source>
        <translation>&amp;Grundpreise zeigen (eine kleinere Packung zum gleichen Preis wird sichtbar)</translation>
    </message>
    <message>
        <source>No unit prices yet: no price with a pack</source>
        <translation>Noch keine Grundpreise: kein Preis mit Packung</translation>
    </message>
    <message>
        <source>Unit price chart</source>
        <translation>Grundpreisdiagramm</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>deleted, not yet saved</source>
        <translation>gelöscht, noch nicht gespeichert</translation>
    </message>
    <message>
        <source>not yet saved</source>
        <translation>noch nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 (not yet saved)</source>
        <translation>%1 (noch nicht gespeichert)</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Message text</source>
        <translation>Meldungstext</translation>
    </message>
</context>
<context>
    <name>ShopModel</name>
    <message>
        <source>#</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Shop Name</source>
        <translation>Name des Geschäfts</translation>
    </message>
    <message>
        <source>Used in trip plans</source>
        <translation>In Einkaufstouren verwendet</translation>
    </message>
    <message>
        <source>Not used in trip plans</source>
        <translation>Nicht in Einkaufstouren verwendet</translation>
    </message>
    <message>
        <source>No trip cost</source>
        <translation>Keine Fahrtkosten</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Use in trip plans</source>
        <translation>In Einkaufstouren</translation>
    </message>
    <message>
        <source>Trip cost</source>
        <translation>Fahrtkosten</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>%1 menu</source>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Lists: tick or untick the selected item</source>
        <translation>Listen: gewählten Artikel abhaken oder Haken entfernen</translation>
    </message>
    <message>
        <source>Lists: delete the selected item</source>
        <translation>Listen: gewählten Artikel löschen</translation>
    </message>
    <message>
        <source>Lists: rename the selected item</source>
        <translation>Listen: gewählten Artikel umbenennen</translation>
    </message>
    <message>
        <source>Shops: name the selected shop</source>
        <translation>Geschäfte: gewähltes Geschäft benennen</translation>
    </message>
    <message>
        <source>Find: the next match</source>
        <translation>Suchen: nächster Treffer</translation>
    </message>
    <message>
        <source>Find: the previous match</source>
        <translation>Suchen: vorheriger Treffer</translation>
    </message>
    <message>
        <source>Find: close the find bar</source>
        <translation>Suchen: Suchleiste schließen</translation>
    </message>
    <message>
        <source>Item editor</source>
        <translation>Artikel bearbeiten</translation>
    </message>
    <message>
        <source>Prices: set the price at the selected shop</source>
        <translation>Preise: Preis im gewählten Geschäft festlegen</translation>
    </message>
    <message>
        <source>Prices: OK</source>
        <translation>Preise: OK</translation>
    </message>
    <message>
        <source>Move or Copy</source>
        <translation>Verschieben oder Kopieren</translation>
    </message>
    <message>
        <source>Price history</source>
        <translation>Preisverlauf</translation>
    </message>
    <message>
        <source>About Pantrova</source>
        <translation>Über Pantrova</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>es ist kein gültiges JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a Pantrova data file</source>
        <translation>es ist keine Pantrova-Datendatei</translation>
    </message>
    <message>
        <source>its format version is not %1</source>
        <translation>seine Formatversion ist nicht %1</translation>
    </message>
    <message>
        <source>it holds no values</source>
        <translation>es enthält keine Werte</translation>
    </message>
    <message>
        <source>%1 of its values are not text and were left out</source>
        <translation>%1 seiner Werte sind kein Text und wurden ausgelassen</translation>
    </message>
    <message>
        <source>the file was changed by someone else</source>
        <translation>die Datei wurde von jemand anderem geändert</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a link to &apos;%1&apos;, which does not exist</source>
        <translation>es ist ein Verweis auf „%1“, das es nicht gibt</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, pipe or socket)</source>
        <translation>es ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>es ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the disk took only %1 of %2 bytes</source>
        <translation>der Datenträger hat nur %1 von %2 Bytes aufgenommen</translation>
    </message>
    <message>
        <source>The item-key counter %1 is not a whole number.</source>
        <translation>Der Artikelschlüssel-Zähler %1 ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>List %1 claims %2 items, more than the file holds.</source>
        <translation>Liste %1 gibt %2 Artikel an, mehr als die Datei enthält.</translation>
    </message>
    <message>
        <source>Item %1 of list %2 has no name; it is shown as %3.</source>
        <translation>Artikel %1 der Liste %2 hat keinen Namen; er wird als %3 angezeigt.</translation>
    </message>
    <message>
        <source>Item %1 of list %2 has the tick mark %3, which is neither true nor false; it is shown unticked.</source>
        <translation>Artikel %1 der Liste %2 hat das Häkchen %3, das weder wahr noch falsch ist; er wird ohne Häkchen angezeigt.</translation>
    </message>
    <message>
        <source>Item %1 of list %2 has no usable item key; it gets a new one.</source>
        <translation>Artikel %1 der Liste %2 hat keinen brauchbaren Artikelschlüssel; er bekommt einen neuen.</translation>
    </message>
    <message>
        <source>Item %1 of list %2 shares the key %3 with another item; it gets a new key with a copy of the prices.</source>
        <translation>Artikel %1 der Liste %2 teilt den Schlüssel %3 mit einem anderen Artikel; er bekommt einen neuen Schlüssel mit einer Kopie der Preise.</translation>
    </message>
    <message>
        <source>List %1 has no usable item count (%2); the %3 items found in the file were loaded.</source>
        <translation>Liste %1 hat keine brauchbare Artikelanzahl (%2); die %3 in der Datei gefundenen Artikel wurden geladen.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>List %1 claims %2 items, but %3 of them are missing from the file.</source>
        <translation>Liste %1 gibt %2 Artikel an, aber %3 davon fehlen in der Datei.</translation>
    </message>
    <message>
        <source>The item-key counter %1 was below a key in use; it now starts at %2.</source>
        <translation>Der Artikelschlüssel-Zähler %1 lag unter einem verwendeten Schlüssel; er beginnt jetzt bei %2.</translation>
    </message>
    <message>
        <source>the data would take more than %1 MB, more than Pantrova can read back; nothing was written</source>
        <translation>die Daten bräuchten mehr als %1 MB, mehr als Pantrova wieder lesen kann; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>the file to be replaced could not be read (%1)</source>
        <translation>die zu ersetzende Datei konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the backup copy &apos;%1&apos; could not be written (%2); the data file is as it was</source>
        <translation>die Sicherungskopie „%1“ konnte nicht geschrieben werden (%2); die Datendatei ist unverändert</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place (%1)</source>
        <translation>die neue Datei konnte nicht an die Stelle der alten treten (%1)</translation>
    </message>
    <message>
        <source>the new file could not be written (%1)</source>
        <translation>die neue Datei konnte nicht geschrieben werden (%1)</translation>
    </message>
</context>
<context>
    <name>VarnetHost</name>
    <message>
        <source>the library made no Varnet object</source>
        <translation>die Bibliothek hat kein Varnet-Objekt erzeugt</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Pantrova opens no files: its data file is Pantrova.dat beside the program.
</source>
        <translation>Pantrova öffnet keine Dateien: Seine Datendatei ist Pantrova.dat neben dem Programm.
</translation>
    </message>
</context>
</TS>
