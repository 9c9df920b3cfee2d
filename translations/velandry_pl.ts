<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Konwertuje listy odtwarzania (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) na listy odtwarzania ASX dla programu Windows Media Player dla Pocket PC, zachowując pozycje jednego typu multimediów.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Typ multimediów do zachowania, bez kropki (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Folder na urządzeniu dopisywany przed każdą ścieżką (domyślnie %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Folder plików .asx (domyślnie: folder danej listy odtwarzania).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Strona kodowa ANSI plików .asx oraz list odtwarzania, które nie są zapisane w UTF-8: %1 (także jako cp1250 lub windows-1250). Domyślnie tutaj: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>Folder muzyki, w którym listy odtwarzania inne niż WPL wskazują swoje pliki, zapisany tak, jak w nich występuje (/home/ana/Music, &apos;D:\Music&apos;): ścieżki pozycji z tego folderu są obcinane w tym miejscu (domyślnie: reguły opisane na stronie podręcznika).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>Karta pamięci widziana przez ten system (/media/ana/CARD, E:\): każda pozycja jest na niej wyszukiwana, a te, których tam nie ma, są zgłaszane (domyślnie: wolumin folderu docelowego, jeśli jest to karta zawierająca folder multimediów).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Nie wypisuje niczego dla list odtwarzania przekonwertowanych bez zastrzeżeń.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Listy odtwarzania do przekonwertowania.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Użyj &apos;--help&apos;, aby uzyskać więcej informacji.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>nie podano typu multimediów (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>nie podano listy odtwarzania</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>nieznana strona kodowa %1; strony kodowe ANSI to %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Wybierz typ multimediów
na przykład WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>folder docelowy %1 nie istnieje</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>karta %1 nie istnieje</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%n entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%n pozycja)</numerusform>
            <numerusform>%1 -&gt; %2 (%n pozycje)</numerusform>
            <numerusform>%1 -&gt; %2 (%n pozycji)</numerusform>
        </translation>
    </message>
    <message>
        <source> (name it with --music-root)</source>
        <translation> (wskaż go opcją --music-root)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>ostrzeżenie: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Po przekonwertowaniu list odtwarzania kopiuje na kartę wskazane w nich pliki, których na niej brakuje, każdy tam, skąd urządzenie go otworzy, z miejsca podanego w liście odtwarzania lub z folderu muzyki (--music-root, a bez tej opcji folder muzyki użytkownika).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Nie zapisuje niczego (żadnej listy odtwarzania, muzyki ani folderu): tylko wypisuje, co zostałoby zrobione.</translation>
    </message>
    <message>
        <source>--copy-music needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <translation>opcja --copy-music wymaga karty: wskaż ją opcją --card DIR albo zapisz listy odtwarzania na karcie opcją --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first few names; %n counts the rest.</extracomment>
        <translation>
            <numerusform>%1 i jeszcze %n</numerusform>
            <numerusform>%1 i jeszcze %n</numerusform>
            <numerusform>%1 i jeszcze %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %1 of %n files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %n all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Kopiowanie pliku %1 z %n, %2 z %3</numerusform>
            <numerusform>Kopiowanie pliku %1 z %n, %2 z %3</numerusform>
            <numerusform>Kopiowanie pliku %1 z %n, %2 z %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%n plik wskazany w listach odtwarzania nie znajduje się na karcie (%1): łącznie %2.</numerusform>
            <numerusform>%n pliki wskazane w listach odtwarzania nie znajdują się na karcie (%1): łącznie %2.</numerusform>
            <numerusform>%n plików wskazanych w listach odtwarzania nie znajduje się na karcie (%1): łącznie %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Wolne miejsce na karcie: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <extracomment>%1 is the file on this computer, %2 its place on the card, %3 its size.</extracomment>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartę (%2) zostałby skopiowany %n plik, łącznie %1.</numerusform>
            <numerusform>Na kartę (%2) zostałyby skopiowane %n pliki, łącznie %1.</numerusform>
            <numerusform>Na kartę (%2) zostałoby skopiowanych %n plików, łącznie %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>System plików karty nie podaje, ile jest na niej wolnego miejsca.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%n pozycja nie znajduje się również na tym komputerze: %1</numerusform>
            <numerusform>%n pozycje nie znajdują się również na tym komputerze: %1</numerusform>
            <numerusform>%n pozycji nie znajduje się również na tym komputerze: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>Nie skopiowano %n pliku, ponieważ system plików FAT karty nie mieści plików o rozmiarze 4 GiB lub większym: %1</numerusform>
            <numerusform>Nie skopiowano %n plików, ponieważ system plików FAT karty nie mieści plików o rozmiarze 4 GiB lub większym: %1</numerusform>
            <numerusform>Nie skopiowano %n plików, ponieważ system plików FAT karty nie mieści plików o rozmiarze 4 GiB lub większym: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>Nie skopiowano %n pozycji, ponieważ na tym komputerze nie ma zwykłego pliku tego typu multimediów o jej nazwie albo na karcie istnieje plik o nazwie jej folderu: %1</numerusform>
            <numerusform>Nie skopiowano %n pozycji, ponieważ na tym komputerze nie ma zwykłych plików tego typu multimediów o ich nazwach albo na karcie istnieje plik o nazwie ich folderu: %1</numerusform>
            <numerusform>Nie skopiowano %n pozycji, ponieważ na tym komputerze nie ma zwykłych plików tego typu multimediów o ich nazwach albo na karcie istnieje plik o nazwie ich folderu: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>Nie skopiowano %n pliku, ponieważ jeden z folderów na jego ścieżce jest dowiązaniem prowadzącym poza kartę: %1</numerusform>
            <numerusform>Nie skopiowano %n plików, ponieważ jeden z folderów na ich ścieżce jest dowiązaniem prowadzącym poza kartę: %1</numerusform>
            <numerusform>Nie skopiowano %n plików, ponieważ jeden z folderów na ich ścieżce jest dowiązaniem prowadzącym poza kartę: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartę (%2) skopiowano %n plik (%1).</numerusform>
            <numerusform>Na kartę (%2) skopiowano %n pliki (%1).</numerusform>
            <numerusform>Na kartę (%2) skopiowano %n plików (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Muzyka nie mieści się na karcie (%1): do skopiowania %2, wolne miejsce %3; nic nie skopiowano.</translation>
    </message>
    <message>
        <source>it could not be read whole</source>
        <translation>nie udało się odczytać go w całości</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>nie udało się go zapisać</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>Nie można skopiować %1: %2; pliki skopiowane wcześniej są kompletne.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Kopiowanie zostało zatrzymane; pliki skopiowane wcześniej są kompletne.</translation>
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
        <translation>Konwerter list odtwarzania</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Konwertowanie list odtwarzania do formatu ASX dla Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Konwertowanie list odtwarzania programu Windows Media Player dla Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry przekształca listy odtwarzania (WPL programu Windows Media Player, M3U i M3U8, PLS, XSPF, ASX oraz listy odtwarzania Zune) w listy odtwarzania ASX 3.0, które program Windows Media Player dla Pocket PC odtwarza z karty pamięci.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Wybierz listy odtwarzania, typ multimediów do zachowania (WMA, MP3, WAV lub dowolny inny) oraz folder na urządzeniu, w którym znajduje się muzyka. Każde odwołanie tego typu jest skracane do swojego położenia w folderze muzyki i zapisywane w folderze muzyki urządzenia, po jednym pliku .asx na każdą listę odtwarzania, w stronie kodowej ANSI urządzenia.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Konwerter wiersza polecenia velandry-convert robi to samo bez okna.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Listy odtwarzania, kolejka, typ multimediów i foldery</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Okno główne i okno „O programie”</translation>
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
        <translation>tekst kończy się przed końcem znaczników</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>komentarz nie został zamknięty</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>sekcja CDATA nie została zamknięta</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>instrukcja przetwarzania nie została zamknięta</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>deklaracja nie została zamknięta</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>po &quot;&lt;&quot; oczekiwano nazwy</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>po nazwie znacznika zamykającego oczekiwano &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>atrybut nie ma znaku &quot;=&quot; ani wartości</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>wartość atrybutu nie jest ujęta w cudzysłów</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>znacznik zamykający nie pasuje do elementu, który zamyka</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Nie można odczytać znaczników %1: znacznik w wierszu %2 nie został zamknięty</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>Znaczniki %1 nie zawierają elementu &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Nie można odczytać znaczników %1: wiersz %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>To jest folder, a nie lista odtwarzania</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>Plik wynikowy zastąpiłby samą listę odtwarzania</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Istnieje już folder o tej nazwie</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Plik jest chroniony przed zapisem</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Odwołania tej listy odtwarzania nakładają się na siebie i dałyby plik większy niż 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>Lista odtwarzania nie jest zapisana w UTF-8 i jest zbyt duża, aby przekonwertować ją w pamięci tego komputera</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Inny program zmienił listę odtwarzania podczas jej odczytu; nic dla niej nie zapisano, przekonwertuj ją ponownie</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Nazwa pliku nie jest poprawnym tekstem UTF-8, więc nie można go otworzyć; zmień jego nazwę, na przykład poleceniem &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>To nie jest lista odtwarzania w obsługiwanym formacie (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>Deklaracja XML wskazuje kodowanie „%1”, którego nie można tu odczytać</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Plik wynikowy %1 został już w tym przebiegu zapisany z %2; zmień nazwę jednej z tych dwóch list odtwarzania</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Nie można odczytać pliku</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Nie można zapisać pliku</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first few names; %n counts the rest.</extracomment>
        <translation>
            <numerusform>%1 i jeszcze %n</numerusform>
            <numerusform>%1 i jeszcze %n</numerusform>
            <numerusform>%1 i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: nie jest w UTF-8, odczytano jako stronę kodową %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %n pozycja z %2 zawiera znaki spoza strony kodowej %3, zapisane jako &quot;?&quot;</numerusform>
            <numerusform>%1: %n pozycje z %2 zawierają znaki spoza strony kodowej %3, zapisane jako &quot;?&quot;</numerusform>
            <numerusform>%1: %n pozycji z %2 zawiera znaki spoza strony kodowej %3, zapisane jako &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n web addresses</source>
        <translation>
            <numerusform>%n adres internetowy</numerusform>
            <numerusform>%n adresy internetowe</numerusform>
            <numerusform>%n adresów internetowych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outside the music folder</source>
        <translation>
            <numerusform>%n spoza folderu muzyki</numerusform>
            <numerusform>%n spoza folderu muzyki</numerusform>
            <numerusform>%n spoza folderu muzyki</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: pominięto %n pozycję z %2: %3</numerusform>
            <numerusform>%1: pominięto %n pozycje z %2: %3</numerusform>
            <numerusform>%1: pominięto %n pozycji z %2: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %n pozycja z %2 nigdy nie zostanie odtworzona na urządzeniu: %3</numerusform>
            <numerusform>%1: %n pozycje z %2 nigdy nie zostaną odtworzone na urządzeniu: %3</numerusform>
            <numerusform>%1: %n pozycji z %2 nigdy nie zostanie odtworzonych na urządzeniu: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: nie można odczytać karty (%2), więc pozycje nie zostały na niej wyszukane</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %n pozycja z %2 nie znajduje się na karcie (%3): %4</numerusform>
            <numerusform>%1: %n pozycje z %2 nie znajdują się na karcie (%3): %4</numerusform>
            <numerusform>%1: %n pozycji z %2 nie znajduje się na karcie (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %n of %2 entries.</extracomment>
        <translation>
            <numerusform>%1: %n pozycja z %2 została przecięta przez znaczniki listy odtwarzania i nie wskazuje żadnego istniejącego pliku</numerusform>
            <numerusform>%1: %n pozycje z %2 zostały przecięte przez znaczniki listy odtwarzania i nie wskazują żadnego istniejącego pliku</numerusform>
            <numerusform>%1: %n pozycji z %2 zostało przeciętych przez znaczniki listy odtwarzania i nie wskazuje żadnego istniejącego pliku</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>strona kodowa ANSI systemu</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>strona kodowa ANSI ustawień regionalnych użytkownika; strona kodowa systemu %1 nie jest stroną kodową ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>strona kodowa systemu %1 nie jest stroną kodową ANSI, a ustawienia regionalne użytkownika nie mają takiej strony</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>według ustawień regionalnych %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>ustawienia regionalne nie są określone</translation>
    </message>
    <message>
        <source>(a path of %1 bytes)</source>
        <extracomment>An entry too long to name, by its size.</extracomment>
        <translation>(ścieżka o długości %1 bajtów)</translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Anulowanie…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Konwertowanie: %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>Zapisano %1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>Odczytano %1 z %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <extracomment>%1 is the file, as the device names it.</extracomment>
        <translation>Kopiowanie: %1</translation>
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
        <extracomment>Shown in the media type box until a type is chosen; a run refuses it.</extracomment>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <translation>Folder list:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <translation>Lista zawiera:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <translation>Listy Windows Media Player 9</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <translation>Listy do konwersji</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <translation>Folder docelowy:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <translation>Folder muzyki:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konwertuj</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>Lista zawiera</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Wybierz folder list odtwarzania</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Dodaj do kolejki</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Usuń z kolejki</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Wybierz folder docelowy</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Nie można wyświetlić zawartości folderu list odtwarzania „%1”.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Ta ścieżka nie istnieje lub nie jest folderem.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Wybierz typ multimediów<byte value="xd"/>
na przykład WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were written before it.</source>
        <translation>
            <numerusform>Wcześniej zapisano %n plik.</numerusform>
            <numerusform>Wcześniej zapisano %n pliki.</numerusform>
            <numerusform>Wcześniej zapisano %n plików.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Nie można odczytać „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Nie można zapisać „%1”.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Wybierz folder z listami odtwarzania</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Wybierz folder docelowy</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>„%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>Nie można odczytać „%1” jako listy odtwarzania (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>„%1” nie znajduje się w folderze pozostałych plików, %2.</translation>
    </message>
    <message numerus="yes">
        <source>These files were not queued.</source>
        <translation>
            <numerusform>Tego pliku nie dodano do kolejki.</numerusform>
            <numerusform>Tych plików nie dodano do kolejki.</numerusform>
            <numerusform>Tych plików nie dodano do kolejki.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Skopiować na kartę muzykę wskazaną w listach odtwarzania?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Nie kopiuj</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Witryna internetowa Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Kliknij tutaj, aby pobrać aktualizacje</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <translation>Zapraszamy po aktualizacje, FAQ i pomoc</translation>
    </message>
    <message>
        <source>Revision History</source>
        <translation>Historia zmian</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <translation>Velandry, program bezpłatny</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Przekaż darowiznę</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Wesprzyj dalszy rozwój programu</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <translation>Jeśli uważasz, że ten program jest przydatny, możesz wesprzeć jego dalszy rozwój</translation>
    </message>
</context>
</TS>
