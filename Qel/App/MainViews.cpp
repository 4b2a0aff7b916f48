#include "Qel/App/MainViews.hpp"

#include <QDesktopServices>
#include <QUrl>

#include <string>

#include "Qel/Pages/CPU/CPUPage.hpp"
#include "Qel/Pages/Disk/DiskPage.hpp"
#include "Qel/Pages/Energy/EnergyPage.hpp"
#include "Qel/Pages/GPU/GPUPage.hpp"
#include "Qel/Pages/Memory/MemPage.hpp"
#include "Qel/Pages/Memory/MemoryAdviceCard.hpp"
#include "Qel/Pages/Network/NetPage.hpp"
#include "Qel/Window/Overview/OverviewPage.hpp"
#include "Qel/Sheets/Reports/FindingCard.hpp"
#include "Qel/Sheets/Reports/IncidentSheet.hpp"
#include "Qel/Processes/ProcessDetail.hpp"
#include "Qel/Processes/ProcessTable.hpp"
#include "Qel/Sheets/Export/ExportSheet.hpp"
#include "Qel/Sheets/LicensesSheet.hpp"
#include "Qel/Sheets/Settings/SettingsSheet.hpp"
#include "Qel/Sheets/Reports/SleepLine.hpp"
#include "Qel/Sheets/Reports/SleepNote.hpp"
#include "Qel/Sheets/Reports/SleepSheet.hpp"
#include "Qel/Sheets/Reports/StretchButton.hpp"
#include "Qel/Sheets/Reports/StretchSheet.hpp"
#include "Qel/Sheets/WhatsNewSheet.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Updates/UpdateNotices.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/TabBar.hpp"
#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

namespace {

// xdg-open hands a folder to the desktop's file manager.
bool openInFileManager(const QString& folder) { return QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); }

std::optional<std::string> flag(bool on) { return on ? std::optional<std::string>("on") : std::nullopt; }

// The tab bar and the seven pages.
void registerPages(ViewRegistry& registry) {
  registry.setTabBar([](const ViewContext& context, QWidget* parent) { return new TabBar(context, parent); });
  registry.setPage(Page::overview, [&registry](const ViewContext& context, QWidget* parent) {
    return new OverviewPage(context, registry, parent);
  });
  registry.setPage(Page::cpu, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new CPUPage(c.live, c.processes, c.navigator, parent);
  });
  registry.setPage(Page::gpu, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new GPUPage(c.live, c.processes, c.desktop, parent);
  });
  registry.setPage(Page::mem, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new MemPage(c.live, c.processes, c.insights, c.navigator, c.insightActions, c.processActions,
                       parent);
  });
  registry.setPage(Page::disk, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new DiskPage(c.live, c.processes, c.navigator, parent);
  });
  registry.setPage(Page::net, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new NetPage(c.live, c.processes, c.navigator, c.processActions, parent);
  });
  registry.setPage(Page::energy, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new EnergyPage(c.live, c.processes, c.insights, c.navigation, c.navigator, parent);
  });
}

// The overview's slots and the top bar's items.
void registerSlots(ViewRegistry& registry, Updater& updater) {
  registry.setSlot(OverviewSlot::processTable, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new ProcessTable(c.processes, c.navigation, c.navigator, c.processActions, parent);
  });
  registry.setSlot(OverviewSlot::finding, [](const ViewContext& c, QWidget* parent) {
    return new FindingCard(c.insights, c.processes, c.navigation, c.navigator, c.insightActions, parent);
  });
  registry.setSlot(OverviewSlot::sleepLine, [](const ViewContext& c, QWidget* parent) {
    return new SleepLine(c.sleep, c.navigation, c.navigator, parent);
  });
  registry.setSlot(OverviewSlot::memoryAdvice, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new MemoryAdviceCard(c.live, c.processes, c.insights, c.insightActions, c.processActions, false, parent);
  });
  registry.setSlot(OverviewSlot::sleepNote, [](const ViewContext& c, QWidget* parent) {
    return new SleepNote(c.sleep, c.day, c.navigation, c.navigator, parent);
  });
  registry.addTopBarItem([&updater](const ViewContext&, QWidget* parent) { return new UpdateNotices(updater, parent); });
  registry.addTopBarItem([](const ViewContext& c, QWidget* parent) {
    return new StretchButton(c.stretches, c.stretchActions, true, parent);
  });
  registry.setSlot(OverviewSlot::stretchButton, [](const ViewContext& c, QWidget* parent) {
    return new StretchButton(c.stretches, c.stretchActions, false, parent);
  });
}

// The sheets, each with when the store asks for it and how it is closed, in the order the host
// looks for them: what's new, the licences, the export and the settings first, then the reports.
void registerSheets(ViewRegistry& registry, Updater& updater, const std::function<QString()>& hotKeyProblem) {
  registry.addSheet({"whatsNew", [&updater](const NavigationState&) { return flag(updater.showingWhatsNew()); },
                     [&updater](Navigator&) { updater.setShowingWhatsNew(false); },
                     [&updater](const ViewContext& c, QWidget* parent) {
                       return new WhatsNewSheet(c.navigation, updater, parent);
                     },
                     [&updater](QObject* host, std::function<void()> recheck) {
                       QObject::connect(&updater, &Updater::changed, host, std::move(recheck));
                     }});
  registry.addSheet({"licenses", [](const NavigationState& s) { return flag(s.showingLicenses()); },
                     [](Navigator& s) { s.setShowingLicenses(false); },
                     [](const ViewContext& c, QWidget* parent) {
                       return new LicensesSheet(c.navigation, c.navigator, allNotices(), parent);
                     }});
  registry.addSheet({"exporting", [](const NavigationState& s) { return flag(s.exporting().has_value()); },
                     [](Navigator& s) { s.setExporting(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) {
                       return new ExportSheet(c.navigation, c.day, c.navigator, *c.navigation.exporting(), parent);
                     }});
  registry.addSheet({"settings", [](const NavigationState& s) { return flag(s.showingSettings()); },
                     [](Navigator& s) { s.setShowingSettings(false); },
                     [&updater, hotKeyProblem](const ViewContext& c, QWidget* parent) {
                       return new SettingsSheet({c.settings, c.navigation, c.taming, c.processes, c.live, c.day,
                                                 c.insights, c.everything, c.navigator, c.settingsActions,
                                                 c.processActions, updater, hotKeyProblem, openInFileManager},
                                                parent);
                     }});
}

void registerReports(ViewRegistry& registry) {
  registry.addSheet({"incident",
                     [](const NavigationState& s) { return s.incident() ? std::optional(s.incident()->id) : std::nullopt; },
                     [](Navigator& s) { s.setIncident(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) -> QWidget* {
                       const auto& incident = c.navigation.incident();
                       return incident ? new IncidentSheet(c.live, c.processes, c.navigation, c.navigator, *incident, parent)
                                       : nullptr;
                     }});
  registry.addSheet({"sleepReport",
                     [](const NavigationState& s) {
                       const auto& r = s.sleepReport();
                       return r ? std::optional(std::to_string(r->start.time_since_epoch().count())) : std::nullopt;
                     },
                     [](Navigator& s) { s.setSleepReport(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) -> QWidget* {
                       const auto& report = c.navigation.sleepReport();
                       return report ? new SleepSheet(c.sleep, c.navigation, c.navigator, *report, parent) : nullptr;
                     }});
  // Stretches are told apart by their start: a rename keeps the sheet, another stretch refills it.
  registry.addSheet({"stretchReport",
                     [](const NavigationState& s) {
                       const auto& r = s.stretchReport();
                       return r ? std::optional(std::to_string(r->start.time_since_epoch().count())) : std::nullopt;
                     },
                     [](Navigator& s) { s.setStretchReport(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) -> QWidget* {
                       const auto& report = c.navigation.stretchReport();
                       return report ? new StretchSheet(c.stretches, c.navigation, c.navigator, c.stretchActions, *report, parent)
                                     : nullptr;
                     }});
  registry.addSheet({"processDetail",
                     [](const NavigationState& s) {
                       const auto pid = s.detailPID();
                       return pid ? std::optional<std::string>(std::to_string(*pid)) : std::nullopt;
                     },
                     [](Navigator& s) { s.setDetailPID(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) {
                       return new ProcessDetail(c.live, c.processes, c.day, c.insights, c.taming, c.navigation, c.navigator,
                                                c.processActions, c.insightActions, parent);
                     }});
}

}  // namespace

ViewContext viewContext(Store& store) {
  return {.live = LiveState(store),
          .processes = ProcessState(store),
          .day = DayState(store),
          .insights = InsightState(store),
          .sleep = SleepState(store),
          .stretches = StretchState(store),
          .taming = TamingState(store),
          .settings = SettingsState(store),
          .navigation = NavigationState(store),
          .everything = store.changes(Concern::all),
          .navigator = store,
          .processActions = store,
          .settingsActions = store,
          .stretchActions = store,
          .insightActions = store,
          .desktop = store.desktop()};
}

void registerMainViews(ViewRegistry& registry, Updater& updater, std::function<QString()> hotKeyProblem) {
  registerPages(registry);
  registerSlots(registry, updater);
  registerSheets(registry, updater, hotKeyProblem);
  registerReports(registry);
}

}  // namespace qel
