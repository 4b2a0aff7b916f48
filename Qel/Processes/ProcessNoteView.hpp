#pragma once
// The "What is this" card of a process: what the glossary says it is and what to do about it,
// and, when the glossary can't tell, a button that searches the web for it in the browser.
#include <QUrl>
#include <QWidget>

#include <functional>
#include <optional>

#include "Qel/Processes/Glossary.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QAbstractButton;

namespace qel {

class PlainLabel;

class ProcessNoteView : public QWidget {
  Q_OBJECT

 public:
  // `processes` serves only to name the process's application.
  ProcessNoteView(const ProcessState& processes, const ProcInfo& proc, QWidget* parent = nullptr);

  const ProcNote& note() const { return note_; }
  PlainLabel* summaryLabel() const { return summary_; }
  PlainLabel* adviceLabel() const { return advice_; }
  // The web look-up; null when the glossary knows the process or no address can be formed.
  QAbstractButton* lookUpButton() const { return lookUp_; }
  const std::optional<QUrl>& searchURL() const { return url_; }

  // How the look-up is opened; the desktop's browser unless replaced (tests).
  void setOpener(std::function<bool(const QUrl&)> open) { open_ = std::move(open); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ProcNote note_;
  std::optional<QUrl> url_;
  PlainLabel* summary_;
  PlainLabel* advice_;
  QAbstractButton* lookUp_ = nullptr;
  std::function<bool(const QUrl&)> open_;
};

}  // namespace qel
