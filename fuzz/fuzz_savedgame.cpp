// A saved game as a player may leave it in the saved folder: any bytes,
// any length. Loading either refuses it with a reason or yields a game
// that can be put on the board and written back unchanged: a level of the
// collection, or a random level whose name is a playable level's code.
#include "fuzz/boardchecks.h"
#include "fuzz/fuzzsupport.h"
#include "model/board.h"
#include "model/savedgame.h"
#include "model/shapes.h"

using namespace quill;
using namespace quill::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const QString problem = savedGameProblem(bytes);

    if (bytes.size() >= kSavedGameSize) {
        const SavedGame decoded = decodeSavedGame(bytes);
        FUZZ_CHECK(decoded.name.size() == kNameLength);
        FUZZ_CHECK(encodeSavedGame(decoded) == bytes.left(kSavedGameSize));
        const bool levelKnown = decoded.isRandom() ? dealtStartOf(decoded).has_value()
                                                   : decoded.level >= 0 && decoded.level < kLevelCount;
        const bool piecesPlaced = firstMisplacedPiece(decoded.positions) < 0;
        FUZZ_CHECK(problem.isEmpty() == (levelKnown && piecesPlaced));
        for (int piece = 0; piece < kPieceCount; ++piece)
            checkPlaceRule(piece, decoded.positions[piece]);
        if (problem.isEmpty()) {
            const Board board = placedBoard(decoded.positions);
            checkPlacement(board, decoded.positions);
            checkSlides(board);
        }
    } else {
        FUZZ_CHECK(!problem.isEmpty());
    }

    // Through the file: the same verdict, and a refused file leaves the
    // game in progress untouched.
    const QString path = writeScratchFile(QStringLiteral("game.sav"), bytes);
    SavedGame sentinel;
    sentinel.steps = -7;
    sentinel.level = 3;
    SavedGame game = sentinel;
    QString fileProblem;
    const bool loaded = loadSavedGame(path, game, fileProblem);
    FUZZ_CHECK(loaded == problem.isEmpty());
    FUZZ_CHECK(fileProblem == problem);
    if (!loaded) {
        FUZZ_CHECK(game == sentinel);
        return 0;
    }
    FUZZ_CHECK(game == decodeSavedGame(bytes));

    // Saving the loaded game over the file keeps every byte after the record.
    FUZZ_CHECK(writeSavedGame(path, game).ok());
    FUZZ_CHECK(readScratchFile(path) == bytes);
    return 0;
}
