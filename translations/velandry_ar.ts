<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>يحوّل قوائم التشغيل (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) إلى قوائم تشغيل ASX لبرنامج Windows Media Player على Pocket PC، مع الاحتفاظ بعناصر نوع واحد من الوسائط فقط.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>نوع الوسائط المراد الاحتفاظ به، بدون النقطة التي تسبقه (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>مجلد الوسائط على الجهاز، ويُكتب قبل كل مسار (الافتراضي: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>مجلد ملفات .asx (الافتراضي: المجلد الذي توجد فيه كل قائمة تشغيل).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>صفحة ترميز ANSI لملفات .asx ولقوائم التشغيل غير المرمّزة بـ UTF-8: %1 (ويمكن كتابتها أيضًا بالشكل cp1250 أو windows-1250). الافتراضي على هذا الكمبيوتر: %2، %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>مجلد الموسيقى الذي تشير قوائم التشغيل من غير نوع WPL إلى ملفاتها داخله، مكتوبًا كما تكتبه هي (/home/ana/Music, &apos;D:\Music&apos;): يُقتطع مسار العناصر الواقعة تحته عند هذا الموضع (الافتراضي: القواعد الواردة في صفحة الدليل).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>بطاقة التخزين كما يراها هذا النظام (/media/ana/CARD, E:\): يُبحث عن كل عنصر عليها، ويُبلَّغ عن العناصر غير الموجودة عليها (الافتراضي: وحدة التخزين التي تضم مجلد الإخراج، إذا كانت بطاقة تحتوي على مجلد الوسائط).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>عدم عرض أي شيء لقوائم التشغيل التي يتم تحويلها دون مشاكل.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>قوائم التشغيل المراد تحويلها.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>استخدم «--help» للحصول على مزيد من المعلومات.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>لم يتم تحديد نوع الوسائط (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>لم يتم تحديد أي قائمة تشغيل</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>صفحة الترميز %1 غير معروفة؛ صفحات ترميز ANSI هي %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>يرجى تحديد نوع الوسائط
مثل WMA أو MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>مجلد الإخراج %1 غير موجود</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>البطاقة %1 غير موجودة</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%Ln عنصر)</numerusform>
            <numerusform>%1 -&gt; %2 (عنصر واحد)</numerusform>
            <numerusform>%1 -&gt; %2 (عنصران)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln عناصر)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln عنصرًا)</numerusform>
            <numerusform>%1 -&gt; %2 (%Ln عنصر)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>تحذير: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>بعد تحويل قوائم التشغيل، نسخ الملفات التي تشير إليها وغير الموجودة على البطاقة إلى البطاقة، كل ملف إلى الموضع الذي يفتحه منه الجهاز، من الموضع الذي تحدده قائمة التشغيل أو من أسفل المجلد الجذر للموسيقى (--music-root، وإلا فمجلد الموسيقى الخاص بالمستخدم).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>عدم كتابة أي شيء على الإطلاق (لا قوائم تشغيل ولا موسيقى ولا مجلدات): عرض ما كان سيتم تنفيذه فقط.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>مزامنة البطاقة (مثل --copy-music وأكثر): يُعاد إنشاء الملف الموجود على البطاقة في موضعه إذا تغيّر مصدره على هذا الكمبيوتر؛ أما الملف الأحدث من مصدره فلا يُعاد إنشاؤه أبدًا.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>حذف الموسيقى الموجودة ضمن مجلد الوسائط على البطاقة التي لا تشير إليها أي قائمة تشغيل .asx على البطاقة (لا يُحذف شيء إذا لم تكن على البطاقة أي قائمة .asx، ولا يُحذف إلا الموسيقى).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>وضع كل ملف موسيقى تشير إليه قوائم التشغيل على البطاقة (كما يفعل --copy-music) بحيث يمكن تشغيلها جميعًا: ما يشغّله الجهاز (MP3 وWMA وWAV بعمق 16 بت) يُنسخ كما هو، والباقي (FLAC وM4A وOgg وOpus وغيرها) يُرمَّز إلى نوع الوسائط، الذي يجب عندئذٍ أن يكون mp3 أو wma أو wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>معدل البت لما يرمّزه --transcode إلى MP3 أو WMA، بالكيلوبت/ثانية (الافتراضي: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>عدد الملفات التي يرمّزها --transcode في وقت واحد (الافتراضي: عدد أنوية المعالج، وهو هنا %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>يرمّز --transcode إلى mp3 أو wma أو wav فقط، و-t %1 ليس أيًّا منها</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>يقبل --bitrate عددًا من 32 إلى 320 كيلوبت/ثانية، وليس %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>يقبل --jobs عددًا من 1 إلى 256، وليس %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>يحتاج %1 إلى البطاقة: حدّدها باستخدام --card DIR، أو اكتب قوائم التشغيل على البطاقة باستخدام --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>جارٍ نسخ الملف %1 من أصل %Ln ملف، %2 من %3</numerusform>
            <numerusform>جارٍ نسخ الملف %1 من أصل ملف واحد، %2 من %3</numerusform>
            <numerusform>جارٍ نسخ الملف %1 من أصل ملفين، %2 من %3</numerusform>
            <numerusform>جارٍ نسخ الملف %1 من أصل %Ln ملفات، %2 من %3</numerusform>
            <numerusform>جارٍ نسخ الملف %1 من أصل %Ln ملفًا، %2 من %3</numerusform>
            <numerusform>جارٍ نسخ الملف %1 من أصل %Ln ملف، %2 من %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>تشير قوائم التشغيل إلى %Ln ملف غير موجود على البطاقة (%1)، بحجم إجمالي %2.</numerusform>
            <numerusform>تشير قوائم التشغيل إلى ملف واحد غير موجود على البطاقة (%1)، بحجم %2.</numerusform>
            <numerusform>تشير قوائم التشغيل إلى ملفين غير موجودين على البطاقة (%1)، بحجم إجمالي %2.</numerusform>
            <numerusform>تشير قوائم التشغيل إلى %Ln ملفات غير موجودة على البطاقة (%1)، بحجم إجمالي %2.</numerusform>
            <numerusform>تشير قوائم التشغيل إلى %Ln ملفًا غير موجود على البطاقة (%1)، بحجم إجمالي %2.</numerusform>
            <numerusform>تشير قوائم التشغيل إلى %Ln ملف غير موجود على البطاقة (%1)، بحجم إجمالي %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>المساحة الفارغة على البطاقة: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>سيتم نسخ %Ln ملف (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>سيتم نسخ ملف واحد (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>سيتم نسخ ملفين (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>سيتم نسخ %Ln ملفات (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>سيتم نسخ %Ln ملفًا (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>سيتم نسخ %Ln ملف (%1) إلى البطاقة (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>لا يُبيّن نظام ملفات البطاقة مقدار المساحة الفارغة عليها.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln عنصر غير موجود على هذا الكمبيوتر أيضًا: %1</numerusform>
            <numerusform>عنصر واحد غير موجود على هذا الكمبيوتر أيضًا: %1</numerusform>
            <numerusform>عنصران غير موجودين على هذا الكمبيوتر أيضًا: %1</numerusform>
            <numerusform>%Ln عناصر غير موجودة على هذا الكمبيوتر أيضًا: %1</numerusform>
            <numerusform>%Ln عنصرًا غير موجودة على هذا الكمبيوتر أيضًا: %1</numerusform>
            <numerusform>%Ln عنصر غير موجودة على هذا الكمبيوتر أيضًا: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>لم يتم نسخ %Ln ملف لأن نظام الملفات FAT على البطاقة لا يستوعب ملفًا بحجم 4 GiB أو أكثر: %1</numerusform>
            <numerusform>لم يتم نسخ الملف التالي لأن نظام الملفات FAT على البطاقة لا يستوعب ملفًا بحجم 4 GiB أو أكثر: %1</numerusform>
            <numerusform>لم يتم نسخ الملفين التاليين لأن نظام الملفات FAT على البطاقة لا يستوعب ملفًا بحجم 4 GiB أو أكثر: %1</numerusform>
            <numerusform>لم يتم نسخ %Ln ملفات لأن نظام الملفات FAT على البطاقة لا يستوعب ملفًا بحجم 4 GiB أو أكثر: %1</numerusform>
            <numerusform>لم يتم نسخ %Ln ملفًا لأن نظام الملفات FAT على البطاقة لا يستوعب ملفًا بحجم 4 GiB أو أكثر: %1</numerusform>
            <numerusform>لم يتم نسخ %Ln ملف لأن نظام الملفات FAT على البطاقة لا يستوعب ملفًا بحجم 4 GiB أو أكثر: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>لم يتم نسخ %Ln عنصر لأنه لا يوجد على هذا الكمبيوتر ملف عادي من نوع الوسائط يحمل اسمها، أو لأن على البطاقة ملفًا يحمل اسم مجلدها: %1</numerusform>
            <numerusform>لم يتم نسخ العنصر التالي لأنه لا يوجد على هذا الكمبيوتر ملف عادي من نوع الوسائط يحمل اسمه، أو لأن على البطاقة ملفًا يحمل اسم مجلده: %1</numerusform>
            <numerusform>لم يتم نسخ العنصرين التاليين لأنه لا يوجد على هذا الكمبيوتر ملف عادي من نوع الوسائط يحمل اسميهما، أو لأن على البطاقة ملفًا يحمل اسم مجلدهما: %1</numerusform>
            <numerusform>لم يتم نسخ %Ln عناصر لأنه لا يوجد على هذا الكمبيوتر ملف عادي من نوع الوسائط يحمل اسمها، أو لأن على البطاقة ملفًا يحمل اسم مجلدها: %1</numerusform>
            <numerusform>لم يتم نسخ %Ln عنصرًا لأنه لا يوجد على هذا الكمبيوتر ملف عادي من نوع الوسائط يحمل اسمها، أو لأن على البطاقة ملفًا يحمل اسم مجلدها: %1</numerusform>
            <numerusform>لم يتم نسخ %Ln عنصر لأنه لا يوجد على هذا الكمبيوتر ملف عادي من نوع الوسائط يحمل اسمها، أو لأن على البطاقة ملفًا يحمل اسم مجلدها: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>لم يتم نسخ %Ln ملف لأن أحد المجلدات على المسار إليها ارتباط يؤدي إلى خارج البطاقة: %1</numerusform>
            <numerusform>لم يتم نسخ الملف التالي لأن أحد المجلدات على المسار إليه ارتباط يؤدي إلى خارج البطاقة: %1</numerusform>
            <numerusform>لم يتم نسخ الملفين التاليين لأن أحد المجلدات على المسار إليهما ارتباط يؤدي إلى خارج البطاقة: %1</numerusform>
            <numerusform>لم يتم نسخ %Ln ملفات لأن أحد المجلدات على المسار إليها ارتباط يؤدي إلى خارج البطاقة: %1</numerusform>
            <numerusform>لم يتم نسخ %Ln ملفًا لأن أحد المجلدات على المسار إليها ارتباط يؤدي إلى خارج البطاقة: %1</numerusform>
            <numerusform>لم يتم نسخ %Ln ملف لأن أحد المجلدات على المسار إليها ارتباط يؤدي إلى خارج البطاقة: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>تم نسخ %Ln ملف (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>تم نسخ ملف واحد (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>تم نسخ ملفين (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>تم نسخ %Ln ملفات (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>تم نسخ %Ln ملفًا (%1) إلى البطاقة (%2).</numerusform>
            <numerusform>تم نسخ %Ln ملف (%1) إلى البطاقة (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>لا تتسع البطاقة (%1) للموسيقى: المطلوب نسخه %2 والمساحة الفارغة %3؛ لم يتم نسخ أي شيء.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>تعذّرت الكتابة إليه</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>تعذّر نسخ %1: %2؛ الملفات التي تم نسخها قبله سليمة.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>تم إيقاف النسخ؛ الملفات التي تم نسخها من قبل سليمة.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>البطاقة محدّثة.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 بمعدل %2 كيلوبت/ثانية</translation>
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
            <numerusform>ترميز %Ln عنصر أيضًا إلى %2، وهي ملفات %1 لا يستطيع الجهاز تشغيلها</numerusform>
            <numerusform>ترميز عنصر واحد أيضًا إلى %2، وهو ملف %1 لا يستطيع الجهاز تشغيله</numerusform>
            <numerusform>ترميز عنصرين أيضًا إلى %2، وهما ملفا %1 لا يستطيع الجهاز تشغيلهما</numerusform>
            <numerusform>ترميز %Ln عناصر أيضًا إلى %2، وهي ملفات %1 لا يستطيع الجهاز تشغيلها</numerusform>
            <numerusform>ترميز %Ln عنصرًا أيضًا إلى %2، وهي ملفات %1 لا يستطيع الجهاز تشغيلها</numerusform>
            <numerusform>ترميز %Ln عنصر أيضًا إلى %2، وهي ملفات %1 لا يستطيع الجهاز تشغيلها</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>جارٍ النسخ والترميز: الملف %1 من أصل %Ln ملف، %2 من حوالي %3</numerusform>
            <numerusform>جارٍ النسخ والترميز: الملف %1 من أصل ملف واحد، %2 من حوالي %3</numerusform>
            <numerusform>جارٍ النسخ والترميز: الملف %1 من أصل ملفين، %2 من حوالي %3</numerusform>
            <numerusform>جارٍ النسخ والترميز: الملف %1 من أصل %Ln ملفات، %2 من حوالي %3</numerusform>
            <numerusform>جارٍ النسخ والترميز: الملف %1 من أصل %Ln ملفًا، %2 من حوالي %3</numerusform>
            <numerusform>جارٍ النسخ والترميز: الملف %1 من أصل %Ln ملف، %2 من حوالي %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>سيتم ترميز %Ln ملف منها إلى %1 أثناء النسخ.</numerusform>
            <numerusform>سيتم ترميز ملف واحد منها إلى %1 أثناء النسخ.</numerusform>
            <numerusform>سيتم ترميز ملفين منها إلى %1 أثناء النسخ.</numerusform>
            <numerusform>سيتم ترميز %Ln ملفات منها إلى %1 أثناء النسخ.</numerusform>
            <numerusform>سيتم ترميز %Ln ملفًا منها إلى %1 أثناء النسخ.</numerusform>
            <numerusform>سيتم ترميز %Ln ملف منها إلى %1 أثناء النسخ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>يمكن إعادة إنشاء %Ln ملف على البطاقة (%1) تغيّرت مصادرها: %2.</numerusform>
            <numerusform>يمكن إعادة إنشاء ملف واحد على البطاقة (%1) تغيّر مصدره: %2.</numerusform>
            <numerusform>يمكن إعادة إنشاء ملفين على البطاقة (%1) تغيّر مصدراهما: %2.</numerusform>
            <numerusform>يمكن إعادة إنشاء %Ln ملفات على البطاقة (%1) تغيّرت مصادرها: %2.</numerusform>
            <numerusform>يمكن إعادة إنشاء %Ln ملفًا على البطاقة (%1) تغيّرت مصادرها: %2.</numerusform>
            <numerusform>يمكن إعادة إنشاء %Ln ملف على البطاقة (%1) تغيّرت مصادرها: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln ملف ضمن مجلد الوسائط على البطاقة (%1) لا تشير إليها أي قائمة تشغيل على البطاقة: %2.</numerusform>
            <numerusform>ملف واحد ضمن مجلد الوسائط على البطاقة (%1) لا تشير إليه أي قائمة تشغيل على البطاقة: %2.</numerusform>
            <numerusform>ملفان ضمن مجلد الوسائط على البطاقة (%1) لا تشير إليهما أي قائمة تشغيل على البطاقة: %2.</numerusform>
            <numerusform>%Ln ملفات ضمن مجلد الوسائط على البطاقة (%1) لا تشير إليها أي قائمة تشغيل على البطاقة: %2.</numerusform>
            <numerusform>%Ln ملفًا ضمن مجلد الوسائط على البطاقة (%1) لا تشير إليها أي قائمة تشغيل على البطاقة: %2.</numerusform>
            <numerusform>%Ln ملف ضمن مجلد الوسائط على البطاقة (%1) لا تشير إليها أي قائمة تشغيل على البطاقة: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>المساحة الفارغة على البطاقة: %1؛ وستصبح حوالي %2 بعد الانتهاء.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>سيتم حذف %1 (%2): لا تشير إليه أي قائمة تشغيل على البطاقة</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (ترميز إلى %3، حوالي %4، بدلًا من الملف الحالي على البطاقة بحجم %5)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (ترميز إلى %3، حوالي %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3، بدلًا من الملف الحالي على البطاقة بحجم %4)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>سيتم حذف %Ln ملف (%1) من البطاقة (%2).</numerusform>
            <numerusform>سيتم حذف ملف واحد (%1) من البطاقة (%2).</numerusform>
            <numerusform>سيتم حذف ملفين (%1) من البطاقة (%2).</numerusform>
            <numerusform>سيتم حذف %Ln ملفات (%1) من البطاقة (%2).</numerusform>
            <numerusform>سيتم حذف %Ln ملفًا (%1) من البطاقة (%2).</numerusform>
            <numerusform>سيتم حذف %Ln ملف (%1) من البطاقة (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>ستتم إعادة إنشاء %Ln ملف تغيّرت مصادرها (%1) على البطاقة (%2).</numerusform>
            <numerusform>ستتم إعادة إنشاء ملف واحد تغيّر مصدره (%1) على البطاقة (%2).</numerusform>
            <numerusform>ستتم إعادة إنشاء ملفين تغيّر مصدراهما (%1) على البطاقة (%2).</numerusform>
            <numerusform>ستتم إعادة إنشاء %Ln ملفات تغيّرت مصادرها (%1) على البطاقة (%2).</numerusform>
            <numerusform>ستتم إعادة إنشاء %Ln ملفًا تغيّرت مصادرها (%1) على البطاقة (%2).</numerusform>
            <numerusform>ستتم إعادة إنشاء %Ln ملف تغيّرت مصادرها (%1) على البطاقة (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>سيتم ترميز %Ln ملف (حوالي %1) إلى %2 على البطاقة (%3).</numerusform>
            <numerusform>سيتم ترميز ملف واحد (حوالي %1) إلى %2 على البطاقة (%3).</numerusform>
            <numerusform>سيتم ترميز ملفين (حوالي %1) إلى %2 على البطاقة (%3).</numerusform>
            <numerusform>سيتم ترميز %Ln ملفات (حوالي %1) إلى %2 على البطاقة (%3).</numerusform>
            <numerusform>سيتم ترميز %Ln ملفًا (حوالي %1) إلى %2 على البطاقة (%3).</numerusform>
            <numerusform>سيتم ترميز %Ln ملف (حوالي %1) إلى %2 على البطاقة (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>لا تحتوي البطاقة (%1) على أي قائمة تشغيل .asx، لذا لم يُحذف منها أي شيء: لا شيء عليها يشير إلى أي موسيقى.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>لم يتم ترميز %Ln ملف لتعذّر قراءتها كموسيقى: %1</numerusform>
            <numerusform>لم يتم ترميز الملف التالي لتعذّر قراءته كموسيقى: %1</numerusform>
            <numerusform>لم يتم ترميز الملفين التاليين لتعذّر قراءتهما كموسيقى: %1</numerusform>
            <numerusform>لم يتم ترميز %Ln ملفات لتعذّر قراءتها كموسيقى: %1</numerusform>
            <numerusform>لم يتم ترميز %Ln ملفًا لتعذّر قراءتها كموسيقى: %1</numerusform>
            <numerusform>لم يتم ترميز %Ln ملف لتعذّر قراءتها كموسيقى: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>تم حذف %Ln ملف (%1) من البطاقة (%2) لا تشير إليها أي قائمة تشغيل عليها.</numerusform>
            <numerusform>تم حذف ملف واحد (%1) من البطاقة (%2) لا تشير إليه أي قائمة تشغيل عليها.</numerusform>
            <numerusform>تم حذف ملفين (%1) من البطاقة (%2) لا تشير إليهما أي قائمة تشغيل عليها.</numerusform>
            <numerusform>تم حذف %Ln ملفات (%1) من البطاقة (%2) لا تشير إليها أي قائمة تشغيل عليها.</numerusform>
            <numerusform>تم حذف %Ln ملفًا (%1) من البطاقة (%2) لا تشير إليها أي قائمة تشغيل عليها.</numerusform>
            <numerusform>تم حذف %Ln ملف (%1) من البطاقة (%2) لا تشير إليها أي قائمة تشغيل عليها.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>تمت إعادة إنشاء %Ln ملف تغيّرت مصادرها (%1) على البطاقة (%2).</numerusform>
            <numerusform>تمت إعادة إنشاء ملف واحد تغيّر مصدره (%1) على البطاقة (%2).</numerusform>
            <numerusform>تمت إعادة إنشاء ملفين تغيّر مصدراهما (%1) على البطاقة (%2).</numerusform>
            <numerusform>تمت إعادة إنشاء %Ln ملفات تغيّرت مصادرها (%1) على البطاقة (%2).</numerusform>
            <numerusform>تمت إعادة إنشاء %Ln ملفًا تغيّرت مصادرها (%1) على البطاقة (%2).</numerusform>
            <numerusform>تمت إعادة إنشاء %Ln ملف تغيّرت مصادرها (%1) على البطاقة (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>تم ترميز %Ln ملف من %1 إلى %2 (%3) على البطاقة (%4).</numerusform>
            <numerusform>تم ترميز ملف واحد من %1 إلى %2 (%3) على البطاقة (%4).</numerusform>
            <numerusform>تم ترميز ملفين من %1 إلى %2 (%3) على البطاقة (%4).</numerusform>
            <numerusform>تم ترميز %Ln ملفات من %1 إلى %2 (%3) على البطاقة (%4).</numerusform>
            <numerusform>تم ترميز %Ln ملفًا من %1 إلى %2 (%3) على البطاقة (%4).</numerusform>
            <numerusform>تم ترميز %Ln ملف من %1 إلى %2 (%3) على البطاقة (%4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>تعذّرت قراءة %Ln ملف كاملةً على هذا الكمبيوتر، فلم يتم نسخها: %1</numerusform>
            <numerusform>تعذّرت قراءة الملف التالي كاملًا على هذا الكمبيوتر، فلم يتم نسخه: %1</numerusform>
            <numerusform>تعذّرت قراءة الملفين التاليين كاملَين على هذا الكمبيوتر، فلم يتم نسخهما: %1</numerusform>
            <numerusform>تعذّرت قراءة %Ln ملفات كاملةً على هذا الكمبيوتر، فلم يتم نسخها: %1</numerusform>
            <numerusform>تعذّرت قراءة %Ln ملفًا كاملةً على هذا الكمبيوتر، فلم يتم نسخها: %1</numerusform>
            <numerusform>تعذّرت قراءة %Ln ملف كاملةً على هذا الكمبيوتر، فلم يتم نسخها: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>تعذّر ترميز %Ln ملف: %1</numerusform>
            <numerusform>تعذّر ترميز الملف التالي: %1</numerusform>
            <numerusform>تعذّر ترميز الملفين التاليين: %1</numerusform>
            <numerusform>تعذّر ترميز %Ln ملفات: %1</numerusform>
            <numerusform>تعذّر ترميز %Ln ملفًا: %1</numerusform>
            <numerusform>تعذّر ترميز %Ln ملف: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>تعذّر نسخ %Ln ملف؛ أما بقية الملفات فهي على البطاقة.</numerusform>
            <numerusform>تعذّر نسخ ملف واحد؛ أما بقية الملفات فهي على البطاقة.</numerusform>
            <numerusform>تعذّر نسخ ملفين؛ أما بقية الملفات فهي على البطاقة.</numerusform>
            <numerusform>تعذّر نسخ %Ln ملفات؛ أما بقية الملفات فهي على البطاقة.</numerusform>
            <numerusform>تعذّر نسخ %Ln ملفًا؛ أما بقية الملفات فهي على البطاقة.</numerusform>
            <numerusform>تعذّر نسخ %Ln ملف؛ أما بقية الملفات فهي على البطاقة.</numerusform>
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
        <translation>محوّل قوائم التشغيل</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>تحويل قوائم التشغيل إلى قوائم تشغيل ASX لأجهزة Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>تحويل قوائم تشغيل Windows Media Player لأجهزة Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>يحوّل Velandry قوائم التشغيل (WPL الخاصة بـ Windows Media Player، وM3U وM3U8، وPLS، وXSPF، وASX، وقوائم تشغيل Zune) إلى قوائم تشغيل ASX 3.0 يشغّلها Windows Media Player على Pocket PC من بطاقة التخزين.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>اختر قوائم التشغيل، ونوع الوسائط المراد الاحتفاظ به (WMA أو MP3 أو WAV أو أي نوع آخر)، ومجلد الوسائط على الجهاز الذي يحتوي على الموسيقى. يُختصر كل عنصر من ذلك النوع إلى موضعه تحت مجلد الموسيقى ويُكتب تحت مجلد الوسائط على الجهاز، بملف .asx واحد لكل قائمة تشغيل، وبصفحة ترميز ANSI الخاصة بالجهاز.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>يؤدي المحوّل velandry-convert الذي يعمل من سطر الأوامر المهمة نفسها دون نافذة.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>قوائم التشغيل وقائمة الانتظار ونوع الوسائط والمجلدات</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>النافذة الرئيسية ونافذة «حول»</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>the text ends before its markup does</source>
        <extracomment>An XML playlist whose text stops in the middle of a tag or element: the file is cut short.</extracomment>
        <translation>ينتهي النص قبل انتهاء التوصيف</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>لم يتم إغلاق أحد التعليقات</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>لم يتم إغلاق أحد مقاطع CDATA</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>لم يتم إغلاق إحدى تعليمات المعالجة</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>لم يتم إغلاق أحد التعريفات</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>كان من المتوقع وجود اسم بعد «&lt;»</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>كان من المتوقع وجود «&gt;» بعد اسم علامة الإغلاق</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>إحدى السمات ليس لها «=» وقيمة</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>قيمة إحدى السمات ليست بين علامتي اقتباس</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>علامة إغلاق لا تطابق العنصر الذي تغلقه</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>تتعذر قراءة توصيف %1 الخاص بها: لم يتم إغلاق علامة في السطر %2</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>لا يحتوي توصيف %1 الخاص بها على عنصر &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>تتعذر قراءة توصيف %1 الخاص بها: السطر %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>هذا مجلد وليس قائمة تشغيل</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>هذا ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>سيحل ملف الإخراج محل قائمة التشغيل نفسها</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>يوجد مجلد بالاسم نفسه في هذا الموضع</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>الملف محمي ضد الكتابة</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>تتداخل مراجع قائمة التشغيل هذه، وستنتج ملفًا أكبر من 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>قائمة التشغيل ليست بترميز UTF-8، وهي أكبر من أن يتم تحويلها بالذاكرة المتوفرة في هذا الكمبيوتر</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>قام برنامج آخر بتغيير قائمة التشغيل أثناء قراءتها؛ لم تتم كتابة أي شيء لها، قم بتحويلها مرة أخرى</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>اسم الملف ليس بترميز UTF-8 صالح، لذا يتعذر فتحه؛ أعد تسميته، على سبيل المثال باستخدام «convmv -f latin1 -t utf8 --notest»</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>ليست قائمة تشغيل من نوع يمكن للبرنامج قراءته (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>يحدد تعريف XML الخاص بها الترميز «%1»، ولا يمكن للبرنامج قراءته</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>ملف الإخراج الخاص بها، %1، تمت كتابته من %2 في هذه العملية؛ أعد تسمية إحدى قائمتي التشغيل</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>تعذّرت قراءة الملف</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>تعذّرت كتابة الملف</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 و%Ln عنصر آخر</numerusform>
            <numerusform>%1 وعنصر آخر</numerusform>
            <numerusform>%1 وعنصران آخران</numerusform>
            <numerusform>%1 و%Ln عناصر أخرى</numerusform>
            <numerusform>%1 و%Ln عنصرًا آخر</numerusform>
            <numerusform>%1 و%Ln عنصر آخر</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: ليست بترميز UTF-8، تمت قراءتها بصفحة الترميز %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: يحتوي %Ln عنصر (من أصل %2) على أحرف خارج صفحة الترميز %3، وقد كُتبت بالشكل «?»</numerusform>
            <numerusform>%1: يحتوي عنصر واحد (من أصل %2) على أحرف خارج صفحة الترميز %3، وقد كُتبت بالشكل «?»</numerusform>
            <numerusform>%1: يحتوي عنصران (من أصل %2) على أحرف خارج صفحة الترميز %3، وقد كُتبت بالشكل «?»</numerusform>
            <numerusform>%1: تحتوي %Ln عناصر (من أصل %2) على أحرف خارج صفحة الترميز %3، وقد كُتبت بالشكل «?»</numerusform>
            <numerusform>%1: يحتوي %Ln عنصرًا (من أصل %2) على أحرف خارج صفحة الترميز %3، وقد كُتبت بالشكل «?»</numerusform>
            <numerusform>%1: يحتوي %Ln عنصر (من أصل %2) على أحرف خارج صفحة الترميز %3، وقد كُتبت بالشكل «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln عنوان ويب</numerusform>
            <numerusform>عنوان ويب واحد</numerusform>
            <numerusform>عنوانا ويب</numerusform>
            <numerusform>%Ln عناوين ويب</numerusform>
            <numerusform>%Ln عنوان ويب</numerusform>
            <numerusform>%Ln عنوان ويب</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln عنصر خارج مجلد الموسيقى</numerusform>
            <numerusform>عنصر واحد خارج مجلد الموسيقى</numerusform>
            <numerusform>عنصران خارج مجلد الموسيقى</numerusform>
            <numerusform>%Ln عناصر خارج مجلد الموسيقى</numerusform>
            <numerusform>%Ln عنصرًا خارج مجلد الموسيقى</numerusform>
            <numerusform>%Ln عنصر خارج مجلد الموسيقى</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: تم استبعاد %Ln عنصر (من أصل %2): %3</numerusform>
            <numerusform>%1: تم استبعاد عنصر واحد (من أصل %2): %3</numerusform>
            <numerusform>%1: تم استبعاد عنصرين (من أصل %2): %3</numerusform>
            <numerusform>%1: تم استبعاد %Ln عناصر (من أصل %2): %3</numerusform>
            <numerusform>%1: تم استبعاد %Ln عنصرًا (من أصل %2): %3</numerusform>
            <numerusform>%1: تم استبعاد %Ln عنصر (من أصل %2): %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: لا يمكن أبدًا تشغيل %Ln عنصر (من أصل %2) على الجهاز: %3</numerusform>
            <numerusform>%1: لا يمكن أبدًا تشغيل العنصر التالي (من أصل %2) على الجهاز: %3</numerusform>
            <numerusform>%1: لا يمكن أبدًا تشغيل العنصرين التاليين (من أصل %2) على الجهاز: %3</numerusform>
            <numerusform>%1: لا يمكن أبدًا تشغيل %Ln عناصر (من أصل %2) على الجهاز: %3</numerusform>
            <numerusform>%1: لا يمكن أبدًا تشغيل %Ln عنصرًا (من أصل %2) على الجهاز: %3</numerusform>
            <numerusform>%1: لا يمكن أبدًا تشغيل %Ln عنصر (من أصل %2) على الجهاز: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: تعذّرت قراءة البطاقة (%2)، لذا لم يتم البحث عن العناصر عليها</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln عنصر (من أصل %2) غير موجودة على البطاقة (%3): %4</numerusform>
            <numerusform>%1: عنصر واحد (من أصل %2) غير موجود على البطاقة (%3): %4</numerusform>
            <numerusform>%1: عنصران (من أصل %2) غير موجودين على البطاقة (%3): %4</numerusform>
            <numerusform>%1: %Ln عناصر (من أصل %2) غير موجودة على البطاقة (%3): %4</numerusform>
            <numerusform>%1: %Ln عنصرًا (من أصل %2) غير موجودة على البطاقة (%3): %4</numerusform>
            <numerusform>%1: %Ln عنصر (من أصل %2) غير موجودة على البطاقة (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: تم اقتطاع %Ln عنصر (من أصل %2) عبر توصيف قائمة التشغيل، فهي لا تشير إلى أي ملف فعلي</numerusform>
            <numerusform>%1: تم اقتطاع عنصر واحد (من أصل %2) عبر توصيف قائمة التشغيل، فهو لا يشير إلى أي ملف فعلي</numerusform>
            <numerusform>%1: تم اقتطاع عنصرين (من أصل %2) عبر توصيف قائمة التشغيل، فهما لا يشيران إلى أي ملف فعلي</numerusform>
            <numerusform>%1: تم اقتطاع %Ln عناصر (من أصل %2) عبر توصيف قائمة التشغيل، فهي لا تشير إلى أي ملف فعلي</numerusform>
            <numerusform>%1: تم اقتطاع %Ln عنصرًا (من أصل %2) عبر توصيف قائمة التشغيل، فهي لا تشير إلى أي ملف فعلي</numerusform>
            <numerusform>%1: تم اقتطاع %Ln عنصر (من أصل %2) عبر توصيف قائمة التشغيل، فهي لا تشير إلى أي ملف فعلي</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>صفحة ترميز ANSI الخاصة بالنظام</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>صفحة ترميز ANSI للإعدادات المحلية للمستخدم؛ صفحة ترميز النظام %1 ليست صفحة ترميز ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>صفحة ترميز النظام %1 ليست صفحة ترميز ANSI، وليس للإعدادات المحلية للمستخدم صفحة ترميز ANSI</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>من الإعدادات المحلية %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>لم يتم تعيين إعدادات محلية</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(مسار بطول %Ln بايت)</numerusform>
            <numerusform>(مسار بطول بايت واحد)</numerusform>
            <numerusform>(مسار بطول بايتين)</numerusform>
            <numerusform>(مسار بطول %Ln بايتات)</numerusform>
            <numerusform>(مسار بطول %Ln بايتًا)</numerusform>
            <numerusform>(مسار بطول %Ln بايت)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln عنصر خارج مجلد الموسيقى (حدّده باستخدام --music-root)</numerusform>
            <numerusform>عنصر واحد خارج مجلد الموسيقى (حدّده باستخدام --music-root)</numerusform>
            <numerusform>عنصران خارج مجلد الموسيقى (حدّده باستخدام --music-root)</numerusform>
            <numerusform>%Ln عناصر خارج مجلد الموسيقى (حدّده باستخدام --music-root)</numerusform>
            <numerusform>%Ln عنصرًا خارج مجلد الموسيقى (حدّده باستخدام --music-root)</numerusform>
            <numerusform>%Ln عنصر خارج مجلد الموسيقى (حدّده باستخدام --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln عنصر من نوع وسائط آخر</numerusform>
            <numerusform>عنصر واحد من نوع وسائط آخر</numerusform>
            <numerusform>عنصران من نوع وسائط آخر</numerusform>
            <numerusform>%Ln عناصر من نوع وسائط آخر</numerusform>
            <numerusform>%Ln عنصرًا من نوع وسائط آخر</numerusform>
            <numerusform>%Ln عنصر من نوع وسائط آخر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln عنصر هي ملفات %2 لا يستطيع الجهاز تشغيلها: أضف الخيار --transcode</numerusform>
            <numerusform>%1: عنصر واحد هو ملف %2 لا يستطيع الجهاز تشغيله: أضف الخيار --transcode</numerusform>
            <numerusform>%1: عنصران هما ملفا %2 لا يستطيع الجهاز تشغيلهما: أضف الخيار --transcode</numerusform>
            <numerusform>%1: %Ln عناصر هي ملفات %2 لا يستطيع الجهاز تشغيلها: أضف الخيار --transcode</numerusform>
            <numerusform>%1: %Ln عنصرًا هي ملفات %2 لا يستطيع الجهاز تشغيلها: أضف الخيار --transcode</numerusform>
            <numerusform>%1: %Ln عنصر هي ملفات %2 لا يستطيع الجهاز تشغيلها: أضف الخيار --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln عنصر هي ملفات %2 لا يستطيع الجهاز تشغيلها</numerusform>
            <numerusform>%1: عنصر واحد هو ملف %2 لا يستطيع الجهاز تشغيله</numerusform>
            <numerusform>%1: عنصران هما ملفا %2 لا يستطيع الجهاز تشغيلهما</numerusform>
            <numerusform>%1: %Ln عناصر هي ملفات %2 لا يستطيع الجهاز تشغيلها</numerusform>
            <numerusform>%1: %Ln عنصرًا هي ملفات %2 لا يستطيع الجهاز تشغيلها</numerusform>
            <numerusform>%1: %Ln عنصر هي ملفات %2 لا يستطيع الجهاز تشغيلها</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>جارٍ الإلغاء…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>جارٍ تحويل %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>تمت كتابة %1 من %2</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>تمت قراءة %1 من %2</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>جارٍ نسخ %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>جارٍ ترميز %1</translation>
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
        <translation>يرجى التحديد</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>مجلد القوائم:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>نوع الوسائط:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>قوائم Windows Media Player 9</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>قوائم التشغيل المراد تحويلها</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>مجلد الإخراج:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>مجلد الوسائط:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>تح&amp;ويل</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>نوع الوسائط</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>اختيار مجلد قوائم التشغيل</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>إضافة إلى قائمة الانتظار</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>إزالة من قائمة الانتظار</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>اختيار مجلد الإخراج</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>يتعذر عرض محتويات مجلد قوائم التشغيل «%1».</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>المسار غير موجود أو ليس مجلدًا.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>يرجى تحديد نوع الوسائط<byte value="xd"/>
مثل WMA أو MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>تم الانتهاء</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>تمت كتابة %Ln ملف قبل ذلك.</numerusform>
            <numerusform>تمت كتابة ملف واحد قبل ذلك.</numerusform>
            <numerusform>تمت كتابة ملفين قبل ذلك.</numerusform>
            <numerusform>تمت كتابة %Ln ملفات قبل ذلك.</numerusform>
            <numerusform>تمت كتابة %Ln ملفًا قبل ذلك.</numerusform>
            <numerusform>تمت كتابة %Ln ملف قبل ذلك.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>تعذّرت قراءة «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>تعذّرت كتابة «%1».</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>حدد مجلد قوائم التشغيل</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>حدد مجلد الإخراج</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>«%1» ليس قائمة تشغيل قابلة للقراءة (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>«%1» ليس في مجلد قوائم التشغيل الأخرى، %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>هل تريد نسخ الموسيقى التي تشير إليها قوائم التشغيل إلى البطاقة؟</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>عدم النسخ</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>هل تريد مزامنة البطاقة مع الموسيقى الموجودة على هذا الكمبيوتر؟</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>إعادة إنشاء %Ln ملف تغيّرت مصادرها</numerusform>
            <numerusform>إعادة إنشاء ملف واحد تغيّر مصدره</numerusform>
            <numerusform>إعادة إنشاء ملفين تغيّر مصدراهما</numerusform>
            <numerusform>إعادة إنشاء %Ln ملفات تغيّرت مصادرها</numerusform>
            <numerusform>إعادة إنشاء %Ln ملفًا تغيّرت مصادرها</numerusform>
            <numerusform>إعادة إنشاء %Ln ملف تغيّرت مصادرها</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>حذف %Ln ملف ضمن مجلد الوسائط لا تشير إليها أي قائمة تشغيل على البطاقة</numerusform>
            <numerusform>حذف ملف واحد ضمن مجلد الوسائط لا تشير إليه أي قائمة تشغيل على البطاقة</numerusform>
            <numerusform>حذف ملفين ضمن مجلد الوسائط لا تشير إليهما أي قائمة تشغيل على البطاقة</numerusform>
            <numerusform>حذف %Ln ملفات ضمن مجلد الوسائط لا تشير إليها أي قائمة تشغيل على البطاقة</numerusform>
            <numerusform>حذف %Ln ملفًا ضمن مجلد الوسائط لا تشير إليها أي قائمة تشغيل على البطاقة</numerusform>
            <numerusform>حذف %Ln ملف ضمن مجلد الوسائط لا تشير إليها أي قائمة تشغيل على البطاقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>تعذّرت إضافة %Ln ملف إلى قائمة الانتظار.</numerusform>
            <numerusform>تعذّرت إضافة ملف واحد إلى قائمة الانتظار.</numerusform>
            <numerusform>تعذّرت إضافة ملفين إلى قائمة الانتظار.</numerusform>
            <numerusform>تعذّرت إضافة %Ln ملفات إلى قائمة الانتظار.</numerusform>
            <numerusform>تعذّرت إضافة %Ln ملفًا إلى قائمة الانتظار.</numerusform>
            <numerusform>تعذّرت إضافة %Ln ملف إلى قائمة الانتظار.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>عدم التحديث</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>موقع Velandry على الويب</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>انقر هنا للحصول على التحديثات</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>يرجى زيارة الموقع للتحديثات والأسئلة الشائعة والتعليمات</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>سجل الإصدارات</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry، برنامج مجاني</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>تبرّع</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>ساهم في التطوير المستقبلي</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>إذا وجدت أن هذا البرنامج يستحق الاستخدام، فلا تتردد في المساهمة في تطويره مستقبلاً</translation>
    </message>
</context>
</TS>
