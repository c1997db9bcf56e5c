#pragma once

#include <QWidget>

#include <memory>

namespace Ui
{
class TfrmAbout;
}

// The About window: program name, version and credits. Closing it (also with
// Escape) hides it.
class TfrmAbout : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);
    ~TfrmAbout() override;

    // Shows the window in front without blocking. The first showing centres it
    // over the given window; afterwards it stays where the user leaves it.
    void open(const QWidget* over);

private:
    std::unique_ptr<Ui::TfrmAbout> ui;
    bool m_placed = false;
};
