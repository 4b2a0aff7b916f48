#pragma once
// The update feed: an RSS 2.0 document whose <item>s are the published versions. Accepted in
// each item, by local name whatever their namespace prefix:
//   <version>             the version number, in any form AppVersion reads (required, unless
//                         <shortVersionString> holds one)
//   <shortVersionString>  the version as shown to people (falls back to <version>), made one
//                         line of at most 32 characters, longer ones cut with "…"
//   <channel>             the channel; absent or empty for a release, "beta" for a beta
//   <releaseNotesLink>    a page with the item's notes
//   <link>                the download page the user is sent to; when absent, the url
//                         attribute of <enclosure>
// <version> and <shortVersionString> are also read as attributes of <enclosure>. Links other
// than http and https are dropped: the feed is outside text and must not open local files.
#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>
#include <vector>

#include "Qel/Updates/AppVersion.hpp"

namespace qel {

struct FeedItem {
  AppVersion version;
  QString displayVersion;
  QString channel;  // empty for a release
  QUrl notes;
  QUrl download;

  friend bool operator==(const FeedItem&, const FeedItem&) = default;
};

// The items of a feed; none when the text is not a well-formed RSS document. Items without a
// readable version are skipped.
std::optional<std::vector<FeedItem>> parseUpdateFeed(const QByteArray& xml);

// The newest item above `running` on the channels allowed (releases always, "beta" when
// `betas`) that has a download page.
std::optional<FeedItem> newestUpdate(const std::vector<FeedItem>& items, const AppVersion& running, bool betas);

}  // namespace qel
