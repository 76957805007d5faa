#include "app/language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/desktop_store.h"
#include "app/locale_setup.h"
#include "app/main_window.h"
#include "app/record_panel_widgets.h"

namespace tanukiban {

namespace {

using text::Language;

constexpr const char* kKey = "language";
constexpr const char* kSubmenu = "言語 (Language)";

void keepLanguage(Language language) {
    QSettings s = desktopStore();
    s.setValue(kKey, language == Language::English ? QStringLiteral("en") : QStringLiteral("ja"));
    s.sync();
}

QString tr(std::string_view japanese) {
    return QString::fromStdString(text::tr("menu", japanese));
}

void showMenusInLanguage(MainWindow& window, QMenu& submenu) {
    for (const MenuEntry& e : menuTable())
        if (QAction* a = window.action(e.item)) a->setText(tr(e.caption));
    submenu.setTitle(tr(kSubmenu));
}

// Everything already shown, in the language chosen now.
void showInLanguage(MainWindow& window, QMenu& submenu) {
    showMenusInLanguage(window, submenu);
    window.view().surface().redrawInLanguage();
    window.view().update();
    if (auto* panel = dynamic_cast<QtRecordPanel*>(&window.recordPanel())) panel->retranslate();
}

}  // namespace

Language keptLanguage() {
    return desktopStore().value(kKey).toString() == QStringLiteral("en") ? Language::English
                                                                         : Language::Japanese;
}

void addLanguageMenu(MainWindow& window) {
    QAction* options = window.action(MenuItem::OPTION);
    if (!options || !options->menu()) return;
    QMenu* submenu = options->menu()->addMenu(QString::fromUtf8(kSubmenu));
    submenu->menuAction()->setObjectName(QStringLiteral("LANGUAGE"));
    auto* group = new QActionGroup(submenu);
    struct Choice {
        Language language;
        const char* name;  // in the language itself, so that a player finds their own
        const char* objectName;
    };
    for (const Choice& c : {Choice{Language::Japanese, "日本語", "JAPANESE"},
                            Choice{Language::English, "English", "ENGLISH"}}) {
        QAction* a = submenu->addAction(QString::fromUtf8(c.name));
        a->setObjectName(QString::fromUtf8(c.objectName));
        a->setCheckable(true);
        a->setChecked(text::language() == c.language);
        group->addAction(a);
        const Language language = c.language;
        QObject::connect(a, &QAction::triggered, &window, [&window, submenu, language] {
            if (text::language() == language) return;
            switchLanguage(language);
            keepLanguage(language);
            showInLanguage(window, *submenu);
        });
    }
    showMenusInLanguage(window, *submenu);
}

}  // namespace tanukiban
