#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtGlobal>

namespace toolkit {

bool installGermanQtTexts() {
    // The application object owns the translator, so it lives as long as the texts it serves.
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_de"), folder)) {
        qWarning("Qt's German texts (qtbase_de.qm) not found in %s", qPrintable(folder));
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace toolkit
