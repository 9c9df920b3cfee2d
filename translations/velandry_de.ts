<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Konvertiert Wiedergabelisten (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) in ASX-Wiedergabelisten für Windows Media Player für Pocket PC und behält dabei die Einträge eines Medientyps bei.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Beizubehaltender Medientyp, ohne Punkt (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Medienordner auf dem Gerät, der jedem Pfad vorangestellt wird (Standard: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Ordner für die .asx-Dateien (Standard: der Ordner der jeweiligen Wiedergabeliste).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>ANSI-Codepage der .asx-Dateien und der Wiedergabelisten, die nicht in UTF-8 vorliegen: %1 (auch als cp1250 oder windows-1250). Standard hier: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>Der Musikordner, unter dem Wiedergabelisten (außer WPL) ihre Dateien angeben, so geschrieben wie dort (/home/ana/Music, &apos;D:\Music&apos;): Einträge darunter werden an dieser Stelle gekürzt (Standard: die Regeln der Manpage).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>Die Speicherkarte, wie dieses System sie sieht (/media/ana/CARD, E:\): Jeder Eintrag wird auf ihr gesucht, fehlende werden gemeldet (Standard: das Laufwerk des Ausgabeordners, sofern es eine Karte ist, die den Medienordner enthält).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Für Wiedergabelisten, die fehlerfrei konvertiert werden, nichts ausgeben.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Zu konvertierende Wiedergabelisten.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Weitere Informationen erhalten Sie mit „--help“.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>der Medientyp fehlt (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>keine Wiedergabeliste angegeben</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>unbekannte Codepage %1; die ANSI-Codepages sind %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Bitte wählen Sie einen Medientyp aus,
z. B. WMA oder MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>der Ausgabeordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>die Karte %1 existiert nicht</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln Eintrag)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln Einträge)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Nach den Wiedergabelisten die darin genannten Dateien, die auf der Karte fehlen, auf die Karte kopieren, jede an die Stelle, an der das Gerät sie öffnet; gesucht wird jede dort, wo die Wiedergabeliste sie angibt, oder unterhalb des Musikordners (--music-root, sonst der Musikordner des Benutzers).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Überhaupt nichts schreiben (keine Wiedergabeliste, keine Musik, keinen Ordner): nur ausgeben, was getan würde.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Die Karte mit der Musik auf diesem Computer abgleichen (wie --copy-music und mehr): Eine Datei auf der Karte, deren Quelle sich hier geändert hat, wird an ihrer Stelle neu erstellt; eine Datei, die neuer als ihre Quelle ist, nie.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Die Musik unterhalb des Medienordners der Karte entfernen, die keine .asx-Wiedergabeliste auf der Karte nennt (gar nichts, wenn die Karte keine .asx-Datei enthält, und nie etwas anderes als Musik).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Jede Musikdatei, die die Wiedergabelisten nennen, so auf die Karte bringen (wie --copy-music), dass jede abgespielt wird: was das Gerät abspielt (MP3, WMA, 16-Bit-WAV), unverändert, den Rest (FLAC, M4A, Ogg, Opus, ...) in den Medientyp codiert, der dann mp3, wma oder wav ist.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Die Bitrate dessen, was --transcode in MP3 oder WMA codiert, in kbit/s (Standard: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Wie viele Dateien --transcode gleichzeitig codiert (Standard: die Anzahl der Prozessorkerne, hier %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode codiert in mp3, wma oder wav; -t %1 ist keiner dieser Typen</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate erwartet eine Zahl in kbit/s von 32 bis 320, nicht %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs erwartet eine Zahl von 1 bis 256, nicht %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 braucht die Karte: Geben Sie sie mit --card DIR an, oder schreiben Sie die Wiedergabelisten mit --output-folder DIR auf die Karte</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Datei %1 von %Ln wird kopiert, %2 von %3</numerusform>
            <numerusform>Datei %1 von %Ln wird kopiert, %2 von %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln Datei, die in den Wiedergabelisten genannt ist, fehlt auf der Karte (%1): insgesamt %2.</numerusform>
            <numerusform>%Ln Dateien, die in den Wiedergabelisten genannt sind, fehlen auf der Karte (%1): insgesamt %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Freier Speicherplatz auf der Karte: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln Datei (%1) würde auf die Karte (%2) kopiert.</numerusform>
            <numerusform>%Ln Dateien (%1) würden auf die Karte (%2) kopiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>Das Dateisystem der Karte gibt nicht an, wie viel Speicherplatz auf ihr frei ist.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln Eintrag ist auch nicht auf diesem Computer: %1</numerusform>
            <numerusform>%Ln Einträge sind auch nicht auf diesem Computer: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln Datei wurde nicht kopiert, da das FAT-Dateisystem der Karte keine Datei ab 4 GiB aufnehmen kann: %1</numerusform>
            <numerusform>%Ln Dateien wurden nicht kopiert, da das FAT-Dateisystem der Karte keine Datei ab 4 GiB aufnehmen kann: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln Eintrag wurde nicht kopiert, da hier keine gewöhnliche Datei des Medientyps seinen Namen trägt oder eine Datei auf der Karte den Namen seines Ordners hat: %1</numerusform>
            <numerusform>%Ln Einträge wurden nicht kopiert, da hier keine gewöhnliche Datei des Medientyps ihren Namen trägt oder eine Datei auf der Karte den Namen ihres Ordners hat: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln Datei wurde nicht kopiert, da ein Ordner auf ihrem Pfad eine Verknüpfung ist, die aus der Karte hinausführt: %1</numerusform>
            <numerusform>%Ln Dateien wurden nicht kopiert, da ein Ordner auf ihrem Pfad eine Verknüpfung ist, die aus der Karte hinausführt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln Datei (%1) wurde auf die Karte (%2) kopiert.</numerusform>
            <numerusform>%Ln Dateien (%1) wurden auf die Karte (%2) kopiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Die Musik passt nicht auf die Karte (%1): %2 zu kopieren, %3 frei; es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>%1 konnte nicht kopiert werden: %2; die zuvor kopierten Dateien sind vollständig.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Das Kopieren wurde abgebrochen; die bis dahin kopierten Dateien sind vollständig.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>Die Karte ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 mit %2 kbit/s</translation>
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
            <numerusform>Auch %Ln Eintrag, den das Gerät nicht abspielen kann (%1), in %2 codieren</numerusform>
            <numerusform>Auch die %Ln Einträge, die das Gerät nicht abspielen kann (%1), in %2 codieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Datei %1 von %Ln wird kopiert oder codiert, %2 von etwa %3</numerusform>
            <numerusform>Datei %1 von %Ln wird kopiert oder codiert, %2 von etwa %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>%Ln davon wird dabei in %1 codiert.</numerusform>
            <numerusform>%Ln davon werden dabei in %1 codiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln Datei auf der Karte (%1), deren Quelle sich geändert hat, kann neu erstellt werden: %2.</numerusform>
            <numerusform>%Ln Dateien auf der Karte (%1), deren Quellen sich geändert haben, können neu erstellt werden: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln Datei unterhalb des Medienordners der Karte (%1) wird von keiner Wiedergabeliste auf der Karte genannt: %2.</numerusform>
            <numerusform>%Ln Dateien unterhalb des Medienordners der Karte (%1) werden von keiner Wiedergabeliste auf der Karte genannt: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Freier Speicher auf der Karte: %1; danach etwa %2.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>%1 (%2) würde entfernt: Keine Wiedergabeliste auf der Karte nennt diese Datei</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (in %3 codiert, etwa %4, anstelle der %5 großen Datei auf der Karte)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (in %3 codiert, etwa %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, anstelle der %4 großen Datei auf der Karte)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln Datei, %1, würde von der Karte (%2) entfernt.</numerusform>
            <numerusform>%Ln Dateien, %1, würden von der Karte (%2) entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln Datei mit geänderter Quelle, %1, würde auf der Karte (%2) neu erstellt.</numerusform>
            <numerusform>%Ln Dateien mit geänderter Quelle, %1, würden auf der Karte (%2) neu erstellt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln Datei, etwa %1, würde in %2 codiert auf die Karte (%3) geschrieben.</numerusform>
            <numerusform>%Ln Dateien, etwa %1, würden in %2 codiert auf die Karte (%3) geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>Die Karte (%1) enthält keine .asx-Wiedergabeliste, daher wurde nichts von ihr entfernt: Nichts auf ihr nennt Musik.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln Datei wurde nicht codiert, da sie sich nicht als Musik lesen lässt: %1</numerusform>
            <numerusform>%Ln Dateien wurden nicht codiert, da sie sich nicht als Musik lesen lassen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln Datei (%1), die keine Wiedergabeliste auf der Karte nennt, wurde von der Karte (%2) entfernt.</numerusform>
            <numerusform>%Ln Dateien (%1), die keine Wiedergabeliste auf der Karte nennt, wurden von der Karte (%2) entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln Datei mit geänderter Quelle (%1) wurde auf der Karte (%2) neu erstellt.</numerusform>
            <numerusform>%Ln Dateien mit geänderter Quelle (%1) wurden auf der Karte (%2) neu erstellt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln Datei wurde von %1 in %2 codiert (%3) und auf die Karte (%4) geschrieben.</numerusform>
            <numerusform>%Ln Dateien wurden von %1 in %2 codiert (%3) und auf die Karte (%4) geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln Datei konnte hier nicht vollständig gelesen werden und wurde nicht kopiert: %1</numerusform>
            <numerusform>%Ln Dateien konnten hier nicht vollständig gelesen werden und wurden nicht kopiert: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln Datei konnte nicht codiert werden: %1</numerusform>
            <numerusform>%Ln Dateien konnten nicht codiert werden: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>%Ln Datei konnte nicht kopiert werden; die übrigen sind auf der Karte.</numerusform>
            <numerusform>%Ln Dateien konnten nicht kopiert werden; die übrigen sind auf der Karte.</numerusform>
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
        <translation>Wiedergabelisten-Konverter</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Wiedergabelisten in ASX-Wiedergabelisten für Pocket PC konvertieren</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Wiedergabelisten von Windows Media Player für Pocket PC konvertieren</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry konvertiert Wiedergabelisten (WPL von Windows Media Player, M3U und M3U8, PLS, XSPF, ASX sowie Zune-Wiedergabelisten) in ASX-3.0-Wiedergabelisten, die Windows Media Player für Pocket PC von einer Speicherkarte abspielt.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Wählen Sie die Wiedergabelisten, den beizubehaltenden Medientyp (WMA, MP3, WAV oder einen anderen) und den Ordner auf dem Gerät, der die Musik enthält. Jeder Verweis dieses Typs wird auf seinen Platz unterhalb des Musikordners gekürzt und unter den Medienordner des Geräts geschrieben, eine .asx-Datei je Wiedergabeliste, in der ANSI-Codepage des Geräts.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Das Befehlszeilenprogramm velandry-convert erledigt dasselbe ohne Fenster.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Die Wiedergabelisten, die Warteschlange, der Medientyp und die Ordner</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Das Hauptfenster und das Info-Fenster</translation>
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
        <translation>die Datei bricht mitten in einem Tag oder Element ab</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>ein Kommentar ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>ein CDATA-Abschnitt ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>eine Verarbeitungsanweisung ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>eine Deklaration ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>nach „&lt;“ wurde ein Name erwartet</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>nach dem Namen eines End-Tags wurde „&gt;“ erwartet</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>einem Attribut fehlen „=“ und Wert</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>der Wert eines Attributs steht nicht in Anführungszeichen</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>ein End-Tag passt nicht zu dem Element, das es beendet</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Das %1-Markup kann nicht gelesen werden: Ein Tag in Zeile %2 ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>Das %1-Markup enthält kein &lt;ASX&gt;-Element</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Das %1-Markup kann nicht gelesen werden: Zeile %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>Es ist ein Ordner, keine Wiedergabeliste</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>Die Ausgabe würde die Wiedergabeliste selbst ersetzen</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Ein gleichnamiger Ordner steht im Weg</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Die Verweise dieser Wiedergabeliste überlappen sich und würden eine Datei ergeben, die größer als 4 GiB ist</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>Die Wiedergabeliste liegt nicht in UTF-8 vor und ist zu groß, um im Arbeitsspeicher dieses Computers konvertiert zu werden</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Ein anderes Programm hat die Wiedergabeliste während des Lesens geändert; für sie wurde nichts geschrieben, konvertieren Sie sie erneut</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Der Dateiname ist kein gültiges UTF-8, daher kann die Datei nicht geöffnet werden; benennen Sie sie um, etwa mit „convmv -f latin1 -t utf8 --notest“</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Es ist keine Wiedergabeliste eines unterstützten Typs (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>Die XML-Deklaration nennt die Zeichencodierung „%1“, die hier nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Die Ausgabedatei %1 wurde in diesem Durchlauf bereits aus %2 geschrieben; benennen Sie eine der beiden Wiedergabelisten um</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 und %Ln weiterer</numerusform>
            <numerusform>%1 und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: nicht in UTF-8, in Codepage %2 gelesen</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln von %2 Einträgen enthält Zeichen außerhalb der Codepage %3, als „?“ geschrieben</numerusform>
            <numerusform>%1: %Ln von %2 Einträgen enthalten Zeichen außerhalb der Codepage %3, als „?“ geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln Webadresse</numerusform>
            <numerusform>%Ln Webadressen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln außerhalb des Musikordners</numerusform>
            <numerusform>%Ln außerhalb des Musikordners</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: %Ln von %2 Einträgen ausgelassen: %3</numerusform>
            <numerusform>%1: %Ln von %2 Einträgen ausgelassen: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln von %2 Einträgen kann auf dem Gerät nie abgespielt werden: %3</numerusform>
            <numerusform>%1: %Ln von %2 Einträgen können auf dem Gerät nie abgespielt werden: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: Die Karte (%2) konnte nicht gelesen werden, daher wurden die Einträge nicht auf ihr gesucht</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln von %2 Einträgen ist nicht auf der Karte (%3): %4</numerusform>
            <numerusform>%1: %Ln von %2 Einträgen sind nicht auf der Karte (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln von %2 Einträgen reicht in das Markup der Wiedergabeliste hinein und bezeichnet keine echte Datei</numerusform>
            <numerusform>%1: %Ln von %2 Einträgen reichen in das Markup der Wiedergabeliste hinein und bezeichnen keine echte Datei</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>die ANSI-Codepage des Systems</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>die ANSI-Codepage des Gebietsschemas des Benutzers; die Codepage %1 des Systems ist keine ANSI-Codepage</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>die Codepage %1 des Systems ist keine ANSI-Codepage, und das Gebietsschema des Benutzers hat auch keine</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>aus dem Gebietsschema %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>kein Gebietsschema festgelegt</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(ein Pfad mit %Ln Byte)</numerusform>
            <numerusform>(ein Pfad mit %Ln Byte)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln außerhalb des Musikordners (geben Sie ihn mit --music-root an)</numerusform>
            <numerusform>%Ln außerhalb des Musikordners (geben Sie ihn mit --music-root an)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln eines anderen Medientyps</numerusform>
            <numerusform>%Ln eines anderen Medientyps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln Eintrag ist eine Datei vom Typ %2, die das Gerät nicht abspielen kann: Verwenden Sie --transcode</numerusform>
            <numerusform>%1: %Ln Einträge sind Dateien vom Typ %2, die das Gerät nicht abspielen kann: Verwenden Sie --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln Eintrag ist eine Datei vom Typ %2, die das Gerät nicht abspielen kann</numerusform>
            <numerusform>%1: %Ln Einträge sind Dateien vom Typ %2, die das Gerät nicht abspielen kann</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>%1 wird konvertiert</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>%1 von %2 geschrieben</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>%1 von %2 gelesen</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>%1 wird kopiert</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>%1 wird codiert</translation>
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
        <translation>Bitte wählen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Listenordner:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>Medientyp:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Wiedergabelisten im Ordner</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Zu konvertierende Listen</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Medienordner:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Konvertieren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>Medientyp der beizubehaltenden Einträge</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Ordner der Wiedergabelisten auswählen</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Zur Warteschlange hinzufügen</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Aus der Warteschlange entfernen</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Ausgabeordner auswählen</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Der Inhalt des Ordners der Wiedergabelisten „%1“ kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Er existiert nicht oder ist kein Ordner.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Bitte wählen Sie einen Medientyp aus,<byte value="xd"/>
z. B. WMA oder MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>Davor wurde %Ln Datei geschrieben.</numerusform>
            <numerusform>Davor wurden %Ln Dateien geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>„%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>„%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Wählen Sie den Ordner Ihrer Wiedergabelisten aus</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Wählen Sie den Ausgabeordner aus</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>„%1“: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>„%1“ ist keine lesbare Wiedergabeliste (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>„%1“ liegt nicht im Ordner der anderen, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Die in den Wiedergabelisten genannte Musik auf die Karte kopieren?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Nicht kopieren</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Die Karte mit der Musik auf diesem Computer abgleichen?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>%Ln Datei mit geänderter Quelle neu erstellen</numerusform>
            <numerusform>%Ln Dateien mit geänderter Quelle neu erstellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>%Ln Datei unterhalb des Medienordners entfernen, die keine Wiedergabeliste auf der Karte nennt</numerusform>
            <numerusform>%Ln Dateien unterhalb des Medienordners entfernen, die keine Wiedergabeliste auf der Karte nennt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln Datei wurde nicht in die Warteschlange aufgenommen.</numerusform>
            <numerusform>%Ln Dateien wurden nicht in die Warteschlange aufgenommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Nicht aktualisieren</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Velandry-Website</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Hier klicken, um Updates zu erhalten</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Updates, FAQ und Hilfe auf unserer Website</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Versionsverlauf</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, Freeware</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Die Weiterentwicklung unterstützen</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Wenn Ihnen diese Software nützlich ist, können Sie gern ihre Weiterentwicklung unterstützen</translation>
    </message>
</context>
</TS>
