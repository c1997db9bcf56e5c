<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../resources/UnitAbout.ui" line="+6"/>
        <source>About Tessel tool - Romweaver</source>
        <translation>Sobre a ferramenta Tessel - Romweaver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessel tool - Romweaver</source>
        <translation>Ferramenta Tessel - Romweaver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version number: %1</source>
        <translation>Número da versão: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Released: %1</source>
        <translation>Lançamento: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Packs NES roms and a menu into one Game Boy Advance rom for the Tessel emulator.

Written by the Romweaver developers.</source>
        <translation>Reúne ROMs de NES e um menu em uma única ROM de Game Boy Advance para o emulador Tessel.

Escrito pelos desenvolvedores do Romweaver.</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAbout.cpp" line="+23"/>
        <source>en</source>
        <comment>the code of this translation&apos;s language (de, pt_BR): the release month is named in it</comment>
        <translation>pt_BR</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>the release: the month&apos;s name, the year</comment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>TfrmAddSpriteNumber</name>
    <message>
        <location filename="../resources/UnitAddSpriteNumber.ui" line="+6"/>
        <source>Add sprite number or memory address</source>
        <translation>Adicionar número do sprite ou endereço de memória</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add sprite number or memory address </source>
        <translation> Adicionar número do sprite ou endereço de memória </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(tells tessel where to center screen on)</source>
        <translation>(indica ao Tessel onde centralizar a tela)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory adress:</source>
        <translation>Número do sprite ou endereço de memória:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory address</source>
        <translation>Número do sprite ou endereço de memória</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAddSpriteNumber.cpp" line="+27"/>
        <source>Illegal character &apos;|&apos; found. Please remove the character.</source>
        <translation>Caractere inválido &apos;|&apos; encontrado. Remova o caractere.</translation>
    </message>
</context>
<context>
    <name>TfrmNewOption</name>
    <message>
        <location filename="../resources/UnitNewOption.ui" line="+6"/>
        <source>Add new option</source>
        <translation>Adicionar nova opção</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add new option </source>
        <translation> Adicionar nova opção </translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <location filename="../wizard/UnitNewOption.cpp" line="+28"/>
        <source>No description is inserted. Are you sure you do not want a description?</source>
        <translation>Nenhuma descrição foi informada. Tem certeza de que não quer uma descrição?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no description available</source>
        <translation>nenhuma descrição disponível</translation>
    </message>
</context>
<context>
    <name>TfrmRomweaver</name>
    <message>
        <location filename="../resources/UnitRomweaver.ui" line="+6"/>
        <source>Tessel tool - Romweaver </source>
        <translation>Ferramenta Tessel - Romweaver </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Step 1 - Select NES rom(s) - have to be in the same directory </source>
        <translation> Etapa 1 - Selecionar ROMs de NES - todas na mesma pasta </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current directory: </source>
        <translation>Pasta atual: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current directory</source>
        <translation>Pasta atual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files in current directory</source>
        <translation>Arquivos da pasta atual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type</source>
        <translation>Tipo de arquivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add selected roms</source>
        <translation>Adicionar as ROMs selecionadas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add the selected roms (Enter)</source>
        <translation>Adicionar as ROMs selecionadas (Enter)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear selected roms</source>
        <translation>Limpar as ROMs selecionadas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clear the selected roms</source>
        <translation>Limpar a lista de ROMs selecionadas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected roms</source>
        <translation>ROMs selecionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total NES roms selected: 0</source>
        <translation>ROMs de NES selecionadas: 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GBA rom size: 0 KB</source>
        <translation>Tamanho da ROM de GBA: 0 KB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Step 2 - Setup the Menu System - Titles </source>
        <translation> Etapa 2 - Configurar o menu - Títulos </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles of the NES roms (default is filename):</source>
        <translation>Títulos das ROMs de NES (padrão: o nome do arquivo):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Titles of the NES roms (default is filename)</source>
        <translation>Títulos das ROMs de NES (padrão: o nome do arquivo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of the selected rom</source>
        <translation>Título da ROM selecionada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change title</source>
        <translation>Alterar título</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tidy titles</source>
        <translation>Arrumar títulos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles that are still file names lose their extension and tags such as (USA) or [!]</source>
        <translation>Títulos que ainda são nomes de arquivo perdem a extensão e etiquetas como (USA) ou [!]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable numbering</source>
        <translation>Numerar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorted by title</source>
        <translation>Ordenar por título</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu:</source>
        <translation>Visualização do menu:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu</source>
        <translation>Visualização do menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+1"/>
        <location line="+13"/>
        <location line="+1"/>
        <location line="+2"/>
        <source>---&gt;</source>
        <translation>---&gt;</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+17"/>
        <source>--&gt;</source>
        <translation>--&gt;</translation>
    </message>
    <message>
        <location line="-13"/>
        <source> Step 3 - Setup the Menu System - Adding options (can be skipped) </source>
        <translation> Etapa 3 - Configurar o menu - Adicionar opções (opcional) </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Available options:</source>
        <translation>Opções disponíveis:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Available options</source>
        <translation>Opções disponíveis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Option description</source>
        <translation>Descrição da opção</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add options to menu item</source>
        <translation>Adicionar opções ao item do menu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt; add to menu item &gt;&gt;</source>
        <translation>&gt;&gt; adicionar ao item &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove options from menu item</source>
        <translation>Remover opções do item do menu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>remove options &gt;&gt;</source>
        <translation>remover opções &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add sprite number to menu item</source>
        <translation>Adicionar número do sprite ao item do menu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add sprite number &gt;&gt;</source>
        <translation>nº do sprite &gt;&gt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add a sprite number or memory address where emulator will center the screen on</source>
        <translation>Adicionar um número do sprite ou endereço de memória: o emulador centralizará a tela nele</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add new option</source>
        <translation>Adicionar nova opção</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; add new option</source>
        <translation>&lt;&lt; nova opção</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change option</source>
        <translation>Alterar opção</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Change</source>
        <translation>&lt;&lt; Alterar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete option</source>
        <translation>Excluir opção</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Del</source>
        <translation>&lt;&lt; Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES rom title | option1 | option 2 | etc...</source>
        <translation>Título da ROM de NES | opção 1 | opção 2 | etc.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu items</source>
        <translation>Itens do menu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Last Step - Writing the GBA rom </source>
        <translation> Última etapa - Gravar a ROM de GBA </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select destination of GBA rom:</source>
        <translation>Destino da ROM de GBA:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination of GBA rom</source>
        <translation>Destino da ROM de GBA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination drive</source>
        <translation>Unidade de destino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter a filename for GBA rom:</source>
        <translation>Nome do arquivo da ROM de GBA:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filename for GBA rom</source>
        <translation>Nome do arquivo da ROM de GBA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whatever.gba</source>
        <translation>Whatever.gba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write!</source>
        <translation>Gravar!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the button to write the NES roms to the GBA rom!</source>
        <translation>Clique no botão para gravar as ROMs de NES na ROM de GBA!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Details of the build</source>
        <translation>Detalhes da geração</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What this build wrote to the build log</source>
        <translation>O que esta geração gravou no registro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Details…</source>
        <translation>Detalhes…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress of the write</source>
        <translation>Progresso da gravação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 % done</source>
        <translation>0% concluído</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <location filename="../wizard/UnitRomweaver.cpp" line="+76"/>
        <source>Current directory: %1</source>
        <translation>Pasta atual: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>NES roms</source>
        <translation>ROMs de NES</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES roms, also in archives</source>
        <translation>ROMs de NES, também em arquivos compactados</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>%1 (%2)</source>
        <comment>a button&apos;s tooltip: its caption, its keys</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+147"/>
        <source>No NES rom(s) selected!</source>
        <translation>Nenhuma ROM de NES selecionada!</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Changed since the compilation was saved</source>
        <translation>Alterada desde que a coletânea foi salva</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The compilation %1 has changes that are not saved. Save them?</source>
        <translation>A coletânea %1 tem alterações que não foram salvas. Salvá-las?</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Total NES roms selected: %1</source>
        <translation>ROMs de NES selecionadas: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>GBA rom size: ~%1 KB (default)</source>
        <translation>Tamanho da ROM de GBA: ~%1 KB (padrão)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>GBA rom size: unknown (a rom could not be read)</source>
        <translation>Tamanho da ROM de GBA: ? (uma ROM é ilegível)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GBA rom size: ~%1 KB</source>
        <translation>Tamanho da ROM de GBA: ~%1 KB</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Failed to read NES rom(s)</source>
        <translation>Falha ao ler as ROMs de NES</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>All NES roms have to be in the same directory.</source>
        <translation>Todas as ROMs de NES devem estar na mesma pasta.</translation>
    </message>
    <message>
        <location line="+164"/>
        <source>Only the first %1 options can be added to a menu item; options further down the list are left out.</source>
        <translation>Somente as primeiras %1 opções podem ser adicionadas a um item do menu; as opções mais abaixo na lista ficam de fora.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No more options can be added: a menu item can carry at most %1 options.</source>
        <translation>Não é possível adicionar mais opções: um item do menu pode ter no máximo %1 opções.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Option nr %1</source>
        <translation>Opção nº %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>No GBA rom filename specified! Please insert a filename!</source>
        <translation>Nenhum nome de arquivo informado para a ROM de GBA! Informe um nome de arquivo!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 whole, %2 cut, %3 repaired</source>
        <translation>Inteiras: %1, cortadas: %2, reparadas: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This build&apos;s log:</source>
        <translation>Registro desta geração:</translation>
    </message>
</context>
<context>
    <name>builder::ArchiveError</name>
    <message>
        <location filename="../builder/ArchiveLimits.cpp" line="+18"/>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Romweaver reads at most %1 members of an archive</source>
        <translation>o Romweaver lê no máximo %1 itens de um arquivo compactado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks at most %1 of an archive</source>
        <translation>o Romweaver descompacta no máximo %1 de um arquivo compactado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver reads at most %1 of an archive&apos;s list of members</source>
        <translation>o Romweaver lê no máximo %1 da lista de itens de um arquivo compactado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks with at most %1 of memory, and this archive asks for %2</source>
        <translation>o Romweaver descompacta usando no máximo %1 de memória, e este arquivo compactado exige %2</translation>
    </message>
    <message>
        <location filename="../builder/ArchiveReader.cpp" line="+84"/>
        <source>the member after %1 is damaged</source>
        <translation>o item após %1 está danificado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its first member is damaged</source>
        <translation>seu primeiro item está danificado</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+44"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+784"/>
        <location filename="../builder/ZipCheck.cpp" line="+175"/>
        <source>its list of members is damaged</source>
        <translation>sua lista de itens está danificada</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>the data of %1 is damaged</source>
        <translation>os dados de %1 estão danificados</translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="../builder/GzipMembers.cpp" line="+159"/>
        <location line="+26"/>
        <location line="+33"/>
        <location filename="../builder/GzipStream.cpp" line="+118"/>
        <location filename="../builder/SevenZipCheck.cpp" line="-79"/>
        <source>it is truncated</source>
        <translation>está truncado</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+25"/>
        <location line="+34"/>
        <source>its list of members fails its CRC check</source>
        <translation>sua lista de itens não passa na verificação de CRC</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 fails its CRC check</source>
        <translation>%1 não passa na verificação de CRC</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is packed in a way Romweaver cannot unpack</source>
        <translation>está compactado de um jeito que o Romweaver não consegue descompactar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is packed in a way Romweaver cannot unpack</source>
        <translation>%1 está compactado de um jeito que o Romweaver não consegue descompactar</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>its rom is gone since it was first read</source>
        <translation>a ROM contida nele sumiu depois da primeira leitura</translation>
    </message>
    <message>
        <location filename="../builder/GzipMembers.cpp" line="-25"/>
        <source>a tar header in it is longer than 1 MiB</source>
        <translation>um cabeçalho tar contido nele tem mais de 1 MiB</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>the tar header after %1 is damaged</source>
        <translation>o cabeçalho tar após %1 está danificado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its start</source>
        <translation>o seu início</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>member %1</source>
        <translation>o item %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a tar header in it gives no size</source>
        <translation>um cabeçalho tar contido nele não indica o tamanho</translation>
    </message>
    <message>
        <location filename="../builder/GzipStream.cpp" line="-26"/>
        <source>its unpacked data does not match the CRC-32 its gzip trailer records</source>
        <translation>seus dados descompactados não correspondem ao CRC-32 registrado no seu trailer gzip</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its unpacked length does not match the length its gzip trailer records</source>
        <translation>seu tamanho descompactado não corresponde ao tamanho registrado no seu trailer gzip</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is compressed with a method other than Deflate, which Romweaver cannot unpack</source>
        <translation>está compactado com um método diferente de Deflate, e o Romweaver não consegue descompactá-lo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its compressed data is invalid (%1)</source>
        <translation>seus dados compactados são inválidos (%1)</translation>
    </message>
    <message>
        <location filename="../builder/SevenZipCheck.cpp" line="-656"/>
        <source>the x86 filter of 7-Zip 23</source>
        <translation>o filtro x86 do 7-Zip 23</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../builder/ZipCheck.cpp" line="-93"/>
        <source>compression method %1</source>
        <translation>o método de compactação %1</translation>
    </message>
    <message>
        <location line="+405"/>
        <source>its list of members has additional streams, which Romweaver cannot read</source>
        <translation>sua lista de itens tem fluxos adicionais, que o Romweaver não consegue ler</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>it is compressed with %1, which Romweaver cannot unpack</source>
        <translation>está compactado com %1, e o Romweaver não consegue descompactá-lo</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>its start header is damaged</source>
        <translation>seu cabeçalho inicial está danificado</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>its list of members is compressed in a way Romweaver cannot unpack</source>
        <translation>sua lista de itens está compactada de um modo que o Romweaver não consegue descompactar</translation>
    </message>
    <message>
        <location filename="../builder/ZipCheck.cpp" line="+78"/>
        <source>its list of members is missing; it may be truncated</source>
        <translation>falta sua lista de itens; ele pode estar truncado</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is one part of an archive split into several files</source>
        <translation>é uma parte de um arquivo compactado dividido em vários arquivos</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 is compressed with %2, which Romweaver cannot unpack</source>
        <translation>%1 está compactado com %2, e o Romweaver não consegue descompactá-lo</translation>
    </message>
</context>
<context>
    <name>builder::BuildStatus</name>
    <message>
        <location filename="../builder/BuildStatus.cpp" line="+12"/>
        <source>Preparing to write...</source>
        <translation>Preparando a gravação...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom...</source>
        <translation>Gravando a ROM de GBA...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom - adding base rom tessel.gba...</source>
        <translation>Gravando a ROM de GBA - adicionando a ROM do emulador tessel.gba...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding menu script...</source>
        <translation>Gravando a ROM de GBA - adicionando o script do menu...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding nes rom %1...</source>
        <translation>Gravando a ROM de GBA - adicionando %1...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing succesfully completed.</source>
        <translation>Gravação concluída com sucesso.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing the GBA rom failed.</source>
        <translation>Falha ao gravar a ROM de GBA.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 % done</source>
        <translation>%1% concluído</translation>
    </message>
</context>
<context>
    <name>builder::CompilationFile</name>
    <message>
        <location filename="../builder/CompilationFile.cpp" line="+160"/>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is far too large</source>
        <translation>é grande demais</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it does not say it is one</source>
        <translation>não se declara como coletânea</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no format version</source>
        <translation>não tem versão de formato</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it names no rom folder</source>
        <translation>não indica a pasta das ROMs</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no list of roms</source>
        <translation>não tem lista de ROMs</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a rom has no file name of its own</source>
        <translation>uma ROM não tem um nome de arquivo próprio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is listed twice</source>
        <translation>%1 aparece duas vezes na lista</translation>
    </message>
</context>
<context>
    <name>cli::BuildCommand</name>
    <message>
        <location filename="../cli/BuildCommand.cpp" line="+117"/>
        <location line="+2"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+102"/>
        <location line="+11"/>
        <source>no output given (-o OUTPUT)</source>
        <translation>nenhum arquivo de saída informado (-o OUTPUT)</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>--compilation takes the roms, the menu and its options from the file: it cannot be combined with ROMs, --numbered, --sorted, --menu or --save-compilation</source>
        <translation>a opção --compilation lê do arquivo as ROMs, o menu e suas opções: ela não pode ser combinada com ROMs, --numbered, --sorted, --menu ou --save-compilation</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no ROM given</source>
        <translation>nenhuma ROM informada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--menu takes the menu lines as they are: it cannot be combined with --numbered or --sorted</source>
        <translation>a opção --menu usa as linhas do menu tal como estão: ela não pode ser combinada com --numbered ou --sorted</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>all NES roms have to be in the same directory: %1 and %2 are not</source>
        <translation>todas as ROMs de NES devem estar na mesma pasta: %1 e %2 não estão</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is given twice</source>
        <translation>%1 foi informado duas vezes</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>cannot read the menu file %1: %2</source>
        <translation>não foi possível ler o arquivo do menu %1: %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>the menu file %1 has %2 for %3: one line per rom</source>
        <translation>o arquivo do menu %1 tem %2 para %3: uma linha por ROM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 line</source>
        <translation>1 linha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 lines</source>
        <translation>%1 linhas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 rom</source>
        <translation>1 ROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 roms</source>
        <translation>%1 ROMs</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>the compilation %1 names no GBA rom: give -o OUTPUT</source>
        <translation>a coletânea %1 não indica nenhuma ROM de GBA: use -o OUTPUT</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot find %1 in %2</source>
        <translation>não foi possível encontrar %1 em %2</translation>
    </message>
</context>
<context>
    <name>cli::CommandHelp</name>
    <message>
        <location line="-272"/>
        <source>Print this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number the menu lines (01. to 12. for 12 roms), as &quot;Enable numbering&quot;.</source>
        <extracomment>&quot;Enable numbering&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>Numerar as linhas do menu (01. a 12. para 12 ROMs), como &quot;Numerar&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sort menu and roms by title, as &quot;Sorted by title&quot;.</source>
        <extracomment>&quot;Sorted by title&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>Ordenar o menu e as ROMs por título, como &quot;Ordenar por título&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the menu lines verbatim from FILE, one line per rom, in rom order.</source>
        <translation>Ler as linhas do menu de FILE tal como estão, uma linha por ROM, na ordem das ROMs.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write a file that is not an iNES rom as well (the size check may change its bytes 4 and 5, keeping a backup); without it such a file is refused.</source>
        <translation>Gravar também um arquivo que não seja uma ROM iNES (a verificação de tamanho pode alterar seus bytes 4 e 5, mantendo um backup); sem esta opção, um arquivo assim é recusado.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Replace OUTPUT also where it is a file that is no GBA rom made with %1; without it such a file is refused (an earlier GBA rom is always replaced).</source>
        <translation>Substituir OUTPUT também quando for um arquivo que não é uma ROM de GBA feita com %1; sem esta opção, um arquivo assim é recusado (uma ROM de GBA anterior é sempre substituída).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The GBA rom to write.</source>
        <translation>A ROM de GBA a gravar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Build the compilation FILE (saved by the wizard or --save-compilation): its roms, titles, options and sprite values, numbering and sorting, and its GBA rom unless -o names another.</source>
        <translation>Gerar a coletânea FILE (salva pelo assistente ou por --save-compilation): suas ROMs, títulos, opções e valores do sprite, numeração e ordenação, e sua ROM de GBA, a menos que -o indique outra.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Write the compilation of the other arguments to FILE, to open it in the wizard or build it with --compilation; without -o nothing is built.</source>
        <translation>Salvar em FILE a coletânea dos demais argumentos, para abri-la no assistente ou gerá-la com --compilation; sem -o, nada é gerado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print nothing of what the build logs (the roms it cut or repaired).</source>
        <translation>Não mostrar nada do que a geração registra (as ROMs que ela cortou ou reparou).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NES roms (files or archives), all in one directory, in menu order. Titles are those stored in %1, else the file names.</source>
        <translation>ROMs de NES (arquivos ou arquivos compactados), todas em uma só pasta, na ordem do menu. Os títulos são os salvos em %1; na falta deles, os nomes dos arquivos.</translation>
    </message>
    <message>
        <location filename="../cli/CommandHelp.cpp" line="+131"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build. Here that is %5.</source>
        <translation>%1 (a ROM do emulador, que você fornece), %2 (os títulos que o assistente salva; somente leitura), %3 (o registro) e %4 (o script do menu da última geração) ficam na pasta do programa: a pasta do romweaver-build. Aqui, essa pasta é %5.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build when %1 lies there (a portable copy), otherwise %5 (an installed copy), which is created when missing. Here that is %6.</source>
        <translation>%1 (a ROM do emulador, que você fornece), %2 (os títulos que o assistente salva; somente leitura), %3 (o registro) e %4 (o script do menu da última geração) ficam na pasta do programa: a pasta do romweaver-build quando %1 está nela (uma cópia portátil); caso contrário, %5 (uma cópia instalada), que é criada se não existir. Aqui, essa pasta é %6.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Writes a GBA rom as the Romweaver wizard does, without a window: %1, then the menu script, then each ROM in menu order, each cut to the size its header declares or, when shorter, backed up and repaired.</source>
        <translation>Grava uma ROM de GBA como o assistente do Romweaver, mas sem janela: %1, depois o script do menu, depois cada ROM na ordem do menu, cada uma cortada para o tamanho indicado no cabeçalho ou, se for menor, reparada após um backup.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Archives:</source>
        <translation>Arquivos compactados:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A ROM may be a .zip, .7z or .gz archive holding one rom: the one member that is an iNES rom or, when none is, the one member named *.nes. It is read in memory and never changed; a rom shorter than its header declares is repaired in the GBA rom only. An archive that holds no rom or several, is encrypted or damaged is refused before anything is written.</source>
        <translation>Uma ROM pode ser um arquivo compactado .zip, .7z ou .gz que contenha uma ROM: o único item que seja uma ROM iNES ou, se nenhum for, o único item com nome *.nes. Ele é lido na memória e nunca é alterado; uma ROM menor que o tamanho indicado no cabeçalho é reparada somente na ROM de GBA. Um arquivo compactado sem nenhuma ROM ou com várias, criptografado ou danificado é recusado antes que qualquer coisa seja gravada.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit status:</source>
        <translation>Código de saída:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the GBA rom was written (with --save-compilation and no -o: the compilation was saved)</source>
        <translation>a ROM de GBA foi gravada (com --save-compilation e sem -o: a coletânea foi salva)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the build was refused or failed; one sentence on standard error, after &quot;romweaver-build: &quot;, says why</source>
        <translation>a geração foi recusada ou falhou; uma frase na saída de erro padrão, após &quot;romweaver-build: &quot;, diz o motivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a usage error (an unknown option, no -o, no ROM, options that do not go together); the usage lines follow the sentence</source>
        <translation>um erro de uso (uma opção desconhecida, sem -o, sem ROM, opções que não podem ser combinadas); as linhas de uso vêm depois da frase</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Files:</source>
        <translation>Arquivos:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Example:</source>
        <translation>Exemplo:</translation>
    </message>
</context>
<context>
    <name>cli::CommandMessages</name>
    <message>
        <location filename="../cli/CommandMessages.cpp" line="+20"/>
        <source>adding base rom tessel.gba...</source>
        <translation>adicionando a ROM do emulador tessel.gba...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding menu script...</source>
        <translation>adicionando o script do menu...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding nes rom %1...</source>
        <translation>adicionando a ROM de NES %1...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 already exists and is not a GBA rom made with %2, so the GBA rom was not written; give --force to replace it</source>
        <translation>%1 já existe e não é uma ROM de GBA feita com %2, então a ROM de GBA não foi gravada; use --force para substituí-lo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not an iNES rom; give --allow-non-rom to write it all the same (its bytes 4 and 5 may then be changed to fit its size)</source>
        <translation>%1 não é uma ROM iNES; use --allow-non-rom para gravá-lo mesmo assim (os bytes 4 e 5 dele podem então ser alterados para se ajustar ao seu tamanho)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>warning: %1 is not an iNES rom; its bytes 4 and 5 may be changed to fit its size</source>
        <translation>aviso: %1 não é uma ROM iNES; os bytes 4 e 5 dele podem ser alterados para se ajustar ao seu tamanho</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>cannot open file %1</source>
        <translation>não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>não foi possível ler o arquivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>não foi possível ler %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>não foi possível ler o byte %1 de %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>não foi possível gravar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>não foi possível criar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>não foi possível criar o arquivo de bloqueio %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>não foi possível obter o tamanho do arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>não foi possível se posicionar no arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>não foi possível fechar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>não foi possível identificar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>não foi possível bloquear o arquivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>não foi possível esvaziar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>não foi possível substituir %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>não foi possível copiar %1 para %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>não foi possível reparar %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>está em uso por outro programa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>não é um arquivo comum (é uma pasta, um dispositivo, um pipe ou um socket)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>terminou antes do esperado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>terminou quando ainda faltavam %1 bytes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>a ROM contida nele terminou quando ainda faltavam %1 bytes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>foi alterado depois que a geração o verificou</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>o arquivo foi alterado enquanto era lido</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 não contém nenhuma ROM de NES</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 contém %2 ROMs de NES; o Romweaver aceita uma ROM por arquivo compactado</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 está criptografado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 está danificado: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 não é um arquivo compactado %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 é grande demais para ser lido: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>não foi possível ler a coletânea %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>não foi possível salvar a coletânea %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 não é uma coletânea do Romweaver: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>a coletânea %1 foi salva por um Romweaver mais novo (versão de formato %2); este lê versões até a %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unable to write to %1</source>
        <translation>não foi possível gravar em %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <comment>what was done to a file: why it failed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the menu line of %1 holds a line break; a menu line has to stay on one line, so rename the file or give it another title</source>
        <translation>a linha do menu de %1 contém uma quebra de linha; uma linha do menu deve ficar em uma só linha, então renomeie o arquivo ou dê a ele outro título</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 é um dos arquivos usados para gerá-la</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 é o arquivo em que o Romweaver guarda suas configurações</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 é o registro do Romweaver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 não é um arquivo comum (é uma pasta, um dispositivo, um pipe ou um socket)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>outra geração está gravando em %1; tente de novo quando ela terminar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>erro inesperado</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the GBA rom was not written: %1</source>
        <translation>a ROM de GBA não foi gravada: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the GBA rom was not written:</source>
        <translation>a ROM de GBA não foi gravada:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>warning: the GBA rom will be %1 KB, more than the %2 KB a GBA cartridge holds</source>
        <translation>aviso: a ROM de GBA terá %1 KB, mais do que os %2 KB que cabem em um cartucho de GBA</translation>
    </message>
</context>
<context>
    <name>wizard::CartridgeView</name>
    <message>
        <location filename="../wizard/CartridgeView.cpp" line="+21"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>whole</source>
        <translation>inteira</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cut to the size its header declares</source>
        <translation>cortada para o tamanho indicado no cabeçalho</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its header to be repaired</source>
        <translation>o cabeçalho será reparado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read</source>
        <translation>não pode ser lida</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>%1 of %2 used by %n rom</source>
        <translation>
            <numerusform>%1 de %2 usados por %n ROM</numerusform>
            <numerusform>%1 de %2 usados por %n ROMs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %2 used by %n roms</source>
        <translation>
            <numerusform>%1 de %2 usados por %n ROM</numerusform>
            <numerusform>%1 de %2 usados por %n ROMs</numerusform>
        </translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1 and the menu: %2</source>
        <translation>%1 e o menu: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
</context>
<context>
    <name>wizard::CompilationMenu</name>
    <message>
        <location filename="../wizard/CompilationMenu.cpp" line="+22"/>
        <source>Romweaver compilations (*.%1)</source>
        <translation>Coletâneas do Romweaver (*.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Compilation</source>
        <translation>Coletânea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or save a compilation (%1, %2)</source>
        <translation>Abrir ou salvar uma coletânea (%1, %2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open compilation…</source>
        <translation>Abrir coletânea…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save compilation…</source>
        <translation>Salvar coletânea…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save compilation as…</source>
        <translation>Salvar coletânea como…</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Open compilation</source>
        <translation>Abrir coletânea</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save compilation</source>
        <translation>Salvar coletânea</translation>
    </message>
</context>
<context>
    <name>wizard::MessageBoxes</name>
    <message>
        <location filename="../wizard/controls/MessageBoxes.cpp" line="+18"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <location filename="../wizard/controls/MessageBoxes.h" line="+46"/>
        <source>Unexpected error</source>
        <translation>Erro inesperado</translation>
    </message>
</context>
<context>
    <name>wizard::MessageTexts</name>
    <message>
        <location filename="../wizard/MessageTexts.cpp" line="+31"/>
        <source>cannot open file %1</source>
        <translation>não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>não foi possível ler o arquivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>não foi possível ler %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>não foi possível ler o byte %1 de %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>não foi possível gravar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>não foi possível criar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>não foi possível criar o arquivo de bloqueio %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>não foi possível obter o tamanho do arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>não foi possível se posicionar no arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>não foi possível fechar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>não foi possível identificar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>não foi possível bloquear o arquivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>não foi possível esvaziar o arquivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>não foi possível substituir %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>não foi possível copiar %1 para %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>não foi possível reparar %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>está em uso por outro programa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>não é um arquivo comum (é uma pasta, um dispositivo, um pipe ou um socket)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>terminou antes do esperado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>terminou quando ainda faltavam %1 bytes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>a ROM contida nele terminou quando ainda faltavam %1 bytes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>foi alterado depois que a geração o verificou</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>o arquivo foi alterado enquanto era lido</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 não contém nenhuma ROM de NES</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 contém %2 ROMs de NES; o Romweaver aceita uma ROM por arquivo compactado</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 está criptografado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 está danificado: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 não é um arquivo compactado %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 é grande demais para ser lido: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>não foi possível ler a coletânea %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>não foi possível salvar a coletânea %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 não é uma coletânea do Romweaver: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>a coletânea %1 foi salva por um Romweaver mais novo (versão de formato %2); este lê versões até a %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No NES rom in this archive</source>
        <translation>Nenhuma ROM de NES neste arquivo compactado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 NES roms in this archive; Romweaver takes one rom per archive</source>
        <translation>%1 ROMs de NES neste arquivo compactado; o Romweaver aceita uma ROM por arquivo compactado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Encrypted archive</source>
        <translation>Arquivo compactado criptografado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged archive: %1</source>
        <translation>Arquivo compactado danificado: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not a %1 archive</source>
        <translation>Não é um arquivo compactado %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Archive too large to read: %1</source>
        <translation>Arquivo compactado grande demais para ser lido: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archive that cannot be read: %1</source>
        <translation>Arquivo compactado que não pode ser lido: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <comment>what was done to a file: why it failed</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the menu line of %1 holds a line break; a menu line has to stay on one line, so rename the file or give it another title</source>
        <translation>a linha do menu de %1 contém uma quebra de linha; uma linha do menu deve ficar em uma só linha, então renomeie o arquivo ou dê a ele outro título</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 é um dos arquivos usados para gerá-la</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 é o arquivo em que o Romweaver guarda suas configurações</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 é o registro do Romweaver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 não é um arquivo comum (é uma pasta, um dispositivo, um pipe ou um socket)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not an iNES rom</source>
        <translation>%1 não é uma ROM iNES</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>outra geração está gravando em %1; tente de novo quando ela terminar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>erro inesperado</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The GBA rom was not written:</source>
        <translation>A ROM de GBA não foi gravada:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is unchanged.</source>
        <translation>%1 não foi alterado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was written to %1.</source>
        <translation>Nada foi gravado em %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>and %n more.</source>
        <translation>
            <numerusform>e mais %n.</numerusform>
            <numerusform>e mais %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Another program was writing it and did not finish in time.</source>
        <translation>Outro programa estava gravando o arquivo e não terminou a tempo.</translation>
    </message>
</context>
<context>
    <name>wizard::SelectionWarnings</name>
    <message>
        <location filename="../wizard/SelectionWarnings.cpp" line="+28"/>
        <source>More than a GBA cartridge holds (%1 KB)</source>
        <translation>Mais do que cabe em um cartucho de GBA (%1 KB)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Not a regular file: a folder, a device, a pipe or a socket</source>
        <translation>Não é um arquivo comum: é uma pasta, um dispositivo, um pipe ou um socket</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Missing: the file was moved, renamed or deleted</source>
        <translation>Ausente: o arquivo foi movido, renomeado ou excluído</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked: another program has the file open</source>
        <translation>Bloqueado: outro programa está com o arquivo aberto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No access: you may not read the file</source>
        <translation>Sem acesso: você não tem permissão para ler o arquivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot be read: %1</source>
        <translation>Não foi possível ler: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Not an iNES rom</source>
        <translation>Não é uma ROM iNES</translation>
    </message>
</context>
<context>
    <name>wizard::Startup</name>
    <message>
        <location filename="../wizard/Startup.cpp" line="+32"/>
        <source>Cannot find Tessel.gba! Make sure it is installed in the same directory as Romweaver program. The program will be closed.</source>
        <translation>Não foi possível encontrar Tessel.gba! Verifique se ele está instalado na mesma pasta do programa Romweaver. O programa será fechado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>When Romweaver is installed, put %1 into this directory instead:
%2</source>
        <translation>Com o Romweaver instalado, coloque %1 nesta pasta em vez disso:
%2</translation>
    </message>
</context>
</TS>
