#include "Qel/App/MainViews.hpp"

#include <QDesktopServices>
#include <QUrl>

#include <string>

#include "Qel/Pages/CPUPage.hpp"
#include "Qel/Pages/DiskPage.hpp"
#include "Qel/Pages/EnergyPage.hpp"
#include "Qel/Pages/GPUPage.hpp"
#include "Qel/Pages/MemPage.hpp"
#include "Qel/Pages/MemoryAdviceCard.hpp"
#include "Qel/Pages/NetPage.hpp"
#include "Qel/Window/OverviewPage.hpp"
#include "Qel/Sheets/FindingCard.hpp"
#include "Qel/Sheets/IncidentSheet.hpp"
#include "Qel/Processes/ProcessDetail.hpp"
#include "Qel/Processes/ProcessTable.hpp"
#include "Qel/Sheets/ExportSheet.hpp"
#include "Qel/Sheets/LicensesSheet.hpp"
#include "Qel/Sheets/SettingsSheet.hpp"
#include "Qel/Sheets/SleepLine.hpp"
#include "Qel/Sheets/SleepNote.hpp"
#include "Qel/Sheets/SleepSheet.hpp"
#include "Qel/Sheets/StretchButton.hpp"
#include "Qel/Sheets/StretchSheet.hpp"
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
    return new CPUPage(c.store, parent);
  });
  registry.setPage(Page::gpu, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new GPUPage(c.store, parent);
  });
  registry.setPage(Page::mem, [](const ViewContext& c, QWidget* parent) -> QWidget* { return new MemPage(c.store, parent); });
  registry.setPage(Page::disk, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new DiskPage(c.store, parent);
  });
  registry.setPage(Page::net, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new NetPage(c.store, parent);
  });
  registry.setPage(Page::energy, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new EnergyPage(c.store, parent);
  });
}

// The overview's slots and the top bar's items.
void registerSlots(ViewRegistry& registry, Updater& updater) {
  registry.setSlot(OverviewSlot::processTable, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new ProcessTable(c.store, parent);
  });
  registry.setSlot(OverviewSlot::finding, [](const ViewContext& c, QWidget* parent) { return new FindingCard(c.store, parent); });
  registry.setSlot(OverviewSlot::sleepLine, [](const ViewContext& c, QWidget* parent) { return new SleepLine(c.store, parent); });
  registry.setSlot(OverviewSlot::memoryAdvice, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new MemoryAdviceCard(c.store, false, parent);
  });
  registry.setSlot(OverviewSlot::sleepNote, [](const ViewContext& c, QWidget* parent) { return new SleepNote(c.store, parent); });
  registry.addTopBarItem([&updater](const ViewContext&, QWidget* parent) { return new UpdateNotices(updater, parent); });
  registry.addTopBarItem([](const ViewContext& c, QWidget* parent) { return new StretchButton(c.store, true, parent); });
  registry.setSlot(OverviewSlot::stretchButton,
                   [](const ViewContext& c, QWidget* parent) { return new StretchButton(c.store, false, parent); });
}

// The sheets, each with when the store asks for it and how it is closed.
void registerSheets(ViewRegistry& registry, Updater& updater, const std::function<QString()>& hotKeyProblem) {
  registry.addSheet({"whatsNew", [&updater](const Store&) { return flag(updater.showingWhatsNew()); },
                     [&updater](Store&) { updater.setShowingWhatsNew(false); },
                     [&updater](const ViewContext& c, QWidget* parent) { return new WhatsNewSheet(c.store, updater, parent); },
                     [&updater](QObject* host, std::function<void()> recheck) {
                       QObject::connect(&updater, &Updater::changed, host, std::move(recheck));
                     }});
  registry.addSheet({"licenses", [](const Store& s) { return flag(s.showingLicenses()); },
                     [](Store& s) { s.setShowingLicenses(false); },
                     [](const ViewContext& c, QWidget* parent) { return new LicensesSheet(c.store, allNotices(), parent); }});
  registry.addSheet({"exporting", [](const Store& s) { return flag(s.exporting().has_value()); },
                     [](Store& s) { s.setExporting(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) { return new ExportSheet(c.store, *c.store.exporting(), parent); }});
  registry.addSheet({"settings", [](const Store& s) { return flag(s.showingSettings()); },
                     [](Store& s) { s.setShowingSettings(false); },
                     [&updater, hotKeyProblem](const ViewContext& c, QWidget* parent) {
                       Store& s = c.store;
                       return new SettingsSheet({SettingsState(s), NavigationState(s), TamingState(s), ProcessState(s),
                                                 LiveState(s), DayState(s), InsightState(s), s.changes(Concern::all), s,
                                                 s, s, updater, hotKeyProblem, openInFileManager},
                                                parent);
                     }});
  registry.addSheet({"incident", [](const Store& s) { return s.incident() ? std::optional(s.incident()->id) : std::nullopt; },
                     [](Store& s) { s.setIncident(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) -> QWidget* {
                       return c.store.incident() ? new IncidentSheet(c.store, *c.store.incident(), parent) : nullptr;
                     }});
  registry.addSheet({"sleepReport",
                     [](const Store& s) {
                       const auto& r = s.sleepReport();
                       return r ? std::optional(std::to_string(r->start.time_since_epoch().count())) : std::nullopt;
                     },
                     [](Store& s) { s.setSleepReport(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) -> QWidget* {
                       return c.store.sleepReport() ? new SleepSheet(c.store, *c.store.sleepReport(), parent) : nullptr;
                     }});
  // Stretches are told apart by their start: a rename keeps the sheet, another stretch refills it.
  registry.addSheet({"stretchReport",
                     [](const Store& s) {
                       const auto& r = s.stretchReport();
                       return r ? std::optional(std::to_string(r->start.time_since_epoch().count())) : std::nullopt;
                     },
                     [](Store& s) { s.setStretchReport(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) -> QWidget* {
                       return c.store.stretchReport() ? new StretchSheet(c.store, *c.store.stretchReport(), parent) : nullptr;
                     }});
  registry.addSheet({"processDetail",
                     [](const Store& s) {
                       const auto pid = s.detailPID();
                       return pid ? std::optional<std::string>(std::to_string(*pid)) : std::nullopt;
                     },
                     [](Store& s) { s.setDetailPID(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) { return new ProcessDetail(c.store, parent); }});
}

}  // namespace

void registerMainViews(ViewRegistry& registry, Updater& updater, std::function<QString()> hotKeyProblem) {
  registerPages(registry);
  registerSlots(registry, updater);
  registerSheets(registry, updater, hotKeyProblem);
}

}  // namespace qel
