// SPDX-License-Identifier: MIT
#include "data/update/sourcefailure.h"

#include <algorithm>

namespace zelpo::update {

QString SourceFailure::text() const
{
    QString text = QStringLiteral("source ") + source + QStringLiteral(": ");
    if (!detail.isEmpty() && detail != source)
        text += detail + QStringLiteral(": ");
    return text + reason;
}

FailureKind failureKind(DownloadFailure failure)
{
    switch (failure) {
    case DownloadFailure::Lookup:
        return FailureKind::Lookup;
    case DownloadFailure::Connection:
        return FailureKind::Connection;
    case DownloadFailure::Timeout:
    case DownloadFailure::Cancelled:
        return FailureKind::Timeout;
    case DownloadFailure::Certificate:
        return FailureKind::Certificate;
    case DownloadFailure::None:
    case DownloadFailure::NotHttps:
    case DownloadFailure::Http:
    case DownloadFailure::Redirect:
    case DownloadFailure::TooLarge:
    case DownloadFailure::Truncated:
        break;
    }
    return FailureKind::Refused;
}

SourceFailure downloadFailure(const QString& source, const Downloaded& download)
{
    return { source, failureKind(download.failure), download.reason,
        download.url.toDisplayString(QUrl::RemoveUserInfo) };
}

bool unreachable(const std::vector<SourceFailure>& failures)
{
    return !failures.empty() && std::all_of(failures.begin(), failures.end(), [](const SourceFailure& failure) {
        return failure.kind == FailureKind::Lookup || failure.kind == FailureKind::Connection;
    });
}

} // namespace zelpo::update
