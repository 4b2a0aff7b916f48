#pragma once
// Presents the main window's sheets from their store properties, one at a time. A sheet opens
// when its property is set and closes when it is cleared; closing it by hand clears it. A sheet
// asked for while another is open replaces it (the other's property is cleared), so no request
// is ever left set with nothing shown for it; of two asked for in the same turn the earlier in
// the registry opens and the other follows when it closes. A sheet with no content yet keeps
// its request until it has some.
#include <QDialog>
#include <QPointer>

#include <optional>
#include <string>
#include <vector>

#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

class SheetHost : public QObject {
  Q_OBJECT

 public:
  // Sheets are windows over `owner`'s window and go with `owner`.
  SheetHost(const ViewContext& context, const ViewRegistry& registry, QWidget* owner);
  ~SheetHost() override;

  // Brings the sheets in line with the store; runs on every store change.
  void sync();

  // The sheet on show and its window; none / null while no sheet is open.
  std::optional<std::string> openSheet() const;
  QDialog* dialog() const { return dialog_; }

 private:
  void open(std::size_t index, const std::string& request);
  void fill(std::size_t index);
  void closeDialog();
  void closedByUser();

  ViewContext context_;
  const ViewRegistry& registry_;
  QPointer<QWidget> owner_;
  QPointer<QDialog> dialog_;
  std::optional<std::size_t> open_;
  std::string openRequest_;
  std::vector<std::optional<std::string>> seen_;  // each sheet's request at the last sync
  bool closing_ = false;
};

}  // namespace qel
