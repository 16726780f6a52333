#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class BoardSurface;

// GG: the well's box, showing the well picture of the board surface.
// Assistive technology reads it as a graphic named "井戸" described by the
// game's state in words (WellAccessible, once InstallViewAccessibility has
// run).
class WellView : public QWidget {
    Q_OBJECT

public:
    WellView(const BoardSurface& surface, QWidget* parent);

    // Where the description comes from, asked each time it is read: the
    // counters change too often to send it anew each time.
    void SetDescriber(std::function<QString()> describe) { describe_ = std::move(describe); }
    QString Description() const { return describe_ ? describe_() : QString(); }
    // Tells assistive technology that the description has changed: a game
    // started, paused, resumed or ended.
    void TellDescriptionChanged();

    // Calls `then` once, from the event loop, after the well's first paint:
    // by then the first picture has gone to the screen.
    void AfterFirstPaint(std::function<void()> then) { afterFirstPaint_ = std::move(then); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BoardSurface& surface_;
    std::function<void()> afterFirstPaint_;
    std::function<QString()> describe_;
};

// NG: the next-piece box, showing the preview bitmap halved to 48 x 48.
// Assistive technology reads it as a graphic named "次の駒" described by the
// kind it shows (PreviewAccessible).
class PreviewView : public QWidget {
    Q_OBJECT

public:
    PreviewView(const BoardSurface& surface, QWidget* parent);

    // The kind 1 to 7 the box shows, or 0 while it shows none. A change is
    // told to assistive technology as a change of the description.
    int ShownKind() const { return shownKind_; }
    void SetShownKind(int kind);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BoardSurface& surface_;
    int shownKind_ = 0;
};

// Bevel1: a lowered box frame one pixel wide around the whole client area,
// drawn beneath the other controls.
class BevelBox : public QWidget {
public:
    explicit BevelBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
