#pragma once

#include "model/levelfile.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace quill::test {

// The classic start: 2x2 at the top middle, the 2x1 below it, the four
// 1x2 pieces at the sides, singles in row 3 and row 4's corners.
Positions classicStart();

// The principal piece one row above the goal, with both goal cells of the
// bottom row free; the single piece 8 can slide into them and back.
//   2 1 1 3
//   2 6 7 3
//   4 0 0 5
//   4 0 0 5
//   8 . . 9
Positions oneSlideFromTheGoal();

// A table of 70 valid, distinct-looking levels (names "Level k").
LevelTable sampleLevels();

QByteArray readAllBytes(const QString& path);
void writeAllBytes(const QString& path, const QByteArray& bytes);

// A temporary program folder; optionally filled with copies of the
// shipped data (level file, skins, help page) from build/bin.
class ProgramFolder {
public:
    enum class Content { Empty, ShippedData };
    explicit ProgramFolder(Content content = Content::ShippedData);
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// Where the build put the executables and the shipped data, and the source
// tree: from the environment CTest sets, or else from the build that made
// the test, so that a suite started by hand finds them too.
QString builtProgramFolder();
QString sourceFolder();

}  // namespace quill::test
