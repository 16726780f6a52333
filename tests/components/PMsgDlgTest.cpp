#include "components/PMsgDlg.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Shows the message, and once its dialog is active hands it to inspect and
// then presses key on the focused control. Returns the routine's result.
int ShowAndPress(QWidget* owner, const QString& text, TMsgDlgType type, Qt::Key key,
                 const std::function<void(QDialog*)>& inspect, int helpContext = 0) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog";
            return;
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        inspect(dialog);
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
        QTest::keyClick(target, key);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the key did not close the dialog";
            dialog->done(-1);
        }
    });
    return CenteredMessageDlg(owner, text, type, mbOK, helpContext);
}

QImage IconImage(const QDialog* dialog) {
    const auto* image = dialog->findChild<QLabel*>("Image");
    return image ? image->pixmap().toImage() : QImage();
}

TEST(CenteredMessageDlg, EachTypeHasItsTitleAndIcon) {
    struct Case {
        TMsgDlgType type;
        QString title;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {mtWarning, "警告", QMessageBox::Warning},
        {mtError, "エラー", QMessageBox::Critical},
        {mtInformation, "情報", QMessageBox::Information},
        {mtConfirmation, "確認", QMessageBox::Question},
        {mtCustom, ApplicationTitle(QCoreApplication::applicationFilePath()), QMessageBox::NoIcon},
    };
    QWidget owner;
    owner.show();
    for (const Case& c : cases) {
        ShowAndPress(&owner, "text", c.type, Qt::Key_Return, [&](QDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), c.title);
            QMessageBox standard;
            standard.setIcon(c.icon);
            const QImage expected = standard.iconPixmap().toImage();
            EXPECT_EQ(IconImage(dialog), expected) << c.title.toStdString();
        });
    }
}

TEST(CenteredMessageDlg, ACustomMessageCarriesTheTitleThatTheProgramSetsUntilItIsCleared) {
    QWidget owner;
    owner.show();
    const QString fromFileName = ApplicationTitle(QCoreApplication::applicationFilePath());
    for (const QString& set : {QString("Brimal"), QString()}) {
        SetApplicationTitle(set);
        for (TMsgDlgType type : {mtCustom, mtWarning}) {
            const QString expected =
                type == mtWarning ? "警告" : (set.isEmpty() ? fromFileName : set);
            ShowAndPress(&owner, "text", type, Qt::Key_Return,
                         [&](QDialog* dialog) { EXPECT_EQ(dialog->windowTitle(), expected); });
        }
    }
}

TEST(CenteredMessageDlg, HasOneDefaultOkButtonThatEnterAndEscBothPress) {
    QWidget owner;
    owner.show();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        const int result = ShowAndPress(&owner, "text", mtWarning, key, [](QDialog* dialog) {
            const auto buttons = dialog->findChildren<QPushButton*>();
            ASSERT_EQ(buttons.size(), 1);
            EXPECT_EQ(buttons[0]->text(), "OK");
            EXPECT_TRUE(buttons[0]->isDefault());
        });
        EXPECT_EQ(result, mrOK) << QTest::toString(key);
    }
}

TEST(CenteredMessageDlg, ShowsTheTextWithItsLineBreaksAndWrapsLongLines) {
    struct Case {
        QString text, shown;
    };
    const Case cases[] = {
        {"   GameOver!", "   GameOver!"},
        {"\r\n発生割合の合計が100%になるように設定してください。",
         "\n発生割合の合計が100%になるように設定してください。"},
        {"a\r\nb\nc\rd", "a\nb\nc\nd"},
        {QString("word ").repeated(200), QString("word ").repeated(200)},
    };
    QWidget owner;
    owner.show();
    const int halfScreen = owner.screen()->geometry().width() / 2;
    for (const Case& c : cases) {
        ShowAndPress(&owner, c.text, mtCustom, Qt::Key_Return, [&](QDialog* dialog) {
            const auto* message = dialog->findChild<QLabel*>("Message");
            ASSERT_TRUE(message);
            EXPECT_EQ(message->text(), c.shown);
            EXPECT_EQ(message->textFormat(), Qt::PlainText);
            EXPECT_LE(message->width(), halfScreen);
            const int lines = int(c.shown.count('\n')) + 1;
            EXPECT_GE(message->height(), lines * message->fontMetrics().lineSpacing());
        });
    }
}

TEST(CenteredMessageDlg, KeepsTheHelpContextOnTheDialog) {
    for (int helpContext : {0, 1234}) {
        ShowAndPress(
            nullptr, "text", mtWarning, Qt::Key_Return,
            [&](QDialog* dialog) { EXPECT_EQ(dialog->property("HelpContext"), helpContext); },
            helpContext);
    }
}

TEST(CenteredMessageDlg, LandsWhereThePlacementRulePutsItInsideTheWorkArea) {
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect owners[] = {
        {100, 100, 400, 300},                                       // in the middle
        {-200, -150, 300, 200},                                     // off the top left
        {workArea.right() - 100, workArea.bottom() - 50, 300, 200}, // off the bottom right
        {10, 10, 30, 20},                                           // smaller than the dialog
    };
    for (const QRect& geometry : owners) {
        QWidget owner;
        owner.setGeometry(geometry);
        owner.show();
        ShowAndPress(&owner, "A message of some length", mtWarning, Qt::Key_Return,
                     [&](QDialog* dialog) {
                         EXPECT_EQ(dialog->pos(),
                                   PlaceCenteredDialog(owner.frameGeometry(),
                                                       dialog->frameGeometry().size(), workArea));
                         EXPECT_TRUE(workArea.contains(dialog->frameGeometry()))
                             << dialog->frameGeometry().x() << "," << dialog->frameGeometry().y();
                     });
    }
    ShowAndPress(nullptr, "no owner", mtCustom, Qt::Key_Return, [&](QDialog* dialog) {
        EXPECT_EQ(dialog->frameGeometry().center(), workArea.center());
    });
}

} // namespace
