<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ConvertFailure</name>
    <message>
        <source>the conversion failed (result %1)</source>
        <translation>Die Konvertierung ist fehlgeschlagen (Ergebnis %1)</translation>
    </message>
    <message>
        <source>no output folder is set</source>
        <translation>Es ist kein Ausgabeordner festgelegt</translation>
    </message>
    <message>
        <source>the output folder&apos;s path is too long for the engines: choose a shorter one</source>
        <translation>Der Pfad des Ausgabeordners ist für die Engines zu lang: Wählen Sie einen kürzeren</translation>
    </message>
    <message>
        <source>the media file %1 does not exist any more</source>
        <translation>Die Mediendatei %1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>a member of the file group is not a media file</source>
        <translation>Ein Element der Dateigruppe ist keine Mediendatei</translation>
    </message>
    <message>
        <source>no file can be made in the temporary folder</source>
        <translation>Im temporären Ordner kann keine Datei angelegt werden</translation>
    </message>
    <message>
        <source>the DVD&apos;s data is damaged: %1</source>
        <translation>Die Daten der DVD sind beschädigt: %1</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged</source>
        <translation>Die Verwaltungsdaten der DVD zu Titel %1 in %2 sind beschädigt</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged</source>
        <translation>Die Verwaltungsdaten der DVD in %1 sind beschädigt</translation>
    </message>
    <message>
        <source>the %1 engine stopped answering (no progress for %2 s) and was ended</source>
        <translation>Die Engine %1 reagiert nicht mehr (seit %2 s kein Fortschritt) und wurde beendet</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free</source>
        <translation>Auf dem Datenträger von %1 war während des Durchgangs kein Platz mehr: Die Ausgabe braucht etwa %2, frei sind %3</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free</source>
        <translation>Auf dem Datenträger von %1 war während des Durchgangs kein Platz mehr: Die Ausgabe braucht mehr als die freien %2</translation>
    </message>
    <message>
        <source>the %1 engine failed: %2</source>
        <translation>Die Engine %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the %1 engine failed (result %2)</source>
        <translation>Die Engine %1 ist fehlgeschlagen (Ergebnis %2)</translation>
    </message>
    <message>
        <source>the %1 engine cannot be used</source>
        <translation>Die Engine %1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>the output is not whole: %1</source>
        <translation>Die Ausgabe ist nicht vollständig: %1</translation>
    </message>
    <message>
        <source>the output lasts %1 s where %2 s were expected: the source may be cut short</source>
        <translation>Die Ausgabe dauert %1 s statt der erwarteten %2 s: Die Quelle ist womöglich abgeschnitten</translation>
    </message>
    <message>
        <source>the profile %1 cannot be used: %2</source>
        <translation>Das Profil %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the engine cannot take the argument vector the profile makes</source>
        <translation>Die Engine kann den Argumentvektor des Profils nicht verarbeiten</translation>
    </message>
    <message>
        <source>the output file name %1 is %2 bytes long; file systems take %3 at most</source>
        <translation>Der Name der Ausgabedatei %1 ist %2 Byte lang; Dateisysteme erlauben höchstens %3</translation>
    </message>
    <message>
        <source>the output path %1 is too long for the engines</source>
        <translation>Der Ausgabepfad %1 ist für die Engines zu lang</translation>
    </message>
    <message>
        <source>the slideshow was not made: %1</source>
        <translation>Die Diashow wurde nicht erstellt: %1</translation>
    </message>
    <message>
        <source>the image-to-video engine made no movie</source>
        <translation>Die Engine image-to-video hat keinen Film erzeugt</translation>
    </message>
    <message>
        <source>the rendered slideshow holds no video</source>
        <translation>Die erstellte Diashow enthält kein Video</translation>
    </message>
    <message>
        <source>the selected titles cannot be joined</source>
        <translation>Die ausgewählten Titel können nicht zusammengefügt werden</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged, and %3</source>
        <translation>Die Verwaltungsdaten der DVD zu Titel %1 in %2 sind beschädigt. %3</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged, and %2</source>
        <translation>Die Verwaltungsdaten der DVD in %1 sind beschädigt. %2</translation>
    </message>
    <message>
        <source>the %1 engine stopped: %2 reached the file-size limit (ulimit -f)</source>
        <translation>Die Engine %1 wurde angehalten: %2 hat die Dateigrößenbeschränkung (ulimit -f) erreicht</translation>
    </message>
    <message>
        <source>the %1 engine crashed: %2 ended with %3</source>
        <translation>Die Engine %1 ist abgestürzt: %2 endete mit %3</translation>
    </message>
    <message>
        <source>the %1 engine was killed: %2 ended with SIGKILL</source>
        <translation>Die Engine %1 wurde abgebrochen: %2 endete mit SIGKILL</translation>
    </message>
    <message>
        <source>the %1 engine was ended by a signal: %2 ended with %3</source>
        <translation>Die Engine %1 wurde durch ein Signal beendet: %2 endete mit %3</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder</source>
        <translation>Der Name „%1“ in %2 ist kein UTF-8-Text, daher kann nichts in den Ausgabeordner geschrieben werden: Benennen Sie ihn um oder wählen Sie einen anderen Ausgabeordner</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so the source cannot be read: rename it</source>
        <translation>Der Name „%1“ in %2 ist kein UTF-8-Text, daher kann die Quelle nicht gelesen werden: Benennen Sie ihn um</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a source that was not loaded, and why</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DNCellProfileImageView</name>
    <message>
        <source>Output Profile</source>
        <translation>Ausgabeprofil</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
</context>
<context>
    <name>DNCellToolbar</name>
    <message>
        <source>Media Information</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>DNDVDNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Spur %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Erzwungene Untertitel</translation>
    </message>
</context>
<context>
    <name>DNDVDRootCell</name>
    <message>
        <source>Merge titles:</source>
        <translation>Titel zusammenfügen:</translation>
    </message>
    <message>
        <source>Target: </source>
        <translation>Ziel: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Ausgabedatei:</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Output Profile</source>
        <translation>Ausgabeprofil</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>Target File Name</source>
        <translation>Name der Ausgabedatei</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Kein Profil</translation>
    </message>
    <message>
        <source>None</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Main title detected: </source>
        <translation>Erkannter Haupttitel: </translation>
    </message>
    <message>
        <source>Titles ready to rip: </source>
        <translation>Titel zum Rippen: </translation>
    </message>
    <message>
        <source>No Title</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Zielformat: </translation>
    </message>
    <message>
        <source>Edit tags</source>
        <translation>Tags bearbeiten</translation>
    </message>
</context>
<context>
    <name>DNDVDTitleCell</name>
    <message>
        <source>title %1</source>
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Audio Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trimmen</translation>
    </message>
    <message>
        <source>Crop &amp; Expand</source>
        <translation>Zuschneiden &amp; Erweitern</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Spur %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Erzwungene Untertitel</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Untertitel laden …</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Untertitel aus</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Keine Untertitel</translation>
    </message>
</context>
<context>
    <name>DNEffectsView</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderController</name>
    <message>
        <source>Video files (%1)</source>
        <translation>Videodateien (%1)</translation>
    </message>
    <message>
        <source>Load Photo Failed!</source>
        <translation>Fotos konnten nicht geladen werden!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some files were not added</source>
        <translation>Einige Dateien wurden nicht hinzugefügt</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Diese Dateien konnten nicht hinzugefügt werden:</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderSheet</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Loading Photos</source>
        <translation>Fotos werden geladen</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>%1 wird geladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DNFileNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Spur %1 [%2]</translation>
    </message>
</context>
<context>
    <name>DNGroupCell</name>
    <message>
        <source>Output file:</source>
        <translation>Ausgabedatei:</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Zielformat: </translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Kein Profil</translation>
    </message>
</context>
<context>
    <name>DNImageEditor</name>
    <message>
        <source>Add Photo Folder</source>
        <translation>Fotoordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove this music</source>
        <translation>Diese Musik entfernen</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.m4a)</source>
        <translation>Musik (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diashow</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>Vorschau abspielen</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Übergänge</translation>
    </message>
    <message>
        <source>Fitted to the music</source>
        <translation>An die Musik angepasst</translation>
    </message>
    <message>
        <source>Seconds per photo:</source>
        <translation>Sekunden pro Foto:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Musik:</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>Alle Ordner</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen …</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>GPS-Position</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>Sortieren nach:</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Add Music...</source>
        <translation>Musik hinzufügen …</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>DNMajorTableViewController</name>
    <message>
        <source>Frequently Used Profile</source>
        <translation>Häufig verwendete Profile</translation>
    </message>
    <message>
        <source>DVD Backup Profile</source>
        <translation>Profile für DVD-Sicherungen</translation>
    </message>
    <message>
        <source>Mobile Video Profile</source>
        <translation>Profile für Mobilgeräte</translation>
    </message>
    <message>
        <source>Web Video Profile</source>
        <translation>Profile für Webvideos</translation>
    </message>
    <message>
        <source>Common Video Profile</source>
        <translation>Allgemeine Videoprofile</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Kein Profil ausgewählt</translation>
    </message>
</context>
<context>
    <name>DNNodeTagController</name>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>Ausgabename:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>Auf alle anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>DNProfile</name>
    <message>
        <source>keep origin</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>original audio</source>
        <translation>Originalton</translation>
    </message>
    <message>
        <source>Codec: %@+%@ , Resolution: %@</source>
        <translation>Codec: %@+%@, Auflösung: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@</source>
        <translation>Codec: %@, Bitrate: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@kbps</source>
        <translation>Codec: %@, Bitrate: %@ kbit/s</translation>
    </message>
</context>
<context>
    <name>DNProfileManager</name>
    <message>
        <source>%@ is damaged!</source>
        <translation>%@ ist beschädigt!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and can’t be opened. Please delete &quot;%1&quot; and download it again from the official website!</source>
        <translation>„%1“ ist beschädigt und kann nicht geöffnet werden. Bitte löschen Sie „%1“ und laden Sie es erneut von der offiziellen Website herunter!</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Jetzt herunterladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DNProfilePreviewTableViewController</name>
    <message>
        <source>%1 Profile Selected</source>
        <translation>Profil „%1“ ausgewählt</translation>
    </message>
</context>
<context>
    <name>DNRootCell</name>
    <message>
        <source>Target format: </source>
        <translation>Zielformat: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Ausgabedatei:</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Spur %1 [%2]</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Untertitel laden …</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Untertitel aus</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Keine Untertitel</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Kein Profil</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Untertitel (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
</context>
<context>
    <name>DNRootPhotoCell</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 Fotos</translation>
    </message>
</context>
<context>
    <name>DNSRWindowController</name>
    <message>
        <source> - Screen Recorder</source>
        <translation> – Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>Crop Region</source>
        <translation>Aufnahmebereich wählen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session runs on Wayland.</source>
        <translation>Nur X11-Sitzungen können aufgenommen werden; diese Sitzung läuft unter Wayland.</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session has no X display.</source>
        <translation>Nur X11-Sitzungen können aufgenommen werden; diese Sitzung hat kein X-Display.</translation>
    </message>
    <message>
        <source>Screen Record Unavailable!</source>
        <translation>Bildschirmaufnahme nicht verfügbar!</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>Die Aufnahme konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Bitte beenden Sie die Aufnahme, bevor Sie den Rekorder schließen.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>320x240</source>
        <translation>320x240</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>The live picture of the screen cannot be shown here.</source>
        <translation>Das Live-Bild des Bildschirms kann hier nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>DNStatusItem</name>
    <message>
        <source>Stop Recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
</context>
<context>
    <name>DNUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1...</source>
        <translation>Suche nach einer neueren Version von %1 …</translation>
    </message>
    <message>
        <source>Check for a new version on the download page</source>
        <translation>Auf der Downloadseite nach einer neuen Version suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 Update Wizard</source>
        <translation>%1 – Update-Assistent</translation>
    </message>
</context>
<context>
    <name>DNUpdateViewController</name>
    <message>
        <source>The version %1 of this application is now available--you have %2.</source>
        <translation>Version %1 dieses Programms ist jetzt verfügbar – Sie haben %2.</translation>
    </message>
    <message>
        <source>A new version of this application is available; would you like to visit the web site?</source>
        <translation>Eine neue Version dieses Programms ist verfügbar. Möchten Sie die Website besuchen?</translation>
    </message>
    <message>
        <source>You already have the latest version of this application.</source>
        <translation>Sie haben bereits die neueste Version dieses Programms.</translation>
    </message>
</context>
<context>
    <name>DNUpgradeController</name>
    <message>
        <source>No update service is set, so this copy cannot look for new versions.</source>
        <translation>Es ist kein Update-Dienst eingestellt, daher kann diese Installation nicht nach neuen Versionen suchen.</translation>
    </message>
    <message>
        <source>The update service has no information about new versions.</source>
        <translation>Der Update-Dienst hat keine Informationen über neue Versionen.</translation>
    </message>
    <message>
        <source>The update service answered with information that cannot be read.</source>
        <translation>Die Antwort des Update-Dienstes kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot reach the update service. Check the network connection and try again.</source>
        <translation>Der Update-Dienst ist nicht erreichbar. Prüfen Sie die Netzwerkverbindung und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>DNVideoEditorController</name>
    <message>
        <source>No Subtitle</source>
        <translation>Keine Untertitel</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Choose a Subtitle File</source>
        <translation>Untertiteldatei auswählen</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Untertitel (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
    <message>
        <source>Choose a Watermark Picture</source>
        <translation>Bild für das Wasserzeichen auswählen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Edit Video</source>
        <translation>Video bearbeiten</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Wiedergabe oder Pause</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trimmen</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>Auf alle anwenden</translation>
    </message>
    <message>
        <source>Give these edits to every DVD title in the list</source>
        <translation>Diese Bearbeitungen auf jeden DVD-Titel der Liste anwenden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>Fill the profile&apos;s picture size with black bands</source>
        <translation>Bildgröße des Profils mit schwarzen Balken auffüllen</translation>
    </message>
    <message>
        <source>Profile picture size:</source>
        <translation>Bildgröße des Profils:</translation>
    </message>
    <message>
        <source>Unknown until it plays</source>
        <translation>Erst bei der Wiedergabe bekannt</translation>
    </message>
    <message>
        <source>Source picture size:</source>
        <translation>Bildgröße der Quelle:</translation>
    </message>
    <message>
        <source>Keep the part between the start and the end; drag the slider&apos;s limit knobs or type the times.</source>
        <translation>Nur der Teil zwischen Beginn und Ende bleibt erhalten; ziehen Sie die Randmarken des Schiebereglers oder geben Sie die Zeiten ein.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Drag the box over the original picture, or choose a preset.</source>
        <translation>Ziehen Sie den Rahmen über dem Originalbild oder wählen Sie eine Vorgabe.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Vorgabe:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Um 90° drehen</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn clockwise</source>
        <translation>Bild um eine Vierteldrehung im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Bild horizontal spiegeln</translation>
    </message>
    <message>
        <source>Lay a picture or a text over the video; drag its box over the preview.</source>
        <translation>Legt ein Bild oder einen Text über das Video; ziehen Sie seinen Rahmen in der Vorschau.</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>The text to show</source>
        <translation>Anzuzeigender Text</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schrift …</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparenz:</translation>
    </message>
    <message>
        <source>Colour the picture.</source>
        <translation>Versieht das Bild mit einem Farbeffekt.</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Burn a subtitle stream or a subtitle file into the picture.</source>
        <translation>Brennt eine Untertitelspur oder eine Untertiteldatei ins Bild ein.</translation>
    </message>
    <message>
        <source>Subtitle stream:</source>
        <translation>Untertitelspur:</translation>
    </message>
    <message>
        <source>Subtitle file:</source>
        <translation>Untertiteldatei:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>Untertitelsprache</translation>
    </message>
    <message>
        <source>Which language is the subtitle file in?</source>
        <translation>In welcher Sprache ist die Untertiteldatei?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text Colour...</source>
        <translation>Textfarbe …</translation>
    </message>
</context>
<context>
    <name>DNWindowSelectView</name>
    <message>
        <source>Start Recording</source>
        <translation>Aufnahme starten</translation>
    </message>
</context>
<context>
    <name>DNYTBUpdateController</name>
    <message>
        <source>The version %1 of %2 is now available--you have %3.
</source>
        <translation>Version %1 von %2 ist jetzt verfügbar – Sie haben %3.
</translation>
    </message>
    <message>
        <source>New version is available for this application. We recommend that you upgrade to the latest version with optimized functionality.</source>
        <translation>Für dieses Programm ist eine neue Version verfügbar. Wir empfehlen das Upgrade auf die neueste, verbesserte Version.</translation>
    </message>
    <message>
        <source>%1 %2 is the latest version. There is nothing to update.</source>
        <translation>%1 %2 ist die neueste Version. Es gibt nichts zu aktualisieren.</translation>
    </message>
</context>
<context>
    <name>NXAboutInfoController</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NXAppController</name>
    <message>
        <source>No video source!</source>
        <translation>Keine Videoquelle!</translation>
    </message>
    <message>
        <source>Please load a DVD disc, add video clips or photos folder.</source>
        <translation>Bitte laden Sie eine DVD oder fügen Sie Videoclips oder einen Fotoordner hinzu.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Nicht genügend freier Speicherplatz</translation>
    </message>
    <message>
        <source>The output folder may not have enough free space.</source>
        <translation>Im Ausgabeordner ist möglicherweise nicht genügend Speicherplatz frei.</translation>
    </message>
    <message>
        <source>The conversion needs about %1; the disk of &quot;%2&quot; has %3 free. A conversion that fills the disk fails and keeps nothing.</source>
        <translation>Die Konvertierung benötigt etwa %1; auf dem Datenträger von „%2“ sind %3 frei. Eine Konvertierung, die den Datenträger füllt, schlägt fehl und hinterlässt nichts.</translation>
    </message>
    <message>
        <source>Convert Anyway</source>
        <translation>Trotzdem konvertieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No output format!</source>
        <translation>Kein Ausgabeformat!</translation>
    </message>
    <message>
        <source>Choose an output format for these items:</source>
        <translation>Wählen Sie ein Ausgabeformat für diese Einträge:</translation>
    </message>
    <message>
        <source>The preview cannot be played</source>
        <translation>Die Vorschau kann nicht abgespielt werden</translation>
    </message>
</context>
<context>
    <name>NXCameraRecorderController</name>
    <message>
        <source> - Video Recorder</source>
        <translation> – Videoaufnahme</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>Die Kamera konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera to record video.</source>
        <translation>Es wurde keine Kamera gefunden. Schließen Sie eine Kamera an, um Video aufzunehmen.</translation>
    </message>
    <message>
        <source>Choose a camera in the settings.</source>
        <translation>Wählen Sie in den Einstellungen eine Kamera.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>Die Aufnahme konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Bitte beenden Sie die Aufnahme, bevor Sie den Rekorder schließen.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>NXCategoryTableController</name>
    <message>
        <source>%1 Category, please choose the output profile</source>
        <translation>Kategorie „%1“: Bitte wählen Sie das Ausgabeprofil</translation>
    </message>
</context>
<context>
    <name>NXCustomizeButton</name>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NXDiscScanerController</name>
    <message>
        <source>No Disc Found</source>
        <translation>Keine Disc gefunden</translation>
    </message>
    <message>
        <source>Choose a DVD image</source>
        <translation>DVD-Abbild wählen</translation>
    </message>
    <message>
        <source>DVD image (*.iso *.ISO)</source>
        <translation>DVD-Abbild (*.iso *.ISO)</translation>
    </message>
    <message>
        <source>Choose a DVD folder</source>
        <translation>DVD-Ordner wählen</translation>
    </message>
    <message>
        <source>Loading DVD ...</source>
        <translation>DVD wird geladen …</translation>
    </message>
    <message>
        <source>Analyzing %1, Please wait...</source>
        <translation>%1 wird analysiert, bitte warten …</translation>
    </message>
    <message>
        <source>Read DVD Structure Failed!</source>
        <translation>DVD-Struktur konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Please check the input DVD and try again.</source>
        <translation>Bitte prüfen Sie die DVD und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>DVD laden</translation>
    </message>
    <message>
        <source>Choose the DVD disc to load:</source>
        <translation>Zu ladende DVD wählen:</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVD-Disc</translation>
    </message>
    <message>
        <source>Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):</source>
        <translation>DVD-Ordner wählen (den Ordner mit VIDEO_TS oder VIDEO_TS selbst):</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVD-Ordner</translation>
    </message>
    <message>
        <source>Choose a DVD image file (.iso):</source>
        <translation>DVD-Abbilddatei (.iso) wählen:</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Loading DVD</source>
        <translation>DVD wird geladen</translation>
    </message>
</context>
<context>
    <name>NXFloatInfoWindowController</name>
    <message>
        <source>Media Information</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Total Video Streams</source>
        <translation>Videostreams gesamt</translation>
    </message>
    <message>
        <source>Total Audio Streams</source>
        <translation>Audiostreams gesamt</translation>
    </message>
    <message>
        <source>Total Subtitle Streams</source>
        <translation>Untertitelstreams gesamt</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>Stream BitRate</source>
        <translation>Stream-Bitrate</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>%1x%2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>Audio %1</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Audiocodec</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Untertitel %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titel %1</translation>
    </message>
</context>
<context>
    <name>NXLogController</name>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>NXMPlayerControl</name>
    <message>
        <source>This display offers no OpenGL to draw the video with.</source>
        <translation>Dieser Bildschirm bietet kein OpenGL, um das Video darzustellen.</translation>
    </message>
    <message>
        <source>The player cannot be started: %1</source>
        <translation>Der Player kann nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>NXMainSettingController</name>
    <message>
        <source>At every start</source>
        <translation>Bei jedem Start</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Snapshot folder:</source>
        <translation>Schnappschussordner:</translation>
    </message>
    <message>
        <source>When a conversion is done</source>
        <translation>Nach der Konvertierung</translation>
    </message>
    <message>
        <source>Shut down the computer</source>
        <translation>Computer ausschalten</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Add MP4 and M4V files to the video library</source>
        <translation>MP4- und M4V-Dateien zur Videobibliothek hinzufügen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Check for updates:</source>
        <translation>Nach Updates suchen:</translation>
    </message>
    <message>
        <source>Default audio language:</source>
        <translation>Standard-Audiosprache:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>NXNavigationBar</name>
    <message>
        <source>Output Profile Category</source>
        <translation>Profilkategorien</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>NXProfileChooserController</name>
    <message>
        <source>Output Profile</source>
        <translation>Ausgabeprofil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Auf alle anwenden</translation>
    </message>
    <message>
        <source>Recently Used Profile</source>
        <translation>Zuletzt verwendete Profile</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Kein Profil ausgewählt</translation>
    </message>
</context>
<context>
    <name>NXProfileController</name>
    <message>
        <source>Disable Video Track</source>
        <translation>Videospur deaktivieren</translation>
    </message>
    <message>
        <source>Video Codec: Keep original video</source>
        <translation>Videocodec: Originalvideo beibehalten</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Profileinstellungen</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec:</translation>
    </message>
    <message>
        <source>Width and height must be from 1 to 9999.</source>
        <translation>Breite und Höhe müssen zwischen 1 und 9999 liegen.</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Burn Subtitle:</source>
        <translation>Untertitel einbrennen:</translation>
    </message>
    <message>
        <source>Two-pass encoding</source>
        <translation>Zwei-Pass-Kodierung</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Auf alle anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Kein Profil ausgewählt</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>NXProfilePreviewCell</name>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>LQ</source>
        <translation>LQ</translation>
    </message>
    <message>
        <source>HQ</source>
        <translation>HQ</translation>
    </message>
    <message>
        <source>➤ Recommended</source>
        <translation>➤ Empfohlen</translation>
    </message>
</context>
<context>
    <name>NXProfileValues</name>
    <message>
        <source>keep origin</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Smart Match</source>
        <translation>Automatisch</translation>
    </message>
</context>
<context>
    <name>NXProgressController</name>
    <message>
        <source>fetching...</source>
        <translation>wird ermittelt …</translation>
    </message>
    <message>
        <source>%1 / %2 Converting</source>
        <translation>%1 / %2 wird konvertiert</translation>
    </message>
    <message>
        <source>%1 / %2 Frame Finished</source>
        <translation>%1 / %2 Bilder fertig</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Warten …</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Konvertierung läuft …</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten …</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konvertierung</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgabe:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>Konvertiert:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Verbleibend:</translation>
    </message>
    <message>
        <source>FPS:</source>
        <translation>FPS:</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>Shut down the computer when done</source>
        <translation>Computer nach Abschluss ausschalten</translation>
    </message>
    <message>
        <source>Open the output folder when done</source>
        <translation>Ausgabeordner nach Abschluss öffnen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>Konvertierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>These items could not be converted:</source>
        <translation>Diese Einträge konnten nicht konvertiert werden:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an item that was not converted, and why</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>NXPromptView</name>
    <message>
        <source>DVD Disc</source>
        <translation>DVD-Disc</translation>
    </message>
    <message>
        <source>Load a DVD disc</source>
        <translation>DVD-Disc laden</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>DVD-Ordner</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>DVD-Ordner</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>ISO image</source>
        <translation>ISO-Abbild</translation>
    </message>
</context>
<context>
    <name>NXSwitch</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
</context>
<context>
    <name>NXTimePicker</name>
    <message>
        <source>Increment</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrement</source>
        <translation>Verringern</translation>
    </message>
    <message>
        <source>Time Picker</source>
        <translation>Zeitauswahl</translation>
    </message>
</context>
<context>
    <name>NXVideoDownloadOption</name>
    <message>
        <source>Highest Definition</source>
        <translation>Höchste Auflösung</translation>
    </message>
    <message>
        <source>Download Options</source>
        <translation>Download-Optionen</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <source>Limit the download speed</source>
        <translation>Download-Geschwindigkeit begrenzen</translation>
    </message>
    <message>
        <source>Open the target folder when downloads finish</source>
        <translation>Zielordner nach den Downloads öffnen</translation>
    </message>
    <message>
        <source>Shut down the computer when downloads finish</source>
        <translation>Computer nach den Downloads ausschalten</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>Proxy:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Enter the proxy&apos;s address and a port from 1 to 65535.</source>
        <translation>Geben Sie die Adresse des Proxys und einen Port von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>NXYoutubeControlller</name>
    <message>
        <source>Enter the address of an online video, beginning with http:// or https://.</source>
        <translation>Geben Sie die Adresse eines Online-Videos ein, die mit http:// oder https:// beginnt.</translation>
    </message>
    <message>
        <source>This display offers no OpenGL, so online videos cannot be shown here.</source>
        <translation>Diese Anzeige bietet kein OpenGL, daher können hier keine Online-Videos gezeigt werden.</translation>
    </message>
    <message>
        <source>Connecting to %1 ...</source>
        <translation>Verbindung mit %1 wird hergestellt …</translation>
    </message>
    <message>
        <source>The picture is saved in %1.</source>
        <translation>Das Bild wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>%1 wird wiedergegeben</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>%1 wird geladen …</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Gestoppt.</translation>
    </message>
    <message>
        <source>The video at %1 could not be played: the address gave no video, or it could not be reached.</source>
        <translation>Das Video unter %1 konnte nicht abgespielt werden: Die Adresse liefert kein Video oder ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost at %2 of %3; playback has stopped.</source>
        <translation>Die Verbindung zu %1 ist bei %2 von %3 abgebrochen; die Wiedergabe wurde beendet.</translation>
    </message>
    <message>
        <source>Finished playing %1.</source>
        <translation>Wiedergabe von %1 beendet.</translation>
    </message>
</context>
<context>
    <name>PMDigitalNumberFormater</name>
    <message>
        <source>Couldn&apos;t convert  to int</source>
        <translation>Konnte nicht in eine Ganzzahl umgewandelt werden</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Are your sure you want to restart the application now?</source>
        <translation>Möchten Sie das Programm jetzt neu starten?</translation>
    </message>
    <message>
        <source>Language changes take effect in application the next time you open it.</source>
        <translation>Die Sprachänderung wird beim nächsten Start des Programms wirksam.</translation>
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
        <source>Load DVD</source>
        <translation>DVD laden</translation>
    </message>
    <message>
        <source>Click to load a DVD disc; hold for more sources</source>
        <translation>Klicken, um eine DVD zu laden; gedrückt halten für weitere Quellen</translation>
    </message>
    <message>
        <source>Conversion Options</source>
        <translation>Konvertierungsoptionen</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Deinterlacing</translation>
    </message>
    <message>
        <source>Safe Mode</source>
        <translation>Sicherer Modus</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>CPU-Kerne:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Open the snapshot folder</source>
        <translation>Schnappschussordner öffnen</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Choose the folder converted files are saved in</source>
        <translation>Ordner für die konvertierten Dateien wählen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>Ausgabeordner anzeigen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Talvane</source>
        <translation>Talvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Cannot Use This Folder</source>
        <translation>Dieser Ordner kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to.</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Nothing could be saved there. Choose a folder you may write to; the former folder is kept.</source>
        <translation>Dort kann nichts gespeichert werden. Wählen Sie einen Ordner mit Schreibrechten; der bisherige Ordner bleibt eingestellt.</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>DVD-Disc</translation>
    </message>
    <message>
        <source>DVD Folder</source>
        <translation>DVD-Ordner</translation>
    </message>
    <message>
        <source>ISO Image</source>
        <translation>ISO-Abbild</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenfügen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Screen Recorder</source>
        <translation>Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Online Video</source>
        <translation>Online-Video</translation>
    </message>
    <message>
        <source>Talvane plays online videos; it does not download them.</source>
        <translation>Talvane spielt Online-Videos ab, lädt sie aber nicht herunter.</translation>
    </message>
    <message>
        <source>Paste the address of an online video (http:// or https://)</source>
        <translation>Adresse eines Online-Videos einfügen (http:// oder https://)</translation>
    </message>
    <message>
        <source>Play the video at this address</source>
        <translation>Video unter dieser Adresse abspielen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Download options</source>
        <translation>Download-Optionen</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Save a picture of the video</source>
        <translation>Bild des Videos speichern</translation>
    </message>
    <message>
        <source>Open the download folder</source>
        <translation>Download-Ordner öffnen</translation>
    </message>
    <message>
        <source>Downloads: none (playing only)</source>
        <translation>Downloads: keine (nur Wiedergabe)</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Fertige entfernen</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Jetzt herunterladen</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Screen Recorder Settings</source>
        <translation>Einstellungen der Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>Bilder pro Sekunde</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Countdown:</source>
        <translation>Countdown:</translation>
    </message>
    <message>
        <source>Show mouse clicks</source>
        <translation>Mausklicks anzeigen</translation>
    </message>
    <message>
        <source>Open the movie when the recording ends</source>
        <translation>Video nach der Aufnahme öffnen</translation>
    </message>
    <message>
        <source>Add the movie to the conversion list</source>
        <translation>Video zur Konvertierungsliste hinzufügen</translation>
    </message>
    <message>
        <source>Record region:</source>
        <translation>Aufnahmebereich:</translation>
    </message>
    <message>
        <source>Video Recorder Settings</source>
        <translation>Einstellungen der Videoaufnahme</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Kamera:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>Mikrofon:</translation>
    </message>
    <message>
        <source>Largest size:</source>
        <translation>Maximale Größe:</translation>
    </message>
    <message>
        <source>Preview volume:</source>
        <translation>Vorschau-Lautstärke:</translation>
    </message>
    <message>
        <source>Show the movie in its folder</source>
        <translation>Video im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; in %2 is not UTF-8 text.</source>
        <translation>Der Name „%1“ in %2 ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Nothing can be saved in a folder whose path holds a name that is not text. Rename it or choose another folder; the former folder is kept.</source>
        <translation>In einem Ordner, dessen Pfad einen Namen enthält, der kein Text ist, kann nichts gespeichert werden. Benennen Sie ihn um oder wählen Sie einen anderen Ordner; der bisherige Ordner bleibt erhalten.</translation>
    </message>
</context>
<context>
    <name>QuivraVideoConverterAppDelegate</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1 ausblenden</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1 beenden</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>cropConfigure</name>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Keep Current Ratio</source>
        <translation>Aktuelles Verhältnis beibehalten</translation>
    </message>
    <message>
        <source>Keep 16:9 While Dragging</source>
        <translation>Beim Ziehen 16:9 beibehalten</translation>
    </message>
    <message>
        <source>Keep 4:3 While Dragging</source>
        <translation>Beim Ziehen 4:3 beibehalten</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation>1:1 (Quadrat)</translation>
    </message>
    <message>
        <source>2.35:1 (Cinema)</source>
        <translation>2,35:1 (Kino)</translation>
    </message>
    <message>
        <source>Remove Black Borders</source>
        <translation>Schwarze Ränder entfernen</translation>
    </message>
</context>
</TS>
