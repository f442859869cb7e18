// The player's record file as it may be found: any bytes. Every record read
// from it is one a player can have made, the record reads the same from
// bytes and from the file, and it goes out and comes back as it was.
#include "fuzz/fuzzsupport.h"
#include "model/levelcode.h"
#include "model/progress.h"
#include "model/solver.h"

using namespace quill;
using namespace quill::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const Progress progress = Progress::decode(bytes);

    for (const auto& record : progress.records()) {
        if (!record)
            continue;
        const int fewest = fewestSteps(record->start);
        FUZZ_CHECK(fewest >= 0 && record->best >= fewest);
    }
    for (const auto& [start, best] : progress.randomRecords()) {
        FUZZ_CHECK(start == boardAsSeen(start));
        const int fewest = fewestSteps(start);
        FUZZ_CHECK(fewest >= 1 && best >= fewest);
    }

    const Progress again = Progress::decode(progress.encode());
    FUZZ_CHECK(again.records() == progress.records());
    FUZZ_CHECK(again.randomRecords() == progress.randomRecords());
    FUZZ_CHECK(again.encode() == progress.encode());

    const QString path = writeScratchFile(QStringLiteral("qlm-progress.txt"), bytes);
    Progress fromFile;
    FUZZ_CHECK(readProgressFile(path, fromFile).ok());
    FUZZ_CHECK(fromFile.records() == progress.records());
    FUZZ_CHECK(fromFile.randomRecords() == progress.randomRecords());
    return 0;
}
