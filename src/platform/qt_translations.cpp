#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

bool UseQtTranslations(const QString &localeName)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    // One translator for the program's run, replaced on each change; it belongs to the
    // application object so that it goes with it.
    static QTranslator *current = nullptr;
    static QString currentLocale;
    if (current && currentLocale == localeName)
        return true;
    if (current) {
        QCoreApplication::removeTranslator(current);
        delete current;
        current = nullptr;
        currentLocale.clear();
    }
    if (localeName.isEmpty())
        return false;
    auto translator = std::make_unique<QTranslator>(app);
    if (!translator->load(QStringLiteral("qtbase_") + localeName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    current = translator.release();
    currentLocale = localeName;
    QCoreApplication::installTranslator(current);
    return true;
}
