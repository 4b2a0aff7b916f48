#include "Qel/Pages/Disk/DiskPage.hpp"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

#include "Qel/Kit/Charts/ThinBar.hpp"
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
#include "Qel/Pages/Disk/DiskPlatterGeometry.hpp"
#include "Qel/Pages/Disk/DiskPlatterView.hpp"
#include "Qel/Pages/Disk/VolumeBadge.hpp"
#include "Qel/Pages/Legend.hpp"
#include "Qel/Pages/Panel.hpp"
#include "Qel/Pages/ProcLists.hpp"
#include "Qel/Pages/SectionTitle.hpp"
#include "Qel/Pages/StatItem.hpp"
#include "Qel/Pages/TopRow.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr double kBusyRate = 1024;           // bytes per second; this much is not busy yet
constexpr double kWrittenBytes = 1'048'576;  // 1 MiB; this much is not "most written" yet

// Ranked processes above `threshold` (strictly), each with its share of the first one.
std::vector<DiskProcFigure> ranked(const std::vector<ProcInfo>& procs, const std::function<double(const ProcInfo&)>& figure,
                                   double threshold, std::size_t count, const std::function<std::string(const ProcInfo&)>& text) {
  const auto top = topProcs(procs, figure, std::nextafter(threshold, INFINITY), count);
  const double first = top.empty() ? 1 : figure(top.front());
  const double m = first > 1 ? first : 1;
  std::vector<DiskProcFigure> out;
  for (const auto& p : top) out.push_back({p, figure(p) / m, text(p)});
  return out;
}


QWidget* volumeRow(const VolumeInfo& v, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = Layouts::column(row, Space::s);
  layout->setContentsMargins(0, Space::xs, 0, Space::xs);
  auto* top = new QHBoxLayout;
  top->setSpacing(Space::s);
  auto* name = new PlainLabel(qs(displayName(v.name)), Type::body, QFont::Medium, Palette::primaryText(), row);
  name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long name gives way
  name->setMinimumWidth(40);
  top->addWidget(name, 1);
  top->addWidget(new VolumeBadge(qs(volumeBadge(v)), row));
  top->addSpacing(Space::m);
  top->addWidget(new PlainLabel(qs(L("%@ available", {fmtBytes(v.free)})), Type::body, QFont::Normal,
                                Palette::secondaryText(), row));
  layout->addLayout(top);
  layout->addWidget(new ThinBar(v.total ? double(v.used) / double(v.total) : 0, Palette::disk(), row));
  layout->addWidget(new PlainLabel(qs(L("%@ used of %@", {fmtBytes(v.used), fmtBytes(v.total)})), Type::footnote, QFont::Normal,
                                   Palette::tertiaryText(), row));
  return row;
}

}  // namespace

std::vector<DiskProcFigure> busyDiskProcs(const std::vector<ProcInfo>& procs) {
  return ranked(procs, [](const ProcInfo& p) { return p.diskRate; }, kBusyRate, 5,
                [](const ProcInfo& p) { return fmtRate(p.diskRate); });
}

std::vector<DiskProcFigure> mostWrittenProcs(const std::vector<ProcInfo>& procs) {
  return ranked(procs, [](const ProcInfo& p) { return double(p.diskWritten); }, kWrittenBytes, 6,
                [](const ProcInfo& p) { return fmtBytes(p.diskWritten); });
}

std::string volumeBadge(const VolumeInfo& volume) {
  if (volume.isRoot) return L("System");
  return volume.isInternal ? L("Internal") : L("External");
}

DiskPage::DiskPage(LiveState live, ProcessState processes, Navigator& navigator, QWidget* parent)
    : QWidget(parent),
      live_(live),
      processes_(processes),
      navigator_(navigator),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  auto* page = Layouts::column(this, Space::heroGap);

  auto* header = new QHBoxLayout;
  header->setSpacing(Space::columnWide);
  head_ = new PageHead(qtL("Disk"), accentText(Page::disk), {}, {}, {}, Type::hero, this);
  // Wide enough for the read and write line at its longest, so the stats beside it stay put.
  head_->setMinimumWidth(head_->subLabel()->fontMetrics().horizontalAdvance(
                             qs(L("Read %@, write %@", {"1023.9 MB/s", "1023.9 MB/s"}))) +
                         4);
  header->addWidget(head_, 0, Qt::AlignBottom);
  auto* stats = new QHBoxLayout;
  stats->setSpacing(Space::gutter);
  stats->setContentsMargins(0, 0, 0, Space::m);
  // Linux keeps no purgeable space, so the figures are the two statvfs has.
  stats_ = {new StatItem(qtL("Used"), {}, QStringLiteral("000.0 GB"), this),
            new StatItem(qtL("Available"), {}, QStringLiteral("000.0 GB"), this)};
  for (auto* s : stats_) stats->addWidget(s);
  header->addLayout(stats);
  header->setAlignment(stats, Qt::AlignBottom);
  header->addStretch(1);
  page->addLayout(header);

  auto* main = new QHBoxLayout;
  main->setSpacing(Space::column);
  auto* platterColumn = new QVBoxLayout;
  platterColumn->setSpacing(Space::ml);
  platter_ = new DiskPlatterView(live_, this);
  platterColumn->addWidget(platter_, 1);
  platterColumn->addWidget(new Legend(qtL("The outer ring is the system disk's space: used and available.\nThe inner "
                                          "ring is the last 60 seconds of activity: reads grow outward, writes inward."),
                                      this));
  main->addLayout(platterColumn, 1);
  main->addWidget(buildLists());
  page->addLayout(main, 1);

  follow(live_.changed() | processes_.changed(), this, [this] {
    if (isVisible()) refresh();
  });
  refresh();
}

DiskPage::~DiskPage() = default;

QWidget* DiskPage::buildLists() {
  auto* content = new QWidget;
  content->setAutoFillBackground(false);
  auto* layout = Layouts::column(content, Space::xxl);
  layout->setContentsMargins(Space::card, Space::card, Space::card, Space::card);

  auto* volumes = new QWidget(content);
  auto* volumesLayout = Layouts::column(volumes, Space::ml);
  volumesTitle_ = new SectionTitle(qtL("Volumes"), {}, volumes);
  volumesLayout->addWidget(volumesTitle_);
  volumeRows_ = new QWidget(volumes);
  Layouts::column(volumeRows_, Space::ml);
  volumesLayout->addWidget(volumeRows_);
  layout->addWidget(volumes);

  auto* busy = new QWidget(content);
  auto* busyList = Layouts::column(busy, Space::xs);
  busyList->addWidget(new SectionTitle(qtL("Active now"), qtL("Click a name for details"), busy));
  quiet_ = new PlainLabel(qtL("No process is doing heavy disk activity right now."), Type::body, QFont::Normal,
                          Palette::tertiaryText(), busy);
  quiet_->setWordWrap(true);
  quiet_->setContentsMargins(0, Space::s, 0, Space::s);
  busyList->addWidget(quiet_);
  busyRows_ = procRows(busyList, 2, busy);
  layout->addWidget(busy);

  auto* written = new QWidget(content);
  auto* writtenList = Layouts::column(written, Space::xs);
  writtenList->addWidget(new SectionTitle(qtL("Most written"), qtL("Since each process started"), written));
  writtenRows_ = procRows(writtenList, 1, written);
  layout->addWidget(written);
  layout->addStretch(1);

  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->viewport()->setAutoFillBackground(false);
  scroll->setWidget(content);
  content->setAutoFillBackground(false);  // the scroll area turns it on; the panel shows through
  auto* panel = new Panel(scroll, Space::m, this);
  panel->setFixedWidth(400);
  return panel;
}

void DiskPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

std::unique_ptr<DiskPage::ProcRows> DiskPage::procRows(QVBoxLayout* list, int first, QWidget* home) {
  const auto update = [](TopRow& row, const DiskProcFigure& f) {
    row.setProc(f.proc);
    row.setFigure(f.fraction, qs(f.text), Palette::disk(), 84);
  };
  return std::make_unique<ProcRows>(list, first, home,
                                    ProcRows::Hooks{
                                        .key = [](const DiskProcFigure& f) { return keyOf(f.proc); },
                                        .make =
                                            [this, update](const DiskProcFigure& f) {
                                              auto* row = new TopRow(processes_, navigator_, *icons_, f.proc);
                                              update(*row, f);
                                              return row;
                                            },
                                        .update = update,
                                    });
}

void DiskPage::refreshVolumes() {
  if (live_.volumes() == volumes_ && !volumeRows_->layout()->isEmpty()) return;
  volumes_ = live_.volumes();
  volumesTitle_->setTexts(qtL("Volumes"), qs(Ln("%n mounted", volumes_.size())));
  auto* layout = volumeRows_->layout();
  while (QLayoutItem* item = layout->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (const auto& v : volumes_) layout->addWidget(volumeRow(v, volumeRows_));
}

void DiskPage::refresh() {
  const double total = live_.diskRead() + live_.diskWrite();
  const auto [number, unit] = splitRate(total);
  if (head_->figure()->runs().empty() || head_->figure()->runs()[0].text != qs(number))
    head_->setValue(qs(number), qs(unit));
  head_->setSub(qs(L("Read %@, write %@", {fmtRate(live_.diskRead()), fmtRate(live_.diskWrite())})));
  const DiskDetail& d = live_.diskDetail();
  stats_[0]->setValue(qs(fmtBytes(d.used)));
  stats_[1]->setValue(qs(fmtBytes(d.free)));

  refreshVolumes();
  const auto busy = busyDiskProcs(processes_.procs());
  quiet_->setVisible(busy.empty());
  busyRows_->show(busy);
  writtenRows_->show(mostWrittenProcs(processes_.procs()));
  platter_->refresh();
}

}  // namespace qel
