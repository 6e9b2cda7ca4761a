// SPDX-License-Identifier: MIT
// The line of a window that tells what the update is doing: the game and the
// source being read and how many draws, with キャンセル while it reads.
// Between updates it shows the window's own text.
#pragma once

#include "data/update/updaterun.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace zelpo::ui {

class UpdateLine final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateLine)

public:
    // `lines`: how many lines of text the line holds before it cuts.
    explicit UpdateLine(QWidget* parent = nullptr, int lines = 1);
    ~UpdateLine() override;

    // What the line says while no update runs.
    void setIdleText(const QString& text);
    QString text() const;
    QPushButton* cancelButton() const { return m_cancel; }

private:
    void showReading(const QString& text);
    void showIdle();

    QLabel* m_text = nullptr;
    QPushButton* m_cancel = nullptr;
    QString m_idle;
};

} // namespace zelpo::ui
