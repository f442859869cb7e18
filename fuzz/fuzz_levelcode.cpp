// A level code as a player may type it: any text. A code is read to a
// playable board as seen that gives that code back, or refused with a
// reason; a code that is read reads the same in any spelling.
#include "fuzz/fuzzsupport.h"
#include "model/levelcode.h"
#include "model/levelfaults.h"
#include "model/solver.h"

using namespace quill;
using namespace quill::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString typed = QString::fromUtf8(inputBytes(data, size));
    const LevelCodeReading reading = readLevelCode(typed);
    FUZZ_CHECK(reading.ok() == reading.problem.isEmpty());
    if (!reading.ok())
        return 0;

    const Positions& start = *reading.start;
    FUZZ_CHECK(findPositionFault(start).none());
    FUZZ_CHECK(start == boardAsSeen(start));
    FUZZ_CHECK(reading.steps == fewestSteps(start) && reading.steps >= 1);
    FUZZ_CHECK(reading.code == levelCode(start));

    const LevelCodeReading shown = readLevelCode(reading.code.toLower());
    FUZZ_CHECK(shown.ok() && shown.start == reading.start && shown.code == reading.code);
    return 0;
}
