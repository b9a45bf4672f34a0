#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Where the build embeds translations/norvane_<language>.qm.
const QString kOwnFolder = QStringLiteral(":/norvane/i18n");

// The translation of `name` for the first of `locale`'s languages that has one.
void installFor(QCoreApplication& app, const QLocale& locale, const QString& name,
                const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installEnglishPlurals() {
    static const bool installed = [] {
        Q_INIT_RESOURCE(norvane_i18n); // a static library's resources are registered by hand
        installFor(*QCoreApplication::instance(), QLocale(QLocale::English),
                   QStringLiteral("norvane"), kOwnFolder);
        return true;
    }();
    (void)installed;
}

// Installed last is asked first: the user's languages before the English plurals.
void installTranslations(QCoreApplication& app) {
    installEnglishPlurals();
    const QLocale locale = QLocale::system();
    installFor(app, locale, QStringLiteral("qtbase"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installFor(app, locale, QStringLiteral("norvane"), kOwnFolder);
}
