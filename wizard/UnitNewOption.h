#pragma once

#include "FloatingDialog.h"

#include <memory>

class TfrmRomweaver;

namespace Ui
{
class TfrmNewOption;
}

// Adds an option with its description to the options page and the settings file.
class TfrmNewOption : public FloatingDialog
{
    Q_OBJECT

public:
    explicit TfrmNewOption(TfrmRomweaver* mainWindow);
    ~TfrmNewOption() override;

    // Shows the dialog, then the number the new option will get.
    void Open(const QString& numberText);
    void btnAddClick() override;

private:
    std::unique_ptr<Ui::TfrmNewOption> ui;
    TfrmRomweaver* m_main;
};
