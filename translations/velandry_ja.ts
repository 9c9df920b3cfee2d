<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>プレイリスト (WPL、ZPL、M3U、M3U8、PLS、XSPF、ASX、WAX、WVX) を、1 つのメディアの種類の項目だけを残して、Pocket PC 用 Windows Media Player の ASX プレイリストに変換します。</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>残すメディアの種類。先頭のピリオドを付けずに指定します (WMA、MP3、WAV など)。</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>デバイス上のフォルダー。各パスの前に付けて書き込まれます (既定値: %1)。</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>.asx ファイルの出力先フォルダー (既定: 各プレイリストと同じフォルダー)。</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>.asx ファイルと、UTF-8 ではないプレイリストの ANSI コード ページ: %1 (cp1250 や windows-1250 の形式でも指定できます)。この環境での既定値: %2、%3。</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>WPL 以外のプレイリストがファイルの場所を記すときの音楽フォルダー。プレイリスト内の表記のとおりに指定します (/home/ana/Music、&apos;D:\Music&apos;)。その下にある項目は、このフォルダーを起点とするパスに切り詰められます (既定: マニュアル ページに記載の規則)。</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>このシステムから見たストレージ カード (/media/ana/CARD、E:\)。各項目をカード上で探し、見つからない項目を報告します (既定: 出力先フォルダーのボリュームがメディア フォルダーを含むカードである場合は、そのボリューム)。</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>問題なく変換できたプレイリストについては何も表示しません。</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>変換するプレイリスト。</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>詳しくは「--help」を指定して実行してください。</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>メディアの種類が指定されていません (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>プレイリストが指定されていません</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>不明なコード ページです: %1。使用できる ANSI コード ページ: %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>メディアの種類を選択してください
(例: WMA、MP3)</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>出力先フォルダー %1 が存在しません</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>カード %1 が存在しません</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln 項目)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>プレイリストの変換後、プレイリストに記載されているファイルのうちカードにないものを、それぞれデバイスが開く場所にコピーします。コピー元は、プレイリストに記載されている場所、または音楽のルート フォルダー (--music-root、省略時はユーザーの音楽フォルダー) の下です。</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>何も書き込みません (プレイリスト、音楽、フォルダーのいずれも作成しません)。実行される処理を表示するだけです。</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>カードをこのコンピューターの音楽と同期します (--copy-music の処理を含みます): 元のファイルがこのコンピューター上で変更されたカード上のファイルは、同じ場所に作り直します。元のファイルより新しいファイルは作り直しません。</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>カード上のメディア フォルダーの下にある音楽のうち、カード上のどの .asx プレイリストにも記載されていないものを削除します (カードに .asx がない場合は何も削除せず、音楽以外のファイルは削除しません)。</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>プレイリストに記載されているすべての音楽ファイルを、どれも再生できるようにカードに書き込みます (--copy-music と同様): デバイスで再生できるもの (MP3、WMA、16 ビット WAV) はそのままコピーし、それ以外 (FLAC、M4A、Ogg、Opus など) はメディアの種類にエンコードします。この場合、メディアの種類には mp3、wma、wav のいずれかを指定します。</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>--transcode で MP3 または WMA にエンコードするときのビット レート (kbit/s、既定値: 128)。</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>--transcode で同時にエンコードするファイルの数 (既定: プロセッサのコア数、この環境では %1)。</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode でエンコードできるのは mp3、wma、wav のいずれかです (-t %1 はどれにも当てはまりません)</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate に %1 は指定できません (32 ～ 320 の kbit/s 値を指定してください)</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs に %1 は指定できません (1 ～ 256 の数値を指定してください)</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 にはカードが必要です: --card DIR でカードを指定するか、--output-folder DIR でプレイリストの出力先をカードにしてください</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>%Ln 個中 %1 個目のファイルをコピーしています (%2 / %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>プレイリストに記載されているファイルのうち %Ln 個がカード (%1) にありません (合計 %2)。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>カードの空き領域は %1 です。</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln 個のファイル (%1) がカード (%2) にコピーされます。</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>カードのファイル システムからは空き領域を取得できません。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln 項目はこのコンピューターにもありません: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>カードの FAT ファイル システムには 4 GiB 以上のファイルを保存できないため、%Ln 個のファイルをコピーしませんでした: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>このコンピューター上にその名前を持つこのメディアの種類の通常のファイルがないか、カード上にフォルダーと同じ名前のファイルがあるため、%Ln 項目をコピーしませんでした: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>途中のフォルダーがカードの外を指すリンクになっているため、%Ln 個のファイルをコピーしませんでした: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln 個のファイル (%1) をカード (%2) にコピーしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>音楽がカード (%1) に収まりません (コピーするサイズ: %2、空き領域: %3)。何もコピーしていません。</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>書き込みに失敗しました</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>%1 をコピーできませんでした: %2。それまでにコピーしたファイルは完全にコピーされています。</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>コピーを中止しました。それまでにコピーしたファイルは完全にコピーされています。</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>カードは最新の状態です。</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%2 kbit/s の %1</translation>
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
            <numerusform>デバイスで再生できない %1 ファイルの %Ln 項目も %2 にエンコードする</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>%Ln 個中 %1 個目のファイルをコピーまたはエンコードしています (%2 / 約 %3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>そのうち %Ln 個は、書き込むときに %1 にエンコードされます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>カード (%1) 上の %Ln 個のファイルは元のファイルが変更されているため、作り直すことができます (書き込むサイズ: %2)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>カード (%1) のメディア フォルダーの下にある %Ln 個のファイルは、カード上のどのプレイリストにも記載されていません (合計 %2)。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>カードの空き領域は %1 です (完了後は約 %2)。</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>%1 (%2) は削除されます: カード上のどのプレイリストにも記載されていません</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (%3 にエンコード、約 %4、カード上の %5 のファイルを置き換え)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (%3 にエンコード、約 %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3、カード上の %4 のファイルを置き換え)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln 個のファイル (%1) がカード (%2) から削除されます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>元のファイルが変更された %Ln 個のファイル (%1) がカード (%2) 上で作り直されます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln 個のファイル (約 %1) が %2 にエンコードされ、カード (%3) に書き込まれます。</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>カード (%1) には .asx プレイリストがなく、音楽を記載しているものが何もないため、何も削除していません。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>音楽として読み取れないため、%Ln 個のファイルをエンコードしませんでした: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>カード上のどのプレイリストにも記載されていない %Ln 個のファイル (%1) をカード (%2) から削除しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>元のファイルが変更された %Ln 個のファイル (%1) をカード (%2) 上で作り直しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln 個のファイルを %1 から %2 にエンコードし (%3)、カード (%4) に書き込みました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>このコンピューター上で完全には読み取れなかったため、%Ln 個のファイルをコピーしませんでした: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln 個のファイルをエンコードできませんでした: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>%Ln 個のファイルをカードに書き込めませんでした。ほかのファイルはカード上にあります。</numerusform>
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
        <translation>プレイリスト変換ツール</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>プレイリストを Pocket PC 用の ASX プレイリストに変換します</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Windows Media Player のプレイリストを Pocket PC 用に変換します</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry は、プレイリスト (Windows Media Player の WPL、M3U と M3U8、PLS、XSPF、ASX、Zune のプレイリスト) を、Pocket PC 用 Windows Media Player がストレージ カードから再生できる ASX 3.0 プレイリストに変換します。</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>プレイリスト、残すメディアの種類 (WMA、MP3、WAV など、任意の種類)、音楽を保存しているデバイス上のフォルダーを選択します。その種類の参照はすべて、音楽フォルダーの下の位置だけに切り詰められ、デバイスの音楽フォルダーの下を指すように書き込まれます。プレイリストごとに 1 つの .asx ファイルが、デバイスの ANSI コード ページで作成されます。</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>コマンドライン版の変換ツール velandry-convert は、同じ処理をウィンドウなしで行います。</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>プレイリスト、キュー、メディアの種類、フォルダー</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>メイン ウィンドウとバージョン情報ウィンドウ</translation>
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
        <translation>マークアップが終わる前にテキストが終わっています</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>コメントが閉じられていません</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>CDATA セクションが閉じられていません</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>処理命令が閉じられていません</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>宣言が閉じられていません</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>「&lt;」の後に名前が必要です</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>終了タグの名前の後に「&gt;」が必要です</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>属性に「=」と値がありません</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>属性の値が引用符で囲まれていません</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>終了タグが、閉じようとしている要素と一致しません</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>%1 のマークアップを読み取れません: %2 行目のタグが閉じられていません</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>%1 のマークアップに &lt;ASX&gt; 要素がありません</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>%1 のマークアップを読み取れません: %2 行目: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>プレイリストではなくフォルダーです</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>出力ファイルがプレイリスト自体を上書きしてしまいます</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>同じ名前のフォルダーが既にあります</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>ファイルが書き込み禁止になっています</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>このプレイリストの参照が重なり合っており、4 GiB を超えるファイルになってしまいます</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>プレイリストが UTF-8 ではなく、このコンピューターのメモリで変換するには大きすぎます</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>読み取り中に別のプログラムがプレイリストを変更しました。このプレイリストについては何も書き込んでいません。もう一度変換してください</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>名前が有効な UTF-8 ではないため開けません。「convmv -f latin1 -t utf8 --notest」などで名前を変更してください</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>読み取りに対応している種類のプレイリストではありません (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>XML 宣言で指定されているエンコード「%1」には対応していません</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>出力ファイル %1 は、今回の実行で既に %2 から書き込まれています。どちらかのプレイリストの名前を変更してください</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>ファイルを読み取れませんでした</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>ファイルに書き込めませんでした</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 ほか %Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: UTF-8 ではないため、コード ページ %2 として読み取りました</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %2 項目中 %Ln 項目にコード ページ %3 にない文字が含まれているため、「?」として書き込みました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>Web アドレス %Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>音楽フォルダー外 %Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: %2 項目中 %Ln 項目を除外しました: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %2 項目中 %Ln 項目はデバイスで再生できません: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: カード (%2) を読み取れなかったため、項目がカード上にあるかどうかを確認できませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %2 項目中 %Ln 項目がカード (%3) にありません: %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %2 項目中 %Ln 項目はプレイリストのマークアップをまたいで切り取られており、実在するファイルを指していません</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>システムの ANSI コード ページ</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>ユーザーのロケールの ANSI コード ページ (システムのコード ページ %1 は ANSI コード ページではありません)</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>システムのコード ページ %1 は ANSI コード ページではなく、ユーザーのロケールにも ANSI コード ページがありません</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>ロケール %1 (%2) に基づく</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>ロケールが設定されていません</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(%Ln バイトのパス)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>音楽フォルダー外 %Ln 件 (--music-root で音楽フォルダーを指定してください)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>別のメディアの種類 %Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln 項目はデバイスで再生できない %2 ファイルです: --transcode を追加してください</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln 項目はデバイスで再生できない %2 ファイルです</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>キャンセルしています…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>%1 を変換しています</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>書き込み中: %1 / %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>読み取り中: %1 / %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>%1 をコピーしています</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>%1 をエンコードしています</translation>
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
        <translation>種類を選択</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>プレイリスト:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>メディアの種類:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>フォルダー内のプレイリスト</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>変換するプレイリスト</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>出力先:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>メディアの場所:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>変換(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>メディアの種類</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>プレイリストのフォルダーを選択</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>キューに追加</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>キューから削除</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>出力先フォルダーを選択</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>プレイリストのフォルダー「%1」の内容を表示できません。</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>存在しないか、フォルダーではありません。</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>メディアの種類を選択してください<byte value="xd"/>
(例: WMA、MP3)</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>すべて完了しました</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>それまでに %Ln 個のファイルが書き込まれました。</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>「%1」を読み取れませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>「%1」に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>プレイリストのフォルダーを選択してください</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>出力先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>「%1」: %2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>「%1」は読み取れる種類のプレイリストではありません (%2)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>「%1」は、ほかのファイルと同じフォルダー (%2) にありません。</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>プレイリストに記載されている音楽をカードにコピーしますか?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>コピーしない</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>カードをこのコンピューターの音楽と同期しますか?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>元のファイルが変更された %Ln 個のファイルを作り直す</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>メディア フォルダーの下にある、カード上のどのプレイリストにも記載されていない %Ln 個のファイルを削除する</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln 個のファイルをキューに追加しませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>更新しない</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Velandry の Web サイト</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>ここをクリックすると更新情報を確認できます</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>更新情報、FAQ、ヘルプは Web サイトをご覧ください</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>更新履歴</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry (フリーウェア)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>今後の開発を支援する</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>このソフトウェアがお役に立ちましたら、今後の開発へのご支援をお願いいたします</translation>
    </message>
</context>
</TS>
