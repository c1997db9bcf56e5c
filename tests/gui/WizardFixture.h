#pragma once

// Builds the program's windows the way start-up does, over a temporary program
// directory (with a base rom) and a temporary rom directory, and answers the
// modal boxes the handlers raise.

#include "platform/Paths.h"
#include "support/TestFiles.h"
#include "wizard/RomLooks.h"
#include "wizard/Startup.h"
#include "wizard/UnitRomweaver.h"
#include "wizard/controls/FileListBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Answers every modal message box that appears while it lives, recording them.
class BoxAnswerer
{
public:
    struct Box {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        QString detail; // beneath the text
        bool markup;    // a text of it would be drawn as markup
    };

    explicit BoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer)
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answerOpenBox(); });
        m_timer.start();
    }
    // Boxes are shown by exec() inside the handler: the timer fires in that
    // nested loop, so the handler goes on as if a user had pressed the button.
    void answerOpenBox()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        bool markup = false;
        for (const QLabel* label : box->findChildren<QLabel*>())
            markup = markup || (!label->text().isEmpty() && label->textFormat() != Qt::PlainText);
        boxes.append(
            {box->windowTitle(), box->text(), box->icon(), box->informativeText(), markup});
        QAbstractButton* button = box->button(m_answer);
        if (!button)
            button = box->buttons().constFirst();
        button->click();
    }

    QList<Box> boxes;

private:
    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
};

class WizardFixture
{
public:
    WizardFixture()
    {
        programDirectory = platform::nativeDirectory(programDir.path()) + platform::pathSeparator();
        romsDirectory = platform::nativeDirectory(romDir.path());
        baseRom = testfiles::patternBytes(196 * 1024, 7);
        testfiles::makeFile(programDir.path(), QStringLiteral("Tessel.GBA"), baseRom);
        // The directory list starts where the process is, as at a real start.
        QDir::setCurrent(romsDirectory);
    }
    ~WizardFixture()
    {
        wizard::destroyForms();
        QDir::setCurrent(QDir::tempPath());
    }

    // Creates the windows and shows the main one (runs its first showing).
    TfrmRomweaver* start()
    {
        wizard::createForms(platform::ProgramFiles(programDirectory));
        frmRomweaver->show();
        if (!QTest::qWaitForWindowExposed(frmRomweaver))
            qFatal("the main window was not shown");
        return frmRomweaver;
    }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* widget = frmRomweaver->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    void click(const char* button) const { control<QPushButton>(button)->click(); }

    // What a list shows, row by row (a list widget or a view of a model).
    static QStringList entries(const QAbstractItemView* list, int role = Qt::DisplayRole)
    {
        QStringList texts;
        const QAbstractItemModel* model = list->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, 0).data(role).toString();
        return texts;
    }
    QStringList entries(const char* list, int role = Qt::DisplayRole) const
    {
        return entries(control<QAbstractItemView>(list), role);
    }
    // The row's data in a list, by role (its tooltip, its accessible description).
    QVariant entryData(const char* list, int row, int role) const
    {
        const QAbstractItemView* view = control<QAbstractItemView>(list);
        return view->model()->index(row, 0).data(role);
    }
    // Makes the row of a list its current entry, as a click makes it.
    void setCurrentRow(const char* list, int row) const
    {
        QAbstractItemView* view = control<QAbstractItemView>(list);
        view->setCurrentIndex(view->model()->index(row, 0));
    }

    // Puts files into the rom directory and re-reads the file list.
    void addRom(const QString& name, const QByteArray& bytes)
    {
        testfiles::makeFile(romsDirectory, name, bytes);
    }
    void rereadFileList() const { control<wizard::FileListBox>("FileListBox1")->reread(); }

    // Selects the named files of the file list and presses ">>".
    // Until the looks into the selection's archives have come (they are made
    // off the window's thread).
    static void waitForLooks()
    {
        auto* looks = frmRomweaver->findChild<wizard::RomLooks*>();
        QTRY_COMPARE_WITH_TIMEOUT(looks->pendingCount(), 0, 30000);
    }

    void selectRoms(const QStringList& names) const
    {
        auto* files = control<wizard::FileListBox>("FileListBox1");
        files->clearSelection();
        for (const QString& name : names) {
            const auto found = files->findItems(name, Qt::MatchExactly);
            if (found.isEmpty())
                qFatal("no file %s in the file list", qPrintable(name));
            found.first()->setSelected(true);
        }
        click("btnSelectRoms");
    }

    QString iniPath() const { return programDirectory + QStringLiteral("Romweaver.ini"); }
    QByteArray iniBytes() const { return testfiles::readFile(iniPath()); }

    QTemporaryDir programDir;
    QTemporaryDir romDir;
    QString programDirectory; // with trailing separator
    QString romsDirectory;
    QByteArray baseRom;
};
