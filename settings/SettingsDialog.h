#pragma once

#include "components/DesktopServices.h"
#include "components/TranslatedTexts.h"
#include "engine/GameSettings.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class SettingsStore;
class TKePanel;
class TPageControl;
class TPaintBox;
class TUpDown;

// The settings dialog "各種設定": every game setting on six pages. It starts
// from the main window's settings record; OK checks the piece ratios, copies
// every control into the record, writes the whole store and closes; Cancel,
// Esc and the close box close it without changing anything. It frees itself
// when it closes, however that happens, so it must be made with new. The
// desktop's services give its warning beeps, open the help file and choose
// sound files (with the dialog's own file chooser when none is given).
//
// The controls are named members, each with its name as object name, placed
// at fixed pixel positions relative to its parent.
class TSetform : public QDialog {
    Q_OBJECT

public:
    TSetform(QWidget* owner, TGameSettings& settings, SettingsStore& store,
             DesktopServices desktop = {});

    TPageControl* PageControl1;
    QPushButton* Button3; // OK
    QPushButton* Button4; // cancel
    QPushButton* HelpButton;

    // Page "基本"
    TKePanel* KePanel5;
    QCheckBox* NextCheck;
    QCheckBox* ColorCheck;
    QCheckBox* FallCheck;
    TKePanel* KePanel6;
    QLineEdit* SEdit1;
    TUpDown* SUpDown;
    QLabel* Label12;

    // Page "拡張"
    QLabel* StaticText3;
    TKePanel* KePanel2;
    QLabel* Label14;
    QLineEdit* YEdit;
    TUpDown* YUpDown;
    QLabel* Label16;
    QLabel* Label17;
    QLineEdit* XEdit;
    TUpDown* XUpDown;
    QLabel* StaticText1;
    TKePanel* KePanel1;
    QLineEdit* WTime;
    TUpDown* WUpDown;
    QLabel* Label15;

    // Page "発生割合"
    QCheckBox* KomaCheck;
    TKePanel* KePanel4;
    TPaintBox* BP;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7;
    TUpDown *UpDown1, *UpDown2, *UpDown3, *UpDown4, *UpDown5, *UpDown6, *UpDown7;
    QLabel* Label18;
    QLineEdit* SumEdit;
    QLabel* Label19;

    // Page "サウンド"
    QCheckBox* SoundCheck;
    TKePanel* KePanel3;
    QLabel* Label1;
    QLineEdit* WName1;
    QLabel* Label2;
    QLineEdit* WName2;
    QLabel* Label13;
    QLineEdit* WName3;
    QPushButton* ButtonStd;

    // Pages "キー1" and "キー2": ComboBox1 to ComboBox9 hold KeyActions[1..9];
    // ComboBox10 to ComboBox13 show the fixed keys.
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6, *ComboBox7,
        *ComboBox8, *ComboBox9, *ComboBox10, *ComboBox11, *ComboBox12, *ComboBox13;

    // The handlers, named after the control and event they serve.
    void NextCheckClick();
    void FallCheckClick();
    void SoundCheckClick();
    void KomaCheckClick();
    void Button1Click(QObject* sender);
    void ButtonStdClick();
    void Edit1Enter(QObject* sender);
    void UpDown1Changing(QObject* sender);
    void BPPaint(QPainter& canvas);
    void Edit4Change();
    void Button3Click();
    void HelpButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A change of language shows every text of the dialog in the new one.
    void changeEvent(QEvent* event) override;

private:
    void BuildBasicPage(QWidget* page);
    void BuildExtendedPage(QWidget* page);
    void BuildRatioPage(QWidget* page);
    void BuildSoundPage(QWidget* page);
    void BuildKeyPages(QWidget* keys1, QWidget* keys2);
    void SetTabOrder();
    void ConnectHandlers();
    void FormCreate();
    void ShowPreview(int shape);
    void NameRatioFields();

    void Warn(const QString& text);

    TranslatedTexts Texts{"TSetform"}; // every text the dialog shows, with its source
    TGameSettings& Settings;
    SettingsStore& Store;
    DesktopServices Desktop;

    std::array<QComboBox*, 10> Combos{};  // [1..9]: index = KeyActions index
    std::array<TUpDown*, 8> UpDowns{};    // [1..7]: index = piece kind
    std::array<QString, 4> NewSoundFiles; // [1..3]: committed only by OK

    QObject* pressedSoundField_ = nullptr; // a sound field under a mouse press
    bool centred_ = false;
};

// The file-name part of a stored sound: the text after the last '/', '\' or
// drive colon ("Standard" stays "Standard").
QString SoundFileNamePart(const QString& path);

// The texts of the key lists, action codes 0 to 4 in code order.
QStringList KeyActionTexts();
