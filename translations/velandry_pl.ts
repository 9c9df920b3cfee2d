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
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln pozycja)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln pozycje)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln pozycji)</numerusform>
        </translation>
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
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Synchronizuje kartę (jak --copy-music, a ponadto): plik na karcie, którego źródło na tym komputerze się zmieniło, jest tworzony ponownie w tym samym miejscu; plik nowszy od swojego źródła nigdy nie jest tworzony ponownie.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Usuwa z folderu multimediów na karcie muzykę, której nie wskazuje żadna lista odtwarzania .asx na karcie (nic, jeśli na karcie nie ma żadnego pliku .asx, i nic poza muzyką).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Umieszcza na karcie każdy plik muzyczny wskazany w listach odtwarzania (jak --copy-music) tak, aby każdy dało się odtworzyć: to, co urządzenie odtwarza (MP3, WMA, 16-bitowy WAV), bez zmian, a resztę (FLAC, M4A, Ogg, Opus, ...) przekodowaną do typu multimediów, którym musi wtedy być mp3, wma lub wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Przepływność bitowa (w kbit/s) plików przekodowywanych przez --transcode do MP3 lub WMA (domyślnie 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Liczba plików przekodowywanych jednocześnie przez --transcode (domyślnie: liczba rdzeni procesora, tutaj %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode przekodowuje do mp3, wma lub wav; -t %1 nie jest żadnym z nich</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate przyjmuje liczbę kbit/s od 32 do 320, a nie %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs przyjmuje liczbę od 1 do 256, a nie %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 wymaga karty: wskaż ją opcją --card DIR albo zapisz listy odtwarzania na karcie opcją --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Kopiowanie pliku %1 z %Ln, %2 z %3</numerusform>
            <numerusform>Kopiowanie pliku %1 z %Ln, %2 z %3</numerusform>
            <numerusform>Kopiowanie pliku %1 z %Ln, %2 z %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln plik wskazany w listach odtwarzania nie znajduje się na karcie (%1): łącznie %2.</numerusform>
            <numerusform>%Ln pliki wskazane w listach odtwarzania nie znajdują się na karcie (%1): łącznie %2.</numerusform>
            <numerusform>%Ln plików wskazanych w listach odtwarzania nie znajduje się na karcie (%1): łącznie %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Wolne miejsce na karcie: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartę (%2) zostałby skopiowany %Ln plik, łącznie %1.</numerusform>
            <numerusform>Na kartę (%2) zostałyby skopiowane %Ln pliki, łącznie %1.</numerusform>
            <numerusform>Na kartę (%2) zostałoby skopiowanych %Ln plików, łącznie %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>System plików karty nie podaje, ile jest na niej wolnego miejsca.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>Również na tym komputerze brakuje %Ln pozycji: %1</numerusform>
            <numerusform>Również na tym komputerze brakuje %Ln pozycji: %1</numerusform>
            <numerusform>Również na tym komputerze brakuje %Ln pozycji: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>Nie skopiowano %Ln pliku, ponieważ system plików FAT karty nie mieści plików o rozmiarze 4 GiB lub większym: %1</numerusform>
            <numerusform>Nie skopiowano %Ln plików, ponieważ system plików FAT karty nie mieści plików o rozmiarze 4 GiB lub większym: %1</numerusform>
            <numerusform>Nie skopiowano %Ln plików, ponieważ system plików FAT karty nie mieści plików o rozmiarze 4 GiB lub większym: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>Nie skopiowano %Ln pozycji, ponieważ na tym komputerze nie ma zwykłego pliku tego typu multimediów o jej nazwie albo na karcie istnieje plik o nazwie jej folderu: %1</numerusform>
            <numerusform>Nie skopiowano %Ln pozycji, ponieważ na tym komputerze nie ma zwykłych plików tego typu multimediów o ich nazwach albo na karcie istnieje plik o nazwie ich folderu: %1</numerusform>
            <numerusform>Nie skopiowano %Ln pozycji, ponieważ na tym komputerze nie ma zwykłych plików tego typu multimediów o ich nazwach albo na karcie istnieje plik o nazwie ich folderu: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>Nie skopiowano %Ln pliku, ponieważ jeden z folderów na jego ścieżce jest dowiązaniem prowadzącym poza kartę: %1</numerusform>
            <numerusform>Nie skopiowano %Ln plików, ponieważ jeden z folderów na ich ścieżce jest dowiązaniem prowadzącym poza kartę: %1</numerusform>
            <numerusform>Nie skopiowano %Ln plików, ponieważ jeden z folderów na ich ścieżce jest dowiązaniem prowadzącym poza kartę: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartę (%2) skopiowano %Ln plik (%1).</numerusform>
            <numerusform>Na kartę (%2) skopiowano %Ln pliki (%1).</numerusform>
            <numerusform>Na kartę (%2) skopiowano %Ln plików (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Muzyka nie mieści się na karcie (%1): do skopiowania %2, wolne miejsce %3; nic nie skopiowano.</translation>
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
    <message>
        <source>The card is up to date.</source>
        <translation>Karta jest aktualna.</translation>
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
            <numerusform>Przekoduj też muzykę %1, której urządzenie nie może odtworzyć, do formatu %2 (%Ln pozycja)</numerusform>
            <numerusform>Przekoduj też muzykę %1, której urządzenie nie może odtworzyć, do formatu %2 (%Ln pozycje)</numerusform>
            <numerusform>Przekoduj też muzykę %1, której urządzenie nie może odtworzyć, do formatu %2 (%Ln pozycji)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Kopiowanie i przekodowywanie pliku %1 z %Ln, %2 z około %3</numerusform>
            <numerusform>Kopiowanie i przekodowywanie pliku %1 z %Ln, %2 z około %3</numerusform>
            <numerusform>Kopiowanie i przekodowywanie pliku %1 z %Ln, %2 z około %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>%Ln z nich zostanie podczas kopiowania przekodowany do formatu %1.</numerusform>
            <numerusform>%Ln z nich zostaną podczas kopiowania przekodowane do formatu %1.</numerusform>
            <numerusform>%Ln z nich zostanie podczas kopiowania przekodowanych do formatu %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln plik na karcie (%1), którego źródło się zmieniło, można utworzyć ponownie: %2.</numerusform>
            <numerusform>%Ln pliki na karcie (%1), których źródła się zmieniły, można utworzyć ponownie: %2.</numerusform>
            <numerusform>%Ln plików na karcie (%1), których źródła się zmieniły, można utworzyć ponownie: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln plik w folderze multimediów na karcie (%1) nie jest wskazany w żadnej liście odtwarzania na karcie: %2.</numerusform>
            <numerusform>%Ln pliki w folderze multimediów na karcie (%1) nie są wskazane w żadnej liście odtwarzania na karcie: %2.</numerusform>
            <numerusform>%Ln plików w folderze multimediów na karcie (%1) nie jest wskazanych w żadnej liście odtwarzania na karcie: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Wolne miejsce na karcie: %1; po zakończeniu około %2.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>Plik %1 (%2) zostałby usunięty: nie wskazuje go żadna lista odtwarzania na karcie</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (przekodowany do formatu %3, około %4, zamiast pliku na karcie o rozmiarze %5)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (przekodowany do formatu %3, około %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, zamiast pliku na karcie o rozmiarze %4)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Z karty (%2) zostałby usunięty %Ln plik, łącznie %1.</numerusform>
            <numerusform>Z karty (%2) zostałyby usunięte %Ln pliki, łącznie %1.</numerusform>
            <numerusform>Z karty (%2) zostałoby usuniętych %Ln plików, łącznie %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na karcie (%2) zostałby ponownie utworzony %Ln plik, którego źródło się zmieniło, łącznie %1.</numerusform>
            <numerusform>Na karcie (%2) zostałyby ponownie utworzone %Ln pliki, których źródła się zmieniły, łącznie %1.</numerusform>
            <numerusform>Na karcie (%2) zostałoby ponownie utworzonych %Ln plików, których źródła się zmieniły, łącznie %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartę (%3) zostałby zapisany %Ln plik przekodowany do formatu %2, łącznie około %1.</numerusform>
            <numerusform>Na kartę (%3) zostałyby zapisane %Ln pliki przekodowane do formatu %2, łącznie około %1.</numerusform>
            <numerusform>Na kartę (%3) zostałoby zapisanych %Ln plików przekodowanych do formatu %2, łącznie około %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>Na karcie (%1) nie ma żadnej listy odtwarzania .asx, więc nic z niej nie usunięto: nic na niej nie wskazuje żadnej muzyki.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Nie przekodowano %Ln pliku, ponieważ nie można go odczytać jako muzyki: %1</numerusform>
            <numerusform>Nie przekodowano %Ln plików, ponieważ nie można ich odczytać jako muzyki: %1</numerusform>
            <numerusform>Nie przekodowano %Ln plików, ponieważ nie można ich odczytać jako muzyki: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Z karty (%2) usunięto %Ln plik (%1), którego nie wskazuje żadna lista odtwarzania na karcie.</numerusform>
            <numerusform>Z karty (%2) usunięto %Ln pliki (%1), których nie wskazuje żadna lista odtwarzania na karcie.</numerusform>
            <numerusform>Z karty (%2) usunięto %Ln plików (%1), których nie wskazuje żadna lista odtwarzania na karcie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na karcie (%2) ponownie utworzono %Ln plik (%1), którego źródło się zmieniło.</numerusform>
            <numerusform>Na karcie (%2) ponownie utworzono %Ln pliki (%1), których źródła się zmieniły.</numerusform>
            <numerusform>Na karcie (%2) ponownie utworzono %Ln plików (%1), których źródła się zmieniły.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Na kartę (%4) zapisano %Ln plik przekodowany z %1 do formatu %2 (%3).</numerusform>
            <numerusform>Na kartę (%4) zapisano %Ln pliki przekodowane z %1 do formatu %2 (%3).</numerusform>
            <numerusform>Na kartę (%4) zapisano %Ln plików przekodowanych z %1 do formatu %2 (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>Nie udało się w całości odczytać %Ln pliku na tym komputerze, więc nie został skopiowany: %1</numerusform>
            <numerusform>Nie udało się w całości odczytać %Ln plików na tym komputerze, więc nie zostały skopiowane: %1</numerusform>
            <numerusform>Nie udało się w całości odczytać %Ln plików na tym komputerze, więc nie zostały skopiowane: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Nie udało się przekodować %Ln pliku: %1</numerusform>
            <numerusform>Nie udało się przekodować %Ln plików: %1</numerusform>
            <numerusform>Nie udało się przekodować %Ln plików: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>Nie udało się skopiować %Ln pliku; pozostałe są na karcie.</numerusform>
            <numerusform>Nie udało się skopiować %Ln plików; pozostałe są na karcie.</numerusform>
            <numerusform>Nie udało się skopiować %Ln plików; pozostałe są na karcie.</numerusform>
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
        <translation>Wybierz listy odtwarzania, typ multimediów do zachowania (WMA, MP3, WAV lub dowolny inny) oraz folder na urządzeniu, w którym znajduje się muzyka. Każde odwołanie tego typu jest skracane do swojego położenia w folderze muzyki i zapisywane w folderze multimediów urządzenia, po jednym pliku .asx na każdą listę odtwarzania, w stronie kodowej ANSI urządzenia.</translation>
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
        <extracomment>An XML playlist whose text stops in the middle of a tag or element: the file is cut short.</extracomment>
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
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 i jeszcze %Ln</numerusform>
            <numerusform>%1 i jeszcze %Ln</numerusform>
            <numerusform>%1 i jeszcze %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: nie jest w UTF-8, odczytano jako stronę kodową %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln pozycja z %2 zawiera znaki spoza strony kodowej %3, zapisane jako &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln pozycje z %2 zawierają znaki spoza strony kodowej %3, zapisane jako &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln pozycji z %2 zawiera znaki spoza strony kodowej %3, zapisane jako &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln adres internetowy</numerusform>
            <numerusform>%Ln adresy internetowe</numerusform>
            <numerusform>%Ln adresów internetowych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln spoza folderu muzyki</numerusform>
            <numerusform>%Ln spoza folderu muzyki</numerusform>
            <numerusform>%Ln spoza folderu muzyki</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: pominięto %Ln pozycję z %2: %3</numerusform>
            <numerusform>%1: pominięto %Ln pozycje z %2: %3</numerusform>
            <numerusform>%1: pominięto %Ln pozycji z %2: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln pozycja z %2 nigdy nie zostanie odtworzona na urządzeniu: %3</numerusform>
            <numerusform>%1: %Ln pozycje z %2 nigdy nie zostaną odtworzone na urządzeniu: %3</numerusform>
            <numerusform>%1: %Ln pozycji z %2 nigdy nie zostanie odtworzonych na urządzeniu: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: nie można odczytać karty (%2), więc pozycje nie zostały na niej wyszukane</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln pozycja z %2 nie znajduje się na karcie (%3): %4</numerusform>
            <numerusform>%1: %Ln pozycje z %2 nie znajdują się na karcie (%3): %4</numerusform>
            <numerusform>%1: %Ln pozycji z %2 nie znajduje się na karcie (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln pozycja z %2 została przecięta przez znaczniki listy odtwarzania i nie wskazuje żadnego istniejącego pliku</numerusform>
            <numerusform>%1: %Ln pozycje z %2 zostały przecięte przez znaczniki listy odtwarzania i nie wskazują żadnego istniejącego pliku</numerusform>
            <numerusform>%1: %Ln pozycji z %2 zostało przeciętych przez znaczniki listy odtwarzania i nie wskazuje żadnego istniejącego pliku</numerusform>
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
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(ścieżka o długości %Ln bajta)</numerusform>
            <numerusform>(ścieżka o długości %Ln bajtów)</numerusform>
            <numerusform>(ścieżka o długości %Ln bajtów)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln spoza folderu muzyki (wskaż go opcją --music-root)</numerusform>
            <numerusform>%Ln spoza folderu muzyki (wskaż go opcją --music-root)</numerusform>
            <numerusform>%Ln spoza folderu muzyki (wskaż go opcją --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln innego typu multimediów</numerusform>
            <numerusform>%Ln innego typu multimediów</numerusform>
            <numerusform>%Ln innego typu multimediów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln pozycja wskazuje plik %2, którego urządzenie nie może odtworzyć: dodaj --transcode</numerusform>
            <numerusform>%1: %Ln pozycje wskazują pliki %2, których urządzenie nie może odtworzyć: dodaj --transcode</numerusform>
            <numerusform>%1: %Ln pozycji wskazuje pliki %2, których urządzenie nie może odtworzyć: dodaj --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln pozycja wskazuje plik %2, którego urządzenie nie może odtworzyć</numerusform>
            <numerusform>%1: %Ln pozycje wskazują pliki %2, których urządzenie nie może odtworzyć</numerusform>
            <numerusform>%1: %Ln pozycji wskazuje pliki %2, których urządzenie nie może odtworzyć</numerusform>
        </translation>
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
        <translation>Kopiowanie: %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Przekodowywanie: %1</translation>
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
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Folder list:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>Lista zawiera:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Listy odtwarzania w folderze</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Listy do konwersji</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Folder docelowy:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Folder multimediów:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Konwertuj</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
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
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>Wcześniej zapisano %Ln plik.</numerusform>
            <numerusform>Wcześniej zapisano %Ln pliki.</numerusform>
            <numerusform>Wcześniej zapisano %Ln plików.</numerusform>
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
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Zsynchronizować kartę z muzyką na tym komputerze?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Utwórz ponownie %Ln plik, którego źródło się zmieniło</numerusform>
            <numerusform>Utwórz ponownie %Ln pliki, których źródła się zmieniły</numerusform>
            <numerusform>Utwórz ponownie %Ln plików, których źródła się zmieniły</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Usuń z folderu multimediów %Ln plik, którego nie wskazuje żadna lista odtwarzania na karcie</numerusform>
            <numerusform>Usuń z folderu multimediów %Ln pliki, których nie wskazuje żadna lista odtwarzania na karcie</numerusform>
            <numerusform>Usuń z folderu multimediów %Ln plików, których nie wskazuje żadna lista odtwarzania na karcie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>Nie dodano %Ln pliku do kolejki.</numerusform>
            <numerusform>Nie dodano %Ln plików do kolejki.</numerusform>
            <numerusform>Nie dodano %Ln plików do kolejki.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Nie aktualizuj</translation>
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
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Zapraszamy po aktualizacje, FAQ i pomoc</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Historia zmian</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
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
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Jeśli uważasz, że ten program jest przydatny, możesz wesprzeć jego dalszy rozwój</translation>
    </message>
</context>
</TS>
