#include "app/play/GameSession.h"

#include <QMetaObject>
#include <array>
#include <chrono>

#include "app/play/EngineThread.h"
#include "app/play/FallClock.h"
#include "app/play/WindowHost.h"
#include "app/view/BoardSurface.h"
#include "components/SoundPlayer.h"
#include "engine/Engine.h"
#include "engine/GameRecorder.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"

GameSession::GameSession(BoardWindow& window, QObject* windowObject, TGameSettings& settings,
                         const SdlSession& sdl, MMTimerService::ServiceSeam* timerSeam) {
    // The clips, the preview bitmap and the cell images, in the order of the
    // start-up; then the engine, its thread and the fall clock, whose ticks
    // come on the clock's thread and are queued for the engine thread.
    std::array<QByteArray, 4> clips;
    for (int slot = 1; slot <= 3; ++slot)
        clips[slot] = Resources::SoundClip(slot);
    sound_ = std::make_unique<SoundPlayer>(sdl);
    std::array<QImage, 8> cellImages;
    for (int code = 0; code <= 7; ++code)
        cellImages[code] = Resources::CellImage(code);
    surface_ = std::make_unique<BoardSurface>(std::move(cellImages));

    thread_ = std::make_unique<EngineThread>();
    clock_ = std::make_unique<FallClock>(
        [this](std::uint64_t arming) {
            thread_->Post([this, arming] {
                if (!clock_->IsCurrent(arming)) return;
                engine_->Timer1Timer();
                AfterOperation();
            });
        },
        timerSeam);
    host_ = std::make_unique<WindowHost>(windowObject, window, *surface_, *clock_, *thread_,
                                         *sound_, std::move(clips));
    engine_ =
        std::make_unique<Engine>(*host_, settings,
                                 EngineTexts{StringTable::LoadStr(StringTable::IdleTitle),
                                             StringTable::LoadStr(StringTable::GameOverText)});
    // Each game is recorded as it is played; a finished one goes to the UI
    // thread whole, queued before the game-over message that follows it.
    recorder_ = std::make_unique<GameRecorder>(
        [] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
        },
        [this](GameRecord&& game) {
            auto finished = std::make_shared<GameRecord>(std::move(game));
            QMetaObject::invokeMethod(
                &replies_,
                [this, finished] {
                    if (onGameRecorded_) onGameRecorded_(*finished);
                },
                Qt::QueuedConnection);
        });
    engine_->SetJournal(recorder_.get());
    commands_ = std::make_unique<CommandQueue>(
        [this](CommandQueue::Task task) {
            thread_->Post([this, task = std::move(task)] {
                task();
                AfterOperation();
            });
        },
        [this](CommandQueue::Task task) {
            QMetaObject::invokeMethod(&replies_, std::move(task), Qt::QueuedConnection);
        });
}

GameSession::~GameSession() {
    Close();
}

void GameSession::Post(std::function<void(Engine&)> operation) {
    if (closed_) return;
    commands_->Post([this, operation = std::move(operation)] { operation(*engine_); });
}

void GameSession::SetCellStyle(Resources::CellStyle style) {
    CellImages images;
    for (int code = 0; code < Resources::CellImageCount; ++code)
        images[code] = Resources::CellImage(code, style);
    Post([this, images = std::move(images)](Engine&) {
        surface_->SetCellImages(images);
        host_->RepaintPreview();
    });
}

void GameSession::RunOnEngine(const std::function<void(Engine&)>& operation) {
    if (closed_) return;
    thread_->PostAndWait([this, &operation] {
        operation(*engine_);
        AfterOperation();
    });
}

void GameSession::HoldFallPeriod(int milliseconds) {
    if (closed_) return;
    thread_->PostAndWait([this, milliseconds] {
        heldPeriod_ = milliseconds;
        KeepHeldPeriod();
    });
}

void GameSession::PostCommand(std::function<void(Engine&)> operation) {
    Post([seen = shownEnds_, operation = std::move(operation)](Engine& game) {
        if (game.Ends() == seen) operation(game);
    });
}

void GameSession::AfterOperation() {
    KeepHeldPeriod();
    PublishEnds();
}

void GameSession::PublishEnds() {
    if (engine_->Ends() == publishedEnds_) return;
    publishedEnds_ = engine_->Ends();
    QMetaObject::invokeMethod(
        &replies_, [this, ends = publishedEnds_] { shownEnds_ = ends; }, Qt::QueuedConnection);
}

void GameSession::KeepHeldPeriod() {
    // Setting the period restarts a running clock, so it is set only when the
    // game has changed it (at the start of a game and after a landing).
    if (heldPeriod_ > 0 && clock_->Interval() != heldPeriod_) clock_->SetInterval(heldPeriod_);
}

void GameSession::RunSetupCommand(SetupKind kind, std::function<void()> command) {
    if (closed_) return;
    const bool outOfActivePlay = kind == SetupKind::OutOfActivePlay;
    std::function<bool()> allowed = [this, seen = shownEnds_, outOfActivePlay] {
        if (engine_->Ends() != seen) return false;
        return outOfActivePlay ? !engine_->InActivePlay() : engine_->IsIdle();
    };
    commands_->Carry({std::move(allowed), std::move(command), kind == SetupKind::DialogWhileIdle,
                      outOfActivePlay});
}

EngineHost& GameSession::Host() {
    return *host_;
}

void GameSession::OnGameRecorded(std::function<void(const GameRecord&)> handler) {
    onGameRecorded_ = std::move(handler);
}

bool GameSession::InActivePlay() const {
    return !closed_ && host_->InActivePlay();
}

bool GameSession::Timer1Enabled() const {
    return !closed_ && clock_->Enabled();
}

void GameSession::Close() {
    if (closed_) return;
    closed_ = true;
    commands_->Close();
    sound_->Close();
    thread_->Stop();
    clock_->SetEnabled(false);
    engine_.reset();
    recorder_.reset();
    host_.reset();
    clock_.reset();
    thread_.reset();
}
