<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>ConvertFailure</name>
    <message>
        <source>the conversion failed (result %1)</source>
        <translation>a conversão falhou (resultado %1)</translation>
    </message>
    <message>
        <source>no output folder is set</source>
        <translation>não está definida nenhuma pasta de destino</translation>
    </message>
    <message>
        <source>the output folder&apos;s path is too long for the engines: choose a shorter one</source>
        <translation>o caminho da pasta de destino é demasiado longo para os motores: escolha um mais curto</translation>
    </message>
    <message>
        <source>the media file %1 does not exist any more</source>
        <translation>o ficheiro multimédia %1 já não existe</translation>
    </message>
    <message>
        <source>a member of the file group is not a media file</source>
        <translation>um membro do grupo de ficheiros não é um ficheiro multimédia</translation>
    </message>
    <message>
        <source>no file can be made in the temporary folder</source>
        <translation>não é possível criar nenhum ficheiro na pasta temporária</translation>
    </message>
    <message>
        <source>the DVD&apos;s data is damaged: %1</source>
        <translation>os dados do DVD estão danificados: %1</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged</source>
        <translation>os registos do DVD do título %1 em %2 estão danificados</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged</source>
        <translation>os registos do DVD em %1 estão danificados</translation>
    </message>
    <message>
        <source>the %1 engine stopped answering (no progress for %2 s) and was ended</source>
        <translation>o motor %1 deixou de responder (sem progresso durante %2 s) e foi terminado</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs about %2 and the disk has %3 free</source>
        <translation>o disco de %1 ficou sem espaço durante a passagem: a saída precisa de cerca de %2 e o disco tem %3 livres</translation>
    </message>
    <message>
        <source>the disk of %1 ran out of space during the pass: the output needs more than the %2 the disk has free</source>
        <translation>o disco de %1 ficou sem espaço durante a passagem: a saída precisa de mais do que os %2 livres no disco</translation>
    </message>
    <message>
        <source>the %1 engine failed: %2</source>
        <translation>o motor %1 falhou: %2</translation>
    </message>
    <message>
        <source>the %1 engine failed (result %2)</source>
        <translation>o motor %1 falhou (resultado %2)</translation>
    </message>
    <message>
        <source>the %1 engine cannot be used</source>
        <translation>não é possível utilizar o motor %1</translation>
    </message>
    <message>
        <source>the output is not whole: %1</source>
        <translation>a saída não está completa: %1</translation>
    </message>
    <message>
        <source>the output lasts %1 s where %2 s were expected: the source may be cut short</source>
        <translation>a saída dura %1 s em vez dos %2 s esperados: a origem pode estar cortada</translation>
    </message>
    <message>
        <source>the profile %1 cannot be used: %2</source>
        <translation>não é possível utilizar o perfil %1: %2</translation>
    </message>
    <message>
        <source>the engine cannot take the argument vector the profile makes</source>
        <translation>o motor não aceita o vetor de argumentos que o perfil cria</translation>
    </message>
    <message>
        <source>the output file name %1 is %2 bytes long; file systems take %3 at most</source>
        <translation>o nome do ficheiro de saída %1 tem %2 bytes; os sistemas de ficheiros aceitam no máximo %3</translation>
    </message>
    <message>
        <source>the output path %1 is too long for the engines</source>
        <translation>o caminho de saída %1 é demasiado longo para os motores</translation>
    </message>
    <message>
        <source>the slideshow was not made: %1</source>
        <translation>a apresentação não foi criada: %1</translation>
    </message>
    <message>
        <source>the image-to-video engine made no movie</source>
        <translation>o motor image-to-video não criou nenhum filme</translation>
    </message>
    <message>
        <source>the rendered slideshow holds no video</source>
        <translation>a apresentação criada não contém vídeo</translation>
    </message>
    <message>
        <source>the selected titles cannot be joined</source>
        <translation>não é possível juntar os títulos selecionados</translation>
    </message>
    <message>
        <source>the DVD&apos;s records of title %1 in %2 are damaged, and %3</source>
        <translation>os registos do DVD do título %1 em %2 estão danificados, e %3</translation>
    </message>
    <message>
        <source>the DVD&apos;s records in %1 are damaged, and %2</source>
        <translation>os registos do DVD em %1 estão danificados, e %2</translation>
    </message>
    <message>
        <source>the %1 engine stopped: %2 reached the file-size limit (ulimit -f)</source>
        <translation>o motor %1 parou: %2 atingiu o limite de tamanho de ficheiro (ulimit -f)</translation>
    </message>
    <message>
        <source>the %1 engine crashed: %2 ended with %3</source>
        <translation>o motor %1 falhou de forma inesperada: %2 terminou com %3</translation>
    </message>
    <message>
        <source>the %1 engine was killed: %2 ended with SIGKILL</source>
        <translation>o motor %1 foi morto: %2 terminou com SIGKILL</translation>
    </message>
    <message>
        <source>the %1 engine was ended by a signal: %2 ended with %3</source>
        <translation>o motor %1 foi terminado por um sinal: %2 terminou com %3</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so nothing can be written into the output folder: rename it or choose another output folder</source>
        <translation>o nome &quot;%1&quot; em %2 não é texto UTF-8, por isso não é possível escrever nada na pasta de destino: mude-lhe o nome ou escolha outra pasta de destino</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; in %2 is not UTF-8 text, so the source cannot be read: rename it</source>
        <translation>o nome &quot;%1&quot; em %2 não é texto UTF-8, por isso não é possível ler a origem: mude-lhe o nome</translation>
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
        <translation>Perfil de saída</translation>
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
        <translation>Informações multimédia</translation>
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
        <translation>Faixa %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Legendas forçadas</translation>
    </message>
</context>
<context>
    <name>DNDVDRootCell</name>
    <message>
        <source>Merge titles:</source>
        <translation>Juntar títulos:</translation>
    </message>
    <message>
        <source>Target: </source>
        <translation>Destino: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Ficheiro de saída:</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Output Profile</source>
        <translation>Perfil de saída</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Target File Name</source>
        <translation>Nome do ficheiro de saída</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Sem perfil</translation>
    </message>
    <message>
        <source>None</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Main title detected: </source>
        <translation>Título principal detetado: </translation>
    </message>
    <message>
        <source>Titles ready to rip: </source>
        <translation>Títulos a extrair: </translation>
    </message>
    <message>
        <source>No Title</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Formato de saída: </translation>
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
        <translation>Volume do áudio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Crop &amp; Expand</source>
        <translation>Recortar e expandir</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Desmarcar tudo</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Sem áudio</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Faixa %1 [%2]</translation>
    </message>
    <message>
        <source>Forced Subtitle</source>
        <translation>Legendas forçadas</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Carregar legendas…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Legendas desativadas</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Sem legendas</translation>
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
        <translation>Ficheiros de vídeo (%1)</translation>
    </message>
    <message>
        <source>Load Photo Failed!</source>
        <translation>Não foi possível carregar as fotografias!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some files were not added</source>
        <translation>Alguns ficheiros não foram adicionados</translation>
    </message>
    <message>
        <source>These files could not be added:</source>
        <translation>Não foi possível adicionar estes ficheiros:</translation>
    </message>
</context>
<context>
    <name>DNFileLoaderSheet</name>
    <message>
        <source>Loading</source>
        <translation>A carregar</translation>
    </message>
    <message>
        <source>Loading Photos</source>
        <translation>A carregar fotografias</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>A carregar %1</translation>
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
        <translation>Faixa %1 [%2]</translation>
    </message>
</context>
<context>
    <name>DNGroupCell</name>
    <message>
        <source>Output file:</source>
        <translation>Ficheiro de saída:</translation>
    </message>
    <message>
        <source>Target format: </source>
        <translation>Formato de saída: </translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Sem perfil</translation>
    </message>
</context>
<context>
    <name>DNImageEditor</name>
    <message>
        <source>Add Photo Folder</source>
        <translation>Adicionar pasta de fotografias</translation>
    </message>
    <message>
        <source>Remove this music</source>
        <translation>Remover esta música</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.m4a)</source>
        <translation>Música (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Apresentação</translation>
    </message>
    <message>
        <source>Play the preview</source>
        <translation>Reproduzir a pré-visualização</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Transições</translation>
    </message>
    <message>
        <source>Fitted to the music</source>
        <translation>Ajustado à música</translation>
    </message>
    <message>
        <source>Seconds per photo:</source>
        <translation>Segundos por fotografia:</translation>
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
        <translation>Todas as pastas</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Adicionar pasta…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>Posição GPS</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do ficheiro</translation>
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
        <translation>Adicionar música…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>DNMajorTableViewController</name>
    <message>
        <source>Frequently Used Profile</source>
        <translation>Perfis mais utilizados</translation>
    </message>
    <message>
        <source>DVD Backup Profile</source>
        <translation>Perfis de cópia de segurança de DVD</translation>
    </message>
    <message>
        <source>Mobile Video Profile</source>
        <translation>Perfis para dispositivos móveis</translation>
    </message>
    <message>
        <source>Web Video Profile</source>
        <translation>Perfis de vídeo web</translation>
    </message>
    <message>
        <source>Common Video Profile</source>
        <translation>Perfis de vídeo comuns</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Nenhum perfil selecionado</translation>
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
        <translation>Nome de saída:</translation>
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
        <translation>Comentários:</translation>
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
        <translation>Concluído</translation>
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
        <translation>áudio original</translation>
    </message>
    <message>
        <source>Codec: %@+%@ , Resolution: %@</source>
        <translation>Codec: %@+%@, resolução: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@</source>
        <translation>Codec: %@, taxa de bits: %@</translation>
    </message>
    <message>
        <source>Codec: %@, Bit Rate: %@kbps</source>
        <translation>Codec: %@, taxa de bits: %@ kbps</translation>
    </message>
</context>
<context>
    <name>DNProfileManager</name>
    <message>
        <source>%@ is damaged!</source>
        <translation>O %@ está danificado!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and can’t be opened. Please delete &quot;%1&quot; and download it again from the official website!</source>
        <translation>&quot;%1&quot; está danificado e não pode ser aberto. Elimine &quot;%1&quot; e transfira-o novamente a partir do site oficial!</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Transferir agora</translation>
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
        <translation>Perfil &quot;%1&quot; selecionado</translation>
    </message>
</context>
<context>
    <name>DNRootCell</name>
    <message>
        <source>Target format: </source>
        <translation>Formato de saída: </translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Ficheiro de saída:</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar no gestor de ficheiros</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Sem áudio</translation>
    </message>
    <message>
        <source>Track%1 [%2]</source>
        <translation>Faixa %1 [%2]</translation>
    </message>
    <message>
        <source>Load Subtitle...</source>
        <translation>Carregar legendas…</translation>
    </message>
    <message>
        <source>Disabled Subtitle</source>
        <translation>Legendas desativadas</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Sem legendas</translation>
    </message>
    <message>
        <source>No Profile</source>
        <translation>Sem perfil</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Legendas (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
</context>
<context>
    <name>DNRootPhotoCell</name>
    <message>
        <source>%1 photos</source>
        <translation>%1 fotografias</translation>
    </message>
</context>
<context>
    <name>DNSRWindowController</name>
    <message>
        <source> - Screen Recorder</source>
        <translation> - Gravador de ecrã</translation>
    </message>
    <message>
        <source>Crop Region</source>
        <translation>Escolher a área a gravar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session runs on Wayland.</source>
        <translation>Só é possível gravar sessões X11; esta sessão usa o Wayland.</translation>
    </message>
    <message>
        <source>Only X11 sessions can be recorded; this session has no X display.</source>
        <translation>Só é possível gravar sessões X11; esta sessão não tem ecrã X.</translation>
    </message>
    <message>
        <source>Screen Record Unavailable!</source>
        <translation>Gravação do ecrã indisponível!</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>Não foi possível concluir a gravação.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Pare a gravação antes de fechar o gravador.</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Média</translation>
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
        <translation>Fotografia</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>The live picture of the screen cannot be shown here.</source>
        <translation>A imagem em direto do ecrã não pode ser mostrada aqui.</translation>
    </message>
</context>
<context>
    <name>DNStatusItem</name>
    <message>
        <source>Stop Recording</source>
        <translation>Parar a gravação</translation>
    </message>
</context>
<context>
    <name>DNUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>Atualização de software</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1...</source>
        <translation>A procurar uma versão mais recente de %1…</translation>
    </message>
    <message>
        <source>Check for a new version on the download page</source>
        <translation>Procurar uma nova versão na página de transferências</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visitar o site</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 Update Wizard</source>
        <translation>Assistente de atualização do %1</translation>
    </message>
</context>
<context>
    <name>DNUpdateViewController</name>
    <message>
        <source>The version %1 of this application is now available--you have %2.</source>
        <translation>A versão %1 desta aplicação já está disponível; tem a versão %2.</translation>
    </message>
    <message>
        <source>A new version of this application is available; would you like to visit the web site?</source>
        <translation>Está disponível uma nova versão desta aplicação. Pretende visitar o site?</translation>
    </message>
    <message>
        <source>You already have the latest version of this application.</source>
        <translation>Já tem a versão mais recente desta aplicação.</translation>
    </message>
</context>
<context>
    <name>DNUpgradeController</name>
    <message>
        <source>No update service is set, so this copy cannot look for new versions.</source>
        <translation>Não está definido nenhum serviço de atualização, por isso esta cópia não pode procurar novas versões.</translation>
    </message>
    <message>
        <source>The update service has no information about new versions.</source>
        <translation>O serviço de atualização não tem informações sobre novas versões.</translation>
    </message>
    <message>
        <source>The update service answered with information that cannot be read.</source>
        <translation>Não é possível ler a resposta do serviço de atualização.</translation>
    </message>
    <message>
        <source>Cannot reach the update service. Check the network connection and try again.</source>
        <translation>Não é possível contactar o serviço de atualização. Verifique a ligação à rede e tente novamente.</translation>
    </message>
</context>
<context>
    <name>DNVideoEditorController</name>
    <message>
        <source>No Subtitle</source>
        <translation>Sem legendas</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Em cima</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Ao centro</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Em baixo</translation>
    </message>
    <message>
        <source>Choose a Subtitle File</source>
        <translation>Escolher um ficheiro de legendas</translation>
    </message>
    <message>
        <source>Subtitles (*.srt *.ass *.ssa *.json *.aqt *.sub)</source>
        <translation>Legendas (*.srt *.ass *.ssa *.json *.aqt *.sub)</translation>
    </message>
    <message>
        <source>Choose a Watermark Picture</source>
        <translation>Escolher a imagem da marca de água</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imagens (%1)</translation>
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
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Reproduzir ou pausar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legendas</translation>
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
        <translation>Marca de água</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efeito</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Apply to All</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Give these edits to every DVD title in the list</source>
        <translation>Aplicar estas edições a todos os títulos de DVD da lista</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Fill the profile&apos;s picture size with black bands</source>
        <translation>Preencher o tamanho de imagem do perfil com barras pretas</translation>
    </message>
    <message>
        <source>Profile picture size:</source>
        <translation>Tamanho de imagem do perfil:</translation>
    </message>
    <message>
        <source>Unknown until it plays</source>
        <translation>Só é conhecido durante a reprodução</translation>
    </message>
    <message>
        <source>Source picture size:</source>
        <translation>Tamanho de imagem da origem:</translation>
    </message>
    <message>
        <source>Keep the part between the start and the end; drag the slider&apos;s limit knobs or type the times.</source>
        <translation>Mantém a parte entre o início e o fim; arraste os limites do controlo deslizante ou escreva os tempos.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Início:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fim:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>Drag the box over the original picture, or choose a preset.</source>
        <translation>Arraste a caixa sobre a imagem original ou escolha uma predefinição.</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Predefinição:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Esquerda:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Topo:</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Rodar 90°</translation>
    </message>
    <message>
        <source>Turn the picture a quarter turn clockwise</source>
        <translation>Rodar a imagem um quarto de volta no sentido dos ponteiros do relógio</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Mirror the picture left to right</source>
        <translation>Espelhar a imagem horizontalmente</translation>
    </message>
    <message>
        <source>Lay a picture or a text over the video; drag its box over the preview.</source>
        <translation>Sobrepõe uma imagem ou um texto ao vídeo; arraste a respetiva caixa na pré-visualização.</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagem:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>The text to show</source>
        <translation>Texto a mostrar</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Tipo de letra…</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparência:</translation>
    </message>
    <message>
        <source>Colour the picture.</source>
        <translation>Aplica um efeito de cor à imagem.</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Burn a subtitle stream or a subtitle file into the picture.</source>
        <translation>Incorpora na imagem uma faixa ou um ficheiro de legendas.</translation>
    </message>
    <message>
        <source>Subtitle stream:</source>
        <translation>Faixa de legendas:</translation>
    </message>
    <message>
        <source>Subtitle file:</source>
        <translation>Ficheiro de legendas:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posição:</translation>
    </message>
    <message>
        <source>Subtitle Language</source>
        <translation>Idioma das legendas</translation>
    </message>
    <message>
        <source>Which language is the subtitle file in?</source>
        <translation>Em que idioma está o ficheiro de legendas?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text Colour...</source>
        <translation>Cor do texto…</translation>
    </message>
</context>
<context>
    <name>DNWindowSelectView</name>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar a gravação</translation>
    </message>
</context>
<context>
    <name>DNYTBUpdateController</name>
    <message>
        <source>The version %1 of %2 is now available--you have %3.
</source>
        <translation>A versão %1 do %2 já está disponível; tem a versão %3.
</translation>
    </message>
    <message>
        <source>New version is available for this application. We recommend that you upgrade to the latest version with optimized functionality.</source>
        <translation>Está disponível uma nova versão desta aplicação. Recomendamos que atualize para a versão mais recente, com funcionalidades melhoradas.</translation>
    </message>
    <message>
        <source>%1 %2 is the latest version. There is nothing to update.</source>
        <translation>O %1 %2 é a versão mais recente. Não há nada para atualizar.</translation>
    </message>
</context>
<context>
    <name>NXAboutInfoController</name>
    <message>
        <source>About %1</source>
        <translation>Acerca do %1</translation>
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
        <translation>Nenhuma origem de vídeo!</translation>
    </message>
    <message>
        <source>Please load a DVD disc, add video clips or photos folder.</source>
        <translation>Carregue um disco DVD ou adicione vídeos ou uma pasta de fotografias.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not enough free space</source>
        <translation>Espaço livre insuficiente</translation>
    </message>
    <message>
        <source>The output folder may not have enough free space.</source>
        <translation>A pasta de destino pode não ter espaço livre suficiente.</translation>
    </message>
    <message>
        <source>The conversion needs about %1; the disk of &quot;%2&quot; has %3 free. A conversion that fills the disk fails and keeps nothing.</source>
        <translation>A conversão precisa de cerca de %1; o disco de &quot;%2&quot; tem %3 livres. Uma conversão que encha o disco falha e não guarda nada.</translation>
    </message>
    <message>
        <source>Convert Anyway</source>
        <translation>Converter mesmo assim</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No output format!</source>
        <translation>Nenhum formato de saída!</translation>
    </message>
    <message>
        <source>Choose an output format for these items:</source>
        <translation>Escolha um formato de saída para estes itens:</translation>
    </message>
    <message>
        <source>The preview cannot be played</source>
        <translation>Não é possível reproduzir a pré-visualização</translation>
    </message>
</context>
<context>
    <name>NXCameraRecorderController</name>
    <message>
        <source> - Video Recorder</source>
        <translation> - Gravador de vídeo</translation>
    </message>
    <message>
        <source>The camera could not be opened.</source>
        <translation>Não foi possível abrir a câmara.</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera to record video.</source>
        <translation>Não foi encontrada nenhuma câmara. Ligue uma câmara para gravar vídeo.</translation>
    </message>
    <message>
        <source>Choose a camera in the settings.</source>
        <translation>Escolha uma câmara nas definições.</translation>
    </message>
    <message>
        <source>The recording could not be finished.</source>
        <translation>Não foi possível concluir a gravação.</translation>
    </message>
    <message>
        <source>Please stop video recording before leaving screen recorder.</source>
        <translation>Pare a gravação antes de fechar o gravador.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
</context>
<context>
    <name>NXCategoryTableController</name>
    <message>
        <source>%1 Category, please choose the output profile</source>
        <translation>Categoria &quot;%1&quot;: escolha o perfil de saída</translation>
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
        <translation>Nenhum disco encontrado</translation>
    </message>
    <message>
        <source>Choose a DVD image</source>
        <translation>Escolher uma imagem de DVD</translation>
    </message>
    <message>
        <source>DVD image (*.iso *.ISO)</source>
        <translation>Imagem de DVD (*.iso *.ISO)</translation>
    </message>
    <message>
        <source>Choose a DVD folder</source>
        <translation>Escolher uma pasta DVD</translation>
    </message>
    <message>
        <source>Loading DVD ...</source>
        <translation>A carregar o DVD…</translation>
    </message>
    <message>
        <source>Analyzing %1, Please wait...</source>
        <translation>A analisar %1, aguarde…</translation>
    </message>
    <message>
        <source>Read DVD Structure Failed!</source>
        <translation>Não foi possível ler a estrutura do DVD!</translation>
    </message>
    <message>
        <source>Please check the input DVD and try again.</source>
        <translation>Verifique o DVD e tente novamente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>Carregar DVD</translation>
    </message>
    <message>
        <source>Choose the DVD disc to load:</source>
        <translation>Escolha o disco DVD a carregar:</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>Disco DVD</translation>
    </message>
    <message>
        <source>Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):</source>
        <translation>Escolha uma pasta DVD (a que contém VIDEO_TS, ou a própria VIDEO_TS):</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>Pasta DVD</translation>
    </message>
    <message>
        <source>Choose a DVD image file (.iso):</source>
        <translation>Escolha um ficheiro de imagem de DVD (.iso):</translation>
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
        <translation>A carregar o DVD</translation>
    </message>
</context>
<context>
    <name>NXFloatInfoWindowController</name>
    <message>
        <source>Media Information</source>
        <translation>Informações multimédia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Total Video Streams</source>
        <translation>Total de fluxos de vídeo</translation>
    </message>
    <message>
        <source>Total Audio Streams</source>
        <translation>Total de fluxos de áudio</translation>
    </message>
    <message>
        <source>Total Subtitle Streams</source>
        <translation>Total de fluxos de legendas</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Vídeo %1</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec de vídeo</translation>
    </message>
    <message>
        <source>Stream BitRate</source>
        <translation>Taxa de bits do fluxo</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>Tamanho do fotograma</translation>
    </message>
    <message>
        <source>%1x%2 pixels</source>
        <translation>%1x%2 píxeis</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Taxa de fotogramas</translation>
    </message>
    <message>
        <source>Audio %1</source>
        <translation>Áudio %1</translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation>Codec de áudio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Legendas %1</translation>
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
        <translation>Registo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>NXMPlayerControl</name>
    <message>
        <source>This display offers no OpenGL to draw the video with.</source>
        <translation>Este ecrã não oferece OpenGL para mostrar o vídeo.</translation>
    </message>
    <message>
        <source>The player cannot be started: %1</source>
        <translation>Não é possível iniciar o leitor: %1</translation>
    </message>
</context>
<context>
    <name>NXMainSettingController</name>
    <message>
        <source>At every start</source>
        <translation>Em cada arranque</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diariamente</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensalmente</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Pasta de destino:</translation>
    </message>
    <message>
        <source>Snapshot folder:</source>
        <translation>Pasta de capturas:</translation>
    </message>
    <message>
        <source>When a conversion is done</source>
        <translation>Quando a conversão terminar</translation>
    </message>
    <message>
        <source>Shut down the computer</source>
        <translation>Encerrar o computador</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Abrir a pasta de destino</translation>
    </message>
    <message>
        <source>Add MP4 and M4V files to the video library</source>
        <translation>Adicionar os ficheiros MP4 e M4V à biblioteca de vídeos</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Check for updates:</source>
        <translation>Procurar atualizações:</translation>
    </message>
    <message>
        <source>Default audio language:</source>
        <translation>Idioma de áudio predefinido:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>NXNavigationBar</name>
    <message>
        <source>Output Profile Category</source>
        <translation>Categorias de perfis</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>NXProfileChooserController</name>
    <message>
        <source>Output Profile</source>
        <translation>Perfil de saída</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Recently Used Profile</source>
        <translation>Perfis usados recentemente</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Nenhum perfil selecionado</translation>
    </message>
</context>
<context>
    <name>NXProfileController</name>
    <message>
        <source>Disable Video Track</source>
        <translation>Desativar a faixa de vídeo</translation>
    </message>
    <message>
        <source>Video Codec: Keep original video</source>
        <translation>Codec de vídeo: manter o vídeo original</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Definições do perfil</translation>
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
        <translation>Codec:</translation>
    </message>
    <message>
        <source>Width and height must be from 1 to 9999.</source>
        <translation>A largura e a altura têm de estar entre 1 e 9999.</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Taxa de fotogramas:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporção:</translation>
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
        <translation>Taxa de bits:</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Frequência de amostragem:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Burn Subtitle:</source>
        <translation>Gravar legendas na imagem:</translation>
    </message>
    <message>
        <source>Two-pass encoding</source>
        <translation>Codificação em duas passagens</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Repor predefinições</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>No Profile Selected</source>
        <translation>Nenhum perfil selecionado</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Não</translation>
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
        <translation>a obter…</translation>
    </message>
    <message>
        <source>%1 / %2 Converting</source>
        <translation>A converter %1 de %2</translation>
    </message>
    <message>
        <source>%1 / %2 Frame Finished</source>
        <translation>%1 / %2 fotogramas concluídos</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>A aguardar…</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>A converter…</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>A parar…</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversão</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Início:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fim:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duração:</translation>
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
        <translation>Encerrar o computador no fim</translation>
    </message>
    <message>
        <source>Open the output folder when done</source>
        <translation>Abrir a pasta de destino no fim</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Conversion Failed</source>
        <translation>A conversão falhou</translation>
    </message>
    <message>
        <source>These items could not be converted:</source>
        <translation>Não foi possível converter estes itens:</translation>
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
        <translation>Carregar um disco DVD</translation>
    </message>
    <message>
        <source>DVD Path</source>
        <translation>Pasta DVD</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>Pasta DVD</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>ISO image</source>
        <translation>Imagem ISO</translation>
    </message>
</context>
<context>
    <name>NXSwitch</name>
    <message>
        <source>Off</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sim</translation>
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
        <translation>Diminuir</translation>
    </message>
    <message>
        <source>Time Picker</source>
        <translation>Seletor de hora</translation>
    </message>
</context>
<context>
    <name>NXVideoDownloadOption</name>
    <message>
        <source>Highest Definition</source>
        <translation>Definição máxima</translation>
    </message>
    <message>
        <source>Download Options</source>
        <translation>Opções de transferência</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Guardar em:</translation>
    </message>
    <message>
        <source>Limit the download speed</source>
        <translation>Limitar a velocidade de transferência</translation>
    </message>
    <message>
        <source>Open the target folder when downloads finish</source>
        <translation>Abrir a pasta de destino no fim das transferências</translation>
    </message>
    <message>
        <source>Shut down the computer when downloads finish</source>
        <translation>Encerrar o computador no fim das transferências</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>Proxy:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Enter the proxy&apos;s address and a port from 1 to 65535.</source>
        <translation>Introduza o endereço do proxy e uma porta de 1 a 65535.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>NXYoutubeControlller</name>
    <message>
        <source>Enter the address of an online video, beginning with http:// or https://.</source>
        <translation>Introduza o endereço de um vídeo online começado por http:// ou https://.</translation>
    </message>
    <message>
        <source>This display offers no OpenGL, so online videos cannot be shown here.</source>
        <translation>Este ecrã não oferece OpenGL, por isso não é possível mostrar aqui vídeos online.</translation>
    </message>
    <message>
        <source>Connecting to %1 ...</source>
        <translation>A ligar a %1…</translation>
    </message>
    <message>
        <source>The picture is saved in %1.</source>
        <translation>A imagem foi guardada em %1.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Em pausa.</translation>
    </message>
    <message>
        <source>Playing %1</source>
        <translation>A reproduzir %1</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>A carregar %1…</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Parado.</translation>
    </message>
    <message>
        <source>The video at %1 could not be played: the address gave no video, or it could not be reached.</source>
        <translation>Não foi possível reproduzir o vídeo em %1: o endereço não tem nenhum vídeo ou não está acessível.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost at %2 of %3; playback has stopped.</source>
        <translation>A ligação a %1 perdeu-se em %2 de %3; a reprodução parou.</translation>
    </message>
    <message>
        <source>Finished playing %1.</source>
        <translation>Reprodução de %1 concluída.</translation>
    </message>
</context>
<context>
    <name>PMDigitalNumberFormater</name>
    <message>
        <source>Couldn&apos;t convert  to int</source>
        <translation>Não foi possível converter para inteiro</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Are your sure you want to restart the application now?</source>
        <translation>Pretende reiniciar a aplicação agora?</translation>
    </message>
    <message>
        <source>Language changes take effect in application the next time you open it.</source>
        <translation>A alteração de idioma entra em vigor da próxima vez que abrir a aplicação.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Load DVD</source>
        <translation>Carregar DVD</translation>
    </message>
    <message>
        <source>Click to load a DVD disc; hold for more sources</source>
        <translation>Clique para carregar um disco DVD; mantenha premido para mais origens</translation>
    </message>
    <message>
        <source>Conversion Options</source>
        <translation>Opções de conversão</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Alta qualidade</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Desentrelaçar</translation>
    </message>
    <message>
        <source>Safe Mode</source>
        <translation>Modo seguro</translation>
    </message>
    <message>
        <source>CPU Cores:</source>
        <translation>Núcleos da CPU:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Ecrã inteiro</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Open the snapshot folder</source>
        <translation>Abrir a pasta de capturas</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Pasta de destino:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Choose the folder converted files are saved in</source>
        <translation>Escolha a pasta onde são guardados os ficheiros convertidos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>Mostrar a pasta de destino</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Talvane</source>
        <translation>Talvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar registo</translation>
    </message>
    <message>
        <source>Cannot Use This Folder</source>
        <translation>Não é possível utilizar esta pasta</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to.</source>
        <translation>Não é possível escrever na pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing could be saved there. Choose a folder you may write to; the former folder is kept.</source>
        <translation>Não é possível guardar nada aí. Escolha uma pasta onde possa escrever; a pasta anterior mantém-se.</translation>
    </message>
    <message>
        <source>DVD Disc</source>
        <translation>Disco DVD</translation>
    </message>
    <message>
        <source>DVD Folder</source>
        <translation>Pasta DVD</translation>
    </message>
    <message>
        <source>ISO Image</source>
        <translation>Imagem ISO</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Adicionar vídeo</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Adicionar fotos</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
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
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Juntar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Screen Recorder</source>
        <translation>Gravar ecrã</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmara</translation>
    </message>
    <message>
        <source>Online Video</source>
        <translation>Vídeo online</translation>
    </message>
    <message>
        <source>Talvane plays online videos; it does not download them.</source>
        <translation>O Talvane reproduz vídeos online, mas não os transfere.</translation>
    </message>
    <message>
        <source>Paste the address of an online video (http:// or https://)</source>
        <translation>Cole o endereço de um vídeo online (http:// ou https://)</translation>
    </message>
    <message>
        <source>Play the video at this address</source>
        <translation>Reproduzir o vídeo deste endereço</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Download options</source>
        <translation>Opções de transferência</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar ou retomar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Save a picture of the video</source>
        <translation>Guardar uma imagem do vídeo</translation>
    </message>
    <message>
        <source>Open the download folder</source>
        <translation>Abrir a pasta de transferências</translation>
    </message>
    <message>
        <source>Downloads: none (playing only)</source>
        <translation>Transferências: nenhuma (só reprodução)</translation>
    </message>
    <message>
        <source>Clear Finished</source>
        <translation>Limpar concluídas</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>Transferir agora</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Guardar em:</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Escolher uma pasta</translation>
    </message>
    <message>
        <source>Screen Recorder Settings</source>
        <translation>Definições do gravador de ecrã</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>fotogramas por segundo</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Taxa de fotogramas:</translation>
    </message>
    <message>
        <source>Audio:</source>
        <translation>Áudio:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Countdown:</source>
        <translation>Contagem decrescente:</translation>
    </message>
    <message>
        <source>Show mouse clicks</source>
        <translation>Mostrar os cliques do rato</translation>
    </message>
    <message>
        <source>Open the movie when the recording ends</source>
        <translation>Abrir o vídeo no fim da gravação</translation>
    </message>
    <message>
        <source>Add the movie to the conversion list</source>
        <translation>Adicionar o vídeo à lista de conversão</translation>
    </message>
    <message>
        <source>Record region:</source>
        <translation>Área de gravação:</translation>
    </message>
    <message>
        <source>Video Recorder Settings</source>
        <translation>Definições do gravador de vídeo</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Câmara:</translation>
    </message>
    <message>
        <source>Microphone:</source>
        <translation>Microfone:</translation>
    </message>
    <message>
        <source>Largest size:</source>
        <translation>Tamanho máximo:</translation>
    </message>
    <message>
        <source>Preview volume:</source>
        <translation>Volume da pré-visualização:</translation>
    </message>
    <message>
        <source>Show the movie in its folder</source>
        <translation>Mostrar o vídeo na pasta</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; in %2 is not UTF-8 text.</source>
        <translation>O nome &quot;%1&quot; em %2 não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Nothing can be saved in a folder whose path holds a name that is not text. Rename it or choose another folder; the former folder is kept.</source>
        <translation>Não é possível guardar nada numa pasta cujo caminho contém um nome que não é texto. Mude-lhe o nome ou escolha outra pasta; a pasta anterior é mantida.</translation>
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
        <translation>Acerca do %1</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Ocultar %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Sair do %1</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
</context>
<context>
    <name>cropConfigure</name>
    <message>
        <source>Free</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Keep Current Ratio</source>
        <translation>Manter a proporção atual</translation>
    </message>
    <message>
        <source>Keep 16:9 While Dragging</source>
        <translation>Manter 16:9 ao arrastar</translation>
    </message>
    <message>
        <source>Keep 4:3 While Dragging</source>
        <translation>Manter 4:3 ao arrastar</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation>1:1 (quadrado)</translation>
    </message>
    <message>
        <source>2.35:1 (Cinema)</source>
        <translation>2,35:1 (cinema)</translation>
    </message>
    <message>
        <source>Remove Black Borders</source>
        <translation>Remover margens pretas</translation>
    </message>
</context>
</TS>
