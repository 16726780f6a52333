#include "settings/SettingsDialog.h"

#include "components/Fonts.h"
#include "components/KePanel.h"
#include "components/PMsgDlg.h"
#include "components/PieceKindWords.h"
#include "engine/Catalogue.h"
#include "settings/PageControl.h"
#include "settings/PaintBox.h"
#include "settings/PatternSetting.h"
#include "settings/PiecePreview.h"
#include "settings/SettingsIO.h"
#include "settings/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int ClientWidth = 381;
constexpr int ClientHeight = 294;

// OpenDialog1: one filter for WAVE files, shown by its description alone
// ("Waveファイル"), and "wav" added to a typed name that has no suffix. A name
// that does not exist may be typed; the caller warns.
QString RunOpenDialog1(QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setObjectName("OpenDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("TSetform", "Waveファイル (*.wav)"));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix("wav");
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

void ShowSoundFile(QLineEdit* field, const QString& path) {
    field->setText(SoundFileNamePart(path));
    // A long name shows its beginning.
    field->setCursorPosition(0);
}

} // namespace

QString SoundFileNamePart(const QString& path) {
    const qsizetype cut =
        std::max({path.lastIndexOf('/'), path.lastIndexOf('\\'), path.lastIndexOf(':')});
    return path.mid(cut + 1);
}

namespace {

constexpr const char* KeyActionSources[] = {
    QT_TRANSLATE_NOOP("TSetform", "速く落とす"), QT_TRANSLATE_NOOP("TSetform", "一気に落とす"),
    QT_TRANSLATE_NOOP("TSetform", "左回転"), QT_TRANSLATE_NOOP("TSetform", "右回転"),
    QT_TRANSLATE_NOOP("TSetform", "使わない")};

} // namespace

QStringList KeyActionTexts() {
    QStringList texts;
    for (const char* source : KeyActionSources)
        texts << QCoreApplication::translate("TSetform", source);
    return texts;
}

TSetform::TSetform(QWidget* owner, TGameSettings& settings, SettingsStore& store,
                   DesktopServices desktop)
    : QDialog(owner), Settings(settings), Store(store), Desktop(std::move(desktop)) {
    setObjectName("Setform");
    // Every way of closing (OK, Cancel, Esc, the close box) frees the dialog.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Texts.Bind(QT_TR_NOOP("各種設定"), [this](const QString& shown) { setWindowTitle(shown); });
    InstallFontSubstitutes();
    setFont(ProportionalFont(15));
    setFixedSize(ClientWidth, ClientHeight);

    PageControl1 = new TPageControl(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(11, 8, 262, 277);
    const char* const captions[] = {QT_TR_NOOP("基本"),     QT_TR_NOOP("拡張"),
                                    QT_TR_NOOP("発生割合"), QT_TR_NOOP("サウンド"),
                                    QT_TR_NOOP("キー1"),    QT_TR_NOOP("キー2")};
    QWidget* pages[6];
    for (int i = 0; i < 6; ++i) {
        pages[i] = PageControl1->AddPage(QString());
        pages[i]->setObjectName("TabSheet" + QString::number(i + 1));
        // A screen reader names each page after its tab.
        Texts.Bind(captions[i], [this, i, page = pages[i]](const QString& shown) {
            PageControl1->SetCaption(i, shown);
            page->setAccessibleName(shown);
        });
    }
    BuildBasicPage(pages[0]);
    BuildExtendedPage(pages[1]);
    BuildRatioPage(pages[2]);
    BuildSoundPage(pages[3]);
    BuildKeyPages(pages[4], pages[5]);

    Button3 = new QPushButton("OK", this);
    Button3->setObjectName("Button3");
    Button3->setGeometry(288, 50, 81, 31);
    Button3->setDefault(true);
    Button4 = new QPushButton(this);
    Button4->setObjectName("Button4");
    Texts.Bind(QT_TR_NOOP("キャンセル"), [this](const QString& shown) { Button4->setText(shown); });
    Button4->setGeometry(288, 98, 81, 33);
    HelpButton = new QPushButton(this);
    HelpButton->setObjectName("HelpButton");
    Texts.Bind(QT_TR_NOOP("ヘルプ"), [this](const QString& shown) { HelpButton->setText(shown); });
    HelpButton->setGeometry(288, 252, 81, 33);

    SetTabOrder();
    ConnectHandlers();
    FormCreate();
}

void TSetform::SetTabOrder() {
    // Page by page, row by row; the ratio fields in number order. Only the
    // visible page's controls are reached, and disabled ones are passed by.
    QWidget* const order[] = {
        PageControl1, NextCheck,  ColorCheck, FallCheck, SEdit1,    YEdit,      XEdit,
        WTime,        KomaCheck,  Edit1,      Edit2,     Edit3,     Edit4,      Edit5,
        Edit6,        Edit7,      SoundCheck, ButtonStd, ComboBox1, ComboBox2,  ComboBox10,
        ComboBox11,   ComboBox3,  ComboBox4,  ComboBox5, ComboBox6, ComboBox7,  ComboBox9,
        ComboBox8,    ComboBox12, ComboBox13, Button3,   Button4,   HelpButton,
    };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TSetform::ConnectHandlers() {
    connect(NextCheck, &QCheckBox::toggled, this, &TSetform::NextCheckClick);
    connect(FallCheck, &QCheckBox::toggled, this, &TSetform::FallCheckClick);
    connect(SoundCheck, &QCheckBox::toggled, this, &TSetform::SoundCheckClick);
    connect(KomaCheck, &QCheckBox::toggled, this, &TSetform::KomaCheckClick);
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7}) {
        connect(edit, &QLineEdit::textChanged, this, &TSetform::Edit4Change);
        edit->installEventFilter(this);
    }
    for (TUpDown* spin : {UpDown1, UpDown2, UpDown3, UpDown4, UpDown5, UpDown6, UpDown7})
        connect(spin, &TUpDown::Changing, this, [this, spin] { UpDown1Changing(spin); });
    BP->OnPaint = [this](QPainter& canvas) { BPPaint(canvas); };
    connect(ButtonStd, &QPushButton::clicked, this, &TSetform::ButtonStdClick);
    connect(Button3, &QPushButton::clicked, this, &TSetform::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TSetform::reject);
    connect(HelpButton, &QPushButton::clicked, this, &TSetform::HelpButtonClick);
}

void TSetform::FormCreate() {
    const QStringList actionTexts = KeyActionTexts();
    for (int n = 1; n <= 9; ++n) {
        Combos[n] = findChild<QComboBox*>("ComboBox" + QString::number(n));
        Combos[n]->addItems(actionTexts);
        for (int i = 0; i < int(std::size(KeyActionSources)); ++i) {
            Texts.Bind(KeyActionSources[i], [list = Combos[n], i](const QString& shown) {
                list->setItemText(i, shown);
            });
        }
        // A code outside the list selects nothing.
        const int code = Settings.KeyActions[n];
        Combos[n]->setCurrentIndex(code >= 0 && code < actionTexts.size() ? code : -1);
    }
    for (int k = 1; k <= KindCount; ++k)
        UpDowns[k] = findChild<TUpDown*>("UpDown" + QString::number(k));
    // Values outside a spin's range show, and are kept, at the nearer end.
    for (int k = 1; k <= KindCount; ++k)
        UpDowns[k]->SetPosition(Settings.Ratios[k]);

    NextCheck->setChecked(Settings.ShowNext);
    SoundCheck->setChecked(Settings.SoundOn);
    SoundCheckClick();
    FallCheck->setChecked(Settings.PreFill);
    FallCheckClick();
    KomaCheck->setChecked(Settings.RatioOn);
    KomaCheckClick();
    ColorCheck->setChecked(Settings.FixedColors);
    NextCheckClick();

    SUpDown->SetPosition(Settings.PreFillPieces);
    WUpDown->SetPosition(Settings.RowWait);
    XUpDown->SetPosition(Settings.WellWidth);
    YUpDown->SetPosition(Settings.WellHeight);

    QLineEdit* const fields[] = {nullptr, WName1, WName2, WName3};
    for (int n = 1; n <= 3; ++n) {
        NewSoundFiles[n] = QString::fromStdString(Settings.SoundFiles[n]);
        ShowSoundFile(fields[n], NewSoundFiles[n]);
    }
    Edit4Change();
}

// The engine fixes the colours whenever the next piece is shown; the colour
// box shows that by staying ticked and out of reach meanwhile.
void TSetform::NextCheckClick() {
    ColorCheck->setEnabled(!NextCheck->isChecked());
    if (NextCheck->isChecked()) ColorCheck->setChecked(true);
}

void TSetform::FallCheckClick() {
    KePanel6->setEnabled(FallCheck->isChecked());
}

void TSetform::SoundCheckClick() {
    KePanel3->setEnabled(SoundCheck->isChecked());
}

void TSetform::KomaCheckClick() {
    KePanel4->setEnabled(KomaCheck->isChecked());
}

void TSetform::Button1Click(QObject* sender) {
    const QString chosen =
        Desktop.ChooseSoundFile ? Desktop.ChooseSoundFile(this) : RunOpenDialog1(this);
    if (chosen.isEmpty()) return;
    const QFileInfo file(chosen);
    if (!file.isFile()) {
        Warn(tr("存在しないファイルです"));
        return;
    }
    const int slot = sender == WName1 ? 1 : sender == WName2 ? 2 : 3;
    QLineEdit* const fields[] = {nullptr, WName1, WName2, WName3};
    NewSoundFiles[slot] = file.absoluteFilePath();
    ShowSoundFile(fields[slot], NewSoundFiles[slot]);
}

void TSetform::ButtonStdClick() {
    QLineEdit* const fields[] = {nullptr, WName1, WName2, WName3};
    for (int n = 1; n <= 3; ++n) {
        NewSoundFiles[n] = StandardSound;
        ShowSoundFile(fields[n], NewSoundFiles[n]);
    }
}

void TSetform::Edit1Enter(QObject* sender) {
    ShowPreview(sender->property("Tag").toInt());
}

// Shows the kind of the pressed spin; the step itself always goes ahead.
void TSetform::UpDown1Changing(QObject* sender) {
    ShowPreview(sender->property("Tag").toInt());
}

void TSetform::ShowPreview(int shape) {
    // The blocks as the well draws them: patterned when the player chose so.
    const QImage picture =
        ComposePreview(shape, LoadPatternSetting(Store) ? Resources::CellStyle::Patterned
                                                        : Resources::CellStyle::Plain);
    // Drawn over the box's black at once and kept nowhere: the box's next
    // repaint, an uncovering of the dialog included, shows it black again.
    BP->DrawOnce([picture, this](QPainter& canvas) { canvas.drawImage(BP->rect(), picture); });
}

void TSetform::BPPaint(QPainter& canvas) {
    canvas.fillRect(BP->rect(), Qt::black);
}

// The ratio fields have no labels on the page: a screen reader names each
// after its kind, as the preview shows it to the eye.
void TSetform::NameRatioFields() {
    QLineEdit* const edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7};
    for (int k = 1; k <= KindCount; ++k)
        edits[k - 1]->setAccessibleName(PieceKindInWords(k));
}

void TSetform::Edit4Change() {
    int sum = 0;
    for (int k = 1; k <= KindCount; ++k) {
        if (!UpDowns[k]) return; // still being built
        sum += UpDowns[k]->Position();
    }
    SumEdit->setText(QString::number(sum));
}

void TSetform::Button3Click() {
    if (KomaCheck->isChecked() && SumEdit->text() != "100") {
        Warn(tr("\r\n発生割合の合計が100%になるように設定してください。"));
        return;
    }
    for (int k = 1; k <= KindCount; ++k)
        Settings.Ratios[k] = UpDowns[k]->Position();
    for (int n = 1; n <= 9; ++n)
        Settings.KeyActions[n] = Combos[n]->currentIndex();
    for (int n = 1; n <= 3; ++n)
        Settings.SoundFiles[n] = NewSoundFiles[n].toStdString();
    Settings.PreFillPieces = SUpDown->Position();
    Settings.RowWait = WUpDown->Position();
    Settings.SoundOn = SoundCheck->isChecked();
    Settings.ShowNext = NextCheck->isChecked();
    Settings.FixedColors = ColorCheck->isChecked();
    Settings.PreFill = FallCheck->isChecked();
    Settings.RatioOn = KomaCheck->isChecked();
    Settings.WellWidth = XUpDown->Position();
    Settings.WellHeight = YUpDown->Position();
    SaveSettings(Store, Settings);
    accept();
}

void TSetform::HelpButtonClick() {
    if (const QString help = Desktop.HelpFilePath(); !help.isEmpty()) Desktop.ShellOpen(this, help);
}

void TSetform::Warn(const QString& text) {
    // The warning sound comes first, whether or not the game's sounds are on.
    if (Desktop.MessageBeep) Desktop.MessageBeep(BeepKind::Exclamation);
    CenteredMessageDlg(this, text, mtWarning, mbOK, 0);
}

bool TSetform::eventFilter(QObject* watched, QEvent* event) {
    // Filters see the events of disabled fields as well; such a field ignores
    // the mouse.
    const bool soundField = (watched == WName1 || watched == WName2 || watched == WName3) &&
                            static_cast<QWidget*>(watched)->isEnabled();
    if (soundField && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            pressedSoundField_ = watched;
    } else if (soundField && event->type() == QEvent::MouseButtonRelease) {
        // A click is a press and a release of the left button over the field.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click =
            mouse->button() == Qt::LeftButton && pressedSoundField_ == watched &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton) pressedSoundField_ = nullptr;
        if (click) Button1Click(watched);
    } else if (event->type() == QEvent::FocusIn && watched->property("Tag").isValid() &&
               qobject_cast<QLineEdit*>(watched)) {
        // Entering a ratio field, not the dialog's coming back to the front.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Edit1Enter(watched);
    }
    return QDialog::eventFilter(watched, event);
}

void TSetform::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Texts.Retranslate();
        NameRatioFields();
    }
    QDialog::changeEvent(event);
}

void TSetform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (centred_) return;
    centred_ = true;
    // Centred on the screen, frame included as far as it is known yet.
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize outer = size().grownBy(frame);
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}
