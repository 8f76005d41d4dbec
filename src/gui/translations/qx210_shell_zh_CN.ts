<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>qx210::MainWindow</name>
    <message><source>ZERATH QX-210 Radio Software V1.80</source><translation>ZERATH QX-210 写频软件 V1.80</translation></message>
    <message><source>File(&amp;F)</source><translation>文件(&amp;F)</translation></message>
    <message><source>New(&amp;N)</source><translation>新建(&amp;N)</translation></message>
    <message><source>Open(&amp;O)</source><translation>打开(&amp;O)</translation></message>
    <message><source>Save(&amp;S)</source><translation>保存(&amp;S)</translation></message>
    <message><source>Exit(&amp;Q)</source><translation>退出(&amp;Q)</translation></message>
    <message><source>Programming(&amp;P)</source><translation>编程(&amp;P)</translation></message>
    <message><source>Read From Radio(&amp;R)</source><translation>读频(&amp;R)</translation></message>
    <message><source>Write To Radio(&amp;W)</source><translation>写频(&amp;W)</translation></message>
    <message><source>&amp;Optional function </source><translation>可选功能</translation></message>
    <message><source>&amp;Keys Assigment </source><translation>键设定</translation></message>
    <message><source>&amp;Embedded Message</source><translation>嵌入信息</translation></message>
    <message><source>Debug Parameters(&amp;D)</source><translation>调试(&amp;D)</translation></message>
    <message><source>&amp;Test Frequency</source><translation>测试频率</translation></message>
    <message><source>Settings(&amp;S)</source><translation>设置(&amp;S)</translation></message>
    <message><source>Lock(&amp;L)</source><translation>锁定(&amp;L)</translation></message>
    <message><source>Communication port(&amp;V)</source><translation>通信端口(&amp;V)</translation></message>
    <message><source>&amp;Test connection…</source><translation>测试连接(&amp;T)…</translation></message>
    <message><source>Program &amp;several radios…</source><translation>同时写多台对讲机(&amp;S)…</translation></message>
    <message><source>Languages(&amp;L)</source><translation>语言选择(&amp;L)</translation></message>
    <message><source>&amp;Chinese</source><translation>中文</translation></message>
    <message><source>&amp;English</source><translation>英文</translation></message>
    <message><source>Help(&amp;H)</source><translation>帮助(&amp;H)</translation></message>
    <message><source>The &amp;help topic  F1 </source><translation>帮助主题  F1</translation></message>
    <message><source>&amp;About</source><translation>关于</translation></message>
    <message><source>Leave the debug parameter mode</source><translation>退出调试参数模式</translation></message>
    <message><source>Leave the band override</source><translation>退出频段解锁模式</translation></message>
    <message><source>New</source><translation>新建</translation></message>
    <message><source>Open</source><translation>打开</translation></message>
    <message><source>Save</source><translation>保存</translation></message>
    <message><source>Read frequency</source><translation>读频</translation></message>
    <message><source>Write frequency</source><translation>写频</translation></message>
    <message><source>&amp;Recent Files</source><translation>最近的文件(&amp;R)</translation></message>
    <message><source>Save &amp;As…</source><translation>另存为(&amp;A)…</translation></message>
    <message><source>Restore from &amp;backup…</source><translation>从备份恢复(&amp;B)…</translation></message>
    <message><source>Open backup &amp;folder</source><translation>打开备份文件夹(&amp;F)</translation></message>
    <message><source>Edit(&amp;E)</source><translation>编辑(&amp;E)</translation></message>
    <message><source>1 channel</source><translation>1 个信道</translation></message>
    <message><source>%1 channels</source><translation>%1 个信道</translation></message>
    <message><source>1 setting</source><translation>1 项设置</translation></message>
    <message><source>%1 settings</source><translation>%1 项设置</translation></message>
    <message><source>Nothing differs from what was last read from the radio.</source><translation>与上次从对讲机读出的数据相比，没有不同。</translation></message>
    <message><source>%1 and %2 differ from what was last read from the radio.</source><translation>与上次从对讲机读出的数据相比，有%1和%2不同。</translation></message>
    <message><source>Nothing differs from what was last written to the radio.</source><translation>与上次写入对讲机的数据相比，没有不同。</translation></message>
    <message><source>%1 and %2 differ from what was last written to the radio.</source><translation>与上次写入对讲机的数据相比，有%1和%2不同。</translation></message>
    <message><source>The radio has not been read in this run, so what will change in it is not known.</source><translation>本次运行中尚未读取过对讲机，无法得知写入会改变哪些内容。</translation></message>
    <message><source>Write to the radio on %1?</source><translation>写入连接在 %1 上的对讲机吗？</translation></message>
    <message><source>The radio is being read or written. Stop and exit?</source><translation>正在读写对讲机。要停止并退出吗？</translation></message>
    <message><source>Several radios are being programmed. Stop them and exit?</source><translation>正在同时写多台对讲机。要停止并退出吗？</translation></message>
    <message><source>&amp;Import channels (CSV)…</source><translation>导入信道 (CSV)(&amp;I)…</translation></message>
    <message><source>New from channel p&amp;lan…</source><translation>按信道方案新建(&amp;L)…</translation></message>
    <message><source>&amp;Export channels (CSV)…</source><translation>导出信道 (CSV)(&amp;E)…</translation></message>
    <message><source>Export channel s&amp;heet…</source><translation>导出信道表(&amp;H)…</translation></message>
    <message><source>&amp;Print…</source><translation>打印(&amp;P)…</translation></message>
</context>
<context>
    <name>qx210::ChannelTableModel</name>
    <message><source>CH</source><translation>信道</translation></message>
    <message><source>RX frequency</source><translation>接收频率</translation></message>
    <message><source>QT/DQT</source><translation>亚音频</translation></message>
    <message><source>TX frequency</source><translation>发射频率</translation></message>
    <message><source>Power</source><translation>功率</translation></message>
    <message><source>BCLO</source><translation>禁发</translation></message>
    <message><source>W/N</source><translation>宽\窄带</translation></message>
    <message><source>Scan Add</source><translation>扫描添加</translation></message>
</context>
<context>
    <name>qx210::ModelFrame</name>
    <message><source>Model</source><translation>机型选择</translation></message>
    <message><source>Range</source><translation>频段</translation></message>
</context>
<context>
    <name>qx210::SettingsPanel</name>
    <message><source>Functions Setting</source><translation>功能设置</translation></message>
    <message><source>Voice Notice:</source><translation>语言通知</translation></message>
    <message><source>Time-out Timer:</source><translation>发射超时</translation></message>
    <message><source>TOT Pre-Alert:</source><translation>发射超时预警</translation></message>
    <message><source>Squelch Level:</source><translation>静噪等级</translation></message>
    <message><source>Battery Save:</source><translation>省电</translation></message>
    <message><source>Beep:</source><translation>提示音</translation></message>
    <message><source>Radio Switch:</source><translation>收音机开关</translation></message>
</context>
<context>
    <name>qx210::FileCommands</name>
    <message><source>Save changes?</source><translation>是否保存更改？</translation></message>
    <message><source>The file "%1" is not a data file of this program (it holds fewer than 848 bytes). Nothing was changed.</source><translation>文件“%1”不是本软件的数据文件（不足 848 字节），未作任何改动。</translation></message>
    <message><source>The file "%1" cannot be read.</source><translation>无法读取文件“%1”。</translation></message>
    <message><source>This does not look like a QX-210 data file. Open anyway?</source><translation>这看起来不是 QX-210 的数据文件。仍要打开吗？</translation></message>
    <message><source>The file "%1" cannot be saved. An existing file was left as it was.</source><translation>无法保存文件“%1”，原有文件保持不变。</translation></message>
    <message><source>The image read from the radio could not be backed up: %1</source><translation>从对讲机读出的数据未能备份：%1</translation></message>
    <message><source>The file "%1" is read-only. Replace it anyway?</source><translation>文件“%1”是只读的。仍要替换它吗？</translation></message>
    <message><source>What the file "%1" holds now cannot be backed up:
%2
Save over it anyway?</source><translation>文件“%1”现有的内容无法备份：
%2
仍要覆盖保存吗？</translation></message>
</context>
<context>
    <name>qx210::DocumentHistory</name>
    <message><source>Channel Edit</source><translation>信道编辑</translation></message>
    <message><source>Channel Changes</source><translation>信道修改</translation></message>
    <message><source>New</source><translation>新建</translation></message>
    <message><source>Band Change</source><translation>频段更改</translation></message>
    <message><source>Function Setting</source><translation>功能设置</translation></message>
    <message><source>Optional Functions</source><translation>可选功能</translation></message>
    <message><source>Key Assignment</source><translation>键设定</translation></message>
    <message><source>Embedded Message</source><translation>嵌入信息</translation></message>
    <message><source>Debug Parameters</source><translation>调试参数</translation></message>
    <message><source>Test Frequencies</source><translation>测试频率</translation></message>
    <message><source>Open</source><translation>打开</translation></message>
    <message><source>Read From Radio</source><translation>读频</translation></message>
    <message><source>Import</source><translation>导入</translation></message>
    <message><source>&amp;Undo %1</source><translation>撤销%1(&amp;U)</translation></message>
    <message><source>&amp;Undo</source><translation>撤销(&amp;U)</translation></message>
    <message><source>&amp;Redo %1</source><translation>重做%1(&amp;R)</translation></message>
    <message><source>&amp;Redo</source><translation>重做(&amp;R)</translation></message>
</context>
<context>
    <name>qx210::ChannelSheet</name>
    <message><source>Band: %1</source><translation>频段：%1</translation></message>
    <message><source>Date: %1</source><translation>日期：%1</translation></message>
    <message><source>Voice Notice:</source><translation>语言通知</translation></message>
    <message><source>Time-out Timer:</source><translation>发射超时</translation></message>
    <message><source>Squelch Level:</source><translation>静噪等级</translation></message>
    <message><source>Battery Save:</source><translation>省电</translation></message>
    <message><source>Beep:</source><translation>提示音</translation></message>
    <message><source>Radio Switch:</source><translation>收音机开关</translation></message>
    <message><source>Embedded message:</source><translation>嵌入信息</translation></message>
</context>
<context>
    <name>qx210::ChannelGrid</name>
    <message><source>Channels</source><translation>信道表</translation></message>
    <message><source>%1, channel %2</source><translation>%1，信道 %2</translation></message>
    <message><source>Cu&amp;t Channels</source><translation>剪切信道(&amp;T)</translation></message>
    <message><source>&amp;Copy</source><translation>复制(&amp;C)</translation></message>
    <message><source>&amp;Paste</source><translation>粘贴(&amp;P)</translation></message>
    <message><source>&amp;Delete Channels</source><translation>删除信道(&amp;D)</translation></message>
    <message><source>Mo&amp;ve Up</source><translation>上移(&amp;V)</translation></message>
    <message><source>Move Do&amp;wn</source><translation>下移(&amp;W)</translation></message>
    <message><source>Select &amp;All</source><translation>全选(&amp;A)</translation></message>
    <message><source>The copied value does not fit this column.</source><translation>复制的值不适用于这一列。</translation></message>
    <message><source>The clipboard holds no channels to paste.</source><translation>剪贴板中没有可粘贴的信道。</translation></message>
    <message><source>Some rows were not pasted:</source><translation>以下各行未粘贴：</translation></message>
</context>
<context>
    <name>qx210::ChannelListCommands</name>
    <message><source>Channel lists (*.csv *.CSV *.txt)</source><translation>信道列表 (*.csv *.CSV *.txt)</translation></message>
    <message><source>The file "%1" cannot be read.</source><translation>无法读取文件“%1”。</translation></message>
    <message><source>The file "%1" is not a channel list: %2</source><translation>文件“%1”不是信道列表：%2</translation></message>
    <message><source>Channel lists (*.csv)</source><translation>信道列表 (*.csv)</translation></message>
    <message><source>The file "%1" cannot be saved. An existing file was left as it was.</source><translation>无法保存文件“%1”，原有文件保持不变。</translation></message>
    <message><source>%1 channels were exported to "%2".</source><translation>已将 %1 个信道导出到“%2”。</translation></message>
    <message><source>Channel sheets (*.pdf *.html)</source><translation>信道表 (*.pdf *.html)</translation></message>
</context>
<context>
    <name>qx210::ImportPreviewDialog</name>
    <message><source>Import channels</source><translation>导入信道</translation></message>
    <message><source>%1: %2 rows go to channels, %3 are not imported.</source><translation>%1：%2 行将导入信道，%3 行不导入。</translation></message>
    <message><source>Line</source><translation>行</translation></message>
    <message><source>Channel</source><translation>信道</translation></message>
    <message><source>Result</source><translation>结果</translation></message>
    <message><source>imported</source><translation>导入</translation></message>
    <message><source>left over: no channel is free for it</source><translation>多余：没有空闲信道</translation></message>
    <message><source>Import</source><translation>导入</translation></message>
    <message><source>Cancel</source><translation>取消</translation></message>
    <message><source>&amp;Replace all channels</source><translation>替换全部信道(&amp;R)</translation></message>
    <message><source>&amp;Merge into these channels</source><translation>合并到这些信道(&amp;M)</translation></message>
    <message><source>C&amp;hannels:</source><translation>信道(&amp;H)：</translation></message>
    <message><source>Channels now and after the import</source><translation>导入前后的信道</translation></message>
    <message><source>Now</source><translation>现在</translation></message>
    <message><source>After the import</source><translation>导入后</translation></message>
    <message><source>R&amp;ows of the file:</source><translation>文件中的行(&amp;O)：</translation></message>
    <message><source>Rows of the file</source><translation>文件中的行</translation></message>
</context>
<context>
    <name>qx210::ChannelPlanDialog</name>
    <message><source>New from channel plan</source><translation>按信道方案新建</translation></message>
    <message><source>&amp;Plans:</source><translation>方案(&amp;P)：</translation></message>
    <message><source>Plans</source><translation>方案</translation></message>
    <message><source>%1 (your own)</source><translation>%1（自己的）</translation></message>
    <message><source>Your licence and local rules decide which frequencies and powers a radio may use.</source><translation>对讲机可以使用哪些频率和功率，由您的执照和当地法规决定。</translation></message>
    <message><source>C&amp;hannels of the plan:</source><translation>方案中的信道(&amp;H)：</translation></message>
    <message><source>Channels of the plan</source><translation>方案中的信道</translation></message>
    <message><source>Your own plans (CSV channel lists) go in: %1</source><translation>您自己的方案（CSV 信道列表）请放在：%1</translation></message>
    <message><source>&amp;Open folder</source><translation>打开文件夹(&amp;O)</translation></message>
    <message><source>Create channels</source><translation>创建信道</translation></message>
    <message><source>Cancel</source><translation>取消</translation></message>
    <message><source>No channel plan was found. Put CSV channel lists in the folder below.</source><translation>没有找到信道方案。请将 CSV 信道列表放入下面的文件夹。</translation></message>
    <message><source>The selected band %1 holds this plan.</source><translation>当前频段 %1 可以容纳此方案。</translation></message>
    <message><source>This plan needs the band %1; the selected band is %2. Choose that band in the band list first.</source><translation>此方案需要 %1 频段，当前频段是 %2。请先在频段列表中选择该频段。</translation></message>
    <message><source>%1 rows of this plan cannot be imported into the band %2; they are left out:
%3</source><translation>此方案有 %1 行无法导入 %2 频段，将不导入：
%3</translation></message>
    <message><source>The folder &quot;%1&quot; cannot be opened.</source><translation>无法打开文件夹“%1”。</translation></message>
</context>
</TS>
