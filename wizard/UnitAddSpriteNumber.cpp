#include "wizard/UnitAddSpriteNumber.h"
#include "ui_UnitAddSpriteNumber.h"

#include "wizard/controls/ButtonEnterKey.h"
#include "wizard/controls/MessageBoxes.h"

TfrmAddSpriteNumber::TfrmAddSpriteNumber(QWidget* mainWindow)
    : wizard::FloatingDialog(mainWindow), ui(std::make_unique<Ui::TfrmAddSpriteNumber>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmAddSpriteNumber"));
    setUpFrame(ui->grpAddSpriteNumber, ui->txtAddSpriteNumber, ui->btnAdd, ui->btnCancel);
    wizard::pressFocusedButtonOnEnter(this);
}

TfrmAddSpriteNumber::~TfrmAddSpriteNumber() = default;

void TfrmAddSpriteNumber::open()
{
    showForInput();
}

void TfrmAddSpriteNumber::btnAddClick()
{
    const QString value = ui->txtAddSpriteNumber->text();
    if (value.contains(QLatin1Char('|'))) {
        wizard::showError(this, tr("Illegal character '|' found. Please remove the character."));
        return;
    }
    emit addRequested(value);
}
