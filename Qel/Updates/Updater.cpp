#include "Qel/Updates/Updater.hpp"

#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <utility>

#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

using std::chrono::milliseconds;

// A feed is a few kilobytes; anything far larger is not one.
constexpr qint64 maxFeedBytes = 1 << 20;
// What Qt may hold of the body before it is read; it reads no more from the server until then.
constexpr qint64 readBufferBytes = 64 << 10;
constexpr int transferTimeoutMs = 30'000;

QString text(std::string_view key, const std::vector<std::string>& args = {}) {
  return QString::fromStdString(L(key, args));
}

double nowSeconds() {
  using namespace std::chrono;
  return duration<double>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

Updater::Options Updater::buildOptions() {
  Options o;
  o.feed = QUrl(QStringLiteral(QEL_UPDATE_FEED));
  o.betaChannel = std::string_view(QEL_RELEASE_CHANNEL) == "beta";
  return o;
}

Updater::Updater(Defaults& defaults, Options options, QObject* parent)
    : QObject(parent), defaults_(defaults), options_(std::move(options)) {
  betas_ = options_.betaChannel;
  if (const auto stored = defaults_.value(betaKey); stored && stored->is_boolean()) betas_ = stored->get<bool>();
  if (const auto stored = defaults_.value(automaticKey); stored && stored->is_boolean()) automatic_ = stored->get<bool>();

  notesLanguage_ = Loc::code();
  auto unseen = Changelog::unseen(defaults_, options_.running, Changelog::own(), notesLanguage_);
  whatsNewIsUnseen_ = !unseen.empty();
  if (whatsNewIsUnseen_) {
    whatsNew_ = std::move(unseen);
  } else {
    // The sheet opened from the menu shows at least the notes of the running version.
    auto all = Changelog::releases(Changelog::own(), AppVersion::parse("0"), options_.running, notesLanguage_);
    if (!all.empty()) whatsNew_.push_back(std::move(all.front()));
  }
  for (const auto& release : whatsNew_) offered_.push_back(release.id());

  if (!options_.openUrl) options_.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  schedule_.setSingleShot(true);
  connect(&schedule_, &QTimer::timeout, this, &Updater::checkInBackground);
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, [this] {
    if (reply_) end(reply_);
  });
  if (!started()) return;
  network_ = new QNetworkAccessManager(this);
  scheduleFromLastCheck();
}

void Updater::scheduleFromLastCheck() {
  const double last = defaults_.number(Changelog::lastCheckKey, 0);
  const double dueIn = last + std::chrono::duration<double>(options_.interval).count() - nowSeconds();
  const auto due = milliseconds(static_cast<long long>(std::clamp(dueIn, 0.0, 1e9) * 1000));
  scheduleNext(std::max(options_.shortDelay, std::min(due, options_.interval)));
}

void Updater::setChecksAutomatically(bool on) {
  if (on == automatic_) return;
  automatic_ = on;
  defaults_.set(automaticKey, on);
  if (!on) schedule_.stop();
  else if (canCheck()) scheduleFromLastCheck();
  emit changed();
}

Updater::~Updater() {
  // A check under way ends here, unheard: nothing is stored or reported on the way out.
  if (reply_) {
    reply_->disconnect(this);
    reply_->abort();
  }
}

void Updater::setReceivesBetaUpdates(bool on) {
  if (on == betas_) return;
  betas_ = on;
  defaults_.set(betaKey, on);
  // The next check, soon, asks with the new channel; a check under way keeps its own.
  if (canChangeChannel()) scheduleNext(options_.shortDelay);
  emit changed();
}

const std::vector<ReleaseNotes>& Updater::whatsNew() const {
  if (const std::string language = Loc::code(); language != notesLanguage_) {
    notesLanguage_ = language;
    whatsNew_.clear();
    for (auto& release : Changelog::releases(Changelog::own(), AppVersion::parse("0"), options_.running, language))
      if (std::find(offered_.begin(), offered_.end(), release.id()) != offered_.end()) whatsNew_.push_back(std::move(release));
  }
  return whatsNew_;
}

void Updater::setWhatsNewSeen(bool seen) {
  if (seen == whatsNewSeen_) return;
  whatsNewSeen_ = seen;
  emit changed();
}

void Updater::setShowingWhatsNew(bool on) {
  if (on == showingWhatsNew_) return;
  showingWhatsNew_ = on;
  emit changed();
}

void Updater::checkForUpdates() { check(true); }

void Updater::checkInBackground() { check(false); }

void Updater::attend() {
  if (!available_) return;
  if (!downloadPage_.isEmpty() && !options_.openUrl(downloadPage_)) {
    // The update is still there to be had: its button stays for another try.
    emit reported(text(Lkey("The download page could not be opened: %@"), {downloadPage_.toString().toStdString()}));
    return;
  }
  available_.reset();
  emit changed();
}

void Updater::check(bool userAsked) {
  if (!canCheck()) return;
  QNetworkRequest request(options_.feed);
  request.setTransferTimeout(transferTimeoutMs);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  QNetworkReply* reply = network_->get(request);
  reply_ = reply;
  userAsked_ = userAsked;
  body_.clear();
  tooLarge_ = false;
  // Read as it arrives, so neither Qt nor this holds more than the cap and a buffer.
  reply->setReadBufferSize(readBufferBytes);
  connect(reply, &QIODevice::readyRead, this, [this, reply] {
    take(reply);
    if (tooLarge_) end(reply);
  });
  // Qt ends some failures (a body that unpacks past its own limit) with an error but never
  // finishes the reply: the first error ends the check as surely as the reply's end does.
  connect(reply, &QNetworkReply::errorOccurred, this, [this, reply] { end(reply); });
  connect(reply, &QNetworkReply::finished, this, [this, reply] { end(reply); });
  deadline_.start(options_.deadline);
  emit changed();  // no check, and no change of channel, while this one runs
}

void Updater::take(QNetworkReply* reply) {
  if (tooLarge_) return;
  body_ += reply->read(maxFeedBytes + 1 - body_.size());
  if (body_.size() <= maxFeedBytes) return;
  tooLarge_ = true;
  body_.clear();
}

void Updater::end(QNetworkReply* reply) {
  if (reply != reply_) return;  // this check has ended already
  const bool userAsked = userAsked_;
  // Deleting the reply stops its transfer quietly: abort() or close() after an error of Qt's
  // own would report a second error.
  reply->disconnect(this);
  reply->deleteLater();
  reply_.clear();
  deadline_.stop();
  defaults_.set(Changelog::lastCheckKey, nowSeconds());
  scheduleNext(options_.interval);
  const bool whole = reply->isFinished() && reply->error() == QNetworkReply::NoError;
  if (whole) take(reply);
  const QByteArray body = std::exchange(body_, {});
  // A body that unpacks past the cap, or that can't be unpacked at all, is no feed.
  if (tooLarge_ || reply->error() == QNetworkReply::UnknownContentError)
    return fail(userAsked, text(Lkey("The update feed could not be read.")));
  if (!whole) return fail(userAsked, text(Lkey("Qel could not reach the update feed.")));
  const auto items = parseUpdateFeed(body);
  if (!items) return fail(userAsked, text(Lkey("The update feed could not be read.")));

  const auto update = newestUpdate(*items, *options_.running, betas_);
  available_ = update ? std::optional(update->displayVersion) : std::nullopt;
  downloadPage_ = update ? update->download : QUrl();
  emit changed();
  if (!userAsked) return;
  if (update)
    emit reported(text(Lkey("Qel %@ is available."), {update->displayVersion.toStdString()}));
  else
    emit reported(text(Lkey("Qel %@ is the newest version."), {options_.running->text()}));
}

void Updater::fail(bool userAsked, const QString& message) {
  emit changed();  // checks can run again; what was announced stays
  if (userAsked) emit reported(message);
}

void Updater::scheduleNext(milliseconds delay) {
  if (automatic_) schedule_.start(delay);
  else schedule_.stop();  // only the user's own check runs
}

}  // namespace qel
