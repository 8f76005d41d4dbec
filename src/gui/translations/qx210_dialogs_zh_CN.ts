<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>qx210::OptionalFunctionsDialog</name>
    <message>
        <source>Optional Function</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Look Back Time A[S]</source>
        <translation>回扫时间A[秒]</translation>
    </message>
    <message>
        <source>Look Back Time B[S]</source>
        <translation>回扫时间B[秒]</translation>
    </message>
    <message>
        <source>Revert channel</source>
        <translation>返回信道</translation>
    </message>
    <message>
        <source>Dropout delay time[S]</source>
        <translation>扫描接收恢复延时时间(秒)</translation>
    </message>
    <message>
        <source>TX Dwell time[S]</source>
        <translation>扫描发射恢复延时时间(秒)</translation>
    </message>
    <message>
        <source>VOX Function</source>
        <translation>VOX功能</translation>
    </message>
    <message>
        <source>VOX Gain Level</source>
        <translation>VOX增益电平</translation>
    </message>
    <message>
        <source>VOX Delay time[S]</source>
        <translation>VOX延迟时间</translation>
    </message>
    <message>
        <source>VOX Proceed Tone</source>
        <translation>VOX可进行音调</translation>
    </message>
    <message>
        <source>Cancel Operation</source>
        <translation>取消操作</translation>
    </message>
    <message>
        <source>VOX Inhibit On Reveive</source>
        <translation>接收时禁止VOX</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qx210::KeyAssignmentDialog</name>
    <message>
        <source>Keys Set</source>
        <translation>键设定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qx210::EmbeddedMessageDialog</name>
    <message>
        <source>Embedded Information</source>
        <translation>嵌入信息</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>第 1 行</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>第 2 行</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qx210::DebugParametersDialog</name>
    <message>
        <source>Debug Parameters</source>
        <translation>调试参数</translation>
    </message>
    <message>
        <source>TX-High Power</source>
        <translation>发射高功率</translation>
    </message>
    <message>
        <source>TX-Low Power</source>
        <translation>发射低功率</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>High</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>qx210::TestFrequencyDialog</name>
    <message>
        <source>Test Frequency</source>
        <translation>测试频率</translation>
    </message>
    <message>
        <source>Test frequencies</source>
        <translation>测试频率表</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>频道</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qx210::AboutDialog</name>
    <message>
        <source>ZERATH QX-210 Software</source>
        <translation>ZERATH QX-210 写频软件</translation>
    </message>
    <message>
        <source>Edition 1.8.0</source>
        <translation>版本 1.8.0</translation>
    </message>
    <message>
        <source>ZERATH Radio</source>
        <translation>ZERATH 无线电</translation>
    </message>
    <message>
        <source>Programming software for the QX-210 two-way radio</source>
        <translation>QX-210 对讲机写频软件</translation>
    </message>
    <message>
        <source>Copyright (C) ZERATH Radio. All rights reserved.</source>
        <translation>版权所有 (C) ZERATH 无线电。保留所有权利。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
