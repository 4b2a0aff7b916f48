#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include "Qel/Platform/Defaults.hpp"
#include "Qel/UpdateFeed.hpp"
#include "Qel/Updater.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {

// Serves one fixed reply to every request, as a feed's web server would.
class FeedServer : public QObject {
 public:
  explicit FeedServer(QByteArray body, QByteArray status = "200 OK") : body_(std::move(body)), status_(std::move(status)) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          request_ += socket->readAll();
          if (!request_.contains("\r\n\r\n")) return;
          ++served;
          socket->write("HTTP/1.1 " + status_ + "\r\nContent-Type: application/rss+xml\r\nContent-Length: " +
                        QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
          socket->disconnectFromHost();
          request_.clear();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  void setBody(QByteArray body) { body_ = std::move(body); }
  QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/feed.xml").arg(server_.serverPort())); }
  int served = 0;

 private:
  QTcpServer server_;
  QByteArray body_, status_, request_;
};

QByteArray feed(const QByteArray& items) {
  return R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:u="http://example.org/update-feed">
<channel><title>Qel</title><link>https://example.org/</link>)" +
         items + "</channel></rss>";
}

QByteArray item(const char* version, const char* channel = nullptr, const char* link = "https://example.org/get") {
  QByteArray out = "<item><title>Qel</title><u:version>" + QByteArray(version) + "</u:version><u:shortVersionString>" +
                   QByteArray(version) + "</u:shortVersionString>";
  if (channel) out += "<u:channel>" + QByteArray(channel) + "</u:channel>";
  if (link) out += "<link>" + QByteArray(link) + "</link>";
  return out + "<u:releaseNotesLink>https://example.org/notes</u:releaseNotesLink></item>";
}

const QByteArray releaseAndBeta = feed(item("1.4.0") + item("1.5.0") + item("1.6.0-beta.1", "beta") +
                                       item("2.0.0", "nightly"));

class UpdaterTest : public ::testing::Test {
 protected:
  std::unique_ptr<Updater> make(const QUrl& feed, bool betaChannel = false) {
    Updater::Options o;
    o.feed = feed;
    o.betaChannel = betaChannel;
    o.running = AppVersion::parse("1.4.0");
    o.shortDelay = std::chrono::hours(1);  // only the checks the test asks for
    o.openUrl = [this](const QUrl& url) {
      opened.push_back(url);
      return true;
    };
    auto u = std::make_unique<Updater>(defaults, o);
    QObject::connect(u.get(), &Updater::reported, [this](const QString& text) { reports.push_back(text); });
    return u;
  }
  // Waits until the check under way is over.
  static void finish(Updater& u) {
    QElapsedTimer t;
    t.start();
    while (!u.canCheck() && t.elapsed() < 10'000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
  }

  test::TempDir dir;
  Defaults defaults{dir / "defaults.json"};
  std::vector<QUrl> opened;
  std::vector<QString> reports;
};

}  // namespace

TEST(UpdateFeedTest, readsItemsAndRejectsWhatIsNoFeed) {
  const auto items = parseUpdateFeed(feed(item("1.5.0") + item("1.6.0-beta.1", "beta", nullptr) +
                                          "<item><title>no version</title></item>" +
                                          item("1.7.0", nullptr, "file:///etc/passwd")));
  ASSERT_TRUE(items);
  ASSERT_EQ(items->size(), 3u);
  EXPECT_EQ((*items)[0], (FeedItem{*AppVersion::parse("1.5.0"), "1.5.0", "", QUrl("https://example.org/notes"),
                                   QUrl("https://example.org/get")}));
  EXPECT_EQ((*items)[1].channel, "beta");
  EXPECT_TRUE((*items)[1].download.isEmpty());
  EXPECT_TRUE((*items)[2].download.isEmpty());  // only web pages are ever opened
  // An item with no link of its own is downloaded from its enclosure.
  const auto enclosed = parseUpdateFeed(
      feed(R"(<item><enclosure url="https://example.org/qel.tar.gz" u:version="1.5" u:shortVersionString="1.5"/></item>)"));
  ASSERT_TRUE(enclosed && enclosed->size() == 1);
  EXPECT_EQ((*enclosed)[0].download, QUrl("https://example.org/qel.tar.gz"));
  EXPECT_EQ((*enclosed)[0].displayVersion, "1.5");

  for (const char* bad : {"", "not xml", "<html><body>404</body></html>", "<rss><channel><item>"})
    EXPECT_EQ(parseUpdateFeed(bad), std::nullopt) << bad;

  const auto running = *AppVersion::parse("1.4.0");
  const auto all = *parseUpdateFeed(releaseAndBeta);
  EXPECT_EQ(newestUpdate(all, running, false)->displayVersion, "1.5.0");
  EXPECT_EQ(newestUpdate(all, running, true)->displayVersion, "1.6.0-beta.1");
  EXPECT_EQ(newestUpdate(all, *AppVersion::parse("1.6.0"), true), std::nullopt);
}

TEST_F(UpdaterTest, announcesTheNewestReleaseAndOpensItsPage) {
  FeedServer server(releaseAndBeta);
  auto u = make(server.url());
  EXPECT_TRUE(u->canCheck());
  u->checkInBackground();
  EXPECT_FALSE(u->canCheck());  // one check at a time
  EXPECT_FALSE(u->canChangeChannel());
  finish(*u);
  EXPECT_EQ(u->available(), "1.5.0");
  EXPECT_TRUE(reports.empty());  // a scheduled check says nothing
  EXPECT_TRUE(defaults.has("SULastCheckTime"));

  u->attend();
  EXPECT_EQ(opened, (std::vector<QUrl>{QUrl("https://example.org/get")}));
  EXPECT_EQ(u->available(), std::nullopt);
}

TEST_F(UpdaterTest, betasOnlyWhenAllowed) {
  FeedServer server(releaseAndBeta);
  auto u = make(server.url(), /*betaChannel=*/true);
  EXPECT_TRUE(u->receivesBetaUpdates());
  u->checkForUpdates();
  finish(*u);
  EXPECT_EQ(u->available(), "1.6.0-beta.1");
  EXPECT_EQ(reports, (std::vector<QString>{"Qel 1.6.0-beta.1 is available."}));

  u->setReceivesBetaUpdates(false);
  EXPECT_EQ(defaults.value(Updater::betaKey), nlohmann::json(false));
  u->checkInBackground();
  finish(*u);
  EXPECT_EQ(u->available(), "1.5.0");
  // The stored choice wins over the build's channel at the next start.
  EXPECT_FALSE(make(server.url(), true)->receivesBetaUpdates());
}

TEST_F(UpdaterTest, aFeedThatFailsAnnouncesNothingAndSaysSoOnlyWhenAsked) {
  FeedServer malformed(feed(item("1.5.0")).left(60));
  FeedServer missing("<html>gone</html>", "404 Not Found");
  QUrl unreachable;
  {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    unreachable = QUrl(QStringLiteral("http://127.0.0.1:%1/feed.xml").arg(closed.serverPort()));
  }
  for (const QUrl& url : {malformed.url(), missing.url(), unreachable}) {
    auto u = make(url);
    u->checkInBackground();
    finish(*u);
    EXPECT_EQ(u->available(), std::nullopt) << url.toString().toStdString();
    EXPECT_TRUE(reports.empty());
    u->checkForUpdates();
    finish(*u);
    EXPECT_EQ(u->available(), std::nullopt);
    EXPECT_EQ(reports.size(), 1u) << url.toString().toStdString();
    reports.clear();
  }
  // An update already announced stays when a later check fails.
  FeedServer changing(releaseAndBeta);
  auto u = make(changing.url());
  u->checkInBackground();
  finish(*u);
  ASSERT_EQ(u->available(), "1.5.0");
  changing.setBody("<rss><channel><item>");
  u->checkForUpdates();
  finish(*u);
  EXPECT_EQ(u->available(), "1.5.0");
  EXPECT_EQ(reports, (std::vector<QString>{"The update feed could not be read."}));
}

TEST_F(UpdaterTest, withoutAFeedNothingIsCheckedAndTheChannelIsOnlyStored) {
  auto u = std::make_unique<Updater>(defaults, Updater::Options{});
  QObject::connect(u.get(), &Updater::reported, [this](const QString& text) { reports.push_back(text); });
  EXPECT_FALSE(u->canCheck());
  EXPECT_FALSE(u->canChangeChannel());
  u->checkForUpdates();
  u->setReceivesBetaUpdates(true);
  QApplication::processEvents();
  EXPECT_EQ(defaults.value(Updater::betaKey), nlohmann::json(true));
  EXPECT_EQ(u->available(), std::nullopt);
  EXPECT_TRUE(reports.empty());
  EXPECT_FALSE(defaults.has("SULastCheckTime"));
  // The first start offers no notes as unseen, yet the menu's sheet has this version's.
  EXPECT_FALSE(u->whatsNewIsUnseen());
  ASSERT_EQ(u->whatsNew().size(), 1u);
  EXPECT_EQ(u->whatsNew()[0].number, AppVersion::current()->number());
}
