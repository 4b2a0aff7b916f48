#include "Qel/MainViews.hpp"

#include <string>

#include "Qel/Pages/CPUPage.hpp"
#include "Qel/Pages/GPUPage.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

namespace {

std::optional<std::string> flag(bool on) { return on ? std::optional<std::string>("on") : std::nullopt; }

}  // namespace

void registerMainViews(ViewRegistry& registry) {
  registry.setPage(Page::cpu, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new CPUPage(c.store, c.bridge, parent);
  });
  registry.setPage(Page::gpu, [](const ViewContext& c, QWidget* parent) -> QWidget* {
    return new GPUPage(c.store, c.bridge, parent);
  });
  registry.addSheet({"licenses", [](const Store& s) { return flag(s.showingLicenses()); },
                     [](Store& s) { s.setShowingLicenses(false); }, {}});
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
