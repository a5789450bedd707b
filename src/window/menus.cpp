// The menu bar, built from one table: every item with its caption, shortcut and handler.

#include "window/kolvarenta.h"

#include "names/shapes.h"
#include "widgets/accessiblefactory.h"
#include "widgets/menuitemaccessible.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

struct MenuItem
{
    int depth;           // 0: a menu of the bar, 1: an item of it (a submenu when it has no
                         // handler), 2: an item of that submenu
    const char *name;    // object name
    const char *caption; // "&" marks the access key
    QKeySequence shortcut;
    void (Kolvarenta::*handler)(); // null for submenu headers and the separator
};

} // namespace

// The six shape items form one family sharing a handler that takes the item's index; each is
// captioned with its shape's name and the access keys a to f.
void Kolvarenta::addShapeItems(QMenu *submenu)
{
    for (int index = 1; index <= Shape::kindCount; ++index) {
        const QChar accessKey = QLatin1Char(char('a' + index - 1));
        QAction *action
            = submenu->addAction(QStringLiteral("%1(&%2)").arg(*shapeName(index - 1), accessKey));
        action->setObjectName(QStringLiteral("mnushape%1").arg(index));
        connect(action, &QAction::triggered, this, [this, index] { mnushapeClick(index); });
    }
}

void Kolvarenta::createMenus()
{
    installAccessibleFactoryOnce<&MenuItemAccessible::create>();
    using K = Kolvarenta;
    const QKeySequence none;
    const MenuItem items[] = {
        {0, "mnucolor", "読み上げ(&y)", none, nullptr},
        {1, "Mnured", "red(&r)", Qt::Key_F1, &K::MnuredClick},
        {1, "Mnugreen", "green(&g)", Qt::Key_F2, &K::MnugreenClick},
        {1, "Mnublue", "blue(&b)", Qt::Key_F3, &K::MnublueClick},
        {1, "Mnuname", "色名読み(&n)", Qt::Key_F4, &K::MnunameClick},
        {1, "mnuall", "色名とコードの読み(&a)", Qt::Key_F5, &K::mnuallClick},
        {1, "mnubackred", "バックカラーのred(&d)", Qt::CTRL | Qt::Key_F1, &K::mnubackredClick},
        {1, "Mnubackgreen", "バックカラーのgreen(&e)", Qt::CTRL | Qt::Key_F2, &K::MnubackgreenClick},
        {1, "Mnubackblue", "バックカラーのblue(&l)", Qt::CTRL | Qt::Key_F3, &K::MnubackblueClick},
        {1, "Mnubackname", "バックカラーの色名読み(&m)", Qt::CTRL | Qt::Key_F4, &K::MnubacknameClick},
        {1, "mnubackall", "バックカラーの色名とコードの読み(&c)", Qt::CTRL | Qt::Key_F5,
         &K::mnubackallClick},
        {1, "mnukatachiyomi", "形読み", Qt::SHIFT | Qt::CTRL | Qt::Key_F5, &K::mnukatachiyomiClick},
        {1, "mnunearname", "近い色名読み(&s)", Qt::SHIFT | Qt::Key_F4, &K::mnunearnameClick},
        {1, "mnusetsumei", "色の説明読み(&t)", Qt::SHIFT | Qt::Key_F5, &K::mnusetsumeiClick},
        {1, "mnucontrast", "コントラスト比読み(&u)", Qt::CTRL | Qt::Key_F6, &K::mnucontrastClick},
        {1, "mnukoushin", "色更新(&k)", Qt::Key_F8, &K::mnukoushinClick},
        {1, "mnuexit", "終了(&x)", none, &K::mnuexitClick},
        {0, "mnuclip", "クリップボード(&c)", none, nullptr},
        {1, "mnucodeclip", "コード文字をクリップボードにコピー(&c)", Qt::Key_F6, &K::mnucodeclipClick},
        {1, "mnuclipLine1", "-", none, nullptr},
        {1, "mnunameclip", "色名をクリップボードにコピー(&n)", Qt::Key_F7, &K::mnunameclipClick},
        {1, "mnuallclip", "色名とコード文字をクリップボードにコピー(&a)", Qt::CTRL | Qt::Key_F7,
         &K::mnuallclipClick},
        {1, "mnupastecolor", "クリップボードの色を取り込む(&i)", Qt::SHIFT | Qt::Key_F6,
         &K::mnupastecolorClick},
        {0, "mnusetting", "動作変更(&g)", none, nullptr},
        {1, "mnuliston", "リストon(&n)", Qt::Key_F9, &K::mnulistonClick},
        {1, "mnulistoff", "リストoff(&f)", Qt::CTRL | Qt::Key_F9, &K::mnulistoffClick},
        {1, "mnukatachi", "色表示部の形(&r)", none, nullptr},
        {1, "mnufocus", "フォーカスの読み上げ(&a)", none, nullptr},
        {2, "mnufocusalways", "いつも読み上げる(&a)", none, &K::mnufocusalwaysClick},
        {2, "mnufocusnoreader", "スクリーンリーダーがないときだけ読み上げる(&s)", none,
         &K::mnufocusnoreaderClick},
        {2, "mnufocusnever", "読み上げない(&n)", none, &K::mnufocusneverClick},
        {1, "mnupointercolor", "マウスポインタの位置の色を取り込む(&m)", Qt::SHIFT | Qt::Key_F7,
         &K::mnupointercolorClick},
        {1, "mnubackset", "現在の色を背景色にする(&b)", Qt::SHIFT | Qt::Key_F8, &K::mnubacksetClick},
        {0, "mnuother", "その他(&o)", none, nullptr},
        {1, "mnuhelpopen", "テキストマニュアルを開く(&h)", none, &K::mnuhelpopenClick},
        {1, "mnuver", "バージョン(&v)", none, &K::mnuverClick},
        {1, "mnupage", "作者のページへジャンプ", none, &K::mnupageClick},
    };


    QMenu *menu = nullptr;
    QMenu *submenu = nullptr;
    for (const MenuItem &item : items) {
        const QString caption = QString::fromUtf8(item.caption);
        if (item.depth == 0) {
            menu = menuBar()->addMenu(caption);
            menu->setObjectName(QLatin1String(item.name));
            menu->menuAction()->setObjectName(QLatin1String(item.name));
            continue;
        }
        if (caption == QLatin1String("-")) {
            menu->addSeparator()->setObjectName(QLatin1String(item.name));
            continue;
        }
        if (!item.handler) {
            submenu = menu->addMenu(caption);
            submenu->setObjectName(QLatin1String(item.name));
            submenu->menuAction()->setObjectName(QLatin1String(item.name));
            if (qstrcmp(item.name, "mnukatachi") == 0)
                addShapeItems(submenu);
            continue;
        }
        QAction *action = (item.depth == 2 ? submenu : menu)->addAction(caption);
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(item.shortcut);
        // Window-wide, so the keys work while the focus is in a box or the list.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, item.handler);
    }
    // The focus setting is one of three, shown as a choice.
    auto *focusChoices = new QActionGroup(this);
    for (const char *name : {"mnufocusalways", "mnufocusnoreader", "mnufocusnever"}) {
        QAction *choice = findChild<QAction *>(QLatin1String(name));
        choice->setCheckable(true);
        focusChoices->addAction(choice);
    }
    showFocusAnnouncement();
    mnucolor = findChild<QMenu *>(QStringLiteral("mnucolor"));

    // F10 opens the first menu, as in GTK programs.
    auto *openMenus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openMenus, &QShortcut::activated, this, [this] {
        for (QAction *title : menuBar()->actions()) {
            if (title->isVisible()) {
                menuBar()->setActiveAction(title);
                return;
            }
        }
    });
}
