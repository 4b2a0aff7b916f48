#pragma once
// Exporting the day on show as a picture: a preview of the card, its theme and what it shows,
// and saving it as a PNG file or copying it to the clipboard. The choices last as long as the sheet.
#include "Qel/Sheets/Export/PosterView.hpp"
#include "Qel/Sheets/SheetFrame.hpp"

#include <functional>

#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/Navigator.hpp"

class QAbstractButton;
class QLayout;

namespace qel {

class PillSegment;

class ExportSheet : public SheetFrame {
  Q_OBJECT

 public:
  // Asks for a file name given the proposed one; an empty answer means cancelled.
  using AskPath = std::function<QString(QWidget* parent, const QString& proposed)>;

  ExportSheet(NavigationState navigation, DayState day, Navigator& navigator, PosterData data,
              QWidget* parent = nullptr);

  const PosterData& data() const { return data_; }
  const PosterOptions& options() const { return options_; }
  QByteArray png() const { return posterPng(data_, options_); }
  // "Qel-" and the key of the day on show.
  QString proposedName() const;
  // That name in the user's pictures folder (XDG's, else ~/Pictures), or in the home folder when
  // there is none: never wherever Qel happened to be started from.
  QString proposedPath() const;
  void save();
  void copy();

  void setAskPath(AskPath ask) { askPath_ = std::move(ask); }
  QAbstractButton* appsSwitch() const { return apps_; }

 protected:
  // Return and Enter save, as the Save button's default action.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLayout* buildOptions(QWidget* content);
  void buildFooter();
  void changed();

  NavigationState navigation_;
  DayState day_;
  Navigator& navigator_;
  PosterData data_;
  PosterOptions options_;
  AskPath askPath_;
  QWidget* preview_ = nullptr;
  PillSegment* theme_ = nullptr;
  QAbstractButton* apps_ = nullptr;
  QAbstractButton* dots_ = nullptr;
  QAbstractButton* copy_ = nullptr;
  QAbstractButton* save_ = nullptr;
};

}  // namespace qel
