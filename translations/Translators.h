#pragma once

#include <QLocale>
#include <QTranslator>

namespace translations
{

// The programs' texts and Qt's own (the message boxes' buttons, the file
// dialogs, the command-line parser's messages) in the user's language,
// installed into the application while this object lives. Both programs make
// one at start, after their application object.
//
// The language is the first of the locale's languages (for the system's
// locale: LANGUAGE, LC_ALL, LC_MESSAGES, LANG; on Windows the user's display
// languages) that Romweaver is translated into. English, the language of the
// source texts, ends the search as well: nothing is installed, and a user who
// prefers English before German gets English. Qt's own translation is taken
// for the same language only, so one window never mixes two languages; a text
// without a translation stays English.
class Translators
{
public:
    explicit Translators(const QLocale& locale = QLocale::system());
    Translators(const Translators&) = delete;
    Translators& operator=(const Translators&) = delete;
    // QTranslator's destructor takes each one out of the application again.
    ~Translators() = default;

private:
    QTranslator m_program;
    QTranslator m_qt;
};

} // namespace translations
