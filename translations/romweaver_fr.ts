<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../resources/UnitAbout.ui" line="+6"/>
        <source>About Tessel tool - Romweaver</source>
        <translation>À propos de l&apos;outil Tessel - Romweaver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessel tool - Romweaver</source>
        <translation>Outil Tessel - Romweaver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version number: %1</source>
        <translation>Numéro de version&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Released: %1</source>
        <translation>Date de publication&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Packs NES roms and a menu into one Game Boy Advance rom for the Tessel emulator.

Written by the Romweaver developers.</source>
        <translation>Réunit des ROM NES et un menu dans une seule ROM Game Boy Advance pour l&apos;émulateur Tessel.

Écrit par les développeurs de Romweaver.</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAbout.cpp" line="+23"/>
        <source>en</source>
        <comment>the code of this translation&apos;s language (de, pt_BR): the release month is named in it</comment>
        <translation>fr</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>the release: the month&apos;s name, the year</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>TfrmAddSpriteNumber</name>
    <message>
        <location filename="../resources/UnitAddSpriteNumber.ui" line="+6"/>
        <source>Add sprite number or memory address</source>
        <translation>Ajouter un numéro de sprite ou une adresse mémoire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add sprite number or memory address </source>
        <translation> Ajouter un numéro de sprite ou une adresse mémoire </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(tells tessel where to center screen on)</source>
        <translation>(indique à Tessel sur quoi centrer l&apos;écran)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory adress:</source>
        <translation>Numéro de sprite ou adresse mémoire&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory address</source>
        <translation>Numéro de sprite ou adresse mémoire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAddSpriteNumber.cpp" line="+27"/>
        <source>Illegal character &apos;|&apos; found. Please remove the character.</source>
        <translation>Le caractère «&#xa0;|&#xa0;» n&apos;est pas autorisé. Veuillez retirer ce caractère.</translation>
    </message>
</context>
<context>
    <name>TfrmNewOption</name>
    <message>
        <location filename="../resources/UnitNewOption.ui" line="+6"/>
        <source>Add new option</source>
        <translation>Ajouter une nouvelle option</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add new option </source>
        <translation> Ajouter une nouvelle option </translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location filename="../wizard/UnitNewOption.cpp" line="+28"/>
        <source>No description is inserted. Are you sure you do not want a description?</source>
        <translation>Aucune description n&apos;a été saisie. Voulez-vous vraiment laisser l&apos;option sans description&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no description available</source>
        <translation>aucune description disponible</translation>
    </message>
</context>
<context>
    <name>TfrmRomweaver</name>
    <message>
        <location filename="../resources/UnitRomweaver.ui" line="+6"/>
        <source>Tessel tool - Romweaver </source>
        <translation>Outil Tessel - Romweaver </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Step 1 - Select NES rom(s) - have to be in the same directory </source>
        <translation> Étape 1 - Sélectionner des ROM NES - toutes dans le même dossier </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current directory: </source>
        <translation>Dossier actuel&#xa0;: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current directory</source>
        <translation>Dossier actuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files in current directory</source>
        <translation>Fichiers du dossier actuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add selected roms</source>
        <translation>Ajouter les ROM sélectionnées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add the selected roms (Enter)</source>
        <translation>Ajouter les ROM sélectionnées (Entrée)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear selected roms</source>
        <translation>Vider la sélection de ROM</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clear the selected roms</source>
        <translation>Vider la liste des ROM sélectionnées</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected roms</source>
        <translation>ROM sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total NES roms selected: 0</source>
        <translation>ROM NES sélectionnées&#xa0;: 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GBA rom size: 0 KB</source>
        <translation>Taille de la ROM GBA&#xa0;: 0&#xa0;Ko</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Step 2 - Setup the Menu System - Titles </source>
        <translation> Étape 2 - Configurer le menu - Titres </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles of the NES roms (default is filename):</source>
        <translation>Titres des ROM NES (par défaut, le nom de fichier)&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Titles of the NES roms (default is filename)</source>
        <translation>Titres des ROM NES (par défaut, le nom de fichier)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of the selected rom</source>
        <translation>Titre de la ROM sélectionnée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change title</source>
        <translation>Modifier le titre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tidy titles</source>
        <translation>Nettoyer les titres</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles that are still file names lose their extension and tags such as (USA) or [!]</source>
        <translation>Les titres qui sont encore des noms de fichier perdent leur extension et les étiquettes comme (USA) ou [!]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable numbering</source>
        <translation>Numéroter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorted by title</source>
        <translation>Trier par titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu:</source>
        <translation>Aperçu du menu&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu</source>
        <translation>Aperçu du menu</translation>
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
        <translation> Étape 3 - Configurer le menu - Ajouter des options (facultatif) </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Available options:</source>
        <translation>Options disponibles&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Available options</source>
        <translation>Options disponibles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Option description</source>
        <translation>Description de l&apos;option</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add options to menu item</source>
        <translation>Ajouter les options à l&apos;entrée du menu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt; add to menu item &gt;&gt;</source>
        <translation>&gt;&gt; ajouter à l&apos;entrée &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove options from menu item</source>
        <translation>Retirer les options de l&apos;entrée du menu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>remove options &gt;&gt;</source>
        <translation>retirer options &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add sprite number to menu item</source>
        <translation>Ajouter un numéro de sprite à l&apos;entrée du menu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add sprite number &gt;&gt;</source>
        <translation>n° de sprite &gt;&gt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add a sprite number or memory address where emulator will center the screen on</source>
        <translation>Ajouter un numéro de sprite ou une adresse mémoire&#xa0;: l&apos;émulateur centrera l&apos;écran dessus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add new option</source>
        <translation>Ajouter une nouvelle option</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; add new option</source>
        <translation>&lt;&lt; nouvelle option</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change option</source>
        <translation>Modifier l&apos;option</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Change</source>
        <translation>&lt;&lt; Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete option</source>
        <translation>Supprimer l&apos;option</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Del</source>
        <translation>&lt;&lt; Suppr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES rom title | option1 | option 2 | etc...</source>
        <translation>Titre de la ROM NES | option 1 | option 2 | etc.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu items</source>
        <translation>Entrées du menu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Last Step - Writing the GBA rom </source>
        <translation> Dernière étape - Écrire la ROM GBA </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select destination of GBA rom:</source>
        <translation>Destination de la ROM GBA&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination of GBA rom</source>
        <translation>Destination de la ROM GBA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination drive</source>
        <translation>Lecteur de destination</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter a filename for GBA rom:</source>
        <translation>Nom de fichier de la ROM GBA&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filename for GBA rom</source>
        <translation>Nom de fichier de la ROM GBA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whatever.gba</source>
        <translation>Whatever.gba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write!</source>
        <translation>Écrire&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the button to write the NES roms to the GBA rom!</source>
        <translation>Cliquez sur le bouton pour écrire les ROM NES dans la ROM GBA&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Details of the build</source>
        <translation>Détails de la génération</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What this build wrote to the build log</source>
        <translation>Ce que cette génération a écrit dans le journal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Details…</source>
        <translation>Détails…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress of the write</source>
        <translation>Progression de l&apos;écriture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 % done</source>
        <translation>0&#xa0;% effectué</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location filename="../wizard/UnitRomweaver.cpp" line="+76"/>
        <source>Current directory: %1</source>
        <translation>Dossier actuel&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>NES roms</source>
        <translation>ROM NES</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES roms, also in archives</source>
        <translation>ROM NES, y compris dans des archives</translation>
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
        <translation>Aucune ROM NES sélectionnée&#xa0;!</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Changed since the compilation was saved</source>
        <translation>Modifiée depuis l&apos;enregistrement de la compilation</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The compilation %1 has changes that are not saved. Save them?</source>
        <translation>La compilation %1 contient des modifications non enregistrées. Les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Total NES roms selected: %1</source>
        <translation>ROM NES sélectionnées&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>GBA rom size: ~%1 KB (default)</source>
        <translation>Taille de la ROM GBA&#xa0;: ~%1&#xa0;Ko (par défaut)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>GBA rom size: unknown (a rom could not be read)</source>
        <translation>Taille de la ROM GBA&#xa0;: inconnue (ROM illisible)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GBA rom size: ~%1 KB</source>
        <translation>Taille de la ROM GBA&#xa0;: ~%1&#xa0;Ko</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Failed to read NES rom(s)</source>
        <translation>Impossible de lire la ou les ROM NES</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>All NES roms have to be in the same directory.</source>
        <translation>Toutes les ROM NES doivent se trouver dans le même dossier.</translation>
    </message>
    <message>
        <location line="+164"/>
        <source>Only the first %1 options can be added to a menu item; options further down the list are left out.</source>
        <translation>Seules les %1 premières options peuvent être ajoutées à une entrée du menu&#xa0;; les options situées plus bas dans la liste sont ignorées.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No more options can be added: a menu item can carry at most %1 options.</source>
        <translation>Impossible d&apos;ajouter d&apos;autres options&#xa0;: une entrée du menu peut porter au plus %1 options.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Option nr %1</source>
        <translation>Option n°&#xa0;%1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>No GBA rom filename specified! Please insert a filename!</source>
        <translation>Aucun nom de fichier indiqué pour la ROM GBA&#xa0;! Veuillez saisir un nom de fichier&#xa0;!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 whole, %2 cut, %3 repaired</source>
        <translation>Entières&#xa0;: %1, tronquées&#xa0;: %2, réparées&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This build&apos;s log:</source>
        <translation>Journal de cette génération&#xa0;:</translation>
    </message>
</context>
<context>
    <name>builder::ArchiveError</name>
    <message>
        <location filename="../builder/ArchiveLimits.cpp" line="+18"/>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Romweaver reads at most %1 members of an archive</source>
        <translation>Romweaver lit au plus %1 éléments d&apos;une archive</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks at most %1 of an archive</source>
        <translation>Romweaver décompresse au plus %1 d&apos;une archive</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver reads at most %1 of an archive&apos;s list of members</source>
        <translation>Romweaver lit au plus %1 de la liste d&apos;éléments d&apos;une archive</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks with at most %1 of memory, and this archive asks for %2</source>
        <translation>Romweaver décompresse avec au plus %1 de mémoire, et cette archive en demande %2</translation>
    </message>
    <message>
        <location filename="../builder/ArchiveReader.cpp" line="+84"/>
        <source>the member after %1 is damaged</source>
        <translation>l&apos;élément qui suit %1 est endommagé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its first member is damaged</source>
        <translation>son premier élément est endommagé</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+44"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+784"/>
        <location filename="../builder/ZipCheck.cpp" line="+175"/>
        <source>its list of members is damaged</source>
        <translation>sa liste d&apos;éléments est endommagée</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>the data of %1 is damaged</source>
        <translation>les données de %1 sont endommagées</translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="../builder/GzipMembers.cpp" line="+159"/>
        <location line="+26"/>
        <location line="+33"/>
        <location filename="../builder/GzipStream.cpp" line="+118"/>
        <location filename="../builder/SevenZipCheck.cpp" line="-79"/>
        <source>it is truncated</source>
        <translation>elle est tronquée</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+25"/>
        <location line="+34"/>
        <source>its list of members fails its CRC check</source>
        <translation>le contrôle CRC de sa liste d&apos;éléments échoue</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 fails its CRC check</source>
        <translation>le contrôle CRC de %1 échoue</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is packed in a way Romweaver cannot unpack</source>
        <translation>elle est compressée d&apos;une façon que Romweaver ne peut pas décompresser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is packed in a way Romweaver cannot unpack</source>
        <translation>%1 est compressé d&apos;une façon que Romweaver ne peut pas décompresser</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>its rom is gone since it was first read</source>
        <translation>sa ROM a disparu depuis la première lecture</translation>
    </message>
    <message>
        <location filename="../builder/GzipMembers.cpp" line="-25"/>
        <source>a tar header in it is longer than 1 MiB</source>
        <translation>un de ses en-têtes tar dépasse 1&#xa0;Mio</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>the tar header after %1 is damaged</source>
        <translation>l&apos;en-tête tar situé après %1 est endommagé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its start</source>
        <translation>le début de l&apos;archive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>member %1</source>
        <translation>l&apos;élément %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a tar header in it gives no size</source>
        <translation>un de ses en-têtes tar n&apos;indique aucune taille</translation>
    </message>
    <message>
        <location filename="../builder/GzipStream.cpp" line="-26"/>
        <source>its unpacked data does not match the CRC-32 its gzip trailer records</source>
        <translation>ses données décompressées ne correspondent pas au CRC-32 indiqué par son bloc de fin gzip</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its unpacked length does not match the length its gzip trailer records</source>
        <translation>la longueur de ses données décompressées ne correspond pas à celle indiquée par son bloc de fin gzip</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is compressed with a method other than Deflate, which Romweaver cannot unpack</source>
        <translation>elle est compressée avec une méthode autre que Deflate, que Romweaver ne peut pas décompresser</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its compressed data is invalid (%1)</source>
        <translation>ses données compressées ne sont pas valides (%1)</translation>
    </message>
    <message>
        <location filename="../builder/SevenZipCheck.cpp" line="-656"/>
        <source>the x86 filter of 7-Zip 23</source>
        <translation>le filtre x86 de 7-Zip 23</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../builder/ZipCheck.cpp" line="-93"/>
        <source>compression method %1</source>
        <translation>la méthode de compression %1</translation>
    </message>
    <message>
        <location line="+405"/>
        <source>its list of members has additional streams, which Romweaver cannot read</source>
        <translation>sa liste d&apos;éléments comporte des flux supplémentaires, que Romweaver ne peut pas lire</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>it is compressed with %1, which Romweaver cannot unpack</source>
        <translation>elle est compressée avec %1, que Romweaver ne peut pas décompresser</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>its start header is damaged</source>
        <translation>son en-tête de début est endommagé</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>its list of members is compressed in a way Romweaver cannot unpack</source>
        <translation>sa liste d&apos;éléments est compressée d&apos;une manière que Romweaver ne peut pas décompresser</translation>
    </message>
    <message>
        <location filename="../builder/ZipCheck.cpp" line="+78"/>
        <source>its list of members is missing; it may be truncated</source>
        <translation>sa liste d&apos;éléments est absente&#xa0;; l&apos;archive est peut-être tronquée</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is one part of an archive split into several files</source>
        <translation>ce n&apos;est qu&apos;une partie d&apos;une archive découpée en plusieurs fichiers</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 is compressed with %2, which Romweaver cannot unpack</source>
        <translation>%1 est compressé avec %2, que Romweaver ne peut pas décompresser</translation>
    </message>
</context>
<context>
    <name>builder::BuildStatus</name>
    <message>
        <location filename="../builder/BuildStatus.cpp" line="+12"/>
        <source>Preparing to write...</source>
        <translation>Préparation de l&apos;écriture...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom...</source>
        <translation>Écriture de la ROM GBA...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom - adding base rom tessel.gba...</source>
        <translation>Écriture de la ROM GBA - ajout de la ROM de l&apos;émulateur tessel.gba...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding menu script...</source>
        <translation>Écriture de la ROM GBA - ajout du script du menu...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding nes rom %1...</source>
        <translation>Écriture de la ROM GBA - ajout de la ROM NES %1...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing succesfully completed.</source>
        <translation>Écriture terminée avec succès.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing the GBA rom failed.</source>
        <translation>L&apos;écriture de la ROM GBA a échoué.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 % done</source>
        <translation>%1&#xa0;% effectué</translation>
    </message>
</context>
<context>
    <name>builder::CompilationFile</name>
    <message>
        <location filename="../builder/CompilationFile.cpp" line="+160"/>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is far too large</source>
        <translation>le fichier est beaucoup trop volumineux</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it does not say it is one</source>
        <translation>le fichier ne se présente pas comme une compilation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no format version</source>
        <translation>le fichier n&apos;indique aucune version de format</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it names no rom folder</source>
        <translation>le fichier n&apos;indique aucun dossier des ROM</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no list of roms</source>
        <translation>le fichier ne contient pas de liste de ROM</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a rom has no file name of its own</source>
        <translation>une ROM n&apos;a pas son propre nom de fichier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is listed twice</source>
        <translation>%1 figure deux fois dans la liste</translation>
    </message>
</context>
<context>
    <name>cli::BuildCommand</name>
    <message>
        <location filename="../cli/BuildCommand.cpp" line="+117"/>
        <location line="+2"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+102"/>
        <location line="+11"/>
        <source>no output given (-o OUTPUT)</source>
        <translation>aucun fichier de sortie indiqué (-o OUTPUT)</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>--compilation takes the roms, the menu and its options from the file: it cannot be combined with ROMs, --numbered, --sorted, --menu or --save-compilation</source>
        <translation>--compilation prend les ROM, le menu et ses options dans le fichier&#xa0;: cette option ne peut pas être combinée avec des ROM, --numbered, --sorted, --menu ou --save-compilation</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no ROM given</source>
        <translation>aucune ROM indiquée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--menu takes the menu lines as they are: it cannot be combined with --numbered or --sorted</source>
        <translation>--menu prend les lignes du menu telles quelles&#xa0;: cette option ne peut pas être combinée avec --numbered ou --sorted</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>all NES roms have to be in the same directory: %1 and %2 are not</source>
        <translation>toutes les ROM NES doivent se trouver dans le même dossier&#xa0;: ce n&apos;est pas le cas de %1 et %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is given twice</source>
        <translation>%1 est indiqué deux fois</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>cannot read the menu file %1: %2</source>
        <translation>impossible de lire le fichier de menu %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>the menu file %1 has %2 for %3: one line per rom</source>
        <translation>le fichier de menu %1 contient %2 pour %3&#xa0;: une ligne par ROM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 line</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
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
        <translation>la compilation %1 n&apos;indique aucune ROM GBA&#xa0;: indiquez -o OUTPUT</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot find %1 in %2</source>
        <translation>impossible de trouver %1 dans %2</translation>
    </message>
</context>
<context>
    <name>cli::CommandHelp</name>
    <message>
        <location line="-272"/>
        <source>Print this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number the menu lines (01. to 12. for 12 roms), as &quot;Enable numbering&quot;.</source>
        <extracomment>&quot;Enable numbering&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>Numéroter les lignes du menu (01. à 12. pour 12 ROM), comme «&#xa0;Numéroter&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sort menu and roms by title, as &quot;Sorted by title&quot;.</source>
        <extracomment>&quot;Sorted by title&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>Trier le menu et les ROM par titre, comme «&#xa0;Trier par titre&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the menu lines verbatim from FILE, one line per rom, in rom order.</source>
        <translation>Prendre les lignes du menu telles quelles dans FILE, une ligne par ROM, dans l&apos;ordre des ROM.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write a file that is not an iNES rom as well (the size check may change its bytes 4 and 5, keeping a backup); without it such a file is refused.</source>
        <translation>Écrire aussi un fichier qui n&apos;est pas une ROM iNES (le contrôle de la taille peut modifier ses octets 4 et 5, en gardant une copie de sauvegarde)&#xa0;; sans cette option, un tel fichier est refusé.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Replace OUTPUT also where it is a file that is no GBA rom made with %1; without it such a file is refused (an earlier GBA rom is always replaced).</source>
        <translation>Remplacer OUTPUT même s&apos;il s&apos;agit d&apos;un fichier qui n&apos;est pas une ROM GBA faite avec %1&#xa0;; sans cette option, un tel fichier est refusé (une ROM GBA antérieure est toujours remplacée).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The GBA rom to write.</source>
        <translation>La ROM GBA à écrire.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Build the compilation FILE (saved by the wizard or --save-compilation): its roms, titles, options and sprite values, numbering and sorting, and its GBA rom unless -o names another.</source>
        <translation>Générer la compilation FILE (enregistrée par l&apos;assistant ou par --save-compilation)&#xa0;: ses ROM, titres, options et valeurs de sprite, sa numérotation et son tri, et sa ROM GBA, sauf si -o en désigne une autre.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Write the compilation of the other arguments to FILE, to open it in the wizard or build it with --compilation; without -o nothing is built.</source>
        <translation>Écrire dans FILE la compilation formée par les autres arguments, pour l&apos;ouvrir dans l&apos;assistant ou la générer avec --compilation&#xa0;; sans -o, rien n&apos;est généré.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print nothing of what the build logs (the roms it cut or repaired).</source>
        <translation>Ne rien afficher de ce que la génération écrit dans le journal (les ROM qu&apos;elle a tronquées ou réparées).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NES roms (files or archives), all in one directory, in menu order. Titles are those stored in %1, else the file names.</source>
        <translation>ROM NES (fichiers ou archives), toutes dans un même dossier, dans l&apos;ordre du menu. Les titres sont ceux enregistrés dans %1, sinon les noms de fichier.</translation>
    </message>
    <message>
        <location filename="../cli/CommandHelp.cpp" line="+131"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build. Here that is %5.</source>
        <translation>%1 (la ROM de l&apos;émulateur, que vous fournissez), %2 (les titres enregistrés par l&apos;assistant&#xa0;; en lecture seule), %3 (le journal) et %4 (le script du menu de la dernière génération) sont ceux du dossier du programme&#xa0;: le dossier de romweaver-build. Ici, c&apos;est %5.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build when %1 lies there (a portable copy), otherwise %5 (an installed copy), which is created when missing. Here that is %6.</source>
        <translation>%1 (la ROM de l&apos;émulateur, que vous fournissez), %2 (les titres enregistrés par l&apos;assistant&#xa0;; en lecture seule), %3 (le journal) et %4 (le script du menu de la dernière génération) sont ceux du dossier du programme&#xa0;: le dossier de romweaver-build si %1 s&apos;y trouve (une copie portable), sinon %5 (une copie installée), qui est créé s&apos;il n&apos;existe pas. Ici, c&apos;est %6.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>usage:</source>
        <translation>utilisation&#xa0;:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Writes a GBA rom as the Romweaver wizard does, without a window: %1, then the menu script, then each ROM in menu order, each cut to the size its header declares or, when shorter, backed up and repaired.</source>
        <translation>Écrit une ROM GBA comme le fait l&apos;assistant Romweaver, sans fenêtre&#xa0;: %1, puis le script du menu, puis chaque ROM dans l&apos;ordre du menu, chacune tronquée à la taille indiquée par son en-tête ou, si elle est plus courte, sauvegardée puis réparée.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Archives:</source>
        <translation>Archives&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A ROM may be a .zip, .7z or .gz archive holding one rom: the one member that is an iNES rom or, when none is, the one member named *.nes. It is read in memory and never changed; a rom shorter than its header declares is repaired in the GBA rom only. An archive that holds no rom or several, is encrypted or damaged is refused before anything is written.</source>
        <translation>Une ROM peut être une archive .zip, .7z ou .gz contenant une seule ROM&#xa0;: le seul élément qui est une ROM iNES ou, s&apos;il n&apos;y en a aucun, le seul élément nommé *.nes. L&apos;archive est lue en mémoire et jamais modifiée&#xa0;; une ROM plus courte que ne l&apos;indique son en-tête n&apos;est réparée que dans la ROM GBA. Une archive qui ne contient aucune ROM ou en contient plusieurs, qui est chiffrée ou endommagée, est refusée avant toute écriture.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit status:</source>
        <translation>Code de sortie&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the GBA rom was written (with --save-compilation and no -o: the compilation was saved)</source>
        <translation>la ROM GBA a été écrite (avec --save-compilation et sans -o&#xa0;: la compilation a été enregistrée)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the build was refused or failed; one sentence on standard error, after &quot;romweaver-build: &quot;, says why</source>
        <translation>la génération a été refusée ou a échoué&#xa0;; une phrase sur la sortie d&apos;erreur standard, après &quot;romweaver-build: &quot;, en donne la raison</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a usage error (an unknown option, no -o, no ROM, options that do not go together); the usage lines follow the sentence</source>
        <translation>une erreur d&apos;utilisation (une option inconnue, pas de -o, pas de ROM, des options incompatibles)&#xa0;; les lignes d&apos;utilisation suivent la phrase</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Files:</source>
        <translation>Fichiers&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Example:</source>
        <translation>Exemple&#xa0;:</translation>
    </message>
</context>
<context>
    <name>cli::CommandMessages</name>
    <message>
        <location filename="../cli/CommandMessages.cpp" line="+20"/>
        <source>adding base rom tessel.gba...</source>
        <translation>ajout de la ROM de l&apos;émulateur tessel.gba...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding menu script...</source>
        <translation>ajout du script du menu...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding nes rom %1...</source>
        <translation>ajout de la ROM NES %1...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 already exists and is not a GBA rom made with %2, so the GBA rom was not written; give --force to replace it</source>
        <translation>%1 existe déjà et n&apos;est pas une ROM GBA faite avec %2, la ROM GBA n&apos;a donc pas été écrite&#xa0;; indiquez --force pour le remplacer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not an iNES rom; give --allow-non-rom to write it all the same (its bytes 4 and 5 may then be changed to fit its size)</source>
        <translation>%1 n&apos;est pas une ROM iNES&#xa0;; indiquez --allow-non-rom pour l&apos;écrire quand même (ses octets 4 et 5 pourront alors être modifiés pour correspondre à sa taille)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>warning: %1 is not an iNES rom; its bytes 4 and 5 may be changed to fit its size</source>
        <translation>avertissement&#xa0;: %1 n&apos;est pas une ROM iNES&#xa0;; ses octets 4 et 5 pourront être modifiés pour correspondre à sa taille</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>cannot open file %1</source>
        <translation>impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>impossible de lire le fichier %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>impossible de lire l&apos;octet %1 de %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>impossible d&apos;écrire le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>impossible de créer le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>impossible de créer le fichier de verrou %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>impossible de mesurer la taille du fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>impossible de se positionner dans le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>impossible de fermer le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>impossible d&apos;identifier le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>impossible de verrouiller le fichier %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>impossible de vider le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>impossible de remplacer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>impossible de copier %1 vers %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>impossible de réparer %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>il est utilisé par un autre programme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un dossier, un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>il s&apos;est terminé trop tôt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>il s&apos;est terminé alors que %1 octets restaient à lire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>sa ROM s&apos;est terminée alors que %1 octets restaient à lire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>il a été modifié après avoir été vérifié par la génération</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>le fichier a été modifié pendant sa lecture</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 ne contient aucune ROM NES</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 contient %2 ROM NES&#xa0;; Romweaver ne prend qu&apos;une ROM par archive</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 est une archive chiffrée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 est une archive endommagée&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 n&apos;est pas une archive %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 est une archive trop volumineuse pour être lue&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>impossible de lire l&apos;archive %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>impossible de lire la compilation %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>impossible d&apos;écrire la compilation %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 n&apos;est pas une compilation Romweaver&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1 a été enregistré par une version plus récente de Romweaver (version de format %2)&#xa0;; cette version de Romweaver lit les formats jusqu&apos;à la version %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unable to write to %1</source>
        <translation>impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <comment>what was done to a file: why it failed</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the menu line of %1 holds a line break; a menu line has to stay on one line, so rename the file or give it another title</source>
        <translation>la ligne du menu de %1 contient un saut de ligne&#xa0;; une ligne du menu doit tenir sur une seule ligne, renommez donc le fichier ou donnez-lui un autre titre</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 est l&apos;un des fichiers à partir desquels elle est générée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 est le fichier où Romweaver conserve ses paramètres</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 est le journal de Romweaver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (un dossier, un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>une autre génération écrit dans %1&#xa0;; réessayez quand elle sera terminée</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>erreur inattendue</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the GBA rom was not written: %1</source>
        <translation>la ROM GBA n&apos;a pas été écrite&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the GBA rom was not written:</source>
        <translation>la ROM GBA n&apos;a pas été écrite&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>warning: the GBA rom will be %1 KB, more than the %2 KB a GBA cartridge holds</source>
        <translation>avertissement&#xa0;: la ROM GBA fera %1&#xa0;Ko, plus que les %2&#xa0;Ko que contient une cartouche GBA</translation>
    </message>
</context>
<context>
    <name>wizard::CartridgeView</name>
    <message>
        <location filename="../wizard/CartridgeView.cpp" line="+21"/>
        <source>%1 KB</source>
        <translation>%1&#xa0;Ko</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>whole</source>
        <translation>entière</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cut to the size its header declares</source>
        <translation>tronquée à la taille indiquée par l&apos;en-tête</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its header to be repaired</source>
        <translation>en-tête à réparer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>%1 of %2 used by %n rom</source>
        <translation>
            <numerusform>%1 sur %2 occupés par %n ROM</numerusform>
            <numerusform>%1 sur %2 occupés par %n ROM</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %2 used by %n roms</source>
        <translation>
            <numerusform>%1 sur %2 occupés par %n ROM</numerusform>
            <numerusform>%1 sur %2 occupés par %n ROM</numerusform>
        </translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1 and the menu: %2</source>
        <translation>%1 et le menu&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, %3</source>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
</context>
<context>
    <name>wizard::CompilationMenu</name>
    <message>
        <location filename="../wizard/CompilationMenu.cpp" line="+22"/>
        <source>Romweaver compilations (*.%1)</source>
        <translation>Compilations Romweaver (*.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Compilation</source>
        <translation>Compilation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or save a compilation (%1, %2)</source>
        <translation>Ouvrir ou enregistrer une compilation (%1, %2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open compilation…</source>
        <translation>Ouvrir une compilation…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save compilation…</source>
        <translation>Enregistrer la compilation…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save compilation as…</source>
        <translation>Enregistrer la compilation sous…</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Open compilation</source>
        <translation>Ouvrir une compilation</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save compilation</source>
        <translation>Enregistrer la compilation</translation>
    </message>
</context>
<context>
    <name>wizard::MessageBoxes</name>
    <message>
        <location filename="../wizard/controls/MessageBoxes.cpp" line="+18"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location filename="../wizard/controls/MessageBoxes.h" line="+46"/>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>wizard::MessageTexts</name>
    <message>
        <location filename="../wizard/MessageTexts.cpp" line="+31"/>
        <source>cannot open file %1</source>
        <translation>impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>impossible de lire le fichier %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>impossible de lire l&apos;octet %1 de %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>impossible d&apos;écrire le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>impossible de créer le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>impossible de créer le fichier de verrou %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>impossible de mesurer la taille du fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>impossible de se positionner dans le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>impossible de fermer le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>impossible d&apos;identifier le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>impossible de verrouiller le fichier %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>impossible de vider le fichier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>impossible de remplacer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>impossible de copier %1 vers %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>impossible de réparer %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>il est utilisé par un autre programme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un dossier, un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>il s&apos;est terminé trop tôt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>il s&apos;est terminé alors que %1 octets restaient à lire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>sa ROM s&apos;est terminée alors que %1 octets restaient à lire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>il a été modifié après avoir été vérifié par la génération</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>le fichier a été modifié pendant sa lecture</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 ne contient aucune ROM NES</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 contient %2 ROM NES&#xa0;; Romweaver ne prend qu&apos;une ROM par archive</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 est une archive chiffrée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 est une archive endommagée&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 n&apos;est pas une archive %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 est une archive trop volumineuse pour être lue&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>impossible de lire l&apos;archive %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>impossible de lire la compilation %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>impossible d&apos;écrire la compilation %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 n&apos;est pas une compilation Romweaver&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1 a été enregistré par une version plus récente de Romweaver (version de format %2)&#xa0;; cette version de Romweaver lit les formats jusqu&apos;à la version %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No NES rom in this archive</source>
        <translation>Aucune ROM NES dans cette archive</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 NES roms in this archive; Romweaver takes one rom per archive</source>
        <translation>%1 ROM NES dans cette archive&#xa0;; Romweaver ne prend qu&apos;une ROM par archive</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Encrypted archive</source>
        <translation>Archive chiffrée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged archive: %1</source>
        <translation>Archive endommagée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not a %1 archive</source>
        <translation>Pas une archive %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Archive too large to read: %1</source>
        <translation>Archive trop volumineuse pour être lue&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archive that cannot be read: %1</source>
        <translation>Archive illisible&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <comment>what was done to a file: why it failed</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the menu line of %1 holds a line break; a menu line has to stay on one line, so rename the file or give it another title</source>
        <translation>la ligne du menu de %1 contient un saut de ligne&#xa0;; une ligne du menu doit tenir sur une seule ligne, renommez donc le fichier ou donnez-lui un autre titre</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 est l&apos;un des fichiers à partir desquels elle est générée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 est le fichier où Romweaver conserve ses paramètres</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 est le journal de Romweaver</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (un dossier, un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not an iNES rom</source>
        <translation>%1 n&apos;est pas une ROM iNES</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>une autre génération écrit dans %1&#xa0;; réessayez quand elle sera terminée</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>erreur inattendue</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The GBA rom was not written:</source>
        <translation>La ROM GBA n&apos;a pas été écrite&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is unchanged.</source>
        <translation>%1 n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was written to %1.</source>
        <translation>Rien n&apos;a été écrit dans %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>and %n more.</source>
        <translation>
            <numerusform>et %n autre.</numerusform>
            <numerusform>et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Another program was writing it and did not finish in time.</source>
        <translation>Un autre programme était en train de l&apos;écrire et n&apos;a pas terminé à temps.</translation>
    </message>
</context>
<context>
    <name>wizard::SelectionWarnings</name>
    <message>
        <location filename="../wizard/SelectionWarnings.cpp" line="+28"/>
        <source>More than a GBA cartridge holds (%1 KB)</source>
        <translation>Plus que la capacité d&apos;une cartouche GBA (%1&#xa0;Ko)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Not a regular file: a folder, a device, a pipe or a socket</source>
        <translation>Pas un fichier ordinaire&#xa0;: un dossier, un périphérique, un tube ou un socket</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Missing: the file was moved, renamed or deleted</source>
        <translation>Introuvable&#xa0;: le fichier a été déplacé, renommé ou supprimé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked: another program has the file open</source>
        <translation>Verrouillé&#xa0;: un autre programme a ouvert le fichier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No access: you may not read the file</source>
        <translation>Accès refusé&#xa0;: vous n&apos;avez pas le droit de lire le fichier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot be read: %1</source>
        <translation>Illisible&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Not an iNES rom</source>
        <translation>Pas une ROM iNES</translation>
    </message>
</context>
<context>
    <name>wizard::Startup</name>
    <message>
        <location filename="../wizard/Startup.cpp" line="+32"/>
        <source>Cannot find Tessel.gba! Make sure it is installed in the same directory as Romweaver program. The program will be closed.</source>
        <translation>Impossible de trouver Tessel.gba&#xa0;! Vérifiez qu&apos;il est installé dans le même dossier que le programme Romweaver. Le programme va se fermer.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>When Romweaver is installed, put %1 into this directory instead:
%2</source>
        <translation>Si Romweaver est installé, placez plutôt %1 dans ce dossier&#xa0;:
%2</translation>
    </message>
</context>
</TS>
