// The number rules of the channel boxes: the number test, the reading from the start of a text,
// rounding, and carrying a box over between decimal and hexadecimal.

#include "colour/notation.h"
#include "colour/numberreading.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestNumberReading : public QObject
{
    Q_OBJECT

private slots:
    void numberTest_data();
    void numberTest();
    void readingFromStart_data();
    void readingFromStart();
    void roundingTiesToEven_data();
    void roundingTiesToEven();
    void sixteenBitValue_data();
    void sixteenBitValue();
    void decimalToHexadecimalText_data();
    void decimalToHexadecimalText();
    void hexadecimalToDecimalText_data();
    void hexadecimalToDecimalText();
    void hugeValuesCarryOverWithoutLoss();
};

void TestNumberReading::numberTest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");

    QTest::newRow("plain digits") << "255" << true;
    QTest::newRow("leading zeros") << "007" << true;
    QTest::newRow("plus sign") << "+7" << true;
    QTest::newRow("minus sign") << "-7" << true;
    QTest::newRow("decimal point") << "2.5" << true;
    QTest::newRow("nothing before the point") << ".5" << true;
    QTest::newRow("nothing after the point") << "5." << true;
    QTest::newRow("point alone") << "." << false;
    QTest::newRow("sign alone") << "-" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "   " << false;
    QTest::newRow("spaces around") << " 12 " << true;
    QTest::newRow("tab and line feed around") << "\t12\n" << true;
    QTest::newRow("ideographic spaces around") << QStringLiteral("\u300012\u3000") << true;
    QTest::newRow("blank inside") << "1 2" << false;
    QTest::newRow("blank after sign") << "- 1" << false;
    QTest::newRow("exponent e") << "1e2" << true;
    QTest::newRow("exponent E") << "1E2" << true;
    QTest::newRow("exponent d") << "1d2" << true;
    QTest::newRow("exponent D with sign") << "1D+2" << true;
    QTest::newRow("negative exponent") << "1e-2" << true;
    QTest::newRow("exponent without digits") << "1e" << false;
    QTest::newRow("exponent sign without digits") << "1e+" << false;
    QTest::newRow("exponent without mantissa") << "e2" << false;
    QTest::newRow("grouped thousands") << "1,000" << true;
    QTest::newRow("comma between digits") << "1,0" << true;
    QTest::newRow("grouped with fraction") << "1,000.5" << true;
    QTest::newRow("leading comma") << ",1" << false;
    QTest::newRow("trailing comma") << "1," << false;
    QTest::newRow("two commas") << "1,,0" << false;
    QTest::newRow("comma in the fraction") << "1.0,5" << false;
    QTest::newRow("comma in the exponent") << "1e1,0" << false;
    QTest::newRow("hexadecimal") << "&hff" << true;
    QTest::newRow("hexadecimal in capitals") << "&HFF" << true;
    QTest::newRow("hexadecimal without digits") << "&h" << false;
    QTest::newRow("hexadecimal with a bad digit") << "&hfg" << false;
    QTest::newRow("signed hexadecimal") << "-&h1" << false;
    QTest::newRow("octal") << "&o17" << true;
    QTest::newRow("octal with an 8") << "&o8" << false;
    QTest::newRow("unknown prefix") << "&x1" << false;
    QTest::newRow("ampersand alone") << "&" << false;
    QTest::newRow("dollar sign") << "$5" << false;
    QTest::newRow("yen sign") << QStringLiteral("\uffe55") << false;
    QTest::newRow("percent sign") << "5%" << false;
    QTest::newRow("brackets for negative") << "(5)" << false;
    QTest::newRow("full-width digits") << QStringLiteral("\uff11\uff12") << false;
    QTest::newRow("trailing letter") << "12a" << false;
    QTest::newRow("largest double") << "1.7976931348623157e308" << true;
    QTest::newRow("beyond the largest double") << "1.8e308" << false;
    QTest::newRow("beyond the most negative double") << "-1e309" << false;
    QTest::newRow("too small to tell from zero") << "1e-400" << true;
    QTest::newRow("zero with a huge exponent") << "0e999999999999999999" << true;
    QTest::newRow("huge exponent") << "1e999999999999999999" << false;
    QTest::newRow("255 hexadecimal digits") << "&h" + QString(255, QLatin1Char('f')) << true;
    QTest::newRow("256 hexadecimal digits") << "&h" + QString(256, QLatin1Char('f')) << false;
    QTest::newRow("341 octal digits") << "&o" + QString(341, QLatin1Char('7')) << true;
    QTest::newRow("342 octal digits") << "&o" + QString(342, QLatin1Char('7')) << false;
}

void TestNumberReading::numberTest()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QCOMPARE(isNumber(text), number);
}

void TestNumberReading::readingFromStart_data()
{
    constexpr double largest = std::numeric_limits<double>::max();
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty reads 0") << "" << 0.0;
    QTest::newRow("no number reads 0") << "abc" << 0.0;
    QTest::newRow("stops at a letter") << "12ab" << 12.0;
    QTest::newRow("leading blanks") << " \t\u300012" << 12.0;
    QTest::newRow("blanks inside are passed over") << "1 2" << 12.0;
    QTest::newRow("blank after the sign") << "- 3" << -3.0;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("exponent d") << "1d3" << 1000.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("marker without digits is left") << "1e" << 1.0;
    QTest::newRow("marker and sign without digits") << "1e+" << 1.0;
    QTest::newRow("marker then letter") << "1ex" << 1.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("fraction alone") << ".5" << 0.5;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("comma stops") << "1,000" << 1.0;
    QTest::newRow("hexadecimal") << "&hff" << 255.0;
    QTest::newRow("hexadecimal with a blank") << "&h 1f" << 31.0;
    QTest::newRow("hexadecimal is unsigned at 16 bits") << "&hFFFF" << 65535.0;
    QTest::newRow("hexadecimal is unsigned at 32 bits") << "&hffffffff" << 4294967295.0;
    QTest::newRow("hexadecimal beyond 32 bits") << "&h218711A00" << 9e9;
    QTest::newRow("hexadecimal stops at a bad digit") << "&h1g" << 1.0;
    QTest::newRow("hexadecimal without digits") << "&hz" << 0.0;
    QTest::newRow("octal") << "&o17" << 15.0;
    QTest::newRow("octal without digits") << "&o8" << 0.0;
    QTest::newRow("unknown prefix") << "&x1" << 0.0;
    QTest::newRow("full-width digits") << QStringLiteral("\uff11\uff12") << 0.0;
    QTest::newRow("three characters at most") << "9e9" << 9e9;
    QTest::newRow("largest double") << "1.7976931348623157e308" << largest;
    QTest::newRow("overflow holds at the largest") << "1e309" << largest;
    QTest::newRow("negative overflow") << "-1e309" << -largest;
    QTest::newRow("huge exponent") << "1e999999999999999999" << largest;
    QTest::newRow("many zeros before the digit") << "0.000000000000000000001e21" << 1.0;
    QTest::newRow("underflow reads 0") << "1e-400" << 0.0;
    QTest::newRow("hexadecimal overflow") << "&h" + QString(300, QLatin1Char('f')) << largest;
}

void TestNumberReading::readingFromStart()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(readNumber(text), value);
}

void TestNumberReading::roundingTiesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("2.5 down to even") << 2.5 << 2.0;
    QTest::newRow("3.5 up to even") << 3.5 << 4.0;
    QTest::newRow(".5 down to 0") << 0.5 << 0.0;
    QTest::newRow("254.5 down to even") << 254.5 << 254.0;
    QTest::newRow("255.5 up to even") << 255.5 << 256.0;
    QTest::newRow("-0.5 to 0") << -0.5 << 0.0;
    QTest::newRow("-1.5 to -2") << -1.5 << -2.0;
    QTest::newRow("-2.5 to -2") << -2.5 << -2.0;
    QTest::newRow("below half") << 2.4 << 2.0;
    QTest::newRow("above half") << 2.6 << 3.0;
    QTest::newRow("just below a half") << 0.49999999999999994 << 0.0;
    QTest::newRow("odd whole beyond 2^52") << 4503599627370497.0 << 4503599627370497.0;
}

void TestNumberReading::roundingTiesToEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void TestNumberReading::sixteenBitValue_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");

    QTest::newRow("2.5 gives 2") << 2.5 << 2;
    QTest::newRow("3.5 gives 4") << 3.5 << 4;
    QTest::newRow("255") << 255.0 << 255;
    QTest::newRow("no wrap-around at 65535") << 65535.0 << 32767;
    QTest::newRow("top of the range") << 32767.4 << 32767;
    QTest::newRow("above the range") << 1e308 << 32767;
    QTest::newRow("below the range") << -1e308 << -32768;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 32767;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestNumberReading::sixteenBitValue()
{
    QFETCH(double, value);
    QFETCH(int, result);
    QCOMPARE(int(toInt16(value)), result);
}

void TestNumberReading::decimalToHexadecimalText_data()
{
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hexadecimal");

    QTest::newRow("255") << "255" << "FF";
    QTest::newRow("0") << "0" << "00";
    QTest::newRow("10") << "10" << "0A";
    QTest::newRow("15 keeps a zero") << "15" << "0F";
    QTest::newRow("16") << "16" << "10";
    QTest::newRow("empty") << "" << "00";
    QTest::newRow("not a number") << "abc" << "00";
    QTest::newRow("exponent") << "1e2" << "64";
    QTest::newRow("tie rounds to even") << "2.5" << "02";
    QTest::newRow("tie just above 15") << "15.5" << "10";
    QTest::newRow("zero in front decided after rounding") << "15.3" << "0F";
    QTest::newRow("256 keeps three digits") << "256" << "100";
    QTest::newRow("5e3") << "5e3" << "1388";
    QTest::newRow("9e9 beyond 32 bits") << "9e9" << "218711A00";
    QTest::newRow("negative") << "-1" << "00";
    QTest::newRow("negative beyond a byte") << "-99" << "00";
    QTest::newRow("hexadecimal form") << "&hf" << "0F";
}

void TestNumberReading::decimalToHexadecimalText()
{
    QFETCH(QString, decimal);
    QFETCH(QString, hexadecimal);
    QCOMPARE(decimalToHexadecimal(decimal), hexadecimal);
}

void TestNumberReading::hexadecimalToDecimalText_data()
{
    QTest::addColumn<QString>("hexadecimal");
    QTest::addColumn<QString>("decimal");

    QTest::newRow("FF") << "FF" << "255";
    QTest::newRow("lower case") << "ff" << "255";
    QTest::newRow("00") << "00" << "0";
    QTest::newRow("0A") << "0A" << "10";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("stops at a bad digit") << "1g" << "1";
    QTest::newRow("no digit") << "zz" << "0";
    QTest::newRow("unsigned, no 16-bit wrap") << "FFFF" << "65535";
    QTest::newRow("three digits") << "100" << "256";
    QTest::newRow("beyond 32 bits") << "218711A00" << "9000000000";
    QTest::newRow("sign is no digit") << "-1" << "0";
    QTest::newRow("leading blank") << " f" << "15";
}

void TestNumberReading::hexadecimalToDecimalText()
{
    QFETCH(QString, hexadecimal);
    QFETCH(QString, decimal);
    QCOMPARE(hexadecimalToDecimal(hexadecimal), decimal);
}

// The largest values a reading can give still have a finite hexadecimal form.
void TestNumberReading::hugeValuesCarryOverWithoutLoss()
{
    const QString largest = decimalToHexadecimal(QStringLiteral("1e309"));
    QCOMPARE(largest.size(), 256);
    QVERIFY(largest.startsWith(QStringLiteral("FFFFFFFFFFFFF8")));
    QCOMPARE(QStringView(largest).mid(14), QString(242, QLatin1Char('0')));
    QCOMPARE(hexadecimalToDecimal(decimalToHexadecimal(QStringLiteral("9e9"))),
             QStringLiteral("9000000000"));
}

QTEST_APPLESS_MAIN(TestNumberReading)
#include "tst_numberreading.moc"
