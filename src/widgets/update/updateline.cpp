// SPDX-License-Identifier: MIT
#include "widgets/update/updateline.h"

#include "widgets/update/updatemessage.h"
#include "widgets/update/updaterunner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zelpo::ui {

UpdateLine::UpdateLine(QWidget* parent, int lines)
    : QWidget(parent)
    , m_text(new QLabel(this))
    , m_cancel(new QPushButton(QStringLiteral("キャンセル"), this))
{
    m_text->setWordWrap(lines > 1);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text->setAccessibleName(QStringLiteral("最新の当選数字の取得"));
    m_cancel->setAccessibleName(QStringLiteral("取得のキャンセル"));
    m_cancel->setFocusPolicy(Qt::TabFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_cancel, 0, Qt::AlignTop);

    UpdateRunner& runner = UpdateRunner::instance();
    connect(m_cancel, &QPushButton::clicked, &runner, &UpdateRunner::cancel);
    connect(
        &runner, &UpdateRunner::started, this, [this] { showReading(QStringLiteral("データベースを読んでいます…")); });
    connect(&runner, &UpdateRunner::sourceStarted, this, [this](Game game, const QString& source) {
        showReading(QStringLiteral("%1：%2から読んでいます…").arg(gameName(game), sourceName(source)));
    });
    connect(&runner, &UpdateRunner::progress, this,
        [this](Game game, const QString& source, int read, int expected) {
            const QString count = expected > 0 ? QStringLiteral("%1 / %2 回分").arg(read).arg(expected)
                                               : QStringLiteral("%1 回分").arg(read);
            showReading(QStringLiteral("%1：%2から読んでいます…　%3").arg(gameName(game), sourceName(source), count));
        });
    connect(&runner, &UpdateRunner::cancelling, this, [this] {
        m_cancel->setEnabled(false);
        m_text->setText(QStringLiteral("取り消しています…"));
    });
    connect(&runner, &UpdateRunner::finished, this, &UpdateLine::showIdle);
    if (runner.isRunning())
        showReading(QStringLiteral("最新の当選数字を取得しています…"));
    else
        showIdle();
}

UpdateLine::~UpdateLine() = default;

void UpdateLine::setIdleText(const QString& text)
{
    m_idle = text;
    if (!UpdateRunner::instance().isRunning())
        m_text->setText(m_idle);
}

QString UpdateLine::text() const
{
    return m_text->text();
}

void UpdateLine::showReading(const QString& text)
{
    m_text->setText(text);
    m_cancel->setVisible(true);
    m_cancel->setEnabled(!UpdateRunner::instance().isCancelling());
    if (UpdateRunner::instance().isCancelling())
        m_text->setText(QStringLiteral("取り消しています…"));
}

void UpdateLine::showIdle()
{
    m_cancel->setVisible(false);
    m_text->setText(m_idle);
}

} // namespace zelpo::ui
