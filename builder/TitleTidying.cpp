#include "builder/TitleTidying.h"

#include <QRegularExpression>

namespace builder
{

QString tidyTitle(const QString& fileName)
{
    // The longest first, so "x.nes.gz" loses both.
    static const QRegularExpression extension(
        QStringLiteral("(\\.nes\\.gz|\\.nes|\\.zip|\\.7z|\\.gz)$"),
        QRegularExpression::CaseInsensitiveOption);
    // A tag in round or square brackets, with the blanks before it.
    static const QRegularExpression tag(QStringLiteral("\\s*(\\([^()]*\\)|\\[[^\\[\\]]*\\])"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));

    QString title = fileName;
    title.remove(extension);
    QString tidy = title;
    tidy.remove(tag);
    tidy = tidy.replace(blanks, QStringLiteral(" ")).trimmed();
    return tidy.isEmpty() ? title : tidy;
}

} // namespace builder
