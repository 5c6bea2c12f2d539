#pragma once
// The chart of the monthly summary: categories (the months) along one axis,
// up to six series of amounts, drawn as one of eleven chart types. The 2-D
// types are Qt Charts drawings; the 3-D types are Qt Data Visualization
// scenes, which need OpenGL: where the screen offers none, a 3-D type says
// so in place of the drawing instead of failing.

#include <functional>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

class QLabel;
class QStackedLayout;

namespace reportwindows {

class GraficoResumen : public QWidget {
    Q_OBJECT
public:
    // The chart types and their codes.
    enum Tipo {
        Barras3D = 0,
        Barras2D = 1,
        Lineas3D = 2,
        Lineas2D = 3,
        Area3D = 4,
        Area2D = 5,
        Paso3D = 6,
        Paso2D = 7,
        Combinacion3D = 8,
        Combinacion2D = 9,
        Pastel2D = 14,
    };

    struct Serie {
        QString leyenda;
        QList<double> valores; // one per category
    };

    struct Datos {
        QStringList categorias;
        QList<Serie> series; // the ticked categories, in table order
    };

    explicit GraficoResumen(QWidget* padre = nullptr);

    void setTipo(int tipo) { tipo_ = tipo; }
    int tipo() const { return tipo_; }
    void setTitulo(const QString& titulo) { titulo_ = titulo; }
    void setTitulosEjes(const QString& categorias, const QString& valores);

    // Draws `datos` as the current type, replacing the drawing.
    void dibuja(const Datos& datos);
    // Draws the data of the last dibuja again (after a change of type).
    void redibuja() { dibuja(datos_); }
    const Datos& datos() const { return datos_; }

    // What stands drawn: the Qt class of the drawing ("QBarSeries",
    // "Q3DBars", …), empty before the first drawing.
    QString clase() const { return clase_; }
    // The labels along the category axis of what stands drawn (the months)
    // and along its series axis (the 3-D types: the series' names; the 2-D
    // ones name their series in the legend only). Empty for the pies and
    // before the first drawing.
    QStringList etiquetasCategorias() const;
    QStringList etiquetasSeries() const;
    // Whether this screen can draw the 3-D types.
    static bool hayOpenGL();
    static bool es3D(int tipo);

    // A picture of the chart as it stands.
    QImage imagen();

private:
    void dibuja2D(const Datos& datos);
    void dibuja3D(const Datos& datos);

    int tipo_ = Barras2D;
    QString titulo_;
    QString ejeCategorias_;
    QString ejeValores_;
    Datos datos_;
    QString clase_;
    QStackedLayout* pila_;
    QWidget* vista_ = nullptr; // the current drawing
    QLabel* titulo3D_;
    QLabel* leyenda3D_;
    std::function<QImage(QSize)> imagen3D_;
    std::function<QList<QStringList>()> etiquetas_;
};

} // namespace reportwindows
