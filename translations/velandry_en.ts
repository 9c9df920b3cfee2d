<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%n entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%n entry)</numerusform>
            <numerusform>%1 -&gt; %2 (%n entries)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first few names; %n counts the rest.</extracomment>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %1 of %n files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %n all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copying %1 of %n file, %2 of %3</numerusform>
            <numerusform>Copying %1 of %n files, %2 of %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%n file that the playlists name is not on the card (%1): %2.</numerusform>
            <numerusform>%n files that the playlists name are not on the card (%1): %2 in all.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n file, %1, would be copied to the card (%2).</numerusform>
            <numerusform>%n files, %1, would be copied to the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%n entry is not on this computer either: %1</numerusform>
            <numerusform>%n entries are not on this computer either: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%n file was not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</numerusform>
            <numerusform>%n files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%n entry was not copied, as no ordinary file of the media type has its name here, or a file on the card has the name of its folder: %1</numerusform>
            <numerusform>%n entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%n file was not copied, as a folder on its way is a link that leads out of the card: %1</numerusform>
            <numerusform>%n files were not copied, as a folder on their way is a link that leads out of the card: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Copied %n file (%1) to the card (%2).</numerusform>
            <numerusform>Copied %n files (%1) to the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Also encode the %n entries of %1 files the device cannot play, to %2</source>
        <extracomment>A check box. %n counts the entries, %1 lists their kinds (&quot;FLAC and M4A&quot;), %2 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>Also encode the %n entry of a %1 file the device cannot play, to %2</numerusform>
            <numerusform>Also encode the %n entries of %1 files the device cannot play, to %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %n files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %n all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copying and encoding %1 of %n file, %2 of about %3</numerusform>
            <numerusform>Copying and encoding %1 of %n files, %2 of about %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them are encoded to %1 on the way.</source>
        <extracomment>%n counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>It is encoded to %1 on the way.</numerusform>
            <numerusform>%n of them are encoded to %1 on the way.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%n file on the card (%1) whose source changed can be made again: %2.</numerusform>
            <numerusform>%n files on the card (%1) whose sources changed can be made again: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%n file below the card&apos;s media folder (%1) is named by no playlist on it: %2.</numerusform>
            <numerusform>%n files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n file, %1, would be removed from the card (%2).</numerusform>
            <numerusform>%n files, %1, would be removed from the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n file whose source changed, %1, would be made again on the card (%2).</numerusform>
            <numerusform>%n files whose sources changed, %1, would be made again on the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n file, about %1, would be encoded to %2 onto the card (%3).</numerusform>
            <numerusform>%n files, about %1, would be encoded to %2 onto the card (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%n file was not encoded, as it cannot be read as music: %1</numerusform>
            <numerusform>%n files were not encoded, as they cannot be read as music: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Removed %n file (%1) that no playlist on the card names from the card (%2).</numerusform>
            <numerusform>Removed %n files (%1) that no playlist on the card names from the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %n files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Made %n file whose source changed again (%1) on the card (%2).</numerusform>
            <numerusform>Made %n files whose sources changed again (%1) on the card (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %n files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Encoded %n file from %1 to %2 (%3) onto the card (%4).</numerusform>
            <numerusform>Encoded %n files from %1 to %2 (%3) onto the card (%4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%n file could not be read here whole, and was not copied: %1</numerusform>
            <numerusform>%n files could not be read here whole, and were not copied: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%n file could not be encoded: %1</numerusform>
            <numerusform>%n files could not be encoded: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be copied; the others are on the card.</source>
        <extracomment>%n counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>%n file could not be copied; the others are on the card.</numerusform>
            <numerusform>%n files could not be copied; the others are on the card.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first few names; %n counts the rest.</extracomment>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %n of %2 entries holds characters outside code page %3, written as &quot;?&quot;</numerusform>
            <numerusform>%1: %n of %2 entries hold characters outside code page %3, written as &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n web addresses</source>
        <translation>
            <numerusform>%n web address</numerusform>
            <numerusform>%n web addresses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outside the music folder</source>
        <translation>
            <numerusform>%n outside the music folder</numerusform>
            <numerusform>%n outside the music folder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: %n of %2 entries left out: %3</numerusform>
            <numerusform>%1: %n of %2 entries left out: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %n of %2 entries can never play on the device: %3</numerusform>
            <numerusform>%1: %n of %2 entries can never play on the device: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %n of %2 entries is not on the card (%3): %4</numerusform>
            <numerusform>%1: %n of %2 entries are not on the card (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %n of %2 entries.</extracomment>
        <translation>
            <numerusform>%1: %n of %2 entries was cut across the playlist&apos;s markup and names no real file</numerusform>
            <numerusform>%1: %n of %2 entries were cut across the playlist&apos;s markup and name no real file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%n of another media type</numerusform>
            <numerusform>%n of another media type</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %n entry is a %2 file the device cannot play: add --transcode</numerusform>
            <numerusform>%1: %n entries are %2 files the device cannot play: add --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %n entry is a %2 file the device cannot play</numerusform>
            <numerusform>%1: %n entries are %2 files the device cannot play</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::Form1</name>
    <message numerus="yes">
        <source>%n files were written before it.</source>
        <translation>
            <numerusform>%n file was written before it.</numerusform>
            <numerusform>%n files were written before it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These files were not queued.</source>
        <translation>
            <numerusform>This file was not queued.</numerusform>
            <numerusform>These files were not queued.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make again the %n files whose sources changed</source>
        <extracomment>A check box: %n counts the files.</extracomment>
        <translation>
            <numerusform>Make again the %n file whose source changed</numerusform>
            <numerusform>Make again the %n files whose sources changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %n counts the files.</extracomment>
        <translation>
            <numerusform>Remove the %n file below the media folder that no playlist on the card names</numerusform>
            <numerusform>Remove the %n files below the media folder that no playlist on the card names</numerusform>
        </translation>
    </message>
</context>
</TS>
