#pragma once
// The report viewer's browser: shows a report page read from a plain file
// path and prints it. It reads the page into a compact model and lays it out
// itself (see documento.h, composicion.h), which keeps pages of a hundred
// thousand rows quick to show and small in memory. It runs no script and
// fetches nothing besides the page.

#include <QAbstractScrollArea>
#include <QString>

#include <memory>

class QPrinter;

namespace platform::ui::navegador {

struct Documento;
class Composicion;

class Navegador : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit Navegador(QWidget* parent = nullptr);
    ~Navegador() override;

    // Shows the page at `ruta`, laid out for the present width (a browser not
    // on screen yet lays it out when it is shown). A file that cannot be
    // read leaves the browser empty and answers false.
    bool navega(const QString& ruta);
    const QString& ruta() const { return ruta_; }
    bool tienePagina() const { return composicion_ != nullptr; }
    // The page's visible text (tests, copy): see Documento::textoPlano().
    QString textoPlano() const;
    // The height of the laid-out page in pixels (0 before it is laid out).
    int altoPagina() const;

    // Prints the shown page on `impresora`, cut into its pages between table
    // rows. False when no page is shown or the printer cannot be opened.
    bool imprime(QPrinter& impresora) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void recompone();
    bool compuesta() const;
    void ajustaBarras();

    QString ruta_;
    std::unique_ptr<Documento> documento_;
    std::unique_ptr<Composicion> composicion_;
};

} // namespace platform::ui::navegador
