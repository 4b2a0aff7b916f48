<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>qel</name>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="58"/>
        <source>%n years</source>
        <translation>
            <numerusform>%n년</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="59"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n일</numerusform>
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
        <translation>Ctrl+Alt+E를 다른 프로그램이 사용 중입니다. 대신 데스크톱의 키보드 설정에서 qel --replay 명령을 키에 지정하세요.</translation>
    </message>
    <message>
        <location filename="../../MenuBar/HotKey.cpp" line="136"/>
        <source>This desktop doesn&apos;t let Qel listen for Ctrl+Alt+E. Bind the command qel --replay to a key in your desktop&apos;s keyboard settings instead.</source>
        <translation>이 데스크톱에서는 Qel이 Ctrl+Alt+E를 감지할 수 없습니다. 대신 데스크톱의 키보드 설정에서 qel --replay 명령을 키에 지정하세요.</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Measured</source>
        <translation>측정값</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Process sum</source>
        <translation>프로세스 합계</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="72"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="25"/>
        <source>Compressed</source>
        <translation>압축</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="71"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="26"/>
        <source>Kernel &amp; locked</source>
        <translation>커널 및 고정</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="67"/>
        <source>%@ available</source>
        <translation>%@ 사용 가능</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="71"/>
        <source>%@ used of %@</source>
        <translation>%2$@ 중 %1$@ 사용</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="76"/>
        <source>No battery</source>
        <translation>배터리 없음</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On battery</source>
        <translation>배터리 사용 중</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On AC power</source>
        <translation>전원 연결됨</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="78"/>
        <source>, charging</source>
        <translation>, 충전 중</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="79"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="80"/>
        <source>Unavailable</source>
        <translation>사용할 수 없음</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="83"/>
        <source>Not charging</source>
        <translation>충전 안 함</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="153"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="97"/>
        <source>Process %@</source>
        <translation>프로세스 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="98"/>
        <source>Keeping the display on</source>
        <translation>디스플레이를 켜 두는 중</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="99"/>
        <source>Keeps the computer awake when idle or with the lid closed</source>
        <translation>유휴 상태이거나 덮개를 닫아도 컴퓨터를 깨어 있게 합니다</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="20"/>
        <source>Thermal state: %@</source>
        <translation>발열 상태: %@</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="25"/>
        <source>Battery %@%</source>
        <translation>배터리 %@%</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="26"/>
        <source>, on AC power</source>
        <translation>, 전원 연결됨</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="32"/>
        <source>%@ disk free</source>
        <translation>디스크 여유 %@</translation>
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
        <translation>메모리</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="80"/>
        <location filename="../../Kit/PageTable.cpp" line="46"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="44"/>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="85"/>
        <location filename="../../Kit/PageTable.cpp" line="40"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="45"/>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="53"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="47"/>
        <source>Energy</source>
        <translation>에너지</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="57"/>
        <source>Energy (est.)</source>
        <translation>에너지(추정)</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="67"/>
        <source>Unknown path</source>
        <translation>알 수 없는 경로</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="17"/>
        <source>No profile for this process</source>
        <translation>이 프로세스의 프로필 없음</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="18"/>
        <source>Qel keeps long-term profiles for apps only, not for individual system processes.</source>
        <translation>Qel은 장기 프로필을 앱에 대해서만 보관하며 개별 시스템 프로세스는 보관하지 않습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="19"/>
        <source>Qel keeps long-term profiles for apps only, and this program doesn&apos;t belong to one.</source>
        <translation>Qel은 장기 프로필을 앱에 대해서만 보관하며, 이 프로그램은 어떤 앱에도 속하지 않습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>No notable change</source>
        <translation>눈에 띄는 변화 없음</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>Its usage has stayed within its own usual range.</source>
        <translation>사용량이 평소 범위 안에 머물렀습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="29"/>
        <source>Lighter since the update to %@</source>
        <translation>%@(으)로 업데이트한 후 가벼워짐</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="30"/>
        <source>Since it updated on %@, it uses %@% less memory on average than before.</source>
        <translation>%@에 업데이트한 후 이전보다 평균 %@% 적은 메모리를 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="33"/>
        <source>Heavier since the update to %@</source>
        <translation>%@(으)로 업데이트한 후 무거워짐</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="34"/>
        <source>Since it updated on %@, it uses %@% more memory on average than before.</source>
        <translation>%@에 업데이트한 후 이전보다 평균 %@% 많은 메모리를 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="28"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>시스템 lsof 명령을 실행할 수 없어 수신 대기 포트를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="32"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>지금 포트에서 수신 대기 중인 내 계정 프로세스가 없습니다.</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="39"/>
        <location filename="../../Pages/Network/PortList.cpp" line="68"/>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="45"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>내 계정 프로세스의 포트만 표시합니다. 시스템 서비스가 쓰는 포트를 보려면 관리자 권한이 필요합니다.</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="43"/>
        <source>Processor</source>
        <translation>프로세서</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="44"/>
        <source>Chip</source>
        <translation>칩</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="45"/>
        <location filename="../../App/SampleReport.cpp" line="98"/>
        <source>Cores</source>
        <translation>코어</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="46"/>
        <source>%@ (%@, %@)</source>
        <translation>%@ (%@, %@)</translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="46"/>
        <source>%n logical</source>
        <translation>
            <numerusform>논리 코어 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n performance</source>
        <translation>
            <numerusform>성능 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n efficiency</source>
        <translation>
            <numerusform>효율 %n개</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="49"/>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>Load over one second</source>
        <translation>1초 부하</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="50"/>
        <source>%@ (user %@, system %@)</source>
        <translation>%@ (사용자 %@, 시스템 %@)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="53"/>
        <source>Per core</source>
        <translation>코어별</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>can&apos;t be read here (no processor counters)</source>
        <translation>여기서는 읽을 수 없음 (프로세서 카운터 없음)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="57"/>
        <source>Load average, one minute</source>
        <translation>1분 평균 부하</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="58"/>
        <source>Thermal state</source>
        <translation>발열 상태</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="59"/>
        <source>%@ (no thermal zones here)</source>
        <translation>%@ (이 컴퓨터에는 열 영역 없음)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="66"/>
        <location filename="../../App/SampleReport.cpp" line="69"/>
        <source>Total</source>
        <translation>합계</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="66"/>
        <location filename="../../App/SampleReport.cpp" line="129"/>
        <source>can&apos;t be read here</source>
        <translation>여기서는 읽을 수 없음</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="70"/>
        <source>App</source>
        <translation>앱</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="73"/>
        <source>Pressure</source>
        <translation>압력</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="74"/>
        <source>Swap used</source>
        <translation>스왑 사용량</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>Over one second</source>
        <translation>1초 기준</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <source>down %@, up %@</source>
        <translation>다운로드 %@, 업로드 %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>Addresses</source>
        <translation>주소</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>none on a physical interface</source>
        <translation>물리 인터페이스에는 없음</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="84"/>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>read %@, write %@</source>
        <translation>읽기 %@, 쓰기 %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="90"/>
        <source>Graphics</source>
        <translation>그래픽</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="93"/>
        <location filename="../../App/SampleReport.cpp" line="96"/>
        <source>Use</source>
        <translation>사용량</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="93"/>
        <source>no graphics processor reports its use here</source>
        <translation>사용량을 보고하는 그래픽 프로세서가 없음</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="98"/>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>not reported</source>
        <translation>보고되지 않음</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="103"/>
        <source>Battery and power</source>
        <translation>배터리 및 전원</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="107"/>
        <source>Battery</source>
        <translation>배터리</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="151"/>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>%@, %@</source>
        <translation>%@, %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>charging</source>
        <translation>충전 중</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on AC</source>
        <translation>전원 연결됨</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on battery</source>
        <translation>배터리 사용 중</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <source>Health</source>
        <translation>상태</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <source>Cycles</source>
        <translation>사이클</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <source>Energy left</source>
        <translation>남은 에너지</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <source>Charger rating</source>
        <translation>충전기 정격</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>Power in</source>
        <translation>입력 전력</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>Charging power</source>
        <translation>충전 전력</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>not charging or not reported</source>
        <translation>충전 중이 아니거나 보고되지 않음</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="120"/>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>Power draw</source>
        <translation>소비 전력</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <source>can&apos;t be read here (no battery to measure it)</source>
        <translation>여기서는 읽을 수 없음 (측정할 배터리 없음)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>can&apos;t be read here (measured only while on battery)</source>
        <translation>여기서는 읽을 수 없음 (배터리 사용 중에만 측정)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="127"/>
        <source>Storage</source>
        <translation>저장 공간</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="129"/>
        <location filename="../../App/SampleReport.cpp" line="131"/>
        <source>System disk</source>
        <translation>시스템 디스크</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="131"/>
        <location filename="../../App/SampleReport.cpp" line="139"/>
        <source>%@ total, %@ free</source>
        <translation>총 %@, 여유 %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="134"/>
        <source>Volumes</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="134"/>
        <source>none found</source>
        <translation>찾지 못함</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>internal</source>
        <translation>내장</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>external</source>
        <translation>외장</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="137"/>
        <source>system volume</source>
        <translation>시스템 볼륨</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="138"/>
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="145"/>
        <source>Kept awake by</source>
        <translation>깨어 있게 하는 앱</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="148"/>
        <location filename="../../App/SampleReport.cpp" line="151"/>
        <source>Holders</source>
        <translation>점유 프로그램</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="148"/>
        <source>can&apos;t be read here (logind does not answer on the system bus)</source>
        <translation>여기서는 읽을 수 없음 (logind가 시스템 버스에서 응답하지 않음)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="154"/>
        <source>unnamed</source>
        <translation>이름 없음</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>컴퓨터 전체</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Temperature and battery</source>
        <translation>온도 및 배터리</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Single process</source>
        <translation>개별 프로세스</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="42"/>
        <source>When these things happen, Qel tells you which process it is and what to do. Short spikes won&apos;t bother you.</source>
        <translation>이런 일이 생기면 Qel이 어떤 프로세스인지, 무엇을 하면 되는지 알려 줍니다. 잠깐의 급증으로는 알리지 않습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="52"/>
        <source>Pause alerts for 1 hour</source>
        <translation>1시간 동안 알림 일시 중지</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <source>No alerts appear while paused. They resume automatically.</source>
        <translation>일시 중지 중에는 알림이 표시되지 않습니다. 자동으로 재개됩니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="17"/>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="20"/>
        <source>Quiet mode</source>
        <translation>조용한 모드</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="18"/>
        <source>Drops processes that are not in front, have no window and use a lot of CPU to background priority. Restored when you turn this off or quit Qel.</source>
        <translation>앞에 있지 않고 창이 없으며 CPU를 많이 쓰는 프로세스를 백그라운드 우선순위로 내립니다. 이 옵션을 끄거나 Qel을 종료하면 복원됩니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="47"/>
        <source>Erase all history?</source>
        <translation>모든 기록을 지우시겠습니까?</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="48"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="135"/>
        <source>Erase all history</source>
        <translation>모든 기록 지우기</translation>
    </message>
    <message>
        <location filename="../../Kit/Widgets/AskFirst.cpp" line="19"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="92"/>
        <source>Show in File Manager</source>
        <translation>파일 관리자에서 보기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="98"/>
        <source>The history folder could not be opened</source>
        <translation>기록 폴더를 열 수 없음</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="100"/>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="110"/>
        <source>Keep history for</source>
        <translation>기록 보관 기간</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <source>Older days are deleted automatically. The usual baseline is kept.</source>
        <translation>오래된 날은 자동으로 삭제됩니다. 평소 기준은 유지됩니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="103"/>
        <source>7 days</source>
        <translation>7일</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="35"/>
        <source>Stored in a database on this computer only. %n days recorded, using %@.</source>
        <translation>
            <numerusform>이 컴퓨터의 데이터베이스에만 저장됩니다. %n일 기록, %@ 사용 중.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="71"/>
        <source>Keep history for %@?</source>
        <translation>기록을 %@ 동안만 보관하시겠습니까?</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Days older than that are deleted now. This can&apos;t be undone.</source>
        <translation>그보다 오래된 날은 지금 삭제됩니다. 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Delete older days</source>
        <translation>오래된 날 삭제</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="104"/>
        <source>30 days</source>
        <translation>30일</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="105"/>
        <source>90 days</source>
        <translation>90일</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="106"/>
        <source>1 year</source>
        <translation>1년</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="57"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="107"/>
        <source>Forever</source>
        <translation>계속</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="121"/>
        <source>%n days collected. After 3 days the ring shows a reference line.</source>
        <translation>
            <numerusform>%n일 수집됨. 3일이 지나면 링에 기준선이 표시됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="123"/>
        <source>Usual baseline</source>
        <translation>평소 기준</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="132"/>
        <source>Erase…</source>
        <translation>지우기…</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="33"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Follow system</source>
        <translation>시스템 설정 따르기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="35"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="37"/>
        <source>Interface language</source>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="36"/>
        <source>Follow system uses the first of your system languages that Qel supports, or English if there is none.</source>
        <translation>시스템 설정 따르기는 시스템 언어 중 Qel이 지원하는 첫 번째 언어를 사용하며, 없으면 영어를 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="41"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Follow system switches with your desktop&apos;s appearance.</source>
        <translation>시스템 설정 따르기를 선택하면 데스크톱 모양에 맞춰 바뀝니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="51"/>
        <source>Replay shortcut</source>
        <translation>다시 보기 단축키</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="52"/>
        <source>Press it in any app to replay the last 60 seconds. It can&apos;t be changed yet.</source>
        <translation>어느 앱에서든 누르면 최근 60초를 다시 봅니다. 아직 변경할 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="57"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="58"/>
        <source>Tab bar numbers</source>
        <translation>탭 막대 수치</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="65"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="67"/>
        <source>Show load in the taskbar icon</source>
        <translation>작업 표시줄 아이콘에 부하 표시</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="66"/>
        <source>The water in the taskbar icon rises with CPU usage, and the icon turns warm when the processor is busy.</source>
        <translation>작업 표시줄 아이콘의 물은 CPU 사용량에 따라 차오르고, 프로세서가 바쁘면 아이콘이 따뜻한 색으로 바뀝니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="73"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="77"/>
        <source>Check for updates automatically</source>
        <translation>업데이트 자동 확인</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="78"/>
        <source>Qel looks for a new version about once a day and tells you when there is one.</source>
        <translation>Qel은 하루에 한 번쯤 새 버전을 찾아보고, 있으면 알려 줍니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="79"/>
        <source>This build of Qel names no update feed, so it can&apos;t look for new versions.</source>
        <translation>이 Qel 빌드에는 업데이트 피드가 지정되어 있지 않아 새 버전을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="82"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="86"/>
        <source>Receive Beta updates</source>
        <translation>베타 업데이트 받기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="87"/>
        <source>Get early access to upcoming versions and continue receiving stable updates.</source>
        <translation>출시 예정 버전을 먼저 사용하면서 안정 버전 업데이트도 계속 받습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="23"/>
        <source>Qel&apos;s windows, tray item and update checks are built with Qt, used under the GNU LGPL 3.0.</source>
        <translation>Qel의 창, 트레이 아이콘, 업데이트 확인은 Qt로 만들었으며 Qt는 GNU LGPL 3.0에 따라 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Public domain</source>
        <translation>퍼블릭 도메인</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Qel keeps its history in SQLite, which is in the public domain.</source>
        <translation>Qel은 기록을 퍼블릭 도메인인 SQLite에 저장합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="26"/>
        <source>Qel works with SQLite through SQLiteCpp, used under the MIT License.</source>
        <translation>Qel은 SQLiteCpp를 통해 SQLite를 사용합니다. SQLiteCpp는 MIT 라이선스에 따라 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="28"/>
        <source>Qel reads and writes its settings and changelog with nlohmann-json, used under the MIT License.</source>
        <translation>Qel은 nlohmann-json으로 설정과 변경 내역을 읽고 씁니다. nlohmann-json은 MIT 라이선스에 따라 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="30"/>
        <source>Qel formats dates and compares names with ICU, used under the Unicode License.</source>
        <translation>Qel은 ICU로 날짜 형식을 지정하고 이름을 비교합니다. ICU는 Unicode 라이선스에 따라 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="33"/>
        <source>Qel talks to logind, BlueZ, UPower and the notification service through sd-bus of libsystemd, used under the GNU LGPL 2.1.</source>
        <translation>Qel은 libsystemd의 sd-bus를 통해 logind, BlueZ, UPower 및 알림 서비스와 통신합니다. libsystemd는 GNU LGPL 2.1에 따라 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="36"/>
        <source>Qel asks the X server for the window in front with libxcb, used under the MIT License.</source>
        <translation>Qel은 libxcb로 X 서버에 맨 앞 창을 묻습니다. libxcb는 MIT 라이선스에 따라 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="38"/>
        <source>Qt draws through the OpenGL libraries of libglvnd, used under the MIT License.</source>
        <translation>Qt는 libglvnd의 OpenGL 라이브러리로 그리며, libglvnd는 MIT 라이선스에 따라 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="41"/>
        <source>Qel&apos;s text font is DejaVu Sans, used under the Bitstream Vera Fonts License.</source>
        <translation>Qel의 텍스트 글꼴은 DejaVu Sans이며 Bitstream Vera Fonts 라이선스에 따라 사용합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="43"/>
        <source>Qel&apos;s symbols come from the Material Icons font by the Material Design Authors, used under the Apache License 2.0; its authors are not affiliated with Qel.</source>
        <translation>Qel의 기호는 Material Design Authors의 Material Icons 글꼴에서 가져왔으며 Apache 라이선스 2.0에 따라 사용합니다. 글꼴 제작자는 Qel과 관련이 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="43"/>
        <source>Show in the tray</source>
        <translation>시스템 트레이에 표시</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="44"/>
        <source>Pick any combination. With none selected, only the icon is shown.</source>
        <translation>원하는 대로 조합하세요. 아무것도 선택하지 않으면 아이콘만 표시됩니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="49"/>
        <source>Icon</source>
        <translation>아이콘</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="53"/>
        <source>Net speed</source>
        <translation>네트워크 속도</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="81"/>
        <source>Icon style</source>
        <translation>아이콘 스타일</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="118"/>
        <source>Preview</source>
        <translation>미리 보기</translation>
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
        <translation>가장 바빴던 순간</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="106"/>
        <source>Time recorded</source>
        <translation>기록된 시간</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="107"/>
        <source>CPU, daily average</source>
        <translation>CPU, 일 평균</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="108"/>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>Worth a look</source>
        <translation>살펴볼 항목</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="148"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="150"/>
        <source>Most used: %@</source>
        <translation>가장 많이 사용: %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>30 s</source>
        <translation>30초</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>1 min</source>
        <translation>1분</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>2 min</source>
        <translation>2분</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>5 min</source>
        <translation>5분</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>10 min</source>
        <translation>10분</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="28"/>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="29"/>
        <source>Tray</source>
        <translation>트레이</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="30"/>
        <source>Alerts</source>
        <translation>알림</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="31"/>
        <source>Background rules</source>
        <translation>백그라운드 규칙</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="32"/>
        <source>Data</source>
        <translation>데이터</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="30"/>
        <source>New</source>
        <translation>신규</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="31"/>
        <source>Improved</source>
        <translation>개선</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="32"/>
        <source>Fixed</source>
        <translation>수정</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="14"/>
        <source>Overview</source>
        <translation>개요</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="27"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>System events</source>
        <translation>시스템 이벤트</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>Marked by you</source>
        <translation>내가 표시함</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="8"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="10"/>
        <source>Always</source>
        <translation>항상</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="11"/>
        <source>On hover</source>
        <translation>포인터를 올릴 때</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="12"/>
        <source>When unusual</source>
        <translation>평소와 다를 때</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="13"/>
        <source>Load lines</source>
        <translation>부하 선</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="14"/>
        <source>Current page</source>
        <translation>현재 페이지</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="20"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="22"/>
        <source>Each tab shows its number all the time.</source>
        <translation>모든 탭에 수치를 항상 표시합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="23"/>
        <source>Tabs show only their name. Point at one to see its number.</source>
        <translation>탭에는 이름만 표시됩니다. 포인터를 올리면 수치가 보입니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="24"/>
        <source>A dot appears on a tab when that part of your computer is unusually busy.</source>
        <translation>컴퓨터의 해당 부분이 평소와 달리 바쁘면 탭에 점이 나타납니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="25"/>
        <source>A short line under each tab grows as that part gets busier.</source>
        <translation>해당 부분이 바빠질수록 각 탭 아래의 짧은 선이 길어집니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="26"/>
        <source>Only the page you are on shows its number.</source>
        <translation>현재 페이지에만 수치를 표시합니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="38"/>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="69"/>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="91"/>
        <source>Now</source>
        <translation>지금</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>Asleep</source>
        <translation>절전 중</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>No history for this time</source>
        <translation>이 시간의 기록 없음</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="53"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="54"/>
        <source>CPU, memory %@</source>
        <translation>CPU, 메모리 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="27"/>
        <source>View</source>
        <translation>보기</translation>
    </message>
</context>
<context>
    <name>qel::ActionBar</name>
    <message>
        <location filename="../../Processes/ActionBar.cpp" line="49"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="67"/>
        <source>%n selected</source>
        <translation>
            <numerusform>%n개 선택됨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="69"/>
        <source>%n system processes will be skipped</source>
        <translation>
            <numerusform>시스템 프로세스 %n개는 건너뜁니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="72"/>
        <source>End %n processes</source>
        <translation>
            <numerusform>프로세스 %n개 끝내기</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ActionBar.cpp" line="68"/>
        <source>Unsaved changes may be lost</source>
        <translation>저장하지 않은 변경 사항이 사라질 수 있음</translation>
    </message>
</context>
<context>
    <name>qel::AppCommands</name>
    <message>
        <location filename="../../App/AppCommands.cpp" line="59"/>
        <source>Settings…</source>
        <translation>설정…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="60"/>
        <source>Check for Updates…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="61"/>
        <source>What&apos;s new</source>
        <translation>새로운 기능</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="62"/>
        <source>Open Source Licenses</source>
        <translation>오픈 소스 라이선스</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="63"/>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>qel::BubbleFieldView</name>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="39"/>
        <source>Memory bubble chart</source>
        <translation>메모리 버블 차트</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="66"/>
        <source>%@ used</source>
        <translation>%@ 사용</translation>
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
        <translation>사용자</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="108"/>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="109"/>
        <source>Idle</source>
        <translation>유휴</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="112"/>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="113"/>
        <source>Efficiency</source>
        <translation>효율</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>Last 60 seconds</source>
        <translation>최근 60초</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>All cores combined</source>
        <translation>전체 코어</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Using the most</source>
        <translation>가장 많이 사용 중</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Click a name for details</source>
        <translation>이름을 클릭하면 세부 정보 표시</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/CPU/CPUPage.cpp" line="183"/>
        <source>%n processes</source>
        <translation>
            <numerusform>프로세스 %n개</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="184"/>
        <source>Load %.2f</source>
        <translation>부하 %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="195"/>
        <source>Each bar is a logical core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>각 막대는 논리 코어 하나입니다. 대비되는 구간이 최근 최고치를 표시합니다. 가운데에는 시스템 열 상태가 표시됩니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="197"/>
        <source>Each bar is a core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>각 막대는 코어 하나입니다. 대비되는 구간이 최근 최고치를 표시합니다. 가운데에는 시스템 열 상태가 표시됩니다.</translation>
    </message>
</context>
<context>
    <name>qel::Changelog</name>
    <message>
        <location filename="../../Updates/Changelog.cpp" line="87"/>
        <source>Beta %@</source>
        <translation>베타 %@</translation>
    </message>
</context>
<context>
    <name>qel::CloseButton</name>
    <message>
        <location filename="../../Kit/Widgets/CloseButton.cpp" line="18"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>qel::ColumnTitles</name>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="26"/>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="27"/>
        <source>CPU %</source>
        <translation>CPU %</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="28"/>
        <source>Memory</source>
        <translation>메모리</translation>
    </message>
</context>
<context>
    <name>qel::CoreFlowerView</name>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="50"/>
        <source>Usage per core</source>
        <translation>코어별 사용량</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="59"/>
        <source>Total usage %@</source>
        <translation>전체 사용량 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="65"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="114"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="115"/>
        <source>Load %.2f</source>
        <translation>부하 %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Efficiency</source>
        <translation>효율</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="113"/>
        <source>Thermal state</source>
        <translation>발열 상태</translation>
    </message>
</context>
<context>
    <name>qel::DayMark</name>
    <message>
        <location filename="../../History/DayMark.cpp" line="16"/>
        <source>Power adapter connected</source>
        <translation>전원 어댑터 연결됨</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="17"/>
        <source>Switched to battery power</source>
        <translation>배터리 전원으로 전환됨</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="18"/>
        <source>External display connected</source>
        <translation>외부 디스플레이 연결됨</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="19"/>
        <source>External display disconnected</source>
        <translation>외부 디스플레이 연결 해제됨</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="20"/>
        <source>Woke from sleep</source>
        <translation>절전에서 깨어남</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="21"/>
        <source>Network disconnected</source>
        <translation>네트워크 연결 끊김</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="22"/>
        <source>Network reconnected</source>
        <translation>네트워크 다시 연결됨</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="23"/>
        <source>%@ opened</source>
        <translation>%@ 열림</translation>
    </message>
</context>
<context>
    <name>qel::DayRingView</name>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="80"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="122"/>
        <source>Ring</source>
        <translation>링</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteries</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="27"/>
        <source>Device batteries</source>
        <translation>기기 배터리</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="42"/>
        <source>Scroll to see more devices.</source>
        <translation>스크롤하면 더 많은 기기를 볼 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteryRing</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="47"/>
        <source>Battery %@%</source>
        <translation>배터리 %@%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="50"/>
        <source>%@ battery low</source>
        <translation>%@ 배터리 부족</translation>
    </message>
</context>
<context>
    <name>qel::DiskPage</name>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="103"/>
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="106"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="227"/>
        <source>Read %@, write %@</source>
        <translation>읽기 %@, 쓰기 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="113"/>
        <source>Used</source>
        <translation>사용됨</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="114"/>
        <source>Available</source>
        <translation>사용 가능</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="127"/>
        <source>The outer ring is the system disk&apos;s space: used and available.
The inner ring is the last 60 seconds of activity: reads grow outward, writes inward.</source>
        <translation>바깥 링은 시스템 디스크 공간입니다: 사용됨과 사용 가능.
안쪽 링은 최근 60초 동안의 활동입니다: 읽기는 바깥쪽으로, 쓰기는 안쪽으로 자랍니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="150"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>Volumes</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Active now</source>
        <translation>지금 활성</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Click a name for details</source>
        <translation>이름을 클릭하면 세부 정보 표시</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="160"/>
        <source>No process is doing heavy disk activity right now.</source>
        <translation>지금 디스크를 많이 사용하는 프로세스가 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Most written</source>
        <translation>가장 많이 씀</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Since each process started</source>
        <translation>각 프로세스 시작 이후</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>%n mounted</source>
        <translation>
            <numerusform>%n개 마운트됨</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::DiskPlatterView</name>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="98"/>
        <source>Disk space and activity</source>
        <translation>디스크 공간과 활동</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="105"/>
        <source>%@ available</source>
        <translation>%@ 사용 가능</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="121"/>
        <source>Available</source>
        <translation>사용 가능</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="123"/>
        <source>%@ total</source>
        <translation>총 %@</translation>
    </message>
</context>
<context>
    <name>qel::EnergyPage</name>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="182"/>
        <source>Energy</source>
        <translation>에너지</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="186"/>
        <source>Charge</source>
        <translation>충전량</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="187"/>
        <source>Power</source>
        <translation>전력</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="188"/>
        <source>Thermal state</source>
        <translation>발열 상태</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="218"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="321"/>
        <source>Preventing sleep</source>
        <translation>절전 방지 중</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="232"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="351"/>
        <source>Runtime</source>
        <translation>사용 시간</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="242"/>
        <source>Charger</source>
        <translation>충전기</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="246"/>
        <source>Not connected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Adapter power</source>
        <translation>어댑터 전력</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Current input</source>
        <translation>현재 입력</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="249"/>
        <source>Battery charging</source>
        <translation>배터리 충전 중</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="250"/>
        <source>Power the system reports for the connected adapter, not the current input.</source>
        <translation>현재 입력이 아니라 연결된 어댑터에 대해 시스템이 보고하는 전력입니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="299"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="385"/>
        <source> Per-app energy is estimated from CPU usage.</source>
        <translation> 앱별 에너지는 CPU 사용량으로 추정합니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="297"/>
        <source>One turn is 60 seconds, with now at the top. Each bar is stacked by app. Gray is everything else.</source>
        <translation>한 바퀴는 60초이며 맨 위가 현재입니다. 각 막대는 앱별로 쌓입니다. 회색은 나머지 전부입니다.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="322"/>
        <source>%n processes</source>
        <translation>
            <numerusform>프로세스 %n개</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="323"/>
        <source>What is preventing sleep can&apos;t be read on this computer.</source>
        <translation>이 컴퓨터에서는 잠자기를 막는 항목을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="325"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when you close the lid.</source>
        <translation>절전을 막는 것이 없습니다. 덮개를 닫으면 컴퓨터가 정상적으로 절전합니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="326"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when it&apos;s left idle.</source>
        <translation>절전을 막는 것이 없습니다. 컴퓨터를 그대로 두면 정상적으로 절전합니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="360"/>
        <source>This computer has no battery</source>
        <translation>이 컴퓨터에는 배터리가 없습니다</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="367"/>
        <source>A runtime estimate isn&apos;t available yet.</source>
        <translation>아직 사용 시간 추정치가 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>If you unplugged now, about</source>
        <translation>지금 전원을 뽑으면 약</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>At this rate, about</source>
        <translation>이 속도라면 약</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="384"/>
        <source>Estimated from the average power over the last minute.</source>
        <translation>최근 1분 평균 전력으로 추정했습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="389"/>
        <source>Health</source>
        <translation>상태</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="391"/>
        <source>Cycle count</source>
        <translation>충전 횟수</translation>
    </message>
</context>
<context>
    <name>qel::EnergyRing</name>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="34"/>
        <source>Energy over the last 60 seconds</source>
        <translation>최근 60초 에너지</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="43"/>
        <source>%.1f watts</source>
        <translation>%.1f와트</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>Now</source>
        <translation>지금</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>45 s ago</source>
        <translation>45초 전</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>30 s ago</source>
        <translation>30초 전</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>15 s ago</source>
        <translation>15초 전</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="139"/>
        <source>Battery %@%</source>
        <translation>배터리 %@%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="140"/>
        <source>On AC power</source>
        <translation>전원 연결됨</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="141"/>
        <source>Right now</source>
        <translation>지금</translation>
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
        <translation>직전: %@ %@</translation>
    </message>
</context>
<context>
    <name>qel::ExportSheet</name>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="74"/>
        <source>Export this day as an image</source>
        <translation>이날을 이미지로 내보내기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="75"/>
        <source>Saves the ring for this day as a 1080 × 1080 picture.</source>
        <translation>이날의 링을 1080 × 1080 이미지로 저장합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="111"/>
        <source>Deep sea</source>
        <translation>심해</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="111"/>
        <source>Ink</source>
        <translation>잉크</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="116"/>
        <source>Background</source>
        <translation>백그라운드</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="117"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>Show app names</source>
        <translation>앱 이름 표시</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>When off, no app name appears in the picture</source>
        <translation>끄면 이미지에 앱 이름이 나타나지 않습니다</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="119"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>Show event dots</source>
        <translation>이벤트 점 표시</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>The things worth a look on this day</source>
        <translation>이날 살펴볼 항목</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="122"/>
        <source>The picture contains only the usage rings and what is switched on above. It never includes window titles, file names or network addresses.</source>
        <translation>이미지에는 사용량 링과 위에서 켠 항목만 들어갑니다. 창 제목, 파일 이름, 네트워크 주소는 절대 포함되지 않습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="137"/>
        <source>Copy image</source>
        <translation>이미지 복사</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="140"/>
        <source>Save image…</source>
        <translation>이미지 저장…</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="176"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="186"/>
        <source>Couldn&apos;t create the image</source>
        <translation>이미지를 만들 수 없음</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="179"/>
        <source>Couldn&apos;t save the image</source>
        <translation>이미지를 저장할 수 없음</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="181"/>
        <source>Image saved</source>
        <translation>이미지 저장됨</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="193"/>
        <source>Couldn&apos;t copy the image</source>
        <translation>이미지를 복사할 수 없음</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="195"/>
        <source>Copied to the clipboard</source>
        <translation>클립보드에 복사됨</translation>
    </message>
</context>
<context>
    <name>qel::FindingCard</name>
    <message>
        <location filename="../../Sheets/Reports/FindingCard.cpp" line="54"/>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/FindingCard.cpp" line="56"/>
        <source>Got it</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>qel::GPUHiveView</name>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="36"/>
        <source>GPU usage</source>
        <translation>GPU 사용량</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="43"/>
        <source>Unavailable</source>
        <translation>사용할 수 없음</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="78"/>
        <source>Now</source>
        <translation>지금</translation>
    </message>
</context>
<context>
    <name>qel::GPUPage</name>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="96"/>
        <source>The more cells lit, the busier the GPU. The outer ring is the last 60 seconds, with now at the top.
The system doesn&apos;t report per-core or per-app GPU usage, so only the overall figure is shown.</source>
        <translation>켜진 칸이 많을수록 GPU가 바쁩니다. 바깥 링은 최근 60초이며 맨 위가 현재입니다.
시스템이 코어별·앱별 GPU 사용량을 보고하지 않으므로 전체 수치만 표시됩니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="108"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="129"/>
        <source>GPU memory</source>
        <translation>GPU 메모리</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="130"/>
        <source>Cores</source>
        <translation>코어</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="131"/>
        <source>Thermal state</source>
        <translation>발열 상태</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Likely GPU users</source>
        <translation>GPU를 사용하는 것으로 보이는 앱</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Apps with the GPU open, by energy</source>
        <translation>GPU를 사용하는 앱, 에너지순</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Last 60 seconds</source>
        <translation>최근 60초</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Overall usage</source>
        <translation>전체 사용량</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>Unified memory</source>
        <translation>통합 메모리</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>GPU and CPU share %@</source>
        <translation>GPU와 CPU가 %@ 공유</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="201"/>
        <source>The GPU is using %@, other apps %@, with %@ left.</source>
        <translation>GPU가 %@, 다른 앱이 %@을(를) 사용 중이며 %@ 남았습니다.</translation>
    </message>
</context>
<context>
    <name>qel::GainRow</name>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="36"/>
        <location filename="../../Pages/Energy/GainRow.cpp" line="67"/>
        <source>Quit %@</source>
        <translation>%@ 종료</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="71"/>
        <source>using about %@ W</source>
        <translation>약 %@ W 사용 중</translation>
    </message>
</context>
<context>
    <name>qel::Glossary</name>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="224"/>
        <source>A page renderer for %@. Each browser tab and each Electron app window has one.</source>
        <translation>%@의 페이지 렌더러입니다. 브라우저 탭과 Electron 앱 창마다 하나씩 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="227"/>
        <source>The graphics process for %@. It handles drawing, video and animation.</source>
        <translation>%@의 그래픽 프로세스입니다. 그리기, 동영상, 애니메이션을 처리합니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="229"/>
        <source>A service process for %@. It does one job on its own, such as networking, audio or storage.</source>
        <translation>%@의 서비스 프로세스입니다. 네트워크, 오디오, 저장소 같은 한 가지 작업을 따로 맡습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="233"/>
        <source>A kernel thread: part of the Linux kernel itself, doing work such as writing to disk, reclaiming memory or handling hardware.</source>
        <translation>커널 스레드: Linux 커널 자체의 일부로, 디스크 쓰기, 메모리 회수, 하드웨어 처리 같은 작업을 합니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="28"/>
        <source>A program that comes with your Linux system. Qel&apos;s glossary doesn&apos;t describe it yet.</source>
        <translation>Linux 시스템에 포함된 프로그램입니다. Qel 용어집에는 아직 설명이 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="16"/>
        <source>The system needs it to run. Don&apos;t quit it.</source>
        <translation>시스템 실행에 필요합니다. 종료하지 마세요.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="18"/>
        <source>High usage is usually temporary and drops back once it finishes.</source>
        <translation>높은 사용량은 보통 일시적이며 작업이 끝나면 다시 내려갑니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="222"/>
        <source>It belongs to %@ and ends when you quit %@.</source>
        <translation>%@에 속하며 %@을(를) 종료하면 함께 끝납니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="225"/>
        <source>High usage means a page is busy. Closing that tab or window ends it.</source>
        <translation>사용량이 높다면 페이지가 바쁘다는 뜻입니다. 해당 탭이나 창을 닫으면 끝납니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="238"/>
        <source>Qel&apos;s glossary doesn&apos;t include this process. Judging by its path, it doesn&apos;t come from your distribution&apos;s packages.</source>
        <translation>Qel 용어집에 이 프로세스가 없습니다. 경로로 보아 배포판 패키지에서 설치된 것이 아닙니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="240"/>
        <source>If you&apos;re not sure what it is, look it up online before deciding whether to quit it.</source>
        <translation>무엇인지 잘 모르겠다면 종료할지 정하기 전에 온라인에서 찾아보세요.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="244"/>
        <source>A helper process for %@.</source>
        <translation>%@의 도우미 프로세스입니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="245"/>
        <source>Part of %@. Qel&apos;s glossary doesn&apos;t describe this process yet.</source>
        <translation>%@의 일부입니다. Qel 용어집에는 아직 이 프로세스에 대한 설명이 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="248"/>
        <source>This is the main process of %@.</source>
        <translation>%@의 주 프로세스입니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="249"/>
        <source>If usage is high, first check whether it is working on something (exporting, syncing, compiling and so on).</source>
        <translation>사용량이 높다면 먼저 작업 중인지(내보내기, 동기화, 컴파일 등) 확인하세요.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="255"/>
        <source>what is the %@ process on Linux</source>
        <translation>Linux의 %@ 프로세스란</translation>
    </message>
</context>
<context>
    <name>qel::GpuUserList</name>
    <message>
        <location filename="../../Pages/GPU/GpuUserList.cpp" line="47"/>
        <source>Front</source>
        <translation>전면</translation>
    </message>
</context>
<context>
    <name>qel::IncidentChart</name>
    <message>
        <location filename="../../Sheets/Reports/IncidentChart.cpp" line="63"/>
        <source>CPU usage over the last 60 seconds</source>
        <translation>최근 60초 CPU 사용량</translation>
    </message>
</context>
<context>
    <name>qel::IncidentSheet</name>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="59"/>
        <source>What just happened</source>
        <translation>방금 일어난 일</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="61"/>
        <source>Press Ctrl+Alt+E any time to replay the last 60 seconds.</source>
        <translation>언제든 Ctrl+Alt+E를 누르면 최근 60초를 다시 볼 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="74"/>
        <source>60 s ago</source>
        <translation>60초 전</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="78"/>
        <source>Pressed at %@</source>
        <translation>%@에 누름</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="127"/>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="129"/>
        <source>Ended</source>
        <translation>끝남</translation>
    </message>
</context>
<context>
    <name>qel::InsightEngine</name>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="115"/>
        <source>Not enough history yet</source>
        <translation>아직 기록이 충분하지 않음</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="116"/>
        <source>Qel just started. In a few seconds it can replay what happened.</source>
        <translation>Qel이 방금 시작되었습니다. 몇 초 후면 일어난 일을 다시 볼 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="126"/>
        <source>%@ pushed the CPU to %@ %@</source>
        <translation>%3$@ %1$@ 때문에 CPU가 %2$@까지 오름</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="128"/>
        <source>Memory is tight and the system is compressing it</source>
        <translation>메모리가 부족해 시스템이 압축 중</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="130"/>
        <source>The disk is reading and writing heavily</source>
        <translation>디스크 읽기·쓰기가 많음</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="132"/>
        <source>%@ briefly maxed out one core</source>
        <translation>%@이(가) 잠시 코어 하나를 최대로 사용함</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="134"/>
        <source>Nothing unusual in the last %@ s</source>
        <translation>최근 %@초 동안 특이 사항 없음</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="137"/>
        <source>CPU peaked at %@ (%@) and averaged %@ over these %@ s.</source>
        <translation>CPU 최고치는 %1$@(%2$@), 이 %4$@초 동안의 평균은 %3$@였습니다.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="140"/>
        <source>%@ peaked at %@% (100% is one full core) and averaged %@%.</source>
        <translation>%@의 최고치는 %@%(100%는 코어 하나 전체), 평균은 %@%였습니다.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="143"/>
        <source>Memory pressure peaked at %@%. When memory runs short, switching apps gets noticeably slower.</source>
        <translation>메모리 압력 최고치는 %@%였습니다. 메모리가 부족하면 앱 전환이 눈에 띄게 느려집니다.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="145"/>
        <source>Disk activity peaked at %@.</source>
        <translation>디스크 활동 최고치는 %@였습니다.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="147"/>
        <source>If things felt slow just now, an app may have been waiting on the network or on another program. That doesn&apos;t show up as CPU usage.</source>
        <translation>방금 느렸다면 앱이 네트워크나 다른 프로그램을 기다리고 있었을 수 있습니다. 이는 CPU 사용량으로 나타나지 않습니다.</translation>
    </message>
</context>
<context>
    <name>qel::LicensesSheet</name>
    <message>
        <location filename="../../Sheets/LicensesSheet.cpp" line="34"/>
        <source>Open Source Licenses</source>
        <translation>오픈 소스 라이선스</translation>
    </message>
</context>
<context>
    <name>qel::MemPage</name>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="86"/>
        <source>Memory</source>
        <translation>메모리</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="91"/>
        <source>Used</source>
        <translation>사용됨</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="92"/>
        <source>Pressure</source>
        <translation>압력</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="93"/>
        <source>Swap</source>
        <translation>스왑</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="105"/>
        <source>Each bubble is a process, sized by the memory it uses. Click a bubble for details or to quit it. The outer ring is memory pressure.</source>
        <translation>각 버블은 프로세스이며 크기는 사용하는 메모리에 비례합니다. 버블을 클릭하면 세부 정보를 보거나 종료할 수 있습니다. 바깥 링은 메모리 압력입니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="122"/>
        <location filename="../../Pages/Memory/MemPage.cpp" line="192"/>
        <source>Memory breakdown</source>
        <translation>메모리 구성</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="143"/>
        <source>App memory</source>
        <translation>앱 메모리</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="144"/>
        <source>Kernel &amp; locked</source>
        <translation>커널 및 고정</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="145"/>
        <source>Compressed</source>
        <translation>압축</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="146"/>
        <source>Available</source>
        <translation>사용 가능</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="163"/>
        <source>Memory pressure</source>
        <translation>메모리 압력</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="192"/>
        <source>%@ total</source>
        <translation>총 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="200"/>
        <source>%@%. %@</source>
        <translation>%@%. %@</translation>
    </message>
</context>
<context>
    <name>qel::MemoryAdviceCard</name>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="75"/>
        <source>Memory is tight</source>
        <translation>메모리 부족</translation>
    </message>
</context>
<context>
    <name>qel::MemoryAdviceRow</name>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="43"/>
        <source>Memory keeps growing. Reopening it frees the memory.</source>
        <translation>메모리가 계속 늘어납니다. 다시 열면 메모리가 해제됩니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="49"/>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="60"/>
        <source>Using %@, %@</source>
        <translation>%@, %@ 사용 중</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="61"/>
        <source>Quit %@</source>
        <translation>%@ 종료</translation>
    </message>
</context>
<context>
    <name>qel::MemoryChart</name>
    <message>
        <location filename="../../Processes/MemoryChart.cpp" line="56"/>
        <source>Memory, last 30 days</source>
        <translation>메모리, 최근 30일</translation>
    </message>
</context>
<context>
    <name>qel::MenuBar</name>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="273"/>
        <source>Show panel</source>
        <translation>패널 보기</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="274"/>
        <source>Open Qel</source>
        <translation>Qel 열기</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="275"/>
        <source>What just happened</source>
        <translation>방금 일어난 일</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="353"/>
        <source>Qel keeps running while its window is closed, and usually waits in the tray. This desktop has no tray, so the window was minimised instead. To end Qel, choose Quit (Ctrl+Q).</source>
        <translation>Qel은 창을 닫아도 계속 실행되며 보통 시스템 트레이에서 대기합니다. 이 데스크톱에는 트레이가 없어 대신 창을 최소화했습니다. Qel을 끝내려면 종료(Ctrl+Q)를 선택하세요.</translation>
    </message>
</context>
<context>
    <name>qel::MenuBarPanel</name>
    <message>
        <location filename="../../MenuBar/MenuBarPanel.cpp" line="39"/>
        <source>Qel panel</source>
        <translation>Qel 패널</translation>
    </message>
</context>
<context>
    <name>qel::MenuCell</name>
    <message>
        <location filename="../../MenuBar/MenuCell.cpp" line="37"/>
        <source>View %@</source>
        <translation>%@ 보기</translation>
    </message>
</context>
<context>
    <name>qel::MenuPanel</name>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="121"/>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="155"/>
        <source>Top processes</source>
        <translation>상위 프로세스</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="156"/>
        <source>Hover to quit</source>
        <translation>포인터를 올려 종료</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="123"/>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="124"/>
        <source>Bluetooth devices</source>
        <translation>Bluetooth 기기</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="274"/>
        <source>Scroll horizontally to see more devices.</source>
        <translation>가로로 스크롤하면 더 많은 기기를 볼 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="279"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>Not connected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="293"/>
        <source>Quiet mode</source>
        <translation>조용한 모드</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="294"/>
        <source>Keep awake</source>
        <translation>깨어 있기</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="295"/>
        <source>Pause alerts</source>
        <translation>알림 일시 중지</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="321"/>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="323"/>
        <source>What just happened</source>
        <translation>방금 일어난 일</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="325"/>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="327"/>
        <source>Open Qel</source>
        <translation>Qel 열기</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="210"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="401"/>
        <source>Load %.2f</source>
        <translation>부하 %.2f</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Measured</source>
        <translation>측정값</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Process sum</source>
        <translation>프로세스 합계</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>Thermal</source>
        <translation>발열</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>System thermal state</source>
        <translation>시스템 발열 상태</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="411"/>
        <source>Battery</source>
        <translation>배터리</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>Memory %@</source>
        <translation>메모리 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="416"/>
        <source>Disk free</source>
        <translation>디스크 여유</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="417"/>
        <source>%@ total</source>
        <translation>총 %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/MenuPanel.cpp" line="440"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>온라인 앱 %n개</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="442"/>
        <source>Per-app traffic unavailable</source>
        <translation>앱별 트래픽을 사용할 수 없음</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="447"/>
        <source>Local %@</source>
        <translation>로컬 %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>No local address</source>
        <translation>로컬 주소 없음</translation>
    </message>
</context>
<context>
    <name>qel::MetricRow</name>
    <message>
        <location filename="../../Window/Overview/MetricRow.cpp" line="34"/>
        <source>View %@</source>
        <translation>%@ 보기</translation>
    </message>
</context>
<context>
    <name>qel::MiniRing</name>
    <message>
        <location filename="../../MenuBar/MiniRing.cpp" line="50"/>
        <source>CPU and memory over the last 60 seconds</source>
        <translation>최근 60초 CPU 및 메모리</translation>
    </message>
</context>
<context>
    <name>qel::NetAddressCard</name>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Local address</source>
        <translation>로컬 주소</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>No local address</source>
        <translation>로컬 주소 없음</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Not connected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="58"/>
        <source>Data is moving, but no network interface has an IPv4 address.</source>
        <translation>데이터가 오가고 있지만 IPv4 주소가 있는 네트워크 인터페이스가 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="59"/>
        <source>No network interface with an IP address was found.</source>
        <translation>IP 주소가 있는 네트워크 인터페이스를 찾지 못했습니다.</translation>
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
        <translation>총 %@</translation>
    </message>
</context>
<context>
    <name>qel::NetPage</name>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="51"/>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="61"/>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="62"/>
        <source>Upload</source>
        <translation>업로드</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="55"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="128"/>
        <source>Upload %@</source>
        <translation>업로드 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <source>Online</source>
        <translation>온라인</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="133"/>
        <source>%n apps</source>
        <translation>
            <numerusform>앱 %n개</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="89"/>
        <source>Who&apos;s online</source>
        <translation>온라인 앱</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="89"/>
        <source>Only processes under your account. Scroll sideways for more.</source>
        <translation>내 계정의 프로세스만 표시합니다. 가로로 스크롤하면 더 볼 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="137"/>
        <source>Each dot is an app that is online. Bigger dots have more traffic right now. Dots closer to the center have more total traffic. Click one for details. Per-app figures count TCP only, and leave out traffic within this computer.</source>
        <translation>각 점은 온라인 상태인 앱입니다. 점이 클수록 지금 트래픽이 많고, 가운데에 가까울수록 총 트래픽이 많습니다. 점을 클릭하면 세부 정보가 표시됩니다. 앱별 수치는 TCP만 집계하며 이 컴퓨터 내부의 트래픽은 제외합니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="140"/>
        <source>Per-app traffic isn&apos;t available (the system&apos;s socket statistics can&apos;t be read), so only whole-computer upload and download are shown.</source>
        <translation>앱별 트래픽을 사용할 수 없어(시스템 소켓 통계를 읽을 수 없음) 컴퓨터 전체의 업로드와 다운로드만 표시합니다.</translation>
    </message>
</context>
<context>
    <name>qel::NoTameRules</name>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="18"/>
        <source>When not in front</source>
        <translation>앞에 있지 않을 때</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="20"/>
        <source>No rules yet. In the details of any process, you can set its app to slow down or pause when it is not in front.</source>
        <translation>아직 규칙이 없습니다. 프로세스 세부 정보에서 해당 앱이 앞에 있지 않을 때 느려지거나 일시 정지되도록 설정할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>qel::OtherMarkRow</name>
    <message>
        <location filename="../../Sheets/Reports/OtherMarkRow.cpp" line="49"/>
        <source>peak %@</source>
        <translation>최고 %@</translation>
    </message>
</context>
<context>
    <name>qel::OverviewPage</name>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="170"/>
        <source>Replay 60 s</source>
        <translation>60초 다시 보기</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="171"/>
        <source>What just happened: replay the last 60 seconds (Ctrl+Alt+E)</source>
        <translation>방금 일어난 일: 최근 60초 다시 보기 (Ctrl+Alt+E)</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="184"/>
        <source>View summary</source>
        <translation>요약 보기</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="260"/>
        <source>This moment is inside “%@”.</source>
        <translation>이 순간은 “%@” 구간에 속합니다.</translation>
    </message>
</context>
<context>
    <name>qel::PanelBatteryCell</name>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="51"/>
        <source>Battery %@%</source>
        <translation>배터리 %@%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="54"/>
        <source>%@ battery low</source>
        <translation>%@ 배터리 부족</translation>
    </message>
</context>
<context>
    <name>qel::PanelProcRow</name>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="63"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="115"/>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="62"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="119"/>
        <source>End</source>
        <translation>끝내기</translation>
    </message>
</context>
<context>
    <name>qel::PanelToggle</name>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="30"/>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>On</source>
        <translation>켬</translation>
    </message>
</context>
<context>
    <name>qel::PortEndButton</name>
    <message>
        <location filename="../../Pages/Network/PortEndButton.cpp" line="16"/>
        <source>End</source>
        <translation>끝내기</translation>
    </message>
</context>
<context>
    <name>qel::PortHints</name>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="9"/>
        <source>SSH remote login</source>
        <translation>SSH 원격 로그인</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="10"/>
        <source>Web server</source>
        <translation>웹 서버</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="11"/>
        <source>Web server (HTTPS)</source>
        <translation>웹 서버 (HTTPS)</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="12"/>
        <source>SQL Server database</source>
        <translation>SQL Server 데이터베이스</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="13"/>
        <location filename="../../Samplers/PortHints.cpp" line="16"/>
        <location filename="../../Samplers/PortHints.cpp" line="22"/>
        <location filename="../../Samplers/PortHints.cpp" line="25"/>
        <source>Common dev server port</source>
        <translation>일반 개발 서버 포트</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="14"/>
        <source>MySQL database</source>
        <translation>MySQL 데이터베이스</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="15"/>
        <source>Angular dev server</source>
        <translation>Angular 개발 서버</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="17"/>
        <source>Vite dev server</source>
        <translation>Vite 개발 서버</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="18"/>
        <source>PostgreSQL database</source>
        <translation>PostgreSQL 데이터베이스</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="19"/>
        <source>Screen sharing (VNC)</source>
        <translation>화면 공유 (VNC)</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="20"/>
        <source>Redis</source>
        <translation>Redis</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="21"/>
        <source>AirPlay receiver</source>
        <translation>AirPlay 수신기</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="23"/>
        <source>Common web service port</source>
        <translation>일반 웹 서비스 포트</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="24"/>
        <source>Jupyter notebook</source>
        <translation>Jupyter 노트북</translation>
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
        <translation>MongoDB 데이터베이스</translation>
    </message>
</context>
<context>
    <name>qel::PortRow</name>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="80"/>
        <source>End %@, which is using port %@</source>
        <translation>포트 %2$@을(를) 사용 중인 %1$@ 끝내기</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="88"/>
        <source>Listening on all network interfaces: other devices on the same network can connect to this port.</source>
        <translation>모든 네트워크 인터페이스에서 수신 대기: 같은 네트워크의 다른 기기가 이 포트에 연결할 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="90"/>
        <source>Listening on 127.0.0.1 only: only this computer can connect.</source>
        <translation>127.0.0.1에서만 수신 대기: 이 컴퓨터만 연결할 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>Open to LAN</source>
        <translation>LAN에 열림</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>This computer only</source>
        <translation>이 컴퓨터만</translation>
    </message>
</context>
<context>
    <name>qel::PortsPanel</name>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="57"/>
        <source>Listening ports</source>
        <translation>수신 대기 포트</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="63"/>
        <source>Port or process</source>
        <translation>포트 또는 프로세스</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="38"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>내 계정 프로세스의 포트만 표시합니다. 시스템 서비스가 쓰는 포트를 보려면 관리자 권한이 필요합니다.</translation>
    </message>
</context>
<context>
    <name>qel::PosterPreview</name>
    <message>
        <location filename="../../Sheets/Export/PosterPreview.cpp" line="15"/>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
</context>
<context>
    <name>qel::ProcessDetail</name>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Now</source>
        <translation>지금</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Profile</source>
        <translation>프로필</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="355"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="201"/>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="202"/>
        <source>Memory</source>
        <translation>메모리</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="204"/>
        <source>Disk I/O</source>
        <translation>디스크 I/O</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="205"/>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="209"/>
        <source>CPU, since this panel opened</source>
        <translation>CPU, 이 패널을 연 이후</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="232"/>
        <source>This is a system process: a kernel thread or a service run by another user, such as root. Ending it could freeze or restart the system, so Qel doesn&apos;t offer to end it. High usage usually drops back within a few minutes.</source>
        <translation>시스템 프로세스입니다. 커널 스레드이거나 root 같은 다른 사용자가 실행한 서비스입니다. 끝내면 시스템이 멈추거나 다시 시작될 수 있으므로 Qel은 끝내기를 제공하지 않습니다. 높은 사용량은 보통 몇 분 안에 다시 내려갑니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="240"/>
        <source>Quitting closes %@. Unsaved changes may be lost.</source>
        <translation>종료하면 %@이(가) 닫힙니다. 저장하지 않은 변경 사항이 사라질 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="244"/>
        <source>End %@</source>
        <translation>%@ 끝내기</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="246"/>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>Force Quit</source>
        <translation>강제 종료</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="256"/>
        <source>Force quit %@?</source>
        <translation>%@ 강제 종료하시겠습니까?</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>It stops at once, without a chance to save. Unsaved changes are lost.</source>
        <translation>즉시 멈추며 저장할 기회가 없습니다. 저장하지 않은 변경 사항은 사라집니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="346"/>
        <source>This process has ended</source>
        <translation>이 프로세스는 끝났습니다</translation>
    </message>
</context>
<context>
    <name>qel::ProcessNoteView</name>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="34"/>
        <source>What is this</source>
        <translation>이것은 무엇인가요</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="44"/>
        <source>Look up this process online</source>
        <translation>이 프로세스를 온라인에서 찾기</translation>
    </message>
</context>
<context>
    <name>qel::ProcessTable</name>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="92"/>
        <source>Running</source>
        <translation>실행 중</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By CPU</source>
        <translation>CPU순</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By memory</source>
        <translation>메모리순</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="100"/>
        <source>Search processes</source>
        <translation>프로세스 검색</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ProcessTable.cpp" line="46"/>
        <source>%n processes, %@ of them yours</source>
        <translation>
            <numerusform>%n개, 내 것 %@개</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="206"/>
        <source>Reading processes…</source>
        <translation>프로세스 읽는 중…</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="207"/>
        <source>No process has “%@” in its name. Try another word, or clear the search field.</source>
        <translation>이름에 “%@”이(가) 들어간 프로세스가 없습니다. 다른 단어를 입력하거나 검색 필드를 지우세요.</translation>
    </message>
</context>
<context>
    <name>qel::ProfileView</name>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>Not enough history yet</source>
        <translation>아직 기록이 충분하지 않음</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>The profile fills in after Qel has seen this app on two different days.</source>
        <translation>Qel이 이 앱을 서로 다른 이틀 동안 확인하면 프로필이 채워집니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="77"/>
        <source>Memory, last 30 days</source>
        <translation>메모리, 최근 30일</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="80"/>
        <source>Dashed line: updated to %@</source>
        <translation>점선: %@(으)로 업데이트됨</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="98"/>
        <source>When it is most active</source>
        <translation>가장 활발한 시간</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="116"/>
        <source>CPU while running, average</source>
        <translation>실행 중 CPU, 평균</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="117"/>
        <source>Memory, average</source>
        <translation>메모리, 평균</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="118"/>
        <source>Share of all apps&apos; energy</source>
        <translation>전체 앱 에너지 중 비율</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="119"/>
        <source>Days it ran</source>
        <translation>실행한 날 수</translation>
    </message>
</context>
<context>
    <name>qel::ReportSheet</name>
    <message>
        <location filename="../../Sheets/Reports/ReportSheet.cpp" line="65"/>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>qel::Ring</name>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="113"/>
        <source>Asleep</source>
        <translation>절전 중</translation>
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
        <translation>지금</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="152"/>
        <source>45 s ago</source>
        <translation>45초 전</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="153"/>
        <source>30 s ago</source>
        <translation>30초 전</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="154"/>
        <source>15 s ago</source>
        <translation>15초 전</translation>
    </message>
</context>
<context>
    <name>qel::RingControls</name>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="48"/>
        <source>60 s</source>
        <translation>60초</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="48"/>
        <source>Day</source>
        <translation>일</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="55"/>
        <source>Previous day</source>
        <translation>이전 날</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="59"/>
        <source>Next day</source>
        <translation>다음 날</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="41"/>
        <source>Export this day as an image</source>
        <translation>이날을 이미지로 내보내기</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="71"/>
        <location filename="../../Window/Overview/RingControls.cpp" line="72"/>
        <source>Back to now</source>
        <translation>현재로 돌아가기</translation>
    </message>
</context>
<context>
    <name>qel::RuleRow</name>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Below</source>
        <translation>미만</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Above</source>
        <translation>초과</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="95"/>
        <source>%@ threshold</source>
        <translation>%@ 임계값</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="107"/>
        <source>for</source>
        <translation>지속 시간</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="109"/>
        <source>Duration</source>
        <translation>기간</translation>
    </message>
</context>
<context>
    <name>qel::Rules</name>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>컴퓨터 전체</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>CPU busy for a long time</source>
        <translation>CPU가 오랫동안 바쁨</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>Overall usage stays above the threshold for a while</source>
        <translation>전체 사용량이 한동안 임계값을 넘음</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>High memory pressure</source>
        <translation>높은 메모리 압력</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>The system is compressing memory heavily or using swap</source>
        <translation>시스템이 메모리를 많이 압축하거나 스왑을 사용 중</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Low disk space</source>
        <translation>디스크 공간 부족</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Free space on the system disk falls below the threshold</source>
        <translation>시스템 디스크의 여유 공간이 임계값 아래로 떨어짐</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Temperature and battery</source>
        <translation>온도 및 배터리</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>Computer overheating</source>
        <translation>컴퓨터 과열</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>The thermal state becomes Hot or Overheating</source>
        <translation>발열 상태가 뜨거움 또는 과열이 됨</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Low battery</source>
        <translation>배터리 부족</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Only checked on battery power</source>
        <translation>배터리 전원일 때만 확인</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>Single process</source>
        <translation>개별 프로세스</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>A process hogs the CPU for a long time</source>
        <translation>프로세스가 오랫동안 CPU를 독차지함</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>One process stays above the threshold for a while</source>
        <translation>한 프로세스가 한동안 임계값을 넘음</translation>
    </message>
</context>
<context>
    <name>qel::SettingsSheet</name>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="65"/>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="89"/>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="121"/>
        <source>Changes apply immediately and are saved automatically.</source>
        <translation>변경 사항은 즉시 적용되고 자동으로 저장됩니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="138"/>
        <source>General</source>
        <translation>일반</translation>
    </message>
</context>
<context>
    <name>qel::SleepBatteryChart</name>
    <message>
        <location filename="../../Sheets/Reports/SleepBatteryChart.cpp" line="64"/>
        <source>Battery level while asleep</source>
        <translation>절전 중 배터리 잔량</translation>
    </message>
</context>
<context>
    <name>qel::SleepLine</name>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>절전 보고서 보기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="57"/>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="68"/>
        <source>View</source>
        <translation>보기</translation>
    </message>
</context>
<context>
    <name>qel::SleepNote</name>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>절전 보고서 보기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="62"/>
        <source>%@  %@</source>
        <translation>%@  %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="68"/>
        <source>Asleep from %@ to %@</source>
        <translation>%@부터 %@까지 절전</translation>
    </message>
</context>
<context>
    <name>qel::SleepReport</name>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="33"/>
        <source>A sleep this long usually uses about %@%. This one used %@%.</source>
        <translation>이만큼 절전하면 보통 약 %@%를 씁니다. 이번에는 %@%를 썼습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="57"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="58"/>
        <source>Preventing sleep when the lid closed: %@</source>
        <translation>덮개를 닫을 때 절전 방지: %@</translation>
    </message>
</context>
<context>
    <name>qel::SleepRowButton</name>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="42"/>
        <source>View sleep report</source>
        <translation>절전 보고서 보기</translation>
    </message>
</context>
<context>
    <name>qel::SleepSheet</name>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="70"/>
        <source>Sleep report</source>
        <translation>절전 보고서</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="71"/>
        <source>Linux logs when the computer slept and woke, but not which app asked it to wake.</source>
        <translation>Linux는 컴퓨터가 절전하고 깨어난 시각은 기록하지만, 어느 앱이 깨웠는지는 기록하지 않습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="89"/>
        <source>Asleep from %@ to %@</source>
        <translation>%@부터 %@까지 절전</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="101"/>
        <source>Time asleep</source>
        <translation>절전 시간</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="102"/>
        <source>Battery used</source>
        <translation>배터리 사용량</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="103"/>
        <source>Wakes</source>
        <translation>깨어남</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="133"/>
        <source>What woke it</source>
        <translation>깨운 원인</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="136"/>
        <source>Linux does not log dark wakes, so no wakes are listed for this sleep.</source>
        <translation>Linux는 백그라운드 깨어남을 기록하지 않아 이번 절전에는 깨어남이 표시되지 않습니다.</translation>
    </message>
</context>
<context>
    <name>qel::StarMapView</name>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="46"/>
        <source>Network star map</source>
        <translation>네트워크 별자리 지도</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/StarMapView.cpp" line="48"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="55"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>온라인 앱 %n개</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="126"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="140"/>
        <source>This computer</source>
        <translation>이 컴퓨터</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="160"/>
        <source>None of your apps has a TCP connection right now</source>
        <translation>지금 TCP 연결이 있는 내 앱이 없음</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="161"/>
        <source>Per-app traffic unavailable</source>
        <translation>앱별 트래픽을 사용할 수 없음</translation>
    </message>
</context>
<context>
    <name>qel::Store</name>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="76"/>
        <location filename="../../Store/DayBrowsing.cpp" line="78"/>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="79"/>
        <source>Yesterday</source>
        <translation>어제</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="135"/>
        <source>%@, daily average</source>
        <translation>%@, 일 평균</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="138"/>
        <source>Now</source>
        <translation>지금</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="142"/>
        <source>%@ s ago</source>
        <translation>%@초 전</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="152"/>
        <location filename="../../Store/DayBrowsing.cpp" line="162"/>
        <source>History could not be erased</source>
        <translation>기록을 지울 수 없음</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="182"/>
        <source>History erased</source>
        <translation>기록 지워짐</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="183"/>
        <source>History erased, but traces of it may remain in the file: %@</source>
        <translation>기록을 지웠지만 파일에 흔적이 남아 있을 수 있습니다: %@</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="20"/>
        <source>CPU averaged %@ over these 10 minutes and peaked at %@.</source>
        <translation>이 10분 동안 CPU는 평균 %@, 최고 %@였습니다.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="23"/>
        <source> The top process at the time was %@ (%@%).</source>
        <translation> 당시 가장 많이 쓴 프로세스는 %@(%@%)였습니다.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="24"/>
        <source>CPU busy</source>
        <translation>CPU 바쁨</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="28"/>
        <source>Memory is tight</source>
        <translation>메모리 부족</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="29"/>
        <source>Memory pressure averaged %@% over these 10 minutes, with %@ in use.</source>
        <translation>이 10분 동안 메모리 압력은 평균 %@%였고, %@을(를) 사용했습니다.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="62"/>
        <source>Normal</source>
        <translation>정상</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="63"/>
        <source>Warm</source>
        <translation>따뜻함</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="64"/>
        <source>Hot</source>
        <translation>뜨거움</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="65"/>
        <source>Overheating</source>
        <translation>과열</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="67"/>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="73"/>
        <source>a process</source>
        <translation>프로세스</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>CPU is very busy</source>
        <translation>CPU가 매우 바쁨</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>%@ is using %@%. The fans may spin up.</source>
        <translation>%@이(가) %@% 사용 중입니다. 팬이 빨라질 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="78"/>
        <source>Computer is running hot</source>
        <translation>컴퓨터가 뜨거움</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="79"/>
        <source>The system is already slowing down to cool off. Stop the most power-hungry app first.</source>
        <translation>시스템이 이미 열을 식히려고 속도를 낮추고 있습니다. 전력을 가장 많이 쓰는 앱부터 멈추세요.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="81"/>
        <source>Memory is getting tight</source>
        <translation>메모리가 부족해지고 있음</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="82"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using will help.</source>
        <translation>시스템이 메모리를 압축하고 있습니다. 사용하지 않는 앱을 종료하면 도움이 됩니다.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>A bit busy</source>
        <translation>약간 바쁨</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>Mostly %@, at %@% CPU</source>
        <translation>주로 %@, CPU %@%</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="85"/>
        <source>Busier than usual</source>
        <translation>평소보다 바쁨</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="86"/>
        <source>CPU usage over these 10 minutes is %@× the usual for this time of day, mostly from %@.</source>
        <translation>이 10분 동안 CPU 사용량은 이 시간대 평소의 %@배이며, 주로 %@ 때문입니다.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="89"/>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>All calm</source>
        <translation>모두 안정적</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/DayStatus.cpp" line="90"/>
        <source>Qel noticed %n things today. Click a dot outside the ring to see what happened.</source>
        <translation>
            <numerusform>오늘 Qel이 %n개 항목을 발견했습니다. 링 바깥의 점을 클릭하면 무슨 일이 있었는지 볼 수 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>Drag the ring on the left to look back at the load at any time today.</source>
        <translation>왼쪽 링을 드래그하면 오늘 아무 때나의 부하를 되돌아볼 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="62"/>
        <source>Asked %@ to quit</source>
        <translation>%@에 종료를 요청함</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MemoryAdvice.cpp" line="64"/>
        <source>Asked %n apps to quit</source>
        <translation>
            <numerusform>앱 %n개에 종료를 요청함</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="66"/>
        <source>These apps didn&apos;t respond to the quit request</source>
        <translation>다음 앱이 종료 요청에 응답하지 않았습니다</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="39"/>
        <source>Background priority restored</source>
        <translation>백그라운드 우선순위 복원됨</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="43"/>
        <location filename="../../Store/Taming.cpp" line="147"/>
        <source>Couldn&apos;t restore the priority of %@</source>
        <translation>%@의 우선순위를 복원할 수 없음</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="53"/>
        <source>Background work is now throttled</source>
        <translation>이제 백그라운드 작업이 제한됨</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="71"/>
        <source>Normal sleep restored</source>
        <translation>일반 절전으로 복원됨</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="75"/>
        <source>Qel Keep Awake</source>
        <translation>Qel 깨어 있기</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="77"/>
        <source>Couldn&apos;t prevent sleep. The system refused the request.</source>
        <translation>절전을 막을 수 없습니다. 시스템이 요청을 거부했습니다.</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="82"/>
        <source>Won&apos;t sleep when idle for the next 2 hours</source>
        <translation>앞으로 2시간 동안 유휴 상태여도 절전하지 않습니다</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="88"/>
        <source>Alerts resumed</source>
        <translation>알림 재개됨</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="90"/>
        <source>Alerts paused for 1 hour</source>
        <translation>1시간 동안 알림이 일시 중지됨</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="98"/>
        <source>Until %@</source>
        <translation>%@까지</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="99"/>
        <source>No idle sleep for 2 h</source>
        <translation>2시간 동안 유휴 절전 안 함</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="103"/>
        <source>Resumes at %@</source>
        <translation>%@에 재개</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="104"/>
        <source>%n on</source>
        <translation>
            <numerusform>%n개 켬</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="109"/>
        <source>%n throttled</source>
        <translation>
            <numerusform>%n개 제한됨</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="108"/>
        <source>Throttle heavy work</source>
        <translation>무거운 작업 제한</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="110"/>
        <source>On</source>
        <translation>켬</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="118"/>
        <source>Mem </source>
        <translation>메모리 </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="187"/>
        <source>Quiet mode and taming are idle: this desktop doesn&apos;t tell which app is in front.</source>
        <translation>조용한 모드와 앱 제어가 작동하지 않습니다. 이 데스크톱은 어떤 앱이 앞에 있는지 알려 주지 않습니다.</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="192"/>
        <location filename="../../Store/Tick.cpp" line="111"/>
        <source>Process %@</source>
        <translation>프로세스 %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Force-quit %@</source>
        <translation>%@ 강제 종료</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Ended %@</source>
        <translation>%@ 끝냄</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Force-quit %n processes</source>
        <translation>
            <numerusform>프로세스 %n개 강제 종료함</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Ended %n processes</source>
        <translation>
            <numerusform>프로세스 %n개 끝냄</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t force-quit %@</source>
        <translation>%@을(를) 강제 종료할 수 없음</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t end %@</source>
        <translation>%@을(를) 끝낼 수 없음</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="60"/>
        <source>Alerted once today at %@</source>
        <translation>오늘 %@에 한 번 알림</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="75"/>
        <source>an unknown process</source>
        <translation>알 수 없는 프로세스</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="76"/>
        <source>CPU usage is %@. The top process is %@.</source>
        <translation>CPU 사용량은 %@입니다. 가장 많이 쓰는 프로세스는 %@입니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="79"/>
        <source>Memory pressure is %@%. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>메모리 압력이 %@%입니다. 사용하지 않는 앱을 종료하면 앱 전환이 부드러워집니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="83"/>
        <source>Only %@ left on the system disk.</source>
        <translation>시스템 디스크에 %@만 남았습니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="86"/>
        <source>The system is slowing down to cool off. Stop the most power-hungry app, or give the computer some airflow.</source>
        <translation>시스템이 열을 식히려고 속도를 낮추고 있습니다. 전력을 가장 많이 쓰는 앱을 멈추거나 컴퓨터의 통풍을 확보하세요.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="91"/>
        <source>Battery at %@%. Remember to plug in.</source>
        <translation>배터리가 %@%입니다. 전원을 연결하세요.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="94"/>
        <source>%@ is using %@% CPU.</source>
        <translation>%@이(가) CPU를 %@% 사용 중입니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="110"/>
        <source>Qel alert</source>
        <translation>Qel 알림</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="97"/>
        <source>Saving the day before sleep</source>
        <translation>절전 전에 오늘 기록 저장 중</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="240"/>
        <source>Slept %@</source>
        <translation>%@ 동안 절전</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="242"/>
        <source>battery −%@%</source>
        <translation>배터리 −%@%</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="243"/>
        <source>wakes: %@</source>
        <translation>깨어남: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="65"/>
        <source>The settings file could not be read. It was kept as %@ and the settings start from their defaults.</source>
        <translation>설정 파일을 읽을 수 없습니다. %@(으)로 보관하고 설정을 기본값으로 시작합니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="68"/>
        <source>The settings file %@ can&apos;t be read (%@). The settings start from their defaults and changes are not saved, so the file stays as it is.</source>
        <translation>설정 파일 %@을(를) 읽을 수 없습니다(%@). 설정은 기본값으로 시작하며 변경 사항은 저장되지 않으므로 파일은 그대로 유지됩니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="42"/>
        <source>The settings could not be saved: %@ would grow past 1 MB, more than Qel reads back. The changes hold until Qel quits.</source>
        <translation>설정을 저장할 수 없습니다: %@이(가) 1MB를 넘어 Qel이 다시 읽을 수 있는 크기를 초과합니다. 변경 사항은 Qel을 종료할 때까지 유지됩니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="297"/>
        <source>The history file could not be used. It was kept as %@ and a new one started.</source>
        <translation>기록 파일을 사용할 수 없습니다. %@(으)로 보관하고 새 파일을 시작했습니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="301"/>
        <source>History is not saved this run: the history file is from a newer version of Qel and is left as it is.</source>
        <translation>이번 실행에서는 기록을 저장하지 않습니다. 기록 파일이 더 새로운 버전의 Qel에서 만들어져 그대로 둡니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="304"/>
        <source>History can&apos;t be saved: %@</source>
        <translation>기록을 저장할 수 없습니다: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="307"/>
        <source>History can&apos;t be saved for now: %@. Qel keeps it and saves it once the disk has room again.</source>
        <translation>지금은 기록을 저장할 수 없습니다: %@. Qel이 기록을 보관하다가 디스크에 공간이 생기면 저장합니다.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="312"/>
        <source>History could not be saved: %@</source>
        <translation>기록을 저장하지 못했습니다: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="315"/>
        <source>History could not be read: %@</source>
        <translation>기록을 읽을 수 없습니다: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="19"/>
        <source>Marking started. Click End when you&apos;re done.</source>
        <translation>표시를 시작했습니다. 끝나면 종료를 클릭하세요.</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="38"/>
        <source>Marked at %@</source>
        <translation>%@에 표시함</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="84"/>
        <source>Mark deleted</source>
        <translation>표시 삭제됨</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="196"/>
        <source>Removed the rule for %@, but it stays slowed until it restarts</source>
        <translation>%@ 규칙을 삭제했지만 다시 시작할 때까지 느린 상태로 유지됩니다</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="197"/>
        <source>Removed the rule for %@</source>
        <translation>%@ 규칙을 삭제함</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="207"/>
        <source>%@ will slow down when it&apos;s not in front</source>
        <translation>%@은(는) 앞에 있지 않을 때 느려집니다</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="208"/>
        <source>%@ will pause when it&apos;s not in front</source>
        <translation>%@은(는) 앞에 있지 않을 때 일시 정지됩니다</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="44"/>
        <source>The thin line is the usual CPU load at this time of day (from the last %n days)</source>
        <translation>
            <numerusform>가는 선은 이 시간대의 평소 CPU 부하입니다(최근 %n일 기준)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="45"/>
        <source>After %n more days of history, the ring will show a reference line for your usual load</source>
        <translation>
            <numerusform>기록이 %n일 더 쌓이면 링에 평소 부하 기준선이 표시됩니다</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::StretchButton</name>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="54"/>
        <source>Mark a stretch</source>
        <translation>구간 표시</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="55"/>
        <source>End</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="56"/>
        <source>End this stretch and see its summary</source>
        <translation>이 구간을 끝내고 요약 보기</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="57"/>
        <source>Mark a stretch of time: Qel sums up what happened between start and end</source>
        <translation>시간 구간 표시: Qel이 시작부터 끝까지 일어난 일을 요약합니다</translation>
    </message>
</context>
<context>
    <name>qel::StretchSheet</name>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="66"/>
        <source>Marks stay on the outside of the ring so you can look back.</source>
        <translation>표시는 링 바깥에 남아 나중에 되돌아볼 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="87"/>
        <source>Name this stretch</source>
        <translation>이 구간 이름 지정</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="101"/>
        <source>CPU peak</source>
        <translation>CPU 최고</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="102"/>
        <source>CPU average</source>
        <translation>CPU 평균</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="103"/>
        <source>Energy used</source>
        <translation>사용한 에너지</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="111"/>
        <source>CPU usage during this stretch</source>
        <translation>이 구간의 CPU 사용량</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="120"/>
        <source>Who used the most</source>
        <translation>가장 많이 사용한 항목</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="135"/>
        <source>Other marks that day</source>
        <translation>그날의 다른 표시</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="157"/>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>Delete this mark</source>
        <translation>이 표시 삭제</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="160"/>
        <source>Delete this mark?</source>
        <translation>이 표시를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>This can&apos;t be undone.</source>
        <translation>되돌릴 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>qel::TameControl</name>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="70"/>
        <source>When not in front</source>
        <translation>앞에 있지 않을 때</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Leave alone</source>
        <translation>그대로 두기</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Slow down</source>
        <translation>느리게</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
</context>
<context>
    <name>qel::TameRuleRow</name>
    <message>
        <location filename="../../Sheets/Settings/TameRuleRow.cpp" line="38"/>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>qel::TameRulesSection</name>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="29"/>
        <source>When not in front</source>
        <translation>앞에 있지 않을 때</translation>
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
        <translation>방금 일어난 일: 최근 60초 다시 보기 (Ctrl+Alt+E)</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="20"/>
        <source>What just happened</source>
        <translation>방금 일어난 일</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="21"/>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>qel::UpdateNotices</name>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="49"/>
        <source>Update to %@</source>
        <translation>%@(으)로 업데이트</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="50"/>
        <source>A new version of Qel is ready. Click to open its download page.</source>
        <translation>새 버전의 Qel이 준비되었습니다. 클릭하면 다운로드 페이지가 열립니다.</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="52"/>
        <source>What&apos;s new</source>
        <translation>새로운 기능</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="53"/>
        <source>Qel was updated. See what changed.</source>
        <translation>Qel이 업데이트되었습니다. 변경 사항을 확인하세요.</translation>
    </message>
</context>
<context>
    <name>qel::Updater</name>
    <message>
        <location filename="../../Updates/Updater.cpp" line="137"/>
        <source>The download page could not be opened: %@</source>
        <translation>다운로드 페이지를 열 수 없습니다: %@</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="193"/>
        <source>Qel could not reach the update feed.</source>
        <translation>Qel이 업데이트 피드에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="192"/>
        <location filename="../../Updates/Updater.cpp" line="195"/>
        <source>The update feed could not be read.</source>
        <translation>업데이트 피드를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="203"/>
        <source>Qel %@ is available.</source>
        <translation>Qel %@을(를) 사용할 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="205"/>
        <source>Qel %@ is the newest version.</source>
        <translation>Qel %@이(가) 최신 버전입니다.</translation>
    </message>
</context>
<context>
    <name>qel::WakeKind</name>
    <message>
        <location filename="../../History/WakeKind.cpp" line="43"/>
        <source>Scheduled background maintenance</source>
        <translation>예약된 백그라운드 유지 관리</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="44"/>
        <source>Woken by the network</source>
        <translation>네트워크가 깨움</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="45"/>
        <source>Woken by a USB or Bluetooth device</source>
        <translation>USB 또는 Bluetooth 기기가 깨움</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="46"/>
        <source>Power adapter plugged in or unplugged</source>
        <translation>전원 어댑터 연결 또는 분리</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="47"/>
        <source>Lid opened or a key pressed</source>
        <translation>덮개를 열거나 키를 누름</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="50"/>
        <source>Woken by the system</source>
        <translation>시스템이 깨움</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="56"/>
        <source>A timer set to wake the computer (an RTC alarm, such as a systemd timer with WakeSystem=true) woke it for a moment. “systemctl list-timers” lists the timers; turning off the one that wakes it stops this.</source>
        <translation>컴퓨터를 깨우도록 설정된 타이머(WakeSystem=true인 systemd 타이머 같은 RTC 알람)가 컴퓨터를 잠시 깨웠습니다. “systemctl list-timers”로 타이머 목록을 볼 수 있으며, 깨우는 타이머를 끄면 멈춥니다.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="60"/>
        <source>Something on the network kept waking the computer (wake-on-LAN or wake-on-WLAN). Turning wake-on-LAN off for the network card, with “ethtool -s &lt;interface&gt; wol d” or in the firmware settings, stops this.</source>
        <translation>네트워크의 무언가가 컴퓨터를 계속 깨웠습니다(wake-on-LAN 또는 wake-on-WLAN). “ethtool -s &lt;interface&gt; wol d” 명령이나 펌웨어 설정에서 네트워크 카드의 wake-on-LAN을 끄면 멈춥니다.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="64"/>
        <source>A connected USB or Bluetooth device woke the computer. Unplugging it, or turning the device off overnight, stops this.</source>
        <translation>연결된 USB 또는 Bluetooth 기기가 컴퓨터를 깨웠습니다. 기기를 분리하거나 밤에는 꺼 두면 멈춥니다.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="67"/>
        <source>Plugging in or unplugging the power adapter wakes the computer for a moment. That is normal.</source>
        <translation>전원 어댑터를 연결하거나 분리하면 컴퓨터가 잠시 깨어납니다. 정상입니다.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="69"/>
        <source>Opening the lid or pressing a key wakes the computer. That is normal.</source>
        <translation>덮개를 열거나 키를 누르면 컴퓨터가 깨어납니다. 정상입니다.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="72"/>
        <source>These wakes came from the firmware or the kernel. The kernel log (“journalctl -k”) and /proc/acpi/wakeup tell which device may be waking the computer.</source>
        <translation>이 깨어남은 펌웨어나 커널에서 왔습니다. 커널 로그(“journalctl -k”)와 /proc/acpi/wakeup에서 어떤 기기가 컴퓨터를 깨우는지 알 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>qel::WakeRow</name>
    <message>
        <location filename="../../Pages/Energy/WakeRow.cpp" line="57"/>
        <source>Details</source>
        <translation>세부 정보</translation>
    </message>
</context>
<context>
    <name>qel::WhatsNewSheet</name>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="88"/>
        <source>What&apos;s new</source>
        <translation>새로운 기능</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="28"/>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="52"/>
        <source>just now</source>
        <translation>방금</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="29"/>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="53"/>
        <source>%@ s ago</source>
        <translation>%@초 전</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="26"/>
        <source>used just now</source>
        <translation>방금 사용함</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="27"/>
        <source>unused for %@ min</source>
        <translation>%@분 동안 사용 안 함</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="28"/>
        <source>unused for %@ h</source>
        <translation>%@시간 동안 사용 안 함</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="31"/>
        <source>not used since Qel started</source>
        <translation>Qel 시작 후 사용 안 함</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="32"/>
        <source>unused for at least %@ min</source>
        <translation>%@분 이상 사용 안 함</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="33"/>
        <source>unused for at least %@ h</source>
        <translation>%@시간 이상 사용 안 함</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="83"/>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="84"/>
        <source>Logo</source>
        <translation>로고</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="85"/>
        <source>Load ring</source>
        <translation>부하 링</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="86"/>
        <source>Bars</source>
        <translation>막대</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="87"/>
        <source>Gauge</source>
        <translation>게이지</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="88"/>
        <source>Line</source>
        <translation>선</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="89"/>
        <source>Dot</source>
        <translation>점</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="90"/>
        <source>Cat</source>
        <translation>고양이</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="91"/>
        <source>Dog</source>
        <translation>강아지</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="92"/>
        <source>Slime</source>
        <translation>슬라임</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="93"/>
        <source>Drop</source>
        <translation>물방울</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="94"/>
        <source>Coffee</source>
        <translation>커피</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="95"/>
        <source>Newton&apos;s cradle</source>
        <translation>뉴턴의 요람</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="96"/>
        <source>Engine</source>
        <translation>엔진</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="97"/>
        <source>Mochi</source>
        <translation>떡</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="104"/>
        <source>The Qel logo, turning into the load ring when the CPU is busy</source>
        <translation>CPU가 바쁠 때 부하 링으로 바뀌는 Qel 로고</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="105"/>
        <source>Always the Qel logo</source>
        <translation>항상 Qel 로고</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="106"/>
        <source>CPU usage over the last 20 seconds, as a ring</source>
        <translation>최근 20초 CPU 사용량을 링으로</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="107"/>
        <source>CPU usage over the last 9 seconds, as bars</source>
        <translation>최근 9초 CPU 사용량을 막대로</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="108"/>
        <source>An arc that fills up to the current CPU usage</source>
        <translation>현재 CPU 사용량만큼 채워지는 호</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="109"/>
        <source>CPU usage over the last 20 seconds, as a line</source>
        <translation>최근 20초 CPU 사용량을 선으로</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="110"/>
        <source>A dot that grows as the CPU gets busier</source>
        <translation>CPU가 바빠질수록 커지는 점</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="111"/>
        <source>A running cat that speeds up as the CPU gets busier</source>
        <translation>CPU가 바빠질수록 빨리 달리는 고양이</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="112"/>
        <source>A running dog that speeds up as the CPU gets busier</source>
        <translation>CPU가 바빠질수록 빨리 달리는 강아지</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="113"/>
        <source>A slime that stretches faster as the CPU gets busier</source>
        <translation>CPU가 바빠질수록 빠르게 늘어나는 슬라임</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="114"/>
        <source>A drop that ripples faster as the CPU gets busier</source>
        <translation>CPU가 바빠질수록 물결이 빨라지는 물방울</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="115"/>
        <source>A cup of coffee that steams faster as the CPU gets busier</source>
        <translation>CPU가 바빠질수록 김이 빨리 오르는 커피 한 잔</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="116"/>
        <source>A Newton&apos;s cradle that swings faster as the CPU gets busier</source>
        <translation>CPU가 바빠질수록 빠르게 흔들리는 뉴턴의 요람</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="117"/>
        <source>An engine that runs faster as the CPU gets busier</source>
        <translation>CPU가 바빠질수록 빠르게 도는 엔진</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="118"/>
        <source>A mochi being pounded faster as the CPU gets busier</source>
        <translation>CPU가 바빠질수록 빠르게 찧는 떡</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="17"/>
        <source>Nothing unusual in the last 60 seconds</source>
        <translation>최근 60초 동안 특이 사항 없음</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="21"/>
        <source>Pressure %@%</source>
        <translation>압력 %@%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="31"/>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="35"/>
        <source>This computer has no battery</source>
        <translation>이 컴퓨터에는 배터리가 없습니다</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="36"/>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="38"/>
        <source>On AC power</source>
        <translation>전원 연결됨</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="37"/>
        <source>about %@ left</source>
        <translation>약 %@ 남음</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="38"/>
        <source>On battery</source>
        <translation>배터리 사용 중</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="44"/>
        <source>Just booted</source>
        <translation>방금 부팅됨</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="45"/>
        <source>Up %@ h</source>
        <translation>%@시간째 가동 중</translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="46"/>
        <source>Up %n days</source>
        <translation>
            <numerusform>%n일째 가동 중</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="57"/>
        <source>%n things worth a look. Click a dot.</source>
        <translation>
            <numerusform>살펴볼 항목 %n개. 점을 클릭하세요.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="56"/>
        <source>Nothing worth a look yet</source>
        <translation>아직 살펴볼 항목이 없음</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="90"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="91"/>
        <source>%@ battery low</source>
        <translation>%@ 배터리 부족</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="37"/>
        <source>Load average %.2f</source>
        <translation>평균 부하 %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="38"/>
        <source>%@, %@ is using the most</source>
        <translation>%@, %@이(가) 가장 많이 사용 중</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="39"/>
        <source>%@, %@</source>
        <translation>%@, %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="89"/>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>Internal</source>
        <translation>내장</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>External</source>
        <translation>외장</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="54"/>
        <source>Whole-computer power, measured by the battery.</source>
        <translation>배터리로 측정한 컴퓨터 전체 전력입니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="55"/>
        <source>Measured energy isn&apos;t available. This is estimated from CPU usage.</source>
        <translation>측정된 에너지를 사용할 수 없습니다. CPU 사용량으로 추정한 값입니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="61"/>
        <source>Process %@</source>
        <translation>프로세스 %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="67"/>
        <source>Unavailable</source>
        <translation>사용할 수 없음</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="40"/>
        <source>GPU usage isn&apos;t available on this computer. It can be read from AMD graphics and from NVIDIA&apos;s driver.</source>
        <translation>이 컴퓨터에서는 GPU 사용량을 볼 수 없습니다. AMD 그래픽과 NVIDIA 드라이버에서는 읽을 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="43"/>
        <source>The GPU is close to full load. That&apos;s normal while rendering, exporting video or gaming.</source>
        <translation>GPU가 거의 최대 부하입니다. 렌더링, 동영상 내보내기, 게임 중에는 정상입니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="44"/>
        <source>The GPU is working, with headroom left.</source>
        <translation>GPU가 작업 중이며 여유가 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="45"/>
        <source>The GPU is mostly idle.</source>
        <translation>GPU가 대부분 유휴 상태입니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="36"/>
        <source>Memory has run short. Quit the apps using the most first.</source>
        <translation>메모리가 부족합니다. 가장 많이 쓰는 앱부터 종료하세요.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="38"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>시스템이 메모리를 압축하고 있습니다. 사용하지 않는 앱을 종료하면 앱 전환이 부드러워집니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="39"/>
        <source>There&apos;s enough memory. Nothing to do.</source>
        <translation>메모리가 충분합니다. 할 일이 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="48"/>
        <source>Quitting these apps you aren&apos;t using frees the most memory.</source>
        <translation>사용하지 않는 이 앱들을 종료하면 메모리를 가장 많이 확보할 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="49"/>
        <source>No background apps worth quitting. Most memory is used by the app you&apos;re using, or by the system.</source>
        <translation>종료할 만한 백그라운드 앱이 없습니다. 메모리 대부분은 사용 중인 앱이나 시스템이 쓰고 있습니다.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="56"/>
        <source>Quit these %n and free about %@</source>
        <translation>
            <numerusform>이 %n개 종료하고 약 %@ 확보</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="49"/>
        <source>%n ports, %@ open to the local network</source>
        <translation>
            <numerusform>포트 %n개, 로컬 네트워크에 열림 %@개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="50"/>
        <source>%n ports</source>
        <translation>
            <numerusform>포트 %n개</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="55"/>
        <source>Reading listening ports…</source>
        <translation>수신 대기 포트 읽는 중…</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="56"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>시스템 lsof 명령을 실행할 수 없어 수신 대기 포트를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="58"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>지금 포트에서 수신 대기 중인 내 계정 프로세스가 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="60"/>
        <source>No process under your account is listening on port %@. A system service may still be using it.</source>
        <translation>포트 %@에서 수신 대기 중인 내 계정 프로세스가 없습니다. 시스템 서비스가 사용 중일 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="62"/>
        <source>No listening process has “%@” in its name.</source>
        <translation>이름에 “%@”이(가) 들어간 수신 대기 프로세스가 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="40"/>
        <source>Usually busiest around %@:00.</source>
        <translation>보통 %@:00쯤 가장 바쁩니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="42"/>
        <source>Usually busiest around %@:00 and %@:00.</source>
        <translation>보통 %@:00와 %@:00쯤 가장 바쁩니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="43"/>
        <source>It hasn&apos;t been busy enough to show a pattern.</source>
        <translation>패턴을 보일 만큼 바쁘지 않았습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="30"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It recovers as soon as you switch back.</source>
        <translation>다른 앱으로 전환하면 %@의 모든 프로세스가 백그라운드 우선순위로 내려갑니다. 다시 전환하면 바로 복구됩니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="33"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It can&apos;t be raised again until %@ restarts.</source>
        <translation>다른 앱으로 전환하면 %@의 모든 프로세스가 백그라운드 우선순위로 내려갑니다. %@을(를) 다시 시작할 때까지 되돌릴 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="36"/>
        <source> %n processes are slowed right now.</source>
        <translation>
            <numerusform> 지금 프로세스 %n개가 느려져 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="43"/>
        <source> %n processes are paused right now.</source>
        <translation>
            <numerusform> 지금 프로세스 %n개가 일시 정지되어 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="49"/>
        <source> %@ stays slowed until it restarts.</source>
        <translation> %@은(는) 다시 시작할 때까지 느린 상태로 유지됩니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="50"/>
        <source> Slowing it down can&apos;t be undone until %@ restarts.</source>
        <translation> 느리게 하면 %@을(를) 다시 시작할 때까지 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="40"/>
        <source>After you switch to another app, %@ pauses completely and uses no CPU. While paused it won&apos;t play sound, download or receive messages. It resumes when you switch back.</source>
        <translation>다른 앱으로 전환하면 %@은(는) 완전히 일시 정지되어 CPU를 쓰지 않습니다. 일시 정지 중에는 소리 재생, 다운로드, 메시지 수신을 하지 않습니다. 다시 전환하면 재개됩니다.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="46"/>
        <source>%@ can slow down or pause automatically after you switch to another app. That saves power and keeps the front app smooth.</source>
        <translation>%@은(는) 다른 앱으로 전환하면 자동으로 느려지거나 일시 정지될 수 있습니다. 전력을 아끼고 앞에 있는 앱을 부드럽게 유지합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Pauses after you switch away</source>
        <translation>다른 앱으로 전환하면 일시 정지</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Slows down after you switch away</source>
        <translation>다른 앱으로 전환하면 느려짐</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="30"/>
        <source>Normal</source>
        <translation>정상</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="31"/>
        <source>Warm</source>
        <translation>따뜻함</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="32"/>
        <source>Hot</source>
        <translation>뜨거움</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="33"/>
        <source>Overheating</source>
        <translation>과열</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="35"/>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="29"/>
        <source>%n alerts on. </source>
        <translation>
            <numerusform>알림 %n개 켬. </numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="30"/>
        <source>Alerts appear in the Qel window and as desktop notifications.</source>
        <translation>알림은 Qel 창과 데스크톱 알림으로 표시됩니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="31"/>
        <source>No notification service is running on this desktop, so alerts only appear in the Qel window.</source>
        <translation>이 데스크톱에는 실행 중인 알림 서비스가 없어 알림은 Qel 창에만 표시됩니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="42"/>
        <source>Deletes every recorded day with its marks and app usage, the recorded sleeps and stretches, and the usual baseline. Settings and rules are kept. This can&apos;t be undone.</source>
        <translation>기록된 모든 날과 그 표시 및 앱 사용량, 기록된 절전과 구간, 평소 기준을 삭제합니다. 설정과 규칙은 유지됩니다. 이 작업은 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="79"/>
        <source>less than 1 MB</source>
        <translation>1MB 미만</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="54"/>
        <source>Peak %@% (%@), average %@%</source>
        <translation>최고 %@%(%@), 평균 %@%</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="11"/>
        <source>The license text could not be loaded.</source>
        <translation>라이선스 텍스트를 불러올 수 없습니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="24"/>
        <source>Battery dropped %@% while asleep</source>
        <translation>절전 중 배터리가 %@% 줄었습니다</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="25"/>
        <source>Slept %@</source>
        <translation>%@ 동안 절전</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="45"/>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="17"/>
        <source>%@ s</source>
        <translation>%@초</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="49"/>
        <source>awake for %@</source>
        <translation>%@ 동안 깨어 있음</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="22"/>
        <source>That is %@× the usual for this time of day.</source>
        <translation>이 시간대 평소의 %@배입니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="23"/>
        <source>That is about the usual for this time of day.</source>
        <translation>이 시간대 평소와 비슷합니다.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="33"/>
        <source>%@–%@, lasted %@.</source>
        <translation>%@–%@, %@ 동안.</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="24"/>
        <source>%@ min</source>
        <translation>%@분</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="26"/>
        <source>%@ h</source>
        <translation>%@시간</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="27"/>
        <source>%@ h %@ min</source>
        <translation>%@시간 %@분</translation>
    </message>
    <message>
        <location filename="../../Kit/PageText.cpp" line="22"/>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <location filename="../../Kit/PageText.cpp" line="25"/>
        <source>Bluetooth devices</source>
        <translation>Bluetooth 기기</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="9"/>
        <source>%@ keeps using more memory</source>
        <translation>%@의 메모리 사용량이 계속 늘어남</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="10"/>
        <source>%@ has been busy in the background</source>
        <translation>%@이(가) 백그라운드에서 바쁘게 동작 중</translation>
    </message>
    <message numerus="yes">
        <location filename="../../History/FindingFacts.cpp" line="15"/>
        <source>Over the past %n minutes, the memory of %@ grew from %@ to %@ without dropping, which may be a memory leak. Reopening the app frees it.</source>
        <translation>
            <numerusform>지난 %n분 동안 %@의 메모리가 줄지 않고 %@에서 %@(으)로 늘었습니다. 메모리 누수일 수 있습니다. 앱을 다시 열면 해제됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="18"/>
        <source>%@ isn&apos;t in the foreground but has used %@% of the CPU for 3 minutes straight. If you didn&apos;t ask it to work in the background, you can quit it.</source>
        <translation>%@은(는) 앞에 있지 않지만 3분 연속 CPU를 %@% 사용했습니다. 백그라운드 작업을 요청하지 않았다면 종료해도 됩니다.</translation>
    </message>
</context>
</TS>
