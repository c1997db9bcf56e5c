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
</context>
</TS>
