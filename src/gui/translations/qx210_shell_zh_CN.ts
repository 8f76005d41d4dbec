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
    <message><source>Optional function </source><translation>可选功能</translation></message>
    <message><source>Keys Assigment </source><translation>键设定</translation></message>
    <message><source>Embedded Message</source><translation>嵌入信息</translation></message>
    <message><source>Debug Parameters(&amp;D)</source><translation>调试(&amp;D)</translation></message>
    <message><source>Test Frequency</source><translation>测试频率</translation></message>
    <message><source>Settings(&amp;S)</source><translation>设置(&amp;S)</translation></message>
    <message><source>Lock(&amp;L)</source><translation>锁定(&amp;L)</translation></message>
    <message><source>Communication port(&amp;V)</source><translation>通信端口(&amp;V)</translation></message>
    <message><source>Test connection…</source><translation>测试连接…</translation></message>
    <message><source>Program several radios…</source><translation>同时写多台对讲机…</translation></message>
    <message><source>Languages(&amp;L)</source><translation>语言选择(&amp;L)</translation></message>
    <message><source>Chinese</source><translation>中文</translation></message>
    <message><source>English</source><translation>英文</translation></message>
    <message><source>Help(&amp;H)</source><translation>帮助(&amp;H)</translation></message>
    <message><source>The help topic  F1 </source><translation>帮助主题  F1</translation></message>
    <message><source>About</source><translation>关于</translation></message>
    <message><source>New</source><translation>新建</translation></message>
    <message><source>Open</source><translation>打开</translation></message>
    <message><source>Save</source><translation>保存</translation></message>
    <message><source>Read frequency</source><translation>读频</translation></message>
    <message><source>Write frequency</source><translation>写频</translation></message>
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
</TS>
