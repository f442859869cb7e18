// The settings file as a player may leave it: any bytes, any length. The
// skin name read from it is one line's first field, and a name read that
// way survives being written and read again.
#include "fuzz/fuzzsupport.h"
#include "model/codepage.h"
#include "model/settings.h"

using namespace quill;
using namespace quill::fuzz;

namespace {

bool isBlank(QChar ch) { return ch == QLatin1Char(' ') || ch == QLatin1Char('\t'); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const QString value = parseSettingsValue(bytes);

    FUZZ_CHECK(!value.contains(QLatin1Char('\r')) && !value.contains(QLatin1Char('\n')));
    FUZZ_CHECK(codepage::decode(bytes).contains(value));

    qsizetype start = 0;
    while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t'))
        ++start;
    const bool quoted = start < bytes.size() && bytes[start] == '"';
    if (!quoted) {
        FUZZ_CHECK(!value.contains(QLatin1Char(',')) && !value.startsWith(QLatin1Char('"')));
        FUZZ_CHECK(value.isEmpty() || (!isBlank(value.front()) && !isBlank(value.back())));
    }

    // The file reads the same as its bytes (the file is one short line;
    // bigger inputs are only read as far as the reader's limit).
    if (bytes.size() <= 4096) {
        const QString path = writeScratchFile(QStringLiteral("qlm.ini"), bytes);
        QString fromFile;
        FUZZ_CHECK(readSettingsFile(path, fromFile).ok());
        FUZZ_CHECK(fromFile == value);

        // An unquoted name goes out and comes back as it was.
        if (!quoted) {
            FUZZ_CHECK(writeSettingsFile(path, value).ok());
            FUZZ_CHECK(readScratchFile(path) == codepage::encode(value) + "\r\n");
            FUZZ_CHECK(readSettingsFile(path, fromFile).ok());
            FUZZ_CHECK(fromFile == value);
        }
    }
    return 0;
}
