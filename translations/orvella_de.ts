<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AutoStart</name>
    <message>
        <source>Could not read the auto-start entry %s: %s.</source>
        <translation>Der Autostart-Eintrag %s konnte nicht gelesen werden: %s.</translation>
    </message>
    <message>
        <source>Could not write the auto-start entry %s: %s. Orvella will not start when you log in.</source>
        <translation>Der Autostart-Eintrag %s konnte nicht geschrieben werden: %s. Orvella startet nicht bei der Anmeldung.</translation>
    </message>
    <message>
        <source>Could not remove the auto-start entry %s: %s. Orvella will still start when you log in.</source>
        <translation>Der Autostart-Eintrag %s konnte nicht entfernt werden: %s. Orvella startet weiterhin bei der Anmeldung.</translation>
    </message>
    <message>
        <source>Auto-start cannot be set for this folder name: %s. Desktop entries hold only UTF-8 text without control characters; move Orvella to a folder whose name is valid UTF-8 text.</source>
        <translation>Für diesen Ordnernamen lässt sich kein Autostart einrichten: %s. Desktop-Einträge enthalten nur UTF-8-Text ohne Steuerzeichen; verschieben Sie Orvella in einen Ordner, dessen Name gültiger UTF-8-Text ist.</translation>
    </message>
    <message>
        <source>it is not a desktop entry with an Exec line</source>
        <translation>es ist kein Desktop-Eintrag mit einer Exec-Zeile</translation>
    </message>
    <message>
        <source>its Exec line has a quote that is never closed</source>
        <translation>seine Exec-Zeile enthält ein Anführungszeichen, das nie geschlossen wird</translation>
    </message>
    <message>
        <source>%s is not a folder</source>
        <translation>%s ist kein Ordner</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>die Datei konnte nicht ersetzt werden</translation>
    </message>
</context>
<context>
    <name>Branding</name>
    <message>
        <source>
Patent Pending

Copyright © %s %s. All rights reserved.
Note: %s is a division of %s.</source>
        <translation>
Patent angemeldet

Copyright © %s %s. Alle Rechte vorbehalten.
Hinweis: %s ist ein Geschäftsbereich von %s.</translation>
    </message>
    <message>
        <source>%s Online Resource</source>
        <translation>%s Online-Ressourcen</translation>
    </message>
    <message>
        <source>Visit %s for more information</source>
        <translation>Mehr Informationen auf %s</translation>
    </message>
</context>
<context>
    <name>Colors</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsie</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>Geldgrün</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Creme</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>Mittelgrau</translation>
    </message>
    <message>
        <source>Active Border</source>
        <translation>Aktiver Rahmen</translation>
    </message>
    <message>
        <source>Active Caption</source>
        <translation>Aktive Titelleiste</translation>
    </message>
    <message>
        <source>Application Workspace</source>
        <translation>Anwendungshintergrund</translation>
    </message>
    <message>
        <source>Desktop Background</source>
        <translation>Desktop-Hintergrund</translation>
    </message>
    <message>
        <source>Button Face</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>Button Highlight</source>
        <translation>Schaltflächenlicht</translation>
    </message>
    <message>
        <source>Button Shadow</source>
        <translation>Schaltflächenschatten</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Schaltflächentext</translation>
    </message>
    <message>
        <source>Caption Text</source>
        <translation>Titelleistentext</translation>
    </message>
    <message>
        <source>Gradient Active Caption</source>
        <translation>Verlauf aktive Titelleiste</translation>
    </message>
    <message>
        <source>Gradient Inactive Caption</source>
        <translation>Verlauf inaktive Titelleiste</translation>
    </message>
    <message>
        <source>Gray Text</source>
        <translation>Grauer Text</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Highlight Text</source>
        <translation>Markierter Text</translation>
    </message>
    <message>
        <source>Hot Light</source>
        <translation>Hervorhebung</translation>
    </message>
    <message>
        <source>Inactive Border</source>
        <translation>Inaktiver Rahmen</translation>
    </message>
    <message>
        <source>Inactive Caption</source>
        <translation>Inaktive Titelleiste</translation>
    </message>
    <message>
        <source>Inactive Caption Text</source>
        <translation>Text inaktive Titelleiste</translation>
    </message>
    <message>
        <source>Tooltip Background</source>
        <translation>Tooltip-Hintergrund</translation>
    </message>
    <message>
        <source>Tooltip Text</source>
        <translation>Tooltip-Text</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Menu Highlight</source>
        <translation>Menümarkierung</translation>
    </message>
    <message>
        <source>Menu Text</source>
        <translation>Menütext</translation>
    </message>
    <message>
        <source>Scroll Bar</source>
        <translation>Bildlaufleiste</translation>
    </message>
    <message>
        <source>3-D Dark Shadow</source>
        <translation>3D-Dunkelschatten</translation>
    </message>
    <message>
        <source>3-D Light</source>
        <translation>3D-Licht</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Window Frame</source>
        <translation>Fensterrahmen</translation>
    </message>
    <message>
        <source>Window Text</source>
        <translation>Fenstertext</translation>
    </message>
</context>
<context>
    <name>DeleteListDialog</name>
    <message>
        <source>Delete Phrase List</source>
        <translation>Satzliste löschen</translation>
    </message>
    <message>
        <source>Lists of the category</source>
        <translation>Listen der Kategorie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>There is not enough memory to draw the phrase (%d x %d pixels).</source>
        <translation>Für das Zeichnen des Satzes reicht der Speicher nicht (%d × %d Pixel).</translation>
    </message>
    <message>
        <source>The phrase cannot be shown: the display font has no width (the letter &quot;M&quot; measures 0 pixels). Please choose another font or size on the Settings page.</source>
        <translation>Der Satz kann nicht angezeigt werden: Die Anzeigeschrift hat keine Breite (der Buchstabe „M“ ist 0 Pixel breit). Bitte wählen Sie auf der Seite Einstellungen eine andere Schriftart oder -größe.</translation>
    </message>
    <message>
        <source>Cannot blend a picture with a smaller one.</source>
        <translation>Ein Bild kann nicht mit einem kleineren überblendet werden.</translation>
    </message>
    <message>
        <source>There is not enough memory to blend the pictures.</source>
        <translation>Für das Überblenden der Bilder reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw the test message.</source>
        <translation>Für das Zeichnen der Testbotschaft reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>There is not enough memory to wipe the test message.</source>
        <translation>Für das Löschen der Testbotschaft reicht der Speicher nicht.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file</source>
        <translation>Es ist eine benannte Pipe, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>It is a device, not a regular file</source>
        <translation>Es ist ein Gerät, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file</source>
        <translation>Es ist ein Socket, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%s MB</source>
        <translation>%s MB</translation>
    </message>
    <message>
        <source>%s bytes</source>
        <translation>%s Byte</translation>
    </message>
    <message>
        <source>It is larger than %s, more than the program reads</source>
        <translation>Sie ist größer als %s, mehr als das Programm liest</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
</context>
<context>
    <name>FontNameDialog</name>
    <message>
        <source>Font Name</source>
        <translation>Schriftart</translation>
    </message>
</context>
<context>
    <name>FontPropertyDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Schriftart</translation>
    </message>
</context>
<context>
    <name>FontSizeDialog</name>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Orvella Help</source>
        <translation>Orvella-Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>There is no help text to print.</source>
        <translation>Es gibt keinen Hilfetext zum Drucken.</translation>
    </message>
    <message>
        <source>Printing could not start: no printer is installed. Add a printer in the desktop&apos;s printer settings and try again.</source>
        <translation>Der Druck konnte nicht beginnen: Es ist kein Drucker eingerichtet. Fügen Sie in den Druckereinstellungen der Arbeitsumgebung einen Drucker hinzu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The help could not be printed.</source>
        <translation>Die Hilfe konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>You must enter a name for the new list</source>
        <translation>Geben Sie einen Namen für die neue Liste ein</translation>
    </message>
    <message>
        <source>There is no category to create the list in. Make a category folder in &quot;%s&quot; first; each folder there is a category.</source>
        <translation>Es gibt keine Kategorie, in der die Liste entstehen kann. Legen Sie zuerst in „%s“ einen Kategorieordner an; jeder Ordner dort ist eine Kategorie.</translation>
    </message>
    <message>
        <source>The list &quot;%s&quot; already exists; its phrases are kept.</source>
        <translation>Die Liste „%s“ gibt es schon; ihre Sätze bleiben erhalten.</translation>
    </message>
    <message>
        <source>You must select a file for deletion</source>
        <translation>Wählen Sie die Datei aus, die gelöscht werden soll</translation>
    </message>
    <message>
        <source>Delete Phrase List</source>
        <translation>Satzliste löschen</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this list?</source>
        <translation>Möchten Sie diese Liste wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>&apos;%s&apos; is not a valid boolean value</source>
        <translation>„%s“ ist kein gültiger Wahrheitswert</translation>
    </message>
    <message>
        <source>The settings file &quot;%s&quot; holds %s in [%s] that cannot be read:</source>
        <translation>Die Einstellungsdatei „%s“ enthält %s in [%s], die sich nicht lesen lassen:</translation>
    </message>
    <message>
        <source>a tick</source>
        <translation>ein Häkchen</translation>
    </message>
    <message>
        <source>ticks</source>
        <translation>Häkchen</translation>
    </message>
    <message>
        <source>
&quot;%s=%s&quot;: &apos;%s&apos; is not a valid boolean value</source>
        <translation>
„%s=%s“: „%s“ ist kein gültiger Wahrheitswert</translation>
    </message>
    <message>
        <source>
The line is left out, and removed the next time the ticks are saved.</source>
        <translation>
Die Zeile wird übergangen und beim nächsten Speichern der Häkchen entfernt.</translation>
    </message>
    <message>
        <source>
The lines are left out, and removed the next time the ticks are saved.</source>
        <translation>
Die Zeilen werden übergangen und beim nächsten Speichern der Häkchen entfernt.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;. %s.
The list &quot;%s&quot; is left out of the phrases shown.</source>
        <translation>Die Datei „%s“ kann nicht geöffnet werden. %s.
Die Liste „%s“ wird bei den angezeigten Sätzen übergangen.</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-16 text</source>
        <translation>sie enthält Bytes, die kein UTF-16-Text sind</translation>
    </message>
    <message>
        <source>it holds a NUL character, and what follows it is not shown</source>
        <translation>sie enthält ein NUL-Zeichen, und was darauf folgt, wird nicht angezeigt</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Der Text ist zu groß für das Textfeld</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>Die Datei „%s“ kann nicht geöffnet werden. %s</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>Die Datei „%s“ kann nicht angelegt werden. %s</translation>
    </message>
    <message>
        <source>The name cannot be used: it contains a NUL character.</source>
        <translation>Der Name ist nicht verwendbar: Er enthält ein NUL-Zeichen.</translation>
    </message>
    <message>
        <source>The name %s cannot be used: a list name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Der Name %s ist nicht verwendbar: Ein Listenname darf weder „/“ noch „\“ enthalten.</translation>
    </message>
    <message>
        <source>The name cannot be used: a list name cannot contain line breaks, tabs or other control characters.</source>
        <translation>Der Name ist nicht verwendbar: Ein Listenname darf keine Zeilenumbrüche, Tabulatoren oder anderen Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The name %s cannot be used: a list name cannot start with a blank.</source>
        <translation>Der Name %s ist nicht verwendbar: Ein Listenname darf nicht mit einem Leerzeichen beginnen.</translation>
    </message>
    <message>
        <source>The name %s cannot be used: &quot;.&quot; and &quot;..&quot; name folders, not lists.</source>
        <translation>Der Name %s ist nicht verwendbar: „.“ und „..“ bezeichnen Ordner, keine Listen.</translation>
    </message>
    <message>
        <source>The name cannot be used: it is longer than the file system allows (%d bytes with &quot;.txt&quot;).</source>
        <translation>Der Name ist nicht verwendbar: Er ist länger, als das Dateisystem erlaubt (%d Byte mit „.txt“).</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%s&quot;. %s</source>
        <translation>Die Datei „%s“ kann nicht gelöscht werden. %s</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The selected messages have changed.<byte value="xd"/>
Do you wish to save the changes?</source>
        <translation>Die ausgewählten Botschaften wurden geändert.<byte value="xd"/>
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Botschaften</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Pause Messages</source>
        <translation>Botschaften anhalten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Newsletter</source>
        <translation>Newsletter</translation>
    </message>
    <message>
        <source>Resources</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Additional Subliminal Messages</source>
        <translation>Mehr Botschaften</translation>
    </message>
    <message>
        <source>No notification area was found on this desktop, so Orvella shows its window instead. Minimize the window and the phrases flash; closing it ends Orvella.</source>
        <translation>Auf dieser Arbeitsfläche gibt es keinen Benachrichtigungsbereich, darum zeigt Orvella stattdessen sein Fenster. Minimieren Sie das Fenster, dann erscheinen die Sätze; wenn Sie es schließen, wird Orvella beendet.</translation>
    </message>
    <message>
        <source>Phrases flash while this window is minimized.</source>
        <translation>Die Sätze erscheinen, solange dieses Fenster minimiert ist.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Pause Messages</source>
        <translation>Botschaften an&amp;halten</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>No phrase list has been ticked to be displayed. Orvella has ticked the first list.</source>
        <translation>Es ist keine Satzliste zur Anzeige angehakt. Orvella hat die erste Liste angehakt.</translation>
    </message>
    <message>
        <source>The settings have changed.<byte value="xd"/>
Do you wish to save the changes?</source>
        <translation>Die Einstellungen wurden geändert.<byte value="xd"/>
Möchten Sie die Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MessagesPage</name>
    <message>
        <source>Subliminal Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Subliminal Category Files</source>
        <translation>Dateien der Kategorie</translation>
    </message>
    <message>
        <source>Create New Subliminal File</source>
        <translation>Neue Datei anlegen</translation>
    </message>
    <message>
        <source>Delete Subliminal File</source>
        <translation>Datei löschen</translation>
    </message>
    <message>
        <source>Subliminal Messages Editor for:  </source>
        <translation>Botschaften bearbeiten für:  </translation>
    </message>
    <message>
        <source>Subliminal Messages Editor</source>
        <translation>Botschaften bearbeiten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>
Orvella shows the first list&apos;s phrases and leaves the settings file as it is.</source>
        <translation>
Orvella zeigt die Sätze der ersten Liste und lässt die Einstellungsdatei unverändert.</translation>
    </message>
    <message>
        <source>Warning - no categories found</source>
        <translation>Warnung – keine Kategorien gefunden</translation>
    </message>
    <message>
        <source>The category &quot;%s&quot; is no longer in the library folder &quot;%s&quot;. Orvella shows the category &quot;%s&quot;.</source>
        <translation>Die Kategorie „%s“ ist nicht mehr im Bibliotheksordner „%s“. Orvella zeigt die Kategorie „%s“.</translation>
    </message>
    <message>
        <source>The tick of %s cannot be recorded in the settings file: the list&apos;s name begins with a blank or holds a line break. The other ticks were recorded; rename the file to keep its tick.</source>
        <translation>Das Häkchen von %s lässt sich nicht in der Einstellungsdatei festhalten: Der Name der Liste beginnt mit einem Leerzeichen oder enthält einen Zeilenumbruch. Die übrigen Häkchen wurden festgehalten; benennen Sie die Datei um, damit ihr Häkchen erhalten bleibt.</translation>
    </message>
    <message>
        <source>The list &quot;%s&quot; cannot be saved from the editor: %s.</source>
        <translation>Die Liste „%s“ kann nicht aus dem Editor gespeichert werden: %s.</translation>
    </message>
    <message>
        <source>The list &quot;%s&quot; was changed by another program after it was opened here.<byte value="xd"/>
Do you wish to overwrite it with the text in the editor?<byte value="xd"/>
(No loads the list as it is now; the text in the editor is not saved.)</source>
        <translation>Die Liste „%s“ wurde von einem anderen Programm geändert, nachdem sie hier geöffnet wurde.<byte value="xd"/>
Möchten Sie sie mit dem Text im Editor überschreiben?<byte value="xd"/>
(Nein lädt die Liste in ihrem jetzigen Stand; der Text im Editor wird nicht gespeichert.)</translation>
    </message>
    <message>
        <source> (read-only: %1)</source>
        <translation> (schreibgeschützt: %1)</translation>
    </message>
    <message>
        <source>You must select a list to save the messages to</source>
        <translation>Wählen Sie die Liste aus, in der die Botschaften gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Messages Saved Successfully</source>
        <translation>Botschaften gespeichert</translation>
    </message>
    <message>
        <source>You must select a list to print the messages</source>
        <translation>Wählen Sie die Liste aus, deren Botschaften gedruckt werden sollen</translation>
    </message>
    <message>
        <source>The list could not be printed on &quot;%s&quot;.</source>
        <translation>Die Liste konnte nicht auf „%s“ gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>NewListDialog</name>
    <message>
        <source>New Phrase List</source>
        <translation>Neue Satzliste</translation>
    </message>
    <message>
        <source>Type in the name of the file you would like to create.</source>
        <translation>Geben Sie den Namen der neuen Datei ein.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Paths</name>
    <message>
        <source>Orvella cannot create the folder %s for your files: %s</source>
        <translation>Orvella kann den Ordner %s für Ihre Dateien nicht anlegen: %s</translation>
    </message>
    <message>
        <source>Orvella cannot create the folder %s for your phrase lists: %s</source>
        <translation>Orvella kann den Ordner %s für Ihre Satzlisten nicht anlegen: %s</translation>
    </message>
    <message>
        <source>Orvella could not copy the starter phrase lists into %s:<byte value="xd"/>
%s</source>
        <translation>Orvella konnte die mitgelieferten Satzlisten nicht nach %s kopieren:<byte value="xd"/>
%s</translation>
    </message>
</context>
<context>
    <name>PhrasePreview</name>
    <message>
        <source>Test Message</source>
        <translation>Testbotschaft</translation>
    </message>
    <message>
        <source>Test message preview</source>
        <translation>Vorschau der Testbotschaft</translation>
    </message>
    <message>
        <source>Test message</source>
        <translation>Testbotschaft</translation>
    </message>
</context>
<context>
    <name>PhraseWindow</name>
    <message>
        <source>Phrase</source>
        <translation>Satz</translation>
    </message>
</context>
<context>
    <name>ProductPages</name>
    <message>
        <source>Sign up for our free e-mail newsletter</source>
        <translation>Abonnieren Sie unseren kostenlosen E-Mail-Newsletter</translation>
    </message>
    <message>
        <source>Each issue brings &lt;b&gt;new phrase lists&lt;/b&gt;, ideas for using affirmations in your day and news about updates.&lt;br&gt;It is &lt;i&gt;free&lt;/i&gt; and comes about once a month.</source>
        <translation>Jede Ausgabe bringt &lt;b&gt;neue Satzlisten&lt;/b&gt;, Ideen für Affirmationen im Alltag und Neuigkeiten zu Updates.&lt;br&gt;Er ist &lt;i&gt;kostenlos&lt;/i&gt; und erscheint etwa einmal im Monat.</translation>
    </message>
    <message>
        <source>Subscribing takes a minute and happens &lt;b&gt;online&lt;/b&gt;: click the button below and fill in the form on our web page.&lt;br&gt;An Internet connection is required.</source>
        <translation>Das Abonnieren dauert eine Minute und geschieht &lt;b&gt;online&lt;/b&gt;: Klicken Sie unten auf die Schaltfläche und füllen Sie das Formular auf unserer Webseite aus.&lt;br&gt;Dazu ist eine Internetverbindung nötig.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your privacy matters.&lt;/b&gt; We never share, sell or rent your e-mail address, and every issue tells you how to unsubscribe.</source>
        <translation>&lt;b&gt;Ihre Privatsphäre ist uns wichtig.&lt;/b&gt; Wir geben Ihre E-Mail-Adresse nie weiter, verkaufen oder vermieten sie nicht, und jede Ausgabe sagt Ihnen, wie Sie sich abmelden.</translation>
    </message>
    <message>
        <source>Our online resource page gathers more phrase lists, articles about affirmations and guides to getting the most out of the program. It is updated regularly, so come back often.

Click &quot;Online Resources&quot; to open it in your web browser. An Internet connection is required.</source>
        <translation>Auf unserer Online-Seite finden Sie weitere Satzlisten, Artikel über Affirmationen und Anleitungen, wie Sie das Programm am besten nutzen. Sie wird regelmäßig ergänzt, schauen Sie also öfter vorbei.

Klicken Sie auf „Online-Ressourcen“, um sie im Webbrowser zu öffnen. Dazu ist eine Internetverbindung nötig.</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or any part of it, may result in civil and criminal penalties.</source>
        <translation>Warnung: Dieses Computerprogramm ist durch Urheberrecht und internationale Verträge geschützt. Unerlaubtes Kopieren oder Verbreiten dieses Programms oder eines Teils davon kann zivil- und strafrechtlich verfolgt werden.</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>YES! Please Subscribe Me</source>
        <translation>JA! Bitte abonnieren</translation>
    </message>
    <message>
        <source>Online Resources</source>
        <translation>Online-Ressourcen</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The section name &quot;%s&quot; cannot be stored in the settings file.</source>
        <translation>Der Abschnittsname „%s“ lässt sich nicht in der Einstellungsdatei speichern.</translation>
    </message>
    <message>
        <source>The key name &quot;%s&quot; cannot be stored in the settings file.</source>
        <translation>Der Schlüsselname „%s“ lässt sich nicht in der Einstellungsdatei speichern.</translation>
    </message>
    <message>
        <source>The value of &quot;%s&quot; cannot be stored in the settings file: it holds a line break.</source>
        <translation>Der Wert von „%s“ lässt sich nicht in der Einstellungsdatei speichern: Er enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Cannot read the settings file &quot;%s&quot;: %s.</source>
        <translation>Die Einstellungsdatei „%s“ kann nicht gelesen werden: %s.</translation>
    </message>
    <message>
        <source>Cannot write the settings file &quot;%s&quot;: %s.</source>
        <translation>Die Einstellungsdatei „%s“ kann nicht geschrieben werden: %s.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Side logo</source>
        <translation>Seitenlogo</translation>
    </message>
    <message>
        <source>Time and Delays</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Show message for</source>
        <translation>Anzeigen für</translation>
    </message>
    <message>
        <source>Length of time a phrase is shown</source>
        <translation>Wie lange ein Satz zu sehen ist</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisek.</translation>
    </message>
    <message>
        <source>Show message every</source>
        <translation>Anzeigen alle</translation>
    </message>
    <message>
        <source>Time between showing phrases</source>
        <translation>Zeit zwischen zwei Sätzen</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>On Start-up</source>
        <translation>Beim Start</translation>
    </message>
    <message>
        <source>Start Orvella when I log in</source>
        <translation>Orvella bei Anmeldung starten</translation>
    </message>
    <message>
        <source>Pause messages</source>
        <translation>Botschaften anhalten</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Random - Full Screen</source>
        <translation>Zufällig – ganzer Bildschirm</translation>
    </message>
    <message>
        <source>Centered - Full Screen</source>
        <translation>Zentriert – ganzer Bildschirm</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Transparency of shown phrase</source>
        <translation>Transparenz des angezeigten Satzes</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font sample</source>
        <translation>Schriftprobe</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The settings were not saved. </source>
        <translation>Die Einstellungen wurden nicht gespeichert. </translation>
    </message>
    <message>
        <source>Settings Saved Successfully</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>%1 loading...</source>
        <translation>%1 wird geladen …</translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>This page has no web address set up: &quot;%s&quot;.</source>
        <translation>Für diese Seite ist keine Webadresse eingerichtet: „%s“.</translation>
    </message>
    <message>
        <source>No web browser could be started for %s.</source>
        <translation>Für %s konnte kein Webbrowser gestartet werden.</translation>
    </message>
</context>
</TS>
