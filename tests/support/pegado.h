#pragma once
// Pasting into a box the ways an operator does: the clipboard holds the
// text, then Ctrl+V typed into the box or "Paste" of the box's own pop-up
// menu (the same menu its right button shows).

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>

namespace testsupport {

enum class Pegado { Teclado, Menu };

inline const char* nombre(Pegado como)
{
    return como == Pegado::Teclado ? "Ctrl+V" : "pop-up menu";
}

// Pastes `texto` over the box's selection (or at its cursor); the posted
// events (a refusal's message) are run before it returns.
inline void pega(QLineEdit* caja, const QString& texto, Pegado como)
{
    QApplication::clipboard()->setText(texto);
    if (como == Pegado::Teclado) {
        QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
    } else {
        const std::unique_ptr<QMenu> menu(caja->createStandardContextMenu());
        // The menu's own caption, in whatever language the program shows.
        const QString pegar = QCoreApplication::translate("QLineEdit", "&Paste");
        for (QAction* accion : menu->actions())
            if (accion->text().startsWith(pegar) && accion->isEnabled())
                accion->trigger();
    }
    QCoreApplication::processEvents();
}

} // namespace testsupport
