<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>将播放列表（WPL、ZPL、M3U、M3U8、PLS、XSPF、ASX、WAX、WVX）转换为 Pocket PC 版 Windows Media Player 使用的 ASX 播放列表，只保留一种媒体类型的项目。</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>要保留的媒体类型，不带前面的句点（WMA、MP3、WAV 等）。</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>设备上的文件夹，写在每个路径的前面（默认为 %1）。</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>.asx 文件的输出文件夹（默认：各播放列表所在的文件夹）。</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>.asx 文件以及非 UTF-8 播放列表所用的 ANSI 代码页：%1（也可写作 cp1250 或 windows-1250）。此处的默认值：%2，%3。</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>WPL 以外的播放列表在记录文件位置时所用的音乐文件夹，按播放列表中的写法指定（/home/ana/Music、&apos;D:\Music&apos;）：位于其下的项目将从该处截断（默认：按手册页中的规则）。</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>从本系统看到的存储卡（/media/ana/CARD、E:\）：在卡上查找每个项目，并报告不在卡上的项目（默认：输出文件夹所在的卷，前提是该卷是包含媒体文件夹的存储卡）。</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>对于顺利转换的播放列表，不输出任何内容。</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>要转换的播放列表。</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>有关详细信息，请尝试使用“--help”。</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>缺少媒体类型（--type TYPE）</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>未指定播放列表</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>未知的代码页 %1；可用的 ANSI 代码页为 %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>请选择媒体类型
例如 WMA、MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>输出文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>存储卡 %1 不存在</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2（%Ln 个项目）</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>转换播放列表后，将播放列表中列出但存储卡上没有的文件复制到卡上，各自放在设备打开它们的位置；源文件取自播放列表中记录的位置，或音乐根文件夹（--music-root，未指定时为用户的音乐文件夹）之下。</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>不写入任何内容（不写入播放列表、音乐或文件夹）：仅输出将要执行的操作。</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>使存储卡与此计算机上的音乐保持同步（包含 --copy-music 的全部功能）：如果卡上某个文件的源文件在此计算机上已更改，就在原位置重新生成该文件；比源文件新的文件绝不会重新生成。</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>删除存储卡上媒体文件夹下未被卡上任何 .asx 播放列表列出的音乐（卡上没有 .asx 时不删除任何内容，且只删除音乐）。</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>将播放列表中列出的每个音乐文件都放到存储卡上（与 --copy-music 相同），使每个文件都能播放：设备能播放的文件（MP3、WMA、16 位 WAV）按原样复制，其余文件（FLAC、M4A、Ogg、Opus 等）编码为指定的媒体类型，此时媒体类型须为 mp3、wma 或 wav。</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>--transcode 编码为 MP3 或 WMA 时的比特率，单位为 kbit/s（默认为 128）。</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>--transcode 同时编码的文件数（默认：处理器的核心数，此处为 %1）。</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode 只能编码为 mp3、wma 或 wav；-t %1 不属于其中任何一种</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate 需要 32 到 320 之间的 kbit/s 数值，而不是 %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs 需要 1 到 256 之间的数字，而不是 %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 需要存储卡：请用 --card DIR 指定存储卡，或用 --output-folder DIR 将播放列表写到存储卡上</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>正在复制第 %1 个文件（共 %Ln 个），已复制 %2，共 %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>播放列表中列出的文件有 %Ln 个不在存储卡（%1）上：共 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>存储卡上的可用空间为 %1。</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2（%3）</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>将把 %Ln 个文件（%1）复制到存储卡（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>存储卡的文件系统未提供可用空间信息。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln 个项目在此计算机上也不存在：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln 个文件未复制，因为存储卡的 FAT 文件系统无法存放 4 GiB 或更大的文件：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln 个项目未复制，因为此计算机上没有该名称的此媒体类型普通文件，或者存储卡上有与其文件夹同名的文件：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln 个文件未复制，因为其路径中的某个文件夹是指向存储卡以外的链接：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>已将 %Ln 个文件（%1）复制到存储卡（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>存储卡（%1）空间不足，无法容纳这些音乐：需复制 %2，可用 %3；未复制任何文件。</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>写入失败</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>无法复制 %1：%2；在此之前复制的文件都是完整的。</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>复制已停止；之前复制的文件都是完整的。</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>存储卡已是最新状态。</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%2 kbit/s 的 %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a file, as the device names it, %2 the reason the system or a library gave.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message numerus="yes">
        <source>Also encode the %Ln entries of %1 files the device cannot play, to %2</source>
        <extracomment>A check box. %Ln counts the entries, %1 lists their kinds (&quot;FLAC and M4A&quot;), %2 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>同时将设备无法播放的 %1 文件（%Ln 个项目）编码为 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>正在复制并编码第 %1 个文件（共 %Ln 个），已处理 %2，共约 %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>其中 %Ln 个文件将在复制过程中编码为 %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>存储卡（%1）上有 %Ln 个文件的源文件已更改，可重新生成：共 %2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>存储卡（%1）的媒体文件夹下有 %Ln 个文件未被卡上任何播放列表列出：共 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>存储卡上的可用空间为 %1；完成后约为 %2。</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>将删除 %1（%2）：卡上没有任何播放列表列出该文件</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2（编码为 %3，约 %4，替换卡上原有的 %5 文件）</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2（编码为 %3，约 %4）</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2（%3，替换卡上原有的 %4 文件）</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>将从存储卡（%2）删除 %Ln 个文件（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>将在存储卡（%2）上重新生成 %Ln 个源文件已更改的文件（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>将把 %Ln 个文件（约 %1）编码为 %2 并写入存储卡（%3）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>存储卡（%1）上没有 .asx 播放列表，卡上没有任何内容列出音乐，因此未从卡上删除任何文件。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln 个文件未编码，因为无法将其作为音乐读取：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>已从存储卡（%2）删除 %Ln 个未被卡上任何播放列表列出的文件（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>已在存储卡（%2）上重新生成 %Ln 个源文件已更改的文件（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>已将 %Ln 个文件从 %1 编码为 %2（%3）并写入存储卡（%4）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln 个文件无法在此计算机上完整读取，因此未复制：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln 个文件无法编码：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>%Ln 个文件未能放到存储卡上；其他文件已在卡上。</numerusform>
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
        <translation>播放列表转换器</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>将播放列表转换为适用于 Pocket PC 的 ASX 播放列表</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>为 Pocket PC 转换 Windows Media Player 播放列表</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry 可将播放列表（Windows Media Player 的 WPL、M3U 和 M3U8、PLS、XSPF、ASX 以及 Zune 播放列表）转换为 ASX 3.0 播放列表，供 Pocket PC 版 Windows Media Player 从存储卡播放。</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>选择播放列表、要保留的媒体类型（WMA、MP3、WAV 或其他任何类型）以及设备上存放音乐的文件夹。该类型的每个引用都会被截取为其在音乐文件夹下的位置，并写到设备的音乐文件夹之下；每个播放列表生成一个 .asx 文件，使用设备的 ANSI 代码页。</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>命令行转换工具 velandry-convert 无需窗口即可完成同样的工作。</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>播放列表、队列、媒体类型和文件夹</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>主窗口和“关于”窗口</translation>
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
        <translation>文本在标签或元素结束之前就已中断</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>注释未闭合</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>CDATA 节未闭合</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>处理指令未闭合</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>声明未闭合</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>“&lt;”之后应为名称</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>结束标签的名称之后应为“&gt;”</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>属性缺少“=”和值</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>属性值未用引号括起来</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>结束标签与其所结束的元素不匹配</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>无法读取其 %1 标记：第 %2 行的标签未闭合</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>其 %1 标记中没有 &lt;ASX&gt; 元素</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>无法读取其 %1 标记：第 %2 行：%3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>这是文件夹，不是播放列表</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>输出文件将覆盖播放列表本身</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>已存在同名的文件夹</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>该文件受写保护</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>此播放列表中的引用相互重叠，生成的文件将大于 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>该播放列表不是 UTF-8 编码，而且太大，无法在此计算机的内存中转换</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>读取播放列表期间，另一个程序更改了它；未为其写入任何内容，请重新转换</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>其名称不是有效的 UTF-8，因此无法打开；请将其重命名，例如使用“convmv -f latin1 -t utf8 --notest”</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>这不是此处能读取的播放列表类型（%1）</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>其 XML 声明指定的编码“%1”在此无法读取</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>其输出文件 %1 已在本次运行中由 %2 写入；请重命名这两个播放列表中的一个</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>无法写入该文件</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 及另外 %Ln 个</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1：不是 UTF-8，已按代码页 %2 读取</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1：%2 个项目中有 %Ln 个包含代码页 %3 以外的字符，已写为“?”</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln 个网址</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln 个位于音乐文件夹之外</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1：%2 个项目中有 %Ln 个被略去：%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1：%2 个项目中有 %Ln 个永远无法在设备上播放：%3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1：无法读取存储卡（%2），因此未在卡上查找其项目</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1：%2 个项目中有 %Ln 个不在存储卡（%3）上：%4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1：%2 个项目中有 %Ln 个在截取时跨越了播放列表的标记，并未指向实际存在的文件</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>系统的 ANSI 代码页</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>用户区域设置的 ANSI 代码页；系统的代码页 %1 不是 ANSI 代码页</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>系统的代码页 %1 不是 ANSI 代码页，用户的区域设置也没有 ANSI 代码页</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>来自区域设置 %1（%2）</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>未设置区域设置</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>（长度为 %Ln 字节的路径）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln 个位于音乐文件夹之外（请用 --music-root 指定音乐文件夹）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln 个属于其他媒体类型</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1：%Ln 个项目是设备无法播放的 %2 文件：请添加 --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1：%Ln 个项目是设备无法播放的 %2 文件</numerusform>
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
        <translation>正在转换 %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>已写入 %1，共 %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>已读取 %1，共 %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>正在复制 %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>正在编码 %1</translation>
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
        <translation>请选择</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>播放列表位置：</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>媒体类型：</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>文件夹中的播放列表</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>要转换的播放列表</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>输出位置：</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>媒体位置：</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>媒体类型</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>选择播放列表文件夹</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>添加到队列</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>从队列中删除</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>无法列出播放列表文件夹“%1”的内容。</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>该路径不存在，或者不是文件夹。</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>请选择媒体类型<byte value="xd"/>
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
            <numerusform>在此之前已写入 %Ln 个文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>无法读取“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>无法写入“%1”。</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>请选择播放列表文件夹</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>请选择输出文件夹</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>“%1”：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>“%1”不是可读取的播放列表（%2）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>“%1”与其他文件不在同一文件夹（%2）中。</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>是否将播放列表中列出的音乐复制到存储卡？</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>不复制</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>是否使存储卡与此计算机上的音乐保持同步？</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>重新生成 %Ln 个源文件已更改的文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>删除媒体文件夹下未被卡上任何播放列表列出的 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln 个文件未加入队列。</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>不更新</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Velandry 网站</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>单击此处获取更新</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>请访问网站获取更新、常见问题解答和帮助</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>修订历史</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry，免费软件</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>捐助</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>支持今后的开发</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>如果您觉得本软件值得使用，欢迎支持今后的开发</translation>
    </message>
</context>
</TS>
