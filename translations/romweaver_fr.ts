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
</context>
</TS>
