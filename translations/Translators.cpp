#include "translations/Translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>

namespace translations
{

namespace
{

// The programs' own translations, compiled from translations/*.ts into the
// programs themselves (translations/CMakeLists.txt).
const char* const ProgramTranslations = ":/i18n";

// Where Qt's own translations (qtbase_<language>.qm) lie: a "translations"
// folder beside the program (the Windows zip and installer bring one), else
// Qt's own place (on Linux the system's, from qt6-translations-l10n).
QStringList qtTranslationFolders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

// English is the source texts' language; "C" (LANG=C) asks for no language.
bool isSourceLanguage(const QLocale& locale)
{
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

} // namespace

Translators::Translators(const QLocale& locale)
{
    // One language at a time: QTranslator::load(locale) alone would search the
    // whole list and pass over English, which has no file.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (isSourceLanguage(language))
            return;
        if (!m_program.load(language, QStringLiteral("romweaver"), QStringLiteral("_"),
                            QString::fromLatin1(ProgramTranslations)))
            continue;
        QCoreApplication::installTranslator(&m_program);
        for (const QString& folder : qtTranslationFolders()) {
            if (m_qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
                QCoreApplication::installTranslator(&m_qt);
                break;
            }
        }
        return;
    }
}

} // namespace translations
