#include "gui/desktop/translation.h"

#include "config/logging.h"

#include <QCoreApplication>
#include <QLocale>

Translation::Script Translation::scriptFor(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        // A language without a script of its own gets the one its region writes: zh-HK is Hant.
        const QLocale language(name);
        if (language.language() == QLocale::Chinese)
            return language.script() == QLocale::TraditionalChineseScript ? Script::Traditional
                                                                          : Script::Simplified;
    }
    return Script::Simplified;
}

Translation::Translation(Script script) : m_script(script)
{
    const bool traditional = script == Script::Traditional;
    install(m_qt, traditional ? QStringLiteral("qtbase_zh_TW") : QStringLiteral("qtbase_zh_CN"));
    // The program's own texts are Simplified already.
    if (traditional)
        install(m_program, QStringLiteral("lanternix_zh_TW"));
}

Translation::~Translation()
{
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
}

QString Translation::splashPicture() const
{
    return m_script == Script::Traditional ? QStringLiteral(":/splash/splash_zh_TW.jpg")
                                           : QStringLiteral(":/splash/splash.jpg");
}

void Translation::install(QTranslator& translator, const QString& name)
{
    if (translator.load(name, QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&translator);
    else
        qCWarning(lcStartup) << "translation" << name << "not in the program";
}
