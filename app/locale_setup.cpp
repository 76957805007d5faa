#include "app/locale_setup.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/qt_surface.h"

namespace tanukiban {

void installJapanese(QCoreApplication& app) {
    // The proportional Mincho face stands in for the one the texts were set in.
    QFont::insertSubstitution(QString::fromUtf8(QtSurface::kFontFamily),
                              QStringLiteral("IPAPMincho"));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

}  // namespace tanukiban
