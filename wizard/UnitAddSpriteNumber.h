#pragma once

#include "FloatingDialog.h"

#include <memory>

class TfrmRomweaver;

namespace Ui
{
class TfrmAddSpriteNumber;
}

// Adds a sprite number or memory address to the selected menu line.
class TfrmAddSpriteNumber : public FloatingDialog
{
    Q_OBJECT

public:
    explicit TfrmAddSpriteNumber(TfrmRomweaver* mainWindow);
    ~TfrmAddSpriteNumber() override;

    void Open();
    void btnAddClick() override;

private:
    std::unique_ptr<Ui::TfrmAddSpriteNumber> ui;
    TfrmRomweaver* m_main;
};
