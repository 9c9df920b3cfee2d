<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>แปลงรายการเล่น (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) เป็นรายการเล่น ASX สำหรับ Windows Media Player บน Pocket PC โดยเก็บไว้เฉพาะรายการของชนิดสื่อชนิดเดียว</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>ชนิดสื่อที่จะเก็บไว้ โดยไม่ต้องใส่จุดนำหน้า (WMA, MP3, WAV, ...)</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>โฟลเดอร์บนอุปกรณ์ที่จะเขียนไว้หน้าทุกเส้นทาง (ค่าเริ่มต้น %1)</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>โฟลเดอร์สำหรับไฟล์ .asx (ค่าเริ่มต้น: โฟลเดอร์ของรายการเล่นแต่ละรายการเอง)</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>โค้ดเพจ ANSI ของไฟล์ .asx และของรายการเล่นที่ไม่ใช่ UTF-8: %1 (ระบุในรูป cp1250 หรือ windows-1250 ก็ได้) ค่าเริ่มต้นบนเครื่องนี้: %2, %3</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>โฟลเดอร์เพลงที่รายการเล่นชนิดอื่นนอกจาก WPL ใช้อ้างถึงไฟล์ของตน โดยเขียนตามที่รายการเล่นเขียนไว้ (/home/ana/Music, &apos;D:\Music&apos;): เส้นทางของรายการที่อยู่ภายใต้โฟลเดอร์นี้จะถูกตัดตรงจุดนั้น (ค่าเริ่มต้น: ตามกฎในหน้าคู่มือ)</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>การ์ดหน่วยความจำตามที่ระบบนี้มองเห็น (/media/ana/CARD, E:\): จะค้นหาแต่ละรายการบนการ์ดนี้ และแจ้งรายการที่ไม่พบ (ค่าเริ่มต้น: ไดรฟ์ข้อมูลของโฟลเดอร์ผลลัพธ์ ในกรณีที่เป็นการ์ดที่มีโฟลเดอร์สื่ออยู่)</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>ไม่แสดงข้อความใดๆ สำหรับรายการเล่นที่แปลงได้โดยไม่มีปัญหา</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>รายการเล่นที่จะแปลง</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>ใช้ &apos;--help&apos; เพื่อดูข้อมูลเพิ่มเติม</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>ไม่ได้ระบุชนิดสื่อ (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>ไม่ได้ระบุรายการเล่น</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>ไม่รู้จักโค้ดเพจ %1 (โค้ดเพจ ANSI ที่ใช้ได้ ได้แก่ %2)</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>โปรดเลือกชนิดสื่อ
เช่น WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>ไม่พบโฟลเดอร์ผลลัพธ์ %1</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>ไม่พบการ์ด %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln รายการ)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>คำเตือน: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>หลังจากแปลงรายการเล่นแล้ว ให้คัดลอกไฟล์ที่รายการเล่นอ้างถึงแต่ยังไม่มีบนการ์ดลงในการ์ด โดยวางแต่ละไฟล์ไว้ในตำแหน่งที่อุปกรณ์จะเปิด และนำมาจากตำแหน่งที่รายการเล่นระบุ หรือจากภายใต้โฟลเดอร์รากของเพลง (--music-root หรือหากไม่ได้ระบุ จะใช้โฟลเดอร์เพลงของผู้ใช้)</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>ไม่เขียนสิ่งใดเลย (ไม่มีรายการเล่น ไม่มีเพลง ไม่มีโฟลเดอร์): แสดงเฉพาะสิ่งที่จะทำ</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>ปรับการ์ดให้ตรงกับเพลงบนเครื่องนี้ (เหมือน --copy-music และมากกว่านั้น): ไฟล์บนการ์ดที่ต้นฉบับบนเครื่องนี้เปลี่ยนไปจะถูกสร้างใหม่ในตำแหน่งเดิม ส่วนไฟล์ที่ใหม่กว่าต้นฉบับจะไม่ถูกสร้างใหม่เลย</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>ลบเพลงที่อยู่ภายใต้โฟลเดอร์สื่อบนการ์ดซึ่งไม่มีรายการเล่น .asx ใดบนการ์ดอ้างถึง (จะไม่ลบสิ่งใดหากการ์ดไม่มีไฟล์ .asx เลย และจะไม่ลบสิ่งอื่นนอกจากเพลง)</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>นำไฟล์เพลงทุกไฟล์ที่รายการเล่นอ้างถึงลงในการ์ด (เหมือนที่ --copy-music ทำ) เพื่อให้เล่นได้ทุกไฟล์: ไฟล์ที่อุปกรณ์เล่นได้ (MP3, WMA, WAV 16 บิต) จะคัดลอกตามเดิม ส่วนไฟล์อื่น (FLAC, M4A, Ogg, Opus, ...) จะเข้ารหัสเป็นชนิดสื่อ ซึ่งในกรณีนี้ต้องเป็น mp3, wma หรือ wav</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>บิตเรตของไฟล์ที่ --transcode เข้ารหัสเป็น MP3 หรือ WMA หน่วยเป็น kbit/s (ค่าเริ่มต้น 128)</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>จำนวนไฟล์ที่ --transcode เข้ารหัสพร้อมกัน (ค่าเริ่มต้น: จำนวนคอร์ของโปรเซสเซอร์ ซึ่งบนเครื่องนี้คือ %1)</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode เข้ารหัสเป็น mp3, wma หรือ wav เท่านั้น แต่ -t %1 ไม่ใช่ชนิดใดในนั้น</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate ต้องเป็นจำนวน kbit/s ตั้งแต่ 32 ถึง 320 ไม่ใช่ %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs ต้องเป็นตัวเลขตั้งแต่ 1 ถึง 256 ไม่ใช่ %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 ต้องใช้การ์ด: ระบุการ์ดด้วย --card DIR หรือเขียนรายการเล่นลงในการ์ดด้วย --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>กำลังคัดลอกไฟล์ที่ %1 จาก %Ln ไฟล์ (%2 จาก %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>ไฟล์ที่รายการเล่นอ้างถึงจำนวน %Ln ไฟล์ไม่มีอยู่บนการ์ด (%1): ขนาดรวม %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>พื้นที่ว่างบนการ์ด: %1</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>จะคัดลอก %Ln ไฟล์ (%1) ลงในการ์ด (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>ระบบไฟล์ของการ์ดไม่ได้แจ้งว่ามีพื้นที่ว่างเหลืออยู่เท่าใด</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln รายการไม่มีอยู่บนคอมพิวเตอร์เครื่องนี้เช่นกัน: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>ไม่ได้คัดลอก %Ln ไฟล์ เนื่องจากระบบไฟล์ FAT ของการ์ดไม่สามารถเก็บไฟล์ขนาด 4 GiB ขึ้นไปได้: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>ไม่ได้คัดลอก %Ln รายการ เนื่องจากบนเครื่องนี้ไม่มีไฟล์ปกติของชนิดสื่อนี้ที่มีชื่อตรงกัน หรือบนการ์ดมีไฟล์ที่มีชื่อเดียวกับโฟลเดอร์ของรายการนั้น: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>ไม่ได้คัดลอก %Ln ไฟล์ เนื่องจากมีโฟลเดอร์บนเส้นทางที่เป็นลิงก์ซึ่งชี้ออกไปนอกการ์ด: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>คัดลอก %Ln ไฟล์ (%1) ลงในการ์ด (%2) แล้ว</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>การ์ด (%1) มีพื้นที่ไม่พอสำหรับเพลง: ต้องคัดลอก %2 แต่มีพื้นที่ว่าง %3 จึงไม่ได้คัดลอกสิ่งใด</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>ไม่สามารถเขียนไฟล์ได้</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>ไม่สามารถคัดลอก %1 ได้: %2 ไฟล์ที่คัดลอกไปก่อนหน้านั้นยังคงสมบูรณ์</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>หยุดการคัดลอกแล้ว ไฟล์ที่คัดลอกไปก่อนหน้านี้ยังคงสมบูรณ์</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>ข้อมูลบนการ์ดเป็นปัจจุบันแล้ว</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 ที่ %2 kbit/s</translation>
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
            <numerusform>เข้ารหัส %Ln รายการที่เป็นไฟล์ %1 ซึ่งอุปกรณ์เล่นไม่ได้ เป็น %2 ด้วย</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>กำลังคัดลอกและเข้ารหัสไฟล์ที่ %1 จาก %Ln ไฟล์ (%2 จากประมาณ %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>ในจำนวนนี้ %Ln ไฟล์จะถูกเข้ารหัสเป็น %1 ระหว่างการคัดลอก</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>ไฟล์บนการ์ด (%1) ที่ต้นฉบับเปลี่ยนไปจำนวน %Ln ไฟล์สามารถสร้างใหม่ได้: ขนาด %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>ไฟล์ภายใต้โฟลเดอร์สื่อของการ์ด (%1) จำนวน %Ln ไฟล์ไม่มีรายการเล่นใดบนการ์ดอ้างถึง: ขนาด %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>พื้นที่ว่างบนการ์ด: %1 และจะเหลือประมาณ %2 เมื่อเสร็จ</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>จะลบ %1 (%2): ไม่มีรายการเล่นใดบนการ์ดอ้างถึงไฟล์นี้</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (เข้ารหัสเป็น %3 ประมาณ %4 แทนที่ไฟล์ขนาด %5 บนการ์ด)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (เข้ารหัสเป็น %3 ประมาณ %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3 แทนที่ไฟล์ขนาด %4 บนการ์ด)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>จะลบ %Ln ไฟล์ (%1) ออกจากการ์ด (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>จะสร้างไฟล์ที่ต้นฉบับเปลี่ยนไป %Ln ไฟล์ (%1) ขึ้นใหม่บนการ์ด (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>จะเข้ารหัส %Ln ไฟล์ (ประมาณ %1) เป็น %2 ลงในการ์ด (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>การ์ด (%1) ไม่มีรายการเล่น .asx จึงไม่ได้ลบสิ่งใดออกจากการ์ด: ไม่มีสิ่งใดบนการ์ดที่อ้างถึงเพลงใดเลย</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>ไม่ได้เข้ารหัส %Ln ไฟล์ เนื่องจากไม่สามารถอ่านเป็นเพลงได้: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>ลบ %Ln ไฟล์ (%1) ที่ไม่มีรายการเล่นใดบนการ์ดอ้างถึงออกจากการ์ด (%2) แล้ว</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>สร้างไฟล์ที่ต้นฉบับเปลี่ยนไป %Ln ไฟล์ (%1) ขึ้นใหม่บนการ์ด (%2) แล้ว</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>เข้ารหัส %Ln ไฟล์จาก %1 เป็น %2 (%3) ลงในการ์ด (%4) แล้ว</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>ไม่สามารถอ่าน %Ln ไฟล์บนเครื่องนี้ได้ครบถ้วน จึงไม่ได้คัดลอก: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>ไม่สามารถเข้ารหัส %Ln ไฟล์ได้: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>ไม่สามารถคัดลอก %Ln ไฟล์ได้ ไฟล์อื่นๆ อยู่บนการ์ดแล้ว</numerusform>
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
        <translation>ตัวแปลงรายการเล่น</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>แปลงรายการเล่นเป็นรายการเล่น ASX สำหรับ Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>แปลงรายการเล่นของ Windows Media Player สำหรับ Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry แปลงรายการเล่น (WPL ของ Windows Media Player, M3U และ M3U8, PLS, XSPF, ASX และรายการเล่นของ Zune) เป็นรายการเล่น ASX 3.0 ที่ Windows Media Player บน Pocket PC เล่นได้จากการ์ดหน่วยความจำ</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>เลือกรายการเล่น ชนิดสื่อที่จะเก็บไว้ (WMA, MP3, WAV หรือชนิดอื่นใด) และโฟลเดอร์บนอุปกรณ์ที่เก็บเพลง การอ้างอิงทุกรายการของชนิดนั้นจะถูกตัดให้เหลือเพียงตำแหน่งภายใต้โฟลเดอร์เพลง แล้วเขียนไว้ใต้โฟลเดอร์เพลงของอุปกรณ์ เป็นไฟล์ .asx หนึ่งไฟล์ต่อรายการเล่นหนึ่งรายการ ในโค้ดเพจ ANSI ของอุปกรณ์</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>ตัวแปลงแบบบรรทัดคำสั่ง velandry-convert ทำงานเดียวกันนี้ได้โดยไม่ต้องเปิดหน้าต่าง</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>รายการเล่น คิว ชนิดสื่อ และโฟลเดอร์</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>หน้าต่างหลักและหน้าต่างเกี่ยวกับโปรแกรม</translation>
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
        <translation>ข้อความสิ้นสุดก่อนที่มาร์กอัปจะสิ้นสุด</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>มีข้อคิดเห็นที่ไม่ได้ปิด</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>มีส่วน CDATA ที่ไม่ได้ปิด</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>มีคำสั่งการประมวลผลที่ไม่ได้ปิด</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>มีการประกาศที่ไม่ได้ปิด</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>ต้องมีชื่อต่อจาก &quot;&lt;&quot;</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>ต้องมี &quot;&gt;&quot; ต่อจากชื่อของแท็กปิด</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>แอตทริบิวต์ไม่มี &quot;=&quot; และค่า</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>ค่าของแอตทริบิวต์ไม่ได้อยู่ในเครื่องหมายอัญประกาศ</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>แท็กปิดไม่ตรงกับองค์ประกอบที่แท็กนั้นปิด</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>ไม่สามารถอ่านมาร์กอัป %1 ได้: แท็กในบรรทัดที่ %2 ไม่ได้ถูกปิด</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>มาร์กอัป %1 ไม่มีองค์ประกอบ &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>ไม่สามารถอ่านมาร์กอัป %1 ได้: บรรทัดที่ %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>นี่คือโฟลเดอร์ ไม่ใช่รายการเล่น</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>นี่ไม่ใช่ไฟล์ปกติ</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>ผลลัพธ์จะเขียนทับตัวรายการเล่นเอง</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>มีโฟลเดอร์ชื่อเดียวกันนี้ขวางอยู่</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>ไฟล์ได้รับการป้องกันการเขียน</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>การอ้างอิงในรายการเล่นนี้ซ้อนทับกัน และจะทำให้ได้ไฟล์ที่ใหญ่กว่า 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>รายการเล่นไม่ใช่ UTF-8 และมีขนาดใหญ่เกินกว่าจะแปลงได้ด้วยหน่วยความจำของคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>โปรแกรมอื่นเปลี่ยนแปลงรายการเล่นขณะที่กำลังอ่าน จึงไม่ได้เขียนสิ่งใดสำหรับรายการเล่นนี้ โปรดแปลงอีกครั้ง</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>ชื่อไฟล์ไม่ใช่ UTF-8 ที่ถูกต้อง จึงไม่สามารถเปิดได้ โปรดเปลี่ยนชื่อ เช่น ด้วย &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>ไม่ใช่รายการเล่นชนิดที่โปรแกรมนี้อ่านได้ (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>การประกาศ XML ระบุการเข้ารหัส “%1” ซึ่งโปรแกรมนี้อ่านไม่ได้</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>ผลลัพธ์ %1 ถูกเขียนจาก %2 ไปแล้วในการแปลงครั้งนี้ โปรดเปลี่ยนชื่อรายการเล่นรายการใดรายการหนึ่งในสองรายการนี้</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>ไม่สามารถอ่านไฟล์ได้</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>ไม่สามารถเขียนไฟล์ได้</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 และอีก %Ln รายการ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: ไม่ใช่ UTF-8 จึงอ่านเป็นโค้ดเพจ %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln จาก %2 รายการมีอักขระที่อยู่นอกโค้ดเพจ %3 ซึ่งเขียนเป็น &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>ที่อยู่เว็บ %Ln รายการ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>อยู่นอกโฟลเดอร์เพลง %Ln รายการ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: ข้าม %Ln จาก %2 รายการ: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln จาก %2 รายการจะไม่สามารถเล่นบนอุปกรณ์ได้เลย: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: ไม่สามารถอ่านการ์ด (%2) ได้ จึงไม่ได้ค้นหารายการต่างๆ บนการ์ด</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln จาก %2 รายการไม่มีอยู่บนการ์ด (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln จาก %2 รายการถูกตัดคร่อมมาร์กอัปของรายการเล่น และไม่ได้อ้างถึงไฟล์ที่มีอยู่จริง</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>โค้ดเพจ ANSI ของระบบ</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>โค้ดเพจ ANSI ของโลแคลของผู้ใช้ เนื่องจากโค้ดเพจ %1 ของระบบไม่ใช่โค้ดเพจ ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>โค้ดเพจ %1 ของระบบไม่ใช่โค้ดเพจ ANSI และโลแคลของผู้ใช้ก็ไม่มีโค้ดเพจ ANSI</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>จากโลแคล %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>ไม่ได้ตั้งค่าโลแคลไว้</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(เส้นทางขนาด %Ln ไบต์)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>อยู่นอกโฟลเดอร์เพลง %Ln รายการ (ระบุโฟลเดอร์ด้วย --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>เป็นสื่อชนิดอื่น %Ln รายการ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln รายการเป็นไฟล์ %2 ที่อุปกรณ์เล่นไม่ได้: เพิ่ม --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln รายการเป็นไฟล์ %2 ที่อุปกรณ์เล่นไม่ได้</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>กำลังยกเลิก…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>กำลังแปลง %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>เขียนแล้ว %1 จาก %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>อ่านแล้ว %1 จาก %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>กำลังคัดลอก %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>กำลังเข้ารหัส %1</translation>
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
        <translation>โปรดเลือก</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ไฟล์(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ออก(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>วิธีใช้(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>เกี่ยวกับ(&amp;A)</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>ที่เก็บรายการเล่น:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>รายการเล่นมี:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>รายการเล่นในโฟลเดอร์</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>รายการเล่นที่จะแปลง</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>ที่เก็บผลลัพธ์:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>ที่เก็บสื่อ:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>แปลง(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>ออก(&amp;Q)</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>รายการเล่นมี</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>เลือกโฟลเดอร์รายการเล่น</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>เพิ่มลงในคิว</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>นำออกจากคิว</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>เลือกโฟลเดอร์ผลลัพธ์</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>ไม่สามารถแสดงรายการในโฟลเดอร์รายการเล่น “%1” ได้</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>สิ่งที่ระบุไม่มีอยู่ หรือไม่ใช่โฟลเดอร์</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>โปรดเลือกชนิดสื่อ<byte value="xd"/>
เช่น WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>เสร็จเรียบร้อย</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>ก่อนหน้านั้นได้เขียนไฟล์ไปแล้ว %Ln ไฟล์</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>ไม่สามารถอ่าน “%1” ได้</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>ไม่สามารถเขียน “%1” ได้</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>เลือกโฟลเดอร์รายการเล่นของคุณ</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>เลือกโฟลเดอร์ผลลัพธ์</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>“%1” ไม่ใช่รายการเล่นที่อ่านได้ (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>“%1” ไม่ได้อยู่ในโฟลเดอร์เดียวกับไฟล์อื่นๆ ซึ่งคือ %2</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>คุณต้องการคัดลอกเพลงที่รายการเล่นอ้างถึงลงในการ์ดหรือไม่</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>ไม่คัดลอก</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>คุณต้องการปรับการ์ดให้ตรงกับเพลงบนคอมพิวเตอร์เครื่องนี้หรือไม่</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>สร้างไฟล์ที่ต้นฉบับเปลี่ยนไป %Ln ไฟล์ขึ้นใหม่</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>ลบ %Ln ไฟล์ภายใต้โฟลเดอร์สื่อที่ไม่มีรายการเล่นใดบนการ์ดอ้างถึง</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>ไม่ได้เพิ่ม %Ln ไฟล์ลงในคิว</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>ไม่อัปเดต</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>เว็บไซต์ Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>คลิกที่นี่เพื่อรับการอัปเดต</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>โปรดเยี่ยมชมเพื่อรับอัปเดต คำถามที่พบบ่อย และวิธีใช้</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>ประวัติการปรับปรุง</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>ปิด(&amp;C)</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry ฟรีแวร์</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>บริจาค</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>ช่วยสนับสนุนการพัฒนาในอนาคต</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>หากคุณเห็นว่าซอฟต์แวร์นี้คุ้มค่าแก่การใช้งาน โปรดช่วยสนับสนุนการพัฒนาในอนาคต</translation>
    </message>
</context>
</TS>
