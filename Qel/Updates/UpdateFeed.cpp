#include "Qel/Updates/UpdateFeed.hpp"

#include <QXmlStreamReader>

namespace qel {

namespace {

QUrl webLink(const QString& text) {
  const QUrl url(text.trimmed(), QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  return url.isValid() && (scheme == u"https" || scheme == u"http") && !url.host().isEmpty() ? url : QUrl();
}

// What the feed names is shown in the window's top bar: one line of at most this many characters.
constexpr qsizetype kMaxShownVersion = 32;

QString shownVersion(const QString& text) {
  QString line;
  for (const QChar c : text.simplified())
    if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format) line += c;
  if (line.size() <= kMaxShownVersion) return line;
  qsizetype cut = kMaxShownVersion - 1;
  if (line.at(cut - 1).isHighSurrogate()) --cut;  // never half a character
  return line.left(cut) + u'…';
}

struct RawItem {
  QString version, shortVersion, channel, notes, link, enclosure;
};

std::optional<FeedItem> finish(const RawItem& raw) {
  auto version = AppVersion::parse(raw.version.toStdString());
  if (!version) version = AppVersion::parse(raw.shortVersion.toStdString());
  if (!version) return std::nullopt;
  FeedItem item{.version = *version,
                .displayVersion = shownVersion(raw.shortVersion),
                .channel = raw.channel.trimmed(),
                .notes = webLink(raw.notes),
                .download = webLink(raw.link)};
  if (item.displayVersion.isEmpty()) item.displayVersion = shownVersion(QString::fromStdString(version->text()));
  if (item.download.isEmpty()) item.download = webLink(raw.enclosure);
  return item;
}

}  // namespace

std::optional<std::vector<FeedItem>> parseUpdateFeed(const QByteArray& xml) {
  QXmlStreamReader reader(xml);
  std::vector<FeedItem> items;
  std::optional<RawItem> item;
  bool sawRss = false;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      const auto name = reader.name();
      if (!sawRss) {
        if (name != u"rss") return std::nullopt;
        sawRss = true;
      } else if (name == u"item") {
        item = RawItem{};
      } else if (item && name == u"enclosure") {
        const auto a = reader.attributes();
        for (const auto& attr : a) {
          if (attr.name() == u"url") item->enclosure = attr.value().toString();
          if (attr.name() == u"version" && item->version.isEmpty()) item->version = attr.value().toString();
          if (attr.name() == u"shortVersionString" && item->shortVersion.isEmpty())
            item->shortVersion = attr.value().toString();
        }
      } else if (item) {
        QString* field = name == u"version"              ? &item->version
                         : name == u"shortVersionString" ? &item->shortVersion
                         : name == u"channel"            ? &item->channel
                         : name == u"releaseNotesLink"   ? &item->notes
                         : name == u"link"               ? &item->link
                                                         : nullptr;
        if (field) *field = reader.readElementText(QXmlStreamReader::IncludeChildElements);
      }
    } else if (reader.isEndElement() && reader.name() == u"item" && item) {
      if (auto done = finish(*item)) items.push_back(std::move(*done));
      item.reset();
    }
  }
  if (reader.hasError() || !sawRss) return std::nullopt;
  return items;
}

std::optional<FeedItem> newestUpdate(const std::vector<FeedItem>& items, const AppVersion& running, bool betas) {
  std::optional<FeedItem> best;
  for (const auto& item : items) {
    const bool allowed = item.channel.isEmpty() || (betas && item.channel == u"beta");
    if (!allowed || item.download.isEmpty() || !(item.version > running)) continue;
    if (!best || item.version > best->version) best = item;
  }
  return best;
}

}  // namespace qel
