// The rich-text writer: escapes of every kind of character, the document's frame, and what LibreOffice reads
// back from it.
#include "app/rtf_writer.h"
#include "office_text.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace almadex;

namespace {

TEST(RtfWriter, EscapesEachKindOfCharacter) {
    const struct {
        const char16_t* text;
        const char* rtf;
    } cases[] = {
        {u"Dawn: 05:12:07", "Dawn: 05:12:07"},
        {u"a\\b{c}d", "a\\\\b\\{c\\}d"},
        {u"36\u00b0 12'", "36\\u176\\'b0 12'"},                // the degree sign, Latin-1 fallback
        {u"f\u00e9vr. \u00ff", "f\\u233\\'e9vr. \\u255\\'ff"}, // accented letters of the locale's months
        {u"\u00a0", "\\u160\\'a0"},
        {u"\u20ac1", "\\u8364?1"},              // outside Latin-1: "?" for old readers
        {u"\u0627\u0644", "\\u1575?\\u1604?"},  // Arabic
        {u"\u9f8d", "\\u-24691?"},              // past U+7FFF: signed 16-bit
        {u"\U0001F319", "\\u-10180?\\u-8423?"}, // past U+FFFF: its two surrogates
        {u"a\tb", "a\\tab b"},                  // the tab's control word ends with a blank
        {u"x\u0001y\u007fz", "xyz"},            // other control characters are dropped
        {u"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rtf_escape(QString::fromUtf16(c.text)), QByteArray(c.rtf))
            << QString::fromUtf16(c.text).toStdString();
}

TEST(RtfWriter, WritesAFramedSevenBitDocumentWithOneParagraphPerLine) {
    const QByteArray doc = rtf_document({QStringLiteral("One"), QString(), QStringLiteral("Tw{o}")},
                                        QStringLiteral("Sans; Serif"), 9);
    EXPECT_EQ(
        doc,
        QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 Sans Serif;}}\n"
                   "\\pard\\plain\\f0\\fs18 One\\par\n\\par\nTw\\{o\\}\\par\n}\n"));
    for (const char c : doc) EXPECT_TRUE(c > 0 && c < 0x7f) << int(c);

    // No size and no font: ten points in a font every reader has.
    EXPECT_TRUE(rtf_document({}, QString(), 0)
                    .startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 "
                                "Arial;}}\n\\pard\\plain\\f0\\fs20 "));
}

TEST(RtfWriter, LibreOfficeReadsBackTheLines) {
    const QStringList lines{
        QStringLiteral("Prayers time for location: "), QStringLiteral("Latitude: 36\u00b0 12' 0\" North"),
        QString(), QStringLiteral("Date: f\u00e9vr. 05 2024 {x} \\ \u20ac \u0627\u0644\u0641\u062c\u0631"),
        QStringLiteral("El Fedjr: 05:12:07")};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schedule.rtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(rtf_document(lines, QStringLiteral("DejaVu Sans"), 8));
    file.close();

    QString error;
    const auto text = almadex::testing::office_text(path, error);
    if (!text) GTEST_SKIP() << "LibreOffice (soffice) is not installed: run tools/setup.sh";
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(text->split(u'\n').mid(0, lines.size()), lines) << text->toStdString();
}

} // namespace
