#include "wizard/UnitNewOption.h"
#include "ui_UnitNewOption.h"

#include "wizard/controls/ButtonEnterKey.h"
#include "wizard/controls/MessageBoxes.h"

TfrmNewOption::TfrmNewOption(QWidget* mainWindow)
    : wizard::FloatingDialog(mainWindow), ui(std::make_unique<Ui::TfrmNewOption>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmNewOption"));
    setUpFrame(ui->grpNewOption, ui->txtNewOption, ui->btnAdd, ui->btnCancel);
    wizard::pressFocusedButtonOnEnter(this);
}

TfrmNewOption::~TfrmNewOption() = default;

void TfrmNewOption::open(const QString& numberText)
{
    showForInput();
    ui->lblDescription->setText(numberText);
}

void TfrmNewOption::btnAddClick()
{
    if (ui->txtNewOption->text().isEmpty()) {
        const auto answer = wizard::askYesNoCancel(
            this, tr("No description is inserted. Are you sure you do not want a description?"));
        if (answer != QMessageBox::Yes)
            return;
        ui->txtNewOption->setText(tr("no description available"));
    }
    emit addRequested(ui->txtNewOption->text());
}
