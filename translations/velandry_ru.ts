<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Преобразует списки воспроизведения (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) в списки воспроизведения ASX для проигрывателя Windows Media Player для Pocket PC, сохраняя элементы одного типа мультимедиа.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Тип мультимедиа, который нужно сохранить, без точки (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Папка на устройстве, которая записывается перед каждым путем (по умолчанию %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Папка для файлов .asx (по умолчанию: папка самого списка воспроизведения).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Кодовая страница ANSI для файлов .asx и для списков воспроизведения не в UTF-8: %1 (также в виде cp1250 или windows-1250). По умолчанию здесь: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>Папка музыки, в которой списки воспроизведения, кроме WPL, указывают свои файлы, в том виде, в каком они ее записывают (/home/ana/Music, &apos;D:\Music&apos;): у элементов внутри нее отбрасывается часть пути до этой папки включительно (по умолчанию: правила со страницы руководства).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>Карта памяти в том виде, в каком ее видит эта система (/media/ana/CARD, E:\): каждый элемент ищется на ней, и те, которых там нет, перечисляются (по умолчанию: том папки вывода, если это карта, содержащая папку мультимедиа).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Ничего не выводить для списков воспроизведения, преобразованных без замечаний.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Списки воспроизведения для преобразования.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Для получения дополнительных сведений используйте &apos;--help&apos;.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>не указан тип мультимедиа (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>не указан список воспроизведения</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>неизвестная кодовая страница %1; кодовые страницы ANSI: %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Выберите тип мультимедиа
например, WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>папка вывода %1 не существует</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>карта %1 не существует</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln элемент)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln элемента)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln элементов)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>предупреждение: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>После преобразования списков воспроизведения скопировать на карту указанные в них файлы, которых на ней нет, — каждый туда, где его откроет устройство, — из места, указанного в списке воспроизведения, или из папки музыки (--music-root, иначе папка музыки пользователя).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Ничего не записывать (ни списков воспроизведения, ни музыки, ни папок): только вывести, что было бы сделано.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Синхронизировать карту (как --copy-music, и не только): файл на карте, источник которого на этом компьютере изменился, создается заново на том же месте; файл новее своего источника — никогда.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Удалить из папки мультимедиа на карте музыку, которую не указывает ни один список воспроизведения .asx на карте (ничего, если на карте нет ни одного файла .asx, и ничего, кроме музыки).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Поместить на карту каждый музыкальный файл, указанный в списках воспроизведения (как --copy-music), так, чтобы воспроизводился каждый: то, что устройство воспроизводит (MP3, WMA, 16-битный WAV), — как есть, остальное (FLAC, M4A, Ogg, Opus, ...) — перекодированным в тип мультимедиа, которым тогда должен быть mp3, wma или wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Битрейт (в кбит/с) того, что --transcode перекодирует в MP3 или WMA (по умолчанию 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Сколько файлов --transcode перекодирует одновременно (по умолчанию: число ядер процессора, здесь %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode перекодирует в mp3, wma или wav; -t %1 не является ни одним из них</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate принимает число кбит/с от 32 до 320, а не %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs принимает число от 1 до 256, а не %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>для %1 нужна карта: укажите ее с помощью --card DIR или запишите списки воспроизведения на карту с помощью --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Копирование файла %1 из %Ln, %2 из %3</numerusform>
            <numerusform>Копирование файла %1 из %Ln, %2 из %3</numerusform>
            <numerusform>Копирование файла %1 из %Ln, %2 из %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln файл, указанный в списках воспроизведения, отсутствует на карте (%1): всего %2.</numerusform>
            <numerusform>%Ln файла, указанных в списках воспроизведения, отсутствуют на карте (%1): всего %2.</numerusform>
            <numerusform>%Ln файлов, указанных в списках воспроизведения, отсутствуют на карте (%1): всего %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Свободно на карте: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На карту (%2) был бы скопирован %Ln файл, всего %1.</numerusform>
            <numerusform>На карту (%2) были бы скопированы %Ln файла, всего %1.</numerusform>
            <numerusform>На карту (%2) было бы скопировано %Ln файлов, всего %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>Файловая система карты не сообщает, сколько на ней свободного места.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln элемент отсутствует и на этом компьютере: %1</numerusform>
            <numerusform>%Ln элемента отсутствуют и на этом компьютере: %1</numerusform>
            <numerusform>%Ln элементов отсутствуют и на этом компьютере: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln файл не скопирован, так как файловая система FAT карты не допускает файлов размером 4 ГиБ и более: %1</numerusform>
            <numerusform>%Ln файла не скопированы, так как файловая система FAT карты не допускает файлов размером 4 ГиБ и более: %1</numerusform>
            <numerusform>%Ln файлов не скопировано, так как файловая система FAT карты не допускает файлов размером 4 ГиБ и более: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln элемент не скопирован, так как здесь нет обычного файла этого типа мультимедиа с его именем или на карте есть файл с именем его папки: %1</numerusform>
            <numerusform>%Ln элемента не скопированы, так как здесь нет обычных файлов этого типа мультимедиа с их именами или на карте есть файл с именем их папки: %1</numerusform>
            <numerusform>%Ln элементов не скопировано, так как здесь нет обычных файлов этого типа мультимедиа с их именами или на карте есть файл с именем их папки: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln файл не скопирован, так как одна из папок на его пути — ссылка, ведущая за пределы карты: %1</numerusform>
            <numerusform>%Ln файла не скопированы, так как одна из папок на их пути — ссылка, ведущая за пределы карты: %1</numerusform>
            <numerusform>%Ln файлов не скопировано, так как одна из папок на их пути — ссылка, ведущая за пределы карты: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На карту (%2) скопирован %Ln файл (%1).</numerusform>
            <numerusform>На карту (%2) скопировано %Ln файла (%1).</numerusform>
            <numerusform>На карту (%2) скопировано %Ln файлов (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Музыка не помещается на карте (%1): нужно скопировать %2, свободно %3; ничего не скопировано.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>его не удалось записать</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>Не удалось скопировать %1: %2; файлы, скопированные до него, записаны полностью.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Копирование остановлено; файлы, скопированные ранее, записаны полностью.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>Карта в актуальном состоянии.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 %2 кбит/с</translation>
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
            <numerusform>Также перекодировать музыку %1, которую устройство не может воспроизвести, в %2 (%Ln элемент)</numerusform>
            <numerusform>Также перекодировать музыку %1, которую устройство не может воспроизвести, в %2 (%Ln элемента)</numerusform>
            <numerusform>Также перекодировать музыку %1, которую устройство не может воспроизвести, в %2 (%Ln элементов)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Копирование и перекодирование файла %1 из %Ln, %2 из примерно %3</numerusform>
            <numerusform>Копирование и перекодирование файла %1 из %Ln, %2 из примерно %3</numerusform>
            <numerusform>Копирование и перекодирование файла %1 из %Ln, %2 из примерно %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>%Ln из них при копировании будет перекодирован в %1.</numerusform>
            <numerusform>%Ln из них при копировании будут перекодированы в %1.</numerusform>
            <numerusform>%Ln из них при копировании будут перекодированы в %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln файл на карте (%1), источник которого изменился, можно создать заново: %2.</numerusform>
            <numerusform>%Ln файла на карте (%1), источники которых изменились, можно создать заново: %2.</numerusform>
            <numerusform>%Ln файлов на карте (%1), источники которых изменились, можно создать заново: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln файл в папке мультимедиа на карте (%1) не указан ни в одном списке воспроизведения на ней: %2.</numerusform>
            <numerusform>%Ln файла в папке мультимедиа на карте (%1) не указаны ни в одном списке воспроизведения на ней: %2.</numerusform>
            <numerusform>%Ln файлов в папке мультимедиа на карте (%1) не указаны ни в одном списке воспроизведения на ней: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Свободно на карте: %1; после завершения — около %2.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>Файл %1 (%2) был бы удален: его не указывает ни один список воспроизведения на карте</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (перекодирование в %3, около %4, вместо файла на карте размером %5)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (перекодирование в %3, около %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, вместо файла на карте размером %4)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>С карты (%2) был бы удален %Ln файл, всего %1.</numerusform>
            <numerusform>С карты (%2) были бы удалены %Ln файла, всего %1.</numerusform>
            <numerusform>С карты (%2) было бы удалено %Ln файлов, всего %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На карте (%2) был бы заново создан %Ln файл, источник которого изменился, всего %1.</numerusform>
            <numerusform>На карте (%2) были бы заново созданы %Ln файла, источники которых изменились, всего %1.</numerusform>
            <numerusform>На карте (%2) было бы заново создано %Ln файлов, источники которых изменились, всего %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На карту (%3) был бы записан %Ln файл, перекодированный в %2, всего около %1.</numerusform>
            <numerusform>На карту (%3) были бы записаны %Ln файла, перекодированных в %2, всего около %1.</numerusform>
            <numerusform>На карту (%3) было бы записано %Ln файлов, перекодированных в %2, всего около %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>На карте (%1) нет ни одного списка воспроизведения .asx, поэтому с нее ничего не удалено: на ней нет ничего, что указывало бы на музыку.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln файл не перекодирован, так как его невозможно прочитать как музыку: %1</numerusform>
            <numerusform>%Ln файла не перекодированы, так как их невозможно прочитать как музыку: %1</numerusform>
            <numerusform>%Ln файлов не перекодировано, так как их невозможно прочитать как музыку: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>С карты (%2) удален %Ln файл (%1), не указанный ни в одном списке воспроизведения на карте.</numerusform>
            <numerusform>С карты (%2) удалено %Ln файла (%1), не указанных ни в одном списке воспроизведения на карте.</numerusform>
            <numerusform>С карты (%2) удалено %Ln файлов (%1), не указанных ни в одном списке воспроизведения на карте.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На карте (%2) заново создан %Ln файл (%1), источник которого изменился.</numerusform>
            <numerusform>На карте (%2) заново создано %Ln файла (%1), источники которых изменились.</numerusform>
            <numerusform>На карте (%2) заново создано %Ln файлов (%1), источники которых изменились.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На карту (%4) записан %Ln файл, перекодированный из %1 в %2 (%3).</numerusform>
            <numerusform>На карту (%4) записано %Ln файла, перекодированных из %1 в %2 (%3).</numerusform>
            <numerusform>На карту (%4) записано %Ln файлов, перекодированных из %1 в %2 (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln файл не удалось полностью прочитать на этом компьютере, поэтому он не скопирован: %1</numerusform>
            <numerusform>%Ln файла не удалось полностью прочитать на этом компьютере, поэтому они не скопированы: %1</numerusform>
            <numerusform>%Ln файлов не удалось полностью прочитать на этом компьютере, поэтому они не скопированы: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Не удалось перекодировать %Ln файл: %1</numerusform>
            <numerusform>Не удалось перекодировать %Ln файла: %1</numerusform>
            <numerusform>Не удалось перекодировать %Ln файлов: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>Не удалось скопировать %Ln файл; остальные записаны на карту.</numerusform>
            <numerusform>Не удалось скопировать %Ln файла; остальные записаны на карту.</numerusform>
            <numerusform>Не удалось скопировать %Ln файлов; остальные записаны на карту.</numerusform>
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
        <translation>Конвертер списков воспроизведения</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Преобразование списков воспроизведения в формат ASX для Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Преобразование списков воспроизведения Windows Media Player для Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry преобразует списки воспроизведения (WPL проигрывателя Windows Media Player, M3U и M3U8, PLS, XSPF, ASX и списки воспроизведения Zune) в списки воспроизведения ASX 3.0, которые Windows Media Player для Pocket PC воспроизводит с карты памяти.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Выберите списки воспроизведения, тип мультимедиа, который нужно сохранить (WMA, MP3, WAV или любой другой), и папку на устройстве, в которой хранится музыка. Каждая ссылка этого типа сокращается до своего расположения внутри папки музыки и записывается в папку мультимедиа на устройстве — по одному файлу .asx на каждый список воспроизведения, в кодовой странице ANSI устройства.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Конвертер командной строки velandry-convert делает то же самое без окна.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Списки воспроизведения, очередь, тип мультимедиа и папки</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Главное окно и окно «О программе»</translation>
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
        <translation>текст заканчивается раньше, чем разметка</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>комментарий не закрыт</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>раздел CDATA не закрыт</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>инструкция обработки не закрыта</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>объявление не закрыто</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>после &quot;&lt;&quot; ожидалось имя</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>после имени закрывающего тега ожидался &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>у атрибута нет &quot;=&quot; и значения</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>значение атрибута не заключено в кавычки</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>закрывающий тег не соответствует элементу, который он закрывает</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Не удается прочитать разметку %1: тег в строке %2 не закрыт</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>Разметка %1 не содержит элемента &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Не удается прочитать разметку %1: строка %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>Это папка, а не список воспроизведения</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>Результат заменил бы сам список воспроизведения</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Уже существует папка с таким именем</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Файл защищен от записи</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Ссылки этого списка воспроизведения перекрываются, и файл получился бы больше 4 ГиБ</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>Список воспроизведения не в UTF-8 и слишком велик, чтобы преобразовать его в памяти этого компьютера</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Другая программа изменила список воспроизведения во время его чтения; для него ничего не записано, преобразуйте его еще раз</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Имя файла не является допустимой строкой UTF-8, поэтому файл невозможно открыть; переименуйте его, например командой &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Это не список воспроизведения поддерживаемого формата (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>В объявлении XML указана кодировка «%1», которую здесь невозможно прочитать</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Выходной файл %1 уже был записан в этом запуске из %2; переименуйте один из двух списков воспроизведения</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Не удалось прочитать файл</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Не удалось записать файл</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 и еще %Ln</numerusform>
            <numerusform>%1 и еще %Ln</numerusform>
            <numerusform>%1 и еще %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: не в UTF-8, прочитан в кодовой странице %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln элемент из %2 содержит символы вне кодовой страницы %3, они записаны как &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln элемента из %2 содержат символы вне кодовой страницы %3, они записаны как &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln элементов из %2 содержат символы вне кодовой страницы %3, они записаны как &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln веб-адрес</numerusform>
            <numerusform>%Ln веб-адреса</numerusform>
            <numerusform>%Ln веб-адресов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln вне папки музыки</numerusform>
            <numerusform>%Ln вне папки музыки</numerusform>
            <numerusform>%Ln вне папки музыки</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: пропущен %Ln элемент из %2: %3</numerusform>
            <numerusform>%1: пропущено %Ln элемента из %2: %3</numerusform>
            <numerusform>%1: пропущено %Ln элементов из %2: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln элемент из %2 невозможно воспроизвести на устройстве: %3</numerusform>
            <numerusform>%1: %Ln элемента из %2 невозможно воспроизвести на устройстве: %3</numerusform>
            <numerusform>%1: %Ln элементов из %2 невозможно воспроизвести на устройстве: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: не удалось прочитать карту (%2), поэтому элементы на ней не искались</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln элемент из %2 отсутствует на карте (%3): %4</numerusform>
            <numerusform>%1: %Ln элемента из %2 отсутствуют на карте (%3): %4</numerusform>
            <numerusform>%1: %Ln элементов из %2 отсутствуют на карте (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln элемент из %2 разрезан разметкой списка воспроизведения и не указывает на реальный файл</numerusform>
            <numerusform>%1: %Ln элемента из %2 разрезаны разметкой списка воспроизведения и не указывают на реальные файлы</numerusform>
            <numerusform>%1: %Ln элементов из %2 разрезаны разметкой списка воспроизведения и не указывают на реальные файлы</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>кодовая страница ANSI системы</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>кодовая страница ANSI локали пользователя; кодовая страница системы %1 не является кодовой страницей ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>кодовая страница системы %1 не является кодовой страницей ANSI, и в локали пользователя ее тоже нет</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>по локали %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>локаль не задана</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(путь длиной %Ln байт)</numerusform>
            <numerusform>(путь длиной %Ln байта)</numerusform>
            <numerusform>(путь длиной %Ln байт)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln вне папки музыки (укажите ее с помощью --music-root)</numerusform>
            <numerusform>%Ln вне папки музыки (укажите ее с помощью --music-root)</numerusform>
            <numerusform>%Ln вне папки музыки (укажите ее с помощью --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln другого типа мультимедиа</numerusform>
            <numerusform>%Ln другого типа мультимедиа</numerusform>
            <numerusform>%Ln другого типа мультимедиа</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln элемент указывает на музыку %2, которую устройство не может воспроизвести: добавьте --transcode</numerusform>
            <numerusform>%1: %Ln элемента указывают на музыку %2, которую устройство не может воспроизвести: добавьте --transcode</numerusform>
            <numerusform>%1: %Ln элементов указывают на музыку %2, которую устройство не может воспроизвести: добавьте --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln элемент указывает на музыку %2, которую устройство не может воспроизвести</numerusform>
            <numerusform>%1: %Ln элемента указывают на музыку %2, которую устройство не может воспроизвести</numerusform>
            <numerusform>%1: %Ln элементов указывают на музыку %2, которую устройство не может воспроизвести</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Отмена…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Преобразование: %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>Записано %1 из %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>Прочитано %1 из %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Копирование: %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Перекодирование: %1</translation>
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
        <translation>Выберите</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Папка списков:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>В списке:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Списки в папке</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Списки для преобразования</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Папка вывода:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Папка устройства:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Выполнить</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>В списке</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Выбрать папку списков воспроизведения</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Добавить в очередь</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Удалить из очереди</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Не удается получить содержимое папки списков воспроизведения «%1».</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Она не существует или не является папкой.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Выберите тип мультимедиа<byte value="xd"/>
например, WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>Перед этим записан %Ln файл.</numerusform>
            <numerusform>Перед этим записано %Ln файла.</numerusform>
            <numerusform>Перед этим записано %Ln файлов.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Не удалось прочитать «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Не удалось записать «%1».</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Выберите папку со списками воспроизведения</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Выберите папку вывода</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>Не удается прочитать «%1» как список воспроизведения (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>«%1» находится не в папке остальных файлов, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Скопировать на карту музыку, указанную в списках воспроизведения?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Не копировать</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Синхронизировать карту с музыкой на этом компьютере?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Заново создать %Ln файл, источник которого изменился</numerusform>
            <numerusform>Заново создать %Ln файла, источники которых изменились</numerusform>
            <numerusform>Заново создать %Ln файлов, источники которых изменились</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Удалить из папки мультимедиа %Ln файл, не указанный ни в одном списке воспроизведения на карте</numerusform>
            <numerusform>Удалить из папки мультимедиа %Ln файла, не указанных ни в одном списке воспроизведения на карте</numerusform>
            <numerusform>Удалить из папки мультимедиа %Ln файлов, не указанных ни в одном списке воспроизведения на карте</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln файл не добавлен в очередь.</numerusform>
            <numerusform>%Ln файла не добавлены в очередь.</numerusform>
            <numerusform>%Ln файлов не добавлено в очередь.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Не обновлять</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Веб-сайт Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Щелкните здесь, чтобы получить обновления</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Посетите сайт: обновления, FAQ и справка</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>История изменений</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, бесплатная программа</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Пожертвовать</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Поддержите дальнейшую разработку</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Если эта программа оказалась вам полезной, вы можете поддержать ее развитие</translation>
    </message>
</context>
</TS>
