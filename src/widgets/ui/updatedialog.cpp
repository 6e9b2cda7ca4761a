// SPDX-License-Identifier: MIT
#include "widgets/ui/updatedialog.h"

#include "data/tickets/ticketrecord.h"
#include "data/update/sourceurls.h"
#include "widgets/ui/gamewindow.h"
#include "widgets/ui/modal.h"
#include "widgets/ui/updatemessage.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zelpo::ui {

UpdateDialog::UpdateDialog(update::UpdateRequest request, update::SourceUrls urls, QWidget* parent)
    : QDialog(parent)
    , m_run(std::make_unique<update::UpdateRun>(std::move(request), std::move(urls)))
{
    setWindowTitle(QStringLiteral("最新の当選数字を取得"));
    m_reading = new QLabel(QStringLiteral("データベースを読んでいます…"), this);
    m_count = new QLabel(this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 0); // busy until a source says how many draws it has
    m_bar->setMinimumWidth(360);
    m_cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    m_reading->setAccessibleName(QStringLiteral("読んでいるところ"));
    m_count->setAccessibleName(QStringLiteral("読んだ回数"));
    m_bar->setAccessibleName(QStringLiteral("進み具合"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_reading);
    layout->addWidget(m_count);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);

    connect(m_cancel, &QPushButton::clicked, this, &UpdateDialog::reject);
    connect(m_run.get(), &update::UpdateRun::sourceStarted, this, &UpdateDialog::onSourceStarted);
    connect(m_run.get(), &update::UpdateRun::progress, this, &UpdateDialog::onProgress);
    connect(m_run.get(), &update::UpdateRun::finished, this, &UpdateDialog::onFinished);
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_run->start();
}

void UpdateDialog::reject()
{
    if (m_run->isFinished())
        return QDialog::reject();
    m_cancel->setEnabled(false);
    m_reading->setText(QStringLiteral("取り消しています…"));
    m_run->cancel(); // onFinished() closes the dialog
}

void UpdateDialog::onSourceStarted(update::Game game, const QString& source)
{
    m_reading->setText(QStringLiteral("%1：%2から読んでいます…").arg(gameName(game), sourceName(source)));
    m_count->clear();
    m_bar->setRange(0, 0);
}

void UpdateDialog::onProgress(update::Game, const QString&, int read, int expected)
{
    m_count->setText(
        expected > 0 ? QStringLiteral("%1 / %2 回分").arg(read).arg(expected) : QStringLiteral("%1 回分").arg(read));
    m_bar->setRange(0, std::max(expected, 0));
    if (expected > 0)
        m_bar->setValue(std::min(read, expected));
}

void UpdateDialog::onFinished()
{
    const std::vector<update::GameOutcome>& outcomes = m_run->outcomes();
    const bool cancelled = std::any_of(outcomes.begin(), outcomes.end(),
        [](const update::GameOutcome& outcome) { return outcome.status == update::GameOutcome::Status::Cancelled; });
    done(cancelled ? QDialog::Rejected : QDialog::Accepted);
}

bool runUpdate(QWidget* owner, const QString& database, const std::vector<update::Game>& games)
{
    update::UpdateRequest request;
    request.database = database;
    request.games = games;
    UpdateDialog dialog(std::move(request), update::sourceUrls(), owner);
    runModal(dialog);
    update::UpdateRun& run = dialog.run();
    if (!run.isFinished()) {
        // Closed some other way: nothing is stored unless the run ended.
        QEventLoop loop;
        QObject::connect(&run, &update::UpdateRun::finished, &loop, &QEventLoop::quit);
        run.cancel();
        if (!run.isFinished())
            loop.exec();
    }
    const std::vector<update::GameOutcome>& outcomes = run.outcomes();
    // The tickets the new draws decided: their wins are told in the same message.
    QString message = updateMessage(outcomes);
    for (const update::GameOutcome& outcome : outcomes) {
        if (outcome.status == update::GameOutcome::Status::Updated && outcome.added > 0) {
            if (const QString wins = tickets::winAnnouncement(database, outcome.game, outcome.first, outcome.last);
                !wins.isEmpty())
                message += QStringLiteral("\n\n") + wins;
        }
    }
    showMessage(owner, message, anyFailed(outcomes) ? MessageIcon::Stop : MessageIcon::None);
    return std::any_of(outcomes.begin(), outcomes.end(),
        [](const update::GameOutcome& outcome) { return outcome.status == update::GameOutcome::Status::Updated; });
}

void offerUpdate(GameWindow& window, QWidget& drawList, update::Game game, std::function<void()> afterStore)
{
    window.addContextEntry(drawList, QString::fromUtf16(kUpdateEntry), [&window, game, afterStore] {
        if (runUpdate(&window, window.databasePath(), { game }) && afterStore)
            afterStore();
    });
}

} // namespace zelpo::ui
