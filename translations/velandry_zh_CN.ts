<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%n entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source> (name it with --music-root)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Velandry</source>
        <extracomment>The program&apos;s name: kept as it is, or written as users of the language know it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist Converter</source>
        <extracomment>What kind of program it is, as software centres and menus list it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>the text ends before its markup does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first few names; %n counts the rest.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n web addresses</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outside the music folder</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 their names.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %n of %2 entries.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velandry::Form1</name>
    <message>
        <source>Windows Media Player Velandry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select</source>
        <extracomment>Shown in the media type box until a type is chosen; a run refuses it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Location :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Location :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files were written before it.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>These files were not queued.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revision History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
