// The level collection as a player may leave it in the program folder:
// any bytes, any length. Every level is read, validated and, when it can
// be, put on a board and slid about.
#include "fuzz/boardchecks.h"
#include "fuzz/fuzzsupport.h"
#include "model/board.h"
#include "model/levelfile.h"
#include "model/shapes.h"

#include <set>

using namespace quill;
using namespace quill::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const LevelTable levels = decodeLevelTable(bytes);

    // The editor writes back every byte it read, whatever the bytes were.
    QByteArray table = bytes.left(kLevelFileSize);
    table.append(QByteArray(kLevelFileSize - table.size(), '\0'));
    FUZZ_CHECK(encodeLevelTable(levels) == table);

    const QString path = writeScratchFile(QStringLiteral("QLM.ZHN"), bytes);
    LevelTable fromFile;
    FUZZ_CHECK(readLevelFile(path, fromFile).ok());
    FUZZ_CHECK(fromFile == levels);

    std::set<Positions> slid;
    for (const LevelRecord& level : levels) {
        FUZZ_CHECK(level.name.size() == kNameLength);
        const int misplaced = firstMisplacedPiece(level.positions);
        for (int piece = 0; piece < kPieceCount; ++piece) {
            checkPlaceRule(piece, level.positions[piece]);
            if (misplaced < 0 || piece < misplaced)
                FUZZ_CHECK(positionAllowed(piece, level.positions[piece]));
        }
        // A misplaced piece is refused before the board sees it, yet the
        // board must not write outside its cells even then.
        const Board board = placedBoard(level.positions);
        if (misplaced >= 0) {
            FUZZ_CHECK(!positionAllowed(misplaced, level.positions[misplaced]));
            continue;
        }
        checkPlacement(board, level.positions);
        // Collections repeat positions; sliding each one once is enough.
        if (slid.insert(level.positions).second)
            checkSlides(board);
    }

    // Bytes past the table are ignored by the programs; here they drive
    // the board of the first level.
    Board board = placedBoard(levels[0].positions);
    runBoardScript(board, bytes.mid(kLevelFileSize));
    return 0;
}
