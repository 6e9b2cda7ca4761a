// SPDX-License-Identifier: MIT
#include "widgets/ui/helpviewer.h"

#include "widgets/ui/contextmenukey.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/enterkey.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zelpo::ui {
namespace {

QPushButton* addButton(QWidget& parent, QHBoxLayout& row, const QString& caption, int id)
{
    auto* button = new QPushButton(caption, &parent);
    button->setProperty(kControlIdProperty, id);
    row.addWidget(button);
    return button;
}

} // namespace

HelpViewer::HelpViewer(const QString& startPage, const QString& page, QWidget* parent)
    : QDialog(parent)
    , m_browser(new QTextBrowser(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    QPushButton* back = addButton(*this, *buttons, QStringLiteral("← 戻る"), Back);
    QPushButton* forward = addButton(*this, *buttons, QStringLiteral("進む →"), Forward);
    QPushButton* home = addButton(*this, *buttons, QStringLiteral("目次"), Home);
    buttons->addStretch();
    QPushButton* close = addButton(*this, *buttons, QStringLiteral("閉じる"), Close);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    m_browser->setProperty(kControlIdProperty, static_cast<int>(Page));
    m_browser->setAccessibleName(QStringLiteral("マニュアルのページ"));
    // Pages of the manual open here; a link that leaves the manual goes to the desktop.
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(page));
    m_browser->setFocus();

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this,
        [this, start = QUrl::fromLocalFile(startPage)] { m_browser->setSource(start); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::showTitle);
    showTitle();
    resize(800, 640);
    keepOpenOnEnter(*this);
    offerContextMenuKey(*this);
}

HelpViewer::~HelpViewer() = default;

QUrl HelpViewer::source() const
{
    return m_browser->source();
}

void HelpViewer::showTitle()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("ヘルプ") : title);
}

} // namespace zelpo::ui
