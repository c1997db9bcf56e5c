<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../resources/UnitAbout.ui" line="+6"/>
        <source>About Tessel tool - Romweaver</source>
        <translation>Acerca de la herramienta Tessel - Romweaver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessel tool - Romweaver</source>
        <translation>Herramienta Tessel - Romweaver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version number: %1</source>
        <translation>Número de versión: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Released: %1</source>
        <translation>Fecha de publicación: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Packs NES roms and a menu into one Game Boy Advance rom for the Tessel emulator.

Written by the Romweaver developers.</source>
        <translation>Reúne ROM de NES y un menú en una sola ROM de Game Boy Advance para el emulador Tessel.

Escrito por los desarrolladores de Romweaver.</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAbout.cpp" line="+23"/>
        <source>en</source>
        <comment>the code of this translation&apos;s language (de, pt_BR): the release month is named in it</comment>
        <translation>es</translation>
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
        <translation>Añadir número de sprite o dirección de memoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add sprite number or memory address </source>
        <translation> Añadir número de sprite o dirección de memoria </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(tells tessel where to center screen on)</source>
        <translation>(indica a Tessel dónde centrar la pantalla)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory adress:</source>
        <translation>Número de sprite o dirección de memoria:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory address</source>
        <translation>Número de sprite o dirección de memoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAddSpriteNumber.cpp" line="+27"/>
        <source>Illegal character &apos;|&apos; found. Please remove the character.</source>
        <translation>Se ha encontrado un carácter no permitido: &apos;|&apos;. Elimine ese carácter.</translation>
    </message>
</context>
<context>
    <name>TfrmNewOption</name>
    <message>
        <location filename="../resources/UnitNewOption.ui" line="+6"/>
        <source>Add new option</source>
        <translation>Añadir nueva opción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add new option </source>
        <translation> Añadir nueva opción </translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location filename="../wizard/UnitNewOption.cpp" line="+28"/>
        <source>No description is inserted. Are you sure you do not want a description?</source>
        <translation>No se ha introducido ninguna descripción. ¿Seguro que no desea una descripción?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no description available</source>
        <translation>sin descripción disponible</translation>
    </message>
</context>
<context>
    <name>TfrmRomweaver</name>
    <message>
        <location filename="../resources/UnitRomweaver.ui" line="+6"/>
        <source>Tessel tool - Romweaver </source>
        <translation>Herramienta Tessel - Romweaver </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Step 1 - Select NES rom(s) - have to be in the same directory </source>
        <translation> Paso 1 - Seleccionar ROM de NES - todas en la misma carpeta </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current directory: </source>
        <translation>Carpeta actual: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current directory</source>
        <translation>Carpeta actual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files in current directory</source>
        <translation>Archivos de la carpeta actual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add selected roms</source>
        <translation>Añadir las ROM seleccionadas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add the selected roms (Enter)</source>
        <translation>Añadir las ROM seleccionadas (Intro)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear selected roms</source>
        <translation>Vaciar la selección de ROM</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clear the selected roms</source>
        <translation>Vaciar la lista de ROM seleccionadas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected roms</source>
        <translation>ROM seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total NES roms selected: 0</source>
        <translation>ROM de NES seleccionadas: 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GBA rom size: 0 KB</source>
        <translation>Tamaño de la ROM de GBA: 0 KB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Step 2 - Setup the Menu System - Titles </source>
        <translation> Paso 2 - Configurar el menú - Títulos </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles of the NES roms (default is filename):</source>
        <translation>Títulos de las ROM de NES (por defecto, el nombre de archivo):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Titles of the NES roms (default is filename)</source>
        <translation>Títulos de las ROM de NES (por defecto, el nombre de archivo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of the selected rom</source>
        <translation>Título de la ROM seleccionada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change title</source>
        <translation>Cambiar título</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tidy titles</source>
        <translation>Limpiar títulos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles that are still file names lose their extension and tags such as (USA) or [!]</source>
        <translation>Los títulos que aún son nombres de archivo pierden su extensión y etiquetas como (USA) o [!]</translation>
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
        <translation>Vista previa del menú:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu</source>
        <translation>Vista previa del menú</translation>
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
        <translation> Paso 3 - Configurar el menú - Añadir opciones (opcional) </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Available options:</source>
        <translation>Opciones disponibles:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Available options</source>
        <translation>Opciones disponibles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Option description</source>
        <translation>Descripción de la opción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add options to menu item</source>
        <translation>Añadir opciones a la entrada del menú</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt; add to menu item &gt;&gt;</source>
        <translation>&gt;&gt; a la entrada &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove options from menu item</source>
        <translation>Quitar opciones de la entrada del menú</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>remove options &gt;&gt;</source>
        <translation>quitar opciones &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add sprite number to menu item</source>
        <translation>Añadir número de sprite a la entrada del menú</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add sprite number &gt;&gt;</source>
        <translation>n.º de sprite &gt;&gt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add a sprite number or memory address where emulator will center the screen on</source>
        <translation>Añadir un número de sprite o una dirección de memoria: el emulador centrará la pantalla en él</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add new option</source>
        <translation>Añadir nueva opción</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; add new option</source>
        <translation>&lt;&lt; nueva opción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change option</source>
        <translation>Cambiar opción</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Change</source>
        <translation>&lt;&lt; Cambiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete option</source>
        <translation>Eliminar opción</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Del</source>
        <translation>&lt;&lt; Supr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES rom title | option1 | option 2 | etc...</source>
        <translation>Título de la ROM de NES | opción 1 | opción 2 | etc.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu items</source>
        <translation>Entradas del menú</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Last Step - Writing the GBA rom </source>
        <translation> Último paso - Escribir la ROM de GBA </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select destination of GBA rom:</source>
        <translation>Destino de la ROM de GBA:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination of GBA rom</source>
        <translation>Destino de la ROM de GBA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination drive</source>
        <translation>Unidad de destino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter a filename for GBA rom:</source>
        <translation>Nombre de archivo de la ROM de GBA:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filename for GBA rom</source>
        <translation>Nombre de archivo de la ROM de GBA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whatever.gba</source>
        <translation>Whatever.gba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write!</source>
        <translation>¡Escribir!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the button to write the NES roms to the GBA rom!</source>
        <translation>¡Pulse el botón para escribir las ROM de NES en la ROM de GBA!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Details of the build</source>
        <translation>Detalles de la generación</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What this build wrote to the build log</source>
        <translation>Lo que esta generación escribió en el registro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Details…</source>
        <translation>Detalles…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress of the write</source>
        <translation>Progreso de la escritura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 % done</source>
        <translation>0 % completado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location filename="../wizard/UnitRomweaver.cpp" line="+76"/>
        <source>Current directory: %1</source>
        <translation>Carpeta actual: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>NES roms</source>
        <translation>ROM de NES</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES roms, also in archives</source>
        <translation>ROM de NES, también en archivos comprimidos</translation>
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
        <translation>¡No se ha seleccionado ninguna ROM de NES!</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Changed since the compilation was saved</source>
        <translation>Ha cambiado desde que se guardó la recopilación</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The compilation %1 has changes that are not saved. Save them?</source>
        <translation>La recopilación %1 tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Total NES roms selected: %1</source>
        <translation>ROM de NES seleccionadas: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>GBA rom size: ~%1 KB (default)</source>
        <translation>Tamaño de la ROM de GBA: ~%1 KB (por defecto)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>GBA rom size: unknown (a rom could not be read)</source>
        <translation>Tamaño de la ROM de GBA: desconocido (ROM ilegible)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GBA rom size: ~%1 KB</source>
        <translation>Tamaño de la ROM de GBA: ~%1 KB</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Failed to read NES rom(s)</source>
        <translation>No se pudieron leer las ROM de NES</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>All NES roms have to be in the same directory.</source>
        <translation>Todas las ROM de NES deben estar en la misma carpeta.</translation>
    </message>
    <message>
        <location line="+164"/>
        <source>Only the first %1 options can be added to a menu item; options further down the list are left out.</source>
        <translation>Solo se pueden añadir las primeras %1 opciones a una entrada del menú; las opciones que siguen en la lista se omiten.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No more options can be added: a menu item can carry at most %1 options.</source>
        <translation>No se pueden añadir más opciones: una entrada del menú admite como máximo %1 opciones.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Option nr %1</source>
        <translation>Opción n.º %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>No GBA rom filename specified! Please insert a filename!</source>
        <translation>¡No se ha indicado ningún nombre de archivo para la ROM de GBA! ¡Introduzca un nombre de archivo!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 whole, %2 cut, %3 repaired</source>
        <translation>Completas: %1, recortadas: %2, reparadas: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This build&apos;s log:</source>
        <translation>Registro de esta generación:</translation>
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
        <translation>Romweaver lee como máximo %1 elementos de un archivo comprimido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks at most %1 of an archive</source>
        <translation>Romweaver descomprime como máximo %1 de un archivo comprimido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver reads at most %1 of an archive&apos;s list of members</source>
        <translation>Romweaver lee como máximo %1 de la lista de elementos de un archivo comprimido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks with at most %1 of memory, and this archive asks for %2</source>
        <translation>Romweaver descomprime con %1 de memoria como máximo, y este archivo comprimido necesita %2</translation>
    </message>
    <message>
        <location filename="../builder/ArchiveReader.cpp" line="+84"/>
        <source>the member after %1 is damaged</source>
        <translation>el elemento que sigue a %1 está dañado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its first member is damaged</source>
        <translation>su primer elemento está dañado</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+44"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+784"/>
        <location filename="../builder/ZipCheck.cpp" line="+175"/>
        <source>its list of members is damaged</source>
        <translation>su lista de elementos está dañada</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>the data of %1 is damaged</source>
        <translation>los datos de %1 están dañados</translation>
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
        <translation>su lista de elementos no supera la comprobación CRC</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 fails its CRC check</source>
        <translation>%1 no supera la comprobación CRC</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is packed in a way Romweaver cannot unpack</source>
        <translation>está comprimido de una forma que Romweaver no puede descomprimir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is packed in a way Romweaver cannot unpack</source>
        <translation>%1 está comprimido de una forma que Romweaver no puede descomprimir</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>its rom is gone since it was first read</source>
        <translation>su ROM ha desaparecido desde que se leyó por primera vez</translation>
    </message>
    <message>
        <location filename="../builder/GzipMembers.cpp" line="-25"/>
        <source>a tar header in it is longer than 1 MiB</source>
        <translation>una de sus cabeceras tar ocupa más de 1 MiB</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>the tar header after %1 is damaged</source>
        <translation>la cabecera tar que hay tras %1 está dañada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its start</source>
        <translation>su inicio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>member %1</source>
        <translation>el elemento %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a tar header in it gives no size</source>
        <translation>una de sus cabeceras tar no indica ningún tamaño</translation>
    </message>
    <message>
        <location filename="../builder/GzipStream.cpp" line="-26"/>
        <source>its unpacked data does not match the CRC-32 its gzip trailer records</source>
        <translation>sus datos descomprimidos no coinciden con el CRC-32 que registra su bloque final gzip</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its unpacked length does not match the length its gzip trailer records</source>
        <translation>su longitud descomprimida no coincide con la longitud que registra su bloque final gzip</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is compressed with a method other than Deflate, which Romweaver cannot unpack</source>
        <translation>está comprimido con un método distinto de Deflate, que Romweaver no puede descomprimir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its compressed data is invalid (%1)</source>
        <translation>sus datos comprimidos no son válidos (%1)</translation>
    </message>
    <message>
        <location filename="../builder/SevenZipCheck.cpp" line="-656"/>
        <source>the x86 filter of 7-Zip 23</source>
        <translation>el filtro x86 de 7-Zip 23</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../builder/ZipCheck.cpp" line="-93"/>
        <source>compression method %1</source>
        <translation>el método de compresión %1</translation>
    </message>
    <message>
        <location line="+405"/>
        <source>its list of members has additional streams, which Romweaver cannot read</source>
        <translation>su lista de elementos tiene flujos adicionales, que Romweaver no puede leer</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>it is compressed with %1, which Romweaver cannot unpack</source>
        <translation>está comprimido con %1, que Romweaver no puede descomprimir</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>its start header is damaged</source>
        <translation>su cabecera inicial está dañada</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>its list of members is compressed in a way Romweaver cannot unpack</source>
        <translation>su lista de elementos está comprimida de una forma que Romweaver no puede descomprimir</translation>
    </message>
    <message>
        <location filename="../builder/ZipCheck.cpp" line="+78"/>
        <source>its list of members is missing; it may be truncated</source>
        <translation>falta su lista de elementos; puede que esté truncado</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is one part of an archive split into several files</source>
        <translation>es una parte de un archivo comprimido dividido en varios archivos</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 is compressed with %2, which Romweaver cannot unpack</source>
        <translation>%1 está comprimido con %2, que Romweaver no puede descomprimir</translation>
    </message>
</context>
<context>
    <name>builder::BuildStatus</name>
    <message>
        <location filename="../builder/BuildStatus.cpp" line="+12"/>
        <source>Preparing to write...</source>
        <translation>Preparando la escritura...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom...</source>
        <translation>Escribiendo ROM de GBA...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom - adding base rom tessel.gba...</source>
        <translation>Escribiendo ROM de GBA - añadiendo ROM del emulador tessel.gba...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding menu script...</source>
        <translation>Escribiendo ROM de GBA - añadiendo script del menú...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding nes rom %1...</source>
        <translation>Escribiendo ROM de GBA - añadiendo ROM de NES %1...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing succesfully completed.</source>
        <translation>Escritura completada correctamente.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing the GBA rom failed.</source>
        <translation>No se ha podido escribir la ROM de GBA.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 % done</source>
        <translation>%1 % completado</translation>
    </message>
</context>
<context>
    <name>builder::CompilationFile</name>
    <message>
        <location filename="../builder/CompilationFile.cpp" line="+160"/>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is far too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it does not say it is one</source>
        <translation>no indica que lo sea</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no format version</source>
        <translation>no tiene versión de formato</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it names no rom folder</source>
        <translation>no indica ninguna carpeta de las ROM</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no list of roms</source>
        <translation>no tiene lista de ROM</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a rom has no file name of its own</source>
        <translation>una ROM no tiene nombre de archivo propio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is listed twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
</context>
<context>
    <name>cli::BuildCommand</name>
    <message>
        <location filename="../cli/BuildCommand.cpp" line="+117"/>
        <location line="+2"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+102"/>
        <location line="+11"/>
        <source>no output given (-o OUTPUT)</source>
        <translation>no se ha indicado ninguna salida (-o OUTPUT)</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>--compilation takes the roms, the menu and its options from the file: it cannot be combined with ROMs, --numbered, --sorted, --menu or --save-compilation</source>
        <translation>--compilation toma del archivo las ROM, el menú y sus opciones: no se puede combinar con ROM, --numbered, --sorted, --menu ni --save-compilation</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no ROM given</source>
        <translation>no se ha indicado ninguna ROM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--menu takes the menu lines as they are: it cannot be combined with --numbered or --sorted</source>
        <translation>--menu toma las líneas del menú tal cual: no se puede combinar con --numbered ni --sorted</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>all NES roms have to be in the same directory: %1 and %2 are not</source>
        <translation>todas las ROM de NES deben estar en la misma carpeta: %1 y %2 no lo están</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is given twice</source>
        <translation>%1 se ha indicado dos veces</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>cannot read the menu file %1: %2</source>
        <translation>no se puede leer el archivo de menú %1: %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>the menu file %1 has %2 for %3: one line per rom</source>
        <translation>el archivo de menú %1 tiene %2 para %3: debe haber una línea por ROM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 line</source>
        <translation>1 línea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 lines</source>
        <translation>%1 líneas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 rom</source>
        <translation>1 ROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 roms</source>
        <translation>%1 ROM</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>the compilation %1 names no GBA rom: give -o OUTPUT</source>
        <translation>la recopilación %1 no indica ninguna ROM de GBA: use -o OUTPUT</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot find %1 in %2</source>
        <translation>no se encuentra %1 en %2</translation>
    </message>
</context>
<context>
    <name>cli::CommandHelp</name>
    <message>
        <location line="-272"/>
        <source>Print this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number the menu lines (01. to 12. for 12 roms), as &quot;Enable numbering&quot;.</source>
        <extracomment>&quot;Enable numbering&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>Numerar las líneas del menú (01. a 12. para 12 ROM), como «Numerar».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sort menu and roms by title, as &quot;Sorted by title&quot;.</source>
        <extracomment>&quot;Sorted by title&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>Ordenar el menú y las ROM por título, como «Ordenar por título».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the menu lines verbatim from FILE, one line per rom, in rom order.</source>
        <translation>Tomar las líneas del menú tal cual de FILE, una línea por ROM, en el orden de las ROM.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write a file that is not an iNES rom as well (the size check may change its bytes 4 and 5, keeping a backup); without it such a file is refused.</source>
        <translation>Escribir también un archivo que no sea una ROM iNES (la comprobación del tamaño puede cambiar sus bytes 4 y 5, con copia de seguridad); sin esta opción, ese archivo se rechaza.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Replace OUTPUT also where it is a file that is no GBA rom made with %1; without it such a file is refused (an earlier GBA rom is always replaced).</source>
        <translation>Reemplazar OUTPUT también si es un archivo que no es una ROM de GBA hecha con %1; sin esta opción, ese archivo se rechaza (una ROM de GBA anterior siempre se reemplaza).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The GBA rom to write.</source>
        <translation>La ROM de GBA que se va a escribir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Build the compilation FILE (saved by the wizard or --save-compilation): its roms, titles, options and sprite values, numbering and sorting, and its GBA rom unless -o names another.</source>
        <translation>Generar la recopilación FILE (guardada por el asistente o con --save-compilation): sus ROM, títulos, opciones y valores de sprite, numeración y orden, y su ROM de GBA, salvo que -o indique otra.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Write the compilation of the other arguments to FILE, to open it in the wizard or build it with --compilation; without -o nothing is built.</source>
        <translation>Escribir la recopilación de los demás argumentos en FILE, para abrirla en el asistente o generarla con --compilation; sin -o no se genera nada.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print nothing of what the build logs (the roms it cut or repaired).</source>
        <translation>No mostrar nada de lo que la generación anota en el registro (las ROM que recortó o reparó).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NES roms (files or archives), all in one directory, in menu order. Titles are those stored in %1, else the file names.</source>
        <translation>ROM de NES (archivos o archivos comprimidos), todas en una misma carpeta, en el orden del menú. Los títulos son los guardados en %1 o, si no los hay, los nombres de archivo.</translation>
    </message>
    <message>
        <location filename="../cli/CommandHelp.cpp" line="+131"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build. Here that is %5.</source>
        <translation>%1 (la ROM del emulador, que usted aporta), %2 (los títulos que guarda el asistente; solo lectura), %3 (el registro de la generación) y %4 (el script del menú de la última generación) son los de la carpeta del programa: la carpeta de romweaver-build. Aquí es %5.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build when %1 lies there (a portable copy), otherwise %5 (an installed copy), which is created when missing. Here that is %6.</source>
        <translation>%1 (la ROM del emulador, que usted aporta), %2 (los títulos que guarda el asistente; solo lectura), %3 (el registro de la generación) y %4 (el script del menú de la última generación) son los de la carpeta del programa: la carpeta de romweaver-build si %1 está allí (una copia portátil); si no, %5 (una copia instalada), que se crea si no existe. Aquí es %6.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Writes a GBA rom as the Romweaver wizard does, without a window: %1, then the menu script, then each ROM in menu order, each cut to the size its header declares or, when shorter, backed up and repaired.</source>
        <translation>Escribe una ROM de GBA como lo hace el asistente de Romweaver, pero sin ventana: %1, luego el script del menú y luego cada ROM en el orden del menú, cada una recortada al tamaño indicado en su cabecera o, si es más corta, reparada tras hacer una copia de seguridad.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Archives:</source>
        <translation>Archivos comprimidos:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A ROM may be a .zip, .7z or .gz archive holding one rom: the one member that is an iNES rom or, when none is, the one member named *.nes. It is read in memory and never changed; a rom shorter than its header declares is repaired in the GBA rom only. An archive that holds no rom or several, is encrypted or damaged is refused before anything is written.</source>
        <translation>Una ROM puede ser un archivo comprimido .zip, .7z o .gz que contenga una sola ROM: el único elemento que sea una ROM iNES o, si no hay ninguno, el único elemento llamado *.nes. Se lee en memoria y nunca se modifica; una ROM más corta de lo que indica su cabecera se repara solo en la ROM de GBA. Un archivo comprimido que no contenga ninguna ROM o varias, o que esté cifrado o dañado, se rechaza antes de escribir nada.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit status:</source>
        <translation>Código de salida:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the GBA rom was written (with --save-compilation and no -o: the compilation was saved)</source>
        <translation>se escribió la ROM de GBA (con --save-compilation y sin -o: se guardó la recopilación)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the build was refused or failed; one sentence on standard error, after &quot;romweaver-build: &quot;, says why</source>
        <translation>la generación se rechazó o falló; una frase en la salida de error estándar, tras «romweaver-build: », indica el motivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a usage error (an unknown option, no -o, no ROM, options that do not go together); the usage lines follow the sentence</source>
        <translation>un error de uso (una opción desconocida, falta -o, falta ROM, opciones incompatibles); tras la frase siguen las líneas de uso</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Files:</source>
        <translation>Archivos:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Example:</source>
        <translation>Ejemplo:</translation>
    </message>
</context>
<context>
    <name>cli::CommandMessages</name>
    <message>
        <location filename="../cli/CommandMessages.cpp" line="+20"/>
        <source>adding base rom tessel.gba...</source>
        <translation>añadiendo ROM del emulador tessel.gba...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding menu script...</source>
        <translation>añadiendo script del menú...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding nes rom %1...</source>
        <translation>añadiendo ROM de NES %1...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 already exists and is not a GBA rom made with %2, so the GBA rom was not written; give --force to replace it</source>
        <translation>%1 ya existe y no es una ROM de GBA hecha con %2, así que no se ha escrito la ROM de GBA; use --force para reemplazarlo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not an iNES rom; give --allow-non-rom to write it all the same (its bytes 4 and 5 may then be changed to fit its size)</source>
        <translation>%1 no es una ROM iNES; use --allow-non-rom para escribirlo de todos modos (entonces sus bytes 4 y 5 pueden cambiarse para ajustarse a su tamaño)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>warning: %1 is not an iNES rom; its bytes 4 and 5 may be changed to fit its size</source>
        <translation>advertencia: %1 no es una ROM iNES; sus bytes 4 y 5 pueden cambiarse para ajustarse a su tamaño</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>cannot open file %1</source>
        <translation>no se puede abrir el archivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>no se puede leer el archivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>no se puede leer el byte %1 de %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>no se puede escribir el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>no se puede crear el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>no se puede crear el archivo de bloqueo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>no se puede obtener el tamaño del archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>no se puede saltar a una posición del archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>no se puede cerrar el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>no se puede identificar el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>no se puede bloquear el archivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>no se puede vaciar el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>no se puede reemplazar %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>no se puede copiar %1 en %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>no se puede reparar %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>está en uso por otro programa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>no es un archivo normal (es una carpeta, un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>terminó antes de lo esperado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>terminó cuando aún faltaban %1 bytes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>su ROM terminó cuando aún faltaban %1 bytes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>ha cambiado después de que la generación lo comprobara</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>el archivo ha cambiado mientras se leía</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 no contiene ninguna ROM de NES</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 contiene %2 ROM de NES; Romweaver admite una sola ROM por archivo comprimido</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 está cifrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 está dañado: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 no es un archivo comprimido %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 es demasiado grande para leerlo: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>no se puede leer la recopilación %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>no se puede escribir la recopilación %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 no es una recopilación de Romweaver: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1 se guardó con una versión más reciente de Romweaver (versión de formato %2); esta lee versiones hasta la %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unable to write to %1</source>
        <translation>no se puede escribir en %1</translation>
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
        <translation>la línea del menú de %1 contiene un salto de línea; una línea del menú debe ocupar una sola línea, así que cambie el nombre del archivo o dele otro título</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 es uno de los archivos a partir de los que se genera</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 es el archivo en el que Romweaver guarda su configuración</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 es el registro de generación de Romweaver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 no es un archivo normal (es una carpeta, un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>otra generación está escribiendo en %1; vuelva a intentarlo cuando haya terminado</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>error inesperado</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the GBA rom was not written: %1</source>
        <translation>no se ha escrito la ROM de GBA: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the GBA rom was not written:</source>
        <translation>no se ha escrito la ROM de GBA:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>warning: the GBA rom will be %1 KB, more than the %2 KB a GBA cartridge holds</source>
        <translation>advertencia: la ROM de GBA ocupará %1 KB, más de los %2 KB que caben en un cartucho de GBA</translation>
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
        <translation>completa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cut to the size its header declares</source>
        <translation>recortada al tamaño indicado en su cabecera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its header to be repaired</source>
        <translation>se reparará su cabecera</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>%1 of %2 used by %n rom</source>
        <translation>
            <numerusform>%1 de %2 ocupados por %n ROM</numerusform>
            <numerusform>%1 de %2 ocupados por %n ROM</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %2 used by %n roms</source>
        <translation>
            <numerusform>%1 de %2 ocupados por %n ROM</numerusform>
            <numerusform>%1 de %2 ocupados por %n ROM</numerusform>
        </translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1 and the menu: %2</source>
        <translation>%1 y el menú: %2</translation>
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
        <translation>Recopilaciones de Romweaver (*.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Compilation</source>
        <translation>Recopilación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or save a compilation (%1, %2)</source>
        <translation>Abrir o guardar una recopilación (%1, %2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open compilation…</source>
        <translation>Abrir recopilación…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save compilation…</source>
        <translation>Guardar recopilación…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save compilation as…</source>
        <translation>Guardar recopilación como…</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Open compilation</source>
        <translation>Abrir recopilación</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save compilation</source>
        <translation>Guardar recopilación</translation>
    </message>
</context>
<context>
    <name>wizard::MessageBoxes</name>
    <message>
        <location filename="../wizard/controls/MessageBoxes.cpp" line="+18"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <location filename="../wizard/controls/MessageBoxes.h" line="+46"/>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
</context>
<context>
    <name>wizard::MessageTexts</name>
    <message>
        <location filename="../wizard/MessageTexts.cpp" line="+31"/>
        <source>cannot open file %1</source>
        <translation>no se puede abrir el archivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>no se puede leer el archivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>no se puede leer el byte %1 de %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>no se puede escribir el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>no se puede crear el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>no se puede crear el archivo de bloqueo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>no se puede obtener el tamaño del archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>no se puede saltar a una posición del archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>no se puede cerrar el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>no se puede identificar el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>no se puede bloquear el archivo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>no se puede vaciar el archivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>no se puede reemplazar %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>no se puede copiar %1 en %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>no se puede reparar %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>está en uso por otro programa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>no es un archivo normal (es una carpeta, un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>terminó antes de lo esperado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>terminó cuando aún faltaban %1 bytes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>su ROM terminó cuando aún faltaban %1 bytes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>ha cambiado después de que la generación lo comprobara</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>el archivo ha cambiado mientras se leía</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 no contiene ninguna ROM de NES</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 contiene %2 ROM de NES; Romweaver admite una sola ROM por archivo comprimido</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 está cifrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 está dañado: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 no es un archivo comprimido %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 es demasiado grande para leerlo: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>no se puede leer la recopilación %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>no se puede escribir la recopilación %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 no es una recopilación de Romweaver: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1 se guardó con una versión más reciente de Romweaver (versión de formato %2); esta lee versiones hasta la %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No NES rom in this archive</source>
        <translation>Este archivo comprimido no contiene ninguna ROM de NES</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 NES roms in this archive; Romweaver takes one rom per archive</source>
        <translation>Este archivo comprimido contiene %1 ROM de NES; Romweaver admite una sola ROM por archivo comprimido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Encrypted archive</source>
        <translation>Archivo comprimido cifrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged archive: %1</source>
        <translation>Archivo comprimido dañado: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not a %1 archive</source>
        <translation>No es un archivo comprimido %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Archive too large to read: %1</source>
        <translation>Archivo comprimido demasiado grande para leerlo: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archive that cannot be read: %1</source>
        <translation>Archivo comprimido que no se puede leer: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
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
        <translation>la línea del menú de %1 contiene un salto de línea; una línea del menú debe ocupar una sola línea, así que cambie el nombre del archivo o dele otro título</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 es uno de los archivos a partir de los que se genera</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 es el archivo en el que Romweaver guarda su configuración</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 es el registro de generación de Romweaver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 no es un archivo normal (es una carpeta, un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not an iNES rom</source>
        <translation>%1 no es una ROM iNES</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>otra generación está escribiendo en %1; vuelva a intentarlo cuando haya terminado</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>error inesperado</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The GBA rom was not written:</source>
        <translation>No se ha escrito la ROM de GBA:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is unchanged.</source>
        <translation>%1 no se ha modificado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was written to %1.</source>
        <translation>No se ha escrito nada en %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>and %n more.</source>
        <translation>
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Another program was writing it and did not finish in time.</source>
        <translation>Otro programa lo estaba escribiendo y no terminó a tiempo.</translation>
    </message>
</context>
<context>
    <name>wizard::SelectionWarnings</name>
    <message>
        <location filename="../wizard/SelectionWarnings.cpp" line="+28"/>
        <source>More than a GBA cartridge holds (%1 KB)</source>
        <translation>Más de lo que cabe en un cartucho de GBA (%1 KB)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Not a regular file: a folder, a device, a pipe or a socket</source>
        <translation>No es un archivo normal: es una carpeta, un dispositivo, una tubería o un socket</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Missing: the file was moved, renamed or deleted</source>
        <translation>No encontrado: el archivo se ha movido, se ha cambiado de nombre o se ha eliminado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked: another program has the file open</source>
        <translation>Bloqueado: otro programa tiene el archivo abierto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No access: you may not read the file</source>
        <translation>Sin acceso: no tiene permiso para leer el archivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot be read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Not an iNES rom</source>
        <translation>No es una ROM iNES</translation>
    </message>
</context>
<context>
    <name>wizard::Startup</name>
    <message>
        <location filename="../wizard/Startup.cpp" line="+32"/>
        <source>Cannot find Tessel.gba! Make sure it is installed in the same directory as Romweaver program. The program will be closed.</source>
        <translation>¡No se encuentra Tessel.gba! Asegúrese de que está instalado en la misma carpeta que el programa Romweaver. El programa se cerrará.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>When Romweaver is installed, put %1 into this directory instead:
%2</source>
        <translation>Si Romweaver está instalado, coloque %1 en esta otra carpeta:
%2</translation>
    </message>
</context>
</TS>
