<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Ostrevan Software</source>
        <translation>Sobre o Velkaro</translation>
    </message>
    <message>
        <source>Velkaro logo</source>
        <translation>Logotipo do Velkaro</translation>
    </message>
    <message>
        <source>A file cut into four packages, c0 to c3, with the words split and join; below it Velkaro, by Ostrevan Software</source>
        <translation>Um arquivo dividido em quatro partes, de c0 a c3, com as palavras split e join; abaixo, Velkaro, da Ostrevan Software</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Cut a file into fixed-size packages and join them back</source>
        <translation>Dividir um arquivo em partes de tamanho fixo e reconstruí-lo</translation>
    </message>
    <message>
        <source>Velkaro cuts one file into a series of smaller files of a fixed size, called packages (NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the size of a file, and joins such a series back into the file, byte for byte.</source>
        <translation>O Velkaro divide um arquivo em uma série de arquivos menores de tamanho fixo, chamados partes (NAME.c0, NAME.c1, ...), para levá-lo em mídias pequenas ou por canais que limitam o tamanho de um arquivo, e reconstrói o arquivo a partir dessa série, byte a byte.</translation>
    </message>
    <message>
        <source>A package holds raw bytes of the file and nothing else, so any other tool can join a set too. Velkaro signals success only when every byte it wrote is on disk.</source>
        <translation>Uma parte contém apenas os bytes brutos do arquivo e nada mais, então qualquer outra ferramenta também pode juntar uma série. O Velkaro só indica sucesso quando cada byte que gravou está no disco.</translation>
    </message>
    <message>
        <source>It does not compress, encrypt or check files.</source>
        <translation>Ele não compacta, criptografa nem verifica arquivos.</translation>
    </message>
    <message>
        <source>The window, started with a package of a set as the source</source>
        <translation>A janela, aberta com uma parte de uma série como origem</translation>
    </message>
    <message>
        <source>split;join;cut;package;chunk</source>
        <translation>dividir;juntar;cortar;reconstruir;parte;partes</translation>
    </message>
</context>
<context>
    <name>FormMain</name>
    <message>
        <source>Split &amp;&amp; Build</source>
        <translation>Dividir &amp;&amp; reconstruir</translation>
    </message>
    <message>
        <source>So&amp;urce -------&gt;</source>
        <translation>&amp;Origem -------&gt;</translation>
    </message>
    <message>
        <source>&amp;Destination --&gt;</source>
        <translation>&amp;Destino ------&gt;</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Sal&amp;var</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+V</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Opções de divisão</translation>
    </message>
    <message>
        <source>&amp;Package Size -&gt;</source>
        <translation>Tamanho da &amp;parte -&gt;</translation>
    </message>
    <message>
        <source>1457664</source>
        <translation>1457664</translation>
    </message>
    <message>
        <source>Package Size</source>
        <translation>Tamanho da parte</translation>
    </message>
    <message>
        <source>B (Bytes)</source>
        <translation>B (bytes)</translation>
    </message>
    <message>
        <source>KB (Kilo)</source>
        <translation>KB (quilo)</translation>
    </message>
    <message>
        <source>MB (Mega)</source>
        <translation>MB (mega)</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Unidade de medida</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Rede&amp;finir</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+F</translation>
    </message>
    <message>
        <source>Clear All Split Options (Reset)</source>
        <translation>Redefinir todas as opções de divisão</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>D&amp;ividir</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+I</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Reconstruir</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Reconstruir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Tarefas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Package size</source>
        <translation>Tamanho da parte</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Invalid source!</source>
        <translation>Origem inválida!</translation>
    </message>
    <message>
        <source>Invalid destination!</source>
        <translation>Destino inválido!</translation>
    </message>
    <message>
        <source>Source and destination overlap!</source>
        <translation>A origem e o destino se sobrepõem!</translation>
    </message>
    <message>
        <source>Destination package exists.
Overwrite it?</source>
        <translation>A parte de destino já existe.
Deseja sobrescrevê-la?</translation>
    </message>
    <message>
        <source>Invalid package size!</source>
        <translation>Tamanho de parte inválido!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Unable to split!</source>
        <translation>Não foi possível dividir o arquivo!</translation>
    </message>
    <message>
        <source>Invalid source, please select a valid package with a (*.c*) extension.</source>
        <translation>Origem inválida. Selecione uma parte válida, com extensão (*.c*).</translation>
    </message>
    <message>
        <source>Destination file exists.
Overwrite it?</source>
        <translation>O arquivo de destino já existe.
Deseja sobrescrevê-lo?</translation>
    </message>
    <message>
        <source>Unable to build!</source>
        <translation>Não foi possível reconstruir o arquivo!</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Navegador não encontrado</translation>
    </message>
    <message>
        <source>Unable to launch a browser for &quot;%1&quot;</source>
        <translation>Não foi possível abrir um navegador para “%1”</translation>
    </message>
    <message>
        <source>Velkaro v1.0.90 Beta 2</source>
        <translation>Velkaro v1.0.90 Beta 2</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Usage: velkaro [OPTION] [FILE]
Cuts a file into packages of a fixed size (FILE.c0, FILE.c1, ...) and joins
such a package set back into the file, in a window.

With FILE, the window opens with it as the source; a package (NAME.cN)
proposes the base path of its set, NAME, as the destination. A FILE that is
not an existing regular file rings the bell and ends the program with exit
code 1, without a window. Two or more files are ignored.

  -h, --help     print this help and exit
      --version  print the program&apos;s name and version and exit
      --         end of options: what follows is FILE, even if it begins
                 with a dash

The toolkit&apos;s own options, such as -style NAME, may come before FILE.

Manual:   %1
Settings: %2
</source>
        <translation>Uso: velkaro [OPÇÃO] [ARQUIVO]
Divide um arquivo em partes de tamanho fixo (ARQUIVO.c0, ARQUIVO.c1, ...) e
reconstrói o arquivo a partir de uma série de partes assim, em uma janela.

Com ARQUIVO, a janela se abre com ele como origem; uma parte (NOME.cN) propõe
como destino o caminho base da sua série, NOME. Um ARQUIVO que não seja um
arquivo comum existente emite um sinal sonoro e encerra o programa com o
código de saída 1, sem janela. Dois ou mais arquivos são ignorados.

  -h, --help     mostra esta ajuda e sai
      --version  mostra o nome e a versão do programa e sai
      --         fim das opções: o que vem depois é ARQUIVO, mesmo que comece
                 com um hífen

As opções da própria biblioteca gráfica, como -style NOME, podem vir antes de
ARQUIVO.

Manual:        %1
Configurações: %2
</translation>
    </message>
    <message>
        <source>velkaro: no display to open the window on</source>
        <translation>velkaro: não há tela onde abrir a janela</translation>
    </message>
</context>
</TS>
