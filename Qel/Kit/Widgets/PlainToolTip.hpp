#pragma once
// A tooltip shows rich text whenever its text looks like markup; this wraps any text so it is
// always shown exactly as written (names from outside may hold "<" and "&").
#include <QString>

namespace qel {

QString plainToolTip(const QString& text);

}  // namespace qel
