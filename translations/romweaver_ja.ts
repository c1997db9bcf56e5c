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
</context>
</TS>
