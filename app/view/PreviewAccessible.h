#pragma once

#include <QAccessibleWidget>

class PreviewView;

// The next-piece box as assistive technology sees it: a graphic named
// "次の駒", described by the kind of the piece it shows, if any.
class PreviewAccessible : public QAccessibleWidget {
public:
    explicit PreviewAccessible(PreviewView* preview);
    QString text(QAccessible::Text t) const override;
};
