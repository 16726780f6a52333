// The controls of the settings dialog, page by page, at their fixed places.

#include "settings/SettingsDialog.h"

#include "components/KePanel.h"
#include "components/TranslatedTexts.h"
#include "engine/Catalogue.h"
#include "settings/PageControl.h"
#include "settings/PaintBox.h"
#include "settings/UpDown.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The key lists are 6 pixels wider than their 105-pixel design so that the
// longest action text, "一気に落とす", shows whole beside the drop-down arrow
// with the stand-in Japanese font.
constexpr int KeyListWidth = 111;
// The wait field shows up to "1,000", which needs 47 pixels with that font
// instead of the design's 41; "ms" moves along to keep its distance.
constexpr int WaitFieldWidth = 47;
constexpr int WaitFieldWidening = WaitFieldWidth - 41;

template <class Widget> Widget* Place(Widget* widget, const QString& name, QRect geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// A label takes the natural size of its text, in every language.
QLabel* MakeLabel(TranslatedTexts& texts, QWidget* parent, const QString& name, const char* text,
                  QPoint at) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->move(at);
    texts.Bind(text, [label](const QString& shown) {
        label->setText(shown);
        label->adjustSize();
    });
    return label;
}

QLabel* MakeStaticText(TranslatedTexts& texts, QWidget* parent, const QString& name,
                       const char* text, QRect geometry) {
    auto* label = Place(new QLabel(parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    texts.Bind(text, [label](const QString& shown) { label->setText(shown); });
    return label;
}

template <class Button>
Button* MakeButton(TranslatedTexts& texts, QWidget* parent, const QString& name, const char* text,
                   QRect geometry) {
    auto* button = Place(new Button(parent), name, geometry);
    texts.Bind(text, [button](const QString& shown) { button->setText(shown); });
    return button;
}

QCheckBox* MakeCheck(TranslatedTexts& texts, QWidget* parent, const QString& name, const char* text,
                     QRect geometry) {
    return MakeButton<QCheckBox>(texts, parent, name, text, geometry);
}

// A check box or text laid over a panel's top edge is the panel's title: it
// stands above the panel and paints the dialog's face colour over the frame
// line behind it. Assistive technology names the panel after it.
void MakeTitle(TKePanel* panel, QWidget* title) {
    panel->SetTitle(title);
    title->setAutoFillBackground(true);
    title->setBackgroundRole(QPalette::Window);
    title->raise();
}

// A read-only edit that only shows text; it keeps one pixel less between its
// frame and its text than Qt's default, which lets the 33-pixel fields show
// "100" whole.
QLineEdit* MakeShowEdit(QWidget* parent, const QString& name, QRect geometry) {
    auto* edit = Place(new QLineEdit(parent), name, geometry);
    edit->setReadOnly(true);
    edit->setTextMargins(-1, 0, -1, 0);
    return edit;
}

// A number field: the edit and, against its right edge, the spin that owns
// the value.
TUpDown* MakeSpin(QLineEdit* edit, const QString& name, int min, int max, int increment) {
    auto* spin = new TUpDown(edit->parentWidget());
    spin->setObjectName(name);
    spin->SetRange(min, max);
    spin->SetIncrement(increment);
    spin->SetAssociate(edit);
    return spin;
}

} // namespace

void TSetform::BuildBasicPage(QWidget* page) {
    KePanel5 = Place(new TKePanel(page), "KePanel5", {24, 16, 209, 73});
    NextCheck =
        MakeCheck(Texts, KePanel5, "NextCheck", QT_TR_NOOP("次の駒を表示する"), {32, 16, 161, 17});
    ColorCheck =
        MakeCheck(Texts, KePanel5, "ColorCheck", QT_TR_NOOP("色を固定する"), {32, 40, 129, 17});

    KePanel6 = Place(new TKePanel(page), "KePanel6", {24, 128, 209, 57});
    FallCheck = MakeCheck(Texts, page, "FallCheck", QT_TR_NOOP("最初にブロックを降らせる"),
                          {32, 120, 185, 17});
    MakeTitle(KePanel6, FallCheck);
    SEdit1 = MakeShowEdit(KePanel6, "SEdit1", {40, 24, 41, 23});
    SUpDown = MakeSpin(SEdit1, "SUpDown", 2, 100, 2);
    Label12 = MakeLabel(Texts, KePanel6, "Label12", QT_TR_NOOP("ピース"), {104, 32});
}

void TSetform::BuildExtendedPage(QWidget* page) {
    KePanel2 = Place(new TKePanel(page), "KePanel2", {24, 32, 209, 57});
    StaticText3 = MakeStaticText(Texts, page, "StaticText3", QT_TR_NOOP("ゲーム領域の大きさ"),
                                 {32, 24, 131, 19});
    MakeTitle(KePanel2, StaticText3);
    Label14 = MakeLabel(Texts, KePanel2, "Label14", QT_TR_NOOP("縦"), {16, 32});
    YEdit = MakeShowEdit(KePanel2, "YEdit", {40, 24, 33, 23});
    YUpDown = MakeSpin(YEdit, "YUpDown", MinWellHeight, MaxWellSize, 1);
    Label16 = MakeLabel(Texts, KePanel2, "Label16", "×", {96, 32});
    Label17 = MakeLabel(Texts, KePanel2, "Label17", QT_TR_NOOP("横"), {112, 32});
    XEdit = MakeShowEdit(KePanel2, "XEdit", {136, 24, 33, 23});
    XUpDown = MakeSpin(XEdit, "XUpDown", MinWellWidth, MaxWellSize, 1);

    KePanel1 = Place(new TKePanel(page), "KePanel1", {24, 128, 209, 57});
    StaticText1 = MakeStaticText(Texts, page, "StaticText1", QT_TR_NOOP("並んだときの待ち時間"),
                                 {32, 120, 144, 19});
    MakeTitle(KePanel1, StaticText1);
    WTime = MakeShowEdit(KePanel1, "WTime", {40, 24, WaitFieldWidth, 23});
    WUpDown = MakeSpin(WTime, "WUpDown", MinRowWait, MaxRowWait, 10);
    Label15 = MakeLabel(Texts, KePanel1, "Label15", "ms", {104 + WaitFieldWidening, 32});
}

void TSetform::BuildRatioPage(QWidget* page) {
    KePanel4 = Place(new TKePanel(page), "KePanel4", {8, 16, 241, 201});
    KomaCheck = MakeCheck(Texts, page, "KomaCheck", QT_TR_NOOP("ブロックの発生割合を設定する"),
                          {16, 8, 217, 17});
    MakeTitle(KePanel4, KomaCheck);
    BP = Place(new TPaintBox(KePanel4), "BP", {16, 24, 48, 48});

    // Kinds 1 to 4 down the left column, 5 to 7 down the right one. The
    // fields have no labels: entering one shows its kind in BP.
    const QPoint places[] = {{80, 24},  {80, 56},  {80, 88}, {80, 120},
                             {160, 24}, {160, 56}, {160, 88}};
    QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7};
    TUpDown** spins[] = {&UpDown1, &UpDown2, &UpDown3, &UpDown4, &UpDown5, &UpDown6, &UpDown7};
    for (int k = 1; k <= KindCount; ++k) {
        QLineEdit* edit = MakeShowEdit(KePanel4, "Edit" + QString::number(k),
                                       QRect(places[k - 1], QSize(33, 23)));
        TUpDown* spin = MakeSpin(edit, "UpDown" + QString::number(k), 0, 100, 1);
        // The tag is the shape whose picture stands for the kind.
        edit->setProperty("Tag", PreviewShapeOfKind(k));
        spin->setProperty("Tag", PreviewShapeOfKind(k));
        *edits[k - 1] = edit;
        *spins[k - 1] = spin;
    }
    NameRatioFields();
    Label18 = MakeLabel(Texts, KePanel4, "Label18", QT_TR_NOOP("合計"), {96, 168});
    SumEdit = MakeShowEdit(KePanel4, "SumEdit", {136, 160, 33, 23});
    SumEdit->setFocusPolicy(Qt::ClickFocus);
    Label19 = MakeLabel(Texts, KePanel4, "Label19", "%", {176, 168});
}

void TSetform::BuildSoundPage(QWidget* page) {
    KePanel3 = Place(new TKePanel(page), "KePanel3", {8, 16, 241, 201});
    SoundCheck =
        MakeCheck(Texts, page, "SoundCheck", QT_TR_NOOP("サウンドを鳴らす"), {16, 8, 129, 17});
    MakeTitle(KePanel3, SoundCheck);

    struct Row {
        QLabel** label;
        const char* labelName;
        const char* text;
        QLineEdit** field;
        const char* fieldName;
        int top;
    };
    const Row rows[] = {
        {&Label1, "Label1", QT_TR_NOOP("消し"), &WName1, "WName1", 24},
        {&Label2, "Label2", QT_TR_NOOP("４段抜"), &WName2, "WName2", 72},
        {&Label13, "Label13", QT_TR_NOOP("接地"), &WName3, "WName3", 120},
    };
    for (const Row& row : rows) {
        *row.label = MakeLabel(Texts, KePanel3, row.labelName, row.text, {16, row.top + 4});
        QLineEdit* field = MakeShowEdit(KePanel3, row.fieldName, {96, row.top, 129, 23});
        // Reached by a click, which chooses a file; Tab passes it by.
        field->setFocusPolicy(Qt::ClickFocus);
        field->installEventFilter(this);
        *row.field = field;
    }
    ButtonStd = MakeButton<QPushButton>(Texts, KePanel3, "ButtonStd",
                                        QT_TR_NOOP("標準のサウンドに戻す"), {16, 168, 209, 25});
}

void TSetform::BuildKeyPages(QWidget* keys1, QWidget* keys2) {
    struct Row {
        QWidget* page;
        int top;
        const char* label;
        QComboBox** list;
        int number;            // the list is "ComboBox" + number
        const char* fixedText; // the fixed keys' lists show this, disabled
    };
    const Row rows[] = {
        {keys1, 8, QT_TR_NOOP("上"), &ComboBox1, 1, nullptr},
        {keys1, 40, QT_TR_NOOP("下"), &ComboBox2, 2, nullptr},
        {keys1, 72, QT_TR_NOOP("左"), &ComboBox10, 10, QT_TR_NOOP("左移動")},
        {keys1, 104, QT_TR_NOOP("右"), &ComboBox11, 11, QT_TR_NOOP("右移動")},
        {keys1, 136, QT_TR_NOOP("スペース"), &ComboBox3, 3, nullptr},
        {keys1, 168, "X", &ComboBox4, 4, nullptr},
        {keys1, 200, "Z", &ComboBox5, 5, nullptr},
        // Keypad 2 stands above keypad 0.
        {keys2, 8, QT_TR_NOOP("テンキー ８"), &ComboBox6, 6, nullptr},
        {keys2, 40, QT_TR_NOOP("テンキー ５"), &ComboBox7, 7, nullptr},
        {keys2, 72, QT_TR_NOOP("テンキー ２"), &ComboBox9, 9, nullptr},
        {keys2, 104, QT_TR_NOOP("テンキー ０"), &ComboBox8, 8, nullptr},
        {keys2, 136, QT_TR_NOOP("テンキー ４"), &ComboBox12, 12, QT_TR_NOOP("左移動")},
        {keys2, 168, QT_TR_NOOP("テンキー ６"), &ComboBox13, 13, QT_TR_NOOP("右移動")},
    };
    for (const Row& row : rows) {
        const QString number = QString::number(row.number);
        MakeLabel(Texts, row.page, "KeyLabel" + number, row.label, {16, row.top});
        auto* list =
            Place(new QComboBox(row.page), "ComboBox" + number, {136, row.top, KeyListWidth, 23});
        list->setEditable(false);
        // The drop-down list is a window of its own and does not inherit the
        // dialog's font by itself.
        list->view()->setFont(font());
        if (row.fixedText) {
            list->addItem(QString());
            list->setCurrentIndex(0);
            list->setEnabled(false);
            Texts.Bind(row.fixedText,
                       [list](const QString& shown) { list->setItemText(0, shown); });
        }
        *row.list = list;
    }
}
