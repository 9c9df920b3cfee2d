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
        <source>%1 -&gt; %2 (%n entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2(%n개 항목)</numerusform>
        </translation>
    </message>
    <message>
        <source> (name it with --music-root)</source>
        <translation>(--music-root로 지정하십시오)</translation>
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
        <source>--copy-music needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <translation>--copy-music에는 카드가 필요합니다. --card DIR로 카드를 지정하거나 --output-folder DIR로 재생 목록을 카드에 기록하십시오.</translation>
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
            <numerusform>%1 외 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %1 of %n files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %n all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>파일 %n개 중 %1번째 파일 복사 중(%3 중 %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>재생 목록에 적힌 파일 중 %n개가 카드(%1)에 없습니다(총 %2).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>카드의 사용 가능한 공간은 %1입니다.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <extracomment>%1 is the file on this computer, %2 its place on the card, %3 its size.</extracomment>
        <translation>%1 -&gt; %2(%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>파일 %n개(%1)를 카드(%2)에 복사하게 됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>카드의 파일 시스템에서 사용 가능한 공간을 알 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>항목 %n개는 이 컴퓨터에도 없습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>카드의 FAT 파일 시스템에는 4 GiB 이상인 파일을 저장할 수 없으므로 파일 %n개를 복사하지 않았습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>이 컴퓨터에 해당 이름을 가진 이 미디어 유형의 일반 파일이 없거나, 카드에 해당 폴더와 이름이 같은 파일이 있으므로 항목 %n개를 복사하지 않았습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>경로 중간의 폴더가 카드 밖을 가리키는 링크이므로 파일 %n개를 복사하지 않았습니다: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>파일 %n개(%1)를 카드(%2)에 복사했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>공간이 부족하여 음악을 카드(%1)에 복사할 수 없습니다(복사할 크기: %2, 사용 가능한 공간: %3). 아무것도 복사하지 않았습니다.</translation>
    </message>
    <message>
        <source>it could not be read whole</source>
        <translation>파일 전체를 읽지 못했습니다</translation>
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
        <translation>재생 목록을 읽는 동안 다른 프로그램이 재생 목록을 변경했습니다. 이 재생 목록에 대해서는 아무것도 기록하지 않았으니 다시 변환하십시오</translation>
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
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first few names; %n counts the rest.</extracomment>
        <translation>
            <numerusform>%1 외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: UTF-8이 아니므로 코드 페이지 %2(으)로 읽었습니다</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %n개에 코드 페이지 %3에 없는 문자가 있어 &quot;?&quot;로 기록했습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n web addresses</source>
        <translation>
            <numerusform>웹 주소 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outside the music folder</source>
        <translation>
            <numerusform>음악 폴더 밖 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %n개를 제외했습니다: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %n개는 장치에서 재생할 수 없습니다: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: 카드(%2)를 읽을 수 없어 항목이 카드에 있는지 확인하지 못했습니다</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %n개가 카드(%3)에 없습니다: %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %n of %2 entries.</extracomment>
        <translation>
            <numerusform>%1: 항목 %2개 중 %n개가 재생 목록의 마크업 중간에서 잘려 실제 파일을 가리키지 않습니다</numerusform>
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
    <message>
        <source>(a path of %1 bytes)</source>
        <extracomment>An entry too long to name, by its size.</extracomment>
        <translation>(%1바이트 길이의 경로)</translation>
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
        <extracomment>%1 is the file, as the device names it.</extracomment>
        <translation>%1 복사 중</translation>
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
        <translation>선택하세요</translation>
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
        <translation>재생 목록 위치:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <translation>미디어 유형:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <translation>Windows Media Player 9 목록</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <translation>변환할 재생 목록</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <translation>출력 위치:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <translation>미디어 위치:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>변환(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
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
        <source>%n files were written before it.</source>
        <translation>
            <numerusform>그 전까지 파일 %n개를 기록했습니다.</numerusform>
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
    <message numerus="yes">
        <source>These files were not queued.</source>
        <translation>
            <numerusform>다음 파일을 대기열에 추가하지 않았습니다.</numerusform>
        </translation>
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
        <translation>업데이트, FAQ 및 도움말은 웹 사이트를 방문하십시오</translation>
    </message>
    <message>
        <source>Revision History</source>
        <translation>변경 내역</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
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
        <translation>이 소프트웨어가 쓸 만하다고 생각되시면 향후 개발을 위해 후원해 주십시오</translation>
    </message>
</context>
</TS>
