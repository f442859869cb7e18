#include "game/skin/skinlayout.h"
#include "model/levelfile.h"
#include "model/motion.h"
#include "model/progress.h"
#include "model/savedgame.h"
#include "model/settings.h"
#include "model/shapes.h"
#include "tests/support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

using namespace quill;
using namespace quill::test;

namespace {

// HTML5 cannot be read with an XML parser, so the page is checked by its
// structure: elements found by id, table cells, SVG rectangles and labels.

QString decodeEntities(QString text)
{
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9A-Fa-f]+);"));
    QRegularExpressionMatch m;
    while ((m = numeric.match(text)).hasMatch()) {
        const uint code = m.captured(2).toUInt(nullptr, m.captured(1).isEmpty() ? 10 : 16);
        text.replace(m.capturedStart(), m.capturedLength(), QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1));
    }
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// What a reader sees of a piece of markup: no tags, entities decoded,
// runs of white space (no-break spaces included) as one space.
QString plainText(const QString& html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = decodeEntities(QString(html).replace(tag, QStringLiteral(" ")));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text.simplified();
}

// The markup of the element <tag id="id" ...> up to its first closing tag;
// the elements looked up this way hold no element of their own kind.
QString elementById(const QString& html, const QString& tag, const QString& id)
{
    const QRegularExpression open(QStringLiteral("<%1\\b[^>]*\\bid=\"%2\"").arg(tag, id));
    const QRegularExpressionMatch m = open.match(html);
    if (!m.hasMatch())
        return {};
    const QString close = QStringLiteral("</%1>").arg(tag);
    const qsizetype end = html.indexOf(close, m.capturedStart());
    return end < 0 ? QString() : html.mid(m.capturedStart(), end + close.size() - m.capturedStart());
}

// The plain text of the data cells of every body row of a table.
QList<QStringList> tableRows(const QString& table)
{
    static const QRegularExpression row(QStringLiteral("<tr\\b[^>]*>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td\\b[^>]*>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QList<QStringList> rows;
    for (const QRegularExpressionMatch& r : row.globalMatch(table)) {
        QStringList cells;
        for (const QRegularExpressionMatch& c : cell.globalMatch(r.captured(1)))
            cells << plainText(c.captured(1));
        if (!cells.isEmpty())
            rows << cells;
    }
    return rows;
}

QString attribute(const QString& tagText, const QString& name)
{
    const QRegularExpression re(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(name));
    return re.match(tagText).captured(1);
}

QString rectText(const QRect& r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString pageText;
QString pageMarkup;

// The menus of the game window as captioned, "&" before the access key.
struct MenuCaption {
    const char* menu;
    const char* item;
};
const MenuCaption kMenuCaptions[] = {
    {"&File", "&New Game"}, {"&File", "&Load Game"},      {"&File", "&Save Game"},
    {"&File", "Set S&kin"}, {"&File", "E&xit"},           {"&Game", "&Undo"},
    {"&Game", "&Redo"},     {"&Game", "Re&start Level"},  {"&Game", "Ra&ndom Level..."},
    {"&Game", "&Hint"},     {"&Game", "&Progress..."},    {"&Help", "H&ow to Play"},
    {"&Help", "&About"},    {"&Game", "Show So&lution"},  {"&Game", "&Animate Slides"},
    {"&View", "Zoom &In"},  {"&View", "Zoom &Out"},       {"&View", "&Usual Size"},
};

QString withoutAmpersand(const char* caption) { return QString::fromUtf8(caption).remove(QLatin1Char('&')); }

QChar accessKey(const char* caption)
{
    const QString text = QString::fromUtf8(caption);
    return text.at(text.indexOf(QLatin1Char('&')) + 1).toUpper();
}

// The label the picture gives a rectangle: the order numbers of the cuts
// that use it, "first–last" when several share it.
QMap<QString, QRect> expectedPictureLabels()
{
    QMap<QString, QRect> labels;
    for (int i = 0; i < int(kSkinLayout.size());) {
        int last = i;
        while (last + 1 < int(kSkinLayout.size()) && kSkinLayout[last + 1].rect == kSkinLayout[i].rect)
            ++last;
        const QString label = last == i ? QString::number(i + 1)
                                        : QStringLiteral("%1\u2013%2").arg(i + 1).arg(last + 1);
        labels.insert(label, kSkinLayout[i].rect);
        i = last + 1;
    }
    labels.insert(QStringLiteral("A"), kAltSquareRect);
    labels.insert(QStringLiteral("B"), kAltSingleRect);
    return labels;
}

// The words with which the table names what a cut becomes.
QString describedAs(const SkinCut& cut)
{
    switch (cut.target) {
    case SkinTarget::UpFrame:
        return QStringLiteral("Top frame strip");
    case SkinTarget::LeftFrame:
        return QStringLiteral("Left frame strip");
    case SkinTarget::RightFrame:
        return QStringLiteral("Right frame strip");
    case SkinTarget::ExitFrame:
        return QStringLiteral("exit side");
    case SkinTarget::Title:
        return QStringLiteral("Title panel");
    case SkinTarget::Congratulation:
        return QStringLiteral("Congratulation banner");
    case SkinTarget::Piece:
        return QStringLiteral("Piece %1:").arg(cut.piece);
    }
    return {};
}

}  // namespace

class TestHelpPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void pageIsAnHtml5DocumentWithATitle();
    void tagsAreBalancedAndIdsUnique();
    void pageNeedsNothingFromOutside();
    void pageNamesNoAddressOfTheMaker();

    void everyMenuCommandIsExplainedWithItsAccessKeys();

    void skinTableGivesEveryCutInOrder();
    void skinTableGivesTheAlternativePictures();
    void skinPictureOutlinesAndLabelsEveryRectangle();
    void skinRulesNameTheSizeTypesAndFolder();

    void refusedCharactersAreExactlyThoseTheNameCheckRefuses();
    void savedGameNamesAndFilesAreDescribed();

    void editorPiecesCarryTheEditorsCaptions();
    void programFolderFilesAreListed();
    void levelExamplesNameTheShippedLevels();
};

void TestHelpPage::initTestCase()
{
    const QString folder = builtProgramFolder();
    QVERIFY2(!folder.isEmpty(), "QUILL_BIN_DIR is not set");
    QFile file(QDir(folder).filePath(QStringLiteral("qlm.html")));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName() + " cannot be opened"));
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    pageMarkup = utf8(bytes);
    QVERIFY2(!utf8.hasError(), "the page is not valid UTF-8");
    const qsizetype bodyStart = pageMarkup.indexOf(QLatin1String("<body"));
    QVERIFY(bodyStart > 0);
    pageText = plainText(pageMarkup.mid(bodyStart));
}

void TestHelpPage::pageIsAnHtml5DocumentWithATitle()
{
    QVERIFY(pageMarkup.startsWith(QLatin1String("<!DOCTYPE html>")));
    QVERIFY(pageMarkup.contains(QLatin1String("<html lang=\"en\">")));
    QVERIFY(pageMarkup.contains(QLatin1String("<meta charset=\"utf-8\">")));

    const QString head = pageMarkup.left(pageMarkup.indexOf(QLatin1String("</head>")));
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    QStringList titles;
    for (const QRegularExpressionMatch& m : title.globalMatch(head))
        titles << m.captured(1);
    QCOMPARE(titles.size(), 1);
    QVERIFY(titles.first().contains(QLatin1String("Quillmere")));
    QVERIFY(titles.first().contains(QLatin1String("How to Play")));
}

void TestHelpPage::tagsAreBalancedAndIdsUnique()
{
    static const QSet<QString> voidElements = {
        QStringLiteral("area"), QStringLiteral("base"), QStringLiteral("br"),   QStringLiteral("col"),
        QStringLiteral("embed"), QStringLiteral("hr"),  QStringLiteral("img"),  QStringLiteral("input"),
        QStringLiteral("link"), QStringLiteral("meta"), QStringLiteral("source"), QStringLiteral("track"),
        QStringLiteral("wbr")};
    static const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)\\b[^>]*?(/?)>"));

    // The page closes every element it opens, also where HTML would let an
    // end tag be left out. Style sheets hold no markup; comments may hold anything.
    QString markup = pageMarkup;
    markup.replace(QRegularExpression(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption),
                   QString());
    markup.replace(QRegularExpression(QStringLiteral("<style>.*?</style>"), QRegularExpression::DotMatchesEverythingOption),
                   QStringLiteral("<style></style>"));

    QStringList open;
    for (const QRegularExpressionMatch& m : tag.globalMatch(markup)) {
        const QString name = m.captured(2).toLower();
        const bool closing = !m.captured(1).isEmpty();
        const bool selfClosed = !m.captured(3).isEmpty();
        if (voidElements.contains(name) || selfClosed)
            continue;
        if (!closing) {
            open << name;
            continue;
        }
        QVERIFY2(!open.isEmpty() && open.last() == name,
                 qPrintable(QStringLiteral("</%1> at offset %2 closes %3").arg(name).arg(m.capturedStart())
                                .arg(open.isEmpty() ? QStringLiteral("nothing") : open.last())));
        open.removeLast();
    }
    QVERIFY2(open.isEmpty(), qPrintable(QStringLiteral("left open: ") + open.join(QLatin1Char(' '))));

    static const QRegularExpression id(QStringLiteral("\\bid=\"([^\"]+)\""));
    QSet<QString> ids;
    for (const QRegularExpressionMatch& m : id.globalMatch(pageMarkup)) {
        QVERIFY2(!ids.contains(m.captured(1)), qPrintable(QStringLiteral("id used twice: ") + m.captured(1)));
        ids.insert(m.captured(1));
    }
    static const QRegularExpression link(QStringLiteral("\\bhref=\"#([^\"]+)\""));
    int links = 0;
    for (const QRegularExpressionMatch& m : link.globalMatch(pageMarkup)) {
        QVERIFY2(ids.contains(m.captured(1)), qPrintable(QStringLiteral("link to a missing id: ") + m.captured(1)));
        ++links;
    }
    QVERIFY(links >= 9);
}

void TestHelpPage::pageNeedsNothingFromOutside()
{
    QVERIFY(!pageMarkup.contains(QLatin1String("<script"), Qt::CaseInsensitive));
    QVERIFY(!pageMarkup.contains(QLatin1String("<link"), Qt::CaseInsensitive));
    QVERIFY(!pageMarkup.contains(QLatin1String("<img"), Qt::CaseInsensitive));
    QVERIFY(!pageMarkup.contains(QLatin1String("@import"), Qt::CaseInsensitive));
    QVERIFY(!pageMarkup.contains(QLatin1String("@font-face"), Qt::CaseInsensitive));
    QVERIFY(!pageMarkup.contains(QLatin1String("url("), Qt::CaseInsensitive));
    QVERIFY(!pageMarkup.contains(QRegularExpression(QStringLiteral("\\bsrc="))));
    QVERIFY(!pageMarkup.contains(QRegularExpression(QStringLiteral("\\bon[a-z]+=\""))));

    // Every link stays on the page.
    static const QRegularExpression href(QStringLiteral("\\bhref=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& m : href.globalMatch(pageMarkup))
        QVERIFY2(m.captured(1).startsWith(QLatin1Char('#')), qPrintable(m.captured(1)));
}

void TestHelpPage::pageNamesNoAddressOfTheMaker()
{
    // The SVG namespace is a name, not a resource; nothing else may look
    // like an address.
    QString markup = pageMarkup;
    markup.remove(QLatin1String("xmlns=\"http://www.w3.org/2000/svg\""));
    QVERIFY(!markup.contains(QLatin1String("://")));
    QVERIFY(!markup.contains(QLatin1String("mailto:"), Qt::CaseInsensitive));
    QVERIFY(!markup.contains(QLatin1String("www."), Qt::CaseInsensitive));
    QVERIFY(!markup.contains(QRegularExpression(QStringLiteral("[\\w.+-]+@[\\w-]+\\.[\\w.]+"))));
}

void TestHelpPage::everyMenuCommandIsExplainedWithItsAccessKeys()
{
    QHash<QString, QStringList> rowByCommand;
    static const QRegularExpression table(QStringLiteral("<table class=\"menu\">.*?</table>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    QStringList captions;
    for (const QRegularExpressionMatch& t : table.globalMatch(pageMarkup)) {
        static const QRegularExpression caption(QStringLiteral("<caption>(.*?)</caption>"));
        captions << plainText(caption.match(t.captured()).captured(1));
        for (const QStringList& row : tableRows(t.captured()))
            rowByCommand.insert(row.value(0), row);
    }
    QCOMPARE(captions, QStringList({QStringLiteral("File menu"), QStringLiteral("Game menu"), QStringLiteral("View menu"),
                                   QStringLiteral("Help menu")}));
    QCOMPARE(rowByCommand.size(), int(std::size(kMenuCaptions)));

    for (const MenuCaption& caption : kMenuCaptions) {
        const QString item = withoutAmpersand(caption.item);
        QVERIFY2(rowByCommand.contains(item), qPrintable(item + " has no row"));
        const QStringList row = rowByCommand.value(item);
        QCOMPARE(row.size(), 3);
        QCOMPARE(row.at(1), QStringLiteral("Alt + %1 , %2").arg(accessKey(caption.menu)).arg(accessKey(caption.item)));
        QVERIFY2(row.at(2).size() > 40, qPrintable(item + " is not explained"));
        QVERIFY(captions.contains(withoutAmpersand(caption.menu) + QStringLiteral(" menu")));
    }
}

void TestHelpPage::skinTableGivesEveryCutInOrder()
{
    const QList<QStringList> rows = tableRows(elementById(pageMarkup, QStringLiteral("table"), QStringLiteral("skin-layout")));
    QCOMPARE(rows.size(), int(kSkinLayout.size()) + 2);

    for (int i = 0; i < int(kSkinLayout.size()); ++i) {
        const SkinCut& cut = kSkinLayout[i];
        const QStringList& row = rows.at(i);
        QVERIFY(row.size() >= 6);
        QCOMPARE(row.at(0), QString::number(i + 1));
        const QRect shown(row.at(2).toInt(), row.at(3).toInt(), row.at(4).toInt(), row.at(5).toInt());
        QVERIFY2(shown == cut.rect, qPrintable(QStringLiteral("cut %1: page %2, game %3")
                                                   .arg(i + 1).arg(rectText(shown), rectText(cut.rect))));
        const QString what = describedAs(cut);
        QVERIFY2(row.at(1).contains(what),
                 qPrintable(QStringLiteral("cut %1 is described as \"%2\"").arg(i + 1).arg(row.at(1))));
    }
}

void TestHelpPage::skinTableGivesTheAlternativePictures()
{
    const QList<QStringList> rows = tableRows(elementById(pageMarkup, QStringLiteral("table"), QStringLiteral("skin-layout")));
    QVERIFY(rows.size() >= 2);
    const QStringList square = rows.at(rows.size() - 2);
    const QStringList single = rows.at(rows.size() - 1);
    QCOMPARE(square.at(0), QStringLiteral("A"));
    QCOMPARE(QRect(square.at(2).toInt(), square.at(3).toInt(), square.at(4).toInt(), square.at(5).toInt()), kAltSquareRect);
    QVERIFY(square.at(1).contains(QLatin1String("piece 0")));
    QCOMPARE(single.at(0), QStringLiteral("B"));
    QCOMPARE(QRect(single.at(2).toInt(), single.at(3).toInt(), single.at(4).toInt(), single.at(5).toInt()), kAltSingleRect);
    QVERIFY(single.at(1).contains(QLatin1String("6 to 9")));
}

void TestHelpPage::skinPictureOutlinesAndLabelsEveryRectangle()
{
    const QString svg = elementById(pageMarkup, QStringLiteral("svg"), QStringLiteral("skin-layout-picture"));
    QVERIFY(!svg.isEmpty());

    QSet<QString> outlined;
    static const QRegularExpression rect(QStringLiteral("<rect\\b[^>]*>"));
    for (const QRegularExpressionMatch& m : rect.globalMatch(svg)) {
        const QString tagText = m.captured();
        outlined.insert(rectText(QRect(attribute(tagText, QStringLiteral("x")).toInt(),
                                       attribute(tagText, QStringLiteral("y")).toInt(),
                                       attribute(tagText, QStringLiteral("width")).toInt(),
                                       attribute(tagText, QStringLiteral("height")).toInt())));
    }
    QVERIFY2(outlined.contains(rectText(QRect(QPoint(0, 0), kMinSkinSize))), "the whole skin is not outlined");

    // Each label stands inside the rectangle it names.
    QHash<QString, QPointF> labelAt;
    static const QRegularExpression text(QStringLiteral("<text\\b([^>]*)>(.*?)</text>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& m : text.globalMatch(svg)) {
        const QString first = plainText(m.captured(2)).section(QLatin1Char(' '), 0, 0);
        if (!labelAt.contains(first))
            labelAt.insert(first, QPointF(attribute(m.captured(1), QStringLiteral("x")).toDouble(),
                                          attribute(m.captured(1), QStringLiteral("y")).toDouble()));
    }
    const QMap<QString, QRect> expected = expectedPictureLabels();
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(outlined.contains(rectText(it.value())), qPrintable(it.key() + " " + rectText(it.value()) + " is not outlined"));
        QVERIFY2(labelAt.contains(it.key()), qPrintable(it.key() + " has no label"));
        const QPointF at = labelAt.value(it.key());
        QVERIFY2(QRectF(it.value()).contains(at),
                 qPrintable(QStringLiteral("label %1 at (%2, %3) is outside %4")
                                .arg(it.key()).arg(at.x()).arg(at.y()).arg(rectText(it.value()))));
    }
}

void TestHelpPage::skinRulesNameTheSizeTypesAndFolder()
{
    QVERIFY(pageText.contains(QStringLiteral("at least %1 × %2 pixels").arg(kMinSkinSize.width()).arg(kMinSkinSize.height())));
    const QString skinsSection = plainText(elementById(pageMarkup, QStringLiteral("section"), QStringLiteral("skins")));
    QVERIFY(skinsSection.contains(QLatin1String(kSkinsFolderName)));
    QVERIFY(skinsSection.contains(QLatin1String(kDefaultSkin)));
    const QStringList patterns = QString::fromLatin1(kSkinPattern).split(QLatin1Char(';'));
    QCOMPARE(patterns.size(), 7);
    const QString skinsMarkup = elementById(pageMarkup, QStringLiteral("section"), QStringLiteral("skins"));
    for (const QString& pattern : patterns) {
        const QString extension = pattern.mid(1);  // "*.bmp" -> ".bmp"
        QVERIFY2(skinsMarkup.contains(QStringLiteral("<span class=\"file\">%1</span>").arg(extension)),
                 qPrintable(extension + " is not named"));
    }
}

void TestHelpPage::refusedCharactersAreExactlyThoseTheNameCheckRefuses()
{
    const QString item = elementById(pageMarkup, QStringLiteral("li"), QStringLiteral("refused-characters"));
    QVERIFY(!item.isEmpty());
    static const QRegularExpression kbd(QStringLiteral("<kbd>(.*?)</kbd>"));
    QString listed;
    for (const QRegularExpressionMatch& m : kbd.globalMatch(item))
        listed += decodeEntities(m.captured(1));
    QVERIFY(!listed.isEmpty());

    QString refused;
    for (char16_t code = 32; code < 127; ++code) {
        if (!NameIsLegal(QString(QChar(code))))
            refused += QChar(code);
    }
    const QSet<QChar> listedSet(listed.cbegin(), listed.cend());
    QCOMPARE(listedSet.size(), listed.size());
    QCOMPARE(listed.size(), refused.size());
    for (QChar ch : refused)
        QVERIFY2(listedSet.contains(ch), qPrintable(QStringLiteral("%1 is refused but not listed").arg(ch)));

    QVERIFY(plainText(item).contains(QLatin1String("control characters")));
    QVERIFY(!NameIsLegal(QStringLiteral("a\tb")));
    QVERIFY(plainText(item).contains(QString(QChar(0xFF))));
    QVERIFY(!NameIsLegal(QString(QChar(0xFF))));
}

void TestHelpPage::savedGameNamesAndFilesAreDescribed()
{
    const QString saving = plainText(elementById(pageMarkup, QStringLiteral("section"), QStringLiteral("saving")));
    QVERIFY(saving.contains(QStringLiteral("1 to %1 characters").arg(kMaxGameNameLength)));
    QVERIFY(saving.contains(QStringLiteral("folder %1 inside the program folder").arg(QLatin1String(kSavedFolderName))));
    QVERIFY(saving.contains(QStringLiteral("NAME") + QLatin1String(kSavedGameExtension)));

    // The example names that the page calls fine are accepted.
    static const QRegularExpression example(QStringLiteral("for example <span class=\"file\">([^<]*)</span>"));
    const QString names = elementById(pageMarkup, QStringLiteral("section"), QStringLiteral("saving"));
    int examples = 0;
    for (const QRegularExpressionMatch& m : example.globalMatch(names)) {
        const QString name = decodeEntities(m.captured(1));
        QVERIFY2(NameIsLegal(name) && name.size() <= kMaxGameNameLength, qPrintable(name));
        ++examples;
    }
    QVERIFY(examples >= 1);
}

void TestHelpPage::editorPiecesCarryTheEditorsCaptions()
{
    const QList<QStringList> rows = tableRows(elementById(pageMarkup, QStringLiteral("table"), QStringLiteral("editor-pieces")));
    QCOMPARE(rows.size(), kPieceCount + 1);
    for (int piece = 0; piece < kPieceCount; ++piece) {
        QCOMPARE(rows.at(piece).value(0), QString::fromUtf8(shapeOf(piece).editorName));
        QVERIFY(rows.at(piece).value(1).startsWith(QStringLiteral("Piece %1,").arg(piece)));
        const Shape& shape = shapeOf(piece);
        QVERIFY2(rows.at(piece).value(1).contains(QStringLiteral("%1 × %2").arg(shape.width).arg(shape.height)),
                 qPrintable(rows.at(piece).value(1)));
    }
    QCOMPARE(rows.at(kPieceCount).value(0), QStringLiteral("Blank"));

    const QString editor = plainText(elementById(pageMarkup, QStringLiteral("section"), QStringLiteral("editor")));
    for (const char* button : {"Prev", "Next", "Clear", "Save", "Exit"})
        QVERIFY2(editor.contains(QLatin1String(button)), button);
    QVERIFY(editor.contains(QStringLiteral("all %1 levels").arg(kLevelCount)));
    QVERIFY(editor.contains(QStringLiteral("at most %1 characters").arg(kNameLength)));
}

void TestHelpPage::programFolderFilesAreListed()
{
    const QList<QStringList> rows = tableRows(elementById(pageMarkup, QStringLiteral("table"), QStringLiteral("program-files")));
    QStringList names;
    for (const QStringList& row : rows)
        names << row.value(0);
    QCOMPARE(names, QStringList({QLatin1String(kGameLevelFileName), QLatin1String(kSettingsFileName),
                                 QLatin1String(kSavedFolderName), QLatin1String(kSkinsFolderName),
                                 QLatin1String(kProgressFileName), QLatin1String(kMotionFileName),
                                 QStringLiteral("qlm.html")}));
    QVERIFY(rows.first().value(1).contains(QStringLiteral("The %1 levels").arg(kLevelCount)));
    QVERIFY(rows.first().value(1).contains(QStringLiteral("(%1 bytes)").arg(kLevelFileSize)));
    QVERIFY(rows.at(1).value(1).contains(QLatin1String(kDefaultSkin)));
    QVERIFY(rows.at(2).value(1).contains(QStringLiteral("NAME") + QLatin1String(kSavedGameExtension)));
}

void TestHelpPage::levelExamplesNameTheShippedLevels()
{
    LevelTable shipped;
    const QString path = QDir(builtProgramFolder()).filePath(QLatin1String(kGameLevelFileName));
    QVERIFY2(readLevelFile(path, shipped).ok(), qPrintable(path));

    // A level by number and name: "Level: 5 - Heron Ford" as the status
    // line shows it, "Level 5 - Heron Ford" as the chooser lists it, or
    // "level 5 (Heron Ford)".
    static const QRegularExpression reference(QStringLiteral("\\blevel:? (\\d+) ?[-\u2013(] ?"),
                                              QRegularExpression::CaseInsensitiveOption);
    int examples = 0;
    for (const QRegularExpressionMatch& m : reference.globalMatch(pageText)) {
        const int number = m.captured(1).toInt();
        QVERIFY2(number >= 1 && number <= kLevelCount, qPrintable(m.captured()));
        const QString name = shipped[number - 1].name.trimmed();
        const QString named = pageText.mid(m.capturedEnd(), name.size() + 1);
        QVERIFY2(named.startsWith(name) && (named.size() == name.size() || !named.back().isLetterOrNumber()),
                 qPrintable(QStringLiteral("\"%1%2...\": level %3 is %4").arg(m.captured(), named).arg(number).arg(name)));
        ++examples;
    }
    QVERIFY(examples >= 1);

    static const QRegularExpression classic(QStringLiteral("Level (\\d+) is the classic starting position"));
    const QRegularExpressionMatch m = classic.match(pageText);
    QVERIFY(m.hasMatch());
    QCOMPARE(shipped[m.captured(1).toInt() - 1].positions, classicStart());
}

QTEST_GUILESS_MAIN(TestHelpPage)
#include "test_helppage.moc"
