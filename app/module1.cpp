#include "module1.h"

#include "form2.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tovrik {

void Main()
{
    Form2().Show();
}

void prepareApplication()
{
    QGuiApplication::setDesktopFileName(QStringLiteral(TOVRIK_APP_ID));
    installStandardTexts();
}

QTranslator *installStandardTexts(const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace tovrik
