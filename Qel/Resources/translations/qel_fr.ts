<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>qel</name>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="58"/>
        <source>%n years</source>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="59"/>
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
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
        <translation>Ctrl+Alt+E est déjà utilisé par un autre programme. Associez plutôt la commande qel --replay à une touche dans les paramètres du clavier de votre bureau.</translation>
    </message>
    <message>
        <location filename="../../MenuBar/HotKey.cpp" line="136"/>
        <source>This desktop doesn&apos;t let Qel listen for Ctrl+Alt+E. Bind the command qel --replay to a key in your desktop&apos;s keyboard settings instead.</source>
        <translation>Ce bureau ne permet pas à Qel d&apos;écouter Ctrl+Alt+E. Associez plutôt la commande qel --replay à une touche dans les paramètres du clavier de votre bureau.</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Measured</source>
        <translation>Mesurée</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="27"/>
        <source>Process sum</source>
        <translation>Somme des processus</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="72"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="25"/>
        <source>Compressed</source>
        <translation>Compressée</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="71"/>
        <location filename="../../Pages/Memory/BubbleModel.cpp" line="26"/>
        <source>Kernel &amp; locked</source>
        <translation>Noyau et verrouillée</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="67"/>
        <source>%@ available</source>
        <translation>%@ disponibles</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="71"/>
        <source>%@ used of %@</source>
        <translation>%@ utilisés sur %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="76"/>
        <source>No battery</source>
        <translation>Pas de batterie</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On battery</source>
        <translation>Sur batterie</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="77"/>
        <source>On AC power</source>
        <translation>Sur secteur</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="78"/>
        <source>, charging</source>
        <translation>, en charge</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="79"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="80"/>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="83"/>
        <source>Not charging</source>
        <translation>Pas en charge</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="153"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="97"/>
        <source>Process %@</source>
        <translation>Processus %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="98"/>
        <source>Keeping the display on</source>
        <translation>Écran maintenu allumé</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="99"/>
        <source>Keeps the computer awake when idle or with the lid closed</source>
        <translation>Garde l&apos;ordinateur éveillé quand il est inactif ou capot fermé</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="20"/>
        <source>Thermal state: %@</source>
        <translation>État thermique&#xa0;: %@</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="25"/>
        <source>Battery %@%</source>
        <translation>Batterie %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="26"/>
        <source>, on AC power</source>
        <translation>, sur secteur</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="32"/>
        <source>%@ disk free</source>
        <translation>%@ libres sur le disque</translation>
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
        <translation>Mémoire</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="80"/>
        <location filename="../../Kit/PageTable.cpp" line="46"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="44"/>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="85"/>
        <location filename="../../Kit/PageTable.cpp" line="40"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="45"/>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="53"/>
        <location filename="../../Window/Overview/OverviewFacts.cpp" line="47"/>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="57"/>
        <source>Energy (est.)</source>
        <translation>Énergie (est.)</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="67"/>
        <source>Unknown path</source>
        <translation>Chemin inconnu</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="17"/>
        <source>No profile for this process</source>
        <translation>Aucun profil pour ce processus</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="18"/>
        <source>Qel keeps long-term profiles for apps only, not for individual system processes.</source>
        <translation>Qel ne garde de profils à long terme que pour les applications, pas pour les processus système individuels.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="19"/>
        <source>Qel keeps long-term profiles for apps only, and this program doesn&apos;t belong to one.</source>
        <translation>Qel ne garde de profils à long terme que pour les applications, et ce programme n&apos;appartient à aucune.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>No notable change</source>
        <translation>Aucun changement notable</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="25"/>
        <source>Its usage has stayed within its own usual range.</source>
        <translation>Son utilisation est restée dans sa plage habituelle.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="29"/>
        <source>Lighter since the update to %@</source>
        <translation>Plus légère depuis la mise à jour vers %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="30"/>
        <source>Since it updated on %@, it uses %@% less memory on average than before.</source>
        <translation>Depuis sa mise à jour le %@, elle utilise en moyenne %@&#xa0;% de mémoire en moins qu&apos;avant.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="33"/>
        <source>Heavier since the update to %@</source>
        <translation>Plus lourde depuis la mise à jour vers %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="34"/>
        <source>Since it updated on %@, it uses %@% more memory on average than before.</source>
        <translation>Depuis sa mise à jour le %@, elle utilise en moyenne %@&#xa0;% de mémoire en plus qu&apos;avant.</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="28"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>Les ports en écoute sont illisibles, car la commande système lsof ne peut pas être exécutée.</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="32"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>Aucun processus de votre compte n&apos;écoute sur un port en ce moment.</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="39"/>
        <location filename="../../Pages/Network/PortList.cpp" line="68"/>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <location filename="../../App/SampleDevices.cpp" line="45"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>Uniquement les ports des processus de votre compte. Voir ceux des services système nécessite les droits d&apos;administrateur.</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="43"/>
        <source>Processor</source>
        <translation>Processeur</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="44"/>
        <source>Chip</source>
        <translation>Puce</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="45"/>
        <location filename="../../App/SampleReport.cpp" line="98"/>
        <source>Cores</source>
        <translation>Cœurs</translation>
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
            <numerusform>%n cœur logique</numerusform>
            <numerusform>%n cœurs logiques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n performance</source>
        <translation>
            <numerusform>%n cœur performant</numerusform>
            <numerusform>%n cœurs performants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../App/SampleReport.cpp" line="47"/>
        <source>%n efficiency</source>
        <translation>
            <numerusform>%n cœur économe</numerusform>
            <numerusform>%n cœurs économes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="49"/>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>Load over one second</source>
        <translation>Charge sur une seconde</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="50"/>
        <source>%@ (user %@, system %@)</source>
        <translation>%@ (utilisateur %@, système %@)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="53"/>
        <source>Per core</source>
        <translation>Par cœur</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="55"/>
        <source>can&apos;t be read here (no processor counters)</source>
        <translation>illisible ici (pas de compteurs processeur)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="57"/>
        <source>Load average, one minute</source>
        <translation>Charge moyenne sur une minute</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="58"/>
        <source>Thermal state</source>
        <translation>État thermique</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="59"/>
        <source>%@ (no thermal zones here)</source>
        <translation>%@ (aucune zone thermique ici)</translation>
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
        <translation>illisible ici</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="70"/>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="73"/>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="74"/>
        <source>Swap used</source>
        <translation>Swap utilisé</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>Over one second</source>
        <translation>Sur une seconde</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="81"/>
        <source>down %@, up %@</source>
        <translation>réception %@, envoi %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>Addresses</source>
        <translation>Adresses</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="83"/>
        <source>none on a physical interface</source>
        <translation>aucune sur une interface physique</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="84"/>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="86"/>
        <source>read %@, write %@</source>
        <translation>lecture %@, écriture %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="90"/>
        <source>Graphics</source>
        <translation>Graphisme</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="93"/>
        <location filename="../../App/SampleReport.cpp" line="96"/>
        <source>Use</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="93"/>
        <source>no graphics processor reports its use here</source>
        <translation>aucun processeur graphique n&apos;indique son utilisation ici</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="98"/>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>not reported</source>
        <translation>non indiqué</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="103"/>
        <source>Battery and power</source>
        <translation>Batterie et alimentation</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="107"/>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="105"/>
        <location filename="../../App/SampleReport.cpp" line="151"/>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>%@, %@</source>
        <translation>%@, %@</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>charging</source>
        <translation>en charge</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on AC</source>
        <translation>sur secteur</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="108"/>
        <source>on battery</source>
        <translation>sur batterie</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="109"/>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="110"/>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="111"/>
        <source>Energy left</source>
        <translation>Énergie restante</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="114"/>
        <source>Charger rating</source>
        <translation>Puissance du chargeur</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="115"/>
        <source>Power in</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>Charging power</source>
        <translation>Puissance de charge</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="116"/>
        <source>not charging or not reported</source>
        <translation>pas en charge ou non indiqué</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="120"/>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>Power draw</source>
        <translation>Consommation</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="121"/>
        <source>can&apos;t be read here (no battery to measure it)</source>
        <translation>illisible ici (aucune batterie pour la mesurer)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="122"/>
        <source>can&apos;t be read here (measured only while on battery)</source>
        <translation>illisible ici (mesuré uniquement sur batterie)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="127"/>
        <source>Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="129"/>
        <location filename="../../App/SampleReport.cpp" line="131"/>
        <source>System disk</source>
        <translation>Disque système</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="131"/>
        <location filename="../../App/SampleReport.cpp" line="139"/>
        <source>%@ total, %@ free</source>
        <translation>%@ au total, %@ libres</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="134"/>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="134"/>
        <source>none found</source>
        <translation>aucun trouvé</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>internal</source>
        <translation>interne</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="136"/>
        <source>external</source>
        <translation>externe</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="137"/>
        <source>system volume</source>
        <translation>volume système</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="138"/>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="145"/>
        <source>Kept awake by</source>
        <translation>Maintenu éveillé par</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="148"/>
        <location filename="../../App/SampleReport.cpp" line="151"/>
        <source>Holders</source>
        <translation>Détenteurs</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="148"/>
        <source>can&apos;t be read here (logind does not answer on the system bus)</source>
        <translation>illisible ici (logind ne répond pas sur le bus système)</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="154"/>
        <source>unnamed</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>Tout l&apos;ordinateur</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Temperature and battery</source>
        <translation>Température et batterie</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="24"/>
        <source>Single process</source>
        <translation>Un seul processus</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="42"/>
        <source>When these things happen, Qel tells you which process it is and what to do. Short spikes won&apos;t bother you.</source>
        <translation>Quand cela se produit, Qel vous indique quel processus est en cause et quoi faire. Les pics brefs ne vous dérangeront pas.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="52"/>
        <source>Pause alerts for 1 hour</source>
        <translation>Suspendre les alertes pendant 1 heure</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="51"/>
        <source>No alerts appear while paused. They resume automatically.</source>
        <translation>Aucune alerte n&apos;apparaît pendant la suspension. Elles reprennent automatiquement.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="17"/>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="20"/>
        <source>Quiet mode</source>
        <translation>Mode discret</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/BackgroundTab.cpp" line="18"/>
        <source>Drops processes that are not in front, have no window and use a lot of CPU to background priority. Restored when you turn this off or quit Qel.</source>
        <translation>Passe en priorité d&apos;arrière-plan les processus hors premier plan, sans fenêtre et très gourmands en CPU. Rétabli quand vous désactivez ceci ou quittez Qel.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="47"/>
        <source>Erase all history?</source>
        <translation>Effacer tout l&apos;historique&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="48"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="135"/>
        <source>Erase all history</source>
        <translation>Effacer tout l&apos;historique</translation>
    </message>
    <message>
        <location filename="../../Kit/Widgets/AskFirst.cpp" line="19"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="92"/>
        <source>Show in File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="98"/>
        <source>The history folder could not be opened</source>
        <translation>Le dossier d&apos;historique n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="100"/>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="110"/>
        <source>Keep history for</source>
        <translation>Conserver l&apos;historique</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="109"/>
        <source>Older days are deleted automatically. The usual baseline is kept.</source>
        <translation>Les jours plus anciens sont supprimés automatiquement. La référence habituelle est conservée.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="103"/>
        <source>7 days</source>
        <translation>7 jours</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="35"/>
        <source>Stored in a database on this computer only. %n days recorded, using %@.</source>
        <translation>
            <numerusform>Stocké dans une base de données sur cet ordinateur uniquement. %n jour enregistré, occupant %@.</numerusform>
            <numerusform>Stocké dans une base de données sur cet ordinateur uniquement. %n jours enregistrés, occupant %@.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="71"/>
        <source>Keep history for %@?</source>
        <translation>Conserver l&apos;historique seulement %@&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Days older than that are deleted now. This can&apos;t be undone.</source>
        <translation>Les jours plus anciens sont supprimés maintenant. C&apos;est irréversible.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="72"/>
        <source>Delete older days</source>
        <translation>Supprimer les jours plus anciens</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="104"/>
        <source>30 days</source>
        <translation>30 jours</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="105"/>
        <source>90 days</source>
        <translation>90 jours</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="106"/>
        <source>1 year</source>
        <translation>1 an</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="57"/>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="107"/>
        <source>Forever</source>
        <translation>Toujours</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/DataTab.cpp" line="121"/>
        <source>%n days collected. After 3 days the ring shows a reference line.</source>
        <translation>
            <numerusform>%n jour collecté. Après 3 jours, l&apos;anneau affiche une ligne de référence.</numerusform>
            <numerusform>%n jours collectés. Après 3 jours, l&apos;anneau affiche une ligne de référence.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="123"/>
        <source>Usual baseline</source>
        <translation>Référence habituelle</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="132"/>
        <source>Erase…</source>
        <translation>Effacer…</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="33"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Follow system</source>
        <translation>Suivre le système</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="35"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="37"/>
        <source>Interface language</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="36"/>
        <source>Follow system uses the first of your system languages that Qel supports, or English if there is none.</source>
        <translation>«&#xa0;Suivre le système&#xa0;» utilise la première langue de votre système prise en charge par Qel, ou l&apos;anglais à défaut.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="41"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="43"/>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="47"/>
        <source>Follow system switches with your desktop&apos;s appearance.</source>
        <translation>«&#xa0;Suivre le système&#xa0;» change avec l&apos;apparence de votre bureau.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="51"/>
        <source>Replay shortcut</source>
        <translation>Raccourci de relecture</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="52"/>
        <source>Press it in any app to replay the last 60 seconds. It can&apos;t be changed yet.</source>
        <translation>Appuyez dessus dans n&apos;importe quelle application pour revoir les 60 dernières secondes. Il ne peut pas encore être modifié.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="57"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="58"/>
        <source>Tab bar numbers</source>
        <translation>Chiffres des onglets</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="65"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="67"/>
        <source>Show load in the taskbar icon</source>
        <translation>Afficher la charge dans l&apos;icône de la barre des tâches</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="66"/>
        <source>The water in the taskbar icon rises with CPU usage, and the icon turns warm when the processor is busy.</source>
        <translation>L&apos;eau de l&apos;icône de la barre des tâches monte avec l&apos;utilisation du CPU, et l&apos;icône se réchauffe quand le processeur est occupé.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="73"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="77"/>
        <source>Check for updates automatically</source>
        <translation>Rechercher les mises à jour automatiquement</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="78"/>
        <source>Qel looks for a new version about once a day and tells you when there is one.</source>
        <translation>Qel cherche une nouvelle version environ une fois par jour et vous prévient quand il y en a une.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="79"/>
        <source>This build of Qel names no update feed, so it can&apos;t look for new versions.</source>
        <translation>Cette version de Qel n&apos;indique aucun flux de mises à jour : elle ne peut donc pas chercher de nouvelles versions.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="82"/>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="86"/>
        <source>Receive Beta updates</source>
        <translation>Recevoir les mises à jour bêta</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/GeneralTab.cpp" line="87"/>
        <source>Get early access to upcoming versions and continue receiving stable updates.</source>
        <translation>Accédez en avant-première aux prochaines versions tout en continuant à recevoir les mises à jour stables.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="23"/>
        <source>Qel&apos;s windows, tray item and update checks are built with Qt, used under the GNU LGPL 3.0.</source>
        <translation>Les fenêtres, l&apos;icône de notification et la recherche de mises à jour de Qel sont réalisées avec Qt, utilisée sous GNU LGPL 3.0.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Public domain</source>
        <translation>Domaine public</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="25"/>
        <source>Qel keeps its history in SQLite, which is in the public domain.</source>
        <translation>Qel conserve son historique dans SQLite, qui est dans le domaine public.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="26"/>
        <source>Qel works with SQLite through SQLiteCpp, used under the MIT License.</source>
        <translation>Qel utilise SQLite via SQLiteCpp, utilisée sous licence MIT.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="28"/>
        <source>Qel reads and writes its settings and changelog with nlohmann-json, used under the MIT License.</source>
        <translation>Qel lit et écrit ses paramètres et son journal des modifications avec nlohmann-json, utilisée sous licence MIT.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="30"/>
        <source>Qel formats dates and compares names with ICU, used under the Unicode License.</source>
        <translation>Qel formate les dates et compare les noms avec ICU, utilisée sous licence Unicode.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="33"/>
        <source>Qel talks to logind, BlueZ, UPower and the notification service through sd-bus of libsystemd, used under the GNU LGPL 2.1.</source>
        <translation>Qel communique avec logind, BlueZ, UPower et le service de notifications via sd-bus de libsystemd, utilisée sous GNU LGPL 2.1.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="36"/>
        <source>Qel asks the X server for the window in front with libxcb, used under the MIT License.</source>
        <translation>Qel demande au serveur X la fenêtre au premier plan avec libxcb, utilisée sous licence MIT.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="38"/>
        <source>Qt draws through the OpenGL libraries of libglvnd, used under the MIT License.</source>
        <translation>Qt dessine via les bibliothèques OpenGL de libglvnd, utilisées sous licence MIT.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="41"/>
        <source>Qel&apos;s text font is DejaVu Sans, used under the Bitstream Vera Fonts License.</source>
        <translation>La police de texte de Qel est DejaVu Sans, utilisée sous licence Bitstream Vera Fonts.</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="43"/>
        <source>Qel&apos;s symbols come from the Material Icons font by the Material Design Authors, used under the Apache License 2.0; its authors are not affiliated with Qel.</source>
        <translation>Les symboles de Qel proviennent de la police Material Icons des Material Design Authors, utilisée sous licence Apache 2.0&#xa0;; ses auteurs ne sont pas affiliés à Qel.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="43"/>
        <source>Show in the tray</source>
        <translation>Afficher dans la zone de notification</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="44"/>
        <source>Pick any combination. With none selected, only the icon is shown.</source>
        <translation>Choisissez n&apos;importe quelle combinaison. Si rien n&apos;est sélectionné, seule l&apos;icône s&apos;affiche.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="49"/>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="53"/>
        <source>Net speed</source>
        <translation>Débit réseau</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="81"/>
        <source>Icon style</source>
        <translation>Style d&apos;icône</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/MenuBarTab.cpp" line="118"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterRing.cpp" line="79"/>
        <source>0:00</source>
        <translation>0 h</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterRing.cpp" line="79"/>
        <source>6:00</source>
        <translation>6 h</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterRing.cpp" line="79"/>
        <source>12:00</source>
        <translation>12 h</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterRing.cpp" line="79"/>
        <source>18:00</source>
        <translation>18 h</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="95"/>
        <source>Busiest moment</source>
        <translation>Moment le plus chargé</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="106"/>
        <source>Time recorded</source>
        <translation>Durée enregistrée</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="107"/>
        <source>CPU, daily average</source>
        <translation>CPU, moyenne quotidienne</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="108"/>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>Worth a look</source>
        <translation>À examiner</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="148"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/PosterView.cpp" line="150"/>
        <source>Most used: %@</source>
        <translation>Le plus utilisé&#xa0;: %@</translation>
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
        <translation>Général</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="29"/>
        <source>Tray</source>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="30"/>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="31"/>
        <source>Background rules</source>
        <translation>Règles d&apos;arrière-plan</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.hpp" line="32"/>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="30"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="31"/>
        <source>Improved</source>
        <translation>Amélioré</translation>
    </message>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="32"/>
        <source>Fixed</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="14"/>
        <source>Overview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../../Kit/PageTable.cpp" line="27"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>System events</source>
        <translation>Événements système</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingLegend.cpp" line="24"/>
        <source>Marked by you</source>
        <translation>Marqué par vous</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="8"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="10"/>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="11"/>
        <source>On hover</source>
        <translation>Au survol</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="12"/>
        <source>When unusual</source>
        <translation>Si inhabituel</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="13"/>
        <source>Load lines</source>
        <translation>Lignes de charge</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="14"/>
        <source>Current page</source>
        <translation>Page actuelle</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="20"/>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="22"/>
        <source>Each tab shows its number all the time.</source>
        <translation>Chaque onglet affiche son chiffre en permanence.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="23"/>
        <source>Tabs show only their name. Point at one to see its number.</source>
        <translation>Les onglets n&apos;affichent que leur nom. Survolez-en un pour voir son chiffre.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="24"/>
        <source>A dot appears on a tab when that part of your computer is unusually busy.</source>
        <translation>Un point apparaît sur un onglet quand cette partie de l&apos;ordinateur est anormalement occupée.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="25"/>
        <source>A short line under each tab grows as that part gets busier.</source>
        <translation>Un petit trait sous chaque onglet s&apos;allonge quand cette partie s&apos;active.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TabValueStyleMeta.cpp" line="26"/>
        <source>Only the page you are on shows its number.</source>
        <translation>Seule la page affichée montre son chiffre.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="38"/>
        <location filename="../../Processes/ProcessRowDelegate.cpp" line="69"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="91"/>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>Asleep</source>
        <translation>En veille</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="49"/>
        <source>No history for this time</source>
        <translation>Aucun historique pour ce moment</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="53"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="54"/>
        <source>CPU, memory %@</source>
        <translation>CPU, mémoire %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="27"/>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>qel::ActionBar</name>
    <message>
        <location filename="../../Processes/ActionBar.cpp" line="49"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="67"/>
        <source>%n selected</source>
        <translation>
            <numerusform>%n sélectionné</numerusform>
            <numerusform>%n sélectionnés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="69"/>
        <source>%n system processes will be skipped</source>
        <translation>
            <numerusform>%n processus système sera ignoré</numerusform>
            <numerusform>%n processus système seront ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ActionBar.cpp" line="72"/>
        <source>End %n processes</source>
        <translation>
            <numerusform>Terminer %n processus</numerusform>
            <numerusform>Terminer %n processus</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ActionBar.cpp" line="68"/>
        <source>Unsaved changes may be lost</source>
        <translation>Les modifications non enregistrées peuvent être perdues</translation>
    </message>
</context>
<context>
    <name>qel::AppCommands</name>
    <message>
        <location filename="../../App/AppCommands.cpp" line="59"/>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="60"/>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="61"/>
        <source>What&apos;s new</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="62"/>
        <source>Open Source Licenses</source>
        <translation>Licences open source</translation>
    </message>
    <message>
        <location filename="../../App/AppCommands.cpp" line="63"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>qel::BubbleFieldView</name>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="39"/>
        <source>Memory bubble chart</source>
        <translation>Bulles de mémoire</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/BubbleFieldView.cpp" line="66"/>
        <source>%@ used</source>
        <translation>%@ utilisés</translation>
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
        <translation>Utilisateur</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="108"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="109"/>
        <source>Idle</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="112"/>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="113"/>
        <source>Efficiency</source>
        <translation>Efficacité</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>Last 60 seconds</source>
        <translation>60 dernières secondes</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="126"/>
        <source>All cores combined</source>
        <translation>Tous les cœurs</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Using the most</source>
        <translation>Plus gros consommateurs</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="139"/>
        <source>Click a name for details</source>
        <translation>Cliquez sur un nom pour les détails</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/CPU/CPUPage.cpp" line="183"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n processus</numerusform>
            <numerusform>%n processus</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="184"/>
        <source>Load %.2f</source>
        <translation>Charge %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="195"/>
        <source>Each bar is a logical core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>Chaque barre est un cœur logique. Le segment contrasté marque son pic récent. Le centre indique l&apos;état thermique du système.</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="197"/>
        <source>Each bar is a core. The contrasting segment on it marks its recent peak. The center shows the system thermal state.</source>
        <translation>Chaque barre est un cœur. Le segment contrasté marque son pic récent. Le centre indique l&apos;état thermique du système.</translation>
    </message>
</context>
<context>
    <name>qel::Changelog</name>
    <message>
        <location filename="../../Updates/Changelog.cpp" line="87"/>
        <source>Beta %@</source>
        <translation>Bêta %@</translation>
    </message>
</context>
<context>
    <name>qel::CloseButton</name>
    <message>
        <location filename="../../Kit/Widgets/CloseButton.cpp" line="18"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>qel::ColumnTitles</name>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="26"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="27"/>
        <source>CPU %</source>
        <translation>CPU&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Processes/ColumnTitles.cpp" line="28"/>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
</context>
<context>
    <name>qel::CoreFlowerView</name>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="50"/>
        <source>Usage per core</source>
        <translation>Utilisation par cœur</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="59"/>
        <source>Total usage %@</source>
        <translation>Utilisation totale %@</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="65"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="114"/>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="115"/>
        <source>Load %.2f</source>
        <translation>Charge %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Efficiency</source>
        <translation>Efficacité</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="108"/>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CoreFlowerView.cpp" line="113"/>
        <source>Thermal state</source>
        <translation>État thermique</translation>
    </message>
</context>
<context>
    <name>qel::DayMark</name>
    <message>
        <location filename="../../History/DayMark.cpp" line="16"/>
        <source>Power adapter connected</source>
        <translation>Adaptateur secteur branché</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="17"/>
        <source>Switched to battery power</source>
        <translation>Passage sur batterie</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="18"/>
        <source>External display connected</source>
        <translation>Écran externe connecté</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="19"/>
        <source>External display disconnected</source>
        <translation>Écran externe déconnecté</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="20"/>
        <source>Woke from sleep</source>
        <translation>Sorti de veille</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="21"/>
        <source>Network disconnected</source>
        <translation>Réseau déconnecté</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="22"/>
        <source>Network reconnected</source>
        <translation>Réseau reconnecté</translation>
    </message>
    <message>
        <location filename="../../History/DayMark.cpp" line="23"/>
        <source>%@ opened</source>
        <translation>Ouverture de %@</translation>
    </message>
</context>
<context>
    <name>qel::DayRingView</name>
    <message>
        <location filename="../../Window/Overview/DayRingView.cpp" line="80"/>
        <location filename="../../Window/Overview/DayRingView.cpp" line="122"/>
        <source>Ring</source>
        <translation>Anneau</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteries</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="27"/>
        <source>Device batteries</source>
        <translation>Batteries des appareils</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteries.cpp" line="42"/>
        <source>Scroll to see more devices.</source>
        <translation>Faites défiler pour voir plus d&apos;appareils.</translation>
    </message>
</context>
<context>
    <name>qel::DeviceBatteryRing</name>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="47"/>
        <source>Battery %@%</source>
        <translation>Batterie %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/DeviceBatteryRing.cpp" line="50"/>
        <source>%@ battery low</source>
        <translation>Batterie de %@ faible</translation>
    </message>
</context>
<context>
    <name>qel::DiskPage</name>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="103"/>
        <source>Disk</source>
        <translation>Disque</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="106"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="227"/>
        <source>Read %@, write %@</source>
        <translation>Lecture %@, écriture %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="113"/>
        <source>Used</source>
        <translation>Utilisé</translation>
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
        <translation>L&apos;anneau extérieur montre l&apos;espace du disque système : utilisé et disponible.
L&apos;anneau intérieur montre les 60 dernières secondes d&apos;activité : les lectures vers l&apos;extérieur, les écritures vers l&apos;intérieur.</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="150"/>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Active now</source>
        <translation>Actifs maintenant</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="159"/>
        <source>Click a name for details</source>
        <translation>Cliquez sur un nom pour les détails</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="160"/>
        <source>No process is doing heavy disk activity right now.</source>
        <translation>Aucun processus n&apos;a d&apos;activité disque importante en ce moment.</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Most written</source>
        <translation>Le plus écrit</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="170"/>
        <source>Since each process started</source>
        <translation>Depuis le lancement de chaque processus</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Disk/DiskPage.cpp" line="213"/>
        <source>%n mounted</source>
        <translation>
            <numerusform>%n monté</numerusform>
            <numerusform>%n montés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::DiskPlatterView</name>
    <message>
        <location filename="../../Pages/Disk/DiskPlatterView.cpp" line="98"/>
        <source>Disk space and activity</source>
        <translation>Espace et activité du disque</translation>
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
        <translation>%@ au total</translation>
    </message>
</context>
<context>
    <name>qel::EnergyPage</name>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="182"/>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="186"/>
        <source>Charge</source>
        <translation>Charge</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="187"/>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="188"/>
        <source>Thermal state</source>
        <translation>État thermique</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="218"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="321"/>
        <source>Preventing sleep</source>
        <translation>Veille empêchée</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="232"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="351"/>
        <source>Runtime</source>
        <translation>Autonomie</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="242"/>
        <source>Charger</source>
        <translation>Chargeur</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="246"/>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Adapter power</source>
        <translation>Puissance de l&apos;adaptateur</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="248"/>
        <source>Current input</source>
        <translation>Entrée actuelle</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="249"/>
        <source>Battery charging</source>
        <translation>Batterie en charge</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="250"/>
        <source>Power the system reports for the connected adapter, not the current input.</source>
        <translation>Puissance indiquée par le système pour l&apos;adaptateur branché, et non l&apos;entrée actuelle.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="299"/>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="385"/>
        <source> Per-app energy is estimated from CPU usage.</source>
        <translation> L&apos;énergie par application est estimée d&apos;après l&apos;utilisation du CPU.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="297"/>
        <source>One turn is 60 seconds, with now at the top. Each bar is stacked by app. Gray is everything else.</source>
        <translation>Un tour fait 60 secondes, le présent étant en haut. Chaque barre est empilée par application. Le gris représente tout le reste.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="322"/>
        <source>%n processes</source>
        <translation>
            <numerusform>%n processus</numerusform>
            <numerusform>%n processus</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="323"/>
        <source>What is preventing sleep can&apos;t be read on this computer.</source>
        <translation>Impossible de savoir ce qui empêche la mise en veille sur cet ordinateur.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="325"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when you close the lid.</source>
        <translation>Rien n&apos;empêche la veille. L&apos;ordinateur se mettra en veille normalement à la fermeture du capot.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="326"/>
        <source>Nothing is preventing sleep. The computer will sleep normally when it&apos;s left idle.</source>
        <translation>Rien n&apos;empêche la veille. L&apos;ordinateur se mettra en veille normalement s&apos;il reste inactif.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="360"/>
        <source>This computer has no battery</source>
        <translation>Cet ordinateur n&apos;a pas de batterie</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="367"/>
        <source>A runtime estimate isn&apos;t available yet.</source>
        <translation>Aucune estimation d&apos;autonomie n&apos;est encore disponible.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>If you unplugged now, about</source>
        <translation>Si vous débranchiez maintenant, environ</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="372"/>
        <source>At this rate, about</source>
        <translation>À ce rythme, environ</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="384"/>
        <source>Estimated from the average power over the last minute.</source>
        <translation>Estimé d&apos;après la puissance moyenne de la dernière minute.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="389"/>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="391"/>
        <source>Cycle count</source>
        <translation>Nombre de cycles</translation>
    </message>
</context>
<context>
    <name>qel::EnergyRing</name>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="34"/>
        <source>Energy over the last 60 seconds</source>
        <translation>Énergie sur les 60 dernières secondes</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="43"/>
        <source>%.1f watts</source>
        <translation>%.1f watts</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>45 s ago</source>
        <translation>il y a 45 s</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>30 s ago</source>
        <translation>il y a 30 s</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="123"/>
        <source>15 s ago</source>
        <translation>il y a 15 s</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="139"/>
        <source>Battery %@%</source>
        <translation>Batterie %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="140"/>
        <source>On AC power</source>
        <translation>Sur secteur</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyRing.cpp" line="141"/>
        <source>Right now</source>
        <translation>En ce moment</translation>
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
        <translation>Juste avant&#xa0;: %@ %@</translation>
    </message>
</context>
<context>
    <name>qel::ExportSheet</name>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="74"/>
        <source>Export this day as an image</source>
        <translation>Exporter cette journée en image</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="75"/>
        <source>Saves the ring for this day as a 1080 × 1080 picture.</source>
        <translation>Enregistre l&apos;anneau de cette journée en image de 1080 × 1080.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="111"/>
        <source>Deep sea</source>
        <translation>Grand bleu</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="111"/>
        <source>Ink</source>
        <translation>Encre</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="116"/>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="117"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>Show app names</source>
        <translation>Afficher les noms d&apos;application</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="118"/>
        <source>When off, no app name appears in the picture</source>
        <translation>Désactivé, aucun nom d&apos;application n&apos;apparaît sur l&apos;image</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="119"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>Show event dots</source>
        <translation>Afficher les points d&apos;événement</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="120"/>
        <source>The things worth a look on this day</source>
        <translation>Les éléments à examiner ce jour-là</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="122"/>
        <source>The picture contains only the usage rings and what is switched on above. It never includes window titles, file names or network addresses.</source>
        <translation>L&apos;image ne contient que les anneaux d&apos;utilisation et ce qui est activé ci-dessus. Elle n&apos;inclut jamais de titres de fenêtres, de noms de fichiers ni d&apos;adresses réseau.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="137"/>
        <source>Copy image</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="140"/>
        <source>Save image…</source>
        <translation>Enregistrer l&apos;image…</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="176"/>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="186"/>
        <source>Couldn&apos;t create the image</source>
        <translation>Impossible de créer l&apos;image</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="179"/>
        <source>Couldn&apos;t save the image</source>
        <translation>Impossible d&apos;enregistrer l&apos;image</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="181"/>
        <source>Image saved</source>
        <translation>Image enregistrée</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="193"/>
        <source>Couldn&apos;t copy the image</source>
        <translation>Impossible de copier l&apos;image</translation>
    </message>
    <message>
        <location filename="../../Sheets/Export/ExportSheet.cpp" line="195"/>
        <source>Copied to the clipboard</source>
        <translation>Copié dans le presse-papiers</translation>
    </message>
</context>
<context>
    <name>qel::FindingCard</name>
    <message>
        <location filename="../../Sheets/Reports/FindingCard.cpp" line="54"/>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/FindingCard.cpp" line="56"/>
        <source>Got it</source>
        <translation>Compris</translation>
    </message>
</context>
<context>
    <name>qel::GPUHiveView</name>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="36"/>
        <source>GPU usage</source>
        <translation>Utilisation du GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="43"/>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUHiveView.cpp" line="78"/>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
</context>
<context>
    <name>qel::GPUPage</name>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="96"/>
        <source>The more cells lit, the busier the GPU. The outer ring is the last 60 seconds, with now at the top.
The system doesn&apos;t report per-core or per-app GPU usage, so only the overall figure is shown.</source>
        <translation>Plus il y a de cases allumées, plus le GPU est occupé. L&apos;anneau extérieur montre les 60 dernières secondes, le présent étant en haut.
Le système n&apos;indique pas l&apos;utilisation du GPU par cœur ni par application&#xa0;: seul le chiffre global est affiché.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="108"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="129"/>
        <source>GPU memory</source>
        <translation>Mémoire GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="130"/>
        <source>Cores</source>
        <translation>Cœurs</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="131"/>
        <source>Thermal state</source>
        <translation>État thermique</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Likely GPU users</source>
        <translation>Utilisateurs probables du GPU</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="154"/>
        <source>Apps with the GPU open, by energy</source>
        <translation>Applications utilisant le GPU, par énergie</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Last 60 seconds</source>
        <translation>60 dernières secondes</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="163"/>
        <source>Overall usage</source>
        <translation>Utilisation globale</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>Unified memory</source>
        <translation>Mémoire unifiée</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="194"/>
        <source>GPU and CPU share %@</source>
        <translation>GPU et CPU partagent %@</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="201"/>
        <source>The GPU is using %@, other apps %@, with %@ left.</source>
        <translation>Le GPU utilise %@, les autres applications %@, et il reste %@.</translation>
    </message>
</context>
<context>
    <name>qel::GainRow</name>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="36"/>
        <location filename="../../Pages/Energy/GainRow.cpp" line="67"/>
        <source>Quit %@</source>
        <translation>Quitter %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/GainRow.cpp" line="71"/>
        <source>using about %@ W</source>
        <translation>environ %@ W consommés</translation>
    </message>
</context>
<context>
    <name>qel::Glossary</name>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="224"/>
        <source>A page renderer for %@. Each browser tab and each Electron app window has one.</source>
        <translation>Un moteur de rendu de pages pour %@. Chaque onglet de navigateur et chaque fenêtre d&apos;application Electron en a un.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="227"/>
        <source>The graphics process for %@. It handles drawing, video and animation.</source>
        <translation>Le processus graphique de %@. Il gère le dessin, la vidéo et l&apos;animation.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="229"/>
        <source>A service process for %@. It does one job on its own, such as networking, audio or storage.</source>
        <translation>Un processus de service pour %@. Il se charge seul d&apos;une tâche, comme le réseau, l&apos;audio ou le stockage.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="233"/>
        <source>A kernel thread: part of the Linux kernel itself, doing work such as writing to disk, reclaiming memory or handling hardware.</source>
        <translation>Un thread noyau&#xa0;: une partie du noyau Linux lui-même, qui écrit sur le disque, récupère de la mémoire ou gère le matériel, par exemple.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="28"/>
        <source>A program that comes with your Linux system. Qel&apos;s glossary doesn&apos;t describe it yet.</source>
        <translation>Un programme fourni avec votre système Linux. Le glossaire de Qel ne le décrit pas encore.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="16"/>
        <source>The system needs it to run. Don&apos;t quit it.</source>
        <translation>Le système en a besoin pour fonctionner. Ne le quittez pas.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="18"/>
        <source>High usage is usually temporary and drops back once it finishes.</source>
        <translation>Une utilisation élevée est généralement passagère et retombe une fois la tâche terminée.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="222"/>
        <source>It belongs to %@ and ends when you quit %@.</source>
        <translation>Il appartient à %@ et se termine quand vous quittez %@.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="225"/>
        <source>High usage means a page is busy. Closing that tab or window ends it.</source>
        <translation>Une utilisation élevée signifie qu&apos;une page est occupée. Fermer cet onglet ou cette fenêtre y met fin.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="238"/>
        <source>Qel&apos;s glossary doesn&apos;t include this process. Judging by its path, it doesn&apos;t come from your distribution&apos;s packages.</source>
        <translation>Le glossaire de Qel ne contient pas ce processus. D&apos;après son chemin, il ne provient pas des paquets de votre distribution.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="240"/>
        <source>If you&apos;re not sure what it is, look it up online before deciding whether to quit it.</source>
        <translation>Si vous ne savez pas ce que c&apos;est, renseignez-vous en ligne avant de décider de le quitter.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="244"/>
        <source>A helper process for %@.</source>
        <translation>Un processus auxiliaire de %@.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="245"/>
        <source>Part of %@. Qel&apos;s glossary doesn&apos;t describe this process yet.</source>
        <translation>Fait partie de %@. Le glossaire de Qel ne décrit pas encore ce processus.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="248"/>
        <source>This is the main process of %@.</source>
        <translation>C&apos;est le processus principal de %@.</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="249"/>
        <source>If usage is high, first check whether it is working on something (exporting, syncing, compiling and so on).</source>
        <translation>Si l&apos;utilisation est élevée, vérifiez d&apos;abord s&apos;il est en train de travailler (export, synchronisation, compilation, etc.).</translation>
    </message>
    <message>
        <location filename="../../Processes/Glossary.cpp" line="255"/>
        <source>what is the %@ process on Linux</source>
        <translation>qu&apos;est-ce que le processus %@ sous Linux</translation>
    </message>
</context>
<context>
    <name>qel::GpuUserList</name>
    <message>
        <location filename="../../Pages/GPU/GpuUserList.cpp" line="47"/>
        <source>Front</source>
        <translation>1er plan</translation>
    </message>
</context>
<context>
    <name>qel::IncidentChart</name>
    <message>
        <location filename="../../Sheets/Reports/IncidentChart.cpp" line="63"/>
        <source>CPU usage over the last 60 seconds</source>
        <translation>Utilisation du CPU sur les 60 dernières secondes</translation>
    </message>
</context>
<context>
    <name>qel::IncidentSheet</name>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="59"/>
        <source>What just happened</source>
        <translation>Rétrospective</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="61"/>
        <source>Press Ctrl+Alt+E any time to replay the last 60 seconds.</source>
        <translation>Appuyez sur Ctrl+Alt+E à tout moment pour revoir les 60 dernières secondes.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="74"/>
        <source>60 s ago</source>
        <translation>il y a 60 s</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="78"/>
        <source>Pressed at %@</source>
        <translation>Appuyé à %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="127"/>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="129"/>
        <source>Ended</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>qel::InsightEngine</name>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="115"/>
        <source>Not enough history yet</source>
        <translation>Pas encore assez d&apos;historique</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="116"/>
        <source>Qel just started. In a few seconds it can replay what happened.</source>
        <translation>Qel vient de démarrer. Dans quelques secondes, il pourra revoir ce qui s&apos;est passé.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="126"/>
        <source>%@ pushed the CPU to %@ %@</source>
        <translation>%@ a poussé le CPU à %@ %@</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="128"/>
        <source>Memory is tight and the system is compressing it</source>
        <translation>La mémoire manque et le système la compresse</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="130"/>
        <source>The disk is reading and writing heavily</source>
        <translation>Le disque lit et écrit intensément</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="132"/>
        <source>%@ briefly maxed out one core</source>
        <translation>%@ a brièvement saturé un cœur</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="134"/>
        <source>Nothing unusual in the last %@ s</source>
        <translation>Rien d&apos;inhabituel ces %@ dernières secondes</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="137"/>
        <source>CPU peaked at %@ (%@) and averaged %@ over these %@ s.</source>
        <translation>Le CPU a culminé à %@ (%@), avec une moyenne de %@ sur ces %@ s.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="140"/>
        <source>%@ peaked at %@% (100% is one full core) and averaged %@%.</source>
        <translation>%@ a culminé à %@&#xa0;% (100&#xa0;% correspond à un cœur entier), avec une moyenne de %@ %.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="143"/>
        <source>Memory pressure peaked at %@%. When memory runs short, switching apps gets noticeably slower.</source>
        <translation>La pression mémoire a culminé à %@ %. Quand la mémoire manque, passer d&apos;une application à l&apos;autre devient nettement plus lent.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="145"/>
        <source>Disk activity peaked at %@.</source>
        <translation>L&apos;activité disque a culminé à %@.</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="147"/>
        <source>If things felt slow just now, an app may have been waiting on the network or on another program. That doesn&apos;t show up as CPU usage.</source>
        <translation>Si tout semblait lent à l&apos;instant, une application attendait peut-être le réseau ou un autre programme. Cela n&apos;apparaît pas dans l&apos;utilisation du CPU.</translation>
    </message>
</context>
<context>
    <name>qel::LicensesSheet</name>
    <message>
        <location filename="../../Sheets/LicensesSheet.cpp" line="34"/>
        <source>Open Source Licenses</source>
        <translation>Licences open source</translation>
    </message>
</context>
<context>
    <name>qel::MemPage</name>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="86"/>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="91"/>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="92"/>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="93"/>
        <source>Swap</source>
        <translation>Swap</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="105"/>
        <source>Each bubble is a process, sized by the memory it uses. Click a bubble for details or to quit it. The outer ring is memory pressure.</source>
        <translation>Chaque bulle est un processus, dont la taille suit la mémoire utilisée. Cliquez sur une bulle pour voir les détails ou le quitter. L&apos;anneau extérieur indique la pression mémoire.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="122"/>
        <location filename="../../Pages/Memory/MemPage.cpp" line="192"/>
        <source>Memory breakdown</source>
        <translation>Répartition de la mémoire</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="143"/>
        <source>App memory</source>
        <translation>Mémoire apps</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="144"/>
        <source>Kernel &amp; locked</source>
        <translation>Noyau et verrouillée</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="145"/>
        <source>Compressed</source>
        <translation>Compressée</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="146"/>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="163"/>
        <source>Memory pressure</source>
        <translation>Pression mémoire</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="192"/>
        <source>%@ total</source>
        <translation>%@ au total</translation>
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
        <translation>La mémoire manque</translation>
    </message>
</context>
<context>
    <name>qel::MemoryAdviceRow</name>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="43"/>
        <source>Memory keeps growing. Reopening it frees the memory.</source>
        <translation>La mémoire ne cesse d&apos;augmenter. La rouvrir libère la mémoire.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="49"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="60"/>
        <source>Using %@, %@</source>
        <translation>Utilise %@, %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceRow.cpp" line="61"/>
        <source>Quit %@</source>
        <translation>Quitter %@</translation>
    </message>
</context>
<context>
    <name>qel::MemoryChart</name>
    <message>
        <location filename="../../Processes/MemoryChart.cpp" line="56"/>
        <source>Memory, last 30 days</source>
        <translation>Mémoire, 30 derniers jours</translation>
    </message>
</context>
<context>
    <name>qel::MenuBar</name>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="273"/>
        <source>Show panel</source>
        <translation>Afficher le panneau</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="274"/>
        <source>Open Qel</source>
        <translation>Ouvrir Qel</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="275"/>
        <source>What just happened</source>
        <translation>Rétrospective</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuBar.cpp" line="353"/>
        <source>Qel keeps running while its window is closed, and usually waits in the tray. This desktop has no tray, so the window was minimised instead. To end Qel, choose Quit (Ctrl+Q).</source>
        <translation>Qel continue de tourner quand sa fenêtre est fermée et attend d&apos;habitude dans la zone de notification. Ce bureau n&apos;en a pas, la fenêtre a donc été réduite. Pour arrêter Qel, choisissez Quitter (Ctrl+Q).</translation>
    </message>
</context>
<context>
    <name>qel::MenuBarPanel</name>
    <message>
        <location filename="../../MenuBar/MenuBarPanel.cpp" line="39"/>
        <source>Qel panel</source>
        <translation>Panneau Qel</translation>
    </message>
</context>
<context>
    <name>qel::MenuCell</name>
    <message>
        <location filename="../../MenuBar/MenuCell.cpp" line="37"/>
        <source>View %@</source>
        <translation>Afficher %@</translation>
    </message>
</context>
<context>
    <name>qel::MenuPanel</name>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="121"/>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="155"/>
        <source>Top processes</source>
        <translation>Processus principaux</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="156"/>
        <source>Hover to quit</source>
        <translation>Survoler pour quitter</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="123"/>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="124"/>
        <source>Bluetooth devices</source>
        <translation>Appareils Bluetooth</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="274"/>
        <source>Scroll horizontally to see more devices.</source>
        <translation>Faites défiler horizontalement pour voir plus d&apos;appareils.</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="279"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="293"/>
        <source>Quiet mode</source>
        <translation>Mode discret</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="294"/>
        <source>Keep awake</source>
        <translation>Maintenir éveillé</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="295"/>
        <source>Pause alerts</source>
        <translation>Suspendre les alertes</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="321"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="323"/>
        <source>What just happened</source>
        <translation>Rétrospective</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="325"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="327"/>
        <source>Open Qel</source>
        <translation>Ouvrir Qel</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="210"/>
        <location filename="../../MenuBar/MenuPanel.cpp" line="401"/>
        <source>Load %.2f</source>
        <translation>Charge %.2f</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Measured</source>
        <translation>Mesurée</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="215"/>
        <source>Process sum</source>
        <translation>Somme des processus</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>Thermal</source>
        <translation>Thermique</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="410"/>
        <source>System thermal state</source>
        <translation>État thermique du système</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="411"/>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="414"/>
        <source>Memory %@</source>
        <translation>Mémoire %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="416"/>
        <source>Disk free</source>
        <translation>Disque libre</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="417"/>
        <source>%@ total</source>
        <translation>%@ au total</translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/MenuPanel.cpp" line="440"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>%n application en ligne</numerusform>
            <numerusform>%n applications en ligne</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="442"/>
        <source>Per-app traffic unavailable</source>
        <translation>Trafic par application indisponible</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="447"/>
        <source>Local %@</source>
        <translation>Local %@</translation>
    </message>
    <message>
        <location filename="../../MenuBar/MenuPanel.cpp" line="451"/>
        <source>No local address</source>
        <translation>Pas d&apos;adresse locale</translation>
    </message>
</context>
<context>
    <name>qel::MetricRow</name>
    <message>
        <location filename="../../Window/Overview/MetricRow.cpp" line="34"/>
        <source>View %@</source>
        <translation>Afficher %@</translation>
    </message>
</context>
<context>
    <name>qel::MiniRing</name>
    <message>
        <location filename="../../MenuBar/MiniRing.cpp" line="50"/>
        <source>CPU and memory over the last 60 seconds</source>
        <translation>CPU et mémoire sur les 60 dernières secondes</translation>
    </message>
</context>
<context>
    <name>qel::NetAddressCard</name>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Local address</source>
        <translation>Adresse locale</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>No local address</source>
        <translation>Pas d&apos;adresse locale</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="57"/>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="58"/>
        <source>Data is moving, but no network interface has an IPv4 address.</source>
        <translation>Des données circulent, mais aucune interface réseau n&apos;a d&apos;adresse IPv4.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetAddressCard.cpp" line="59"/>
        <source>No network interface with an IP address was found.</source>
        <translation>Aucune interface réseau avec une adresse IP n&apos;a été trouvée.</translation>
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
        <translation>%@ au total</translation>
    </message>
</context>
<context>
    <name>qel::NetPage</name>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="51"/>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="61"/>
        <source>Download</source>
        <translation>Réception</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="62"/>
        <source>Upload</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="55"/>
        <location filename="../../Pages/Network/NetPage.cpp" line="128"/>
        <source>Upload %@</source>
        <translation>Envoi %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="63"/>
        <source>Online</source>
        <translation>En ligne</translation>
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
        <translation>Qui est en ligne</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="89"/>
        <source>Only processes under your account. Scroll sideways for more.</source>
        <translation>Uniquement les processus de votre compte. Faites défiler latéralement pour en voir plus.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="137"/>
        <source>Each dot is an app that is online. Bigger dots have more traffic right now. Dots closer to the center have more total traffic. Click one for details. Per-app figures count TCP only, and leave out traffic within this computer.</source>
        <translation>Chaque point est une application en ligne. Les plus gros points ont plus de trafic en ce moment&#xa0;; les plus proches du centre ont plus de trafic au total. Cliquez sur l&apos;un d&apos;eux pour les détails. Les chiffres par application ne comptent que TCP et excluent le trafic interne à cet ordinateur.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/NetPage.cpp" line="140"/>
        <source>Per-app traffic isn&apos;t available (the system&apos;s socket statistics can&apos;t be read), so only whole-computer upload and download are shown.</source>
        <translation>Le trafic par application n&apos;est pas disponible (les statistiques de sockets du système sont illisibles)&#xa0;: seuls l&apos;envoi et la réception de tout l&apos;ordinateur sont affichés.</translation>
    </message>
</context>
<context>
    <name>qel::NoTameRules</name>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="18"/>
        <source>When not in front</source>
        <translation>Hors premier plan</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/NoTameRules.cpp" line="20"/>
        <source>No rules yet. In the details of any process, you can set its app to slow down or pause when it is not in front.</source>
        <translation>Aucune règle pour l&apos;instant. Dans les détails d&apos;un processus, vous pouvez faire ralentir ou mettre en pause son application quand elle n&apos;est pas au premier plan.</translation>
    </message>
</context>
<context>
    <name>qel::OtherMarkRow</name>
    <message>
        <location filename="../../Sheets/Reports/OtherMarkRow.cpp" line="49"/>
        <source>peak %@</source>
        <translation>pic %@</translation>
    </message>
</context>
<context>
    <name>qel::OverviewPage</name>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="170"/>
        <source>Replay 60 s</source>
        <translation>Revoir 60 s</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="171"/>
        <source>What just happened: replay the last 60 seconds (Ctrl+Alt+E)</source>
        <translation>Rétrospective : revoir les 60 dernières secondes (Ctrl+Alt+E)</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="184"/>
        <source>View summary</source>
        <translation>Voir le résumé</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/OverviewPage.cpp" line="260"/>
        <source>This moment is inside “%@”.</source>
        <translation>Ce moment fait partie de «&#xa0;%@&#xa0;».</translation>
    </message>
</context>
<context>
    <name>qel::PanelBatteryCell</name>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="51"/>
        <source>Battery %@%</source>
        <translation>Batterie %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelBatteryCell.cpp" line="54"/>
        <source>%@ battery low</source>
        <translation>Batterie de %@ faible</translation>
    </message>
</context>
<context>
    <name>qel::PanelProcRow</name>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="63"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="115"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="62"/>
        <location filename="../../MenuBar/PanelProcRow.cpp" line="119"/>
        <source>End</source>
        <translation>Terminer</translation>
    </message>
</context>
<context>
    <name>qel::PanelToggle</name>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="30"/>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelToggle.cpp" line="42"/>
        <source>On</source>
        <translation>Activé</translation>
    </message>
</context>
<context>
    <name>qel::PortEndButton</name>
    <message>
        <location filename="../../Pages/Network/PortEndButton.cpp" line="16"/>
        <source>End</source>
        <translation>Terminer</translation>
    </message>
</context>
<context>
    <name>qel::PortHints</name>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="9"/>
        <source>SSH remote login</source>
        <translation>Connexion à distance SSH</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="10"/>
        <source>Web server</source>
        <translation>Serveur web</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="11"/>
        <source>Web server (HTTPS)</source>
        <translation>Serveur web (HTTPS)</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="12"/>
        <source>SQL Server database</source>
        <translation>Base de données SQL Server</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="13"/>
        <location filename="../../Samplers/PortHints.cpp" line="16"/>
        <location filename="../../Samplers/PortHints.cpp" line="22"/>
        <location filename="../../Samplers/PortHints.cpp" line="25"/>
        <source>Common dev server port</source>
        <translation>Port courant de serveur de dév.</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="14"/>
        <source>MySQL database</source>
        <translation>Base de données MySQL</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="15"/>
        <source>Angular dev server</source>
        <translation>Serveur de dév. Angular</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="17"/>
        <source>Vite dev server</source>
        <translation>Serveur de dév. Vite</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="18"/>
        <source>PostgreSQL database</source>
        <translation>Base de données PostgreSQL</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="19"/>
        <source>Screen sharing (VNC)</source>
        <translation>Partage d&apos;écran (VNC)</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="20"/>
        <source>Redis</source>
        <translation>Redis</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="21"/>
        <source>AirPlay receiver</source>
        <translation>Récepteur AirPlay</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="23"/>
        <source>Common web service port</source>
        <translation>Port courant de service web</translation>
    </message>
    <message>
        <location filename="../../Samplers/PortHints.cpp" line="24"/>
        <source>Jupyter notebook</source>
        <translation>Notebook Jupyter</translation>
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
        <translation>Base de données MongoDB</translation>
    </message>
</context>
<context>
    <name>qel::PortRow</name>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="80"/>
        <source>End %@, which is using port %@</source>
        <translation>Terminer %@, qui utilise le port %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="88"/>
        <source>Listening on all network interfaces: other devices on the same network can connect to this port.</source>
        <translation>À l&apos;écoute sur toutes les interfaces réseau&#xa0;: d&apos;autres appareils du même réseau peuvent se connecter à ce port.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="90"/>
        <source>Listening on 127.0.0.1 only: only this computer can connect.</source>
        <translation>À l&apos;écoute sur 127.0.0.1 uniquement&#xa0;: seul cet ordinateur peut se connecter.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>Open to LAN</source>
        <translation>Ouvert au LAN</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortRow.cpp" line="118"/>
        <source>This computer only</source>
        <translation>Cet ordinateur uniquement</translation>
    </message>
</context>
<context>
    <name>qel::PortsPanel</name>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="57"/>
        <source>Listening ports</source>
        <translation>Ports en écoute</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="63"/>
        <source>Port or process</source>
        <translation>Port ou processus</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortsPanel.cpp" line="38"/>
        <source>Only ports of processes under your account. Ports used by system services need administrator rights to see.</source>
        <translation>Uniquement les ports des processus de votre compte. Voir ceux des services système nécessite les droits d&apos;administrateur.</translation>
    </message>
</context>
<context>
    <name>qel::PosterPreview</name>
    <message>
        <location filename="../../Sheets/Export/PosterPreview.cpp" line="15"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>qel::ProcessDetail</name>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="116"/>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="355"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="201"/>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="202"/>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="204"/>
        <source>Disk I/O</source>
        <translation>E/S disque</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="205"/>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="209"/>
        <source>CPU, since this panel opened</source>
        <translation>CPU, depuis l&apos;ouverture de ce panneau</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="232"/>
        <source>This is a system process: a kernel thread or a service run by another user, such as root. Ending it could freeze or restart the system, so Qel doesn&apos;t offer to end it. High usage usually drops back within a few minutes.</source>
        <translation>C&apos;est un processus système&#xa0;: un thread noyau ou un service exécuté par un autre utilisateur, comme root. Le terminer pourrait figer ou redémarrer le système, Qel ne propose donc pas de le faire. Une forte utilisation retombe en général en quelques minutes.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="240"/>
        <source>Quitting closes %@. Unsaved changes may be lost.</source>
        <translation>Quitter ferme %@. Les modifications non enregistrées peuvent être perdues.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="244"/>
        <source>End %@</source>
        <translation>Terminer %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="246"/>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>Force Quit</source>
        <translation>Forcer à quitter</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="256"/>
        <source>Force quit %@?</source>
        <translation>Forcer %@ à quitter&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="257"/>
        <source>It stops at once, without a chance to save. Unsaved changes are lost.</source>
        <translation>Il s&apos;arrête aussitôt, sans pouvoir enregistrer. Les modifications non enregistrées sont perdues.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessDetail.cpp" line="346"/>
        <source>This process has ended</source>
        <translation>Ce processus s&apos;est terminé</translation>
    </message>
</context>
<context>
    <name>qel::ProcessNoteView</name>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="34"/>
        <source>What is this</source>
        <translation>Qu&apos;est-ce que c&apos;est</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessNoteView.cpp" line="44"/>
        <source>Look up this process online</source>
        <translation>Rechercher ce processus en ligne</translation>
    </message>
</context>
<context>
    <name>qel::ProcessTable</name>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="92"/>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By CPU</source>
        <translation>Par CPU</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="98"/>
        <source>By memory</source>
        <translation>Par mémoire</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="100"/>
        <source>Search processes</source>
        <translation>Rechercher des processus</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/ProcessTable.cpp" line="46"/>
        <source>%n processes, %@ of them yours</source>
        <translation>
            <numerusform>%n processus, dont %@ à vous</numerusform>
            <numerusform>%n processus, dont %@ à vous</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="206"/>
        <source>Reading processes…</source>
        <translation>Lecture des processus…</translation>
    </message>
    <message>
        <location filename="../../Processes/ProcessTable.cpp" line="207"/>
        <source>No process has “%@” in its name. Try another word, or clear the search field.</source>
        <translation>Aucun processus n&apos;a «&#xa0;%@&#xa0;» dans son nom. Essayez un autre mot ou videz le champ de recherche.</translation>
    </message>
</context>
<context>
    <name>qel::ProfileView</name>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>Not enough history yet</source>
        <translation>Pas encore assez d&apos;historique</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="59"/>
        <source>The profile fills in after Qel has seen this app on two different days.</source>
        <translation>Le profil se remplit une fois que Qel a vu cette application sur deux jours différents.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="77"/>
        <source>Memory, last 30 days</source>
        <translation>Mémoire, 30 derniers jours</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="80"/>
        <source>Dashed line: updated to %@</source>
        <translation>Ligne pointillée&#xa0;: mise à jour vers %@</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="98"/>
        <source>When it is most active</source>
        <translation>Quand elle est la plus active</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="116"/>
        <source>CPU while running, average</source>
        <translation>CPU en fonctionnement, moyenne</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="117"/>
        <source>Memory, average</source>
        <translation>Mémoire, moyenne</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="118"/>
        <source>Share of all apps&apos; energy</source>
        <translation>Part de l&apos;énergie de toutes les applications</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileView.cpp" line="119"/>
        <source>Days it ran</source>
        <translation>Jours d&apos;exécution</translation>
    </message>
</context>
<context>
    <name>qel::ReportSheet</name>
    <message>
        <location filename="../../Sheets/Reports/ReportSheet.cpp" line="65"/>
        <source>Done</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qel::Ring</name>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="113"/>
        <source>Asleep</source>
        <translation>En veille</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="143"/>
        <source>0:00</source>
        <translation>0 h</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="144"/>
        <source>6:00</source>
        <translation>6 h</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="145"/>
        <source>12:00</source>
        <translation>12 h</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="146"/>
        <source>18:00</source>
        <translation>18 h</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="151"/>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="152"/>
        <source>45 s ago</source>
        <translation>il y a 45 s</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="153"/>
        <source>30 s ago</source>
        <translation>il y a 30 s</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/DayRingPainter.cpp" line="154"/>
        <source>15 s ago</source>
        <translation>il y a 15 s</translation>
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
        <translation>Jour</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="55"/>
        <source>Previous day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="59"/>
        <source>Next day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="41"/>
        <source>Export this day as an image</source>
        <translation>Exporter cette journée en image</translation>
    </message>
    <message>
        <location filename="../../Window/Overview/RingControls.cpp" line="71"/>
        <location filename="../../Window/Overview/RingControls.cpp" line="72"/>
        <source>Back to now</source>
        <translation>Revenir à maintenant</translation>
    </message>
</context>
<context>
    <name>qel::RuleRow</name>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Below</source>
        <translation>En dessous de</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="89"/>
        <source>Above</source>
        <translation>Au-dessus de</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="95"/>
        <source>%@ threshold</source>
        <translation>Seuil&#xa0;: %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="107"/>
        <source>for</source>
        <translation>pendant</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/RuleRow.cpp" line="109"/>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>qel::Rules</name>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Whole computer</source>
        <translation>Tout l&apos;ordinateur</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>CPU busy for a long time</source>
        <translation>CPU occupé longtemps</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="18"/>
        <source>Overall usage stays above the threshold for a while</source>
        <translation>L&apos;utilisation globale reste au-dessus du seuil un certain temps</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>High memory pressure</source>
        <translation>Pression mémoire élevée</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="21"/>
        <source>The system is compressing memory heavily or using swap</source>
        <translation>Le système compresse beaucoup la mémoire ou utilise le swap</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Low disk space</source>
        <translation>Espace disque faible</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="24"/>
        <source>Free space on the system disk falls below the threshold</source>
        <translation>L&apos;espace libre du disque système passe sous le seuil</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Temperature and battery</source>
        <translation>Température et batterie</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>Computer overheating</source>
        <translation>L&apos;ordinateur surchauffe</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="27"/>
        <source>The thermal state becomes Hot or Overheating</source>
        <translation>L&apos;état thermique passe à Chaud ou Surchauffe</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Low battery</source>
        <translation>Batterie faible</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="30"/>
        <source>Only checked on battery power</source>
        <translation>Vérifié uniquement sur batterie</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>Single process</source>
        <translation>Un seul processus</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>A process hogs the CPU for a long time</source>
        <translation>Un processus accapare le CPU longtemps</translation>
    </message>
    <message>
        <location filename="../../Store/AlertRule.cpp" line="33"/>
        <source>One process stays above the threshold for a while</source>
        <translation>Un processus reste au-dessus du seuil un certain temps</translation>
    </message>
</context>
<context>
    <name>qel::SettingsSheet</name>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="65"/>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="89"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="121"/>
        <source>Changes apply immediately and are saved automatically.</source>
        <translation>Les modifications s&apos;appliquent immédiatement et sont enregistrées automatiquement.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/SettingsSheet.cpp" line="138"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
</context>
<context>
    <name>qel::SleepBatteryChart</name>
    <message>
        <location filename="../../Sheets/Reports/SleepBatteryChart.cpp" line="64"/>
        <source>Battery level while asleep</source>
        <translation>Niveau de batterie pendant la veille</translation>
    </message>
</context>
<context>
    <name>qel::SleepLine</name>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>Voir le rapport de veille</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="57"/>
        <location filename="../../Sheets/Reports/SleepLine.cpp" line="68"/>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>qel::SleepNote</name>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="39"/>
        <source>View sleep report</source>
        <translation>Voir le rapport de veille</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="62"/>
        <source>%@  %@</source>
        <translation>%@  %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepNote.cpp" line="68"/>
        <source>Asleep from %@ to %@</source>
        <translation>En veille de %@ à %@</translation>
    </message>
</context>
<context>
    <name>qel::SleepReport</name>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="33"/>
        <source>A sleep this long usually uses about %@%. This one used %@%.</source>
        <translation>Une veille aussi longue consomme d&apos;habitude environ %@ %. Celle-ci a consommé %@ %.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="57"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="58"/>
        <source>Preventing sleep when the lid closed: %@</source>
        <translation>Veille empêchée à la fermeture du capot&#xa0;: %@</translation>
    </message>
</context>
<context>
    <name>qel::SleepRowButton</name>
    <message>
        <location filename="../../MenuBar/SleepRowButton.cpp" line="42"/>
        <source>View sleep report</source>
        <translation>Voir le rapport de veille</translation>
    </message>
</context>
<context>
    <name>qel::SleepSheet</name>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="70"/>
        <source>Sleep report</source>
        <translation>Rapport de veille</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="71"/>
        <source>Linux logs when the computer slept and woke, but not which app asked it to wake.</source>
        <translation>Linux enregistre quand l&apos;ordinateur s&apos;est mis en veille et réveillé, mais pas quelle application a demandé le réveil.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="89"/>
        <source>Asleep from %@ to %@</source>
        <translation>En veille de %@ à %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="101"/>
        <source>Time asleep</source>
        <translation>Durée de veille</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="102"/>
        <source>Battery used</source>
        <translation>Batterie utilisée</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="103"/>
        <source>Wakes</source>
        <translation>Réveils</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="133"/>
        <source>What woke it</source>
        <translation>Cause du réveil</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepSheet.cpp" line="136"/>
        <source>Linux does not log dark wakes, so no wakes are listed for this sleep.</source>
        <translation>Linux n&apos;enregistre pas les réveils en arrière-plan, aucun réveil n&apos;est donc listé pour cette veille.</translation>
    </message>
</context>
<context>
    <name>qel::StarMapView</name>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="46"/>
        <source>Network star map</source>
        <translation>Carte stellaire du réseau</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/StarMapView.cpp" line="48"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="55"/>
        <source>%n apps online</source>
        <translation>
            <numerusform>%n application en ligne</numerusform>
            <numerusform>%n applications en ligne</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="126"/>
        <location filename="../../Pages/Network/StarMapView.cpp" line="140"/>
        <source>This computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="160"/>
        <source>None of your apps has a TCP connection right now</source>
        <translation>Aucune de vos applications n&apos;a de connexion TCP en ce moment</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/StarMapView.cpp" line="161"/>
        <source>Per-app traffic unavailable</source>
        <translation>Trafic par application indisponible</translation>
    </message>
</context>
<context>
    <name>qel::Store</name>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="76"/>
        <location filename="../../Store/DayBrowsing.cpp" line="78"/>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="79"/>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="135"/>
        <source>%@, daily average</source>
        <translation>%@, moyenne quotidienne</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="138"/>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="142"/>
        <source>%@ s ago</source>
        <translation>il y a %@ s</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="152"/>
        <location filename="../../Store/DayBrowsing.cpp" line="162"/>
        <source>History could not be erased</source>
        <translation>L&apos;historique n&apos;a pas pu être effacé</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="182"/>
        <source>History erased</source>
        <translation>Historique effacé</translation>
    </message>
    <message>
        <location filename="../../Store/DayBrowsing.cpp" line="183"/>
        <source>History erased, but traces of it may remain in the file: %@</source>
        <translation>Historique effacé, mais des traces peuvent subsister dans le fichier&#xa0;: %@</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="20"/>
        <source>CPU averaged %@ over these 10 minutes and peaked at %@.</source>
        <translation>Le CPU a été en moyenne à %@ sur ces 10 minutes, avec un pic à %@.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="23"/>
        <source> The top process at the time was %@ (%@%).</source>
        <translation> Le processus principal à ce moment-là était %@ (%@&#xa0;%).</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="24"/>
        <source>CPU busy</source>
        <translation>CPU occupé</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="28"/>
        <source>Memory is tight</source>
        <translation>La mémoire manque</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="29"/>
        <source>Memory pressure averaged %@% over these 10 minutes, with %@ in use.</source>
        <translation>La pression mémoire a été en moyenne de %@&#xa0;% sur ces 10 minutes, avec %@ utilisés.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="62"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="63"/>
        <source>Warm</source>
        <translation>Tiède</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="64"/>
        <source>Hot</source>
        <translation>Chaud</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="65"/>
        <source>Overheating</source>
        <translation>Surchauffe</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="67"/>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="73"/>
        <source>a process</source>
        <translation>un processus</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>CPU is very busy</source>
        <translation>Le CPU est très occupé</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="76"/>
        <source>%@ is using %@%. The fans may spin up.</source>
        <translation>%@ utilise %@ %. Les ventilateurs risquent d&apos;accélérer.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="78"/>
        <source>Computer is running hot</source>
        <translation>L&apos;ordinateur chauffe</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="79"/>
        <source>The system is already slowing down to cool off. Stop the most power-hungry app first.</source>
        <translation>Le système ralentit déjà pour refroidir. Arrêtez d&apos;abord l&apos;application la plus gourmande.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="81"/>
        <source>Memory is getting tight</source>
        <translation>La mémoire commence à manquer</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="82"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using will help.</source>
        <translation>Le système compresse la mémoire. Quitter les applications inutilisées aidera.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>A bit busy</source>
        <translation>Un peu occupé</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="83"/>
        <source>Mostly %@, at %@% CPU</source>
        <translation>Surtout %@, à %@&#xa0;% de CPU</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="85"/>
        <source>Busier than usual</source>
        <translation>Plus occupé que d&apos;habitude</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="86"/>
        <source>CPU usage over these 10 minutes is %@× the usual for this time of day, mostly from %@.</source>
        <translation>Sur ces 10 minutes, l&apos;utilisation du CPU est %@× l&apos;habituelle à cette heure, surtout à cause de %@.</translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="89"/>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>All calm</source>
        <translation>Tout est calme</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/DayStatus.cpp" line="90"/>
        <source>Qel noticed %n things today. Click a dot outside the ring to see what happened.</source>
        <translation>
            <numerusform>Qel a relevé %n élément aujourd&apos;hui. Cliquez sur un point autour de l&apos;anneau pour voir ce qui s&apos;est passé.</numerusform>
            <numerusform>Qel a relevé %n éléments aujourd&apos;hui. Cliquez sur un point autour de l&apos;anneau pour voir ce qui s&apos;est passé.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/DayStatus.cpp" line="91"/>
        <source>Drag the ring on the left to look back at the load at any time today.</source>
        <translation>Faites glisser l&apos;anneau à gauche pour revoir la charge à tout moment de la journée.</translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="62"/>
        <source>Asked %@ to quit</source>
        <translation>%@ a été invité à quitter</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MemoryAdvice.cpp" line="64"/>
        <source>Asked %n apps to quit</source>
        <translation>
            <numerusform>%n application a été invitée à quitter</numerusform>
            <numerusform>%n applications ont été invitées à quitter</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MemoryAdvice.cpp" line="66"/>
        <source>These apps didn&apos;t respond to the quit request</source>
        <translation>Ces applications n&apos;ont pas répondu à la demande de fermeture</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="39"/>
        <source>Background priority restored</source>
        <translation>Priorité d&apos;arrière-plan rétablie</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="43"/>
        <location filename="../../Store/Taming.cpp" line="147"/>
        <source>Couldn&apos;t restore the priority of %@</source>
        <translation>Impossible de rétablir la priorité de %@</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="53"/>
        <source>Background work is now throttled</source>
        <translation>Les tâches d&apos;arrière-plan sont maintenant freinées</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="71"/>
        <source>Normal sleep restored</source>
        <translation>Veille normale rétablie</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="75"/>
        <source>Qel Keep Awake</source>
        <translation>Qel Maintien éveillé</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="77"/>
        <source>Couldn&apos;t prevent sleep. The system refused the request.</source>
        <translation>Impossible d&apos;empêcher la veille. Le système a refusé la demande.</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="82"/>
        <source>Won&apos;t sleep when idle for the next 2 hours</source>
        <translation>Pas de mise en veille pour inactivité pendant 2 heures</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="88"/>
        <source>Alerts resumed</source>
        <translation>Alertes rétablies</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="90"/>
        <source>Alerts paused for 1 hour</source>
        <translation>Alertes suspendues pendant 1 heure</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="98"/>
        <source>Until %@</source>
        <translation>Jusqu&apos;à %@</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="99"/>
        <source>No idle sleep for 2 h</source>
        <translation>Pas de mise en veille pendant 2 h</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="103"/>
        <source>Resumes at %@</source>
        <translation>Reprise à %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="104"/>
        <source>%n on</source>
        <translation>
            <numerusform>%n active</numerusform>
            <numerusform>%n actives</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/MenuFeatures.cpp" line="109"/>
        <source>%n throttled</source>
        <translation>
            <numerusform>%n freiné</numerusform>
            <numerusform>%n freinés</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="108"/>
        <source>Throttle heavy work</source>
        <translation>Freiner les tâches lourdes</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="110"/>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="118"/>
        <source>Mem </source>
        <translation>Mém </translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="187"/>
        <source>Quiet mode and taming are idle: this desktop doesn&apos;t tell which app is in front.</source>
        <translation>Le mode discret et le bridage sont inactifs&#xa0;: ce bureau n&apos;indique pas quelle application est au premier plan.</translation>
    </message>
    <message>
        <location filename="../../Store/MenuFeatures.cpp" line="192"/>
        <location filename="../../Store/Tick.cpp" line="111"/>
        <source>Process %@</source>
        <translation>Processus %@</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Force-quit %@</source>
        <translation>Forcer %@ à quitter</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="50"/>
        <source>Ended %@</source>
        <translation>%@ terminé</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Force-quit %n processes</source>
        <translation>
            <numerusform>%n processus forcé à quitter</numerusform>
            <numerusform>%n processus forcés à quitter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/Quitting.cpp" line="52"/>
        <source>Ended %n processes</source>
        <translation>
            <numerusform>%n processus terminé</numerusform>
            <numerusform>%n processus terminés</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t force-quit %@</source>
        <translation>Impossible de forcer %@ à quitter</translation>
    </message>
    <message>
        <location filename="../../Store/Quitting.cpp" line="55"/>
        <source>Couldn&apos;t end %@</source>
        <translation>Impossible de terminer %@</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="60"/>
        <source>Alerted once today at %@</source>
        <translation>Une alerte aujourd&apos;hui à %@</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="75"/>
        <source>an unknown process</source>
        <translation>un processus inconnu</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="76"/>
        <source>CPU usage is %@. The top process is %@.</source>
        <translation>L&apos;utilisation du CPU est de %@. Le processus principal est %@.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="79"/>
        <source>Memory pressure is %@%. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>La pression mémoire est de %@ %. Quitter les applications inutilisées rend le passage de l&apos;une à l&apos;autre plus fluide.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="83"/>
        <source>Only %@ left on the system disk.</source>
        <translation>Plus que %@ sur le disque système.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="86"/>
        <source>The system is slowing down to cool off. Stop the most power-hungry app, or give the computer some airflow.</source>
        <translation>Le système ralentit pour refroidir. Arrêtez l&apos;application la plus gourmande ou aérez l&apos;ordinateur.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="91"/>
        <source>Battery at %@%. Remember to plug in.</source>
        <translation>Batterie à %@ %. Pensez à brancher l&apos;ordinateur.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="94"/>
        <source>%@ is using %@% CPU.</source>
        <translation>%@ utilise %@&#xa0;% du CPU.</translation>
    </message>
    <message>
        <location filename="../../Store/Rules.cpp" line="110"/>
        <source>Qel alert</source>
        <translation>Alerte Qel</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="97"/>
        <source>Saving the day before sleep</source>
        <translation>Enregistrement de la journée avant la veille</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="240"/>
        <source>Slept %@</source>
        <translation>En veille pendant %@</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="242"/>
        <source>battery −%@%</source>
        <translation>batterie −%@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Store/SleepHistory.cpp" line="243"/>
        <source>wakes: %@</source>
        <translation>réveils&#xa0;: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="65"/>
        <source>The settings file could not be read. It was kept as %@ and the settings start from their defaults.</source>
        <translation>Le fichier de paramètres était illisible. Il a été conservé sous %@ et les paramètres repartent des valeurs par défaut.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="68"/>
        <source>The settings file %@ can&apos;t be read (%@). The settings start from their defaults and changes are not saved, so the file stays as it is.</source>
        <translation>Le fichier de paramètres %@ est illisible (%@). Les paramètres repartent des valeurs par défaut et les modifications ne sont pas enregistrées&#xa0;: le fichier reste tel quel.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="42"/>
        <source>The settings could not be saved: %@ would grow past 1 MB, more than Qel reads back. The changes hold until Qel quits.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés&#xa0;: %@ dépasserait 1&#xa0;Mo, plus que ce que Qel relit. Les modifications valent jusqu&apos;à la fermeture de Qel.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="297"/>
        <source>The history file could not be used. It was kept as %@ and a new one started.</source>
        <translation>Le fichier d&apos;historique était inutilisable. Il a été conservé sous %@ et un nouveau a été créé.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="301"/>
        <source>History is not saved this run: the history file is from a newer version of Qel and is left as it is.</source>
        <translation>L&apos;historique n&apos;est pas enregistré pendant cette session&#xa0;: le fichier d&apos;historique provient d&apos;une version plus récente de Qel et reste tel quel.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="304"/>
        <source>History can&apos;t be saved: %@</source>
        <translation>Impossible d&apos;enregistrer l&apos;historique&#xa0;: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="307"/>
        <source>History can&apos;t be saved for now: %@. Qel keeps it and saves it once the disk has room again.</source>
        <translation>L&apos;historique ne peut pas être enregistré pour l&apos;instant&#xa0;: %@. Qel le conserve et l&apos;enregistre dès que le disque a de nouveau de la place.</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="312"/>
        <source>History could not be saved: %@</source>
        <translation>L&apos;historique n&apos;a pas pu être enregistré&#xa0;: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Store.cpp" line="315"/>
        <source>History could not be read: %@</source>
        <translation>L&apos;historique n&apos;a pas pu être lu&#xa0;: %@</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="19"/>
        <source>Marking started. Click End when you&apos;re done.</source>
        <translation>Marquage commencé. Cliquez sur Terminer quand vous avez fini.</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="38"/>
        <source>Marked at %@</source>
        <translation>Marqué à %@</translation>
    </message>
    <message>
        <location filename="../../Store/Stretches.cpp" line="84"/>
        <source>Mark deleted</source>
        <translation>Repère supprimé</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="196"/>
        <source>Removed the rule for %@, but it stays slowed until it restarts</source>
        <translation>Règle de %@ supprimée, mais il reste ralenti jusqu&apos;à son redémarrage</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="197"/>
        <source>Removed the rule for %@</source>
        <translation>Règle de %@ supprimée</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="207"/>
        <source>%@ will slow down when it&apos;s not in front</source>
        <translation>%@ ralentira quand il ne sera pas au premier plan</translation>
    </message>
    <message>
        <location filename="../../Store/Taming.cpp" line="208"/>
        <source>%@ will pause when it&apos;s not in front</source>
        <translation>%@ se mettra en pause quand il ne sera pas au premier plan</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="44"/>
        <source>The thin line is the usual CPU load at this time of day (from the last %n days)</source>
        <translation>
            <numerusform>La ligne fine est la charge CPU habituelle à cette heure (sur le dernier %n jour)</numerusform>
            <numerusform>La ligne fine est la charge CPU habituelle à cette heure (sur les %n derniers jours)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Store/UsualLoad.cpp" line="45"/>
        <source>After %n more days of history, the ring will show a reference line for your usual load</source>
        <translation>
            <numerusform>Après %n jour d&apos;historique de plus, l&apos;anneau affichera une ligne de référence pour votre charge habituelle</numerusform>
            <numerusform>Après %n jours d&apos;historique de plus, l&apos;anneau affichera une ligne de référence pour votre charge habituelle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qel::StretchButton</name>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="54"/>
        <source>Mark a stretch</source>
        <translation>Marquer une période</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="55"/>
        <source>End</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="56"/>
        <source>End this stretch and see its summary</source>
        <translation>Terminer cette période et voir son résumé</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchButton.cpp" line="57"/>
        <source>Mark a stretch of time: Qel sums up what happened between start and end</source>
        <translation>Marquez une période&#xa0;: Qel résume ce qui s&apos;est passé entre le début et la fin</translation>
    </message>
</context>
<context>
    <name>qel::StretchSheet</name>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="66"/>
        <source>Marks stay on the outside of the ring so you can look back.</source>
        <translation>Les repères restent autour de l&apos;anneau pour que vous puissiez y revenir.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="87"/>
        <source>Name this stretch</source>
        <translation>Nommer cette période</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="101"/>
        <source>CPU peak</source>
        <translation>Pic CPU</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="102"/>
        <source>CPU average</source>
        <translation>CPU moyen</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="103"/>
        <source>Energy used</source>
        <translation>Énergie utilisée</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="111"/>
        <source>CPU usage during this stretch</source>
        <translation>Utilisation du CPU pendant cette période</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="120"/>
        <source>Who used the most</source>
        <translation>Qui a le plus consommé</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="135"/>
        <source>Other marks that day</source>
        <translation>Autres repères ce jour-là</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="157"/>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>Delete this mark</source>
        <translation>Supprimer ce repère</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="160"/>
        <source>Delete this mark?</source>
        <translation>Supprimer ce repère&#xa0;?</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchSheet.cpp" line="161"/>
        <source>This can&apos;t be undone.</source>
        <translation>C&apos;est irréversible.</translation>
    </message>
</context>
<context>
    <name>qel::TameControl</name>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="70"/>
        <source>When not in front</source>
        <translation>Hors premier plan</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Leave alone</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Slow down</source>
        <translation>Ralentir</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="74"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>qel::TameRuleRow</name>
    <message>
        <location filename="../../Sheets/Settings/TameRuleRow.cpp" line="38"/>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>qel::TameRulesSection</name>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="29"/>
        <source>When not in front</source>
        <translation>Hors premier plan</translation>
    </message>
</context>
<context>
    <name>qel::TodayStrip</name>
    <message>
        <location filename="../../MenuBar/TodayStrip.cpp" line="100"/>
        <source>0:00</source>
        <translation>0 h</translation>
    </message>
</context>
<context>
    <name>qel::TopBar</name>
    <message>
        <location filename="../../Window/TopBar.cpp" line="19"/>
        <source>What just happened: replay the last 60 seconds (Ctrl+Alt+E)</source>
        <translation>Rétrospective : revoir les 60 dernières secondes (Ctrl+Alt+E)</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="20"/>
        <source>What just happened</source>
        <translation>Rétrospective</translation>
    </message>
    <message>
        <location filename="../../Window/TopBar.cpp" line="21"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>qel::UpdateNotices</name>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="49"/>
        <source>Update to %@</source>
        <translation>Mettre à jour vers %@</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="50"/>
        <source>A new version of Qel is ready. Click to open its download page.</source>
        <translation>Une nouvelle version de Qel est prête. Cliquez pour ouvrir sa page de téléchargement.</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="52"/>
        <source>What&apos;s new</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <location filename="../../Updates/UpdateNotices.cpp" line="53"/>
        <source>Qel was updated. See what changed.</source>
        <translation>Qel a été mis à jour. Découvrez ce qui a changé.</translation>
    </message>
</context>
<context>
    <name>qel::Updater</name>
    <message>
        <location filename="../../Updates/Updater.cpp" line="137"/>
        <source>The download page could not be opened: %@</source>
        <translation>La page de téléchargement n&apos;a pas pu être ouverte&#xa0;: %@</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="193"/>
        <source>Qel could not reach the update feed.</source>
        <translation>Qel n&apos;a pas pu joindre le flux de mises à jour.</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="192"/>
        <location filename="../../Updates/Updater.cpp" line="195"/>
        <source>The update feed could not be read.</source>
        <translation>Le flux de mises à jour n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="203"/>
        <source>Qel %@ is available.</source>
        <translation>Qel %@ est disponible.</translation>
    </message>
    <message>
        <location filename="../../Updates/Updater.cpp" line="205"/>
        <source>Qel %@ is the newest version.</source>
        <translation>Qel %@ est la version la plus récente.</translation>
    </message>
</context>
<context>
    <name>qel::WakeKind</name>
    <message>
        <location filename="../../History/WakeKind.cpp" line="43"/>
        <source>Scheduled background maintenance</source>
        <translation>Maintenance planifiée en arrière-plan</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="44"/>
        <source>Woken by the network</source>
        <translation>Réveillé par le réseau</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="45"/>
        <source>Woken by a USB or Bluetooth device</source>
        <translation>Réveillé par un appareil USB ou Bluetooth</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="46"/>
        <source>Power adapter plugged in or unplugged</source>
        <translation>Adaptateur secteur branché ou débranché</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="47"/>
        <source>Lid opened or a key pressed</source>
        <translation>Capot ouvert ou touche pressée</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="50"/>
        <source>Woken by the system</source>
        <translation>Réveillé par le système</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="56"/>
        <source>A timer set to wake the computer (an RTC alarm, such as a systemd timer with WakeSystem=true) woke it for a moment. “systemctl list-timers” lists the timers; turning off the one that wakes it stops this.</source>
        <translation>Un minuteur réglé pour réveiller l&apos;ordinateur (une alarme RTC, comme un minuteur systemd avec WakeSystem=true) l&apos;a réveillé un instant. «&#xa0;systemctl list-timers&#xa0;» liste les minuteurs&#xa0;; désactiver celui qui le réveille y met fin.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="60"/>
        <source>Something on the network kept waking the computer (wake-on-LAN or wake-on-WLAN). Turning wake-on-LAN off for the network card, with “ethtool -s &lt;interface&gt; wol d” or in the firmware settings, stops this.</source>
        <translation>Quelque chose sur le réseau a réveillé l&apos;ordinateur à plusieurs reprises (wake-on-LAN ou wake-on-WLAN). Désactiver le wake-on-LAN de la carte réseau, avec «&#xa0;ethtool -s &lt;interface&gt; wol d&#xa0;» ou dans les paramètres du firmware, y met fin.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="64"/>
        <source>A connected USB or Bluetooth device woke the computer. Unplugging it, or turning the device off overnight, stops this.</source>
        <translation>Un appareil USB ou Bluetooth connecté a réveillé l&apos;ordinateur. Le débrancher, ou l&apos;éteindre pour la nuit, y met fin.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="67"/>
        <source>Plugging in or unplugging the power adapter wakes the computer for a moment. That is normal.</source>
        <translation>Brancher ou débrancher l&apos;adaptateur secteur réveille l&apos;ordinateur un instant. C&apos;est normal.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="69"/>
        <source>Opening the lid or pressing a key wakes the computer. That is normal.</source>
        <translation>Ouvrir le capot ou appuyer sur une touche réveille l&apos;ordinateur. C&apos;est normal.</translation>
    </message>
    <message>
        <location filename="../../History/WakeKind.cpp" line="72"/>
        <source>These wakes came from the firmware or the kernel. The kernel log (“journalctl -k”) and /proc/acpi/wakeup tell which device may be waking the computer.</source>
        <translation>Ces réveils viennent du firmware ou du noyau. Le journal du noyau («&#xa0;journalctl -k&#xa0;») et /proc/acpi/wakeup indiquent quel appareil peut réveiller l&apos;ordinateur.</translation>
    </message>
</context>
<context>
    <name>qel::WakeRow</name>
    <message>
        <location filename="../../Pages/Energy/WakeRow.cpp" line="57"/>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>qel::WhatsNewSheet</name>
    <message>
        <location filename="../../Sheets/WhatsNewSheet.cpp" line="88"/>
        <source>What&apos;s new</source>
        <translation>Nouveautés</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="28"/>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="52"/>
        <source>just now</source>
        <translation>à l&apos;instant</translation>
    </message>
    <message>
        <location filename="../../History/InsightReplay.cpp" line="29"/>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="53"/>
        <source>%@ s ago</source>
        <translation>il y a %@ s</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="26"/>
        <source>used just now</source>
        <translation>utilisé à l&apos;instant</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="27"/>
        <source>unused for %@ min</source>
        <translation>inutilisé depuis %@ min</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="28"/>
        <source>unused for %@ h</source>
        <translation>inutilisé depuis %@ h</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="31"/>
        <source>not used since Qel started</source>
        <translation>non utilisé depuis le démarrage de Qel</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="32"/>
        <source>unused for at least %@ min</source>
        <translation>inutilisé depuis au moins %@ min</translation>
    </message>
    <message>
        <location filename="../../History/MemSuggestion.cpp" line="33"/>
        <source>unused for at least %@ h</source>
        <translation>inutilisé depuis au moins %@ h</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="83"/>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="84"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="85"/>
        <source>Load ring</source>
        <translation>Anneau de charge</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="86"/>
        <source>Bars</source>
        <translation>Barres</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="87"/>
        <source>Gauge</source>
        <translation>Jauge</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="88"/>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="89"/>
        <source>Dot</source>
        <translation>Point</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="90"/>
        <source>Cat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="91"/>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="92"/>
        <source>Slime</source>
        <translation>Slime</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="93"/>
        <source>Drop</source>
        <translation>Goutte</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="94"/>
        <source>Coffee</source>
        <translation>Café</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="95"/>
        <source>Newton&apos;s cradle</source>
        <translation>Pendule de Newton</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="96"/>
        <source>Engine</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="97"/>
        <source>Mochi</source>
        <translation>Mochi</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="104"/>
        <source>The Qel logo, turning into the load ring when the CPU is busy</source>
        <translation>Le logo Qel, qui devient l&apos;anneau de charge quand le CPU est occupé</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="105"/>
        <source>Always the Qel logo</source>
        <translation>Toujours le logo Qel</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="106"/>
        <source>CPU usage over the last 20 seconds, as a ring</source>
        <translation>Utilisation du CPU sur les 20 dernières secondes, en anneau</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="107"/>
        <source>CPU usage over the last 9 seconds, as bars</source>
        <translation>Utilisation du CPU sur les 9 dernières secondes, en barres</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="108"/>
        <source>An arc that fills up to the current CPU usage</source>
        <translation>Un arc rempli jusqu&apos;à l&apos;utilisation actuelle du CPU</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="109"/>
        <source>CPU usage over the last 20 seconds, as a line</source>
        <translation>Utilisation du CPU sur les 20 dernières secondes, en ligne</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="110"/>
        <source>A dot that grows as the CPU gets busier</source>
        <translation>Un point qui grossit quand le CPU s&apos;active</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="111"/>
        <source>A running cat that speeds up as the CPU gets busier</source>
        <translation>Un chat qui court plus vite quand le CPU s&apos;active</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="112"/>
        <source>A running dog that speeds up as the CPU gets busier</source>
        <translation>Un chien qui court plus vite quand le CPU s&apos;active</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="113"/>
        <source>A slime that stretches faster as the CPU gets busier</source>
        <translation>Un slime qui s&apos;étire plus vite quand le CPU s&apos;active</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="114"/>
        <source>A drop that ripples faster as the CPU gets busier</source>
        <translation>Une goutte qui ondule plus vite quand le CPU s&apos;active</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="115"/>
        <source>A cup of coffee that steams faster as the CPU gets busier</source>
        <translation>Une tasse de café qui fume plus vite quand le CPU s&apos;active</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="116"/>
        <source>A Newton&apos;s cradle that swings faster as the CPU gets busier</source>
        <translation>Un pendule de Newton qui oscille plus vite quand le CPU s&apos;active</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="117"/>
        <source>An engine that runs faster as the CPU gets busier</source>
        <translation>Un moteur qui tourne plus vite quand le CPU s&apos;active</translation>
    </message>
    <message>
        <location filename="../../Kit/Art/MenuIcons.cpp" line="118"/>
        <source>A mochi being pounded faster as the CPU gets busier</source>
        <translation>Un mochi pilé plus vite quand le CPU s&apos;active</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="17"/>
        <source>Nothing unusual in the last 60 seconds</source>
        <translation>Rien d&apos;inhabituel ces 60 dernières secondes</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="21"/>
        <source>Pressure %@%</source>
        <translation>Pression %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="31"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="35"/>
        <source>This computer has no battery</source>
        <translation>Cet ordinateur n&apos;a pas de batterie</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="36"/>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="38"/>
        <source>On AC power</source>
        <translation>Sur secteur</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="37"/>
        <source>about %@ left</source>
        <translation>environ %@ restantes</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="38"/>
        <source>On battery</source>
        <translation>Sur batterie</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="44"/>
        <source>Just booted</source>
        <translation>Vient de démarrer</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="45"/>
        <source>Up %@ h</source>
        <translation>Allumé depuis %@ h</translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="46"/>
        <source>Up %n days</source>
        <translation>
            <numerusform>Allumé depuis %n jour</numerusform>
            <numerusform>Allumé depuis %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../MenuBar/PanelFacts.cpp" line="57"/>
        <source>%n things worth a look. Click a dot.</source>
        <translation>
            <numerusform>%n élément à examiner. Cliquez sur un point.</numerusform>
            <numerusform>%n éléments à examiner. Cliquez sur un point.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="56"/>
        <source>Nothing worth a look yet</source>
        <translation>Rien à examiner pour l&apos;instant</translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="90"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../../MenuBar/PanelFacts.cpp" line="91"/>
        <source>%@ battery low</source>
        <translation>Batterie de %@ faible</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="37"/>
        <source>Load average %.2f</source>
        <translation>Charge moyenne %.2f</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="38"/>
        <source>%@, %@ is using the most</source>
        <translation>%@, %@ en utilise le plus</translation>
    </message>
    <message>
        <location filename="../../Pages/CPU/CPUPage.cpp" line="39"/>
        <source>%@, %@</source>
        <translation>%@, %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="89"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>Internal</source>
        <translation>Interne</translation>
    </message>
    <message>
        <location filename="../../Pages/Disk/DiskPage.cpp" line="90"/>
        <source>External</source>
        <translation>Externe</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="54"/>
        <source>Whole-computer power, measured by the battery.</source>
        <translation>Puissance de tout l&apos;ordinateur, mesurée par la batterie.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="55"/>
        <source>Measured energy isn&apos;t available. This is estimated from CPU usage.</source>
        <translation>L&apos;énergie mesurée n&apos;est pas disponible. Ceci est estimé d&apos;après l&apos;utilisation du CPU.</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="61"/>
        <source>Process %@</source>
        <translation>Processus %@</translation>
    </message>
    <message>
        <location filename="../../Pages/Energy/EnergyPage.cpp" line="67"/>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="40"/>
        <source>GPU usage isn&apos;t available on this computer. It can be read from AMD graphics and from NVIDIA&apos;s driver.</source>
        <translation>L&apos;utilisation du GPU n&apos;est pas disponible sur cet ordinateur. Elle peut être lue sur les GPU AMD et via le pilote NVIDIA.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="43"/>
        <source>The GPU is close to full load. That&apos;s normal while rendering, exporting video or gaming.</source>
        <translation>Le GPU est presque à pleine charge. C&apos;est normal pendant un rendu, un export vidéo ou un jeu.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="44"/>
        <source>The GPU is working, with headroom left.</source>
        <translation>Le GPU travaille, avec de la marge.</translation>
    </message>
    <message>
        <location filename="../../Pages/GPU/GPUPage.cpp" line="45"/>
        <source>The GPU is mostly idle.</source>
        <translation>Le GPU est presque inactif.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="36"/>
        <source>Memory has run short. Quit the apps using the most first.</source>
        <translation>La mémoire est épuisée. Quittez d&apos;abord les applications qui en utilisent le plus.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="38"/>
        <source>The system is compressing memory. Quitting apps you aren&apos;t using makes switching smoother.</source>
        <translation>Le système compresse la mémoire. Quitter les applications inutilisées rend le passage de l&apos;une à l&apos;autre plus fluide.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemPage.cpp" line="39"/>
        <source>There&apos;s enough memory. Nothing to do.</source>
        <translation>La mémoire est suffisante. Rien à faire.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="48"/>
        <source>Quitting these apps you aren&apos;t using frees the most memory.</source>
        <translation>Quitter ces applications inutilisées libère le plus de mémoire.</translation>
    </message>
    <message>
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="49"/>
        <source>No background apps worth quitting. Most memory is used by the app you&apos;re using, or by the system.</source>
        <translation>Aucune application en arrière-plan ne vaut la peine d&apos;être quittée. La mémoire sert surtout à l&apos;application utilisée ou au système.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Memory/MemoryAdviceCard.cpp" line="56"/>
        <source>Quit these %n and free about %@</source>
        <translation>
            <numerusform>Quitter cette %n et libérer environ %@</numerusform>
            <numerusform>Quitter ces %n et libérer environ %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Pages/Network/PortList.cpp" line="49"/>
        <source>%n ports, %@ open to the local network</source>
        <translation>
            <numerusform>%n port ; ouverts au réseau local : %@</numerusform>
            <numerusform>%n ports ; ouverts au réseau local : %@</numerusform>
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
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="55"/>
        <source>Reading listening ports…</source>
        <translation>Lecture des ports en écoute…</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="56"/>
        <source>Listening ports can&apos;t be read because the system lsof command can&apos;t be run.</source>
        <translation>Les ports en écoute sont illisibles, car la commande système lsof ne peut pas être exécutée.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="58"/>
        <source>No process under your account is listening on a port right now.</source>
        <translation>Aucun processus de votre compte n&apos;écoute sur un port en ce moment.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="60"/>
        <source>No process under your account is listening on port %@. A system service may still be using it.</source>
        <translation>Aucun processus de votre compte n&apos;écoute sur le port %@. Un service système l&apos;utilise peut-être.</translation>
    </message>
    <message>
        <location filename="../../Pages/Network/PortList.cpp" line="62"/>
        <source>No listening process has “%@” in its name.</source>
        <translation>Aucun processus en écoute n&apos;a «&#xa0;%@&#xa0;» dans son nom.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="40"/>
        <source>Usually busiest around %@:00.</source>
        <translation>Généralement plus active vers %@ h.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="42"/>
        <source>Usually busiest around %@:00 and %@:00.</source>
        <translation>Généralement plus active vers %@ h et %@ h.</translation>
    </message>
    <message>
        <location filename="../../Processes/ProfileNotes.cpp" line="43"/>
        <source>It hasn&apos;t been busy enough to show a pattern.</source>
        <translation>Elle n&apos;a pas été assez active pour dégager une tendance.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="30"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It recovers as soon as you switch back.</source>
        <translation>Quand vous passez à une autre application, tous les processus de %@ passent en priorité d&apos;arrière-plan. Ils reviennent dès que vous revenez.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="33"/>
        <source>After you switch to another app, every process of %@ drops to background priority. It can&apos;t be raised again until %@ restarts.</source>
        <translation>Quand vous passez à une autre application, tous les processus de %@ passent en priorité d&apos;arrière-plan. Elle ne peut pas être relevée avant que %@ redémarre.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="36"/>
        <source> %n processes are slowed right now.</source>
        <translation>
            <numerusform> %n processus est ralenti en ce moment.</numerusform>
            <numerusform> %n processus sont ralentis en ce moment.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../Processes/TameControl.cpp" line="43"/>
        <source> %n processes are paused right now.</source>
        <translation>
            <numerusform> %n processus est en pause en ce moment.</numerusform>
            <numerusform> %n processus sont en pause en ce moment.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="49"/>
        <source> %@ stays slowed until it restarts.</source>
        <translation> %@ reste ralenti jusqu&apos;à son redémarrage.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="50"/>
        <source> Slowing it down can&apos;t be undone until %@ restarts.</source>
        <translation> Le ralentissement ne peut pas être annulé avant que %@ redémarre.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="40"/>
        <source>After you switch to another app, %@ pauses completely and uses no CPU. While paused it won&apos;t play sound, download or receive messages. It resumes when you switch back.</source>
        <translation>Quand vous passez à une autre application, %@ se met totalement en pause et n&apos;utilise plus de CPU. En pause, il ne joue pas de son, ne télécharge pas et ne reçoit pas de messages. Il reprend quand vous revenez.</translation>
    </message>
    <message>
        <location filename="../../Processes/TameControl.cpp" line="46"/>
        <source>%@ can slow down or pause automatically after you switch to another app. That saves power and keeps the front app smooth.</source>
        <translation>%@ peut ralentir ou se mettre en pause automatiquement quand vous passez à une autre application. Cela économise de l&apos;énergie et garde l&apos;application au premier plan fluide.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Pauses after you switch away</source>
        <translation>Se met en pause quand vous passez à autre chose</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/TameRulesSection.cpp" line="19"/>
        <source>Slows down after you switch away</source>
        <translation>Ralentit quand vous passez à autre chose</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="30"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="31"/>
        <source>Warm</source>
        <translation>Tiède</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="32"/>
        <source>Hot</source>
        <translation>Chaud</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="33"/>
        <source>Overheating</source>
        <translation>Surchauffe</translation>
    </message>
    <message>
        <location filename="../../App/SampleReport.cpp" line="35"/>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message numerus="yes">
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="29"/>
        <source>%n alerts on. </source>
        <translation>
            <numerusform>%n alerte active. </numerusform>
            <numerusform>%n alertes actives. </numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="30"/>
        <source>Alerts appear in the Qel window and as desktop notifications.</source>
        <translation>Les alertes apparaissent dans la fenêtre de Qel et sous forme de notifications du bureau.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/AlertsTab.cpp" line="31"/>
        <source>No notification service is running on this desktop, so alerts only appear in the Qel window.</source>
        <translation>Aucun service de notifications ne tourne sur ce bureau, les alertes n&apos;apparaissent donc que dans la fenêtre de Qel.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="42"/>
        <source>Deletes every recorded day with its marks and app usage, the recorded sleeps and stretches, and the usual baseline. Settings and rules are kept. This can&apos;t be undone.</source>
        <translation>Supprime tous les jours enregistrés avec leurs repères et l&apos;utilisation des applications, les veilles et périodes enregistrées, ainsi que la référence habituelle. Les paramètres et règles sont conservés. Cette action est irréversible.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Settings/DataTab.cpp" line="79"/>
        <source>less than 1 MB</source>
        <translation>moins de 1 Mo</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/IncidentSheet.cpp" line="54"/>
        <source>Peak %@% (%@), average %@%</source>
        <translation>Pic %@&#xa0;% (%@), moyenne %@&#xa0;%</translation>
    </message>
    <message>
        <location filename="../../Sheets/LicenseNotice.cpp" line="11"/>
        <source>The license text could not be loaded.</source>
        <translation>Le texte de la licence n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="24"/>
        <source>Battery dropped %@% while asleep</source>
        <translation>La batterie a perdu %@&#xa0;% pendant la veille</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/SleepReport.cpp" line="25"/>
        <source>Slept %@</source>
        <translation>En veille pendant %@</translation>
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
        <translation>éveillé pendant %@</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="22"/>
        <source>That is %@× the usual for this time of day.</source>
        <translation>C&apos;est %@× l&apos;habituel à cette heure.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="23"/>
        <source>That is about the usual for this time of day.</source>
        <translation>C&apos;est à peu près l&apos;habituel à cette heure.</translation>
    </message>
    <message>
        <location filename="../../Sheets/Reports/StretchReport.cpp" line="33"/>
        <source>%@–%@, lasted %@.</source>
        <translation>%@–%@, durée %@.</translation>
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
        <translation>Ordinateur</translation>
    </message>
    <message>
        <location filename="../../Kit/PageText.cpp" line="25"/>
        <source>Bluetooth devices</source>
        <translation>Appareils Bluetooth</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="9"/>
        <source>%@ keeps using more memory</source>
        <translation>%@ utilise de plus en plus de mémoire</translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="10"/>
        <source>%@ has been busy in the background</source>
        <translation>%@ est actif en arrière-plan</translation>
    </message>
    <message numerus="yes">
        <location filename="../../History/FindingFacts.cpp" line="15"/>
        <source>Over the past %n minutes, the memory of %@ grew from %@ to %@ without dropping, which may be a memory leak. Reopening the app frees it.</source>
        <translation>
            <numerusform>Sur %n minute, la mémoire de %@ est passée de %@ à %@ sans baisser, ce qui peut indiquer une fuite de mémoire. Rouvrir l&apos;application la libère.</numerusform>
            <numerusform>Ces %n dernières minutes, la mémoire de %@ est passée de %@ à %@ sans baisser, ce qui peut indiquer une fuite de mémoire. Rouvrir l&apos;application la libère.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../History/FindingFacts.cpp" line="18"/>
        <source>%@ isn&apos;t in the foreground but has used %@% of the CPU for 3 minutes straight. If you didn&apos;t ask it to work in the background, you can quit it.</source>
        <translation>%@ n&apos;est pas au premier plan mais utilise %@&#xa0;% du CPU depuis 3 minutes d&apos;affilée. Si vous ne lui avez rien demandé en arrière-plan, vous pouvez le quitter.</translation>
    </message>
</context>
</TS>
