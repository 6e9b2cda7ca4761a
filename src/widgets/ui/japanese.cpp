// SPDX-License-Identifier: MIT
#include "widgets/ui/japanese.h"

#include "widgets/ui/dialogbuilder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zelpo::ui {

bool installJapanese(QApplication& app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    // Message boxes and menus have no template; they take the templates' font.
    QApplication::setFont(dialogFont(u"ＭＳ Ｐゴシック", 9));
    auto* translator = new QTranslator(&app);
    if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace zelpo::ui
