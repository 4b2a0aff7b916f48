<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>qel</name>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="58"/>
        <source>%n years</source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="59"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="46"/>
        <source>%n logical</source>
        <translation>
            <numerusform>%n logical</numerusform>
            <numerusform>%n logical</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n performance</source>
        <translation>
            <numerusform>%n performance</numerusform>
            <numerusform>%n performance</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n efficiency</source>
        <translation>
            <numerusform>%n efficiency</numerusform>
            <numerusform>%n efficiency</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="35"/>
        <source>Stored in a database on this computer only. %n days recorded, using %@.</source>
        <translation>
            <numerusform>Stored in a database on this computer only. %n day recorded, using %@.</numerusform>
            <numerusform>Stored in a database on this computer only. %n days recorded, using %@.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="121"/>
        <source>%n days collected. After 3 days the ring shows a reference line.</source>
        <translation>
            <numerusform>%n day collected. After 3 days the ring shows a reference line.</numerusform>
            <numerusform>%n days collected. After 3 days the ring shows a reference line.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::ActionBar</name>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="67"/>
        <source>%n selected</source>
        <translation>
            <numerusform>%n selected</numerusform>
            <numerusform>%n selected</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="69"/>
        <source>%n system processes will be skipped</source>
        <translation>
            <numerusform>%n system process will be skipped</numerusform>
            <numerusform>%n system processes will be skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="72"/>
        <source>End %n processes</source>
        <translation>
            <numerusform>End %n process</numerusform>
            <numerusform>End %n processes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::CPUPage</name>
    <message numerus="yes">
        <location filename="../../Pages/CPU/CPUPage.cpp" line="183"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n process</numerusform>
            <numerusform>%n processes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::DiskPage</name>
    <message numerus="yes">
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>%n mounted</source>
        <translation>
            <numerusform>%n mounted</numerusform>
            <numerusform>%n mounted</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::EnergyPage</name>
    <message numerus="yes">
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="322"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n process</numerusform>
            <numerusform>%n processes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::MenuPanel</name>
    <message numerus="yes">
        <location filename="../../MenuBar/MenuPanel.cpp" line="440"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>%n app online</numerusform>
            <numerusform>%n apps online</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::NetPage</name>
    <message numerus="yes">
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="133"/>
        <source>%n apps</source>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n apps</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::ProcessTable</name>
    <message numerus="yes">
        <location filename="../../Processes/ProcessTable.cpp" line="46"/>
        <source>%n processes, %@ of them yours</source>
        <translation>
            <numerusform>%n process, %@ yours</numerusform>
            <numerusform>%n processes, %@ of them yours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::StarMapView</name>
    <message numerus="yes">
        <location filename="../../Pages/Network/StarMapView.cpp" line="48"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="55"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>%n app online</numerusform>
            <numerusform>%n apps online</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::Store</name>
    <message numerus="yes">
        <location filename="../../Store/DayStatus.cpp" line="90"/>
        <source>Qel noticed %n things today. Click a dot outside the ring to see what happened.</source>
        <translation>
            <numerusform>Qel noticed %n thing today. Click a dot outside the ring to see what happened.</numerusform>
            <numerusform>Qel noticed %n things today. Click a dot outside the ring to see what happened.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MemoryAdvice.cpp" line="64"/>
        <source>Asked %n apps to quit</source>
        <translation>
            <numerusform>Asked %n app to quit</numerusform>
            <numerusform>Asked %n apps to quit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="104"/>
        <source>%n on</source>
        <translation>
            <numerusform>%n on</numerusform>
            <numerusform>%n on</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="109"/>
        <source>%n throttled</source>
        <translation>
            <numerusform>%n throttled</numerusform>
            <numerusform>%n throttled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Force-quit %n processes</source>
        <translation>
            <numerusform>Force-quit %n process</numerusform>
            <numerusform>Force-quit %n processes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Ended %n processes</source>
        <translation>
            <numerusform>Ended %n process</numerusform>
            <numerusform>Ended %n processes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="44"/>
        <source>The thin line is the usual CPU load at this time of day (from the last %n days)</source>
        <translation>
            <numerusform>The thin line is the usual CPU load at this time of day (from the last %n day)</numerusform>
            <numerusform>The thin line is the usual CPU load at this time of day (from the last %n days)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="45"/>
        <source>After %n more days of history, the ring will show a reference line for your usual load</source>
        <translation>
            <numerusform>After %n more day of history, the ring will show a reference line for your usual load</numerusform>
            <numerusform>After %n more days of history, the ring will show a reference line for your usual load</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>std</name>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="46"/>
        <source>Up %n days</source>
        <translation>
            <numerusform>Up %n day</numerusform>
            <numerusform>Up %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="57"/>
        <source>%n things worth a look. Click a dot.</source>
        <translation>
            <numerusform>%n thing worth a look. Click a dot.</numerusform>
            <numerusform>%n things worth a look. Click a dot.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="56"/>
        <source>Quit these %n and free about %@</source>
        <translation>
            <numerusform>Quit these %n and free about %@</numerusform>
            <numerusform>Quit these %n and free about %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="49"/>
        <source>%n ports, %@ open to the local network</source>
        <translation>
            <numerusform>%n port, %@ open to the local network</numerusform>
            <numerusform>%n ports, %@ open to the local network</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="50"/>
        <source>%n ports</source>
        <translation>
            <numerusform>%n port</numerusform>
            <numerusform>%n ports</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="36"/>
        <source> %n processes are slowed right now.</source>
        <translation>
            <numerusform> %n process is slowed right now.</numerusform>
            <numerusform> %n processes are slowed right now.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="43"/>
        <source> %n processes are paused right now.</source>
        <translation>
            <numerusform> %n process is paused right now.</numerusform>
            <numerusform> %n processes are paused right now.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="29"/>
        <source>%n alerts on. </source>
        <translation>
            <numerusform>%n alert on. </numerusform>
            <numerusform>%n alerts on. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../History/FindingFacts.cpp" line="15"/>
        <source>Over the past %n minutes, the memory of %@ grew from %@ to %@ without dropping, which may be a memory leak. Reopening the app frees it.</source>
        <translation>
            <numerusform>Over the past %n minute, the memory of %@ grew from %@ to %@ without dropping, which may be a memory leak. Reopening the app frees it.</numerusform>
            <numerusform>Over the past %n minutes, the memory of %@ grew from %@ to %@ without dropping, which may be a memory leak. Reopening the app frees it.</numerusform>
        </translation>
    </message>
</context>
</TS>
