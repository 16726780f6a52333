#include "app/play/WindowHost.h"

#include <QCursor>
#include <QDateTime>
#include <QMetaObject>

#include "app/play/EngineThread.h"
#include "app/play/FallClock.h"
#include "app/view/BoardSurface.h"
#include "components/SoundPlayer.h"
#include "engine/BoardGeometry.h"
#include "engine/Catalogue.h"

WindowHost::WindowHost(QObject* window, BoardWindow& board, BoardSurface& surface, FallClock& clock,
                       EngineThread& thread, SoundPlayer& sound, std::array<QByteArray, 4> clips)
    : window_(window), board_(board), surface_(surface), clock_(clock), thread_(thread),
      sound_(sound), clips_(std::move(clips)) {}

template <typename F> void WindowHost::Post(F&& call) {
    if (!window_) return;
    QMetaObject::invokeMethod(
        window_, [board = &board_, call = std::forward<F>(call)] { call(*board); },
        Qt::QueuedConnection);
}

void WindowHost::RequestWellRepaint() {
    // One repaint request at a time: a burst of cells costs one repaint.
    if (wellRepaintPending_->exchange(true)) return;
    Post([pending = wellRepaintPending_](BoardWindow& board) {
        pending->store(false);
        board.RepaintWell();
    });
}

void WindowHost::LayoutBoard(int width, int height) {
    surface_.Resize(width, height);
    Post([width, height](BoardWindow& board) { board.ApplyLayout(width, height); });
    RequestWellRepaint();
}

void WindowHost::DrawCell(int x, int y, int code) {
    surface_.DrawCell(x, y, code);
    if (y >= 0) RequestWellRepaint();
}

void WindowHost::FillWellBlack() {
    surface_.FillWellBlack();
    RequestWellRepaint();
}

void WindowHost::DrawPreview(int shape) {
    surface_.DrawPreviewPicture(PreviewPatterns[shape]);
    previewKind_ = KindOfShape(shape);
    Post([kind = previewKind_](BoardWindow& board) { board.RepaintPreview(kind); });
}

void WindowHost::ClearPreview() {
    surface_.DrawPreviewPicture(PreviewPicture{});
    previewKind_ = 0;
    Post([](BoardWindow& board) { board.RepaintPreview(0); });
}

void WindowHost::RepaintPreview() {
    Post([kind = previewKind_](BoardWindow& board) { board.RepaintPreview(kind); });
}

void WindowHost::ShowCounter(Counter which, const std::string& text) {
    Post([which, text = QString::fromStdString(text)](BoardWindow& board) {
        board.ShowCounter(which, text);
    });
}

void WindowHost::PublishActivePlay() {
    activePlay_.store(IsActivePlay(state_, clock_.Enabled()));
}

void WindowHost::SetCaption(GameState state, const std::string& caption) {
    state_ = state;
    PublishActivePlay();
    Post([state, caption = QString::fromStdString(caption)](BoardWindow& board) {
        board.ShowCaption(state, caption);
    });
}

void WindowHost::SetTimerEnabled(bool enabled) {
    clock_.SetEnabled(enabled);
    PublishActivePlay();
}
bool WindowHost::TimerEnabled() const {
    return clock_.Enabled();
}
void WindowHost::SetTimerInterval(int milliseconds) {
    clock_.SetInterval(milliseconds);
}
int WindowHost::TimerInterval() const {
    return clock_.Interval();
}

void WindowHost::Wait(int milliseconds) {
    thread_.Sleep(milliseconds);
}

void WindowHost::PlayClip(int slot, bool waitForEnd) {
    if (slot >= 1 && slot <= 3) sound_.PlayMemory(clips_[slot], waitForEnd);
}

void WindowHost::PlayFile(const std::string& path, bool waitForEnd) {
    sound_.PlayFile(path, waitForEnd);
}

void WindowHost::Beep(BeepKind kind) {
    sound_.Beep(kind);
}

void WindowHost::ShowMessage(const std::string& text) {
    Post([text = QString::fromStdString(text)](BoardWindow& board) { board.ShowGameOver(text); });
}

void WindowHost::MovePointerBesideWell(int wellWidth) {
    Post([x = BoardGeometry::PointerX(wellWidth)](BoardWindow& board) {
        board.MovePointerTo(x, BoardGeometry::PointerY);
    });
}

std::uint32_t WindowHost::MillisecondsSinceMidnightUtc() {
    return static_cast<std::uint32_t>(
        QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}
