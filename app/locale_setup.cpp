#include "app/locale_setup.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/qt_surface.h"

namespace tanukiban {

namespace {

QTranslator* qtJapanese = nullptr;  // owned by the application
bool qtJapaneseLoaded = false;

// Loaded on the first switch to Japanese, so an English start reads no file for it.
void useQtJapanese(bool on) {
    if (!qtJapanese) return;
    if (on && !qtJapaneseLoaded) {
        qtJapaneseLoaded = qtJapanese->load(QStringLiteral("qtbase_ja"),
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    if (on && qtJapaneseLoaded) {
        QCoreApplication::installTranslator(qtJapanese);
    } else {
        QCoreApplication::removeTranslator(qtJapanese);
    }
}

}  // namespace

void installLanguage(QCoreApplication& app, text::Language language) {
    // The proportional Mincho face stands in for the one the texts were set in.
    QFont::insertSubstitution(QString::fromUtf8(QtSurface::kFontFamily),
                              QStringLiteral("IPAPMincho"));
    qtJapanese = new QTranslator(&app);
    switchLanguage(language);
}

void switchLanguage(text::Language language) {
    const bool japanese = language == text::Language::Japanese;
    text::setLanguage(language);
    QLocale::setDefault(japanese ? QLocale(QLocale::Japanese, QLocale::Japan)
                                 : QLocale(QLocale::English, QLocale::UnitedStates));
    useQtJapanese(japanese);
}

}  // namespace tanukiban
