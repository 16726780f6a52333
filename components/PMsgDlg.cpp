#include "components/PMsgDlg.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>

namespace {

// The message dialog: an icon, the text beside it and one OK button below.
// Esc and closing the window press OK too, as it is the only way out.
class TMessageForm : public QDialog {
public:
    TMessageForm(QWidget* parent, const QString& text, TMsgDlgType type, int wrapWidth);

    void reject() override { done(mrOK); }
};

QString& TitleSetByProgram() {
    static QString title;
    return title;
}

QString TitleOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QCoreApplication::translate("PMsgDlg", "警告");
    case mtError:
        return QCoreApplication::translate("PMsgDlg", "エラー");
    case mtInformation:
        return QCoreApplication::translate("PMsgDlg", "情報");
    case mtConfirmation:
        return QCoreApplication::translate("PMsgDlg", "確認");
    default:
        if (!TitleSetByProgram().isEmpty()) return TitleSetByProgram();
        return ApplicationTitle(QCoreApplication::applicationFilePath());
    }
}

// The style's message-box icon of a type, at the size the style gives message
// box icons; custom messages have none.
QPixmap IconOf(TMsgDlgType type, const QWidget* dialog) {
    QStyle::StandardPixmap icon;
    switch (type) {
    case mtWarning:
        icon = QStyle::SP_MessageBoxWarning;
        break;
    case mtError:
        icon = QStyle::SP_MessageBoxCritical;
        break;
    case mtInformation:
        icon = QStyle::SP_MessageBoxInformation;
        break;
    case mtConfirmation:
        icon = QStyle::SP_MessageBoxQuestion;
        break;
    default:
        return QPixmap();
    }
    const QStyle* style = dialog->style();
    const int size = style->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, dialog);
    return style->standardIcon(icon, nullptr, dialog)
        .pixmap(QSize(size, size), dialog->devicePixelRatio());
}

// Texts come with CR LF line ends from the string table; a lone CR or LF
// breaks the line as well.
QString NormalisedLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

TMessageForm::TMessageForm(QWidget* parent, const QString& text, TMsgDlgType type, int wrapWidth)
    : QDialog(parent) {
    setWindowTitle(TitleOf(type));

    auto* message = new QLabel(this);
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setText(NormalisedLineBreaks(text));
    // The label is as wide as its longest line once the text is wrapped at
    // wrapWidth; its height then follows from that width.
    const QRectF textRect =
        QFontMetricsF(message->font())
            .boundingRect(QRectF(0, 0, wrapWidth, 1e6), Qt::TextWordWrap, message->text());
    message->setFixedWidth(int(std::ceil(textRect.width())));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(mrOK); });

    auto* body = new QHBoxLayout;
    const QPixmap icon = IconOf(type, this);
    if (!icon.isNull()) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image"));
        image->setPixmap(icon);
        body->addWidget(image, 0, Qt::AlignTop);
    }
    body->addWidget(message, 0, Qt::AlignTop);
    body->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(body);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    ok->setFocus();
}

// The owner's frame in screen pixels; a child widget has no frame of its own
// and stands for its own rectangle.
QRect OwnerFrame(const QWidget* owner) {
    if (owner->isWindow()) return owner->frameGeometry();
    return QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
}

// The size of a window not shown yet, with its frame as far as the platform
// can tell before the window is mapped (some window managers tell only
// afterwards; the size without the frame stands in then).
QSize FrameSize(QWidget* window) {
    window->winId();
    const QMargins frame =
        window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    return window->size().grownBy(frame);
}

} // namespace

int CenteredMessageDlg(QWidget* owner, const QString& text, TMsgDlgType type,
                       TMsgDlgButtons buttons, int helpContext) {
    // OK is every caller's only button and the dialog always has it, so a
    // set without it still leaves a way to close the dialog.
    Q_UNUSED(buttons);

    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    // Long lines wrap at half the screen's width.
    const int wrapWidth = screen ? screen->geometry().width() / 2 : 512;

    // The owner's window is the dialog's Qt parent, which keeps the dialog
    // above it. The dialog is freed here on every way out, an exception from
    // the modal loop included; the guarded pointer clears itself should the
    // owner's window take the dialog with it meanwhile.
    QPointer<QDialog> dialog =
        new TMessageForm(owner ? owner->window() : nullptr, text, type, wrapWidth);
    struct Free {
        QPointer<QDialog>& dialog;
        ~Free() { delete dialog.data(); }
    } free{dialog};

    dialog->setProperty("HelpContext", helpContext);
    dialog->adjustSize();
    MoveCenteredOver(dialog, owner);
    const int result = dialog->exec();
    return result & 0xFFFF;
}

void MoveCenteredOver(QWidget* dialog, const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect workArea = screen ? screen->availableGeometry() : QRect();
    if (!workArea.isValid()) return;
    const QRect ownerFrame = owner ? OwnerFrame(owner) : workArea;
    dialog->move(PlaceCenteredDialog(ownerFrame, FrameSize(dialog), workArea));
}

QPoint PlaceCenteredDialog(QRect owner, QSize dialog, QRect workArea) {
    // Edges as the work area states them: right and bottom lie just past the
    // last pixel. Integer division truncates toward zero.
    const int workRight = workArea.x() + workArea.width();
    const int workBottom = workArea.y() + workArea.height();
    int left = owner.x() + (owner.width() - dialog.width()) / 2;
    int top = owner.y() + (owner.height() - dialog.height()) / 2;
    if (left + dialog.width() > workRight) left = workRight - dialog.width();
    if (top + dialog.height() > workBottom) top = workBottom - dialog.height();
    if (left < workArea.x()) left = workArea.x();
    if (top < workArea.y()) top = workArea.y();
    return QPoint(left, top);
}

QString ApplicationTitle(const QString& programPath) {
    QString name = programPath.mid(programPath.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    if (name.isEmpty()) return name;
    // The first letter stays as it is, whole even when it takes two UTF-16
    // units.
    const qsizetype first = name.at(0).isHighSurrogate() && name.size() > 1 ? 2 : 1;
    return name.left(first) + name.mid(first).toLower();
}

QString CommandTitle(const QString& programPath) {
    const QString title = ApplicationTitle(programPath);
    if (title.isEmpty()) return title;
    const qsizetype first = title.at(0).isHighSurrogate() && title.size() > 1 ? 2 : 1;
    return title.left(first).toUpper() + title.mid(first);
}

void SetApplicationTitle(const QString& title) {
    TitleSetByProgram() = title;
}
