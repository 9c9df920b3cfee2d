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
        <translation>Tipo de mídia a manter, sem o ponto (WMA, MP3, WAV, ...).</translation>
    </message>
    <message>
        <source>Folder on the device written before every path (default %1).</source>
        <translation>Pasta do dispositivo gravada antes de cada caminho (padrão: %1).</translation>
    </message>
    <message>
        <source>Folder for the .asx files (default: each playlist&apos;s own folder).</source>
        <translation>Pasta para os arquivos .asx (padrão: a pasta de cada lista de reprodução).</translation>
    </message>
    <message>
        <source>ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 (also as cp1250 or windows-1250). Default here: %2, %3.</source>
        <extracomment>%1 lists the code pages, %2 is the default&apos;s number, %3 why it is the default.</extracomment>
        <translation>Página de código ANSI dos arquivos .asx e das listas de reprodução que não estão em UTF-8: %1 (também como cp1250 ou windows-1250). Padrão aqui: %2, %3.</translation>
    </message>
    <message>
        <source>The music folder that playlists other than WPL name their files in, as they name it (/home/ana/Music, &apos;D:\Music&apos;): entries below it are cut there (default: the rules in the manual page).</source>
        <translation>A pasta de música em que as listas de reprodução que não são WPL indicam seus arquivos, escrita como elas a escrevem (/home/ana/Music, &apos;D:\Music&apos;): os itens abaixo dela são cortados ali (padrão: as regras da página de manual).</translation>
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
        <translation>Tente &apos;--help&apos; para obter mais informações.</translation>
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
por exemplo, WMA, MP3</translation>
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
        <source>%1 -&gt; %2 (%n entries)</source>
        <extracomment>%1 is the playlist, %2 the .asx file written.</extracomment>
        <translation>
            <numerusform>%1 -&gt; %2 (%n item)</numerusform>
            <numerusform>%1 -&gt; %2 (%n itens)</numerusform>
        </translation>
    </message>
    <message>
        <source> (name it with --music-root)</source>
        <translation> (indique-a com --music-root)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>After the playlists, copy the files they name that the card lacks onto it, each where the device opens it, from where the playlist names it or below the music root (--music-root, else the user&apos;s music folder).</source>
        <translation>Depois das listas de reprodução, copiar para o cartão os arquivos que elas indicam e que faltam nele, cada um onde o dispositivo o abre, a partir de onde a lista de reprodução o indica ou abaixo da raiz de música (--music-root; se não, a pasta de música do usuário).</translation>
    </message>
    <message>
        <source>Write nothing at all (no playlist, no music, no folder): print what would be done.</source>
        <translation>Não gravar absolutamente nada (nenhuma lista de reprodução, música ou pasta): exibir o que seria feito.</translation>
    </message>
    <message>
        <source>--copy-music needs the card: name it with --card DIR, or write the playlists onto the card with --output-folder DIR</source>
        <translation>--copy-music precisa do cartão: indique-o com --card DIR ou grave as listas de reprodução no cartão com --output-folder DIR</translation>
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
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copying %1 of %n files, %2 of %3</source>
        <extracomment>%1 is the file at hand, counted from 1; %n all the files; %2 and %3 sizes.</extracomment>
        <translation>
            <numerusform>Copiando o arquivo %1 de %n, %2 de %3</numerusform>
            <numerusform>Copiando o arquivo %1 de %n, %2 de %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that the playlists name are not on the card (%1): %2 in all.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size of the files.</extracomment>
        <translation>
            <numerusform>%n arquivo indicado pelas listas de reprodução não está no cartão (%1): %2 no total.</numerusform>
            <numerusform>%n arquivos indicados pelas listas de reprodução não estão no cartão (%1): %2 no total.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free on the card.</source>
        <extracomment>%1 is a size.</extracomment>
        <translation>Espaço livre no cartão: %1.</translation>
    </message>
    <message>
        <source>%1 -&gt; %2 (%3)</source>
        <extracomment>%1 is the file on this computer, %2 its place on the card, %3 its size.</extracomment>
        <translation>%1 -&gt; %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1, would be copied to the card (%2).</source>
        <extracomment>%1 is a size, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n arquivo, %1, seria copiado para o cartão (%2).</numerusform>
            <numerusform>%n arquivos, %1, seriam copiados para o cartão (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card&apos;s file system does not tell how much is free on it.</source>
        <translation>O sistema de arquivos do cartão não informa quanto espaço livre há nele.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are not on this computer either: %1</source>
        <extracomment>%1 names the entries.</extracomment>
        <translation>
            <numerusform>%n item também não está neste computador: %1</numerusform>
            <numerusform>%n itens também não estão neste computador: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not copied, as the card&apos;s FAT file system holds no file of 4 GiB or more: %1</source>
        <translation>
            <numerusform>%n arquivo não foi copiado, pois o sistema de arquivos FAT do cartão não comporta arquivos de 4 GiB ou mais: %1</numerusform>
            <numerusform>%n arquivos não foram copiados, pois o sistema de arquivos FAT do cartão não comporta arquivos de 4 GiB ou mais: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries were not copied, as no ordinary file of the media type has their name here, or a file on the card has the name of their folder: %1</source>
        <translation>
            <numerusform>%n item não foi copiado, pois nenhum arquivo comum do tipo de mídia tem o nome dele aqui, ou um arquivo do cartão tem o nome da pasta dele: %1</numerusform>
            <numerusform>%n itens não foram copiados, pois nenhum arquivo comum do tipo de mídia tem o nome deles aqui, ou um arquivo do cartão tem o nome da pasta deles: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were not copied, as a folder on their way is a link that leads out of the card: %1</source>
        <translation>
            <numerusform>%n arquivo não foi copiado, pois uma pasta do seu caminho é um link que leva para fora do cartão: %1</numerusform>
            <numerusform>%n arquivos não foram copiados, pois uma pasta do caminho deles é um link que leva para fora do cartão: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n files (%1) to the card (%2).</source>
        <extracomment>%1 is the size copied, %2 the card&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n arquivo (%1) foi copiado para o cartão (%2).</numerusform>
            <numerusform>%n arquivos (%1) foram copiados para o cartão (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.</source>
        <extracomment>%1 is the card&apos;s folder, %2 the size to copy, %3 the free space.</extracomment>
        <translation>As músicas não cabem no cartão (%1): %2 a copiar, %3 livres; nada foi copiado.</translation>
    </message>
    <message>
        <source>it could not be read whole</source>
        <translation>não foi possível lê-lo por inteiro</translation>
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
        <translation>Escolha as listas de reprodução, o tipo de mídia a manter (WMA, MP3, WAV ou qualquer outro) e a pasta do dispositivo que contém as músicas. Cada referência desse tipo é reduzida à sua posição abaixo da pasta de música e gravada sob a pasta de música do dispositivo, um arquivo .asx por lista de reprodução, na página de código ANSI do dispositivo.</translation>
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
        <translation>o texto termina antes da sua marcação</translation>
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
        <translation>era esperado um nome depois de &quot;&lt;&quot;</translation>
    </message>
    <message>
        <source>&quot;&gt;&quot; was expected after an end tag&apos;s name</source>
        <translation>era esperado &quot;&gt;&quot; depois do nome de uma tag de fechamento</translation>
    </message>
    <message>
        <source>an attribute has no &quot;=&quot; and value</source>
        <translation>um atributo não tem &quot;=&quot; nem valor</translation>
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
        <translation>A marcação %1 não pode ser lida: uma tag na linha %2 nunca é fechada</translation>
    </message>
    <message>
        <source>Its %1 markup holds no &lt;ASX&gt; element</source>
        <translation>A marcação %1 não contém nenhum elemento &lt;ASX&gt;</translation>
    </message>
    <message>
        <source>Its %1 markup cannot be read: line %2: %3</source>
        <extracomment>%1 is the kind of playlist (XSPF, ASX), %2 a line number, %3 what is wrong.</extracomment>
        <translation>A marcação %1 não pode ser lida: linha %2: %3</translation>
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
        <translation>Uma pasta com esse nome impede a gravação</translation>
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
        <translation>O nome não é UTF-8 válido, por isso o arquivo não pode ser aberto; renomeie-o, por exemplo com &quot;convmv -f latin1 -t utf8 --notest&quot;</translation>
    </message>
    <message>
        <source>It is not a playlist of a kind read here (%1)</source>
        <extracomment>%1 lists the kinds: WPL, ZPL, M3U, ...</extracomment>
        <translation>Não é uma lista de reprodução de um tipo suportado (%1)</translation>
    </message>
    <message>
        <source>Its XML declaration names the encoding &quot;%1&quot;, which cannot be read here</source>
        <extracomment>%1 is the encoding&apos;s name as the playlist gives it, e.g. &quot;x-mac-roman&quot;.</extracomment>
        <translation>A declaração XML indica a codificação &quot;%1&quot;, que não pode ser lida aqui</translation>
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
        <source>%1 and %n more</source>
        <extracomment>%1 lists the first few names; %n counts the rest.</extracomment>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: not UTF-8, read as code page %2</source>
        <extracomment>%1 is the playlist, %2 a code page&apos;s number.</extracomment>
        <translation>%1: não está em UTF-8, lida como página de código %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries hold characters outside code page %3, written as &quot;?&quot;</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 a code page&apos;s number.</extracomment>
        <translation>
            <numerusform>%1: %n de %2 itens contém caracteres fora da página de código %3, gravados como &quot;?&quot;</numerusform>
            <numerusform>%1: %n de %2 itens contêm caracteres fora da página de código %3, gravados como &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n web addresses</source>
        <translation>
            <numerusform>%n endereço da Web</numerusform>
            <numerusform>%n endereços da Web</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outside the music folder</source>
        <translation>
            <numerusform>%n fora da pasta de música</numerusform>
            <numerusform>%n fora da pasta de música</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries left out: %3</source>
        <extracomment>%1 is the playlist, %n of %2 entries, %3 the reasons: &quot;2 web addresses, 3 outside the music folder&quot;.</extracomment>
        <translation>
            <numerusform>%1: %n de %2 itens omitido: %3</numerusform>
            <numerusform>%1: %n de %2 itens omitidos: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries can never play on the device: %3</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 their names.</extracomment>
        <translation>
            <numerusform>%1: %n de %2 itens nunca poderá ser reproduzido no dispositivo: %3</numerusform>
            <numerusform>%1: %n de %2 itens nunca poderão ser reproduzidos no dispositivo: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the card (%2) could not be read, so its entries were not looked for on it</source>
        <extracomment>%1 is the .asx file, %2 the card&apos;s folder.</extracomment>
        <translation>%1: não foi possível ler o cartão (%2), por isso os itens não foram procurados nele</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries are not on the card (%3): %4</source>
        <extracomment>%1 is the .asx file, %n of %2 entries, %3 the card&apos;s folder, %4 the entries&apos; names.</extracomment>
        <translation>
            <numerusform>%1: %n de %2 itens não está no cartão (%3): %4</numerusform>
            <numerusform>%1: %n de %2 itens não estão no cartão (%3): %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 entries were cut across the playlist&apos;s markup and name no real file</source>
        <extracomment>%1 is the playlist, %n of %2 entries.</extracomment>
        <translation>
            <numerusform>%1: %n de %2 itens foi cortado através da marcação da lista de reprodução e não indica nenhum arquivo real</numerusform>
            <numerusform>%1: %n de %2 itens foram cortados através da marcação da lista de reprodução e não indicam nenhum arquivo real</numerusform>
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
        <translation>da localidade %1 (%2)</translation>
    </message>
    <message>
        <source>no locale is set</source>
        <translation>nenhuma localidade está definida</translation>
    </message>
    <message>
        <source>(a path of %1 bytes)</source>
        <extracomment>An entry too long to name, by its size.</extracomment>
        <translation>(um caminho de %1 bytes)</translation>
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
        <extracomment>%1 is the file, as the device names it.</extracomment>
        <translation>Copiando %1</translation>
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
        <translation>Pasta de listas:</translation>
    </message>
    <message>
        <source>Playlist contains :</source>
        <translation>A lista contém:</translation>
    </message>
    <message>
        <source>Window Media Player 9 Playlists</source>
        <translation>Listas do Windows Media 9</translation>
    </message>
    <message>
        <source>Playlists to be converted</source>
        <translation>Listas a converter</translation>
    </message>
    <message>
        <source>Output Location :</source>
        <translation>Pasta de saída:</translation>
    </message>
    <message>
        <source>Media Location :</source>
        <translation>Pasta de mídia:</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
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
        <translation>Não é possível listar a pasta de listas de reprodução &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>It does not exist or is not a folder.</source>
        <translation>Ela não existe ou não é uma pasta.</translation>
    </message>
    <message>
        <source>Please select a media type<byte value="xd"/>
i.e. WMA, MP3</source>
        <translation>Selecione um tipo de mídia<byte value="xd"/>
por exemplo, WMA, MP3</translation>
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
        <source>%n files were written before it.</source>
        <translation>
            <numerusform>%n arquivo foi gravado antes disso.</numerusform>
            <numerusform>%n arquivos foram gravados antes disso.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read.</source>
        <translation>Não foi possível ler &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Não foi possível gravar &quot;%1&quot;.</translation>
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
        <translation>&quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a readable playlist (%2).</source>
        <extracomment>%2 lists the kinds of playlist: *.wpl, *.zpl, ...</extracomment>
        <translation>&quot;%1&quot; não é uma lista de reprodução legível (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the folder of the others, %2.</source>
        <translation>&quot;%1&quot; não está na pasta dos outros, %2.</translation>
    </message>
    <message numerus="yes">
        <source>These files were not queued.</source>
        <translation>
            <numerusform>Este arquivo não foi adicionado à fila.</numerusform>
            <numerusform>Estes arquivos não foram adicionados à fila.</numerusform>
        </translation>
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
        <translation>Visite-nos para atualizações, FAQ e ajuda</translation>
    </message>
    <message>
        <source>Revision History</source>
        <translation>Histórico de revisões</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Velandry, freeware</source>
        <translation>Velandry, software gratuito</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>Help towards future developments</source>
        <translation>Ajudar em desenvolvimentos futuros</translation>
    </message>
    <message>
        <source>If you feel that this software is worth using, please feel free to help towards future developments</source>
        <translation>Se este software for útil para você, fique à vontade para ajudar no seu desenvolvimento</translation>
    </message>
</context>
</TS>
