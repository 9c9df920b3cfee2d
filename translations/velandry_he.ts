<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>ממיר רשימות השמעה (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) לרשימות השמעה מסוג ASX עבור Windows Media Player ב-Pocket PC, ושומר רק את הפריטים מסוג מדיה אחד.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>סוג המדיה שיש לשמור, ללא הנקודה שלפניו (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>תיקיית המדיה בהתקן, שנכתבת לפני כל נתיב (ברירת המחדל: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>תיקייה עבור קובצי .asx (ברירת המחדל: התיקייה של כל רשימת השמעה).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>דף הקוד ANSI של קובצי .asx ושל רשימות השמעה שאינן UTF-8: %1 (אפשר לכתוב גם cp1250 או windows-1250). ברירת המחדל במחשב זה: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>תיקיית המוזיקה שבה רשימות השמעה שאינן WPL מציינות את הקבצים שלהן, כפי שהיא כתובה בהן (/home/ana/Music, &apos;D:\Music&apos;): הנתיב של פריטים שמתחתיה נחתך בנקודה זו (ברירת המחדל: הכללים שבדף המדריך).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>כרטיס הזיכרון כפי שמערכת זו רואה אותו (/media/ana/CARD, E:\): כל פריט נבדק בכרטיס, ומדווח על הפריטים שאינם נמצאים בו (ברירת המחדל: אמצעי האחסון של תיקיית הפלט, אם הוא כרטיס שמכיל את תיקיית המדיה).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>לא להציג דבר עבור רשימות השמעה שהומרו ללא בעיות.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>רשימות ההשמעה להמרה.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>לקבלת מידע נוסף, יש להשתמש ב-&apos;--help&apos;.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>חסר סוג המדיה (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>לא צוינה רשימת השמעה</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>דף הקוד %1 אינו מוכר; דפי הקוד ANSI הם %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>נא לבחור סוג מדיה
לדוגמה: WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>תיקיית הפלט %1 אינה קיימת</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>הכרטיס %1 אינו קיים</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (פריטים: %Ln)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln פריטים)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>אזהרה: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>לאחר המרת רשימות ההשמעה, להעתיק לכרטיס את הקבצים שהן מציינות ושחסרים בו, כל קובץ למקום שבו ההתקן פותח אותו, מהמקום שבו רשימת ההשמעה מציינת אותו או מתחת לתיקיית השורש של המוזיקה (--music-root, אחרת תיקיית המוזיקה של המשתמש).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>לא לכתוב דבר (לא רשימות השמעה, לא מוזיקה, לא תיקיות): רק להציג את מה שהיה מתבצע.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>לסנכרן את הכרטיס (כמו --copy-music, ויותר): קובץ בכרטיס שהמקור שלו במחשב זה השתנה נוצר מחדש במקומו; קובץ חדש יותר מהמקור שלו אינו נוצר מחדש לעולם.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>למחוק את המוזיקה שתחת תיקיית המדיה בכרטיס ושאף רשימת השמעה מסוג .asx בכרטיס אינה מציינת (שום דבר אינו נמחק אם אין בכרטיס קובצי .asx, ורק מוזיקה נמחקת).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>לכתוב לכרטיס כל קובץ מוזיקה שרשימות ההשמעה מציינות (כמו --copy-music), כך שכולם יתנגנו: את מה שההתקן מנגן (MP3, WMA, WAV של 16 סיביות) כפי שהוא, ואת השאר (FLAC, M4A, Ogg, Opus, ...) מקודד לסוג המדיה, שחייב אז להיות mp3, wma או wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>קצב הסיביות של הקידוד באמצעות --transcode לפורמט MP3 או WMA, בקילוביט/שנייה (ברירת המחדל: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>מספר הקבצים שמקודדים בו-זמנית באמצעות --transcode (ברירת המחדל: מספר הליבות של המעבד, כאן %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>האפשרות --transcode מקודדת רק לפורמטים mp3, wma או wav, ואילו -t %1 אינו אף אחד מהם</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>האפשרות --bitrate מקבלת מספר קילוביט/שנייה בין 32 ל-320, ולא %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>האפשרות --jobs מקבלת מספר בין 1 ל-256, ולא %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>האפשרות %1 דורשת את הכרטיס: יש לציין אותו באמצעות --card DIR, או לכתוב את רשימות ההשמעה לכרטיס באמצעות --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>מעתיק קובץ %1 מתוך %Ln, %2 מתוך %3</numerusform>
            <numerusform>מעתיק קובץ %1 מתוך %Ln קבצים, %2 מתוך %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln מהקבצים שרשימות ההשמעה מציינות אינו נמצא בכרטיס (%1): %2.</numerusform>
            <numerusform>%Ln קבצים שרשימות ההשמעה מציינות אינם נמצאים בכרטיס (%1): %2 בסך הכול.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>שטח פנוי בכרטיס: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>קבצים שיועתקו לכרטיס (%2): %Ln, בגודל %1.</numerusform>
            <numerusform>%Ln קבצים, בגודל %1, יועתקו לכרטיס (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>מערכת הקבצים של הכרטיס אינה מדווחת כמה שטח פנוי יש בו.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln מהפריטים אינו נמצא גם במחשב זה: %1</numerusform>
            <numerusform>%Ln פריטים אינם נמצאים גם במחשב זה: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln מהקבצים לא הועתק, מכיוון שמערכת הקבצים FAT של הכרטיס אינה יכולה להכיל קובץ בגודל 4 GiB ומעלה: %1</numerusform>
            <numerusform>%Ln קבצים לא הועתקו, מכיוון שמערכת הקבצים FAT של הכרטיס אינה יכולה להכיל קובץ בגודל 4 GiB ומעלה: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln מהפריטים לא הועתק, מכיוון שאין במחשב זה קובץ רגיל מסוג המדיה בשמו, או שבכרטיס יש קובץ בשם התיקייה שלו: %1</numerusform>
            <numerusform>%Ln פריטים לא הועתקו, מכיוון שאין במחשב זה קובץ רגיל מסוג המדיה בשמם, או שבכרטיס יש קובץ בשם התיקייה שלהם: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln מהקבצים לא הועתק, מכיוון שתיקייה בנתיב שלו היא קישור שמוביל אל מחוץ לכרטיס: %1</numerusform>
            <numerusform>%Ln קבצים לא הועתקו, מכיוון שתיקייה בנתיב שלהם היא קישור שמוביל אל מחוץ לכרטיס: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>קבצים שהועתקו לכרטיס (%2): %Ln (%1).</numerusform>
            <numerusform>הועתקו %Ln קבצים (%1) לכרטיס (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>אין די מקום למוזיקה בכרטיס (%1): %2 להעתקה, %3 פנויים; לא הועתק דבר.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>לא ניתן היה לכתוב אותו</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>לא ניתן היה להעתיק את %1: %2; הקבצים שהועתקו לפניו שלמים.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>ההעתקה הופסקה; הקבצים שהועתקו קודם לכן שלמים.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>הכרטיס מעודכן.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 ב-%2 קילוביט/שנייה</translation>
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
            <numerusform>לקודד ל-%2 גם את קובצי ה-%1 שההתקן אינו יכול לנגן (פריטים: %Ln)</numerusform>
            <numerusform>לקודד ל-%2 גם את %Ln הפריטים שהם קובצי %1 שההתקן אינו יכול לנגן</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>מעתיק ומקודד קובץ %1 מתוך %Ln, %2 מתוך כ-%3</numerusform>
            <numerusform>מעתיק ומקודד קובץ %1 מתוך %Ln קבצים, %2 מתוך כ-%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>%Ln מהם יקודד ל-%1 במהלך ההעתקה.</numerusform>
            <numerusform>%Ln מהם יקודדו ל-%1 במהלך ההעתקה.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>ניתן ליצור מחדש %Ln מהקבצים בכרטיס (%1), שהמקור שלו השתנה: %2.</numerusform>
            <numerusform>ניתן ליצור מחדש %Ln קבצים בכרטיס (%1) שהמקור שלהם השתנה: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln מהקבצים שתחת תיקיית המדיה של הכרטיס (%1) אינו מצוין באף רשימת השמעה שבכרטיס: %2.</numerusform>
            <numerusform>%Ln קבצים שתחת תיקיית המדיה של הכרטיס (%1) אינם מצוינים באף רשימת השמעה שבכרטיס: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>שטח פנוי בכרטיס: %1; כ-%2 בסיום.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>%1 (%2) יימחק: אף רשימת השמעה בכרטיס אינה מציינת אותו</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (מקודד ל-%3, כ-%4, במקום הקובץ הקיים בכרטיס בגודל %5)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (מקודד ל-%3, כ-%4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, במקום הקובץ הקיים בכרטיס בגודל %4)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>קבצים שיימחקו מהכרטיס (%2): %Ln, בגודל %1.</numerusform>
            <numerusform>%Ln קבצים, בגודל %1, יימחקו מהכרטיס (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>קבצים שהמקור שלהם השתנה וייווצרו מחדש בכרטיס (%2): %Ln, בגודל %1.</numerusform>
            <numerusform>%Ln קבצים שהמקור שלהם השתנה, בגודל %1, ייווצרו מחדש בכרטיס (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>קבצים שיקודדו ל-%2 וייכתבו לכרטיס (%3): %Ln, בגודל של כ-%1.</numerusform>
            <numerusform>%Ln קבצים, בגודל של כ-%1, יקודדו ל-%2 וייכתבו לכרטיס (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>הכרטיס (%1) אינו מכיל רשימת השמעה מסוג .asx, ולכן שום דבר לא נמחק ממנו: שום דבר בו אינו מציין מוזיקה כלשהי.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln מהקבצים לא קודד, מכיוון שלא ניתן לקרוא אותו כמוזיקה: %1</numerusform>
            <numerusform>%Ln קבצים לא קודדו, מכיוון שלא ניתן לקרוא אותם כמוזיקה: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>קבצים שנמחקו מהכרטיס (%2) כי אף רשימת השמעה בו אינה מציינת אותם: %Ln (%1).</numerusform>
            <numerusform>נמחקו מהכרטיס (%2) %Ln קבצים (%1) שאף רשימת השמעה בכרטיס אינה מציינת.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>קבצים שהמקור שלהם השתנה ונוצרו מחדש בכרטיס (%2): %Ln (%1).</numerusform>
            <numerusform>נוצרו מחדש בכרטיס (%2) %Ln קבצים שהמקור שלהם השתנה (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>קבצים שקודדו מ-%1 ל-%2 ונכתבו לכרטיס (%4): %Ln (%3).</numerusform>
            <numerusform>קודדו %Ln קבצים מ-%1 ל-%2 (%3) ונכתבו לכרטיס (%4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln מהקבצים לא נקרא במלואו במחשב זה, ולכן לא הועתק: %1</numerusform>
            <numerusform>%Ln קבצים לא נקראו במלואם במחשב זה, ולכן לא הועתקו: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>לא ניתן היה לקודד %Ln מהקבצים: %1</numerusform>
            <numerusform>לא ניתן היה לקודד %Ln קבצים: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>לא ניתן היה להעתיק %Ln מהקבצים; האחרים נמצאים בכרטיס.</numerusform>
            <numerusform>לא ניתן היה להעתיק %Ln קבצים; האחרים נמצאים בכרטיס.</numerusform>
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
        <translation>ממיר רשימות השמעה</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>המרת רשימות השמעה לרשימות השמעה מסוג ASX עבור Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>המרת רשימות השמעה של Windows Media Player עבור Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry ממיר רשימות השמעה (WPL של Windows Media Player, M3U ו-M3U8, PLS, XSPF, ASX ורשימות השמעה של Zune) לרשימות השמעה מסוג ASX 3.0 ש-Windows Media Player ב-Pocket PC מנגן מכרטיס זיכרון.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>בוחרים את רשימות ההשמעה, את סוג המדיה שיש לשמור (WMA, MP3, WAV או כל סוג אחר) ואת תיקיית המדיה בהתקן, שמכילה את המוזיקה. כל פריט מסוג זה מקוצר למיקומו מתחת לתיקיית המוזיקה ונכתב תחת תיקיית המדיה של ההתקן, קובץ .asx אחד לכל רשימת השמעה, בדף הקוד ANSI של ההתקן.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>הממיר לשורת הפקודה velandry-convert עושה את אותו הדבר ללא חלון.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>רשימות ההשמעה, התור, סוג המדיה והתיקיות</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>החלון הראשי וחלון האודות</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>the text ends before its markup does</source>
        <extracomment>An XML playlist whose text stops in the middle of a tag or element: the file is cut short.</extracomment>
        <translation>הטקסט מסתיים לפני שהסימון מסתיים</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>הערה לא נסגרה</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>מקטע CDATA לא נסגר</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>הוראת עיבוד לא נסגרה</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>הצהרה לא נסגרה</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>היה צפוי שם אחרי &quot;&lt;&quot;</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>היה צפוי &quot;&gt;&quot; אחרי שם של תג סוגר</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>לתכונה חסרים &quot;=&quot; וערך</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>ערך של תכונה אינו מוקף במירכאות</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>תג סוגר אינו תואם לרכיב שהוא סוגר</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>לא ניתן לקרוא את סימון ה-%1 שלה: תג בשורה %2 לא נסגר</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>סימון ה-%1 שלה אינו מכיל רכיב &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>לא ניתן לקרוא את סימון ה-%1 שלה: שורה %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>זוהי תיקייה, לא רשימת השמעה</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>זה אינו קובץ רגיל</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>הפלט היה מחליף את רשימת ההשמעה עצמה</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>קיימת במקום זה תיקייה באותו שם</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>הקובץ מוגן מפני כתיבה</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>ההפניות של רשימת השמעה זו חופפות והיו יוצרות קובץ גדול מ-4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>רשימת ההשמעה אינה בקידוד UTF-8, והיא גדולה מכדי להמיר אותה בזיכרון שיש למחשב זה</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>תוכנית אחרת שינתה את רשימת ההשמעה בזמן שנקראה; לא נכתב עבורה דבר, יש להמיר אותה שוב</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>שם הקובץ אינו UTF-8 תקין, ולכן לא ניתן לפתוח אותו; יש לשנות את שמו, למשל באמצעות &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>זו אינה רשימת השמעה מסוג שהתוכנה יכולה לקרוא (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>הצהרת ה-XML שלה מציינת את הקידוד &quot;%1&quot;, שהתוכנה אינה יכולה לקרוא</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>הפלט שלה, %1, כבר נכתב מתוך %2 בהרצה זו; יש לשנות את השם של אחת משתי רשימות ההשמעה</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>לא ניתן היה לקרוא את הקובץ</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>לא ניתן היה לכתוב את הקובץ</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 ועוד %Ln</numerusform>
            <numerusform>%1 ועוד %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: אינה בקידוד UTF-8, ונקראה לפי דף הקוד %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln מתוך %2 פריטים מכיל תווים שמחוץ לדף הקוד %3, והם נכתבו כ-&quot;?&quot;</numerusform>
            <numerusform>%1: %Ln מתוך %2 פריטים מכילים תווים שמחוץ לדף הקוד %3, והם נכתבו כ-&quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln הוא כתובת אינטרנט</numerusform>
            <numerusform>%Ln כתובות אינטרנט</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln מחוץ לתיקיית המוזיקה</numerusform>
            <numerusform>%Ln מחוץ לתיקיית המוזיקה</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: הושמט %Ln מתוך %2 פריטים: %3</numerusform>
            <numerusform>%1: הושמטו %Ln מתוך %2 פריטים: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln מתוך %2 פריטים לא יוכל להתנגן בהתקן לעולם: %3</numerusform>
            <numerusform>%1: %Ln מתוך %2 פריטים לא יוכלו להתנגן בהתקן לעולם: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: לא ניתן היה לקרוא את הכרטיס (%2), ולכן לא נבדק אם הפריטים נמצאים בו</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln מתוך %2 פריטים אינו נמצא בכרטיס (%3): %4</numerusform>
            <numerusform>%1: %Ln מתוך %2 פריטים אינם נמצאים בכרטיס (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln מתוך %2 פריטים חוצה את תגי הסימון של רשימת ההשמעה ואינו מציין קובץ אמיתי</numerusform>
            <numerusform>%1: %Ln מתוך %2 פריטים חוצים את תגי הסימון של רשימת ההשמעה ואינם מציינים קובץ אמיתי</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>דף הקוד ANSI של המערכת</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>דף הקוד ANSI של האזור של המשתמש; דף הקוד %1 של המערכת אינו דף קוד ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>דף הקוד %1 של המערכת אינו דף קוד ANSI, וגם לאזור של המשתמש אין דף קוד כזה</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>מתוך האזור %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>לא הוגדר אזור</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(אורך הנתיב בבתים: %Ln)</numerusform>
            <numerusform>(נתיב באורך %Ln בתים)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln מחוץ לתיקיית המוזיקה (יש לציין אותה באמצעות --music-root)</numerusform>
            <numerusform>%Ln מחוץ לתיקיית המוזיקה (יש לציין אותה באמצעות --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln מסוג מדיה אחר</numerusform>
            <numerusform>%Ln מסוג מדיה אחר</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln מהפריטים הוא קובץ %2 שההתקן אינו יכול לנגן: יש להוסיף --transcode</numerusform>
            <numerusform>%1: %Ln פריטים הם קובצי %2 שההתקן אינו יכול לנגן: יש להוסיף --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln מהפריטים הוא קובץ %2 שההתקן אינו יכול לנגן</numerusform>
            <numerusform>%1: %Ln פריטים הם קובצי %2 שההתקן אינו יכול לנגן</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>מבטל…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>ממיר את %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>נכתבו %1 מתוך %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>נקראו %1 מתוך %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>מעתיק את %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>מקודד את %1</translation>
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
        <translation>נא לבחור</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>תיקיית רשימות:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>הרשימה מכילה:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>רשימות Windows Media Player 9</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>רשימות השמעה להמרה</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>תיקיית פלט:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>תיקיית מדיה:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;המרה</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>רשימת ההשמעה מכילה</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>בחירת תיקיית רשימות ההשמעה</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>הוספה לתור</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>הסרה מהתור</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>בחירת תיקיית הפלט</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>לא ניתן להציג את תוכן תיקיית רשימות ההשמעה &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>היא אינה קיימת או שאינה תיקייה.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>נא לבחור סוג מדיה<byte value="xd"/>
לדוגמה: WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>הכול הושלם</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>קבצים שנכתבו לפני כן: %Ln.</numerusform>
            <numerusform>לפני כן נכתבו %Ln קבצים.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>לא ניתן היה לקרוא את &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>לא ניתן היה לכתוב את &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>יש לבחור את תיקיית רשימות ההשמעה</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>יש לבחור את תיקיית הפלט</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>&quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>&quot;%1&quot; אינו רשימת השמעה שניתן לקרוא (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>&quot;%1&quot; אינו נמצא בתיקייה של רשימות ההשמעה האחרות, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>להעתיק לכרטיס את המוזיקה שרשימות ההשמעה מציינות?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>העתקה</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>לא להעתיק</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>לסנכרן את הכרטיס עם המוזיקה שבמחשב זה?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>ליצור מחדש את הקבצים שהמקור שלהם השתנה (%Ln)</numerusform>
            <numerusform>ליצור מחדש את %Ln הקבצים שהמקור שלהם השתנה</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>למחוק את הקבצים שתחת תיקיית המדיה ושאף רשימת השמעה בכרטיס אינה מציינת (%Ln)</numerusform>
            <numerusform>למחוק את %Ln הקבצים שתחת תיקיית המדיה ושאף רשימת השמעה בכרטיס אינה מציינת</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln מהקבצים לא נוסף לתור.</numerusform>
            <numerusform>%Ln קבצים לא נוספו לתור.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>עדכון</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>לא לעדכן</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>אתר האינטרנט של Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>יש ללחוץ כאן לקבלת עדכונים</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>נא לבקר באתר לעדכונים, שאלות נפוצות ועזרה</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>היסטוריית גרסאות</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;סגירה</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, תוכנה חינמית</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>תרומה</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>תמיכה בפיתוח עתידי</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>אם לדעתך התוכנה שווה שימוש, נשמח לעזרתך בפיתוחים עתידיים</translation>
    </message>
</context>
</TS>
