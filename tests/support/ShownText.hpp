#pragma once
// What Qt shows of a text: a tool tip, and a label in the automatic format, take anything that
// looks like markup for markup.
#include <QLabel>
#include <QString>
#include <QTextDocumentFragment>

namespace qel::test {

// The words a tool tip given `tip` shows.
inline QString shownToolTip(const QString& tip) {
  return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
}

// Whether `label` shows its text as written, markup and all.
inline bool showsAsWritten(const QLabel& label) {
  return label.textFormat() == Qt::PlainText ||
         (label.textFormat() == Qt::AutoText && !Qt::mightBeRichText(label.text()));
}

}  // namespace qel::test
