// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ui/templatedialog.h"

namespace zelpo {

namespace entry {
enum class EditedGame;
}

// The draw editor: shows one stored draw of one game, steps to neighbouring
// draws and writes the shown values back to the row.
class CHenkou final : public ui::TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHenkou)
public:
    explicit CHenkou(QWidget* parent = nullptr);
    ~CHenkou() override;

    // Handed in by the game window before the modal run.
    QString m_strDatabase; // full path of the database file
    QString m_strGame;     // "3", "4" or "5"
    QString m_strKaisai;   // the draw to show first, as the list shows it
    QString m_strJikai;    // the game window's next-draw number

    void OnBue();     // 上
    void OnBsita();   // 下
    void OnButton1(); // 登　　録

    // Load one draw of their table into the fields: true when the database answered.
    bool n3DB(QString strDatabase, QString strWhere);
    bool n4DB(QString strDatabase, QString strWhere);
    bool miDB(QString strDatabase, QString strWhere);
    // Writes the shown values back; true when the row was written.
    bool henkouDB(QString strDatabase, QString strWhere);

protected:
    void onInitDialog() override;
    QWidget* initialFocus() const override;

private:
    void showGame(entry::EditedGame game);
    bool load(entry::EditedGame game, const QString& strWhere);
    bool readInto(entry::EditedGame game, const QString& strDatabase, const QString& strWhere);
    void stepTo(int drawNumber);
};

} // namespace zelpo
