#pragma once
#include <QFont>
#include <QImage>
#include <QPointF>

#include <string>
#include <unordered_map>
#include <vector>

#include "Qel/Pages/Memory/BubbleModel.hpp"

class QPainter;

namespace qel {

// Draws the field of a model, frame after frame. Each bubble (its disc, hatching and label) and
// the field behind them are drawn once into an image and only placed on later frames, again only
// when their look changes: drawn anew, the large antialiased discs cost several milliseconds a
// frame, much of it handing spans to Qt's fill threads.
class BubbleFieldPainter {
 public:
  BubbleFieldPainter();

  // Draws the field of `model` around `centre` with the pressure ring for `pressure` percent.
  void paint(QPainter& painter, const BubbleModel& model, QPointF centre, double pressure);
  // Whether painting the same now would draw other pixels than the last paint did: a step that
  // moves no bubble by a whole device pixel and changes no look is not worth a frame.
  bool changes(const BubbleModel& model, QPointF centre, double pressure, double dpr, bool light) const;

 private:
  struct Look {
    BubbleKind kind = BubbleKind::user;
    double radius = 0;  // in device pixels, in quarters
    std::string label;
    QString size;  // the bytes as shown
    bool light = false;
    double dpr = 0;
    bool operator==(const Look&) const = default;
  };
  struct Sprite {
    Look look;
    QImage image;  // centred on the bubble, at the device's pixel ratio
    bool seen = false;
  };
  struct Field {
    double radius = 0, share = 0, dpr = 0;
    bool light = false;
    bool operator==(const Field&) const = default;
  };
  struct Placed {
    std::string key;
    Look look;
    QPoint at;  // the image's top left, in device pixels
    bool operator==(const Placed&) const = default;
  };
  // What a frame shows, in whole device pixels and looks: two equal scenes draw the same pixels.
  struct Scene {
    Field field;
    QPoint fieldAt;
    std::vector<Placed> bubbles;
    bool operator==(const Scene&) const = default;
  };
  static Scene scene(const BubbleModel& model, QPointF centre, double pressure, double dpr, bool light);

  // The shapes, drawn in one pool task (they read nothing but their look), then the label.
  static QImage drawDisc(const Look& look);
  static QImage drawField(const Field& field);
  void drawLabel(QImage& image, const Look& look) const;

  QFont nameFont_, sizeFont_, initialFont_;
  double nameHeight_ = 0;
  std::unordered_map<std::string, Sprite> sprites_;  // by bubble key
  Field fieldLook_;
  QImage field_;
  Scene painted_;
};

}  // namespace qel
