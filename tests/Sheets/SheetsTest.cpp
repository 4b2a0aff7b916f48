#include <QLabel>
#include <QLayout>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QScrollBar>

#include <filesystem>
#include <map>
#include <set>

#include "Qel/Sheets/Badge.hpp"
#include "Qel/Sheets/LicensesSheet.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Style/Legible.hpp"
#include "Qel/Sheets/WhatsNewSheet.hpp"
#include "Qel/Updates/UpdateNotices.hpp"
#include "Qel/Kit/Widgets/CapsuleButton.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "Qel/Window/TopBar.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using test::settle;

namespace {

// The notice that covers each thing the program is linked with: the libraries named on its link
// line and the shared libraries its binary needs.
const std::map<std::string, std::string> noticeOf = {
    {"Qt6::", "Qt 6"},           {"libQt6", "Qt 6"},
    {"SQLite::SQLite3", "SQLite"}, {"libsqlite3", "SQLite"},
    {"SQLiteCpp", "SQLiteCpp"},  {"nlohmann_json::", "JSON for Modern C++"},
    {"ICU::", "ICU"},            {"libicu", "ICU"},
    {"PkgConfig::SYSTEMD", "libsystemd"}, {"libsystemd", "libsystemd"},
    {"PkgConfig::XCB", "libxcb"}, {"libxcb", "libxcb"},
    {"libGLX", "libglvnd"},      {"libOpenGL", "libglvnd"},
};
// The program's own libraries, and the C and C++ runtime (with the C library's loader) that comes
// with the system itself.
const std::set<std::string> notThirdParty = {"QelCore", "QelUI", "Threads::Threads", "dl", "libc.so", "libm.so",
                                             "libstdc++", "libgcc_s", "ld-linux"};

std::optional<std::string> coveringNotice(const std::string& item) {
  for (const auto& [prefix, notice] : noticeOf)
    if (item.starts_with(prefix)) return notice;
  return std::nullopt;
}

bool exempt(const std::string& item) {
  for (const auto& prefix : notThirdParty)
    if (item.starts_with(prefix)) return true;
  return false;
}

std::vector<std::string> linkedItems() {
  std::vector<std::string> out;
  for (const QString& item : QStringLiteral(QEL_LINK_ITEMS).split(u'|', Qt::SkipEmptyParts))
    out.push_back(item.toStdString());
  QProcess readelf;
  readelf.start(QStringLiteral("/usr/bin/readelf"), {QStringLiteral("-d"), QStringLiteral(QEL_EXECUTABLE)});
  readelf.waitForFinished(30'000);
  for (const QString& line : QString::fromUtf8(readelf.readAllStandardOutput()).split(u'\n'))
    if (line.contains(u"(NEEDED)")) out.push_back(line.section(u'[', 1).section(u']', 0, 0).toStdString());
  return out;
}

std::vector<std::string> noticeNames() {
  std::vector<std::string> names;
  for (const auto& n : allNotices()) names.push_back(n.name);
  return names;
}

class SheetsTest : public test::ShellTest {
 protected:
  void open(const std::function<void()>& request) {
    owner.resize(900, 700);
    owner.show();
    host = std::make_unique<SheetHost>(context(), registry, &owner);
    settle();
    request();
    settle();
  }
  template <class T>
  T* shown() const {
    return host && host->dialog() ? host->dialog()->findChild<T*>() : nullptr;
  }

  QWidget owner;
  std::unique_ptr<SheetHost> host;
};

void saveGallery(QWidget* sheet, const std::string& name) {
  const auto folder = std::filesystem::path(QEL_ARTIFACTS) / "gallery";
  std::filesystem::create_directories(folder);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    settle();
    // The sheet's window, as the screen draws it.
    sheet->window()->grab().save(QString::fromStdString((folder / (name + "-" + appearance + ".png")).string()));
  }
  test::useAppearance("light");
}

}  // namespace

TEST(LicenseNoticeTest, everyLibraryTheProgramLinksHasANoticeWithItsText) {
  const auto names = noticeNames();
  const auto items = linkedItems();
  ASSERT_GT(items.size(), 10u);
  for (const auto& item : items) {
    if (exempt(item)) continue;
    const auto notice = coveringNotice(item);
    ASSERT_TRUE(notice) << item << " is linked but has no notice";
    EXPECT_NE(std::find(names.begin(), names.end(), *notice), names.end()) << item;
  }
  // The bundled fonts are shipped too.
  for (const char* font : {"DejaVu Sans", "Material Icons"})
    EXPECT_NE(std::find(names.begin(), names.end(), font), names.end()) << font;
  for (const auto& n : allNotices()) {
    EXPECT_GT(n.text.size(), 300u) << n.name;
    EXPECT_FALSE(n.credit.empty());
  }
}

TEST(LicenseNoticeTest, aMissingTextShowsTheFailureAndLeavesTheOthers) {
  auto sources = noticeSources();
  sources.insert(sources.begin() + 1, NoticeSource{"Gone", "MIT License", "Gone.", "NoSuchNotice"});
  const auto notices = makeNotices(sources);
  ASSERT_EQ(notices.size(), allNotices().size() + 1);
  EXPECT_EQ(notices[1].text, "The license text could not be loaded.");
  EXPECT_EQ(notices[0], allNotices()[0]);
  EXPECT_EQ(notices[2], allNotices()[1]);
}

TEST(PillButtonLook, anEnabledCapsuleStandsOutOnEitherGround) {
  const QColor pale = Palette::rgb(0xF5F4F0), lightGround = Palette::rgb(0xF3F5F4), darkGround = Palette::rgb(0x1B2126);
  // The pale "Done" capsule would vanish on a light page: it turns to pale words on ink.
  const auto light = PillButton::look(pale, Palette::ink(), lightGround);
  EXPECT_EQ(light.fill, Palette::ink());
  EXPECT_GE(Legible::contrast(light.fill, lightGround), 3);
  EXPECT_GE(Legible::contrast(light.ink, light.fill), 4.5);
  // On a dark page it stands out as it is.
  const auto dark = PillButton::look(pale, Palette::ink(), darkGround);
  EXPECT_EQ(dark.fill, pale);
  EXPECT_EQ(dark.ink, Palette::ink());
  // A faint wash ("View") is no capsule to invert; its words still read.
  QColor wash = Qt::black;
  wash.setAlphaF(0.08f);
  const auto view = PillButton::look(wash, Palette::rgb(0x8A9592), lightGround);
  EXPECT_EQ(view.fill, wash);
  EXPECT_GE(Legible::contrast(view.ink, Legible::over(lightGround, wash)), 4.5);

  // Drawn: in the light appearance the capsule is dark where the ground is pale.
  test::useAppearance("light");
  std::unique_ptr<PillButton> done(PillButton::primary(QStringLiteral("Done")));
  done->resize(done->sizeHint());
  QImage shot(done->size(), QImage::Format_ARGB32);
  shot.fill(lightGround);
  done->render(&shot, {}, {}, QWidget::DrawChildren);
  EXPECT_GE(Legible::contrast(shot.pixelColor(done->height() / 2, 3), lightGround), 3);
}

TEST_F(SheetsTest, licensesOpenFromTheStoreSelectARowAndClose) {
  open([this] { store->setShowingLicenses(true); });
  auto* sheet = shown<LicensesSheet>();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->width(), 560);
  ASSERT_EQ(sheet->rows().size(), allNotices().size());
  EXPECT_TRUE(sheet->rows()[0]->isSelected());
  EXPECT_EQ(sheet->textLabel()->text().toStdString(), allNotices()[0].text);
  EXPECT_EQ(sheet->scrollArea()->height(), SheetFrame::kMaxBodyHeight);  // the Qt notice is long

  // A click on the padding of a row, outside its texts, selects it.
  auto* sqlite = sheet->rows()[1];
  test::click(sqlite, QPoint(4, sqlite->height() - 4));
  settle();
  EXPECT_EQ(sheet->selected(), 1);
  EXPECT_FALSE(sheet->rows()[0]->isSelected());
  EXPECT_EQ(sheet->textLabel()->text().toStdString(), allNotices()[1].text);
  // After the long text the body is as tall as the short one: no blank space below it.
  QWidget* body = sheet->scrollArea()->widget();
  EXPECT_EQ(body->height(), sheet->textLabel()->geometry().bottom() + 1 + body->layout()->contentsMargins().bottom());
  saveGallery(sheet, "licenses");
  sheet->scrollArea()->verticalScrollBar()->setValue(sheet->textLabel()->y() - 120);
  saveGallery(sheet, "licenses-text");

  test::click(sheet->closeButton(), QPoint(14, 14));
  settle();
  EXPECT_FALSE(store->navigation().showingLicenses);
  EXPECT_EQ(host->openSheet(), std::nullopt);
}

TEST_F(SheetsTest, whatsNewListsTheNotesUnderTheirBadgesAndCloses) {
  open([this] { updater.setShowingWhatsNew(true); });
  auto* sheet = shown<WhatsNewSheet>();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->width(), 520);
  ASSERT_FALSE(updater.whatsNew().empty());
  const auto& release = updater.whatsNew().front();
  std::set<QString> kinds;
  for (const auto& n : release.notes)
    kinds.insert(n.kind == ChangeNote::Kind::newFeature ? "New" : n.kind == ChangeNote::Kind::fixed ? "Fixed" : "Improved");
  std::set<QString> badges;
  for (auto* b : sheet->findChildren<Badge*>()) badges.insert(b->text());
  EXPECT_EQ(badges, kinds);  // one badge per kind present, none for the others
  int lines = 0;
  for (auto* l : sheet->findChildren<QLabel*>())
    for (const auto& n : release.notes) lines += l->text().toStdString() == n.text;
  EXPECT_EQ(lines, static_cast<int>(release.notes.size()));
  // Shorter than the cap: the list shows whole, with nothing to scroll.
  EXPECT_LE(sheet->scrollArea()->height(), SheetFrame::kMaxBodyHeight);
  EXPECT_EQ(sheet->scrollArea()->verticalScrollBar()->maximum(), 0);
  saveGallery(sheet, "whats-new");

  host->dialog()->reject();  // Escape
  settle();
  EXPECT_FALSE(updater.showingWhatsNew());
}

TEST_F(SheetsTest, noNotesShowTheHeaderOverTheListsPadding) {
  Updater::Options o;
  o.running = AppVersion::parse("0.0.1");  // older than every release in the changelog
  Updater empty(defaults, o);
  ASSERT_TRUE(empty.whatsNew().empty());
  WhatsNewSheet sheet(NavigationState(*store), empty);
  sheet.show();
  settle();
  EXPECT_EQ(sheet.scrollArea()->height(), 28);
}

TEST_F(SheetsTest, topBarShowsAnUpdateFoundAndWhatsNewOnlyWhileUnseen) {
  // A start after an upgrade: this version's notes are unseen.
  defaults.set(Changelog::lastSeenKey, "0.0.1");
  Updater::Options o;
  o.running = AppVersion::current();
  Updater upgraded(defaults, o);
  ASSERT_TRUE(upgraded.whatsNewIsUnseen());
  ViewRegistry bar;
  registerMainViews(bar, upgraded);
  TopBar top(context(), bar);
  top.show();
  settle();
  auto* notices = top.findChild<UpdateNotices*>();
  ASSERT_NE(notices, nullptr);
  EXPECT_FALSE(notices->updateButton()->isVisible());
  ASSERT_TRUE(notices->whatsNewButton()->isVisible());
  test::click(notices->whatsNewButton(), QPoint(10, 10));
  settle();
  EXPECT_TRUE(upgraded.showingWhatsNew());
  EXPECT_FALSE(notices->whatsNewButton()->isVisible());  // seen: it does not come back
  EXPECT_FALSE(notices->isVisible());
}

TEST_F(SheetsTest, aNewerReleaseOnTheFeedShowsUpdateToInTheTopBar) {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost);
  QObject::connect(&server, &QTcpServer::newConnection, [&server] {
    QTcpSocket* s = server.nextPendingConnection();
    QObject::connect(s, &QTcpSocket::readyRead, s, [s] {
      const QByteArray body =
          "<rss version=\"2.0\"><channel><item><version>99.0</version><link>https://example.org/qel</link>"
          "</item></channel></rss>";
      s->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body);
      s->disconnectFromHost();
    });
  });
  Updater::Options o;
  o.feed = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort()));
  o.shortDelay = std::chrono::milliseconds(1);  // the first scheduled check, at once
  Updater withFeed(defaults, o);
  ViewRegistry bar;
  registerMainViews(bar, withFeed);
  TopBar top(context(), bar);
  top.show();
  auto* update = top.findChild<UpdateNotices*>()->updateButton();
  QElapsedTimer t;
  t.start();
  while (!update->isVisible() && t.elapsed() < 10'000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  ASSERT_TRUE(update->isVisible());
  EXPECT_EQ(update->text(), "Update to 99.0.0");
}

// The release notes follow a change of language made while the sheet is open: title and lines
// in the one language, and the notes offered at start are the ones offered after.
TEST_F(SheetsTest, whatsNewSpeaksTheLanguageOnScreenAfterALiveChange) {
  open([this] { updater.setShowingWhatsNew(true); });
  ASSERT_NE(shown<WhatsNewSheet>(), nullptr);
  std::vector<std::string> offered;
  for (const auto& r : updater.whatsNew()) offered.push_back(r.id());
  ASSERT_FALSE(offered.empty());
  const auto lineTexts = [this] {
    std::set<std::string> out;
    for (auto* l : shown<WhatsNewSheet>()->findChildren<QLabel*>()) out.insert(l->text().toStdString());
    return out;
  };
  const std::string english = updater.whatsNew().front().notes.front().text;
  ASSERT_TRUE(lineTexts().contains(english));

  store->set(Setting::language, "de");
  settle();
  ASSERT_NE(shown<WhatsNewSheet>(), nullptr);
  const auto texts = lineTexts();
  EXPECT_TRUE(texts.contains("Neuigkeiten"));
  EXPECT_FALSE(texts.contains(english));
  const auto german = Changelog::releases(Changelog::own(), std::nullopt, AppVersion::current(), "de");
  ASSERT_FALSE(german.empty());
  for (const auto& note : german.front().notes) EXPECT_TRUE(texts.contains(note.text)) << note.text;
  std::vector<std::string> after;
  for (const auto& r : updater.whatsNew()) after.push_back(r.id());
  EXPECT_EQ(after, offered);
}
