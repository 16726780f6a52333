#pragma once

#include <QPointer>
#include <QWidget>

class QPaintEvent;

// The cut of one bevel of a panel's frame. bvSpace takes the bevel's width
// without drawing a line.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A container panel for dialogs. It draws a grooved frame by default (a
// lowered outer bevel around a raised inner one, one pixel each) and passes
// its enabled state on to every control inside it, so that a whole group of
// controls greys out and comes back with one switch. Children are placed at
// fixed positions relative to the panel's top-left corner, frame included.
//
// Qt's own rule differs: disabling a widget greys its descendants but keeps
// each one's own state, so a control that was disabled by itself would stay
// disabled when the panel comes back. Here the panel's state overwrites the
// state of every control inside it, at every depth, each time it changes.
//
// Assistive technology sees a grouping named by the panel's title
// (TKePanelAccessible), once InstallComponentsAccessibility has run.
class TKePanel : public QWidget {
    Q_OBJECT

public:
    explicit TKePanel(QWidget* parent = nullptr);

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);

    // When set, the panel also sets its parent's enabled state to its own.
    // Re-enabling then needs the parent enabled first: Qt keeps a widget
    // inside a disabled parent disabled.
    bool UpdateParent() const { return updateParent_; }
    void SetUpdateParent(bool value) { updateParent_ = value; }

    // The text or check box laid over the panel's top edge as its caption,
    // or null. Assistive technology names the panel after it.
    QWidget* Title() const { return title_; }
    void SetTitle(QWidget* title) { title_ = title; }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelCut bevelInner_ = bvRaised;
    TBevelCut bevelOuter_ = bvLowered;
    bool updateParent_ = false;
    QPointer<QWidget> title_;
};

// Sets the enabled state of every child control of container to value, in
// the order the children were added, and descends depth first into the
// children that are containers themselves (panels, group boxes and plain
// QWidget or QFrame holders). Input controls get their own state set but are
// not descended into: their inner parts follow them by Qt's own rule.
void EnableChildren(QWidget* container, bool value);
