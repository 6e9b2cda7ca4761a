// SPDX-License-Identifier: MIT
#pragma once

#include "cores/entry/registration.h"
#include "widgets/ui/templatedialog.h"

namespace zelpo {

// The Numbers registration window: appends the next Numbers 3 and Numbers 4
// draws together, each with the five predictions shown for it.
class CToutoku final : public ui::TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CToutoku)
public:
    explicit CToutoku(QWidget* parent = nullptr);
    ~CToutoku() override;

    QString m_strDatabase; // full path of the database file

    // Query functions: true when the database answered.
    bool kaisuuDB(QString strDatabase, QString strWhere);
    bool kaisuuDW(QString strDatabase, QString strWhere);
    bool yosouDT(QString strDatabase, QString strWhere);
    bool yosouDE(QString strDatabase, QString strWhere);
    // Appends the Numbers 3 and the Numbers 4 row together, both or neither;
    // when the database refuses them, says why and returns false.
    bool tuikaDBDW(QString strDatabase, QString strWhere);

    void OnButton1(); // 追　　加

protected:
    void onInitDialog() override;

private:
    entry::NumbersDraw numbers3Draw() const;
    entry::NumbersDraw numbers4Draw() const;
    void refresh();
};

} // namespace zelpo
