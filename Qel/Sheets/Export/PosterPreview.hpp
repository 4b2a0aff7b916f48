#pragma once
// The exported picture scaled down, painted by the same routine as the file. It reads the
// sheet's data and choices as they are at each paint.
#include <QWidget>

#include "Qel/Sheets/Export/PosterView.hpp"

namespace qel {

class PosterPreview : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSide = 330;

  PosterPreview(const PosterData& data, const PosterOptions& options, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const PosterData& data_;
  const PosterOptions& options_;
};

}  // namespace qel
