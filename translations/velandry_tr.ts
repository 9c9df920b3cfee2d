<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Çalma listelerini (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX), tek bir ortam türündeki öğeleri koruyarak Pocket PC için Windows Media Player&apos;a yönelik ASX çalma listelerine dönüştürür.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Korunacak ortam türü, başındaki nokta olmadan (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Cihazda her yolun önüne yazılan klasör (varsayılan: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>.asx dosyalarının klasörü (varsayılan: her çalma listesinin kendi klasörü).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>.asx dosyalarının ve UTF-8 olmayan çalma listelerinin ANSI kod sayfası: %1 (cp1250 veya windows-1250 biçiminde de yazılabilir). Buradaki varsayılan: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>WPL dışındaki çalma listelerinin dosyalarını içinde adlandırdığı müzik klasörü, listelerde yazıldığı biçimiyle (/home/ana/Music, &apos;D:\Music&apos;): altındaki öğeler bu klasörden itibaren kesilir (varsayılan: kılavuz sayfasındaki kurallar).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>Depolama kartının bu sistemde göründüğü yol (/media/ana/CARD, E:\): her öğe kartta aranır ve kartta olmayanlar bildirilir (varsayılan: ortam klasörünü içeren bir kartsa, çıkış klasörünün bulunduğu birim).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Sorunsuz dönüştürülen çalma listeleri için hiçbir şey yazdırılmaz.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Dönüştürülecek çalma listeleri.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Daha fazla bilgi için &apos;--help&apos; seçeneğini deneyin.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>ortam türü belirtilmemiş (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>çalma listesi belirtilmemiş</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>bilinmeyen kod sayfası %1; ANSI kod sayfaları şunlardır: %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Lütfen bir ortam türü seçin
örneğin WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>çıkış klasörü %1 mevcut değil</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>kart %1 mevcut değil</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln öğe)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>uyarı: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Çalma listelerinden sonra, listelerin belirttiği ve kartta bulunmayan dosyalar, her biri cihazın açacağı yere olmak üzere karta kopyalanır; dosyalar çalma listesinin belirttiği yerden ya da müzik kök klasörünün altından alınır (--music-root, belirtilmezse kullanıcının müzik klasörü).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Hiçbir şey yazılmaz (ne çalma listesi ne müzik ne de klasör): yalnızca yapılacak işlemler yazdırılır.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Kart eşitlenir (--copy-music seçeneğinin yaptığı ve daha fazlası): karttaki, kaynağı burada değişmiş bir dosya kendi yerinde yeniden oluşturulur; kaynağından daha yeni olan bir dosya ise hiçbir zaman yeniden oluşturulmaz.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Karttaki ortam klasörünün altında bulunan ve karttaki hiçbir .asx çalma listesinin belirtmediği müzik kaldırılır (kartta hiç .asx yoksa hiçbir şey kaldırılmaz; müzik dışında hiçbir şey de kaldırılmaz).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Çalma listelerinin belirttiği her müzik dosyası, hepsi çalınabilsin diye karta konur (--copy-music seçeneğinin yaptığı gibi): cihazın çaldıkları (MP3, WMA, 16 bit WAV) olduğu gibi, geri kalanlar (FLAC, M4A, Ogg, Opus, ...) ortam türü biçiminde kodlanarak; ortam türü bu durumda mp3, wma veya wav olur.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>--transcode seçeneğinin MP3 veya WMA olarak kodladığı dosyaların bit hızı, kbit/s cinsinden (varsayılan: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>--transcode seçeneğinin aynı anda kodladığı dosya sayısı (varsayılan: işlemcinin çekirdek sayısı, burada %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode yalnızca mp3, wma veya wav olarak kodlar; -t %1 bunlardan biri değil</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate 32 ile 320 arasında bir kbit/s değeri alır, %1 değil</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs 1 ile 256 arasında bir sayı alır, %1 değil</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 için kart gerekiyor: kartı --card DIR ile belirtin ya da çalma listelerini --output-folder DIR ile karta yazın</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Kopyalanıyor: %Ln dosyadan %1. dosya, %2 / %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>Çalma listelerinin belirttiği %Ln dosya kartta (%1) yok: toplam %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Kartta %1 boş alan var.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln dosya (%1) karta (%2) kopyalanacak.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>Kartın dosya sistemi, kartta ne kadar boş alan olduğunu bildirmiyor.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln öğe bu bilgisayarda da yok: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln dosya kopyalanmadı, çünkü kartın FAT dosya sistemi 4 GiB veya daha büyük dosyaları barındıramaz: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln öğe kopyalanmadı, çünkü burada öğenin adını taşıyan ve ortam türünden olan normal bir dosya yok ya da kartta öğenin klasörüyle aynı adda bir dosya var: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln dosya kopyalanmadı, çünkü yolu üzerindeki bir klasör, kartın dışına çıkan bir bağlantı: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Karta (%2) %Ln dosya (%1) kopyalandı.</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Müzik karta (%1) sığmıyor: kopyalanacak %2, boş alan %3; hiçbir şey kopyalanmadı.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>dosya yazılamadı</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>%1 kopyalanamadı: %2; ondan önce kopyalanan dosyalar eksiksiz.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Kopyalama durduruldu; daha önce kopyalanan dosyalar eksiksiz.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>Kart güncel durumda.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%2 kbit/s %1</translation>
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
            <numerusform>Cihazın çalamadığı %1 dosyası olan %Ln öğeyi de %2 olarak kodla</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Kopyalanıyor ve kodlanıyor: %Ln dosyadan %1. dosya, %2 / yaklaşık %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>Bunlardan %Ln tanesi aktarılırken %1 olarak kodlanır.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>Karttaki (%1), kaynağı değişmiş %Ln dosya yeniden oluşturulabilir: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>Kartın (%1) ortam klasörü altındaki %Ln dosyayı karttaki hiçbir çalma listesi belirtmiyor: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Kartta %1 boş alan var; işlem bitince yaklaşık %2 olacak.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>%1 (%2) kaldırılacak: karttaki hiçbir çalma listesi bu dosyayı belirtmiyor</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (%3 olarak kodlanmış, yaklaşık %4, karttaki %5 boyutundaki dosyanın yerine)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (%3 olarak kodlanmış, yaklaşık %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, karttaki %4 boyutundaki dosyanın yerine)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln dosya (%1) karttan (%2) kaldırılacak.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Kaynağı değişmiş %Ln dosya (%1) kartta (%2) yeniden oluşturulacak.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln dosya (yaklaşık %1) %2 olarak kodlanıp karta (%3) yazılacak.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>Kartta (%1) hiç .asx çalma listesi yok, bu yüzden karttan hiçbir şey kaldırılmadı: karttaki hiçbir şey herhangi bir müziği belirtmiyor.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln dosya kodlanmadı, çünkü müzik olarak okunamıyor: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Karttaki hiçbir çalma listesinin belirtmediği %Ln dosya (%1) karttan (%2) kaldırıldı.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Kaynağı değişmiş %Ln dosya (%1) kartta (%2) yeniden oluşturuldu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln dosya (%3) %1 biçiminden %2 biçimine kodlanarak karta (%4) yazıldı.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln dosya burada eksiksiz okunamadı ve kopyalanmadı: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln dosya kodlanamadı: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>%Ln dosya kopyalanamadı; diğerleri kartta.</numerusform>
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
        <translation>Çalma Listesi Dönüştürücü</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Çalma listelerini Pocket PC için ASX çalma listelerine dönüştürün</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Windows Media Player çalma listelerini Pocket PC için dönüştürün</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Velandry, çalma listelerini (Windows Media Player&apos;ın WPL listelerini, M3U ve M3U8, PLS, XSPF, ASX ve Zune çalma listelerini), Pocket PC için Windows Media Player&apos;ın depolama kartından çalabildiği ASX 3.0 çalma listelerine dönüştürür.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Çalma listelerini, korunacak ortam türünü (WMA, MP3, WAV veya başka bir tür) ve cihazda müziğin bulunduğu klasörü seçin. Bu türdeki her başvuru, müzik klasörünün altındaki konumuna kısaltılır ve cihazın müzik klasörünün altına yazılır; her çalma listesi için cihazın ANSI kod sayfasında bir .asx dosyası oluşturulur.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Komut satırı dönüştürücüsü velandry-convert aynı işi pencere açmadan yapar.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Çalma listeleri, kuyruk, ortam türü ve klasörler</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Ana pencere ve Hakkında penceresi</translation>
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
        <translation>metin, işaretlemesi tamamlanmadan bitiyor</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>bir açıklama hiç kapatılmamış</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>bir CDATA bölümü hiç kapatılmamış</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>bir işleme yönergesi hiç kapatılmamış</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>bir bildirim hiç kapatılmamış</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>&quot;&lt;&quot; işaretinden sonra bir ad bekleniyordu</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>bir bitiş etiketinin adından sonra &quot;&gt;&quot; bekleniyordu</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>bir özniteliğin &quot;=&quot; işareti ve değeri yok</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>bir özniteliğin değeri tırnak içinde değil</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>bir bitiş etiketi, kapattığı öğeyle eşleşmiyor</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>%1 işaretlemesi okunamıyor: %2. satırdaki bir etiket hiç kapatılmamış</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>%1 işaretlemesinde &lt;ASX&gt; öğesi yok</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>%1 işaretlemesi okunamıyor: satır %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>Bu bir klasör, çalma listesi değil</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Bu normal bir dosya değil</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>Çıktı, çalma listesinin kendisinin üzerine yazılırdı</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Bu adda bir klasör engel oluyor</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Dosya yazmaya karşı korumalı</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Bu çalma listesinin başvuruları çakışıyor ve 4 GiB boyutundan büyük bir dosya oluştururdu</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>Çalma listesi UTF-8 değil ve bu bilgisayarın belleğiyle dönüştürülemeyecek kadar büyük</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Başka bir program çalma listesini okunurken değiştirdi; bu liste için hiçbir şey yazılmadı, listeyi yeniden dönüştürün</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Adı geçerli bir UTF-8 değil, bu yüzden açılamıyor; dosyayı yeniden adlandırın, örneğin &quot;convmv -f latin1 -t utf8 --notest&quot; komutuyla</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Burada okunabilen türde bir çalma listesi değil (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>XML bildirimi “%1” kodlamasını belirtiyor; bu kodlama burada okunamıyor</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Çıktısı olan %1, bu çalıştırmada %2 listesinden yazıldı; iki çalma listesinden birini yeniden adlandırın</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Dosya okunamadı</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Dosya yazılamadı</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 ve %Ln tane daha</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: UTF-8 değil, %2 kod sayfası olarak okundu</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %2 öğeden %Ln tanesi %3 kod sayfası dışında karakterler içeriyor; bunlar &quot;?&quot; olarak yazıldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln web adresi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>müzik klasörü dışında %Ln öğe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: %2 öğeden %Ln tanesi dışarıda bırakıldı: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %2 öğeden %Ln tanesi cihazda hiçbir zaman çalınamaz: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: kart (%2) okunamadı, bu nedenle öğeler kartta aranmadı</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %2 öğeden %Ln tanesi kartta (%3) yok: %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %2 öğeden %Ln tanesi çalma listesinin işaretlemesinin ortasından kesilmiş ve gerçek bir dosyayı göstermiyor</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>sistemin ANSI kod sayfası</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>kullanıcının yerel ayarının ANSI kod sayfası; sistemin %1 kod sayfası bir ANSI kod sayfası değil</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>sistemin %1 kod sayfası bir ANSI kod sayfası değil ve kullanıcının yerel ayarının da ANSI kod sayfası yok</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>%1 yerel ayarından (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>yerel ayar belirlenmemiş</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(%Ln baytlık bir yol)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>müzik klasörü dışında %Ln öğe (klasörü --music-root ile belirtin)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>başka bir ortam türünden %Ln öğe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: cihazın çalamadığı %2 dosyası olan %Ln öğe var: --transcode ekleyin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: cihazın çalamadığı %2 dosyası olan %Ln öğe var</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>İptal ediliyor…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>%1 dönüştürülüyor</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>%1 / %2 yazıldı</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>%1 / %2 okundu</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>%1 kopyalanıyor</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>%1 kodlanıyor</translation>
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
        <translation>Lütfen seçin</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Liste konumu:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>Liste içeriği:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Klasördeki çalma listeleri</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Dönüştürülecek listeler</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Çıkış konumu:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Ortam konumu:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>Dönüş&amp;tür</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>Liste içeriği</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Çalma listesi klasörünü seç</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Kuyruğa ekle</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Kuyruktan kaldır</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Çıkış klasörünü seç</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>“%1” çalma listesi klasörünün içeriği listelenemiyor.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Belirtilen konum mevcut değil veya bir klasör değil.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Lütfen bir ortam türü seçin<byte value="xd"/>
örneğin WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>Bundan önce %Ln dosya yazıldı.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>“%1” okunamadı.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>“%1” yazılamadı.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Çalma listesi klasörünüzü seçin</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Çıkış klasörünü seçin</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>“%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>“%1” okunabilir bir çalma listesi değil (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>“%1”, diğerlerinin bulunduğu %2 klasöründe değil.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Çalma listelerinin belirttiği müzik karta kopyalansın mı?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Kopyalama</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Kart bu bilgisayardaki müzikle eşitlensin mi?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Kaynağı değişmiş %Ln dosyayı yeniden oluştur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Ortam klasörünün altında olup karttaki hiçbir çalma listesinin belirtmediği %Ln dosyayı kaldır</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln dosya kuyruğa eklenmedi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Güncelleme</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Velandry web sitesi</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Güncelleştirmeler için burayı tıklayın</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Güncelleştirme, SSS ve yardım için ziyaret edin</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Sürüm geçmişi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, ücretsiz yazılım</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Bağış yapın</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Gelecekteki geliştirmelere destek olun</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Bu yazılımı kullanmaya değer buluyorsanız gelecekteki geliştirmelere destek olabilirsiniz</translation>
    </message>
</context>
</TS>
