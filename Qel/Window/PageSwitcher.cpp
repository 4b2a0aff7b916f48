#include "Qel/Window/PageSwitcher.hpp"

#include <QHBoxLayout>

#include "Qel/Store/Store.hpp"
#include "Qel/StoreBridge.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Window/PageMeta.hpp"
#include "Qel/Window/PillSegment.hpp"

namespace qel {

PageSwitcher::PageSwitcher(const ViewContext& context, QWidget* parent)
    : QWidget(parent), store_(context.store), pills_(new PillSegment(this)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(pills_);
  refresh();
  connect(&context.bridge, &StoreBridge::changed, this, &PageSwitcher::refresh);
}

void PageSwitcher::refresh() {
  std::vector<std::pair<Page, QString>> options;
  for (Page page : allPages) {
    QString name = title(page);
    if (page == Page::cpu) name += QStringLiteral("  ") + QString::fromStdString(fmtPercent(store_.cpu().total));
    options.emplace_back(page, std::move(name));
  }
  Store& store = store_;
  pills_->setOptions<Page>(
      std::move(options), [&store] { return store.page(); },
      [&store](const Page& page) {
        store.setPage(page);
        store.setSelectedSlot(std::nullopt);
      });
}

}  // namespace qel
