#pragma once

#include "builder/BuildRequest.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace builder
{

// What a rom file held when a compilation was saved, to tell a rom that
// changed since.
struct RomFingerprint {
    qint64 size = 0;
    quint32 crc32 = 0;
    bool operator==(const RomFingerprint&) const = default;
};

// One rom of a compilation: its file in the compilation's rom folder, its
// menu title and the fields its menu line carries after the title (the option
// flag sum, the sprite number or memory address), which belong to the rom
// and so stay with it whatever happens to the other roms and the menu's order.
struct CompilationRom {
    QString fileName;
    // The menu title; null until one is known (the wizard takes the stored
    // title, else the file name, when the titles page is entered).
    QString title;
    QStringList menuFields;
    // What the file held when the compilation was saved, when it was read from one.
    std::optional<RomFingerprint> saved;

    // The title the menu shows: the file name while none is known.
    const QString& menuTitle() const { return title.isNull() ? fileName : title; }

    bool operator==(const CompilationRom&) const = default;
};

// What the user builds: the rom folder, the roms in the order they were
// selected, the menu's order of them, each rom's title and menu fields,
// numbering and sorting, and where the GBA rom goes. The wizard's pages show
// it and change it, the command line fills it, compilation files keep it,
// and a build is made from it (buildRequest). A plain value: it reads no
// file and knows no window.
class Compilation
{
public:
    // Changing the rom folder empties the selection: every rom lies in the one folder.
    void setRomsDirectory(const QString& directory);
    const QString& romsDirectory() const { return m_romsDirectory; }

    // The roms in the order they were selected.
    const QList<CompilationRom>& roms() const { return m_roms; }
    qsizetype romCount() const { return m_roms.size(); }
    // Looked up in a constant time whatever the number of roms.
    bool contains(const QString& fileName) const { return m_index.contains(fileName); }
    qsizetype indexOf(const QString& fileName) const { return m_index.value(fileName, -1); }
    // Adds the rom after the others, in the selection and at the menu's end;
    // a rom already selected is not added again (false).
    bool addRom(const QString& fileName);
    bool addRom(const CompilationRom& rom);
    // addRom for each name in turn, in time that grows with the names alone
    // (thousands at once); returns the names added.
    QStringList addRoms(const QStringList& fileNames);
    // Takes the rom out of the selection and the menu, with its title and
    // menu fields. False when it was not selected.
    bool removeRom(const QString& fileName);
    void clearRoms();

    // Titles that are not known yet (null) become what titleFor gives.
    template <typename TitleFor> void fillMissingTitles(const TitleFor& titleFor)
    {
        for (CompilationRom& rom : m_roms)
            if (rom.title.isNull())
                rom.title = titleFor(rom.fileName);
    }

    // The menu: its order is the selection's, sorted by title while sorting
    // is on (titles that compare equal keep the selection's order). The
    // titles page arranges it anew when it is entered from the rom selection;
    // in between, added roms join at its end and removed ones leave it.
    void arrangeMenu();
    qsizetype menuSize() const { return m_menu.size(); }
    const CompilationRom& menuRom(qsizetype position) const
    {
        return m_roms.at(m_menu.at(position));
    }
    // Where the rom at this place of the selection stands in the menu.
    qsizetype menuPositionOf(qsizetype romIndex) const { return m_menu.indexOf(romIndex); }
    QStringList menuFileNames() const;
    QStringList menuTitles() const;
    // A title changed in place: the rom keeps its place in the menu, sorted or not.
    void setMenuTitle(qsizetype position, const QString& title);
    // The fields the rom's menu line carries after its title, as they are.
    void setMenuFields(qsizetype position, const QStringList& fields);

    // Sorting on puts the menu into sorted order at once; off leaves the
    // present order as it is.
    void setSorted(bool sorted);
    // As a saved compilation had it: the menu keeps the order it was saved in
    // (a title changed while sorted stays where it was).
    void restoreSorted(bool sorted) { m_sorted = sorted; }
    bool sorted() const { return m_sorted; }
    void setNumbered(bool numbered) { m_numbered = numbered; }
    bool numbered() const { return m_numbered; }

    // The menu as the preview shows it: each title, numbered while numbering is on.
    QStringList previewLines() const;
    QString previewLine(qsizetype position) const;
    // The menu lines the menu script is written from: each preview line and
    // its rom's menu fields.
    QStringList menuLines() const;
    QString menuLine(qsizetype position) const;

    // The menu line edits, each on the rom at a menu position (ApplyOptionFlags,
    // ApplySpriteValue, ResetMenuLine).
    void applyOptionFlags(qsizetype position, qint32 flagSum);
    void applySpriteValue(qsizetype position, const QString& spriteValue);
    void removeOptions(qsizetype position);

    QString outputDirectory;
    QString outputName;
    // The output's full path: the directory and the name, joined as the write page joins them.
    QString outputPath() const;

    // The build of this compilation into outputPath (or the given path).
    BuildRequest buildRequest(const platform::ProgramFiles& files) const;
    BuildRequest buildRequest(const platform::ProgramFiles& files, const QString& outputPath) const;

    bool operator==(const Compilation&) const = default;

private:
    // The menu fields that the line's text holds after the preview line.
    void setMenuLine(qsizetype position, const QString& line);

    QString m_romsDirectory;
    QList<CompilationRom> m_roms;
    QList<qsizetype> m_menu; // positions in m_roms, in menu order
    // Each rom's position in m_roms by its file name: made from m_roms alone,
    // so two compilations of equal roms have equal indexes.
    QHash<QString, qsizetype> m_index;
    bool m_sorted = false;
    bool m_numbered = false;
};

} // namespace builder
