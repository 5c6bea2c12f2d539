#pragma once
// Reviewing windows as they open: a screenshot of a window saved as a PNG
// (offscreen too), and the controls that cannot show their whole value.
// Header-only.

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QWidget>

namespace testsupport {

// Saves what `window` shows to <folder>/<name>.png and returns the path
// ("" when it could not be written). The folder is DUROZ_SCREENSHOTS, or
// duroz-screenshots in the temporary folder.
inline QString saveScreenshot(QWidget* window, const QString& name);

// Saves a picture drawn by other means (an OpenGL scene, which a widget's
// grab leaves blank) the same way.
inline QString saveImage(const QImage& image, const QString& name)
{
    QString folder = qEnvironmentVariable("DUROZ_SCREENSHOTS");
    if (folder.isEmpty())
        folder = QDir::temp().filePath(QStringLiteral("duroz-screenshots"));
    if (!QDir().mkpath(folder))
        return {};
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    return image.save(path, "PNG") ? path : QString();
}

inline QString saveScreenshot(QWidget* window, const QString& name)
{
    return saveImage(window->grab().toImage(), name);
}

// The width a line edit needs to show `text` whole (as QLineEdit reckons
// its own size).
inline int widthToShow(const QLineEdit* box, const QString& text)
{
    const QMargins tm = box->textMargins();
    const QMargins cm = box->contentsMargins();
    const int inner = box->fontMetrics().horizontalAdvance(text) + 2 * 2 + tm.left() + tm.right() +
                      cm.left() + cm.right();
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box)
                                       : 0;
    return box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, 0), box).width();
}

// The visible controls of `window` that cut their value: text boxes (and
// editable lists) narrower than their text, grids whose shown columns are
// wider than the grid. Each named by its objectName (or class) and text.
inline QStringList cutControls(QWidget* window)
{
    QStringList cut;
    const auto name = [](const QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (!box->isVisibleTo(window) || box->text().isEmpty())
            continue;
        const QString text = box->echoMode() == QLineEdit::Normal ? box->text() : box->displayText();
        if (box->width() < widthToShow(box, text)) {
            const auto* list = qobject_cast<QComboBox*>(box->parentWidget());
            cut << (list ? name(list) : name(box)) + QStringLiteral(": ") + text;
        }
    }
    for (QTableView* grid : window->findChildren<QTableView*>()) {
        if (!grid->isVisibleTo(window) || !grid->model() || grid->model()->columnCount() == 0)
            continue;
        if (grid->horizontalHeader()->length() > grid->viewport()->width())
            cut << name(grid) + QStringLiteral(": columns ") +
                       QString::number(grid->horizontalHeader()->length()) + QStringLiteral(" wide in ") +
                       QString::number(grid->viewport()->width());
    }
    return cut;
}

} // namespace testsupport
