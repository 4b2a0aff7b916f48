#include "Qel/Sheets/SettingParts/SettingParts.hpp"

#include <QPainter>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/ChoiceBox.hpp"

namespace qel {

Switch::Switch(const QString& accessibleName, QWidget* parent) : QAbstractButton(parent) {
  setCheckable(true);
  setFixedSize(sizeHint());
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(accessibleName);
  Palette::followAppearance(this);
}

void Switch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (!isEnabled()) p.setOpacity(0.45);
  const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
  const double r = track.height() / 2;
  p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
  p.setBrush(isChecked() ? Palette::calmDeep() : Palette::adaptiveOpacity(0.14, 0.16).resolve());
  p.drawRoundedRect(track, r, r);
  const double knob = track.height() - 4;
  const double x = isChecked() ? track.right() - 2 - knob : track.left() + 2;
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::knob());
  p.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
}

Switch* boundSwitch(TabBody* body, const QString& name, std::function<bool()> get, std::function<void(bool)> set) {
  auto* s = new Switch(name, body);
  auto sync = [s, get] {
    if (s->isChecked() != get()) s->setChecked(get());
  };
  sync();
  body->onSync(sync);
  QObject::connect(s, &QAbstractButton::clicked, s, [set, sync](bool on) {
    set(on);
    sync();  // a setter may refuse or do something else: show what the store holds
  });
  return s;
}

QComboBox* boundChoice(TabBody* body, const QString& name, int width,
                       std::vector<std::pair<std::string, QString>> entries, std::function<std::string()> get,
                       std::function<void(const std::string&)> set, int separatorAfter,
                       std::function<QString(const std::string&)> unlisted) {
  auto* box = new ChoiceBox(Type::body, body);
  box->setAccessibleName(name);
  box->setFixedWidth(width);
  std::vector<std::string> values;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (static_cast<int>(i) == separatorAfter) box->insertSeparator(box->count());
    box->addItem(entries[i].second, static_cast<int>(values.size()));
    values.push_back(entries[i].first);
  }
  auto sync = [box, values, get, unlisted] {
    const std::string now = get();
    int index = -1;
    for (int i = 0; i < box->count(); ++i) {
      const QVariant v = box->itemData(i);
      if (v.isValid() && values[static_cast<std::size_t>(v.toInt())] == now) index = i;
    }
    const QString placeholder = index < 0 && unlisted ? unlisted(now) : QString();
    if (box->placeholderText() != placeholder) box->setPlaceholderText(placeholder);
    if (box->currentIndex() != index) box->setCurrentIndex(index);
  };
  sync();
  body->onSync(sync);
  // `activated` comes only from the user, so re-reading the store never writes.
  QObject::connect(box, &QComboBox::activated, box, [box, values, set, sync](int index) {
    const QVariant v = box->itemData(index);
    if (v.isValid()) set(values[static_cast<std::size_t>(v.toInt())]);
    sync();
  });
  return box;
}

// The declarations live as long as the program: they are held by reference.
Switch* boundSwitch(TabBody* body, const QString& name, SettingsState settings, SettingsActions& actions,
                    const SettingOf<bool>& setting) {
  return boundSwitch(
      body, name, [settings, &setting] { return settings.get(setting); },
      [&actions, &setting](bool on) { actions.set(setting, on); });
}

QComboBox* boundChoice(TabBody* body, const QString& name, int width,
                       std::vector<std::pair<std::string, QString>> entries, SettingsState settings,
                       SettingsActions& actions, const SettingOf<std::string>& setting, int separatorAfter) {
  return boundChoice(
      body, name, width, std::move(entries), [settings, &setting] { return settings.get(setting); },
      [&actions, &setting](const std::string& v) { actions.set(setting, v); }, separatorAfter);
}

}  // namespace qel
