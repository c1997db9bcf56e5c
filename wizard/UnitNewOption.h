#pragma once

#include "wizard/controls/FloatingDialog.h"

#include <memory>

namespace Ui
{
class TfrmNewOption;
}

// Asks for the description of a new option of the options page. "Add" hands
// it to the main window (addRequested), which stores it and closes the
// dialog; a failed settings write leaves the dialog open.
class TfrmNewOption : public wizard::FloatingDialog
{
    Q_OBJECT

public:
    explicit TfrmNewOption(QWidget* mainWindow);
    ~TfrmNewOption() override;

    // Shows the dialog, then the number the new option will get.
    void open(const QString& numberText);
    void btnAddClick() override;

signals:
    void addRequested(const QString& description);

private:
    std::unique_ptr<Ui::TfrmNewOption> ui;
};
