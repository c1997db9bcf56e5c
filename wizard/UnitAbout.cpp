#include "UnitAbout.h"
#include "ui_UnitAbout.h"

#include "FormLook.h"

TfrmAbout::TfrmAbout(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TfrmAbout>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(QIcon(QStringLiteral(":/romweaver.png")));
    // Closing the About window must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(317, 219);
    ApplyFormLook(this);
}

TfrmAbout::~TfrmAbout() = default;
