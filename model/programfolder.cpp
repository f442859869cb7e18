#include "model/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quill {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString joinPath(const QString& folder, const QString& name)
{
    QString base = folder;
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (base.isEmpty())
        return name;
    if (base == QLatin1String("/"))
        return base + name;
    return base + QLatin1Char('/') + name;
}

QString resolveEntryName(const QString& folder, const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return name;
    // The first match in code-point order, whatever spelling was asked
    // for: programs asking "QLM.ZHN" and "qlm.zhn" reach the same file even
    // when both spellings are on disk.
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    const QString* first = nullptr;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0
            && (!first || entry.compare(*first, Qt::CaseSensitive) < 0)) {
            first = &entry;
        }
    }
    return first ? *first : name;
}

QString resolvePath(const QString& folder, const QString& name)
{
    return joinPath(folder, resolveEntryName(folder, name));
}

std::optional<QString> findPickedEntry(const QStringList& folders, const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return std::nullopt;
    for (const QString& folder : folders) {
        const QString exact = joinPath(folder, name);
        if (pathKind(exact) != EntryKind::Missing)
            return exact;
    }
    for (const QString& folder : folders) {
        if (entryKind(folder, name) != EntryKind::Missing)
            return resolvePath(folder, name);
    }
    return std::nullopt;
}

QString resolvePickedPath(const QString& folder, const QString& name)
{
    return findPickedEntry({folder}, name).value_or(joinPath(folder, name));
}

EntryKind pathKind(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return EntryKind::Missing;
    if (info.isDir())
        return EntryKind::Folder;
    if (info.isFile())
        return EntryKind::File;
    return EntryKind::Other;
}

EntryKind entryKind(const QString& folder, const QString& name)
{
    return pathKind(resolvePath(folder, name));
}

QString displayPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace quill
