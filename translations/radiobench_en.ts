<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>RadioBench</name>
    <message>
        <source>文件标记</source>
        <translation>File mark</translation>
    </message>
    <message>
        <source>读取基本参数</source>
        <translation>Read basic parameters</translation>
    </message>
    <message>
        <source>更改基本参数</source>
        <translation>Change basic parameters</translation>
    </message>
    <message>
        <source>全部读取</source>
        <translation>Read all</translation>
    </message>
    <message>
        <source>全部改写</source>
        <translation>Write all</translation>
    </message>
    <message>
        <source>单元记录</source>
        <translation>Unit records</translation>
    </message>
    <message>
        <source>自动测试</source>
        <translation>Auto test</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>读取频段</source>
        <translation>Read band</translation>
    </message>
    <message>
        <source>改写频段</source>
        <translation>Write band</translation>
    </message>
    <message>
        <source>读取监测参数</source>
        <translation>Read monitoring parameters</translation>
    </message>
    <message>
        <source>打开电台发射</source>
        <translation>Turn radio TX on</translation>
    </message>
    <message>
        <source>关闭电台发射</source>
        <translation>Turn radio TX off</translation>
    </message>
    <message>
        <source>当前未选择机器类型</source>
        <translation>No machine type selected</translation>
    </message>
    <message>
        <source>初始化机型</source>
        <translation>Initialize model</translation>
    </message>
    <message>
        <source>设置序号范围</source>
        <translation>Set serial number range</translation>
    </message>
    <message>
        <source>工装测试</source>
        <translation>Fixture test</translation>
    </message>
    <message>
        <source>普通测试</source>
        <translation>Normal test</translation>
    </message>
    <message>
        <source>收发互测</source>
        <translation>TX/RX mutual test</translation>
    </message>
    <message>
        <source>LM%1D数字手持机UHF%2~%3MHz		</source>
        <translation>LM%1D digital handheld UHF %2~%3MHz		</translation>
    </message>
    <message>
        <source>LM%1D数字手持机VHF%2~%3MHz</source>
        <translation>LM%1D digital handheld VHF %2~%3MHz</translation>
    </message>
    <message>
        <source>LM%1T数字手持机UHF%2~%3MHz（列调型）</source>
        <translation>LM%1T digital handheld UHF %2~%3MHz (train dispatch type)</translation>
    </message>
    <message>
        <source>LM%1T数字手持机VHF%2~%3MHz</source>
        <translation>LM%1T digital handheld VHF %2~%3MHz</translation>
    </message>
    <message>
        <source>LM%1C数字手持机UHF%2~%3MHz（无中心控制）</source>
        <translation>LM%1C digital handheld UHF %2~%3MHz (no central control)</translation>
    </message>
    <message>
        <source>LM%1P PTTID手持机UHF%2~%3MHz</source>
        <translation>LM%1P PTTID handheld UHF %2~%3MHz</translation>
    </message>
    <message>
        <source>LM%1G数字手持机UHF%2~%3MHz（集群型）</source>
        <translation>LM%1G digital handheld UHF %2~%3MHz (trunking type)</translation>
    </message>
    <message>
        <source>LM%1D车台UHF%2~%3MHz</source>
        <translation>LM%1D vehicle radio UHF %2~%3MHz</translation>
    </message>
    <message>
        <source>LM%1D车台VHF%2~%3MHz</source>
        <translation>LM%1D vehicle radio VHF %2~%3MHz</translation>
    </message>
    <message>
        <source>LM%1S船台VHF%2~%3MHz</source>
        <translation>LM%1S ship station VHF %2~%3MHz</translation>
    </message>
    <message>
        <source>LM%1船台VHF%2~%3MHz</source>
        <translation>LM%1 ship station VHF %2~%3MHz</translation>
    </message>
    <message>
        <source>请选择机器类型!</source>
        <translation>Please select the machine type!</translation>
    </message>
    <message>
        <source>生产年份输入不正确,请输入%1位年份!</source>
        <translation>Invalid production year, please enter a %1-digit year!</translation>
    </message>
    <message>
        <source>生产批次输入不正确,请输入%1位数字!</source>
        <translation>Invalid production batch, please enter %1 digit!</translation>
    </message>
    <message>
        <source>产品序号输入不正确,请设为%1-%2!</source>
        <translation>Invalid product serial number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>序号范围输入不正确,请设为%1-%2!</source>
        <translation>Invalid serial number range, set it to %1-%2!</translation>
    </message>
    <message>
        <source>产品序号不在设置范围内!</source>
        <translation>Product serial number is not within the set range!</translation>
    </message>
    <message>
        <source>初始化机型成功</source>
        <translation>Model initialization succeeded</translation>
    </message>
    <message>
        <source>读取机型和版本信息成功</source>
        <translation>Model and version info read succeeded</translation>
    </message>
    <message>
        <source>功率控制A%1</source>
        <translation>Power control A%1</translation>
    </message>
    <message>
        <source>功率控制</source>
        <translation>Power control</translation>
    </message>
    <message>
        <source>提示音量</source>
        <translation>Prompt tone volume</translation>
    </message>
    <message>
        <source>平衡调制</source>
        <translation>Balanced modulation</translation>
    </message>
    <message>
        <source>静噪调节</source>
        <translation>Squelch adjustment</translation>
    </message>
    <message>
        <source>数字频偏</source>
        <translation>Digital deviation</translation>
    </message>
    <message>
        <source>模拟频偏</source>
        <translation>Analog deviation</translation>
    </message>
    <message>
        <source>灵敏度</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>频率调整</source>
        <translation>Frequency adjustment</translation>
    </message>
    <message>
        <source>* 频率%1</source>
        <translation>* Frequency %1</translation>
    </message>
    <message>
        <source>频率%1</source>
        <translation>Frequency %1</translation>
    </message>
    <message>
        <source>默认频率</source>
        <translation>Default frequency</translation>
    </message>
    <message>
        <source>测试频率</source>
        <translation>Test frequency</translation>
    </message>
    <message>
        <source>终端类型:生产测试(串口速率:%1)</source>
        <translation>Terminal type: production test (serial port baud rate: %1)</translation>
    </message>
    <message>
        <source>序号文件读取失败!(</source>
        <translation>Failed to read serial number file! (</translation>
    </message>
    <message>
        <source>序号文件锁定失败!(</source>
        <translation>Failed to lock serial number file! (</translation>
    </message>
    <message>
        <source>序号文件保存失败!(</source>
        <translation>Failed to save serial number file! (</translation>
    </message>
    <message>
        <source>切换频率成功</source>
        <translation>Frequency switch succeeded</translation>
    </message>
    <message>
        <source>全部数据读取成功!</source>
        <translation>All data read succeeded!</translation>
    </message>
    <message>
        <source>全部数据改写成功!</source>
        <translation>All data write succeeded!</translation>
    </message>
    <message>
        <source>基站编号设置错误,请设为%1-%2!</source>
        <translation>Invalid base station number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>基站频率表版本号错误,版本范围:%1.%2!</source>
        <translation>Invalid base station frequency table version, version range: %1.%2!</translation>
    </message>
    <message>
        <source>脱网信道频率设置不正确!</source>
        <translation>Invalid off-network channel frequency!</translation>
    </message>
    <message>
        <source>默认信道发射频率设置不正确!</source>
        <translation>Invalid default channel TX frequency!</translation>
    </message>
    <message>
        <source>默认信道接收频率设置不正确!</source>
        <translation>Invalid default channel RX frequency!</translation>
    </message>
    <message>
        <source>默认频率编号设置错误,请设为%1-%2!</source>
        <translation>Invalid default frequency number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>报警电话号码长度设置错误,请设为%1-%2!</source>
        <translation>Invalid alarm phone number length, set it to %1-%2!</translation>
    </message>
    <message>
        <source>身份码范围为:%1-%2,请重新输入!</source>
        <translation>Identity code range is %1-%2, please enter again!</translation>
    </message>
    <message>
        <source>密钥字</source>
        <translation>Key word</translation>
    </message>
    <message>
        <source>信道保持时间设置错误,请设为%1-%2!</source>
        <translation>Invalid channel hold time, set it to %1-%2!</translation>
    </message>
    <message>
        <source>点名超时周期设置错误,请设为%1-%2!</source>
        <translation>Invalid roll-call time-out period, set it to %1-%2!</translation>
    </message>
    <message>
        <source>PTT保持时间设置错误,请设为%1-%2!</source>
        <translation>Invalid PTT hold time, set it to %1-%2!</translation>
    </message>
    <message>
        <source>脱网超时周期设置错误,请设为%1-%2!</source>
        <translation>Invalid off-network time-out period, set it to %1-%2!</translation>
    </message>
    <message>
        <source>查询电台基本参数成功</source>
        <translation>Query of radio basic parameters succeeded</translation>
    </message>
    <message>
        <source>查询电台信道频率成功</source>
        <translation>Query of radio channel frequencies succeeded</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>脱网(</source>
        <translation>Off-network (</translation>
    </message>
    <message>
        <source>查询电台状态返回成功</source>
        <translation>Radio status query returned successfully</translation>
    </message>
    <message>
        <source>读取发射功率成功</source>
        <translation>TX power read succeeded</translation>
    </message>
    <message>
        <source>电台身份码设置成功</source>
        <translation>Radio identity code set successfully</translation>
    </message>
    <message>
        <source>电台基本参数设置成功</source>
        <translation>Radio basic parameters set successfully</translation>
    </message>
    <message>
        <source>信道间隔设置成功</source>
        <translation>Channel spacing set successfully</translation>
    </message>
    <message>
        <source>报警电话绑定设置成功</source>
        <translation>Alarm phone binding set successfully</translation>
    </message>
    <message>
        <source>加密功能设置成功</source>
        <translation>Encryption set successfully</translation>
    </message>
    <message>
        <source>调度时间参数设置成功</source>
        <translation>Dispatch timing parameters set successfully</translation>
    </message>
    <message>
        <source>电台信道频率设置成功</source>
        <translation>Radio channel frequencies set successfully</translation>
    </message>
    <message>
        <source>发射频率%1</source>
        <translation>TX frequency %1</translation>
    </message>
    <message>
        <source>接收频率%1</source>
        <translation>RX frequency %1</translation>
    </message>
    <message>
        <source>占名超时</source>
        <translation>Roll-call time-out</translation>
    </message>
    <message>
        <source>脱网超时</source>
        <translation>Off-network time-out</translation>
    </message>
    <message>
        <source>信道保持</source>
        <translation>Channel hold</translation>
    </message>
    <message>
        <source>PTT保持</source>
        <translation>PTT hold</translation>
    </message>
    <message>
        <source>基站频率表版本号A</source>
        <translation>Base station frequency table version A</translation>
    </message>
    <message>
        <source>基站频率表版本号B</source>
        <translation>Base station frequency table version B</translation>
    </message>
    <message>
        <source>基站编号A</source>
        <translation>Base station number A</translation>
    </message>
    <message>
        <source>身份信息</source>
        <translation>Identity info</translation>
    </message>
    <message>
        <source>默认频率编号</source>
        <translation>Default frequency number</translation>
    </message>
    <message>
        <source>脱网信道频率</source>
        <translation>Off-network channel frequency</translation>
    </message>
    <message>
        <source>默认信道发射频率</source>
        <translation>Default channel TX frequency</translation>
    </message>
    <message>
        <source>默认信道接收频率</source>
        <translation>Default channel RX frequency</translation>
    </message>
    <message>
        <source>基站编号B</source>
        <translation>Base station number B</translation>
    </message>
    <message>
        <source>报警电话号码类型</source>
        <translation>Alarm phone number type</translation>
    </message>
    <message>
        <source>报警电话</source>
        <translation>Alarm phone</translation>
    </message>
    <message>
        <source>加密选项</source>
        <translation>Encryption option</translation>
    </message>
    <message>
        <source>控制调度台</source>
        <translation>Control dispatch desk</translation>
    </message>
    <message>
        <source>业务调度台</source>
        <translation>Service dispatch desk</translation>
    </message>
    <message>
        <source>船台</source>
        <translation>Ship station</translation>
    </message>
    <message>
        <source>模拟船台</source>
        <translation>Analog ship station</translation>
    </message>
    <message>
        <source>电话号码</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>加密使能</source>
        <translation>Encryption enabled</translation>
    </message>
    <message>
        <source>加密禁止</source>
        <translation>Encryption disabled</translation>
    </message>
    <message>
        <source>定时读取电台数据</source>
        <translation>Read radio data periodically</translation>
    </message>
    <message>
        <source>读取电台数据</source>
        <translation>Read radio data</translation>
    </message>
    <message>
        <source>写录电台数据</source>
        <translation>Write radio data</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>身份码设置</source>
        <translation>Identity code settings</translation>
    </message>
    <message>
        <source>基站频率表版本号:</source>
        <translation>Base station frequency table version:</translation>
    </message>
    <message>
        <source>电台软件版本号:</source>
        <translation>Radio software version:</translation>
    </message>
    <message>
        <source>电台类型:</source>
        <translation>Radio type:</translation>
    </message>
    <message>
        <source>基站编号:</source>
        <translation>Base station number:</translation>
    </message>
    <message>
        <source>身份信息:</source>
        <translation>Identity info:</translation>
    </message>
    <message>
        <source>信道间隔及默认频率</source>
        <translation>Channel spacing and default frequency</translation>
    </message>
    <message>
        <source>默认频率编号:</source>
        <translation>Default frequency number:</translation>
    </message>
    <message>
        <source>脱网信道频率:</source>
        <translation>Off-network channel frequency:</translation>
    </message>
    <message>
        <source>默认发射频率:</source>
        <translation>Default TX frequency:</translation>
    </message>
    <message>
        <source>默认接收频率:</source>
        <translation>Default RX frequency:</translation>
    </message>
    <message>
        <source>船台频率表</source>
        <translation>Ship station frequency table</translation>
    </message>
    <message>
        <source>频率页号:</source>
        <translation>Frequency page number:</translation>
    </message>
    <message>
        <source>报警电话绑定</source>
        <translation>Alarm phone binding</translation>
    </message>
    <message>
        <source>报警电话号码或身份码:</source>
        <translation>Alarm phone number or identity code:</translation>
    </message>
    <message>
        <source>密钥字:</source>
        <translation>Key word:</translation>
    </message>
    <message>
        <source>调度时间参数</source>
        <translation>Dispatch timing parameters</translation>
    </message>
    <message>
        <source>点名超时(分钟):</source>
        <translation>Roll-call time-out (min):</translation>
    </message>
    <message>
        <source>脱网超时(分钟):</source>
        <translation>Off-network time-out (min):</translation>
    </message>
    <message>
        <source>信道保持(秒):</source>
        <translation>Channel hold (s):</translation>
    </message>
    <message>
        <source>PTT 保持(秒):</source>
        <translation>PTT hold (s):</translation>
    </message>
    <message>
        <source>电台发射功率</source>
        <translation>Radio TX power</translation>
    </message>
    <message>
        <source>电台状态</source>
        <translation>Radio status</translation>
    </message>
    <message>
        <source>场强值:</source>
        <translation>Field strength:</translation>
    </message>
    <message>
        <source>驻波值:</source>
        <translation>VSWR:</translation>
    </message>
    <message>
        <source>呼叫类型:</source>
        <translation>Call type:</translation>
    </message>
    <message>
        <source>频率编号:</source>
        <translation>Frequency number:</translation>
    </message>
    <message>
        <source>收发状态:</source>
        <translation>TX/RX state:</translation>
    </message>
    <message>
        <source>信道状态:</source>
        <translation>Channel state:</translation>
    </message>
    <message>
        <source>本地设置查询</source>
        <translation>Local settings query</translation>
    </message>
    <message>
        <source>强制调度类(测试使用)</source>
        <translation>Forced dispatch (for testing)</translation>
    </message>
    <message>
        <source>业务控制类(测试使用)</source>
        <translation>Service control (for testing)</translation>
    </message>
    <message>
        <source>终端类型:QX-%1(串口速率:%2)</source>
        <translation>Terminal type: QX-%1 (serial port baud rate: %2)</translation>
    </message>
    <message>
        <source>GPS写入成功</source>
        <translation>GPS write succeeded</translation>
    </message>
    <message>
        <source>信道切换成功</source>
        <translation>Channel switch succeeded</translation>
    </message>
    <message>
        <source>呼叫发起成功</source>
        <translation>Call setup succeeded</translation>
    </message>
    <message>
        <source>呼叫分配成功</source>
        <translation>Call allocation succeeded</translation>
    </message>
    <message>
        <source>透明传输成功</source>
        <translation>Transparent transfer succeeded</translation>
    </message>
    <message>
        <source>透明传输模式设置成功</source>
        <translation>Transparent transfer mode set successfully</translation>
    </message>
    <message>
        <source>动态重组成功</source>
        <translation>Dynamic regrouping succeeded</translation>
    </message>
    <message>
        <source>动态重组取消成功</source>
        <translation>Dynamic regrouping cancelled successfully</translation>
    </message>
    <message>
        <source>强拆信道成功</source>
        <translation>Forced channel release succeeded</translation>
    </message>
    <message>
        <source>指定船台呼叫成功</source>
        <translation>Call to specified ship station succeeded</translation>
    </message>
    <message>
        <source>注销登录成功</source>
        <translation>Logout succeeded</translation>
    </message>
    <message>
        <source>表内频率编号不正确，请输入%1-%2!</source>
        <translation>Invalid in-table frequency number, please enter %1-%2!</translation>
    </message>
    <message>
        <source>带内频率编号不正确，请输入%1-%2!</source>
        <translation>Invalid in-band frequency number, please enter %1-%2!</translation>
    </message>
    <message>
        <source>因船台频率步进为%1KHz,带内信道切换时:&#13;
请输入偶数频率编号！</source>
        <translation>As the ship station frequency step is %1KHz, for in-band channel switching:&#13;
please enter an even frequency number!</translation>
    </message>
    <message>
        <source>发起呼叫号码不能为空!</source>
        <translation>Calling number must not be empty!</translation>
    </message>
    <message>
        <source>呼叫身份码设置错误,请设为%1-%2!</source>
        <translation>Invalid call identity code, set it to %1-%2!</translation>
    </message>
    <message>
        <source>发起呼叫号码长度设置错误,请设为%1-%2!</source>
        <translation>Invalid calling number length, set it to %1-%2!</translation>
    </message>
    <message>
        <source>目标身份码不能为空!</source>
        <translation>Target identity code must not be empty!</translation>
    </message>
    <message>
        <source>目标身份码设置错误,请设为%1-%2!</source>
        <translation>Invalid target identity code, set it to %1-%2!</translation>
    </message>
    <message>
        <source>传输数据不能为空!</source>
        <translation>Transfer data must not be empty!</translation>
    </message>
    <message>
        <source>透明数据</source>
        <translation>Transparent data</translation>
    </message>
    <message>
        <source>组呼码不能为空!</source>
        <translation>Group call code must not be empty!</translation>
    </message>
    <message>
        <source>组呼码设置错误,请设为%1-%2!</source>
        <translation>Invalid group call code, set it to %1-%2!</translation>
    </message>
    <message>
        <source>船台身份码不能为空!</source>
        <translation>Ship station identity code must not be empty!</translation>
    </message>
    <message>
        <source>船台身份码设置错误,请设为%1-%2!</source>
        <translation>Invalid ship station identity code, set it to %1-%2!</translation>
    </message>
    <message>
        <source>请选择控制类型!</source>
        <translation>Please select the control type!</translation>
    </message>
    <message>
        <source>呼叫控制成功</source>
        <translation>Call control succeeded</translation>
    </message>
    <message>
        <source>GPS写入</source>
        <translation>GPS write</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>重新搜索控制信道</source>
        <translation>Search control channel again</translation>
    </message>
    <message>
        <source>切换到默认信道</source>
        <translation>Switch to default channel</translation>
    </message>
    <message>
        <source>切换到脱网信道</source>
        <translation>Switch to off-network channel</translation>
    </message>
    <message>
        <source>切换到指定信道</source>
        <translation>Switch to specified channel</translation>
    </message>
    <message>
        <source>切换到默认信道，并收发频率调换</source>
        <translation>Switch to default channel, and swap TX/RX frequencies</translation>
    </message>
    <message>
        <source>切换到指定信道，并收发频率调换</source>
        <translation>Switch to specified channel, and swap TX/RX frequencies</translation>
    </message>
    <message>
        <source>表内编号</source>
        <translation>In-table number</translation>
    </message>
    <message>
        <source>带内编号</source>
        <translation>In-band number</translation>
    </message>
    <message>
        <source>信道切换</source>
        <translation>Channel switch</translation>
    </message>
    <message>
        <source>呼叫发起</source>
        <translation>Start call</translation>
    </message>
    <message>
        <source>%1x%2协议</source>
        <translation>%1x%2 protocol</translation>
    </message>
    <message>
        <source>连续普通</source>
        <translation>Continuous normal</translation>
    </message>
    <message>
        <source>连续及时</source>
        <translation>Continuous prompt</translation>
    </message>
    <message>
        <source>传输模式</source>
        <translation>Transfer mode</translation>
    </message>
    <message>
        <source>发送数传</source>
        <translation>Send data transfer</translation>
    </message>
    <message>
        <source>及时数传</source>
        <translation>Prompt data transfer</translation>
    </message>
    <message>
        <source>动态重组</source>
        <translation>Dynamic regrouping</translation>
    </message>
    <message>
        <source>取消重组</source>
        <translation>Cancel regrouping</translation>
    </message>
    <message>
        <source>强拆信道</source>
        <translation>Force channel release</translation>
    </message>
    <message>
        <source>呼叫分配</source>
        <translation>Call allocation</translation>
    </message>
    <message>
        <source>船台呼叫</source>
        <translation>Ship station call</translation>
    </message>
    <message>
        <source>%1位%2进制数据:</source>
        <translation>%1-digit base-%2 data:</translation>
    </message>
    <message>
        <source>切换控制:</source>
        <translation>Switch control:</translation>
    </message>
    <message>
        <source>语音呼叫</source>
        <translation>Voice call</translation>
    </message>
    <message>
        <source>呼叫级别:</source>
        <translation>Call level:</translation>
    </message>
    <message>
        <source>号码类型:</source>
        <translation>Number type:</translation>
    </message>
    <message>
        <source>电话号码或身份码:</source>
        <translation>Phone number or identity code:</translation>
    </message>
    <message>
        <source>组呼码:</source>
        <translation>Group call code:</translation>
    </message>
    <message>
        <source>数据呼叫</source>
        <translation>Data call</translation>
    </message>
    <message>
        <source>目标身份码:</source>
        <translation>Target identity code:</translation>
    </message>
    <message>
        <source>数传间隔(ms):</source>
        <translation>Data transfer interval (ms):</translation>
    </message>
    <message>
        <source>透明数据:</source>
        <translation>Transparent data:</translation>
    </message>
    <message>
        <source>主叫身份码:</source>
        <translation>Calling identity code:</translation>
    </message>
    <message>
        <source>被叫身份码:</source>
        <translation>Called identity code:</translation>
    </message>
    <message>
        <source>指定船台呼叫</source>
        <translation>Call specified ship station</translation>
    </message>
    <message>
        <source>船台身份码:</source>
        <translation>Ship station identity code:</translation>
    </message>
    <message>
        <source>信道忙拒绝</source>
        <translation>Rejected, channel busy</translation>
    </message>
    <message>
        <source>话费不足拒绝</source>
        <translation>Rejected, insufficient credit</translation>
    </message>
    <message>
        <source>通话不足五分钟</source>
        <translation>Less than five minutes of talk time left</translation>
    </message>
    <message>
        <source>通话不足四分钟</source>
        <translation>Less than four minutes of talk time left</translation>
    </message>
    <message>
        <source>通话不足三分钟</source>
        <translation>Less than three minutes of talk time left</translation>
    </message>
    <message>
        <source>通话不足二分钟</source>
        <translation>Less than two minutes of talk time left</translation>
    </message>
    <message>
        <source>通话不足一分钟</source>
        <translation>Less than one minute of talk time left</translation>
    </message>
    <message>
        <source>正常允许</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>船台开机时间</source>
        <translation>Ship station power-on time</translation>
    </message>
    <message>
        <source>船台关机时间</source>
        <translation>Ship station power-off time</translation>
    </message>
    <message>
        <source>复位延时秒数:</source>
        <translation>Reset delay (s):</translation>
    </message>
    <message>
        <source>工作模式</source>
        <translation>Operating mode</translation>
    </message>
    <message>
        <source>船台开关机时间</source>
        <translation>Ship station power-on/off time</translation>
    </message>
    <message>
        <source>数据读取成功</source>
        <translation>Data read succeeded</translation>
    </message>
    <message>
        <source>数据设置成功</source>
        <translation>Data set successfully</translation>
    </message>
    <message>
        <source>人工功率设置不正确,请设为%1-%2!</source>
        <translation>Invalid manual power, set it to %1-%2!</translation>
    </message>
    <message>
        <source>人工功率读取成功</source>
        <translation>Manual power read succeeded</translation>
    </message>
    <message>
        <source>人工功率设置成功</source>
        <translation>Manual power set successfully</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>人工功率</source>
        <translation>Manual power</translation>
    </message>
    <message>
        <source>单一信道频率</source>
        <translation>Single channel frequency</translation>
    </message>
    <message>
        <source>信道间隔(Hz)</source>
        <translation>Channel spacing (Hz)</translation>
    </message>
    <message>
        <source>终端类型:平调/列调台(串口速率:%1)</source>
        <translation>Terminal type: dispatch/train dispatch station (serial port baud rate: %1)</translation>
    </message>
    <message>
        <source>长按键时限输入不正确,请设置为%1~%2!</source>
        <translation>Invalid long key press time limit, set it to %1~%2!</translation>
    </message>
    <message>
        <source>组合键时限输入不正确,请设置为%1~%2!</source>
        <translation>Invalid key combination time limit, set it to %1~%2!</translation>
    </message>
    <message>
        <source>测机间隔输入不正确,请设置为%1~%2!</source>
        <translation>Invalid radio test interval, set it to %1~%2!</translation>
    </message>
    <message>
        <source>信道号设置不正确,请设置为%1-</source>
        <translation>Invalid channel number, set it to %1-</translation>
    </message>
    <message>
        <source>调号设置不正确,请设置为%1-%2!</source>
        <translation>Invalid dispatch number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>人员编号设置不正确,请设置为%1-%2!</source>
        <translation>Invalid staff number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>按键设置读取成功</source>
        <translation>Key settings read succeeded</translation>
    </message>
    <message>
        <source>按键设置成功</source>
        <translation>Key settings set successfully</translation>
    </message>
    <message>
        <source>键名</source>
        <translation>Key name</translation>
    </message>
    <message>
        <source>按键</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>测机</source>
        <translation>Radio test</translation>
    </message>
    <message>
        <source>手持台</source>
        <translation>Handheld</translation>
    </message>
    <message>
        <source>机车台</source>
        <translation>Locomotive radio</translation>
    </message>
    <message>
        <source>区长台</source>
        <translation>Section chief radio</translation>
    </message>
    <message>
        <source>常规台</source>
        <translation>Conventional radio</translation>
    </message>
    <message>
        <source>读取按键</source>
        <translation>Read keys</translation>
    </message>
    <message>
        <source>写录按键</source>
        <translation>Write keys</translation>
    </message>
    <message>
        <source>个人信息</source>
        <translation>Personal info</translation>
    </message>
    <message>
        <source>列调参数</source>
        <translation>Train dispatch parameters</translation>
    </message>
    <message>
        <source>信道:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>编号:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>按键设置</source>
        <translation>Key settings</translation>
    </message>
    <message>
        <source>长按键时限(毫秒)</source>
        <translation>Long key press time limit (ms)</translation>
    </message>
    <message>
        <source>组合键时限(毫秒)</source>
        <translation>Key combination time limit (ms)</translation>
    </message>
    <message>
        <source>测机间隔(毫秒)</source>
        <translation>Radio test interval (ms)</translation>
    </message>
    <message>
        <source>调号</source>
        <translation>Dispatch number</translation>
    </message>
    <message>
        <source>红</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>长红</source>
        <translation>Long red</translation>
    </message>
    <message>
        <source>绿</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>绿-绿</source>
        <translation>Green-green</translation>
    </message>
    <message>
        <source>长绿</source>
        <translation>Long green</translation>
    </message>
    <message>
        <source>绿-红</source>
        <translation>Green-red</translation>
    </message>
    <message>
        <source>绿-黄</source>
        <translation>Green-yellow</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>黄-黄</source>
        <translation>Yellow-yellow</translation>
    </message>
    <message>
        <source>黄-黄-黄</source>
        <translation>Yellow-yellow-yellow</translation>
    </message>
    <message>
        <source>长黄</source>
        <translation>Long yellow</translation>
    </message>
    <message>
        <source>黄-红</source>
        <translation>Yellow-red</translation>
    </message>
    <message>
        <source>黄-绿</source>
        <translation>Yellow-green</translation>
    </message>
    <message>
        <source>黄-黄-红</source>
        <translation>Yellow-yellow-red</translation>
    </message>
    <message>
        <source>黄-黄-绿</source>
        <translation>Yellow-yellow-green</translation>
    </message>
    <message>
        <source>短PTT</source>
        <translation>Short PTT</translation>
    </message>
    <message>
        <source>PTT-红</source>
        <translation>PTT-red</translation>
    </message>
    <message>
        <source>PTT-黄</source>
        <translation>PTT-yellow</translation>
    </message>
    <message>
        <source>PTT-绿</source>
        <translation>PTT-green</translation>
    </message>
    <message>
        <source>K%1键</source>
        <translation>K%1 key</translation>
    </message>
    <message>
        <source>默认信道发射频率:</source>
        <translation>Default channel TX frequency:</translation>
    </message>
    <message>
        <source>默认信道接收频率:</source>
        <translation>Default channel RX frequency:</translation>
    </message>
    <message>
        <source>脱网信道发射频率:</source>
        <translation>Off-network channel TX frequency:</translation>
    </message>
    <message>
        <source>脱网信道接收频率:</source>
        <translation>Off-network channel RX frequency:</translation>
    </message>
    <message>
        <source>信道发射频率:</source>
        <translation>Channel TX frequency:</translation>
    </message>
    <message>
        <source>本地接收频率:</source>
        <translation>Local RX frequency:</translation>
    </message>
    <message>
        <source>转发发射频率:</source>
        <translation>Relay TX frequency:</translation>
    </message>
    <message>
        <source>转发接收频率:</source>
        <translation>Relay RX frequency:</translation>
    </message>
    <message>
        <source>B%1本地</source>
        <translation>B%1 local</translation>
    </message>
    <message>
        <source>B%1转发</source>
        <translation>B%1 relay</translation>
    </message>
    <message>
        <source>频率表页号错误,页号范围:%1-%2!</source>
        <translation>Invalid frequency table page number, page range: %1-%2!</translation>
    </message>
    <message>
        <source>网络电台</source>
        <translation>Network radio</translation>
    </message>
    <message>
        <source>平调/列调台</source>
        <translation>Dispatch/train dispatch station</translation>
    </message>
    <message>
        <source>WZ-%1集群</source>
        <translation>WZ-%1 trunking</translation>
    </message>
    <message>
        <source>生产测试</source>
        <translation>Production test</translation>
    </message>
    <message>
        <source>PTT时限设置不正确,请设为%1-%2!</source>
        <translation>Invalid PTT time limit, set it to %1-%2!</translation>
    </message>
    <message>
        <source>转待机时长设置不正确,请设为%1-%2!</source>
        <translation>Invalid standby delay, set it to %1-%2!</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>No parity</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even parity</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd parity</translation>
    </message>
    <message>
        <source>低功率</source>
        <translation>Low power</translation>
    </message>
    <message>
        <source>高功率</source>
        <translation>High power</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>开机</source>
        <translation>Power-on</translation>
    </message>
    <message>
        <source>PTT松开</source>
        <translation>PTT release</translation>
    </message>
    <message>
        <source>频道切换</source>
        <translation>Channel change</translation>
    </message>
    <message>
        <source>语音压扩</source>
        <translation>Voice companding</translation>
    </message>
    <message>
        <source>信道间隔</source>
        <translation>Channel spacing</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>校验方式:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>串口速率:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>数据位:</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>停止位:</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>PTT时限</source>
        <translation>PTT time limit</translation>
    </message>
    <message>
        <source>转待机时长</source>
        <translation>Standby delay</translation>
    </message>
    <message>
        <source>空中速率:</source>
        <translation>Air rate:</translation>
    </message>
    <message>
        <source>声控电平</source>
        <translation>VOX level</translation>
    </message>
    <message>
        <source>发射功率</source>
        <translation>TX power</translation>
    </message>
    <message>
        <source>加密方案设置错误,请设为%1-%2!</source>
        <translation>Invalid encryption scheme, set it to %1-%2!</translation>
    </message>
    <message>
        <source>密钥参数设置错误,请设为%1-%2!</source>
        <translation>Invalid key parameter, set it to %1-%2!</translation>
    </message>
    <message>
        <source>密钥字设置错误,请设为%1-%2位!</source>
        <translation>Invalid key word, set it to %1-%2 digits!</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>加密方案:</source>
        <translation>Encryption scheme:</translation>
    </message>
    <message>
        <source>密钥参数:</source>
        <translation>Key parameter:</translation>
    </message>
    <message>
        <source>定义密钥:</source>
        <translation>Define key:</translation>
    </message>
    <message>
        <source>定义密钥</source>
        <translation>Define key</translation>
    </message>
    <message>
        <source>加密方式设置成功</source>
        <translation>Encryption mode set</translation>
    </message>
    <message>
        <source>加密方式读取成功</source>
        <translation>Encryption mode read succeeded</translation>
    </message>
    <message>
        <source>跳频图读取成功</source>
        <translation>Hop map read succeeded</translation>
    </message>
    <message>
        <source>跳频图设置成功</source>
        <translation>Hop map set</translation>
    </message>
    <message>
        <source>机主姓名</source>
        <translation>Owner name</translation>
    </message>
    <message>
        <source>机主姓名设置错误,请设为%1-%2位!</source>
        <translation>Invalid owner name, set it to %1-%2 characters!</translation>
    </message>
    <message>
        <source>机主身份信息</source>
        <translation>Owner ID info</translation>
    </message>
    <message>
        <source>机主身份信息设置错误,请设为%1-%2位!</source>
        <translation>Invalid owner ID info, set it to %1-%2 characters!</translation>
    </message>
    <message>
        <source>&#13;
公共参数读取成功!</source>
        <translation>&#13;
Common parameters read succeeded!</translation>
    </message>
    <message>
        <source>身份码设置错误,请设为%1-%2!</source>
        <translation> ID code is invalid, set it to %1-%2!</translation>
    </message>
    <message>
        <source>召集船</source>
        <translation>Call-up ship </translation>
    </message>
    <message>
        <source>点名船</source>
        <translation>Roll-call ship </translation>
    </message>
    <message>
        <source>召集数据返回成功</source>
        <translation>Call-up data returned successfully</translation>
    </message>
    <message>
        <source>点名数据回送返回成功</source>
        <translation>Roll-call data returned successfully</translation>
    </message>
    <message>
        <source>电台复位</source>
        <translation>Radio reset</translation>
    </message>
    <message>
        <source>出厂模式</source>
        <translation>Factory mode</translation>
    </message>
    <message>
        <source>连机模式</source>
        <translation>Online mode</translation>
    </message>
    <message>
        <source>工作模式设置</source>
        <translation>Set work mode</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>振铃开</source>
        <translation>Ring on</translation>
    </message>
    <message>
        <source>振铃关</source>
        <translation>Ring off</translation>
    </message>
    <message>
        <source>CDMA/WZ选择</source>
        <translation>CDMA/WZ select</translation>
    </message>
    <message>
        <source>CDMA/WZ选择（船台）</source>
        <translation>CDMA/WZ select (ship station)</translation>
    </message>
    <message>
        <source>控制类型:</source>
        <translation>Control type:</translation>
    </message>
    <message>
        <source>音频控制:</source>
        <translation>Audio control:</translation>
    </message>
    <message>
        <source>鉴权</source>
        <translation>Authenticate</translation>
    </message>
    <message>
        <source>取消鉴权</source>
        <translation>Cancel authentication</translation>
    </message>
    <message>
        <source>(无)</source>
        <translation>(None)</translation>
    </message>
    <message>
        <source>浙江海监系统</source>
        <translation>Zhejiang marine surveillance system</translation>
    </message>
    <message>
        <source>福建渔监系统</source>
        <translation>Fujian fishery surveillance system</translation>
    </message>
    <message>
        <source>定时召集</source>
        <translation>Timed call-up</translation>
    </message>
    <message>
        <source>定时点名</source>
        <translation>Timed roll call</translation>
    </message>
    <message>
        <source>召集指令</source>
        <translation>Call-up command</translation>
    </message>
    <message>
        <source>点名指令</source>
        <translation>Roll-call command</translation>
    </message>
    <message>
        <source>召集船数量N（%1&lt;=N&lt;=%2）</source>
        <translation>Number of ships called up N (%1&lt;=N&lt;=%2)</translation>
    </message>
    <message>
        <source>点名船数量N（%1&lt;=N&lt;=%2）</source>
        <translation>Number of ships in roll call N (%1&lt;=N&lt;=%2)</translation>
    </message>
    <message>
        <source>跳频图第</source>
        <translation>Hop map item </translation>
    </message>
    <message>
        <source>个数据设置不正确,请设为-%1-%2!</source>
        <translation> is invalid, set it to -%1-%2!</translation>
    </message>
    <message>
        <source>方案%1</source>
        <translation>Scheme %1</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>加载</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>生成</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>跳频图</source>
        <translation>Hop map</translation>
    </message>
    <message>
        <source>跳频方案</source>
        <translation>Hopping scheme</translation>
    </message>
    <message>
        <source>跳频图长</source>
        <translation>Hop map length</translation>
    </message>
    <message>
        <source>跳频带宽</source>
        <translation>Hopping bandwidth</translation>
    </message>
    <message>
        <source>跳频数据</source>
        <translation>Hopping data</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>跳频图文件保存失败!</source>
        <translation>Failed to save hop map file!</translation>
    </message>
    <message>
        <source>文件打开失败!</source>
        <translation>Failed to open file!</translation>
    </message>
    <message>
        <source>发射频率设置不正确!</source>
        <translation>Invalid TX frequency!</translation>
    </message>
    <message>
        <source>接收频率设置不正确!</source>
        <translation>Invalid RX frequency!</translation>
    </message>
    <message>
        <source>密钥方案设置不正确,请设为%1-%2!</source>
        <translation>Invalid key scheme, set it to %1-%2!</translation>
    </message>
    <message>
        <source>跳频系数设置不正确,请设为%1-%2!</source>
        <translation>Invalid hopping coefficient, set it to %1-%2!</translation>
    </message>
    <message>
        <source>信道参数设置</source>
        <translation>Channel parameter settings</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>数字语音</source>
        <translation>Digital voice</translation>
    </message>
    <message>
        <source>声控功能</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>数传通讯</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>数字加密</source>
        <translation>Digital encryption</translation>
    </message>
    <message>
        <source>时分通讯</source>
        <translation>TDMA</translation>
    </message>
    <message>
        <source>跳频通讯</source>
        <translation>Frequency hopping</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>信道编号:</source>
        <translation>Channel number:</translation>
    </message>
    <message>
        <source>发射频率:</source>
        <translation>TX frequency:</translation>
    </message>
    <message>
        <source>接收频率:</source>
        <translation>RX frequency:</translation>
    </message>
    <message>
        <source>密钥方案:</source>
        <translation>Key scheme:</translation>
    </message>
    <message>
        <source>跳频方案:</source>
        <translation>Hopping scheme:</translation>
    </message>
    <message>
        <source>信道组号设置错误,请设为%1-%2!</source>
        <translation>Invalid channel group number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>声控电平设置不正确,请设为%1-%2!</source>
        <translation>Invalid VOX level, set it to %1-%2!</translation>
    </message>
    <message>
        <source>信道密钥方案设置不正确,请设为%1-%2!</source>
        <translation>Invalid channel key scheme, set it to %1-%2!</translation>
    </message>
    <message>
        <source>信道跳频系数设置不正确,请设为%1-%2!</source>
        <translation>Invalid channel hopping coefficient, set it to %1-%2!</translation>
    </message>
    <message>
        <source>读取版本信息成功</source>
        <translation>Version info read succeeded</translation>
    </message>
    <message>
        <source>信道频率读取成功</source>
        <translation>Channel frequencies read succeeded</translation>
    </message>
    <message>
        <source>信道功能读取成功</source>
        <translation>Channel functions read succeeded</translation>
    </message>
    <message>
        <source>读取声控电平成功</source>
        <translation>VOX level read succeeded</translation>
    </message>
    <message>
        <source>公共参数设置成功</source>
        <translation>Common parameters set</translation>
    </message>
    <message>
        <source>信道频率设置成功</source>
        <translation>Channel frequencies set</translation>
    </message>
    <message>
        <source>信道功能设置成功</source>
        <translation>Channel functions set</translation>
    </message>
    <message>
        <source>声控电平设置成功</source>
        <translation>VOX level set</translation>
    </message>
    <message>
        <source>公共参数读取成功</source>
        <translation>Common parameters read succeeded</translation>
    </message>
    <message>
        <source>信道编号</source>
        <translation>Channel number</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>TX frequency</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>RX frequency</translation>
    </message>
    <message>
        <source>信道信息</source>
        <translation>Channel info</translation>
    </message>
    <message>
        <source>液晶背光灯有效</source>
        <translation>LCD backlight enabled</translation>
    </message>
    <message>
        <source>读取数据</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>写录数据</source>
        <translation>Write data</translation>
    </message>
    <message>
        <source>信道组号:</source>
        <translation>Channel group number:</translation>
    </message>
    <message>
        <source>提示音</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>声控</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>数传</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Encrypt</translation>
    </message>
    <message>
        <source>时分</source>
        <translation>TDMA</translation>
    </message>
    <message>
        <source>跳频</source>
        <translation>Hopping</translation>
    </message>
    <message>
        <source>信道%1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>基本信息</source>
        <translation>Basic info</translation>
    </message>
    <message>
        <source>用户信息</source>
        <translation>User info</translation>
    </message>
    <message>
        <source>列车信息</source>
        <translation>Train info</translation>
    </message>
    <message>
        <source>终端类型:LM%1R/LM%2(串口速率:%3)</source>
        <translation>Terminal type: LM%1R/LM%2 (baud rate: %3)</translation>
    </message>
    <message>
        <source>调号设置不正确,请设为%1-%2!</source>
        <translation>Invalid dispatch number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>人员编号设置不正确,请设为%1-%2!</source>
        <translation>Invalid staff number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>列调参数读取成功</source>
        <translation>Train dispatch parameters read succeeded</translation>
    </message>
    <message>
        <source>列调参数设置成功</source>
        <translation>Train dispatch parameters set</translation>
    </message>
    <message>
        <source>禁止自动重发</source>
        <translation>Disable auto resend</translation>
    </message>
    <message>
        <source>手持电台</source>
        <translation>Handheld radio</translation>
    </message>
    <message>
        <source>机车电台</source>
        <translation>Locomotive radio</translation>
    </message>
    <message>
        <source>读取列调参数</source>
        <translation>Read train dispatch parameters</translation>
    </message>
    <message>
        <source>写录列调参数</source>
        <translation>Write train dispatch parameters</translation>
    </message>
    <message>
        <source>列车调度型参数设置:</source>
        <translation>Train dispatch parameter settings:</translation>
    </message>
    <message>
        <source>调号:</source>
        <translation>Dispatch number:</translation>
    </message>
    <message>
        <source>人员编号:</source>
        <translation>Staff number:</translation>
    </message>
    <message>
        <source>电台类型</source>
        <translation>Radio type</translation>
    </message>
    <message>
        <source>请加载或生成跳频图数据!</source>
        <translation>Please load or generate hop map data!</translation>
    </message>
    <message>
        <source>信道绑定号码设置错误,请设为%1-%2!</source>
        <translation>Invalid channel binding number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>系统类别设置错误,请设为%1-%2!</source>
        <translation>Invalid system category, set it to %1-%2!</translation>
    </message>
    <message>
        <source>信道守候组设置错误,请设为%1-%2!</source>
        <translation>Invalid channel standby group, set it to %1-%2!</translation>
    </message>
    <message>
        <source>身份信息读取成功</source>
        <translation>ID info read succeeded</translation>
    </message>
    <message>
        <source>绑定号码读取成功</source>
        <translation>Binding numbers read succeeded</translation>
    </message>
    <message>
        <source>信道守候组读取成功</source>
        <translation>Channel standby groups read succeeded</translation>
    </message>
    <message>
        <source>身份信息设置成功</source>
        <translation>ID info set</translation>
    </message>
    <message>
        <source>信道绑定码设置成功</source>
        <translation>Channel binding codes set</translation>
    </message>
    <message>
        <source>信道守候组设置成功</source>
        <translation>Channel standby groups set</translation>
    </message>
    <message>
        <source>中转台标志</source>
        <translation>Repeater flag</translation>
    </message>
    <message>
        <source>鉴权(使能)</source>
        <translation>Authentication (enabled)</translation>
    </message>
    <message>
        <source>绑定允许</source>
        <translation>Binding allowed</translation>
    </message>
    <message>
        <source>守候全有效</source>
        <translation>All standby groups valid</translation>
    </message>
    <message>
        <source>守候组</source>
        <translation>Standby group</translation>
    </message>
    <message>
        <source>选择全部守候组</source>
        <translation>Select all standby groups</translation>
    </message>
    <message>
        <source>系统类别:</source>
        <translation>System category:</translation>
    </message>
    <message>
        <source>身份码:</source>
        <translation>ID code:</translation>
    </message>
    <message>
        <source>机主姓名:</source>
        <translation>Owner name:</translation>
    </message>
    <message>
        <source>机主身份信息:</source>
        <translation>Owner ID info:</translation>
    </message>
    <message>
        <source>信道绑定号码:</source>
        <translation>Channel binding number:</translation>
    </message>
    <message>
        <source>脱网频率数据设置不正确!</source>
        <translation>Invalid off-network frequency data!</translation>
    </message>
    <message>
        <source>号频率数据设置不正确!</source>
        <translation>: invalid frequency data!</translation>
    </message>
    <message>
        <source>请设置本机频率!</source>
        <translation>Please set the own frequency!</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>本机频率</source>
        <translation>Own frequency</translation>
    </message>
    <message>
        <source>脱网频率</source>
        <translation>Off-network frequency</translation>
    </message>
    <message>
        <source>频率信息</source>
        <translation>Frequency info</translation>
    </message>
    <message>
        <source>功能</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>终端类型:网络电台(串口速率:%1)</source>
        <translation>Terminal type: network radio (baud rate: %1)</translation>
    </message>
    <message>
        <source>身份码设置不正确,请设置为%1-%2!</source>
        <translation>Invalid ID code, set it to %1-%2!</translation>
    </message>
    <message>
        <source>本机组呼码设置错误,请设为%1-%2!</source>
        <translation>Invalid own group call code, set it to %1-%2!</translation>
    </message>
    <message>
        <source>组内编号设置不正确,请设置为%1-%2!</source>
        <translation>Invalid in-group number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>组内编号设置错误,请设为%1-%2!</source>
        <translation>Invalid in-group number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>所属组呼码</source>
        <translation>Member group call code </translation>
    </message>
    <message>
        <source>设置错误,请设为%1-%2!</source>
        <translation> is invalid, set it to %1-%2!</translation>
    </message>
    <message>
        <source>本机号码设置读取成功</source>
        <translation>Own number settings read succeeded</translation>
    </message>
    <message>
        <source>本机号码设置成功</source>
        <translation>Own number set</translation>
    </message>
    <message>
        <source>中转有效</source>
        <translation>Relay enabled</translation>
    </message>
    <message>
        <source>跨组呼叫使能</source>
        <translation>Cross-group call enabled</translation>
    </message>
    <message>
        <source>说明:输入%1或保留空白时后续数据无效</source>
        <translation>Note: entering %1 or leaving blank makes the following data invalid</translation>
    </message>
    <message>
        <source>本机组呼码:</source>
        <translation>Own group call code:</translation>
    </message>
    <message>
        <source>组内编号:</source>
        <translation>In-group number:</translation>
    </message>
    <message>
        <source>身份码</source>
        <translation>ID code</translation>
    </message>
    <message>
        <source>本机组呼码</source>
        <translation>Own group call code</translation>
    </message>
    <message>
        <source>组内编号</source>
        <translation>In-group number</translation>
    </message>
    <message>
        <source>加密方案</source>
        <translation>Encryption scheme</translation>
    </message>
    <message>
        <source>密钥参数</source>
        <translation>Key parameter</translation>
    </message>
    <message>
        <source>请选择发送的文件!</source>
        <translation>Please select the file to send!</translation>
    </message>
    <message>
        <source>文件打开失败!(</source>
        <translation>Failed to open file! (</translation>
    </message>
    <message>
        <source>文件读取失败!(</source>
        <translation>Failed to read file! (</translation>
    </message>
    <message>
        <source>文件长度: </source>
        <translation>File length: </translation>
    </message>
    <message>
        <source> 字节  已发送: </source>
        <translation> bytes  sent: </translation>
    </message>
    <message>
        <source> 块</source>
        <translation> blocks</translation>
    </message>
    <message>
        <source>停止显示</source>
        <translation>Stop display</translation>
    </message>
    <message>
        <source>继续显示</source>
        <translation>Resume display</translation>
    </message>
    <message>
        <source>请输入正确的%1进制字符串!</source>
        <translation>Please enter a valid base-%1 string!</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>数传测试: 工装测试(串口速率:%1)</source>
        <translation>Data transfer test: fixture test (baud rate: %1)</translation>
    </message>
    <message>
        <source>数传测试: 普通测试(串口速率:%1)</source>
        <translation>Data transfer test: normal test (baud rate: %1)</translation>
    </message>
    <message>
        <source>数传测试: 收发互测(串口速率:%1)</source>
        <translation>Data transfer test: TX/RX mutual test (baud rate: %1)</translation>
    </message>
    <message>
        <source>发送文本</source>
        <translation>Send text</translation>
    </message>
    <message>
        <source>所有文件(*.*)|*.*||</source>
        <translation>All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>接收文件保存失败!(</source>
        <translation>Failed to save received file! (</translation>
    </message>
    <message>
        <source>数传测试</source>
        <translation>Data transfer test</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Select file</translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation>Send file</translation>
    </message>
    <message>
        <source>停止发送</source>
        <translation>Stop sending</translation>
    </message>
    <message>
        <source>十六进制发送</source>
        <translation>Send as hex</translation>
    </message>
    <message>
        <source>自动发送(周期改变后重选)</source>
        <translation>Auto send (reselect after changing period)</translation>
    </message>
    <message>
        <source>手工发送</source>
        <translation>Manual send</translation>
    </message>
    <message>
        <source>清空发送</source>
        <translation>Clear send</translation>
    </message>
    <message>
        <source>十六进制显示</source>
        <translation>Show as hex</translation>
    </message>
    <message>
        <source>换行显示</source>
        <translation>Line wrap</translation>
    </message>
    <message>
        <source>保存接收文件</source>
        <translation>Save received file</translation>
    </message>
    <message>
        <source>清空接收</source>
        <translation>Clear received</translation>
    </message>
    <message>
        <source>清空状态</source>
        <translation>Clear status</translation>
    </message>
    <message>
        <source>发送进度:</source>
        <translation>Send progress:</translation>
    </message>
    <message>
        <source>毫秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>接收信息</source>
        <translation>Received info</translation>
    </message>
    <message>
        <source>文件名称:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>数据质量:</source>
        <translation>Data quality:</translation>
    </message>
    <message>
        <source>对端应答的数据质量, %1-%2</source>
        <translation>Data quality reported by the remote side, %1-%2</translation>
    </message>
    <message>
        <source>误码率:</source>
        <translation>Bit error rate:</translation>
    </message>
    <message>
        <source>最近一次应答的误码率</source>
        <translation>Bit error rate of the last reply</translation>
    </message>
    <message>
        <source>平均误码率:</source>
        <translation>Average bit error rate:</translation>
    </message>
    <message>
        <source>每收到%1次应答, 显示这%2次误码率的平均值</source>
        <translation>Shows the average of the %2 bit error rates after every %1 replies</translation>
    </message>
    <message>
        <source>发送:</source>
        <translation>Sent:</translation>
    </message>
    <message>
        <source>字节</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>接收:</source>
        <translation>Received:</translation>
    </message>
    <message>
        <source>设置不正确,请设为%1-</source>
        <translation> is invalid, set it to %1-</translation>
    </message>
    <message>
        <source>读取频段成功</source>
        <translation>Band read succeeded</translation>
    </message>
    <message>
        <source>更改频段成功</source>
        <translation>Band changed successfully</translation>
    </message>
    <message>
        <source>设置不正确,请设为%1-%2!</source>
        <translation> is invalid, set it to %1-%2!</translation>
    </message>
    <message>
        <source>基本参数读取成功</source>
        <translation>Basic parameters read succeeded</translation>
    </message>
    <message>
        <source>基本参数设置成功</source>
        <translation>Basic parameters set</translation>
    </message>
    <message>
        <source>理想--</source>
        <translation>Ideal--</translation>
    </message>
    <message>
        <source>优良--</source>
        <translation>Good--</translation>
    </message>
    <message>
        <source>一般--</source>
        <translation>Fair--</translation>
    </message>
    <message>
        <source>较差--</source>
        <translation>Poor--</translation>
    </message>
    <message>
        <source>确认设置第一格场强为-%1dBm?</source>
        <translation>Confirm setting the first bar field strength to -%1dBm?</translation>
    </message>
    <message>
        <source>确认设置第五格场强为-%1dBm?</source>
        <translation>Confirm setting the fifth bar field strength to -%1dBm?</translation>
    </message>
    <message>
        <source>确认设置场强为缺省值?</source>
        <translation>Confirm setting field strength to default?</translation>
    </message>
    <message>
        <source>监测参数读取成功</source>
        <translation>Monitoring parameters read succeeded</translation>
    </message>
    <message>
        <source>电台发射打开完成</source>
        <translation>Radio TX on done</translation>
    </message>
    <message>
        <source>电台发射关闭完成</source>
        <translation>Radio TX off done</translation>
    </message>
    <message>
        <source>场强档位设置成功</source>
        <translation>Field strength level set</translation>
    </message>
    <message>
        <source>&#13;
驻波基准设置成功!</source>
        <translation>&#13;
VSWR reference set!</translation>
    </message>
    <message>
        <source>驻波基准设置成功</source>
        <translation>VSWR reference set</translation>
    </message>
    <message>
        <source>数字电台%1</source>
        <translation>Digital radio %1</translation>
    </message>
    <message>
        <source>模拟电台</source>
        <translation>Analog radio</translation>
    </message>
    <message>
        <source>第一格场强</source>
        <translation>First bar field strength</translation>
    </message>
    <message>
        <source>第五格场强</source>
        <translation>Fifth bar field strength</translation>
    </message>
    <message>
        <source>默认场强</source>
        <translation>Default field strength</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>存储文件</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>&#13;
数传测试返回!</source>
        <translation>&#13;
Data transfer test returned!</translation>
    </message>
    <message>
        <source>停止测试</source>
        <translation>Stop test</translation>
    </message>
    <message>
        <source>文件保存失败!</source>
        <translation>Failed to save file!</translation>
    </message>
    <message>
        <source>单元记录: 请用 radiobench-cli units --code </source>
        <translation>Unit records: use radiobench-cli units --code </translation>
    </message>
    <message>
        <source> 查看</source>
        <translation> to view</translation>
    </message>
    <message>
        <source>自动测试: 请用 radiobench-cli run protest 运行测试计划</source>
        <translation>Auto test: use radiobench-cli run protest to run the test plan</translation>
    </message>
    <message>
        <source>基本参数</source>
        <translation>Basic parameters</translation>
    </message>
    <message>
        <source>功率输出</source>
        <translation>Power output</translation>
    </message>
    <message>
        <source>标*的频率%1、%2、%3: 频段的低端、中间和高端频点</source>
        <translation>Frequencies %1, %2, %3 marked *: low, middle and high frequency points of the band</translation>
    </message>
    <message>
        <source>蓝色: 终端当前所在的频率行(最近一次&quot;切换&quot;的行)</source>
        <translation>Blue: the terminal's current frequency row (the row of the last &quot;switch&quot;)</translation>
    </message>
    <message>
        <source>终端上报的%1位读数,未换算为物理单位</source>
        <translation>%1-bit reading reported by the terminal, not converted to physical units</translation>
    </message>
    <message>
        <source>%1-%2: %3以上理想, %4-%5优良, %6-%7一般, %8及以下较差</source>
        <translation>%1-%2: above %3 ideal, %4-%5 good, %6-%7 fair, %8 and below poor</translation>
    </message>
    <message>
        <source>语音频偏档位选择</source>
        <translation>Voice deviation level selection</translation>
    </message>
    <message>
        <source>信道间隔:</source>
        <translation>Channel spacing:</translation>
    </message>
    <message>
        <source>机型与序号</source>
        <translation>Model and serial number</translation>
    </message>
    <message>
        <source>机器类型:</source>
        <translation>Machine type:</translation>
    </message>
    <message>
        <source>生产年份:</source>
        <translation>Production year:</translation>
    </message>
    <message>
        <source>批次:</source>
        <translation>Batch:</translation>
    </message>
    <message>
        <source>序号:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>机器码:</source>
        <translation>Machine code:</translation>
    </message>
    <message>
        <source>序号范围:</source>
        <translation>Serial number range:</translation>
    </message>
    <message>
        <source>监测参数</source>
        <translation>Monitoring parameters</translation>
    </message>
    <message>
        <source>场强电压:</source>
        <translation>Field strength voltage:</translation>
    </message>
    <message>
        <source>(原始值)</source>
        <translation>(raw value)</translation>
    </message>
    <message>
        <source>电源电量:</source>
        <translation>Battery level:</translation>
    </message>
    <message>
        <source>机型选择</source>
        <translation>Model selection</translation>
    </message>
    <message>
        <source>场强设置</source>
        <translation>Field strength settings</translation>
    </message>
    <message>
        <source>脱网信道发射频率设置不正确!</source>
        <translation>Invalid off-network channel TX frequency!</translation>
    </message>
    <message>
        <source>脱网信道接收频率设置不正确!</source>
        <translation>Invalid off-network channel RX frequency!</translation>
    </message>
    <message>
        <source>脱网频率设置不正确!</source>
        <translation>Invalid off-network frequency!</translation>
    </message>
    <message>
        <source>点名超时周期设置错误,请设置为%1-%2!</source>
        <translation>Invalid roll-call time-out period, set it to %1-%2!</translation>
    </message>
    <message>
        <source>脱网超时周期设置错误,请设置为%1-%2!</source>
        <translation>Invalid off-network time-out period, set it to %1-%2!</translation>
    </message>
    <message>
        <source>信道保持时间设置错误,请设置为%1-%2!</source>
        <translation>Invalid channel hold time, set it to %1-%2!</translation>
    </message>
    <message>
        <source>PTT保持时间设置错误,请设置为%1-%2!</source>
        <translation>Invalid PTT hold time, set it to %1-%2!</translation>
    </message>
    <message>
        <source>基站编号设置错误,请设置为%1-%2!</source>
        <translation>Invalid base station number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>信道编号设置错误,请设置为%1-%2!</source>
        <translation>Invalid channel number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>身份码设置错误,请设置为%1x%2-%3xFFFF!</source>
        <translation>Invalid identity code, set it to %1x%2-%3xFFFF!</translation>
    </message>
    <message>
        <source>身份码设置错误,请设置为%1x%2-%3x%4FFFF!</source>
        <translation>Invalid identity code, set it to %1x%2-%3x%4FFFF!</translation>
    </message>
    <message>
        <source>频率表版本号错误,版本范围:%1.%2!</source>
        <translation>Invalid frequency table version, version range: %1.%2!</translation>
    </message>
    <message>
        <source>信道发射频率设置不正确!</source>
        <translation>: invalid channel TX frequency!</translation>
    </message>
    <message>
        <source>信道接收频率设置不正确!</source>
        <translation>: invalid channel RX frequency!</translation>
    </message>
    <message>
        <source>报警身份码设置错误,请设置为%1-%2x%3FFFF!</source>
        <translation>Invalid alarm identity code, set it to %1-%2x%3FFFF!</translation>
    </message>
    <message>
        <source>报警电话号码长度设置错误,请设置为%1-%2!</source>
        <translation>Invalid alarm phone number length, set it to %1-%2!</translation>
    </message>
    <message>
        <source>密钥参数设置错误,请设置为%1-%2!</source>
        <translation>Invalid key parameter, set it to %1-%2!</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>延伸中转台</source>
        <translation>Extension relay station</translation>
    </message>
    <message>
        <source>普通电台</source>
        <translation>Ordinary radio</translation>
    </message>
    <message>
        <source>双工</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>挂机</source>
        <translation>On hook</translation>
    </message>
    <message>
        <source>摘机</source>
        <translation>Off hook</translation>
    </message>
    <message>
        <source>无切换</source>
        <translation>No switch</translation>
    </message>
    <message>
        <source>指定信道</source>
        <translation>Specified channel</translation>
    </message>
    <message>
        <source>脱网信道</source>
        <translation>Off-network channel</translation>
    </message>
    <message>
        <source>默认信道,收发调换</source>
        <translation>Default channel, TX/RX swapped</translation>
    </message>
    <message>
        <source>指定信道,收发调换</source>
        <translation>Specified channel, TX/RX swapped</translation>
    </message>
    <message>
        <source>脱网信道,收发调换</source>
        <translation>Off-network channel, TX/RX swapped</translation>
    </message>
    <message>
        <source>未知(</source>
        <translation>Unknown(</translation>
    </message>
    <message>
        <source>出厂信息读取成功</source>
        <translation>Factory info read succeeded</translation>
    </message>
    <message>
        <source>状态查询成功</source>
        <translation>Status query succeeded</translation>
    </message>
    <message>
        <source>电台频率表设置成功</source>
        <translation>Radio frequency table setting succeeded</translation>
    </message>
    <message>
        <source>报警电话绑定号码设置成功</source>
        <translation>Alarm phone bound number setting succeeded</translation>
    </message>
    <message>
        <source>密钥参数设置成功</source>
        <translation>Key parameter setting succeeded</translation>
    </message>
    <message>
        <source>自动搜索</source>
        <translation>Auto search</translation>
    </message>
    <message>
        <source>扩展搜索</source>
        <translation>Extended search</translation>
    </message>
    <message>
        <source>信标</source>
        <translation>Beacon</translation>
    </message>
    <message>
        <source>邻台GPS</source>
        <translation>Adjacent station GPS</translation>
    </message>
    <message>
        <source>发射灯</source>
        <translation>TX lamp</translation>
    </message>
    <message>
        <source>脱网频率:</source>
        <translation>Off-network frequency:</translation>
    </message>
    <message>
        <source>身份码及基本参数</source>
        <translation>Identity code and basic parameters</translation>
    </message>
    <message>
        <source>硬件版本:</source>
        <translation>Hardware version:</translation>
    </message>
    <message>
        <source>软件版本:</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>设置信道频率参数(调度台)</source>
        <translation>Set channel frequency parameters (dispatch station)</translation>
    </message>
    <message>
        <source>点名超时周期(分钟):</source>
        <translation>Roll-call time-out period (min):</translation>
    </message>
    <message>
        <source>脱网超时周期(分钟):</source>
        <translation>Off-network time-out period (min):</translation>
    </message>
    <message>
        <source>信道保持时间(秒):</source>
        <translation>Channel hold time (s):</translation>
    </message>
    <message>
        <source>PTT 保持时间(秒):</source>
        <translation>PTT hold time (s):</translation>
    </message>
    <message>
        <source>频率表</source>
        <translation>Frequency table</translation>
    </message>
    <message>
        <source>版本号:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>页号:</source>
        <translation>Page:</translation>
    </message>
    <message>
        <source>状态信息</source>
        <translation>Status info</translation>
    </message>
    <message>
        <source>场强:</source>
        <translation>Field strength:</translation>
    </message>
    <message>
        <source>信道切换:</source>
        <translation>Channel switch:</translation>
    </message>
    <message>
        <source>无呼叫</source>
        <translation>No call</translation>
    </message>
    <message>
        <source>普通数据</source>
        <translation>Normal data</translation>
    </message>
    <message>
        <source>一级告警数据</source>
        <translation>Level-1 alarm data</translation>
    </message>
    <message>
        <source>二级告警数据</source>
        <translation>Level-2 alarm data</translation>
    </message>
    <message>
        <source>半双工普通语音</source>
        <translation>Half-duplex normal voice</translation>
    </message>
    <message>
        <source>半双工一级告警语音</source>
        <translation>Half-duplex level-1 alarm voice</translation>
    </message>
    <message>
        <source>半双工二级告警语音</source>
        <translation>Half-duplex level-2 alarm voice</translation>
    </message>
    <message>
        <source>半双工三级告警语音</source>
        <translation>Half-duplex level-3 alarm voice</translation>
    </message>
    <message>
        <source>带回应普通数据</source>
        <translation>Normal data with reply</translation>
    </message>
    <message>
        <source>带回应一级告警数据</source>
        <translation>Level-1 alarm data with reply</translation>
    </message>
    <message>
        <source>带回应二级告警数据</source>
        <translation>Level-2 alarm data with reply</translation>
    </message>
    <message>
        <source>双工普通语音</source>
        <translation>Duplex normal voice</translation>
    </message>
    <message>
        <source>双工一级告警语音</source>
        <translation>Duplex level-1 alarm voice</translation>
    </message>
    <message>
        <source>双工二级告警语音</source>
        <translation>Duplex level-2 alarm voice</translation>
    </message>
    <message>
        <source>双工三级告警语音</source>
        <translation>Duplex level-3 alarm voice</translation>
    </message>
    <message>
        <source>终端类型:WZ-%1集群(串口速率:%2)</source>
        <translation>Terminal type: WZ-%1 trunking (baud rate: %2)</translation>
    </message>
    <message>
        <source>终端类型:LM%1W(串口速率:%2)</source>
        <translation>Terminal type: LM%1W (baud rate: %2)</translation>
    </message>
    <message>
        <source>经度设置错误,范围为:-%1.%2-%3.%4!</source>
        <translation>Invalid longitude, range: -%1.%2-%3.%4!</translation>
    </message>
    <message>
        <source>纬度设置错误,范围为:-%1.%2-%3.%4!</source>
        <translation>Invalid latitude, range: -%1.%2-%3.%4!</translation>
    </message>
    <message>
        <source>方向设置错误,范围为:%1-%2!</source>
        <translation>Invalid direction, range: %1-%2!</translation>
    </message>
    <message>
        <source>速度设置错误,范围为:%1-%2.%3!</source>
        <translation>Invalid speed, range: %1-%2.%3!</translation>
    </message>
    <message>
        <source>设置错误,请设置为%1-%2x%3FFFF!</source>
        <translation>: invalid, set it to %1-%2x%3FFFF!</translation>
    </message>
    <message>
        <source>长度设置错误,请设置为%1-%2!</source>
        <translation>: invalid length, set it to %1-%2!</translation>
    </message>
    <message>
        <source>呼叫号码</source>
        <translation>Call number</translation>
    </message>
    <message>
        <source>主叫身份码</source>
        <translation>Caller identity code</translation>
    </message>
    <message>
        <source>分配信道发射频率设置不正确!</source>
        <translation>Invalid allocated channel TX frequency!</translation>
    </message>
    <message>
        <source>分配信道接收频率设置不正确!</source>
        <translation>Invalid allocated channel RX frequency!</translation>
    </message>
    <message>
        <source>被叫身份码</source>
        <translation>Called identity code</translation>
    </message>
    <message>
        <source>主叫电话号码</source>
        <translation>Caller phone number</translation>
    </message>
    <message>
        <source>目标身份码</source>
        <translation>Target identity code</translation>
    </message>
    <message>
        <source>GPS数据读取成功</source>
        <translation>GPS data read succeeded</translation>
    </message>
    <message>
        <source>读取GPS</source>
        <translation>Read GPS</translation>
    </message>
    <message>
        <source>指定呼叫</source>
        <translation>Directed call</translation>
    </message>
    <message>
        <source>业务调度</source>
        <translation>Service dispatch</translation>
    </message>
    <message>
        <source>GPS写入（船台）</source>
        <translation>GPS write (ship station)</translation>
    </message>
    <message>
        <source>经度:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>纬度:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>方向:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>速度:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>语音呼叫发起（船台）</source>
        <translation>Voice call initiation (ship station)</translation>
    </message>
    <message>
        <source>呼叫号码:</source>
        <translation>Call number:</translation>
    </message>
    <message>
        <source>指定船台呼叫（基站侧）</source>
        <translation>Directed ship station call (base station side)</translation>
    </message>
    <message>
        <source>指定控制状态:</source>
        <translation>Directed control state:</translation>
    </message>
    <message>
        <source>业务调度分配（基站侧）</source>
        <translation>Service dispatch allocation (base station side)</translation>
    </message>
    <message>
        <source>呼叫分配（基站侧）</source>
        <translation>Call allocation (base station side)</translation>
    </message>
    <message>
        <source>附加控制类型:</source>
        <translation>Additional control type:</translation>
    </message>
    <message>
        <source>主叫电话号码:</source>
        <translation>Caller phone number:</translation>
    </message>
    <message>
        <source>透明数据传输（船台）</source>
        <translation>Transparent data transfer (ship station)</translation>
    </message>
    <message>
        <source>半双工普通语音呼叫</source>
        <translation>Half-duplex normal voice call</translation>
    </message>
    <message>
        <source>半双工一级告警语音呼叫</source>
        <translation>Half-duplex level-1 alarm voice call</translation>
    </message>
    <message>
        <source>半双工二级告警语音呼叫</source>
        <translation>Half-duplex level-2 alarm voice call</translation>
    </message>
    <message>
        <source>半双工三级告警语音呼叫</source>
        <translation>Half-duplex level-3 alarm voice call</translation>
    </message>
    <message>
        <source>双工普通语音呼叫</source>
        <translation>Duplex normal voice call</translation>
    </message>
    <message>
        <source>双工一级告警语音呼叫</source>
        <translation>Duplex level-1 alarm voice call</translation>
    </message>
    <message>
        <source>双工二级告警语音呼叫</source>
        <translation>Duplex level-2 alarm voice call</translation>
    </message>
    <message>
        <source>双工三级告警语音呼叫</source>
        <translation>Duplex level-3 alarm voice call</translation>
    </message>
    <message>
        <source>用户忙拒绝</source>
        <translation>Rejected, user busy</translation>
    </message>
    <message>
        <source>排队等待</source>
        <translation>Queued, waiting</translation>
    </message>
    <message>
        <source>普通数据呼叫</source>
        <translation>Normal data call</translation>
    </message>
    <message>
        <source>一级告警数据呼叫</source>
        <translation>Level-1 alarm data call</translation>
    </message>
    <message>
        <source>二级告警数据呼叫</source>
        <translation>Level-2 alarm data call</translation>
    </message>
    <message>
        <source>带回应普通数据呼叫</source>
        <translation>Normal data call with reply</translation>
    </message>
    <message>
        <source>带回应一级告警数据呼叫</source>
        <translation>Level-1 alarm data call with reply</translation>
    </message>
    <message>
        <source>带回应二级告警数据呼叫</source>
        <translation>Level-2 alarm data call with reply</translation>
    </message>
    <message>
        <source>(目标为主叫)按指定的信道频率分配</source>
        <translation>(Target is caller) Allocate by specified channel frequency</translation>
    </message>
    <message>
        <source>(目标为主叫)按当前的信道频率分配</source>
        <translation>(Target is caller) Allocate by current channel frequency</translation>
    </message>
    <message>
        <source>(目标为主叫)被叫号码不存在</source>
        <translation>(Target is caller) Called number does not exist</translation>
    </message>
    <message>
        <source>(目标为主叫)被叫不在服务区</source>
        <translation>(Target is caller) Called party out of service area</translation>
    </message>
    <message>
        <source>(目标为被叫)按指定的信道频率分配</source>
        <translation>(Target is called party) Allocate by specified channel frequency</translation>
    </message>
    <message>
        <source>(目标为被叫)按当前的信道频率分配</source>
        <translation>(Target is called party) Allocate by current channel frequency</translation>
    </message>
    <message>
        <source>指定信道编号设置错误,请设置为%1-%2!</source>
        <translation>Invalid specified channel number, set it to %1-%2!</translation>
    </message>
    <message>
        <source>指定信道发射频率设置不正确!</source>
        <translation>Invalid specified channel TX frequency!</translation>
    </message>
    <message>
        <source>指定信道接收频率设置不正确!</source>
        <translation>Invalid specified channel RX frequency!</translation>
    </message>
    <message>
        <source>切换到默认信道频率</source>
        <translation>Switch to default channel frequency</translation>
    </message>
    <message>
        <source>切换到指定信道编号</source>
        <translation>Switch to specified channel number</translation>
    </message>
    <message>
        <source>切换到脱网信道频率</source>
        <translation>Switch to off-network channel frequency</translation>
    </message>
    <message>
        <source>切换到脱网频率</source>
        <translation>Switch to off-network frequency</translation>
    </message>
    <message>
        <source>切换到默认信道频率，并收发频率调换</source>
        <translation>Switch to default channel frequency, swap TX/RX frequencies</translation>
    </message>
    <message>
        <source>切换到指定信道编号，并收发频率调换</source>
        <translation>Switch to specified channel number, swap TX/RX frequencies</translation>
    </message>
    <message>
        <source>切换到脱网信道频率，并收发频率调换</source>
        <translation>Switch to off-network channel frequency, swap TX/RX frequencies</translation>
    </message>
    <message>
        <source>定时信标</source>
        <translation>Timed beacon</translation>
    </message>
    <message>
        <source>信标指令</source>
        <translation>Beacon command</translation>
    </message>
    <message>
        <source>恢复到前次切换时的频率</source>
        <translation>Restore the frequency before the previous switch</translation>
    </message>
    <message>
        <source>按指定信道频率切换</source>
        <translation>Switch by specified channel frequency</translation>
    </message>
    <message>
        <source>信道切换（适用于船台）</source>
        <translation>Channel switch (for ship stations)</translation>
    </message>
    <message>
        <source>指定信道编号:</source>
        <translation>Specified channel number:</translation>
    </message>
    <message>
        <source>指定信道频率 发射:</source>
        <translation>Specified channel frequency TX:</translation>
    </message>
    <message>
        <source>静态组呼</source>
        <translation>Static group call</translation>
    </message>
    <message>
        <source>动态组呼</source>
        <translation>Dynamic group call</translation>
    </message>
    <message>
        <source>个数设置错误,请设置为%1-%2!</source>
        <translation>: invalid count, set it to %1-%2!</translation>
    </message>
    <message>
        <source>码</source>
        <translation> code </translation>
    </message>
    <message>
        <source>设置错误,请设置为%1-%2!</source>
        <translation>: invalid, set it to %1-%2!</translation>
    </message>
    <message>
        <source>用户信息读取成功</source>
        <translation>User info read succeeded</translation>
    </message>
    <message>
        <source>发射功率读取成功</source>
        <translation>TX power read succeeded</translation>
    </message>
    <message>
        <source>组呼码读取成功</source>
        <translation>Group call code read succeeded</translation>
    </message>
    <message>
        <source>用户信息设置成功</source>
        <translation>User info setting succeeded</translation>
    </message>
    <message>
        <source>发射功率设置成功</source>
        <translation>TX power setting succeeded</translation>
    </message>
    <message>
        <source>组呼码设置成功</source>
        <translation>Group call code setting succeeded</translation>
    </message>
    <message>
        <source>开机通知</source>
        <translation>Power-on notification</translation>
    </message>
    <message>
        <source>关机通知</source>
        <translation>Power-off notification</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>Set user info</translation>
    </message>
    <message>
        <source>设置发射功率</source>
        <translation>Set TX power</translation>
    </message>
    <message>
        <source>静态组呼码</source>
        <translation>Static group call codes</translation>
    </message>
    <message>
        <source>静态组呼个数:</source>
        <translation>Static group call count:</translation>
    </message>
    <message>
        <source>动态组呼码</source>
        <translation>Dynamic group call codes</translation>
    </message>
    <message>
        <source>动态组呼个数:</source>
        <translation>Dynamic group call count:</translation>
    </message>
    <message>
        <source>辅助控制协议</source>
        <translation>Auxiliary control protocol</translation>
    </message>
    <message>
        <source>密码不正确!</source>
        <translation>Incorrect password!</translation>
    </message>
    <message>
        <source>写前备份完成: </source>
        <translation>Backup before write done: </translation>
    </message>
    <message>
        <source>写前备份失败, 未写入任何数据:
</source>
        <translation>Backup before write failed, no data written:
</translation>
    </message>
    <message>
        <source>写前备份: 正在读取终端参数</source>
        <translation>Backup before write: reading terminal parameters</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Operation failed</translation>
    </message>
    <message>
        <source>串口号超出范围</source>
        <translation>Serial port number out of range</translation>
    </message>
    <message>
        <source>没有可用的串口</source>
        <translation>No serial port available</translation>
    </message>
    <message>
        <source>&#13;
接收数据处理失败!&#13;
</source>
        <translation>&#13;
Processing received data failed!&#13;
</translation>
    </message>
    <message>
        <source>文件保存成功!</source>
        <translation>File save succeeded!</translation>
    </message>
    <message>
        <source>文件打开成功!</source>
        <translation>File open succeeded!</translation>
    </message>
    <message>
        <source>文件中没有此类终端的参数!</source>
        <translation>The file contains no parameters for this terminal type!</translation>
    </message>
    <message>
        <source>超出长度,最多</source>
        <translation>: too long, at most </translation>
    </message>
    <message>
        <source>个字节(一个汉字占%1个字节)!</source>
        <translation> bytes (a Chinese character takes %1 bytes)!</translation>
    </message>
    <message>
        <source>含有无法发送的字符,请重新输入!</source>
        <translation>: contains characters that cannot be sent, please re-enter!</translation>
    </message>
    <message>
        <source>确认写录数据?</source>
        <translation>Confirm writing data?</translation>
    </message>
    <message>
        <source>提问</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>操作失败！请检查设备连接是否正常？</source>
        <translation>Operation failed! Is the device connected properly?</translation>
    </message>
    <message>
        <source>配置文件(*.ini)|*.ini||</source>
        <translation>Configuration files (*.ini)|*.ini||</translation>
    </message>
    <message>
        <source>读取记录保存失败: </source>
        <translation>Saving read history failed: </translation>
    </message>
    <message>
        <source>单元记录数据库无法写入: </source>
        <translation>Unit records database cannot be written: </translation>
    </message>
    <message>
        <source>测试照常进行, 记录暂存, 数据库可写时补存。</source>
        <translation>Testing continues as usual, records are held and saved once the database is writable.</translation>
    </message>
    <message>
        <source>写后校验通过</source>
        <translation>Verify after write passed</translation>
    </message>
    <message>
        <source>写后校验发现不一致:</source>
        <translation>Verify after write found differences:</translation>
    </message>
    <message>
        <source>：</source>
        <translation>:</translation>
    </message>
    <message>
        <source>控件</source>
        <translation>Control </translation>
    </message>
    <message>
        <source>选中</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>未选中</source>
        <translation>Unchecked</translation>
    </message>
    <message>
        <source>: 写入 </source>
        <translation>: written </translation>
    </message>
    <message>
        <source>, 读回 </source>
        <translation>, read back </translation>
    </message>
    <message>
        <source>机器码</source>
        <translation>Machine code</translation>
    </message>
    <message>
        <source>频段表</source>
        <translation>Band table</translation>
    </message>
    <message>
        <source>电台发射</source>
        <translation>Radio TX</translation>
    </message>
    <message>
        <source>电台模式</source>
        <translation>Radio mode</translation>
    </message>
    <message>
        <source>场强档位</source>
        <translation>Field strength levels</translation>
    </message>
    <message>
        <source>驻波基准</source>
        <translation>Standing wave reference</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>读取机型</source>
        <translation>Read model</translation>
    </message>
    <message>
        <source>请求 </source>
        <translation>Request </translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>步进 </source>
        <translation>Step </translation>
    </message>
    <message>
        <source>: 第</source>
        <translation>: row </translation>
    </message>
    <message>
        <source>行无应答</source>
        <translation>: no answer</translation>
    </message>
    <message>
        <source>: 无应答</source>
        <translation>: no answer</translation>
    </message>
    <message>
        <source>第</source>
        <translation>row </translation>
    </message>
    <message>
        <source>行</source>
        <translation>row</translation>
    </message>
    <message>
        <source>机器码 </source>
        <translation>Machine code </translation>
    </message>
    <message>
        <source>版本 </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>场强电压 </source>
        <translation>Field strength voltage </translation>
    </message>
    <message>
        <source>电源电量 </source>
        <translation>Supply level </translation>
    </message>
    <message>
        <source>质量 </source>
        <translation>Quality </translation>
    </message>
    <message>
        <source>发射打开</source>
        <translation>TX on</translation>
    </message>
    <message>
        <source>发射关闭</source>
        <translation>TX off</translation>
    </message>
    <message>
        <source>模式 </source>
        <translation>Mode </translation>
    </message>
    <message>
        <source>长度 </source>
        <translation>Length </translation>
    </message>
    <message>
        <source> 字节</source>
        <translation> bytes</translation>
    </message>
    <message>
        <source>无回波</source>
        <translation>No echo</translation>
    </message>
    <message>
        <source>误码率 </source>
        <translation>Bit error rate </translation>
    </message>
    <message>
        <source>平均误码率 </source>
        <translation>Average bit error rate </translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Succeeded</translation>
    </message>
    <message>
        <source>失败: 无应答</source>
        <translation>Failed: no answer</translation>
    </message>
    <message>
        <source>失败: 无回波</source>
        <translation>Failed: no echo</translation>
    </message>
    <message>
        <source>失败: </source>
        <translation>Failed: </translation>
    </message>
    <message>
        <source>发送信息(</source>
        <translation>Sent (</translation>
    </message>
    <message>
        <source>接收信息(</source>
        <translation>Received (</translation>
    </message>
    <message>
        <source>命令应为一个十六进制字节,例如 %1A</source>
        <translation>The command must be one hexadecimal byte, e.g. %1A</translation>
    </message>
    <message>
        <source>时间,方向,命令,字节&#13;
</source>
        <translation>Time,Direction,Command,Bytes&#13;
</translation>
    </message>
    <message>
        <source>长度大于%1字节,无法发送!</source>
        <translation>Longer than %1 bytes, cannot send!</translation>
    </message>
    <message>
        <source>收发记录</source>
        <translation>Send-receive log</translation>
    </message>
    <message>
        <source>记录文件(*.log)|*.log|所有文件(*.*)|*.*||</source>
        <translation>Log files (*.log)|*.log|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>记录文件无法打开:</source>
        <translation>Cannot open log file:</translation>
    </message>
    <message>
        <source>示例(十六进制):%1 %2 %3 %4 %5 %6 %7B</source>
        <translation>Example (hex): %1 %2 %3 %4 %5 %6 %7B</translation>
    </message>
    <message>
        <source>收发帧</source>
        <translation>Send-receive frames</translation>
    </message>
    <message>
        <source>CSV文件(*.csv)|*.csv|所有文件(*.*)|*.*||</source>
        <translation>CSV files (*.csv)|*.csv|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>导出失败:</source>
        <translation>Export failed:</translation>
    </message>
    <message>
        <source>记录文件写入失败,已停止保存记录:</source>
        <translation>Writing the log file failed, log saving stopped:</translation>
    </message>
    <message>
        <source>清空显示</source>
        <translation>Clear display</translation>
    </message>
    <message>
        <source>保存记录</source>
        <translation>Save log</translation>
    </message>
    <message>
        <source>关闭窗口</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>配置</source>
        <translation>Configure</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>历史记录保存失败:</source>
        <translation>Saving history failed:</translation>
    </message>
    <message>
        <source>收发数据显示</source>
        <translation>Sent/received data display</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>是否自动回复</source>
        <translation>Auto reply</translation>
    </message>
    <message>
        <source>历史记录:</source>
        <translation>History:</translation>
    </message>
    <message>
        <source>自动回复列表(按顺序发送):</source>
        <translation>Auto-reply list (sent in order):</translation>
    </message>
    <message>
        <source>自动回复条件</source>
        <translation>Auto-reply condition</translation>
    </message>
    <message>
        <source>接收协议号:</source>
        <translation>Received protocol number:</translation>
    </message>
    <message>
        <source>(示例: %1)</source>
        <translation>(Example: %1)</translation>
    </message>
    <message>
        <source>串口不存在: </source>
        <translation>Serial port does not exist: </translation>
    </message>
    <message>
        <source>没有权限打开串口 </source>
        <translation>No permission to open serial port </translation>
    </message>
    <message>
        <source>,请将当前用户加入 dialout 组并重新登录 (permission denied: add the user to </source>
        <translation>, please add the current user to the dialout group and log in again (permission denied: add the user to </translation>
    </message>
    <message>
        <source>串口 </source>
        <translation>Serial port </translation>
    </message>
    <message>
        <source> 已被其他程序占用 (port in use)</source>
        <translation> is in use by another program (port in use)</translation>
    </message>
    <message>
        <source> 打开失败 (cannot open: </source>
        <translation> failed to open (cannot open: </translation>
    </message>
    <message>
        <source>串口号超出范围 (port number out of range)</source>
        <translation>Serial port number out of range</translation>
    </message>
    <message>
        <source>未指定串口 (no port given)</source>
        <translation>No serial port given</translation>
    </message>
    <message>
        <source>串口速率无效 (bad baud rate)</source>
        <translation>Invalid baud rate</translation>
    </message>
    <message>
        <source> 无法设置为 </source>
        <translation> cannot be set to </translation>
    </message>
    <message>
        <source>串口已断开: </source>
        <translation>Serial port disconnected: </translation>
    </message>
    <message>
        <source>模拟终端已断开 (the simulated device went away)</source>
        <translation>Simulated terminal disconnected</translation>
    </message>
    <message>
        <source>未选择终端类型,无法打开模拟终端 (no terminal type chosen)</source>
        <translation>No terminal type chosen, cannot open the simulated terminal</translation>
    </message>
    <message>
        <source>终端类型 </source>
        <translation>Terminal type </translation>
    </message>
    <message>
        <source> 暂无模拟终端 (no simulator for this terminal type)</source>
        <translation> has no simulated terminal yet</translation>
    </message>
    <message>
        <source>&#13;
&#13;
发送信息(</source>
        <translation>&#13;
&#13;
Sent (</translation>
    </message>
    <message>
        <source>&#13;
&#13;
接收信息(</source>
        <translation>&#13;
&#13;
Received (</translation>
    </message>
    <message>
        <source>号船身份码设置不正确,范围为:%1-%2,请重新输入!</source>
        <translation>: invalid ship identity code, range: %1-%2, please re-enter!</translation>
    </message>
    <message>
        <source>信道频率设置不正确!</source>
        <translation>: invalid channel frequency!</translation>
    </message>
    <message>
        <source>&#13;
数据校验不正确!</source>
        <translation>&#13;
Data checksum error!</translation>
    </message>
    <message>
        <source>张建国</source>
        <translation>Zhang Jianguo</translation>
    </message>
    <message>
        <source>北京铁路局调度所</source>
        <translation>Beijing Railway Bureau dispatch office</translation>
    </message>
    <message>
        <source>李卫东</source>
        <translation>Li Weidong</translation>
    </message>
    <message>
        <source>网络电台 第三中队</source>
        <translation>Network radio 3rd squadron</translation>
    </message>
    <message>
        <source>王海洋</source>
        <translation>Wang Haiyang</translation>
    </message>
    <message>
        <source>浙江省舟山市普陀区渔政船</source>
        <translation>Fishery administration vessel, Putuo District, Zhoushan, Zhejiang</translation>
    </message>
    <message>
        <source>王建军</source>
        <translation>Wang Jianjun</translation>
    </message>
    <message>
        <source>郑州铁路局机务段</source>
        <translation>Zhengzhou Railway Bureau locomotive depot</translation>
    </message>
    <message>
        <source>陈海生</source>
        <translation>Chen Haisheng</translation>
    </message>
    <message>
        <source>浙江省温州市海监支队</source>
        <translation>Wenzhou Marine Surveillance Detachment, Zhejiang</translation>
    </message>
    <message>
        <source>  %1  the terminal did not answer a step (&quot;操作失败&quot;)
</source>
        <translation>  %1  the terminal did not answer a step (&quot;Operation failed&quot;)
</translation>
    </message>
    <message>
        <source>answer &quot;确认写录数据?&quot; with OK instead of asking</source>
        <translation>answer &quot;Confirm writing data?&quot; with OK instead of asking</translation>
    </message>
    <message>
        <source>数据校验不正确</source>
        <translation>Data checksum error</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Output: one line per field that differs, 页: 字段: &quot;first&quot; → &quot;second&quot; (with --port: </source>
        <translation>Output: one line per field that differs, page: field: &quot;first&quot; → &quot;second&quot; (with --port: </translation>
    </message>
    <message>
        <source>内置模拟终端</source>
        <translation>Built-in simulated terminal</translation>
    </message>
    <message>
        <source>连接信息:</source>
        <translation>Connection: </translation>
    </message>
    <message>
        <source>confirm every prompt of a plan (确定) without asking</source>
        <translation>confirm every prompt of a plan (OK) without asking</translation>
    </message>
    <message>
        <source>操作提示</source>
        <translation>Operation note</translation>
    </message>
    <message>
        <source>send: 长度大于%1字节,无法发送!
</source>
        <translation>send: longer than %1 bytes, cannot send!
</translation>
    </message>
    <message>
        <source>单元记录数据库不存在: </source>
        <translation>Unit records database does not exist: </translation>
    </message>
    <message>
        <source>单元记录数据库无法读取: </source>
        <translation>Unit records database cannot be read: </translation>
    </message>
    <message>
        <source>  无 Cpk: </source>
        <translation>  no Cpk: </translation>
    </message>
    <message>
        <source> 控制图</source>
        <translation> control chart</translation>
    </message>
    <message>
        <source>%1 处不同 (文件 → 窗口)</source>
        <translation>%1 differences (file → window)</translation>
    </message>
    <message>
        <source>%1 天, 每天测试的单元合计 %2</source>
        <translation>%1 days, %2 units tested in all</translation>
    </message>
    <message>
        <source>%v / %m 步</source>
        <translation>%v / %m steps</translation>
    </message>
    <message>
        <source>: %1 条记录</source>
        <translation>: %1 records</translation>
    </message>
    <message>
        <source>RadioBench
数字对讲终端配置与生产测试工具</source>
        <translation>RadioBench
Configuration and production test of digital two-way radio terminals</translation>
    </message>
    <message>
        <source>W&amp;Z-%1集群</source>
        <translation>W&amp;Z-%1 trunking</translation>
    </message>
    <message>
        <source>n=%1  均值 %2  σ %3</source>
        <translation>n=%1  mean %2  σ %3</translation>
    </message>
    <message>
        <source>σ为%1</source>
        <translation>σ is %1</translation>
    </message>
    <message>
        <source>✔ 合格</source>
        <translation>✔ Pass</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>下限</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>不合格项</source>
        <translation>Failed items</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Port settings</translation>
    </message>
    <message>
        <source>例如 %1A</source>
        <translation>e.g. %1A</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>全部读取完成, 已存入历史记录</source>
        <translation>Read all finished, kept in the read history</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>关于...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Close port</translation>
    </message>
    <message>
        <source>其他文件...</source>
        <translation>Other file...</translation>
    </message>
    <message>
        <source>其他端口:</source>
        <translation>Other port:</translation>
    </message>
    <message>
        <source>写前备份</source>
        <translation>Backup before write</translation>
    </message>
    <message>
        <source>写前备份(&amp;B)</source>
        <translation>&amp;Backup before write</translation>
    </message>
    <message>
        <source>写后校验</source>
        <translation>Verify after write</translation>
    </message>
    <message>
        <source>写后校验(&amp;V)</source>
        <translation>&amp;Verify after write</translation>
    </message>
    <message>
        <source>列调/平调台(&amp;L)</source>
        <translation>Train/dispatch &amp;station</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>单元 (按测试时间)</source>
        <translation>Units (by test time)</translation>
    </message>
    <message>
        <source>单元</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>单元编号:</source>
        <translation>Unit number:</translation>
    </message>
    <message>
        <source>单元记录 - </source>
        <translation>Unit records - </translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <source>只显示此命令字节(十六进制)的帧</source>
        <translation>Show only frames with this command byte (hex)</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>命令</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>命令:</source>
        <translation>Command:</translation>
    </message>
    <message>
        <source>均值</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>均值+%1σ</source>
        <translation>Mean+%1σ</translation>
    </message>
    <message>
        <source>均值-%1σ</source>
        <translation>Mean-%1σ</translation>
    </message>
    <message>
        <source>字节或提示中的文字</source>
        <translation>Text in the bytes or notes</translation>
    </message>
    <message>
        <source>密码框</source>
        <translation>Access code</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>帧列表</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>当前页面有未写录或存储的修改,是否切换?</source>
        <translation>This page has changes that were not written or saved. Switch anyway?</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open port</translation>
    </message>
    <message>
        <source>扫描条码或输入, 回车开始</source>
        <translation>Scan the bar code or type it, Enter starts</translation>
    </message>
    <message>
        <source>把列表中显示的帧导出为CSV文件</source>
        <translation>Export the frames shown to a CSV file</translation>
    </message>
    <message>
        <source>控制图</source>
        <translation>Control chart</translation>
    </message>
    <message>
        <source>收发数据的原始文本</source>
        <translation>Raw text of the frames sent and received</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>数值少于%1个</source>
        <translation>Fewer than %1 values</translation>
    </message>
    <message>
        <source>文字:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>无法读取测试计划: </source>
        <translation>Cannot read the test plan: </translation>
    </message>
    <message>
        <source>是否脱机工作?</source>
        <translation>Work offline?</translation>
    </message>
    <message>
        <source>显示:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>最终通过率</source>
        <translation>Final yield</translation>
    </message>
    <message>
        <source>最近十个单元:</source>
        <translation>Last ten units:</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>查找(回车: 下一个)</source>
        <translation>Find (Enter: next)</translation>
    </message>
    <message>
        <source>查找:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>正在读取, 请稍候</source>
        <translation>Reading, please wait</translation>
    </message>
    <message>
        <source>此类终端使用</source>
        <translation>This terminal type uses </translation>
    </message>
    <message>
        <source>波特率,是否切换?</source>
        <translation> baud. Switch?</translation>
    </message>
    <message>
        <source>此类终端使用%1波特率,是否切换?</source>
        <translation>This terminal type uses %1 baud. Switch the port?</translation>
    </message>
    <message>
        <source>步骤 / 测量</source>
        <translation>Step / measurement</translation>
    </message>
    <message>
        <source>每一帧一行: 时间(毫秒)、方向、命令、字节</source>
        <translation>One frame a row: time (ms), direction, command, bytes</translation>
    </message>
    <message>
        <source>每日良率</source>
        <translation>Daily yield</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>没有上下限</source>
        <translation>No limits</translation>
    </message>
    <message>
        <source>没有不同</source>
        <translation>No differences</translation>
    </message>
    <message>
        <source>没有数值</source>
        <translation>No values</translation>
    </message>
    <message>
        <source>测试中...</source>
        <translation>Testing...</translation>
    </message>
    <message>
        <source>测试站</source>
        <translation>Test station</translation>
    </message>
    <message>
        <source>测试站(&amp;A)...</source>
        <translation>Test st&amp;ation...</translation>
    </message>
    <message>
        <source>测试计划(*.plan);;所有文件(*)</source>
        <translation>Test plans (*.plan);;All files (*)</translation>
    </message>
    <message>
        <source>测试计划:</source>
        <translation>Test plan:</translation>
    </message>
    <message>
        <source>测试记录无法读取: </source>
        <translation>Test records cannot be read: </translation>
    </message>
    <message>
        <source>测量项:</source>
        <translation>Measurement:</translation>
    </message>
    <message>
        <source>灰色: 提示信息</source>
        <translation>Grey: notes</translation>
    </message>
    <message>
        <source>生产测试(&amp;P)</source>
        <translation>&amp;Production test</translation>
    </message>
    <message>
        <source>生产测试页面未打开</source>
        <translation>The production test page is not open</translation>
    </message>
    <message>
        <source>界面语言将在重新启动程序后更改。</source>
        <translation>The interface language changes when the program is started again.</translation>
    </message>
    <message>
        <source>监视窗口</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>监视窗口(&amp;S)</source>
        <translation>Monitor &amp;window</translation>
    </message>
    <message>
        <source>端口设置(&amp;P)</source>
        <translation>&amp;Port settings</translation>
    </message>
    <message>
        <source>终端设置</source>
        <translation>Terminal settings</translation>
    </message>
    <message>
        <source>终端选择(&amp;T)</source>
        <translation>&amp;Terminal</translation>
    </message>
    <message>
        <source>终端选择:</source>
        <translation>Terminal:</translation>
    </message>
    <message>
        <source>绿色: 终端发来的帧</source>
        <translation>Green: frames from the terminal</translation>
    </message>
    <message>
        <source>网络电台(&amp;W)</source>
        <translation>Net&amp;work radio</translation>
    </message>
    <message>
        <source>良率</source>
        <translation>Yield</translation>
    </message>
    <message>
        <source>蓝色: 发给终端的帧</source>
        <translation>Blue: frames to the terminal</translation>
    </message>
    <message>
        <source>记录</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>设置保存失败:</source>
        <translation>The setting could not be saved: </translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>请先选择测试计划</source>
        <translation>Choose a test plan first</translation>
    </message>
    <message>
        <source>请输入验证密码:</source>
        <translation>Enter the access code:</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>还没有单元记录 (</source>
        <translation>No unit records yet (</translation>
    </message>
    <message>
        <source>还没有带数值的测量</source>
        <translation>No measurements with values yet</translation>
    </message>
    <message>
        <source>还没有测试记录</source>
        <translation>No test records yet</translation>
    </message>
    <message>
        <source>连接信息:串口未打开</source>
        <translation>Connection: port not open</translation>
    </message>
    <message>
        <source>连接信息:内置模拟终端,%1,N,%2,%3</source>
        <translation>Connection: built-in simulated terminal,%1,N,%2,%3</translation>
    </message>
    <message>
        <source>连接失败</source>
        <translation>Connection failed</translation>
    </message>
    <message>
        <source>退  出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>选择...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>选择测试计划</source>
        <translation>Choose a test plan</translation>
    </message>
    <message>
        <source>通讯端口设置</source>
        <translation>Port settings</translation>
    </message>
    <message>
        <source>首次通过率</source>
        <translation>First-pass yield</translation>
    </message>
    <message>
        <source>关闭</source>
        <comment>button</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>第%1行</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>理想</source>
        <translation>Ideal</translation>
    </message>
    <message>
        <source>优良</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>一般</source>
        <translation>Fair</translation>
    </message>
    <message>
        <source>较差</source>
        <translation>Poor</translation>
    </message>
    <message>
        <source>发送</source>
        <comment>direction</comment>
        <translation>TX</translation>
    </message>
    <message>
        <source>接收</source>
        <comment>direction</comment>
        <translation>RX</translation>
    </message>
    <message>
        <source>提示</source>
        <comment>direction</comment>
        <translation>Note</translation>
    </message>
    <message>
        <source>字节</source>
        <comment>column</comment>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>找不到服务器</source>
        <translation>server not found</translation>
    </message>
    <message>
        <source>数据库不存在 (</source>
        <translation>the database does not exist (</translation>
    </message>
    <message>
        <source>无法连接记录数据库: </source>
        <translation>Cannot connect to the record database: </translation>
    </message>
    <message>
        <source>服务器没有运行或拒绝连接</source>
        <translation>the server is not running or refuses the connection</translation>
    </message>
    <message>
        <source>用户名或密码不对</source>
        <translation>wrong user name or password</translation>
    </message>
    <message>
        <source>连接超时, 服务器没有应答</source>
        <translation>connection timed out, the server does not answer</translation>
    </message>
    <message>
        <source>序号已用完,请重新设置序号范围!</source>
        <translation>The serial numbers are used up, set a new serial number range!</translation>
    </message>
    <message>
        <source>序号必须大于已分配的序号</source>
        <translation>The serial number must be greater than the serial number already handed out: </translation>
    </message>
    <message>
        <source>序号数据库操作失败,序号范围未保存!(</source>
        <translation>Serial number database error, the range was not saved! (</translation>
    </message>
    <message>
        <source>序号数据库操作失败,未分配序号!(</source>
        <translation>Serial number database error, no serial number handed out! (</translation>
    </message>
    <message>
        <source>序号数据库无法连接!</source>
        <translation>Cannot connect to the serial number database!</translation>
    </message>
    <message>
        <source>序号数据库无法连接,序号范围未保存!</source>
        <translation>Cannot connect to the serial number database, the range was not saved!</translation>
    </message>
    <message>
        <source>序号数据库无法连接,未分配序号!</source>
        <translation>Cannot connect to the serial number database, no serial number handed out!</translation>
    </message>
    <message>
        <source>序号数据库读取失败!(</source>
        <translation>Failed to read the serial number database! (</translation>
    </message>
    <message>
        <source>序号范围将对所有测试台生效,是否继续?</source>
        <translation>The serial number range applies to every test bench. Continue?</translation>
    </message>
    <message>
        <source>序号范围未设置,请先设置序号范围!</source>
        <translation>No serial number range is set, set one first!</translation>
    </message>
    <message>
        <source>序号必须大于已分配的序号%1!</source>
        <translation>The serial number must be greater than %1, the last one handed out!</translation>
    </message>
</context>
</TS>
