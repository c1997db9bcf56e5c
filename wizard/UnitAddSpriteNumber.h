#pragma once

#include "wizard/controls/FloatingDialog.h"

#include <memory>

namespace Ui
{
class TfrmAddSpriteNumber;
}

// Asks for a sprite number or memory address for the selected menu line.
// "Add" hands it to the main window (addRequested), which applies it and
// closes the dialog.
class TfrmAddSpriteNumber : public wizard::FloatingDialog
{
    Q_OBJECT

public:
    explicit TfrmAddSpriteNumber(QWidget* mainWindow);
    ~TfrmAddSpriteNumber() override;

    void open();
    void btnAddClick() override;

signals:
    void addRequested(const QString& spriteValue);

private:
    std::unique_ptr<Ui::TfrmAddSpriteNumber> ui;
};
