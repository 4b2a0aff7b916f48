#include "Qel/Kit/Widgets/AskFirst.hpp"

#include <QMessageBox>
#include <QPushButton>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

QMessageBox* askFirst(QWidget* parent, const QString& name, const QString& question, const QString& detail,
                      const QString& action, std::function<void()> act, std::function<void()> cancelled) {
  auto* box = new QMessageBox(QMessageBox::Warning, question, question, QMessageBox::NoButton, parent->window());
  box->setObjectName(name);
  // The question may name a process: whatever it is called, it reads as written.
  box->setTextFormat(Qt::PlainText);
  box->setInformativeText(detail);
  QPushButton* doIt = box->addButton(action, QMessageBox::DestructiveRole);
  QPushButton* cancel = box->addButton(qs(L("Cancel")), QMessageBox::RejectRole);
  // A push button with the focus would take Return for itself: the action never does.
  doIt->setAutoDefault(false);
  box->setDefaultButton(cancel);
  box->setEscapeButton(cancel);
  box->setAttribute(Qt::WA_DeleteOnClose);
  // `finished` also comes when the box is closed by its window's close button.
  QObject::connect(box, &QDialog::finished, box, [box, doIt, act = std::move(act), cancelled = std::move(cancelled)] {
    if (box->clickedButton() == doIt) {
      if (act) act();
    } else if (cancelled) {
      cancelled();
    }
  });
  box->open();
  cancel->setFocus();
  return box;
}

}  // namespace qel
