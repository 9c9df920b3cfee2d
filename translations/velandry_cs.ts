<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Převádí seznamy stop (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) na seznamy stop ASX pro Windows Media Player pro Pocket PC a ponechává v nich položky jednoho typu média.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Typ média, který se má ponechat, bez tečky (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Složka v zařízení, která se zapíše před každou cestu (výchozí: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Složka pro soubory .asx (výchozí: vlastní složka každého seznamu stop).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Kódová stránka ANSI souborů .asx a seznamů stop, které nejsou v UTF-8: %1 (také jako cp1250 nebo windows-1250). Výchozí zde: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>Hudební složka, ve které seznamy stop jiné než WPL uvádějí své soubory, zapsaná tak, jak ji uvádějí (/home/ana/Music, &apos;D:\Music&apos;): cesty položek v této složce se v tomto místě oříznou (výchozí: pravidla z manuálové stránky).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>Paměťová karta tak, jak ji vidí tento systém (/media/ana/CARD, E:\): každá položka se na ní vyhledá a položky, které tam nejsou, se ohlásí (výchozí: svazek cílové složky, pokud je to karta se složkou médií).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Nevypisovat nic u seznamů stop, které se převedou bez problémů.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Seznamy stop k převodu.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Další informace získáte pomocí &apos;--help&apos;.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>chybí typ média (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>nebyl zadán žádný seznam stop</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>neznámá kódová stránka %1; kódové stránky ANSI jsou %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Vyberte typ média
například WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>cílová složka %1 neexistuje</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>karta %1 neexistuje</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln položka)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln položky)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln položek)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>upozornění: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Po převodu seznamů stop zkopírovat na kartu soubory, které seznamy uvádějí a které na kartě chybějí, každý na místo, odkud jej zařízení otevře, a to z místa, které uvádí seznam stop, nebo z hudební složky (--music-root, jinak hudební složka uživatele).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Nic nezapisovat (žádný seznam stop, žádnou hudbu, žádnou složku): jen vypsat, co by se provedlo.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Synchronizovat kartu (jako --copy-music, a ještě více): soubor na kartě, jehož zdroj se v tomto počítači změnil, se na svém místě vytvoří znovu; soubor novější než jeho zdroj se znovu nevytváří nikdy.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Odstranit ze složky médií na kartě hudbu, kterou neuvádí žádný seznam stop .asx na kartě (nic, pokud na kartě není žádný soubor .asx, a nic jiného než hudbu).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Umístit na kartu každý hudební soubor, který seznamy stop uvádějí (jako --copy-music), tak, aby se každý dal přehrát: co zařízení přehraje (MP3, WMA, 16bitový WAV), beze změny, ostatní (FLAC, M4A, Ogg, Opus, ...) překódované do typu média, kterým pak musí být mp3, wma nebo wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Datový tok v kbit/s pro soubory, které --transcode překóduje do MP3 nebo WMA (výchozí: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Kolik souborů --transcode překóduje současně (výchozí: počet jader procesoru, zde %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode překódovává do mp3, wma nebo wav; -t %1 není ani jeden z nich</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate přijímá počet kbit/s od 32 do 320, ne %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs přijímá číslo od 1 do 256, ne %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 vyžaduje kartu: zadejte ji pomocí --card DIR, nebo zapište seznamy stop na kartu pomocí --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Kopírování souboru %1 z %Ln, %2 z %3</numerusform>
            <numerusform>Kopírování souboru %1 z %Ln, %2 z %3</numerusform>
            <numerusform>Kopírování souboru %1 z %Ln, %2 z %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln soubor uvedený v seznamech stop není na kartě (%1): celkem %2.</numerusform>
            <numerusform>%Ln soubory uvedené v seznamech stop nejsou na kartě (%1): celkem %2.</numerusform>
            <numerusform>%Ln souborů uvedených v seznamech stop není na kartě (%1): celkem %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Volné místo na kartě: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartu (%2) by se zkopíroval %Ln soubor, celkem %1.</numerusform>
            <numerusform>Na kartu (%2) by se zkopírovaly %Ln soubory, celkem %1.</numerusform>
            <numerusform>Na kartu (%2) by se zkopírovalo %Ln souborů, celkem %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>Systém souborů karty neuvádí, kolik je na ní volného místa.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln položka není ani na tomto počítači: %1</numerusform>
            <numerusform>%Ln položky nejsou ani na tomto počítači: %1</numerusform>
            <numerusform>%Ln položek není ani na tomto počítači: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln soubor nebyl zkopírován, protože systém souborů FAT na kartě nepojme soubor o velikosti 4 GiB a více: %1</numerusform>
            <numerusform>%Ln soubory nebyly zkopírovány, protože systém souborů FAT na kartě nepojme soubor o velikosti 4 GiB a více: %1</numerusform>
            <numerusform>%Ln souborů nebylo zkopírováno, protože systém souborů FAT na kartě nepojme soubor o velikosti 4 GiB a více: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln položka nebyla zkopírována, protože zde není žádný běžný soubor daného typu média s jejím názvem nebo je na kartě soubor s názvem její složky: %1</numerusform>
            <numerusform>%Ln položky nebyly zkopírovány, protože zde není žádný běžný soubor daného typu média s jejich názvem nebo je na kartě soubor s názvem jejich složky: %1</numerusform>
            <numerusform>%Ln položek nebylo zkopírováno, protože zde není žádný běžný soubor daného typu média s jejich názvem nebo je na kartě soubor s názvem jejich složky: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln soubor nebyl zkopírován, protože některá složka na jeho cestě je odkaz, který vede mimo kartu: %1</numerusform>
            <numerusform>%Ln soubory nebyly zkopírovány, protože některá složka na jejich cestě je odkaz, který vede mimo kartu: %1</numerusform>
            <numerusform>%Ln souborů nebylo zkopírováno, protože některá složka na jejich cestě je odkaz, který vede mimo kartu: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartu (%2) byl zkopírován %Ln soubor (%1).</numerusform>
            <numerusform>Na kartu (%2) byly zkopírovány %Ln soubory (%1).</numerusform>
            <numerusform>Na kartu (%2) bylo zkopírováno %Ln souborů (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Hudba se na kartu (%1) nevejde: ke zkopírování %2, volné místo %3; nic nebylo zkopírováno.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>nepodařilo se jej zapsat</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>Soubor %1 se nepodařilo zkopírovat: %2; soubory zkopírované před ním jsou úplné.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Kopírování bylo zastaveno; dříve zkopírované soubory jsou úplné.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>Karta je aktuální.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 %2 kbit/s</translation>
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
            <numerusform>Překódovat také hudbu %1, kterou zařízení neumí přehrát, do formátu %2 (%Ln položka)</numerusform>
            <numerusform>Překódovat také hudbu %1, kterou zařízení neumí přehrát, do formátu %2 (%Ln položky)</numerusform>
            <numerusform>Překódovat také hudbu %1, kterou zařízení neumí přehrát, do formátu %2 (%Ln položek)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Kopírování a překódování souboru %1 z %Ln, %2 z přibližně %3</numerusform>
            <numerusform>Kopírování a překódování souboru %1 z %Ln, %2 z přibližně %3</numerusform>
            <numerusform>Kopírování a překódování souboru %1 z %Ln, %2 z přibližně %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>%Ln z nich se při kopírování překóduje do formátu %1.</numerusform>
            <numerusform>%Ln z nich se při kopírování překódují do formátu %1.</numerusform>
            <numerusform>%Ln z nich se při kopírování překóduje do formátu %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln soubor na kartě (%1), jehož zdroj se změnil, lze vytvořit znovu: %2.</numerusform>
            <numerusform>%Ln soubory na kartě (%1), jejichž zdroje se změnily, lze vytvořit znovu: %2.</numerusform>
            <numerusform>%Ln souborů na kartě (%1), jejichž zdroje se změnily, lze vytvořit znovu: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln soubor ve složce médií na kartě (%1) není uveden v žádném seznamu stop na kartě: %2.</numerusform>
            <numerusform>%Ln soubory ve složce médií na kartě (%1) nejsou uvedeny v žádném seznamu stop na kartě: %2.</numerusform>
            <numerusform>%Ln souborů ve složce médií na kartě (%1) není uvedeno v žádném seznamu stop na kartě: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Volné místo na kartě: %1; po dokončení přibližně %2.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>Soubor %1 (%2) by byl odstraněn: neuvádí jej žádný seznam stop na kartě</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (překódováno do formátu %3, přibližně %4, místo souboru na kartě o velikosti %5)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (překódováno do formátu %3, přibližně %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, místo souboru na kartě o velikosti %4)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Z karty (%2) by se odstranil %Ln soubor, celkem %1.</numerusform>
            <numerusform>Z karty (%2) by se odstranily %Ln soubory, celkem %1.</numerusform>
            <numerusform>Z karty (%2) by se odstranilo %Ln souborů, celkem %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartě (%2) by se znovu vytvořil %Ln soubor, jehož zdroj se změnil, celkem %1.</numerusform>
            <numerusform>Na kartě (%2) by se znovu vytvořily %Ln soubory, jejichž zdroje se změnily, celkem %1.</numerusform>
            <numerusform>Na kartě (%2) by se znovu vytvořilo %Ln souborů, jejichž zdroje se změnily, celkem %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartu (%3) by se zapsal %Ln soubor překódovaný do formátu %2, celkem přibližně %1.</numerusform>
            <numerusform>Na kartu (%3) by se zapsaly %Ln soubory překódované do formátu %2, celkem přibližně %1.</numerusform>
            <numerusform>Na kartu (%3) by se zapsalo %Ln souborů překódovaných do formátu %2, celkem přibližně %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>Na kartě (%1) není žádný seznam stop .asx, a proto z ní nebylo nic odstraněno: nic na ní neuvádí žádnou hudbu.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln soubor nebyl překódován, protože jej nelze přečíst jako hudbu: %1</numerusform>
            <numerusform>%Ln soubory nebyly překódovány, protože je nelze přečíst jako hudbu: %1</numerusform>
            <numerusform>%Ln souborů nebylo překódováno, protože je nelze přečíst jako hudbu: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Z karty (%2) byl odstraněn %Ln soubor (%1), který není uveden v žádném seznamu stop na kartě.</numerusform>
            <numerusform>Z karty (%2) byly odstraněny %Ln soubory (%1), které nejsou uvedeny v žádném seznamu stop na kartě.</numerusform>
            <numerusform>Z karty (%2) bylo odstraněno %Ln souborů (%1), které nejsou uvedeny v žádném seznamu stop na kartě.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartě (%2) byl znovu vytvořen %Ln soubor (%1), jehož zdroj se změnil.</numerusform>
            <numerusform>Na kartě (%2) byly znovu vytvořeny %Ln soubory (%1), jejichž zdroje se změnily.</numerusform>
            <numerusform>Na kartě (%2) bylo znovu vytvořeno %Ln souborů (%1), jejichž zdroje se změnily.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartu (%4) byl zapsán %Ln soubor překódovaný z %1 do formátu %2 (%3).</numerusform>
            <numerusform>Na kartu (%4) byly zapsány %Ln soubory překódované z %1 do formátu %2 (%3).</numerusform>
            <numerusform>Na kartu (%4) bylo zapsáno %Ln souborů překódovaných z %1 do formátu %2 (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln soubor se zde nepodařilo přečíst celý, a proto nebyl zkopírován: %1</numerusform>
            <numerusform>%Ln soubory se zde nepodařilo přečíst celé, a proto nebyly zkopírovány: %1</numerusform>
            <numerusform>%Ln souborů se zde nepodařilo přečíst celé, a proto nebylo zkopírováno: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln soubor se nepodařilo překódovat: %1</numerusform>
            <numerusform>%Ln soubory se nepodařilo překódovat: %1</numerusform>
            <numerusform>%Ln souborů se nepodařilo překódovat: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>%Ln soubor se nepodařilo zkopírovat; ostatní jsou na kartě.</numerusform>
            <numerusform>%Ln soubory se nepodařilo zkopírovat; ostatní jsou na kartě.</numerusform>
            <numerusform>%Ln souborů se nepodařilo zkopírovat; ostatní jsou na kartě.</numerusform>
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
        <translation>Převodník seznamů stop</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Převod seznamů stop do formátu ASX pro Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Převod seznamů stop přehrávače Windows Media Player pro Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry převádí seznamy stop (WPL přehrávače Windows Media Player, M3U a M3U8, PLS, XSPF, ASX a seznamy stop Zune) na seznamy stop ASX 3.0, které Windows Media Player pro Pocket PC přehrává z paměťové karty.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Vyberte seznamy stop, typ média, který se má ponechat (WMA, MP3, WAV nebo jakýkoli jiný), a složku v zařízení, ve které je uložena hudba. Každý odkaz tohoto typu se zkrátí na své umístění v hudební složce a zapíše se do složky médií v zařízení, jeden soubor .asx pro každý seznam stop, v kódové stránce ANSI zařízení.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Převodník pro příkazový řádek velandry-convert dělá totéž bez okna.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Seznamy stop, fronta, typ média a složky</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Hlavní okno a okno „O aplikaci“</translation>
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
        <translation>text končí dřív než jeho značky</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>komentář není uzavřen</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>oddíl CDATA není uzavřen</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>instrukce pro zpracování není uzavřena</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>deklarace není uzavřena</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>po &quot;&lt;&quot; byl očekáván název</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>po názvu koncové značky byl očekáván &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>atribut nemá &quot;=&quot; a hodnotu</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>hodnota atributu není v uvozovkách</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>koncová značka neodpovídá prvku, který ukončuje</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Značky %1 nelze přečíst: značka na řádku %2 není uzavřena</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>Značky %1 neobsahují prvek &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Značky %1 nelze přečíst: řádek %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>Jde o složku, ne o seznam stop</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Nejde o běžný soubor</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>Výstup by nahradil samotný seznam stop</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Již existuje složka s tímto názvem</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Soubor je chráněn proti zápisu</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Odkazy tohoto seznamu stop se překrývají a vytvořily by soubor větší než 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>Seznam stop není v UTF-8 a je příliš velký na to, aby se dal převést v paměti tohoto počítače</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Jiný program změnil seznam stop během jeho čtení; nic se pro něj nezapsalo, převeďte jej znovu</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Název souboru není platné UTF-8, a proto soubor nelze otevřít; přejmenujte jej, například příkazem &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Nejde o seznam stop v podporovaném formátu (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>Deklarace XML uvádí kódování „%1“, které zde nelze přečíst</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Výstupní soubor %1 byl v tomto běhu již zapsán ze seznamu %2; přejmenujte jeden z obou seznamů stop</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Soubor nelze přečíst</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Soubor nelze zapsat</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 a %Ln další</numerusform>
            <numerusform>%1 a %Ln další</numerusform>
            <numerusform>%1 a %Ln dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: není v UTF-8, přečteno v kódové stránce %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln položka z %2 obsahuje znaky mimo kódovou stránku %3, zapsané jako &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln položky z %2 obsahují znaky mimo kódovou stránku %3, zapsané jako &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln položek z %2 obsahuje znaky mimo kódovou stránku %3, zapsané jako &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln webová adresa</numerusform>
            <numerusform>%Ln webové adresy</numerusform>
            <numerusform>%Ln webových adres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln mimo hudební složku</numerusform>
            <numerusform>%Ln mimo hudební složku</numerusform>
            <numerusform>%Ln mimo hudební složku</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: vynechána %Ln položka z %2: %3</numerusform>
            <numerusform>%1: vynechány %Ln položky z %2: %3</numerusform>
            <numerusform>%1: vynecháno %Ln položek z %2: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln položku z %2 nelze v zařízení nikdy přehrát: %3</numerusform>
            <numerusform>%1: %Ln položky z %2 nelze v zařízení nikdy přehrát: %3</numerusform>
            <numerusform>%1: %Ln položek z %2 nelze v zařízení nikdy přehrát: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: kartu (%2) nelze přečíst, a proto se na ní položky nevyhledávaly</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln položka z %2 není na kartě (%3): %4</numerusform>
            <numerusform>%1: %Ln položky z %2 nejsou na kartě (%3): %4</numerusform>
            <numerusform>%1: %Ln položek z %2 není na kartě (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln položka z %2 byla rozdělena značkami seznamu stop a neodkazuje na žádný skutečný soubor</numerusform>
            <numerusform>%1: %Ln položky z %2 byly rozděleny značkami seznamu stop a neodkazují na žádný skutečný soubor</numerusform>
            <numerusform>%1: %Ln položek z %2 bylo rozděleno značkami seznamu stop a neodkazuje na žádný skutečný soubor</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>kódová stránka ANSI systému</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>kódová stránka ANSI národního prostředí uživatele; kódová stránka systému %1 není kódovou stránkou ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>kódová stránka systému %1 není kódovou stránkou ANSI a národní prostředí uživatele žádnou nemá</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>podle národního prostředí %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>národní prostředí není nastaveno</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(cesta o délce %Ln bajtu)</numerusform>
            <numerusform>(cesta o délce %Ln bajtů)</numerusform>
            <numerusform>(cesta o délce %Ln bajtů)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln mimo hudební složku (zadejte ji pomocí --music-root)</numerusform>
            <numerusform>%Ln mimo hudební složku (zadejte ji pomocí --music-root)</numerusform>
            <numerusform>%Ln mimo hudební složku (zadejte ji pomocí --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln jiného typu média</numerusform>
            <numerusform>%Ln jiného typu média</numerusform>
            <numerusform>%Ln jiného typu média</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln položka odkazuje na soubor %2, který zařízení neumí přehrát: přidejte --transcode</numerusform>
            <numerusform>%1: %Ln položky odkazují na soubory %2, které zařízení neumí přehrát: přidejte --transcode</numerusform>
            <numerusform>%1: %Ln položek odkazuje na soubory %2, které zařízení neumí přehrát: přidejte --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln položka odkazuje na soubor %2, který zařízení neumí přehrát</numerusform>
            <numerusform>%1: %Ln položky odkazují na soubory %2, které zařízení neumí přehrát</numerusform>
            <numerusform>%1: %Ln položek odkazuje na soubory %2, které zařízení neumí přehrát</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Rušení…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Převod: %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>Zapsáno %1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>Přečteno %1 z %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Kopírování: %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Překódování: %1</translation>
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
        <translation>Vyberte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O aplikaci</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Složka seznamů:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>V seznamu:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Seznamy stop ve složce</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Seznamy k převodu</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Cílová složka:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Složka médií:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Převést</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>V seznamu</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Vybrat složku se seznamy stop</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Přidat do fronty</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Odebrat z fronty</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Vybrat cílovou složku</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Obsah složky seznamů stop „%1“ nelze zobrazit.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Neexistuje nebo nejde o složku.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Vyberte typ média<byte value="xd"/>
například WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>Předtím byl zapsán %Ln soubor.</numerusform>
            <numerusform>Předtím byly zapsány %Ln soubory.</numerusform>
            <numerusform>Předtím bylo zapsáno %Ln souborů.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>„%1“ nelze přečíst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>„%1“ nelze zapsat.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Vyberte složku se seznamy stop</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Vyberte cílovou složku</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>„%1“: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>„%1“ nelze přečíst jako seznam stop (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>„%1“ není ve složce ostatních souborů, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Zkopírovat na kartu hudbu uvedenou v seznamech stop?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Nekopírovat</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Synchronizovat kartu s hudbou v tomto počítači?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Znovu vytvořit %Ln soubor, jehož zdroj se změnil</numerusform>
            <numerusform>Znovu vytvořit %Ln soubory, jejichž zdroje se změnily</numerusform>
            <numerusform>Znovu vytvořit %Ln souborů, jejichž zdroje se změnily</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Odstranit ze složky médií %Ln soubor, který není uveden v žádném seznamu stop na kartě</numerusform>
            <numerusform>Odstranit ze složky médií %Ln soubory, které nejsou uvedeny v žádném seznamu stop na kartě</numerusform>
            <numerusform>Odstranit ze složky médií %Ln souborů, které nejsou uvedeny v žádném seznamu stop na kartě</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln soubor nebyl přidán do fronty.</numerusform>
            <numerusform>%Ln soubory nebyly přidány do fronty.</numerusform>
            <numerusform>%Ln souborů nebylo přidáno do fronty.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Neaktualizovat</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Webové stránky Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Kliknutím sem získáte aktualizace</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Navštivte web: aktualizace, FAQ a nápověda</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Historie verzí</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, bezplatný program</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Přispět</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Podpořte další vývoj</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Pokud považujete tento program za užitečný, můžete přispět na jeho další vývoj</translation>
    </message>
</context>
</TS>
