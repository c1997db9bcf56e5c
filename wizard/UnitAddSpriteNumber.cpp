#include "wizard/UnitAddSpriteNumber.h"
#include "ui_UnitAddSpriteNumber.h"

#include "wizard/controls/MessageBoxes.h"

TfrmAddSpriteNumber::TfrmAddSpriteNumber(QWidget* mainWindow)
    : FloatingDialog(mainWindow), ui(std::make_unique<Ui::TfrmAddSpriteNumber>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmAddSpriteNumber"));
    setUpFrame(ui->grpAddSpriteNumber, ui->txtAddSpriteNumber, ui->btnAdd, ui->btnCancel);
}

TfrmAddSpriteNumber::~TfrmAddSpriteNumber() = default;

void TfrmAddSpriteNumber::Open()
{
    showForInput();
}

void TfrmAddSpriteNumber::btnAddClick()
{
    const QString value = ui->txtAddSpriteNumber->text();
    if (value.contains(QLatin1Char('|'))) {
        ShowError(this,
                  QStringLiteral("Illegal character '|' found. Please remove the character."));
        return;
    }
    emit addRequested(value);
}
