#include "app/view/PreviewAccessible.h"

#include "app/view/BoardWidgets.h"
#include "components/PieceKindWords.h"

PreviewAccessible::PreviewAccessible(PreviewView* preview)
    : QAccessibleWidget(preview, QAccessible::Graphic) {}

QString PreviewAccessible::text(QAccessible::Text t) const {
    const auto* preview = static_cast<const PreviewView*>(widget());
    if (t == QAccessible::Name) return PreviewView::tr("次の駒");
    if (t == QAccessible::Description) return PieceKindInWords(preview->ShownKind());
    return QAccessibleWidget::text(t);
}
