// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ui/templatedialog.h"

namespace zelpo {

// The Mini Loto registration window: appends the next draw with its bonus
// number and the four predictions shown for it.
class CMinitouroku final : public ui::TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMinitouroku)
public:
    explicit CMinitouroku(QWidget* parent = nullptr);
    ~CMinitouroku() override;

    QString m_strDatabase; // full path of the database file

    bool kaisuuMI(QString strDatabase, QString strWhere);
    bool yosouMI(QString strDatabase, QString strWhere);
    // True when the draw was stored, and after the message for missing
    // numbers; false when the database refused it (after its message).
    bool tuikaMI(QString strDatabase, QString strWhere);

    void OntuikaB(); // 追　　加

protected:
    void onInitDialog() override;
};

} // namespace zelpo
