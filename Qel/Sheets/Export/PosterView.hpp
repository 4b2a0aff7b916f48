#pragma once
// The exported picture: a 540-unit square card of one day with its ring, busiest moment, three
// figures and the most used apps. The same painting serves the preview and the PNG file.
#include <QByteArray>
#include <QPainter>
#include <QString>

#include "Qel/Store/PosterData.hpp"

namespace qel {

struct PosterOptions {
  bool sea = true;  // "Deep sea" gradient, else "Ink"
  bool showApps = true;
  bool showDots = true;
};

constexpr double kPosterSide = 540;

// Paints the card into the painter's 540 × 540 unit square at its origin.
void paintPoster(QPainter& painter, const PosterData& data, const PosterOptions& options);

// The card rendered at scale 2 (1080 × 1080 pixels) and encoded as PNG; empty on failure.
QByteArray posterPng(const PosterData& data, const PosterOptions& options);

// Writes `bytes` to `path` so that a failed write leaves any file already there untouched.
bool writeFileSafely(const QString& path, const QByteArray& bytes);

}  // namespace qel
