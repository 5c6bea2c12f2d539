#include "platform/ui/textwidth.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace platform::ui {

void showCharacters(QWidget* box, int characters)
{
    // Names are mostly written in capitals: a capital N per character. As
    // QLineEdit reckons its own size: the text, its margins, the frame.
    const int text = box->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('N')));
    const QMargins m = box->contentsMargins();
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QSize inner(text + 2 * 2 + m.left() + m.right(), box->fontMetrics().height());
    box->setMinimumWidth(box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, inner, box).width());
}

} // namespace platform::ui
