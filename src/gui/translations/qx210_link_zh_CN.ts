<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>qx210::PortWindow</name>
    <message>
        <source>Permission denied: add your user to the serial-port group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log in again.</source>
        <translation>无权打开此端口：请把当前用户加入串口用户组“dialout”（sudo usermod -aG dialout $USER），然后重新登录。</translation>
    </message>
    <message>
        <source>(selected)</source>
        <translation>（已选用）</translation>
    </message>
    <message>
        <source>USB vendor:product %1</source>
        <translation>USB 厂商:产品 %1</translation>
    </message>
    <message>
        <source>Serial number %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>Added under &quot;Other device…&quot;</source>
        <translation>由“其他设备…”添加</translation>
    </message>
    <message>
        <source>Other device</source>
        <translation>其他设备</translation>
    </message>
    <message>
        <source>Path of the serial device (a pseudo-terminal, or a link to one, will do).
Several paths separated by spaces, or a pattern such as /dev/ttyUSB*, add one slot each:</source>
        <translation>串口设备的路径（伪终端或指向伪终端的链接也可以）。
可填写多个路径（以空格分隔），或 /dev/ttyUSB* 这样的通配模式，每个设备各占一个端口位置：</translation>
    </message>
    <message>
        <source>There is no device %1. Nothing was added.</source>
        <translation>设备 %1 不存在，未添加任何设备。</translation>
    </message>
    <message>
        <source>%1 (%2) cannot be opened.</source>
        <translation>无法打开 %1（%2）。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove %1 from %2</source>
        <translation>从 %2 移除 %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>移除 %1</translation>
    </message>
    <message>
        <source>%1 is kept as %2, but cannot be opened now.</source>
        <translation>%1 已保存为 %2，但现在无法打开。</translation>
    </message>
    <message>
        <source>Other device…</source>
        <translation>其他设备…</translation>
    </message>
    <message><source>Com</source><translation>Com</translation></message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>显示详细信息...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>隐藏详细信息...</translation>
    </message>
</context>
<context>
    <name>qx210::ProductionWindow</name>
    <message>
        <source>Program several radios</source>
        <translation>同时写多台对讲机</translation>
    </message>
    <message>
        <source>Tick the ports with a radio:</source>
        <translation>勾选连接了对讲机的端口：</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Last radio</source>
        <translation>上一台对讲机</translation>
    </message>
    <message>
        <source>Read each radio back and compare</source>
        <translation>写入后回读并核对</translation>
    </message>
    <message>
        <source>After each radio, wait on its port for the next one</source>
        <translation>每台写完后，在该端口等待下一台</translation>
    </message>
    <message>
        <source>Log file (CSV):</source>
        <translation>记录文件（CSV）：</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Passed: %1    Failed: %2</source>
        <translation>成功：%1    失败：%2</translation>
    </message>
    <message>
        <source>Image: the open document, band %1</source>
        <translation>数据：当前打开的文档，频段 %1</translation>
    </message>
    <message>
        <source>Image: the open document</source>
        <translation>数据：当前打开的文档</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>记录文件</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Tick the ports with a radio first.</source>
        <translation>请先勾选连接了对讲机的端口。</translation>
    </message>
    <message>
        <source>There is no image to write.</source>
        <translation>没有可写入的数据。</translation>
    </message>
    <message>
        <source>The log file %1 cannot be written: %2</source>
        <translation>无法写入记录文件 %1：%2</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>writing %1 %</source>
        <translation>写入中 %1 %</translation>
    </message>
    <message>
        <source>verifying %1 %</source>
        <translation>核对中 %1 %</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>The log file %1 cannot be written any more.</source>
        <translation>记录文件 %1 已无法继续写入。</translation>
    </message>
    <message>
        <source>Radios are being programmed. Stop when the radios under way are done, and close the window?</source>
        <translation>正在写频。等正在写的对讲机完成后停止，并关闭窗口吗？</translation>
    </message>
</context>
<context>
    <name>qx210::WindowLink</name>
    <message>
        <source>The main window is using %1 with a radio; start when it has finished.</source>
        <translation>主窗口正在通过 %1 与对讲机通信；请在通信结束后再开始。</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <source>An exchange with the radio is under way; test the connection when it has finished.</source>
        <translation>正在与对讲机通信；请在通信结束后再测试连接。</translation>
    </message>
    <message>
        <source>Several radios are being programmed; test the connection when the run has ended.</source>
        <translation>正在同时写多台对讲机；请在结束后再测试连接。</translation>
    </message>
    <message>
        <source>No port has been chosen yet: choose one under Settings, &quot;Communication port&quot;.</source>
        <translation>尚未选择端口：请在“设置”菜单的“通信端口”中选择。</translation>
    </message>
    <message>
        <source>Testing the connection on %1…</source>
        <translation>正在测试 %1 上的连接…</translation>
    </message>
    <message>
        <source>Port tested: %1</source>
        <translation>测试的端口：%1</translation>
    </message>
</context>
<context>
    <name>qx210::MessageBoxPrompts</name>
    <message>
        <source>Port: %1</source>
        <translation>端口：%1</translation>
    </message>
    <message>
        <source>What was seen: %1</source>
        <translation>详细情况：%1</translation>
    </message>
</context>
<context>
    <name>qx210::ExchangeStatus</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop the exchange (Esc): the radio is told to end, the document stays as it is</source>
        <translation>停止通信（Esc）：通知对讲机结束，当前文档保持不变</translation>
    </message>
    <message>
        <source>Reading from the radio on %1</source>
        <translation>正在从 %1 上的对讲机读频</translation>
    </message>
    <message>
        <source>Writing to the radio on %1</source>
        <translation>正在向 %1 上的对讲机写频</translation>
    </message>
    <message>
        <source>waiting for the radio to answer</source>
        <translation>等待对讲机应答</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>The exchange failed: %1</source>
        <translation>通信失败：%1</translation>
    </message>
    <message>
        <source>Read stopped at %1 %; the radio was told to end and the document is unchanged.</source>
        <translation>读频在 %1% 处停止；已通知对讲机结束，文档未改变。</translation>
    </message>
    <message>
        <source>Write stopped at %1 %; the radio was told to end and holds part of this document: write it again before using the radio.</source>
        <translation>写频在 %1% 处停止；已通知对讲机结束，对讲机中只有本文档的一部分：使用前请重新写频。</translation>
    </message>
    <message>
        <source>%1  %2  (port %3)</source>
        <translation>%1  %2（端口 %3）</translation>
    </message>
</context>
<context>
    <name>qx210::SerialLink</name>
    <message>
        <source>The device was removed.</source>
        <translation>设备已被拔出。</translation>
    </message>
</context>
</TS>
