#pragma once

#include <QWidget>

#include <memory>

namespace Ui
{
class TfrmAbout;
}

// The About window: program name, version and credits. Closing it hides it.
class TfrmAbout : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);
    ~TfrmAbout() override;

private:
    std::unique_ptr<Ui::TfrmAbout> ui;
};
