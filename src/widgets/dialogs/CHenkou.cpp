// SPDX-License-Identifier: MIT
#include "widgets/dialogs/CHenkou.h"

#include "cores/entry/editing.h"
#include "data/entry/henkoudata.h"
#include "widgets/res/dialogtemplate.h"
#include "widgets/ui/dialogbuilder.h"
#include "widgets/ui/modal.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace zelpo {
namespace {

constexpr int kNumberFields[] = { 1009, 1012, 1013, 1014, 1015 };
constexpr int kPurchaseFields[] = { 1010, 1011, 1016, 1017, 1018 };
constexpr int kLabelFields[] = { 1004, 1005, 1006, 1007, 1008, 1022 };

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The texts of the label fields 1004..1008 and 1022.
std::array<QString, 6> labels(entry::EditedGame game)
{
    switch (game) {
    case entry::EditedGame::Numbers3:
        return { QStringLiteral("三桁目"), QStringLiteral("二桁目"), QStringLiteral("一桁目"), {}, {}, {} };
    case entry::EditedGame::Numbers4:
        return { QStringLiteral("四桁目"), QStringLiteral("三桁目"), QStringLiteral("二桁目"), QStringLiteral("一桁目"),
            {}, {} };
    case entry::EditedGame::MiniLoto:
        break;
    }
    return { QStringLiteral("一つ目"), QStringLiteral("二つ目"), QStringLiteral("三つ目"), QStringLiteral("四つ目"),
        QStringLiteral("五つ目"), QStringLiteral("サービス数字") };
}

} // namespace

CHenkou::CHenkou(QWidget* parent)
    : ui::TemplateDialog(res::kEditorDialog, parent)
{
    connect(button(1001), &QPushButton::clicked, this, &CHenkou::OnBue);
    connect(button(1002), &QPushButton::clicked, this, &CHenkou::OnBsita);
    connect(button(1000), &QPushButton::clicked, this, &CHenkou::OnButton1);
}

CHenkou::~CHenkou() = default;

void CHenkou::onInitDialog()
{
    for (const int id : { 1020, 1021, 1025 })
        edit(id)->hide();
    setText(1020, m_strGame);
    setText(1021, m_strKaisai);
    setText(1025, m_strJikai);

    const std::optional<entry::EditedGame> game = entry::gameFromCode(m_strGame.toStdString());
    if (!game)
        return;
    showGame(*game);
    if (const std::optional<std::string> clause = entry::drawClause(m_strKaisai.toStdString()))
        load(*game, QString::fromStdString(*clause));
}

void CHenkou::showGame(entry::EditedGame game)
{
    const std::array<QString, 6> texts = labels(game);
    for (std::size_t i = 0; i < texts.size(); ++i)
        setText(kLabelFields[i], texts[i]);
    const int used = entry::numberFieldCount(game);
    // Typing is limited to the game's digits; a stored value is still shown
    // whole, since a validator, unlike a length limit, leaves set texts alone.
    const QRegularExpression typed(QStringLiteral("[0-9]{0,%1}").arg(entry::numberFieldLength(game)));
    for (int i = 0; i < 5; ++i) {
        QLineEdit* field = edit(kNumberFields[i]);
        if (i < used) {
            const auto* current = qobject_cast<const QRegularExpressionValidator*>(field->validator());
            if (!current || current->regularExpression() != typed)
                field->setValidator(new QRegularExpressionValidator(typed, field));
        } else {
            // A field the game does not use is one of the window's displays.
            ui::makeDisplay(*field);
            field->setFocusPolicy(Qt::ClickFocus);
        }
    }
}

QWidget* CHenkou::initialFocus() const
{
    // The first winning number, so that Enter reaches "閉　じ　る", the default button.
    return edit(1009);
}

bool CHenkou::load(entry::EditedGame game, const QString& strWhere)
{
    switch (game) {
    case entry::EditedGame::Numbers3:
        return n3DB(m_strDatabase, strWhere);
    case entry::EditedGame::Numbers4:
        return n4DB(m_strDatabase, strWhere);
    case entry::EditedGame::MiniLoto:
        break;
    }
    return miDB(m_strDatabase, strWhere);
}

bool CHenkou::n3DB(QString strDatabase, QString strWhere)
{
    return readInto(entry::EditedGame::Numbers3, strDatabase, strWhere);
}

bool CHenkou::n4DB(QString strDatabase, QString strWhere)
{
    return readInto(entry::EditedGame::Numbers4, strDatabase, strWhere);
}

bool CHenkou::miDB(QString strDatabase, QString strWhere)
{
    return readInto(entry::EditedGame::MiniLoto, strDatabase, strWhere);
}

bool CHenkou::readInto(entry::EditedGame game, const QString& strDatabase, const QString& strWhere)
{
    entry::ShownDraw draw;
    if (!entry::readDraw(game, strDatabase, strWhere, draw)) {
        reportReadFailure();
        return false;
    }
    setText(1019, draw.drawNumber);
    for (std::size_t i = 0; i < draw.numbers.size(); ++i)
        setText(kNumberFields[i], draw.numbers[i]);
    for (std::size_t i = 0; i < draw.purchases.size(); ++i)
        setText(kPurchaseFields[i], draw.purchases[i]);
    return true;
}

void CHenkou::stepTo(int drawNumber)
{
    const std::optional<entry::EditedGame> game = entry::gameFromCode(m_strGame.toStdString());
    if (!game)
        return;
    showGame(*game);
    load(*game, QStringLiteral("WHERE kaisai=%1").arg(drawNumber));
}

void CHenkou::OnBue()
{
    const entry::Step step
        = entry::stepUp(text(1019).toStdString(), m_strJikai.toStdString(), button(1024)->isChecked());
    if (!step.allowed()) {
        ui::showMessage(this, fromUtf8(step.message), ui::MessageIcon::Stop);
        return;
    }
    stepTo(step.drawNumber);
}

void CHenkou::OnBsita()
{
    const entry::Step step = entry::stepDown(text(1019).toStdString(), button(1024)->isChecked());
    if (!step.allowed()) {
        ui::showMessage(this, fromUtf8(step.message), ui::MessageIcon::Stop);
        return;
    }
    stepTo(step.drawNumber);
}

void CHenkou::OnButton1()
{
    henkouDB(m_strDatabase, QStringLiteral("WHERE kaisai=") + text(1019));
}

bool CHenkou::henkouDB(QString strDatabase, QString strWhere)
{
    const std::optional<entry::EditedGame> game = entry::gameFromCode(m_strGame.toStdString());
    if (!game)
        return false;
    entry::EditorFields fields;
    for (std::size_t i = 0; i < fields.numbers.size(); ++i)
        fields.numbers[i] = text(kNumberFields[i]).toStdString();
    for (std::size_t i = 0; i < fields.purchases.size(); ++i)
        fields.purchases[i] = text(kPurchaseFields[i]).toStdString();
    fields.drawNumber = text(1019).toStdString();

    const entry::Update update = entry::buildUpdate(*game, fields);
    switch (update.check) {
    case entry::SaveCheck::MissingField:
        ui::showMessage(this, fromUtf8(entry::kMissingFieldMessage), ui::MessageIcon::Stop);
        return false;
    case entry::SaveCheck::Unwritable:
        ui::showMessage(this, fromUtf8(entry::kWriteFailedMessage), ui::MessageIcon::Stop);
        return false;
    case entry::SaveCheck::Ready:
        break;
    }
    if (!entry::writeDraw(*game, strDatabase, strWhere, QString::fromStdString(update.sql))) {
        ui::showMessage(this, fromUtf8(entry::kWriteFailedMessage), ui::MessageIcon::Stop);
        return false;
    }
    return true;
}

} // namespace zelpo
