#include "Qel/Sheets/Export/PosterPreview.hpp"

#include <QPainter>
#include <QPainterPath>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

PosterPreview::PosterPreview(const PosterData& data, const PosterOptions& options, QWidget* parent)
    : QWidget(parent), data_(data), options_(options) {
  setFixedSize(kSide, kSide);
  setAccessibleName(qs(L("Preview")));
}

void PosterPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath clip;
  clip.addRoundedRect(QRectF(rect()), Radius::poster, Radius::poster);
  p.setClipPath(clip);
  p.scale(kSide / kPosterSide, kSide / kPosterSide);
  paintPoster(p, data_, options_);
}

}  // namespace qel
