// SPDX-License-Identifier: MIT
// The program's own window for the manual, for machines where the desktop
// has no browser: one page at a time, its links followed inside the window.
#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace zelpo::ui {

class HelpViewer final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpViewer)
public:
    // Control IDs, as the template windows number theirs.
    enum Control { Close = 1, Back = 1001, Forward = 1002, Home = 1003, Page = 1004 };

    // Shows `page` (a local HTML file); "目次" returns to `startPage`.
    HelpViewer(const QString& startPage, const QString& page, QWidget* parent = nullptr);
    ~HelpViewer() override;

    QUrl source() const;

private:
    void showTitle();

    QTextBrowser* m_browser;
};

} // namespace zelpo::ui
