<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln entry)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln entries)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copying %1 of %Ln file, %2 of %3</numerusform>
            <numerusform>Copying %1 of %Ln files, %2 of %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln file that the playlists name is not on the card (%1): %2.</numerusform>
            <numerusform>%Ln files that the playlists name are not on the card (%1): %2 in all.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln file, %1, would be copied to the card (%2).</numerusform>
            <numerusform>%Ln files, %1, would be copied to the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln entry is not on this computer either: %1</numerusform>
            <numerusform>%Ln entries are not on this computer either: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln file was not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</numerusform>
            <numerusform>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln entry was not copied, as no ordinary file of the media type has its name here, or a file on the card has the name of its folder: %1</numerusform>
            <numerusform>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln file was not copied, as a folder on its way is a link that leads out of the card: %1</numerusform>
            <numerusform>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Copied %Ln file (%1) to the card (%2).</numerusform>
            <numerusform>Copied %Ln files (%1) to the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Also encode the %Ln entries of %1 files the device cannot play, to %2</source>
        <extracomment>A check box. %Ln counts the entries, %1 lists their kinds (&quot;FLAC and M4A&quot;), %2 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>Also encode the %Ln entry of a %1 file the device cannot play, to %2</numerusform>
            <numerusform>Also encode the %Ln entries of %1 files the device cannot play, to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copying and encoding %1 of %Ln file, %2 of about %3</numerusform>
            <numerusform>Copying and encoding %1 of %Ln files, %2 of about %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>It is encoded to %1 on the way.</numerusform>
            <numerusform>%Ln of them are encoded to %1 on the way.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln file on the card (%1) whose source changed can be made again: %2.</numerusform>
            <numerusform>%Ln files on the card (%1) whose sources changed can be made again: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln file below the card&apos;s media folder (%1) is named by no playlist on it: %2.</numerusform>
            <numerusform>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln file, %1, would be removed from the card (%2).</numerusform>
            <numerusform>%Ln files, %1, would be removed from the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln file whose source changed, %1, would be made again on the card (%2).</numerusform>
            <numerusform>%Ln files whose sources changed, %1, would be made again on the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln file, about %1, would be encoded to %2 onto the card (%3).</numerusform>
            <numerusform>%Ln files, about %1, would be encoded to %2 onto the card (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln file was not encoded, as it cannot be read as music: %1</numerusform>
            <numerusform>%Ln files were not encoded, as they cannot be read as music: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Removed %Ln file (%1) that no playlist on the card names from the card (%2).</numerusform>
            <numerusform>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Made %Ln file whose source changed again (%1) on the card (%2).</numerusform>
            <numerusform>Made %Ln files whose sources changed again (%1) on the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Encoded %Ln file from %1 to %2 (%3) onto the card (%4).</numerusform>
            <numerusform>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln file could not be read here whole, and was not copied: %1</numerusform>
            <numerusform>%Ln files could not be read here whole, and were not copied: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln file could not be encoded: %1</numerusform>
            <numerusform>%Ln files could not be encoded: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>%Ln file could not be copied; the others are on the card.</numerusform>
            <numerusform>%Ln files could not be copied; the others are on the card.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 and %Ln more</numerusform>
            <numerusform>%1 and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln of %2 entries holds characters outside code page %3, written as &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln web address</numerusform>
            <numerusform>%Ln web addresses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln outside the music folder</numerusform>
            <numerusform>%Ln outside the music folder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: %Ln of %2 entries left out: %3</numerusform>
            <numerusform>%1: %Ln of %2 entries left out: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln of %2 entries can never play on the device: %3</numerusform>
            <numerusform>%1: %Ln of %2 entries can never play on the device: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln of %2 entries is not on the card (%3): %4</numerusform>
            <numerusform>%1: %Ln of %2 entries are not on the card (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln of %2 entries was cut across the playlist&apos;s markup and names no real file</numerusform>
            <numerusform>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln of another media type</numerusform>
            <numerusform>%Ln of another media type</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln entry is a %2 file the device cannot play: add --transcode</numerusform>
            <numerusform>%1: %Ln entries are %2 files the device cannot play: add --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln entry is a %2 file the device cannot play</numerusform>
            <numerusform>%1: %Ln entries are %2 files the device cannot play</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(a path of %Ln byte)</numerusform>
            <numerusform>(a path of %Ln bytes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln outside the music folder (name it with --music-root)</numerusform>
            <numerusform>%Ln outside the music folder (name it with --music-root)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::Form1</name>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>%Ln file was written before it.</numerusform>
            <numerusform>%Ln files were written before it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Make again the %Ln file whose source changed</numerusform>
            <numerusform>Make again the %Ln files whose sources changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Remove the %Ln file below the media folder that no playlist on the card names</numerusform>
            <numerusform>Remove the %Ln files below the media folder that no playlist on the card names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln file was not queued.</numerusform>
            <numerusform>%Ln files were not queued.</numerusform>
        </translation>
    </message>
</context>
</TS>
