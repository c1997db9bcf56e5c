<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../resources/UnitAbout.ui" line="+6"/>
        <source>About Tessel tool - Romweaver</source>
        <translation>Tesselツール - Romweaverのバージョン情報</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessel tool - Romweaver</source>
        <translation>Tesselツール - Romweaver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version number: %1</source>
        <translation>バージョン: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Released: %1</source>
        <translation>リリース日: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Packs NES roms and a menu into one Game Boy Advance rom for the Tessel emulator.

Written by the Romweaver developers.</source>
        <translation>NES ROMとメニューを、Tesselエミュレーター用の1つのゲームボーイアドバンスROMにまとめます。

作成: Romweaver開発者</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAbout.cpp" line="+23"/>
        <source>en</source>
        <comment>the code of this translation&apos;s language (de, pt_BR): the release month is named in it</comment>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>the release: the month&apos;s name, the year</comment>
        <translation>%2年%1</translation>
    </message>
</context>
<context>
    <name>TfrmAddSpriteNumber</name>
    <message>
        <location filename="../resources/UnitAddSpriteNumber.ui" line="+6"/>
        <source>Add sprite number or memory address</source>
        <translation>スプライト番号またはメモリアドレスの追加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add sprite number or memory address </source>
        <translation> スプライト番号またはメモリアドレスの追加 </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(tells tessel where to center screen on)</source>
        <translation>（Tesselが画面の中心に合わせる位置）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory adress:</source>
        <translation>スプライト番号またはメモリアドレス:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory address</source>
        <translation>スプライト番号またはメモリアドレス</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <location filename="../wizard/UnitAddSpriteNumber.cpp" line="+27"/>
        <source>Illegal character &apos;|&apos; found. Please remove the character.</source>
        <translation>使用できない文字「|」が含まれています。この文字を削除してください。</translation>
    </message>
</context>
<context>
    <name>TfrmNewOption</name>
    <message>
        <location filename="../resources/UnitNewOption.ui" line="+6"/>
        <source>Add new option</source>
        <translation>新しいオプションの追加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add new option </source>
        <translation> 新しいオプションの追加 </translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <source>Description:</source>
        <translation>説明:</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <location filename="../wizard/UnitNewOption.cpp" line="+28"/>
        <source>No description is inserted. Are you sure you do not want a description?</source>
        <translation>説明が入力されていません。説明なしでよろしいですか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no description available</source>
        <translation>説明なし</translation>
    </message>
</context>
<context>
    <name>TfrmRomweaver</name>
    <message>
        <location filename="../resources/UnitRomweaver.ui" line="+6"/>
        <source>Tessel tool - Romweaver </source>
        <translation>Tesselツール - Romweaver </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Step 1 - Select NES rom(s) - have to be in the same directory </source>
        <translation> ステップ1 - NES ROMの選択（すべて同じフォルダー内にあること） </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current directory: </source>
        <translation>現在のフォルダー: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current directory</source>
        <translation>現在のフォルダー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files in current directory</source>
        <translation>現在のフォルダーのファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type</source>
        <translation>ファイルの種類</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add selected roms</source>
        <translation>選択したROMを追加</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add the selected roms (Enter)</source>
        <translation>選択したROMを追加（Enter）</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear selected roms</source>
        <translation>選択したROMをクリア</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clear the selected roms</source>
        <translation>選択したROMの一覧をクリア</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected roms</source>
        <translation>選択したROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total NES roms selected: 0</source>
        <translation>選択したNES ROMの数: 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GBA rom size: 0 KB</source>
        <translation>GBA ROMのサイズ: 0 KB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Step 2 - Setup the Menu System - Titles </source>
        <translation> ステップ2 - メニューの設定 - タイトル </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles of the NES roms (default is filename):</source>
        <translation>NES ROMのタイトル（既定はファイル名）:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Titles of the NES roms (default is filename)</source>
        <translation>NES ROMのタイトル（既定はファイル名）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of the selected rom</source>
        <translation>選択したROMのタイトル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change title</source>
        <translation>タイトルの変更</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tidy titles</source>
        <translation>タイトル整理</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles that are still file names lose their extension and tags such as (USA) or [!]</source>
        <translation>ファイル名のままのタイトルから、拡張子と(USA)や[!]などのタグを取り除きます</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable numbering</source>
        <translation>番号を付ける</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorted by title</source>
        <translation>タイトル順</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu:</source>
        <translation>メニューのプレビュー:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu</source>
        <translation>メニューのプレビュー</translation>
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
        <translation> ステップ3 - メニューの設定 - オプションの追加（省略可） </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Available options:</source>
        <translation>使用できるオプション:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Available options</source>
        <translation>使用できるオプション</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Option description</source>
        <translation>オプションの説明</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add options to menu item</source>
        <translation>メニュー項目にオプションを追加</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt; add to menu item &gt;&gt;</source>
        <translation>&gt;&gt; 項目に追加 &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove options from menu item</source>
        <translation>メニュー項目のオプションを解除</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>remove options &gt;&gt;</source>
        <translation>オプション解除 &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add sprite number to menu item</source>
        <translation>メニュー項目にスプライト番号を追加</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add sprite number &gt;&gt;</source>
        <translation>スプライト番号 &gt;&gt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add a sprite number or memory address where emulator will center the screen on</source>
        <translation>エミュレーターが画面の中心に合わせるスプライト番号またはメモリアドレスを追加します</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add new option</source>
        <translation>新しいオプションの追加</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; add new option</source>
        <translation>&lt;&lt; 新規オプション</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change option</source>
        <translation>オプションの変更</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Change</source>
        <translation>&lt;&lt; 変更</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete option</source>
        <translation>オプションの削除</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Del</source>
        <translation>&lt;&lt; 削除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES rom title | option1 | option 2 | etc...</source>
        <translation>タイトル | オプション1 | オプション2 | …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu items</source>
        <translation>メニュー項目</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Last Step - Writing the GBA rom </source>
        <translation> 最終ステップ - GBA ROMの書き込み </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select destination of GBA rom:</source>
        <translation>GBA ROMの保存先:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination of GBA rom</source>
        <translation>GBA ROMの保存先</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination drive</source>
        <translation>保存先のドライブ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter a filename for GBA rom:</source>
        <translation>GBA ROMのファイル名:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filename for GBA rom</source>
        <translation>GBA ROMのファイル名</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whatever.gba</source>
        <translation>Whatever.gba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write!</source>
        <translation>書き込み！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the button to write the NES roms to the GBA rom!</source>
        <translation>ボタンを押すと、NES ROMをGBA ROMに書き込みます。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Details of the build</source>
        <translation>作成の詳細</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What this build wrote to the build log</source>
        <translation>今回の作成でログに書き込まれた内容</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Details…</source>
        <translation>詳細…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress of the write</source>
        <translation>書き込みの進行状況</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 % done</source>
        <translation>0%完了</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <location filename="../wizard/UnitRomweaver.cpp" line="+76"/>
        <source>Current directory: %1</source>
        <translation>現在のフォルダー: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>NES roms</source>
        <translation>NES ROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*.*)</source>
        <translation>全ファイル (*.*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES roms, also in archives</source>
        <translation>NES ROM（アーカイブも）</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>%1 (%2)</source>
        <comment>a button&apos;s tooltip: its caption, its keys</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location line="+147"/>
        <source>No NES rom(s) selected!</source>
        <translation>NES ROMが選択されていません！</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Changed since the compilation was saved</source>
        <translation>コンピレーションの保存後に変更されています</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The compilation %1 has changes that are not saved. Save them?</source>
        <translation>コンピレーション「%1」には保存されていない変更があります。保存しますか？</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Total NES roms selected: %1</source>
        <translation>選択したNES ROMの数: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>GBA rom size: ~%1 KB (default)</source>
        <translation>GBA ROMのサイズ: 約%1 KB（既定）</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>GBA rom size: unknown (a rom could not be read)</source>
        <translation>GBA ROMのサイズ: 不明（読み込めないROMあり）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GBA rom size: ~%1 KB</source>
        <translation>GBA ROMのサイズ: 約%1 KB</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Failed to read NES rom(s)</source>
        <translation>NES ROMを読み込めませんでした</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>All NES roms have to be in the same directory.</source>
        <translation>すべてのNES ROMが同じフォルダー内にある必要があります。</translation>
    </message>
    <message>
        <location line="+164"/>
        <source>Only the first %1 options can be added to a menu item; options further down the list are left out.</source>
        <translation>メニュー項目に追加できるのは、一覧の先頭から%1個のオプションまでです。それより後のオプションは追加されません。</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No more options can be added: a menu item can carry at most %1 options.</source>
        <translation>これ以上オプションを追加できません。1つのメニュー項目に付けられるオプションは最大%1個です。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Option nr %1</source>
        <translation>オプション%1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>No GBA rom filename specified! Please insert a filename!</source>
        <translation>GBA ROMのファイル名が指定されていません！ファイル名を入力してください！</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 whole, %2 cut, %3 repaired</source>
        <translation>そのまま%1個、切り詰め%2個、修復%3個</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This build&apos;s log:</source>
        <translation>今回の作成のログ:</translation>
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
        <translation>Romweaverが読み込めるメンバーはアーカイブ1つにつき%1個までです</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks at most %1 of an archive</source>
        <translation>Romweaverが展開できるのはアーカイブ1つにつき%1までです</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver reads at most %1 of an archive&apos;s list of members</source>
        <translation>Romweaverが読み込めるアーカイブのメンバーの一覧は%1までです</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks with at most %1 of memory, and this archive asks for %2</source>
        <translation>Romweaverが展開に使うメモリは%1までですが、このアーカイブには%2が必要です</translation>
    </message>
    <message>
        <location filename="../builder/ArchiveReader.cpp" line="+84"/>
        <source>the member after %1 is damaged</source>
        <translation>%1の次のメンバーが破損しています</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its first member is damaged</source>
        <translation>最初のメンバーが破損しています</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+44"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+784"/>
        <location filename="../builder/ZipCheck.cpp" line="+175"/>
        <source>its list of members is damaged</source>
        <translation>メンバーの一覧が破損しています</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>the data of %1 is damaged</source>
        <translation>%1のデータが破損しています</translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="../builder/GzipMembers.cpp" line="+159"/>
        <location line="+26"/>
        <location line="+33"/>
        <location filename="../builder/GzipStream.cpp" line="+118"/>
        <location filename="../builder/SevenZipCheck.cpp" line="-79"/>
        <source>it is truncated</source>
        <translation>途中で切れています</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+25"/>
        <location line="+34"/>
        <source>its list of members fails its CRC check</source>
        <translation>メンバーの一覧のCRCが一致しません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 fails its CRC check</source>
        <translation>%1のCRCが一致しません</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is packed in a way Romweaver cannot unpack</source>
        <translation>Romweaverでは展開できない方式でまとめられています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is packed in a way Romweaver cannot unpack</source>
        <translation>%1はRomweaverでは展開できない方式でまとめられています</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>its rom is gone since it was first read</source>
        <translation>含まれるROMが、最初に読み込んだ後に見つからなくなりました</translation>
    </message>
    <message>
        <location filename="../builder/GzipMembers.cpp" line="-25"/>
        <source>a tar header in it is longer than 1 MiB</source>
        <translation>1 MiBを超えるtarヘッダーが含まれています</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>the tar header after %1 is damaged</source>
        <translation>%1に続くtarヘッダーが破損しています</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its start</source>
        <translation>先頭</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>member %1</source>
        <translation>メンバー%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a tar header in it gives no size</source>
        <translation>サイズが記されていないtarヘッダーが含まれています</translation>
    </message>
    <message>
        <location filename="../builder/GzipStream.cpp" line="-26"/>
        <source>its unpacked data does not match the CRC-32 its gzip trailer records</source>
        <translation>展開したデータがgzipトレーラーに記録されたCRC-32と一致しません</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its unpacked length does not match the length its gzip trailer records</source>
        <translation>展開したデータの長さがgzipトレーラーに記録された長さと一致しません</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is compressed with a method other than Deflate, which Romweaver cannot unpack</source>
        <translation>Deflate以外の方式で圧縮されているため、Romweaverでは展開できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its compressed data is invalid (%1)</source>
        <translation>圧縮データが不正です（%1）</translation>
    </message>
    <message>
        <location filename="../builder/SevenZipCheck.cpp" line="-656"/>
        <source>the x86 filter of 7-Zip 23</source>
        <translation>7-Zip 23のx86フィルター</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../builder/ZipCheck.cpp" line="-93"/>
        <source>compression method %1</source>
        <translation>圧縮方式%1</translation>
    </message>
    <message>
        <location line="+405"/>
        <source>its list of members has additional streams, which Romweaver cannot read</source>
        <translation>メンバーの一覧に追加のストリームがあるため、Romweaverでは読み込めません</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>it is compressed with %1, which Romweaver cannot unpack</source>
        <translation>%1で圧縮されているため、Romweaverでは展開できません</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>its start header is damaged</source>
        <translation>開始ヘッダーが破損しています</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>its list of members is compressed in a way Romweaver cannot unpack</source>
        <translation>メンバーの一覧が、Romweaverでは展開できない方式で圧縮されています</translation>
    </message>
    <message>
        <location filename="../builder/ZipCheck.cpp" line="+78"/>
        <source>its list of members is missing; it may be truncated</source>
        <translation>メンバーの一覧がありません（途中で切れている可能性があります）</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is one part of an archive split into several files</source>
        <translation>複数のファイルに分割されたアーカイブの一部です</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 is compressed with %2, which Romweaver cannot unpack</source>
        <translation>%1は%2で圧縮されているため、Romweaverでは展開できません</translation>
    </message>
</context>
<context>
    <name>builder::BuildStatus</name>
    <message>
        <location filename="../builder/BuildStatus.cpp" line="+12"/>
        <source>Preparing to write...</source>
        <translation>書き込みの準備中...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom...</source>
        <translation>GBA ROMを書き込み中...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom - adding base rom tessel.gba...</source>
        <translation>GBA ROMを書き込み中 - エミュレーター（tessel.gba）を追加中...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding menu script...</source>
        <translation>GBA ROMを書き込み中 - メニュースクリプトを追加中...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding nes rom %1...</source>
        <translation>GBA ROMを書き込み中 - NES ROM %1を追加中...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing succesfully completed.</source>
        <translation>書き込みが完了しました。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing the GBA rom failed.</source>
        <translation>GBA ROMの書き込みに失敗しました。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 % done</source>
        <translation>%1%完了</translation>
    </message>
</context>
<context>
    <name>builder::CompilationFile</name>
    <message>
        <location filename="../builder/CompilationFile.cpp" line="+160"/>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is far too large</source>
        <translation>大きすぎます</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it does not say it is one</source>
        <translation>コンピレーションであることが記されていません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no format version</source>
        <translation>形式のバージョンがありません</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it names no rom folder</source>
        <translation>ROMフォルダーが指定されていません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no list of roms</source>
        <translation>ROMの一覧がありません</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a rom has no file name of its own</source>
        <translation>正しいファイル名のないROMがあります</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is listed twice</source>
        <translation>%1が2回記載されています</translation>
    </message>
</context>
<context>
    <name>cli::BuildCommand</name>
    <message>
        <location filename="../cli/BuildCommand.cpp" line="+117"/>
        <location line="+2"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <location line="+102"/>
        <location line="+11"/>
        <source>no output given (-o OUTPUT)</source>
        <translation>書き込むGBA ROMが指定されていません（-o OUTPUT）</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>--compilation takes the roms, the menu and its options from the file: it cannot be combined with ROMs, --numbered, --sorted, --menu or --save-compilation</source>
        <translation>--compilationではROM、メニュー、オプションをファイルから読み込むため、ROM、--numbered、--sorted、--menu、--save-compilationとは同時に使えません</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no ROM given</source>
        <translation>ROMが指定されていません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--menu takes the menu lines as they are: it cannot be combined with --numbered or --sorted</source>
        <translation>--menuではメニュー行をそのまま使うため、--numbered、--sortedとは同時に使えません</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>all NES roms have to be in the same directory: %1 and %2 are not</source>
        <translation>NES ROMはすべて同じフォルダーにある必要がありますが、%1と%2は同じフォルダーにありません</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is given twice</source>
        <translation>%1が2回指定されています</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>cannot read the menu file %1: %2</source>
        <translation>メニューファイル%1を読み込めません: %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>the menu file %1 has %2 for %3: one line per rom</source>
        <translation>メニューファイル%1は%2ですが、ROMは%3です（ROMごとに1行が必要です）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 line</source>
        <translation>1行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 lines</source>
        <translation>%1行</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 rom</source>
        <translation>1個</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 roms</source>
        <translation>%1個</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>the compilation %1 names no GBA rom: give -o OUTPUT</source>
        <translation>コンピレーション%1にはGBA ROMが指定されていないため、-o OUTPUTを指定してください</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot find %1 in %2</source>
        <translation>%2に%1が見つかりません</translation>
    </message>
</context>
<context>
    <name>cli::CommandHelp</name>
    <message>
        <location line="-272"/>
        <source>Print this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number the menu lines (01. to 12. for 12 roms), as &quot;Enable numbering&quot;.</source>
        <extracomment>&quot;Enable numbering&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>メニュー行に番号を付けます（ROMが12個なら01.から12.まで）。「番号を付ける」と同じです。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sort menu and roms by title, as &quot;Sorted by title&quot;.</source>
        <extracomment>&quot;Sorted by title&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>メニューとROMをタイトル順に並べます。「タイトル順」と同じです。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the menu lines verbatim from FILE, one line per rom, in rom order.</source>
        <translation>メニュー行をFILEからそのまま読み込みます（ROMごとに1行、ROMの順）。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write a file that is not an iNES rom as well (the size check may change its bytes 4 and 5, keeping a backup); without it such a file is refused.</source>
        <translation>iNES ROMでないファイルも書き込みます（サイズの確認でファイルのバイト4と5が変わることがあり、その場合はバックアップを残します）。指定しない場合、そのようなファイルは拒否されます。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Replace OUTPUT also where it is a file that is no GBA rom made with %1; without it such a file is refused (an earlier GBA rom is always replaced).</source>
        <translation>OUTPUTが%1で作成したGBA ROMではないファイルでも置き換えます。指定しない場合、そのようなファイルは拒否されます（以前に作成したGBA ROMは常に置き換えられます）。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The GBA rom to write.</source>
        <translation>書き込むGBA ROMです。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Build the compilation FILE (saved by the wizard or --save-compilation): its roms, titles, options and sprite values, numbering and sorting, and its GBA rom unless -o names another.</source>
        <translation>ウィザードや--save-compilationで保存したコンピレーションFILEから作成します。ROM、タイトル、オプションとスプライト値、番号付けとタイトル順、GBA ROMはそのファイルのものを使います（-oで別のGBA ROMを指定できます）。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Write the compilation of the other arguments to FILE, to open it in the wizard or build it with --compilation; without -o nothing is built.</source>
        <translation>ほかの引数から成るコンピレーションをFILEに保存します。--compilationでの作成や、ウィザードで開くのに使えます。-oがない場合は何も作成しません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print nothing of what the build logs (the roms it cut or repaired).</source>
        <translation>作成でログに書き込む内容（切り詰めたROMや修復したROM）を何も表示しません。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NES roms (files or archives), all in one directory, in menu order. Titles are those stored in %1, else the file names.</source>
        <translation>NES ROM（ファイルまたはアーカイブ）。すべて同じフォルダー内にあるものを、メニューの順に指定します。タイトルは%1に保存されたもの、なければファイル名です。</translation>
    </message>
    <message>
        <location filename="../cli/CommandHelp.cpp" line="+131"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build. Here that is %5.</source>
        <translation>%1（エミュレーターのROM。別途用意が必要）、%2（ウィザードが保存するタイトル。読み取り専用）、%3（ログ）、%4（前回の作成のメニュースクリプト）は、プログラムフォルダー、つまりromweaver-buildのフォルダーにあるものを使います。この環境では%5です。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build when %1 lies there (a portable copy), otherwise %5 (an installed copy), which is created when missing. Here that is %6.</source>
        <translation>%1（エミュレーターのROM。別途用意が必要）、%2（ウィザードが保存するタイトル。読み取り専用）、%3（ログ）、%4（前回の作成のメニュースクリプト）は、プログラムフォルダーにあるものを使います。プログラムフォルダーは、romweaver-buildのフォルダーに%1があればそのフォルダー（ポータブル版）、なければ%5（インストール版。ない場合は作成されます）です。この環境では%6です。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>usage:</source>
        <translation>使い方:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Writes a GBA rom as the Romweaver wizard does, without a window: %1, then the menu script, then each ROM in menu order, each cut to the size its header declares or, when shorter, backed up and repaired.</source>
        <translation>ウィンドウを使わずに、Romweaverウィザードと同じようにGBA ROMを書き込みます。内容は%1、メニュースクリプト、そしてメニューの順に各ROMです。各ROMは、ヘッダーのサイズより長ければ切り詰め、短ければバックアップを取ってから修復します。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Archives:</source>
        <translation>アーカイブ:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A ROM may be a .zip, .7z or .gz archive holding one rom: the one member that is an iNES rom or, when none is, the one member named *.nes. It is read in memory and never changed; a rom shorter than its header declares is repaired in the GBA rom only. An archive that holds no rom or several, is encrypted or damaged is refused before anything is written.</source>
        <translation>ROMには、ROMを1つ含む.zip、.7z、.gzアーカイブも指定できます。使われるのは、iNES ROMである唯一のメンバー、それがなければ*.nesという名前の唯一のメンバーです。アーカイブはメモリ上で読み込まれ、変更されることはありません。ヘッダーのサイズより短いROMは、GBA ROMの中でのみ修復されます。ROMを含まないか複数含むアーカイブ、暗号化または破損したアーカイブは、何も書き込む前に拒否されます。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit status:</source>
        <translation>終了ステータス:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the GBA rom was written (with --save-compilation and no -o: the compilation was saved)</source>
        <translation>GBA ROMを書き込みました（-oなしの--save-compilationでは、コンピレーションを保存しました）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the build was refused or failed; one sentence on standard error, after &quot;romweaver-build: &quot;, says why</source>
        <translation>作成が拒否されたか、失敗しました。標準エラー出力の「romweaver-build: 」の後の1文が理由を示します</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a usage error (an unknown option, no -o, no ROM, options that do not go together); the usage lines follow the sentence</source>
        <translation>使い方の誤り（不明なオプション、-oがない、ROMがない、同時に使えないオプション）。その文の後に使い方の行が続きます</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Files:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Example:</source>
        <translation>例:</translation>
    </message>
</context>
<context>
    <name>cli::CommandMessages</name>
    <message>
        <location filename="../cli/CommandMessages.cpp" line="+20"/>
        <source>adding base rom tessel.gba...</source>
        <translation>エミュレーター（tessel.gba）を追加中...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding menu script...</source>
        <translation>メニュースクリプトを追加中...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding nes rom %1...</source>
        <translation>NES ROM %1を追加中...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 already exists and is not a GBA rom made with %2, so the GBA rom was not written; give --force to replace it</source>
        <translation>%1は既に存在し、%2で作成したGBA ROMではないため、GBA ROMを書き込みませんでした（置き換えるには--forceを指定してください）</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not an iNES rom; give --allow-non-rom to write it all the same (its bytes 4 and 5 may then be changed to fit its size)</source>
        <translation>%1はiNES ROMではないため、書き込むには--allow-non-romの指定が必要です（その場合、サイズに合わせてバイト4と5が変更されることがあります）</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>warning: %1 is not an iNES rom; its bytes 4 and 5 may be changed to fit its size</source>
        <translation>警告: %1はiNES ROMではないため、サイズに合わせてバイト4と5が変更されることがあります</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>cannot open file %1</source>
        <translation>ファイル%1を開けません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>ファイル%1を読み込めません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>%1を読み込めません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>%2のバイト%1を読み込めません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>ファイル%1に書き込めません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>ファイル%1を作成できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>ロックファイル%1を作成できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>フォルダー%1を作成できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>ファイル%1のサイズを取得できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>ファイル%1をシークできません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>ファイル%1を閉じられません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>ファイル%1を識別できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>ファイル%1をロックできません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>ファイル%1を空にできません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>%1を置き換えられません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>%1を%2にコピーできません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>%1を修復できません</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>別のプログラムが使用中です</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>通常のファイルではありません（フォルダー、デバイス、パイプまたはソケット）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>途中で終わっています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>あと%1バイトを読む前に終わっています</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>含まれるROMが、あと%1バイトを読む前に終わっています</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>作成時の確認の後に変更されました</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>読み込み中にファイルが変更されました</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1にはNES ROMが含まれていません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1にはNES ROMが%2個含まれていますが、Romweaverはアーカイブ1つにつきROMを1つしか使いません</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1は暗号化されています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1は破損しています: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1は%2アーカイブではありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1は大きすぎて読み込めません: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1を読み込めません: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>コンピレーション%1を読み込めません: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>コンピレーション%1を保存できません: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1はRomweaverのコンピレーションではありません: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1は新しいRomweaverで保存されています（形式のバージョン%2。このRomweaverが読み込めるのはバージョン%3まで）</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unable to write to %1</source>
        <translation>%1に書き込めません</translation>
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
        <translation>%1のメニュー行に改行が含まれていますが、メニュー行は1行でなければならないため、ファイル名を変更するか別のタイトルを付けてください</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1はGBA ROMの作成に使うファイルの1つです</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1はRomweaverが設定を保存するファイルです</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1はRomweaverのログです</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1は通常のファイルではありません（フォルダー、デバイス、パイプまたはソケット）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>別の作成処理が%1に書き込み中のため、終了後にもう一度お試しください</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>予期しないエラー</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the GBA rom was not written: %1</source>
        <translation>GBA ROMは書き込まれませんでした: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the GBA rom was not written:</source>
        <translation>GBA ROMは書き込まれませんでした:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>warning: the GBA rom will be %1 KB, more than the %2 KB a GBA cartridge holds</source>
        <translation>警告: GBA ROMは%1 KBになり、GBAカートリッジの容量%2 KBを超えます</translation>
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
        <translation>そのまま</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cut to the size its header declares</source>
        <translation>ヘッダーのサイズに切り詰め</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its header to be repaired</source>
        <translation>ヘッダーを修復予定</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>%1 of %2 used by %n rom</source>
        <translation>
            <numerusform>%n個のROMで%2のうち%1を使用</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %2 used by %n roms</source>
        <translation>
            <numerusform>%n個のROMで%2のうち%1を使用</numerusform>
        </translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1 and the menu: %2</source>
        <translation>%1とメニュー: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2、%3</translation>
    </message>
</context>
<context>
    <name>wizard::CompilationMenu</name>
    <message>
        <location filename="../wizard/CompilationMenu.cpp" line="+22"/>
        <source>Romweaver compilations (*.%1)</source>
        <translation>Romweaverコンピレーション (*.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Compilation</source>
        <translation>コンピレーション</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or save a compilation (%1, %2)</source>
        <translation>コンピレーションを開くか保存します（%1、%2）</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open compilation…</source>
        <translation>コンピレーションを開く…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save compilation…</source>
        <translation>コンピレーションを保存…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save compilation as…</source>
        <translation>名前を付けてコンピレーションを保存…</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Open compilation</source>
        <translation>コンピレーションを開く</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save compilation</source>
        <translation>コンピレーションを保存</translation>
    </message>
</context>
<context>
    <name>wizard::MessageBoxes</name>
    <message>
        <location filename="../wizard/controls/MessageBoxes.cpp" line="+18"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <location filename="../wizard/controls/MessageBoxes.h" line="+46"/>
        <source>Unexpected error</source>
        <translation>予期しないエラー</translation>
    </message>
</context>
<context>
    <name>wizard::MessageTexts</name>
    <message>
        <location filename="../wizard/MessageTexts.cpp" line="+31"/>
        <source>cannot open file %1</source>
        <translation>ファイル%1を開けません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>ファイル%1を読み込めません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>%1を読み込めません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>%2のバイト%1を読み込めません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>ファイル%1に書き込めません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>ファイル%1を作成できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>ロックファイル%1を作成できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>フォルダー%1を作成できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>ファイル%1のサイズを取得できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>ファイル%1をシークできません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>ファイル%1を閉じられません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>ファイル%1を識別できません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>ファイル%1をロックできません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>ファイル%1を空にできません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>%1を置き換えられません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>%1を%2にコピーできません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>%1を修復できません</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>別のプログラムが使用中です</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>通常のファイルではありません（フォルダー、デバイス、パイプまたはソケット）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>途中で終わっています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>あと%1バイトを読む前に終わっています</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>含まれるROMが、あと%1バイトを読む前に終わっています</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>作成時の確認の後に変更されました</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>読み込み中にファイルが変更されました</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1にはNES ROMが含まれていません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1にはNES ROMが%2個含まれていますが、Romweaverはアーカイブ1つにつきROMを1つしか使いません</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1は暗号化されています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1は破損しています: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1は%2アーカイブではありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1は大きすぎて読み込めません: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1を読み込めません: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>コンピレーション%1を読み込めません: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>コンピレーション%1を保存できません: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1はRomweaverのコンピレーションではありません: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1は新しいRomweaverで保存されています（形式のバージョン%2。このRomweaverが読み込めるのはバージョン%3まで）</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No NES rom in this archive</source>
        <translation>このアーカイブにはNES ROMが含まれていません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 NES roms in this archive; Romweaver takes one rom per archive</source>
        <translation>このアーカイブにはNES ROMが%1個含まれていますが、Romweaverはアーカイブ1つにつきROMを1つしか使いません</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Encrypted archive</source>
        <translation>暗号化されたアーカイブ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged archive: %1</source>
        <translation>破損したアーカイブ: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not a %1 archive</source>
        <translation>%1アーカイブではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Archive too large to read: %1</source>
        <translation>大きすぎて読み込めないアーカイブ: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archive that cannot be read: %1</source>
        <translation>読み込めないアーカイブ: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unable to write to %1</source>
        <translation>%1に書き込めません</translation>
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
        <translation>%1のメニュー行に改行が含まれていますが、メニュー行は1行でなければならないため、ファイル名を変更するか別のタイトルを付けてください</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1はGBA ROMの作成に使うファイルの1つです</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1はRomweaverが設定を保存するファイルです</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1はRomweaverのログです</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1は通常のファイルではありません（フォルダー、デバイス、パイプまたはソケット）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not an iNES rom</source>
        <translation>%1はiNES ROMではありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>別の作成処理が%1に書き込み中のため、終了後にもう一度お試しください</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>予期しないエラー</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The GBA rom was not written:</source>
        <translation>GBA ROMは書き込まれませんでした:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is unchanged.</source>
        <translation>%1は変更されていません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was written to %1.</source>
        <translation>%1には何も書き込まれていません。</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>and %n more.</source>
        <translation>
            <numerusform>ほか%n件。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Another program was writing it and did not finish in time.</source>
        <translation>別のプログラムが書き込み中で、時間内に終わりませんでした。</translation>
    </message>
</context>
<context>
    <name>wizard::SelectionWarnings</name>
    <message>
        <location filename="../wizard/SelectionWarnings.cpp" line="+28"/>
        <source>More than a GBA cartridge holds (%1 KB)</source>
        <translation>GBAカートリッジの容量（%1 KB）を超えています</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Not a regular file: a folder, a device, a pipe or a socket</source>
        <translation>通常のファイルではありません（フォルダー、デバイス、パイプまたはソケット）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Missing: the file was moved, renamed or deleted</source>
        <translation>見つかりません（ファイルが移動、名前変更または削除されました）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked: another program has the file open</source>
        <translation>ロックされています（別のプログラムがファイルを開いています）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No access: you may not read the file</source>
        <translation>アクセスできません（ファイルを読み取る権限がありません）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot be read: %1</source>
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Not an iNES rom</source>
        <translation>iNES ROMではありません</translation>
    </message>
</context>
<context>
    <name>wizard::Startup</name>
    <message>
        <location filename="../wizard/Startup.cpp" line="+32"/>
        <source>Cannot find Tessel.gba! Make sure it is installed in the same directory as Romweaver program. The program will be closed.</source>
        <translation>Tessel.gbaが見つかりません！Romweaverのプログラムと同じフォルダーにインストールされていることを確認してください。プログラムを終了します。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>When Romweaver is installed, put %1 into this directory instead:
%2</source>
        <translation>Romweaverをインストールして使う場合は、代わりに次のフォルダーに%1を置いてください:
%2</translation>
    </message>
</context>
</TS>
