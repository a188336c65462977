<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ConvertFailure</name>
    <message>
        <source>the conversion failed (result %1)</source>
        <translation>la conversione non è riuscita (risultato %1)</translation>
    </message>
    <message>
        <source>no output folder is set</source>
        <translation>non è impostata alcuna cartella di destinazione</translation>
    </message>
    <message>
        <source>the output folder&apos;s path is too long for the engines: choose a shorter one</source>
        <translation>il percorso della cartella di destinazione è troppo lungo per i motori: scegline uno più corto</translation>
    </message>
    <message>
        <source>the media file %1 does not exist any more</source>
        <translation>il file multimediale %1 non esiste più</translation>
    </message>
    <message>
        <source>a member of the file group is not a media file</source>
        <translation>un membro del gruppo di file non è un file multimediale</translation>
    </message>
    <message>
        <source>no file can be made in the temporary folder</source>
        <translation>nella cartella temporanea non si può creare alcun file</translation>
    </message>
    <message>
        <source>the DVD&apos;s data is damaged: %1</source>
        <translation>i dati del DVD sono danneggiati: %1</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged</source>
        <translation>i dati di struttura del DVD per il titolo %1 in %2 sono danneggiati</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged</source>
        <translation>i dati di struttura del DVD in %1 sono danneggiati</translation>
    </message>
    <message>
        <source>the %1 engine stopped answering (no progress for %2 s) and was ended</source>
        <translation>il motore %1 ha smesso di rispondere (nessun progresso per %2 s) ed è stato terminato</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free</source>
        <translation>il disco di %1 si è riempito durante il passaggio: l&apos;output richiede circa %2 e sul disco restano %3 liberi</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free</source>
        <translation>il disco di %1 si è riempito durante il passaggio: l&apos;output richiede più dei %2 liberi sul disco</translation>
    </message>
    <message>
        <source>the %1 engine failed: %2</source>
        <translation>il motore %1 non è riuscito: %2</translation>
    </message>
    <message>
        <source>the %1 engine failed (result %2)</source>
        <translation>il motore %1 non è riuscito (risultato %2)</translation>
    </message>
    <message>
        <source>the %1 engine cannot be used</source>
        <translation>il motore %1 non si può usare</translation>
    </message>
    <message>
        <source>the output is not whole: %1</source>
        <translation>l&apos;output non è completo: %1</translation>
    </message>
    <message>
        <source>the output lasts %1 s where %2 s were expected: the source may be cut short</source>
        <translation>l&apos;output dura %1 s invece dei %2 s previsti: la sorgente potrebbe essere troncata</translation>
    </message>
    <message>
        <source>the profile %1 cannot be used: %2</source>
        <translation>il profilo %1 non si può usare: %2</translation>
    </message>
    <message>
        <source>the engine cannot take the argument vector the profile makes</source>
        <translation>il motore non accetta il vettore di argomenti creato dal profilo</translation>
    </message>
    <message>
        <source>the output file name %1 is %2 bytes long; file systems take %3 at most</source>
        <translation>il nome del file di output %1 è lungo %2 byte; i file system ne accettano al massimo %3</translation>
    </message>
    <message>
        <source>the output path %1 is too long for the engines</source>
        <translation>il percorso di output %1 è troppo lungo per i motori</translation>
    </message>
    <message>
        <source>the slideshow was not made: %1</source>
        <translation>la presentazione non è stata creata: %1</translation>
    </message>
    <message>
        <source>the image-to-video engine made no movie</source>
        <translation>il motore image-to-video non ha creato alcun filmato</translation>
    </message>
    <message>
        <source>the rendered slideshow holds no video</source>
        <translation>la presentazione creata non contiene video</translation>
    </message>
    <message>
        <source>the selected titles cannot be joined</source>
        <translation>i titoli selezionati non si possono unire</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged, and %3</source>
        <translation>i dati di struttura del DVD per il titolo %1 in %2 sono danneggiati, e %3</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged, and %2</source>
        <translation>i dati di struttura del DVD in %1 sono danneggiati, e %2</translation>
    </message>
    <message>
        <source>the %1 engine stopped: %2 reached the file-size limit (ulimit -f)</source>
        <translation>il motore %1 si è fermato: %2 ha raggiunto il limite di dimensione dei file (ulimit -f)</translation>
    </message>
    <message>
        <source>the %1 engine crashed: %2 ended with %3</source>
        <translation>il motore %1 si è arrestato in modo anomalo: %2 è terminato con %3</translation>
    </message>
    <message>
        <source>the %1 engine was killed: %2 ended with SIGKILL</source>
        <translation>il motore %1 è stato ucciso: %2 è terminato con SIGKILL</translation>
    </message>
    <message>
        <source>the %1 engine was ended by a signal: %2 ended with %3</source>
        <translation>il motore %1 è stato terminato da un segnale: %2 è terminato con %3</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder</source>
        <translation>il nome «%1» in %2 non è testo UTF-8, quindi non si può scrivere nulla nella cartella di destinazione: rinominalo o scegli un’altra cartella di destinazione</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so the source cannot be read: rename it</source>
        <translation>il nome «%1» in %2 non è testo UTF-8, quindi la sorgente non può essere letta: rinominalo</translation>
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
        <translation>Profilo di output</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
</context>
<context>
    <name>DNCellToolbar</name>
    <message>
        <source>Media Information</source>
        <translation>Informazioni multimediali</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tag</translation>
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
        <translation>Traccia %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Sottotitoli forzati</translation>
    </message>
</context>
<context>
    <name>DNDVDRootCell</name>
    <message>
        <source>Merge titles:</source>
        <translation>Unisci titoli:</translation>
    </message>
    <message>
        <source>Target: </source>
        <translation>Destinazione: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>File di output:</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Output Profile</source>
        <translation>Profilo di output</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>Target File Name</source>
        <translation>Nome del file di output</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Nessun profilo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Main title detected: </source>
        <translation>Titolo principale rilevato: </translation>
    </message>
    <message>
        <source>Titles ready to rip: </source>
        <translation>Titoli da estrarre: </translation>
    </message>
    <message>
        <source>No Title</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Formato di destinazione: </translation>
    </message>
    <message>
        <source>Edit tags</source>
        <translation>Modifica tag</translation>
    </message>
</context>
<context>
    <name>DNDVDTitleCell</name>
    <message>
        <source>title %1</source>
        <translation>titolo %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Audio Volume</source>
        <translation>Volume audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Crop &amp; Expand</source>
        <translation>Ritaglia ed espandi</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Nessun audio</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Traccia %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Sottotitoli forzati</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Carica sottotitoli…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Sottotitoli disattivati</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Nessun sottotitolo</translation>
    </message>
</context>
<context>
    <name>DNEffectsView</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderController</name>
    <message>
        <source>Video files (%1)</source>
        <translation>File video (%1)</translation>
    </message>
    <message>
        <source>Load Photo Failed!</source>
        <translation>Impossibile caricare le foto!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some files were not added</source>
        <translation>Alcuni file non sono stati aggiunti</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Non è stato possibile aggiungere questi file:</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderSheet</name>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Loading Photos</source>
        <translation>Caricamento delle foto</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>Caricamento di %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DNFileNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Traccia %1 [%2]</translation>
    </message>
</context>
<context>
    <name>DNGroupCell</name>
    <message>
        <source>Output file:</source>
        <translation>File di output:</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Formato di destinazione: </translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Nessun profilo</translation>
    </message>
</context>
<context>
    <name>DNImageEditor</name>
    <message>
        <source>Add Photo Folder</source>
        <translation>Aggiungi cartella di foto</translation>
    </message>
    <message>
        <source>Remove this music</source>
        <translation>Rimuovi questa musica</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Aggiungi musica</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.m4a)</source>
        <translation>Musica (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Presentazione</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>Riproduci l’anteprima</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Transizioni</translation>
    </message>
    <message>
        <source>Fitted to the music</source>
        <translation>Adattato alla musica</translation>
    </message>
    <message>
        <source>Seconds per photo:</source>
        <translation>Secondi per foto:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Musica:</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>Tutte le cartelle</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Aggiungi cartella…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>Posizione GPS</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Data di creazione</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>Ordina per:</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Crescente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Add Music...</source>
        <translation>Aggiungi musica…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>DNMajorTableViewController</name>
    <message>
        <source>Frequently Used Profile</source>
        <translation>Profili usati spesso</translation>
    </message>
    <message>
        <source>DVD Backup Profile</source>
        <translation>Profili per backup DVD</translation>
    </message>
    <message>
        <source>Mobile Video Profile</source>
        <translation>Profili per dispositivi mobili</translation>
    </message>
    <message>
        <source>Web Video Profile</source>
        <translation>Profili per video web</translation>
    </message>
    <message>
        <source>Common Video Profile</source>
        <translation>Profili video comuni</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Nessun profilo selezionato</translation>
    </message>
</context>
<context>
    <name>DNNodeTagController</name>
    <message>
        <source>Tags</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>Nome di output:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commenti:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genere:</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>Applica a tutti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>DNProfile</name>
    <message>
        <source>keep origin</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>original audio</source>
        <translation>audio originale</translation>
    </message>
    <message>
        <source>Codec: %@+%@ , Resolution: %@</source>
        <translation>Codec: %@+%@, risoluzione: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@</source>
        <translation>Codec: %@, bitrate: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@kbps</source>
        <translation>Codec: %@, bitrate: %@ kbps</translation>
    </message>
</context>
<context>
    <name>DNProfileManager</name>
    <message>
        <source>%@ is damaged!</source>
        <translation>%@ è danneggiato!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and can’t be opened. Please delete &quot;%1&quot; and download it again from the official website!</source>
        <translation>«%1» è danneggiato e non può essere aperto. Elimina «%1» e scaricalo di nuovo dal sito ufficiale!</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Scarica ora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DNProfilePreviewTableViewController</name>
    <message>
        <source>%1 Profile Selected</source>
        <translation>Profilo «%1» selezionato</translation>
    </message>
</context>
<context>
    <name>DNRootCell</name>
    <message>
        <source>Target format: </source>
        <translation>Formato di destinazione: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>File di output:</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostra nel file manager</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Nessun audio</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Traccia %1 [%2]</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Carica sottotitoli…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Sottotitoli disattivati</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Nessun sottotitolo</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Nessun profilo</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Sottotitoli (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
</context>
<context>
    <name>DNRootPhotoCell</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 foto</translation>
    </message>
</context>
<context>
    <name>DNSRWindowController</name>
    <message>
        <source> - Screen Recorder</source>
        <translation> - Registrazione dello schermo</translation>
    </message>
    <message>
        <source>Crop Region</source>
        <translation>Scegli l’area da registrare</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session runs on Wayland.</source>
        <translation>Si possono registrare solo le sessioni X11; questa sessione usa Wayland.</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session has no X display.</source>
        <translation>Si possono registrare solo le sessioni X11; questa sessione non ha un display X.</translation>
    </message>
    <message>
        <source>Screen Record Unavailable!</source>
        <translation>Registrazione dello schermo non disponibile!</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>Impossibile completare la registrazione.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Interrompi la registrazione prima di chiudere il registratore.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
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
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>The live picture of the screen cannot be shown here.</source>
        <translation>L&apos;immagine dal vivo dello schermo non può essere mostrata qui.</translation>
    </message>
</context>
<context>
    <name>DNStatusItem</name>
    <message>
        <source>Stop Recording</source>
        <translation>Interrompi registrazione</translation>
    </message>
</context>
<context>
    <name>DNUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1...</source>
        <translation>Ricerca di una versione più recente di %1…</translation>
    </message>
    <message>
        <source>Check for a new version on the download page</source>
        <translation>Cerca una nuova versione nella pagina di download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visita il sito web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 Update Wizard</source>
        <translation>Procedura di aggiornamento di %1</translation>
    </message>
</context>
<context>
    <name>DNUpdateViewController</name>
    <message>
        <source>The version %1 of this application is now available--you have %2.</source>
        <translation>È disponibile la versione %1 di questa applicazione: hai la %2.</translation>
    </message>
    <message>
        <source>A new version of this application is available; would you like to visit the web site?</source>
        <translation>È disponibile una nuova versione di questa applicazione. Vuoi visitare il sito web?</translation>
    </message>
    <message>
        <source>You already have the latest version of this application.</source>
        <translation>Hai già la versione più recente di questa applicazione.</translation>
    </message>
</context>
<context>
    <name>DNUpgradeController</name>
    <message>
        <source>No update service is set, so this copy cannot look for new versions.</source>
        <translation>Nessun servizio di aggiornamento impostato: questa copia non può cercare nuove versioni.</translation>
    </message>
    <message>
        <source>The update service has no information about new versions.</source>
        <translation>Il servizio di aggiornamento non ha informazioni su nuove versioni.</translation>
    </message>
    <message>
        <source>The update service answered with information that cannot be read.</source>
        <translation>La risposta del servizio di aggiornamento non è leggibile.</translation>
    </message>
    <message>
        <source>Cannot reach the update service. Check the network connection and try again.</source>
        <translation>Impossibile raggiungere il servizio di aggiornamento. Controlla la connessione di rete e riprova.</translation>
    </message>
</context>
<context>
    <name>DNVideoEditorController</name>
    <message>
        <source>No Subtitle</source>
        <translation>Nessun sottotitolo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>In alto</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>In basso</translation>
    </message>
    <message>
        <source>Choose a Subtitle File</source>
        <translation>Scegli un file di sottotitoli</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Sottotitoli (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
    <message>
        <source>Choose a Watermark Picture</source>
        <translation>Scegli l’immagine della filigrana</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>Edit Video</source>
        <translation>Modifica video</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Riproduci o metti in pausa</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effetto</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>Applica a tutti</translation>
    </message>
    <message>
        <source>Give these edits to every DVD title in the list</source>
        <translation>Applica queste modifiche a ogni titolo DVD dell’elenco</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Fill the profile&apos;s picture size with black bands</source>
        <translation>Riempi la dimensione dell’immagine del profilo con bande nere</translation>
    </message>
    <message>
        <source>Profile picture size:</source>
        <translation>Dimensione immagine del profilo:</translation>
    </message>
    <message>
        <source>Unknown until it plays</source>
        <translation>Nota solo durante la riproduzione</translation>
    </message>
    <message>
        <source>Source picture size:</source>
        <translation>Dimensione immagine sorgente:</translation>
    </message>
    <message>
        <source>Keep the part between the start and the end; drag the slider&apos;s limit knobs or type the times.</source>
        <translation>Mantiene la parte tra l’inizio e la fine; trascina i cursori dei limiti o digita i tempi.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inizio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fine:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Drag the box over the original picture, or choose a preset.</source>
        <translation>Trascina il riquadro sull’immagine originale o scegli una preimpostazione.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Preimpostazione:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Da sinistra:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Dall’alto:</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Ruota di 90°</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn clockwise</source>
        <translation>Ruota l’immagine di un quarto di giro in senso orario</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Specchia l’immagine da sinistra a destra</translation>
    </message>
    <message>
        <source>Lay a picture or a text over the video; drag its box over the preview.</source>
        <translation>Sovrappone un’immagine o un testo al video; trascinane il riquadro nell’anteprima.</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Immagine:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>The text to show</source>
        <translation>Testo da mostrare</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Carattere…</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Trasparenza:</translation>
    </message>
    <message>
        <source>Colour the picture.</source>
        <translation>Applica un effetto di colore all’immagine.</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Burn a subtitle stream or a subtitle file into the picture.</source>
        <translation>Sovrimprime all’immagine una traccia o un file di sottotitoli.</translation>
    </message>
    <message>
        <source>Subtitle stream:</source>
        <translation>Traccia di sottotitoli:</translation>
    </message>
    <message>
        <source>Subtitle file:</source>
        <translation>File di sottotitoli:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>Lingua dei sottotitoli</translation>
    </message>
    <message>
        <source>Which language is the subtitle file in?</source>
        <translation>In quale lingua è il file di sottotitoli?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text Colour...</source>
        <translation>Colore del testo…</translation>
    </message>
</context>
<context>
    <name>DNWindowSelectView</name>
    <message>
        <source>Start Recording</source>
        <translation>Avvia registrazione</translation>
    </message>
</context>
<context>
    <name>DNYTBUpdateController</name>
    <message>
        <source>The version %1 of %2 is now available--you have %3.
</source>
        <translation>È disponibile la versione %1 di %2: hai la %3.
</translation>
    </message>
    <message>
        <source>New version is available for this application. We recommend that you upgrade to the latest version with optimized functionality.</source>
        <translation>È disponibile una nuova versione di questa applicazione. Ti consigliamo di passare all’ultima versione, con funzioni migliorate.</translation>
    </message>
    <message>
        <source>%1 %2 is the latest version. There is nothing to update.</source>
        <translation>%1 %2 è la versione più recente. Non c’è nulla da aggiornare.</translation>
    </message>
</context>
<context>
    <name>NXAboutInfoController</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
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
        <translation>Nessuna sorgente video!</translation>
    </message>
    <message>
        <source>Please load a DVD disc, add video clips or photos folder.</source>
        <translation>Carica un disco DVD oppure aggiungi video o una cartella di foto.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Spazio libero insufficiente</translation>
    </message>
    <message>
        <source>The output folder may not have enough free space.</source>
        <translation>La cartella di destinazione potrebbe non avere abbastanza spazio libero.</translation>
    </message>
    <message>
        <source>The conversion needs about %1; the disk of &quot;%2&quot; has %3 free. A conversion that fills the disk fails and keeps nothing.</source>
        <translation>La conversione richiede circa %1; sul disco di «%2» restano %3 liberi. Una conversione che riempie il disco non riesce e non lascia nulla.</translation>
    </message>
    <message>
        <source>Convert Anyway</source>
        <translation>Converti comunque</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No output format!</source>
        <translation>Nessun formato di uscita!</translation>
    </message>
    <message>
        <source>Choose an output format for these items:</source>
        <translation>Scegli un formato di uscita per questi elementi:</translation>
    </message>
    <message>
        <source>The preview cannot be played</source>
        <translation>Impossibile riprodurre l&apos;anteprima</translation>
    </message>
</context>
<context>
    <name>NXCameraRecorderController</name>
    <message>
        <source> - Video Recorder</source>
        <translation> - Registrazione video</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>Impossibile aprire la videocamera.</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera to record video.</source>
        <translation>Nessuna videocamera trovata. Collega una videocamera per registrare video.</translation>
    </message>
    <message>
        <source>Choose a camera in the settings.</source>
        <translation>Scegli una videocamera nelle impostazioni.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>Impossibile completare la registrazione.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Interrompi la registrazione prima di chiudere il registratore.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
    </message>
</context>
<context>
    <name>NXCategoryTableController</name>
    <message>
        <source>%1 Category, please choose the output profile</source>
        <translation>Categoria «%1»: scegli il profilo di output</translation>
    </message>
</context>
<context>
    <name>NXCustomizeButton</name>
    <message>
        <source>Customize</source>
        <translation>Personalizza</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>NXDiscScanerController</name>
    <message>
        <source>No Disc Found</source>
        <translation>Nessun disco trovato</translation>
    </message>
    <message>
        <source>Choose a DVD image</source>
        <translation>Scegli un’immagine DVD</translation>
    </message>
    <message>
        <source>DVD image (*.iso *.ISO)</source>
        <translation>Immagine DVD (*.iso *.ISO)</translation>
    </message>
    <message>
        <source>Choose a DVD folder</source>
        <translation>Scegli una cartella DVD</translation>
    </message>
    <message>
        <source>Loading DVD ...</source>
        <translation>Caricamento del DVD…</translation>
    </message>
    <message>
        <source>Analyzing %1, Please wait...</source>
        <translation>Analisi di %1 in corso, attendere…</translation>
    </message>
    <message>
        <source>Read DVD Structure Failed!</source>
        <translation>Impossibile leggere la struttura del DVD!</translation>
    </message>
    <message>
        <source>Please check the input DVD and try again.</source>
        <translation>Controlla il DVD e riprova.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>Carica DVD</translation>
    </message>
    <message>
        <source>Choose the DVD disc to load:</source>
        <translation>Scegli il disco DVD da caricare:</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>Disco DVD</translation>
    </message>
    <message>
        <source>Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):</source>
        <translation>Scegli una cartella DVD (quella che contiene VIDEO_TS, oppure VIDEO_TS stessa):</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>Cartella DVD</translation>
    </message>
    <message>
        <source>Choose a DVD image file (.iso):</source>
        <translation>Scegli un file immagine DVD (.iso):</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Loading DVD</source>
        <translation>Caricamento del DVD</translation>
    </message>
</context>
<context>
    <name>NXFloatInfoWindowController</name>
    <message>
        <source>Media Information</source>
        <translation>Informazioni multimediali</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Total Video Streams</source>
        <translation>Flussi video totali</translation>
    </message>
    <message>
        <source>Total Audio Streams</source>
        <translation>Flussi audio totali</translation>
    </message>
    <message>
        <source>Total Subtitle Streams</source>
        <translation>Flussi sottotitoli totali</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec video</translation>
    </message>
    <message>
        <source>Stream BitRate</source>
        <translation>Bitrate del flusso</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>Dimensioni fotogramma</translation>
    </message>
    <message>
        <source>%1x%2 pixels</source>
        <translation>%1x%2 pixel</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>Audio %1</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Sottotitoli %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titolo %1</translation>
    </message>
</context>
<context>
    <name>NXLogController</name>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
</context>
<context>
    <name>NXMPlayerControl</name>
    <message>
        <source>This display offers no OpenGL to draw the video with.</source>
        <translation>Questo schermo non offre OpenGL per mostrare il video.</translation>
    </message>
    <message>
        <source>The player cannot be started: %1</source>
        <translation>Impossibile avviare il lettore: %1</translation>
    </message>
</context>
<context>
    <name>NXMainSettingController</name>
    <message>
        <source>At every start</source>
        <translation>A ogni avvio</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Cartella di destinazione:</translation>
    </message>
    <message>
        <source>Snapshot folder:</source>
        <translation>Cartella delle istantanee:</translation>
    </message>
    <message>
        <source>When a conversion is done</source>
        <translation>Al termine della conversione</translation>
    </message>
    <message>
        <source>Shut down the computer</source>
        <translation>Spegni il computer</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Apri la cartella di destinazione</translation>
    </message>
    <message>
        <source>Add MP4 and M4V files to the video library</source>
        <translation>Aggiungi i file MP4 e M4V alla libreria video</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Check for updates:</source>
        <translation>Cerca aggiornamenti:</translation>
    </message>
    <message>
        <source>Default audio language:</source>
        <translation>Lingua audio predefinita:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>NXNavigationBar</name>
    <message>
        <source>Output Profile Category</source>
        <translation>Categorie di profili</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>NXProfileChooserController</name>
    <message>
        <source>Output Profile</source>
        <translation>Profilo di output</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Applica a tutti</translation>
    </message>
    <message>
        <source>Recently Used Profile</source>
        <translation>Profili usati di recente</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Nessun profilo selezionato</translation>
    </message>
</context>
<context>
    <name>NXProfileController</name>
    <message>
        <source>Disable Video Track</source>
        <translation>Disattiva la traccia video</translation>
    </message>
    <message>
        <source>Video Codec: Keep original video</source>
        <translation>Codec video: mantieni il video originale</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Impostazioni del profilo</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
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
        <translation>Larghezza e altezza devono essere comprese tra 1 e 9999.</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Frequenza fotogrammi:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporzioni:</translation>
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
        <translation>Frequenza di campionamento:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canali:</translation>
    </message>
    <message>
        <source>Burn Subtitle:</source>
        <translation>Sottotitoli impressi:</translation>
    </message>
    <message>
        <source>Two-pass encoding</source>
        <translation>Codifica a due passaggi</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Applica a tutti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Nessun profilo selezionato</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>NXProfilePreviewCell</name>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
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
        <translation>➤ Consigliato</translation>
    </message>
</context>
<context>
    <name>NXProfileValues</name>
    <message>
        <source>keep origin</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Smart Match</source>
        <translation>Automatico</translation>
    </message>
</context>
<context>
    <name>NXProgressController</name>
    <message>
        <source>fetching...</source>
        <translation>in recupero…</translation>
    </message>
    <message>
        <source>%1 / %2 Converting</source>
        <translation>Conversione %1 di %2</translation>
    </message>
    <message>
        <source>%1 / %2 Frame Finished</source>
        <translation>%1 / %2 fotogrammi completati</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>In attesa…</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversione in corso…</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arresto in corso…</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Destinazione:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inizio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fine:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>Convertito:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Rimanente:</translation>
    </message>
    <message>
        <source>FPS:</source>
        <translation>FPS:</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogrammi:</translation>
    </message>
    <message>
        <source>Shut down the computer when done</source>
        <translation>Spegni il computer al termine</translation>
    </message>
    <message>
        <source>Open the output folder when done</source>
        <translation>Apri la cartella di destinazione al termine</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>Conversione non riuscita</translation>
    </message>
    <message>
        <source>These items could not be converted:</source>
        <translation>Non è stato possibile convertire questi elementi:</translation>
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
        <translation>Disco DVD</translation>
    </message>
    <message>
        <source>Load a DVD disc</source>
        <translation>Carica un disco DVD</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>Cartella DVD</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>Cartella DVD</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>ISO image</source>
        <translation>Immagine ISO</translation>
    </message>
</context>
<context>
    <name>NXSwitch</name>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
</context>
<context>
    <name>NXTimePicker</name>
    <message>
        <source>Increment</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <source>Decrement</source>
        <translation>Diminuisci</translation>
    </message>
    <message>
        <source>Time Picker</source>
        <translation>Selettore dell’ora</translation>
    </message>
</context>
<context>
    <name>NXVideoDownloadOption</name>
    <message>
        <source>Highest Definition</source>
        <translation>Massima definizione</translation>
    </message>
    <message>
        <source>Download Options</source>
        <translation>Opzioni di download</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Salva in:</translation>
    </message>
    <message>
        <source>Limit the download speed</source>
        <translation>Limita la velocità di download</translation>
    </message>
    <message>
        <source>Open the target folder when downloads finish</source>
        <translation>Apri la cartella di destinazione al termine dei download</translation>
    </message>
    <message>
        <source>Shut down the computer when downloads finish</source>
        <translation>Spegni il computer al termine dei download</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>Proxy:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Enter the proxy&apos;s address and a port from 1 to 65535.</source>
        <translation>Inserisci l’indirizzo del proxy e una porta da 1 a 65535.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>NXYoutubeControlller</name>
    <message>
        <source>Enter the address of an online video, beginning with http:// or https://.</source>
        <translation>Inserisci l’indirizzo di un video online che inizi con http:// o https://.</translation>
    </message>
    <message>
        <source>This display offers no OpenGL, so online videos cannot be shown here.</source>
        <translation>Questo display non offre OpenGL, quindi qui non è possibile mostrare video online.</translation>
    </message>
    <message>
        <source>Connecting to %1 ...</source>
        <translation>Connessione a %1…</translation>
    </message>
    <message>
        <source>The picture is saved in %1.</source>
        <translation>L’immagine è stata salvata in %1.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>In pausa.</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>Riproduzione di %1</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>Caricamento di %1…</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>The video at %1 could not be played: the address gave no video, or it could not be reached.</source>
        <translation>Impossibile riprodurre il video all’indirizzo %1: l’indirizzo non contiene un video oppure non è raggiungibile.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost at %2 of %3; playback has stopped.</source>
        <translation>La connessione a %1 si è interrotta a %2 di %3; la riproduzione si è fermata.</translation>
    </message>
    <message>
        <source>Finished playing %1.</source>
        <translation>Riproduzione di %1 terminata.</translation>
    </message>
</context>
<context>
    <name>PMDigitalNumberFormater</name>
    <message>
        <source>Couldn&apos;t convert  to int</source>
        <translation>Impossibile convertire in numero intero</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Are your sure you want to restart the application now?</source>
        <translation>Riavviare l’applicazione adesso?</translation>
    </message>
    <message>
        <source>Language changes take effect in application the next time you open it.</source>
        <translation>La modifica della lingua avrà effetto al prossimo avvio dell’applicazione.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>Carica DVD</translation>
    </message>
    <message>
        <source>Click to load a DVD disc; hold for more sources</source>
        <translation>Fai clic per caricare un disco DVD; tieni premuto per altre sorgenti</translation>
    </message>
    <message>
        <source>Conversion Options</source>
        <translation>Opzioni di conversione</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Alta qualità</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Deinterlacciamento</translation>
    </message>
    <message>
        <source>Safe Mode</source>
        <translation>Modalità sicura</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>Core CPU:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Istantanea</translation>
    </message>
    <message>
        <source>Open the snapshot folder</source>
        <translation>Apri la cartella delle istantanee</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Cartella di destinazione:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Choose the folder converted files are saved in</source>
        <translation>Scegli la cartella in cui salvare i file convertiti</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>Mostra la cartella di destinazione</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Talvane</source>
        <translation>Talvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostra registro</translation>
    </message>
    <message>
        <source>Cannot Use This Folder</source>
        <translation>Impossibile usare questa cartella</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to.</source>
        <translation>Impossibile scrivere nella cartella «%1».</translation>
    </message>
    <message>
        <source>Nothing could be saved there. Choose a folder you may write to; the former folder is kept.</source>
        <translation>Lì non è possibile salvare nulla. Scegli una cartella in cui hai i permessi di scrittura; resta impostata la cartella precedente.</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>Disco DVD</translation>
    </message>
    <message>
        <source>DVD Folder</source>
        <translation>Cartella DVD</translation>
    </message>
    <message>
        <source>ISO Image</source>
        <translation>Immagine ISO</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Aggiungi video</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Screen Recorder</source>
        <translation>Registra schermo</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Videocamera</translation>
    </message>
    <message>
        <source>Online Video</source>
        <translation>Video online</translation>
    </message>
    <message>
        <source>Talvane plays online videos; it does not download them.</source>
        <translation>Talvane riproduce i video online, ma non li scarica.</translation>
    </message>
    <message>
        <source>Paste the address of an online video (http:// or https://)</source>
        <translation>Incolla l’indirizzo di un video online (http:// o https://)</translation>
    </message>
    <message>
        <source>Play the video at this address</source>
        <translation>Riproduci il video a questo indirizzo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Download options</source>
        <translation>Opzioni di download</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Metti in pausa o riprendi</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Save a picture of the video</source>
        <translation>Salva un’immagine del video</translation>
    </message>
    <message>
        <source>Open the download folder</source>
        <translation>Apri la cartella dei download</translation>
    </message>
    <message>
        <source>Downloads: none (playing only)</source>
        <translation>Download: nessuno (solo riproduzione)</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Rimuovi completati</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Scarica ora</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Salva in:</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>Screen Recorder Settings</source>
        <translation>Impostazioni della registrazione dello schermo</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>fotogrammi al secondo</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Frequenza fotogrammi:</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>Audio:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Countdown:</source>
        <translation>Conto alla rovescia:</translation>
    </message>
    <message>
        <source>Show mouse clicks</source>
        <translation>Mostra i clic del mouse</translation>
    </message>
    <message>
        <source>Open the movie when the recording ends</source>
        <translation>Apri il video al termine della registrazione</translation>
    </message>
    <message>
        <source>Add the movie to the conversion list</source>
        <translation>Aggiungi il video all’elenco di conversione</translation>
    </message>
    <message>
        <source>Record region:</source>
        <translation>Area di registrazione:</translation>
    </message>
    <message>
        <source>Video Recorder Settings</source>
        <translation>Impostazioni della registrazione video</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Videocamera:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>Microfono:</translation>
    </message>
    <message>
        <source>Largest size:</source>
        <translation>Dimensione massima:</translation>
    </message>
    <message>
        <source>Preview volume:</source>
        <translation>Volume dell’anteprima:</translation>
    </message>
    <message>
        <source>Show the movie in its folder</source>
        <translation>Mostra il video nella sua cartella</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; in %2 is not UTF-8 text.</source>
        <translation>Il nome «%1» in %2 non è testo UTF-8.</translation>
    </message>
    <message>
        <source>Nothing can be saved in a folder whose path holds a name that is not text. Rename it or choose another folder; the former folder is kept.</source>
        <translation>Non si può salvare nulla in una cartella il cui percorso contiene un nome che non è testo. Rinominalo o scegli un’altra cartella; la cartella precedente viene mantenuta.</translation>
    </message>
</context>
<context>
    <name>QuivraVideoConverterAppDelegate</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Nascondi %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Esci da %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Aiuto di %1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
    </message>
</context>
<context>
    <name>cropConfigure</name>
    <message>
        <source>Free</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Keep Current Ratio</source>
        <translation>Mantieni le proporzioni attuali</translation>
    </message>
    <message>
        <source>Keep 16:9 While Dragging</source>
        <translation>Mantieni 16:9 durante il trascinamento</translation>
    </message>
    <message>
        <source>Keep 4:3 While Dragging</source>
        <translation>Mantieni 4:3 durante il trascinamento</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation>1:1 (quadrato)</translation>
    </message>
    <message>
        <source>2.35:1 (Cinema)</source>
        <translation>2,35:1 (cinema)</translation>
    </message>
    <message>
        <source>Remove Black Borders</source>
        <translation>Rimuovi bordi neri</translation>
    </message>
</context>
</TS>
