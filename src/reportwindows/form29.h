#pragma once
// Form29, "Gráfico Resumen por meses": for one year and a range of group
// chiefs, up to six monthly figures of the house (sales, prizes,
// commissions, balance, expenses, net result) drawn as a chart of the
// chosen type, and printed on the default printer.

#include "platform/ui/window.h"

#include <optional>

class QComboBox;
class QListWidget;
class QPushButton;

namespace reportwindows {

class GraficoResumen;

class Form29 : public platform::ui::Window {
    Q_OBJECT
public:
    Form29();

    QComboBox* Combo1;  // year, 2005 … 3000
    QComboBox* Combo2;  // first seller of the range
    QComboBox* Combo3;  // last seller of the range
    QComboBox* Combo4;  // chart type
    QListWidget* List1; // categories to draw
    QListWidget* List2; // months to ask for
    GraficoResumen* MSChart1;
    QPushButton* Command1;  // "Graficar"
    QPushButton* XPButton3; // "Imprimir"
    QPushButton* XPButton1; // "Regresar"

    // One category: its item, the result column it draws, its legend text.
    struct Categoria {
        QString elemento;
        QString columna;
        QString leyenda;
    };
    static const QList<Categoria> Categorias;
    static const QStringList Meses;
    // The chart types in the order of the box, with their codes.
    static const QList<std::pair<QString, int>> TiposGrafico;

    // The month codes of the ticked months: "1"-"9", "A"-"C"; all twelve
    // when none is ticked.
    QString codigosMeses() const;

    void generagrafico();
    void imprimegrafico();

    // Tests print to this PDF file instead of the default printer.
    static void imprimeEnArchivo(const QString& pdf);

protected:
    void onLoad() override;

private:
    void llenaVendedores();
    // The chart type of the box's text; nullopt when it names none.
    std::optional<int> tipoElegido() const;
    void corre();
};

} // namespace reportwindows
