#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include <exception>

class QWidget;

namespace wizard
{

// The program's modal boxes. Each kind has its fixed caption.
void showWarning(QWidget* parent, const QString& text, const QString& detail = {});
// detail, where given, stands beneath the text.
void showError(QWidget* parent, const QString& text, const QString& detail = {});
void showInformation(QWidget* parent, const QString& text);
// A question with Yes and No; true for Yes. No is the default button, so
// Enter or Escape alone never goes ahead.
bool confirm(QWidget* parent, const QString& text);
// A warning with Yes, No and Cancel; returns the button pressed. Enter is Yes,
// Escape (and closing the box) is Cancel.
QMessageBox::StandardButton askYesNoCancel(QWidget* parent, const QString& text);

// The box for an error no handler caught: the program's name as caption and the
// error's text, with a full stop appended where the text ends in a character
// that comes after "." (a letter or digit does, "!" and ")" do not).
// The detail, where there is one, stands beneath the text (the system's
// reason for a file error).
void showUncaughtError(QWidget* parent, const QString& text, const QString& detail = {});
QString withClosingFullStop(const QString& text);

// An error as its box shows it.
struct ErrorMessage {
    QString text;   // the box's text
    QString detail; // beneath it: the system's reason, where it gave one
};
// How the program words an error no handler caught; the kit knows none of
// its errors. Until one is given, the box shows the error's own text.
using UncaughtErrorWording = ErrorMessage (*)(const std::exception& error);
void setUncaughtErrorWording(UncaughtErrorWording wording);
void showUncaughtError(QWidget* parent, const std::exception& error);

// Runs a handler's body so that no exception crosses the event loop: an error
// ends the body where it arose and is shown; what the body changed before stays.
template <typename Body> void RunGuarded(QWidget* parent, Body&& body)
{
    try {
        body();
    } catch (const std::exception& error) {
        showUncaughtError(parent, error);
    } catch (...) {
        showUncaughtError(parent,
                          QCoreApplication::translate("wizard::MessageBoxes", "Unexpected error"));
    }
}

} // namespace wizard
