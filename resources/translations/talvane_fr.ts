<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ConvertFailure</name>
    <message>
        <source>the conversion failed (result %1)</source>
        <translation>la conversion a échoué (résultat %1)</translation>
    </message>
    <message>
        <source>no output folder is set</source>
        <translation>aucun dossier de sortie n&apos;est défini</translation>
    </message>
    <message>
        <source>the output folder&apos;s path is too long for the engines: choose a shorter one</source>
        <translation>le chemin du dossier de sortie est trop long pour les moteurs&#xa0;: choisissez-en un plus court</translation>
    </message>
    <message>
        <source>the media file %1 does not exist any more</source>
        <translation>le fichier multimédia %1 n&apos;existe plus</translation>
    </message>
    <message>
        <source>a member of the file group is not a media file</source>
        <translation>un membre du groupe de fichiers n&apos;est pas un fichier multimédia</translation>
    </message>
    <message>
        <source>no file can be made in the temporary folder</source>
        <translation>aucun fichier ne peut être créé dans le dossier temporaire</translation>
    </message>
    <message>
        <source>the DVD&apos;s data is damaged: %1</source>
        <translation>les données du DVD sont endommagées&#xa0;: %1</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged</source>
        <translation>les informations du DVD sur le titre %1 dans %2 sont endommagées</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged</source>
        <translation>les informations du DVD dans %1 sont endommagées</translation>
    </message>
    <message>
        <source>the %1 engine stopped answering (no progress for %2 s) and was ended</source>
        <translation>le moteur %1 ne répondait plus (aucune progression pendant %2&#xa0;s) et a été arrêté</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free</source>
        <translation>le disque de %1 a manqué d&apos;espace pendant la passe&#xa0;: la sortie nécessite environ %2 et le disque dispose de %3 libres</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free</source>
        <translation>le disque de %1 a manqué d&apos;espace pendant la passe&#xa0;: la sortie nécessite plus que les %2 libres sur le disque</translation>
    </message>
    <message>
        <source>the %1 engine failed: %2</source>
        <translation>le moteur %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>the %1 engine failed (result %2)</source>
        <translation>le moteur %1 a échoué (résultat %2)</translation>
    </message>
    <message>
        <source>the %1 engine cannot be used</source>
        <translation>le moteur %1 ne peut pas être utilisé</translation>
    </message>
    <message>
        <source>the output is not whole: %1</source>
        <translation>la sortie n&apos;est pas complète&#xa0;: %1</translation>
    </message>
    <message>
        <source>the output lasts %1 s where %2 s were expected: the source may be cut short</source>
        <translation>la sortie dure %1 s au lieu des %2 s attendues&#xa0;: la source est peut-être tronquée</translation>
    </message>
    <message>
        <source>the profile %1 cannot be used: %2</source>
        <translation>le profil %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the engine cannot take the argument vector the profile makes</source>
        <translation>le moteur n&apos;accepte pas le vecteur d&apos;arguments créé par le profil</translation>
    </message>
    <message>
        <source>the output file name %1 is %2 bytes long; file systems take %3 at most</source>
        <translation>le nom du fichier de sortie %1 fait %2&#xa0;octets&#xa0;; les systèmes de fichiers en acceptent au plus %3</translation>
    </message>
    <message>
        <source>the output path %1 is too long for the engines</source>
        <translation>le chemin de sortie %1 est trop long pour les moteurs</translation>
    </message>
    <message>
        <source>the slideshow was not made: %1</source>
        <translation>le diaporama n&apos;a pas été créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the image-to-video engine made no movie</source>
        <translation>le moteur image-to-video n&apos;a créé aucun film</translation>
    </message>
    <message>
        <source>the rendered slideshow holds no video</source>
        <translation>le diaporama créé ne contient aucune vidéo</translation>
    </message>
    <message>
        <source>the selected titles cannot be joined</source>
        <translation>les titres sélectionnés ne peuvent pas être fusionnés</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged, and %3</source>
        <translation>les informations du DVD sur le titre %1 dans %2 sont endommagées, et %3</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged, and %2</source>
        <translation>les informations du DVD dans %1 sont endommagées, et %2</translation>
    </message>
    <message>
        <source>the %1 engine stopped: %2 reached the file-size limit (ulimit -f)</source>
        <translation>le moteur %1 s&apos;est arrêté&#xa0;: %2 a atteint la limite de taille des fichiers (ulimit -f)</translation>
    </message>
    <message>
        <source>the %1 engine crashed: %2 ended with %3</source>
        <translation>le moteur %1 a planté&#xa0;: %2 s&apos;est terminé par %3</translation>
    </message>
    <message>
        <source>the %1 engine was killed: %2 ended with SIGKILL</source>
        <translation>le moteur %1 a été tué&#xa0;: %2 s&apos;est terminé par SIGKILL</translation>
    </message>
    <message>
        <source>the %1 engine was ended by a signal: %2 ended with %3</source>
        <translation>le moteur %1 a été arrêté par un signal&#xa0;: %2 s&apos;est terminé par %3</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder</source>
        <translation>le nom «&#xa0;%1&#xa0;» dans %2 n’est pas du texte UTF-8, rien ne peut donc être écrit dans le dossier de sortie&#xa0;: renommez-le ou choisissez un autre dossier de sortie</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so the source cannot be read: rename it</source>
        <translation>le nom «&#xa0;%1&#xa0;» dans %2 n’est pas du texte UTF-8, la source ne peut donc pas être lue&#xa0;: renommez-le</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a source that was not loaded, and why</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DNCellProfileImageView</name>
    <message>
        <source>Output Profile</source>
        <translation>Profil de sortie</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
</context>
<context>
    <name>DNCellToolbar</name>
    <message>
        <source>Media Information</source>
        <translation>Informations sur le média</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
</context>
<context>
    <name>DNDVDNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Piste %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Sous-titres forcés</translation>
    </message>
</context>
<context>
    <name>DNDVDRootCell</name>
    <message>
        <source>Merge titles:</source>
        <translation>Fusionner les titres&#xa0;:</translation>
    </message>
    <message>
        <source>Target: </source>
        <translation>Cible&#xa0;: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Fichier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Output Profile</source>
        <translation>Profil de sortie</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>Target File Name</source>
        <translation>Nom du fichier de sortie</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Aucun profil</translation>
    </message>
    <message>
        <source>None</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Main title detected: </source>
        <translation>Titre principal détecté&#xa0;: </translation>
    </message>
    <message>
        <source>Titles ready to rip: </source>
        <translation>Titres à extraire&#xa0;: </translation>
    </message>
    <message>
        <source>No Title</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Format de sortie&#xa0;: </translation>
    </message>
    <message>
        <source>Edit tags</source>
        <translation>Modifier les tags</translation>
    </message>
</context>
<context>
    <name>DNDVDTitleCell</name>
    <message>
        <source>title %1</source>
        <translation>titre %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Audio Volume</source>
        <translation>Volume audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Crop &amp; Expand</source>
        <translation>Recadrer et agrandir</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Aucun audio</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Piste %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Sous-titres forcés</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Charger des sous-titres…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Sous-titres désactivés</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Aucun sous-titre</translation>
    </message>
</context>
<context>
    <name>DNEffectsView</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderController</name>
    <message>
        <source>Video files (%1)</source>
        <translation>Fichiers vidéo (%1)</translation>
    </message>
    <message>
        <source>Load Photo Failed!</source>
        <translation>Échec du chargement des photos&#xa0;!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some files were not added</source>
        <translation>Certains fichiers n&apos;ont pas été ajoutés</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Ces fichiers n&apos;ont pas pu être ajoutés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderSheet</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Loading Photos</source>
        <translation>Chargement des photos</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>Chargement de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DNFileNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Piste %1 [%2]</translation>
    </message>
</context>
<context>
    <name>DNGroupCell</name>
    <message>
        <source>Output file:</source>
        <translation>Fichier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Format de sortie&#xa0;: </translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Aucun profil</translation>
    </message>
</context>
<context>
    <name>DNImageEditor</name>
    <message>
        <source>Add Photo Folder</source>
        <translation>Ajouter un dossier de photos</translation>
    </message>
    <message>
        <source>Remove this music</source>
        <translation>Supprimer cette musique</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Ajouter de la musique</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.m4a)</source>
        <translation>Musique (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diaporama</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>Lire l’aperçu</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Transitions</translation>
    </message>
    <message>
        <source>Fitted to the music</source>
        <translation>Ajusté à la musique</translation>
    </message>
    <message>
        <source>Seconds per photo:</source>
        <translation>Secondes par photo&#xa0;:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Vidéo&#xa0;:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Musique&#xa0;:</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>Tous les dossiers</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>Position GPS</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>Trier par&#xa0;:</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Add Music...</source>
        <translation>Ajouter de la musique…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>DNMajorTableViewController</name>
    <message>
        <source>Frequently Used Profile</source>
        <translation>Profils fréquents</translation>
    </message>
    <message>
        <source>DVD Backup Profile</source>
        <translation>Profils de sauvegarde DVD</translation>
    </message>
    <message>
        <source>Mobile Video Profile</source>
        <translation>Profils pour appareils mobiles</translation>
    </message>
    <message>
        <source>Web Video Profile</source>
        <translation>Profils pour la vidéo web</translation>
    </message>
    <message>
        <source>Common Video Profile</source>
        <translation>Profils vidéo courants</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Aucun profil sélectionné</translation>
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
        <translation>Nom de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste&#xa0;:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires&#xa0;:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre&#xa0;:</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>Appliquer à tout</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>DNProfile</name>
    <message>
        <source>keep origin</source>
        <translation>D’origine</translation>
    </message>
    <message>
        <source>original audio</source>
        <translation>audio d’origine</translation>
    </message>
    <message>
        <source>Codec: %@+%@ , Resolution: %@</source>
        <translation>Codec&#xa0;: %@+%@, résolution&#xa0;: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@</source>
        <translation>Codec&#xa0;: %@, débit&#xa0;: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@kbps</source>
        <translation>Codec&#xa0;: %@, débit&#xa0;: %@&#xa0;kbit/s</translation>
    </message>
</context>
<context>
    <name>DNProfileManager</name>
    <message>
        <source>%@ is damaged!</source>
        <translation>%@ est endommagé&#xa0;!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and can’t be opened. Please delete &quot;%1&quot; and download it again from the official website!</source>
        <translation>«&#xa0;%1&#xa0;» est endommagé et ne peut pas être ouvert. Supprimez «&#xa0;%1&#xa0;» et téléchargez-le à nouveau depuis le site officiel&#xa0;!</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Télécharger maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DNProfilePreviewTableViewController</name>
    <message>
        <source>%1 Profile Selected</source>
        <translation>Profil «&#xa0;%1&#xa0;» sélectionné</translation>
    </message>
</context>
<context>
    <name>DNRootCell</name>
    <message>
        <source>Target format: </source>
        <translation>Format de sortie&#xa0;: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Fichier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Aucun audio</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Piste %1 [%2]</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Charger des sous-titres…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Sous-titres désactivés</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Aucun sous-titre</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Aucun profil</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Sous-titres (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
</context>
<context>
    <name>DNRootPhotoCell</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 photos</translation>
    </message>
</context>
<context>
    <name>DNSRWindowController</name>
    <message>
        <source> - Screen Recorder</source>
        <translation> - Enregistreur d’écran</translation>
    </message>
    <message>
        <source>Crop Region</source>
        <translation>Choisir la zone à enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session runs on Wayland.</source>
        <translation>Seules les sessions X11 peuvent être enregistrées&#xa0;; cette session fonctionne sous Wayland.</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session has no X display.</source>
        <translation>Seules les sessions X11 peuvent être enregistrées&#xa0;; cette session n’a pas d’affichage X.</translation>
    </message>
    <message>
        <source>Screen Record Unavailable!</source>
        <translation>Enregistrement de l’écran indisponible&#xa0;!</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>L’enregistrement n’a pas pu être terminé.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Arrêtez l’enregistrement avant de fermer l’enregistreur.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>320x240</source>
        <translation>320x240</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>The live picture of the screen cannot be shown here.</source>
        <translation>L&apos;image en direct de l&apos;écran ne peut pas être affichée ici.</translation>
    </message>
</context>
<context>
    <name>DNStatusItem</name>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l’enregistrement</translation>
    </message>
</context>
<context>
    <name>DNUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1...</source>
        <translation>Recherche d’une version plus récente de %1…</translation>
    </message>
    <message>
        <source>Check for a new version on the download page</source>
        <translation>Rechercher une nouvelle version sur la page de téléchargement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visiter le site web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 Update Wizard</source>
        <translation>Assistant de mise à jour de %1</translation>
    </message>
</context>
<context>
    <name>DNUpdateViewController</name>
    <message>
        <source>The version %1 of this application is now available--you have %2.</source>
        <translation>La version %1 de cette application est disponible ; vous avez la version %2.</translation>
    </message>
    <message>
        <source>A new version of this application is available; would you like to visit the web site?</source>
        <translation>Une nouvelle version de cette application est disponible. Voulez-vous visiter le site web&#xa0;?</translation>
    </message>
    <message>
        <source>You already have the latest version of this application.</source>
        <translation>Vous avez déjà la dernière version de cette application.</translation>
    </message>
</context>
<context>
    <name>DNUpgradeController</name>
    <message>
        <source>No update service is set, so this copy cannot look for new versions.</source>
        <translation>Aucun service de mise à jour n’est défini : cette copie ne peut pas rechercher de nouvelles versions.</translation>
    </message>
    <message>
        <source>The update service has no information about new versions.</source>
        <translation>Le service de mise à jour n’a aucune information sur de nouvelles versions.</translation>
    </message>
    <message>
        <source>The update service answered with information that cannot be read.</source>
        <translation>La réponse du service de mise à jour est illisible.</translation>
    </message>
    <message>
        <source>Cannot reach the update service. Check the network connection and try again.</source>
        <translation>Impossible de joindre le service de mise à jour. Vérifiez la connexion réseau et réessayez.</translation>
    </message>
</context>
<context>
    <name>DNVideoEditorController</name>
    <message>
        <source>No Subtitle</source>
        <translation>Aucun sous-titre</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Choose a Subtitle File</source>
        <translation>Choisir un fichier de sous-titres</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Sous-titres (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
    <message>
        <source>Choose a Watermark Picture</source>
        <translation>Choisir l’image du filigrane</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Edit Video</source>
        <translation>Modifier la vidéo</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Lire ou mettre en pause</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>Appliquer à tout</translation>
    </message>
    <message>
        <source>Give these edits to every DVD title in the list</source>
        <translation>Appliquer ces modifications à chaque titre DVD de la liste</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume&#xa0;:</translation>
    </message>
    <message>
        <source>Fill the profile&apos;s picture size with black bands</source>
        <translation>Compléter jusqu’à la taille d’image du profil par des bandes noires</translation>
    </message>
    <message>
        <source>Profile picture size:</source>
        <translation>Taille d’image du profil&#xa0;:</translation>
    </message>
    <message>
        <source>Unknown until it plays</source>
        <translation>Inconnue avant la lecture</translation>
    </message>
    <message>
        <source>Source picture size:</source>
        <translation>Taille d’image de la source&#xa0;:</translation>
    </message>
    <message>
        <source>Keep the part between the start and the end; drag the slider&apos;s limit knobs or type the times.</source>
        <translation>Conserve la partie entre le début et la fin&#xa0;; faites glisser les bornes du curseur ou saisissez les temps.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Drag the box over the original picture, or choose a preset.</source>
        <translation>Faites glisser le cadre sur l’image d’origine ou choisissez un préréglage.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Haut&#xa0;:</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Pivoter de 90°</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn clockwise</source>
        <translation>Faire pivoter l’image d’un quart de tour dans le sens horaire</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Retourner l’image horizontalement</translation>
    </message>
    <message>
        <source>Lay a picture or a text over the video; drag its box over the preview.</source>
        <translation>Superpose une image ou un texte à la vidéo&#xa0;; faites glisser son cadre dans l’aperçu.</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>The text to show</source>
        <translation>Texte à afficher</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police…</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparence&#xa0;:</translation>
    </message>
    <message>
        <source>Colour the picture.</source>
        <translation>Applique un effet de couleur à l’image.</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Burn a subtitle stream or a subtitle file into the picture.</source>
        <translation>Incruste une piste ou un fichier de sous-titres dans l’image.</translation>
    </message>
    <message>
        <source>Subtitle stream:</source>
        <translation>Piste de sous-titres&#xa0;:</translation>
    </message>
    <message>
        <source>Subtitle file:</source>
        <translation>Fichier de sous-titres&#xa0;:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position&#xa0;:</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>Langue des sous-titres</translation>
    </message>
    <message>
        <source>Which language is the subtitle file in?</source>
        <translation>Dans quelle langue est le fichier de sous-titres&#xa0;?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text Colour...</source>
        <translation>Couleur du texte…</translation>
    </message>
</context>
<context>
    <name>DNWindowSelectView</name>
    <message>
        <source>Start Recording</source>
        <translation>Démarrer l’enregistrement</translation>
    </message>
</context>
<context>
    <name>DNYTBUpdateController</name>
    <message>
        <source>The version %1 of %2 is now available--you have %3.
</source>
        <translation>La version %1 de %2 est disponible ; vous avez la version %3.
</translation>
    </message>
    <message>
        <source>New version is available for this application. We recommend that you upgrade to the latest version with optimized functionality.</source>
        <translation>Une nouvelle version de cette application est disponible. Nous vous conseillons de passer à la dernière version, aux fonctions améliorées.</translation>
    </message>
    <message>
        <source>%1 %2 is the latest version. There is nothing to update.</source>
        <translation>%1 %2 est la dernière version. Il n’y a rien à mettre à jour.</translation>
    </message>
</context>
<context>
    <name>NXAboutInfoController</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Aucune source vidéo&#xa0;!</translation>
    </message>
    <message>
        <source>Please load a DVD disc, add video clips or photos folder.</source>
        <translation>Chargez un disque DVD ou ajoutez des vidéos ou un dossier de photos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Espace libre insuffisant</translation>
    </message>
    <message>
        <source>The output folder may not have enough free space.</source>
        <translation>Le dossier de sortie n’a peut-être pas assez d’espace libre.</translation>
    </message>
    <message>
        <source>The conversion needs about %1; the disk of &quot;%2&quot; has %3 free. A conversion that fills the disk fails and keeps nothing.</source>
        <translation>La conversion nécessite environ %1&#xa0;; le disque de «&#xa0;%2&#xa0;» dispose de %3 libres. Une conversion qui remplit le disque échoue et ne conserve rien.</translation>
    </message>
    <message>
        <source>Convert Anyway</source>
        <translation>Convertir quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No output format!</source>
        <translation>Aucun format de sortie&#xa0;!</translation>
    </message>
    <message>
        <source>Choose an output format for these items:</source>
        <translation>Choisissez un format de sortie pour ces éléments&#xa0;:</translation>
    </message>
    <message>
        <source>The preview cannot be played</source>
        <translation>Impossible de lire l&apos;aperçu</translation>
    </message>
</context>
<context>
    <name>NXCameraRecorderController</name>
    <message>
        <source> - Video Recorder</source>
        <translation> - Enregistreur vidéo</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>Impossible d’ouvrir la caméra.</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera to record video.</source>
        <translation>Aucune caméra n’a été trouvée. Branchez une caméra pour enregistrer une vidéo.</translation>
    </message>
    <message>
        <source>Choose a camera in the settings.</source>
        <translation>Choisissez une caméra dans les réglages.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>L’enregistrement n’a pas pu être terminé.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Arrêtez l’enregistrement avant de fermer l’enregistreur.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>NXCategoryTableController</name>
    <message>
        <source>%1 Category, please choose the output profile</source>
        <translation>Catégorie «&#xa0;%1&#xa0;»&#xa0;: choisissez le profil de sortie</translation>
    </message>
</context>
<context>
    <name>NXCustomizeButton</name>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>NXDiscScanerController</name>
    <message>
        <source>No Disc Found</source>
        <translation>Aucun disque trouvé</translation>
    </message>
    <message>
        <source>Choose a DVD image</source>
        <translation>Choisir une image DVD</translation>
    </message>
    <message>
        <source>DVD image (*.iso *.ISO)</source>
        <translation>Image DVD (*.iso *.ISO)</translation>
    </message>
    <message>
        <source>Choose a DVD folder</source>
        <translation>Choisir un dossier DVD</translation>
    </message>
    <message>
        <source>Loading DVD ...</source>
        <translation>Chargement du DVD…</translation>
    </message>
    <message>
        <source>Analyzing %1, Please wait...</source>
        <translation>Analyse de %1, veuillez patienter…</translation>
    </message>
    <message>
        <source>Read DVD Structure Failed!</source>
        <translation>Impossible de lire la structure du DVD&#xa0;!</translation>
    </message>
    <message>
        <source>Please check the input DVD and try again.</source>
        <translation>Vérifiez le DVD et réessayez.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>Charger un DVD</translation>
    </message>
    <message>
        <source>Choose the DVD disc to load:</source>
        <translation>Choisissez le disque DVD à charger&#xa0;:</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>Disque DVD</translation>
    </message>
    <message>
        <source>Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):</source>
        <translation>Choisissez un dossier DVD (celui qui contient VIDEO_TS, ou VIDEO_TS lui-même)&#xa0;:</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>Dossier DVD</translation>
    </message>
    <message>
        <source>Choose a DVD image file (.iso):</source>
        <translation>Choisissez un fichier image DVD (.iso)&#xa0;:</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Loading DVD</source>
        <translation>Chargement du DVD</translation>
    </message>
</context>
<context>
    <name>NXFloatInfoWindowController</name>
    <message>
        <source>Media Information</source>
        <translation>Informations sur le média</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Total Video Streams</source>
        <translation>Flux vidéo au total</translation>
    </message>
    <message>
        <source>Total Audio Streams</source>
        <translation>Flux audio au total</translation>
    </message>
    <message>
        <source>Total Subtitle Streams</source>
        <translation>Flux de sous-titres au total</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Vidéo %1</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec vidéo</translation>
    </message>
    <message>
        <source>Stream BitRate</source>
        <translation>Débit du flux</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>Taille de l’image</translation>
    </message>
    <message>
        <source>%1x%2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Format d’image</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Fréquence d’images</translation>
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
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Sous-titres %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titre %1</translation>
    </message>
</context>
<context>
    <name>NXLogController</name>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>NXMPlayerControl</name>
    <message>
        <source>This display offers no OpenGL to draw the video with.</source>
        <translation>Cet écran n&apos;offre pas OpenGL pour afficher la vidéo.</translation>
    </message>
    <message>
        <source>The player cannot be started: %1</source>
        <translation>Impossible de démarrer le lecteur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>NXMainSettingController</name>
    <message>
        <source>At every start</source>
        <translation>À chaque démarrage</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Toutes les semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Tous les mois</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Snapshot folder:</source>
        <translation>Dossier des captures&#xa0;:</translation>
    </message>
    <message>
        <source>When a conversion is done</source>
        <translation>À la fin de la conversion</translation>
    </message>
    <message>
        <source>Shut down the computer</source>
        <translation>Éteindre l’ordinateur</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Add MP4 and M4V files to the video library</source>
        <translation>Ajouter les fichiers MP4 et M4V à la vidéothèque</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Check for updates:</source>
        <translation>Rechercher les mises à jour&#xa0;:</translation>
    </message>
    <message>
        <source>Default audio language:</source>
        <translation>Langue audio par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>NXNavigationBar</name>
    <message>
        <source>Output Profile Category</source>
        <translation>Catégories de profils</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>NXProfileChooserController</name>
    <message>
        <source>Output Profile</source>
        <translation>Profil de sortie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Appliquer à tout</translation>
    </message>
    <message>
        <source>Recently Used Profile</source>
        <translation>Profils récents</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Aucun profil sélectionné</translation>
    </message>
</context>
<context>
    <name>NXProfileController</name>
    <message>
        <source>Disable Video Track</source>
        <translation>Désactiver la piste vidéo</translation>
    </message>
    <message>
        <source>Video Codec: Keep original video</source>
        <translation>Codec vidéo&#xa0;: conserver la vidéo d’origine</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Réglages du profil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil&#xa0;:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec&#xa0;:</translation>
    </message>
    <message>
        <source>Width and height must be from 1 to 9999.</source>
        <translation>La largeur et la hauteur doivent être comprises entre 1 et 9999.</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution&#xa0;:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fréquence d’images&#xa0;:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Format d’image&#xa0;:</translation>
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
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Fréquence d’échantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux&#xa0;:</translation>
    </message>
    <message>
        <source>Burn Subtitle:</source>
        <translation>Incruster les sous-titres&#xa0;:</translation>
    </message>
    <message>
        <source>Two-pass encoding</source>
        <translation>Encodage en deux passes</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Appliquer à tout</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Aucun profil sélectionné</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>NXProfilePreviewCell</name>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
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
        <translation>➤ Recommandé</translation>
    </message>
</context>
<context>
    <name>NXProfileValues</name>
    <message>
        <source>keep origin</source>
        <translation>D’origine</translation>
    </message>
    <message>
        <source>Smart Match</source>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>NXProgressController</name>
    <message>
        <source>fetching...</source>
        <translation>récupération…</translation>
    </message>
    <message>
        <source>%1 / %2 Converting</source>
        <translation>Conversion %1 sur %2</translation>
    </message>
    <message>
        <source>%1 / %2 Frame Finished</source>
        <translation>%1 / %2 images terminées</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>En attente…</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion en cours…</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>Converti&#xa0;:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Restant&#xa0;:</translation>
    </message>
    <message>
        <source>FPS:</source>
        <translation>IPS&#xa0;:</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Images&#xa0;:</translation>
    </message>
    <message>
        <source>Shut down the computer when done</source>
        <translation>Éteindre l’ordinateur une fois terminé</translation>
    </message>
    <message>
        <source>Open the output folder when done</source>
        <translation>Ouvrir le dossier de sortie une fois terminé</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>Échec de la conversion</translation>
    </message>
    <message>
        <source>These items could not be converted:</source>
        <translation>Ces éléments n&apos;ont pas pu être convertis&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an item that was not converted, and why</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>NXPromptView</name>
    <message>
        <source>DVD Disc</source>
        <translation>Disque DVD</translation>
    </message>
    <message>
        <source>Load a DVD disc</source>
        <translation>Charger un disque DVD</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>Dossier DVD</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>Dossier DVD</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>ISO image</source>
        <translation>Image ISO</translation>
    </message>
</context>
<context>
    <name>NXSwitch</name>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>NXTimePicker</name>
    <message>
        <source>Increment</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Decrement</source>
        <translation>Diminuer</translation>
    </message>
    <message>
        <source>Time Picker</source>
        <translation>Sélecteur d’heure</translation>
    </message>
</context>
<context>
    <name>NXVideoDownloadOption</name>
    <message>
        <source>Highest Definition</source>
        <translation>Définition maximale</translation>
    </message>
    <message>
        <source>Download Options</source>
        <translation>Options de téléchargement</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Enregistrer dans&#xa0;:</translation>
    </message>
    <message>
        <source>Limit the download speed</source>
        <translation>Limiter la vitesse de téléchargement</translation>
    </message>
    <message>
        <source>Open the target folder when downloads finish</source>
        <translation>Ouvrir le dossier de destination à la fin des téléchargements</translation>
    </message>
    <message>
        <source>Shut down the computer when downloads finish</source>
        <translation>Éteindre l’ordinateur à la fin des téléchargements</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>Proxy&#xa0;:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Enter the proxy&apos;s address and a port from 1 to 65535.</source>
        <translation>Saisissez l’adresse du proxy et un port de 1 à 65535.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>NXYoutubeControlller</name>
    <message>
        <source>Enter the address of an online video, beginning with http:// or https://.</source>
        <translation>Saisissez l’adresse d’une vidéo en ligne commençant par http:// ou https://.</translation>
    </message>
    <message>
        <source>This display offers no OpenGL, so online videos cannot be shown here.</source>
        <translation>Cet affichage ne prend pas en charge OpenGL&#xa0;: les vidéos en ligne ne peuvent pas s’afficher ici.</translation>
    </message>
    <message>
        <source>Connecting to %1 ...</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>The picture is saved in %1.</source>
        <translation>L’image a été enregistrée dans %1.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pause.</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>Chargement de %1…</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>The video at %1 could not be played: the address gave no video, or it could not be reached.</source>
        <translation>La vidéo à l’adresse %1 n’a pas pu être lue&#xa0;: l’adresse ne fournit aucune vidéo ou est injoignable.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost at %2 of %3; playback has stopped.</source>
        <translation>La connexion à %1 a été perdue à %2 sur %3&#xa0;; la lecture s’est arrêtée.</translation>
    </message>
    <message>
        <source>Finished playing %1.</source>
        <translation>Lecture de %1 terminée.</translation>
    </message>
</context>
<context>
    <name>PMDigitalNumberFormater</name>
    <message>
        <source>Couldn&apos;t convert  to int</source>
        <translation>Conversion en entier impossible</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Are your sure you want to restart the application now?</source>
        <translation>Voulez-vous redémarrer l’application maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Language changes take effect in application the next time you open it.</source>
        <translation>Le changement de langue prendra effet au prochain lancement de l’application.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>Charger un DVD</translation>
    </message>
    <message>
        <source>Click to load a DVD disc; hold for more sources</source>
        <translation>Cliquez pour charger un disque DVD ; maintenez appuyé pour d’autres sources</translation>
    </message>
    <message>
        <source>Conversion Options</source>
        <translation>Options de conversion</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Haute qualité</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Désentrelacer</translation>
    </message>
    <message>
        <source>Safe Mode</source>
        <translation>Mode sans échec</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>Cœurs du processeur&#xa0;:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Capture d’image</translation>
    </message>
    <message>
        <source>Open the snapshot folder</source>
        <translation>Ouvrir le dossier des captures</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Choose the folder converted files are saved in</source>
        <translation>Choisir le dossier où enregistrer les fichiers convertis</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>Afficher le dossier de sortie</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Talvane</source>
        <translation>Talvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <source>Cannot Use This Folder</source>
        <translation>Impossible d’utiliser ce dossier</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to.</source>
        <translation>Impossible d’écrire dans le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Nothing could be saved there. Choose a folder you may write to; the former folder is kept.</source>
        <translation>Rien ne peut y être enregistré. Choisissez un dossier dans lequel vous pouvez écrire ; le dossier précédent est conservé.</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>Disque DVD</translation>
    </message>
    <message>
        <source>DVD Folder</source>
        <translation>Dossier DVD</translation>
    </message>
    <message>
        <source>ISO Image</source>
        <translation>Image ISO</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Ajouter des vidéos</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Screen Recorder</source>
        <translation>Enregistrer l’écran</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Online Video</source>
        <translation>Vidéo en ligne</translation>
    </message>
    <message>
        <source>Talvane plays online videos; it does not download them.</source>
        <translation>Talvane lit les vidéos en ligne, mais ne les télécharge pas.</translation>
    </message>
    <message>
        <source>Paste the address of an online video (http:// or https://)</source>
        <translation>Collez l’adresse d’une vidéo en ligne (http:// ou https://)</translation>
    </message>
    <message>
        <source>Play the video at this address</source>
        <translation>Lire la vidéo à cette adresse</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Download options</source>
        <translation>Options de téléchargement</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Mettre en pause ou reprendre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Save a picture of the video</source>
        <translation>Enregistrer une image de la vidéo</translation>
    </message>
    <message>
        <source>Open the download folder</source>
        <translation>Ouvrir le dossier des téléchargements</translation>
    </message>
    <message>
        <source>Downloads: none (playing only)</source>
        <translation>Téléchargements&#xa0;: aucun (lecture seule)</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Effacer les terminés</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Enregistrer dans&#xa0;:</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Screen Recorder Settings</source>
        <translation>Réglages de l’enregistreur d’écran</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>images par seconde</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Fréquence d’images&#xa0;:</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>Audio&#xa0;:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Countdown:</source>
        <translation>Compte à rebours&#xa0;:</translation>
    </message>
    <message>
        <source>Show mouse clicks</source>
        <translation>Afficher les clics de souris</translation>
    </message>
    <message>
        <source>Open the movie when the recording ends</source>
        <translation>Ouvrir la vidéo à la fin de l’enregistrement</translation>
    </message>
    <message>
        <source>Add the movie to the conversion list</source>
        <translation>Ajouter la vidéo à la liste de conversion</translation>
    </message>
    <message>
        <source>Record region:</source>
        <translation>Zone d’enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>Video Recorder Settings</source>
        <translation>Réglages de l’enregistreur vidéo</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Caméra&#xa0;:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>Micro&#xa0;:</translation>
    </message>
    <message>
        <source>Largest size:</source>
        <translation>Taille maximale&#xa0;:</translation>
    </message>
    <message>
        <source>Preview volume:</source>
        <translation>Volume de l’aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>Show the movie in its folder</source>
        <translation>Afficher la vidéo dans son dossier</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; in %2 is not UTF-8 text.</source>
        <translation>Le nom «&#xa0;%1&#xa0;» dans %2 n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Nothing can be saved in a folder whose path holds a name that is not text. Rename it or choose another folder; the former folder is kept.</source>
        <translation>Rien ne peut être enregistré dans un dossier dont le chemin contient un nom qui n’est pas du texte. Renommez-le ou choisissez un autre dossier&#xa0;; l’ancien dossier est conservé.</translation>
    </message>
</context>
<context>
    <name>QuivraVideoConverterAppDelegate</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Masquer %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Quitter %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>cropConfigure</name>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Keep Current Ratio</source>
        <translation>Conserver les proportions actuelles</translation>
    </message>
    <message>
        <source>Keep 16:9 While Dragging</source>
        <translation>Conserver le 16:9 pendant le glissement</translation>
    </message>
    <message>
        <source>Keep 4:3 While Dragging</source>
        <translation>Conserver le 4:3 pendant le glissement</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation>1:1 (carré)</translation>
    </message>
    <message>
        <source>2.35:1 (Cinema)</source>
        <translation>2,35:1 (cinéma)</translation>
    </message>
    <message>
        <source>Remove Black Borders</source>
        <translation>Supprimer les bandes noires</translation>
    </message>
</context>
</TS>
