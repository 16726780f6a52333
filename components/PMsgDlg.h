#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>

class QWidget;

// The kind of a message: it gives the dialog's title and icon.
enum TMsgDlgType : std::uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Button kinds, numbered by their bit in a TMsgDlgButtons set.
enum TMsgDlgBtn : std::uint8_t {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};

// A set of button kinds, one bit per kind. A single kind converts to the set
// holding it alone, so callers write mbOK for "OK alone".
class TMsgDlgButtons {
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(TMsgDlgBtn button) : bits_(std::uint16_t(1u << button)) {}

    constexpr bool Contains(TMsgDlgBtn button) const { return bits_ & (1u << button); }
    constexpr std::uint16_t Bits() const { return bits_; }
    constexpr TMsgDlgButtons operator|(TMsgDlgButtons other) const {
        TMsgDlgButtons both;
        both.bits_ = bits_ | other.bits_;
        return both;
    }

private:
    std::uint16_t bits_ = 0;
};

// The dialog's result when OK closes it.
inline constexpr int mrOK = 1;

// Shows text in a modal message dialog centred over owner's frame and kept
// inside the work area of owner's screen (over the primary screen's work area
// when owner is null), waits until it is closed and returns its result,
// truncated to 16 bits. The dialog always has one button, OK, which Enter and
// Esc both press; other button kinds in the set are not offered. helpContext
// is kept on the dialog as its HelpContext property and not used otherwise.
int CenteredMessageDlg(QWidget* owner, const QString& text, TMsgDlgType type,
                       TMsgDlgButtons buttons, int helpContext);

// Where a dialog of the given size goes: centred on the owner's frame (half
// remainders truncated toward zero), then pulled in at the work area's right
// and bottom edges, then pushed out at its left and top edges, so that a
// dialog larger than the work area starts at the work area's left and top.
QPoint PlaceCenteredDialog(QRect owner, QSize dialog, QRect workArea);

// Moves a dialog that is not shown yet (or shown) to where
// PlaceCenteredDialog puts it over owner's frame, inside the work area of
// owner's screen; with no owner, over the primary screen's work area.
void MoveCenteredOver(QWidget* dialog, const QWidget* owner);

// The title of custom messages, taken from the program file's path: the file
// name without its folder, cut at its first dot, with every letter after the
// first in lower case ("/opt/BRIMAL.BIN" gives "Brimal").
QString ApplicationTitle(const QString& programPath);

// ApplicationTitle with its first letter in upper case: the title of a program
// installed under a lower-case command name ("/usr/bin/brimal" gives
// "Brimal"), as a desktop user knows the program.
QString CommandTitle(const QString& programPath);

// Sets the title of custom messages, as a program may set its application's
// title; an empty title goes back to ApplicationTitle of the program file.
void SetApplicationTitle(const QString& title);
