<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Convertit des sélections (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) en sélections ASX pour Windows Media Player pour Pocket PC, en conservant les éléments d&apos;un seul type de média.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Type de média à conserver, sans le point (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Dossier des médias de l&apos;appareil, écrit devant chaque chemin (par défaut&#xa0;: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Dossier des fichiers .asx (par défaut&#xa0;: le dossier de chaque sélection).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Page de codes ANSI des fichiers .asx, et des sélections qui ne sont pas en UTF-8&#xa0;: %1 (aussi sous la forme cp1250 ou windows-1250). Par défaut ici&#xa0;: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>Le dossier de musique dans lequel les sélections autres que WPL désignent leurs fichiers, écrit comme elles l&apos;écrivent (/home/ana/Music, &apos;D:\Music&apos;)&#xa0;: le chemin des éléments situés sous ce dossier est coupé à cet endroit (par défaut&#xa0;: les règles de la page de manuel).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>La carte mémoire telle que ce système la voit (/media/ana/CARD, E:\)&#xa0;: chaque élément y est recherché, et ceux qui n&apos;y sont pas sont signalés (par défaut&#xa0;: le volume du dossier de sortie, s&apos;il s&apos;agit d&apos;une carte qui contient le dossier des médias).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Ne rien afficher pour les sélections converties sans problème.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Sélections à convertir.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Essayez «&#xa0;--help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>le type de média est manquant (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>aucune sélection indiquée</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>page de codes %1 inconnue&#xa0;; les pages de codes ANSI sont %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Veuillez choisir un type de média,
par exemple WMA ou MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>le dossier de sortie %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>la carte %1 n&apos;existe pas</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln élément)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln éléments)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Après les sélections, copier sur la carte les fichiers qu&apos;elles désignent et qui n&apos;y sont pas, chacun là où l&apos;appareil l&apos;ouvre, depuis l&apos;emplacement indiqué par la sélection ou sous le dossier de musique (--music-root, sinon le dossier de musique de l&apos;utilisateur).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>N&apos;écrire absolument rien (ni sélection, ni musique, ni dossier)&#xa0;: afficher ce qui serait fait.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Synchroniser la carte (comme --copy-music, et davantage)&#xa0;: un fichier de la carte dont la source a changé sur cet ordinateur est recréé à sa place&#xa0;; un fichier plus récent que sa source ne l&apos;est jamais.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Supprimer la musique située sous le dossier des médias de la carte qu&apos;aucune sélection .asx de la carte ne désigne (rien si la carte ne contient aucun fichier .asx, et jamais autre chose que de la musique).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Placer sur la carte chaque fichier de musique désigné par les sélections (comme --copy-music) de sorte que tous soient lisibles&#xa0;: ce que l&apos;appareil lit (MP3, WMA, WAV 16 bits) tel quel, le reste (FLAC, M4A, Ogg, Opus, ...) encodé dans le type de média, qui doit alors être mp3, wma ou wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Débit des fichiers que --transcode encode en MP3 ou WMA, en kbit/s (par défaut&#xa0;: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Nombre de fichiers que --transcode encode simultanément (par défaut&#xa0;: le nombre de cœurs du processeur, ici %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode encode en mp3, wma ou wav&#xa0;; -t %1 n&apos;en fait pas partie</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate attend un nombre de kbit/s compris entre 32 et 320, et non %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs attend un nombre compris entre 1 et 256, et non %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 a besoin de la carte&#xa0;: indiquez-la avec --card DIR, ou écrivez les sélections sur la carte avec --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copie du fichier %1 sur %Ln, %2 sur %3</numerusform>
            <numerusform>Copie du fichier %1 sur %Ln, %2 sur %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln fichier désigné par les sélections n&apos;est pas sur la carte (%1)&#xa0;: %2 au total.</numerusform>
            <numerusform>%Ln fichiers désignés par les sélections ne sont pas sur la carte (%1)&#xa0;: %2 au total.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Espace libre sur la carte&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln fichier (%1) serait copié sur la carte (%2).</numerusform>
            <numerusform>%Ln fichiers (%1) seraient copiés sur la carte (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>Le système de fichiers de la carte n&apos;indique pas l&apos;espace libre dont elle dispose.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln élément n&apos;est pas non plus sur cet ordinateur&#xa0;: %1</numerusform>
            <numerusform>%Ln éléments ne sont pas non plus sur cet ordinateur&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas été copié, car le système de fichiers FAT de la carte ne peut contenir aucun fichier de 4 Gio ou plus&#xa0;: %1</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas été copiés, car le système de fichiers FAT de la carte ne peut contenir aucun fichier de 4 Gio ou plus&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln élément n&apos;a pas été copié, car aucun fichier ordinaire du type de média ne porte son nom ici, ou bien un fichier de la carte porte le nom de son dossier&#xa0;: %1</numerusform>
            <numerusform>%Ln éléments n&apos;ont pas été copiés, car aucun fichier ordinaire du type de média ne porte leur nom ici, ou bien un fichier de la carte porte le nom de leur dossier&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas été copié, car un dossier sur son chemin est un lien qui mène hors de la carte&#xa0;: %1</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas été copiés, car un dossier sur leur chemin est un lien qui mène hors de la carte&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln fichier (%1) a été copié sur la carte (%2).</numerusform>
            <numerusform>%Ln fichiers (%1) ont été copiés sur la carte (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>La musique ne tient pas sur la carte (%1)&#xa0;: %2 à copier pour %3 d&apos;espace libre&#xa0;; rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>il n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>%1 n&apos;a pas pu être copié&#xa0;: %2&#xa0;; les fichiers copiés avant lui sont complets.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>La copie a été interrompue&#xa0;; les fichiers copiés auparavant sont complets.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>La carte est à jour.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 à %2 kbit/s</translation>
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
            <numerusform>Encoder aussi %Ln élément (fichier %1) que l&apos;appareil ne peut pas lire, en %2</numerusform>
            <numerusform>Encoder aussi les %Ln éléments (fichiers %1) que l&apos;appareil ne peut pas lire, en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copie et encodage du fichier %1 sur %Ln, %2 sur environ %3</numerusform>
            <numerusform>Copie et encodage du fichier %1 sur %Ln, %2 sur environ %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>%Ln d&apos;entre eux est encodé en %1 au passage.</numerusform>
            <numerusform>%Ln d&apos;entre eux sont encodés en %1 au passage.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln fichier de la carte (%1) dont la source a changé peut être recréé&#xa0;: %2.</numerusform>
            <numerusform>%Ln fichiers de la carte (%1) dont la source a changé peuvent être recréés&#xa0;: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln fichier situé sous le dossier des médias de la carte (%1) n&apos;est désigné par aucune sélection de la carte&#xa0;: %2.</numerusform>
            <numerusform>%Ln fichiers situés sous le dossier des médias de la carte (%1) ne sont désignés par aucune sélection de la carte&#xa0;: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Espace libre sur la carte&#xa0;: %1&#xa0;; environ %2 après l&apos;opération.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>%1 (%2) serait supprimé&#xa0;: aucune sélection de la carte ne le désigne</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (encodé en %3, environ %4, à la place du fichier de %5 de la carte)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (encodé en %3, environ %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, à la place du fichier de %4 de la carte)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln fichier (%1) serait supprimé de la carte (%2).</numerusform>
            <numerusform>%Ln fichiers (%1) seraient supprimés de la carte (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln fichier (%1) dont la source a changé serait recréé sur la carte (%2).</numerusform>
            <numerusform>%Ln fichiers (%1) dont la source a changé seraient recréés sur la carte (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln fichier (environ %1) serait encodé en %2 sur la carte (%3).</numerusform>
            <numerusform>%Ln fichiers (environ %1) seraient encodés en %2 sur la carte (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>La carte (%1) ne contient aucune sélection .asx, rien n&apos;y a donc été supprimé&#xa0;: rien sur la carte ne désigne de musique.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas été encodé, car il ne peut pas être lu comme de la musique&#xa0;: %1</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas été encodés, car ils ne peuvent pas être lus comme de la musique&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln fichier (%1) qu&apos;aucune sélection de la carte ne désigne a été supprimé de la carte (%2).</numerusform>
            <numerusform>%Ln fichiers (%1) qu&apos;aucune sélection de la carte ne désigne ont été supprimés de la carte (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln fichier (%1) dont la source a changé a été recréé sur la carte (%2).</numerusform>
            <numerusform>%Ln fichiers (%1) dont la source a changé ont été recréés sur la carte (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln fichier %1 (%3) a été encodé en %2 sur la carte (%4).</numerusform>
            <numerusform>%Ln fichiers %1 (%3) ont été encodés en %2 sur la carte (%4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas pu être lu entièrement ici et n&apos;a pas été copié&#xa0;: %1</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas pu être lus entièrement ici et n&apos;ont pas été copiés&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas pu être encodé&#xa0;: %1</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas pu être encodés&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas pu être copié&#xa0;; les autres sont sur la carte.</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas pu être copiés&#xa0;; les autres sont sur la carte.</numerusform>
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
        <translation>Convertisseur de sélections</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Convertir des sélections en sélections ASX pour Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Convertir des sélections Windows Media Player pour Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry transforme des sélections (WPL de Windows Media Player, M3U et M3U8, PLS, XSPF, ASX et sélections Zune) en sélections ASX 3.0 que Windows Media Player pour Pocket PC lit depuis une carte mémoire.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Choisissez les sélections, le type de média à conserver (WMA, MP3, WAV ou tout autre) et le dossier de l&apos;appareil qui contient la musique. Chaque référence de ce type est réduite à son chemin sous le dossier de musique et écrite sous le dossier des médias de l&apos;appareil, un fichier .asx par sélection, dans la page de codes ANSI de l&apos;appareil.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Le convertisseur en ligne de commande velandry-convert fait de même sans fenêtre.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Les sélections, la file d&apos;attente, le type de média et les dossiers</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>La fenêtre principale et la fenêtre À propos</translation>
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
        <translation>le texte s&apos;arrête avant la fin de son balisage</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>un commentaire n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>une section CDATA n&apos;est jamais fermée</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>une instruction de traitement n&apos;est jamais fermée</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>une déclaration n&apos;est jamais fermée</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>un nom était attendu après «&#xa0;&lt;&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>«&#xa0;&gt;&#xa0;» était attendu après le nom d&apos;une balise de fin</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>un attribut n&apos;a ni «&#xa0;=&#xa0;» ni valeur</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>la valeur d&apos;un attribut n&apos;est pas entre guillemets</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>une balise de fin ne correspond pas à l&apos;élément qu&apos;elle ferme</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Son balisage %1 est illisible&#xa0;: une balise de la ligne %2 n&apos;est jamais fermée</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>Son balisage %1 ne contient aucun élément &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Son balisage %1 est illisible&#xa0;: ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>C&apos;est un dossier, pas une sélection</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>La sortie remplacerait la sélection elle-même</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Un dossier portant ce nom empêche l&apos;écriture</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Le fichier est protégé en écriture</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Les références de cette sélection se chevauchent et produiraient un fichier de plus de 4 Gio</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>La sélection n&apos;est pas en UTF-8 et elle est trop volumineuse pour être convertie avec la mémoire de cet ordinateur</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Un autre programme a modifié la sélection pendant sa lecture&#xa0;; rien n&apos;a été écrit pour elle, convertissez-la à nouveau</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Son nom n&apos;est pas de l&apos;UTF-8 valide, le fichier ne peut donc pas être ouvert&#xa0;; renommez-le, par exemple avec «&#xa0;convmv -f latin1 -t utf8 --notest&#xa0;»</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Ce n&apos;est pas une sélection d&apos;un type pris en charge (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>Sa déclaration XML indique l&apos;encodage de caractères «&#xa0;%1&#xa0;», qui ne peut pas être lu ici</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Son fichier de sortie, %1, a déjà été écrit à partir de %2 lors de cette conversion&#xa0;; renommez l&apos;une des deux sélections</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Le fichier n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Le fichier n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 et %Ln autre</numerusform>
            <numerusform>%1 et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1&#xa0;: pas en UTF-8, lue avec la page de codes %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %Ln élément sur %2 contient des caractères hors de la page de codes %3, remplacés par «&#xa0;?&#xa0;»</numerusform>
            <numerusform>%1&#xa0;: %Ln éléments sur %2 contiennent des caractères hors de la page de codes %3, remplacés par «&#xa0;?&#xa0;»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln adresse web</numerusform>
            <numerusform>%Ln adresses web</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln hors du dossier de musique</numerusform>
            <numerusform>%Ln hors du dossier de musique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %Ln élément sur %2 omis&#xa0;: %3</numerusform>
            <numerusform>%1&#xa0;: %Ln éléments sur %2 omis&#xa0;: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %Ln élément sur %2 ne pourra jamais être lu sur l&apos;appareil&#xa0;: %3</numerusform>
            <numerusform>%1&#xa0;: %Ln éléments sur %2 ne pourront jamais être lus sur l&apos;appareil&#xa0;: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1&#xa0;: la carte (%2) n&apos;a pas pu être lue, les éléments n&apos;y ont donc pas été recherchés</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %Ln élément sur %2 n&apos;est pas sur la carte (%3)&#xa0;: %4</numerusform>
            <numerusform>%1&#xa0;: %Ln éléments sur %2 ne sont pas sur la carte (%3)&#xa0;: %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %Ln élément sur %2 a été découpé à cheval sur le balisage de la sélection et ne désigne aucun fichier réel</numerusform>
            <numerusform>%1&#xa0;: %Ln éléments sur %2 ont été découpés à cheval sur le balisage de la sélection et ne désignent aucun fichier réel</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>la page de codes ANSI du système</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>la page de codes ANSI des paramètres régionaux de l&apos;utilisateur&#xa0;; la page de codes %1 du système n&apos;est pas une page de codes ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>la page de codes %1 du système n&apos;est pas une page de codes ANSI, et les paramètres régionaux de l&apos;utilisateur n&apos;en ont pas non plus</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>d&apos;après les paramètres régionaux %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>aucun paramètre régional n&apos;est défini</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(un chemin de %Ln octet)</numerusform>
            <numerusform>(un chemin de %Ln octets)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln hors du dossier de musique (indiquez-le avec --music-root)</numerusform>
            <numerusform>%Ln hors du dossier de musique (indiquez-le avec --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln d&apos;un autre type de média</numerusform>
            <numerusform>%Ln d&apos;un autre type de média</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1&#xa0;: %Ln élément est un fichier %2 que l&apos;appareil ne peut pas lire&#xa0;: ajoutez --transcode</numerusform>
            <numerusform>%1&#xa0;: %Ln éléments sont des fichiers %2 que l&apos;appareil ne peut pas lire&#xa0;: ajoutez --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1&#xa0;: %Ln élément est un fichier %2 que l&apos;appareil ne peut pas lire</numerusform>
            <numerusform>%1&#xa0;: %Ln éléments sont des fichiers %2 que l&apos;appareil ne peut pas lire</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation en cours…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Conversion de %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>%1 sur %2 écrits</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>%1 sur %2 lus</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copie de %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Encodage de %1</translation>
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
        <translation>Choisissez</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Dossier source&#xa0;:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>Contient&#xa0;:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Sélections du dossier</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Sélections à convertir</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Dossier médias&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>La sélection contient</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Choisir le dossier des sélections</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Ajouter à la file d&apos;attente</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Retirer de la file d&apos;attente</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Le contenu du dossier des sélections «&#xa0;%1&#xa0;» ne peut pas être affiché.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Il n&apos;existe pas ou ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Veuillez choisir un type de média,<byte value="xd"/>
par exemple WMA ou MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>%Ln fichier a été écrit auparavant.</numerusform>
            <numerusform>%Ln fichiers ont été écrits auparavant.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Choisissez le dossier de vos sélections</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Choisissez le dossier de sortie</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une sélection lisible (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas dans le dossier des autres, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Copier sur la carte la musique désignée par les sélections&#xa0;?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Ne pas copier</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Synchroniser la carte avec la musique de cet ordinateur&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Recréer %Ln fichier dont la source a changé</numerusform>
            <numerusform>Recréer les %Ln fichiers dont la source a changé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Supprimer %Ln fichier situé sous le dossier des médias qu&apos;aucune sélection de la carte ne désigne</numerusform>
            <numerusform>Supprimer les %Ln fichiers situés sous le dossier des médias qu&apos;aucune sélection de la carte ne désigne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas été ajouté à la file d&apos;attente.</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas été ajoutés à la file d&apos;attente.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Ne pas mettre à jour</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Site web de Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Cliquez ici pour obtenir les mises à jour</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Mises à jour, FAQ et aide sur notre site web</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Historique des versions</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, logiciel gratuit</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Soutenir les développements futurs</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Si ce logiciel vous est utile, n&apos;hésitez pas à soutenir son développement</translation>
    </message>
</context>
</TS>
