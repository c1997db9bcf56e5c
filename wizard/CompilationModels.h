#pragma once

#include <QAbstractListModel>
#include <QIcon>

#include <functional>

namespace wizard
{

class CompilationDocument;

// The item models the pages' lists are views of: adapters of the one
// compilation (CompilationDocument), which follow its every change and hold
// nothing of it themselves.

// The roms in the order they were selected (page 1's lstNESRoms): each one's
// file name, and the warning its page has for it (a file that cannot be read,
// no iNES rom, an archive that gives no rom, a rom changed since the
// compilation was saved) as its icon, tooltip and accessible description.
class SelectedRomsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using Warning = std::function<QString(const QString& fileName)>;
    SelectedRomsModel(CompilationDocument& document, Warning warning, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The warnings changed: every row shows its own anew.
    void warningsChanged();

private:
    CompilationDocument& m_document;
    Warning m_warning;
    mutable QIcon m_warningIcon; // fetched at the first warning, then shared
};

// The menu in its order (pages 2 and 3): each rom's title (lstRomTitles), its
// preview line, numbered while numbering is on (lstPreview), or its menu line
// with its fields (lstTitleAndOptions).
class MenuModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum class Shows { Titles, PreviewLines, MenuLines };
    MenuModel(CompilationDocument& document, Shows shows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    CompilationDocument& m_document;
    Shows m_shows;
};

} // namespace wizard
