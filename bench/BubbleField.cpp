// One frame of the memory page's bubble field with 60 bubbles: the model's step and the paint
// into a 700-pixel square (target: under 2 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Pages/Memory/BubbleFieldView.hpp"
#include "Qel/Pages/Memory/BubbleModel.hpp"

using namespace qel;

static void bubbleFieldFrame(benchmark::State& state) {
  std::vector<BubbleItem> items;
  const std::uint64_t total = 32ull << 30;
  for (int i = 0; i < 60; ++i)
    items.push_back({"p" + std::to_string(i), i, "process-" + std::to_string(i), std::uint64_t(60 - i) << 24,
                     BubbleKind(i % 4)});
  BubbleModel model;
  BubbleFieldPainter field;
  QImage image(700, 700, QImage::Format_ARGB32_Premultiplied);
  double t = 0;
  // Past the first frames, where the bubbles still grow from nothing.
  for (int i = 0; i < 90; ++i) {
    model.sync(items, total, 326);
    model.step(t += 1.0 / 30);
  }
  for (auto _ : state) {
    model.sync(items, total, 326);
    model.step(t += 1.0 / 30);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    field.paint(painter, model, {350, 350}, 64);
  }
}
BENCHMARK(bubbleFieldFrame)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Fonts::load();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
