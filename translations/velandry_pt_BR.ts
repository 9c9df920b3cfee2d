<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for the Windows Media Player for Pocket PC, keeping the entries of one media type.</source>
        <translation>Converte listas de reprodução (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) em listas de reprodução ASX para o Windows Media Player para Pocket PC, mantendo os itens de um único tipo de mídia.</translation>
    </message>
    <message>
        <source>Media type to keep, without its full stop (WMA, MP3, WAV, ...).</source>
        <translation>Tipo de mídia a manter, escrito sem o ponto (WMA, MP3, WAV etc.).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Pasta de mídia do dispositivo, gravada antes de cada caminho (padrão: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Pasta para os arquivos .asx (padrão: a própria pasta de cada lista de reprodução).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Página de código ANSI dos arquivos .asx e das listas de reprodução que não estão em UTF-8: %1 (também na forma cp1250 ou windows-1250). Padrão neste sistema: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>A pasta de música em que as listas de reprodução que não são WPL indicam seus arquivos, escrita como elas a escrevem (/home/ana/Music, &apos;D:\Music&apos;): o caminho dos itens que estão dentro dela é cortado ali (padrão: as regras da página de manual).</translation>
    </message>
    <message>
        <source>The storage card as this system sees it (/media/ana/CARD, E:\): each entry is looked for on it, and those that are not there are told (default: the output folder&apos;s volume, where it is a card that holds the media folder).</source>
        <translation>O cartão de memória como este sistema o vê (/media/ana/CARD, E:\): cada item é procurado nele, e os que não estão lá são informados (padrão: o volume da pasta de saída, quando for um cartão que contém a pasta de mídia).</translation>
    </message>
    <message>
        <source>Print nothing for playlists that convert cleanly.</source>
        <translation>Não exibir nada para as listas de reprodução convertidas sem problemas.</translation>
    </message>
    <message>
        <source>Playlists to convert.</source>
        <translation>Listas de reprodução a converter.</translation>
    </message>
    <message>
        <source>Try &apos;--help&apos; for more information.</source>
        <translation>Use “--help” para obter mais informações.</translation>
    </message>
    <message>
        <source>the media type is missing (--type TYPE)</source>
        <translation>o tipo de mídia não foi informado (--type TYPE)</translation>
    </message>
    <message>
        <source>no playlist given</source>
        <translation>nenhuma lista de reprodução informada</translation>
    </message>
    <message>
        <source>unknown code page %1; the ANSI code pages are %2</source>
        <extracomment>%1 is what was given, %2 the list of code pages.</extracomment>
        <translation>página de código %1 desconhecida; as páginas de código ANSI são %2</translation>
    </message>
    <message>
        <source>Please select a media type
i.e. WMA, MP3</source>
        <translation>Selecione um tipo de mídia
por exemplo, WMA ou MP3</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>a pasta de saída %1 não existe</translation>
    </message>
    <message>
        <source>the card %1 does not exist</source>
        <translation>o cartão %1 não existe</translation>
    </message>
    <message numerus="yes">
        <source>%1 -&gt; %2 (%Ln entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (itens: %Ln)</numerusform>
            <numerusform>%1 -&gt; %2 (itens: %Ln)</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Depois de gravar as listas de reprodução, copiar para o cartão os arquivos que elas indicam e que faltam nele, cada um no lugar onde o dispositivo o abre, a partir de onde a lista de reprodução o indica ou de dentro da pasta raiz de música (--music-root; caso contrário, a pasta de música do usuário).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Não gravar absolutamente nada (nenhuma lista de reprodução, música ou pasta): exibir o que seria feito.</translation>
    </message>
    <message>
        <source>Keep the card in step (as --copy-music, and more): a file on the card whose source here changed is made again in its place; one newer than its source never is.</source>
        <translation>Manter o cartão sincronizado (como --copy-music, e mais): um arquivo do cartão cuja origem mudou neste computador é recriado no mesmo lugar; um arquivo mais recente que a sua origem, nunca.</translation>
    </message>
    <message>
        <source>Remove the music below the media folder on the card that no .asx playlist on the card names (nothing where the card holds no .asx, and nothing but music).</source>
        <translation>Excluir da pasta de mídia do cartão as músicas que não constam em nenhuma lista de reprodução .asx do cartão (nada é excluído se o cartão não tiver nenhum .asx, e nunca nada além de músicas).</translation>
    </message>
    <message>
        <source>Take every music file the playlists name, and put it on the card (as --copy-music does) so that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav.</source>
        <translation>Colocar no cartão todos os arquivos de música que as listas de reprodução indicam (como faz --copy-music), para que todos possam ser reproduzidos: o que o dispositivo reproduz (MP3, WMA, WAV de 16 bits), como está; o restante (FLAC, M4A, Ogg, Opus etc.), codificado no tipo de mídia, que nesse caso deve ser mp3, wma ou wav.</translation>
    </message>
    <message>
        <source>The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128).</source>
        <translation>A taxa de bits do que --transcode codifica em MP3 ou WMA, em kbit/s (padrão: 128).</translation>
    </message>
    <message>
        <source>How many files --transcode encodes at once (default: the processor&apos;s cores, here %1).</source>
        <translation>Quantos arquivos --transcode codifica ao mesmo tempo (padrão: o número de núcleos do processador, aqui %1).</translation>
    </message>
    <message>
        <source>--transcode encodes to mp3, wma or wav; -t %1 is none of them</source>
        <extracomment>%1 is the media type given; the options and types stay as they are.</extracomment>
        <translation>--transcode codifica em mp3, wma ou wav; -t %1 não é nenhum deles</translation>
    </message>
    <message>
        <source>--bitrate takes a number of kbit/s from 32 to 320, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--bitrate aceita um valor em kbit/s de 32 a 320, não %1</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256, not %1</source>
        <extracomment>%1 is what was given.</extracomment>
        <translation>--jobs aceita um número de 1 a 256, não %1</translation>
    </message>
    <message>
        <source>%1 needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <extracomment>%1 is the option given: --copy-music, --transcode, --sync or --tidy.</extracomment>
        <translation>%1 precisa do cartão: indique-o com --card DIR ou grave as listas de reprodução no cartão com --output-folder DIR</translation>
    </message>
</context>
<context>
    <name>CopyWording</name>
    <message numerus="yes">
        <source>Copying %1 of %Ln files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copiando o arquivo %1 de %Ln, %2 de %3</numerusform>
            <numerusform>Copiando o arquivo %1 de %Ln, %2 de %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%Ln arquivo indicado pelas listas de reprodução não está no cartão (%1): %2.</numerusform>
            <numerusform>%Ln arquivos indicados pelas listas de reprodução não estão no cartão (%1): %2 no total.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Espaço livre no cartão: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln arquivo (%1) seria copiado para o cartão (%2).</numerusform>
            <numerusform>%Ln arquivos (%1) seriam copiados para o cartão (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>O sistema de arquivos do cartão não informa quanto espaço livre há nele.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%Ln item também não está neste computador: %1</numerusform>
            <numerusform>%Ln itens também não estão neste computador: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%Ln arquivo não foi copiado, pois o sistema de arquivos FAT do cartão não aceita arquivos de 4 GiB ou mais: %1</numerusform>
            <numerusform>%Ln arquivos não foram copiados, pois o sistema de arquivos FAT do cartão não aceita arquivos de 4 GiB ou mais: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%Ln item não foi copiado, pois não há neste computador nenhum arquivo comum do tipo de mídia com o nome dele, ou um arquivo do cartão tem o nome da pasta dele: %1</numerusform>
            <numerusform>%Ln itens não foram copiados, pois não há neste computador nenhum arquivo comum do tipo de mídia com o nome deles, ou um arquivo do cartão tem o nome da pasta deles: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%Ln arquivo não foi copiado, pois uma pasta do seu caminho é um link que leva para fora do cartão: %1</numerusform>
            <numerusform>%Ln arquivos não foram copiados, pois uma pasta do caminho deles é um link que leva para fora do cartão: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %Ln files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>Arquivos copiados para o cartão (%2): %Ln (%1).</numerusform>
            <numerusform>Arquivos copiados para o cartão (%2): %Ln (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>As músicas não cabem no cartão (%1): %2 a copiar, %3 livres; nada foi copiado.</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>não foi possível gravá-lo</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2; the files copied before it are whole.</source>
        <extracomment>%1 is the file, as the device names it, %2 why.</extracomment>
        <translation>Não foi possível copiar %1: %2; os arquivos copiados antes dele estão completos.</translation>
    </message>
    <message>
        <source>Copying was stopped; the files copied before are whole.</source>
        <translation>A cópia foi interrompida; os arquivos copiados antes estão completos.</translation>
    </message>
    <message>
        <source>The card is up to date.</source>
        <translation>O cartão está atualizado.</translation>
    </message>
    <message>
        <source>%1 at %2 kbit/s</source>
        <extracomment>%1 is a kind of file (MP3, WMA), %2 a bit rate.</extracomment>
        <translation>%1 a %2 kbit/s</translation>
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
            <numerusform>Codificar também em %2 o arquivo %1 que o dispositivo não pode reproduzir (%Ln item)</numerusform>
            <numerusform>Codificar também em %2 os arquivos %1 que o dispositivo não pode reproduzir (%Ln itens)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying and encoding %1 of %Ln files, %2 of about %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copiando e codificando o arquivo %1 de %Ln, %2 de cerca de %3</numerusform>
            <numerusform>Copiando e codificando o arquivo %1 de %Ln, %2 de cerca de %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them are encoded to %1 on the way.</source>
        <extracomment>%Ln counts the files to encode; %1 is what they are encoded to (&quot;MP3 at 128 kbit/s&quot;).</extracomment>
        <translation>
            <numerusform>Destes, %Ln é codificado em %1 durante a cópia.</numerusform>
            <numerusform>Destes, %Ln são codificados em %1 durante a cópia.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files on the card (%1) whose sources changed can be made again: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files written.</extracomment>
        <translation>
            <numerusform>%Ln arquivo do cartão (%1) cuja origem mudou pode ser recriado: %2.</numerusform>
            <numerusform>%Ln arquivos do cartão (%1) cuja origem mudou podem ser recriados: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files below the card&apos;s media folder (%1) are named by no playlist on it: %2.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size they take.</extracomment>
        <translation>
            <numerusform>%Ln arquivo da pasta de mídia do cartão (%1) não consta em nenhuma das suas listas de reprodução: %2.</numerusform>
            <numerusform>%Ln arquivos da pasta de mídia do cartão (%1) não constam em nenhuma das suas listas de reprodução: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card; about %2 once done.</source>
        <extracomment>%1 and %2 are sizes.</extracomment>
        <translation>Espaço livre no cartão: %1; ao final, cerca de %2.</translation>
    </message>
    <message>
        <source>%1 (%2) would be removed: no playlist on the card names it</source>
        <extracomment>%1 is a file on the card, %2 its size.</extracomment>
        <translation>%1 (%2) seria excluído: não consta em nenhuma lista de reprodução do cartão</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4, in place of the card&apos;s %5)</source>
        <translation>%1 -&gt; %2 (codificado em %3, cerca de %4, no lugar do arquivo de %5 do cartão)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (encoded to %3, about %4)</source>
        <translation>%1 -&gt; %2 (codificado em %3, cerca de %4)</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3, in place of the card&apos;s %4)</source>
        <translation>%1 -&gt; %2 (%3, no lugar do arquivo de %4 do cartão)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, %1, would be removed from the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln arquivo (%1) seria excluído do cartão (%2).</numerusform>
            <numerusform>%Ln arquivos (%1) seriam excluídos do cartão (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files whose sources changed, %1, would be made again on the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln arquivo cuja origem mudou (%1) seria recriado no cartão (%2).</numerusform>
            <numerusform>%Ln arquivos cuja origem mudou (%1) seriam recriados no cartão (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files, about %1, would be encoded to %2 onto the card (%3).</source>
        <extracomment>%1 is a size, %2 what they are encoded to (&quot;MP3 at 128 kbit/s&quot;), %3 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln arquivo (cerca de %1) seria codificado em %2 para o cartão (%3).</numerusform>
            <numerusform>%Ln arquivos (cerca de %1) seriam codificados em %2 para o cartão (%3).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on it names any music.</source>
        <extracomment>%1 is the card&apos;s folder.</extracomment>
        <translation>O cartão (%1) não contém nenhuma lista de reprodução .asx, por isso nada foi excluído dele: nada nele indica música alguma.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not encoded, as they cannot be read as music: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>%Ln arquivo não foi codificado, pois não pode ser lido como música: %1</numerusform>
            <numerusform>%Ln arquivos não foram codificados, pois não podem ser lidos como música: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %Ln files (%1) that no playlist on the card names from the card (%2).</source>
        <extracomment>%1 is the size freed, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln arquivo (%1) foi excluído do cartão (%2): não constava em nenhuma das suas listas de reprodução.</numerusform>
            <numerusform>%Ln arquivos (%1) foram excluídos do cartão (%2): não constavam em nenhuma das suas listas de reprodução.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %Ln files whose sources changed again (%1) on the card (%2).</source>
        <extracomment>%1 is the size written, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln arquivo cuja origem mudou (%1) foi recriado no cartão (%2).</numerusform>
            <numerusform>%Ln arquivos cuja origem mudou (%1) foram recriados no cartão (%2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Encoded %Ln files from %1 to %2 (%3) onto the card (%4).</source>
        <extracomment>%1 lists the kinds (&quot;FLAC and M4A&quot;), %2 what they became (&quot;MP3 at 128 kbit/s&quot;), %3 the size, %4 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%Ln arquivo %1 foi codificado em %2 (%3) para o cartão (%4).</numerusform>
            <numerusform>%Ln arquivos %1 foram codificados em %2 (%3) para o cartão (%4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be read here whole, and were not copied: %1</source>
        <extracomment>%1 names the files, each with the reason where the system gave one.</extracomment>
        <translation>
            <numerusform>%Ln arquivo não pôde ser lido por inteiro neste computador e não foi copiado: %1</numerusform>
            <numerusform>%Ln arquivos não puderam ser lidos por inteiro neste computador e não foram copiados: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be encoded: %1</source>
        <extracomment>%1 names the files, each with the reason the decoder gave.</extracomment>
        <translation>
            <numerusform>Não foi possível codificar %Ln arquivo: %1</numerusform>
            <numerusform>Não foi possível codificar %Ln arquivos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files could not be copied; the others are on the card.</source>
        <extracomment>%Ln counts the files that could not be put on the card.</extracomment>
        <translation>
            <numerusform>Não foi possível copiar %Ln arquivo; os demais estão no cartão.</numerusform>
            <numerusform>Não foi possível copiar %Ln arquivos; os demais estão no cartão.</numerusform>
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
        <translation>Conversor de listas de reprodução</translation>
    </message>
    <message>
        <source>Convert playlists into ASX playlists for Pocket PC</source>
        <translation>Converter listas de reprodução em listas de reprodução ASX para Pocket PC</translation>
    </message>
    <message>
        <source>Convert Windows Media Player playlists for Pocket PC</source>
        <translation>Converter listas de reprodução do Windows Media Player para Pocket PC</translation>
    </message>
    <message>
        <source>Velandry turns playlists (Windows Media Player&apos;s WPL, M3U and M3U8, PLS, XSPF, ASX and Zune playlists) into ASX 3.0 playlists that the Windows Media Player for Pocket PC plays from a storage card.</source>
        <translation>O Velandry transforma listas de reprodução (WPL do Windows Media Player, M3U e M3U8, PLS, XSPF, ASX e listas de reprodução do Zune) em listas de reprodução ASX 3.0 que o Windows Media Player para Pocket PC reproduz a partir de um cartão de memória.</translation>
    </message>
    <message>
        <source>Pick the playlists, the media type to keep (WMA, MP3, WAV or any other) and the folder on the device that holds the music. Every reference of that type is cut down to its place below the music folder and written under the device&apos;s music folder, one .asx file per playlist, in the ANSI code page of the device.</source>
        <translation>Escolha as listas de reprodução, o tipo de mídia a manter (WMA, MP3, WAV ou qualquer outro) e a pasta do dispositivo que contém as músicas. Cada referência desse tipo é reduzida ao seu caminho dentro da pasta de música e gravada dentro da pasta de mídia do dispositivo, um arquivo .asx por lista de reprodução, na página de código ANSI do dispositivo.</translation>
    </message>
    <message>
        <source>The command-line converter velandry-convert does the same without a window.</source>
        <translation>O conversor de linha de comando velandry-convert faz o mesmo sem janela.</translation>
    </message>
    <message>
        <source>The playlists, the queue, the media type and the folders</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>As listas de reprodução, a fila, o tipo de mídia e as pastas</translation>
    </message>
    <message>
        <source>The main window and the About window</source>
        <extracomment>A screenshot&apos;s caption.</extracomment>
        <translation>A janela principal e a janela Sobre</translation>
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
        <translation>o texto termina antes do fim da sua marcação</translation>
    </message>
    <message>
        <source>a comment is never closed</source>
        <translation>um comentário nunca é fechado</translation>
    </message>
    <message>
        <source>a CDATA section is never closed</source>
        <translation>uma seção CDATA nunca é fechada</translation>
    </message>
    <message>
        <source>a processing instruction is never closed</source>
        <translation>uma instrução de processamento nunca é fechada</translation>
    </message>
    <message>
        <source>a declaration is never closed</source>
        <translation>uma declaração nunca é fechada</translation>
    </message>
    <message>
        <source>a name was expected after &quot;&lt;&quot;</source>
        <translation>era esperado um nome depois de “&lt;”</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>era esperado “&gt;” depois do nome de uma tag de fechamento</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>um atributo não tem “=” nem valor</translation>
    </message>
    <message>
        <source>an attribute&apos;s value is not in quotes</source>
        <translation>o valor de um atributo não está entre aspas</translation>
    </message>
    <message>
        <source>an end tag does not match the element it ends</source>
        <translation>uma tag de fechamento não corresponde ao elemento que ela fecha</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: a tag on line %2 is never closed</source>
        <extracomment>%1 is the kind of playlist (ASX, WAX, WVX), %2 a line number.</extracomment>
        <translation>Não é possível ler a marcação %1: uma tag na linha %2 nunca é fechada</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>A marcação %1 não contém nenhum elemento &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>Não é possível ler a marcação %1: linha %2: %3</translation>
    </message>
    <message>
        <source>It is a folder, not a playlist</source>
        <translation>É uma pasta, não uma lista de reprodução</translation>
    </message>
    <message>
        <source>It is not an ordinary file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>The output would replace the playlist itself</source>
        <translation>A saída substituiria a própria lista de reprodução</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Já existe uma pasta com esse nome</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>O arquivo está protegido contra gravação</translation>
    </message>
    <message>
        <source>The references of this playlist overlap and would make a file larger than 4 GiB</source>
        <translation>As referências desta lista de reprodução se sobrepõem e gerariam um arquivo maior que 4 GiB</translation>
    </message>
    <message>
        <source>The playlist is not UTF-8, and too large to be converted in the memory this computer has</source>
        <translation>A lista de reprodução não está em UTF-8 e é grande demais para ser convertida com a memória deste computador</translation>
    </message>
    <message>
        <source>Another program changed the playlist while it was read; nothing was written for it, convert it again</source>
        <translation>Outro programa alterou a lista de reprodução durante a leitura; nada foi gravado para ela, converta-a novamente</translation>
    </message>
    <message>
        <source>Its name is not valid UTF-8, so it cannot be opened; rename it, for instance with &quot;convmv -f latin1 -t utf8 --notest&quot;</source>
        <extracomment>The command in quotes stays as it is.</extracomment>
        <translation>O nome não é UTF-8 válido, por isso o arquivo não pode ser aberto; renomeie-o, por exemplo com “convmv -f latin1 -t utf8 --notest”</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Não é uma lista de reprodução de um tipo compatível (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>A declaração XML indica a codificação de caracteres “%1”, que não pode ser lida aqui</translation>
    </message>
    <message>
        <source>Its output, %1, was written from %2 in this run; rename one of the two playlists</source>
        <extracomment>%1 is the output file, %2 the other playlist.</extracomment>
        <translation>A saída, %1, já foi gravada a partir de %2 nesta execução; renomeie uma das duas listas de reprodução</translation>
    </message>
    <message>
        <source>The file could not be read</source>
        <translation>Não foi possível ler o arquivo</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <extracomment>%1 lists the first few names (of entries or of files); %Ln counts the rest of them.</extracomment>
        <translation>
            <numerusform>%1 e mais %Ln</numerusform>
            <numerusform>%1 e mais %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: não está em UTF-8; lida com a página de código %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %Ln de %2 itens contém caracteres fora da página de código %3, gravados como “?”</numerusform>
            <numerusform>%1: %Ln de %2 itens contêm caracteres fora da página de código %3, gravados como “?”</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln web addresses</source>
        <translation>
            <numerusform>%Ln endereço da Web</numerusform>
            <numerusform>%Ln endereços da Web</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder</source>
        <translation>
            <numerusform>%Ln fora da pasta de música</numerusform>
            <numerusform>%Ln fora da pasta de música</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: %Ln de %2 itens foi omitido: %3</numerusform>
            <numerusform>%1: %Ln de %2 itens foram omitidos: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %Ln de %2 itens nunca poderá ser reproduzido no dispositivo: %3</numerusform>
            <numerusform>%1: %Ln de %2 itens nunca poderão ser reproduzidos no dispositivo: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: não foi possível ler o cartão (%2), por isso os itens não foram procurados nele</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %Ln of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %Ln de %2 itens não está no cartão (%3): %4</numerusform>
            <numerusform>%1: %Ln de %2 itens não estão no cartão (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %Ln of %2 entries. The plain scan of a WPL took a path that runs across the playlist&apos;s XML tags (it holds &apos;&quot;&apos;, &apos;&lt;&apos; or &apos;&gt;&apos;), so it is no file&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %Ln de %2 itens foi lido atravessando a marcação da lista de reprodução e não indica nenhum arquivo real</numerusform>
            <numerusform>%1: %Ln de %2 itens foram lidos atravessando a marcação da lista de reprodução e não indicam nenhum arquivo real</numerusform>
        </translation>
    </message>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>a página de código ANSI do sistema</translation>
    </message>
    <message>
        <source>the ANSI code page of the user&apos;s locale; the system&apos;s code page %1 is not an ANSI code page</source>
        <translation>a página de código ANSI da localidade do usuário; a página de código %1 do sistema não é uma página de código ANSI</translation>
    </message>
    <message>
        <source>the system&apos;s code page %1 is not an ANSI code page, nor has the user&apos;s locale one</source>
        <translation>a página de código %1 do sistema não é uma página de código ANSI, e a localidade do usuário também não tem uma</translation>
    </message>
    <message>
        <source>from the locale %1 (%2)</source>
        <extracomment>%1 is a locale&apos;s name (&quot;ja_JP.UTF-8&quot;), %2 the variable that set it (LANG).</extracomment>
        <translation>segundo a localidade %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>nenhuma localidade definida</translation>
    </message>
    <message numerus="yes">
        <source>(a path of %Ln bytes)</source>
        <extracomment>An entry too long to name, by its size in bytes.</extracomment>
        <translation>
            <numerusform>(um caminho de %Ln byte)</numerusform>
            <numerusform>(um caminho de %Ln bytes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln outside the music folder (name it with --music-root)</source>
        <translation>
            <numerusform>%Ln fora da pasta de música (indique-a com --music-root)</numerusform>
            <numerusform>%Ln fora da pasta de música (indique-a com --music-root)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of another media type</source>
        <extracomment>Entries left out: files of another media type than the one chosen.</extracomment>
        <translation>
            <numerusform>%Ln de outro tipo de mídia</numerusform>
            <numerusform>%Ln de outro tipo de mídia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play: add --transcode</source>
        <translation>
            <numerusform>%1: %Ln item é um arquivo %2 que o dispositivo não pode reproduzir: adicione --transcode</numerusform>
            <numerusform>%1: %Ln itens são arquivos %2 que o dispositivo não pode reproduzir: adicione --transcode</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln entries are %2 files the device cannot play</source>
        <translation>
            <numerusform>%1: %Ln item é um arquivo %2 que o dispositivo não pode reproduzir</numerusform>
            <numerusform>%1: %Ln itens são arquivos %2 que o dispositivo não pode reproduzir</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velandry::BackgroundRun</name>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Converting %1</source>
        <extracomment>%1 is the playlist.</extracomment>
        <translation>Convertendo %1</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB written&quot;.</extracomment>
        <translation>%1 de %2 gravados</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <extracomment>Sizes, as &quot;1.2 MB of 3.4 MB read&quot;.</extracomment>
        <translation>%1 de %2 lidos</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>Copiando %1</translation>
    </message>
    <message>
        <source>Encoding %1</source>
        <translation>Codificando %1</translation>
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
        <translation>Selecione</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Playlist Location :</source>
        <extracomment>A label before its field: at most 88 px wide at 96 DPI.</extracomment>
        <translation>Pasta de listas:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <extracomment>A label before the media type box (the kind of entry to keep): 89 px of room at 96 DPI.</extracomment>
        <translation>A lista contém:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <extracomment>The heading of the list of playlists in the folder (every kind of playlist, not only WPL): 161 px of room at 96 DPI.</extracomment>
        <translation>Listas da pasta</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <extracomment>The heading of the queue: 161 px of room at 96 DPI.</extracomment>
        <translation>Listas a converter</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <extracomment>A label before the output folder field, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Pasta de saída:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <extracomment>A label before the field of the folder on the device, right-aligned: at most 100 px wide at 96 DPI.</extracomment>
        <translation>Pasta de mídia:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Converter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI; the access key unique in the window.</extracomment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Playlist contains</source>
        <extracomment>What a screen reader calls the media type box: its label without the colon.</extracomment>
        <translation>A lista contém</translation>
    </message>
    <message>
        <source>Choose playlist folder</source>
        <translation>Escolher a pasta das listas de reprodução</translation>
    </message>
    <message>
        <source>Add to queue</source>
        <translation>Adicionar à fila</translation>
    </message>
    <message>
        <source>Remove from queue</source>
        <translation>Remover da fila</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>The playlist folder &quot;%1&quot; cannot be listed.</source>
        <translation>Não é possível listar a pasta de listas de reprodução “%1”.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Não existe ou não é uma pasta.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Selecione um tipo de mídia<byte value="xd"/>
por exemplo, WMA ou MP3</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The reason, as a sentence of its own.</extracomment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were written before it.</source>
        <translation>
            <numerusform>%Ln arquivo foi gravado antes disso.</numerusform>
            <numerusform>%Ln arquivos foram gravados antes disso.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Não foi possível ler “%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Não foi possível gravar “%1”.</translation>
    </message>
    <message>
        <source>Select your Playlist directory</source>
        <translation>Selecione a pasta das suas listas de reprodução</translation>
    </message>
    <message>
        <source>Select Output directory</source>
        <translation>Selecione a pasta de saída</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file, %2 why it was not queued.</extracomment>
        <translation>“%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>“%1” não é uma lista de reprodução legível (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>“%1” não está na mesma pasta que os outros arquivos, %2.</translation>
    </message>
    <message>
        <source>Copy the music that the playlists name onto the card?</source>
        <translation>Copiar para o cartão as músicas indicadas pelas listas de reprodução?</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button: copy the music onto the card.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Don&apos;t copy</source>
        <extracomment>A button: leave the card as it is.</extracomment>
        <translation>Não copiar</translation>
    </message>
    <message>
        <source>Keep the card in step with the music on this computer?</source>
        <translation>Sincronizar o cartão com as músicas deste computador?</translation>
    </message>
    <message numerus="yes">
        <source>Make again the %Ln files whose sources changed</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Recriar %Ln arquivo cuja origem mudou</numerusform>
            <numerusform>Recriar os %Ln arquivos cuja origem mudou</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove the %Ln files below the media folder that no playlist on the card names</source>
        <extracomment>A check box: %Ln counts the files.</extracomment>
        <translation>
            <numerusform>Excluir %Ln arquivo da pasta de mídia que não consta em nenhuma lista de reprodução do cartão</numerusform>
            <numerusform>Excluir os %Ln arquivos da pasta de mídia que não constam em nenhuma lista de reprodução do cartão</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files were not queued.</source>
        <translation>
            <numerusform>%Ln arquivo não foi adicionado à fila.</numerusform>
            <numerusform>%Ln arquivos não foram adicionados à fila.</numerusform>
        </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Don&apos;t update</source>
        <translation>Não atualizar</translation>
    </message>
</context>
<context>
    <name>velandry::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Velandry web site</source>
        <translation>Site do Velandry</translation>
    </message>
    <message>
        <source>Click here for updates</source>
        <translation>Clique aqui para obter atualizações</translation>
    </message>
    <message>
        <source>Please visit for updates, faq and help</source>
        <extracomment>The caption under the picture that links to the web site: 297 px of room at 96 DPI, one line.</extracomment>
        <translation>Visite-nos para atualizações, FAQ e ajuda</translation>
    </message>
    <message>
        <source>Revision History</source>
        <extracomment>The heading of the history box: 217 px of room at 96 DPI.</extracomment>
        <translation>Histórico de versões</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>A button: about 57 px of room for its text at 96 DPI.</extracomment>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <extracomment>The maker&apos;s notice: 257 px of room at 96 DPI, up to two lines.</extracomment>
        <translation>Velandry, software gratuito</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Contribua com o desenvolvimento futuro</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <extracomment>Beside the donation picture: two lines of 263 px at 96 DPI.</extracomment>
        <translation>Se este software for útil para você, fique à vontade para ajudar no seu desenvolvimento</translation>
    </message>
</context>
</TS>
