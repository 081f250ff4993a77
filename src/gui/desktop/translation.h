#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The script the windows speak. Their texts are written in Simplified Chinese, which every user
// reads except those whose language is Chinese as written in Taiwan, Hong Kong or Macau: they
// read Traditional characters. Qt's own words (a text box's context menu) follow the same script.
// The translations are carried inside the program.
class Translation final
{
public:
    enum class Script { Simplified, Traditional };

    // The user's languages, most preferred first, as QLocale::uiLanguages() names them: the first
    // Chinese one decides; without one the program's own script stands.
    static Script scriptFor(const QStringList& uiLanguages);

    // The script's translations stay installed in the application while this lives.
    explicit Translation(Script script);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The splash picture whose drawn words are in the script.
    QString splashPicture() const;

private:
    void install(QTranslator& translator, const QString& name);

    Script m_script;
    QTranslator m_qt;
    QTranslator m_program;
};
