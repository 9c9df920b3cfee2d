<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Convierte listas de reproducción (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) en listas de reproducción ASX para el Reproductor de Windows Media para Pocket PC y conserva los elementos de un solo tipo de medio.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Tipo de medio que se conserva, escrito sin el punto (WMA, MP3, WAV, etc.).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Carpeta multimedia del dispositivo, que se escribe delante de cada ruta (predeterminada: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Carpeta para los archivos .asx (predeterminada: la propia carpeta de cada lista de reproducción).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Página de códigos ANSI de los archivos .asx y de las listas de reproducción que no están en UTF-8: %1 (también escrita como cp1250 o windows-1250). Predeterminada en este sistema: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>La carpeta de música en la que las listas de reproducción que no son WPL indican sus archivos, escrita como ellas la escriben (/home/ana/Music, &apos;D:\Music&apos;): la ruta de los elementos que están dentro de ella se corta ahí (predeterminada: las reglas de la página del manual).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>La tarjeta de memoria tal como la ve este sistema (/media/ana/CARD, E:\): cada elemento se busca en ella y se indican los que no están (predeterminada: el volumen de la carpeta de salida, si es una tarjeta que contiene la carpeta multimedia).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>No mostrar nada para las listas de reproducción que se convierten sin problemas.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Listas de reproducción que se van a convertir.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Pruebe «--help» para obtener más información.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>falta el tipo de medio (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>no se ha indicado ninguna lista de reproducción</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>página de códigos %1 desconocida; las páginas de códigos ANSI son %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Seleccione un tipo de medio
por ejemplo, WMA o MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>la carpeta de salida %1 no existe</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>la tarjeta %1 no existe</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln elemento)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln elementos)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advertencia: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Después de escribir las listas de reproducción, copiar en la tarjeta los archivos que estas indican y que faltan en ella, cada uno en el lugar donde lo abre el dispositivo, tomándolo de donde lo indica la lista de reproducción o de dentro de la carpeta raíz de música (--music-root; si no, la carpeta de música del usuario).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>No escribir nada en absoluto (ni listas de reproducción, ni música, ni carpetas): mostrar lo que se haría.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Mantener la tarjeta sincronizada (como --copy-music, y más): un archivo de la tarjeta cuyo origen ha cambiado en este equipo se vuelve a crear en su lugar; uno más reciente que su origen, nunca.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Eliminar de la carpeta multimedia de la tarjeta la música que no figura en ninguna lista de reproducción .asx de la tarjeta (nada si la tarjeta no contiene ningún .asx, y nunca nada que no sea música).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Poner en la tarjeta todos los archivos de música que indican las listas de reproducción (como hace --copy-music) para que se puedan reproducir todos: lo que el dispositivo reproduce (MP3, WMA, WAV de 16 bits), tal cual; el resto (FLAC, M4A, Ogg, Opus, etc.), codificado en el tipo de medio, que en ese caso ha de ser mp3, wma o wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Velocidad de bits de lo que --transcode codifica en MP3 o WMA, en kbit/s (predeterminada: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Número de archivos que --transcode codifica a la vez (predeterminado: el número de núcleos del procesador, aquí %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode codifica en mp3, wma o wav; -t %1 no es ninguno de ellos</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate requiere un valor en kbit/s de 32 a 320, no %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs requiere un número de 1 a 256, no %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 necesita la tarjeta: indíquela con --card DIR o escriba las listas de reproducción en la tarjeta con --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copiando el archivo %1 de %Ln, %2 de %3</numerusform>
            <numerusform>Copiando el archivo %1 de %Ln, %2 de %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln archivo que indican las listas de reproducción no está en la tarjeta (%1): %2.</numerusform>
            <numerusform>%Ln archivos que indican las listas de reproducción no están en la tarjeta (%1): %2 en total.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Espacio libre en la tarjeta: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Se copiaría %Ln archivo (%1) en la tarjeta (%2).</numerusform>
            <numerusform>Se copiarían %Ln archivos (%1) en la tarjeta (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>El sistema de archivos de la tarjeta no indica cuánto espacio libre tiene.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln elemento tampoco está en este equipo: %1</numerusform>
            <numerusform>%Ln elementos tampoco están en este equipo: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln archivo no se copió porque el sistema de archivos FAT de la tarjeta no admite archivos de 4 GiB o más: %1</numerusform>
            <numerusform>%Ln archivos no se copiaron porque el sistema de archivos FAT de la tarjeta no admite archivos de 4 GiB o más: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln elemento no se copió porque en este equipo ningún archivo normal del tipo de medio tiene su nombre, o porque un archivo de la tarjeta tiene el nombre de su carpeta: %1</numerusform>
            <numerusform>%Ln elementos no se copiaron porque en este equipo ningún archivo normal del tipo de medio tiene su nombre, o porque un archivo de la tarjeta tiene el nombre de su carpeta: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln archivo no se copió porque una carpeta de su ruta es un enlace que lleva fuera de la tarjeta: %1</numerusform>
            <numerusform>%Ln archivos no se copiaron porque una carpeta de su ruta es un enlace que lleva fuera de la tarjeta: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Se copió %Ln archivo (%1) en la tarjeta (%2).</numerusform>
            <numerusform>Se copiaron %Ln archivos (%1) en la tarjeta (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>La música no cabe en la tarjeta (%1): %2 por copiar y %3 libres; no se copió nada.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>No se pudo copiar %1: %2; los archivos copiados antes están completos.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Se detuvo la copia; los archivos copiados antes están completos.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>La tarjeta está al día.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 a %2 kbit/s</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a file, as the device names it, %2 the reason the system or a library gave.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Also encode the %Ln entries of %1 files the device cannot play, to %2</source>
        <extracomment>A check box. %Ln counts the entries, %1 lists their kinds (&quot;FLAC and M4A&quot;), %2 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>Codificar también en %2 el archivo %1 que el dispositivo no puede reproducir (%Ln elemento)</numerusform>
            <numerusform>Codificar también en %2 los archivos %1 que el dispositivo no puede reproducir (%Ln elementos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copiando y codificando el archivo %1 de %Ln, %2 de unos %3</numerusform>
            <numerusform>Copiando y codificando el archivo %1 de %Ln, %2 de unos %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>De ellos, %Ln se codifica en %1 al copiarlo.</numerusform>
            <numerusform>De ellos, %Ln se codifican en %1 al copiarlos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>Se puede volver a crear %Ln archivo de la tarjeta (%1) cuyo origen ha cambiado: %2.</numerusform>
            <numerusform>Se pueden volver a crear %Ln archivos de la tarjeta (%1) cuyo origen ha cambiado: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln archivo de la carpeta multimedia de la tarjeta (%1) no figura en ninguna de sus listas de reproducción: %2.</numerusform>
            <numerusform>%Ln archivos de la carpeta multimedia de la tarjeta (%1) no figuran en ninguna de sus listas de reproducción: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Espacio libre en la tarjeta: %1; al terminar, unos %2.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>Se eliminaría %1 (%2): no figura en ninguna lista de reproducción de la tarjeta</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (codificado en %3, unos %4, en lugar del archivo de %5 de la tarjeta)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (codificado en %3, unos %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, en lugar del archivo de %4 de la tarjeta)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Se eliminaría %Ln archivo (%1) de la tarjeta (%2).</numerusform>
            <numerusform>Se eliminarían %Ln archivos (%1) de la tarjeta (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Se volvería a crear %Ln archivo cuyo origen ha cambiado (%1) en la tarjeta (%2).</numerusform>
            <numerusform>Se volverían a crear %Ln archivos cuyo origen ha cambiado (%1) en la tarjeta (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Se codificaría %Ln archivo (unos %1) en %2 para la tarjeta (%3).</numerusform>
            <numerusform>Se codificarían %Ln archivos (unos %1) en %2 para la tarjeta (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>La tarjeta (%1) no contiene ninguna lista de reproducción .asx, así que no se eliminó nada de ella: nada en ella indica música alguna.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln archivo no se codificó porque no se puede leer como música: %1</numerusform>
            <numerusform>%Ln archivos no se codificaron porque no se pueden leer como música: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Se eliminó %Ln archivo (%1) de la tarjeta (%2): no figuraba en ninguna de sus listas de reproducción.</numerusform>
            <numerusform>Se eliminaron %Ln archivos (%1) de la tarjeta (%2): no figuraban en ninguna de sus listas de reproducción.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Se volvió a crear %Ln archivo cuyo origen había cambiado (%1) en la tarjeta (%2).</numerusform>
            <numerusform>Se volvieron a crear %Ln archivos cuyo origen había cambiado (%1) en la tarjeta (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Se codificó %Ln archivo %1 en %2 (%3) para la tarjeta (%4).</numerusform>
            <numerusform>Se codificaron %Ln archivos %1 en %2 (%3) para la tarjeta (%4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln archivo no se pudo leer completo en este equipo y no se copió: %1</numerusform>
            <numerusform>%Ln archivos no se pudieron leer completos en este equipo y no se copiaron: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>No se pudo codificar %Ln archivo: %1</numerusform>
            <numerusform>No se pudieron codificar %Ln archivos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>No se pudo copiar %Ln archivo; los demás están en la tarjeta.</numerusform>
            <numerusform>No se pudieron copiar %Ln archivos; los demás están en la tarjeta.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Velandry</source>
        <extracomment>The program&apos;s name: kept as it is, or written as users of the language know it.</extracomment>
        <translation>Velandry</translation>
    </message>
    <message>
        <source>Playlist Converter</source>
        <extracomment>What kind of program it is, as software centres and menus list it.</extracomment>
        <translation>Convertidor de listas de reproducción</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Convertir listas de reproducción en listas de reproducción ASX para Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Convertir listas de reproducción del Reproductor de Windows Media para Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry convierte listas de reproducción (WPL del Reproductor de Windows Media, M3U y M3U8, PLS, XSPF, ASX y listas de reproducción de Zune) en listas de reproducción ASX 3.0 que el Reproductor de Windows Media para Pocket PC reproduce desde una tarjeta de memoria.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Elija las listas de reproducción, el tipo de medio que se conserva (WMA, MP3, WAV o cualquier otro) y la carpeta del dispositivo que contiene la música. Cada referencia de ese tipo se reduce a su ruta dentro de la carpeta de música y se escribe dentro de la carpeta multimedia del dispositivo, un archivo .asx por lista de reproducción, en la página de códigos ANSI del dispositivo.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>El convertidor de línea de comandos velandry-convert hace lo mismo sin ventana.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Las listas de reproducción, la cola, el tipo de medio y las carpetas</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>La ventana principal y la ventana Acerca de</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>the text ends before its markup does</source>
        <extracomment>An XML playlist whose text stops in the middle of a tag or element: the file is cut short.</extracomment>
        <translation>el texto termina antes de que se cierre su marcado</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>un comentario no se cierra nunca</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>una sección CDATA no se cierra nunca</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>una instrucción de procesamiento no se cierra nunca</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>una declaración no se cierra nunca</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>se esperaba un nombre después de «&lt;»</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>se esperaba «&gt;» después del nombre de una etiqueta de cierre</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>un atributo no tiene «=» ni valor</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>el valor de un atributo no está entre comillas</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>una etiqueta de cierre no coincide con el elemento que cierra</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>No se puede leer su marcado %1: una etiqueta de la línea %2 no se cierra nunca</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>Su marcado %1 no contiene ningún elemento &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>No se puede leer su marcado %1: línea %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>Es una carpeta, no una lista de reproducción</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>La salida reemplazaría la propia lista de reproducción</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Ya existe una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>El archivo está protegido contra escritura</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Las referencias de esta lista de reproducción se superponen y generarían un archivo de más de 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>La lista de reproducción no está en UTF-8 y es demasiado grande para convertirla con la memoria de este equipo</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Otro programa modificó la lista de reproducción mientras se leía; no se escribió nada para ella, vuelva a convertirla</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Su nombre no es UTF-8 válido, por lo que no se puede abrir; cámbiele el nombre, por ejemplo con «convmv -f latin1 -t utf8 --notest»</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>No es una lista de reproducción de un tipo compatible (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>Su declaración XML indica la codificación de caracteres «%1», que no se puede leer aquí</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Su salida, %1, ya se escribió a partir de %2 en esta ejecución; cambie el nombre de una de las dos listas de reproducción</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>No se pudo leer el archivo</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 y %Ln más</numerusform>
            <numerusform>%1 y %Ln más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: no está en UTF-8; se leyó con la página de códigos %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln de %2 elementos contiene caracteres que no están en la página de códigos %3, escritos como «?»</numerusform>
            <numerusform>%1: %Ln de %2 elementos contienen caracteres que no están en la página de códigos %3, escritos como «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln dirección web</numerusform>
            <numerusform>%Ln direcciones web</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln fuera de la carpeta de música</numerusform>
            <numerusform>%Ln fuera de la carpeta de música</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: se omitió %Ln de %2 elementos: %3</numerusform>
            <numerusform>%1: se omitieron %Ln de %2 elementos: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln de %2 elementos nunca se podrá reproducir en el dispositivo: %3</numerusform>
            <numerusform>%1: %Ln de %2 elementos nunca se podrán reproducir en el dispositivo: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: no se pudo leer la tarjeta (%2), así que no se buscaron en ella los elementos</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln de %2 elementos no está en la tarjeta (%3): %4</numerusform>
            <numerusform>%1: %Ln de %2 elementos no están en la tarjeta (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln de %2 elementos se leyó atravesando el marcado de la lista de reproducción y no indica ningún archivo real</numerusform>
            <numerusform>%1: %Ln de %2 elementos se leyeron atravesando el marcado de la lista de reproducción y no indican ningún archivo real</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>la página de códigos ANSI del sistema</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>la página de códigos ANSI de la configuración regional del usuario; la página de códigos %1 del sistema no es una página de códigos ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>la página de códigos %1 del sistema no es una página de códigos ANSI, y la configuración regional del usuario tampoco tiene ninguna</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>según la configuración regional %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>no hay ninguna configuración regional establecida</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(una ruta de %Ln byte)</numerusform>
            <numerusform>(una ruta de %Ln bytes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln fuera de la carpeta de música (indíquela con --music-root)</numerusform>
            <numerusform>%Ln fuera de la carpeta de música (indíquela con --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln de otro tipo de medio</numerusform>
            <numerusform>%Ln de otro tipo de medio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln elemento es un archivo %2 que el dispositivo no puede reproducir: agregue --transcode</numerusform>
            <numerusform>%1: %Ln elementos son archivos %2 que el dispositivo no puede reproducir: agregue --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln elemento es un archivo %2 que el dispositivo no puede reproducir</numerusform>
            <numerusform>%1: %Ln elementos son archivos %2 que el dispositivo no puede reproducir</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Convirtiendo %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>%1 de %2 escritos</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>%1 de %2 leídos</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copiando %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Codificando %1</translation>
    </message>
</context>
<context>
    <name>velandry::Form1</name>
    <message>
        <source>Windows Media Player Velandry</source>
        <translation>Windows Media Player Velandry</translation>
    </message>
    <message>
        <source>Please select</source>
        <extracomment>Shown in the media type box until a type is chosen; a run refuses it. About 65 px of room at 96 DPI.</extracomment>
        <translation>Seleccione</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Carpeta de listas:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>La lista contiene:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Listas de la carpeta</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Listas que se van a convertir</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Carpeta multimedia:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>La lista contiene</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Elegir la carpeta de las listas de reproducción</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Agregar a la cola</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Quitar de la cola</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>No se puede mostrar el contenido de la carpeta de listas de reproducción «%1».</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>No existe o no es una carpeta.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Seleccione un tipo de medio<byte value="xd"/>
por ejemplo, WMA o MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>Antes se escribió %Ln archivo.</numerusform>
            <numerusform>Antes se escribieron %Ln archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir «%1».</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Seleccione la carpeta de sus listas de reproducción</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Seleccione la carpeta de salida</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>«%1» no es una lista de reproducción legible (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>«%1» no está en la misma carpeta que los demás archivos, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>¿Copiar en la tarjeta la música que indican las listas de reproducción?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>No copiar</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>¿Sincronizar la tarjeta con la música de este equipo?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Volver a crear %Ln archivo cuyo origen ha cambiado</numerusform>
            <numerusform>Volver a crear los %Ln archivos cuyo origen ha cambiado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Eliminar %Ln archivo de la carpeta multimedia que no figura en ninguna lista de reproducción de la tarjeta</numerusform>
            <numerusform>Eliminar los %Ln archivos de la carpeta multimedia que no figuran en ninguna lista de reproducción de la tarjeta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln archivo no se agregó a la cola.</numerusform>
            <numerusform>%Ln archivos no se agregaron a la cola.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>No actualizar</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Sitio web de Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Haga clic aquí para obtener actualizaciones</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Actualizaciones, preguntas frecuentes y ayuda</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Historial de versiones</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, software gratuito</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Contribuya al desarrollo futuro</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Si este software le resulta útil, no dude en contribuir a su desarrollo futuro</translation>
    </message>
</context>
</TS>
