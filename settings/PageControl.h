#pragma once

#include <QList>
#include <QRect>
#include <QStringList>
#include <QWidget>

// Pages stacked under a row of tabs, one page shown at a time. Tabs that do
// not fit in one row wrap into several rows; every row is then stretched to
// the full width, and the row holding the active page's tab always lies next
// to the pages (the rows rotate, keeping their order). A tab lights up under
// the mouse.
//
// The control itself takes the focus for its tabs: Left and Right then choose
// the page before or after; Ctrl+Tab and Ctrl+Shift+Tab (Ctrl+PageDown and
// Ctrl+PageUp) do so anywhere inside the control, going round.
//
// Pages are children of the control, each filling PageRect(); controls on a
// page are placed relative to the page's top-left corner.
//
// Assistive technology sees a page tab list of one page tab per page
// (TPageControlAccessible), once InstallSettingsAccessibility has run.
class TPageControl : public QWidget {
    Q_OBJECT

public:
    explicit TPageControl(QWidget* parent = nullptr);

    // Adds a page at the end with its tab caption; the first page added
    // becomes the active one.
    QWidget* AddPage(const QString& caption);

    int PageCount() const { return pages_.size(); }
    QWidget* Page(int index) const { return pages_.value(index); }
    QString Caption(int index) const { return captions_.value(index); }
    // A new caption for a page (a change of language); the tabs are laid out
    // again. An index without a page does nothing.
    void SetCaption(int index, const QString& caption);

    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int index);

    // Where the pages lie, and where a tab lies now, in the control's pixels.
    QRect PageRect() const;
    QRect TabRect(int index) const;
    int TabRowCount() const { return rowCount_; }

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct TabPlace {
        int row = 0;  // in filling order, 0 holding the first tabs
        QRect rect;   // in its row, before the rows rotate
        int position; // QStyleOptionTab::TabPosition within its row
    };

    void LayoutTabs();
    int VisualRow(int row) const;
    int TabAt(QPoint point) const;
    int TabAreaBottom() const;
    void ChooseByUser(int index);
    // Tells a screen reader which tab lost and which gained the selection.
    void TellAssistiveTechnology(int oldIndex);

    QStringList captions_;
    QList<QWidget*> pages_;
    QList<TabPlace> places_;
    int rowCount_ = 1;
    int active_ = -1;
    int hovered_ = -1;
};
