#include "settings/PageControl.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

namespace {

constexpr int TabPadding = 6;   // each side of a caption
constexpr int TabRowIndent = 2; // free at each end of a row
constexpr int TabTopMargin = 2; // above the top row, where the active tab rises
constexpr int ActiveTabRise = 2;
constexpr int PageInset = 4; // from the control's sides and bottom to a page
constexpr int PageGap = 2;   // from the tabs down to a page

} // namespace

TPageControl::TPageControl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
}

QWidget* TPageControl::AddPage(const QString& caption) {
    auto* page = new QWidget(this);
    // Pages are solid, in the window's face colour, like the dialog itself.
    page->setAutoFillBackground(true);
    page->setBackgroundRole(QPalette::Window);
    captions_.append(caption);
    pages_.append(page);
    LayoutTabs();
    page->setGeometry(PageRect());
    if (active_ < 0) {
        active_ = 0;
        page->show();
    } else {
        page->hide();
    }
    update();
    return page;
}

void TPageControl::SetCaption(int index, const QString& caption) {
    if (index < 0 || index >= captions_.size() || captions_[index] == caption) return;
    captions_[index] = caption;
    LayoutTabs();
    update();
}

void TPageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= pages_.size() || index == active_) return;
    QWidget* old = Page(active_);
    // Focus inside the page that goes away moves to the tabs rather than to
    // whatever follows the page in the tab order.
    const bool focusWasInPage = old && old->isAncestorOf(QApplication::focusWidget());
    active_ = index;
    Page(active_)->show();
    if (focusWasInPage && isVisible()) setFocus(Qt::TabFocusReason);
    if (old) old->hide();
    update();
    TellAssistiveTechnology(old ? pages_.indexOf(old) : -1);
    emit Change();
}

void TPageControl::TellAssistiveTechnology(int oldIndex) {
    // Qt passes the events on only while assistive technology listens. The
    // children of the control's accessible interface are its tabs first,
    // in page order.
    QAccessible::State selection;
    selection.selected = true;
    for (int index : {oldIndex, active_}) {
        if (index < 0) continue;
        QAccessibleStateChangeEvent changed(this, selection);
        changed.setChild(index);
        QAccessible::updateAccessibility(&changed);
    }
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(active_);
        QAccessible::updateAccessibility(&focus);
    }
}

void TPageControl::ChooseByUser(int index) {
    if (index >= 0 && index < pages_.size()) SetActivePageIndex(index);
}

int TPageControl::TabAreaBottom() const {
    return TabTopMargin + rowCount_ * (fontMetrics().height() + 4);
}

QRect TPageControl::PageRect() const {
    const int top = TabAreaBottom() + PageGap;
    return QRect(PageInset, top, width() - 2 * PageInset, height() - top - PageInset);
}

void TPageControl::LayoutTabs() {
    const int rowWidth = width() - 2 * TabRowIndent;
    const int rowHeight = fontMetrics().height() + 4;

    // Fill rows from the left, starting a new row where a tab does not fit.
    places_.clear();
    QList<QList<int>> rows(1);
    int used = 0;
    for (int i = 0; i < captions_.size(); ++i) {
        const int tabWidth = fontMetrics().horizontalAdvance(captions_[i]) + 2 * TabPadding;
        if (!rows.last().isEmpty() && used + tabWidth > rowWidth) {
            rows.append(QList<int>());
            used = 0;
        }
        rows.last().append(i);
        places_.append(TabPlace{int(rows.size()) - 1, QRect(0, 0, tabWidth, rowHeight), 0});
        used += tabWidth;
    }
    rowCount_ = int(rows.size());

    for (const QList<int>& row : rows) {
        int natural = 0;
        for (int i : row)
            natural += places_[i].rect.width();
        // Several rows share the width evenly, as a wall of tabs; one row
        // keeps its natural widths.
        const int extra = rowCount_ > 1 ? std::max(0, rowWidth - natural) : 0;
        int x = TabRowIndent;
        for (int k = 0; k < row.size(); ++k) {
            TabPlace& place = places_[row[k]];
            const int share = extra * (k + 1) / row.size() - extra * k / row.size();
            place.rect.moveLeft(x);
            place.rect.setWidth(place.rect.width() + share);
            x += place.rect.width();
            place.position = row.size() == 1       ? QStyleOptionTab::OnlyOneTab
                             : k == 0              ? QStyleOptionTab::Beginning
                             : k == row.size() - 1 ? QStyleOptionTab::End
                                                   : QStyleOptionTab::Middle;
        }
    }
    for (int i = 0; i < pages_.size(); ++i)
        pages_[i]->setGeometry(PageRect());
}

int TPageControl::VisualRow(int row) const {
    // The active tab's row goes to the bottom (row count - 1), the others
    // follow it round in their order.
    const int activeRow = active_ >= 0 ? places_[active_].row : 0;
    return (row + (rowCount_ - 1 - activeRow) + rowCount_) % rowCount_;
}

QRect TPageControl::TabRect(int index) const {
    if (index < 0 || index >= places_.size()) return {};
    const TabPlace& place = places_[index];
    QRect rect = place.rect;
    rect.moveTop(TabTopMargin + VisualRow(place.row) * rect.height());
    return rect;
}

int TPageControl::TabAt(QPoint point) const {
    // The active tab stands out over its neighbours, so it is tested first.
    if (active_ >= 0 &&
        TabRect(active_).adjusted(-ActiveTabRise, -ActiveTabRise, ActiveTabRise, 0).contains(point))
        return active_;
    for (int i = 0; i < places_.size(); ++i)
        if (TabRect(i).contains(point)) return i;
    return -1;
}

void TPageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int paneTop = TabAreaBottom();

    QStyleOptionTabWidgetFrame pane;
    pane.initFrom(this);
    pane.rect = QRect(0, paneTop, width(), height() - paneTop);
    pane.shape = QTabBar::RoundedNorth;
    pane.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    pane.tabBarRect = TabRect(active_);
    pane.selectedTabRect = TabRect(active_);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, this);
    // Inside the frame the pages show the window's face colour throughout,
    // as the dialog does, whatever shade the style gives a tab pane.
    painter.fillRect(pane.rect.adjusted(2, 2, -2, -2), palette().color(QPalette::Window));

    auto drawTab = [&](int i) {
        QStyleOptionTab tab;
        tab.initFrom(this);
        tab.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        tab.shape = QTabBar::RoundedNorth;
        tab.text = captions_[i];
        tab.rect = TabRect(i);
        tab.position = QStyleOptionTab::TabPosition(places_[i].position);
        tab.row = VisualRow(places_[i].row);
        tab.documentMode = false;
        if (i == active_) {
            tab.state |= QStyle::State_Selected;
            // It rises over its neighbours, but not past the control's sides.
            tab.rect = tab.rect.adjusted(-ActiveTabRise, -ActiveTabRise, ActiveTabRise, 1) & rect();
        } else if (places_[i].row == places_[active_].row) {
            if (i + 1 == active_) tab.selectedPosition = QStyleOptionTab::NextIsSelected;
            if (i - 1 == active_) tab.selectedPosition = QStyleOptionTab::PreviousIsSelected;
        }
        if (i == hovered_ && isEnabled()) {
            // A tab under the mouse lights up: its caption takes the
            // highlight colour.
            tab.state |= QStyle::State_MouseOver;
            tab.palette.setColor(QPalette::WindowText, palette().color(QPalette::Highlight));
        }
        style()->drawControl(QStyle::CE_TabBarTab, &tab, &painter, this);
        if (i == active_ && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = TabRect(i).adjusted(3, 2, -3, -2);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    };
    // The active tab last, so that it stands over its neighbours and the
    // pane's edge.
    for (int i = 0; i < captions_.size(); ++i)
        if (i != active_) drawTab(i);
    if (active_ >= 0) drawTab(active_);
}

void TPageControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutTabs();
}

void TPageControl::mousePressEvent(QMouseEvent* event) {
    const int index = event->button() == Qt::LeftButton ? TabAt(event->position().toPoint()) : -1;
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    ChooseByUser(index);
}

void TPageControl::mouseMoveEvent(QMouseEvent* event) {
    const int index = TabAt(event->position().toPoint());
    if (index != hovered_) {
        hovered_ = index;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TPageControl::leaveEvent(QEvent* event) {
    if (hovered_ >= 0) {
        hovered_ = -1;
        update();
    }
    QWidget::leaveEvent(event);
}

void TPageControl::keyPressEvent(QKeyEvent* event) {
    const int count = int(pages_.size());
    if (count == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        const bool back = shift || event->key() == Qt::Key_Backtab;
        ChooseByUser((active_ + (back ? count - 1 : 1)) % count);
    } else if (control && event->key() == Qt::Key_PageDown) {
        ChooseByUser((active_ + 1) % count);
    } else if (control && event->key() == Qt::Key_PageUp) {
        ChooseByUser((active_ + count - 1) % count);
    } else if (hasFocus() && !control && event->key() == Qt::Key_Left) {
        ChooseByUser(active_ - 1);
    } else if (hasFocus() && !control && event->key() == Qt::Key_Right) {
        ChooseByUser(active_ + 1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void TPageControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        LayoutTabs();
        update();
    }
}
