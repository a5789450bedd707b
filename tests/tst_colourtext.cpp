// Reading pasted text as a colour: the CSS forms, their clamping and clipping, the colour
// table's names and what is refused.

#include "colour/cielab.h"
#include "fuzz/exacthsl.h"
#include "names/colourtext.h"

#include <QFile>
#include <QTest>

class TestColourText : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void cssTestCases_data();
    void cssTestCases();
    void wholeNumberHslIsExact();
    void labReadsBackWhatLittleCmsWrote();
};

namespace {

// "rrggbb", "rrggbb clipped", or empty for a text that is refused.
QString outcome(const std::optional<RoundedColour> &colour)
{
    if (!colour)
        return {};
    return QColor(colour->colour).name().mid(1) + (colour->clipped ? " clipped" : "");
}

} // namespace

void TestColourText::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code"); // "rrggbb", "rrggbb clipped", empty: refused

    QTest::newRow("#rgb") << "#3a7" << "33aa77";
    QTest::newRow("#rgba drops the alpha") << "#3a7f" << "33aa77";
    QTest::newRow("#rrggbb in capitals") << "#3A7BD5" << "3a7bd5";
    QTest::newRow("#rrggbbaa is rgba, not Qt's argb") << "#3a7bd580" << "3a7bd5";
    QTest::newRow("rrggbb without #") << "3a7bd5" << "3a7bd5";
    QTest::newRow("blanks, tab, line ends and one ;") << " \u3000\t#3a7bd5 ;\r\n" << "3a7bd5";
    QTest::newRow("rgb with commas") << "rgb(58, 123, 213)" << "3a7bd5";
    QTest::newRow("RGBA with an alpha") << "RGBA(58,123,213,0.5)" << "3a7bd5";
    QTest::newRow("rgb with blanks and / alpha") << "rgb(58 123\t213 / 50%)" << "3a7bd5";
    QTest::newRow("percentages, 50% rounds up") << "rgb(50%, 0%, 100%)" << "8000ff";
    QTest::newRow("blanks allow numbers and percentages mixed") << "rgb(255 50% 0)" << "ff8000";
    QTest::newRow("CSS numbers: exponent, halves up") << "rgb(1e2, 127.5, .5)" << "648001";
    QTest::newRow("hsl with commas") << "hsl(120, 100%, 25%)" << "008000";
    QTest::newRow("hsla with deg and / alpha") << "hsla(240deg 100% 50% / 0.3)" << "0000ff";
    QTest::newRow("hue in turns") << "hsl(0.5turn, 100%, 50%)" << "00ffff";
    QTest::newRow("keyword, any case") << "DarkSlateGrey" << "2f4f4f";
    QTest::newRow("rebeccapurple, unknown to Qt") << "rebeccapurple" << "663399";

    QTest::newRow("rgb numbers clamp to 0-255") << "rgb(300, -20, 128)" << "ff0080";
    QTest::newRow("rgb percentages clamp to 0-100%") << "rgb(150%, -5%, 50%)" << "ff0080";
    QTest::newRow("hue wraps above 360") << "hsl(480, 100%, 50%)" << "00ff00";
    QTest::newRow("negative hue wraps") << "hsl(-240, 100%, 50%)" << "00ff00";
    QTest::newRow("saturation above 100% is clipped") << "hsl(0, 200%, 50%)" << "ff0000 clipped";
    QTest::newRow("lightness below 0% is clipped") << "hsl(0, 100%, -10%)" << "000000 clipped";
    QTest::newRow("a whole-number hsl half rounds up") << "hsl(0, 80%, 50%)" << "e61a1a";
    QTest::newRow("none and plain numbers") << "hsl(120 none 50)" << "808080";
    QTest::newRow("closing parenthesis missing at the end") << "rgb(1 47 248" << "012ff8";
    QTest::newRow("hwb") << "hwb(120 20% 30%)" << "33b333";
    QTest::newRow("color(srgb) in sRGB") << "color(srgb 0.2 50% none)" << "338000";
    QTest::newRow("color(srgb) outside sRGB") << "color(srgb 1.5 -0.1 0)" << "ff0000 clipped";
    QTest::newRow("oklab white") << "oklab(1 0 0)" << "ffffff";
    QTest::newRow("oklch red") << "oklch(62.8% 0.2577 29.23)" << "ff0000";
    QTest::newRow("lch outside sRGB") << "lch(50% 150 30)" << "ff0011 clipped";
    QTest::newRow("CSS comments, one left open") << "rgb(/* r */ 1 2 3) /* x" << "010203";
    QTest::newRow("lab lightness above 100 is white") << "lab(120 0 0)" << "ffffff";

    QTest::newRow("empty") << "" << "";
    QTest::newRow("blanks only") << " \u3000\t" << "";
    QTest::newRow("two digits") << "#12" << "";
    QTest::newRow("Qt's nine digits") << "#123456789" << "";
    QTest::newRow("three digits need #") << "abc" << "";
    QTest::newRow("two semicolons") << "red;;" << "";
    QTest::newRow("two arguments") << "rgb(1,2)" << "";
    QTest::newRow("five arguments") << "rgb(1 2 3 4)" << "";
    QTest::newRow("commas do not mix numbers and percentages") << "rgb(1, 50%, 3)" << "";
    QTest::newRow("commas and / do not mix") << "rgb(1,2,3 / 0.5)" << "";
    QTest::newRow("blank before the parenthesis") << "rgb (1,2,3)" << "";
    QTest::newRow("closed twice") << "rgb(1,2,3))" << "";
    QTest::newRow("none has no place in the legacy form") << "rgb(none, 2, 3)" << "";
    QTest::newRow("hwb has no legacy form") << "hwb(120, 20%, 30%)" << "";
    QTest::newRow("color() of another space") << "color(display-p3 1 0 0)" << "";
    QTest::newRow("an infinite hue") << "hsl(1e999 50% 50%)" << "";
    QTest::newRow("an angle is no channel") << "rgb(1deg,2,3)" << "";
    QTest::newRow("hsl needs percentages") << "hsl(120, 100, 50)" << "";
    QTest::newRow("a malformed alpha") << "rgba(1,2,3,x)" << "";
    QTest::newRow("not a word") << "notacolour" << "";
    QTest::newRow("transparent is no colour") << "transparent" << "";
    QTest::newRow("Qt's keyword with a blank") << "alice blue" << "";
    QTest::newRow("a name not in the table") << "藤色" << "";

    QTest::newRow("table name as stored") << "桜色（さくらいろ）" << "ffdbed";
    QTest::newRow("without the reading; first entry wins") << "桜色" << "ffdbed";
    QTest::newRow("starred name as stored") << "*空色（そらいろ）" << "a0d8ef";
    QTest::newRow("without the star") << "空色（そらいろ）" << "a0d8ef";
    QTest::newRow("without the star's reading") << "*空色" << "a0d8ef";
    QTest::newRow("without star and reading") << "空色" << "a0d8ef";
    QTest::newRow("Latin names in any case") << "TOKIWA green" << "007b43";
    QTest::newRow("a table name with the Kelvin sign for k") << "To\u212Aiwa green" << "";
    QTest::newRow("entries without a colour code are skipped") << "壊れ色" << "123456";
    QTest::newRow("CSS keywords before the table") << "red" << "ff0000";
}

void TestColourText::reads()
{
    QFETCH(QString, text);
    QFETCH(QString, code);
    // Entries 1 and 7 share a name, the first with a code that is no colour; entry 6 comes too
    // late to win "桜色"; entry 5 loses "red" to the keyword.
    const QString names[] = {"壊れ色", "桜色（さくらいろ）", "*空色（そらいろ）", "Tokiwa Green（常磐）",
                             "red", "桜色", "壊れ色"};
    const QString codes[] = {"#12345", "ffdbed", "a0d8ef", "007b43", "0000ff", "000001", "123456"};
    const std::optional<RoundedColour> colour = parseColourText(text, names, codes);
    QCOMPARE(outcome(colour), code);
    if (colour)
        QCOMPARE(qAlpha(colour->colour), 255);
}

// The cases of web-platform-tests for the forms read here, with their sources named in the file.
void TestColourText::cssTestCases_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QFile file(QStringLiteral(KOLVARENTA_SOURCE_DIR "/tests/data/css-colour-cases.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int line = 0;
    while (!file.atEnd()) {
        const QString row = QString::fromUtf8(file.readLine()).chopped(1);
        ++line;
        if (row.isEmpty() || row.startsWith(u"//"))
            continue;
        const QStringList fields = row.split(u'\t');
        QCOMPARE(fields.size(), 2);
        QTest::addRow("line %d: %s", line, qPrintable(fields[0]))
            << fields[0] << (fields[1] == u"refused" ? QString() : fields[1]);
    }
}

void TestColourText::cssTestCases()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(outcome(parseColourText(text, {}, {})), expected);
}

// Every whole hue, saturation and lightness against exact fractions: the conversion that
// hsl() reads into, as the fuzz target checks the texts.
void TestColourText::wholeNumberHslIsExact()
{
    int wrong = 0;
    for (int h = 0; h < 360; ++h) {
        for (int s = 0; s <= 100; ++s) {
            for (int l = 0; l <= 100; ++l) {
                const ExactHsl exact = exactHsl(h, s, l);
                const auto colour = roundedColourOf(srgbOfHsl(h, s, l));
                if (!colour || colour->colour != exact.colour || colour->clipped != exact.clipped)
                    ++wrong;
            }
        }
    }
    QCOMPARE(wrong, 0);
}

// Little CMS's CIELAB of an sRGB colour, written as lab(), reads back as the same colour to
// within one step: two implementations of the D50 conversion meet.
void TestColourText::labReadsBackWhatLittleCmsWrote()
{
    int apart = 0;
    for (int red = 0; red < 256; red += 15) {
        for (int green = 0; green < 256; green += 15) {
            for (int blue = 0; blue < 256; blue += 15) {
                const QRgb colour = qRgb(red, green, blue);
                const Lab lab = labOf(colour);
                const auto read = parseColourText(QStringLiteral("lab(%1 %2 %3)")
                                                      .arg(lab.L, 0, 'f', 6)
                                                      .arg(lab.a, 0, 'f', 6)
                                                      .arg(lab.b, 0, 'f', 6),
                                                  {}, {});
                QVERIFY(read);
                const int distance
                    = std::max({std::abs(qRed(read->colour) - red),
                                std::abs(qGreen(read->colour) - green),
                                std::abs(qBlue(read->colour) - blue)});
                QVERIFY2(distance <= 1, qPrintable(QColor(colour).name()));
                apart += distance;
            }
        }
    }
    QVERIFY(apart < 50);
}

QTEST_GUILESS_MAIN(TestColourText)
#include "tst_colourtext.moc"
