#include "lotteries/limitetecleo.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace lotteries {

namespace {

// Drops a typed character that would make the text longer than the limit
// (what it replaces of a selection counts as room).
class LimiteTecleo final : public QObject {
public:
    LimiteTecleo(QLineEdit* caja, int caracteres) : QObject(caja), caja_(caja), limite_(caracteres) {}

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (objeto == caja_ && evento->type() == QEvent::KeyPress) {
            const QString texto = static_cast<QKeyEvent*>(evento)->text();
            const bool escribe = !texto.isEmpty() && texto.at(0).isPrint();
            if (escribe && caja_->text().size() - caja_->selectedText().size() >= limite_)
                return true;
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    QLineEdit* caja_;
    int limite_;
};

} // namespace

void limitatecleo(QLineEdit* caja, int caracteres)
{
    caja->installEventFilter(new LimiteTecleo(caja, caracteres));
}

} // namespace lotteries
