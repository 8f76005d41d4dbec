<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>qx210::FormCOM</name>
    <message>
        <source>Permission denied: add your user to the serial-port group &quot;dialout&quot; (sudo usermod -aG dialout $USER), then log in again.</source>
        <translation>无权打开此端口：请把当前用户加入串口用户组“dialout”（sudo usermod -aG dialout $USER），然后重新登录。</translation>
    </message>
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
</TS>
