<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Перетворює списки відтворення (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) на списки відтворення ASX для програвача Windows Media Player для Pocket PC, зберігаючи елементи одного типу мультимедіа.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Тип мультимедіа, який потрібно зберегти, без крапки (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Папка на пристрої, що записується перед кожним шляхом (за замовчуванням %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Папка для файлів .asx (за замовчуванням: папка самого списку відтворення).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Кодова сторінка ANSI для файлів .asx і для списків відтворення не в UTF-8: %1 (також у вигляді cp1250 або windows-1250). За замовчуванням тут: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>Папка музики, у якій списки відтворення, крім WPL, вказують свої файли, у тому вигляді, у якому вони її записують (/home/ana/Music, &apos;D:\Music&apos;): в елементів усередині неї відкидається частина шляху до цієї папки включно (за замовчуванням: правила зі сторінки посібника).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>Картка пам’яті так, як її бачить ця система (/media/ana/CARD, E:\): кожен елемент шукається на ній, і про ті, яких там немає, буде повідомлено (за замовчуванням: том цільової папки, якщо це картка, що містить папку мультимедіа).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Нічого не виводити для списків відтворення, перетворених без зауважень.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Списки відтворення для перетворення.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Щоб отримати додаткові відомості, скористайтеся &apos;--help&apos;.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>не вказано тип мультимедіа (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>не вказано список відтворення</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>невідома кодова сторінка %1; кодові сторінки ANSI: %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Виберіть тип мультимедіа
наприклад, WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>цільова папка %1 не існує</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>картка %1 не існує</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln елемент)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln елементи)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln елементів)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>попередження: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Після перетворення списків відтворення скопіювати на картку вказані в них файли, яких на ній немає, — кожен туди, де його відкриє пристрій, — з місця, вказаного в списку відтворення, або з папки музики (--music-root, інакше папка музики користувача).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Нічого не записувати (ні списків відтворення, ні музики, ні папок): лише вивести, що було б зроблено.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Синхронізувати картку (як --copy-music, і не лише): файл на картці, джерело якого на цьому комп’ютері змінилося, створюється заново на тому самому місці; файл, новіший за своє джерело, — ніколи.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Видалити з папки мультимедіа на картці музику, яку не вказує жоден список відтворення .asx на картці (нічого, якщо на картці немає жодного файлу .asx, і нічого, крім музики).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Помістити на картку кожен музичний файл, вказаний у списках відтворення (як --copy-music), так, щоб відтворювався кожен: те, що пристрій відтворює (MP3, WMA, 16-бітний WAV), — як є, решту (FLAC, M4A, Ogg, Opus, ...) — перекодованою в тип мультимедіа, яким тоді має бути mp3, wma або wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Бітрейт (у кбіт/с) того, що --transcode перекодовує в MP3 або WMA (за замовчуванням 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Скільки файлів --transcode перекодовує одночасно (за замовчуванням: кількість ядер процесора, тут %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode перекодовує в mp3, wma або wav; -t %1 не є жодним із них</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate приймає число кбіт/с від 32 до 320, а не %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs приймає число від 1 до 256, а не %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>для %1 потрібна картка: вкажіть її за допомогою --card DIR або запишіть списки відтворення на картку за допомогою --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Копіювання файлу %1 з %Ln, %2 з %3</numerusform>
            <numerusform>Копіювання файлу %1 з %Ln, %2 з %3</numerusform>
            <numerusform>Копіювання файлу %1 з %Ln, %2 з %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln файл, вказаний у списках відтворення, відсутній на картці (%1): усього %2.</numerusform>
            <numerusform>%Ln файли, вказані у списках відтворення, відсутні на картці (%1): усього %2.</numerusform>
            <numerusform>%Ln файлів, вказаних у списках відтворення, відсутні на картці (%1): усього %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Вільно на картці: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На картку (%2) було б скопійовано %Ln файл, усього %1.</numerusform>
            <numerusform>На картку (%2) було б скопійовано %Ln файли, усього %1.</numerusform>
            <numerusform>На картку (%2) було б скопійовано %Ln файлів, усього %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>Файлова система картки не повідомляє, скільки на ній вільного місця.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln елемент відсутній також на цьому комп’ютері: %1</numerusform>
            <numerusform>%Ln елементи відсутні також на цьому комп’ютері: %1</numerusform>
            <numerusform>%Ln елементів відсутні також на цьому комп’ютері: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>Не скопійовано %Ln файл, оскільки файлова система FAT картки не вміщує файлів розміром 4 ГіБ і більше: %1</numerusform>
            <numerusform>Не скопійовано %Ln файли, оскільки файлова система FAT картки не вміщує файлів розміром 4 ГіБ і більше: %1</numerusform>
            <numerusform>Не скопійовано %Ln файлів, оскільки файлова система FAT картки не вміщує файлів розміром 4 ГіБ і більше: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>Не скопійовано %Ln елемент, оскільки тут немає звичайного файлу цього типу мультимедіа з його назвою або на картці є файл із назвою його папки: %1</numerusform>
            <numerusform>Не скопійовано %Ln елементи, оскільки тут немає звичайних файлів цього типу мультимедіа з їхніми назвами або на картці є файл із назвою їхньої папки: %1</numerusform>
            <numerusform>Не скопійовано %Ln елементів, оскільки тут немає звичайних файлів цього типу мультимедіа з їхніми назвами або на картці є файл із назвою їхньої папки: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>Не скопійовано %Ln файл, оскільки одна з папок на його шляху — посилання, що веде за межі картки: %1</numerusform>
            <numerusform>Не скопійовано %Ln файли, оскільки одна з папок на їхньому шляху — посилання, що веде за межі картки: %1</numerusform>
            <numerusform>Не скопійовано %Ln файлів, оскільки одна з папок на їхньому шляху — посилання, що веде за межі картки: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На картку (%2) скопійовано %Ln файл (%1).</numerusform>
            <numerusform>На картку (%2) скопійовано %Ln файли (%1).</numerusform>
            <numerusform>На картку (%2) скопійовано %Ln файлів (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Музика не вміщується на картці (%1): потрібно скопіювати %2, вільно %3; нічого не скопійовано.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>його не вдалося записати</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>Не вдалося скопіювати %1: %2; файли, скопійовані до нього, записано повністю.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Копіювання зупинено; файли, скопійовані раніше, записано повністю.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>Картка в актуальному стані.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 %2 кбіт/с</translation>
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
            <numerusform>Також перекодувати музику %1, яку пристрій не може відтворити, у %2 (%Ln елемент)</numerusform>
            <numerusform>Також перекодувати музику %1, яку пристрій не може відтворити, у %2 (%Ln елементи)</numerusform>
            <numerusform>Також перекодувати музику %1, яку пристрій не може відтворити, у %2 (%Ln елементів)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Копіювання та перекодування файлу %1 з %Ln, %2 з приблизно %3</numerusform>
            <numerusform>Копіювання та перекодування файлу %1 з %Ln, %2 з приблизно %3</numerusform>
            <numerusform>Копіювання та перекодування файлу %1 з %Ln, %2 з приблизно %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>%Ln з них під час копіювання буде перекодовано в %1.</numerusform>
            <numerusform>%Ln з них під час копіювання буде перекодовано в %1.</numerusform>
            <numerusform>%Ln з них під час копіювання буде перекодовано в %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln файл на картці (%1), джерело якого змінилося, можна створити заново: %2.</numerusform>
            <numerusform>%Ln файли на картці (%1), джерела яких змінилися, можна створити заново: %2.</numerusform>
            <numerusform>%Ln файлів на картці (%1), джерела яких змінилися, можна створити заново: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln файл у папці мультимедіа на картці (%1) не вказаний у жодному списку відтворення на ній: %2.</numerusform>
            <numerusform>%Ln файли в папці мультимедіа на картці (%1) не вказані в жодному списку відтворення на ній: %2.</numerusform>
            <numerusform>%Ln файлів у папці мультимедіа на картці (%1) не вказані в жодному списку відтворення на ній: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Вільно на картці: %1; після завершення — близько %2.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>Файл %1 (%2) було б видалено: його не вказує жоден список відтворення на картці</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (перекодування в %3, близько %4, замість файлу на картці розміром %5)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (перекодування в %3, близько %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, замість файлу на картці розміром %4)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>З картки (%2) було б видалено %Ln файл, усього %1.</numerusform>
            <numerusform>З картки (%2) було б видалено %Ln файли, усього %1.</numerusform>
            <numerusform>З картки (%2) було б видалено %Ln файлів, усього %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На картці (%2) було б заново створено %Ln файл, джерело якого змінилося, усього %1.</numerusform>
            <numerusform>На картці (%2) було б заново створено %Ln файли, джерела яких змінилися, усього %1.</numerusform>
            <numerusform>На картці (%2) було б заново створено %Ln файлів, джерела яких змінилися, усього %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На картку (%3) було б записано %Ln файл, перекодований у %2, усього близько %1.</numerusform>
            <numerusform>На картку (%3) було б записано %Ln файли, перекодовані у %2, усього близько %1.</numerusform>
            <numerusform>На картку (%3) було б записано %Ln файлів, перекодованих у %2, усього близько %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>На картці (%1) немає жодного списку відтворення .asx, тому з неї нічого не видалено: на ній немає нічого, що вказувало б на музику.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Не перекодовано %Ln файл, оскільки його неможливо прочитати як музику: %1</numerusform>
            <numerusform>Не перекодовано %Ln файли, оскільки їх неможливо прочитати як музику: %1</numerusform>
            <numerusform>Не перекодовано %Ln файлів, оскільки їх неможливо прочитати як музику: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>З картки (%2) видалено %Ln файл (%1), не вказаний у жодному списку відтворення на картці.</numerusform>
            <numerusform>З картки (%2) видалено %Ln файли (%1), не вказані в жодному списку відтворення на картці.</numerusform>
            <numerusform>З картки (%2) видалено %Ln файлів (%1), не вказаних у жодному списку відтворення на картці.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На картці (%2) заново створено %Ln файл (%1), джерело якого змінилося.</numerusform>
            <numerusform>На картці (%2) заново створено %Ln файли (%1), джерела яких змінилися.</numerusform>
            <numerusform>На картці (%2) заново створено %Ln файлів (%1), джерела яких змінилися.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>На картку (%4) записано %Ln файл, перекодований з %1 у %2 (%3).</numerusform>
            <numerusform>На картку (%4) записано %Ln файли, перекодовані з %1 у %2 (%3).</numerusform>
            <numerusform>На картку (%4) записано %Ln файлів, перекодованих з %1 у %2 (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln файл не вдалося повністю прочитати на цьому комп’ютері, тому його не скопійовано: %1</numerusform>
            <numerusform>%Ln файли не вдалося повністю прочитати на цьому комп’ютері, тому їх не скопійовано: %1</numerusform>
            <numerusform>%Ln файлів не вдалося повністю прочитати на цьому комп’ютері, тому їх не скопійовано: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Не вдалося перекодувати %Ln файл: %1</numerusform>
            <numerusform>Не вдалося перекодувати %Ln файли: %1</numerusform>
            <numerusform>Не вдалося перекодувати %Ln файлів: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>Не вдалося скопіювати %Ln файл; решту записано на картку.</numerusform>
            <numerusform>Не вдалося скопіювати %Ln файли; решту записано на картку.</numerusform>
            <numerusform>Не вдалося скопіювати %Ln файлів; решту записано на картку.</numerusform>
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
        <translation>Конвертер списків відтворення</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Перетворення списків відтворення у формат ASX для Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Перетворення списків відтворення Windows Media Player для Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry перетворює списки відтворення (WPL програвача Windows Media Player, M3U і M3U8, PLS, XSPF, ASX і списки відтворення Zune) на списки відтворення ASX 3.0, які Windows Media Player для Pocket PC відтворює з картки пам’яті.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Виберіть списки відтворення, тип мультимедіа, який потрібно зберегти (WMA, MP3, WAV або будь-який інший), і папку на пристрої, у якій зберігається музика. Кожне посилання цього типу скорочується до свого розташування всередині папки музики й записується до папки мультимедіа на пристрої — по одному файлу .asx на кожен список відтворення, у кодовій сторінці ANSI пристрою.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Конвертер командного рядка velandry-convert робить те саме без вікна.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Списки відтворення, черга, тип мультимедіа та папки</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Головне вікно та вікно «Про програму»</translation>
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
        <translation>текст закінчується раніше, ніж розмітка</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>коментар не закрито</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>розділ CDATA не закрито</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>інструкцію обробки не закрито</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>оголошення не закрито</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>після &quot;&lt;&quot; очікувалося ім’я</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>після імені закривального тегу очікувався &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>атрибут не має &quot;=&quot; і значення</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>значення атрибута не взято в лапки</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>закривальний тег не відповідає елементу, який він закриває</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Не вдається прочитати розмітку %1: тег у рядку %2 не закрито</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>Розмітка %1 не містить елемента &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Не вдається прочитати розмітку %1: рядок %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>Це папка, а не список відтворення</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Це не звичайний файл</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>Результат замінив би сам список відтворення</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Уже існує папка з такою назвою</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Файл захищено від запису</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Посилання цього списку відтворення перекриваються, і файл вийшов би більшим за 4 ГіБ</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>Список відтворення не в UTF-8 і завеликий, щоб перетворити його в пам’яті цього комп’ютера</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Інша програма змінила список відтворення під час його читання; для нього нічого не записано, перетворіть його ще раз</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Ім’я файлу не є допустимим рядком UTF-8, тому файл неможливо відкрити; перейменуйте його, наприклад командою &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Це не список відтворення підтримуваного формату (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>В оголошенні XML зазначено кодування «%1», яке тут неможливо прочитати</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Файл результату %1 уже було записано під час цього запуску з %2; перейменуйте один із двох списків відтворення</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Не вдалося прочитати файл</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Не вдалося записати файл</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 і ще %Ln</numerusform>
            <numerusform>%1 і ще %Ln</numerusform>
            <numerusform>%1 і ще %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: не в UTF-8, прочитано в кодовій сторінці %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln елемент із %2 містить символи поза кодовою сторінкою %3, їх записано як &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln елементи із %2 містять символи поза кодовою сторінкою %3, їх записано як &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln елементів із %2 містять символи поза кодовою сторінкою %3, їх записано як &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln веб-адреса</numerusform>
            <numerusform>%Ln веб-адреси</numerusform>
            <numerusform>%Ln веб-адрес</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln поза папкою музики</numerusform>
            <numerusform>%Ln поза папкою музики</numerusform>
            <numerusform>%Ln поза папкою музики</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: пропущено %Ln елемент із %2: %3</numerusform>
            <numerusform>%1: пропущено %Ln елементи із %2: %3</numerusform>
            <numerusform>%1: пропущено %Ln елементів із %2: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln елемент із %2 неможливо відтворити на пристрої: %3</numerusform>
            <numerusform>%1: %Ln елементи із %2 неможливо відтворити на пристрої: %3</numerusform>
            <numerusform>%1: %Ln елементів із %2 неможливо відтворити на пристрої: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: не вдалося прочитати картку (%2), тому елементи на ній не шукалися</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln елемент із %2 відсутній на картці (%3): %4</numerusform>
            <numerusform>%1: %Ln елементи із %2 відсутні на картці (%3): %4</numerusform>
            <numerusform>%1: %Ln елементів із %2 відсутні на картці (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln елемент із %2 розрізано розміткою списку відтворення, і він не вказує на справжній файл</numerusform>
            <numerusform>%1: %Ln елементи із %2 розрізано розміткою списку відтворення, і вони не вказують на справжні файли</numerusform>
            <numerusform>%1: %Ln елементів із %2 розрізано розміткою списку відтворення, і вони не вказують на справжні файли</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>кодова сторінка ANSI системи</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>кодова сторінка ANSI локалі користувача; кодова сторінка системи %1 не є кодовою сторінкою ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>кодова сторінка системи %1 не є кодовою сторінкою ANSI, і в локалі користувача її теж немає</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>за локаллю %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>локаль не задано</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(шлях завдовжки %Ln байт)</numerusform>
            <numerusform>(шлях завдовжки %Ln байти)</numerusform>
            <numerusform>(шлях завдовжки %Ln байтів)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln поза папкою музики (вкажіть її за допомогою --music-root)</numerusform>
            <numerusform>%Ln поза папкою музики (вкажіть її за допомогою --music-root)</numerusform>
            <numerusform>%Ln поза папкою музики (вкажіть її за допомогою --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln іншого типу мультимедіа</numerusform>
            <numerusform>%Ln іншого типу мультимедіа</numerusform>
            <numerusform>%Ln іншого типу мультимедіа</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln елемент вказує на музику %2, яку пристрій не може відтворити: додайте --transcode</numerusform>
            <numerusform>%1: %Ln елементи вказують на музику %2, яку пристрій не може відтворити: додайте --transcode</numerusform>
            <numerusform>%1: %Ln елементів вказують на музику %2, яку пристрій не може відтворити: додайте --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln елемент вказує на музику %2, яку пристрій не може відтворити</numerusform>
            <numerusform>%1: %Ln елементи вказують на музику %2, яку пристрій не може відтворити</numerusform>
            <numerusform>%1: %Ln елементів вказують на музику %2, яку пристрій не може відтворити</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Скасування…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Перетворення: %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>Записано %1 з %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>Прочитано %1 з %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Копіювання: %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Перекодування: %1</translation>
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
        <translation>Виберіть</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ихід</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Папка списків:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>Список містить:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Списки в папці</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Списки для перетворення</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Цільова папка:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Папка пристрою:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Виконати</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>В&amp;ихід</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>Список містить</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Вибрати папку списків відтворення</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Додати до черги</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Видалити з черги</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Вибрати цільову папку</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Не вдається отримати вміст папки списків відтворення «%1».</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Вона не існує або не є папкою.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Виберіть тип мультимедіа<byte value="xd"/>
наприклад, WMA, MP3</translation>
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
            <numerusform>Перед цим записано %Ln файл.</numerusform>
            <numerusform>Перед цим записано %Ln файли.</numerusform>
            <numerusform>Перед цим записано %Ln файлів.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Не вдалося прочитати «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Не вдалося записати «%1».</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Виберіть папку зі списками відтворення</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Виберіть цільову папку</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>Не вдається прочитати «%1» як список відтворення (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>«%1» розташовано не в папці інших файлів, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Скопіювати на картку музику, вказану в списках відтворення?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Не копіювати</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Синхронізувати картку з музикою на цьому комп’ютері?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Заново створити %Ln файл, джерело якого змінилося</numerusform>
            <numerusform>Заново створити %Ln файли, джерела яких змінилися</numerusform>
            <numerusform>Заново створити %Ln файлів, джерела яких змінилися</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Видалити з папки мультимедіа %Ln файл, не вказаний у жодному списку відтворення на картці</numerusform>
            <numerusform>Видалити з папки мультимедіа %Ln файли, не вказані в жодному списку відтворення на картці</numerusform>
            <numerusform>Видалити з папки мультимедіа %Ln файлів, не вказаних у жодному списку відтворення на картці</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>Не додано до черги %Ln файл.</numerusform>
            <numerusform>Не додано до черги %Ln файли.</numerusform>
            <numerusform>Не додано до черги %Ln файлів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Не оновлювати</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Веб-сайт Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Клацніть тут, щоб отримати оновлення</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Відвідайте сайт: оновлення, FAQ і довідка</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Історія змін</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, безкоштовна програма</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Пожертвувати</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Підтримайте подальшу розробку</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Якщо ця програма виявилася вам корисною, ви можете підтримати її розвиток</translation>
    </message>
</context>
</TS>
