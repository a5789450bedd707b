// Reading pasted text as a colour: the CSS forms, their clamping, the colour table's names and
// what is refused.

#include "names/colourtext.h"

#include <QTest>

class TestColourText : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
};

void TestColourText::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code"); // empty: refused

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
    QTest::newRow("saturation clamps to 100%") << "hsl(0, 200%, 50%)" << "ff0000";
    QTest::newRow("lightness clamps to 0%") << "hsl(0, 100%, -10%)" << "000000";

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
    QTest::newRow("unclosed") << "rgb(1,2,3" << "";
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
    const std::optional<QRgb> colour = parseColourText(text, names, codes);
    QCOMPARE(colour ? QColor(*colour).name().mid(1) : QString(), code);
    if (colour)
        QCOMPARE(qAlpha(*colour), 255);
}

QTEST_GUILESS_MAIN(TestColourText)
#include "tst_colourtext.moc"
