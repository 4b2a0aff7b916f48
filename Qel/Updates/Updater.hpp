#pragma once
// Checks the update feed set at build time, daily and when the user asks, and keeps what the
// views show of it: whether a check can run, the release channel, the update found, and the
// release notes to offer. Without a feed no check ever runs and the beta choice is only stored.
// A program built from source is not replaced in place: attending to an update opens its
// download page in the browser. Main thread only.
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Updates/AppVersion.hpp"
#include "Qel/Updates/Changelog.hpp"
#include "Qel/Updates/UpdateFeed.hpp"

class QNetworkAccessManager;

namespace qel {

class Defaults;

class Updater : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* betaKey = "qel.receiveBetaUpdates";
  static constexpr const char* automaticKey = "qel.checkForUpdatesAutomatically";

  struct Options {
    QUrl feed;                 // empty: no checks
    bool betaChannel = false;  // the build's own channel is "beta"
    std::optional<AppVersion> running = AppVersion::current();
    std::chrono::milliseconds interval = std::chrono::hours(24);
    // How soon after start (when the last check is a day old) and after a change of channel.
    std::chrono::milliseconds shortDelay = std::chrono::seconds(10);
    // The longest a whole check may take, however the server trickles its answer.
    std::chrono::milliseconds deadline = std::chrono::seconds(60);
    std::function<bool(const QUrl&)> openUrl;  // the browser; QDesktopServices when empty
  };

  Updater(Defaults& defaults, Options options, QObject* parent = nullptr);
  ~Updater() override;

  // The options of this build: its feed and channel, the running version.
  static Options buildOptions();

  // Whether this build names a feed at all (and knows its own version): without one nothing is checked.
  bool hasFeed() const { return started(); }
  bool canCheck() const { return started() && !reply_; }
  bool canChangeChannel() const { return started() && !reply_; }
  // The daily check in the background, on unless the user turned it off; the user's own check
  // runs either way.
  bool checksAutomatically() const { return automatic_; }
  void setChecksAutomatically(bool on);
  bool receivesBetaUpdates() const { return betas_; }
  void setReceivesBetaUpdates(bool on);

  // The notes offered at start, in the language on screen now.
  const std::vector<ReleaseNotes>& whatsNew() const;
  bool whatsNewIsUnseen() const { return whatsNewIsUnseen_; }
  bool whatsNewSeen() const { return whatsNewSeen_; }
  void setWhatsNewSeen(bool seen);
  bool showingWhatsNew() const { return showingWhatsNew_; }
  void setShowingWhatsNew(bool on);

  // The version of an update to announce ("Update to 1.5.0"), none while there is none.
  const std::optional<QString>& available() const { return available_; }

  // The user's "Check for Updates…": the outcome is reported, whatever it is.
  void checkForUpdates();
  // A scheduled check: says nothing unless it finds an update.
  void checkInBackground();
  // The user attends to the update announced: its download page opens and the notice goes; when
  // the page can't be opened the failure is reported and the notice stays.
  void attend();

 signals:
  void changed();
  // An outcome of a check the user asked for, in words.
  void reported(const QString& text);

 private:
  bool started() const { return !options_.feed.isEmpty() && options_.running.has_value(); }
  void check(bool userAsked);
  // Takes what arrived; a body past the feed's cap is marked too large.
  void take(QNetworkReply* reply);
  // Ends the check under way, whatever ended it (its reply's end or error, the cap, the
  // deadline): the time of the check is kept, and the next one scheduled.
  void end(QNetworkReply* reply);
  void scheduleNext(std::chrono::milliseconds delay);
  // The next background check a day after the last one, and never in the middle of the start.
  void scheduleFromLastCheck();
  void fail(bool userAsked, const QString& text);

  Defaults& defaults_;
  Options options_;
  bool betas_ = false;
  bool automatic_ = true;
  // Which releases are offered (chosen once, at start); their lines are taken again when the
  // language changes.
  std::vector<std::string> offered_;
  mutable std::vector<ReleaseNotes> whatsNew_;
  mutable std::string notesLanguage_;
  bool whatsNewIsUnseen_ = false;
  bool whatsNewSeen_ = false;
  bool showingWhatsNew_ = false;
  std::optional<QString> available_;
  QUrl downloadPage_;
  QNetworkAccessManager* network_ = nullptr;
  QPointer<QNetworkReply> reply_;
  bool userAsked_ = false;  // of the check under way, as its body
  QByteArray body_;
  bool tooLarge_ = false;
  QTimer deadline_;
  QTimer schedule_;
};

}  // namespace qel
