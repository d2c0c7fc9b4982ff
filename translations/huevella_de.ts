<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CodeMenu</name>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Copy %1 (ΔE %2)</source>
        <translation>%1 kopieren (ΔE %2)</translation>
    </message>
    <message>
        <source>Contrast %1 on white, %2 on black</source>
        <translation>Kontrast %1 auf Weiß, %2 auf Schwarz</translation>
    </message>
    <message>
        <source>APCA Lc %1 on white, %2 on black</source>
        <translation>APCA Lc %1 auf Weiß, %2 auf Schwarz</translation>
    </message>
    <message>
        <source>A Click Copies</source>
        <translation>Ein Klick kopiert</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Colour %1</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>Caption %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>Card colour %1</source>
        <translation>Kartenfarbe %1</translation>
    </message>
    <message>
        <source>Card caption %1</source>
        <translation>Kartencode %1</translation>
    </message>
    <message>
        <source>Card title</source>
        <translation>Kartentitel</translation>
    </message>
    <message>
        <source>Picker colour</source>
        <translation>Pipettenfarbe</translation>
    </message>
    <message>
        <source>Picker caption</source>
        <translation>Pipettencode</translation>
    </message>
    <message>
        <source>Picker message</source>
        <translation>Pipettenhinweis</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Hue slider</source>
        <translation>Farbtonregler</translation>
    </message>
    <message>
        <source>Saturation slider</source>
        <translation>Sättigungsregler</translation>
    </message>
    <message>
        <source>Luminance slider</source>
        <translation>Helligkeitsregler</translation>
    </message>
    <message>
        <source>Saturation palette</source>
        <translation>Sättigungsleiste</translation>
    </message>
    <message>
        <source>Luminance palette</source>
        <translation>Helligkeitsleiste</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Hex code</source>
        <translation>Hex-Code</translation>
    </message>
    <message>
        <source>Swatch</source>
        <translation>Farbfeld</translation>
    </message>
    <message>
        <source>Scheme %1 colour %2</source>
        <translation>Schema %1, Farbe %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Colour Picker</source>
        <translation>Farbwähler</translation>
    </message>
    <message>
        <source>Collect, adjust and keep colours with their hex codes</source>
        <translation>Farben mit ihren Hex-Codes sammeln, anpassen und aufbewahren</translation>
    </message>
    <message>
        <source>colour;color;picker;palette;eyedropper;hex;</source>
        <translation>Farbe;Farbwähler;Palette;Pipette;Hex;colour;color;picker;</translation>
    </message>
    <message>
        <source>Pick a Colour</source>
        <translation>Farbe aufnehmen</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Huevella</source>
        <translation>Huevella</translation>
    </message>
    <message>
        <source>Drag Eyedropper to Choose Color</source>
        <translation>Pipette ziehen, um eine Farbe zu wählen</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Collapse Cards</source>
        <translation>Karten einklappen</translation>
    </message>
    <message>
        <source>Clear Card</source>
        <translation>Karte leeren</translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation>Vorige Karte</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Nächste Karte</translation>
    </message>
    <message>
        <source>Color Palette</source>
        <translation>Farbpalette</translation>
    </message>
    <message>
        <source>Swatch Card</source>
        <translation>Farbkarte</translation>
    </message>
    <message>
        <source>Pick from Screen</source>
        <translation>Vom Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Preview Files</source>
        <translation>Dateien ansehen</translation>
    </message>
    <message>
        <source>To System Tray</source>
        <translation>In den Systembereich minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Huevella Files (*.hvz)|*.hvz</source>
        <translation>Huevella-Dateien (*.hvz)|*.hvz</translation>
    </message>
    <message>
        <source>Huevella File (*.hvz)|*.hvz</source>
        <translation>Huevella-Datei (*.hvz)|*.hvz</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)|*.gpl|Adobe Swatch Exchange (*.ase)|*.ase|CSS Custom Properties (*.css)|*.css|JSON (*.json)|*.json</source>
        <translation>GIMP-Palette (*.gpl)|*.gpl|Adobe Swatch Exchange (*.ase)|*.ase|CSS-Variablen (*.css)|*.css|JSON (*.json)|*.json</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)|*.gpl</source>
        <translation>GIMP-Palette (*.gpl)|*.gpl</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Right Click to Adjust Color</source>
        <translation>Rechtsklick, um die Farbe anzupassen</translation>
    </message>
    <message>
        <source>Add Card to Book</source>
        <translation>Karte ins Buch aufnehmen</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Click to Copy</source>
        <translation>Zum Kopieren klicken</translation>
    </message>
    <message>
        <source>Suggest Color Schemes</source>
        <translation>Farbschemata vorschlagen</translation>
    </message>
    <message>
        <source>Screen Picker</source>
        <translation>Bildschirmpipette</translation>
    </message>
    <message>
        <source>Suggested Color Schemes</source>
        <translation>Schema-Vorschläge</translation>
    </message>
    <message>
        <source>Space renames the card</source>
        <translation>Leertaste benennt die Karte um</translation>
    </message>
    <message>
        <source>Space picks: the arrow keys move, Enter takes the colour, Escape cancels</source>
        <translation>Leertaste startet die Pipette: Pfeiltasten bewegen, Eingabetaste nimmt die Farbe auf, Escape bricht ab</translation>
    </message>
    <message>
        <source>Space puts the colour taken here; the Menu key adjusts it</source>
        <translation>Leertaste legt die aufgenommene Farbe hierher; die Menütaste passt sie an</translation>
    </message>
    <message>
        <source>Enter copies the code; the Menu key lists its other forms</source>
        <translation>Eingabetaste kopiert den Code; die Menütaste zeigt seine anderen Formen</translation>
    </message>
    <message>
        <source>Pixels averaged: the keys 1, 3, 5 and 7 choose 1×1 to 7×7</source>
        <translation>Gemittelte Pixel: die Tasten 1, 3, 5 und 7 wählen 1×1 bis 7×7</translation>
    </message>
    <message>
        <source>Enlargement: the wheel, or + and -, changes it</source>
        <translation>Vergrößerung: mit dem Mausrad oder + und - ändern</translation>
    </message>
    <message>
        <source>Recent Colours</source>
        <translation>Zuletzt verwendete Farben</translation>
    </message>
</context>
<context>
    <name>FrozenScreen</name>
    <message>
        <source>Huevella: pick a colour</source>
        <translation>Huevella: Farbe aufnehmen</translation>
    </message>
</context>
<context>
    <name>Preview page</name>
    <message>
        <source>Huevella — preview book files</source>
        <translation>Huevella – Buchdateien ansehen</translation>
    </message>
    <message>
        <source>HUEVELLA · BOOK FILES</source>
        <translation>HUEVELLA · BUCHDATEIEN</translation>
    </message>
    <message>
        <source>Choose one or more &lt;code&gt;.hvz&lt;/code&gt; book files to see their cards. Click a code to copy it.</source>
        <translation>Wählen Sie eine oder mehrere &lt;code&gt;.hvz&lt;/code&gt;-Buchdateien, um ihre Karten zu sehen. Ein Klick auf einen Code kopiert ihn.</translation>
    </message>
    <message>
        <source>Choose books…</source>
        <translation>Bücher wählen…</translation>
    </message>
    <message>
        <source>Click to Copy</source>
        <translation>Zum Kopieren klicken</translation>
    </message>
    <message>
        <source>Contrast </source>
        <translation>Kontrast </translation>
    </message>
    <message>
        <source>Not a book file: </source>
        <translation>Keine Buchdatei: </translation>
    </message>
    <message>
        <source>the first line is not a card count</source>
        <translation>die erste Zeile ist keine Kartenzahl</translation>
    </message>
    <message>
        <source>card %1 is incomplete</source>
        <translation>Karte %1 ist unvollständig</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file holds binary data, not a book</source>
        <translation>die Datei enthält Binärdaten, kein Buch</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>a card count from 0 to 9 was expected</source>
        <translation>erwartet wurde eine Kartenzahl von 0 bis 9</translation>
    </message>
    <message>
        <source>the file ends before card %1 is complete</source>
        <translation>die Datei endet, bevor Karte %1 vollständig ist</translation>
    </message>
    <message>
        <source>a colour number was expected</source>
        <translation>erwartet wurde eine Farbnummer</translation>
    </message>
    <message>
        <source>the colour number is out of range</source>
        <translation>die Farbnummer liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>a colour code of at most 7 characters, or &quot;space&quot;, was expected</source>
        <translation>erwartet wurde ein Farbcode aus höchstens 7 Zeichen oder „space“</translation>
    </message>
    <message>
        <source>the file goes on after the last card</source>
        <translation>nach der letzten Karte folgt noch weiterer Inhalt</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB, too large to be a book</source>
        <translation>die Datei ist größer als 64 KiB, zu groß für ein Buch</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB, too large to be read</source>
        <translation>die Datei ist größer als %1 KiB, zu groß zum Lesen</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>another program is saving it; try again in a moment</source>
        <translation>ein anderes Programm speichert die Datei gerade; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>another program changed it meanwhile</source>
        <translation>ein anderes Programm hat die Datei inzwischen geändert</translation>
    </message>
    <message>
        <source>&quot;GIMP Palette&quot; was expected</source>
        <translation>erwartet wurde „GIMP Palette“</translation>
    </message>
    <message>
        <source>three channel numbers from 0 to 255 were expected</source>
        <translation>erwartet wurden drei Kanalwerte von 0 bis 255</translation>
    </message>
    <message>
        <source>the channel &apos;%1&apos; is out of range (0 to 255)</source>
        <translation>der Kanalwert „%1“ liegt außerhalb des Bereichs (0 bis 255)</translation>
    </message>
    <message>
        <source>the palette has no colours</source>
        <translation>die Palette enthält keine Farben</translation>
    </message>
    <message>
        <source>%1 colours, and a book holds %2: %3</source>
        <translation>%1 Farben, ein Buch fasst aber %2: %3</translation>
    </message>
    <message>
        <source>%1 colours, kept to their cards, need more than %2 cards: %3</source>
        <translation>%1 Farben brauchen, nach ihren Karten geordnet, mehr als %2 Karten: %3</translation>
    </message>
    <message>
        <source>the last colour is left out</source>
        <translation>die letzte Farbe wird ausgelassen</translation>
    </message>
    <message>
        <source>the last %1 colours are left out</source>
        <translation>die letzten %1 Farben werden ausgelassen</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>no space left on device</source>
        <translation>kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>read-only file system</source>
        <translation>Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>it is a link another user made, and is not followed</source>
        <translation>die Datei ist eine Verknüpfung, die ein anderer Benutzer angelegt hat; ihr wird nicht gefolgt</translation>
    </message>
    <message>
        <source>it was replaced by another file while it was being saved, and was not written</source>
        <translation>die Datei wurde während des Speicherns durch eine andere ersetzt und nicht geschrieben</translation>
    </message>
    <message>
        <source>the book as it was could not be kept first (%1)</source>
        <translation>das Buch konnte vorher nicht in seinem bisherigen Stand gesichert werden (%1)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>File &amp;name:</source>
        <translation>Datei&amp;name:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Dateien des Typs:</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Die Datei %1 existiert bereits.
Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Die Datei konnte nicht gefunden werden.
Stellen Sie sicher, dass der Dateiname richtig ist.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
</context>
<context>
    <name>Recent</name>
    <message>
        <source>Unreadable, set aside: %1</source>
        <translation>Unlesbar, beiseitegelegt: %1</translation>
    </message>
</context>
<context>
    <name>TfrmHuevella</name>
    <message>
        <source>No cards</source>
        <translation>Keine Karten</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
    <message>
        <source>Card cleared. %1</source>
        <translation>Karte geleert. %1</translation>
    </message>
    <message>
        <source>Card added. %1</source>
        <translation>Karte hinzugefügt. %1</translation>
    </message>
    <message>
        <source>The book could not be saved to &quot;%1&quot;: %2.

Nothing was lost: the book is still open.</source>
        <translation>Das Buch konnte nicht unter „%1“ gespeichert werden: %2.

Nichts ist verloren: Das Buch ist weiterhin geöffnet.</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Das Buch „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Save changes to huevella?</source>
        <translation>Änderungen an huevella speichern?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed by another program since it was opened or saved.

Do you want to replace it with this book? (No saves this book under another name.)</source>
        <translation>„%1“ wurde seit dem Öffnen oder Speichern von einem anderen Programm geändert.

Möchten Sie es durch dieses Buch ersetzen? („Nein“ speichert dieses Buch unter einem anderen Namen.)</translation>
    </message>
    <message>
        <source>%1 other books were asked for while Huevella was waiting for an answer; only the last one, &quot;%2&quot;, was taken.</source>
        <translation>Während Huevella auf eine Antwort wartete, wurden %1 weitere Bücher angefordert; nur das letzte, „%2“, wurde geöffnet.</translation>
    </message>
    <message>
        <source>An unsaved book was kept at &quot;%1&quot;, but it cannot be opened.</source>
        <translation>Ein ungespeichertes Buch wurde unter „%1“ aufbewahrt, kann aber nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>An unsaved book was kept at &quot;%1&quot;, but it cannot be opened: %2.</source>
        <translation>Ein ungespeichertes Buch wurde unter „%1“ aufbewahrt, kann aber nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>Huevella ended before an unnamed book (%1) was saved.

Recover the unsaved book?</source>
        <translation>Huevella wurde beendet, bevor ein unbenanntes Buch (%1) gespeichert war.

Das ungespeicherte Buch wiederherstellen?</translation>
    </message>
    <message>
        <source>Huevella ended before &quot;%1&quot; (%2) was saved.

Recover the unsaved book?</source>
        <translation>Huevella wurde beendet, bevor „%1“ (%2) gespeichert war.

Das ungespeicherte Buch wiederherstellen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the book that is open: the colours are not exported over it.

Choose another name.</source>
        <translation>„%1“ ist das geöffnete Buch: Die Farben werden nicht darüber exportiert.

Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.

Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden.

Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The colours could not be exported to &quot;%1&quot;: %2.

The book is as it was.</source>
        <translation>Die Farben konnten nicht nach „%1“ exportiert werden: %2.

Das Buch ist unverändert.</translation>
    </message>
    <message>
        <source>The palette &quot;%1&quot; cannot be imported: %2.</source>
        <translation>Die Palette „%1“ kann nicht importiert werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2.</source>
        <translation>„%1“ enthält %2.</translation>
    </message>
    <message>
        <source>Card %1 colour %2</source>
        <translation>Karte %1, Farbe %2</translation>
    </message>
    <message>
        <source>Card %1 title</source>
        <translation>Titel von Karte %1</translation>
    </message>
    <message>
        <source>Preview Files could not open the page &quot;%1&quot;: this desktop has no program to open it with. Open the page in your web browser.</source>
        <translation>„Dateien ansehen“ konnte die Seite „%1“ nicht öffnen: Auf dieser Arbeitsfläche gibt es kein Programm dafür. Öffnen Sie die Seite in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>Huevella</source>
        <translation>Huevella</translation>
    </message>
    <message>
        <source>1 other book was asked for while Huevella was waiting for an answer; only the last one, &quot;%1&quot;, was taken.</source>
        <translation>Während Huevella auf eine Antwort wartete, wurde 1 weiteres Buch angefordert; nur das letzte, „%1“, wurde geöffnet.</translation>
    </message>
    <message>
        <source>Huevella was stopped while saving %1: the book before that save was kept. Put it back?</source>
        <translation>Huevella wurde beim Speichern von %1 beendet: Das Buch vor diesem Speichern wurde aufbewahrt. Wiederherstellen?</translation>
    </message>
    <message>
        <source>%1 was put back as it was before the save.</source>
        <translation>%1 wurde so wiederhergestellt, wie es vor dem Speichern war.</translation>
    </message>
    <message>
        <source>%1 could not be put back: %2.</source>
        <translation>%1 konnte nicht wiederhergestellt werden: %2.</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>Saved, %1</source>
        <translation>Gespeichert, %1</translation>
    </message>
    <message>
        <source>No colours taken yet</source>
        <translation>Noch keine Farben aufgenommen</translation>
    </message>
</context>
<context>
    <name>TfrmMivoSlider</name>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Helligkeit</translation>
    </message>
</context>
<context>
    <name>TfrmScreenPicker</name>
    <message>
        <source>Asking the desktop for a picture of the screen…</source>
        <translation>Bildschirmfoto wird bei der Arbeitsfläche angefordert…</translation>
    </message>
    <message>
        <source>Asking…</source>
        <translation>Anfrage…</translation>
    </message>
    <message>
        <source>The desktop is asking whether Huevella may see the screen: answer it there</source>
        <translation>Die Arbeitsfläche fragt, ob Huevella den Bildschirm sehen darf: Bitte dort antworten</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>The desktop lets Huevella see the screen now: press the eyedropper again</source>
        <translation>Huevella darf den Bildschirm jetzt sehen: Klicken Sie erneut auf die Pipette</translation>
    </message>
    <message>
        <source>No picture of the screen here: click a colour with the desktop&apos;s own picker</source>
        <translation>Hier gibt es kein Bildschirmfoto: Klicken Sie eine Farbe mit der Pipette der Arbeitsfläche an</translation>
    </message>
    <message>
        <source>No magnifier here: the desktop&apos;s picker took this colour</source>
        <translation>Hier gibt es keine Lupe: Die Pipette der Arbeitsfläche hat diese Farbe aufgenommen</translation>
    </message>
    <message>
        <source>Can&apos;t read</source>
        <translation>Kein Zugriff</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen</source>
        <translation>Diese Arbeitsfläche lässt Programme den Bildschirm nicht lesen</translation>
    </message>
    <message>
        <source>The screenshot service failed: wlroots desktops (sway) need grim and slurp</source>
        <translation>Bildschirmfoto-Dienst fehlgeschlagen: wlroots (sway) braucht grim und slurp</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service failed</source>
        <translation>Der Bildschirmfoto-Dienst der Arbeitsfläche ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The desktop&apos;s picture of the screen was cancelled</source>
        <translation>Das Bildschirmfoto der Arbeitsfläche wurde abgebrochen</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>The desktop did not answer the request for a picture of the screen</source>
        <translation>Die Arbeitsfläche hat auf die Anfrage nach einem Bildschirmfoto nicht geantwortet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Taken, %1</source>
        <translation>Aufgenommen, %1</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Aufgenommene Farbe</translation>
    </message>
    <message>
        <source>Picked colour code</source>
        <translation>Code der aufgenommenen Farbe</translation>
    </message>
    <message>
        <source>The desktop&apos;s picker was cancelled</source>
        <translation>Die Pipette der Arbeitsfläche wurde abgebrochen</translation>
    </message>
    <message>
        <source>One pixel</source>
        <translation>Ein Pixel</translation>
    </message>
    <message>
        <source>Average of %1×%1 pixels</source>
        <translation>Mittelwert aus %1×%1 Pixeln</translation>
    </message>
    <message>
        <source>Enlarged %1 times</source>
        <translation>%1-fach vergrößert</translation>
    </message>
    <message>
        <source>%1, the average of the %2 pixels on the screen</source>
        <translation>%1, der Mittelwert der %2 Pixel auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Taken, %1, as card colour %2; picking goes on</source>
        <translation>Aufgenommen, %1, als Kartenfarbe %2; die Pipette bleibt aktiv</translation>
    </message>
    <message>
        <source>Done, taken: %1</source>
        <translation>Fertig, aufgenommen: %1</translation>
    </message>
</context>
<context>
    <name>TfrmSuggestSchemes</name>
    <message>
        <source>Schemes</source>
        <translation>Schemata</translation>
    </message>
</context>
<context>
    <name>TfrmSwatchCard</name>
    <message>
        <source>Only ten cards are permitted in each huevella.
 Do you wish to open a new book?</source>
        <translation>Ein Huevella-Buch fasst nur zehn Karten.
Möchten Sie ein neues Buch anlegen?</translation>
    </message>
</context>
</TS>
