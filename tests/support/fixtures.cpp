#include "tests/support/fixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace quill::test {

Positions classicStart()
{
    // 0 at (1,0), 1 at (1,2), 2/3 at (0,0)/(3,0), 4/5 at (0,2)/(3,2),
    // singles at (1,3), (2,3), (0,4), (3,4).
    return {1, 21, 0, 3, 20, 23, 31, 32, 40, 43};
}

Positions oneSlideFromTheGoal()
{
    return {21, 1, 0, 3, 20, 23, 11, 12, 40, 43};
}

LevelTable sampleLevels()
{
    LevelTable levels;
    for (int k = 0; k < kLevelCount; ++k) {
        levels[k].name = fitLevelName(QStringLiteral("Level %1").arg(k + 1));
        levels[k].positions = classicStart();
    }
    return levels;
}

QByteArray readAllBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAllBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

namespace {

QString folderFromEnvironment(const char* variable, const char* builtIn)
{
    const QString fromEnv = qEnvironmentVariable(variable);
    return fromEnv.isEmpty() ? QString::fromUtf8(builtIn) : fromEnv;
}

}  // namespace

QString builtProgramFolder()
{
    return folderFromEnvironment("QUILL_BIN_DIR", QUILL_BUILT_BIN_DIR);
}

QString sourceFolder()
{
    return folderFromEnvironment("QUILL_SOURCE_DIR", QUILL_BUILT_SOURCE_DIR);
}

ProgramFolder::ProgramFolder(Content content)
{
    if (content == Content::Empty)
        return;
    const QString source = builtProgramFolder();
    if (!QFileInfo(QDir(source).filePath(QStringLiteral("QLM.ZHN"))).isFile())
        throw std::runtime_error("no built program folder with QLM.ZHN at " + source.toStdString()
                                 + "; build the project first");
    const QStringList dataEntries = {QStringLiteral("QLM.ZHN"), QStringLiteral("qlm.html"),
                                     QStringLiteral("skins")};
    for (const QString& entry : dataEntries) {
        const QFileInfo info(QDir(source).filePath(entry));
        if (info.isFile()) {
            QFile::copy(info.filePath(), file(entry));
        } else if (info.isDir()) {
            // With its folders: the skins' double-size companions.
            QDir().mkpath(file(entry));
            QDirIterator it(info.filePath(), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                it.next();
                const QString target = QDir(file(entry)).filePath(QDir(info.filePath()).relativeFilePath(it.filePath()));
                QDir().mkpath(QFileInfo(target).path());
                QFile::copy(it.filePath(), target);
            }
        }
    }
}

QString ProgramFolder::file(const QString& name) const
{
    return QDir(dir_.path()).filePath(name);
}

}  // namespace quill::test
