#include "Qel/Pages/GPU/GPUPage.hpp"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/GPU/GPUHiveView.hpp"
#include "Qel/Pages/GPU/GpuUserList.hpp"
#include "Qel/Pages/Legend.hpp"
#include "Qel/Pages/Panel.hpp"
#include "Qel/Pages/ProcLists.hpp"
#include "Qel/Pages/SectionTitle.hpp"
#include "Qel/Pages/SegmentBar.hpp"
#include "Qel/Pages/StatItem.hpp"
#include "Qel/Samplers/GpuHolders.hpp"
#include "Qel/Store/Desktop.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::string gpuSubline(const std::optional<GPUSample>& gpu) {
  if (!gpu)
    return L("GPU usage isn't available on this computer. It can be read from AMD graphics and from NVIDIA's "
             "driver.");
  if (gpu->util >= 0.85)
    return L("The GPU is close to full load. That's normal while rendering, exporting video or gaming.");
  if (gpu->util >= 0.4) return L("The GPU is working, with headroom left.");
  return L("The GPU is mostly idle.");
}

UnifiedMemory unifiedMemory(const std::optional<GPUSample>& gpu, const MemSample& mem) {
  UnifiedMemory u;
  u.gpu = gpu ? double(gpu->memory) : 0.0;
  u.total = std::max(double(mem.total), 1.0);
  const double used = double(mem.used());
  u.others = std::max(used - u.gpu, 0.0);
  u.free = std::max(u.total - used, 0.0);
  return u;
}

std::vector<ProcInfo> likelyGpuUsers(const std::optional<GPUSample>& gpu, const std::vector<ProcInfo>& procs,
                                     const GpuHolderCheck& holdsGpu, std::optional<std::int32_t> frontPid) {
  if (!gpuBusy(gpu)) return {};
  std::vector<ProcInfo> holders;
  for (const auto& p : procs) {
    if (!mayUseGpu(p)) continue;
    const auto holds = holdsGpu ? holdsGpu(p) : std::nullopt;
    if (holds ? *holds : frontPid == p.pid) holders.push_back(p);
  }
  return topProcs(holders, [](const ProcInfo& p) { return p.energy; }, 0.1, 5);
}

GPUPage::GPUPage(LiveState live, ProcessState processes, Desktop* desktop, QWidget* parent)
    : QWidget(parent),
      live_(live),
      processes_(processes),
      desktop_(desktop),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  auto* page = Layouts::row(this, Space::column);
  page->addWidget(buildLeft(), 1);
  page->addWidget(buildRight(), 1);

  follow(live_.changed() | processes_.changed(), this, [this] {
    if (isVisible()) refresh();
  });
  refresh();
}

GPUPage::~GPUPage() = default;

// The hive and its legend.
QWidget* GPUPage::buildLeft() {
  auto* left = new QWidget(this);
  left->setMinimumWidth(320);
  left->setMaximumWidth(480);
  auto* leftColumn = Layouts::column(left, Space::ml);
  hive_ = new GPUHiveView(live_, left);
  leftColumn->addWidget(hive_, 1);
  leftColumn->addWidget(new Legend(qtL("The more cells lit, the busier the GPU. The outer ring is the last 60 seconds, "
                                       "with now at the top.\nThe system doesn't report per-core or per-app GPU "
                                       "usage, so only the overall figure is shown."),
                                   left));
  return left;
}

// The head, the figures, the users and the history, scrolling where the window is
// short.
QWidget* GPUPage::buildRight() {
  auto* right = new QWidget;
  auto* rightColumn = Layouts::column(right, Space::section);
  head_ = new PageHead(qtL("GPU"), accentText(Page::gpu), {}, {}, {}, Type::hero, right);
  rightColumn->addWidget(head_);
  rightColumn->addLayout(buildStats(right));
  rightColumn->addWidget(buildUnified());
  rightColumn->addWidget(buildUsers());
  rightColumn->addWidget(buildHistory(), 1);
  // Scrolls rather than forcing the window taller when five users need more
  // height than it has.
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->viewport()->setAutoFillBackground(false);
  scroll->setWidget(right);
  right->setAutoFillBackground(false);
  return scroll;
}

QLayout* GPUPage::buildStats(QWidget* right) {
  auto* stats = new QHBoxLayout;
  stats->setSpacing(Space::gutter);
  stats_ = {new StatItem(qtL("GPU memory"), {}, QStringLiteral("00.0 GB"), right),
            new StatItem(qtL("Cores"), {}, QStringLiteral("00"), right),
            new StatItem(qtL("Thermal state"), {}, {}, right)};
  for (auto* s : stats_) stats->addWidget(s);
  stats->addStretch(1);
  return stats;
}

QWidget* GPUPage::buildUnified() {
  auto* content = new QWidget;
  auto* layout = Layouts::column(content, Space::ml);
  memoryTitle_ = new SectionTitle({}, {}, content);
  memoryBar_ = new SegmentBar({}, 10, content);
  memoryText_ = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::tertiaryText(), content);
  memoryText_->setWordWrap(true);
  layout->addWidget(memoryTitle_);
  layout->addWidget(memoryBar_);
  layout->addWidget(memoryText_);
  memoryPanel_ = new Panel(content, Space::xxl, this);
  return memoryPanel_;
}

QWidget* GPUPage::buildUsers() {
  users_ = new QWidget(this);
  auto* layout = Layouts::column(users_, Space::ml);
  layout->addWidget(new SectionTitle(qtL("Likely GPU users"), qtL("Apps with the GPU open, by energy"), users_));
  userList_ = new GpuUserList(*icons_);
  layout->addWidget(new Panel(userList_, Space::l, users_));
  return users_;
}

QWidget* GPUPage::buildHistory() {
  auto* holder = new QWidget(this);
  auto* layout = Layouts::column(holder, Space::l);
  layout->addWidget(new SectionTitle(qtL("Last 60 seconds"), qtL("Overall usage"), holder));
  history_ = new Sparkline(Palette::gpu(), 1.0);
  history_->setMinimumHeight(90 - 2 * Space::xl);
  layout->addWidget(new Panel(history_, Space::xl, holder), 1);
  return holder;
}

void GPUPage::setHolderCheck(GpuHolderCheck check) {
  holdsGpu_ = std::move(check);
  refresh();
}

void GPUPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

void GPUPage::refresh() {
  const auto& gpu = live_.gpu();
  const QString value = gpu ? qs(wholeNumber(gpu->util * 100)) : QStringLiteral("—");
  if (head_->figure()->runs().empty() || head_->figure()->runs()[0].text != value)
    head_->setValue(value, gpu ? QStringLiteral("%") : QString());
  head_->setSub(qs(gpuSubline(gpu)));
  stats_[0]->setValue(gpu ? qs(fmtBytes(gpu->memory)) : QStringLiteral("—"));
  stats_[1]->setValue(gpu && gpu->cores ? QString::number(*gpu->cores) : QStringLiteral("—"));
  stats_[2]->setValue(qs(live_.thermalText()));

  // Without a GPU readout the panel still shows how the rest of memory is shared, with nothing for
  // the GPU.
  const MemSample& mem = live_.mem();
  const UnifiedMemory u = unifiedMemory(gpu, mem);
  memoryTitle_->setTexts(qtL("Unified memory"), qs(L("GPU and CPU share %@", {fmtBytes(mem.total)})));
  std::vector<SegmentBar::Segment> segments{{u.gpu / u.total, Palette::gpu()},
                                            {u.others / u.total, Palette::adaptiveOpacity(0.28, 0.28)}};
  if (segments != memoryBar_->segments()) memoryBar_->setSegments(std::move(segments));
  const auto bytes = [](double b) {
    return fmtBytes(std::isfinite(b) ? std::uint64_t(std::clamp(b, 0.0, 1.8e19)) : 0);
  };
  memoryText_->setText(qs(L("The GPU is using %@, other apps %@, with %@ left.",
                            {bytes(u.gpu), bytes(u.others), bytes(u.free)})));

  const auto front = desktop_ ? desktop_->frontApp().processId() : std::nullopt;
  const GpuHolderCheck check = holdsGpu_ ? holdsGpu_ : [&](const ProcInfo& p) -> std::optional<bool> {
    const auto& holders = processes_.gpuHolders();
    const auto it = holders.find(p.pid);
    return it == holders.end() ? std::nullopt : it->second;
  };
  auto users = likelyGpuUsers(gpu, processes_.procs(), check, front);
  users_->setVisible(!users.empty());
  userList_->setUsers(std::move(users), front);

  if (history_->values() != live_.gpuHist()) history_->setValues(live_.gpuHist());
  hive_->refresh();
}

}  // namespace qel
