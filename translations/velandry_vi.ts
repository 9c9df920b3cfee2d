<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Chuyển đổi danh sách phát (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) thành danh sách phát ASX cho Windows Media Player trên Pocket PC, chỉ giữ lại các mục thuộc một loại phương tiện.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Loại phương tiện cần giữ lại, không kèm dấu chấm phía trước (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Thư mục trên thiết bị được ghi vào trước mỗi đường dẫn (mặc định %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Thư mục chứa các tệp .asx (mặc định: thư mục của chính từng danh sách phát).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Trang mã ANSI của các tệp .asx và của những danh sách phát không phải UTF-8: %1 (cũng có thể ghi là cp1250 hoặc windows-1250). Mặc định trên máy này: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>Thư mục nhạc mà các danh sách phát không phải WPL dùng khi ghi đường dẫn tệp, viết đúng như trong danh sách phát (/home/ana/Music, &apos;D:\Music&apos;): đường dẫn của các mục nằm bên dưới thư mục này được cắt tại đó (mặc định: các quy tắc trong trang hướng dẫn).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>Thẻ nhớ theo cách hệ thống này nhìn thấy (/media/ana/CARD, E:\): từng mục được tìm trên thẻ, và những mục không có trên đó sẽ được thông báo (mặc định: ổ đĩa chứa thư mục đầu ra, nếu đó là một thẻ có chứa thư mục phương tiện).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Không in gì đối với những danh sách phát được chuyển đổi trọn vẹn.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Các danh sách phát cần chuyển đổi.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Hãy dùng &apos;--help&apos; để biết thêm thông tin.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>thiếu loại phương tiện (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>chưa chỉ định danh sách phát nào</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>trang mã %1 không xác định; các trang mã ANSI là %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Vui lòng chọn một loại phương tiện
ví dụ: WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>thư mục đầu ra %1 không tồn tại</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>thẻ %1 không tồn tại</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln mục)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>cảnh báo: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Sau khi chuyển đổi danh sách phát, sao chép lên thẻ những tệp mà danh sách phát trỏ tới nhưng thẻ chưa có, mỗi tệp vào đúng chỗ thiết bị sẽ mở nó, lấy từ vị trí danh sách phát ghi hoặc từ bên dưới thư mục gốc của nhạc (--music-root, nếu không có thì là thư mục nhạc của người dùng).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Không ghi bất cứ thứ gì (không danh sách phát, không nhạc, không thư mục): chỉ in ra những việc sẽ được thực hiện.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Đồng bộ thẻ (như --copy-music, và hơn thế nữa): tệp trên thẻ có tệp nguồn ở máy này đã thay đổi sẽ được tạo lại tại chỗ; tệp mới hơn tệp nguồn của nó thì không bao giờ bị tạo lại.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Xóa nhạc bên dưới thư mục phương tiện trên thẻ mà không danh sách phát .asx nào trên thẻ trỏ tới (không xóa gì nếu thẻ không có tệp .asx nào, và không bao giờ xóa thứ gì ngoài nhạc).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Lấy mọi tệp nhạc mà danh sách phát trỏ tới và đưa lên thẻ (như --copy-music) sao cho tệp nào cũng phát được: những tệp thiết bị phát được (MP3, WMA, WAV 16 bit) được giữ nguyên, các tệp còn lại (FLAC, M4A, Ogg, Opus, ...) được mã hóa sang loại phương tiện, khi đó phải là mp3, wma hoặc wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Tốc độ bit của các tệp mà --transcode mã hóa sang MP3 hoặc WMA, tính bằng kbit/s (mặc định 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Số tệp mà --transcode mã hóa cùng lúc (mặc định: số nhân của bộ xử lý, trên máy này là %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode chỉ mã hóa sang mp3, wma hoặc wav; -t %1 không phải loại nào trong số đó</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate nhận một số kbit/s từ 32 đến 320, không phải %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs nhận một số từ 1 đến 256, không phải %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 cần có thẻ: hãy chỉ định thẻ bằng --card DIR, hoặc ghi danh sách phát lên thẻ bằng --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Đang sao chép tệp %1 trong tổng số %Ln tệp, %2 trong tổng số %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln tệp mà danh sách phát trỏ tới không có trên thẻ (%1): tổng cộng %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Dung lượng trống trên thẻ: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln tệp, tổng cộng %1, sẽ được sao chép lên thẻ (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>Hệ thống tệp của thẻ không cho biết dung lượng trống còn bao nhiêu.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln mục cũng không có trên máy tính này: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln tệp không được sao chép vì hệ thống tệp FAT của thẻ không chứa được tệp từ 4 GiB trở lên: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln mục không được sao chép vì trên máy này không có tệp thông thường nào thuộc loại phương tiện đó mang đúng tên mục, hoặc trên thẻ có một tệp trùng tên với thư mục chứa mục đó: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln tệp không được sao chép vì một thư mục trên đường dẫn tới tệp là liên kết trỏ ra ngoài thẻ: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Đã sao chép %Ln tệp (%1) lên thẻ (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Thẻ (%1) không đủ chỗ cho nhạc: cần sao chép %2, chỉ còn trống %3; chưa có tệp nào được sao chép.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>không ghi được tệp</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>Không thể sao chép %1: %2; các tệp đã sao chép trước nó vẫn nguyên vẹn.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Đã dừng sao chép; các tệp đã sao chép trước đó vẫn nguyên vẹn.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>Thẻ đã được cập nhật đầy đủ.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 ở %2 kbit/s</translation>
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
            <numerusform>Đồng thời mã hóa %Ln mục là tệp %1 mà thiết bị không phát được sang %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Đang sao chép và mã hóa tệp %1 trong tổng số %Ln tệp, %2 trong tổng số khoảng %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>Trong đó có %Ln tệp được mã hóa sang %1 trong khi sao chép.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln tệp trên thẻ (%1) có thể được tạo lại vì tệp nguồn đã thay đổi: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln tệp bên dưới thư mục phương tiện của thẻ (%1) không được danh sách phát nào trên thẻ trỏ tới: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Dung lượng trống trên thẻ: %1; khoảng %2 sau khi hoàn tất.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>%1 (%2) sẽ bị xóa: không có danh sách phát nào trên thẻ trỏ tới tệp này</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (mã hóa sang %3, khoảng %4, thay cho tệp %5 trên thẻ)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (mã hóa sang %3, khoảng %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, thay cho tệp %4 trên thẻ)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln tệp, tổng cộng %1, sẽ bị xóa khỏi thẻ (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln tệp có tệp nguồn đã thay đổi, tổng cộng %1, sẽ được tạo lại trên thẻ (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln tệp, khoảng %1, sẽ được mã hóa sang %2 rồi ghi lên thẻ (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>Thẻ (%1) không có danh sách phát .asx nào, nên không có gì bị xóa khỏi thẻ: không có gì trên thẻ trỏ tới nhạc nào.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln tệp không được mã hóa vì không đọc được dưới dạng nhạc: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Đã xóa khỏi thẻ (%2) %Ln tệp (%1) không được danh sách phát nào trên thẻ trỏ tới.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Đã tạo lại trên thẻ (%2) %Ln tệp (%1) có tệp nguồn đã thay đổi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Đã mã hóa %Ln tệp từ %1 sang %2 (%3) và ghi lên thẻ (%4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln tệp không đọc được trọn vẹn trên máy này và không được sao chép: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Không thể mã hóa %Ln tệp: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>Không thể sao chép %Ln tệp; các tệp khác đã có trên thẻ.</numerusform>
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
        <translation>Trình chuyển đổi danh sách phát</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Chuyển đổi danh sách phát thành danh sách phát ASX cho Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Chuyển đổi danh sách phát Windows Media Player cho Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry chuyển đổi danh sách phát (WPL của Windows Media Player, M3U và M3U8, PLS, XSPF, ASX và danh sách phát Zune) thành danh sách phát ASX 3.0 mà Windows Media Player trên Pocket PC phát được từ thẻ nhớ.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Chọn các danh sách phát, loại phương tiện cần giữ lại (WMA, MP3, WAV hoặc bất kỳ loại nào khác) và thư mục chứa nhạc trên thiết bị. Mỗi tham chiếu thuộc loại đó được rút gọn còn vị trí của nó bên dưới thư mục nhạc rồi được ghi vào dưới thư mục nhạc của thiết bị, mỗi danh sách phát một tệp .asx, theo trang mã ANSI của thiết bị.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Trình chuyển đổi dòng lệnh velandry-convert làm được điều tương tự mà không cần cửa sổ.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Các danh sách phát, hàng đợi, loại phương tiện và các thư mục</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Cửa sổ chính và cửa sổ Giới thiệu</translation>
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
        <translation>văn bản kết thúc trước khi mã đánh dấu kết thúc</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>có một chú thích không được đóng</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>có một phần CDATA không được đóng</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>có một chỉ lệnh xử lý không được đóng</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>có một khai báo không được đóng</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>cần có tên sau &quot;&lt;&quot;</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>cần có &quot;&gt;&quot; sau tên của thẻ đóng</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>một thuộc tính không có &quot;=&quot; và giá trị</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>giá trị của một thuộc tính không nằm trong dấu ngoặc kép</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>một thẻ đóng không khớp với phần tử mà nó đóng</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Không thể đọc mã đánh dấu %1: một thẻ ở dòng %2 không được đóng</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>Mã đánh dấu %1 không chứa phần tử &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Không thể đọc mã đánh dấu %1: dòng %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>Đây là thư mục, không phải danh sách phát</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Đây không phải là tệp thông thường</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>Tệp đầu ra sẽ ghi đè lên chính danh sách phát</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Đã có một thư mục trùng tên ở vị trí đó</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Tệp được bảo vệ chống ghi</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Các tham chiếu của danh sách phát này chồng lên nhau và sẽ tạo ra một tệp lớn hơn 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>Danh sách phát không phải UTF-8 và quá lớn để chuyển đổi với bộ nhớ hiện có của máy tính này</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Một chương trình khác đã thay đổi danh sách phát trong khi đang đọc; chưa ghi gì cho danh sách phát này, hãy chuyển đổi lại</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Tên tệp không phải UTF-8 hợp lệ nên không thể mở; hãy đổi tên tệp, chẳng hạn bằng &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Đây không phải là loại danh sách phát mà chương trình đọc được (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>Khai báo XML của tệp ghi bảng mã “%1”, là bảng mã chương trình không đọc được</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Tệp đầu ra của nó, %1, đã được ghi từ %2 trong lần chạy này; hãy đổi tên một trong hai danh sách phát</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Không thể đọc tệp</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Không thể ghi tệp</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 và %Ln mục khác</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: không phải UTF-8, được đọc theo trang mã %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln trong số %2 mục chứa ký tự nằm ngoài trang mã %3, được ghi thành &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln địa chỉ web</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln mục nằm ngoài thư mục nhạc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: đã bỏ qua %Ln trong số %2 mục: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln trong số %2 mục sẽ không bao giờ phát được trên thiết bị: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: không thể đọc thẻ (%2), nên các mục không được tìm trên thẻ</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln trong số %2 mục không có trên thẻ (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln trong số %2 mục bị cắt ngang qua mã đánh dấu của danh sách phát và không trỏ tới tệp thật nào</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>trang mã ANSI của hệ thống</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>trang mã ANSI theo bản địa của người dùng; trang mã %1 của hệ thống không phải là trang mã ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>trang mã %1 của hệ thống không phải là trang mã ANSI, và bản địa của người dùng cũng không có trang mã ANSI</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>theo bản địa %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>chưa đặt bản địa</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(một đường dẫn dài %Ln byte)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln mục nằm ngoài thư mục nhạc (hãy chỉ định thư mục đó bằng --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln mục thuộc loại phương tiện khác</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln mục là tệp %2 mà thiết bị không phát được: hãy thêm --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln mục là tệp %2 mà thiết bị không phát được</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Đang hủy…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Đang chuyển đổi %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>Đã ghi %1 trong tổng số %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>Đã đọc %1 trong tổng số %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Đang sao chép %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Đang mã hóa %1</translation>
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
        <translation>Hãy chọn</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>T&amp;hoát</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Giới thiệu</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Thư mục nguồn:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>Loại tệp cần giữ:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Danh sách phát trong thư mục</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Danh sách phát cần chuyển đổi</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Thư mục đầu ra:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Thư mục thiết bị:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Chuyển đổi</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>T&amp;hoát</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>Loại tệp cần giữ</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Chọn thư mục danh sách phát</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Thêm vào hàng đợi</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Xóa khỏi hàng đợi</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Chọn thư mục đầu ra</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Không thể liệt kê nội dung thư mục danh sách phát “%1”.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Vị trí được chỉ định không tồn tại hoặc không phải là thư mục.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Vui lòng chọn một loại phương tiện<byte value="xd"/>
ví dụ: WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Đã hoàn tất</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>Đã ghi %Ln tệp trước đó.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Không thể đọc “%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Không thể ghi “%1”.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Chọn thư mục danh sách phát của bạn</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Chọn thư mục đầu ra</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>“%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>“%1” không phải là danh sách phát đọc được (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>“%1” không nằm trong thư mục của các tệp khác, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Bạn có muốn sao chép các tệp nhạc mà danh sách phát trỏ tới lên thẻ không?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Không sao chép</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Bạn có muốn đồng bộ thẻ với nhạc trên máy tính này không?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Tạo lại %Ln tệp có tệp nguồn đã thay đổi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Xóa %Ln tệp bên dưới thư mục phương tiện mà không danh sách phát nào trên thẻ trỏ tới</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln tệp không được đưa vào hàng đợi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Không cập nhật</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Trang web Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Bấm vào đây để nhận bản cập nhật</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Hãy truy cập để cập nhật, hỏi đáp và trợ giúp</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Lịch sử phiên bản</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>Đó&amp;ng</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, phần mềm miễn phí</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Quyên góp</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Ủng hộ việc phát triển trong tương lai</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Nếu bạn thấy phần mềm này đáng dùng, xin hãy ủng hộ việc phát triển trong tương lai</translation>
    </message>
</context>
</TS>
