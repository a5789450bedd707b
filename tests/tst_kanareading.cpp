// The kana reading for voices that cannot read kanji, over this program's own texts, and which
// speech-dispatcher output modules get it.

#include "support/testwindow.h"

#include "names/colourtable.h"
#include "platform/kanareading.h"
#include "platform/speechdispatchervoice.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

namespace {

const QByteArray shippedTable = [] {
    QFile file(QStringLiteral(KOLVARENTA_SOURCE_DIR "/data/kolvarenta.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}();

// What the reading must keep, in order.
QString keptCharacters(const QString &text)
{
    static const QRegularExpression others(QStringLiteral("[^0-9A-Za-z*\\r\\n]"));
    return QString(text).remove(others);
}

struct FakeConnection : OutputModuleQuery
{
    QString module;
    QStringList modules;
    QString outputModule() override { return module; }
    QStringList outputModules() override { return modules; }
    bool setOutputModule(const QString &name) override { module = name; return true; }
};

} // namespace

class TestKanaReading : public QObject
{
    Q_OBJECT

private slots:
    void readsTheProgramsWords_data();
    void readsTheProgramsWords();
    void everyTextLosesItsKanjiAndKeepsItsSigns_data();
    void everyTextLosesItsKanjiAndKeepsItsSigns();
    void withoutDictionaryTextsStayAsTheyAre();
    void onlyModulesWithoutKanjiGetKana_data();
    void onlyModulesWithoutKanjiGetKana();
    void theNaturalVoiceIsChosenWhenTheServerHasIt_data();
    void theNaturalVoiceIsChosenWhenTheServerHasIt();
};

void TestKanaReading::readsTheProgramsWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reading");
    QTest::newRow("値 is あたい, a Latin word stands apart from kana")
            << QStringLiteral("redの値を255以下にして下さい")
            << QStringLiteral("red のあたいを255いかにしてください");
    QTest::newRow("値 alone only: 数値 keeps its own reading") << QStringLiteral("数値") << QStringLiteral("すーち");
    QTest::newRow("色差 is しきさ, a decimal point is てん")
            << QStringLiteral("あかに近い色　色差3.2") << QStringLiteral("あかにちかいいろ　しきさ3てん2");
    QTest::newRow("the table's bracketed reading beats MeCab's")
            << QStringLiteral("12　鉛丹色（えんたんいろ）") << QStringLiteral("12　えんたんいろ（えんたんいろ）");
    QTest::newRow("色 behind a kana name is いろ, the code stays")
            << QStringLiteral("こはく色　c67400") << QStringLiteral("こはくいろ　c67400");
    QTest::newRow("二桁 is ふたけた") << QStringLiteral("赤の文字数が多すぎます。二桁で入れて下さい")
                                << QStringLiteral("あかのもじすーがおーすぎます。ふたけたでいれてください");
    QTest::newRow("楕円形 is だえんけい, 色名 is しきめい")
            << QStringLiteral("楕円形の色名") << QStringLiteral("だえんけいのしきめい");
    QTest::newRow("the line break of an announcement stays")
            << QStringLiteral("レッドの値の文字入力\r\n0a") << QStringLiteral("レッドのあたいのもじにゅーりょく\r\n0a");
    QTest::newRow("kana against Latin letters gets a space")
            << QStringLiteral("背景とのコントラスト比3.0対1　大きな文字のみAA適合")
            << QStringLiteral("はいけいとのコントラストひ3てん0たい1　おーきなもじのみ AA てきごー");
    QTest::newRow("a text without kanji is left alone")
            << QStringLiteral("12　*aqua（アクア）　00ffff") << QStringLiteral("12　*aqua（アクア）　00ffff");
}

void TestKanaReading::readsTheProgramsWords()
{
    QFETCH(QString, text);
    QFETCH(QString, reading);
    KanaReading kana;
    QCOMPARE(kana.read(text), reading);
}

void TestKanaReading::everyTextLosesItsKanjiAndKeepsItsSigns_data()
{
    QTest::addColumn<QStringList>("texts");
    QBuffer table;
    table.setData(shippedTable);
    QVERIFY(table.open(QIODevice::ReadOnly));
    QStringList names;
    for (const ColourTableEntry &entry : readColourTable(table).value_or(QList<ColourTableEntry>()))
        names << entry.name;
    QCOMPARE(names.size(), 415);
    QTest::newRow("names of the shipped table") << names;

    // What the window says from its read-aloud menu for every tenth table colour, and its captions.
    TestRig rig;
    rig.writeFile(QStringLiteral("kolvarenta.dat"), shippedTable);
    ProbedWindow &window = rig.start();
    QStringList captions;
    for (int row = 0; row < window.list1->count(); row += 10) {
        window.list1->setCurrentRow(row);
        for (QAction *action : window.mnucolor->actions()) {
            if (action->objectName() != QLatin1String("mnuexit"))
                action->trigger();
        }
    }
    for (const QAction *action : window.window.findChildren<QAction *>())
        captions << action->text().remove(QLatin1Char('&'));
    QTest::newRow("read-aloud menu over the table") << rig.voices->spoken();
    QTest::newRow("menu captions") << captions;
    // Decimal faults name the channel in English, hexadecimal ones in kanji.
    QTest::newRow("messages") << QStringLiteral(
            "色コードファイルが見つかりません|backcolor.datを保存できませんでした|"
            "赤の文字数が多すぎます。二桁で入れて下さい|緑の文字数が少ないです。二桁で入れて下さい|"
            "青の文字入力で不正な文字が入力されています|redの値が数字ではありません|"
            "greenの値を255以下にして下さい|blueの値を0以上にして下さい").split(QLatin1Char('|'));
}

void TestKanaReading::everyTextLosesItsKanjiAndKeepsItsSigns()
{
    QFETCH(QStringList, texts);
    QVERIFY(texts.size() > 5);
    static const QRegularExpression kanji(QStringLiteral("[\\x{3400}-\\x{9FFF}]"));
    KanaReading kana;
    for (const QString &text : texts) {
        const QString reading = kana.read(text);
        QVERIFY2(!reading.contains(kanji), qPrintable(text + QStringLiteral(" → ") + reading));
        QCOMPARE(keptCharacters(reading), keptCharacters(text));
    }
}

void TestKanaReading::withoutDictionaryTextsStayAsTheyAre()
{
    KanaReading kana(QStringLiteral("/nonexistent/dictionary"));
    QCOMPARE(kana.read(QStringLiteral("値は3.2")), QStringLiteral("値は3.2"));
}

void TestKanaReading::onlyModulesWithoutKanjiGetKana_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<bool>("kana");
    QTest::newRow("espeak-ng") << QStringLiteral("espeak-ng") << true;
    QTest::newRow("espeak") << QStringLiteral("espeak") << true;
    QTest::newRow("Open JTalk, or any other, reads kanji") << QStringLiteral("openjtalk") << false;
    QTest::newRow("the server did not say") << QString() << false;
}

void TestKanaReading::onlyModulesWithoutKanjiGetKana()
{
    QFETCH(QString, module);
    QFETCH(bool, kana);
    FakeConnection connection;
    connection.module = module;
    QCOMPARE(needsKanaReading(connection), kana);
}

void TestKanaReading::theNaturalVoiceIsChosenWhenTheServerHasIt_data()
{
    QTest::addColumn<QStringList>("modules"); // the server's default first
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("kana");
    QTest::newRow("Debian 13") << QStringList{"espeak-ng", "openjtalk"} << "openjtalk" << false;
    QTest::newRow("Debian 12")
            << QStringList{"espeak-ng", "openjtalk-generic"} << "openjtalk-generic" << false;
    QTest::newRow("both, after an upgrade")
            << QStringList{"openjtalk-generic", "openjtalk"} << "openjtalk" << false;
    QTest::newRow("espeak-ng alone") << QStringList{"espeak-ng", "dummy"} << "espeak-ng" << true;
}

void TestKanaReading::theNaturalVoiceIsChosenWhenTheServerHasIt()
{
    QFETCH(QStringList, modules);
    FakeConnection connection;
    connection.modules = modules;
    connection.module = modules.value(0);
    QTEST(chooseOutputModule(connection), "chosen");
    QTEST(needsKanaReading(connection), "kana");
}

QTEST_MAIN(TestKanaReading)
#include "tst_kanareading.moc"
