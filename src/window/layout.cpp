// The controls of the window, placed as designed in twips (15 twips to the pixel).

#include "window/kolvarenta.h"

#include "widgets/channelbox.h"
#include "widgets/swatch.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int twipsPerPixel = 15;

// The design background: a light grey, shown when backcolor.dat gives no colour.
const QColor designBackground(0xF0, 0xF0, 0xF0);

void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
                         height / twipsPerPixel);
}

template<typename Control>
Control *makeControl(QWidget *parent, const char *name)
{
    auto *control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = makeControl<QLabel>(parent, name);
    label->setText(caption);
    return label;
}

} // namespace

void Kolvarenta::createControls()
{
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("clientArea"));
    area->setAutoFillBackground(true);
    setCentralWidget(area);
    setBackgroundColour(designBackground);

    // Created in tab order, so the focus runs text1, text2, text3, list1, check1, check2,
    // command1, command2 and back to text1.
    text1 = makeControl<ChannelBox>(area, "text1");
    place(text1, 100, 2600, 1800, 615);
    text2 = makeControl<ChannelBox>(area, "text2");
    place(text2, 100, 3500, 1800, 615);
    text3 = makeControl<ChannelBox>(area, "text3");
    place(text3, 100, 4400, 1800, 615);

    list1 = makeControl<QListWidget>(area, "list1");
    list1->setSelectionMode(QAbstractItemView::SingleSelection);
    place(list1, 7000, 3000, 3000, 2940);

    check1 = makeControl<QCheckBox>(area, "check1");
    check1->setText(QStringLiteral("16進数で入力"));
    place(check1, 100, 1245, 2800, 255);
    check2 = makeControl<QCheckBox>(area, "check2");
    check2->setText(QStringLiteral("先頭に#を付けてコード文字列をクリップボードにコピーする"));
    place(check2, 100, 1550, 3800, 255);
    // The long caption must be readable whole, so the box may grow beyond its design width.
    check2->resize(qMax(check2->width(), check2->sizeHint().width()), check2->height());

    command1 = makeControl<QPushButton>(area, "command1");
    command1->setText(QStringLiteral("色の更新"));
    place(command1, 2200, 900, 1200, 300);
    command2 = makeControl<QPushButton>(area, "command2");
    command2->setText(QStringLiteral("終了"));
    place(command2, 3800, 900, 1000, 300);
    // Enter and Escape have no window-wide meaning.
    command1->setAutoDefault(false);
    command2->setAutoDefault(false);

    label1 = makeLabel(area, "label1", QStringLiteral("レッド"));
    place(label1, 200, 2400, 1600, 180);
    label2 = makeLabel(area, "label2", QStringLiteral("グリーン"));
    place(label2, 200, 3300, 1600, 180);
    label3 = makeLabel(area, "label3", QStringLiteral("ブルー"));
    place(label3, 200, 4200, 1600, 180);
    label4 = makeLabel(area, "label4", QString());
    place(label4, 100, 2000, 1800, 300);
    label5 = makeLabel(area, "label5", QStringLiteral("色見本リスト"));
    place(label5, 7150, 2800, 1800, 180);

    Shape1 = makeControl<Swatch>(area, "Shape1");
    place(Shape1, 1965, 1895, 4830, 4395);
    Shape1->lower(); // the swatch stands behind the controls it overlaps

    // A screen reader names each box and the list by its label.
    for (const Channel channel : allChannels) {
        label(channel)->setBuddy(box(channel));
        box(channel)->setAccessibleName(label(channel)->text());
    }
    label5->setBuddy(list1);
    list1->setAccessibleName(label5->text());
    // No accessible name for label4: a screen reader then gets the name and code it shows, the one
    // text of the window that changes. What it is for goes into the description.
    label4->setAccessibleDescription(QStringLiteral("色コード"));

    // The window opens maximised; its normal size still shows every control, the list included.
    area->setMinimumSize(10200 / twipsPerPixel, 6405 / twipsPerPixel);

    setTabOrder(text1, text2);
    setTabOrder(text2, text3);
    setTabOrder(text3, list1);
    setTabOrder(list1, check1);
    setTabOrder(check1, check2);
    setTabOrder(check2, command1);
    setTabOrder(command1, command2);
}

QColor Kolvarenta::backgroundColour() const
{
    return centralWidget()->palette().color(QPalette::Window);
}

void Kolvarenta::setBackgroundColour(const QColor &colour)
{
    QPalette palette = centralWidget()->palette();
    palette.setColor(QPalette::Window, colour);
    centralWidget()->setPalette(palette);
}
