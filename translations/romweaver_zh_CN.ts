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
    <message>
        <location filename="../wizard/UnitAbout.cpp" line="+23"/>
        <source>en</source>
        <comment>the code of this translation&apos;s language (de, pt_BR): the release month is named in it</comment>
        <translation>zh_CN</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2</source>
        <comment>the release: the month&apos;s name, the year</comment>
        <translation>%2 年%1</translation>
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
    <message>
        <location filename="../wizard/UnitAddSpriteNumber.cpp" line="+27"/>
        <source>Illegal character &apos;|&apos; found. Please remove the character.</source>
        <translation>发现非法字符“|”。请删除该字符。</translation>
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
    <message>
        <location filename="../wizard/UnitNewOption.cpp" line="+28"/>
        <source>No description is inserted. Are you sure you do not want a description?</source>
        <translation>未输入描述。确定不需要描述吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no description available</source>
        <translation>无描述</translation>
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
    <message>
        <location filename="../wizard/UnitRomweaver.cpp" line="+76"/>
        <source>Current directory: %1</source>
        <translation>当前文件夹：%1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>NES roms</source>
        <translation>NES ROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*.*)</source>
        <translation>所有文件（*.*）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NES roms, also in archives</source>
        <translation>NES ROM 及压缩包</translation>
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
        <translation>未选择 NES ROM！</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Changed since the compilation was saved</source>
        <translation>保存合集后已被更改</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The compilation %1 has changes that are not saved. Save them?</source>
        <translation>合集 %1 有未保存的更改。是否保存？</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Total NES roms selected: %1</source>
        <translation>已选 NES ROM 总数：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>GBA rom size: ~%1 KB (default)</source>
        <translation>GBA ROM 大小：约 %1 KB（默认）</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>GBA rom size: unknown (a rom could not be read)</source>
        <translation>GBA ROM 大小：未知（有 ROM 无法读取）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>GBA rom size: ~%1 KB</source>
        <translation>GBA ROM 大小：约 %1 KB</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Failed to read NES rom(s)</source>
        <translation>读取 NES ROM 失败</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>All NES roms have to be in the same directory.</source>
        <translation>所有 NES ROM 必须位于同一文件夹中。</translation>
    </message>
    <message>
        <location line="+164"/>
        <source>Only the first %1 options can be added to a menu item; options further down the list are left out.</source>
        <translation>只有前 %1 个选项可以添加到菜单项；列表中更靠后的选项将被略去。</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No more options can be added: a menu item can carry at most %1 options.</source>
        <translation>无法再添加选项：一个菜单项最多只能带 %1 个选项。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Option nr %1</source>
        <translation>选项 %1</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>No GBA rom filename specified! Please insert a filename!</source>
        <translation>未指定 GBA ROM 文件名！请输入文件名！</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 whole, %2 cut, %3 repaired</source>
        <translation>完整 %1 个，截断 %2 个，修复 %3 个</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This build&apos;s log:</source>
        <translation>本次生成的日志：</translation>
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
        <translation>Romweaver 每个压缩包最多读取 %1 个成员</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks at most %1 of an archive</source>
        <translation>Romweaver 每个压缩包最多解压 %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver reads at most %1 of an archive&apos;s list of members</source>
        <translation>Romweaver 读取的压缩包成员列表最大为 %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Romweaver unpacks with at most %1 of memory, and this archive asks for %2</source>
        <translation>Romweaver 解压时最多使用 %1 内存，而此压缩包需要 %2</translation>
    </message>
    <message>
        <location filename="../builder/ArchiveReader.cpp" line="+84"/>
        <source>the member after %1 is damaged</source>
        <translation>%1 之后的成员已损坏</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its first member is damaged</source>
        <translation>其第一个成员已损坏</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+44"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+784"/>
        <location filename="../builder/ZipCheck.cpp" line="+175"/>
        <source>its list of members is damaged</source>
        <translation>其成员列表已损坏</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>the data of %1 is damaged</source>
        <translation>%1 的数据已损坏</translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="../builder/GzipMembers.cpp" line="+159"/>
        <location line="+26"/>
        <location line="+33"/>
        <location filename="../builder/GzipStream.cpp" line="+118"/>
        <location filename="../builder/SevenZipCheck.cpp" line="-79"/>
        <source>it is truncated</source>
        <translation>文件不完整</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../builder/SevenZipCheck.cpp" line="+25"/>
        <location line="+34"/>
        <source>its list of members fails its CRC check</source>
        <translation>其成员列表未通过 CRC 校验</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 fails its CRC check</source>
        <translation>%1 未通过 CRC 校验</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is packed in a way Romweaver cannot unpack</source>
        <translation>其打包方式 Romweaver 无法解压</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is packed in a way Romweaver cannot unpack</source>
        <translation>%1 的打包方式 Romweaver 无法解压</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>its rom is gone since it was first read</source>
        <translation>其中的 ROM 在首次读取后已不存在</translation>
    </message>
    <message>
        <location filename="../builder/GzipMembers.cpp" line="-25"/>
        <source>a tar header in it is longer than 1 MiB</source>
        <translation>其中的一个 tar 文件头超过 1 MiB</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>the tar header after %1 is damaged</source>
        <translation>%1之后的 tar 文件头已损坏</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its start</source>
        <translation>其开头</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>member %1</source>
        <translation>第 %1 个成员</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a tar header in it gives no size</source>
        <translation>其中的一个 tar 文件头未给出大小</translation>
    </message>
    <message>
        <location filename="../builder/GzipStream.cpp" line="-26"/>
        <source>its unpacked data does not match the CRC-32 its gzip trailer records</source>
        <translation>其解压后的数据与 gzip 尾部记录的 CRC-32 不符</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its unpacked length does not match the length its gzip trailer records</source>
        <translation>其解压后的长度与 gzip 尾部记录的长度不符</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is compressed with a method other than Deflate, which Romweaver cannot unpack</source>
        <translation>其压缩方法不是 Deflate，Romweaver 无法解压</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its compressed data is invalid (%1)</source>
        <translation>其压缩数据无效（%1）</translation>
    </message>
    <message>
        <location filename="../builder/SevenZipCheck.cpp" line="-656"/>
        <source>the x86 filter of 7-Zip 23</source>
        <translation>7-Zip 23 的 x86 过滤器</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../builder/ZipCheck.cpp" line="-93"/>
        <source>compression method %1</source>
        <translation>压缩方法 %1</translation>
    </message>
    <message>
        <location line="+405"/>
        <source>its list of members has additional streams, which Romweaver cannot read</source>
        <translation>其成员列表含有附加流，Romweaver 无法读取</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>it is compressed with %1, which Romweaver cannot unpack</source>
        <translation>其使用 %1 压缩，Romweaver 无法解压</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>its start header is damaged</source>
        <translation>其起始文件头已损坏</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>its list of members is compressed in a way Romweaver cannot unpack</source>
        <translation>其成员列表的压缩方式 Romweaver 无法解压</translation>
    </message>
    <message>
        <location filename="../builder/ZipCheck.cpp" line="+78"/>
        <source>its list of members is missing; it may be truncated</source>
        <translation>其成员列表缺失；文件可能不完整</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is one part of an archive split into several files</source>
        <translation>这是分为多个文件的分卷压缩包中的一部分</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 is compressed with %2, which Romweaver cannot unpack</source>
        <translation>%1 使用 %2 压缩，Romweaver 无法解压</translation>
    </message>
</context>
<context>
    <name>builder::BuildStatus</name>
    <message>
        <location filename="../builder/BuildStatus.cpp" line="+12"/>
        <source>Preparing to write...</source>
        <translation>正在准备写入...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom...</source>
        <translation>正在写入 GBA ROM...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing GBA rom - adding base rom tessel.gba...</source>
        <translation>正在写入 GBA ROM - 正在添加模拟器 ROM tessel.gba...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding menu script...</source>
        <translation>正在写入 GBA ROM - 正在添加菜单脚本...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing GBA rom - adding nes rom %1...</source>
        <translation>正在写入 GBA ROM - 正在添加 NES ROM %1...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Writing succesfully completed.</source>
        <translation>写入成功完成。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Writing the GBA rom failed.</source>
        <translation>GBA ROM 写入失败。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 % done</source>
        <translation>已完成 %1%</translation>
    </message>
</context>
<context>
    <name>builder::CompilationFile</name>
    <message>
        <location filename="../builder/CompilationFile.cpp" line="+160"/>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is far too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it does not say it is one</source>
        <translation>文件未声明自己是合集</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no format version</source>
        <translation>缺少格式版本</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it names no rom folder</source>
        <translation>未指定 ROM 文件夹</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it has no list of roms</source>
        <translation>缺少 ROM 列表</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a rom has no file name of its own</source>
        <translation>某个 ROM 没有自己的文件名</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is listed twice</source>
        <translation>%1 被列出了两次</translation>
    </message>
</context>
<context>
    <name>cli::BuildCommand</name>
    <message>
        <location filename="../cli/BuildCommand.cpp" line="+117"/>
        <location line="+2"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <location line="+102"/>
        <location line="+11"/>
        <source>no output given (-o OUTPUT)</source>
        <translation>未指定输出文件（-o OUTPUT）</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>--compilation takes the roms, the menu and its options from the file: it cannot be combined with ROMs, --numbered, --sorted, --menu or --save-compilation</source>
        <translation>--compilation 从文件中读取 ROM、菜单及其选项：不能与 ROM、--numbered、--sorted、--menu 或 --save-compilation 同时使用</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no ROM given</source>
        <translation>未指定 ROM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--menu takes the menu lines as they are: it cannot be combined with --numbered or --sorted</source>
        <translation>--menu 按原样读取菜单行：不能与 --numbered 或 --sorted 同时使用</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>all NES roms have to be in the same directory: %1 and %2 are not</source>
        <translation>所有 NES ROM 必须位于同一文件夹中：%1 和 %2 不在同一文件夹中</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is given twice</source>
        <translation>%1 被指定了两次</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>cannot read the menu file %1: %2</source>
        <translation>无法读取菜单文件 %1：%2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>the menu file %1 has %2 for %3: one line per rom</source>
        <translation>菜单文件 %1 有 %2，对应 %3：应每个 ROM 一行</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 line</source>
        <translation>1 行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 lines</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 rom</source>
        <translation>1 个 ROM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 roms</source>
        <translation>%1 个 ROM</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>the compilation %1 names no GBA rom: give -o OUTPUT</source>
        <translation>合集 %1 未指定 GBA ROM：请使用 -o OUTPUT</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot find %1 in %2</source>
        <translation>在 %2 中找不到 %1</translation>
    </message>
</context>
<context>
    <name>cli::CommandHelp</name>
    <message>
        <location line="-272"/>
        <source>Print this help and exit.</source>
        <translation>显示此帮助信息并退出。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and exit.</source>
        <translation>显示版本号并退出。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number the menu lines (01. to 12. for 12 roms), as &quot;Enable numbering&quot;.</source>
        <extracomment>&quot;Enable numbering&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>为菜单行编号，同“启用编号”（12 个 ROM：01. 到 12.）。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sort menu and roms by title, as &quot;Sorted by title&quot;.</source>
        <extracomment>&quot;Sorted by title&quot; is the wizard&apos;s check box: its caption in this language.</extracomment>
        <translation>按标题对菜单和 ROM 排序，同“按标题排序”。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Take the menu lines verbatim from FILE, one line per rom, in rom order.</source>
        <translation>从 FILE 原样读取菜单行，每个 ROM 一行，按 ROM 的顺序排列。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write a file that is not an iNES rom as well (the size check may change its bytes 4 and 5, keeping a backup); without it such a file is refused.</source>
        <translation>也写入不是 iNES ROM 的文件（大小检查可能会更改其第 4 和第 5 字节，并保留备份）；不使用此选项时，此类文件将被拒绝。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Replace OUTPUT also where it is a file that is no GBA rom made with %1; without it such a file is refused (an earlier GBA rom is always replaced).</source>
        <translation>即使 OUTPUT 是并非用 %1 生成的 GBA ROM 的文件，也将其替换；不使用此选项时，此类文件将被拒绝（以前生成的 GBA ROM 总会被替换）。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The GBA rom to write.</source>
        <translation>要写入的 GBA ROM。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Build the compilation FILE (saved by the wizard or --save-compilation): its roms, titles, options and sprite values, numbering and sorting, and its GBA rom unless -o names another.</source>
        <translation>生成合集 FILE（由向导或 --save-compilation 保存）：其中的 ROM、标题、选项和精灵值、编号和排序，以及其 GBA ROM（除非 -o 指定了另一个）。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Write the compilation of the other arguments to FILE, to open it in the wizard or build it with --compilation; without -o nothing is built.</source>
        <translation>将其余参数组成的合集写入 FILE，以便在向导中打开或用 --compilation 生成；不带 -o 时不生成任何内容。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print nothing of what the build logs (the roms it cut or repaired).</source>
        <translation>不输出生成时写入日志的内容（截断或修复的 ROM）。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NES roms (files or archives), all in one directory, in menu order. Titles are those stored in %1, else the file names.</source>
        <translation>NES ROM（文件或压缩包），全部位于同一文件夹中，按菜单顺序排列。标题取自 %1 中保存的标题，否则为文件名。</translation>
    </message>
    <message>
        <location filename="../cli/CommandHelp.cpp" line="+131"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build. Here that is %5.</source>
        <translation>%1（模拟器 ROM，需自行提供）、%2（向导保存的标题；只读）、%3（日志）和 %4（上次生成的菜单脚本）均为程序文件夹中的文件，程序文件夹即 romweaver-build 所在的文件夹。当前为 %5。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (the base emulator rom, which you provide), %2 (the titles the wizard stores; read only), %3 (the build log) and %4 (the menu script of the last build) are those of the program folder: the folder of romweaver-build when %1 lies there (a portable copy), otherwise %5 (an installed copy), which is created when missing. Here that is %6.</source>
        <translation>%1（模拟器 ROM，需自行提供）、%2（向导保存的标题；只读）、%3（日志）和 %4（上次生成的菜单脚本）均为程序文件夹中的文件：若 %1 位于 romweaver-build 所在的文件夹（便携版），程序文件夹即该文件夹，否则为 %5（安装版），该文件夹不存在时会自动创建。当前为 %6。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>usage:</source>
        <translation>用法：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Writes a GBA rom as the Romweaver wizard does, without a window: %1, then the menu script, then each ROM in menu order, each cut to the size its header declares or, when shorter, backed up and repaired.</source>
        <translation>像 Romweaver 向导一样写入 GBA ROM，但不打开窗口：先写入 %1，再写入菜单脚本，然后按菜单顺序写入每个 ROM；每个 ROM 截断为其文件头声明的大小，若较短，则先备份再修复。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Archives:</source>
        <translation>压缩包：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A ROM may be a .zip, .7z or .gz archive holding one rom: the one member that is an iNES rom or, when none is, the one member named *.nes. It is read in memory and never changed; a rom shorter than its header declares is repaired in the GBA rom only. An archive that holds no rom or several, is encrypted or damaged is refused before anything is written.</source>
        <translation>ROM 可以是包含一个 ROM 的 .zip、.7z 或 .gz 压缩包：即其中唯一一个 iNES ROM 成员，若没有，则为唯一一个名为 *.nes 的成员。压缩包在内存中读取，绝不会被更改；比文件头声明的大小短的 ROM 仅在 GBA ROM 中修复。不含 ROM 或含多个 ROM、已加密或已损坏的压缩包会在写入任何内容之前被拒绝。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exit status:</source>
        <translation>退出状态：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the GBA rom was written (with --save-compilation and no -o: the compilation was saved)</source>
        <translation>已写入 GBA ROM（使用 --save-compilation 且无 -o 时：已保存合集）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the build was refused or failed; one sentence on standard error, after &quot;romweaver-build: &quot;, says why</source>
        <translation>生成被拒绝或失败；标准错误输出中“romweaver-build: ”之后的一句话说明原因</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a usage error (an unknown option, no -o, no ROM, options that do not go together); the usage lines follow the sentence</source>
        <translation>用法错误（未知选项、缺少 -o、没有 ROM、互不兼容的选项）；其后附有用法说明</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Files:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Example:</source>
        <translation>示例：</translation>
    </message>
</context>
<context>
    <name>cli::CommandMessages</name>
    <message>
        <location filename="../cli/CommandMessages.cpp" line="+20"/>
        <source>adding base rom tessel.gba...</source>
        <translation>正在添加模拟器 ROM tessel.gba...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding menu script...</source>
        <translation>正在添加菜单脚本...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>adding nes rom %1...</source>
        <translation>正在添加 NES ROM %1...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 already exists and is not a GBA rom made with %2, so the GBA rom was not written; give --force to replace it</source>
        <translation>%1 已存在，且不是用 %2 生成的 GBA ROM，因此未写入 GBA ROM；如需替换，请使用 --force</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not an iNES rom; give --allow-non-rom to write it all the same (its bytes 4 and 5 may then be changed to fit its size)</source>
        <translation>%1 不是 iNES ROM；如仍要写入，请使用 --allow-non-rom（届时其第 4 和第 5 字节可能会被更改以符合其大小）</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>warning: %1 is not an iNES rom; its bytes 4 and 5 may be changed to fit its size</source>
        <translation>警告：%1 不是 iNES ROM；其第 4 和第 5 字节可能会被更改以符合其大小</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>cannot open file %1</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>无法读取文件 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>无法读取 %2 的第 %1 字节</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>无法写入文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>无法创建锁文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>无法获取文件 %1 的大小</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>无法在文件 %1 中定位</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>无法关闭文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>无法识别文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>无法锁定文件 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>无法清空文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>无法替换 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>无法将 %1 复制到 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>无法修复 %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>另一个程序正在使用该文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>这不是普通文件（而是文件夹、设备、管道或套接字）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>文件提前结束</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>文件提前结束，还缺少 %1 字节</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>其中的 ROM 提前结束，还缺少 %1 字节</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>文件在生成检查之后被更改</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>读取期间文件被更改</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 中没有 NES ROM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 中有 %2 个 NES ROM；Romweaver 每个压缩包只取一个 ROM</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 已加密</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 已损坏：%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 不是 %2 压缩包</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 过大，无法读取：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>无法读取合集 %1：%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>无法写入合集 %1：%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 不是 Romweaver 合集：%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1 由较新版本的 Romweaver 保存（格式版本 %2）；此版本只能读取 %3 及以下的格式版本</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <comment>what was done to a file: why it failed</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the menu line of %1 holds a line break; a menu line has to stay on one line, so rename the file or give it another title</source>
        <translation>%1 的菜单行中含有换行符；菜单行必须保持在一行内，请重命名该文件或为其另取标题</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 是生成 GBA ROM 所用的文件之一</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 是 Romweaver 保存设置的文件</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 是 Romweaver 的日志</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 不是普通文件（而是文件夹、设备、管道或套接字）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>另一个生成正在写入 %1；请在其完成后重试</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>意外错误</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the GBA rom was not written: %1</source>
        <translation>未写入 GBA ROM：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the GBA rom was not written:</source>
        <translation>未写入 GBA ROM：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>warning: the GBA rom will be %1 KB, more than the %2 KB a GBA cartridge holds</source>
        <translation>警告：GBA ROM 将为 %1 KB，超过 GBA 卡带可容纳的 %2 KB</translation>
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
        <translation>完整</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cut to the size its header declares</source>
        <translation>截断为文件头声明的大小</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its header to be repaired</source>
        <translation>文件头待修复</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>%1 of %2 used by %n rom</source>
        <translation>
            <numerusform>%n 个 ROM 占用 %2 中的 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %2 used by %n roms</source>
        <translation>
            <numerusform>%n 个 ROM 占用 %2 中的 %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1 and the menu: %2</source>
        <translation>%1 和菜单：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, %3</source>
        <translation>%1：%2，%3</translation>
    </message>
</context>
<context>
    <name>wizard::CompilationMenu</name>
    <message>
        <location filename="../wizard/CompilationMenu.cpp" line="+22"/>
        <source>Romweaver compilations (*.%1)</source>
        <translation>Romweaver 合集 (*.%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+12"/>
        <source>Compilation</source>
        <translation>合集</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or save a compilation (%1, %2)</source>
        <translation>打开或保存合集（%1、%2）</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open compilation…</source>
        <translation>打开合集…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save compilation…</source>
        <translation>保存合集…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save compilation as…</source>
        <translation>合集另存为…</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Open compilation</source>
        <translation>打开合集</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save compilation</source>
        <translation>保存合集</translation>
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
        <translation>错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <location filename="../wizard/controls/MessageBoxes.h" line="+46"/>
        <source>Unexpected error</source>
        <translation>意外错误</translation>
    </message>
</context>
<context>
    <name>wizard::MessageTexts</name>
    <message>
        <location filename="../wizard/MessageTexts.cpp" line="+31"/>
        <source>cannot open file %1</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read file %1</source>
        <translation>无法读取文件 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot read byte %1 of %2</source>
        <translation>无法读取 %2 的第 %1 字节</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write file %1</source>
        <translation>无法写入文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create file %1</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create lock file %1</source>
        <translation>无法创建锁文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot create directory %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot measure file %1</source>
        <translation>无法获取文件 %1 的大小</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot seek in file %1</source>
        <translation>无法在文件 %1 中定位</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot close file %1</source>
        <translation>无法关闭文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot identify file %1</source>
        <translation>无法识别文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot lock file %1</source>
        <translation>无法锁定文件 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot empty file %1</source>
        <translation>无法清空文件 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot replace %1</source>
        <translation>无法替换 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot copy %1 to %2</source>
        <translation>无法将 %1 复制到 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot repair %1</source>
        <translation>无法修复 %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is in use by another program</source>
        <translation>另一个程序正在使用该文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>这不是普通文件（而是文件夹、设备、管道或套接字）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it ended early</source>
        <translation>文件提前结束</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it ended before %1 more bytes</source>
        <translation>文件提前结束，还缺少 %1 字节</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its rom ended before %1 more bytes</source>
        <translation>其中的 ROM 提前结束，还缺少 %1 字节</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it changed after the build checked it</source>
        <translation>文件在生成检查之后被更改</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was read</source>
        <translation>读取期间文件被更改</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds no NES rom</source>
        <translation>%1 中没有 NES ROM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 NES roms; Romweaver takes one rom per archive</source>
        <translation>%1 中有 %2 个 NES ROM；Romweaver 每个压缩包只取一个 ROM</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is encrypted</source>
        <translation>%1 已加密</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is damaged: %2</source>
        <translation>%1 已损坏：%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a %2 archive</source>
        <translation>%1 不是 %2 压缩包</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is too large to read: %2</source>
        <translation>%1 过大，无法读取：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot read the compilation %1: %2</source>
        <translation>无法读取合集 %1：%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write the compilation %1: %2</source>
        <translation>无法写入合集 %1：%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a Romweaver compilation: %2</source>
        <translation>%1 不是 Romweaver 合集：%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was saved by a newer Romweaver (format version %2); this one reads versions up to %3</source>
        <translation>%1 由较新版本的 Romweaver 保存（格式版本 %2）；此版本只能读取 %3 及以下的格式版本</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No NES rom in this archive</source>
        <translation>此压缩包中没有 NES ROM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 NES roms in this archive; Romweaver takes one rom per archive</source>
        <translation>此压缩包中有 %1 个 NES ROM；Romweaver 每个压缩包只取一个 ROM</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Encrypted archive</source>
        <translation>压缩包已加密</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged archive: %1</source>
        <translation>压缩包已损坏：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not a %1 archive</source>
        <translation>不是 %1 压缩包</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Archive too large to read: %1</source>
        <translation>压缩包过大，无法读取：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Archive that cannot be read: %1</source>
        <translation>无法读取压缩包：%1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2</source>
        <comment>what was done to a file: why it failed</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the menu line of %1 holds a line break; a menu line has to stay on one line, so rename the file or give it another title</source>
        <translation>%1 的菜单行中含有换行符；菜单行必须保持在一行内，请重命名该文件或为其另取标题</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is one of the files it is made from</source>
        <translation>%1 是生成 GBA ROM 所用的文件之一</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the file Romweaver keeps its settings in</source>
        <translation>%1 是 Romweaver 保存设置的文件</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is Romweaver&apos;s build log</source>
        <translation>%1 是 Romweaver 的日志</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a regular file (a folder, a device, a pipe or a socket)</source>
        <translation>%1 不是普通文件（而是文件夹、设备、管道或套接字）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not an iNES rom</source>
        <translation>%1 不是 iNES ROM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>another build is writing in %1; try again when it has finished</source>
        <translation>另一个生成正在写入 %1；请在其完成后重试</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>unexpected error</source>
        <translation>意外错误</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The GBA rom was not written:</source>
        <translation>未写入 GBA ROM：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is unchanged.</source>
        <translation>%1 未被更改。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was written to %1.</source>
        <translation>未向 %1 写入任何内容。</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>and %n more.</source>
        <translation>
            <numerusform>另有 %n 项。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Another program was writing it and did not finish in time.</source>
        <translation>另一个程序正在写入该文件，且未能及时完成。</translation>
    </message>
</context>
<context>
    <name>wizard::SelectionWarnings</name>
    <message>
        <location filename="../wizard/SelectionWarnings.cpp" line="+28"/>
        <source>More than a GBA cartridge holds (%1 KB)</source>
        <translation>超出 GBA 卡带的容量（%1 KB）</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Not a regular file: a folder, a device, a pipe or a socket</source>
        <translation>不是普通文件：而是文件夹、设备、管道或套接字</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Missing: the file was moved, renamed or deleted</source>
        <translation>缺失：文件已被移动、重命名或删除</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked: another program has the file open</source>
        <translation>被锁定：另一个程序正在使用该文件</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No access: you may not read the file</source>
        <translation>无访问权限：没有读取该文件的权限</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Not an iNES rom</source>
        <translation>不是 iNES ROM</translation>
    </message>
</context>
<context>
    <name>wizard::Startup</name>
    <message>
        <location filename="../wizard/Startup.cpp" line="+32"/>
        <source>Cannot find Tessel.gba! Make sure it is installed in the same directory as Romweaver program. The program will be closed.</source>
        <translation>找不到 Tessel.gba！请确保它位于 Romweaver 程序所在的文件夹中。程序将关闭。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>When Romweaver is installed, put %1 into this directory instead:
%2</source>
        <translation>若 Romweaver 为安装版，请改将 %1 放入以下文件夹：
%2</translation>
    </message>
</context>
</TS>
