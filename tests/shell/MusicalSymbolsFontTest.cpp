// The music-symbol font must be loadable from the data folder and draw a sign for
// every code a Musical line can hold; the codes of the character table must
// draw their own signs, not the note head that stands in for unused codes.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QPainterPath>
#include <QRawFont>

#include <filesystem>
#include <string>

#include "services/Codepage.h"
#include "shell/Fonts.h"
#include "tests/support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

const std::string kTemplateFont = std::string(MELVATO_DATA_DIR) + "/appdata/DATEN/MusicalSymbols.ttf";

quint32 glyphOf(const QRawFont& font, unsigned char code) {
    QString text = cp1252::toUnicode(std::string(1, char(code)));
    QList<quint32> indexes = font.glyphIndexesForString(text);
    return indexes.size() == 1 ? indexes[0] : 0;
}

}  // namespace

TEST(MusicalSymbolsFont, EveryCodeDrawsASignAndTableCodesTheirOwn) {
    // The font file stays in its folder while the font is in use (the font engine
    // may read it lazily).
    testing_support::TempHome home;
    EXPECT_EQ(ladeSchriften(home.appPfad()), 0) << "a missing font is skipped";
    fs::create_directories(home.appPfad() + "DATEN");
    fs::copy_file(kTemplateFont, home.appPfad() + "DATEN/MusicalSymbols.ttf");
    EXPECT_EQ(ladeSchriften(home.appPfad()), 1);
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("MusicalSymbols")));
    QFont schrift(QStringLiteral("MusicalSymbols"));
    schrift.setPixelSize(48);
    QRawFont font = QRawFont::fromFont(schrift);
    ASSERT_TRUE(font.isValid());
    ASSERT_EQ(font.familyName(), QStringLiteral("MusicalSymbols"));
    for (int code = 33; code <= 255; ++code) {
        quint32 glyph = glyphOf(font, static_cast<unsigned char>(code));
        ASSERT_NE(glyph, 0u) << "code " << code << " has no glyph";
        EXPECT_FALSE(font.pathForGlyph(glyph).isEmpty()) << "code " << code << " is blank";
    }
    // The blank is an empty advance, so that signs can be spaced.
    quint32 blank = glyphOf(font, ' ');
    EXPECT_TRUE(font.pathForGlyph(blank).isEmpty());
    EXPECT_GT(font.advancesForGlyphIndexes(QList<quint32>{blank})[0].x(), 0.0);

    // 'A' is not in the table: it draws the stand-in note head.
    QPainterPath standIn = font.pathForGlyph(glyphOf(font, 'A'));
    const std::string table =
        "&?CwhqexiWHQEX.#bnpmfsz<>aUtSO%|=]{}c\xA2"
        "2346_";
    for (unsigned char code : table) {
        QPainterPath sign = font.pathForGlyph(glyphOf(font, code));
        EXPECT_NE(sign, standIn) << "code " << int(code) << " shows the stand-in note head";
    }
    // A treble clef reaches far above and below a note head.
    QRectF clef = font.pathForGlyph(glyphOf(font, '&')).boundingRect();
    QRectF head = standIn.boundingRect();
    EXPECT_GT(clef.height(), 4 * head.height());
    // A quarter note has a stem, a whole note has none.
    EXPECT_GT(font.pathForGlyph(glyphOf(font, 'q')).boundingRect().height(),
              2.5 * font.pathForGlyph(glyphOf(font, 'w')).boundingRect().height());
}
