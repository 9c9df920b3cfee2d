<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>將播放清單 (WPL、ZPL、M3U、M3U8、PLS、XSPF、ASX、WAX、WVX) 轉換為 Pocket PC 版 Windows Media Player 使用的 ASX 播放清單，只保留一種媒體類型的項目。</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>要保留的媒體類型，不含前面的句點 (WMA、MP3、WAV 等)。</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>裝置上的資料夾，會寫在每個路徑的前面 (預設為 %1)。</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>.asx 檔案的輸出資料夾 (預設：各播放清單所在的資料夾)。</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>.asx 檔案以及非 UTF-8 播放清單所用的 ANSI 字碼頁：%1 (也可寫成 cp1250 或 windows-1250)。此處的預設值：%2，%3。</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>WPL 以外的播放清單在記錄檔案位置時所用的音樂資料夾，請依播放清單中的寫法指定 (/home/ana/Music、&apos;D:\Music&apos;)：位於其下的項目會從該處截斷 (預設：依照手冊頁中的規則)。</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>從本系統看到的儲存卡 (/media/ana/CARD、E:\)：會在卡上尋找每個項目，並列出不在卡上的項目 (預設：輸出資料夾所在的磁碟區，前提是該磁碟區是包含媒體資料夾的儲存卡)。</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>順利轉換的播放清單不顯示任何訊息。</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>要轉換的播放清單。</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>如需詳細資訊，請嘗試使用「--help」。</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>未指定媒體類型 (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>未指定播放清單</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>不明的字碼頁 %1；可用的 ANSI 字碼頁為 %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>請選擇媒體類型
例如 WMA、MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>輸出資料夾 %1 不存在</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>儲存卡 %1 不存在</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln 個項目)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>轉換播放清單後，將播放清單中列出但儲存卡上沒有的檔案複製到卡上，各自放在裝置開啟它們的位置；來源為播放清單中記錄的位置，或音樂根資料夾 (--music-root，未指定時為使用者的音樂資料夾) 之下。</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>完全不寫入任何內容 (不寫入播放清單、音樂或資料夾)：只顯示將會執行的動作。</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>讓儲存卡與這部電腦上的音樂保持同步 (包含 --copy-music 的所有功能)：如果卡上某個檔案的來源檔案在這部電腦上已變更，就在原位置重新產生該檔案；比來源檔案新的檔案絕不會重新產生。</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>刪除儲存卡上媒體資料夾下、未被卡上任何 .asx 播放清單列出的音樂 (卡上沒有 .asx 時不刪除任何內容，且只刪除音樂)。</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>將播放清單中列出的每個音樂檔案都放到儲存卡上 (與 --copy-music 相同)，讓每個檔案都能播放：裝置能播放的檔案 (MP3、WMA、16 位元 WAV) 依原樣複製，其餘檔案 (FLAC、M4A、Ogg、Opus 等) 編碼為指定的媒體類型，此時媒體類型必須是 mp3、wma 或 wav。</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>--transcode 編碼為 MP3 或 WMA 時的位元速率，單位為 kbit/s (預設為 128)。</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>--transcode 同時編碼的檔案數 (預設：處理器的核心數，此處為 %1)。</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode 只能編碼為 mp3、wma 或 wav；-t %1 不屬於其中任何一種</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate 需要 32 到 320 之間的 kbit/s 數值，而不是 %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs 需要 1 到 256 之間的數字，而不是 %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 需要儲存卡：請以 --card DIR 指定儲存卡，或以 --output-folder DIR 將播放清單寫到儲存卡上</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>正在複製第 %1 個檔案 (共 %Ln 個)，已複製 %2，共 %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>播放清單中列出的檔案有 %Ln 個不在儲存卡 (%1) 上：共 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>儲存卡上的可用空間為 %1。</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>將會把 %Ln 個檔案 (%1) 複製到儲存卡 (%2)。</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>儲存卡的檔案系統未提供可用空間資訊。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln 個項目在這部電腦上也不存在：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln 個檔案未複製，因為儲存卡的 FAT 檔案系統無法存放 4 GiB 或更大的檔案：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln 個項目未複製，因為這部電腦上沒有該名稱的此媒體類型一般檔案，或是儲存卡上有與其資料夾同名的檔案：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln 個檔案未複製，因為其路徑中的某個資料夾是指向儲存卡以外的連結：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>已將 %Ln 個檔案 (%1) 複製到儲存卡 (%2)。</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>儲存卡 (%1) 空間不足，無法容納這些音樂：需複製 %2，可用 %3；未複製任何檔案。</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>寫入失敗</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>無法複製 %1：%2；在此之前複製的檔案都是完整的。</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>複製已停止；先前複製的檔案都是完整的。</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>儲存卡已是最新狀態。</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%2 kbit/s 的 %1</translation>
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
            <numerusform>同時將裝置無法播放的 %1 檔案 (%Ln 個項目) 編碼為 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>正在複製並編碼第 %1 個檔案 (共 %Ln 個)，已處理 %2，共約 %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>其中 %Ln 個檔案會在複製過程中編碼為 %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>儲存卡 (%1) 上有 %Ln 個檔案的來源檔案已變更，可重新產生：共 %2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>儲存卡 (%1) 的媒體資料夾下有 %Ln 個檔案未被卡上任何播放清單列出：共 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>儲存卡上的可用空間為 %1；完成後約為 %2。</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>將會刪除 %1 (%2)：卡上沒有任何播放清單列出此檔案</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (編碼為 %3，約 %4，取代卡上原有的 %5 檔案)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (編碼為 %3，約 %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3，取代卡上原有的 %4 檔案)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>將會從儲存卡 (%2) 刪除 %Ln 個檔案 (%1)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>將會在儲存卡 (%2) 上重新產生 %Ln 個來源檔案已變更的檔案 (%1)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>將會把 %Ln 個檔案 (約 %1) 編碼為 %2 並寫入儲存卡 (%3)。</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>儲存卡 (%1) 上沒有 .asx 播放清單，卡上沒有任何內容列出音樂，因此並未從卡上刪除任何檔案。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln 個檔案未編碼，因為無法將其當作音樂讀取：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>已從儲存卡 (%2) 刪除 %Ln 個未被卡上任何播放清單列出的檔案 (%1)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>已在儲存卡 (%2) 上重新產生 %Ln 個來源檔案已變更的檔案 (%1)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>已將 %Ln 個檔案從 %1 編碼為 %2 (%3) 並寫入儲存卡 (%4)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln 個檔案無法在這部電腦上完整讀取，因此未複製：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln 個檔案無法編碼：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>%Ln 個檔案未能放到儲存卡上；其他檔案已在卡上。</numerusform>
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
        <translation>播放清單轉換器</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>將播放清單轉換為適用於 Pocket PC 的 ASX 播放清單</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>為 Pocket PC 轉換 Windows Media Player 播放清單</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry 可將播放清單 (Windows Media Player 的 WPL、M3U 和 M3U8、PLS、XSPF、ASX 以及 Zune 播放清單) 轉換為 ASX 3.0 播放清單，讓 Pocket PC 版 Windows Media Player 從儲存卡播放。</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>選擇播放清單、要保留的媒體類型 (WMA、MP3、WAV 或其他任何類型)，以及裝置上存放音樂的資料夾。該類型的每個參照都會截取為其在音樂資料夾下的位置，並寫到裝置的音樂資料夾之下；每個播放清單產生一個 .asx 檔案，使用裝置的 ANSI 字碼頁。</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>命令列轉換工具 velandry-convert 不需視窗即可完成相同的工作。</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>播放清單、佇列、媒體類型和資料夾</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>主視窗和「關於」視窗</translation>
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
        <translation>文字在標籤或元素結束之前就已中斷</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>註解未結束</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>CDATA 區段未結束</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>處理指示未結束</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>宣告未結束</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>「&lt;」之後應為名稱</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>結束標籤的名稱之後應為「&gt;」</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>屬性缺少「=」和值</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>屬性值未以引號括住</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>結束標籤與其所結束的元素不相符</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>無法讀取其 %1 標記：第 %2 行的標籤未結束</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>其 %1 標記中沒有 &lt;ASX&gt; 元素</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>無法讀取其 %1 標記：第 %2 行：%3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>這是資料夾，不是播放清單</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>這不是一般檔案</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>輸出檔案會取代播放清單本身</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>已有同名的資料夾</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>該檔案有防寫保護</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>此播放清單中的參照互相重疊，產生的檔案會大於 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>該播放清單不是 UTF-8 編碼，而且太大，無法在這部電腦的記憶體中轉換</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>讀取播放清單期間，另一個程式變更了它；並未為其寫入任何內容，請重新轉換</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>其名稱不是有效的 UTF-8，因此無法開啟；請重新命名，例如使用「convmv -f latin1 -t utf8 --notest」</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>這不是此處能讀取的播放清單類型 (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>其 XML 宣告指定的編碼「%1」在此無法讀取</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>其輸出檔案 %1 已在這次執行中由 %2 寫入；請將這兩個播放清單的其中一個重新命名</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>無法讀取該檔案</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>無法寫入該檔案</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 及其他 %Ln 個</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1：不是 UTF-8，已依字碼頁 %2 讀取</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1：%2 個項目中有 %Ln 個含有字碼頁 %3 以外的字元，已寫成「?」</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln 個網址</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln 個位於音樂資料夾之外</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1：%2 個項目中有 %Ln 個已略過：%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1：%2 個項目中有 %Ln 個永遠無法在裝置上播放：%3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1：無法讀取儲存卡 (%2)，因此未在卡上尋找其項目</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1：%2 個項目中有 %Ln 個不在儲存卡 (%3) 上：%4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1：%2 個項目中有 %Ln 個在擷取時跨越了播放清單的標記，並未指向實際存在的檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>系統的 ANSI 字碼頁</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>使用者地區設定的 ANSI 字碼頁；系統的字碼頁 %1 不是 ANSI 字碼頁</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>系統的字碼頁 %1 不是 ANSI 字碼頁，使用者的地區設定也沒有 ANSI 字碼頁</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>來自地區設定 %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>未設定地區設定</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(長度為 %Ln 位元組的路徑)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln 個位於音樂資料夾之外 (請以 --music-root 指定音樂資料夾)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln 個屬於其他媒體類型</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1：%Ln 個項目是裝置無法播放的 %2 檔案：請加上 --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1：%Ln 個項目是裝置無法播放的 %2 檔案</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>正在轉換 %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>已寫入 %1，共 %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>已讀取 %1，共 %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>正在複製 %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>正在編碼 %1</translation>
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
        <translation>請選擇</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>播放清單位置：</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>媒體類型：</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>資料夾中的播放清單</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>要轉換的播放清單</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>輸出位置：</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>媒體位置：</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>轉換(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>媒體類型</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>選擇播放清單資料夾</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>加入佇列</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>從佇列中移除</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>選擇輸出資料夾</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>無法列出播放清單資料夾「%1」的內容。</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>該路徑不存在，或者不是資料夾。</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>請選擇媒體類型<byte value="xd"/>
例如 WMA、MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>全部完成</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>在此之前已寫入 %Ln 個檔案。</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>無法讀取「%1」。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>無法寫入「%1」。</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>請選擇播放清單資料夾</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>請選擇輸出資料夾</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>「%1」：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>「%1」不是可讀取的播放清單 (%2)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>「%1」與其他檔案不在同一個資料夾 (%2) 中。</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>是否要將播放清單中列出的音樂複製到儲存卡？</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>複製</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>不要複製</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>是否要讓儲存卡與這部電腦上的音樂保持同步？</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>重新產生 %Ln 個來源檔案已變更的檔案</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>刪除媒體資料夾下未被卡上任何播放清單列出的 %Ln 個檔案</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln 個檔案未加入佇列。</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>不要更新</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Velandry 網站</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>按一下這裡取得更新</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>請造訪網站取得更新、常見問題集與說明</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>修訂記錄</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry，免費軟體</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>捐款</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>支持未來的開發</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>如果您覺得這個軟體值得使用，歡迎支持未來的開發</translation>
    </message>
</context>
</TS>
