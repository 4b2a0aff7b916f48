#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <zlib.h>

#include <atomic>
#include <thread>

#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Updates/UpdateFeed.hpp"
#include "Qel/Updates/Updater.hpp"
#include "tests/support/FeedServer.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using test::feed;
using test::FeedServer;
using test::item;

namespace {

// A server on a thread of its own, so it keeps sending while the test's main thread is busy:
// after the request, `head`, then `piece` again and again (`pause` apart) until the client is
// gone. `sent` counts what the client took.
class RawServer {
 public:
  RawServer(std::string head, std::string piece, std::chrono::milliseconds pause = {}) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}};
    socklen_t length = sizeof address;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
    ::listen(listener_, 1);
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this, head = std::move(head), piece = std::move(piece), pause] {
      const int fd = ::accept(listener_, nullptr, nullptr);
      char request[4096];
      if (fd >= 0 && ::recv(fd, request, sizeof request, 0) > 0 && sendAll(fd, head))
        while (sendAll(fd, piece)) {
          sent += piece.size();
          std::this_thread::sleep_for(pause);
        }
      ::close(fd);
    });
  }
  ~RawServer() {
    ::shutdown(listener_, SHUT_RDWR);  // an accept still waiting ends
    thread_.join();
    ::close(listener_);
  }
  QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/feed.xml").arg(port_)); }
  std::atomic<std::size_t> sent{0};

 private:
  static bool sendAll(int fd, const std::string& data) {
    for (std::size_t at = 0; at < data.size();) {
      const ssize_t n = ::send(fd, data.data() + at, data.size() - at, MSG_NOSIGNAL);
      if (n <= 0) return false;
      at += std::size_t(n);
    }
    return true;
  }

  int listener_ = -1;
  int port_ = 0;
  std::thread thread_;
};

// Packs `data` into the gzip stream `z`, flushing as `flush` says.
QByteArray pack(z_stream& z, const QByteArray& data, int flush) {
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = uInt(data.size());
  QByteArray out;
  char buffer[1 << 16];
  do {
    z.next_out = reinterpret_cast<Bytef*>(buffer);
    z.avail_out = sizeof buffer;
    deflate(&z, flush);
    out.append(buffer, qsizetype(sizeof buffer - z.avail_out));
  } while (z.avail_out == 0);
  return out;
}

z_stream gzipStream() {
  z_stream z{};
  deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY);
  return z;
}

QByteArray gzipped(const QByteArray& data) {
  z_stream z = gzipStream();
  QByteArray out = pack(z, data, Z_FINISH);
  deflateEnd(&z);
  return out;
}

// `mebibytes` MiB of zeros as a gzip stream a thousandth of that size. After a full flush the
// packer forgets what came before, so every MiB after the first packs to the same bytes: they
// are packed once and repeated, and the stream's closing check sum and size set to match.
QByteArray gzippedZeros(int mebibytes) {
  const QByteArray zeros(1 << 20, '\0');
  z_stream z = gzipStream();
  QByteArray out = pack(z, zeros, Z_FULL_FLUSH);  // the header and the first MiB
  const QByteArray again = pack(z, zeros, Z_FULL_FLUSH);
  for (int i = 1; i < mebibytes; ++i) out += again;
  QByteArray end = pack(z, {}, Z_FINISH);
  deflateEnd(&z);
  const uLong one = crc32(0, reinterpret_cast<const Bytef*>(zeros.data()), uInt(zeros.size()));
  uLong crc = one;
  for (int i = 1; i < mebibytes; ++i) crc = crc32_combine(crc, one, zeros.size());
  const auto size = quint32(quint64(mebibytes) << 20);  // gzip keeps the size modulo 2^32
  for (int i = 0; i < 4; ++i) {
    end[end.size() - 8 + i] = char(crc >> (8 * i));
    end[end.size() - 4 + i] = char(size >> (8 * i));
  }
  return out + end;
}

// Counts what Qt warns of while it lives.
class QtWarnings {
 public:
  QtWarnings() { previous_ = qInstallMessageHandler(&QtWarnings::hear); }
  ~QtWarnings() { qInstallMessageHandler(previous_); }
  static inline std::vector<QString> heard;

 private:
  static void hear(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg) heard.push_back(text);
  }
  QtMessageHandler previous_ = nullptr;
};

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
      return browser;
    };
    auto u = std::make_unique<Updater>(defaults, o);
    QObject::connect(u.get(), &Updater::reported, [this](const QString& text) { reports.push_back(text); });
    return u;
  }
  // Waits until the check under way is over.
  static void finish(Updater& u) {
    QElapsedTimer t;
    t.start();
    while (!u.canCheck() && t.elapsed() < 60'000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
  }

  test::TempDir dir;
  Defaults defaults{dir / "defaults.json"};
  std::vector<QUrl> opened;
  bool browser = true;  // whether a download page can be opened
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

TEST(UpdateFeedTest, theVersionShownIsOneShortLine) {
  const auto items = parseUpdateFeed(feed(
      "<item><u:version>2.0</u:version><u:shortVersionString>" + QByteArray(20000, '9') +
      "</u:shortVersionString></item><item><u:version>2.1</u:version><u:shortVersionString>2.1\n\xE2\x80\xAE"
      "beta\t</u:shortVersionString></item>"));
  ASSERT_TRUE(items && items->size() == 2);
  EXPECT_EQ((*items)[0].displayVersion, QString(31, u'9') + u'…');
  EXPECT_EQ((*items)[1].displayVersion, "2.1 beta");  // no line break, no turning the text around
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

TEST_F(UpdaterTest, aDownloadPageThatCannotBeOpenedKeepsTheUpdateOffered) {
  FeedServer server(releaseAndBeta);
  auto u = make(server.url());
  u->checkInBackground();
  finish(*u);
  browser = false;
  u->attend();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].startsWith("The download page could not be opened")) << reports[0].toStdString();
  EXPECT_EQ(u->available(), "1.5.0");  // the button stays for another try
  browser = true;
  u->attend();
  EXPECT_EQ(u->available(), std::nullopt);
}

TEST_F(UpdaterTest, theBackgroundCheckIsOnByDefaultKeptAndOnlyTheUsersOwnRunsWhenOff) {
  FeedServer server(releaseAndBeta);
  const Updater::Options quick{.feed = server.url(), .running = AppVersion::parse("1.4.0"),
                               .interval = std::chrono::milliseconds(200), .shortDelay = std::chrono::milliseconds(20),
                               .openUrl = [](const QUrl&) { return true; }};
  // Whether the server hears a check, however long a busy machine takes to get to it.
  const auto aCheckArrives = [&] {
    const int before = server.served;
    QElapsedTimer t;
    for (t.start(); server.served == before && t.elapsed() < 60'000;)
      QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return server.served > before;
  };
  // The checks it hears in three intervals and more: none may come, so this one waits it out.
  const auto checksInAWhile = [&] {
    const int before = server.served;
    QElapsedTimer t;
    for (t.start(); t.elapsed() < 600;) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return server.served - before;
  };
  auto u = std::make_unique<Updater>(defaults, quick);
  EXPECT_TRUE(u->checksAutomatically());
  EXPECT_TRUE(aCheckArrives());
  u->setChecksAutomatically(false);
  finish(*u);
  u = std::make_unique<Updater>(defaults, quick);  // kept for the next start
  EXPECT_FALSE(u->checksAutomatically());
  EXPECT_EQ(checksInAWhile(), 0);
  const int served = server.served;
  u->checkForUpdates();  // the user's own still runs
  finish(*u);
  EXPECT_EQ(server.served, served + 1);
  u->setChecksAutomatically(true);
  EXPECT_TRUE(aCheckArrives());
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

TEST_F(UpdaterTest, anEndlessBodyIsCutOffAtTheCapEvenWhileTheMainThreadIsBusy) {
  RawServer server("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
                   "10000\r\n" + std::string(0x10000, 'x') + "\r\n");
  auto u = make(server.url());
  u->checkForUpdates();
  QThread::msleep(500);  // the main thread paints, say, and reads nothing meanwhile
  finish(*u);
  EXPECT_EQ(reports, (std::vector<QString>{"The update feed could not be read."}));
  // What was taken off the server stays near the 1 MiB cap: the rest waits in its socket.
  EXPECT_LT(server.sent.load(), std::size_t(24) << 20);
}

TEST_F(UpdaterTest, aBodyThatUnpacksPastTheCapEndsTheCheckAsAFailureAndTheNextOneRuns) {
  // A gigabyte of zeros packed into a megabyte.
  FeedServer server(gzippedZeros(1024), "200 OK", "Content-Encoding: gzip\r\n");
  auto u = make(server.url());
  QtWarnings warnings;
  u->checkForUpdates();
  finish(*u);
  EXPECT_TRUE(u->canCheck());
  EXPECT_EQ(reports, (std::vector<QString>{"The update feed could not be read."}));
  EXPECT_TRUE(defaults.has("SULastCheckTime"));  // a check, if a failed one: the next is a day later
  for (const auto& w : QtWarnings::heard) ADD_FAILURE() << w.toStdString();
  QtWarnings::heard.clear();

  reports.clear();
  server.setBody(gzipped(releaseAndBeta));
  u->checkForUpdates();
  finish(*u);
  EXPECT_EQ(u->available(), "1.5.0");
  EXPECT_EQ(reports, (std::vector<QString>{"Qel 1.5.0 is available."}));
  EXPECT_EQ(server.served, 2);
}

TEST_F(UpdaterTest, aServerThatTricklesIsLeftAtTheDeadline) {
  // A byte now and then: never quiet long enough for a transfer timeout.
  RawServer server("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n", "<", std::chrono::milliseconds(200));
  Updater::Options o;
  o.feed = server.url();
  o.running = AppVersion::parse("1.4.0");
  o.shortDelay = std::chrono::hours(1);
  o.deadline = std::chrono::seconds(1);
  Updater u(defaults, o);
  QObject::connect(&u, &Updater::reported, [this](const QString& text) { reports.push_back(text); });
  QElapsedTimer took;
  took.start();
  u.checkForUpdates();
  finish(u);
  EXPECT_TRUE(u.canCheck());  // "Check for Updates…" is offered again
  EXPECT_LT(took.elapsed(), 5000);
  EXPECT_EQ(reports, (std::vector<QString>{"Qel could not reach the update feed."}));
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
