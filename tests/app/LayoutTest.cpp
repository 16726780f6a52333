#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyleOptionFrame>

#include "app/view/BoardWidgets.h"
#include "components/KePanel.h"
#include "support/FindControl.h"
#include "support/WindowTest.h"

namespace {

using LayoutTest = WindowTest;

QRect Frame(const QWidget* widget) {
    return widget->geometry();
}

// The width the line edit leaves for its text: its contents less the text
// margins and the two pixels it keeps clear on each side.
int TextRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit) -
        edit->textMargins();
    return contents.width() - 2 * 2;
}

TEST_F(LayoutTest, TheClientAreaAndTheBoxesFollowTheStoredWellSize) {
    struct Case {
        QByteArray stored; // Setup values
        int width, height; // the well used, after the lower bounds
        QSize client;
    };
    const Case cases[] = {
        {"", 8, 25, {221, 404}},
        {"SizeX=3\nSizeY=10\n", 6, 17, {189, 276}},
        {"SizeX=50\nSizeY=50\n", 50, 50, {893, 804}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        WriteStore("[Setup]\n" + c.stored);
        Open();
        EXPECT_EQ(window->GameSettings().WellWidth, c.width);
        EXPECT_EQ(window->GameSettings().WellHeight, c.height);

        const QWidget* client = window->centralWidget();
        EXPECT_EQ(client->size(), c.client);
        EXPECT_EQ(client->y(), window->menuBar()->height());
        EXPECT_EQ(window->size(), QSize(c.client.width(), c.client.height() + client->y()));
        // No free size: the window can be neither resized nor maximised.
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

        const int w = c.width;
        EXPECT_EQ(Frame(Find<BevelBox>(*window, "Bevel1")), QRect(QPoint(0, 0), c.client));
        EXPECT_EQ(Frame(Find<WellView>(*window, "GG")), QRect(0, 2, 16 * w, 16 * c.height));
        EXPECT_EQ(Frame(Find<PreviewView>(*window, "NG")), QRect(16 * w + 22, 14, 48, 48));
        EXPECT_EQ(Frame(Find<TKePanel>(*window, "Panel1")), QRect(16 * w + 10, 78, 73, 195));
        window.reset();
    }
}

TEST_F(LayoutTest, ThePanelHoldsTheLabelsAndCountersAtTheirPlaces) {
    Open();
    struct Case {
        QWidget* control;
        QRect frame;
        QString text;
    };
    const Case cases[] = {
        {Find<QLabel>(*window, "Label2"), {18, 8, 34, 17}, "得点"},
        {Find<QLineEdit>(*window, "Score"), {12, 32, 51, 23}, "00000"},
        {Find<QLabel>(*window, "Label3"), {18, 72, 34, 17}, "総数"},
        {Find<QLineEdit>(*window, "Kazu"), {12, 96, 51, 23}, "00000"},
        {Find<QLabel>(*window, "Label1"), {12, 136, 51, 17}, "４段抜"},
        {Find<QLineEdit>(*window, "Line4"), {24, 160, 24, 23}, "00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.control->parentWidget(), Find<TKePanel>(*window, "Panel1"))
            << c.text.toStdString();
        EXPECT_EQ(Frame(c.control), c.frame) << c.text.toStdString();
        if (auto* label = qobject_cast<QLabel*>(c.control)) {
            EXPECT_EQ(label->text(), c.text);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(c.control)) {
            EXPECT_EQ(edit->text(), c.text);
            EXPECT_TRUE(edit->isReadOnly());
            EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus);
        }
    }
    EXPECT_EQ(Find<TKePanel>(*window, "Panel1")->BevelInner(), bvRaised);
    EXPECT_EQ(Find<TKePanel>(*window, "Panel1")->BevelOuter(), bvLowered);
}

TEST_F(LayoutTest, FontsAreTheStandInsAtTheirPixelHeights) {
    Open();
    struct Case {
        const char* what;
        const QWidget* widget;
        QString family;
        int pixels;
        bool bold;
    };
    const Case cases[] = {
        {"window", window.get(), "IPAPGothic", 15, false},
        {"panel", Find<TKePanel>(*window, "Panel1"), "IPAGothic", 17, false},
        {"label", Find<QLabel>(*window, "Label1"), "IPAGothic", 17, false},
        {"Score", Find<QLineEdit>(*window, "Score"), "IPAGothic", 15, true},
        {"Kazu", Find<QLineEdit>(*window, "Kazu"), "IPAGothic", 15, true},
        {"Line4", Find<QLineEdit>(*window, "Line4"), "IPAGothic", 15, true},
    };
    for (const Case& c : cases) {
        const QFontInfo font(c.widget->font());
        EXPECT_EQ(font.family(), c.family) << c.what;
        EXPECT_EQ(font.pixelSize(), c.pixels) << c.what;
        EXPECT_EQ(font.bold(), c.bold) << c.what;
    }
    for (const QLineEdit* counter :
         {Find<QLineEdit>(*window, "Score"), Find<QLineEdit>(*window, "Kazu"),
          Find<QLineEdit>(*window, "Line4")}) {
        EXPECT_EQ(counter->palette().color(QPalette::Text), QColor(Qt::black));
        EXPECT_TRUE(counter->isEnabled()); // enabled, so the digits are not greyed
    }
}

TEST_F(LayoutTest, TheBevelIsALoweredBoxAlongTheEdgesOfTheClientArea) {
    Open();
    const QImage bevel = Find<BevelBox>(*window, "Bevel1")->grab().toImage();
    const QPalette& palette = Find<BevelBox>(*window, "Bevel1")->palette();
    const QRgb dark = palette.color(QPalette::Dark).rgb();
    const QRgb light = palette.color(QPalette::Light).rgb();
    const int right = bevel.width() - 1;
    const int bottom = bevel.height() - 1;
    struct Case {
        const char* edge;
        QPoint at;
        QRgb colour;
    };
    const Case cases[] = {
        {"top", {right / 2, 0}, dark},
        {"left", {0, bottom / 2}, dark},
        {"bottom", {right / 2, bottom}, light},
        {"right", {right, bottom / 2}, light},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QColor(bevel.pixel(c.at)).name(), QColor(c.colour).name()) << c.edge;
    }
}

TEST_F(LayoutTest, EveryDigitOfTheCountersFitsInsideItsBox) {
    Open();
    for (QLineEdit* counter : {Find<QLineEdit>(*window, "Score"), Find<QLineEdit>(*window, "Kazu"),
                               Find<QLineEdit>(*window, "Line4")}) {
        const QString widest = QString(counter->text().size(), '8');
        EXPECT_LE(counter->fontMetrics().horizontalAdvance(widest), TextRoom(counter))
            << counter->text().toStdString();
        EXPECT_LE(counter->fontMetrics().height(), counter->contentsRect().height());
    }
}

} // namespace
