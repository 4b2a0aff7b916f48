#include "Qel/Window/SheetHost.hpp"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Window/SheetWindow.hpp"

namespace qel {

SheetHost::SheetHost(const ViewContext& context, const ViewRegistry& registry, QWidget* owner)
    : QObject(owner), context_(context), registry_(registry), owner_(owner), seen_(registry.sheets().size()) {
  follow(context.navigation.changed(), this, [this] { sync(); });
  for (const SheetEntry& sheet : registry.sheets())
    if (sheet.watch) sheet.watch(this, [this] { sync(); });
  // After the window that holds the sheets is on screen.
  QMetaObject::invokeMethod(this, &SheetHost::sync, Qt::QueuedConnection);
}

SheetHost::~SheetHost() {
  // The window is going, not the user's request: the property stays, and the sheet comes back
  // with the window.
  closing_ = true;
  delete dialog_.data();
}

std::optional<std::string> SheetHost::openSheet() const {
  if (!open_) return std::nullopt;
  return registry_.sheets()[*open_].name;
}

void SheetHost::sync() {
  const auto& sheets = registry_.sheets();
  // Sheets registered after the host was made are new to it, not out of its bounds.
  seen_.resize(sheets.size());
  std::vector<std::optional<std::string>> requests;
  for (const auto& s : sheets) requests.push_back(s.request ? s.request(context_.navigation) : std::nullopt);

  if (open_ && !requests[*open_]) {
    closeDialog();
  } else if (open_ && *requests[*open_] != openRequest_) {
    openRequest_ = *requests[*open_];  // another item of the same sheet
    fill(*open_);
  }

  std::optional<std::size_t> fresh;
  for (std::size_t i = 0; i < sheets.size() && !fresh; ++i)
    if (requests[i] && requests[i] != seen_[i] && i != open_ && sheets[i].factory) fresh = i;
  if (fresh && open_) {
    const std::size_t replaced = *open_;
    closeDialog();
    if (sheets[replaced].clear) sheets[replaced].clear(context_.navigator);
  }
  if (!open_ && !fresh)
    for (std::size_t i = 0; i < sheets.size() && !fresh; ++i)
      if (requests[i] && sheets[i].factory) fresh = i;  // one that waited for the last to close
  seen_ = requests;
  if (fresh) open(*fresh, *requests[*fresh]);
}

void SheetHost::open(std::size_t index, const std::string& request) {
  if (!owner_) return;
  open_ = index;
  openRequest_ = request;
  auto* window = new SheetWindow(owner_, [this, index] {
    if (open_ == index) fill(index);
  });
  dialog_ = window;
  // The window's role names the sheet, for the window manager and for tests from outside.
  window->setWindowRole(QString::fromStdString(registry_.sheets()[index].name));
  fill(index);
  connect(window, &QDialog::finished, this, &SheetHost::closedByUser);
  window->open();
}

void SheetHost::fill(std::size_t index) {
  if (!dialog_) return;
  auto* window = static_cast<SheetWindow*>(dialog_.data());
  window->setContent(registry_.sheets()[index].factory(context_, dialog_));
}

void SheetHost::closeDialog() {
  open_.reset();
  if (!dialog_) return;
  closing_ = true;
  QDialog* d = dialog_;
  dialog_ = nullptr;
  d->done(QDialog::Rejected);
  d->deleteLater();
  closing_ = false;
}

void SheetHost::closedByUser() {
  if (closing_ || !open_) return;
  const std::size_t index = *open_;
  open_.reset();
  if (dialog_) dialog_->deleteLater();
  dialog_ = nullptr;
  const auto& sheet = registry_.sheets()[index];
  if (sheet.clear) sheet.clear(context_.navigator);
}

}  // namespace qel
