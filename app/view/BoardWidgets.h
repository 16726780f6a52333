#pragma once

#include <QWidget>
#include <functional>

class BoardSurface;

// GG: the well's box, showing the well picture of the board surface.
class WellView : public QWidget {
public:
    WellView(const BoardSurface& surface, QWidget* parent);

    // Calls `then` once, from the event loop, after the well's first paint:
    // by then the first picture has gone to the screen.
    void AfterFirstPaint(std::function<void()> then) { afterFirstPaint_ = std::move(then); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BoardSurface& surface_;
    std::function<void()> afterFirstPaint_;
};

// NG: the next-piece box, showing the preview bitmap halved to 48 x 48.
class PreviewView : public QWidget {
public:
    PreviewView(const BoardSurface& surface, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BoardSurface& surface_;
};

// Bevel1: a lowered box frame one pixel wide around the whole client area,
// drawn beneath the other controls.
class BevelBox : public QWidget {
public:
    explicit BevelBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
