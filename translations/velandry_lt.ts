<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Konvertuoja grojaraščius (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) į ASX grojaraščius, skirtus Pocket PC įrenginio Windows Media Player, ir palieka tik vieno medijos tipo įrašus.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Paliekamas medijos tipas, be taško priekyje (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Įrenginio aplankas, rašomas prieš kiekvieną kelią (numatytasis: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Aplankas .asx failams (numatytasis: kiekvieno grojaraščio aplankas).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>.asx failų ir ne UTF-8 grojaraščių ANSI kodų puslapis: %1 (galima nurodyti ir kaip cp1250 arba windows-1250). Numatytasis čia: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>Muzikos aplankas, kuriame ne WPL grojaraščiai nurodo savo failus, užrašytas taip, kaip jį užrašo grojaraščiai (/home/ana/Music, &apos;D:\Music&apos;): jame esančių įrašų keliai nukerpami ties juo (numatytasis: žinyno puslapyje aprašytos taisyklės).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>Atminties kortelė, kaip ją mato ši sistema (/media/ana/CARD, E:\): kiekvieno įrašo ieškoma kortelėje, o nerastieji nurodomi (numatytasis: išvesties aplanko tomas, jei tai kortelė, kurioje yra medijos aplankas).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Nieko nespausdinti apie grojaraščius, kurie konvertuojami be problemų.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Konvertuojami grojaraščiai.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Daugiau informacijos gausite nurodę &apos;--help&apos;.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>nenurodytas medijos tipas (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>nenurodytas joks grojaraštis</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>nežinomas kodų puslapis %1; ANSI kodų puslapiai: %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Pasirinkite medijos tipą
pavyzdžiui, WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>išvesties aplanko %1 nėra</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>kortelės %1 nėra</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln įrašas)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln įrašai)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln įrašų)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>įspėjimas: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Po grojaraščių nukopijuoti į kortelę juose nurodytus failus, kurių kortelėje nėra, kiekvieną ten, kur jį atidarys įrenginys, paimant jį iš ten, kur jį nurodo grojaraštis, arba iš muzikos šakninio aplanko (--music-root, kitaip – iš naudotojo muzikos aplanko).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Visiškai nieko nerašyti (jokių grojaraščių, muzikos ar aplankų): tik išspausdinti, kas būtų atlikta.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Sinchronizuoti kortelę (kaip --copy-music ir daugiau): kortelės failas, kurio šaltinis šiame kompiuteryje pasikeitė, iš naujo sukuriamas toje pačioje vietoje; už savo šaltinį naujesnis failas – niekada.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Pašalinti iš kortelės medijos aplanko muziką, kurios nenurodo joks kortelės .asx grojaraštis (nieko, jei kortelėje nėra jokio .asx failo, ir nieko, išskyrus muziką).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Kiekvieną grojaraščiuose nurodytą muzikos failą įrašyti į kortelę (kaip --copy-music) taip, kad kiekvienas būtų atkuriamas: tai, ką įrenginys atkuria (MP3, WMA, 16 bitų WAV), – kaip yra, o kitus (FLAC, M4A, Ogg, Opus, ...) – perkodavus į medijos tipą, kuris tada turi būti mp3, wma arba wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Bitų sparta kbit/s, kuria --transcode perkoduoja į MP3 arba WMA (numatytoji: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Kiek failų --transcode perkoduoja vienu metu (numatytasis: procesoriaus branduolių skaičius, čia %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode perkoduoja į mp3, wma arba wav; -t %1 nėra nė vienas iš jų</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate reikšmė turi būti kbit/s skaičius nuo 32 iki 320, o ne %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs reikšmė turi būti skaičius nuo 1 iki 256, o ne %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>parinkčiai %1 reikia kortelės: nurodykite ją parinktimi --card DIR arba įrašykite grojaraščius į kortelę parinktimi --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Kopijuojamas failas %1 iš %Ln, %2 iš %3</numerusform>
            <numerusform>Kopijuojamas failas %1 iš %Ln, %2 iš %3</numerusform>
            <numerusform>Kopijuojamas failas %1 iš %Ln, %2 iš %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>Kortelėje (%1) nėra %Ln grojaraščiuose nurodyto failo: iš viso %2.</numerusform>
            <numerusform>Kortelėje (%1) nėra %Ln grojaraščiuose nurodytų failų: iš viso %2.</numerusform>
            <numerusform>Kortelėje (%1) nėra %Ln grojaraščiuose nurodytų failų: iš viso %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Kortelėje laisva %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Į kortelę (%2) būtų nukopijuotas %Ln failas, iš viso %1.</numerusform>
            <numerusform>Į kortelę (%2) būtų nukopijuoti %Ln failai, iš viso %1.</numerusform>
            <numerusform>Į kortelę (%2) būtų nukopijuota %Ln failų, iš viso %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>Kortelės failų sistema nenurodo, kiek joje yra laisvos vietos.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>Ir šiame kompiuteryje nėra %Ln įrašo: %1</numerusform>
            <numerusform>Ir šiame kompiuteryje nėra %Ln įrašų: %1</numerusform>
            <numerusform>Ir šiame kompiuteryje nėra %Ln įrašų: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>Nenukopijuotas %Ln failas, nes kortelės FAT failų sistemoje negali būti 4 GiB ar didesnių failų: %1</numerusform>
            <numerusform>Nenukopijuoti %Ln failai, nes kortelės FAT failų sistemoje negali būti 4 GiB ar didesnių failų: %1</numerusform>
            <numerusform>Nenukopijuota %Ln failų, nes kortelės FAT failų sistemoje negali būti 4 GiB ar didesnių failų: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>Nenukopijuotas %Ln įrašas, nes čia nėra tokio pavadinimo įprasto šio medijos tipo failo arba kortelėje esantis failas turi jo aplanko pavadinimą: %1</numerusform>
            <numerusform>Nenukopijuoti %Ln įrašai, nes čia nėra tokio pavadinimo įprastų šio medijos tipo failų arba kortelėje esantis failas turi jų aplanko pavadinimą: %1</numerusform>
            <numerusform>Nenukopijuota %Ln įrašų, nes čia nėra tokio pavadinimo įprastų šio medijos tipo failų arba kortelėje esantis failas turi jų aplanko pavadinimą: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>Nenukopijuotas %Ln failas, nes vienas jo kelio aplankas yra saitas, vedantis už kortelės ribų: %1</numerusform>
            <numerusform>Nenukopijuoti %Ln failai, nes vienas jų kelio aplankas yra saitas, vedantis už kortelės ribų: %1</numerusform>
            <numerusform>Nenukopijuota %Ln failų, nes vienas jų kelio aplankas yra saitas, vedantis už kortelės ribų: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Į kortelę (%2) nukopijuotas %Ln failas (%1).</numerusform>
            <numerusform>Į kortelę (%2) nukopijuoti %Ln failai (%1).</numerusform>
            <numerusform>Į kortelę (%2) nukopijuota %Ln failų (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Muzika netelpa kortelėje (%1): reikia nukopijuoti %2, laisva %3; nieko nenukopijuota.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>nepavyko jo įrašyti</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>Nepavyko nukopijuoti %1: %2; prieš jį nukopijuoti failai nepažeisti.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Kopijavimas sustabdytas; anksčiau nukopijuoti failai nepažeisti.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>Kortelė jau atnaujinta.</translation>
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
            <numerusform>Taip pat perkoduoti %1 muziką, kurios įrenginys negali atkurti, į %2 (%Ln įrašas)</numerusform>
            <numerusform>Taip pat perkoduoti %1 muziką, kurios įrenginys negali atkurti, į %2 (%Ln įrašai)</numerusform>
            <numerusform>Taip pat perkoduoti %1 muziką, kurios įrenginys negali atkurti, į %2 (%Ln įrašų)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Kopijuojamas ir perkoduojamas failas %1 iš %Ln, %2 iš maždaug %3</numerusform>
            <numerusform>Kopijuojamas ir perkoduojamas failas %1 iš %Ln, %2 iš maždaug %3</numerusform>
            <numerusform>Kopijuojamas ir perkoduojamas failas %1 iš %Ln, %2 iš maždaug %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>%Ln iš jų kopijuojant bus perkoduotas į %1.</numerusform>
            <numerusform>%Ln iš jų kopijuojant bus perkoduoti į %1.</numerusform>
            <numerusform>%Ln iš jų kopijuojant bus perkoduota į %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>Kortelėje (%1) galima iš naujo sukurti %Ln failą, kurio šaltinis pasikeitė: %2.</numerusform>
            <numerusform>Kortelėje (%1) galima iš naujo sukurti %Ln failus, kurių šaltiniai pasikeitė: %2.</numerusform>
            <numerusform>Kortelėje (%1) galima iš naujo sukurti %Ln failų, kurių šaltiniai pasikeitė: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>Kortelės (%1) medijos aplanke yra %Ln failas, kurio nenurodo joks kortelės grojaraštis: %2.</numerusform>
            <numerusform>Kortelės (%1) medijos aplanke yra %Ln failai, kurių nenurodo joks kortelės grojaraštis: %2.</numerusform>
            <numerusform>Kortelės (%1) medijos aplanke yra %Ln failų, kurių nenurodo joks kortelės grojaraštis: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Kortelėje laisva %1; baigus bus laisva maždaug %2.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>Failas %1 (%2) būtų pašalintas: jo nenurodo joks kortelės grojaraštis</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (perkoduojama į %3, maždaug %4, vietoj kortelėje esančio %5 failo)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (perkoduojama į %3, maždaug %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, vietoj kortelėje esančio %4 failo)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Iš kortelės (%2) būtų pašalintas %Ln failas, iš viso %1.</numerusform>
            <numerusform>Iš kortelės (%2) būtų pašalinti %Ln failai, iš viso %1.</numerusform>
            <numerusform>Iš kortelės (%2) būtų pašalinta %Ln failų, iš viso %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Kortelėje (%2) iš naujo būtų sukurtas %Ln failas, kurio šaltinis pasikeitė, iš viso %1.</numerusform>
            <numerusform>Kortelėje (%2) iš naujo būtų sukurti %Ln failai, kurių šaltiniai pasikeitė, iš viso %1.</numerusform>
            <numerusform>Kortelėje (%2) iš naujo būtų sukurta %Ln failų, kurių šaltiniai pasikeitė, iš viso %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Į kortelę (%3) būtų įrašytas %Ln failas, perkoduotas į %2, iš viso maždaug %1.</numerusform>
            <numerusform>Į kortelę (%3) būtų įrašyti %Ln failai, perkoduoti į %2, iš viso maždaug %1.</numerusform>
            <numerusform>Į kortelę (%3) būtų įrašyta %Ln failų, perkoduotų į %2, iš viso maždaug %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>Kortelėje (%1) nėra jokio .asx grojaraščio, todėl iš jos nieko nepašalinta: joje niekas nenurodo jokios muzikos.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Neperkoduotas %Ln failas, nes jo negalima perskaityti kaip muzikos: %1</numerusform>
            <numerusform>Neperkoduoti %Ln failai, nes jų negalima perskaityti kaip muzikos: %1</numerusform>
            <numerusform>Neperkoduota %Ln failų, nes jų negalima perskaityti kaip muzikos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Iš kortelės (%2) pašalintas %Ln failas (%1), kurio nenurodo joks kortelės grojaraštis.</numerusform>
            <numerusform>Iš kortelės (%2) pašalinti %Ln failai (%1), kurių nenurodo joks kortelės grojaraštis.</numerusform>
            <numerusform>Iš kortelės (%2) pašalinta %Ln failų (%1), kurių nenurodo joks kortelės grojaraštis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Kortelėje (%2) iš naujo sukurtas %Ln failas (%1), kurio šaltinis pasikeitė.</numerusform>
            <numerusform>Kortelėje (%2) iš naujo sukurti %Ln failai (%1), kurių šaltiniai pasikeitė.</numerusform>
            <numerusform>Kortelėje (%2) iš naujo sukurta %Ln failų (%1), kurių šaltiniai pasikeitė.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Į kortelę (%4) įrašytas %Ln failas, perkoduotas iš %1 į %2 (%3).</numerusform>
            <numerusform>Į kortelę (%4) įrašyti %Ln failai, perkoduoti iš %1 į %2 (%3).</numerusform>
            <numerusform>Į kortelę (%4) įrašyta %Ln failų, perkoduotų iš %1 į %2 (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>Šiame kompiuteryje nepavyko visiškai perskaityti %Ln failo, todėl jis nenukopijuotas: %1</numerusform>
            <numerusform>Šiame kompiuteryje nepavyko visiškai perskaityti %Ln failų, todėl jie nenukopijuoti: %1</numerusform>
            <numerusform>Šiame kompiuteryje nepavyko visiškai perskaityti %Ln failų, todėl jie nenukopijuoti: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Nepavyko perkoduoti %Ln failo: %1</numerusform>
            <numerusform>Nepavyko perkoduoti %Ln failų: %1</numerusform>
            <numerusform>Nepavyko perkoduoti %Ln failų: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>Nepavyko nukopijuoti %Ln failo; kiti yra kortelėje.</numerusform>
            <numerusform>Nepavyko nukopijuoti %Ln failų; kiti yra kortelėje.</numerusform>
            <numerusform>Nepavyko nukopijuoti %Ln failų; kiti yra kortelėje.</numerusform>
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
        <translation>Grojaraščių keitiklis</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Grojaraščių konvertavimas į ASX grojaraščius Pocket PC įrenginiams</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Windows Media Player grojaraščių konvertavimas Pocket PC įrenginiams</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry konvertuoja grojaraščius (Windows Media Player WPL, M3U ir M3U8, PLS, XSPF, ASX ir Zune grojaraščius) į ASX 3.0 grojaraščius, kuriuos Pocket PC įrenginio Windows Media Player atkuria iš atminties kortelės.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Pasirinkite grojaraščius, paliekamą medijos tipą (WMA, MP3, WAV ar bet kurį kitą) ir įrenginio aplanką, kuriame laikoma muzika. Kiekviena to tipo nuoroda sutrumpinama iki jos vietos muzikos aplanke ir įrašoma į įrenginio medijos aplanką – po vieną .asx failą kiekvienam grojaraščiui, įrenginio ANSI kodų puslapiu.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Komandinės eilutės keitiklis velandry-convert atlieka tą patį be lango.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Grojaraščiai, eilė, medijos tipas ir aplankai</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Pagrindinis langas ir langas „Apie“</translation>
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
        <translation>tekstas baigiasi anksčiau nei jo žymėjimas</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>komentaras neuždarytas</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>CDATA sekcija neuždaryta</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>apdorojimo instrukcija neuždaryta</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>deklaracija neuždaryta</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>po &quot;&lt;&quot; turėjo būti vardas</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>po pabaigos žymės vardo turėjo būti &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>atributas neturi &quot;=&quot; ir reikšmės</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>atributo reikšmė nėra kabutėse</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>pabaigos žymė neatitinka elemento, kurį ji užbaigia</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Nepavyksta perskaityti %1 žymėjimo: %2 eilutėje esanti žymė neuždaryta</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>%1 žymėjime nėra elemento &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Nepavyksta perskaityti %1 žymėjimo: %2 eilutė: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>Tai aplankas, o ne grojaraštis</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Tai nėra įprastas failas</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>Išvesties failas pakeistų patį grojaraštį</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Trukdo tokio paties pavadinimo aplankas</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Failas apsaugotas nuo rašymo</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Šio grojaraščio nuorodos persidengia, todėl susidarytų didesnis nei 4 GiB failas</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>Grojaraštis nėra UTF-8 ir yra per didelis, kad jį būtų galima konvertuoti turint tiek atminties, kiek jos yra šiame kompiuteryje</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Kita programa pakeitė grojaraštį, kol jis buvo skaitomas; jam nieko neįrašyta, konvertuokite jį dar kartą</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Jo pavadinimas nėra tinkamas UTF-8, todėl jo atidaryti negalima; pervardykite jį, pavyzdžiui, komanda &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Tai nėra čia skaitomo tipo grojaraštis (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>Jo XML deklaracijoje nurodyta koduotė „%1“, kurios čia perskaityti negalima</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Jo išvesties failas %1 šio paleidimo metu jau įrašytas iš %2; pervardykite vieną iš šių dviejų grojaraščių</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Nepavyko perskaityti failo</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Nepavyko įrašyti failo</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 ir dar %Ln</numerusform>
            <numerusform>%1 ir dar %Ln</numerusform>
            <numerusform>%1 ir dar %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: ne UTF-8, perskaitytas naudojant kodų puslapį %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln iš %2 įrašų turi simbolių, kurių nėra kodų puslapyje %3; jie įrašyti kaip &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln iš %2 įrašų turi simbolių, kurių nėra kodų puslapyje %3; jie įrašyti kaip &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln iš %2 įrašų turi simbolių, kurių nėra kodų puslapyje %3; jie įrašyti kaip &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln žiniatinklio adresas</numerusform>
            <numerusform>%Ln žiniatinklio adresai</numerusform>
            <numerusform>%Ln žiniatinklio adresų</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln už muzikos aplanko ribų</numerusform>
            <numerusform>%Ln už muzikos aplanko ribų</numerusform>
            <numerusform>%Ln už muzikos aplanko ribų</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: praleistas %Ln iš %2 įrašų: %3</numerusform>
            <numerusform>%1: praleisti %Ln iš %2 įrašų: %3</numerusform>
            <numerusform>%1: praleista %Ln iš %2 įrašų: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: įrenginys niekada negalės atkurti %Ln iš %2 įrašų: %3</numerusform>
            <numerusform>%1: įrenginys niekada negalės atkurti %Ln iš %2 įrašų: %3</numerusform>
            <numerusform>%1: įrenginys niekada negalės atkurti %Ln iš %2 įrašų: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: nepavyko perskaityti kortelės (%2), todėl įrašų joje neieškota</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: kortelėje (%3) nėra %Ln iš %2 įrašų: %4</numerusform>
            <numerusform>%1: kortelėje (%3) nėra %Ln iš %2 įrašų: %4</numerusform>
            <numerusform>%1: kortelėje (%3) nėra %Ln iš %2 įrašų: %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln iš %2 įrašų nukirptas grojaraščio žymėjimo viduryje ir nenurodo jokio tikro failo</numerusform>
            <numerusform>%1: %Ln iš %2 įrašų nukirpti grojaraščio žymėjimo viduryje ir nenurodo jokio tikro failo</numerusform>
            <numerusform>%1: %Ln iš %2 įrašų nukirpta grojaraščio žymėjimo viduryje ir nenurodo jokio tikro failo</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>sistemos ANSI kodų puslapis</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>naudotojo lokalės ANSI kodų puslapis; sistemos kodų puslapis %1 nėra ANSI kodų puslapis</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>sistemos kodų puslapis %1 nėra ANSI kodų puslapis, o naudotojo lokalė ANSI kodų puslapio neturi</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>pagal lokalę %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>lokalė nenustatyta</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(%Ln baito ilgio kelias)</numerusform>
            <numerusform>(%Ln baitų ilgio kelias)</numerusform>
            <numerusform>(%Ln baitų ilgio kelias)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln už muzikos aplanko ribų (nurodykite jį parinktimi --music-root)</numerusform>
            <numerusform>%Ln už muzikos aplanko ribų (nurodykite jį parinktimi --music-root)</numerusform>
            <numerusform>%Ln už muzikos aplanko ribų (nurodykite jį parinktimi --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln kito medijos tipo</numerusform>
            <numerusform>%Ln kito medijos tipo</numerusform>
            <numerusform>%Ln kito medijos tipo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln įrašas nurodo %2 muziką, kurios įrenginys negali atkurti: pridėkite --transcode</numerusform>
            <numerusform>%1: %Ln įrašai nurodo %2 muziką, kurios įrenginys negali atkurti: pridėkite --transcode</numerusform>
            <numerusform>%1: %Ln įrašų nurodo %2 muziką, kurios įrenginys negali atkurti: pridėkite --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln įrašas nurodo %2 muziką, kurios įrenginys negali atkurti</numerusform>
            <numerusform>%1: %Ln įrašai nurodo %2 muziką, kurios įrenginys negali atkurti</numerusform>
            <numerusform>%1: %Ln įrašų nurodo %2 muziką, kurios įrenginys negali atkurti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Atšaukiama…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Konvertuojamas %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>Įrašyta %1 iš %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>Perskaityta %1 iš %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Kopijuojamas %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Perkoduojamas %1</translation>
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
        <translation>Pasirinkite</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Failas</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Išeiti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Žinynas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Apie</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Grojaraščių vieta:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>Grojaraštyje yra:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Grojaraščiai aplanke</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Bus konvertuojami</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Išvesties vieta:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Medijos vieta:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Konvertuoti</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Išeiti</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>Grojaraštyje yra</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Pasirinkti grojaraščių aplanką</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Įtraukti į eilę</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Pašalinti iš eilės</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Pasirinkti išvesties aplanką</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Nepavyksta parodyti grojaraščių aplanko „%1“ turinio.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Jo nėra arba tai ne aplankas.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Pasirinkite medijos tipą<byte value="xd"/>
pavyzdžiui, WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Baigta</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>Prieš tai įrašytas %Ln failas.</numerusform>
            <numerusform>Prieš tai įrašyti %Ln failai.</numerusform>
            <numerusform>Prieš tai įrašyta %Ln failų.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Nepavyko perskaityti „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Nepavyko įrašyti „%1“.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Pasirinkite grojaraščių aplanką</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Pasirinkite išvesties aplanką</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>„%1“: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>„%1“ nėra skaitomas grojaraštis (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>„%1“ nėra kitų failų aplanke %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Nukopijuoti į kortelę grojaraščiuose nurodytą muziką?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Kopijuoti</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Nekopijuoti</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Sinchronizuoti kortelę su šio kompiuterio muzika?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Iš naujo sukurti %Ln failą, kurio šaltinis pasikeitė</numerusform>
            <numerusform>Iš naujo sukurti %Ln failus, kurių šaltiniai pasikeitė</numerusform>
            <numerusform>Iš naujo sukurti %Ln failų, kurių šaltiniai pasikeitė</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Pašalinti iš medijos aplanko %Ln failą, kurio nenurodo joks kortelės grojaraštis</numerusform>
            <numerusform>Pašalinti iš medijos aplanko %Ln failus, kurių nenurodo joks kortelės grojaraštis</numerusform>
            <numerusform>Pašalinti iš medijos aplanko %Ln failų, kurių nenurodo joks kortelės grojaraštis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln failas neįtrauktas į eilę.</numerusform>
            <numerusform>%Ln failai neįtraukti į eilę.</numerusform>
            <numerusform>%Ln failų neįtraukta į eilę.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atnaujinti</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Neatnaujinti</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Apie</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Velandry svetainė</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Spustelėkite čia, jei norite gauti naujinimų</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Apsilankykite: naujinimai, DUK ir pagalba</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Versijų istorija</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Užverti</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, nemokama programa</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Paaukoti</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Paremkite tolesnį kūrimą</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Jei manote, kad šią programą verta naudoti, galite paremti tolesnį jos kūrimą</translation>
    </message>
</context>
</TS>
