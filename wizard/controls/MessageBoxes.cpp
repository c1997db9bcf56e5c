#include "wizard/controls/MessageBoxes.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>

namespace wizard
{

namespace
{

// The kind of box, as its documented caption names it.
QString kindName(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Warning:
        return QCoreApplication::translate("wizard::MessageBoxes", "Warning");
    case QMessageBox::Critical:
        return QCoreApplication::translate("wizard::MessageBoxes", "Error");
    case QMessageBox::Question:
        return QCoreApplication::translate("wizard::MessageBoxes", "Confirm");
    default:
        return QCoreApplication::translate("wizard::MessageBoxes", "Information");
    }
}

QMessageBox::StandardButton
showBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
        QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
        const QString& detail = {})
{
    QMessageBox box(icon, caption, text, buttons, parent);
    // The texts name files: shown as they stand, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(detail);
    if (auto* informative = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        informative->setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // Screen readers would read the icon and the row of buttons as unnamed
    // objects (an image, a panel); they carry the box's kind instead.
    for (QWidget* part :
         {static_cast<QWidget*>(box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))),
          static_cast<QWidget*>(box.findChild<QDialogButtonBox*>())}) {
        if (part)
            part->setAccessibleName(kindName(icon));
    }
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int answer = box.exec();
    return QMessageBox::StandardButton(answer);
}

} // namespace

void showWarning(QWidget* parent, const QString& text, const QString& detail)
{
    showBox(parent, QMessageBox::Warning, kindName(QMessageBox::Warning), text, QMessageBox::Ok,
            QMessageBox::NoButton, detail);
}

void showError(QWidget* parent, const QString& text, const QString& detail)
{
    showBox(parent, QMessageBox::Critical, kindName(QMessageBox::Critical), text, QMessageBox::Ok,
            QMessageBox::NoButton, detail);
}

void showInformation(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Information, kindName(QMessageBox::Information), text,
            QMessageBox::Ok);
}

bool confirm(QWidget* parent, const QString& text)
{
    return showBox(parent, QMessageBox::Question, kindName(QMessageBox::Question), text,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

QMessageBox::StandardButton askYesNoCancel(QWidget* parent, const QString& text)
{
    const auto answer =
        showBox(parent, QMessageBox::Warning, kindName(QMessageBox::Warning), text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return answer == QMessageBox::Yes || answer == QMessageBox::No ? answer : QMessageBox::Cancel;
}

QString withClosingFullStop(const QString& text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

namespace
{
UncaughtErrorWording uncaughtErrorWording = nullptr;
} // namespace

void setUncaughtErrorWording(UncaughtErrorWording wording)
{
    uncaughtErrorWording = wording;
}

void showUncaughtError(QWidget* parent, const std::exception& error)
{
    const ErrorMessage message = uncaughtErrorWording
                                     ? uncaughtErrorWording(error)
                                     : ErrorMessage{QString::fromLocal8Bit(error.what()), {}};
    showUncaughtError(parent, message.text, message.detail);
}

void showUncaughtError(QWidget* parent, const QString& text, const QString& detail)
{
    showBox(parent, QMessageBox::Critical, QStringLiteral("Romweaver"), withClosingFullStop(text),
            QMessageBox::Ok, QMessageBox::NoButton, detail);
}

} // namespace wizard
