#include "Qel/MainViews.hpp"

#include <string>

#include "Qel/Pages/CPUPage.hpp"
#include "Qel/Pages/GPUPage.hpp"
#include "Qel/Pages/OverviewPage.hpp"
#include "Qel/Sheets/ExportSheet.hpp"
#include "Qel/Sheets/LicensesSheet.hpp"
#include "Qel/Sheets/WhatsNewSheet.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/UpdateNotices.hpp"
#include "Qel/Updater.hpp"
#include "Qel/Window/TabBar.hpp"
#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

namespace {

std::optional<std::string> flag(bool on) { return on ? std::optional<std::string>("on") : std::nullopt; }

}  // namespace

void registerMainViews(ViewRegistry& registry, Updater& updater) {
  registry.setTabBar([](const ViewContext& context, QWidget* parent) { return new TabBar(context, parent); });
  registry.setPage(Page::overview, [&registry](const ViewContext& context, QWidget* parent) {
    return new OverviewPage(context, registry, parent);
  });
  registry.setPage(Page::cpu, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new CPUPage(c.store, c.bridge, parent);
  });
  registry.setPage(Page::gpu, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new GPUPage(c.store, c.bridge, parent);
  });
  registry.addTopBarItem([&updater](const ViewContext&, QWidget* parent) { return new UpdateNotices(updater, parent); });
  registry.addSheet({"whatsNew", [&updater](const Store&) { return flag(updater.showingWhatsNew()); },
                     [&updater](Store&) { updater.setShowingWhatsNew(false); },
                     [&updater](const ViewContext& c, QWidget* parent) { return new WhatsNewSheet(c, updater, parent); }});
  registry.addSheet({"licenses", [](const Store& s) { return flag(s.showingLicenses()); },
                     [](Store& s) { s.setShowingLicenses(false); },
                     [](const ViewContext& c, QWidget* parent) { return new LicensesSheet(c, allNotices(), parent); }});
  registry.addSheet({"exporting", [](const Store& s) { return flag(s.exporting().has_value()); },
                     [](Store& s) { s.setExporting(std::nullopt); },
                     [](const ViewContext& c, QWidget* parent) { return new ExportSheet(c, *c.store.exporting(), parent); }});
  registry.addSheet({"settings", [](const Store& s) { return flag(s.showingSettings()); },
                     [](Store& s) { s.setShowingSettings(false); }, {}});
  registry.addSheet({"processDetail",
                     [](const Store& s) {
                       const auto pid = s.detailPID();
                       return pid ? std::optional<std::string>(std::to_string(*pid)) : std::nullopt;
                     },
                     [](Store& s) { s.setDetailPID(std::nullopt); }, {}});
}

}  // namespace qel
