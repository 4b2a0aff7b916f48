<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
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
        <translation>Ctrl+Alt+E 已被其他程式占用。請改在桌面的鍵盤設定中，將指令 qel --replay 指定給一個按鍵。</translation>
    </message>
    <message>
        <location filename="../../MenuBar/HotKey.cpp" line="136"/>
        <source>This desktop doesn&apos;t let Qel listen for Ctrl+Alt+E. Bind the command qel --replay to a key in your desktop&apos;s keyboard settings instead.</source>
        <translation>此桌面不允許 Qel 監聽 Ctrl+Alt+E。請改在桌面的鍵盤設定中，將指令 qel --replay 指定給一個按鍵。</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Measured</source>
        <translation>實測</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Process sum</source>
        <translation>程序合計</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="72"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="25"/>
        <source>Compressed</source>
        <translation>已壓縮</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="71"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="26"/>
        <source>Kernel &amp; locked</source>
        <translation>核心與鎖定</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="67"/>
        <source>%@ available</source>
        <translation>%@ 可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="71"/>
        <source>%@ used of %@</source>
        <translation>已使用 %@，共 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="76"/>
        <source>No battery</source>
        <translation>無電池</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On battery</source>
        <translation>使用電池</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On AC power</source>
        <translation>使用 AC 電源</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="78"/>
        <source>, charging</source>
        <translation>，充電中</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="79"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="80"/>
        <source>Unavailable</source>
        <translation>無法使用</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="83"/>
        <source>Not charging</source>
        <translation>未充電</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="153"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="97"/>
        <source>Process %@</source>
        <translation>程序 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="98"/>
        <source>Keeping the display on</source>
        <translation>正在保持顯示器開啟</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="99"/>
        <source>Keeps the computer awake when idle or with the lid closed</source>
        <translation>在閒置或闔上螢幕時讓電腦保持喚醒</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="20"/>
        <source>Thermal state: %@</source>
        <translation>熱狀態：%@</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="25"/>
        <source>Battery %@%</source>
        <translation>電池 %@%</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="26"/>
        <source>, on AC power</source>
        <translation>，使用 AC 電源</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="32"/>
        <source>%@ disk free</source>
        <translation>磁碟可用 %@</translation>
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
        <translation>記憶體</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="80"/>
        <location filename="../../Kit/PageTable.cpp" line="46"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="44"/>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="85"/>
        <location filename="../../Kit/PageTable.cpp" line="40"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="45"/>
        <source>Disk</source>
        <translation>磁碟</translation>
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
        <translation>能耗（估計）</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="67"/>
        <source>Unknown path</source>
        <translation>路徑不明</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="17"/>
        <source>No profile for this process</source>
        <translation>此程序沒有概況</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="18"/>
        <source>Qel keeps long-term profiles for apps only, not for individual system processes.</source>
        <translation>Qel 只為 App 保留長期概況，不為個別系統程序保留。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="19"/>
        <source>Qel keeps long-term profiles for apps only, and this program doesn&apos;t belong to one.</source>
        <translation>Qel 只為 App 保留長期概況，而這個程式不屬於任何 App。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>No notable change</source>
        <translation>無明顯變化</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>Its usage has stayed within its own usual range.</source>
        <translation>其用量一直維持在自身的正常範圍內。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="29"/>
        <source>Lighter since the update to %@</source>
        <translation>自更新至 %@ 以來變輕了</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="30"/>
        <source>Since it updated on %@, it uses %@% less memory on average than before.</source>
        <translation>自 %@ 更新以來，它的平均記憶體用量比之前少 %@%。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="33"/>
        <source>Heavier since the update to %@</source>
        <translation>自更新至 %@ 以來變重了</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="34"/>
        <source>Since it updated on %@, it uses %@% more memory on average than before.</source>
        <translation>自 %@ 更新以來，它的平均記憶體用量比之前多 %@%。</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="28"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>無法執行系統的 lsof 指令，因此無法讀取監聽連接埠。</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="32"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>目前你帳號下沒有程序在監聽連接埠。</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="39"/>
        <location filename="../../Pages/Network/PortList.cpp" line="68"/>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="45"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>僅限你帳號下程序的連接埠。查看系統服務使用的連接埠需要管理員權限。</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="43"/>
        <source>Processor</source>
        <translation>處理器</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="44"/>
        <source>Chip</source>
        <translation>晶片</translation>
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
            <numerusform>%n 個邏輯核心</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n performance</source>
        <translation>
            <numerusform>%n 個效能核心</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n efficiency</source>
        <translation>
            <numerusform>%n 個效率核心</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="49"/>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>Load over one second</source>
        <translation>一秒內的負載</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="50"/>
        <source>%@ (user %@, system %@)</source>
        <translation>%@（使用者 %@，系統 %@）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="53"/>
        <source>Per core</source>
        <translation>每個核心</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>can&apos;t be read here (no processor counters)</source>
        <translation>此處無法讀取（沒有處理器計數器）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="57"/>
        <source>Load average, one minute</source>
        <translation>平均負載（1 分鐘）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="58"/>
        <source>Thermal state</source>
        <translation>熱狀態</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="59"/>
        <source>%@ (no thermal zones here)</source>
        <translation>%@（此處沒有溫度區域）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="66"/>
        <location filename="../../App/SampleReport.cpp" line="69"/>
        <source>Total</source>
        <translation>總計</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="66"/>
        <location filename="../../App/SampleReport.cpp" line="129"/>
        <source>can&apos;t be read here</source>
        <translation>此處無法讀取</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="70"/>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="73"/>
        <source>Pressure</source>
        <translation>壓力</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="74"/>
        <source>Swap used</source>
        <translation>已使用的置換空間</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>Over one second</source>
        <translation>一秒內</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <source>down %@, up %@</source>
        <translation>下載 %@，上傳 %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>Addresses</source>
        <translation>位址</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>none on a physical interface</source>
        <translation>實體介面上沒有</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="84"/>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>read %@, write %@</source>
        <translation>讀取 %@，寫入 %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="90"/>
        <source>Graphics</source>
        <translation>圖形</translation>
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
        <translation>此處沒有圖形處理器回報其使用率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="98"/>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>not reported</source>
        <translation>未回報</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="103"/>
        <source>Battery and power</source>
        <translation>電池與電源</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="107"/>
        <source>Battery</source>
        <translation>電池</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="151"/>
        <source>none</source>
        <translation>無</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>%@, %@</source>
        <translation>%@，%@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>charging</source>
        <translation>充電中</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on AC</source>
        <translation>AC 電源</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on battery</source>
        <translation>電池</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <source>Health</source>
        <translation>健康度</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <source>Cycles</source>
        <translation>循環</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <source>Energy left</source>
        <translation>剩餘電能</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <source>Charger rating</source>
        <translation>充電器額定功率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>Power in</source>
        <translation>輸入功率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>Charging power</source>
        <translation>充電功率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>not charging or not reported</source>
        <translation>未充電或未回報</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="120"/>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>Power draw</source>
        <translation>耗電功率</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <source>can&apos;t be read here (no battery to measure it)</source>
        <translation>此處無法讀取（沒有可測量的電池）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>can&apos;t be read here (measured only while on battery)</source>
        <translation>此處無法讀取（僅在使用電池時測量）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="127"/>
        <source>Storage</source>
        <translation>儲存空間</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="129"/>
        <location filename="../../App/SampleReport.cpp" line="131"/>
        <source>System disk</source>
        <translation>系統磁碟</translation>
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
        <translation>卷宗</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="134"/>
        <source>none found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>internal</source>
        <translation>內建</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>external</source>
        <translation>外接</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="137"/>
        <source>system volume</source>
        <translation>系統卷宗</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="138"/>
        <source>Volume</source>
        <translation>卷宗</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="145"/>
        <source>Kept awake by</source>
        <translation>防止睡眠的程式</translation>
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
        <translation>此處無法讀取（logind 未在系統匯流排上回應）</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="154"/>
        <source>unnamed</source>
        <translation>未命名</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>整部電腦</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Temperature and battery</source>
        <translation>溫度與電池</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Single process</source>
        <translation>單一程序</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="42"/>
        <source>When these things happen, Qel tells you which process it is and what to do. Short spikes won&apos;t bother you.</source>
        <translation>發生這些情況時，Qel 會告訴你是哪個程序，以及該怎麼做。短暫的尖峰不會打擾你。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="52"/>
        <source>Pause alerts for 1 hour</source>
        <translation>暫停警示 1 小時</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <source>No alerts appear while paused. They resume automatically.</source>
        <translation>暫停期間不會出現警示，之後會自動恢復。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="17"/>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="20"/>
        <source>Quiet mode</source>
        <translation>安靜模式</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="18"/>
        <source>Drops processes that are not in front, have no window and use a lot of CPU to background priority. Restored when you turn this off or quit Qel.</source>
        <translation>將不在前景、沒有視窗且大量占用 CPU 的程序降為背景優先順序。關閉此項目或結束 Qel 後恢復。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="47"/>
        <source>Erase all history?</source>
        <translation>要清除所有歷史記錄嗎？</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="48"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="135"/>
        <source>Erase all history</source>
        <translation>清除所有歷史記錄</translation>
    </message>
    <message>
        <location filename="../../Kit/Widgets/AskFirst.cpp" line="19"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="92"/>
        <source>Show in File Manager</source>
        <translation>在檔案管理員中顯示</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="98"/>
        <source>The history folder could not be opened</source>
        <translation>無法開啟歷史記錄資料夾</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="100"/>
        <source>History</source>
        <translation>歷史記錄</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="110"/>
        <source>Keep history for</source>
        <translation>歷史記錄保留</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <source>Older days are deleted automatically. The usual baseline is kept.</source>
        <translation>較舊的日期會自動刪除。平常基準會保留。</translation>
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
            <numerusform>僅儲存在這部電腦上的資料庫中。已記錄 %n 天，使用 %@。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="71"/>
        <source>Keep history for %@?</source>
        <translation>歷史記錄只保留 %@ 嗎？</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Days older than that are deleted now. This can&apos;t be undone.</source>
        <translation>更早的日期會立即刪除。此動作無法復原。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Delete older days</source>
        <translation>刪除更早的日期</translation>
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
            <numerusform>已收集 %n 天。滿 3 天後，圓環會顯示參考線。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="123"/>
        <source>Usual baseline</source>
        <translation>平常基準</translation>
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
        <translation>跟隨系統</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="35"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="37"/>
        <source>Interface language</source>
        <translation>介面語言</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="36"/>
        <source>Follow system uses the first of your system languages that Qel supports, or English if there is none.</source>
        <translation>「跟隨系統」會使用你的系統語言中第一個 Qel 支援的語言；若都不支援，則使用英文。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="41"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Follow system switches with your desktop&apos;s appearance.</source>
        <translation>「跟隨系統」會隨桌面外觀切換。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="51"/>
        <source>Replay shortcut</source>
        <translation>重播快速鍵</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="52"/>
        <source>Press it in any app to replay the last 60 seconds. It can&apos;t be changed yet.</source>
        <translation>在任何 App 中按下即可重播最近 60 秒。目前還無法變更。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="57"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="58"/>
        <source>Tab bar numbers</source>
        <translation>分頁列數值</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="65"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="67"/>
        <source>Show load in the taskbar icon</source>
        <translation>在工作列圖示中顯示負載</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="66"/>
        <source>The water in the taskbar icon rises with CPU usage, and the icon turns warm when the processor is busy.</source>
        <translation>工作列圖示中的水位隨 CPU 使用率上升，處理器忙碌時圖示會變為暖色。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="73"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="77"/>
        <source>Check for updates automatically</source>
        <translation>自動檢查更新</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="78"/>
        <source>Qel looks for a new version about once a day and tells you when there is one.</source>
        <translation>Qel 大約每天查找一次新版本，有新版本時會告訴你。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="79"/>
        <source>This build of Qel names no update feed, so it can&apos;t look for new versions.</source>
        <translation>此 Qel 版本未指定更新來源，因此無法查找新版本。</translation>
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
        <translation>搶先體驗即將推出的版本，同時繼續接收穩定版更新。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="23"/>
        <source>Qel&apos;s windows, tray item and update checks are built with Qt, used under the GNU LGPL 3.0.</source>
        <translation>Qel 的視窗、系統匣項目與更新檢查以 Qt 建構，Qt 依 GNU LGPL 3.0 使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Public domain</source>
        <translation>公有領域</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Qel keeps its history in SQLite, which is in the public domain.</source>
        <translation>Qel 將歷史記錄儲存在 SQLite 中，SQLite 屬於公有領域。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="26"/>
        <source>Qel works with SQLite through SQLiteCpp, used under the MIT License.</source>
        <translation>Qel 透過 SQLiteCpp 使用 SQLite，SQLiteCpp 依 MIT 授權條款使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="28"/>
        <source>Qel reads and writes its settings and changelog with nlohmann-json, used under the MIT License.</source>
        <translation>Qel 使用 nlohmann-json 讀寫設定與更新日誌，nlohmann-json 依 MIT 授權條款使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="30"/>
        <source>Qel formats dates and compares names with ICU, used under the Unicode License.</source>
        <translation>Qel 使用 ICU 格式化日期及比較名稱，ICU 依 Unicode 授權條款使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="33"/>
        <source>Qel talks to logind, BlueZ, UPower and the notification service through sd-bus of libsystemd, used under the GNU LGPL 2.1.</source>
        <translation>Qel 透過 libsystemd 的 sd-bus 與 logind、BlueZ、UPower 及通知服務溝通，libsystemd 依 GNU LGPL 2.1 使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="36"/>
        <source>Qel asks the X server for the window in front with libxcb, used under the MIT License.</source>
        <translation>Qel 透過 libxcb 向 X 伺服器查詢前景視窗，libxcb 依 MIT 授權條款使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="38"/>
        <source>Qt draws through the OpenGL libraries of libglvnd, used under the MIT License.</source>
        <translation>Qt 透過 libglvnd 的 OpenGL 程式庫繪製，libglvnd 依 MIT 授權條款使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="41"/>
        <source>Qel&apos;s text font is DejaVu Sans, used under the Bitstream Vera Fonts License.</source>
        <translation>Qel 的文字字型是 DejaVu Sans，依 Bitstream Vera Fonts License 使用。</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="43"/>
        <source>Qel&apos;s symbols come from the Material Icons font by the Material Design Authors, used under the Apache License 2.0; its authors are not affiliated with Qel.</source>
        <translation>Qel 的符號來自 Material Design Authors 的 Material Icons 字型，依 Apache License 2.0 使用；其作者與 Qel 無關。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="43"/>
        <source>Show in the tray</source>
        <translation>在系統匣中顯示</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="44"/>
        <source>Pick any combination. With none selected, only the icon is shown.</source>
        <translation>可任意組合。都不選取時只顯示圖示。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="49"/>
        <source>Icon</source>
        <translation>圖示</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="53"/>
        <source>Net speed</source>
        <translation>網速</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="81"/>
        <source>Icon style</source>
        <translation>圖示樣式</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="118"/>
        <source>Preview</source>
        <translation>預覽</translation>
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
        <translation>最忙時刻</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="106"/>
        <source>Time recorded</source>
        <translation>已記錄時間</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="107"/>
        <source>CPU, daily average</source>
        <translation>CPU，每日平均</translation>
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
        <translation>1 分鐘</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>2 min</source>
        <translation>2 分鐘</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>5 min</source>
        <translation>5 分鐘</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>10 min</source>
        <translation>10 分鐘</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="28"/>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="29"/>
        <source>Tray</source>
        <translation>系統匣</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="30"/>
        <source>Alerts</source>
        <translation>警示</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="31"/>
        <source>Background rules</source>
        <translation>背景規則</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="32"/>
        <source>Data</source>
        <translation>資料</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="30"/>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="31"/>
        <source>Improved</source>
        <translation>改進</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="32"/>
        <source>Fixed</source>
        <translation>修正</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="14"/>
        <source>Overview</source>
        <translation>概覽</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="27"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>System events</source>
        <translation>系統事件</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>Marked by you</source>
        <translation>由你標記</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="8"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="10"/>
        <source>Always</source>
        <translation>永遠</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="11"/>
        <source>On hover</source>
        <translation>停留時</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="12"/>
        <source>When unusual</source>
        <translation>異常時</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="13"/>
        <source>Load lines</source>
        <translation>負載折線</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="14"/>
        <source>Current page</source>
        <translation>目前頁面</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="20"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="22"/>
        <source>Each tab shows its number all the time.</source>
        <translation>每個分頁一律顯示其數值。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="23"/>
        <source>Tabs show only their name. Point at one to see its number.</source>
        <translation>分頁只顯示名稱。指向分頁即可查看其數值。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="24"/>
        <source>A dot appears on a tab when that part of your computer is unusually busy.</source>
        <translation>電腦某個部分異常忙碌時，對應的分頁上會出現圓點。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="25"/>
        <source>A short line under each tab grows as that part gets busier.</source>
        <translation>每個分頁下方的短線會隨該部分的忙碌程度變長。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="26"/>
        <source>Only the page you are on shows its number.</source>
        <translation>僅目前頁面顯示其數值。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="38"/>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="69"/>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="91"/>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>Asleep</source>
        <translation>睡眠中</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>No history for this time</source>
        <translation>此時間沒有歷史記錄</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="53"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="54"/>
        <source>CPU, memory %@</source>
        <translation>CPU，記憶體 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="27"/>
        <source>View</source>
        <translation>檢視</translation>
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
            <numerusform>已選取 %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="69"/>
        <source>%n system processes will be skipped</source>
        <translation>
            <numerusform>將略過 %n 個系統程序</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="72"/>
        <source>End %n processes</source>
        <translation>
            <numerusform>終止 %n 個程序</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ActionBar.cpp" line="68"/>
        <source>Unsaved changes may be lost</source>
        <translation>未儲存的變更可能會遺失</translation>
    </message>
</context>
<context>
    <name>qel::AppCommands</name>
    <message>
        <location filename="../../App/AppCommands.cpp" line="59"/>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="60"/>
        <source>Check for Updates…</source>
        <translation>檢查更新…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="61"/>
        <source>What&apos;s new</source>
        <translation>新功能</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="62"/>
        <source>Open Source Licenses</source>
        <translation>開放原始碼授權</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="63"/>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>qel::BubbleFieldView</name>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="39"/>
        <source>Memory bubble chart</source>
        <translation>記憶體泡泡圖</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="66"/>
        <source>%@ used</source>
        <translation>已使用 %@</translation>
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
        <translation>使用者</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="108"/>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="109"/>
        <source>Idle</source>
        <translation>閒置</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="112"/>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="113"/>
        <source>Efficiency</source>
        <translation>效率</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>Last 60 seconds</source>
        <translation>最近 60 秒</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>All cores combined</source>
        <translation>所有核心合計</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Using the most</source>
        <translation>用量最多</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Click a name for details</source>
        <translation>按一下名稱查看詳細資訊</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/CPU/CPUPage.cpp" line="183"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n 個程序</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="184"/>
        <source>Load %.2f</source>
        <translation>負載 %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="195"/>
        <source>Each bar is a logical core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>每個長條代表一個邏輯核心。對比色的部分標出其近期峰值。中心顯示系統的散熱狀態。</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="197"/>
        <source>Each bar is a core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>每個長條代表一個核心。對比色的部分標出其近期峰值。中心顯示系統的散熱狀態。</translation>
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
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>qel::ColumnTitles</name>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="26"/>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="27"/>
        <source>CPU %</source>
        <translation>CPU %</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="28"/>
        <source>Memory</source>
        <translation>記憶體</translation>
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
        <translation>總使用率 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="65"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="114"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="115"/>
        <source>Load %.2f</source>
        <translation>負載 %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Efficiency</source>
        <translation>效率</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="113"/>
        <source>Thermal state</source>
        <translation>熱狀態</translation>
    </message>
</context>
<context>
    <name>qel::DayMark</name>
    <message>
        <location filename="../../History/DayMark.cpp" line="16"/>
        <source>Power adapter connected</source>
        <translation>已連接電源轉接器</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="17"/>
        <source>Switched to battery power</source>
        <translation>已切換為電池供電</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="18"/>
        <source>External display connected</source>
        <translation>已連接外接顯示器</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="19"/>
        <source>External display disconnected</source>
        <translation>已中斷外接顯示器</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="20"/>
        <source>Woke from sleep</source>
        <translation>從睡眠中喚醒</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="21"/>
        <source>Network disconnected</source>
        <translation>網路已中斷</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="22"/>
        <source>Network reconnected</source>
        <translation>網路已重新連線</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="23"/>
        <source>%@ opened</source>
        <translation>%@ 已開啟</translation>
    </message>
</context>
<context>
    <name>qel::DayRingView</name>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="80"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="122"/>
        <source>Ring</source>
        <translation>圓環</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteries</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="27"/>
        <source>Device batteries</source>
        <translation>裝置電池</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="42"/>
        <source>Scroll to see more devices.</source>
        <translation>捲動可查看更多裝置。</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteryRing</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="47"/>
        <source>Battery %@%</source>
        <translation>電池 %@%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="50"/>
        <source>%@ battery low</source>
        <translation>%@ 電量不足</translation>
    </message>
</context>
<context>
    <name>qel::DiskPage</name>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="103"/>
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="106"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="227"/>
        <source>Read %@, write %@</source>
        <translation>讀取 %@，寫入 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="113"/>
        <source>Used</source>
        <translation>已使用</translation>
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
        <translation>外環是系統磁碟的空間：已使用與可用。
內環是最近 60 秒的活動：讀取向外增長，寫入向內增長。</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="150"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>Volumes</source>
        <translation>卷宗</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Active now</source>
        <translation>目前使用中</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Click a name for details</source>
        <translation>按一下名稱查看詳細資訊</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="160"/>
        <source>No process is doing heavy disk activity right now.</source>
        <translation>目前沒有程序在大量讀寫磁碟。</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Most written</source>
        <translation>寫入最多</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Since each process started</source>
        <translation>自各程序啟動以來</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>%n mounted</source>
        <translation>
            <numerusform>已掛載 %n 個</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::DiskPlatterView</name>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="98"/>
        <source>Disk space and activity</source>
        <translation>磁碟空間與活動</translation>
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
        <translation>電量</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="187"/>
        <source>Power</source>
        <translation>電源</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="188"/>
        <source>Thermal state</source>
        <translation>熱狀態</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="218"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="321"/>
        <source>Preventing sleep</source>
        <translation>正在防止睡眠</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="232"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="351"/>
        <source>Runtime</source>
        <translation>續航時間</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="242"/>
        <source>Charger</source>
        <translation>充電器</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="246"/>
        <source>Not connected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Adapter power</source>
        <translation>變壓器功率</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Current input</source>
        <translation>目前輸入</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="249"/>
        <source>Battery charging</source>
        <translation>電池充電中</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="250"/>
        <source>Power the system reports for the connected adapter, not the current input.</source>
        <translation>系統回報的已連接轉接器功率，而非目前的輸入功率。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="299"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="385"/>
        <source> Per-app energy is estimated from CPU usage.</source>
        <translation> 各 App 的能耗是依 CPU 使用率估算。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="297"/>
        <source>One turn is 60 seconds, with now at the top. Each bar is stacked by app. Gray is everything else.</source>
        <translation>一圈為 60 秒，現在位於頂端。每個長條依 App 堆疊，灰色為其他所有項目。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="322"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n 個程序</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="323"/>
        <source>What is preventing sleep can&apos;t be read on this computer.</source>
        <translation>無法在這台電腦上讀取阻止睡眠的項目。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="325"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when you close the lid.</source>
        <translation>沒有任何程式在防止睡眠。闔上螢幕時電腦會正常睡眠。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="326"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when it&apos;s left idle.</source>
        <translation>沒有任何程式在防止睡眠。閒置時電腦會正常睡眠。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="360"/>
        <source>This computer has no battery</source>
        <translation>這部電腦沒有電池</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="367"/>
        <source>A runtime estimate isn&apos;t available yet.</source>
        <translation>暫時無法估算續航時間。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>If you unplugged now, about</source>
        <translation>如果現在拔掉電源，約可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>At this rate, about</source>
        <translation>依此速度，約可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="384"/>
        <source>Estimated from the average power over the last minute.</source>
        <translation>依最近一分鐘的平均功率估算。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="389"/>
        <source>Health</source>
        <translation>健康度</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="391"/>
        <source>Cycle count</source>
        <translation>循環次數</translation>
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
        <translation>現在</translation>
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
        <translation>電池 %@%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="140"/>
        <source>On AC power</source>
        <translation>使用 AC 電源</translation>
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
        <translation>之前：%@ %@</translation>
    </message>
</context>
<context>
    <name>qel::ExportSheet</name>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="74"/>
        <source>Export this day as an image</source>
        <translation>將這一天輸出為影像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="75"/>
        <source>Saves the ring for this day as a 1080 × 1080 picture.</source>
        <translation>將這一天的圓環儲存為 1080 × 1080 的圖片。</translation>
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
        <translation>背景</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="117"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>Show app names</source>
        <translation>顯示 App 名稱</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>When off, no app name appears in the picture</source>
        <translation>關閉後，圖片中不會出現 App 名稱</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="119"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>Show event dots</source>
        <translation>顯示事件圓點</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>The things worth a look on this day</source>
        <translation>這一天值得一看的事</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="122"/>
        <source>The picture contains only the usage rings and what is switched on above. It never includes window titles, file names or network addresses.</source>
        <translation>圖片只包含使用率圓環與上方已開啟的項目，絕不包含視窗標題、檔案名稱或網路位址。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="137"/>
        <source>Copy image</source>
        <translation>拷貝影像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="140"/>
        <source>Save image…</source>
        <translation>儲存影像…</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="176"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="186"/>
        <source>Couldn&apos;t create the image</source>
        <translation>無法建立影像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="179"/>
        <source>Couldn&apos;t save the image</source>
        <translation>無法儲存影像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="181"/>
        <source>Image saved</source>
        <translation>已儲存影像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="193"/>
        <source>Couldn&apos;t copy the image</source>
        <translation>無法拷貝影像</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="195"/>
        <source>Copied to the clipboard</source>
        <translation>已拷貝到剪貼簿</translation>
    </message>
</context>
<context>
    <name>qel::FindingCard</name>
    <message>
        <location filename="../../Sheets/Reports/FindingCard.cpp" line="54"/>
        <source>View</source>
        <translation>檢視</translation>
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
        <translation>無法使用</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="78"/>
        <source>Now</source>
        <translation>現在</translation>
    </message>
</context>
<context>
    <name>qel::GPUPage</name>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="96"/>
        <source>The more cells lit, the busier the GPU. The outer ring is the last 60 seconds, with now at the top.
The system doesn&apos;t report per-core or per-app GPU usage, so only the overall figure is shown.</source>
        <translation>亮起的格子越多，GPU 越忙。外圈為最近 60 秒，現在位於頂端。
系統不回報各核心或各 App 的 GPU 使用率，因此只顯示整體數值。</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="108"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="129"/>
        <source>GPU memory</source>
        <translation>GPU 記憶體</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="130"/>
        <source>Cores</source>
        <translation>核心</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="131"/>
        <source>Thermal state</source>
        <translation>熱狀態</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Likely GPU users</source>
        <translation>可能在使用 GPU 的 App</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Apps with the GPU open, by energy</source>
        <translation>正在使用 GPU 的 App（依能耗）</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Last 60 seconds</source>
        <translation>最近 60 秒</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Overall usage</source>
        <translation>整體使用率</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>Unified memory</source>
        <translation>統一記憶體</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>GPU and CPU share %@</source>
        <translation>GPU 與 CPU 共用 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="201"/>
        <source>The GPU is using %@, other apps %@, with %@ left.</source>
        <translation>GPU 正在使用 %@，其他 App %@，剩餘 %@。</translation>
    </message>
</context>
<context>
    <name>qel::GainRow</name>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="36"/>
        <location filename="../../Pages/Energy/GainRow.cpp" line="67"/>
        <source>Quit %@</source>
        <translation>結束 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="71"/>
        <source>using about %@ W</source>
        <translation>耗電約 %@ W</translation>
    </message>
</context>
<context>
    <name>qel::Glossary</name>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="224"/>
        <source>A page renderer for %@. Each browser tab and each Electron app window has one.</source>
        <translation>%@ 的頁面算繪程序。每個瀏覽器分頁和每個 Electron App 視窗都有一個。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="227"/>
        <source>The graphics process for %@. It handles drawing, video and animation.</source>
        <translation>%@ 的圖形程序。負責繪製、影片與動畫。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="229"/>
        <source>A service process for %@. It does one job on its own, such as networking, audio or storage.</source>
        <translation>%@ 的服務程序。它獨立負責一項工作，例如網路、音訊或儲存。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="233"/>
        <source>A kernel thread: part of the Linux kernel itself, doing work such as writing to disk, reclaiming memory or handling hardware.</source>
        <translation>核心執行緒：Linux 核心本身的一部分，負責寫入磁碟、回收記憶體或處理硬體等工作。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="28"/>
        <source>A program that comes with your Linux system. Qel&apos;s glossary doesn&apos;t describe it yet.</source>
        <translation>Linux 系統內建的程式。Qel 的詞彙表尚未收錄它的說明。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="16"/>
        <source>The system needs it to run. Don&apos;t quit it.</source>
        <translation>系統運作需要它。請不要結束它。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="18"/>
        <source>High usage is usually temporary and drops back once it finishes.</source>
        <translation>高使用率通常是暫時的，完成後就會回落。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="222"/>
        <source>It belongs to %@ and ends when you quit %@.</source>
        <translation>它屬於 %@，結束 %@ 時隨之結束。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="225"/>
        <source>High usage means a page is busy. Closing that tab or window ends it.</source>
        <translation>高使用率表示某個網頁正忙。關閉該分頁或視窗即可結束它。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="238"/>
        <source>Qel&apos;s glossary doesn&apos;t include this process. Judging by its path, it doesn&apos;t come from your distribution&apos;s packages.</source>
        <translation>Qel 的詞彙表中沒有此程序。從路徑判斷，它並非來自你的發行版套件。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="240"/>
        <source>If you&apos;re not sure what it is, look it up online before deciding whether to quit it.</source>
        <translation>如果不確定它是什麼，請先上網查詢，再決定是否結束它。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="244"/>
        <source>A helper process for %@.</source>
        <translation>%@ 的輔助程序。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="245"/>
        <source>Part of %@. Qel&apos;s glossary doesn&apos;t describe this process yet.</source>
        <translation>%@ 的一部分。Qel 的詞彙表尚未收錄此程序的說明。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="248"/>
        <source>This is the main process of %@.</source>
        <translation>這是 %@ 的主程序。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="249"/>
        <source>If usage is high, first check whether it is working on something (exporting, syncing, compiling and so on).</source>
        <translation>如果使用率很高，請先看看它是否正在處理某項工作（匯出、同步、編譯等）。</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="255"/>
        <source>what is the %@ process on Linux</source>
        <translation>Linux 上的 %@ 程序是什麼</translation>
    </message>
</context>
<context>
    <name>qel::GpuUserList</name>
    <message>
        <location filename="../../Pages/GPU/GpuUserList.cpp" line="47"/>
        <source>Front</source>
        <translation>前景</translation>
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
        <translation>剛才發生了什麼</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="61"/>
        <source>Press Ctrl+Alt+E any time to replay the last 60 seconds.</source>
        <translation>隨時按 Ctrl+Alt+E 重播最近 60 秒。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="74"/>
        <source>60 s ago</source>
        <translation>60 秒前</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="78"/>
        <source>Pressed at %@</source>
        <translation>按下於 %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="127"/>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="129"/>
        <source>Ended</source>
        <translation>已結束</translation>
    </message>
</context>
<context>
    <name>qel::InsightEngine</name>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="115"/>
        <source>Not enough history yet</source>
        <translation>歷史記錄還不夠</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="116"/>
        <source>Qel just started. In a few seconds it can replay what happened.</source>
        <translation>Qel 剛啟動。幾秒後即可重播發生的事。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="126"/>
        <source>%@ pushed the CPU to %@ %@</source>
        <translation>%@ 使 CPU 達到 %@ %@</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="128"/>
        <source>Memory is tight and the system is compressing it</source>
        <translation>記憶體吃緊，系統正在壓縮記憶體</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="130"/>
        <source>The disk is reading and writing heavily</source>
        <translation>磁碟正在大量讀寫</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="132"/>
        <source>%@ briefly maxed out one core</source>
        <translation>%@ 短暫占滿了一個核心</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="134"/>
        <source>Nothing unusual in the last %@ s</source>
        <translation>最近 %@ 秒內沒有異常</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="137"/>
        <source>CPU peaked at %@ (%@) and averaged %@ over these %@ s.</source>
        <translation>在這 %4$@ 秒內，CPU 峰值為 %1$@（%2$@），平均 %3$@。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="140"/>
        <source>%@ peaked at %@% (100% is one full core) and averaged %@%.</source>
        <translation>%@ 峰值 %@%（100% 為一個完整核心），平均 %@%。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="143"/>
        <source>Memory pressure peaked at %@%. When memory runs short, switching apps gets noticeably slower.</source>
        <translation>記憶體壓力峰值為 %@%。記憶體不足時，切換 App 會明顯變慢。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="145"/>
        <source>Disk activity peaked at %@.</source>
        <translation>磁碟活動峰值為 %@。</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="147"/>
        <source>If things felt slow just now, an app may have been waiting on the network or on another program. That doesn&apos;t show up as CPU usage.</source>
        <translation>如果剛才感覺變慢，可能是某個 App 在等待網路或其他程式。這種情況不會反映在 CPU 使用率上。</translation>
    </message>
</context>
<context>
    <name>qel::LicensesSheet</name>
    <message>
        <location filename="../../Sheets/LicensesSheet.cpp" line="34"/>
        <source>Open Source Licenses</source>
        <translation>開放原始碼授權</translation>
    </message>
</context>
<context>
    <name>qel::MemPage</name>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="86"/>
        <source>Memory</source>
        <translation>記憶體</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="91"/>
        <source>Used</source>
        <translation>已使用</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="92"/>
        <source>Pressure</source>
        <translation>壓力</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="93"/>
        <source>Swap</source>
        <translation>置換空間</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="105"/>
        <source>Each bubble is a process, sized by the memory it uses. Click a bubble for details or to quit it. The outer ring is memory pressure.</source>
        <translation>每個泡泡代表一個程序，大小取決於其記憶體用量。按一下泡泡可查看詳細資訊或結束它。外圈為記憶體壓力。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="122"/>
        <location filename="../../Pages/Memory/MemPage.cpp" line="192"/>
        <source>Memory breakdown</source>
        <translation>記憶體組成</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="143"/>
        <source>App memory</source>
        <translation>App 記憶體</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="144"/>
        <source>Kernel &amp; locked</source>
        <translation>核心與鎖定</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="145"/>
        <source>Compressed</source>
        <translation>已壓縮</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="146"/>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="163"/>
        <source>Memory pressure</source>
        <translation>記憶體壓力</translation>
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
        <translation>記憶體吃緊</translation>
    </message>
</context>
<context>
    <name>qel::MemoryAdviceRow</name>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="43"/>
        <source>Memory keeps growing. Reopening it frees the memory.</source>
        <translation>記憶體持續增加。重新開啟即可釋放記憶體。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="49"/>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="60"/>
        <source>Using %@, %@</source>
        <translation>%@，使用 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="61"/>
        <source>Quit %@</source>
        <translation>結束 %@</translation>
    </message>
</context>
<context>
    <name>qel::MemoryChart</name>
    <message>
        <location filename="../../Processes/MemoryChart.cpp" line="56"/>
        <source>Memory, last 30 days</source>
        <translation>記憶體，最近 30 天</translation>
    </message>
</context>
<context>
    <name>qel::MenuBar</name>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="273"/>
        <source>Show panel</source>
        <translation>顯示面板</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="274"/>
        <source>Open Qel</source>
        <translation>開啟 Qel</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="275"/>
        <source>What just happened</source>
        <translation>剛才發生了什麼</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="353"/>
        <source>Qel keeps running while its window is closed, and usually waits in the tray. This desktop has no tray, so the window was minimised instead. To end Qel, choose Quit (Ctrl+Q).</source>
        <translation>Qel 在視窗關閉後仍會繼續執行，通常在系統匣中待命。此桌面沒有系統匣，因此改為將視窗最小化。若要結束 Qel，請選擇「結束」（Ctrl+Q）。</translation>
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
        <translation>檢視 %@</translation>
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
        <translation>用量最高的程序</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="156"/>
        <source>Hover to quit</source>
        <translation>停留以結束</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="123"/>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="124"/>
        <source>Bluetooth devices</source>
        <translation>藍牙裝置</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="274"/>
        <source>Scroll horizontally to see more devices.</source>
        <translation>橫向捲動可查看更多裝置。</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="279"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>Not connected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="293"/>
        <source>Quiet mode</source>
        <translation>安靜模式</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="294"/>
        <source>Keep awake</source>
        <translation>保持喚醒</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="295"/>
        <source>Pause alerts</source>
        <translation>暫停警示</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="321"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="323"/>
        <source>What just happened</source>
        <translation>剛才發生了什麼</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="325"/>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="327"/>
        <source>Open Qel</source>
        <translation>開啟 Qel</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="210"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="401"/>
        <source>Load %.2f</source>
        <translation>負載 %.2f</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Measured</source>
        <translation>實測</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Process sum</source>
        <translation>程序合計</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>Thermal</source>
        <translation>溫度</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>System thermal state</source>
        <translation>系統熱狀態</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="411"/>
        <source>Battery</source>
        <translation>電池</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>Memory %@</source>
        <translation>記憶體 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="416"/>
        <source>Disk free</source>
        <translation>磁碟可用</translation>
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
            <numerusform>%n 個 App 在線上</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="442"/>
        <source>Per-app traffic unavailable</source>
        <translation>無法取得各 App 流量</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="447"/>
        <source>Local %@</source>
        <translation>本機 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>No local address</source>
        <translation>沒有本機位址</translation>
    </message>
</context>
<context>
    <name>qel::MetricRow</name>
    <message>
        <location filename="../../Window/Overview/MetricRow.cpp" line="34"/>
        <source>View %@</source>
        <translation>檢視 %@</translation>
    </message>
</context>
<context>
    <name>qel::MiniRing</name>
    <message>
        <location filename="../../MenuBar/MiniRing.cpp" line="50"/>
        <source>CPU and memory over the last 60 seconds</source>
        <translation>最近 60 秒的 CPU 與記憶體</translation>
    </message>
</context>
<context>
    <name>qel::NetAddressCard</name>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Local address</source>
        <translation>本機位址</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>No local address</source>
        <translation>沒有本機位址</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Not connected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="58"/>
        <source>Data is moving, but no network interface has an IPv4 address.</source>
        <translation>有資料在傳輸，但沒有網路介面擁有 IPv4 位址。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="59"/>
        <source>No network interface with an IP address was found.</source>
        <translation>找不到具有 IP 位址的網路介面。</translation>
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
        <translation>網路</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="61"/>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="62"/>
        <source>Upload</source>
        <translation>上傳</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="55"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="128"/>
        <source>Upload %@</source>
        <translation>上傳 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <source>Online</source>
        <translation>在線上</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="133"/>
        <source>%n apps</source>
        <translation>
            <numerusform>%n 個 App</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="89"/>
        <source>Who&apos;s online</source>
        <translation>在線上的 App</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="89"/>
        <source>Only processes under your account. Scroll sideways for more.</source>
        <translation>僅限你帳號下的程序。橫向捲動可查看更多。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="137"/>
        <source>Each dot is an app that is online. Bigger dots have more traffic right now. Dots closer to the center have more total traffic. Click one for details. Per-app figures count TCP only, and leave out traffic within this computer.</source>
        <translation>每個圓點代表一個在線上的 App。圓點越大，目前流量越多；越靠近中心，總流量越多。按一下可查看詳細資訊。各 App 的數據只計算 TCP，且不含本機內部的流量。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="140"/>
        <source>Per-app traffic isn&apos;t available (the system&apos;s socket statistics can&apos;t be read), so only whole-computer upload and download are shown.</source>
        <translation>無法取得各 App 的流量（無法讀取系統的通訊端統計資料），因此只顯示整部電腦的上傳與下載。</translation>
    </message>
</context>
<context>
    <name>qel::NoTameRules</name>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="18"/>
        <source>When not in front</source>
        <translation>不在前景時</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="20"/>
        <source>No rules yet. In the details of any process, you can set its app to slow down or pause when it is not in front.</source>
        <translation>還沒有規則。在任一程序的詳細資訊中，可以設定其 App 在不在前景時降速或暫停。</translation>
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
        <translation>重播 60 秒</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="171"/>
        <source>What just happened: replay the last 60 seconds (Ctrl+Alt+E)</source>
        <translation>剛才發生了什麼：重播最近 60 秒（Ctrl+Alt+E）</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="184"/>
        <source>View summary</source>
        <translation>檢視摘要</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="260"/>
        <source>This moment is inside “%@”.</source>
        <translation>此刻位於「%@」之內。</translation>
    </message>
</context>
<context>
    <name>qel::PanelBatteryCell</name>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="51"/>
        <source>Battery %@%</source>
        <translation>電池 %@%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="54"/>
        <source>%@ battery low</source>
        <translation>%@ 電量不足</translation>
    </message>
</context>
<context>
    <name>qel::PanelProcRow</name>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="63"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="115"/>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="62"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="119"/>
        <source>End</source>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>qel::PanelToggle</name>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="30"/>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>On</source>
        <translation>開</translation>
    </message>
</context>
<context>
    <name>qel::PortEndButton</name>
    <message>
        <location filename="../../Pages/Network/PortEndButton.cpp" line="16"/>
        <source>End</source>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>qel::PortHints</name>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="9"/>
        <source>SSH remote login</source>
        <translation>SSH 遠端登入</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="10"/>
        <source>Web server</source>
        <translation>Web 伺服器</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="11"/>
        <source>Web server (HTTPS)</source>
        <translation>Web 伺服器（HTTPS）</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="12"/>
        <source>SQL Server database</source>
        <translation>SQL Server 資料庫</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="13"/>
        <location filename="../../Samplers/PortHints.cpp" line="16"/>
        <location filename="../../Samplers/PortHints.cpp" line="22"/>
        <location filename="../../Samplers/PortHints.cpp" line="25"/>
        <source>Common dev server port</source>
        <translation>常見開發伺服器連接埠</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="14"/>
        <source>MySQL database</source>
        <translation>MySQL 資料庫</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="15"/>
        <source>Angular dev server</source>
        <translation>Angular 開發伺服器</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="17"/>
        <source>Vite dev server</source>
        <translation>Vite 開發伺服器</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="18"/>
        <source>PostgreSQL database</source>
        <translation>PostgreSQL 資料庫</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="19"/>
        <source>Screen sharing (VNC)</source>
        <translation>螢幕共享（VNC）</translation>
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
        <translation>常見 Web 服務連接埠</translation>
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
        <translation>MongoDB 資料庫</translation>
    </message>
</context>
<context>
    <name>qel::PortRow</name>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="80"/>
        <source>End %@, which is using port %@</source>
        <translation>終止正在使用連接埠 %2$@ 的 %1$@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="88"/>
        <source>Listening on all network interfaces: other devices on the same network can connect to this port.</source>
        <translation>在所有網路介面上監聽：同一網路中的其他裝置可以連線到此連接埠。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="90"/>
        <source>Listening on 127.0.0.1 only: only this computer can connect.</source>
        <translation>僅在 127.0.0.1 上監聽：只有這部電腦可以連線。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>Open to LAN</source>
        <translation>對區域網路開放</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>This computer only</source>
        <translation>僅限這部電腦</translation>
    </message>
</context>
<context>
    <name>qel::PortsPanel</name>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="57"/>
        <source>Listening ports</source>
        <translation>監聽連接埠</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="63"/>
        <source>Port or process</source>
        <translation>連接埠或程序</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="38"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>僅限你帳號下程序的連接埠。查看系統服務使用的連接埠需要管理員權限。</translation>
    </message>
</context>
<context>
    <name>qel::PosterPreview</name>
    <message>
        <location filename="../../Sheets/Export/PosterPreview.cpp" line="15"/>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
</context>
<context>
    <name>qel::ProcessDetail</name>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Profile</source>
        <translation>概況</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="355"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="201"/>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="202"/>
        <source>Memory</source>
        <translation>記憶體</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="204"/>
        <source>Disk I/O</source>
        <translation>磁碟 I/O</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="205"/>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="209"/>
        <source>CPU, since this panel opened</source>
        <translation>CPU，自開啟此面板以來</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="232"/>
        <source>This is a system process: a kernel thread or a service run by another user, such as root. Ending it could freeze or restart the system, so Qel doesn&apos;t offer to end it. High usage usually drops back within a few minutes.</source>
        <translation>這是系統程序：核心執行緒，或由其他使用者（例如 root）執行的服務。終止它可能導致系統當機或重新開機，因此 Qel 不提供終止選項。高用量通常幾分鐘內就會回落。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="240"/>
        <source>Quitting closes %@. Unsaved changes may be lost.</source>
        <translation>結束將關閉 %@。未儲存的變更可能會遺失。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="244"/>
        <source>End %@</source>
        <translation>終止 %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="246"/>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>Force Quit</source>
        <translation>強制結束</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="256"/>
        <source>Force quit %@?</source>
        <translation>要強制結束 %@ 嗎？</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>It stops at once, without a chance to save. Unsaved changes are lost.</source>
        <translation>它會立即停止，沒有機會儲存。未儲存的變更將會遺失。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="346"/>
        <source>This process has ended</source>
        <translation>此程序已結束</translation>
    </message>
</context>
<context>
    <name>qel::ProcessNoteView</name>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="34"/>
        <source>What is this</source>
        <translation>這是什麼</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="44"/>
        <source>Look up this process online</source>
        <translation>在網路上查詢此程序</translation>
    </message>
</context>
<context>
    <name>qel::ProcessTable</name>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="92"/>
        <source>Running</source>
        <translation>執行中</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By CPU</source>
        <translation>依 CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By memory</source>
        <translation>依記憶體</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="100"/>
        <source>Search processes</source>
        <translation>搜尋程序</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ProcessTable.cpp" line="46"/>
        <source>%n processes, %@ of them yours</source>
        <translation>
            <numerusform>%n 個，其中 %@ 個是你的</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="206"/>
        <source>Reading processes…</source>
        <translation>正在讀取程序…</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="207"/>
        <source>No process has “%@” in its name. Try another word, or clear the search field.</source>
        <translation>沒有名稱包含「%@」的程序。請換個字詞，或清除搜尋欄位。</translation>
    </message>
</context>
<context>
    <name>qel::ProfileView</name>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>Not enough history yet</source>
        <translation>歷史記錄還不夠</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>The profile fills in after Qel has seen this app on two different days.</source>
        <translation>Qel 在兩個不同的日子看到此 App 後，就會產生概況。</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="77"/>
        <source>Memory, last 30 days</source>
        <translation>記憶體，最近 30 天</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="80"/>
        <source>Dashed line: updated to %@</source>
        <translation>虛線：更新至 %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="98"/>
        <source>When it is most active</source>
        <translation>最活躍的時段</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="116"/>
        <source>CPU while running, average</source>
        <translation>執行時 CPU，平均</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="117"/>
        <source>Memory, average</source>
        <translation>記憶體，平均</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="118"/>
        <source>Share of all apps&apos; energy</source>
        <translation>佔所有 App 能耗的比例</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="119"/>
        <source>Days it ran</source>
        <translation>執行天數</translation>
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
        <translation>現在</translation>
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
        <translation>後一天</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="41"/>
        <source>Export this day as an image</source>
        <translation>將這一天輸出為影像</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="71"/>
        <location filename="../../Window/Overview/RingControls.cpp" line="72"/>
        <source>Back to now</source>
        <translation>回到現在</translation>
    </message>
</context>
<context>
    <name>qel::RuleRow</name>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Below</source>
        <translation>低於</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Above</source>
        <translation>高於</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="95"/>
        <source>%@ threshold</source>
        <translation>臨界值 %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="107"/>
        <source>for</source>
        <translation>持續</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="109"/>
        <source>Duration</source>
        <translation>持續時間</translation>
    </message>
</context>
<context>
    <name>qel::Rules</name>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>整部電腦</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>CPU busy for a long time</source>
        <translation>CPU 長時間忙碌</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>Overall usage stays above the threshold for a while</source>
        <translation>整體使用率持續高於臨界值一段時間</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>High memory pressure</source>
        <translation>記憶體壓力高</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>The system is compressing memory heavily or using swap</source>
        <translation>系統正在大量壓縮記憶體或使用置換空間</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Low disk space</source>
        <translation>磁碟空間不足</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Free space on the system disk falls below the threshold</source>
        <translation>系統磁碟的可用空間低於臨界值</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Temperature and battery</source>
        <translation>溫度與電池</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>Computer overheating</source>
        <translation>電腦過熱</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>The thermal state becomes Hot or Overheating</source>
        <translation>熱狀態變為「熱」或「過熱」</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Low battery</source>
        <translation>電量不足</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Only checked on battery power</source>
        <translation>僅在使用電池時檢查</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>Single process</source>
        <translation>單一程序</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>A process hogs the CPU for a long time</source>
        <translation>某個程序長時間占用 CPU</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>One process stays above the threshold for a while</source>
        <translation>某個程序持續高於臨界值一段時間</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="121"/>
        <source>Changes apply immediately and are saved automatically.</source>
        <translation>變更會立即生效並自動儲存。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="138"/>
        <source>General</source>
        <translation>一般</translation>
    </message>
</context>
<context>
    <name>qel::SleepBatteryChart</name>
    <message>
        <location filename="../../Sheets/Reports/SleepBatteryChart.cpp" line="64"/>
        <source>Battery level while asleep</source>
        <translation>睡眠期間的電量</translation>
    </message>
</context>
<context>
    <name>qel::SleepLine</name>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>檢視睡眠報告</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="57"/>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="68"/>
        <source>View</source>
        <translation>檢視</translation>
    </message>
</context>
<context>
    <name>qel::SleepNote</name>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>檢視睡眠報告</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="62"/>
        <source>%@  %@</source>
        <translation>%@  %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="68"/>
        <source>Asleep from %@ to %@</source>
        <translation>從 %@ 到 %@ 處於睡眠</translation>
    </message>
</context>
<context>
    <name>qel::SleepReport</name>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="33"/>
        <source>A sleep this long usually uses about %@%. This one used %@%.</source>
        <translation>這麼長的睡眠通常消耗約 %@% 電量，這次消耗了 %@%。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="57"/>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="58"/>
        <source>Preventing sleep when the lid closed: %@</source>
        <translation>闔上螢幕時防止睡眠：%@</translation>
    </message>
</context>
<context>
    <name>qel::SleepRowButton</name>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="42"/>
        <source>View sleep report</source>
        <translation>檢視睡眠報告</translation>
    </message>
</context>
<context>
    <name>qel::SleepSheet</name>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="70"/>
        <source>Sleep report</source>
        <translation>睡眠報告</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="71"/>
        <source>Linux logs when the computer slept and woke, but not which app asked it to wake.</source>
        <translation>Linux 會記錄電腦何時睡眠與喚醒，但不會記錄是哪個 App 要求喚醒。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="89"/>
        <source>Asleep from %@ to %@</source>
        <translation>從 %@ 到 %@ 處於睡眠</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="101"/>
        <source>Time asleep</source>
        <translation>睡眠時間</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="102"/>
        <source>Battery used</source>
        <translation>電池消耗</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="103"/>
        <source>Wakes</source>
        <translation>喚醒次數</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="133"/>
        <source>What woke it</source>
        <translation>喚醒原因</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="136"/>
        <source>Linux does not log dark wakes, so no wakes are listed for this sleep.</source>
        <translation>Linux 不記錄暗喚醒，因此這次睡眠沒有列出喚醒。</translation>
    </message>
</context>
<context>
    <name>qel::StarMapView</name>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="46"/>
        <source>Network star map</source>
        <translation>網路星圖</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/StarMapView.cpp" line="48"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="55"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>%n 個 App 在線上</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="126"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="140"/>
        <source>This computer</source>
        <translation>這部電腦</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="160"/>
        <source>None of your apps has a TCP connection right now</source>
        <translation>目前你的 App 都沒有 TCP 連線</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="161"/>
        <source>Per-app traffic unavailable</source>
        <translation>無法取得各 App 流量</translation>
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
        <translation>%@，每日平均</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="138"/>
        <source>Now</source>
        <translation>現在</translation>
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
        <translation>無法清除歷史記錄</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="182"/>
        <source>History erased</source>
        <translation>已清除歷史記錄</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="183"/>
        <source>History erased, but traces of it may remain in the file: %@</source>
        <translation>已清除歷史記錄，但檔案中可能仍留有痕跡：%@</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="20"/>
        <source>CPU averaged %@ over these 10 minutes and peaked at %@.</source>
        <translation>這 10 分鐘內 CPU 平均 %@，峰值 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="23"/>
        <source> The top process at the time was %@ (%@%).</source>
        <translation> 當時用量最高的程序是 %@（%@%）。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="24"/>
        <source>CPU busy</source>
        <translation>CPU 忙碌</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="28"/>
        <source>Memory is tight</source>
        <translation>記憶體吃緊</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="29"/>
        <source>Memory pressure averaged %@% over these 10 minutes, with %@ in use.</source>
        <translation>這 10 分鐘內記憶體壓力平均為 %@%，已使用 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="62"/>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="63"/>
        <source>Warm</source>
        <translation>溫熱</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="64"/>
        <source>Hot</source>
        <translation>熱</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="65"/>
        <source>Overheating</source>
        <translation>過熱</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="67"/>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="73"/>
        <source>a process</source>
        <translation>一個程序</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>CPU is very busy</source>
        <translation>CPU 非常忙碌</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>%@ is using %@%. The fans may spin up.</source>
        <translation>%@ 正在使用 %@%。風扇可能會加速。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="78"/>
        <source>Computer is running hot</source>
        <translation>電腦溫度偏高</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="79"/>
        <source>The system is already slowing down to cool off. Stop the most power-hungry app first.</source>
        <translation>系統已在降速散熱。請先停止最耗電的 App。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="81"/>
        <source>Memory is getting tight</source>
        <translation>記憶體逐漸吃緊</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="82"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using will help.</source>
        <translation>系統正在壓縮記憶體。結束不用的 App 會有幫助。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>A bit busy</source>
        <translation>有點忙</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>Mostly %@, at %@% CPU</source>
        <translation>主要是 %@，CPU %@%</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="85"/>
        <source>Busier than usual</source>
        <translation>比平常更忙</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="86"/>
        <source>CPU usage over these 10 minutes is %@× the usual for this time of day, mostly from %@.</source>
        <translation>這 10 分鐘的 CPU 使用率是此時段平常的 %@ 倍，主要來自 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="89"/>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>All calm</source>
        <translation>一切平靜</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/DayStatus.cpp" line="90"/>
        <source>Qel noticed %n things today. Click a dot outside the ring to see what happened.</source>
        <translation>
            <numerusform>Qel 今天注意到 %n 件事。按一下圓環外側的圓點查看發生了什麼。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>Drag the ring on the left to look back at the load at any time today.</source>
        <translation>拖移左側圓環，即可回顧今天任何時刻的負載。</translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="62"/>
        <source>Asked %@ to quit</source>
        <translation>已要求 %@ 結束</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MemoryAdvice.cpp" line="64"/>
        <source>Asked %n apps to quit</source>
        <translation>
            <numerusform>已要求 %n 個 App 結束</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="66"/>
        <source>These apps didn&apos;t respond to the quit request</source>
        <translation>這些 App 沒有回應結束要求</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="39"/>
        <source>Background priority restored</source>
        <translation>已恢復背景優先順序</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="43"/>
        <location filename="../../Store/Taming.cpp" line="147"/>
        <source>Couldn&apos;t restore the priority of %@</source>
        <translation>無法恢復 %@ 的優先順序</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="53"/>
        <source>Background work is now throttled</source>
        <translation>背景工作已節流</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="71"/>
        <source>Normal sleep restored</source>
        <translation>已恢復正常睡眠</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="75"/>
        <source>Qel Keep Awake</source>
        <translation>Qel 保持喚醒</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="77"/>
        <source>Couldn&apos;t prevent sleep. The system refused the request.</source>
        <translation>無法防止睡眠。系統拒絕了要求。</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="82"/>
        <source>Won&apos;t sleep when idle for the next 2 hours</source>
        <translation>接下來 2 小時內閒置時不睡眠</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="88"/>
        <source>Alerts resumed</source>
        <translation>警示已恢復</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="90"/>
        <source>Alerts paused for 1 hour</source>
        <translation>警示已暫停 1 小時</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="98"/>
        <source>Until %@</source>
        <translation>直到 %@</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="99"/>
        <source>No idle sleep for 2 h</source>
        <translation>2 小時內不閒置睡眠</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="103"/>
        <source>Resumes at %@</source>
        <translation>將於 %@ 恢復</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="104"/>
        <source>%n on</source>
        <translation>
            <numerusform>已開啟 %n 項</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="109"/>
        <source>%n throttled</source>
        <translation>
            <numerusform>已節流 %n 個</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="108"/>
        <source>Throttle heavy work</source>
        <translation>節流繁重工作</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="110"/>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="118"/>
        <source>Mem </source>
        <translation>記憶體 </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="187"/>
        <source>Quiet mode and taming are idle: this desktop doesn&apos;t tell which app is in front.</source>
        <translation>安靜模式與 App 控管未生效：此桌面不提供哪個 App 在前景的資訊。</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="192"/>
        <location filename="../../Store/Tick.cpp" line="111"/>
        <source>Process %@</source>
        <translation>程序 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Force-quit %@</source>
        <translation>強制結束 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Ended %@</source>
        <translation>已終止 %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Force-quit %n processes</source>
        <translation>
            <numerusform>已強制結束 %n 個程序</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Ended %n processes</source>
        <translation>
            <numerusform>已終止 %n 個程序</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t force-quit %@</source>
        <translation>無法強制結束 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t end %@</source>
        <translation>無法終止 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="60"/>
        <source>Alerted once today at %@</source>
        <translation>今天已在 %@ 警示過一次</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="75"/>
        <source>an unknown process</source>
        <translation>不明程序</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="76"/>
        <source>CPU usage is %@. The top process is %@.</source>
        <translation>CPU 使用率為 %@。用量最高的程序是 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="79"/>
        <source>Memory pressure is %@%. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>記憶體壓力為 %@%。結束不用的 App 可以讓切換更流暢。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="83"/>
        <source>Only %@ left on the system disk.</source>
        <translation>系統磁碟只剩 %@。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="86"/>
        <source>The system is slowing down to cool off. Stop the most power-hungry app, or give the computer some airflow.</source>
        <translation>系統正在降速散熱。請停止最耗電的 App，或讓電腦保持通風。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="91"/>
        <source>Battery at %@%. Remember to plug in.</source>
        <translation>電量 %@%。記得接上電源。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="94"/>
        <source>%@ is using %@% CPU.</source>
        <translation>%@ 正在使用 %@% CPU。</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="110"/>
        <source>Qel alert</source>
        <translation>Qel 警示</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="97"/>
        <source>Saving the day before sleep</source>
        <translation>睡眠前儲存當天資料</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="240"/>
        <source>Slept %@</source>
        <translation>睡眠 %@</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="242"/>
        <source>battery −%@%</source>
        <translation>電量 −%@%</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="243"/>
        <source>wakes: %@</source>
        <translation>喚醒：%@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="65"/>
        <source>The settings file could not be read. It was kept as %@ and the settings start from their defaults.</source>
        <translation>無法讀取設定檔。已將其保留為 %@，設定恢復為預設值。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="68"/>
        <source>The settings file %@ can&apos;t be read (%@). The settings start from their defaults and changes are not saved, so the file stays as it is.</source>
        <translation>無法讀取設定檔 %@（%@）。設定從預設值開始，變更不會儲存，檔案保持原樣。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="42"/>
        <source>The settings could not be saved: %@ would grow past 1 MB, more than Qel reads back. The changes hold until Qel quits.</source>
        <translation>無法儲存設定：%@ 將超過 1 MB，超出 Qel 能讀回的大小。變更在結束 Qel 前有效。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="297"/>
        <source>The history file could not be used. It was kept as %@ and a new one started.</source>
        <translation>無法使用歷史檔案。已將其保留為 %@，並建立新檔案。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="301"/>
        <source>History is not saved this run: the history file is from a newer version of Qel and is left as it is.</source>
        <translation>本次執行不儲存歷史記錄：歷史檔案來自較新版本的 Qel，因此保持原狀。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="304"/>
        <source>History can&apos;t be saved: %@</source>
        <translation>無法儲存歷史記錄：%@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="307"/>
        <source>History can&apos;t be saved for now: %@. Qel keeps it and saves it once the disk has room again.</source>
        <translation>暫時無法儲存歷史記錄：%@。Qel 會保留這些記錄，待磁碟重新有空間後再儲存。</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="312"/>
        <source>History could not be saved: %@</source>
        <translation>無法儲存歷史記錄：%@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="315"/>
        <source>History could not be read: %@</source>
        <translation>無法讀取歷史記錄：%@</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="19"/>
        <source>Marking started. Click End when you&apos;re done.</source>
        <translation>已開始標記。完成後按一下「結束」。</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="38"/>
        <source>Marked at %@</source>
        <translation>標記於 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="84"/>
        <source>Mark deleted</source>
        <translation>已刪除標記</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="196"/>
        <source>Removed the rule for %@, but it stays slowed until it restarts</source>
        <translation>已移除 %@ 的規則，但在重新啟動之前它會一直保持降速</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="197"/>
        <source>Removed the rule for %@</source>
        <translation>已移除 %@ 的規則</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="207"/>
        <source>%@ will slow down when it&apos;s not in front</source>
        <translation>%@ 不在前景時將降速</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="208"/>
        <source>%@ will pause when it&apos;s not in front</source>
        <translation>%@ 不在前景時將暫停</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="44"/>
        <source>The thin line is the usual CPU load at this time of day (from the last %n days)</source>
        <translation>
            <numerusform>細線表示此時段平常的 CPU 負載（依最近 %n 天）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="45"/>
        <source>After %n more days of history, the ring will show a reference line for your usual load</source>
        <translation>
            <numerusform>再累積 %n 天歷史記錄後，圓環將顯示你平常負載的參考線</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::StretchButton</name>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="54"/>
        <source>Mark a stretch</source>
        <translation>標記時段</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="55"/>
        <source>End</source>
        <translation>結束</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="56"/>
        <source>End this stretch and see its summary</source>
        <translation>結束此時段並查看摘要</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="57"/>
        <source>Mark a stretch of time: Qel sums up what happened between start and end</source>
        <translation>標記一段時間：Qel 會彙整開始到結束之間發生的事</translation>
    </message>
</context>
<context>
    <name>qel::StretchSheet</name>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="66"/>
        <source>Marks stay on the outside of the ring so you can look back.</source>
        <translation>標記會保留在圓環外側，方便回顧。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="87"/>
        <source>Name this stretch</source>
        <translation>為此時段命名</translation>
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
        <translation>已用電能</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="111"/>
        <source>CPU usage during this stretch</source>
        <translation>這段時間的 CPU 使用率</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="120"/>
        <source>Who used the most</source>
        <translation>誰用得最多</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="135"/>
        <source>Other marks that day</source>
        <translation>當天的其他標記</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="157"/>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>Delete this mark</source>
        <translation>刪除此標記</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="160"/>
        <source>Delete this mark?</source>
        <translation>要刪除此標記嗎？</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>This can&apos;t be undone.</source>
        <translation>此動作無法復原。</translation>
    </message>
</context>
<context>
    <name>qel::TameControl</name>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="70"/>
        <source>When not in front</source>
        <translation>不在前景時</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Leave alone</source>
        <translation>不處理</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Slow down</source>
        <translation>降速</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Pause</source>
        <translation>暫停</translation>
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
        <translation>不在前景時</translation>
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
        <translation>剛才發生了什麼：重播最近 60 秒（Ctrl+Alt+E）</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="20"/>
        <source>What just happened</source>
        <translation>剛才發生了什麼</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="21"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>qel::UpdateNotices</name>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="49"/>
        <source>Update to %@</source>
        <translation>更新至 %@</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="50"/>
        <source>A new version of Qel is ready. Click to open its download page.</source>
        <translation>Qel 有新版本可用。按一下即可開啟下載頁面。</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="52"/>
        <source>What&apos;s new</source>
        <translation>新功能</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="53"/>
        <source>Qel was updated. See what changed.</source>
        <translation>Qel 已更新。看看有哪些變化。</translation>
    </message>
</context>
<context>
    <name>qel::Updater</name>
    <message>
        <location filename="../../Updates/Updater.cpp" line="137"/>
        <source>The download page could not be opened: %@</source>
        <translation>無法開啟下載頁面：%@</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="193"/>
        <source>Qel could not reach the update feed.</source>
        <translation>Qel 無法連線到更新來源。</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="192"/>
        <location filename="../../Updates/Updater.cpp" line="195"/>
        <source>The update feed could not be read.</source>
        <translation>無法讀取更新來源。</translation>
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
        <translation>定期背景維護</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="44"/>
        <source>Woken by the network</source>
        <translation>由網路喚醒</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="45"/>
        <source>Woken by a USB or Bluetooth device</source>
        <translation>由 USB 或藍牙裝置喚醒</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="46"/>
        <source>Power adapter plugged in or unplugged</source>
        <translation>插上或拔除了電源轉接器</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="47"/>
        <source>Lid opened or a key pressed</source>
        <translation>打開螢幕或按下按鍵</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="50"/>
        <source>Woken by the system</source>
        <translation>由系統喚醒</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="56"/>
        <source>A timer set to wake the computer (an RTC alarm, such as a systemd timer with WakeSystem=true) woke it for a moment. “systemctl list-timers” lists the timers; turning off the one that wakes it stops this.</source>
        <translation>一個設定為喚醒電腦的計時器（RTC 鬧鐘，例如設定了 WakeSystem=true 的 systemd 計時器）短暫喚醒了電腦。「systemctl list-timers」可列出計時器，關閉喚醒電腦的那一個即可避免。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="60"/>
        <source>Something on the network kept waking the computer (wake-on-LAN or wake-on-WLAN). Turning wake-on-LAN off for the network card, with “ethtool -s &lt;interface&gt; wol d” or in the firmware settings, stops this.</source>
        <translation>網路上的某些東西不斷喚醒電腦（網路喚醒或無線網路喚醒）。使用「ethtool -s &lt;interface&gt; wol d」或在韌體設定中關閉網路卡的網路喚醒，即可避免。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="64"/>
        <source>A connected USB or Bluetooth device woke the computer. Unplugging it, or turning the device off overnight, stops this.</source>
        <translation>一個已連接的 USB 或藍牙裝置喚醒了電腦。拔除它，或在夜間關閉該裝置，即可避免。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="67"/>
        <source>Plugging in or unplugging the power adapter wakes the computer for a moment. That is normal.</source>
        <translation>插上或拔除電源轉接器會短暫喚醒電腦。這是正常的。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="69"/>
        <source>Opening the lid or pressing a key wakes the computer. That is normal.</source>
        <translation>打開螢幕或按下按鍵會喚醒電腦。這是正常的。</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="72"/>
        <source>These wakes came from the firmware or the kernel. The kernel log (“journalctl -k”) and /proc/acpi/wakeup tell which device may be waking the computer.</source>
        <translation>這些喚醒來自韌體或核心。核心記錄（「journalctl -k」）與 /proc/acpi/wakeup 可以看出可能是哪個裝置在喚醒電腦。</translation>
    </message>
</context>
<context>
    <name>qel::WakeRow</name>
    <message>
        <location filename="../../Pages/Energy/WakeRow.cpp" line="57"/>
        <source>Details</source>
        <translation>詳細資訊</translation>
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
        <translation>剛剛</translation>
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
        <translation>剛剛使用過</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="27"/>
        <source>unused for %@ min</source>
        <translation>%@ 分鐘未使用</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="28"/>
        <source>unused for %@ h</source>
        <translation>%@ 小時未使用</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="31"/>
        <source>not used since Qel started</source>
        <translation>自 Qel 啟動以來未使用</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="32"/>
        <source>unused for at least %@ min</source>
        <translation>至少 %@ 分鐘未使用</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="33"/>
        <source>unused for at least %@ h</source>
        <translation>至少 %@ 小時未使用</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="83"/>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="84"/>
        <source>Logo</source>
        <translation>標誌</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="85"/>
        <source>Load ring</source>
        <translation>負載圓環</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="86"/>
        <source>Bars</source>
        <translation>長條</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="87"/>
        <source>Gauge</source>
        <translation>儀表</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="88"/>
        <source>Line</source>
        <translation>折線</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="89"/>
        <source>Dot</source>
        <translation>圓點</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="90"/>
        <source>Cat</source>
        <translation>貓</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="91"/>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="92"/>
        <source>Slime</source>
        <translation>史萊姆</translation>
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
        <translation>牛頓擺</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="96"/>
        <source>Engine</source>
        <translation>引擎</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="97"/>
        <source>Mochi</source>
        <translation>麻糬</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="104"/>
        <source>The Qel logo, turning into the load ring when the CPU is busy</source>
        <translation>Qel 標誌，CPU 忙碌時變為負載圓環</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="105"/>
        <source>Always the Qel logo</source>
        <translation>永遠顯示 Qel 標誌</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="106"/>
        <source>CPU usage over the last 20 seconds, as a ring</source>
        <translation>最近 20 秒的 CPU 使用率，以圓環顯示</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="107"/>
        <source>CPU usage over the last 9 seconds, as bars</source>
        <translation>最近 9 秒的 CPU 使用率，以長條顯示</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="108"/>
        <source>An arc that fills up to the current CPU usage</source>
        <translation>填滿至目前 CPU 使用率的圓弧</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="109"/>
        <source>CPU usage over the last 20 seconds, as a line</source>
        <translation>最近 20 秒的 CPU 使用率，以折線顯示</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="110"/>
        <source>A dot that grows as the CPU gets busier</source>
        <translation>CPU 越忙變得越大的圓點</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="111"/>
        <source>A running cat that speeds up as the CPU gets busier</source>
        <translation>CPU 越忙跑得越快的貓</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="112"/>
        <source>A running dog that speeds up as the CPU gets busier</source>
        <translation>CPU 越忙跑得越快的狗</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="113"/>
        <source>A slime that stretches faster as the CPU gets busier</source>
        <translation>CPU 越忙伸縮越快的史萊姆</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="114"/>
        <source>A drop that ripples faster as the CPU gets busier</source>
        <translation>CPU 越忙漣漪越快的水滴</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="115"/>
        <source>A cup of coffee that steams faster as the CPU gets busier</source>
        <translation>CPU 越忙冒煙越快的咖啡</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="116"/>
        <source>A Newton&apos;s cradle that swings faster as the CPU gets busier</source>
        <translation>CPU 越忙擺得越快的牛頓擺</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="117"/>
        <source>An engine that runs faster as the CPU gets busier</source>
        <translation>CPU 越忙轉得越快的引擎</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="118"/>
        <source>A mochi being pounded faster as the CPU gets busier</source>
        <translation>CPU 越忙搗得越快的麻糬</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="17"/>
        <source>Nothing unusual in the last 60 seconds</source>
        <translation>最近 60 秒內沒有異常</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="21"/>
        <source>Pressure %@%</source>
        <translation>壓力 %@%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="31"/>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="35"/>
        <source>This computer has no battery</source>
        <translation>這部電腦沒有電池</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="36"/>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="38"/>
        <source>On AC power</source>
        <translation>使用 AC 電源</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="37"/>
        <source>about %@ left</source>
        <translation>約剩 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="38"/>
        <source>On battery</source>
        <translation>使用電池</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="44"/>
        <source>Just booted</source>
        <translation>剛開機</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="45"/>
        <source>Up %@ h</source>
        <translation>已開機 %@ 小時</translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="46"/>
        <source>Up %n days</source>
        <translation>
            <numerusform>已開機 %n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="57"/>
        <source>%n things worth a look. Click a dot.</source>
        <translation>
            <numerusform>有 %n 件事值得一看。按一下圓點查看。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="56"/>
        <source>Nothing worth a look yet</source>
        <translation>暫無值得一看的事</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="90"/>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="91"/>
        <source>%@ battery low</source>
        <translation>%@ 電量不足</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="37"/>
        <source>Load average %.2f</source>
        <translation>平均負載 %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="38"/>
        <source>%@, %@ is using the most</source>
        <translation>%@，用量最多的是 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="39"/>
        <source>%@, %@</source>
        <translation>%@，%@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="89"/>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>Internal</source>
        <translation>內建</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>External</source>
        <translation>外接</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="54"/>
        <source>Whole-computer power, measured by the battery.</source>
        <translation>整部電腦的功率，由電池測得。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="55"/>
        <source>Measured energy isn&apos;t available. This is estimated from CPU usage.</source>
        <translation>無法取得實測能耗。此數值依 CPU 使用率估算。</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="61"/>
        <source>Process %@</source>
        <translation>程序 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="67"/>
        <source>Unavailable</source>
        <translation>無法使用</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="40"/>
        <source>GPU usage isn&apos;t available on this computer. It can be read from AMD graphics and from NVIDIA&apos;s driver.</source>
        <translation>這部電腦無法取得 GPU 使用率。可從 AMD 顯示卡與 NVIDIA 驅動程式讀取。</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="43"/>
        <source>The GPU is close to full load. That&apos;s normal while rendering, exporting video or gaming.</source>
        <translation>GPU 接近滿載。算繪、輸出影片或玩遊戲時這很正常。</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="44"/>
        <source>The GPU is working, with headroom left.</source>
        <translation>GPU 正在運作，仍有餘裕。</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="45"/>
        <source>The GPU is mostly idle.</source>
        <translation>GPU 大部分時間閒置。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="36"/>
        <source>Memory has run short. Quit the apps using the most first.</source>
        <translation>記憶體不足。請先結束用量最多的 App。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="38"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>系統正在壓縮記憶體。結束不用的 App 可以讓切換更流暢。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="39"/>
        <source>There&apos;s enough memory. Nothing to do.</source>
        <translation>記憶體充足，無需處理。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="48"/>
        <source>Quitting these apps you aren&apos;t using frees the most memory.</source>
        <translation>結束這些你沒在使用的 App，可以釋放最多記憶體。</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="49"/>
        <source>No background apps worth quitting. Most memory is used by the app you&apos;re using, or by the system.</source>
        <translation>沒有值得結束的背景 App。大部分記憶體由你正在使用的 App 或系統占用。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="56"/>
        <source>Quit these %n and free about %@</source>
        <translation>
            <numerusform>結束這 %n，釋放約 %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="49"/>
        <source>%n ports, %@ open to the local network</source>
        <translation>
            <numerusform>%n 個連接埠，其中 %@ 個對區域網路開放</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="50"/>
        <source>%n ports</source>
        <translation>
            <numerusform>%n 個連接埠</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="55"/>
        <source>Reading listening ports…</source>
        <translation>正在讀取監聽連接埠…</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="56"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>無法執行系統的 lsof 指令，因此無法讀取監聽連接埠。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="58"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>目前你帳號下沒有程序在監聽連接埠。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="60"/>
        <source>No process under your account is listening on port %@. A system service may still be using it.</source>
        <translation>你帳號下沒有程序在監聽連接埠 %@。系統服務可能仍在使用它。</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="62"/>
        <source>No listening process has “%@” in its name.</source>
        <translation>沒有名稱包含「%@」的監聽程序。</translation>
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
        <translation>還不夠忙碌，看不出規律。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="30"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It recovers as soon as you switch back.</source>
        <translation>切換到其他 App 後，%@ 的所有程序都會降為背景優先順序。切換回來後立即恢復。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="33"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It can&apos;t be raised again until %@ restarts.</source>
        <translation>切換到其他 App 後，%@ 的所有程序都會降為背景優先順序。在 %@ 重新啟動之前無法恢復。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="36"/>
        <source> %n processes are slowed right now.</source>
        <translation>
            <numerusform> 目前有 %n 個程序已降速。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="43"/>
        <source> %n processes are paused right now.</source>
        <translation>
            <numerusform> 目前有 %n 個程序已暫停。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="49"/>
        <source> %@ stays slowed until it restarts.</source>
        <translation> %@ 在重新啟動之前會一直保持降速。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="50"/>
        <source> Slowing it down can&apos;t be undone until %@ restarts.</source>
        <translation> 降速後在 %@ 重新啟動之前無法復原。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="40"/>
        <source>After you switch to another app, %@ pauses completely and uses no CPU. While paused it won&apos;t play sound, download or receive messages. It resumes when you switch back.</source>
        <translation>切換到其他 App 後，%@ 會完全暫停，不占用 CPU。暫停期間它不會播放聲音、下載或接收訊息。切換回來後即恢復。</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="46"/>
        <source>%@ can slow down or pause automatically after you switch to another app. That saves power and keeps the front app smooth.</source>
        <translation>切換到其他 App 後，%@ 可以自動降速或暫停。這樣既省電，也能讓前景 App 保持流暢。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Pauses after you switch away</source>
        <translation>切換離開後暫停</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Slows down after you switch away</source>
        <translation>切換離開後降速</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="30"/>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="31"/>
        <source>Warm</source>
        <translation>溫熱</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="32"/>
        <source>Hot</source>
        <translation>熱</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="33"/>
        <source>Overheating</source>
        <translation>過熱</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="35"/>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="29"/>
        <source>%n alerts on. </source>
        <translation>
            <numerusform>已開啟 %n 項警示。 </numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="30"/>
        <source>Alerts appear in the Qel window and as desktop notifications.</source>
        <translation>警示會顯示在 Qel 視窗中，並以桌面通知的形式出現。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="31"/>
        <source>No notification service is running on this desktop, so alerts only appear in the Qel window.</source>
        <translation>此桌面上沒有執行通知服務，因此警示只會顯示在 Qel 視窗中。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="42"/>
        <source>Deletes every recorded day with its marks and app usage, the recorded sleeps and stretches, and the usual baseline. Settings and rules are kept. This can&apos;t be undone.</source>
        <translation>刪除所有記錄的日期及其標記與 App 使用情況、記錄的睡眠與時段，以及平常基準。設定與規則會保留。此動作無法復原。</translation>
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
        <translation>無法載入授權文字。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="24"/>
        <source>Battery dropped %@% while asleep</source>
        <translation>睡眠期間電量下降了 %@%</translation>
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
        <translation>喚醒時間 %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="22"/>
        <source>That is %@× the usual for this time of day.</source>
        <translation>這是此時段平常的 %@ 倍。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="23"/>
        <source>That is about the usual for this time of day.</source>
        <translation>這與此時段平常大致相同。</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="33"/>
        <source>%@–%@, lasted %@.</source>
        <translation>%@–%@，持續 %@。</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="24"/>
        <source>%@ min</source>
        <translation>%@ 分鐘</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="26"/>
        <source>%@ h</source>
        <translation>%@ 小時</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="27"/>
        <source>%@ h %@ min</source>
        <translation>%@ 小時 %@ 分鐘</translation>
    </message>
    <message>
        <location filename="../../Kit/PageText.cpp" line="22"/>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
    <message>
        <location filename="../../Kit/PageText.cpp" line="25"/>
        <source>Bluetooth devices</source>
        <translation>藍牙裝置</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="9"/>
        <source>%@ keeps using more memory</source>
        <translation>%@ 的記憶體用量持續增加</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="10"/>
        <source>%@ has been busy in the background</source>
        <translation>%@ 一直在背景忙碌</translation>
    </message>
    <message numerus="yes">
        <location filename="../../History/FindingFacts.cpp" line="15"/>
        <source>Over the past %n minutes, the memory of %@ grew from %@ to %@ without dropping, which may be a memory leak. Reopening the app frees it.</source>
        <translation>
            <numerusform>在過去 %n 分鐘內，%@ 的記憶體從 %@ 增加到 %@ 且未曾下降，可能有記憶體流失。重新開啟該 App 即可釋放。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="18"/>
        <source>%@ isn&apos;t in the foreground but has used %@% of the CPU for 3 minutes straight. If you didn&apos;t ask it to work in the background, you can quit it.</source>
        <translation>%@ 不在前景，卻已連續 3 分鐘占用 %@% 的 CPU。如果你沒有讓它在背景工作，可以結束它。</translation>
    </message>
</context>
</TS>
