<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../resources/UnitAbout.ui" line="+6"/>
        <source>About Tessel tool - Romweaver</source>
        <translation>关于 Tessel 工具 - Romweaver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessel tool - Romweaver</source>
        <translation>Tessel 工具 - Romweaver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version number: %1</source>
        <translation>版本号：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Released: %1</source>
        <translation>发布日期：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Packs NES roms and a menu into one Game Boy Advance rom for the Tessel emulator.

Written by the Romweaver developers.</source>
        <translation>将 NES ROM 和菜单打包成一个供 Tessel 模拟器使用的 Game Boy Advance ROM。

由 Romweaver 开发者编写。</translation>
    </message>
</context>
<context>
    <name>TfrmAddSpriteNumber</name>
    <message>
        <location filename="../resources/UnitAddSpriteNumber.ui" line="+6"/>
        <source>Add sprite number or memory address</source>
        <translation>添加精灵编号或内存地址</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add sprite number or memory address </source>
        <translation> 添加精灵编号或内存地址 </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(tells tessel where to center screen on)</source>
        <translation>（告诉 Tessel 将屏幕以何处为中心）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory adress:</source>
        <translation>精灵编号或内存地址：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sprite number or memory address</source>
        <translation>精灵编号或内存地址</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>添加</translation>
    </message>
</context>
<context>
    <name>TfrmNewOption</name>
    <message>
        <location filename="../resources/UnitNewOption.ui" line="+6"/>
        <source>Add new option</source>
        <translation>添加新选项</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Add new option </source>
        <translation> 添加新选项 </translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+2"/>
        <source>Description:</source>
        <translation>描述：</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>添加</translation>
    </message>
</context>
<context>
    <name>TfrmRomweaver</name>
    <message>
        <location filename="../resources/UnitRomweaver.ui" line="+6"/>
        <source>Tessel tool - Romweaver </source>
        <translation>Tessel 工具 - Romweaver </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Step 1 - Select NES rom(s) - have to be in the same directory </source>
        <translation> 第 1 步 - 选择 NES ROM（须在同一文件夹中） </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current directory: </source>
        <translation>当前文件夹： </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current directory</source>
        <translation>当前文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files in current directory</source>
        <translation>当前文件夹中的文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type</source>
        <translation>文件类型</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add selected roms</source>
        <translation>添加所选 ROM</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add the selected roms (Enter)</source>
        <translation>添加所选 ROM（Enter）</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear selected roms</source>
        <translation>清空已选 ROM</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Clear the selected roms</source>
        <translation>清空已选 ROM 列表</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected roms</source>
        <translation>已选 ROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total NES roms selected: 0</source>
        <translation>已选 NES ROM 总数：0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GBA rom size: 0 KB</source>
        <translation>GBA ROM 大小：0 KB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Step 2 - Setup the Menu System - Titles </source>
        <translation> 第 2 步 - 设置菜单 - 标题 </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles of the NES roms (default is filename):</source>
        <translation>NES ROM 的标题（默认为文件名）：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Titles of the NES roms (default is filename)</source>
        <translation>NES ROM 的标题（默认为文件名）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of the selected rom</source>
        <translation>所选 ROM 的标题</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change title</source>
        <translation>更改标题</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tidy titles</source>
        <translation>整理标题</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Titles that are still file names lose their extension and tags such as (USA) or [!]</source>
        <translation>仍为文件名的标题将去掉扩展名以及 (USA)、[!] 等标签</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enable numbering</source>
        <translation>启用编号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorted by title</source>
        <translation>按标题排序</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu:</source>
        <translation>菜单预览：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of Menu</source>
        <translation>菜单预览</translation>
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
        <translation> 第 3 步 - 设置菜单 - 添加选项（可跳过） </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Available options:</source>
        <translation>可用选项：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Available options</source>
        <translation>可用选项</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Option description</source>
        <translation>选项描述</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add options to menu item</source>
        <translation>将选项添加到菜单项</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;&gt; add to menu item &gt;&gt;</source>
        <translation>&gt;&gt; 添加到菜单项 &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove options from menu item</source>
        <translation>从菜单项移除选项</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>remove options &gt;&gt;</source>
        <translation>移除选项 &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add sprite number to menu item</source>
        <translation>将精灵编号添加到菜单项</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add sprite number &gt;&gt;</source>
        <translation>添加精灵编号 &gt;&gt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>add a sprite number or memory address where emulator will center the screen on</source>
        <translation>添加精灵编号或内存地址，模拟器将以其为屏幕中心</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add new option</source>
        <translation>添加新选项</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; add new option</source>
        <translation>&lt;&lt; 添加新选项</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change option</source>
        <translation>更改选项</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Change</source>
        <translation>&lt;&lt; 更改</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete option</source>
        <translation>删除选项</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&lt;&lt; Del</source>
        <translation>&lt;&lt; 删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES rom title | option1 | option 2 | etc...</source>
        <translation>NES ROM 标题 | 选项 1 | 选项 2 | 等等</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu items</source>
        <translation>菜单项</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Last Step - Writing the GBA rom </source>
        <translation> 最后一步 - 写入 GBA ROM </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select destination of GBA rom:</source>
        <translation>选择 GBA ROM 的保存位置：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination of GBA rom</source>
        <translation>GBA ROM 的保存位置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination drive</source>
        <translation>保存位置的驱动器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter a filename for GBA rom:</source>
        <translation>输入 GBA ROM 的文件名：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filename for GBA rom</source>
        <translation>GBA ROM 的文件名</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whatever.gba</source>
        <translation>Whatever.gba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write!</source>
        <translation>写入！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the button to write the NES roms to the GBA rom!</source>
        <translation>按下按钮，将 NES ROM 写入 GBA ROM！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Details of the build</source>
        <translation>生成详细信息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What this build wrote to the build log</source>
        <translation>本次生成写入日志的内容</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Details…</source>
        <translation>详细信息…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress of the write</source>
        <translation>写入进度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0 % done</source>
        <translation>已完成 0%</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous</source>
        <translation>上一步</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
</TS>
