<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>qel</name>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="58"/>
        <source>%n years</source>
        <translation>
            <numerusform>%n año</numerusform>
            <numerusform>%n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="59"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
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
        <translation>Otro programa ya usa Ctrl+Alt+E. Asigna en su lugar el comando qel --replay a una tecla en los ajustes de teclado de tu escritorio.</translation>
    </message>
    <message>
        <location filename="../../MenuBar/HotKey.cpp" line="136"/>
        <source>This desktop doesn&apos;t let Qel listen for Ctrl+Alt+E. Bind the command qel --replay to a key in your desktop&apos;s keyboard settings instead.</source>
        <translation>Este escritorio no permite que Qel detecte Ctrl+Alt+E. Asigna en su lugar el comando qel --replay a una tecla en los ajustes de teclado de tu escritorio.</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Measured</source>
        <translation>Medida</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Process sum</source>
        <translation>Suma de procesos</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="72"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="25"/>
        <source>Compressed</source>
        <translation>Comprimida</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="71"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="26"/>
        <source>Kernel &amp; locked</source>
        <translation>Núcleo y bloqueada</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="67"/>
        <source>%@ available</source>
        <translation>%@ disponibles</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="71"/>
        <source>%@ used of %@</source>
        <translation>%@ usados de %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="76"/>
        <source>No battery</source>
        <translation>Sin batería</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On battery</source>
        <translation>Con batería</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On AC power</source>
        <translation>Con corriente</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="78"/>
        <source>, charging</source>
        <translation>, cargando</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="79"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="80"/>
        <source>Unavailable</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="83"/>
        <source>Not charging</source>
        <translation>Sin cargar</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="153"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="97"/>
        <source>Process %@</source>
        <translation>Proceso %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="98"/>
        <source>Keeping the display on</source>
        <translation>Manteniendo la pantalla encendida</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="99"/>
        <source>Keeps the computer awake when idle or with the lid closed</source>
        <translation>Mantiene el ordenador activo en inactividad o con la tapa cerrada</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="20"/>
        <source>Thermal state: %@</source>
        <translation>Estado térmico: %@</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="25"/>
        <source>Battery %@%</source>
        <translation>Batería %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="26"/>
        <source>, on AC power</source>
        <translation>, conectado a la corriente</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="32"/>
        <source>%@ disk free</source>
        <translation>%@ libres en disco</translation>
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
        <translation>Memoria</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="80"/>
        <location filename="../../Kit/PageTable.cpp" line="46"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="44"/>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="85"/>
        <location filename="../../Kit/PageTable.cpp" line="40"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="45"/>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="53"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="47"/>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="57"/>
        <source>Energy (est.)</source>
        <translation>Energía (est.)</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="67"/>
        <source>Unknown path</source>
        <translation>Ruta desconocida</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="17"/>
        <source>No profile for this process</source>
        <translation>No hay perfil para este proceso</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="18"/>
        <source>Qel keeps long-term profiles for apps only, not for individual system processes.</source>
        <translation>Qel solo guarda perfiles a largo plazo de apps, no de procesos del sistema individuales.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="19"/>
        <source>Qel keeps long-term profiles for apps only, and this program doesn&apos;t belong to one.</source>
        <translation>Qel solo guarda perfiles a largo plazo de apps, y este programa no pertenece a ninguna.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>No notable change</source>
        <translation>Sin cambios notables</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>Its usage has stayed within its own usual range.</source>
        <translation>Su uso se ha mantenido dentro de su rango habitual.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="29"/>
        <source>Lighter since the update to %@</source>
        <translation>Más ligera desde la actualización a %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="30"/>
        <source>Since it updated on %@, it uses %@% less memory on average than before.</source>
        <translation>Desde que se actualizó el %@, usa de media un %@&#xa0;% menos de memoria que antes.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="33"/>
        <source>Heavier since the update to %@</source>
        <translation>Más pesada desde la actualización a %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="34"/>
        <source>Since it updated on %@, it uses %@% more memory on average than before.</source>
        <translation>Desde que se actualizó el %@, usa de media un %@&#xa0;% más de memoria que antes.</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="28"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>No se pueden leer los puertos a la escucha porque no se puede ejecutar el comando lsof del sistema.</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="32"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>Ahora mismo ningún proceso de tu cuenta está a la escucha en un puerto.</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="39"/>
        <location filename="../../Pages/Network/PortList.cpp" line="68"/>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="45"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>Solo puertos de procesos de tu cuenta. Para ver los de los servicios del sistema hacen falta permisos de administrador.</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="43"/>
        <source>Processor</source>
        <translation>Procesador</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="44"/>
        <source>Chip</source>
        <translation>Chip</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="45"/>
        <location filename="../../App/SampleReport.cpp" line="98"/>
        <source>Cores</source>
        <translation>Núcleos</translation>
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
            <numerusform>%n lógico</numerusform>
            <numerusform>%n lógicos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n performance</source>
        <translation>
            <numerusform>%n de rendimiento</numerusform>
            <numerusform>%n de rendimiento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n efficiency</source>
        <translation>
            <numerusform>%n de eficiencia</numerusform>
            <numerusform>%n de eficiencia</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="49"/>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>Load over one second</source>
        <translation>Carga en un segundo</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="50"/>
        <source>%@ (user %@, system %@)</source>
        <translation>%@ (usuario %@, sistema %@)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="53"/>
        <source>Per core</source>
        <translation>Por núcleo</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>can&apos;t be read here (no processor counters)</source>
        <translation>no se puede leer aquí (sin contadores del procesador)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="57"/>
        <source>Load average, one minute</source>
        <translation>Carga media de un minuto</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="58"/>
        <source>Thermal state</source>
        <translation>Estado térmico</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="59"/>
        <source>%@ (no thermal zones here)</source>
        <translation>%@ (aquí no hay zonas térmicas)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="66"/>
        <location filename="../../App/SampleReport.cpp" line="69"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="66"/>
        <location filename="../../App/SampleReport.cpp" line="129"/>
        <source>can&apos;t be read here</source>
        <translation>no se puede leer aquí</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="70"/>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="73"/>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="74"/>
        <source>Swap used</source>
        <translation>Swap usado</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>Over one second</source>
        <translation>En un segundo</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <source>down %@, up %@</source>
        <translation>bajada %@, subida %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>Addresses</source>
        <translation>Direcciones</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>none on a physical interface</source>
        <translation>ninguna en una interfaz física</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="84"/>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>read %@, write %@</source>
        <translation>lectura %@, escritura %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="90"/>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="93"/>
        <location filename="../../App/SampleReport.cpp" line="96"/>
        <source>Use</source>
        <translation>Uso</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="93"/>
        <source>no graphics processor reports its use here</source>
        <translation>ningún procesador gráfico informa aquí de su uso</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="98"/>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>not reported</source>
        <translation>no indicado</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="103"/>
        <source>Battery and power</source>
        <translation>Batería y alimentación</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="107"/>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="151"/>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>%@, %@</source>
        <translation>%@, %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>charging</source>
        <translation>cargando</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on AC</source>
        <translation>con corriente</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on battery</source>
        <translation>con batería</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <source>Cycles</source>
        <translation>Ciclos</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <source>Energy left</source>
        <translation>Energía restante</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <source>Charger rating</source>
        <translation>Potencia del cargador</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>Power in</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>Charging power</source>
        <translation>Potencia de carga</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>not charging or not reported</source>
        <translation>sin cargar o no indicado</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="120"/>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>Power draw</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <source>can&apos;t be read here (no battery to measure it)</source>
        <translation>no se puede leer aquí (no hay batería que lo mida)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>can&apos;t be read here (measured only while on battery)</source>
        <translation>no se puede leer aquí (solo se mide con batería)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="127"/>
        <source>Storage</source>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="129"/>
        <location filename="../../App/SampleReport.cpp" line="131"/>
        <source>System disk</source>
        <translation>Disco del sistema</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="131"/>
        <location filename="../../App/SampleReport.cpp" line="139"/>
        <source>%@ total, %@ free</source>
        <translation>%@ en total, %@ libres</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="134"/>
        <source>Volumes</source>
        <translation>Volúmenes</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="134"/>
        <source>none found</source>
        <translation>no se encontró ninguno</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>internal</source>
        <translation>interno</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>external</source>
        <translation>externo</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="137"/>
        <source>system volume</source>
        <translation>volumen del sistema</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="138"/>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="145"/>
        <source>Kept awake by</source>
        <translation>Mantenido activo por</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="148"/>
        <location filename="../../App/SampleReport.cpp" line="151"/>
        <source>Holders</source>
        <translation>Bloqueos</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="148"/>
        <source>can&apos;t be read here (logind does not answer on the system bus)</source>
        <translation>no se puede leer aquí (logind no responde en el bus del sistema)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="154"/>
        <source>unnamed</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>Todo el ordenador</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Temperature and battery</source>
        <translation>Temperatura y batería</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Single process</source>
        <translation>Un solo proceso</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="42"/>
        <source>When these things happen, Qel tells you which process it is and what to do. Short spikes won&apos;t bother you.</source>
        <translation>Cuando ocurre algo así, Qel te dice qué proceso es y qué hacer. Los picos breves no te molestarán.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="52"/>
        <source>Pause alerts for 1 hour</source>
        <translation>Pausar alertas durante 1 hora</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <source>No alerts appear while paused. They resume automatically.</source>
        <translation>Mientras están pausadas no aparece ninguna alerta. Se reanudan automáticamente.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="17"/>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="20"/>
        <source>Quiet mode</source>
        <translation>Modo silencioso</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="18"/>
        <source>Drops processes that are not in front, have no window and use a lot of CPU to background priority. Restored when you turn this off or quit Qel.</source>
        <translation>Pasa a prioridad de segundo plano los procesos que no están en primer plano, no tienen ventana y usan mucha CPU. Se restablece al desactivar esta opción o salir de Qel.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="47"/>
        <source>Erase all history?</source>
        <translation>¿Borrar todo el historial?</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="48"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="135"/>
        <source>Erase all history</source>
        <translation>Borrar todo el historial</translation>
    </message>
    <message>
        <location filename="../../Kit/Widgets/AskFirst.cpp" line="19"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="92"/>
        <source>Show in File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="98"/>
        <source>The history folder could not be opened</source>
        <translation>No se pudo abrir la carpeta del historial</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="100"/>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="110"/>
        <source>Keep history for</source>
        <translation>Conservar el historial</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <source>Older days are deleted automatically. The usual baseline is kept.</source>
        <translation>Los días más antiguos se eliminan automáticamente. La referencia habitual se conserva.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="103"/>
        <source>7 days</source>
        <translation>7 días</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="35"/>
        <source>Stored in a database on this computer only. %n days recorded, using %@.</source>
        <translation>
            <numerusform>Guardado en una base de datos solo en este ordenador. %n día registrado, que ocupa %@.</numerusform>
            <numerusform>Guardado en una base de datos solo en este ordenador. %n días registrados, que ocupan %@.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="71"/>
        <source>Keep history for %@?</source>
        <translation>¿Conservar el historial solo %@?</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Days older than that are deleted now. This can&apos;t be undone.</source>
        <translation>Los días anteriores se eliminan ahora. No se puede deshacer.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Delete older days</source>
        <translation>Eliminar los días anteriores</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="104"/>
        <source>30 days</source>
        <translation>30 días</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="105"/>
        <source>90 days</source>
        <translation>90 días</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="106"/>
        <source>1 year</source>
        <translation>1 año</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="57"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="107"/>
        <source>Forever</source>
        <translation>Siempre</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="121"/>
        <source>%n days collected. After 3 days the ring shows a reference line.</source>
        <translation>
            <numerusform>%n día recopilado. A partir de 3 días, el anillo muestra una línea de referencia.</numerusform>
            <numerusform>%n días recopilados. A partir de 3 días, el anillo muestra una línea de referencia.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="123"/>
        <source>Usual baseline</source>
        <translation>Referencia habitual</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="132"/>
        <source>Erase…</source>
        <translation>Borrar…</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="33"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Follow system</source>
        <translation>Según el sistema</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="35"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="37"/>
        <source>Interface language</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="36"/>
        <source>Follow system uses the first of your system languages that Qel supports, or English if there is none.</source>
        <translation>«Según el sistema» usa el primero de los idiomas del sistema que Qel admita, o el inglés si no hay ninguno.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="41"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Follow system switches with your desktop&apos;s appearance.</source>
        <translation>«Según el sistema» cambia con la apariencia de tu escritorio.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="51"/>
        <source>Replay shortcut</source>
        <translation>Atajo de repetición</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="52"/>
        <source>Press it in any app to replay the last 60 seconds. It can&apos;t be changed yet.</source>
        <translation>Púlsalo en cualquier app para repetir los últimos 60 segundos. Todavía no se puede cambiar.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="57"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="58"/>
        <source>Tab bar numbers</source>
        <translation>Cifras en las pestañas</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="65"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="67"/>
        <source>Show load in the taskbar icon</source>
        <translation>Mostrar la carga en el icono de la barra de tareas</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="66"/>
        <source>The water in the taskbar icon rises with CPU usage, and the icon turns warm when the processor is busy.</source>
        <translation>El agua del icono de la barra de tareas sube con el uso de CPU, y el icono toma un tono cálido cuando el procesador está ocupado.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="73"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="77"/>
        <source>Check for updates automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="78"/>
        <source>Qel looks for a new version about once a day and tells you when there is one.</source>
        <translation>Qel busca una versión nueva más o menos una vez al día y te avisa cuando la hay.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="79"/>
        <source>This build of Qel names no update feed, so it can&apos;t look for new versions.</source>
        <translation>Esta compilación de Qel no indica ninguna fuente de actualizaciones, así que no puede buscar versiones nuevas.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="82"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="86"/>
        <source>Receive Beta updates</source>
        <translation>Recibir actualizaciones beta</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="87"/>
        <source>Get early access to upcoming versions and continue receiving stable updates.</source>
        <translation>Accede antes a las próximas versiones sin dejar de recibir las actualizaciones estables.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="23"/>
        <source>Qel&apos;s windows, tray item and update checks are built with Qt, used under the GNU LGPL 3.0.</source>
        <translation>Las ventanas, el icono de la bandeja y la búsqueda de actualizaciones de Qel están hechos con Qt, usada bajo la GNU LGPL 3.0.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Public domain</source>
        <translation>Dominio público</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Qel keeps its history in SQLite, which is in the public domain.</source>
        <translation>Qel guarda su historial en SQLite, que es de dominio público.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="26"/>
        <source>Qel works with SQLite through SQLiteCpp, used under the MIT License.</source>
        <translation>Qel trabaja con SQLite mediante SQLiteCpp, usada bajo la licencia MIT.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="28"/>
        <source>Qel reads and writes its settings and changelog with nlohmann-json, used under the MIT License.</source>
        <translation>Qel lee y escribe sus ajustes y su registro de cambios con nlohmann-json, usada bajo la licencia MIT.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="30"/>
        <source>Qel formats dates and compares names with ICU, used under the Unicode License.</source>
        <translation>Qel da formato a las fechas y compara nombres con ICU, usada bajo la licencia Unicode.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="33"/>
        <source>Qel talks to logind, BlueZ, UPower and the notification service through sd-bus of libsystemd, used under the GNU LGPL 2.1.</source>
        <translation>Qel se comunica con logind, BlueZ, UPower y el servicio de notificaciones mediante sd-bus de libsystemd, usada bajo la GNU LGPL 2.1.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="36"/>
        <source>Qel asks the X server for the window in front with libxcb, used under the MIT License.</source>
        <translation>Qel pregunta al servidor X por la ventana en primer plano con libxcb, usada bajo la licencia MIT.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="38"/>
        <source>Qt draws through the OpenGL libraries of libglvnd, used under the MIT License.</source>
        <translation>Qt dibuja mediante las bibliotecas OpenGL de libglvnd, usadas bajo la licencia MIT.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="41"/>
        <source>Qel&apos;s text font is DejaVu Sans, used under the Bitstream Vera Fonts License.</source>
        <translation>La fuente de texto de Qel es DejaVu Sans, usada bajo la licencia Bitstream Vera Fonts.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="43"/>
        <source>Qel&apos;s symbols come from the Material Icons font by the Material Design Authors, used under the Apache License 2.0; its authors are not affiliated with Qel.</source>
        <translation>Los símbolos de Qel proceden de la fuente Material Icons de los Material Design Authors, usada bajo la licencia Apache 2.0; sus autores no están vinculados con Qel.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="43"/>
        <source>Show in the tray</source>
        <translation>Mostrar en la bandeja del sistema</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="44"/>
        <source>Pick any combination. With none selected, only the icon is shown.</source>
        <translation>Elige cualquier combinación. Si no hay nada seleccionado, solo se muestra el icono.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="49"/>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="53"/>
        <source>Net speed</source>
        <translation>Velocidad de red</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="81"/>
        <source>Icon style</source>
        <translation>Estilo del icono</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="118"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
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
        <translation>Momento de más actividad</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="106"/>
        <source>Time recorded</source>
        <translation>Tiempo registrado</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="107"/>
        <source>CPU, daily average</source>
        <translation>CPU, media diaria</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="108"/>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>Worth a look</source>
        <translation>Para revisar</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="148"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="150"/>
        <source>Most used: %@</source>
        <translation>Lo más usado: %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>30 s</source>
        <translation>30 s</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>2 min</source>
        <translation>2 min</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="33"/>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="28"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="29"/>
        <source>Tray</source>
        <translation>Bandeja</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="30"/>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="31"/>
        <source>Background rules</source>
        <translation>Reglas de segundo plano</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="32"/>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="30"/>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="31"/>
        <source>Improved</source>
        <translation>Mejorado</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="32"/>
        <source>Fixed</source>
        <translation>Corregido</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="14"/>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="27"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>System events</source>
        <translation>Eventos del sistema</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>Marked by you</source>
        <translation>Marcado por ti</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="8"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="10"/>
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="11"/>
        <source>On hover</source>
        <translation>Al pasar</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="12"/>
        <source>When unusual</source>
        <translation>Si es inusual</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="13"/>
        <source>Load lines</source>
        <translation>Líneas de carga</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="14"/>
        <source>Current page</source>
        <translation>Página actual</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="20"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="22"/>
        <source>Each tab shows its number all the time.</source>
        <translation>Cada pestaña muestra su cifra todo el tiempo.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="23"/>
        <source>Tabs show only their name. Point at one to see its number.</source>
        <translation>Las pestañas solo muestran su nombre. Pasa el puntero por una para ver su cifra.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="24"/>
        <source>A dot appears on a tab when that part of your computer is unusually busy.</source>
        <translation>Aparece un punto en una pestaña cuando esa parte del ordenador está más ocupada de lo normal.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="25"/>
        <source>A short line under each tab grows as that part gets busier.</source>
        <translation>Una línea corta bajo cada pestaña crece cuanto más ocupada está esa parte.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="26"/>
        <source>Only the page you are on shows its number.</source>
        <translation>Solo la página actual muestra su cifra.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="38"/>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="69"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="91"/>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>Asleep</source>
        <translation>En reposo</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>No history for this time</source>
        <translation>No hay historial para este momento</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="53"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="54"/>
        <source>CPU, memory %@</source>
        <translation>CPU, memoria %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="27"/>
        <source>View</source>
        <translation>Ver</translation>
    </message>
</context>
<context>
    <name>qel::ActionBar</name>
    <message>
        <location filename="../../Processes/ActionBar.cpp" line="49"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="67"/>
        <source>%n selected</source>
        <translation>
            <numerusform>%n seleccionado</numerusform>
            <numerusform>%n seleccionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="69"/>
        <source>%n system processes will be skipped</source>
        <translation>
            <numerusform>Se omitirá %n proceso del sistema</numerusform>
            <numerusform>Se omitirán %n procesos del sistema</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="72"/>
        <source>End %n processes</source>
        <translation>
            <numerusform>Terminar %n proceso</numerusform>
            <numerusform>Terminar %n procesos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ActionBar.cpp" line="68"/>
        <source>Unsaved changes may be lost</source>
        <translation>Los cambios sin guardar pueden perderse</translation>
    </message>
</context>
<context>
    <name>qel::AppCommands</name>
    <message>
        <location filename="../../App/AppCommands.cpp" line="59"/>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="60"/>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="61"/>
        <source>What&apos;s new</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="62"/>
        <source>Open Source Licenses</source>
        <translation>Licencias de código abierto</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="63"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>qel::BubbleFieldView</name>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="39"/>
        <source>Memory bubble chart</source>
        <translation>Burbujas de memoria</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="66"/>
        <source>%@ used</source>
        <translation>%@ usados</translation>
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
        <translation>Usuario</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="108"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="109"/>
        <source>Idle</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="112"/>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="113"/>
        <source>Efficiency</source>
        <translation>Eficiencia</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>Last 60 seconds</source>
        <translation>Últimos 60 segundos</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>All cores combined</source>
        <translation>Todos los núcleos</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Using the most</source>
        <translation>Los que más usan</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Click a name for details</source>
        <translation>Haz clic en un nombre para ver detalles</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/CPU/CPUPage.cpp" line="183"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n proceso</numerusform>
            <numerusform>%n procesos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="184"/>
        <source>Load %.2f</source>
        <translation>Carga %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="195"/>
        <source>Each bar is a logical core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>Cada barra es un núcleo lógico. El segmento que contrasta marca su pico reciente. El centro muestra el estado térmico del sistema.</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="197"/>
        <source>Each bar is a core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>Cada barra es un núcleo. El segmento que contrasta marca su pico reciente. El centro muestra el estado térmico del sistema.</translation>
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
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>qel::ColumnTitles</name>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="26"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="27"/>
        <source>CPU %</source>
        <translation>% CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="28"/>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
</context>
<context>
    <name>qel::CoreFlowerView</name>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="50"/>
        <source>Usage per core</source>
        <translation>Uso por núcleo</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="59"/>
        <source>Total usage %@</source>
        <translation>Uso total %@</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="65"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="114"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="115"/>
        <source>Load %.2f</source>
        <translation>Carga %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Efficiency</source>
        <translation>Eficiencia</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="113"/>
        <source>Thermal state</source>
        <translation>Estado térmico</translation>
    </message>
</context>
<context>
    <name>qel::DayMark</name>
    <message>
        <location filename="../../History/DayMark.cpp" line="16"/>
        <source>Power adapter connected</source>
        <translation>Adaptador de corriente conectado</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="17"/>
        <source>Switched to battery power</source>
        <translation>Se pasó a batería</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="18"/>
        <source>External display connected</source>
        <translation>Pantalla externa conectada</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="19"/>
        <source>External display disconnected</source>
        <translation>Pantalla externa desconectada</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="20"/>
        <source>Woke from sleep</source>
        <translation>Salió del reposo</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="21"/>
        <source>Network disconnected</source>
        <translation>Red desconectada</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="22"/>
        <source>Network reconnected</source>
        <translation>Red reconectada</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="23"/>
        <source>%@ opened</source>
        <translation>Se abrió %@</translation>
    </message>
</context>
<context>
    <name>qel::DayRingView</name>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="80"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="122"/>
        <source>Ring</source>
        <translation>Anillo</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteries</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="27"/>
        <source>Device batteries</source>
        <translation>Baterías de dispositivos</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="42"/>
        <source>Scroll to see more devices.</source>
        <translation>Desplázate para ver más dispositivos.</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteryRing</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="47"/>
        <source>Battery %@%</source>
        <translation>Batería %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="50"/>
        <source>%@ battery low</source>
        <translation>Batería de %@ baja</translation>
    </message>
</context>
<context>
    <name>qel::DiskPage</name>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="103"/>
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="106"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="227"/>
        <source>Read %@, write %@</source>
        <translation>Lectura %@, escritura %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="113"/>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="114"/>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="127"/>
        <source>The outer ring is the system disk&apos;s space: used and available.
The inner ring is the last 60 seconds of activity: reads grow outward, writes inward.</source>
        <translation>El anillo exterior es el espacio del disco del sistema: usado y disponible.
El anillo interior son los últimos 60 segundos de actividad: las lecturas crecen hacia fuera, las escrituras hacia dentro.</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="150"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>Volumes</source>
        <translation>Volúmenes</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Active now</source>
        <translation>Activos ahora</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Click a name for details</source>
        <translation>Haz clic en un nombre para ver detalles</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="160"/>
        <source>No process is doing heavy disk activity right now.</source>
        <translation>Ahora mismo ningún proceso tiene mucha actividad de disco.</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Most written</source>
        <translation>Más escrito</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Since each process started</source>
        <translation>Desde el inicio de cada proceso</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>%n mounted</source>
        <translation>
            <numerusform>%n montado</numerusform>
            <numerusform>%n montados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::DiskPlatterView</name>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="98"/>
        <source>Disk space and activity</source>
        <translation>Espacio y actividad del disco</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="105"/>
        <source>%@ available</source>
        <translation>%@ disponibles</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="121"/>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="123"/>
        <source>%@ total</source>
        <translation>%@ en total</translation>
    </message>
</context>
<context>
    <name>qel::EnergyPage</name>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="182"/>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="186"/>
        <source>Charge</source>
        <translation>Carga</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="187"/>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="188"/>
        <source>Thermal state</source>
        <translation>Estado térmico</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="218"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="321"/>
        <source>Preventing sleep</source>
        <translation>Impidiendo el reposo</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="232"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="351"/>
        <source>Runtime</source>
        <translation>Autonomía</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="242"/>
        <source>Charger</source>
        <translation>Cargador</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="246"/>
        <source>Not connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Adapter power</source>
        <translation>Potencia del adaptador</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Current input</source>
        <translation>Entrada actual</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="249"/>
        <source>Battery charging</source>
        <translation>Batería cargando</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="250"/>
        <source>Power the system reports for the connected adapter, not the current input.</source>
        <translation>Potencia que indica el sistema para el adaptador conectado, no la entrada actual.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="299"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="385"/>
        <source> Per-app energy is estimated from CPU usage.</source>
        <translation> La energía por app se estima a partir del uso de CPU.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="297"/>
        <source>One turn is 60 seconds, with now at the top. Each bar is stacked by app. Gray is everything else.</source>
        <translation>Una vuelta son 60 segundos, con el momento actual arriba. Cada barra se apila por app. El gris es todo lo demás.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="322"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n proceso</numerusform>
            <numerusform>%n procesos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="323"/>
        <source>What is preventing sleep can&apos;t be read on this computer.</source>
        <translation>En este ordenador no se puede saber qué impide la suspensión.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="325"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when you close the lid.</source>
        <translation>Nada impide el reposo. El ordenador entrará en reposo con normalidad al cerrar la tapa.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="326"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when it&apos;s left idle.</source>
        <translation>Nada impide el reposo. El ordenador entrará en reposo con normalidad cuando esté inactivo.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="360"/>
        <source>This computer has no battery</source>
        <translation>Este ordenador no tiene batería</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="367"/>
        <source>A runtime estimate isn&apos;t available yet.</source>
        <translation>Aún no hay una estimación de autonomía.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>If you unplugged now, about</source>
        <translation>Si lo desconectaras ahora, unas</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>At this rate, about</source>
        <translation>A este ritmo, unas</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="384"/>
        <source>Estimated from the average power over the last minute.</source>
        <translation>Estimado a partir de la potencia media del último minuto.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="389"/>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="391"/>
        <source>Cycle count</source>
        <translation>Número de ciclos</translation>
    </message>
</context>
<context>
    <name>qel::EnergyRing</name>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="34"/>
        <source>Energy over the last 60 seconds</source>
        <translation>Energía en los últimos 60 segundos</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="43"/>
        <source>%.1f watts</source>
        <translation>%.1f vatios</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>45 s ago</source>
        <translation>hace 45 s</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>30 s ago</source>
        <translation>hace 30 s</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>15 s ago</source>
        <translation>hace 15 s</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="139"/>
        <source>Battery %@%</source>
        <translation>Batería %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="140"/>
        <source>On AC power</source>
        <translation>Con corriente</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="141"/>
        <source>Right now</source>
        <translation>Ahora mismo</translation>
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
        <translation>Justo antes: %@ %@</translation>
    </message>
</context>
<context>
    <name>qel::ExportSheet</name>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="74"/>
        <source>Export this day as an image</source>
        <translation>Exportar este día como imagen</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="75"/>
        <source>Saves the ring for this day as a 1080 × 1080 picture.</source>
        <translation>Guarda el anillo de este día como una imagen de 1080 × 1080.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="111"/>
        <source>Deep sea</source>
        <translation>Mar profundo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="111"/>
        <source>Ink</source>
        <translation>Tinta</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="116"/>
        <source>Background</source>
        <translation>Segundo plano</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="117"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>Show app names</source>
        <translation>Mostrar nombres de apps</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>When off, no app name appears in the picture</source>
        <translation>Desactivado, no aparece ningún nombre de app en la imagen</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="119"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>Show event dots</source>
        <translation>Mostrar puntos de eventos</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>The things worth a look on this day</source>
        <translation>Lo que merece la pena revisar de este día</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="122"/>
        <source>The picture contains only the usage rings and what is switched on above. It never includes window titles, file names or network addresses.</source>
        <translation>La imagen solo contiene los anillos de uso y lo que esté activado arriba. Nunca incluye títulos de ventanas, nombres de archivos ni direcciones de red.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="137"/>
        <source>Copy image</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="140"/>
        <source>Save image…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="176"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="186"/>
        <source>Couldn&apos;t create the image</source>
        <translation>No se pudo crear la imagen</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="179"/>
        <source>Couldn&apos;t save the image</source>
        <translation>No se pudo guardar la imagen</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="181"/>
        <source>Image saved</source>
        <translation>Imagen guardada</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="193"/>
        <source>Couldn&apos;t copy the image</source>
        <translation>No se pudo copiar la imagen</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="195"/>
        <source>Copied to the clipboard</source>
        <translation>Copiado al portapapeles</translation>
    </message>
</context>
<context>
    <name>qel::FindingCard</name>
    <message>
        <location filename="../../Sheets/Reports/FindingCard.cpp" line="54"/>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/FindingCard.cpp" line="56"/>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
</context>
<context>
    <name>qel::GPUHiveView</name>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="36"/>
        <source>GPU usage</source>
        <translation>Uso de GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="43"/>
        <source>Unavailable</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="78"/>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
</context>
<context>
    <name>qel::GPUPage</name>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="96"/>
        <source>The more cells lit, the busier the GPU. The outer ring is the last 60 seconds, with now at the top.
The system doesn&apos;t report per-core or per-app GPU usage, so only the overall figure is shown.</source>
        <translation>Cuantas más celdas encendidas, más ocupada está la GPU. El anillo exterior son los últimos 60 segundos, con el momento actual arriba.
El sistema no informa del uso de GPU por núcleo ni por app, así que solo se muestra la cifra global.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="108"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="129"/>
        <source>GPU memory</source>
        <translation>Memoria de GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="130"/>
        <source>Cores</source>
        <translation>Núcleos</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="131"/>
        <source>Thermal state</source>
        <translation>Estado térmico</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Likely GPU users</source>
        <translation>Posibles usuarios de la GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Apps with the GPU open, by energy</source>
        <translation>Apps que usan la GPU, por energía</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Last 60 seconds</source>
        <translation>Últimos 60 segundos</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Overall usage</source>
        <translation>Uso total</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>Unified memory</source>
        <translation>Memoria unificada</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>GPU and CPU share %@</source>
        <translation>GPU y CPU comparten %@</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="201"/>
        <source>The GPU is using %@, other apps %@, with %@ left.</source>
        <translation>La GPU usa %@, otras apps %@, y quedan %@.</translation>
    </message>
</context>
<context>
    <name>qel::GainRow</name>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="36"/>
        <location filename="../../Pages/Energy/GainRow.cpp" line="67"/>
        <source>Quit %@</source>
        <translation>Cerrar %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="71"/>
        <source>using about %@ W</source>
        <translation>consume unos %@ W</translation>
    </message>
</context>
<context>
    <name>qel::Glossary</name>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="224"/>
        <source>A page renderer for %@. Each browser tab and each Electron app window has one.</source>
        <translation>Un renderizador de páginas de %@. Cada pestaña del navegador y cada ventana de una app Electron tiene uno.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="227"/>
        <source>The graphics process for %@. It handles drawing, video and animation.</source>
        <translation>El proceso gráfico de %@. Se encarga del dibujo, el vídeo y la animación.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="229"/>
        <source>A service process for %@. It does one job on its own, such as networking, audio or storage.</source>
        <translation>Un proceso de servicio de %@. Se encarga por sí solo de una tarea, como la red, el audio o el almacenamiento.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="233"/>
        <source>A kernel thread: part of the Linux kernel itself, doing work such as writing to disk, reclaiming memory or handling hardware.</source>
        <translation>Un hilo del kernel: parte del propio kernel de Linux, que hace tareas como escribir en disco, recuperar memoria o gestionar el hardware.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="28"/>
        <source>A program that comes with your Linux system. Qel&apos;s glossary doesn&apos;t describe it yet.</source>
        <translation>Un programa incluido en tu sistema Linux. El glosario de Qel aún no lo describe.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="16"/>
        <source>The system needs it to run. Don&apos;t quit it.</source>
        <translation>El sistema lo necesita para funcionar. No lo cierres.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="18"/>
        <source>High usage is usually temporary and drops back once it finishes.</source>
        <translation>Un uso alto suele ser temporal y baja en cuanto termina.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="222"/>
        <source>It belongs to %@ and ends when you quit %@.</source>
        <translation>Pertenece a %@ y termina cuando cierras %@.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="225"/>
        <source>High usage means a page is busy. Closing that tab or window ends it.</source>
        <translation>Un uso alto significa que una página está ocupada. Al cerrar esa pestaña o ventana, termina.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="238"/>
        <source>Qel&apos;s glossary doesn&apos;t include this process. Judging by its path, it doesn&apos;t come from your distribution&apos;s packages.</source>
        <translation>El glosario de Qel no incluye este proceso. A juzgar por su ruta, no procede de los paquetes de tu distribución.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="240"/>
        <source>If you&apos;re not sure what it is, look it up online before deciding whether to quit it.</source>
        <translation>Si no sabes bien qué es, búscalo en internet antes de decidir si lo cierras.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="244"/>
        <source>A helper process for %@.</source>
        <translation>Un proceso auxiliar de %@.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="245"/>
        <source>Part of %@. Qel&apos;s glossary doesn&apos;t describe this process yet.</source>
        <translation>Forma parte de %@. El glosario de Qel aún no describe este proceso.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="248"/>
        <source>This is the main process of %@.</source>
        <translation>Es el proceso principal de %@.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="249"/>
        <source>If usage is high, first check whether it is working on something (exporting, syncing, compiling and so on).</source>
        <translation>Si el uso es alto, comprueba primero si está trabajando en algo (exportando, sincronizando, compilando, etc.).</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="255"/>
        <source>what is the %@ process on Linux</source>
        <translation>qué es el proceso %@ en Linux</translation>
    </message>
</context>
<context>
    <name>qel::GpuUserList</name>
    <message>
        <location filename="../../Pages/GPU/GpuUserList.cpp" line="47"/>
        <source>Front</source>
        <translation>Al frente</translation>
    </message>
</context>
<context>
    <name>qel::IncidentChart</name>
    <message>
        <location filename="../../Sheets/Reports/IncidentChart.cpp" line="63"/>
        <source>CPU usage over the last 60 seconds</source>
        <translation>Uso de CPU en los últimos 60 segundos</translation>
    </message>
</context>
<context>
    <name>qel::IncidentSheet</name>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="59"/>
        <source>What just happened</source>
        <translation>Qué acaba de pasar</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="61"/>
        <source>Press Ctrl+Alt+E any time to replay the last 60 seconds.</source>
        <translation>Pulsa Ctrl+Alt+E en cualquier momento para repetir los últimos 60 segundos.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="74"/>
        <source>60 s ago</source>
        <translation>hace 60 s</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="78"/>
        <source>Pressed at %@</source>
        <translation>Pulsado a las %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="127"/>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="129"/>
        <source>Ended</source>
        <translation>Terminado</translation>
    </message>
</context>
<context>
    <name>qel::InsightEngine</name>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="115"/>
        <source>Not enough history yet</source>
        <translation>Aún no hay suficiente historial</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="116"/>
        <source>Qel just started. In a few seconds it can replay what happened.</source>
        <translation>Qel acaba de iniciarse. En unos segundos podrá repetir lo que ha pasado.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="126"/>
        <source>%@ pushed the CPU to %@ %@</source>
        <translation>%@ llevó la CPU al %@ %@</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="128"/>
        <source>Memory is tight and the system is compressing it</source>
        <translation>La memoria escasea y el sistema la está comprimiendo</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="130"/>
        <source>The disk is reading and writing heavily</source>
        <translation>El disco está leyendo y escribiendo mucho</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="132"/>
        <source>%@ briefly maxed out one core</source>
        <translation>%@ saturó un núcleo brevemente</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="134"/>
        <source>Nothing unusual in the last %@ s</source>
        <translation>Nada inusual en los últimos %@ s</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="137"/>
        <source>CPU peaked at %@ (%@) and averaged %@ over these %@ s.</source>
        <translation>La CPU llegó a un pico del %@ (%@) y tuvo una media del %@ en estos %@ s.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="140"/>
        <source>%@ peaked at %@% (100% is one full core) and averaged %@%.</source>
        <translation>%@ llegó a un pico del %@&#xa0;% (100&#xa0;% es un núcleo completo) y tuvo una media del %@ %.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="143"/>
        <source>Memory pressure peaked at %@%. When memory runs short, switching apps gets noticeably slower.</source>
        <translation>La presión de memoria llegó a un pico del %@ %. Cuando falta memoria, cambiar de app es bastante más lento.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="145"/>
        <source>Disk activity peaked at %@.</source>
        <translation>La actividad del disco llegó a un pico de %@.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="147"/>
        <source>If things felt slow just now, an app may have been waiting on the network or on another program. That doesn&apos;t show up as CPU usage.</source>
        <translation>Si todo ha ido lento hace un momento, puede que una app estuviera esperando a la red o a otro programa. Eso no aparece como uso de CPU.</translation>
    </message>
</context>
<context>
    <name>qel::LicensesSheet</name>
    <message>
        <location filename="../../Sheets/LicensesSheet.cpp" line="34"/>
        <source>Open Source Licenses</source>
        <translation>Licencias de código abierto</translation>
    </message>
</context>
<context>
    <name>qel::MemPage</name>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="86"/>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="91"/>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="92"/>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="93"/>
        <source>Swap</source>
        <translation>Swap</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="105"/>
        <source>Each bubble is a process, sized by the memory it uses. Click a bubble for details or to quit it. The outer ring is memory pressure.</source>
        <translation>Cada burbuja es un proceso y su tamaño depende de la memoria que usa. Haz clic en una burbuja para ver detalles o cerrarlo. El anillo exterior es la presión de memoria.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="122"/>
        <location filename="../../Pages/Memory/MemPage.cpp" line="192"/>
        <source>Memory breakdown</source>
        <translation>Desglose de memoria</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="143"/>
        <source>App memory</source>
        <translation>Memoria de apps</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="144"/>
        <source>Kernel &amp; locked</source>
        <translation>Núcleo y bloqueada</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="145"/>
        <source>Compressed</source>
        <translation>Comprimida</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="146"/>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="163"/>
        <source>Memory pressure</source>
        <translation>Presión de memoria</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="192"/>
        <source>%@ total</source>
        <translation>%@ en total</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="200"/>
        <source>%@%. %@</source>
        <translation>%@ %. %@</translation>
    </message>
</context>
<context>
    <name>qel::MemoryAdviceCard</name>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="75"/>
        <source>Memory is tight</source>
        <translation>La memoria escasea</translation>
    </message>
</context>
<context>
    <name>qel::MemoryAdviceRow</name>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="43"/>
        <source>Memory keeps growing. Reopening it frees the memory.</source>
        <translation>La memoria no deja de crecer. Volver a abrirla libera la memoria.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="49"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="60"/>
        <source>Using %@, %@</source>
        <translation>Usa %@, %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="61"/>
        <source>Quit %@</source>
        <translation>Cerrar %@</translation>
    </message>
</context>
<context>
    <name>qel::MemoryChart</name>
    <message>
        <location filename="../../Processes/MemoryChart.cpp" line="56"/>
        <source>Memory, last 30 days</source>
        <translation>Memoria, últimos 30 días</translation>
    </message>
</context>
<context>
    <name>qel::MenuBar</name>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="273"/>
        <source>Show panel</source>
        <translation>Mostrar panel</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="274"/>
        <source>Open Qel</source>
        <translation>Abrir Qel</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="275"/>
        <source>What just happened</source>
        <translation>Qué acaba de pasar</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="353"/>
        <source>Qel keeps running while its window is closed, and usually waits in the tray. This desktop has no tray, so the window was minimised instead. To end Qel, choose Quit (Ctrl+Q).</source>
        <translation>Qel sigue en ejecución con la ventana cerrada y normalmente espera en la bandeja del sistema. Este escritorio no tiene bandeja, así que la ventana se ha minimizado. Para cerrar Qel, elige Salir (Ctrl+Q).</translation>
    </message>
</context>
<context>
    <name>qel::MenuBarPanel</name>
    <message>
        <location filename="../../MenuBar/MenuBarPanel.cpp" line="39"/>
        <source>Qel panel</source>
        <translation>Panel de Qel</translation>
    </message>
</context>
<context>
    <name>qel::MenuCell</name>
    <message>
        <location filename="../../MenuBar/MenuCell.cpp" line="37"/>
        <source>View %@</source>
        <translation>Ver %@</translation>
    </message>
</context>
<context>
    <name>qel::MenuPanel</name>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="121"/>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="155"/>
        <source>Top processes</source>
        <translation>Procesos principales</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="156"/>
        <source>Hover to quit</source>
        <translation>Pasa el puntero para cerrar</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="123"/>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="124"/>
        <source>Bluetooth devices</source>
        <translation>Dispositivos Bluetooth</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="274"/>
        <source>Scroll horizontally to see more devices.</source>
        <translation>Desplázate en horizontal para ver más dispositivos.</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="279"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>Not connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="293"/>
        <source>Quiet mode</source>
        <translation>Modo silencioso</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="294"/>
        <source>Keep awake</source>
        <translation>Mantener activo</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="295"/>
        <source>Pause alerts</source>
        <translation>Pausar alertas</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="321"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="323"/>
        <source>What just happened</source>
        <translation>Qué acaba de pasar</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="325"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="327"/>
        <source>Open Qel</source>
        <translation>Abrir Qel</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="210"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="401"/>
        <source>Load %.2f</source>
        <translation>Carga %.2f</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Measured</source>
        <translation>Medida</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Process sum</source>
        <translation>Suma de procesos</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>Thermal</source>
        <translation>Térmico</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>System thermal state</source>
        <translation>Estado térmico del sistema</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="411"/>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>Memory %@</source>
        <translation>Memoria %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="416"/>
        <source>Disk free</source>
        <translation>Disco libre</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="417"/>
        <source>%@ total</source>
        <translation>%@ en total</translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/MenuPanel.cpp" line="440"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>%n app conectada</numerusform>
            <numerusform>%n apps conectadas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="442"/>
        <source>Per-app traffic unavailable</source>
        <translation>Tráfico por app no disponible</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="447"/>
        <source>Local %@</source>
        <translation>Local %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>No local address</source>
        <translation>Sin dirección local</translation>
    </message>
</context>
<context>
    <name>qel::MetricRow</name>
    <message>
        <location filename="../../Window/Overview/MetricRow.cpp" line="34"/>
        <source>View %@</source>
        <translation>Ver %@</translation>
    </message>
</context>
<context>
    <name>qel::MiniRing</name>
    <message>
        <location filename="../../MenuBar/MiniRing.cpp" line="50"/>
        <source>CPU and memory over the last 60 seconds</source>
        <translation>CPU y memoria en los últimos 60 segundos</translation>
    </message>
</context>
<context>
    <name>qel::NetAddressCard</name>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Local address</source>
        <translation>Dirección local</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>No local address</source>
        <translation>Sin dirección local</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Not connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="58"/>
        <source>Data is moving, but no network interface has an IPv4 address.</source>
        <translation>Hay datos en movimiento, pero ninguna interfaz de red tiene dirección IPv4.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="59"/>
        <source>No network interface with an IP address was found.</source>
        <translation>No se encontró ninguna interfaz de red con dirección IP.</translation>
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
        <translation>%@ en total</translation>
    </message>
</context>
<context>
    <name>qel::NetPage</name>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="51"/>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="61"/>
        <source>Download</source>
        <translation>Bajada</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="62"/>
        <source>Upload</source>
        <translation>Subida</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="55"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="128"/>
        <source>Upload %@</source>
        <translation>Subida %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="133"/>
        <source>%n apps</source>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n apps</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="89"/>
        <source>Who&apos;s online</source>
        <translation>Quién está conectado</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="89"/>
        <source>Only processes under your account. Scroll sideways for more.</source>
        <translation>Solo procesos de tu cuenta. Desplázate en horizontal para ver más.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="137"/>
        <source>Each dot is an app that is online. Bigger dots have more traffic right now. Dots closer to the center have more total traffic. Click one for details. Per-app figures count TCP only, and leave out traffic within this computer.</source>
        <translation>Cada punto es una app conectada. Los puntos más grandes tienen más tráfico ahora; los más cercanos al centro, más tráfico total. Haz clic en uno para ver detalles. Las cifras por app solo cuentan TCP y excluyen el tráfico dentro de este ordenador.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="140"/>
        <source>Per-app traffic isn&apos;t available (the system&apos;s socket statistics can&apos;t be read), so only whole-computer upload and download are shown.</source>
        <translation>El tráfico por app no está disponible (no se pueden leer las estadísticas de sockets del sistema), así que solo se muestran la subida y la bajada de todo el ordenador.</translation>
    </message>
</context>
<context>
    <name>qel::NoTameRules</name>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="18"/>
        <source>When not in front</source>
        <translation>Fuera de primer plano</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="20"/>
        <source>No rules yet. In the details of any process, you can set its app to slow down or pause when it is not in front.</source>
        <translation>Aún no hay reglas. En los detalles de cualquier proceso puedes hacer que su app se ralentice o se pause cuando no esté en primer plano.</translation>
    </message>
</context>
<context>
    <name>qel::OtherMarkRow</name>
    <message>
        <location filename="../../Sheets/Reports/OtherMarkRow.cpp" line="49"/>
        <source>peak %@</source>
        <translation>pico %@</translation>
    </message>
</context>
<context>
    <name>qel::OverviewPage</name>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="170"/>
        <source>Replay 60 s</source>
        <translation>Repetir 60 s</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="171"/>
        <source>What just happened: replay the last 60 seconds (Ctrl+Alt+E)</source>
        <translation>Qué acaba de pasar: repetir los últimos 60 segundos (Ctrl+Alt+E)</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="184"/>
        <source>View summary</source>
        <translation>Ver resumen</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="260"/>
        <source>This moment is inside “%@”.</source>
        <translation>Este momento está dentro de «%@».</translation>
    </message>
</context>
<context>
    <name>qel::PanelBatteryCell</name>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="51"/>
        <source>Battery %@%</source>
        <translation>Batería %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="54"/>
        <source>%@ battery low</source>
        <translation>Batería de %@ baja</translation>
    </message>
</context>
<context>
    <name>qel::PanelProcRow</name>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="63"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="115"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="62"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="119"/>
        <source>End</source>
        <translation>Terminar</translation>
    </message>
</context>
<context>
    <name>qel::PanelToggle</name>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="30"/>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>On</source>
        <translation>Activado</translation>
    </message>
</context>
<context>
    <name>qel::PortEndButton</name>
    <message>
        <location filename="../../Pages/Network/PortEndButton.cpp" line="16"/>
        <source>End</source>
        <translation>Terminar</translation>
    </message>
</context>
<context>
    <name>qel::PortHints</name>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="9"/>
        <source>SSH remote login</source>
        <translation>Acceso remoto SSH</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="10"/>
        <source>Web server</source>
        <translation>Servidor web</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="11"/>
        <source>Web server (HTTPS)</source>
        <translation>Servidor web (HTTPS)</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="12"/>
        <source>SQL Server database</source>
        <translation>Base de datos SQL Server</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="13"/>
        <location filename="../../Samplers/PortHints.cpp" line="16"/>
        <location filename="../../Samplers/PortHints.cpp" line="22"/>
        <location filename="../../Samplers/PortHints.cpp" line="25"/>
        <source>Common dev server port</source>
        <translation>Puerto habitual de servidor de desarrollo</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="14"/>
        <source>MySQL database</source>
        <translation>Base de datos MySQL</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="15"/>
        <source>Angular dev server</source>
        <translation>Servidor de desarrollo Angular</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="17"/>
        <source>Vite dev server</source>
        <translation>Servidor de desarrollo Vite</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="18"/>
        <source>PostgreSQL database</source>
        <translation>Base de datos PostgreSQL</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="19"/>
        <source>Screen sharing (VNC)</source>
        <translation>Compartir pantalla (VNC)</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="20"/>
        <source>Redis</source>
        <translation>Redis</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="21"/>
        <source>AirPlay receiver</source>
        <translation>Receptor AirPlay</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="23"/>
        <source>Common web service port</source>
        <translation>Puerto habitual de servicio web</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="24"/>
        <source>Jupyter notebook</source>
        <translation>Cuaderno Jupyter</translation>
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
        <translation>Base de datos MongoDB</translation>
    </message>
</context>
<context>
    <name>qel::PortRow</name>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="80"/>
        <source>End %@, which is using port %@</source>
        <translation>Terminar %@, que usa el puerto %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="88"/>
        <source>Listening on all network interfaces: other devices on the same network can connect to this port.</source>
        <translation>A la escucha en todas las interfaces de red: otros dispositivos de la misma red pueden conectarse a este puerto.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="90"/>
        <source>Listening on 127.0.0.1 only: only this computer can connect.</source>
        <translation>A la escucha solo en 127.0.0.1: solo este ordenador puede conectarse.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>Open to LAN</source>
        <translation>Abierto a la LAN</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>This computer only</source>
        <translation>Solo este ordenador</translation>
    </message>
</context>
<context>
    <name>qel::PortsPanel</name>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="57"/>
        <source>Listening ports</source>
        <translation>Puertos a la escucha</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="63"/>
        <source>Port or process</source>
        <translation>Puerto o proceso</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="38"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>Solo puertos de procesos de tu cuenta. Para ver los de los servicios del sistema hacen falta permisos de administrador.</translation>
    </message>
</context>
<context>
    <name>qel::PosterPreview</name>
    <message>
        <location filename="../../Sheets/Export/PosterPreview.cpp" line="15"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>qel::ProcessDetail</name>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="355"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="201"/>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="202"/>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="204"/>
        <source>Disk I/O</source>
        <translation>E/S de disco</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="205"/>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="209"/>
        <source>CPU, since this panel opened</source>
        <translation>CPU, desde que se abrió este panel</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="232"/>
        <source>This is a system process: a kernel thread or a service run by another user, such as root. Ending it could freeze or restart the system, so Qel doesn&apos;t offer to end it. High usage usually drops back within a few minutes.</source>
        <translation>Es un proceso del sistema: un hilo del kernel o un servicio que ejecuta otro usuario, como root. Terminarlo podría bloquear o reiniciar el sistema, así que Qel no ofrece terminarlo. Un uso elevado suele bajar en pocos minutos.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="240"/>
        <source>Quitting closes %@. Unsaved changes may be lost.</source>
        <translation>Al salir se cierra %@. Los cambios sin guardar pueden perderse.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="244"/>
        <source>End %@</source>
        <translation>Terminar %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="246"/>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>Force Quit</source>
        <translation>Forzar cierre</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="256"/>
        <source>Force quit %@?</source>
        <translation>¿Forzar el cierre de %@?</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>It stops at once, without a chance to save. Unsaved changes are lost.</source>
        <translation>Se detiene al instante, sin poder guardar. Los cambios sin guardar se pierden.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="346"/>
        <source>This process has ended</source>
        <translation>Este proceso ha terminado</translation>
    </message>
</context>
<context>
    <name>qel::ProcessNoteView</name>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="34"/>
        <source>What is this</source>
        <translation>Qué es esto</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="44"/>
        <source>Look up this process online</source>
        <translation>Buscar este proceso en internet</translation>
    </message>
</context>
<context>
    <name>qel::ProcessTable</name>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="92"/>
        <source>Running</source>
        <translation>En ejecución</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By CPU</source>
        <translation>Por CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By memory</source>
        <translation>Por memoria</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="100"/>
        <source>Search processes</source>
        <translation>Buscar procesos</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ProcessTable.cpp" line="46"/>
        <source>%n processes, %@ of them yours</source>
        <translation>
            <numerusform>%n proceso, %@ tuyo</numerusform>
            <numerusform>%n procesos, %@ de ellos tuyos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="206"/>
        <source>Reading processes…</source>
        <translation>Leyendo procesos…</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="207"/>
        <source>No process has “%@” in its name. Try another word, or clear the search field.</source>
        <translation>Ningún proceso tiene «%@» en su nombre. Prueba con otra palabra o vacía el campo de búsqueda.</translation>
    </message>
</context>
<context>
    <name>qel::ProfileView</name>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>Not enough history yet</source>
        <translation>Aún no hay suficiente historial</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>The profile fills in after Qel has seen this app on two different days.</source>
        <translation>El perfil se completa cuando Qel ha visto esta app en dos días distintos.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="77"/>
        <source>Memory, last 30 days</source>
        <translation>Memoria, últimos 30 días</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="80"/>
        <source>Dashed line: updated to %@</source>
        <translation>Línea discontinua: actualizado a %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="98"/>
        <source>When it is most active</source>
        <translation>Cuándo está más activa</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="116"/>
        <source>CPU while running, average</source>
        <translation>CPU mientras se ejecuta, media</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="117"/>
        <source>Memory, average</source>
        <translation>Memoria, media</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="118"/>
        <source>Share of all apps&apos; energy</source>
        <translation>Parte de la energía de todas las apps</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="119"/>
        <source>Days it ran</source>
        <translation>Días en ejecución</translation>
    </message>
</context>
<context>
    <name>qel::ReportSheet</name>
    <message>
        <location filename="../../Sheets/Reports/ReportSheet.cpp" line="65"/>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>qel::Ring</name>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="113"/>
        <source>Asleep</source>
        <translation>En reposo</translation>
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
        <translation>Ahora</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="152"/>
        <source>45 s ago</source>
        <translation>hace 45 s</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="153"/>
        <source>30 s ago</source>
        <translation>hace 30 s</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="154"/>
        <source>15 s ago</source>
        <translation>hace 15 s</translation>
    </message>
</context>
<context>
    <name>qel::RingControls</name>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="48"/>
        <source>60 s</source>
        <translation>60 s</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="48"/>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="55"/>
        <source>Previous day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="59"/>
        <source>Next day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="41"/>
        <source>Export this day as an image</source>
        <translation>Exportar este día como imagen</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="71"/>
        <location filename="../../Window/Overview/RingControls.cpp" line="72"/>
        <source>Back to now</source>
        <translation>Volver a ahora</translation>
    </message>
</context>
<context>
    <name>qel::RuleRow</name>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Below</source>
        <translation>Por debajo de</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Above</source>
        <translation>Por encima de</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="95"/>
        <source>%@ threshold</source>
        <translation>Umbral de %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="107"/>
        <source>for</source>
        <translation>durante</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="109"/>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
</context>
<context>
    <name>qel::Rules</name>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>Todo el ordenador</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>CPU busy for a long time</source>
        <translation>CPU ocupada mucho tiempo</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>Overall usage stays above the threshold for a while</source>
        <translation>El uso total se mantiene por encima del umbral un tiempo</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>High memory pressure</source>
        <translation>Presión de memoria alta</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>The system is compressing memory heavily or using swap</source>
        <translation>El sistema está comprimiendo mucho la memoria o usando swap</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Low disk space</source>
        <translation>Poco espacio en disco</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Free space on the system disk falls below the threshold</source>
        <translation>El espacio libre del disco del sistema baja del umbral</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Temperature and battery</source>
        <translation>Temperatura y batería</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>Computer overheating</source>
        <translation>Ordenador sobrecalentado</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>The thermal state becomes Hot or Overheating</source>
        <translation>El estado térmico pasa a Caliente o Sobrecalentado</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Low battery</source>
        <translation>Batería baja</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Only checked on battery power</source>
        <translation>Solo se comprueba con batería</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>Single process</source>
        <translation>Un solo proceso</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>A process hogs the CPU for a long time</source>
        <translation>Un proceso acapara la CPU durante mucho tiempo</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>One process stays above the threshold for a while</source>
        <translation>Un proceso se mantiene por encima del umbral un tiempo</translation>
    </message>
</context>
<context>
    <name>qel::SettingsSheet</name>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="65"/>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="89"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="121"/>
        <source>Changes apply immediately and are saved automatically.</source>
        <translation>Los cambios se aplican al instante y se guardan automáticamente.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="138"/>
        <source>General</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>qel::SleepBatteryChart</name>
    <message>
        <location filename="../../Sheets/Reports/SleepBatteryChart.cpp" line="64"/>
        <source>Battery level while asleep</source>
        <translation>Nivel de batería en reposo</translation>
    </message>
</context>
<context>
    <name>qel::SleepLine</name>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>Ver informe de reposo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="57"/>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="68"/>
        <source>View</source>
        <translation>Ver</translation>
    </message>
</context>
<context>
    <name>qel::SleepNote</name>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>Ver informe de reposo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="62"/>
        <source>%@  %@</source>
        <translation>%@  %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="68"/>
        <source>Asleep from %@ to %@</source>
        <translation>En reposo de %@ a %@</translation>
    </message>
</context>
<context>
    <name>qel::SleepReport</name>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="33"/>
        <source>A sleep this long usually uses about %@%. This one used %@%.</source>
        <translation>Un reposo así de largo suele gastar un %@ %. Este gastó un %@ %.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="57"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="58"/>
        <source>Preventing sleep when the lid closed: %@</source>
        <translation>Impidiendo el reposo al cerrar la tapa: %@</translation>
    </message>
</context>
<context>
    <name>qel::SleepRowButton</name>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="42"/>
        <source>View sleep report</source>
        <translation>Ver informe de reposo</translation>
    </message>
</context>
<context>
    <name>qel::SleepSheet</name>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="70"/>
        <source>Sleep report</source>
        <translation>Informe de reposo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="71"/>
        <source>Linux logs when the computer slept and woke, but not which app asked it to wake.</source>
        <translation>Linux registra cuándo el ordenador entró en reposo y se activó, pero no qué app pidió la activación.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="89"/>
        <source>Asleep from %@ to %@</source>
        <translation>En reposo de %@ a %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="101"/>
        <source>Time asleep</source>
        <translation>Tiempo en reposo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="102"/>
        <source>Battery used</source>
        <translation>Batería usada</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="103"/>
        <source>Wakes</source>
        <translation>Activaciones</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="133"/>
        <source>What woke it</source>
        <translation>Qué lo activó</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="136"/>
        <source>Linux does not log dark wakes, so no wakes are listed for this sleep.</source>
        <translation>Linux no registra las activaciones en segundo plano, así que no se muestran activaciones para este reposo.</translation>
    </message>
</context>
<context>
    <name>qel::StarMapView</name>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="46"/>
        <source>Network star map</source>
        <translation>Mapa estelar de red</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/StarMapView.cpp" line="48"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="55"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>%n app conectada</numerusform>
            <numerusform>%n apps conectadas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="126"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="140"/>
        <source>This computer</source>
        <translation>Este ordenador</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="160"/>
        <source>None of your apps has a TCP connection right now</source>
        <translation>Ahora mismo ninguna de tus apps tiene una conexión TCP</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="161"/>
        <source>Per-app traffic unavailable</source>
        <translation>Tráfico por app no disponible</translation>
    </message>
</context>
<context>
    <name>qel::Store</name>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="76"/>
        <location filename="../../Store/DayBrowsing.cpp" line="78"/>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="79"/>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="135"/>
        <source>%@, daily average</source>
        <translation>%@, media diaria</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="138"/>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="142"/>
        <source>%@ s ago</source>
        <translation>hace %@ s</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="152"/>
        <location filename="../../Store/DayBrowsing.cpp" line="162"/>
        <source>History could not be erased</source>
        <translation>No se pudo borrar el historial</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="182"/>
        <source>History erased</source>
        <translation>Historial borrado</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="183"/>
        <source>History erased, but traces of it may remain in the file: %@</source>
        <translation>Historial borrado, pero pueden quedar restos en el archivo: %@</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="20"/>
        <source>CPU averaged %@ over these 10 minutes and peaked at %@.</source>
        <translation>La CPU tuvo una media del %@ en estos 10 minutos y un pico del %@.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="23"/>
        <source> The top process at the time was %@ (%@%).</source>
        <translation> El proceso principal en ese momento era %@ (%@&#xa0;%).</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="24"/>
        <source>CPU busy</source>
        <translation>CPU ocupada</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="28"/>
        <source>Memory is tight</source>
        <translation>La memoria escasea</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="29"/>
        <source>Memory pressure averaged %@% over these 10 minutes, with %@ in use.</source>
        <translation>La presión de memoria tuvo una media del %@&#xa0;% en estos 10 minutos, con %@ en uso.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="62"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="63"/>
        <source>Warm</source>
        <translation>Templado</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="64"/>
        <source>Hot</source>
        <translation>Caliente</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="65"/>
        <source>Overheating</source>
        <translation>Sobrecalentado</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="67"/>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="73"/>
        <source>a process</source>
        <translation>un proceso</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>CPU is very busy</source>
        <translation>La CPU está muy ocupada</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>%@ is using %@%. The fans may spin up.</source>
        <translation>%@ está usando el %@ %. Puede que los ventiladores se aceleren.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="78"/>
        <source>Computer is running hot</source>
        <translation>El ordenador se está calentando</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="79"/>
        <source>The system is already slowing down to cool off. Stop the most power-hungry app first.</source>
        <translation>El sistema ya se está ralentizando para enfriarse. Detén primero la app que más consume.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="81"/>
        <source>Memory is getting tight</source>
        <translation>La memoria empieza a escasear</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="82"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using will help.</source>
        <translation>El sistema está comprimiendo memoria. Cerrar las apps que no usas ayudará.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>A bit busy</source>
        <translation>Algo ocupado</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>Mostly %@, at %@% CPU</source>
        <translation>Sobre todo %@, al %@&#xa0;% de CPU</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="85"/>
        <source>Busier than usual</source>
        <translation>Más ocupado de lo habitual</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="86"/>
        <source>CPU usage over these 10 minutes is %@× the usual for this time of day, mostly from %@.</source>
        <translation>El uso de CPU en estos 10 minutos es %@× lo habitual a esta hora, sobre todo por %@.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="89"/>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>All calm</source>
        <translation>Todo tranquilo</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/DayStatus.cpp" line="90"/>
        <source>Qel noticed %n things today. Click a dot outside the ring to see what happened.</source>
        <translation>
            <numerusform>Qel ha detectado %n cosa hoy. Haz clic en un punto fuera del anillo para ver qué pasó.</numerusform>
            <numerusform>Qel ha detectado %n cosas hoy. Haz clic en un punto fuera del anillo para ver qué pasó.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>Drag the ring on the left to look back at the load at any time today.</source>
        <translation>Arrastra el anillo de la izquierda para revisar la carga en cualquier momento de hoy.</translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="62"/>
        <source>Asked %@ to quit</source>
        <translation>Se pidió a %@ que se cerrara</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MemoryAdvice.cpp" line="64"/>
        <source>Asked %n apps to quit</source>
        <translation>
            <numerusform>Se pidió a %n app que se cerrara</numerusform>
            <numerusform>Se pidió a %n apps que se cerraran</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="66"/>
        <source>These apps didn&apos;t respond to the quit request</source>
        <translation>Estas apps no respondieron a la solicitud de cierre</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="39"/>
        <source>Background priority restored</source>
        <translation>Prioridad de segundo plano restablecida</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="43"/>
        <location filename="../../Store/Taming.cpp" line="147"/>
        <source>Couldn&apos;t restore the priority of %@</source>
        <translation>No se pudo restablecer la prioridad de %@</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="53"/>
        <source>Background work is now throttled</source>
        <translation>El trabajo en segundo plano ahora está frenado</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="71"/>
        <source>Normal sleep restored</source>
        <translation>Reposo normal restablecido</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="75"/>
        <source>Qel Keep Awake</source>
        <translation>Qel Mantener activo</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="77"/>
        <source>Couldn&apos;t prevent sleep. The system refused the request.</source>
        <translation>No se pudo impedir el reposo. El sistema rechazó la solicitud.</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="82"/>
        <source>Won&apos;t sleep when idle for the next 2 hours</source>
        <translation>No entrará en reposo por inactividad durante las próximas 2 horas</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="88"/>
        <source>Alerts resumed</source>
        <translation>Alertas reanudadas</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="90"/>
        <source>Alerts paused for 1 hour</source>
        <translation>Alertas pausadas durante 1 hora</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="98"/>
        <source>Until %@</source>
        <translation>Hasta las %@</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="99"/>
        <source>No idle sleep for 2 h</source>
        <translation>Sin reposo por inactividad durante 2 h</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="103"/>
        <source>Resumes at %@</source>
        <translation>Se reanuda a las %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="104"/>
        <source>%n on</source>
        <translation>
            <numerusform>%n activa</numerusform>
            <numerusform>%n activas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="109"/>
        <source>%n throttled</source>
        <translation>
            <numerusform>%n frenado</numerusform>
            <numerusform>%n frenados</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="108"/>
        <source>Throttle heavy work</source>
        <translation>Frenar el trabajo pesado</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="110"/>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="118"/>
        <source>Mem </source>
        <translation>Mem </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="187"/>
        <source>Quiet mode and taming are idle: this desktop doesn&apos;t tell which app is in front.</source>
        <translation>El modo silencioso y el control de apps están inactivos: este escritorio no indica qué app está en primer plano.</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="192"/>
        <location filename="../../Store/Tick.cpp" line="111"/>
        <source>Process %@</source>
        <translation>Proceso %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Force-quit %@</source>
        <translation>Forzar el cierre de %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Ended %@</source>
        <translation>Se terminó %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Force-quit %n processes</source>
        <translation>
            <numerusform>Se forzó el cierre de %n proceso</numerusform>
            <numerusform>Se forzó el cierre de %n procesos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Ended %n processes</source>
        <translation>
            <numerusform>Se terminó %n proceso</numerusform>
            <numerusform>Se terminaron %n procesos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t force-quit %@</source>
        <translation>No se pudo forzar el cierre de %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t end %@</source>
        <translation>No se pudo terminar %@</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="60"/>
        <source>Alerted once today at %@</source>
        <translation>Una alerta hoy a las %@</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="75"/>
        <source>an unknown process</source>
        <translation>un proceso desconocido</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="76"/>
        <source>CPU usage is %@. The top process is %@.</source>
        <translation>El uso de CPU es del %@. El proceso principal es %@.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="79"/>
        <source>Memory pressure is %@%. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>La presión de memoria es del %@ %. Cerrar las apps que no usas hace que cambiar entre ellas sea más fluido.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="83"/>
        <source>Only %@ left on the system disk.</source>
        <translation>Solo quedan %@ en el disco del sistema.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="86"/>
        <source>The system is slowing down to cool off. Stop the most power-hungry app, or give the computer some airflow.</source>
        <translation>El sistema se está ralentizando para enfriarse. Detén la app que más consume o deja que el ordenador se ventile.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="91"/>
        <source>Battery at %@%. Remember to plug in.</source>
        <translation>Batería al %@ %. Recuerda conectar el cargador.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="94"/>
        <source>%@ is using %@% CPU.</source>
        <translation>%@ está usando el %@&#xa0;% de la CPU.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="110"/>
        <source>Qel alert</source>
        <translation>Alerta de Qel</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="97"/>
        <source>Saving the day before sleep</source>
        <translation>Guardando el día antes del reposo</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="240"/>
        <source>Slept %@</source>
        <translation>En reposo durante %@</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="242"/>
        <source>battery −%@%</source>
        <translation>batería −%@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="243"/>
        <source>wakes: %@</source>
        <translation>activaciones: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="65"/>
        <source>The settings file could not be read. It was kept as %@ and the settings start from their defaults.</source>
        <translation>No se pudo leer el archivo de ajustes. Se conservó como %@ y los ajustes vuelven a sus valores predeterminados.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="68"/>
        <source>The settings file %@ can&apos;t be read (%@). The settings start from their defaults and changes are not saved, so the file stays as it is.</source>
        <translation>No se puede leer el archivo de ajustes %@ (%@). Los ajustes vuelven a sus valores predeterminados y los cambios no se guardan, así que el archivo queda como está.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="42"/>
        <source>The settings could not be saved: %@ would grow past 1 MB, more than Qel reads back. The changes hold until Qel quits.</source>
        <translation>No se pudieron guardar los ajustes: %@ superaría 1 MB, más de lo que Qel vuelve a leer. Los cambios se mantienen hasta que se cierre Qel.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="297"/>
        <source>The history file could not be used. It was kept as %@ and a new one started.</source>
        <translation>No se pudo usar el archivo de historial. Se conservó como %@ y se empezó uno nuevo.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="301"/>
        <source>History is not saved this run: the history file is from a newer version of Qel and is left as it is.</source>
        <translation>En esta sesión no se guarda el historial: el archivo de historial es de una versión más reciente de Qel y se deja como está.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="304"/>
        <source>History can&apos;t be saved: %@</source>
        <translation>No se puede guardar el historial: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="307"/>
        <source>History can&apos;t be saved for now: %@. Qel keeps it and saves it once the disk has room again.</source>
        <translation>Por ahora no se puede guardar el historial: %@. Qel lo conserva y lo guarda en cuanto vuelva a haber espacio en el disco.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="312"/>
        <source>History could not be saved: %@</source>
        <translation>No se pudo guardar el historial: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="315"/>
        <source>History could not be read: %@</source>
        <translation>No se pudo leer el historial: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="19"/>
        <source>Marking started. Click End when you&apos;re done.</source>
        <translation>Marcado iniciado. Haz clic en Terminar cuando acabes.</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="38"/>
        <source>Marked at %@</source>
        <translation>Marcado a las %@</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="84"/>
        <source>Mark deleted</source>
        <translation>Marca eliminada</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="196"/>
        <source>Removed the rule for %@, but it stays slowed until it restarts</source>
        <translation>Se eliminó la regla de %@, pero seguirá con prioridad baja hasta que se reinicie</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="197"/>
        <source>Removed the rule for %@</source>
        <translation>Se eliminó la regla de %@</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="207"/>
        <source>%@ will slow down when it&apos;s not in front</source>
        <translation>%@ se ralentizará cuando no esté en primer plano</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="208"/>
        <source>%@ will pause when it&apos;s not in front</source>
        <translation>%@ se pausará cuando no esté en primer plano</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="44"/>
        <source>The thin line is the usual CPU load at this time of day (from the last %n days)</source>
        <translation>
            <numerusform>La línea fina es la carga de CPU habitual a esta hora (del último %n día)</numerusform>
            <numerusform>La línea fina es la carga de CPU habitual a esta hora (de los últimos %n días)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="45"/>
        <source>After %n more days of history, the ring will show a reference line for your usual load</source>
        <translation>
            <numerusform>Con %n día más de historial, el anillo mostrará una línea de referencia de tu carga habitual</numerusform>
            <numerusform>Con %n días más de historial, el anillo mostrará una línea de referencia de tu carga habitual</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::StretchButton</name>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="54"/>
        <source>Mark a stretch</source>
        <translation>Marcar un tramo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="55"/>
        <source>End</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="56"/>
        <source>End this stretch and see its summary</source>
        <translation>Terminar este tramo y ver su resumen</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="57"/>
        <source>Mark a stretch of time: Qel sums up what happened between start and end</source>
        <translation>Marca un tramo de tiempo: Qel resume lo que pasó entre el inicio y el final</translation>
    </message>
</context>
<context>
    <name>qel::StretchSheet</name>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="66"/>
        <source>Marks stay on the outside of the ring so you can look back.</source>
        <translation>Las marcas quedan en el exterior del anillo para que puedas volver a ellas.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="87"/>
        <source>Name this stretch</source>
        <translation>Poner nombre a este tramo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="101"/>
        <source>CPU peak</source>
        <translation>Pico de CPU</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="102"/>
        <source>CPU average</source>
        <translation>CPU media</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="103"/>
        <source>Energy used</source>
        <translation>Energía usada</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="111"/>
        <source>CPU usage during this stretch</source>
        <translation>Uso de CPU durante este tramo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="120"/>
        <source>Who used the most</source>
        <translation>Quién usó más</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="135"/>
        <source>Other marks that day</source>
        <translation>Otras marcas de ese día</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="157"/>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>Delete this mark</source>
        <translation>Eliminar esta marca</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="160"/>
        <source>Delete this mark?</source>
        <translation>¿Eliminar esta marca?</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>This can&apos;t be undone.</source>
        <translation>No se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>qel::TameControl</name>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="70"/>
        <source>When not in front</source>
        <translation>Fuera de primer plano</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Leave alone</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Slow down</source>
        <translation>Ralentizar</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
</context>
<context>
    <name>qel::TameRuleRow</name>
    <message>
        <location filename="../../Sheets/Settings/TameRuleRow.cpp" line="38"/>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>qel::TameRulesSection</name>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="29"/>
        <source>When not in front</source>
        <translation>Fuera de primer plano</translation>
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
        <translation>Qué acaba de pasar: repetir los últimos 60 segundos (Ctrl+Alt+E)</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="20"/>
        <source>What just happened</source>
        <translation>Qué acaba de pasar</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="21"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>qel::UpdateNotices</name>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="49"/>
        <source>Update to %@</source>
        <translation>Actualizar a %@</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="50"/>
        <source>A new version of Qel is ready. Click to open its download page.</source>
        <translation>Hay una nueva versión de Qel. Haz clic para abrir su página de descarga.</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="52"/>
        <source>What&apos;s new</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="53"/>
        <source>Qel was updated. See what changed.</source>
        <translation>Qel se ha actualizado. Mira qué ha cambiado.</translation>
    </message>
</context>
<context>
    <name>qel::Updater</name>
    <message>
        <location filename="../../Updates/Updater.cpp" line="137"/>
        <source>The download page could not be opened: %@</source>
        <translation>No se pudo abrir la página de descarga: %@</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="193"/>
        <source>Qel could not reach the update feed.</source>
        <translation>Qel no pudo acceder al canal de actualizaciones.</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="192"/>
        <location filename="../../Updates/Updater.cpp" line="195"/>
        <source>The update feed could not be read.</source>
        <translation>No se pudo leer el canal de actualizaciones.</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="203"/>
        <source>Qel %@ is available.</source>
        <translation>Qel %@ está disponible.</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="205"/>
        <source>Qel %@ is the newest version.</source>
        <translation>Qel %@ es la versión más reciente.</translation>
    </message>
</context>
<context>
    <name>qel::WakeKind</name>
    <message>
        <location filename="../../History/WakeKind.cpp" line="43"/>
        <source>Scheduled background maintenance</source>
        <translation>Mantenimiento programado en segundo plano</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="44"/>
        <source>Woken by the network</source>
        <translation>Activado por la red</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="45"/>
        <source>Woken by a USB or Bluetooth device</source>
        <translation>Activado por un dispositivo USB o Bluetooth</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="46"/>
        <source>Power adapter plugged in or unplugged</source>
        <translation>Adaptador de corriente conectado o desconectado</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="47"/>
        <source>Lid opened or a key pressed</source>
        <translation>Tapa abierta o tecla pulsada</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="50"/>
        <source>Woken by the system</source>
        <translation>Activado por el sistema</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="56"/>
        <source>A timer set to wake the computer (an RTC alarm, such as a systemd timer with WakeSystem=true) woke it for a moment. “systemctl list-timers” lists the timers; turning off the one that wakes it stops this.</source>
        <translation>Un temporizador configurado para activar el ordenador (una alarma RTC, como un temporizador de systemd con WakeSystem=true) lo activó un momento. «systemctl list-timers» muestra los temporizadores; para evitarlo, desactiva el que lo activa.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="60"/>
        <source>Something on the network kept waking the computer (wake-on-LAN or wake-on-WLAN). Turning wake-on-LAN off for the network card, with “ethtool -s &lt;interface&gt; wol d” or in the firmware settings, stops this.</source>
        <translation>Algo en la red activó el ordenador repetidamente (wake-on-LAN o wake-on-WLAN). Para evitarlo, desactiva wake-on-LAN en la tarjeta de red con «ethtool -s &lt;interface&gt; wol d» o en los ajustes del firmware.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="64"/>
        <source>A connected USB or Bluetooth device woke the computer. Unplugging it, or turning the device off overnight, stops this.</source>
        <translation>Un dispositivo USB o Bluetooth conectado activó el ordenador. Para evitarlo, desconéctalo o apágalo por la noche.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="67"/>
        <source>Plugging in or unplugging the power adapter wakes the computer for a moment. That is normal.</source>
        <translation>Conectar o desconectar el adaptador de corriente activa el ordenador un momento. Es normal.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="69"/>
        <source>Opening the lid or pressing a key wakes the computer. That is normal.</source>
        <translation>Abrir la tapa o pulsar una tecla activa el ordenador. Es normal.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="72"/>
        <source>These wakes came from the firmware or the kernel. The kernel log (“journalctl -k”) and /proc/acpi/wakeup tell which device may be waking the computer.</source>
        <translation>Estas activaciones vinieron del firmware o del kernel. El registro del kernel («journalctl -k») y /proc/acpi/wakeup indican qué dispositivo puede estar activando el ordenador.</translation>
    </message>
</context>
<context>
    <name>qel::WakeRow</name>
    <message>
        <location filename="../../Pages/Energy/WakeRow.cpp" line="57"/>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
</context>
<context>
    <name>qel::WhatsNewSheet</name>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="88"/>
        <source>What&apos;s new</source>
        <translation>Novedades</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="28"/>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="52"/>
        <source>just now</source>
        <translation>ahora mismo</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="29"/>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="53"/>
        <source>%@ s ago</source>
        <translation>hace %@ s</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="26"/>
        <source>used just now</source>
        <translation>usado ahora mismo</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="27"/>
        <source>unused for %@ min</source>
        <translation>sin usar desde hace %@ min</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="28"/>
        <source>unused for %@ h</source>
        <translation>sin usar desde hace %@ h</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="31"/>
        <source>not used since Qel started</source>
        <translation>sin usar desde que se inició Qel</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="32"/>
        <source>unused for at least %@ min</source>
        <translation>sin usar desde hace al menos %@ min</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="33"/>
        <source>unused for at least %@ h</source>
        <translation>sin usar desde hace al menos %@ h</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="83"/>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="84"/>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="85"/>
        <source>Load ring</source>
        <translation>Anillo de carga</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="86"/>
        <source>Bars</source>
        <translation>Barras</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="87"/>
        <source>Gauge</source>
        <translation>Indicador</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="88"/>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="89"/>
        <source>Dot</source>
        <translation>Punto</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="90"/>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="91"/>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="92"/>
        <source>Slime</source>
        <translation>Slime</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="93"/>
        <source>Drop</source>
        <translation>Gota</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="94"/>
        <source>Coffee</source>
        <translation>Café</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="95"/>
        <source>Newton&apos;s cradle</source>
        <translation>Péndulo de Newton</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="96"/>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="97"/>
        <source>Mochi</source>
        <translation>Mochi</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="104"/>
        <source>The Qel logo, turning into the load ring when the CPU is busy</source>
        <translation>El logotipo de Qel, que se convierte en el anillo de carga cuando la CPU está ocupada</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="105"/>
        <source>Always the Qel logo</source>
        <translation>Siempre el logotipo de Qel</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="106"/>
        <source>CPU usage over the last 20 seconds, as a ring</source>
        <translation>Uso de CPU en los últimos 20 segundos, como anillo</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="107"/>
        <source>CPU usage over the last 9 seconds, as bars</source>
        <translation>Uso de CPU en los últimos 9 segundos, como barras</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="108"/>
        <source>An arc that fills up to the current CPU usage</source>
        <translation>Un arco que se llena hasta el uso actual de la CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="109"/>
        <source>CPU usage over the last 20 seconds, as a line</source>
        <translation>Uso de CPU en los últimos 20 segundos, como línea</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="110"/>
        <source>A dot that grows as the CPU gets busier</source>
        <translation>Un punto que crece cuanto más trabaja la CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="111"/>
        <source>A running cat that speeds up as the CPU gets busier</source>
        <translation>Un gato que corre más rápido cuanto más trabaja la CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="112"/>
        <source>A running dog that speeds up as the CPU gets busier</source>
        <translation>Un perro que corre más rápido cuanto más trabaja la CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="113"/>
        <source>A slime that stretches faster as the CPU gets busier</source>
        <translation>Un slime que se estira más rápido cuanto más trabaja la CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="114"/>
        <source>A drop that ripples faster as the CPU gets busier</source>
        <translation>Una gota que ondula más rápido cuanto más trabaja la CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="115"/>
        <source>A cup of coffee that steams faster as the CPU gets busier</source>
        <translation>Una taza de café que humea más cuanto más trabaja la CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="116"/>
        <source>A Newton&apos;s cradle that swings faster as the CPU gets busier</source>
        <translation>Un péndulo de Newton que oscila más rápido cuanto más trabaja la CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="117"/>
        <source>An engine that runs faster as the CPU gets busier</source>
        <translation>Un motor que gira más rápido cuanto más trabaja la CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="118"/>
        <source>A mochi being pounded faster as the CPU gets busier</source>
        <translation>Un mochi que se machaca más rápido cuanto más trabaja la CPU</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="17"/>
        <source>Nothing unusual in the last 60 seconds</source>
        <translation>Nada inusual en los últimos 60 segundos</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="21"/>
        <source>Pressure %@%</source>
        <translation>Presión %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="31"/>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="35"/>
        <source>This computer has no battery</source>
        <translation>Este ordenador no tiene batería</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="36"/>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="38"/>
        <source>On AC power</source>
        <translation>Con corriente</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="37"/>
        <source>about %@ left</source>
        <translation>quedan unos %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="38"/>
        <source>On battery</source>
        <translation>Con batería</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="44"/>
        <source>Just booted</source>
        <translation>Recién iniciado</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="45"/>
        <source>Up %@ h</source>
        <translation>Encendido desde hace %@ h</translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="46"/>
        <source>Up %n days</source>
        <translation>
            <numerusform>Encendido desde hace %n día</numerusform>
            <numerusform>Encendido desde hace %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="57"/>
        <source>%n things worth a look. Click a dot.</source>
        <translation>
            <numerusform>%n cosa para revisar. Haz clic en un punto.</numerusform>
            <numerusform>%n cosas para revisar. Haz clic en un punto.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="56"/>
        <source>Nothing worth a look yet</source>
        <translation>Aún no hay nada que revisar</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="90"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="91"/>
        <source>%@ battery low</source>
        <translation>Batería de %@ baja</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="37"/>
        <source>Load average %.2f</source>
        <translation>Carga media %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="38"/>
        <source>%@, %@ is using the most</source>
        <translation>%@, %@ es quien más usa</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="39"/>
        <source>%@, %@</source>
        <translation>%@, %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="89"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>Internal</source>
        <translation>Interno</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>External</source>
        <translation>Externo</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="54"/>
        <source>Whole-computer power, measured by the battery.</source>
        <translation>Potencia de todo el ordenador, medida por la batería.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="55"/>
        <source>Measured energy isn&apos;t available. This is estimated from CPU usage.</source>
        <translation>La energía medida no está disponible. Esto es una estimación a partir del uso de CPU.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="61"/>
        <source>Process %@</source>
        <translation>Proceso %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="67"/>
        <source>Unavailable</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="40"/>
        <source>GPU usage isn&apos;t available on this computer. It can be read from AMD graphics and from NVIDIA&apos;s driver.</source>
        <translation>El uso de GPU no está disponible en este ordenador. Puede leerse en gráficas AMD y con el controlador de NVIDIA.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="43"/>
        <source>The GPU is close to full load. That&apos;s normal while rendering, exporting video or gaming.</source>
        <translation>La GPU está casi a plena carga. Es normal al renderizar, exportar vídeo o jugar.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="44"/>
        <source>The GPU is working, with headroom left.</source>
        <translation>La GPU está trabajando, con margen de sobra.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="45"/>
        <source>The GPU is mostly idle.</source>
        <translation>La GPU está casi inactiva.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="36"/>
        <source>Memory has run short. Quit the apps using the most first.</source>
        <translation>Se ha agotado la memoria. Cierra primero las apps que más usan.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="38"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>El sistema está comprimiendo memoria. Cerrar las apps que no usas hace que cambiar entre ellas sea más fluido.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="39"/>
        <source>There&apos;s enough memory. Nothing to do.</source>
        <translation>Hay memoria suficiente. No hay nada que hacer.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="48"/>
        <source>Quitting these apps you aren&apos;t using frees the most memory.</source>
        <translation>Cerrar estas apps que no estás usando es lo que más memoria libera.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="49"/>
        <source>No background apps worth quitting. Most memory is used by the app you&apos;re using, or by the system.</source>
        <translation>No hay apps en segundo plano que merezca la pena cerrar. La mayor parte de la memoria la usa la app que estás usando o el sistema.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="56"/>
        <source>Quit these %n and free about %@</source>
        <translation>
            <numerusform>Cerrar esta %n y liberar unos %@</numerusform>
            <numerusform>Cerrar estas %n y liberar unos %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="49"/>
        <source>%n ports, %@ open to the local network</source>
        <translation>
            <numerusform>%n puerto; abiertos a la red local: %@</numerusform>
            <numerusform>%n puertos; abiertos a la red local: %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="50"/>
        <source>%n ports</source>
        <translation>
            <numerusform>%n puerto</numerusform>
            <numerusform>%n puertos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="55"/>
        <source>Reading listening ports…</source>
        <translation>Leyendo puertos a la escucha…</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="56"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>No se pueden leer los puertos a la escucha porque no se puede ejecutar el comando lsof del sistema.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="58"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>Ahora mismo ningún proceso de tu cuenta está a la escucha en un puerto.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="60"/>
        <source>No process under your account is listening on port %@. A system service may still be using it.</source>
        <translation>Ningún proceso de tu cuenta está a la escucha en el puerto %@. Puede que lo use un servicio del sistema.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="62"/>
        <source>No listening process has “%@” in its name.</source>
        <translation>Ningún proceso a la escucha tiene «%@» en su nombre.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="40"/>
        <source>Usually busiest around %@:00.</source>
        <translation>Suele estar más activa hacia las %@:00.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="42"/>
        <source>Usually busiest around %@:00 and %@:00.</source>
        <translation>Suele estar más activa hacia las %@:00 y las %@:00.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="43"/>
        <source>It hasn&apos;t been busy enough to show a pattern.</source>
        <translation>No ha tenido suficiente actividad para mostrar un patrón.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="30"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It recovers as soon as you switch back.</source>
        <translation>Cuando cambias a otra app, todos los procesos de %@ pasan a prioridad de segundo plano. Se recupera en cuanto vuelves a ella.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="33"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It can&apos;t be raised again until %@ restarts.</source>
        <translation>Cuando cambias a otra app, todos los procesos de %@ pasan a prioridad de segundo plano. No se puede volver a subir hasta que %@ se reinicie.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="36"/>
        <source> %n processes are slowed right now.</source>
        <translation>
            <numerusform> Ahora mismo hay %n proceso ralentizado.</numerusform>
            <numerusform> Ahora mismo hay %n procesos ralentizados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="43"/>
        <source> %n processes are paused right now.</source>
        <translation>
            <numerusform> Ahora mismo hay %n proceso en pausa.</numerusform>
            <numerusform> Ahora mismo hay %n procesos en pausa.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="49"/>
        <source> %@ stays slowed until it restarts.</source>
        <translation> %@ seguirá con prioridad baja hasta que se reinicie.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="50"/>
        <source> Slowing it down can&apos;t be undone until %@ restarts.</source>
        <translation> Ralentizarla no se puede deshacer hasta que %@ se reinicie.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="40"/>
        <source>After you switch to another app, %@ pauses completely and uses no CPU. While paused it won&apos;t play sound, download or receive messages. It resumes when you switch back.</source>
        <translation>Cuando cambias a otra app, %@ se pausa por completo y no usa CPU. Mientras está en pausa no reproduce sonido, no descarga ni recibe mensajes. Se reanuda cuando vuelves a ella.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="46"/>
        <source>%@ can slow down or pause automatically after you switch to another app. That saves power and keeps the front app smooth.</source>
        <translation>%@ puede ralentizarse o pausarse automáticamente cuando cambias a otra app. Así ahorras energía y la app en primer plano va fluida.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Pauses after you switch away</source>
        <translation>Se pausa al cambiar a otra app</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Slows down after you switch away</source>
        <translation>Se ralentiza al cambiar a otra app</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="30"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="31"/>
        <source>Warm</source>
        <translation>Templado</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="32"/>
        <source>Hot</source>
        <translation>Caliente</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="33"/>
        <source>Overheating</source>
        <translation>Sobrecalentado</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="35"/>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="29"/>
        <source>%n alerts on. </source>
        <translation>
            <numerusform>%n alerta activa. </numerusform>
            <numerusform>%n alertas activas. </numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="30"/>
        <source>Alerts appear in the Qel window and as desktop notifications.</source>
        <translation>Las alertas aparecen en la ventana de Qel y como notificaciones del escritorio.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="31"/>
        <source>No notification service is running on this desktop, so alerts only appear in the Qel window.</source>
        <translation>No hay ningún servicio de notificaciones en este escritorio, así que las alertas solo aparecen en la ventana de Qel.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="42"/>
        <source>Deletes every recorded day with its marks and app usage, the recorded sleeps and stretches, and the usual baseline. Settings and rules are kept. This can&apos;t be undone.</source>
        <translation>Elimina todos los días registrados con sus marcas y el uso de apps, los reposos y tramos registrados y la referencia habitual. Los ajustes y las reglas se conservan. No se puede deshacer.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="79"/>
        <source>less than 1 MB</source>
        <translation>menos de 1 MB</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="54"/>
        <source>Peak %@% (%@), average %@%</source>
        <translation>Pico %@&#xa0;% (%@), media %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="11"/>
        <source>The license text could not be loaded.</source>
        <translation>No se pudo cargar el texto de la licencia.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="24"/>
        <source>Battery dropped %@% while asleep</source>
        <translation>La batería bajó un %@&#xa0;% en reposo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="25"/>
        <source>Slept %@</source>
        <translation>En reposo durante %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="45"/>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="17"/>
        <source>%@ s</source>
        <translation>%@ s</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="49"/>
        <source>awake for %@</source>
        <translation>despierto durante %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="22"/>
        <source>That is %@× the usual for this time of day.</source>
        <translation>Es %@× lo habitual a esta hora.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="23"/>
        <source>That is about the usual for this time of day.</source>
        <translation>Es más o menos lo habitual a esta hora.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="33"/>
        <source>%@–%@, lasted %@.</source>
        <translation>%@–%@, duró %@.</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="24"/>
        <source>%@ min</source>
        <translation>%@ min</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="26"/>
        <source>%@ h</source>
        <translation>%@ h</translation>
    </message>
    <message>
        <location filename="../../Text/Format.cpp" line="27"/>
        <source>%@ h %@ min</source>
        <translation>%@ h %@ min</translation>
    </message>
    <message>
        <location filename="../../Kit/PageText.cpp" line="22"/>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <location filename="../../Kit/PageText.cpp" line="25"/>
        <source>Bluetooth devices</source>
        <translation>Dispositivos Bluetooth</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="9"/>
        <source>%@ keeps using more memory</source>
        <translation>%@ usa cada vez más memoria</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="10"/>
        <source>%@ has been busy in the background</source>
        <translation>%@ ha estado muy activo en segundo plano</translation>
    </message>
    <message numerus="yes">
        <location filename="../../History/FindingFacts.cpp" line="15"/>
        <source>Over the past %n minutes, the memory of %@ grew from %@ to %@ without dropping, which may be a memory leak. Reopening the app frees it.</source>
        <translation>
            <numerusform>En el último %n minuto, la memoria de %@ pasó de %@ a %@ sin bajar, lo que puede ser una fuga de memoria. Volver a abrir la app la libera.</numerusform>
            <numerusform>En los últimos %n minutos, la memoria de %@ pasó de %@ a %@ sin bajar, lo que puede ser una fuga de memoria. Volver a abrir la app la libera.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="18"/>
        <source>%@ isn&apos;t in the foreground but has used %@% of the CPU for 3 minutes straight. If you didn&apos;t ask it to work in the background, you can quit it.</source>
        <translation>%@ no está en primer plano, pero ha usado el %@&#xa0;% de la CPU durante 3 minutos seguidos. Si no le pediste que trabajara en segundo plano, puedes cerrarlo.</translation>
    </message>
</context>
</TS>
