<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Μετατρέπει λίστες αναπαραγωγής (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) σε λίστες αναπαραγωγής ASX για το Windows Media Player του Pocket PC, διατηρώντας τις καταχωρήσεις ενός τύπου πολυμέσων.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Ο τύπος πολυμέσων που θα διατηρηθεί, χωρίς την τελεία (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Ο φάκελος της συσκευής που γράφεται μπροστά από κάθε διαδρομή (προεπιλογή: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Ο φάκελος για τα αρχεία .asx (προεπιλογή: ο φάκελος της κάθε λίστας αναπαραγωγής).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Η κωδικοσελίδα ANSI των αρχείων .asx και των λιστών αναπαραγωγής που δεν είναι σε UTF-8: %1 (γράφεται και ως cp1250 ή windows-1250). Προεπιλογή εδώ: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>Ο φάκελος μουσικής μέσα στον οποίο οι λίστες αναπαραγωγής εκτός των WPL ονομάζουν τα αρχεία τους, γραμμένος όπως τον γράφουν εκείνες (/home/ana/Music, &apos;D:\Music&apos;): οι καταχωρήσεις κάτω από αυτόν αποκόπτονται σε εκείνο το σημείο (προεπιλογή: οι κανόνες της σελίδας εγχειριδίου).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>Η κάρτα αποθήκευσης όπως τη βλέπει αυτό το σύστημα (/media/ana/CARD, E:\): κάθε καταχώρηση αναζητείται σε αυτήν και αναφέρονται όσες δεν βρίσκονται εκεί (προεπιλογή: ο τόμος του φακέλου εξόδου, εφόσον είναι κάρτα που περιέχει τον φάκελο πολυμέσων).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Να μην εμφανίζεται τίποτα για τις λίστες αναπαραγωγής που μετατρέπονται χωρίς προβλήματα.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Οι λίστες αναπαραγωγής προς μετατροπή.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Δοκιμάστε &apos;--help&apos; για περισσότερες πληροφορίες.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>λείπει ο τύπος πολυμέσων (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>δεν δόθηκε λίστα αναπαραγωγής</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>άγνωστη κωδικοσελίδα %1· οι κωδικοσελίδες ANSI είναι οι %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Επιλέξτε έναν τύπο πολυμέσων
π.χ. WMA, MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>ο φάκελος εξόδου %1 δεν υπάρχει</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>η κάρτα %1 δεν υπάρχει</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln καταχώρηση)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln καταχωρήσεις)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>προειδοποίηση: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Μετά τις λίστες αναπαραγωγής, αντιγραφή στην κάρτα των αρχείων που αναφέρουν και δεν υπάρχουν σε αυτήν, του καθενός στη θέση από την οποία θα το ανοίξει η συσκευή, από το σημείο όπου το ορίζει η λίστα αναπαραγωγής ή από τον ριζικό φάκελο μουσικής (--music-root, αλλιώς τον φάκελο μουσικής του χρήστη).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Να μη γραφτεί απολύτως τίποτα (ούτε λίστες αναπαραγωγής ούτε μουσική ούτε φάκελοι): να εμφανιστεί μόνο τι θα γινόταν.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Συγχρονισμός της κάρτας (όπως το --copy-music, και επιπλέον): ένα αρχείο της κάρτας του οποίου η πηγή άλλαξε εδώ δημιουργείται ξανά στη θέση του· ένα αρχείο νεότερο από την πηγή του δεν δημιουργείται ποτέ ξανά.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Αφαίρεση της μουσικής κάτω από τον φάκελο πολυμέσων της κάρτας που δεν αναφέρει καμία λίστα αναπαραγωγής .asx της κάρτας (δεν αφαιρείται τίποτα αν η κάρτα δεν περιέχει κανένα .asx, και ποτέ τίποτα άλλο εκτός από μουσική).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Τοποθέτηση στην κάρτα κάθε αρχείου μουσικής που αναφέρουν οι λίστες αναπαραγωγής (όπως με το --copy-music), ώστε να αναπαράγονται όλα: όσα αναπαράγει η συσκευή (MP3, WMA, WAV 16 bit) ως έχουν, τα υπόλοιπα (FLAC, M4A, Ogg, Opus, ...) κωδικοποιημένα στον τύπο πολυμέσων, ο οποίος τότε είναι mp3, wma ή wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>Ο ρυθμός bit όσων κωδικοποιεί το --transcode σε MP3 ή WMA, σε kbit/s (προεπιλογή: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Πόσα αρχεία κωδικοποιεί ταυτόχρονα το --transcode (προεπιλογή: όσοι είναι οι πυρήνες του επεξεργαστή, εδώ %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>το --transcode κωδικοποιεί σε mp3, wma ή wav· το -t %1 δεν είναι κανένα από αυτά</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>το --bitrate δέχεται αριθμό kbit/s από 32 έως 320, όχι %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>το --jobs δέχεται αριθμό από 1 έως 256, όχι %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>το %1 χρειάζεται την κάρτα: ορίστε την με --card DIR ή γράψτε τις λίστες αναπαραγωγής στην κάρτα με --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Αντιγραφή αρχείου %1 από %Ln, %2 από %3</numerusform>
            <numerusform>Αντιγραφή αρχείου %1 από %Ln, %2 από %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln αρχείο που αναφέρουν οι λίστες αναπαραγωγής δεν βρίσκεται στην κάρτα (%1): %2 συνολικά.</numerusform>
            <numerusform>%Ln αρχεία που αναφέρουν οι λίστες αναπαραγωγής δεν βρίσκονται στην κάρτα (%1): %2 συνολικά.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Ελεύθερος χώρος στην κάρτα: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Θα αντιγραφόταν %Ln αρχείο, %1, στην κάρτα (%2).</numerusform>
            <numerusform>Θα αντιγράφονταν %Ln αρχεία, %1, στην κάρτα (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>Το σύστημα αρχείων της κάρτας δεν αναφέρει πόσος ελεύθερος χώρος υπάρχει σε αυτήν.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln καταχώρηση δεν βρίσκεται ούτε σε αυτόν τον υπολογιστή: %1</numerusform>
            <numerusform>%Ln καταχωρήσεις δεν βρίσκονται ούτε σε αυτόν τον υπολογιστή: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>Δεν αντιγράφηκε %Ln αρχείο, επειδή το σύστημα αρχείων FAT της κάρτας δεν χωράει αρχεία 4 GiB ή μεγαλύτερα: %1</numerusform>
            <numerusform>Δεν αντιγράφηκαν %Ln αρχεία, επειδή το σύστημα αρχείων FAT της κάρτας δεν χωράει αρχεία 4 GiB ή μεγαλύτερα: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>Δεν αντιγράφηκε %Ln καταχώρηση, επειδή εδώ δεν υπάρχει κανονικό αρχείο του τύπου πολυμέσων με το όνομά της ή επειδή ένα αρχείο στην κάρτα έχει το όνομα του φακέλου της: %1</numerusform>
            <numerusform>Δεν αντιγράφηκαν %Ln καταχωρήσεις, επειδή εδώ δεν υπάρχει κανονικό αρχείο του τύπου πολυμέσων με το όνομά τους ή επειδή ένα αρχείο στην κάρτα έχει το όνομα του φακέλου τους: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>Δεν αντιγράφηκε %Ln αρχείο, επειδή ένας φάκελος στη διαδρομή του είναι σύνδεσμος που οδηγεί έξω από την κάρτα: %1</numerusform>
            <numerusform>Δεν αντιγράφηκαν %Ln αρχεία, επειδή ένας φάκελος στη διαδρομή τους είναι σύνδεσμος που οδηγεί έξω από την κάρτα: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Αντιγράφηκε %Ln αρχείο (%1) στην κάρτα (%2).</numerusform>
            <numerusform>Αντιγράφηκαν %Ln αρχεία (%1) στην κάρτα (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>Η μουσική δεν χωράει στην κάρτα (%1): %2 προς αντιγραφή, %3 ελεύθερα· δεν αντιγράφηκε τίποτα.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>δεν ήταν δυνατή η εγγραφή του</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>Δεν ήταν δυνατή η αντιγραφή του %1: %2· τα αρχεία που αντιγράφηκαν πριν από αυτό είναι πλήρη.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>Η αντιγραφή διακόπηκε· τα αρχεία που είχαν αντιγραφεί ως τότε είναι πλήρη.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>Η κάρτα είναι ενημερωμένη.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 στα %2 kbit/s</translation>
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
            <numerusform>Να κωδικοποιηθεί επίσης η %Ln καταχώρηση αρχείου %1 που δεν μπορεί να αναπαραγάγει η συσκευή, σε %2</numerusform>
            <numerusform>Να κωδικοποιηθούν επίσης οι %Ln καταχωρήσεις αρχείων %1 που δεν μπορεί να αναπαραγάγει η συσκευή, σε %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Αντιγραφή και κωδικοποίηση αρχείου %1 από %Ln, %2 από περίπου %3</numerusform>
            <numerusform>Αντιγραφή και κωδικοποίηση αρχείου %1 από %Ln, %2 από περίπου %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>%Ln από αυτά κωδικοποιείται σε %1 κατά τη μεταφορά.</numerusform>
            <numerusform>%Ln από αυτά κωδικοποιούνται σε %1 κατά τη μεταφορά.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln αρχείο της κάρτας (%1) του οποίου άλλαξε η πηγή μπορεί να δημιουργηθεί ξανά: %2.</numerusform>
            <numerusform>%Ln αρχεία της κάρτας (%1) των οποίων άλλαξαν οι πηγές μπορούν να δημιουργηθούν ξανά: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln αρχείο κάτω από τον φάκελο πολυμέσων της κάρτας (%1) δεν αναφέρεται σε καμία λίστα αναπαραγωγής της κάρτας: %2.</numerusform>
            <numerusform>%Ln αρχεία κάτω από τον φάκελο πολυμέσων της κάρτας (%1) δεν αναφέρονται σε καμία λίστα αναπαραγωγής της κάρτας: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Ελεύθερος χώρος στην κάρτα: %1· περίπου %2 μετά την ολοκλήρωση.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>Θα αφαιρούνταν το %1 (%2): δεν το αναφέρει καμία λίστα αναπαραγωγής της κάρτας</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (κωδικοποίηση σε %3, περίπου %4, στη θέση του αρχείου των %5 της κάρτας)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (κωδικοποίηση σε %3, περίπου %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, στη θέση του αρχείου των %4 της κάρτας)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Θα αφαιρούνταν %Ln αρχείο, %1, από την κάρτα (%2).</numerusform>
            <numerusform>Θα αφαιρούνταν %Ln αρχεία, %1, από την κάρτα (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Θα δημιουργούνταν ξανά %Ln αρχείο του οποίου άλλαξε η πηγή, %1, στην κάρτα (%2).</numerusform>
            <numerusform>Θα δημιουργούνταν ξανά %Ln αρχεία των οποίων άλλαξαν οι πηγές, %1, στην κάρτα (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Θα κωδικοποιούνταν %Ln αρχείο, περίπου %1, σε %2 στην κάρτα (%3).</numerusform>
            <numerusform>Θα κωδικοποιούνταν %Ln αρχεία, περίπου %1, σε %2 στην κάρτα (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>Η κάρτα (%1) δεν περιέχει καμία λίστα αναπαραγωγής .asx, επομένως δεν αφαιρέθηκε τίποτα από αυτήν: τίποτα σε αυτήν δεν αναφέρει μουσική.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Δεν κωδικοποιήθηκε %Ln αρχείο, επειδή δεν μπορεί να διαβαστεί ως μουσική: %1</numerusform>
            <numerusform>Δεν κωδικοποιήθηκαν %Ln αρχεία, επειδή δεν μπορούν να διαβαστούν ως μουσική: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Αφαιρέθηκε από την κάρτα (%2) %Ln αρχείο (%1), το οποίο δεν αναφέρει καμία λίστα αναπαραγωγής της κάρτας.</numerusform>
            <numerusform>Αφαιρέθηκαν από την κάρτα (%2) %Ln αρχεία (%1), τα οποία δεν αναφέρει καμία λίστα αναπαραγωγής της κάρτας.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Δημιουργήθηκε ξανά στην κάρτα (%2) %Ln αρχείο (%1) του οποίου άλλαξε η πηγή.</numerusform>
            <numerusform>Δημιουργήθηκαν ξανά στην κάρτα (%2) %Ln αρχεία (%1) των οποίων άλλαξαν οι πηγές.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Κωδικοποιήθηκε %Ln αρχείο από %1 σε %2 (%3) στην κάρτα (%4).</numerusform>
            <numerusform>Κωδικοποιήθηκαν %Ln αρχεία από %1 σε %2 (%3) στην κάρτα (%4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln αρχείο δεν ήταν δυνατό να διαβαστεί ολόκληρο εδώ και δεν αντιγράφηκε: %1</numerusform>
            <numerusform>%Ln αρχεία δεν ήταν δυνατό να διαβαστούν ολόκληρα εδώ και δεν αντιγράφηκαν: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Δεν ήταν δυνατή η κωδικοποίηση %Ln αρχείου: %1</numerusform>
            <numerusform>Δεν ήταν δυνατή η κωδικοποίηση %Ln αρχείων: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>Δεν ήταν δυνατή η αντιγραφή %Ln αρχείου· τα υπόλοιπα βρίσκονται στην κάρτα.</numerusform>
            <numerusform>Δεν ήταν δυνατή η αντιγραφή %Ln αρχείων· τα υπόλοιπα βρίσκονται στην κάρτα.</numerusform>
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
        <translation>Μετατροπέας λιστών αναπαραγωγής</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Μετατροπή λιστών αναπαραγωγής σε λίστες αναπαραγωγής ASX για Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Μετατροπή λιστών αναπαραγωγής του Windows Media Player για Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>Το Velandry μετατρέπει λίστες αναπαραγωγής (WPL του Windows Media Player, M3U και M3U8, PLS, XSPF, ASX και λίστες αναπαραγωγής του Zune) σε λίστες αναπαραγωγής ASX 3.0, τις οποίες το Windows Media Player του Pocket PC αναπαράγει από κάρτα αποθήκευσης.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Επιλέξτε τις λίστες αναπαραγωγής, τον τύπο πολυμέσων που θα διατηρηθεί (WMA, MP3, WAV ή οποιονδήποτε άλλο) και τον φάκελο της συσκευής που περιέχει τη μουσική. Κάθε αναφορά αυτού του τύπου περιορίζεται στη θέση της κάτω από τον φάκελο μουσικής και γράφεται κάτω από τον φάκελο μουσικής της συσκευής, ένα αρχείο .asx για κάθε λίστα αναπαραγωγής, στην κωδικοσελίδα ANSI της συσκευής.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>Ο μετατροπέας γραμμής εντολών velandry-convert κάνει το ίδιο χωρίς παράθυρο.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Οι λίστες αναπαραγωγής, η ουρά, ο τύπος πολυμέσων και οι φάκελοι</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>Το κύριο παράθυρο και το παράθυρο πληροφοριών</translation>
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
        <translation>το κείμενο τελειώνει πριν ολοκληρωθεί η σήμανσή του</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>ένα σχόλιο δεν κλείνει ποτέ</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>μια ενότητα CDATA δεν κλείνει ποτέ</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>μια οδηγία επεξεργασίας δεν κλείνει ποτέ</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>μια δήλωση δεν κλείνει ποτέ</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>αναμενόταν όνομα μετά το &quot;&lt;&quot;</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>αναμενόταν &quot;&gt;&quot; μετά το όνομα μιας ετικέτας τέλους</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>ένα χαρακτηριστικό δεν έχει &quot;=&quot; και τιμή</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>η τιμή ενός χαρακτηριστικού δεν βρίσκεται σε εισαγωγικά</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>μια ετικέτα τέλους δεν αντιστοιχεί στο στοιχείο που κλείνει</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Δεν είναι δυνατή η ανάγνωση της σήμανσης %1: μια ετικέτα στη γραμμή %2 δεν κλείνει ποτέ</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>Η σήμανση %1 δεν περιέχει στοιχείο &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Δεν είναι δυνατή η ανάγνωση της σήμανσης %1: γραμμή %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>Είναι φάκελος, όχι λίστα αναπαραγωγής</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Δεν είναι κανονικό αρχείο</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>Το αρχείο εξόδου θα αντικαθιστούσε την ίδια τη λίστα αναπαραγωγής</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Υπάρχει ήδη φάκελος με αυτό το όνομα στη θέση του αρχείου</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Το αρχείο έχει προστασία εγγραφής</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>Οι αναφορές αυτής της λίστας αναπαραγωγής επικαλύπτονται και θα δημιουργούσαν αρχείο μεγαλύτερο από 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>Η λίστα αναπαραγωγής δεν είναι σε UTF-8 και είναι πολύ μεγάλη για να μετατραπεί με τη μνήμη που διαθέτει αυτός ο υπολογιστής</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Ένα άλλο πρόγραμμα άλλαξε τη λίστα αναπαραγωγής κατά την ανάγνωσή της· δεν γράφτηκε τίποτα για αυτήν, μετατρέψτε την ξανά</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>Το όνομα του αρχείου δεν είναι έγκυρο UTF-8 και γι&apos; αυτό δεν μπορεί να ανοιχτεί· μετονομάστε το, για παράδειγμα με &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Δεν είναι λίστα αναπαραγωγής κάποιου από τους τύπους που διαβάζονται εδώ (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>Η δήλωση XML ορίζει την κωδικοποίηση «%1», η οποία δεν μπορεί να διαβαστεί εδώ</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>Το αρχείο εξόδου της, %1, γράφτηκε ήδη από το %2 σε αυτήν την εκτέλεση· μετονομάστε μία από τις δύο λίστες αναπαραγωγής</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του αρχείου</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του αρχείου</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 και %Ln ακόμη</numerusform>
            <numerusform>%1 και %Ln ακόμη</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: δεν είναι σε UTF-8, διαβάστηκε με την κωδικοσελίδα %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln από %2 καταχωρήσεις περιέχει χαρακτήρες εκτός της κωδικοσελίδας %3, που γράφτηκαν ως &quot;?&quot;</numerusform>
            <numerusform>%1: %Ln από %2 καταχωρήσεις περιέχουν χαρακτήρες εκτός της κωδικοσελίδας %3, που γράφτηκαν ως &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln διεύθυνση web</numerusform>
            <numerusform>%Ln διευθύνσεις web</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln εκτός του φακέλου μουσικής</numerusform>
            <numerusform>%Ln εκτός του φακέλου μουσικής</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: παραλείφθηκε %Ln από %2 καταχωρήσεις: %3</numerusform>
            <numerusform>%1: παραλείφθηκαν %Ln από %2 καταχωρήσεις: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln από %2 καταχωρήσεις δεν μπορεί ποτέ να αναπαραχθεί στη συσκευή: %3</numerusform>
            <numerusform>%1: %Ln από %2 καταχωρήσεις δεν μπορούν ποτέ να αναπαραχθούν στη συσκευή: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: δεν ήταν δυνατή η ανάγνωση της κάρτας (%2), επομένως οι καταχωρήσεις δεν αναζητήθηκαν σε αυτήν</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln από %2 καταχωρήσεις δεν βρίσκεται στην κάρτα (%3): %4</numerusform>
            <numerusform>%1: %Ln από %2 καταχωρήσεις δεν βρίσκονται στην κάρτα (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln από %2 καταχωρήσεις κόπηκε μέσα στη σήμανση της λίστας αναπαραγωγής και δεν αντιστοιχεί σε πραγματικό αρχείο</numerusform>
            <numerusform>%1: %Ln από %2 καταχωρήσεις κόπηκαν μέσα στη σήμανση της λίστας αναπαραγωγής και δεν αντιστοιχούν σε πραγματικό αρχείο</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>η κωδικοσελίδα ANSI του συστήματος</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>η κωδικοσελίδα ANSI των τοπικών ρυθμίσεων του χρήστη· η κωδικοσελίδα %1 του συστήματος δεν είναι κωδικοσελίδα ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>η κωδικοσελίδα %1 του συστήματος δεν είναι κωδικοσελίδα ANSI και οι τοπικές ρυθμίσεις του χρήστη δεν έχουν κωδικοσελίδα ANSI</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>από τις τοπικές ρυθμίσεις %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>δεν έχουν οριστεί τοπικές ρυθμίσεις</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(διαδρομή %Ln byte)</numerusform>
            <numerusform>(διαδρομή %Ln byte)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln εκτός του φακέλου μουσικής (ορίστε τον με --music-root)</numerusform>
            <numerusform>%Ln εκτός του φακέλου μουσικής (ορίστε τον με --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln άλλου τύπου πολυμέσων</numerusform>
            <numerusform>%Ln άλλου τύπου πολυμέσων</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln καταχώρηση είναι αρχείο %2 που δεν μπορεί να αναπαραγάγει η συσκευή: προσθέστε --transcode</numerusform>
            <numerusform>%1: %Ln καταχωρήσεις είναι αρχεία %2 που δεν μπορεί να αναπαραγάγει η συσκευή: προσθέστε --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln καταχώρηση είναι αρχείο %2 που δεν μπορεί να αναπαραγάγει η συσκευή</numerusform>
            <numerusform>%1: %Ln καταχωρήσεις είναι αρχεία %2 που δεν μπορεί να αναπαραγάγει η συσκευή</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Ακύρωση…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Μετατροπή του %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>Γράφτηκαν %1 από %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>Διαβάστηκαν %1 από %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Αντιγραφή του %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Κωδικοποίηση του %1</translation>
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
        <translation>Επιλέξτε</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Πληροφορίες</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Θέση λιστών:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>Η λίστα έχει:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Λίστες στον φάκελο</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Λίστες για μετατροπή</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Θέση εξόδου:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Θέση πολυμέσων:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Εκτέλεση</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>Η λίστα έχει</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Επιλογή φακέλου λιστών αναπαραγωγής</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Προσθήκη στην ουρά</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Αφαίρεση από την ουρά</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Επιλογή φακέλου εξόδου</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Δεν είναι δυνατή η εμφάνιση των περιεχομένων του φακέλου λιστών αναπαραγωγής «%1».</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Δεν υπάρχει ή δεν είναι φάκελος.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Επιλέξτε έναν τύπο πολυμέσων<byte value="xd"/>
π.χ. WMA, MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>Πριν από το σφάλμα γράφτηκε %Ln αρχείο.</numerusform>
            <numerusform>Πριν από το σφάλμα γράφτηκαν %Ln αρχεία.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του «%1».</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Επιλέξτε τον φάκελο των λιστών αναπαραγωγής</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Επιλέξτε τον φάκελο εξόδου</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>Το «%1» δεν είναι λίστα αναπαραγωγής που μπορεί να διαβαστεί (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>Το «%1» δεν βρίσκεται στον φάκελο των υπολοίπων, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Να αντιγραφεί στην κάρτα η μουσική που αναφέρουν οι λίστες αναπαραγωγής;</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Χωρίς αντιγραφή</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Να συγχρονιστεί η κάρτα με τη μουσική αυτού του υπολογιστή;</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Να δημιουργηθεί ξανά το %Ln αρχείο του οποίου άλλαξε η πηγή</numerusform>
            <numerusform>Να δημιουργηθούν ξανά τα %Ln αρχεία των οποίων άλλαξαν οι πηγές</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Να αφαιρεθεί το %Ln αρχείο κάτω από τον φάκελο πολυμέσων που δεν αναφέρει καμία λίστα αναπαραγωγής της κάρτας</numerusform>
            <numerusform>Να αφαιρεθούν τα %Ln αρχεία κάτω από τον φάκελο πολυμέσων που δεν αναφέρει καμία λίστα αναπαραγωγής της κάρτας</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>Δεν προστέθηκε στην ουρά %Ln αρχείο.</numerusform>
            <numerusform>Δεν προστέθηκαν στην ουρά %Ln αρχεία.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ενημέρωση</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Χωρίς ενημέρωση</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Τοποθεσία web του Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Κάντε κλικ εδώ για ενημερώσεις</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Ενημερώσεις, συχνές ερωτήσεις και βοήθεια</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Ιστορικό αναθεωρήσεων</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, δωρεάν λογισμικό</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Δωρεά</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Βοηθήστε τη μελλοντική ανάπτυξη</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Αν σας φαίνεται χρήσιμο αυτό το λογισμικό, μπορείτε να βοηθήσετε τη μελλοντική του ανάπτυξη</translation>
    </message>
</context>
</TS>
