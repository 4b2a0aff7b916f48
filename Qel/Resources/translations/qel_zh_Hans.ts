<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>qel</name>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="58"/>
        <source>%n years</source>
        <translation>
            <numerusform>%n 年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="59"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/HotKey.cpp" line="129"/>
        <source>Ctrl+Alt+E</source>
        <translation>Ctrl+Alt+E</translation>
    </message>
    <message>
        <location filename="../../MenuBar/HotKey.cpp" line="132"/>
        <source>Ctrl+Alt+E is taken by another program. Bind the command qel --replay to a key in your desktop&apos;s keyboard settings instead.</source>
        <translation>Ctrl+Alt+E 已被其他程序占用。请改为在桌面的键盘设置中将命令 qel --replay 绑定到一个按键。</translation>
    </message>
    <message>
        <location filename="../../MenuBar/HotKey.cpp" line="136"/>
        <source>This desktop doesn&apos;t let Qel listen for Ctrl+Alt+E. Bind the command qel --replay to a key in your desktop&apos;s keyboard settings instead.</source>
        <translation>此桌面不允许 Qel 监听 Ctrl+Alt+E。请改为在桌面的键盘设置中将命令 qel --replay 绑定到一个按键。</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Measured</source>
        <translation>实测</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Process sum</source>
        <translation>进程合计</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="72"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="25"/>
        <source>Compressed</source>
        <translation>已压缩</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="71"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="26"/>
        <source>Kernel &amp; locked</source>
        <translation>内核与锁定</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="67"/>
        <source>%@ available</source>
        <translation>%@ 可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="71"/>
        <source>%@ used of %@</source>
        <translation>已用 %@，共 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="76"/>
        <source>No battery</source>
        <translation>无电池</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On battery</source>
        <translation>使用电池</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On AC power</source>
        <translation>使用交流电源</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="78"/>
        <source>, charging</source>
        <translation>，正在充电</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="79"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="80"/>
        <source>Unavailable</source>
        <translation>不可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="83"/>
        <source>Not charging</source>
        <translation>未在充电</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="153"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="97"/>
        <source>Process %@</source>
        <translation>进程 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="98"/>
        <source>Keeping the display on</source>
        <translation>正在保持显示器开启</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="99"/>
        <source>Keeps the computer awake when idle or with the lid closed</source>
        <translation>在空闲或合上盖子时保持电脑唤醒</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="20"/>
        <source>Thermal state: %@</source>
        <translation>热状态：%@</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="25"/>
        <source>Battery %@%</source>
        <translation>电池 %@%</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="26"/>
        <source>, on AC power</source>
        <translation>，使用交流电源</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="32"/>
        <source>%@ disk free</source>
        <translation>磁盘可用 %@</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="20"/>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="50"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="39"/>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="64"/>
        <location filename="../../App/SampleReport.cpp" line="97"/>
        <location filename="../../Kit/PageTable.cpp" line="33"/>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="52"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="42"/>
        <source>Memory</source>
        <translation>内存</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="80"/>
        <location filename="../../Kit/PageTable.cpp" line="46"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="44"/>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="85"/>
        <location filename="../../Kit/PageTable.cpp" line="40"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="45"/>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="53"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="47"/>
        <source>Energy</source>
        <translation>能耗</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="57"/>
        <source>Energy (est.)</source>
        <translation>能耗（估算）</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="67"/>
        <source>Unknown path</source>
        <translation>路径未知</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="17"/>
        <source>No profile for this process</source>
        <translation>此进程没有档案</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="18"/>
        <source>Qel keeps long-term profiles for apps only, not for individual system processes.</source>
        <translation>Qel 只为应用保留长期档案，不为单个系统进程保留。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="19"/>
        <source>Qel keeps long-term profiles for apps only, and this program doesn&apos;t belong to one.</source>
        <translation>Qel 只为应用保留长期档案，而这个程序不属于任何应用。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>No notable change</source>
        <translation>无明显变化</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>Its usage has stayed within its own usual range.</source>
        <translation>其用量一直处于自身的正常范围内。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="29"/>
        <source>Lighter since the update to %@</source>
        <translation>自更新到 %@ 以来变轻了</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="30"/>
        <source>Since it updated on %@, it uses %@% less memory on average than before.</source>
        <translation>自 %@ 更新以来，它的平均内存用量比以前少 %@%。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="33"/>
        <source>Heavier since the update to %@</source>
        <translation>自更新到 %@ 以来变重了</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="34"/>
        <source>Since it updated on %@, it uses %@% more memory on average than before.</source>
        <translation>自 %@ 更新以来，它的平均内存用量比以前多 %@%。</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="28"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>无法运行系统的 lsof 命令，因此无法读取监听端口。</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="32"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>目前你的账户下没有进程在监听端口。</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="39"/>
        <location filename="../../Pages/Network/PortList.cpp" line="68"/>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="45"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>仅限你账户下进程的端口。查看系统服务使用的端口需要管理员权限。</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="43"/>
        <source>Processor</source>
        <translation>处理器</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="44"/>
        <source>Chip</source>
        <translation>芯片</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="45"/>
        <location filename="../../App/SampleReport.cpp" line="98"/>
        <source>Cores</source>
        <translation>核心</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="46"/>
        <source>%@ (%@, %@)</source>
        <translation>%@（%@，%@）</translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="46"/>
        <source>%n logical</source>
        <translation>
            <numerusform>%n 个逻辑核心</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n performance</source>
        <translation>
            <numerusform>%n 个性能核心</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n efficiency</source>
        <translation>
            <numerusform>%n 个能效核心</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="49"/>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>Load over one second</source>
        <translation>一秒内的负载</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="50"/>
        <source>%@ (user %@, system %@)</source>
        <translation>%@（用户 %@，系统 %@）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="53"/>
        <source>Per core</source>
        <translation>按核心</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>can&apos;t be read here (no processor counters)</source>
        <translation>此处无法读取（没有处理器计数器）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="57"/>
        <source>Load average, one minute</source>
        <translation>平均负载（1 分钟）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="58"/>
        <source>Thermal state</source>
        <translation>热状态</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="59"/>
        <source>%@ (no thermal zones here)</source>
        <translation>%@（此处没有温度区域）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="66"/>
        <location filename="../../App/SampleReport.cpp" line="69"/>
        <source>Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="66"/>
        <location filename="../../App/SampleReport.cpp" line="129"/>
        <source>can&apos;t be read here</source>
        <translation>此处无法读取</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="70"/>
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="73"/>
        <source>Pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="74"/>
        <source>Swap used</source>
        <translation>已用交换空间</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>Over one second</source>
        <translation>一秒内</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <source>down %@, up %@</source>
        <translation>下行 %@，上行 %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>Addresses</source>
        <translation>地址</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>none on a physical interface</source>
        <translation>物理接口上没有</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="84"/>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>read %@, write %@</source>
        <translation>读取 %@，写入 %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="90"/>
        <source>Graphics</source>
        <translation>图形</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="93"/>
        <location filename="../../App/SampleReport.cpp" line="96"/>
        <source>Use</source>
        <translation>使用率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="93"/>
        <source>no graphics processor reports its use here</source>
        <translation>此处没有图形处理器报告其使用率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="98"/>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>not reported</source>
        <translation>未报告</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="103"/>
        <source>Battery and power</source>
        <translation>电池与电源</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="107"/>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="151"/>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>%@, %@</source>
        <translation>%@，%@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>charging</source>
        <translation>正在充电</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on AC</source>
        <translation>交流电源</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <source>Health</source>
        <translation>健康度</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <source>Cycles</source>
        <translation>循环</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <source>Energy left</source>
        <translation>剩余电能</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <source>Charger rating</source>
        <translation>充电器额定功率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>Power in</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>Charging power</source>
        <translation>充电功率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>not charging or not reported</source>
        <translation>未充电或未报告</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="120"/>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>Power draw</source>
        <translation>耗电功率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <source>can&apos;t be read here (no battery to measure it)</source>
        <translation>此处无法读取（没有可测量的电池）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>can&apos;t be read here (measured only while on battery)</source>
        <translation>此处无法读取（仅在使用电池时测量）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="127"/>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="129"/>
        <location filename="../../App/SampleReport.cpp" line="131"/>
        <source>System disk</source>
        <translation>系统磁盘</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="131"/>
        <location filename="../../App/SampleReport.cpp" line="139"/>
        <source>%@ total, %@ free</source>
        <translation>共 %@，可用 %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="134"/>
        <source>Volumes</source>
        <translation>卷</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="134"/>
        <source>none found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>internal</source>
        <translation>内置</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>external</source>
        <translation>外接</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="137"/>
        <source>system volume</source>
        <translation>系统卷</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="138"/>
        <source>Volume</source>
        <translation>卷</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="145"/>
        <source>Kept awake by</source>
        <translation>阻止睡眠的程序</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="148"/>
        <location filename="../../App/SampleReport.cpp" line="151"/>
        <source>Holders</source>
        <translation>持有者</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="148"/>
        <source>can&apos;t be read here (logind does not answer on the system bus)</source>
        <translation>此处无法读取（logind 未在系统总线上响应）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="154"/>
        <source>unnamed</source>
        <translation>未命名</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>整台电脑</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Temperature and battery</source>
        <translation>温度与电池</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Single process</source>
        <translation>单个进程</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="42"/>
        <source>When these things happen, Qel tells you which process it is and what to do. Short spikes won&apos;t bother you.</source>
        <translation>发生这些情况时，Qel 会告诉你是哪个进程以及该怎么做。短暂的峰值不会打扰你。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="52"/>
        <source>Pause alerts for 1 hour</source>
        <translation>暂停提醒 1 小时</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <source>No alerts appear while paused. They resume automatically.</source>
        <translation>暂停期间不会出现提醒，之后会自动恢复。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="17"/>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="20"/>
        <source>Quiet mode</source>
        <translation>安静模式</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="18"/>
        <source>Drops processes that are not in front, have no window and use a lot of CPU to background priority. Restored when you turn this off or quit Qel.</source>
        <translation>将不在前台、没有窗口且大量占用 CPU 的进程降为后台优先级。关闭此项或退出 Qel 后恢复。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="47"/>
        <source>Erase all history?</source>
        <translation>要清除全部历史记录吗？</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="48"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="135"/>
        <source>Erase all history</source>
        <translation>清除全部历史记录</translation>
    </message>
    <message>
        <location filename="../../Kit/Widgets/AskFirst.cpp" line="19"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="92"/>
        <source>Show in File Manager</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="98"/>
        <source>The history folder could not be opened</source>
        <translation>无法打开历史记录文件夹</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="100"/>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="110"/>
        <source>Keep history for</source>
        <translation>历史记录保留</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <source>Older days are deleted automatically. The usual baseline is kept.</source>
        <translation>较早的日期会自动删除。平时基线会保留。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="103"/>
        <source>7 days</source>
        <translation>7 天</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="35"/>
        <source>Stored in a database on this computer only. %n days recorded, using %@.</source>
        <translation>
            <numerusform>仅存储在此电脑上的数据库中。已记录 %n 天，占用 %@。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="71"/>
        <source>Keep history for %@?</source>
        <translation>历史记录只保留 %@ 吗？</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Days older than that are deleted now. This can&apos;t be undone.</source>
        <translation>更早的日期会立即删除。此操作无法撤销。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Delete older days</source>
        <translation>删除更早的日期</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="104"/>
        <source>30 days</source>
        <translation>30 天</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="105"/>
        <source>90 days</source>
        <translation>90 天</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="106"/>
        <source>1 year</source>
        <translation>1 年</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="57"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="107"/>
        <source>Forever</source>
        <translation>永久</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="121"/>
        <source>%n days collected. After 3 days the ring shows a reference line.</source>
        <translation>
            <numerusform>已收集 %n 天。满 3 天后，圆环会显示参考线。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="123"/>
        <source>Usual baseline</source>
        <translation>平时基线</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="132"/>
        <source>Erase…</source>
        <translation>清除…</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="33"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Follow system</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="35"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="37"/>
        <source>Interface language</source>
        <translation>界面语言</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="36"/>
        <source>Follow system uses the first of your system languages that Qel supports, or English if there is none.</source>
        <translation>“跟随系统”会使用你的系统语言中第一个 Qel 支持的语言；若都不支持，则使用英语。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="41"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Follow system switches with your desktop&apos;s appearance.</source>
        <translation>“跟随系统”会随桌面外观切换。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="51"/>
        <source>Replay shortcut</source>
        <translation>回放快捷键</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="52"/>
        <source>Press it in any app to replay the last 60 seconds. It can&apos;t be changed yet.</source>
        <translation>在任意应用中按下即可回放最近 60 秒。目前还不能更改。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="57"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="58"/>
        <source>Tab bar numbers</source>
        <translation>标签栏数值</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="65"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="67"/>
        <source>Show load in the taskbar icon</source>
        <translation>在任务栏图标中显示负载</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="66"/>
        <source>The water in the taskbar icon rises with CPU usage, and the icon turns warm when the processor is busy.</source>
        <translation>任务栏图标中的水位随 CPU 使用率上升，处理器繁忙时图标会变为暖色。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="73"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="77"/>
        <source>Check for updates automatically</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="78"/>
        <source>Qel looks for a new version about once a day and tells you when there is one.</source>
        <translation>Qel 大约每天查找一次新版本，有新版本时会告诉你。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="79"/>
        <source>This build of Qel names no update feed, so it can&apos;t look for new versions.</source>
        <translation>此 Qel 版本未指定更新源，因此无法查找新版本。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="82"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="86"/>
        <source>Receive Beta updates</source>
        <translation>接收 Beta 版更新</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="87"/>
        <source>Get early access to upcoming versions and continue receiving stable updates.</source>
        <translation>抢先体验即将推出的版本，同时继续接收稳定版更新。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="23"/>
        <source>Qel&apos;s windows, tray item and update checks are built with Qt, used under the GNU LGPL 3.0.</source>
        <translation>Qel 的窗口、托盘项和更新检查基于 Qt 构建，Qt 依据 GNU LGPL 3.0 使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Public domain</source>
        <translation>公有领域</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Qel keeps its history in SQLite, which is in the public domain.</source>
        <translation>Qel 将历史记录保存在 SQLite 中，SQLite 属于公有领域。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="26"/>
        <source>Qel works with SQLite through SQLiteCpp, used under the MIT License.</source>
        <translation>Qel 通过 SQLiteCpp 使用 SQLite，SQLiteCpp 依据 MIT 许可证使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="28"/>
        <source>Qel reads and writes its settings and changelog with nlohmann-json, used under the MIT License.</source>
        <translation>Qel 使用 nlohmann-json 读写设置和更新日志，nlohmann-json 依据 MIT 许可证使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="30"/>
        <source>Qel formats dates and compares names with ICU, used under the Unicode License.</source>
        <translation>Qel 使用 ICU 格式化日期和比较名称，ICU 依据 Unicode 许可证使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="33"/>
        <source>Qel talks to logind, BlueZ, UPower and the notification service through sd-bus of libsystemd, used under the GNU LGPL 2.1.</source>
        <translation>Qel 通过 libsystemd 的 sd-bus 与 logind、BlueZ、UPower 和通知服务通信，libsystemd 依据 GNU LGPL 2.1 使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="36"/>
        <source>Qel asks the X server for the window in front with libxcb, used under the MIT License.</source>
        <translation>Qel 通过 libxcb 向 X 服务器查询前台窗口，libxcb 依据 MIT 许可证使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="38"/>
        <source>Qt draws through the OpenGL libraries of libglvnd, used under the MIT License.</source>
        <translation>Qt 通过 libglvnd 的 OpenGL 库进行绘制，libglvnd 依据 MIT 许可证使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="41"/>
        <source>Qel&apos;s text font is DejaVu Sans, used under the Bitstream Vera Fonts License.</source>
        <translation>Qel 的文字字体是 DejaVu Sans，依据 Bitstream Vera Fonts License 使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="43"/>
        <source>Qel&apos;s symbols come from the Material Icons font by the Material Design Authors, used under the Apache License 2.0; its authors are not affiliated with Qel.</source>
        <translation>Qel 的符号来自 Material Design Authors 的 Material Icons 字体，依据 Apache License 2.0 使用；其作者与 Qel 无关。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="43"/>
        <source>Show in the tray</source>
        <translation>在托盘中显示</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="44"/>
        <source>Pick any combination. With none selected, only the icon is shown.</source>
        <translation>可任意组合。都不选时只显示图标。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="49"/>
        <source>Icon</source>
        <translation>图标</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="53"/>
        <source>Net speed</source>
        <translation>网速</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="81"/>
        <source>Icon style</source>
        <translation>图标样式</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="118"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterRing.cpp" line="79"/>
        <source>0:00</source>
        <translation>0:00</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterRing.cpp" line="79"/>
        <source>6:00</source>
        <translation>6:00</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterRing.cpp" line="79"/>
        <source>12:00</source>
        <translation>12:00</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterRing.cpp" line="79"/>
        <source>18:00</source>
        <translation>18:00</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="95"/>
        <source>Busiest moment</source>
        <translation>最忙时刻</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="106"/>
        <source>Time recorded</source>
        <translation>已记录时长</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="107"/>
        <source>CPU, daily average</source>
        <translation>CPU，日均</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="108"/>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>Worth a look</source>
        <translation>值得一看</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="148"/>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="150"/>
        <source>Most used: %@</source>
        <translation>用得最多：%@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>30 s</source>
        <translation>30 秒</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>1 min</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>2 min</source>
        <translation>2 分钟</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>5 min</source>
        <translation>5 分钟</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>10 min</source>
        <translation>10 分钟</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="28"/>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="29"/>
        <source>Tray</source>
        <translation>托盘</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="30"/>
        <source>Alerts</source>
        <translation>提醒</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="31"/>
        <source>Background rules</source>
        <translation>后台规则</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="32"/>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="30"/>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="31"/>
        <source>Improved</source>
        <translation>改进</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="32"/>
        <source>Fixed</source>
        <translation>修复</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="14"/>
        <source>Overview</source>
        <translation>概览</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="27"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>System events</source>
        <translation>系统事件</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>Marked by you</source>
        <translation>由你标记</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="8"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="10"/>
        <source>Always</source>
        <translation>始终</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="11"/>
        <source>On hover</source>
        <translation>悬停时</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="12"/>
        <source>When unusual</source>
        <translation>异常时</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="13"/>
        <source>Load lines</source>
        <translation>负载折线</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="14"/>
        <source>Current page</source>
        <translation>当前页面</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="20"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="22"/>
        <source>Each tab shows its number all the time.</source>
        <translation>每个标签页始终显示其数值。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="23"/>
        <source>Tabs show only their name. Point at one to see its number.</source>
        <translation>标签页只显示名称。指向标签页可查看其数值。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="24"/>
        <source>A dot appears on a tab when that part of your computer is unusually busy.</source>
        <translation>电脑某一部分异常繁忙时，对应的标签页上会出现圆点。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="25"/>
        <source>A short line under each tab grows as that part gets busier.</source>
        <translation>每个标签页下方的短线会随该部分的繁忙程度变长。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="26"/>
        <source>Only the page you are on shows its number.</source>
        <translation>仅当前页面显示其数值。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="38"/>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="69"/>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="91"/>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>Asleep</source>
        <translation>睡眠中</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>No history for this time</source>
        <translation>此时间没有历史记录</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="53"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="54"/>
        <source>CPU, memory %@</source>
        <translation>CPU，内存 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="27"/>
        <source>View</source>
        <translation>查看</translation>
    </message>
</context>
<context>
    <name>qel::ActionBar</name>
    <message>
        <location filename="../../Processes/ActionBar.cpp" line="49"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="67"/>
        <source>%n selected</source>
        <translation>
            <numerusform>已选择 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="69"/>
        <source>%n system processes will be skipped</source>
        <translation>
            <numerusform>将跳过 %n 个系统进程</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="72"/>
        <source>End %n processes</source>
        <translation>
            <numerusform>结束 %n 个进程</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ActionBar.cpp" line="68"/>
        <source>Unsaved changes may be lost</source>
        <translation>未保存的更改可能会丢失</translation>
    </message>
</context>
<context>
    <name>qel::AppCommands</name>
    <message>
        <location filename="../../App/AppCommands.cpp" line="59"/>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="60"/>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="61"/>
        <source>What&apos;s new</source>
        <translation>新功能</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="62"/>
        <source>Open Source Licenses</source>
        <translation>开源许可</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="63"/>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>qel::BubbleFieldView</name>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="39"/>
        <source>Memory bubble chart</source>
        <translation>内存气泡图</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="66"/>
        <source>%@ used</source>
        <translation>已用 %@</translation>
    </message>
</context>
<context>
    <name>qel::CPUPage</name>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="94"/>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="107"/>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="108"/>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="109"/>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="112"/>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="113"/>
        <source>Efficiency</source>
        <translation>能效</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>Last 60 seconds</source>
        <translation>最近 60 秒</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>All cores combined</source>
        <translation>所有核心合计</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Using the most</source>
        <translation>占用最多</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Click a name for details</source>
        <translation>点按名称查看详情</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/CPU/CPUPage.cpp" line="183"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n 个进程</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="184"/>
        <source>Load %.2f</source>
        <translation>负载 %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="195"/>
        <source>Each bar is a logical core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>每个条形代表一个逻辑核心。对比色的部分标出其近期峰值。中心显示系统的散热状态。</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="197"/>
        <source>Each bar is a core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>每个条形代表一个核心。对比色的部分标出其近期峰值。中心显示系统的散热状态。</translation>
    </message>
</context>
<context>
    <name>qel::Changelog</name>
    <message>
        <location filename="../../Updates/Changelog.cpp" line="87"/>
        <source>Beta %@</source>
        <translation>Beta %@</translation>
    </message>
</context>
<context>
    <name>qel::CloseButton</name>
    <message>
        <location filename="../../Kit/Widgets/CloseButton.cpp" line="18"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>qel::ColumnTitles</name>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="26"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="27"/>
        <source>CPU %</source>
        <translation>CPU %</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="28"/>
        <source>Memory</source>
        <translation>内存</translation>
    </message>
</context>
<context>
    <name>qel::CoreFlowerView</name>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="50"/>
        <source>Usage per core</source>
        <translation>各核心使用率</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="59"/>
        <source>Total usage %@</source>
        <translation>总使用率 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="65"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="114"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="115"/>
        <source>Load %.2f</source>
        <translation>负载 %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Efficiency</source>
        <translation>能效</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="113"/>
        <source>Thermal state</source>
        <translation>热状态</translation>
    </message>
</context>
<context>
    <name>qel::DayMark</name>
    <message>
        <location filename="../../History/DayMark.cpp" line="16"/>
        <source>Power adapter connected</source>
        <translation>已连接电源适配器</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="17"/>
        <source>Switched to battery power</source>
        <translation>已切换到电池供电</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="18"/>
        <source>External display connected</source>
        <translation>已连接外接显示器</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="19"/>
        <source>External display disconnected</source>
        <translation>已断开外接显示器</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="20"/>
        <source>Woke from sleep</source>
        <translation>从睡眠中唤醒</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="21"/>
        <source>Network disconnected</source>
        <translation>网络已断开</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="22"/>
        <source>Network reconnected</source>
        <translation>网络已重新连接</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="23"/>
        <source>%@ opened</source>
        <translation>%@ 已打开</translation>
    </message>
</context>
<context>
    <name>qel::DayRingView</name>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="80"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="122"/>
        <source>Ring</source>
        <translation>圆环</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteries</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="27"/>
        <source>Device batteries</source>
        <translation>设备电池</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="42"/>
        <source>Scroll to see more devices.</source>
        <translation>滚动查看更多设备。</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteryRing</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="47"/>
        <source>Battery %@%</source>
        <translation>电池 %@%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="50"/>
        <source>%@ battery low</source>
        <translation>%@ 电量低</translation>
    </message>
</context>
<context>
    <name>qel::DiskPage</name>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="103"/>
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="106"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="227"/>
        <source>Read %@, write %@</source>
        <translation>读取 %@，写入 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="113"/>
        <source>Used</source>
        <translation>已用</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="114"/>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="127"/>
        <source>The outer ring is the system disk&apos;s space: used and available.
The inner ring is the last 60 seconds of activity: reads grow outward, writes inward.</source>
        <translation>外环是系统磁盘的空间：已用和可用。
内环是最近 60 秒的活动：读取向外增长，写入向内增长。</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="150"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>Volumes</source>
        <translation>卷</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Active now</source>
        <translation>当前活跃</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Click a name for details</source>
        <translation>点按名称查看详情</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="160"/>
        <source>No process is doing heavy disk activity right now.</source>
        <translation>目前没有进程在大量读写磁盘。</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Most written</source>
        <translation>写入最多</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Since each process started</source>
        <translation>自各进程启动以来</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>%n mounted</source>
        <translation>
            <numerusform>已挂载 %n 个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::DiskPlatterView</name>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="98"/>
        <source>Disk space and activity</source>
        <translation>磁盘空间和活动</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="105"/>
        <source>%@ available</source>
        <translation>%@ 可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="121"/>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="123"/>
        <source>%@ total</source>
        <translation>共 %@</translation>
    </message>
</context>
<context>
    <name>qel::EnergyPage</name>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="182"/>
        <source>Energy</source>
        <translation>能耗</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="186"/>
        <source>Charge</source>
        <translation>电量</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="187"/>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="188"/>
        <source>Thermal state</source>
        <translation>热状态</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="218"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="321"/>
        <source>Preventing sleep</source>
        <translation>正在阻止睡眠</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="232"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="351"/>
        <source>Runtime</source>
        <translation>续航时间</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="242"/>
        <source>Charger</source>
        <translation>充电器</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="246"/>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Adapter power</source>
        <translation>适配器功率</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Current input</source>
        <translation>当前输入</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="249"/>
        <source>Battery charging</source>
        <translation>电池正在充电</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="250"/>
        <source>Power the system reports for the connected adapter, not the current input.</source>
        <translation>系统报告的已连接适配器的功率，而非当前输入功率。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="299"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="385"/>
        <source> Per-app energy is estimated from CPU usage.</source>
        <translation> 各应用的能耗根据 CPU 使用率估算。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="297"/>
        <source>One turn is 60 seconds, with now at the top. Each bar is stacked by app. Gray is everything else.</source>
        <translation>一圈为 60 秒，现在位于顶部。每根柱按应用堆叠，灰色为其他所有。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="322"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n 个进程</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="323"/>
        <source>What is preventing sleep can&apos;t be read on this computer.</source>
        <translation>无法在这台电脑上读取阻止睡眠的项目。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="325"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when you close the lid.</source>
        <translation>没有任何程序在阻止睡眠。合上盖子时电脑会正常睡眠。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="326"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when it&apos;s left idle.</source>
        <translation>没有任何程序在阻止睡眠。闲置时电脑会正常睡眠。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="360"/>
        <source>This computer has no battery</source>
        <translation>此电脑没有电池</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="367"/>
        <source>A runtime estimate isn&apos;t available yet.</source>
        <translation>暂时无法估算续航时间。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>If you unplugged now, about</source>
        <translation>如果现在拔掉电源，约可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>At this rate, about</source>
        <translation>按此速度，约可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="384"/>
        <source>Estimated from the average power over the last minute.</source>
        <translation>根据最近一分钟的平均功率估算。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="389"/>
        <source>Health</source>
        <translation>健康度</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="391"/>
        <source>Cycle count</source>
        <translation>循环次数</translation>
    </message>
</context>
<context>
    <name>qel::EnergyRing</name>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="34"/>
        <source>Energy over the last 60 seconds</source>
        <translation>最近 60 秒的能耗</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="43"/>
        <source>%.1f watts</source>
        <translation>%.1f 瓦</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>45 s ago</source>
        <translation>45 秒前</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>30 s ago</source>
        <translation>30 秒前</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>15 s ago</source>
        <translation>15 秒前</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="139"/>
        <source>Battery %@%</source>
        <translation>电池 %@%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="140"/>
        <source>On AC power</source>
        <translation>使用交流电源</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="141"/>
        <source>Right now</source>
        <translation>此刻</translation>
    </message>
</context>
<context>
    <name>qel::EventNote</name>
    <message>
        <location filename="../../Window/Overview/EventNote.cpp" line="18"/>
        <source>%@  %@</source>
        <translation>%@  %@</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/EventNote.cpp" line="24"/>
        <source>Just before: %@ %@</source>
        <translation>此前：%@ %@</translation>
    </message>
</context>
<context>
    <name>qel::ExportSheet</name>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="74"/>
        <source>Export this day as an image</source>
        <translation>将这一天导出为图像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="75"/>
        <source>Saves the ring for this day as a 1080 × 1080 picture.</source>
        <translation>将这一天的圆环保存为 1080 × 1080 的图片。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="111"/>
        <source>Deep sea</source>
        <translation>深海</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="111"/>
        <source>Ink</source>
        <translation>水墨</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="116"/>
        <source>Background</source>
        <translation>后台</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="117"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>Show app names</source>
        <translation>显示应用名称</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>When off, no app name appears in the picture</source>
        <translation>关闭后，图片中不会出现应用名称</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="119"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>Show event dots</source>
        <translation>显示事件圆点</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>The things worth a look on this day</source>
        <translation>这一天值得一看的事</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="122"/>
        <source>The picture contains only the usage rings and what is switched on above. It never includes window titles, file names or network addresses.</source>
        <translation>图片只包含使用率圆环和上方已开启的内容，绝不包含窗口标题、文件名或网络地址。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="137"/>
        <source>Copy image</source>
        <translation>复制图像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="140"/>
        <source>Save image…</source>
        <translation>保存图像…</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="176"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="186"/>
        <source>Couldn&apos;t create the image</source>
        <translation>无法创建图像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="179"/>
        <source>Couldn&apos;t save the image</source>
        <translation>无法保存图像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="181"/>
        <source>Image saved</source>
        <translation>图像已保存</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="193"/>
        <source>Couldn&apos;t copy the image</source>
        <translation>无法复制图像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="195"/>
        <source>Copied to the clipboard</source>
        <translation>已复制到剪贴板</translation>
    </message>
</context>
<context>
    <name>qel::FindingCard</name>
    <message>
        <location filename="../../Sheets/Reports/FindingCard.cpp" line="54"/>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/FindingCard.cpp" line="56"/>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
</context>
<context>
    <name>qel::GPUHiveView</name>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="36"/>
        <source>GPU usage</source>
        <translation>GPU 使用率</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="43"/>
        <source>Unavailable</source>
        <translation>不可用</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="78"/>
        <source>Now</source>
        <translation>现在</translation>
    </message>
</context>
<context>
    <name>qel::GPUPage</name>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="96"/>
        <source>The more cells lit, the busier the GPU. The outer ring is the last 60 seconds, with now at the top.
The system doesn&apos;t report per-core or per-app GPU usage, so only the overall figure is shown.</source>
        <translation>亮起的格子越多，GPU 越忙。外圈为最近 60 秒，现在位于顶部。
系统不报告各核心或各应用的 GPU 使用率，因此只显示总体数值。</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="108"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="129"/>
        <source>GPU memory</source>
        <translation>GPU 内存</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="130"/>
        <source>Cores</source>
        <translation>核心</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="131"/>
        <source>Thermal state</source>
        <translation>热状态</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Likely GPU users</source>
        <translation>可能在使用 GPU 的应用</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Apps with the GPU open, by energy</source>
        <translation>正在使用 GPU 的应用（按能耗）</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Last 60 seconds</source>
        <translation>最近 60 秒</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Overall usage</source>
        <translation>总体使用率</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>Unified memory</source>
        <translation>统一内存</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>GPU and CPU share %@</source>
        <translation>GPU 与 CPU 共享 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="201"/>
        <source>The GPU is using %@, other apps %@, with %@ left.</source>
        <translation>GPU 正在使用 %@，其他应用 %@，剩余 %@。</translation>
    </message>
</context>
<context>
    <name>qel::GainRow</name>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="36"/>
        <location filename="../../Pages/Energy/GainRow.cpp" line="67"/>
        <source>Quit %@</source>
        <translation>退出 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="71"/>
        <source>using about %@ W</source>
        <translation>功耗约 %@ W</translation>
    </message>
</context>
<context>
    <name>qel::Glossary</name>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="224"/>
        <source>A page renderer for %@. Each browser tab and each Electron app window has one.</source>
        <translation>%@ 的页面渲染进程。每个浏览器标签页和每个 Electron 应用窗口都有一个。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="227"/>
        <source>The graphics process for %@. It handles drawing, video and animation.</source>
        <translation>%@ 的图形进程。负责绘制、视频和动画。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="229"/>
        <source>A service process for %@. It does one job on its own, such as networking, audio or storage.</source>
        <translation>%@ 的服务进程。它独立负责一项工作，例如网络、音频或存储。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="233"/>
        <source>A kernel thread: part of the Linux kernel itself, doing work such as writing to disk, reclaiming memory or handling hardware.</source>
        <translation>内核线程：Linux 内核本身的一部分，负责写入磁盘、回收内存或处理硬件等工作。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="28"/>
        <source>A program that comes with your Linux system. Qel&apos;s glossary doesn&apos;t describe it yet.</source>
        <translation>Linux 系统自带的程序。Qel 的词汇表尚未收录它的说明。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="16"/>
        <source>The system needs it to run. Don&apos;t quit it.</source>
        <translation>系统运行需要它。请不要退出它。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="18"/>
        <source>High usage is usually temporary and drops back once it finishes.</source>
        <translation>高占用通常是暂时的，完成后就会回落。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="222"/>
        <source>It belongs to %@ and ends when you quit %@.</source>
        <translation>它属于 %@，退出 %@ 时随之结束。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="225"/>
        <source>High usage means a page is busy. Closing that tab or window ends it.</source>
        <translation>高占用表示某个页面正忙。关闭该标签页或窗口即可结束它。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="238"/>
        <source>Qel&apos;s glossary doesn&apos;t include this process. Judging by its path, it doesn&apos;t come from your distribution&apos;s packages.</source>
        <translation>Qel 的词汇表中没有此进程。从路径判断，它并非来自你的发行版软件包。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="240"/>
        <source>If you&apos;re not sure what it is, look it up online before deciding whether to quit it.</source>
        <translation>如果不确定它是什么，请先在网上查一查，再决定是否退出它。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="244"/>
        <source>A helper process for %@.</source>
        <translation>%@ 的辅助进程。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="245"/>
        <source>Part of %@. Qel&apos;s glossary doesn&apos;t describe this process yet.</source>
        <translation>%@ 的一部分。Qel 的词汇表尚未收录此进程的说明。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="248"/>
        <source>This is the main process of %@.</source>
        <translation>这是 %@ 的主进程。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="249"/>
        <source>If usage is high, first check whether it is working on something (exporting, syncing, compiling and so on).</source>
        <translation>如果占用很高，请先看看它是否正在处理某项工作（导出、同步、编译等）。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="255"/>
        <source>what is the %@ process on Linux</source>
        <translation>Linux 上的 %@ 进程是什么</translation>
    </message>
</context>
<context>
    <name>qel::GpuUserList</name>
    <message>
        <location filename="../../Pages/GPU/GpuUserList.cpp" line="47"/>
        <source>Front</source>
        <translation>前台</translation>
    </message>
</context>
<context>
    <name>qel::IncidentChart</name>
    <message>
        <location filename="../../Sheets/Reports/IncidentChart.cpp" line="63"/>
        <source>CPU usage over the last 60 seconds</source>
        <translation>最近 60 秒的 CPU 使用率</translation>
    </message>
</context>
<context>
    <name>qel::IncidentSheet</name>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="59"/>
        <source>What just happened</source>
        <translation>刚才发生了什么</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="61"/>
        <source>Press Ctrl+Alt+E any time to replay the last 60 seconds.</source>
        <translation>随时按 Ctrl+Alt+E 回放最近 60 秒。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="74"/>
        <source>60 s ago</source>
        <translation>60 秒前</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="78"/>
        <source>Pressed at %@</source>
        <translation>按下于 %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="127"/>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="129"/>
        <source>Ended</source>
        <translation>已结束</translation>
    </message>
</context>
<context>
    <name>qel::InsightEngine</name>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="115"/>
        <source>Not enough history yet</source>
        <translation>历史记录还不够</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="116"/>
        <source>Qel just started. In a few seconds it can replay what happened.</source>
        <translation>Qel 刚刚启动。几秒钟后即可回放发生的事情。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="126"/>
        <source>%@ pushed the CPU to %@ %@</source>
        <translation>%@ 使 CPU 达到 %@ %@</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="128"/>
        <source>Memory is tight and the system is compressing it</source>
        <translation>内存紧张，系统正在压缩内存</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="130"/>
        <source>The disk is reading and writing heavily</source>
        <translation>磁盘正在大量读写</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="132"/>
        <source>%@ briefly maxed out one core</source>
        <translation>%@ 短暂占满了一个核心</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="134"/>
        <source>Nothing unusual in the last %@ s</source>
        <translation>最近 %@ 秒内没有异常</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="137"/>
        <source>CPU peaked at %@ (%@) and averaged %@ over these %@ s.</source>
        <translation>在这 %4$@ 秒内，CPU 峰值为 %1$@（%2$@），平均 %3$@。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="140"/>
        <source>%@ peaked at %@% (100% is one full core) and averaged %@%.</source>
        <translation>%@ 峰值 %@%（100% 为一个完整核心），平均 %@%。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="143"/>
        <source>Memory pressure peaked at %@%. When memory runs short, switching apps gets noticeably slower.</source>
        <translation>内存压力峰值为 %@%。内存不足时，切换应用会明显变慢。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="145"/>
        <source>Disk activity peaked at %@.</source>
        <translation>磁盘活动峰值为 %@。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="147"/>
        <source>If things felt slow just now, an app may have been waiting on the network or on another program. That doesn&apos;t show up as CPU usage.</source>
        <translation>如果刚才感觉卡顿，可能是某个应用在等待网络或其他程序。这种情况不会体现在 CPU 使用率上。</translation>
    </message>
</context>
<context>
    <name>qel::LicensesSheet</name>
    <message>
        <location filename="../../Sheets/LicensesSheet.cpp" line="34"/>
        <source>Open Source Licenses</source>
        <translation>开源许可</translation>
    </message>
</context>
<context>
    <name>qel::MemPage</name>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="86"/>
        <source>Memory</source>
        <translation>内存</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="91"/>
        <source>Used</source>
        <translation>已用</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="92"/>
        <source>Pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="93"/>
        <source>Swap</source>
        <translation>交换空间</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="105"/>
        <source>Each bubble is a process, sized by the memory it uses. Click a bubble for details or to quit it. The outer ring is memory pressure.</source>
        <translation>每个气泡代表一个进程，大小取决于其内存用量。点按气泡可查看详情或退出它。外圈为内存压力。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="122"/>
        <location filename="../../Pages/Memory/MemPage.cpp" line="192"/>
        <source>Memory breakdown</source>
        <translation>内存构成</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="143"/>
        <source>App memory</source>
        <translation>应用内存</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="144"/>
        <source>Kernel &amp; locked</source>
        <translation>内核与锁定</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="145"/>
        <source>Compressed</source>
        <translation>已压缩</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="146"/>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="163"/>
        <source>Memory pressure</source>
        <translation>内存压力</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="192"/>
        <source>%@ total</source>
        <translation>共 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="200"/>
        <source>%@%. %@</source>
        <translation>%@%。%@</translation>
    </message>
</context>
<context>
    <name>qel::MemoryAdviceCard</name>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="75"/>
        <source>Memory is tight</source>
        <translation>内存紧张</translation>
    </message>
</context>
<context>
    <name>qel::MemoryAdviceRow</name>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="43"/>
        <source>Memory keeps growing. Reopening it frees the memory.</source>
        <translation>内存持续增长。重新打开即可释放内存。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="49"/>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="60"/>
        <source>Using %@, %@</source>
        <translation>%@，占用 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="61"/>
        <source>Quit %@</source>
        <translation>退出 %@</translation>
    </message>
</context>
<context>
    <name>qel::MemoryChart</name>
    <message>
        <location filename="../../Processes/MemoryChart.cpp" line="56"/>
        <source>Memory, last 30 days</source>
        <translation>内存，最近 30 天</translation>
    </message>
</context>
<context>
    <name>qel::MenuBar</name>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="273"/>
        <source>Show panel</source>
        <translation>显示面板</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="274"/>
        <source>Open Qel</source>
        <translation>打开 Qel</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="275"/>
        <source>What just happened</source>
        <translation>刚才发生了什么</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="353"/>
        <source>Qel keeps running while its window is closed, and usually waits in the tray. This desktop has no tray, so the window was minimised instead. To end Qel, choose Quit (Ctrl+Q).</source>
        <translation>Qel 在窗口关闭后仍会继续运行，通常在托盘中待命。此桌面没有托盘，因此改为将窗口最小化。要退出 Qel，请选择“退出”（Ctrl+Q）。</translation>
    </message>
</context>
<context>
    <name>qel::MenuBarPanel</name>
    <message>
        <location filename="../../MenuBar/MenuBarPanel.cpp" line="39"/>
        <source>Qel panel</source>
        <translation>Qel 面板</translation>
    </message>
</context>
<context>
    <name>qel::MenuCell</name>
    <message>
        <location filename="../../MenuBar/MenuCell.cpp" line="37"/>
        <source>View %@</source>
        <translation>查看 %@</translation>
    </message>
</context>
<context>
    <name>qel::MenuPanel</name>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="121"/>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="155"/>
        <source>Top processes</source>
        <translation>占用最高的进程</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="156"/>
        <source>Hover to quit</source>
        <translation>悬停以退出</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="123"/>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="124"/>
        <source>Bluetooth devices</source>
        <translation>蓝牙设备</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="274"/>
        <source>Scroll horizontally to see more devices.</source>
        <translation>横向滚动查看更多设备。</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="279"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="293"/>
        <source>Quiet mode</source>
        <translation>安静模式</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="294"/>
        <source>Keep awake</source>
        <translation>保持唤醒</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="295"/>
        <source>Pause alerts</source>
        <translation>暂停提醒</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="321"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="323"/>
        <source>What just happened</source>
        <translation>刚才发生了什么</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="325"/>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="327"/>
        <source>Open Qel</source>
        <translation>打开 Qel</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="210"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="401"/>
        <source>Load %.2f</source>
        <translation>负载 %.2f</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Measured</source>
        <translation>实测</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Process sum</source>
        <translation>进程合计</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>Thermal</source>
        <translation>温度</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>System thermal state</source>
        <translation>系统热状态</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="411"/>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>Memory %@</source>
        <translation>内存 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="416"/>
        <source>Disk free</source>
        <translation>磁盘可用</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="417"/>
        <source>%@ total</source>
        <translation>共 %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/MenuPanel.cpp" line="440"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>%n 个应用在线</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="442"/>
        <source>Per-app traffic unavailable</source>
        <translation>各应用流量不可用</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="447"/>
        <source>Local %@</source>
        <translation>本地 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>No local address</source>
        <translation>无本地地址</translation>
    </message>
</context>
<context>
    <name>qel::MetricRow</name>
    <message>
        <location filename="../../Window/Overview/MetricRow.cpp" line="34"/>
        <source>View %@</source>
        <translation>查看 %@</translation>
    </message>
</context>
<context>
    <name>qel::MiniRing</name>
    <message>
        <location filename="../../MenuBar/MiniRing.cpp" line="50"/>
        <source>CPU and memory over the last 60 seconds</source>
        <translation>最近 60 秒的 CPU 和内存</translation>
    </message>
</context>
<context>
    <name>qel::NetAddressCard</name>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Local address</source>
        <translation>本地地址</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>No local address</source>
        <translation>无本地地址</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="58"/>
        <source>Data is moving, but no network interface has an IPv4 address.</source>
        <translation>有数据在传输，但没有网络接口拥有 IPv4 地址。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="59"/>
        <source>No network interface with an IP address was found.</source>
        <translation>未找到带有 IP 地址的网络接口。</translation>
    </message>
</context>
<context>
    <name>qel::NetCard</name>
    <message>
        <location filename="../../Pages/Network/NetCard.cpp" line="61"/>
        <source>↓ %@  ↑ %@</source>
        <translation>↓ %@  ↑ %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetCard.cpp" line="62"/>
        <source>%@ in total</source>
        <translation>共 %@</translation>
    </message>
</context>
<context>
    <name>qel::NetPage</name>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="51"/>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="61"/>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="62"/>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="55"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="128"/>
        <source>Upload %@</source>
        <translation>上传 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <source>Online</source>
        <translation>在线</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="133"/>
        <source>%n apps</source>
        <translation>
            <numerusform>%n 个应用</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="89"/>
        <source>Who&apos;s online</source>
        <translation>在线应用</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="89"/>
        <source>Only processes under your account. Scroll sideways for more.</source>
        <translation>仅限你账户下的进程。横向滚动查看更多。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="137"/>
        <source>Each dot is an app that is online. Bigger dots have more traffic right now. Dots closer to the center have more total traffic. Click one for details. Per-app figures count TCP only, and leave out traffic within this computer.</source>
        <translation>每个圆点代表一个在线应用。圆点越大，当前流量越多；越靠近中心，总流量越多。点按可查看详情。各应用数据仅统计 TCP，且不含本机内部流量。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="140"/>
        <source>Per-app traffic isn&apos;t available (the system&apos;s socket statistics can&apos;t be read), so only whole-computer upload and download are shown.</source>
        <translation>无法获取各应用的流量（无法读取系统的套接字统计），因此只显示整台电脑的上传和下载。</translation>
    </message>
</context>
<context>
    <name>qel::NoTameRules</name>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="18"/>
        <source>When not in front</source>
        <translation>不在前台时</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="20"/>
        <source>No rules yet. In the details of any process, you can set its app to slow down or pause when it is not in front.</source>
        <translation>还没有规则。在任意进程的详情中，可以设置其应用在不在前台时降速或暂停。</translation>
    </message>
</context>
<context>
    <name>qel::OtherMarkRow</name>
    <message>
        <location filename="../../Sheets/Reports/OtherMarkRow.cpp" line="49"/>
        <source>peak %@</source>
        <translation>峰值 %@</translation>
    </message>
</context>
<context>
    <name>qel::OverviewPage</name>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="170"/>
        <source>Replay 60 s</source>
        <translation>回放 60 秒</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="171"/>
        <source>What just happened: replay the last 60 seconds (Ctrl+Alt+E)</source>
        <translation>刚才发生了什么：回放最近 60 秒（Ctrl+Alt+E）</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="184"/>
        <source>View summary</source>
        <translation>查看摘要</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="260"/>
        <source>This moment is inside “%@”.</source>
        <translation>此刻位于“%@”之内。</translation>
    </message>
</context>
<context>
    <name>qel::PanelBatteryCell</name>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="51"/>
        <source>Battery %@%</source>
        <translation>电池 %@%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="54"/>
        <source>%@ battery low</source>
        <translation>%@ 电量低</translation>
    </message>
</context>
<context>
    <name>qel::PanelProcRow</name>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="63"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="115"/>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="62"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="119"/>
        <source>End</source>
        <translation>结束</translation>
    </message>
</context>
<context>
    <name>qel::PanelToggle</name>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="30"/>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>On</source>
        <translation>开</translation>
    </message>
</context>
<context>
    <name>qel::PortEndButton</name>
    <message>
        <location filename="../../Pages/Network/PortEndButton.cpp" line="16"/>
        <source>End</source>
        <translation>结束</translation>
    </message>
</context>
<context>
    <name>qel::PortHints</name>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="9"/>
        <source>SSH remote login</source>
        <translation>SSH 远程登录</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="10"/>
        <source>Web server</source>
        <translation>Web 服务器</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="11"/>
        <source>Web server (HTTPS)</source>
        <translation>Web 服务器（HTTPS）</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="12"/>
        <source>SQL Server database</source>
        <translation>SQL Server 数据库</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="13"/>
        <location filename="../../Samplers/PortHints.cpp" line="16"/>
        <location filename="../../Samplers/PortHints.cpp" line="22"/>
        <location filename="../../Samplers/PortHints.cpp" line="25"/>
        <source>Common dev server port</source>
        <translation>常见开发服务器端口</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="14"/>
        <source>MySQL database</source>
        <translation>MySQL 数据库</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="15"/>
        <source>Angular dev server</source>
        <translation>Angular 开发服务器</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="17"/>
        <source>Vite dev server</source>
        <translation>Vite 开发服务器</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="18"/>
        <source>PostgreSQL database</source>
        <translation>PostgreSQL 数据库</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="19"/>
        <source>Screen sharing (VNC)</source>
        <translation>屏幕共享（VNC）</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="20"/>
        <source>Redis</source>
        <translation>Redis</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="21"/>
        <source>AirPlay receiver</source>
        <translation>AirPlay 接收器</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="23"/>
        <source>Common web service port</source>
        <translation>常见 Web 服务端口</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="24"/>
        <source>Jupyter notebook</source>
        <translation>Jupyter Notebook</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="26"/>
        <source>Elasticsearch</source>
        <translation>Elasticsearch</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="27"/>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="28"/>
        <source>MongoDB database</source>
        <translation>MongoDB 数据库</translation>
    </message>
</context>
<context>
    <name>qel::PortRow</name>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="80"/>
        <source>End %@, which is using port %@</source>
        <translation>结束正在使用端口 %2$@ 的 %1$@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="88"/>
        <source>Listening on all network interfaces: other devices on the same network can connect to this port.</source>
        <translation>在所有网络接口上监听：同一网络中的其他设备可以连接到此端口。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="90"/>
        <source>Listening on 127.0.0.1 only: only this computer can connect.</source>
        <translation>仅在 127.0.0.1 上监听：只有本机可以连接。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>Open to LAN</source>
        <translation>向局域网开放</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>This computer only</source>
        <translation>仅限此电脑</translation>
    </message>
</context>
<context>
    <name>qel::PortsPanel</name>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="57"/>
        <source>Listening ports</source>
        <translation>监听端口</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="63"/>
        <source>Port or process</source>
        <translation>端口或进程</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="38"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>仅限你账户下进程的端口。查看系统服务使用的端口需要管理员权限。</translation>
    </message>
</context>
<context>
    <name>qel::PosterPreview</name>
    <message>
        <location filename="../../Sheets/Export/PosterPreview.cpp" line="15"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
</context>
<context>
    <name>qel::ProcessDetail</name>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Profile</source>
        <translation>档案</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="355"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="201"/>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="202"/>
        <source>Memory</source>
        <translation>内存</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="204"/>
        <source>Disk I/O</source>
        <translation>磁盘 I/O</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="205"/>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="209"/>
        <source>CPU, since this panel opened</source>
        <translation>CPU，自打开此面板以来</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="232"/>
        <source>This is a system process: a kernel thread or a service run by another user, such as root. Ending it could freeze or restart the system, so Qel doesn&apos;t offer to end it. High usage usually drops back within a few minutes.</source>
        <translation>这是系统进程：内核线程，或由其他用户（如 root）运行的服务。结束它可能导致系统卡死或重启，因此 Qel 不提供结束选项。高占用通常几分钟内就会回落。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="240"/>
        <source>Quitting closes %@. Unsaved changes may be lost.</source>
        <translation>退出将关闭 %@。未保存的更改可能会丢失。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="244"/>
        <source>End %@</source>
        <translation>结束 %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="246"/>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>Force Quit</source>
        <translation>强制退出</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="256"/>
        <source>Force quit %@?</source>
        <translation>要强制退出 %@ 吗？</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>It stops at once, without a chance to save. Unsaved changes are lost.</source>
        <translation>它会立即停止，没有机会保存。未保存的更改将丢失。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="346"/>
        <source>This process has ended</source>
        <translation>此进程已结束</translation>
    </message>
</context>
<context>
    <name>qel::ProcessNoteView</name>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="34"/>
        <source>What is this</source>
        <translation>这是什么</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="44"/>
        <source>Look up this process online</source>
        <translation>在线搜索此进程</translation>
    </message>
</context>
<context>
    <name>qel::ProcessTable</name>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="92"/>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By CPU</source>
        <translation>按 CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By memory</source>
        <translation>按内存</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="100"/>
        <source>Search processes</source>
        <translation>搜索进程</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ProcessTable.cpp" line="46"/>
        <source>%n processes, %@ of them yours</source>
        <translation>
            <numerusform>%n 个，其中 %@ 个是你的</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="206"/>
        <source>Reading processes…</source>
        <translation>正在读取进程…</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="207"/>
        <source>No process has “%@” in its name. Try another word, or clear the search field.</source>
        <translation>没有名称包含“%@”的进程。请换个词，或清空搜索框。</translation>
    </message>
</context>
<context>
    <name>qel::ProfileView</name>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>Not enough history yet</source>
        <translation>历史记录还不够</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>The profile fills in after Qel has seen this app on two different days.</source>
        <translation>Qel 在两个不同的日子见到此应用后，就会生成档案。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="77"/>
        <source>Memory, last 30 days</source>
        <translation>内存，最近 30 天</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="80"/>
        <source>Dashed line: updated to %@</source>
        <translation>虚线：更新到 %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="98"/>
        <source>When it is most active</source>
        <translation>最活跃的时段</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="116"/>
        <source>CPU while running, average</source>
        <translation>运行时 CPU，平均</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="117"/>
        <source>Memory, average</source>
        <translation>内存，平均</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="118"/>
        <source>Share of all apps&apos; energy</source>
        <translation>占所有应用能耗的比例</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="119"/>
        <source>Days it ran</source>
        <translation>运行天数</translation>
    </message>
</context>
<context>
    <name>qel::ReportSheet</name>
    <message>
        <location filename="../../Sheets/Reports/ReportSheet.cpp" line="65"/>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>qel::Ring</name>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="113"/>
        <source>Asleep</source>
        <translation>睡眠中</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="143"/>
        <source>0:00</source>
        <translation>0:00</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="144"/>
        <source>6:00</source>
        <translation>6:00</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="145"/>
        <source>12:00</source>
        <translation>12:00</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="146"/>
        <source>18:00</source>
        <translation>18:00</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="151"/>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="152"/>
        <source>45 s ago</source>
        <translation>45 秒前</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="153"/>
        <source>30 s ago</source>
        <translation>30 秒前</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="154"/>
        <source>15 s ago</source>
        <translation>15 秒前</translation>
    </message>
</context>
<context>
    <name>qel::RingControls</name>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="48"/>
        <source>60 s</source>
        <translation>60 秒</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="48"/>
        <source>Day</source>
        <translation>全天</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="55"/>
        <source>Previous day</source>
        <translation>前一天</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="59"/>
        <source>Next day</source>
        <translation>后一天</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="41"/>
        <source>Export this day as an image</source>
        <translation>将这一天导出为图像</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="71"/>
        <location filename="../../Window/Overview/RingControls.cpp" line="72"/>
        <source>Back to now</source>
        <translation>回到现在</translation>
    </message>
</context>
<context>
    <name>qel::RuleRow</name>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Below</source>
        <translation>低于</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Above</source>
        <translation>高于</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="95"/>
        <source>%@ threshold</source>
        <translation>阈值 %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="107"/>
        <source>for</source>
        <translation>持续</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="109"/>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
</context>
<context>
    <name>qel::Rules</name>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>整台电脑</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>CPU busy for a long time</source>
        <translation>CPU 长时间繁忙</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>Overall usage stays above the threshold for a while</source>
        <translation>总体使用率持续高于阈值一段时间</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>High memory pressure</source>
        <translation>内存压力高</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>The system is compressing memory heavily or using swap</source>
        <translation>系统正在大量压缩内存或使用交换空间</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Low disk space</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Free space on the system disk falls below the threshold</source>
        <translation>系统磁盘的可用空间低于阈值</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Temperature and battery</source>
        <translation>温度与电池</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>Computer overheating</source>
        <translation>电脑过热</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>The thermal state becomes Hot or Overheating</source>
        <translation>热状态变为“热”或“过热”</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Low battery</source>
        <translation>电量低</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Only checked on battery power</source>
        <translation>仅在使用电池时检查</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>Single process</source>
        <translation>单个进程</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>A process hogs the CPU for a long time</source>
        <translation>某个进程长时间占用 CPU</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>One process stays above the threshold for a while</source>
        <translation>某个进程持续高于阈值一段时间</translation>
    </message>
</context>
<context>
    <name>qel::SettingsSheet</name>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="65"/>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="89"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="121"/>
        <source>Changes apply immediately and are saved automatically.</source>
        <translation>更改会立即生效并自动保存。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="138"/>
        <source>General</source>
        <translation>通用</translation>
    </message>
</context>
<context>
    <name>qel::SleepBatteryChart</name>
    <message>
        <location filename="../../Sheets/Reports/SleepBatteryChart.cpp" line="64"/>
        <source>Battery level while asleep</source>
        <translation>睡眠期间的电量</translation>
    </message>
</context>
<context>
    <name>qel::SleepLine</name>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>查看睡眠报告</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="57"/>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="68"/>
        <source>View</source>
        <translation>查看</translation>
    </message>
</context>
<context>
    <name>qel::SleepNote</name>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>查看睡眠报告</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="62"/>
        <source>%@  %@</source>
        <translation>%@  %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="68"/>
        <source>Asleep from %@ to %@</source>
        <translation>从 %@ 到 %@ 处于睡眠</translation>
    </message>
</context>
<context>
    <name>qel::SleepReport</name>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="33"/>
        <source>A sleep this long usually uses about %@%. This one used %@%.</source>
        <translation>这么长的睡眠通常消耗约 %@% 电量，这次消耗了 %@%。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="57"/>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="58"/>
        <source>Preventing sleep when the lid closed: %@</source>
        <translation>合上盖子时阻止睡眠：%@</translation>
    </message>
</context>
<context>
    <name>qel::SleepRowButton</name>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="42"/>
        <source>View sleep report</source>
        <translation>查看睡眠报告</translation>
    </message>
</context>
<context>
    <name>qel::SleepSheet</name>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="70"/>
        <source>Sleep report</source>
        <translation>睡眠报告</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="71"/>
        <source>Linux logs when the computer slept and woke, but not which app asked it to wake.</source>
        <translation>Linux 会记录电脑何时睡眠和唤醒，但不会记录是哪个应用请求唤醒。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="89"/>
        <source>Asleep from %@ to %@</source>
        <translation>从 %@ 到 %@ 处于睡眠</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="101"/>
        <source>Time asleep</source>
        <translation>睡眠时长</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="102"/>
        <source>Battery used</source>
        <translation>电池消耗</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="103"/>
        <source>Wakes</source>
        <translation>唤醒次数</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="133"/>
        <source>What woke it</source>
        <translation>唤醒原因</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="136"/>
        <source>Linux does not log dark wakes, so no wakes are listed for this sleep.</source>
        <translation>Linux 不记录暗唤醒，因此这次睡眠没有列出唤醒。</translation>
    </message>
</context>
<context>
    <name>qel::StarMapView</name>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="46"/>
        <source>Network star map</source>
        <translation>网络星图</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/StarMapView.cpp" line="48"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="55"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>%n 个应用在线</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="126"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="140"/>
        <source>This computer</source>
        <translation>此电脑</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="160"/>
        <source>None of your apps has a TCP connection right now</source>
        <translation>目前你的应用都没有 TCP 连接</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="161"/>
        <source>Per-app traffic unavailable</source>
        <translation>各应用流量不可用</translation>
    </message>
</context>
<context>
    <name>qel::Store</name>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="76"/>
        <location filename="../../Store/DayBrowsing.cpp" line="78"/>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="79"/>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="135"/>
        <source>%@, daily average</source>
        <translation>%@，日均</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="138"/>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="142"/>
        <source>%@ s ago</source>
        <translation>%@ 秒前</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="152"/>
        <location filename="../../Store/DayBrowsing.cpp" line="162"/>
        <source>History could not be erased</source>
        <translation>无法清除历史记录</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="182"/>
        <source>History erased</source>
        <translation>历史记录已清除</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="183"/>
        <source>History erased, but traces of it may remain in the file: %@</source>
        <translation>历史记录已清除，但文件中可能仍留有痕迹：%@</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="20"/>
        <source>CPU averaged %@ over these 10 minutes and peaked at %@.</source>
        <translation>这 10 分钟内 CPU 平均 %@，峰值 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="23"/>
        <source> The top process at the time was %@ (%@%).</source>
        <translation> 当时占用最高的进程是 %@（%@%）。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="24"/>
        <source>CPU busy</source>
        <translation>CPU 繁忙</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="28"/>
        <source>Memory is tight</source>
        <translation>内存紧张</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="29"/>
        <source>Memory pressure averaged %@% over these 10 minutes, with %@ in use.</source>
        <translation>这 10 分钟内内存压力平均为 %@%，已用 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="62"/>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="63"/>
        <source>Warm</source>
        <translation>温热</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="64"/>
        <source>Hot</source>
        <translation>热</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="65"/>
        <source>Overheating</source>
        <translation>过热</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="67"/>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="73"/>
        <source>a process</source>
        <translation>一个进程</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>CPU is very busy</source>
        <translation>CPU 非常繁忙</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>%@ is using %@%. The fans may spin up.</source>
        <translation>%@ 正在使用 %@%。风扇可能会加速。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="78"/>
        <source>Computer is running hot</source>
        <translation>电脑温度偏高</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="79"/>
        <source>The system is already slowing down to cool off. Stop the most power-hungry app first.</source>
        <translation>系统已在降速散热。请先停止最耗电的应用。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="81"/>
        <source>Memory is getting tight</source>
        <translation>内存逐渐紧张</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="82"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using will help.</source>
        <translation>系统正在压缩内存。退出不用的应用会有帮助。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>A bit busy</source>
        <translation>有点忙</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>Mostly %@, at %@% CPU</source>
        <translation>主要是 %@，CPU %@%</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="85"/>
        <source>Busier than usual</source>
        <translation>比平时更忙</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="86"/>
        <source>CPU usage over these 10 minutes is %@× the usual for this time of day, mostly from %@.</source>
        <translation>这 10 分钟的 CPU 使用率是该时段平时的 %@ 倍，主要来自 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="89"/>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>All calm</source>
        <translation>一切平静</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/DayStatus.cpp" line="90"/>
        <source>Qel noticed %n things today. Click a dot outside the ring to see what happened.</source>
        <translation>
            <numerusform>Qel 今天注意到 %n 件事。点按圆环外侧的圆点查看发生了什么。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>Drag the ring on the left to look back at the load at any time today.</source>
        <translation>拖动左侧圆环，可回看今天任意时刻的负载。</translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="62"/>
        <source>Asked %@ to quit</source>
        <translation>已请求 %@ 退出</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MemoryAdvice.cpp" line="64"/>
        <source>Asked %n apps to quit</source>
        <translation>
            <numerusform>已请求 %n 个应用退出</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="66"/>
        <source>These apps didn&apos;t respond to the quit request</source>
        <translation>这些应用没有响应退出请求</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="39"/>
        <source>Background priority restored</source>
        <translation>已恢复后台优先级</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="43"/>
        <location filename="../../Store/Taming.cpp" line="147"/>
        <source>Couldn&apos;t restore the priority of %@</source>
        <translation>无法恢复 %@ 的优先级</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="53"/>
        <source>Background work is now throttled</source>
        <translation>后台任务已被限制</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="71"/>
        <source>Normal sleep restored</source>
        <translation>已恢复正常睡眠</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="75"/>
        <source>Qel Keep Awake</source>
        <translation>Qel 保持唤醒</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="77"/>
        <source>Couldn&apos;t prevent sleep. The system refused the request.</source>
        <translation>无法阻止睡眠。系统拒绝了请求。</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="82"/>
        <source>Won&apos;t sleep when idle for the next 2 hours</source>
        <translation>接下来 2 小时内空闲时不睡眠</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="88"/>
        <source>Alerts resumed</source>
        <translation>提醒已恢复</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="90"/>
        <source>Alerts paused for 1 hour</source>
        <translation>提醒已暂停 1 小时</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="98"/>
        <source>Until %@</source>
        <translation>直到 %@</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="99"/>
        <source>No idle sleep for 2 h</source>
        <translation>2 小时内不空闲睡眠</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="103"/>
        <source>Resumes at %@</source>
        <translation>将于 %@ 恢复</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="104"/>
        <source>%n on</source>
        <translation>
            <numerusform>已开启 %n 条</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="109"/>
        <source>%n throttled</source>
        <translation>
            <numerusform>已限制 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="108"/>
        <source>Throttle heavy work</source>
        <translation>限制繁重任务</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="110"/>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="118"/>
        <source>Mem </source>
        <translation>内存 </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="187"/>
        <source>Quiet mode and taming are idle: this desktop doesn&apos;t tell which app is in front.</source>
        <translation>安静模式和应用管控未生效：此桌面不提供哪个应用在前台的信息。</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="192"/>
        <location filename="../../Store/Tick.cpp" line="111"/>
        <source>Process %@</source>
        <translation>进程 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Force-quit %@</source>
        <translation>强制退出 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Ended %@</source>
        <translation>已结束 %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Force-quit %n processes</source>
        <translation>
            <numerusform>已强制退出 %n 个进程</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Ended %n processes</source>
        <translation>
            <numerusform>已结束 %n 个进程</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t force-quit %@</source>
        <translation>无法强制退出 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t end %@</source>
        <translation>无法结束 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="60"/>
        <source>Alerted once today at %@</source>
        <translation>今天已在 %@ 提醒过一次</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="75"/>
        <source>an unknown process</source>
        <translation>未知进程</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="76"/>
        <source>CPU usage is %@. The top process is %@.</source>
        <translation>CPU 使用率为 %@。占用最高的进程是 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="79"/>
        <source>Memory pressure is %@%. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>内存压力为 %@%。退出不用的应用可以让切换更流畅。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="83"/>
        <source>Only %@ left on the system disk.</source>
        <translation>系统磁盘仅剩 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="86"/>
        <source>The system is slowing down to cool off. Stop the most power-hungry app, or give the computer some airflow.</source>
        <translation>系统正在降速散热。请停止最耗电的应用，或让电脑通风更好。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="91"/>
        <source>Battery at %@%. Remember to plug in.</source>
        <translation>电量 %@%。记得接上电源。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="94"/>
        <source>%@ is using %@% CPU.</source>
        <translation>%@ 正在使用 %@% CPU。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="110"/>
        <source>Qel alert</source>
        <translation>Qel 提醒</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="97"/>
        <source>Saving the day before sleep</source>
        <translation>睡眠前保存当天数据</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="240"/>
        <source>Slept %@</source>
        <translation>睡眠 %@</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="242"/>
        <source>battery −%@%</source>
        <translation>电量 −%@%</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="243"/>
        <source>wakes: %@</source>
        <translation>唤醒：%@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="65"/>
        <source>The settings file could not be read. It was kept as %@ and the settings start from their defaults.</source>
        <translation>无法读取设置文件。已将其保留为 %@，设置恢复为默认值。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="68"/>
        <source>The settings file %@ can&apos;t be read (%@). The settings start from their defaults and changes are not saved, so the file stays as it is.</source>
        <translation>无法读取设置文件 %@（%@）。设置从默认值开始，更改不会保存，文件保持原样。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="42"/>
        <source>The settings could not be saved: %@ would grow past 1 MB, more than Qel reads back. The changes hold until Qel quits.</source>
        <translation>无法保存设置：%@ 将超过 1 MB，超出 Qel 能读回的大小。更改在退出 Qel 前有效。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="297"/>
        <source>The history file could not be used. It was kept as %@ and a new one started.</source>
        <translation>无法使用历史文件。已将其保留为 %@，并新建了一个。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="301"/>
        <source>History is not saved this run: the history file is from a newer version of Qel and is left as it is.</source>
        <translation>本次运行不保存历史记录：历史文件来自更新版本的 Qel，因此保持原样。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="304"/>
        <source>History can&apos;t be saved: %@</source>
        <translation>无法保存历史记录：%@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="307"/>
        <source>History can&apos;t be saved for now: %@. Qel keeps it and saves it once the disk has room again.</source>
        <translation>暂时无法保存历史记录：%@。Qel 会保留这些记录，待磁盘重新有空间后再保存。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="312"/>
        <source>History could not be saved: %@</source>
        <translation>无法保存历史记录：%@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="315"/>
        <source>History could not be read: %@</source>
        <translation>无法读取历史记录：%@</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="19"/>
        <source>Marking started. Click End when you&apos;re done.</source>
        <translation>已开始标记。完成后点按“结束”。</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="38"/>
        <source>Marked at %@</source>
        <translation>标记于 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="84"/>
        <source>Mark deleted</source>
        <translation>标记已删除</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="196"/>
        <source>Removed the rule for %@, but it stays slowed until it restarts</source>
        <translation>已移除 %@ 的规则，但在重新启动之前它会一直保持降速</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="197"/>
        <source>Removed the rule for %@</source>
        <translation>已移除 %@ 的规则</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="207"/>
        <source>%@ will slow down when it&apos;s not in front</source>
        <translation>%@ 不在前台时将降速</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="208"/>
        <source>%@ will pause when it&apos;s not in front</source>
        <translation>%@ 不在前台时将暂停</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="44"/>
        <source>The thin line is the usual CPU load at this time of day (from the last %n days)</source>
        <translation>
            <numerusform>细线表示该时段平时的 CPU 负载（基于最近 %n 天）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="45"/>
        <source>After %n more days of history, the ring will show a reference line for your usual load</source>
        <translation>
            <numerusform>再积累 %n 天历史记录后，圆环将显示你平常负载的参考线</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::StretchButton</name>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="54"/>
        <source>Mark a stretch</source>
        <translation>标记时段</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="55"/>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="56"/>
        <source>End this stretch and see its summary</source>
        <translation>结束此时段并查看摘要</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="57"/>
        <source>Mark a stretch of time: Qel sums up what happened between start and end</source>
        <translation>标记一段时间：Qel 会汇总开始到结束之间发生的事情</translation>
    </message>
</context>
<context>
    <name>qel::StretchSheet</name>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="66"/>
        <source>Marks stay on the outside of the ring so you can look back.</source>
        <translation>标记会保留在圆环外侧，方便回看。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="87"/>
        <source>Name this stretch</source>
        <translation>为此时段命名</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="101"/>
        <source>CPU peak</source>
        <translation>CPU 峰值</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="102"/>
        <source>CPU average</source>
        <translation>CPU 平均</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="103"/>
        <source>Energy used</source>
        <translation>已用电能</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="111"/>
        <source>CPU usage during this stretch</source>
        <translation>这段时间的 CPU 使用率</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="120"/>
        <source>Who used the most</source>
        <translation>谁用得最多</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="135"/>
        <source>Other marks that day</source>
        <translation>当天的其他标记</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="157"/>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>Delete this mark</source>
        <translation>删除此标记</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="160"/>
        <source>Delete this mark?</source>
        <translation>要删除此标记吗？</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>This can&apos;t be undone.</source>
        <translation>此操作无法撤销。</translation>
    </message>
</context>
<context>
    <name>qel::TameControl</name>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="70"/>
        <source>When not in front</source>
        <translation>不在前台时</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Leave alone</source>
        <translation>不处理</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Slow down</source>
        <translation>降速</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
</context>
<context>
    <name>qel::TameRuleRow</name>
    <message>
        <location filename="../../Sheets/Settings/TameRuleRow.cpp" line="38"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>qel::TameRulesSection</name>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="29"/>
        <source>When not in front</source>
        <translation>不在前台时</translation>
    </message>
</context>
<context>
    <name>qel::TodayStrip</name>
    <message>
        <location filename="../../MenuBar/TodayStrip.cpp" line="100"/>
        <source>0:00</source>
        <translation>0:00</translation>
    </message>
</context>
<context>
    <name>qel::TopBar</name>
    <message>
        <location filename="../../Window/TopBar.cpp" line="19"/>
        <source>What just happened: replay the last 60 seconds (Ctrl+Alt+E)</source>
        <translation>刚才发生了什么：回放最近 60 秒（Ctrl+Alt+E）</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="20"/>
        <source>What just happened</source>
        <translation>刚才发生了什么</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="21"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>qel::UpdateNotices</name>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="49"/>
        <source>Update to %@</source>
        <translation>更新到 %@</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="50"/>
        <source>A new version of Qel is ready. Click to open its download page.</source>
        <translation>Qel 有新版本可用。点按打开下载页面。</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="52"/>
        <source>What&apos;s new</source>
        <translation>新功能</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="53"/>
        <source>Qel was updated. See what changed.</source>
        <translation>Qel 已更新。看看有哪些变化。</translation>
    </message>
</context>
<context>
    <name>qel::Updater</name>
    <message>
        <location filename="../../Updates/Updater.cpp" line="137"/>
        <source>The download page could not be opened: %@</source>
        <translation>无法打开下载页面：%@</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="193"/>
        <source>Qel could not reach the update feed.</source>
        <translation>Qel 无法连接到更新源。</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="192"/>
        <location filename="../../Updates/Updater.cpp" line="195"/>
        <source>The update feed could not be read.</source>
        <translation>无法读取更新源。</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="203"/>
        <source>Qel %@ is available.</source>
        <translation>Qel %@ 已推出。</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="205"/>
        <source>Qel %@ is the newest version.</source>
        <translation>Qel %@ 是最新版本。</translation>
    </message>
</context>
<context>
    <name>qel::WakeKind</name>
    <message>
        <location filename="../../History/WakeKind.cpp" line="43"/>
        <source>Scheduled background maintenance</source>
        <translation>定期后台维护</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="44"/>
        <source>Woken by the network</source>
        <translation>被网络唤醒</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="45"/>
        <source>Woken by a USB or Bluetooth device</source>
        <translation>被 USB 或蓝牙设备唤醒</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="46"/>
        <source>Power adapter plugged in or unplugged</source>
        <translation>插入或拔下了电源适配器</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="47"/>
        <source>Lid opened or a key pressed</source>
        <translation>打开了盖子或按下了按键</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="50"/>
        <source>Woken by the system</source>
        <translation>被系统唤醒</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="56"/>
        <source>A timer set to wake the computer (an RTC alarm, such as a systemd timer with WakeSystem=true) woke it for a moment. “systemctl list-timers” lists the timers; turning off the one that wakes it stops this.</source>
        <translation>一个设定为唤醒电脑的定时器（RTC 闹钟，例如设置了 WakeSystem=true 的 systemd 定时器）短暂唤醒了电脑。“systemctl list-timers”可列出定时器，关闭唤醒电脑的那个即可避免。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="60"/>
        <source>Something on the network kept waking the computer (wake-on-LAN or wake-on-WLAN). Turning wake-on-LAN off for the network card, with “ethtool -s &lt;interface&gt; wol d” or in the firmware settings, stops this.</source>
        <translation>网络上的某些东西不断唤醒电脑（网络唤醒或无线网络唤醒）。使用“ethtool -s &lt;interface&gt; wol d”或在固件设置中关闭网卡的网络唤醒，即可避免。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="64"/>
        <source>A connected USB or Bluetooth device woke the computer. Unplugging it, or turning the device off overnight, stops this.</source>
        <translation>一个已连接的 USB 或蓝牙设备唤醒了电脑。拔下它，或在夜间关闭该设备，即可避免。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="67"/>
        <source>Plugging in or unplugging the power adapter wakes the computer for a moment. That is normal.</source>
        <translation>插入或拔下电源适配器会短暂唤醒电脑。这是正常的。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="69"/>
        <source>Opening the lid or pressing a key wakes the computer. That is normal.</source>
        <translation>打开盖子或按下按键会唤醒电脑。这是正常的。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="72"/>
        <source>These wakes came from the firmware or the kernel. The kernel log (“journalctl -k”) and /proc/acpi/wakeup tell which device may be waking the computer.</source>
        <translation>这些唤醒来自固件或内核。内核日志（“journalctl -k”）和 /proc/acpi/wakeup 可以告诉你可能是哪个设备在唤醒电脑。</translation>
    </message>
</context>
<context>
    <name>qel::WakeRow</name>
    <message>
        <location filename="../../Pages/Energy/WakeRow.cpp" line="57"/>
        <source>Details</source>
        <translation>详情</translation>
    </message>
</context>
<context>
    <name>qel::WhatsNewSheet</name>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="88"/>
        <source>What&apos;s new</source>
        <translation>新功能</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="28"/>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="52"/>
        <source>just now</source>
        <translation>刚刚</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="29"/>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="53"/>
        <source>%@ s ago</source>
        <translation>%@ 秒前</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="26"/>
        <source>used just now</source>
        <translation>刚刚使用过</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="27"/>
        <source>unused for %@ min</source>
        <translation>%@ 分钟未使用</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="28"/>
        <source>unused for %@ h</source>
        <translation>%@ 小时未使用</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="31"/>
        <source>not used since Qel started</source>
        <translation>自 Qel 启动以来未使用</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="32"/>
        <source>unused for at least %@ min</source>
        <translation>至少 %@ 分钟未使用</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="33"/>
        <source>unused for at least %@ h</source>
        <translation>至少 %@ 小时未使用</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="83"/>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="84"/>
        <source>Logo</source>
        <translation>标志</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="85"/>
        <source>Load ring</source>
        <translation>负载圆环</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="86"/>
        <source>Bars</source>
        <translation>柱状</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="87"/>
        <source>Gauge</source>
        <translation>仪表</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="88"/>
        <source>Line</source>
        <translation>折线</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="89"/>
        <source>Dot</source>
        <translation>圆点</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="90"/>
        <source>Cat</source>
        <translation>猫</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="91"/>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="92"/>
        <source>Slime</source>
        <translation>史莱姆</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="93"/>
        <source>Drop</source>
        <translation>水滴</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="94"/>
        <source>Coffee</source>
        <translation>咖啡</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="95"/>
        <source>Newton&apos;s cradle</source>
        <translation>牛顿摆</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="96"/>
        <source>Engine</source>
        <translation>引擎</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="97"/>
        <source>Mochi</source>
        <translation>年糕</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="104"/>
        <source>The Qel logo, turning into the load ring when the CPU is busy</source>
        <translation>Qel 标志，CPU 繁忙时变为负载圆环</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="105"/>
        <source>Always the Qel logo</source>
        <translation>始终显示 Qel 标志</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="106"/>
        <source>CPU usage over the last 20 seconds, as a ring</source>
        <translation>最近 20 秒的 CPU 使用率，以圆环显示</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="107"/>
        <source>CPU usage over the last 9 seconds, as bars</source>
        <translation>最近 9 秒的 CPU 使用率，以柱状显示</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="108"/>
        <source>An arc that fills up to the current CPU usage</source>
        <translation>填充到当前 CPU 使用率的圆弧</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="109"/>
        <source>CPU usage over the last 20 seconds, as a line</source>
        <translation>最近 20 秒的 CPU 使用率，以折线显示</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="110"/>
        <source>A dot that grows as the CPU gets busier</source>
        <translation>CPU 越忙变得越大的圆点</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="111"/>
        <source>A running cat that speeds up as the CPU gets busier</source>
        <translation>CPU 越忙跑得越快的猫</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="112"/>
        <source>A running dog that speeds up as the CPU gets busier</source>
        <translation>CPU 越忙跑得越快的狗</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="113"/>
        <source>A slime that stretches faster as the CPU gets busier</source>
        <translation>CPU 越忙伸缩越快的史莱姆</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="114"/>
        <source>A drop that ripples faster as the CPU gets busier</source>
        <translation>CPU 越忙涟漪越快的水滴</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="115"/>
        <source>A cup of coffee that steams faster as the CPU gets busier</source>
        <translation>CPU 越忙冒气越快的咖啡</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="116"/>
        <source>A Newton&apos;s cradle that swings faster as the CPU gets busier</source>
        <translation>CPU 越忙摆得越快的牛顿摆</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="117"/>
        <source>An engine that runs faster as the CPU gets busier</source>
        <translation>CPU 越忙转得越快的引擎</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="118"/>
        <source>A mochi being pounded faster as the CPU gets busier</source>
        <translation>CPU 越忙捣得越快的年糕</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="17"/>
        <source>Nothing unusual in the last 60 seconds</source>
        <translation>最近 60 秒内没有异常</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="21"/>
        <source>Pressure %@%</source>
        <translation>压力 %@%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="31"/>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="35"/>
        <source>This computer has no battery</source>
        <translation>此电脑没有电池</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="36"/>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="38"/>
        <source>On AC power</source>
        <translation>使用交流电源</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="37"/>
        <source>about %@ left</source>
        <translation>约剩 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="38"/>
        <source>On battery</source>
        <translation>使用电池</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="44"/>
        <source>Just booted</source>
        <translation>刚刚开机</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="45"/>
        <source>Up %@ h</source>
        <translation>已运行 %@ 小时</translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="46"/>
        <source>Up %n days</source>
        <translation>
            <numerusform>已运行 %n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="57"/>
        <source>%n things worth a look. Click a dot.</source>
        <translation>
            <numerusform>有 %n 件事值得一看。点按圆点查看。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="56"/>
        <source>Nothing worth a look yet</source>
        <translation>暂无值得一看的事</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="90"/>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="91"/>
        <source>%@ battery low</source>
        <translation>%@ 电量低</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="37"/>
        <source>Load average %.2f</source>
        <translation>平均负载 %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="38"/>
        <source>%@, %@ is using the most</source>
        <translation>%@，占用最多的是 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="39"/>
        <source>%@, %@</source>
        <translation>%@，%@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="89"/>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>Internal</source>
        <translation>内置</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>External</source>
        <translation>外接</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="54"/>
        <source>Whole-computer power, measured by the battery.</source>
        <translation>整机功率，由电池测得。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="55"/>
        <source>Measured energy isn&apos;t available. This is estimated from CPU usage.</source>
        <translation>无法获取实测能耗。此数值根据 CPU 使用率估算。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="61"/>
        <source>Process %@</source>
        <translation>进程 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="67"/>
        <source>Unavailable</source>
        <translation>不可用</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="40"/>
        <source>GPU usage isn&apos;t available on this computer. It can be read from AMD graphics and from NVIDIA&apos;s driver.</source>
        <translation>此电脑无法获取 GPU 使用率。可以从 AMD 显卡和 NVIDIA 驱动读取。</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="43"/>
        <source>The GPU is close to full load. That&apos;s normal while rendering, exporting video or gaming.</source>
        <translation>GPU 接近满载。渲染、导出视频或玩游戏时这很正常。</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="44"/>
        <source>The GPU is working, with headroom left.</source>
        <translation>GPU 正在工作，仍有余量。</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="45"/>
        <source>The GPU is mostly idle.</source>
        <translation>GPU 大部分时间空闲。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="36"/>
        <source>Memory has run short. Quit the apps using the most first.</source>
        <translation>内存不足。请先退出占用最多的应用。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="38"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>系统正在压缩内存。退出不用的应用可以让切换更流畅。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="39"/>
        <source>There&apos;s enough memory. Nothing to do.</source>
        <translation>内存充足，无需操作。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="48"/>
        <source>Quitting these apps you aren&apos;t using frees the most memory.</source>
        <translation>退出这些你不在使用的应用可以释放最多内存。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="49"/>
        <source>No background apps worth quitting. Most memory is used by the app you&apos;re using, or by the system.</source>
        <translation>没有值得退出的后台应用。大部分内存由你正在使用的应用或系统占用。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="56"/>
        <source>Quit these %n and free about %@</source>
        <translation>
            <numerusform>退出这 %n，释放约 %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="49"/>
        <source>%n ports, %@ open to the local network</source>
        <translation>
            <numerusform>%n 个端口，其中 %@ 个向局域网开放</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="50"/>
        <source>%n ports</source>
        <translation>
            <numerusform>%n 个端口</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="55"/>
        <source>Reading listening ports…</source>
        <translation>正在读取监听端口…</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="56"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>无法运行系统的 lsof 命令，因此无法读取监听端口。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="58"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>目前你的账户下没有进程在监听端口。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="60"/>
        <source>No process under your account is listening on port %@. A system service may still be using it.</source>
        <translation>你的账户下没有进程在监听端口 %@。系统服务可能仍在使用它。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="62"/>
        <source>No listening process has “%@” in its name.</source>
        <translation>没有名称包含“%@”的监听进程。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="40"/>
        <source>Usually busiest around %@:00.</source>
        <translation>通常在 %@:00 左右最忙。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="42"/>
        <source>Usually busiest around %@:00 and %@:00.</source>
        <translation>通常在 %@:00 和 %@:00 左右最忙。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="43"/>
        <source>It hasn&apos;t been busy enough to show a pattern.</source>
        <translation>还不够繁忙，看不出规律。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="30"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It recovers as soon as you switch back.</source>
        <translation>切换到其他应用后，%@ 的所有进程都会降为后台优先级。切换回来后立即恢复。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="33"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It can&apos;t be raised again until %@ restarts.</source>
        <translation>切换到其他应用后，%@ 的所有进程都会降为后台优先级。在 %@ 重新启动之前无法恢复。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="36"/>
        <source> %n processes are slowed right now.</source>
        <translation>
            <numerusform> 目前有 %n 个进程已降速。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="43"/>
        <source> %n processes are paused right now.</source>
        <translation>
            <numerusform> 目前有 %n 个进程已暂停。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="49"/>
        <source> %@ stays slowed until it restarts.</source>
        <translation> %@ 在重新启动之前会一直保持降速。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="50"/>
        <source> Slowing it down can&apos;t be undone until %@ restarts.</source>
        <translation> 降速后在 %@ 重新启动之前无法撤销。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="40"/>
        <source>After you switch to another app, %@ pauses completely and uses no CPU. While paused it won&apos;t play sound, download or receive messages. It resumes when you switch back.</source>
        <translation>切换到其他应用后，%@ 会完全暂停，不占用 CPU。暂停期间它不会播放声音、下载或接收消息。切换回来后即恢复。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="46"/>
        <source>%@ can slow down or pause automatically after you switch to another app. That saves power and keeps the front app smooth.</source>
        <translation>切换到其他应用后，%@ 可以自动降速或暂停。这样既省电，又能让前台应用保持流畅。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Pauses after you switch away</source>
        <translation>切换走后暂停</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Slows down after you switch away</source>
        <translation>切换走后降速</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="30"/>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="31"/>
        <source>Warm</source>
        <translation>温热</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="32"/>
        <source>Hot</source>
        <translation>热</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="33"/>
        <source>Overheating</source>
        <translation>过热</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="35"/>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="29"/>
        <source>%n alerts on. </source>
        <translation>
            <numerusform>已开启 %n 条提醒。 </numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="30"/>
        <source>Alerts appear in the Qel window and as desktop notifications.</source>
        <translation>提醒会显示在 Qel 窗口中，并以桌面通知的形式出现。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="31"/>
        <source>No notification service is running on this desktop, so alerts only appear in the Qel window.</source>
        <translation>此桌面上没有运行通知服务，因此提醒只会显示在 Qel 窗口中。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="42"/>
        <source>Deletes every recorded day with its marks and app usage, the recorded sleeps and stretches, and the usual baseline. Settings and rules are kept. This can&apos;t be undone.</source>
        <translation>删除所有记录的日期及其标记和应用使用情况、记录的睡眠和时段，以及平时基线。设置和规则会保留。此操作无法撤销。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="79"/>
        <source>less than 1 MB</source>
        <translation>不到 1 MB</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="54"/>
        <source>Peak %@% (%@), average %@%</source>
        <translation>峰值 %@%（%@），平均 %@%</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="11"/>
        <source>The license text could not be loaded.</source>
        <translation>无法载入许可证文本。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="24"/>
        <source>Battery dropped %@% while asleep</source>
        <translation>睡眠期间电量下降了 %@%</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="25"/>
        <source>Slept %@</source>
        <translation>睡眠 %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="45"/>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="17"/>
        <source>%@ s</source>
        <translation>%@ 秒</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="49"/>
        <source>awake for %@</source>
        <translation>唤醒时长 %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="22"/>
        <source>That is %@× the usual for this time of day.</source>
        <translation>这是该时段平时的 %@ 倍。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="23"/>
        <source>That is about the usual for this time of day.</source>
        <translation>这与该时段平时大致相同。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="33"/>
        <source>%@–%@, lasted %@.</source>
        <translation>%@–%@，持续 %@。</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="24"/>
        <source>%@ min</source>
        <translation>%@ 分钟</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="26"/>
        <source>%@ h</source>
        <translation>%@ 小时</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="27"/>
        <source>%@ h %@ min</source>
        <translation>%@ 小时 %@ 分钟</translation>
    </message>
    <message>
        <location filename="../../Kit/PageText.cpp" line="22"/>
        <source>Computer</source>
        <translation>电脑</translation>
    </message>
    <message>
        <location filename="../../Kit/PageText.cpp" line="25"/>
        <source>Bluetooth devices</source>
        <translation>蓝牙设备</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="9"/>
        <source>%@ keeps using more memory</source>
        <translation>%@ 的内存占用持续增长</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="10"/>
        <source>%@ has been busy in the background</source>
        <translation>%@ 一直在后台忙碌</translation>
    </message>
    <message numerus="yes">
        <location filename="../../History/FindingFacts.cpp" line="15"/>
        <source>Over the past %n minutes, the memory of %@ grew from %@ to %@ without dropping, which may be a memory leak. Reopening the app frees it.</source>
        <translation>
            <numerusform>在过去 %n 分钟内，%@ 的内存从 %@ 增长到 %@ 且未曾回落，可能存在内存泄漏。重新打开该应用即可释放。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="18"/>
        <source>%@ isn&apos;t in the foreground but has used %@% of the CPU for 3 minutes straight. If you didn&apos;t ask it to work in the background, you can quit it.</source>
        <translation>%@ 不在前台，却已连续 3 分钟占用 %@% 的 CPU。如果你没有让它在后台工作，可以退出它。</translation>
    </message>
</context>
</TS>
