#include "UnitAddSpriteNumber.h"
#include "ui_UnitAddSpriteNumber.h"

#include "MessageBoxes.h"
#include "UnitRomweaver.h"

TfrmAddSpriteNumber::TfrmAddSpriteNumber(TfrmRomweaver* mainWindow)
    : FloatingDialog(mainWindow), ui(std::make_unique<Ui::TfrmAddSpriteNumber>()),
      m_main(mainWindow)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmAddSpriteNumber"));
    setUpFrame(ui->grpAddSpriteNumber);
    connect(ui->btnAdd, &QPushButton::clicked, this,
            [this] { RunGuarded(this, [this] { btnAddClick(); }); });
    connect(ui->txtAddSpriteNumber, &QLineEdit::returnPressed, this,
            [this] { RunGuarded(this, [this] { btnAddClick(); }); });
    connect(ui->btnCancel, &QPushButton::clicked, this, &TfrmAddSpriteNumber::btnCancelClick);
}

TfrmAddSpriteNumber::~TfrmAddSpriteNumber() = default;

void TfrmAddSpriteNumber::Open()
{
    FormShow();
    // The text of the last opening stays, selected, so typing replaces it.
    ui->txtAddSpriteNumber->selectAll();
    ui->txtAddSpriteNumber->setFocus();
}

void TfrmAddSpriteNumber::btnAddClick()
{
    const QString value = ui->txtAddSpriteNumber->text();
    if (value.contains(QLatin1Char('|'))) {
        ShowError(this,
                  QStringLiteral("Illegal character '|' found. Please remove the character."));
        return;
    }
    m_main->ApplySpriteValueToSelectedLine(value);
    hide();
}
