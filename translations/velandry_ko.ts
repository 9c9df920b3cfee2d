<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>재생 목록(WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX)을 Pocket PC용 Windows Media Player의 ASX 재생 목록으로 변환하며, 한 가지 미디어 유형의 항목만 남깁니다.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>남길 미디어 유형입니다. 앞의 마침표 없이 지정합니다(WMA, MP3, WAV 등).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>모든 경로 앞에 기록되는 장치의 폴더입니다(기본값 %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>.asx 파일을 저장할 폴더입니다(기본값: 각 재생 목록이 있는 폴더).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>.asx 파일과 UTF-8이 아닌 재생 목록의 ANSI 코드 페이지입니다: %1(cp1250 또는 windows-1250 형식도 가능). 이 환경의 기본값: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>WPL 이외의 재생 목록이 파일 위치를 적을 때 사용하는 음악 폴더로, 재생 목록에 적힌 그대로 지정합니다(/home/ana/Music, &apos;D:\Music&apos;). 그 아래에 있는 항목은 이 폴더를 기준으로 잘립니다(기본값: 매뉴얼 페이지에 설명된 규칙).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>이 시스템에서 보이는 저장 카드입니다(/media/ana/CARD, E:\). 각 항목을 카드에서 찾고, 카드에 없는 항목을 알려 줍니다(기본값: 출력 폴더의 볼륨이 미디어 폴더를 포함하는 카드인 경우 그 볼륨).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>문제없이 변환된 재생 목록에 대해서는 아무것도 출력하지 않습니다.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>변환할 재생 목록입니다.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>자세한 내용을 보려면 &apos;--help&apos;를 사용해 보십시오.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>미디어 유형이 지정되지 않았습니다(--type TYPE).</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>재생 목록이 지정되지 않았습니다.</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>알 수 없는 코드 페이지입니다: %1. 사용할 수 있는 ANSI 코드 페이지: %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>미디어 유형을 선택하십시오.
예: WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>출력 폴더 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>카드 %1이(가) 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2(%Ln개 항목)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>경고: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>재생 목록을 변환한 후, 재생 목록에 적힌 파일 중 카드에 없는 파일을 각각 장치가 여는 위치로 카드에 복사합니다. 원본은 재생 목록에 적힌 위치 또는 음악 루트 폴더(--music-root, 지정하지 않으면 사용자의 음악 폴더) 아래에서 가져옵니다.</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>아무것도 기록하지 않고(재생 목록, 음악, 폴더 모두) 수행할 작업만 출력합니다.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>카드를 이 컴퓨터의 음악과 동기화합니다(--copy-music의 기능 포함). 이 컴퓨터에서 원본이 변경된 카드의 파일은 같은 위치에 다시 만들고, 원본보다 최신인 파일은 다시 만들지 않습니다.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>카드의 미디어 폴더 아래에 있는 음악 중 카드의 어떤 .asx 재생 목록에도 적혀 있지 않은 음악을 제거합니다(카드에 .asx가 없으면 아무것도 제거하지 않으며, 음악 이외의 파일은 제거하지 않습니다).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>재생 목록에 적힌 모든 음악 파일을 모두 재생할 수 있도록 카드에 넣습니다(--copy-music과 같음). 장치에서 재생할 수 있는 파일(MP3, WMA, 16비트 WAV)은 그대로 복사하고, 나머지(FLAC, M4A, Ogg, Opus 등)는 미디어 유형으로 인코딩합니다. 이때 미디어 유형은 mp3, wma 또는 wav여야 합니다.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>--transcode가 MP3 또는 WMA로 인코딩할 때의 비트 전송률입니다(kbit/s, 기본값 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>--transcode가 동시에 인코딩하는 파일 수입니다(기본값: 프로세서 코어 수, 이 환경에서는 %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode는 mp3, wma 또는 wav로만 인코딩합니다. -t %1은(는) 이 중 어느 것도 아닙니다.</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate에는 %1이(가) 아니라 32에서 320 사이의 kbit/s 값을 지정해야 합니다.</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs에는 %1이(가) 아니라 1에서 256 사이의 숫자를 지정해야 합니다.</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1에는 카드가 필요합니다. --card DIR로 카드를 지정하거나 --output-folder DIR로 재생 목록을 카드에 기록하십시오.</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>파일 %Ln개 중 %1번째 파일 복사 중(%3 중 %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>재생 목록에 적힌 파일 중 %Ln개가 카드(%1)에 없습니다(총 %2).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>카드의 사용 가능한 공간은 %1입니다.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2(%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>파일 %Ln개(%1)를 카드(%2)에 복사하게 됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>카드의 파일 시스템에서 사용 가능한 공간을 알 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>항목 %Ln개는 이 컴퓨터에도 없습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>카드의 FAT 파일 시스템에는 4 GiB 이상인 파일을 저장할 수 없으므로 파일 %Ln개를 복사하지 않았습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>이 컴퓨터에 해당 이름을 가진 이 미디어 유형의 일반 파일이 없거나, 카드에 해당 폴더와 이름이 같은 파일이 있으므로 항목 %Ln개를 복사하지 않았습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>경로 중간의 폴더가 카드 밖을 가리키는 링크이므로 파일 %Ln개를 복사하지 않았습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>파일 %Ln개(%1)를 카드(%2)에 복사했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>공간이 부족하여 음악을 카드(%1)에 복사할 수 없습니다(복사할 크기: %2, 사용 가능한 공간: %3). 아무것도 복사하지 않았습니다.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>쓰기에 실패했습니다</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>%1을(를) 복사할 수 없습니다: %2. 그 전에 복사한 파일은 온전합니다.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>복사가 중지되었습니다. 그 전에 복사한 파일은 온전합니다.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>카드가 최신 상태입니다.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%2 kbit/s %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a file, as the device names it, %2 the reason the system or a library gave.</extracomment>
        <translation>%1(%2)</translation>
    </message>
    <message numerus="yes">
        <source>Also encode the %Ln entries of %1 files the device cannot play, to %2</source>
        <extracomment>A check box. %Ln counts the entries, %1 lists their kinds (&quot;FLAC and M4A&quot;), %2 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>장치에서 재생할 수 없는 %1 파일 항목 %Ln개도 %2(으)로 인코딩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>파일 %Ln개 중 %1번째 파일 복사 및 인코딩 중(약 %3 중 %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>그중 %Ln개는 카드에 넣으면서 %1(으)로 인코딩합니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>카드(%1)에서 원본이 변경된 파일 %Ln개를 다시 만들 수 있습니다(기록할 크기: %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>카드(%1)의 미디어 폴더 아래에 있는 파일 %Ln개는 카드의 어떤 재생 목록에도 적혀 있지 않습니다(총 %2).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>카드의 사용 가능한 공간은 %1이며, 완료 후에는 약 %2입니다.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>%1(%2): 카드의 어떤 재생 목록에도 적혀 있지 않으므로 제거하게 됩니다</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2(%3(으)로 인코딩, 약 %4, 카드의 기존 파일 %5 대체)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2(%3(으)로 인코딩, 약 %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2(%3, 카드의 기존 파일 %4 대체)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>파일 %Ln개(%1)를 카드(%2)에서 제거하게 됩니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>원본이 변경된 파일 %Ln개(%1)를 카드(%2)에 다시 만들게 됩니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>파일 %Ln개(약 %1)를 %2(으)로 인코딩하여 카드(%3)에 넣게 됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>카드(%1)에 .asx 재생 목록이 없어 음악을 적은 것이 전혀 없으므로 카드에서 아무것도 제거하지 않았습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>음악으로 읽을 수 없으므로 파일 %Ln개를 인코딩하지 않았습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>카드의 어떤 재생 목록에도 적혀 있지 않은 파일 %Ln개(%1)를 카드(%2)에서 제거했습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>원본이 변경된 파일 %Ln개(%1)를 카드(%2)에 다시 만들었습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>파일 %Ln개(%3)를 %1에서 %2(으)로 인코딩하여 카드(%4)에 넣었습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>이 컴퓨터에서 온전히 읽을 수 없으므로 파일 %Ln개를 복사하지 않았습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>파일 %Ln개를 인코딩하지 못했습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>파일 %Ln개를 카드에 넣지 못했습니다. 나머지 파일은 카드에 있습니다.</numerusform>
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
        <translation>재생 목록 변환기</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>재생 목록을 Pocket PC용 ASX 재생 목록으로 변환합니다</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Windows Media Player 재생 목록을 Pocket PC용으로 변환합니다</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry는 재생 목록(Windows Media Player의 WPL, M3U 및 M3U8, PLS, XSPF, ASX, Zune 재생 목록)을 Pocket PC용 Windows Media Player가 저장 카드에서 재생할 수 있는 ASX 3.0 재생 목록으로 변환합니다.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>재생 목록, 남길 미디어 유형(WMA, MP3, WAV 또는 다른 모든 유형), 음악이 들어 있는 장치의 폴더를 선택합니다. 해당 유형의 모든 참조는 음악 폴더 아래의 위치만 남도록 잘린 다음 장치의 음악 폴더 아래 경로로 기록되며, 재생 목록마다 .asx 파일 하나가 장치의 ANSI 코드 페이지로 만들어집니다.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>명령줄 변환기 velandry-convert는 창 없이 같은 작업을 수행합니다.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>재생 목록, 대기열, 미디어 유형 및 폴더</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>주 창과 프로그램 정보 창</translation>
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
        <translation>마크업이 끝나기 전에 텍스트가 끝납니다</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>주석이 닫히지 않았습니다</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>CDATA 섹션이 닫히지 않았습니다</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>처리 명령이 닫히지 않았습니다</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>선언이 닫히지 않았습니다</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>&quot;&lt;&quot; 뒤에 이름이 와야 합니다</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>끝 태그의 이름 뒤에 &quot;&gt;&quot;가 와야 합니다</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>특성에 &quot;=&quot;와 값이 없습니다</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>특성 값이 따옴표로 묶여 있지 않습니다</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>끝 태그가 닫으려는 요소와 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>%1 마크업을 읽을 수 없습니다: %2번째 줄의 태그가 닫히지 않았습니다</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>%1 마크업에 &lt;ASX&gt; 요소가 없습니다</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>%1 마크업을 읽을 수 없습니다: %2번째 줄: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>재생 목록이 아니라 폴더입니다</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>출력 파일이 재생 목록 자체를 덮어쓰게 됩니다</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>같은 이름의 폴더가 이미 있습니다</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>파일이 쓰기 금지되어 있습니다</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>이 재생 목록의 참조가 서로 겹쳐 4 GiB보다 큰 파일이 만들어지게 됩니다</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>재생 목록이 UTF-8이 아니며, 너무 커서 이 컴퓨터의 메모리로는 변환할 수 없습니다</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>재생 목록을 읽는 동안 다른 프로그램이 재생 목록을 변경했으므로 이 재생 목록에 대해서는 아무것도 기록하지 않았습니다. 다시 변환하십시오</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>이름이 올바른 UTF-8이 아니므로 열 수 없습니다. &quot;convmv -f latin1 -t utf8 --notest&quot; 등을 사용하여 이름을 바꾸십시오</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>여기서 읽을 수 있는 종류의 재생 목록이 아닙니다(%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>XML 선언에 지정된 인코딩 &quot;%1&quot;은(는) 여기서 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>출력 파일 %1은(는) 이번 실행에서 이미 %2에서 기록되었습니다. 두 재생 목록 중 하나의 이름을 바꾸십시오</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>파일을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 외 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: UTF-8이 아니므로 코드 페이지 %2(으)로 읽었습니다</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %Ln개에 코드 페이지 %3에 없는 문자가 있어 &quot;?&quot;로 기록했습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>웹 주소 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>음악 폴더 밖 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %Ln개를 제외했습니다: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %Ln개는 장치에서 재생할 수 없습니다: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: 카드(%2)를 읽을 수 없어 항목이 카드에 있는지 확인하지 못했습니다</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %Ln개가 카드(%3)에 없습니다: %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %Ln개가 재생 목록의 마크업 중간에서 잘려 실제 파일을 가리키지 않습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>시스템의 ANSI 코드 페이지</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>사용자 로캘의 ANSI 코드 페이지(시스템의 코드 페이지 %1은(는) ANSI 코드 페이지가 아님)</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>시스템의 코드 페이지 %1은(는) ANSI 코드 페이지가 아니며, 사용자 로캘에도 ANSI 코드 페이지가 없습니다</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>로캘 %1(%2)에 따름</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>로캘이 설정되어 있지 않습니다</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(길이 %Ln바이트의 경로)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>음악 폴더 밖 %Ln개(--music-root로 음악 폴더를 지정하십시오)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>다른 미디어 유형 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: 항목 %Ln개가 장치에서 재생할 수 없는 %2 파일이므로 --transcode를 추가하십시오</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: 항목 %Ln개는 장치에서 재생할 수 없는 %2 파일입니다</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>취소하는 중…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>%1 변환 중</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>%2 중 %1 기록됨</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>%2 중 %1 읽음</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>%1 복사 중</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>%1 인코딩 중</translation>
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
        <translation>선택하십시오</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>끝내기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>프로그램 정보(&amp;A)</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>재생 목록 위치:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>미디어 유형:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>폴더의 재생 목록</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>변환할 재생 목록</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>출력 위치:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>미디어 위치:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>변환(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>미디어 유형</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>재생 목록 폴더 선택</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>대기열에 추가</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>대기열에서 제거</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>출력 폴더 선택</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>재생 목록 폴더 &quot;%1&quot;의 내용을 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>경로가 없거나 폴더가 아닙니다.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>미디어 유형을 선택하십시오.<byte value="xd"/>
예: WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>모두 완료되었습니다</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>그 전까지 파일 %Ln개를 기록했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>&quot;%1&quot;을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>&quot;%1&quot;에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>재생 목록 폴더를 선택하십시오</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>출력 폴더를 선택하십시오</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>&quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>&quot;%1&quot;은(는) 읽을 수 있는 재생 목록이 아닙니다(%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>&quot;%1&quot;이(가) 다른 파일과 같은 폴더(%2)에 있지 않습니다.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>재생 목록에 적힌 음악을 카드에 복사하시겠습니까?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>복사</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>복사 안 함</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>카드를 이 컴퓨터의 음악과 동기화하시겠습니까?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>원본이 변경된 파일 %Ln개 다시 만들기</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>카드의 어떤 재생 목록에도 적혀 있지 않은 미디어 폴더 아래의 파일 %Ln개 제거</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>파일 %Ln개를 대기열에 추가하지 않았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>업데이트 안 함</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Velandry 웹 사이트</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>업데이트를 확인하려면 여기를 클릭하십시오</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>업데이트, FAQ 및 도움말은 웹 사이트를 방문하십시오</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>변경 내역</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, 프리웨어</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>기부</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>향후 개발 지원</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>이 소프트웨어가 쓸 만하다고 생각되시면 향후 개발을 위해 후원해 주십시오</translation>
    </message>
</context>
</TS>
