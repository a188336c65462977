<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ConvertFailure</name>
    <message>
        <source>the conversion failed (result %1)</source>
        <translation>la conversión ha fallado (resultado %1)</translation>
    </message>
    <message>
        <source>no output folder is set</source>
        <translation>no hay ninguna carpeta de salida definida</translation>
    </message>
    <message>
        <source>the output folder&apos;s path is too long for the engines: choose a shorter one</source>
        <translation>la ruta de la carpeta de salida es demasiado larga para los motores: elige una más corta</translation>
    </message>
    <message>
        <source>the media file %1 does not exist any more</source>
        <translation>el archivo multimedia %1 ya no existe</translation>
    </message>
    <message>
        <source>a member of the file group is not a media file</source>
        <translation>un miembro del grupo de archivos no es un archivo multimedia</translation>
    </message>
    <message>
        <source>no file can be made in the temporary folder</source>
        <translation>no se puede crear ningún archivo en la carpeta temporal</translation>
    </message>
    <message>
        <source>the DVD&apos;s data is damaged: %1</source>
        <translation>los datos del DVD están dañados: %1</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged</source>
        <translation>los registros del DVD del título %1 en %2 están dañados</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged</source>
        <translation>los registros del DVD en %1 están dañados</translation>
    </message>
    <message>
        <source>the %1 engine stopped answering (no progress for %2 s) and was ended</source>
        <translation>el motor %1 dejó de responder (sin progreso durante %2 s) y se ha terminado</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free</source>
        <translation>el disco de %1 se quedó sin espacio durante la pasada: la salida necesita unos %2 y el disco tiene %3 libres</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free</source>
        <translation>el disco de %1 se quedó sin espacio durante la pasada: la salida necesita más de los %2 libres del disco</translation>
    </message>
    <message>
        <source>the %1 engine failed: %2</source>
        <translation>el motor %1 ha fallado: %2</translation>
    </message>
    <message>
        <source>the %1 engine failed (result %2)</source>
        <translation>el motor %1 ha fallado (resultado %2)</translation>
    </message>
    <message>
        <source>the %1 engine cannot be used</source>
        <translation>no se puede usar el motor %1</translation>
    </message>
    <message>
        <source>the output is not whole: %1</source>
        <translation>la salida no está completa: %1</translation>
    </message>
    <message>
        <source>the output lasts %1 s where %2 s were expected: the source may be cut short</source>
        <translation>la salida dura %1 s en lugar de los %2 s esperados: puede que la fuente esté cortada</translation>
    </message>
    <message>
        <source>the profile %1 cannot be used: %2</source>
        <translation>no se puede usar el perfil %1: %2</translation>
    </message>
    <message>
        <source>the engine cannot take the argument vector the profile makes</source>
        <translation>el motor no acepta el vector de argumentos que crea el perfil</translation>
    </message>
    <message>
        <source>the output file name %1 is %2 bytes long; file systems take %3 at most</source>
        <translation>el nombre del archivo de salida %1 ocupa %2 bytes; los sistemas de archivos admiten como máximo %3</translation>
    </message>
    <message>
        <source>the output path %1 is too long for the engines</source>
        <translation>la ruta de salida %1 es demasiado larga para los motores</translation>
    </message>
    <message>
        <source>the slideshow was not made: %1</source>
        <translation>no se ha creado la presentación: %1</translation>
    </message>
    <message>
        <source>the image-to-video engine made no movie</source>
        <translation>el motor image-to-video no ha creado ninguna película</translation>
    </message>
    <message>
        <source>the rendered slideshow holds no video</source>
        <translation>la presentación creada no contiene vídeo</translation>
    </message>
    <message>
        <source>the selected titles cannot be joined</source>
        <translation>no se pueden unir los títulos seleccionados</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged, and %3</source>
        <translation>los registros del DVD del título %1 en %2 están dañados, y %3</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged, and %2</source>
        <translation>los registros del DVD en %1 están dañados, y %2</translation>
    </message>
    <message>
        <source>the %1 engine stopped: %2 reached the file-size limit (ulimit -f)</source>
        <translation>el motor %1 se detuvo: %2 alcanzó el límite de tamaño de archivo (ulimit -f)</translation>
    </message>
    <message>
        <source>the %1 engine crashed: %2 ended with %3</source>
        <translation>el motor %1 se bloqueó: %2 terminó con %3</translation>
    </message>
    <message>
        <source>the %1 engine was killed: %2 ended with SIGKILL</source>
        <translation>el motor %1 fue eliminado: %2 terminó con SIGKILL</translation>
    </message>
    <message>
        <source>the %1 engine was ended by a signal: %2 ended with %3</source>
        <translation>el motor %1 terminó por una señal: %2 terminó con %3</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder</source>
        <translation>el nombre «%1» en %2 no es texto UTF-8, así que no se puede escribir nada en la carpeta de salida: cámbiale el nombre o elige otra carpeta de salida</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so the source cannot be read: rename it</source>
        <translation>el nombre «%1» en %2 no es texto UTF-8, así que no se puede leer la fuente: cámbiale el nombre</translation>
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
        <translation>Perfil de salida</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
</context>
<context>
    <name>DNCellToolbar</name>
    <message>
        <source>Media Information</source>
        <translation>Información multimedia</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
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
        <translation>Pista %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Subtítulos forzados</translation>
    </message>
</context>
<context>
    <name>DNDVDRootCell</name>
    <message>
        <source>Merge titles:</source>
        <translation>Unir títulos:</translation>
    </message>
    <message>
        <source>Target: </source>
        <translation>Destino: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Archivo de salida:</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Output Profile</source>
        <translation>Perfil de salida</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Target File Name</source>
        <translation>Nombre del archivo de salida</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Sin perfil</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Main title detected: </source>
        <translation>Título principal detectado: </translation>
    </message>
    <message>
        <source>Titles ready to rip: </source>
        <translation>Títulos para extraer: </translation>
    </message>
    <message>
        <source>No Title</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Formato de salida: </translation>
    </message>
    <message>
        <source>Edit tags</source>
        <translation>Editar etiquetas</translation>
    </message>
</context>
<context>
    <name>DNDVDTitleCell</name>
    <message>
        <source>title %1</source>
        <translation>título %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Audio Volume</source>
        <translation>Volumen del audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Crop &amp; Expand</source>
        <translation>Recortar y ampliar</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Anular la selección</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Sin audio</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Pista %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Subtítulos forzados</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Cargar subtítulos…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Subtítulos desactivados</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Sin subtítulos</translation>
    </message>
</context>
<context>
    <name>DNEffectsView</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderController</name>
    <message>
        <source>Video files (%1)</source>
        <translation>Archivos de vídeo (%1)</translation>
    </message>
    <message>
        <source>Load Photo Failed!</source>
        <translation>¡No se pudieron cargar las fotos!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Some files were not added</source>
        <translation>Algunos archivos no se han añadido</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>No se han podido añadir estos archivos:</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderSheet</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Loading Photos</source>
        <translation>Cargando fotos</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>Cargando %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DNFileNode</name>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Pista %1 [%2]</translation>
    </message>
</context>
<context>
    <name>DNGroupCell</name>
    <message>
        <source>Output file:</source>
        <translation>Archivo de salida:</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Formato de salida: </translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Sin perfil</translation>
    </message>
</context>
<context>
    <name>DNImageEditor</name>
    <message>
        <source>Add Photo Folder</source>
        <translation>Añadir carpeta de fotos</translation>
    </message>
    <message>
        <source>Remove this music</source>
        <translation>Quitar esta música</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Añadir música</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.m4a)</source>
        <translation>Música (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>Reproducir la vista previa</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Transiciones</translation>
    </message>
    <message>
        <source>Fitted to the music</source>
        <translation>Ajustado a la música</translation>
    </message>
    <message>
        <source>Seconds per photo:</source>
        <translation>Segundos por foto:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Vídeo:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Música:</translation>
    </message>
    <message>
        <source>All Folders</source>
        <translation>Todas las carpetas</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>Posición GPS</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>Ordenar por:</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Add Music...</source>
        <translation>Añadir música…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>DNMajorTableViewController</name>
    <message>
        <source>Frequently Used Profile</source>
        <translation>Perfiles frecuentes</translation>
    </message>
    <message>
        <source>DVD Backup Profile</source>
        <translation>Perfiles de copia de DVD</translation>
    </message>
    <message>
        <source>Mobile Video Profile</source>
        <translation>Perfiles para dispositivos móviles</translation>
    </message>
    <message>
        <source>Web Video Profile</source>
        <translation>Perfiles de vídeo web</translation>
    </message>
    <message>
        <source>Common Video Profile</source>
        <translation>Perfiles de vídeo comunes</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Ningún perfil seleccionado</translation>
    </message>
</context>
<context>
    <name>DNNodeTagController</name>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Output Name:</source>
        <translation>Nombre de salida:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Género:</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
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
        <translation>audio original</translation>
    </message>
    <message>
        <source>Codec: %@+%@ , Resolution: %@</source>
        <translation>Códec: %@+%@, resolución: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@</source>
        <translation>Códec: %@, tasa de bits: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@kbps</source>
        <translation>Códec: %@, tasa de bits: %@ kbps</translation>
    </message>
</context>
<context>
    <name>DNProfileManager</name>
    <message>
        <source>%@ is damaged!</source>
        <translation>¡%@ está dañado!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and can’t be opened. Please delete &quot;%1&quot; and download it again from the official website!</source>
        <translation>«%1» está dañado y no se puede abrir. ¡Elimina «%1» y vuelve a descargarlo del sitio web oficial!</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Descargar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DNProfilePreviewTableViewController</name>
    <message>
        <source>%1 Profile Selected</source>
        <translation>Perfil «%1» seleccionado</translation>
    </message>
</context>
<context>
    <name>DNRootCell</name>
    <message>
        <source>Target format: </source>
        <translation>Formato de salida: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Archivo de salida:</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Sin audio</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Pista %1 [%2]</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Cargar subtítulos…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Subtítulos desactivados</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Sin subtítulos</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Sin perfil</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Subtítulos (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
</context>
<context>
    <name>DNRootPhotoCell</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 fotos</translation>
    </message>
</context>
<context>
    <name>DNSRWindowController</name>
    <message>
        <source> - Screen Recorder</source>
        <translation> - Grabador de pantalla</translation>
    </message>
    <message>
        <source>Crop Region</source>
        <translation>Elegir la zona de grabación</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session runs on Wayland.</source>
        <translation>Solo se pueden grabar las sesiones X11; esta sesión usa Wayland.</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session has no X display.</source>
        <translation>Solo se pueden grabar las sesiones X11; esta sesión no tiene pantalla X.</translation>
    </message>
    <message>
        <source>Screen Record Unavailable!</source>
        <translation>¡La grabación de pantalla no está disponible!</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>No se ha podido terminar la grabación.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Detén la grabación antes de cerrar el grabador.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
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
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>The live picture of the screen cannot be shown here.</source>
        <translation>La imagen en directo de la pantalla no se puede mostrar aquí.</translation>
    </message>
</context>
<context>
    <name>DNStatusItem</name>
    <message>
        <source>Stop Recording</source>
        <translation>Detener la grabación</translation>
    </message>
</context>
<context>
    <name>DNUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1...</source>
        <translation>Buscando una versión más reciente de %1…</translation>
    </message>
    <message>
        <source>Check for a new version on the download page</source>
        <translation>Buscar una versión nueva en la página de descarga</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visitar el sitio web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 Update Wizard</source>
        <translation>Asistente de actualización de %1</translation>
    </message>
</context>
<context>
    <name>DNUpdateViewController</name>
    <message>
        <source>The version %1 of this application is now available--you have %2.</source>
        <translation>Ya está disponible la versión %1 de esta aplicación; tienes la %2.</translation>
    </message>
    <message>
        <source>A new version of this application is available; would you like to visit the web site?</source>
        <translation>Hay una versión nueva de esta aplicación. ¿Quieres visitar el sitio web?</translation>
    </message>
    <message>
        <source>You already have the latest version of this application.</source>
        <translation>Ya tienes la versión más reciente de esta aplicación.</translation>
    </message>
</context>
<context>
    <name>DNUpgradeController</name>
    <message>
        <source>No update service is set, so this copy cannot look for new versions.</source>
        <translation>No hay ningún servicio de actualización configurado, así que esta copia no puede buscar versiones nuevas.</translation>
    </message>
    <message>
        <source>The update service has no information about new versions.</source>
        <translation>El servicio de actualización no tiene información sobre versiones nuevas.</translation>
    </message>
    <message>
        <source>The update service answered with information that cannot be read.</source>
        <translation>La respuesta del servicio de actualización no se puede leer.</translation>
    </message>
    <message>
        <source>Cannot reach the update service. Check the network connection and try again.</source>
        <translation>No se puede conectar con el servicio de actualización. Comprueba la conexión de red e inténtalo de nuevo.</translation>
    </message>
</context>
<context>
    <name>DNVideoEditorController</name>
    <message>
        <source>No Subtitle</source>
        <translation>Sin subtítulos</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>En el centro</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Choose a Subtitle File</source>
        <translation>Elegir un archivo de subtítulos</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Subtítulos (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
    <message>
        <source>Choose a Watermark Picture</source>
        <translation>Elegir la imagen de la marca de agua</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Edit Video</source>
        <translation>Editar vídeo</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Reproducir o pausar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Give these edits to every DVD title in the list</source>
        <translation>Aplicar estas ediciones a todos los títulos de DVD de la lista</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>Fill the profile&apos;s picture size with black bands</source>
        <translation>Completar el tamaño de imagen del perfil con bandas negras</translation>
    </message>
    <message>
        <source>Profile picture size:</source>
        <translation>Tamaño de imagen del perfil:</translation>
    </message>
    <message>
        <source>Unknown until it plays</source>
        <translation>Se conocerá al reproducir</translation>
    </message>
    <message>
        <source>Source picture size:</source>
        <translation>Tamaño de imagen de origen:</translation>
    </message>
    <message>
        <source>Keep the part between the start and the end; drag the slider&apos;s limit knobs or type the times.</source>
        <translation>Conserva la parte entre el inicio y el fin; arrastra los límites del control deslizante o escribe los tiempos.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Drag the box over the original picture, or choose a preset.</source>
        <translation>Arrastra el recuadro sobre la imagen original o elige un preajuste.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Preajuste:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Izquierda:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Arriba:</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn clockwise</source>
        <translation>Girar la imagen un cuarto de vuelta en el sentido de las agujas del reloj</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Reflejar la imagen horizontalmente</translation>
    </message>
    <message>
        <source>Lay a picture or a text over the video; drag its box over the preview.</source>
        <translation>Superpone una imagen o un texto al vídeo; arrastra su recuadro en la vista previa.</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>The text to show</source>
        <translation>Texto que se mostrará</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Fuente…</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparencia:</translation>
    </message>
    <message>
        <source>Colour the picture.</source>
        <translation>Aplica un efecto de color a la imagen.</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Burn a subtitle stream or a subtitle file into the picture.</source>
        <translation>Incrusta en la imagen una pista o un archivo de subtítulos.</translation>
    </message>
    <message>
        <source>Subtitle stream:</source>
        <translation>Pista de subtítulos:</translation>
    </message>
    <message>
        <source>Subtitle file:</source>
        <translation>Archivo de subtítulos:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>Idioma de los subtítulos</translation>
    </message>
    <message>
        <source>Which language is the subtitle file in?</source>
        <translation>¿En qué idioma está el archivo de subtítulos?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Text Colour...</source>
        <translation>Color del texto…</translation>
    </message>
</context>
<context>
    <name>DNWindowSelectView</name>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar la grabación</translation>
    </message>
</context>
<context>
    <name>DNYTBUpdateController</name>
    <message>
        <source>The version %1 of %2 is now available--you have %3.
</source>
        <translation>Ya está disponible la versión %1 de %2; tienes la %3.
</translation>
    </message>
    <message>
        <source>New version is available for this application. We recommend that you upgrade to the latest version with optimized functionality.</source>
        <translation>Hay una versión nueva de esta aplicación. Te recomendamos actualizar a la última versión, con funciones mejoradas.</translation>
    </message>
    <message>
        <source>%1 %2 is the latest version. There is nothing to update.</source>
        <translation>%1 %2 es la versión más reciente. No hay nada que actualizar.</translation>
    </message>
</context>
<context>
    <name>NXAboutInfoController</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>NXAppController</name>
    <message>
        <source>No video source!</source>
        <translation>¡No hay ninguna fuente de vídeo!</translation>
    </message>
    <message>
        <source>Please load a DVD disc, add video clips or photos folder.</source>
        <translation>Carga un disco DVD o añade vídeos o una carpeta de fotos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>No hay suficiente espacio libre</translation>
    </message>
    <message>
        <source>The output folder may not have enough free space.</source>
        <translation>Puede que la carpeta de salida no tenga suficiente espacio libre.</translation>
    </message>
    <message>
        <source>The conversion needs about %1; the disk of &quot;%2&quot; has %3 free. A conversion that fills the disk fails and keeps nothing.</source>
        <translation>La conversión necesita unos %1; el disco de «%2» tiene %3 libres. Una conversión que llena el disco falla y no conserva nada.</translation>
    </message>
    <message>
        <source>Convert Anyway</source>
        <translation>Convertir de todos modos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No output format!</source>
        <translation>¡No hay formato de salida!</translation>
    </message>
    <message>
        <source>Choose an output format for these items:</source>
        <translation>Elija un formato de salida para estos elementos:</translation>
    </message>
    <message>
        <source>The preview cannot be played</source>
        <translation>No se puede reproducir la vista previa</translation>
    </message>
</context>
<context>
    <name>NXCameraRecorderController</name>
    <message>
        <source> - Video Recorder</source>
        <translation> - Grabador de vídeo</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>No se ha podido abrir la cámara.</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera to record video.</source>
        <translation>No se ha encontrado ninguna cámara. Conecta una cámara para grabar vídeo.</translation>
    </message>
    <message>
        <source>Choose a camera in the settings.</source>
        <translation>Elige una cámara en los ajustes.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>No se ha podido terminar la grabación.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Detén la grabación antes de cerrar el grabador.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>NXCategoryTableController</name>
    <message>
        <source>%1 Category, please choose the output profile</source>
        <translation>Categoría «%1»: elige el perfil de salida</translation>
    </message>
</context>
<context>
    <name>NXCustomizeButton</name>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>NXDiscScanerController</name>
    <message>
        <source>No Disc Found</source>
        <translation>No se encontró ningún disco</translation>
    </message>
    <message>
        <source>Choose a DVD image</source>
        <translation>Elige una imagen de DVD</translation>
    </message>
    <message>
        <source>DVD image (*.iso *.ISO)</source>
        <translation>Imagen de DVD (*.iso *.ISO)</translation>
    </message>
    <message>
        <source>Choose a DVD folder</source>
        <translation>Elige una carpeta de DVD</translation>
    </message>
    <message>
        <source>Loading DVD ...</source>
        <translation>Cargando DVD…</translation>
    </message>
    <message>
        <source>Analyzing %1, Please wait...</source>
        <translation>Analizando %1, espera…</translation>
    </message>
    <message>
        <source>Read DVD Structure Failed!</source>
        <translation>¡No se pudo leer la estructura del DVD!</translation>
    </message>
    <message>
        <source>Please check the input DVD and try again.</source>
        <translation>Comprueba el DVD e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>Cargar DVD</translation>
    </message>
    <message>
        <source>Choose the DVD disc to load:</source>
        <translation>Elige el disco DVD que quieres cargar:</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>Disco DVD</translation>
    </message>
    <message>
        <source>Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):</source>
        <translation>Elige una carpeta de DVD (la que contiene VIDEO_TS o la propia VIDEO_TS):</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>Carpeta DVD</translation>
    </message>
    <message>
        <source>Choose a DVD image file (.iso):</source>
        <translation>Elige un archivo de imagen de DVD (.iso):</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Loading DVD</source>
        <translation>Cargando DVD</translation>
    </message>
</context>
<context>
    <name>NXFloatInfoWindowController</name>
    <message>
        <source>Media Information</source>
        <translation>Información multimedia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Total Video Streams</source>
        <translation>Total de flujos de vídeo</translation>
    </message>
    <message>
        <source>Total Audio Streams</source>
        <translation>Total de flujos de audio</translation>
    </message>
    <message>
        <source>Total Subtitle Streams</source>
        <translation>Total de flujos de subtítulos</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Vídeo %1</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Códec de vídeo</translation>
    </message>
    <message>
        <source>Stream BitRate</source>
        <translation>Tasa de bits del flujo</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>Tamaño del fotograma</translation>
    </message>
    <message>
        <source>%1x%2 pixels</source>
        <translation>%1x%2 píxeles</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>Audio %1</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Códec de audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Subtítulos %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Título %1</translation>
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
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>NXMPlayerControl</name>
    <message>
        <source>This display offers no OpenGL to draw the video with.</source>
        <translation>Esta pantalla no ofrece OpenGL para mostrar el vídeo.</translation>
    </message>
    <message>
        <source>The player cannot be started: %1</source>
        <translation>No se puede iniciar el reproductor: %1</translation>
    </message>
</context>
<context>
    <name>NXMainSettingController</name>
    <message>
        <source>At every start</source>
        <translation>En cada inicio</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>A diario</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensualmente</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Snapshot folder:</source>
        <translation>Carpeta de capturas:</translation>
    </message>
    <message>
        <source>When a conversion is done</source>
        <translation>Al terminar la conversión</translation>
    </message>
    <message>
        <source>Shut down the computer</source>
        <translation>Apagar el equipo</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Abrir la carpeta de salida</translation>
    </message>
    <message>
        <source>Add MP4 and M4V files to the video library</source>
        <translation>Añadir los archivos MP4 y M4V a la videoteca</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Check for updates:</source>
        <translation>Buscar actualizaciones:</translation>
    </message>
    <message>
        <source>Default audio language:</source>
        <translation>Idioma de audio predeterminado:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>NXNavigationBar</name>
    <message>
        <source>Output Profile Category</source>
        <translation>Categorías de perfiles</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>NXProfileChooserController</name>
    <message>
        <source>Output Profile</source>
        <translation>Perfil de salida</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Recently Used Profile</source>
        <translation>Perfiles usados recientemente</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Ningún perfil seleccionado</translation>
    </message>
</context>
<context>
    <name>NXProfileController</name>
    <message>
        <source>Disable Video Track</source>
        <translation>Desactivar la pista de vídeo</translation>
    </message>
    <message>
        <source>Video Codec: Keep original video</source>
        <translation>Códec de vídeo: mantener el vídeo original</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Ajustes del perfil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Códec:</translation>
    </message>
    <message>
        <source>Width and height must be from 1 to 9999.</source>
        <translation>El ancho y el alto deben estar entre 1 y 9999.</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Velocidad de fotogramas:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Relación de aspecto:</translation>
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
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Burn Subtitle:</source>
        <translation>Incrustar subtítulos:</translation>
    </message>
    <message>
        <source>Two-pass encoding</source>
        <translation>Codificación en dos pasadas</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Ningún perfil seleccionado</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Sí</translation>
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
        <translation>Rápido</translation>
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
        <translation>➤ Recomendado</translation>
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
        <translation>Automático</translation>
    </message>
</context>
<context>
    <name>NXProgressController</name>
    <message>
        <source>fetching...</source>
        <translation>obteniendo…</translation>
    </message>
    <message>
        <source>%1 / %2 Converting</source>
        <translation>Convirtiendo %1 de %2</translation>
    </message>
    <message>
        <source>%1 / %2 Frame Finished</source>
        <translation>%1 / %2 fotogramas terminados</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Esperando…</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo…</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>Convertido:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Restante:</translation>
    </message>
    <message>
        <source>FPS:</source>
        <translation>FPS:</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <source>Shut down the computer when done</source>
        <translation>Apagar el equipo al terminar</translation>
    </message>
    <message>
        <source>Open the output folder when done</source>
        <translation>Abrir la carpeta de salida al terminar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>Error en la conversión</translation>
    </message>
    <message>
        <source>These items could not be converted:</source>
        <translation>No se han podido convertir estos elementos:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Cargar un disco DVD</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>Carpeta DVD</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>Carpeta DVD</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>ISO image</source>
        <translation>Imagen ISO</translation>
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
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>NXTimePicker</name>
    <message>
        <source>Increment</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrement</source>
        <translation>Disminuir</translation>
    </message>
    <message>
        <source>Time Picker</source>
        <translation>Selector de hora</translation>
    </message>
</context>
<context>
    <name>NXVideoDownloadOption</name>
    <message>
        <source>Highest Definition</source>
        <translation>Máxima definición</translation>
    </message>
    <message>
        <source>Download Options</source>
        <translation>Opciones de descarga</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>Limit the download speed</source>
        <translation>Limitar la velocidad de descarga</translation>
    </message>
    <message>
        <source>Open the target folder when downloads finish</source>
        <translation>Abrir la carpeta de destino al terminar las descargas</translation>
    </message>
    <message>
        <source>Shut down the computer when downloads finish</source>
        <translation>Apagar el equipo al terminar las descargas</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>Proxy:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Enter the proxy&apos;s address and a port from 1 to 65535.</source>
        <translation>Introduce la dirección del proxy y un puerto del 1 al 65535.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>NXYoutubeControlller</name>
    <message>
        <source>Enter the address of an online video, beginning with http:// or https://.</source>
        <translation>Introduce la dirección de un vídeo en línea que empiece por http:// o https://.</translation>
    </message>
    <message>
        <source>This display offers no OpenGL, so online videos cannot be shown here.</source>
        <translation>Esta pantalla no ofrece OpenGL, así que aquí no se pueden mostrar vídeos en línea.</translation>
    </message>
    <message>
        <source>Connecting to %1 ...</source>
        <translation>Conectando con %1…</translation>
    </message>
    <message>
        <source>The picture is saved in %1.</source>
        <translation>La imagen se ha guardado en %1.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pausa.</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>Reproduciendo %1</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>Cargando %1…</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>The video at %1 could not be played: the address gave no video, or it could not be reached.</source>
        <translation>No se ha podido reproducir el vídeo de %1: la dirección no contiene ningún vídeo o no se puede acceder a ella.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost at %2 of %3; playback has stopped.</source>
        <translation>Se ha perdido la conexión con %1 en %2 de %3; la reproducción se ha detenido.</translation>
    </message>
    <message>
        <source>Finished playing %1.</source>
        <translation>Reproducción de %1 terminada.</translation>
    </message>
</context>
<context>
    <name>PMDigitalNumberFormater</name>
    <message>
        <source>Couldn&apos;t convert  to int</source>
        <translation>No se pudo convertir a entero</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Are your sure you want to restart the application now?</source>
        <translation>¿Quieres reiniciar la aplicación ahora?</translation>
    </message>
    <message>
        <source>Language changes take effect in application the next time you open it.</source>
        <translation>El cambio de idioma se aplicará la próxima vez que abras la aplicación.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>Cargar DVD</translation>
    </message>
    <message>
        <source>Click to load a DVD disc; hold for more sources</source>
        <translation>Haz clic para cargar un disco DVD; mantén pulsado para ver más fuentes</translation>
    </message>
    <message>
        <source>Conversion Options</source>
        <translation>Opciones de conversión</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Alta calidad</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Desentrelazar</translation>
    </message>
    <message>
        <source>Safe Mode</source>
        <translation>Modo seguro</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>Núcleos de CPU:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Open the snapshot folder</source>
        <translation>Abrir la carpeta de capturas</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Choose the folder converted files are saved in</source>
        <translation>Elige la carpeta donde se guardan los archivos convertidos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>Mostrar la carpeta de salida</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar registro</translation>
    </message>
    <message>
        <source>Cannot Use This Folder</source>
        <translation>No se puede usar esta carpeta</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to.</source>
        <translation>No se puede escribir en la carpeta «%1».</translation>
    </message>
    <message>
        <source>Nothing could be saved there. Choose a folder you may write to; the former folder is kept.</source>
        <translation>Ahí no se puede guardar nada. Elige una carpeta en la que puedas escribir; se mantiene la carpeta anterior.</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>Disco DVD</translation>
    </message>
    <message>
        <source>DVD Folder</source>
        <translation>Carpeta DVD</translation>
    </message>
    <message>
        <source>ISO Image</source>
        <translation>Imagen ISO</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Añadir vídeo</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unir</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Screen Recorder</source>
        <translation>Grabar pantalla</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Online Video</source>
        <translation>Vídeo en línea</translation>
    </message>
    <message>
        <source>Talvane plays online videos; it does not download them.</source>
        <translation>Talvane reproduce vídeos en línea, pero no los descarga.</translation>
    </message>
    <message>
        <source>Paste the address of an online video (http:// or https://)</source>
        <translation>Pega la dirección de un vídeo en línea (http:// o https://)</translation>
    </message>
    <message>
        <source>Play the video at this address</source>
        <translation>Reproducir el vídeo de esta dirección</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Download options</source>
        <translation>Opciones de descarga</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar o reanudar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Save a picture of the video</source>
        <translation>Guardar una imagen del vídeo</translation>
    </message>
    <message>
        <source>Open the download folder</source>
        <translation>Abrir la carpeta de descargas</translation>
    </message>
    <message>
        <source>Downloads: none (playing only)</source>
        <translation>Descargas: ninguna (solo reproducción)</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Borrar terminadas</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Descargar ahora</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Elige una carpeta</translation>
    </message>
    <message>
        <source>Screen Recorder Settings</source>
        <translation>Ajustes del grabador de pantalla</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>fotogramas por segundo</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Velocidad de fotogramas:</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>Audio:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Countdown:</source>
        <translation>Cuenta atrás:</translation>
    </message>
    <message>
        <source>Show mouse clicks</source>
        <translation>Mostrar los clics del ratón</translation>
    </message>
    <message>
        <source>Open the movie when the recording ends</source>
        <translation>Abrir el vídeo al terminar la grabación</translation>
    </message>
    <message>
        <source>Add the movie to the conversion list</source>
        <translation>Añadir el vídeo a la lista de conversión</translation>
    </message>
    <message>
        <source>Record region:</source>
        <translation>Zona de grabación:</translation>
    </message>
    <message>
        <source>Video Recorder Settings</source>
        <translation>Ajustes del grabador de vídeo</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Cámara:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>Micrófono:</translation>
    </message>
    <message>
        <source>Largest size:</source>
        <translation>Tamaño máximo:</translation>
    </message>
    <message>
        <source>Preview volume:</source>
        <translation>Volumen de la vista previa:</translation>
    </message>
    <message>
        <source>Show the movie in its folder</source>
        <translation>Mostrar el vídeo en su carpeta</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; in %2 is not UTF-8 text.</source>
        <translation>El nombre «%1» en %2 no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Nothing can be saved in a folder whose path holds a name that is not text. Rename it or choose another folder; the former folder is kept.</source>
        <translation>No se puede guardar nada en una carpeta cuya ruta contiene un nombre que no es texto. Cámbiale el nombre o elige otra carpeta; se mantiene la carpeta anterior.</translation>
    </message>
</context>
<context>
    <name>QuivraVideoConverterAppDelegate</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Ocultar %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Salir de %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
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
        <translation>Mantener la proporción actual</translation>
    </message>
    <message>
        <source>Keep 16:9 While Dragging</source>
        <translation>Mantener 16:9 al arrastrar</translation>
    </message>
    <message>
        <source>Keep 4:3 While Dragging</source>
        <translation>Mantener 4:3 al arrastrar</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation>1:1 (cuadrado)</translation>
    </message>
    <message>
        <source>2.35:1 (Cinema)</source>
        <translation>2,35:1 (cine)</translation>
    </message>
    <message>
        <source>Remove Black Borders</source>
        <translation>Quitar bordes negros</translation>
    </message>
</context>
</TS>
