#include "wizard/UnitAbout.h"
#include "ui_UnitAbout.h"

#include "ProgramVersion.h"

#include "wizard/controls/FormLook.h"
#include "wizard/controls/WindowPlacement.h"

#include <QDate>
#include <QLocale>
#include <QPixmap>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

namespace
{

// The release month in the language of the window's texts: the translation
// names its language, English without one, so the line reads as it did.
QString releaseMonth()
{
    const QLocale language(TfrmAbout::tr("en", "the code of this translation's language (de, "
                                               "pt_BR): the release month is named in it"));
    if (language.language() == QLocale::English)
        return QLatin1String(ROMWEAVER_RELEASE_MONTH);
    const QDate released = QDate::fromString(QLatin1String(ROMWEAVER_RELEASE_DATE), Qt::ISODate);
    return TfrmAbout::tr("%1 %2", "the release: the month's name, the year")
        .arg(language.standaloneMonthName(released.month()), QString::number(released.year()));
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TfrmAbout>())
{
    setFont(
        wizard::formFont()); // before the controls exist: they are made with it, not changed to it
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmAbout"));
    // The form holds the lines' wording; the version and release come from the build.
    ui->lblVersion->setText(ui->lblVersion->text().arg(QLatin1String(ROMWEAVER_VERSION)));
    ui->lblReleaseDate->setText(ui->lblReleaseDate->text().arg(releaseMonth()));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Closing the About window must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(317, 219);
    wizard::applyFormLook(this);
    // The window has no control to take keys; Escape closes it as its close button does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::open(const QWidget* over)
{
    const bool first = !m_placed;
    m_placed = true;
    if (first) {
        // Read when first wanted rather than at start, where it would be the
        // first picture read and hold up the main window.
        ui->imgIcon->setPixmap(QPixmap(QStringLiteral(":/about.png")));
        wizard::centreOn(this, over->frameGeometry()); // near the place, before the frame is known
    }
    show();
    raise();
    activateWindow();
    if (!first)
        return;
    // The window manager tells the frame's size only once the window is
    // mapped; centre the whole frame then, as the main window does for itself.
    QPointer<const QWidget> mainWindow(over);
    QTimer::singleShot(0, this, [this, mainWindow] {
        if (mainWindow)
            wizard::centreOn(this, mainWindow->frameGeometry());
    });
}
