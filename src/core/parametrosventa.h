#pragma once
// The sale-parameter block: the values with which the plays of a lottery are
// sold, shown and typed one box per field.
// - normal play (triples and terminales): minimum play, limit, sale
//   commission, first, second and third prize — 12 fields, laid out as six
//   rows by the two columns "Triples" and "Terminales";
// - the comodin: the switch "Paga Comodin Monto:" and its amount, at the foot
//   of the normal frame;
// - digit play: minimum, limit, commission, prize;
// - pair play: limits of numbers A and B, minimum, commission, first prize,
//   single prize.
// The block is stored per lottery, per lottery and special play, per seller,
// per seller and lottery and per seller, lottery and special play. Every
// store keeps its own parameter names, order, types and sizes: each gives
// its list of ParametroVenta and the conversion its save applies, and the
// block builds the parameters from it.
//
// Fields are named as the program's columns (compared without regard to
// case), so a row of any store fills the block by name.

#include "platform/db/command.h"
#include "platform/db/recordset.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace core {

namespace campos {
// In the block's own order.
inline const QStringList Venta = {
    QStringLiteral("Minimo_tri"), QStringLiteral("Minimo_ter"), QStringLiteral("Lim_Tri"),
    QStringLiteral("Lim_ter"),    QStringLiteral("Comi_Tri"),   QStringLiteral("Comi_Ter"),
    QStringLiteral("P_tri_1"),    QStringLiteral("P_tri_2"),    QStringLiteral("P_Tri_3"),
    QStringLiteral("P_ter_1"),    QStringLiteral("P_ter_2"),    QStringLiteral("P_ter_3")};
inline const QStringList Digito = {QStringLiteral("Montom_digito"), QStringLiteral("Lim_digito"),
                                   QStringLiteral("Comi_digito"), QStringLiteral("Premio_digito")};
inline const QStringList Pares = {QStringLiteral("Lim_NumA"),   QStringLiteral("Lim_NumB"),
                                  QStringLiteral("Montom_par"), QStringLiteral("Comispar"),
                                  QStringLiteral("Premiopar"),  QStringLiteral("sencillo_par")};
inline const QString MontoComodin = QStringLiteral("montocomodin");
inline const QString PagaComodin = QStringLiteral("Pagacomodin");
} // namespace campos

// The texts of a block's boxes by field name in lower case.
using TextosVenta = QHash<QString, QString>;

struct ParametroVenta;

// The key filter of a box of the block.
enum class FiltroCaja { Ninguno, Decimal, Entero };

class BloqueVenta {
public:
    enum Parte { Normal = 1, Comodin = 2, Digito = 4, Pares = 8 };
    struct Opciones {
        int partes = Normal;
        QString tituloNormal = QStringLiteral("< Venta Normal >");
        // The six row labels of the normal frame.
        QStringList filasNormal = {QStringLiteral("Monto Minimo de Juego"),
                                   QStringLiteral("Limites"),
                                   QStringLiteral("Comision  Vta"),
                                   QStringLiteral("1er Premio"),
                                   QStringLiteral("2do Premio"),
                                   QStringLiteral("3er Premio")};
        QString tituloDigito = QStringLiteral("< Venta Por Digito >");
        QString tituloPares = QStringLiteral("< Venta Por Pares >");
    };

    // Builds the frames of the parts asked for. The window places them (a
    // frame it does not place must still be given a parent: hide it).
    explicit BloqueVenta(const Opciones& opciones);
    BloqueVenta(const BloqueVenta&) = delete;
    BloqueVenta& operator=(const BloqueVenta&) = delete;

    QGroupBox* marcoNormal() const { return normal_; } // null when not asked for
    QGroupBox* marcoDigito() const { return digito_; }
    QGroupBox* marcoPares() const { return pares_; }
    QCheckBox* pagaComodin() const { return pagaComodin_; }

    // The fields the block holds, in order: normal, comodin amount, digit, pairs.
    const QStringList& campos() const { return orden_; }
    // The box of a field; null when the block does not hold it.
    QLineEdit* caja(const QString& campo) const;
    QString texto(const QString& campo) const;
    void ponTexto(const QString& campo, const QString& texto);
    // Every box's text.
    TextosVenta textos() const;

    // Fills every box from the row's field of the same name, the value as
    // its implicit text (regional decimal comma, no format of its own), and
    // ticks the comodin switch when Pagacomodin is "S" exactly, as stored.
    void muestra(const platform::db::RecordSet& fila);
    // Puts the texts of a record's block into the boxes (fields the texts
    // lack are left as they are); the fields of `conComaapunto` get their
    // "," turned into ".".
    void ponTextos(const TextosVenta& textos, const QStringList& conComaapunto = {});
    // Copies the texts and the comodin switch of another block, as ponTextos.
    void copiaDe(const BloqueVenta& otro, const QStringList& conComaapunto = {});
    // Every empty box of the block gets "0", in the block's order.
    void rellenaVacios();

    void ponFiltro(const QStringList& campos, FiltroCaja filtro);
    // Typing limits: each box takes no more whole digits and decimals than
    // the parameter its value is sent in holds.
    void ponLimites(const QList<ParametroVenta>& parametros);
    void ponLimites(const QStringList& campos, int precision, int escala);
    // The boxes of a store that sends its amounts as text parameters: no
    // more characters than the parameter holds (core/filtros.h), each box
    // named by its row and column captions in the message.
    void ponLargos(const QStringList& campos, int caracteres);
    void ponSeleccionaTodo(const QStringList& campos);
    // Locked boxes: the block only shows.
    void ponSoloLectura(bool soloLectura);

private:
    QLineEdit* nuevaCaja(const QString& campo, const QString& titulo);
    QGroupBox* construyeNormal(const Opciones& opciones);
    QGroupBox* construyeDigito(const Opciones& opciones);
    QGroupBox* construyePares(const Opciones& opciones);

    QGroupBox* normal_ = nullptr;
    QGroupBox* digito_ = nullptr;
    QGroupBox* pares_ = nullptr;
    QCheckBox* pagaComodin_ = nullptr;
    QHash<QString, QLineEdit*> cajas_; // by lower-case field name
    QStringList orden_;
};

// How a store's save hands the texts of the boxes to its parameters.
enum class ConversionVenta {
    // Every "." becomes "," and the typed decimal parameter reads the text
    // with the regional separators: "12.5" arrives as 12.5.
    PuntoAComa,
    // The number the text begins with, "." as decimal point ("12,5" → 12,
    // "" → 0).
    NumeroInicial,
};

// One parameter of a store's list: its name, the field whose box gives the
// value, its type (Decimal or Numeric) with precision and scale.
struct ParametroVenta {
    QString parametro;
    QString campo;
    platform::db::DataType tipo = platform::db::DataType::Decimal;
    int precision = 9;
    int escala = 3;
};

// The texts a row gives the block's fields (every field of the block the row
// holds), as the block shows them: the value's implicit text.
TextosVenta leetextosventa(const platform::db::RecordSet& fila);

// The value a box's text gives a parameter under the conversion.
QVariant valorventa(const QString& texto, ConversionVenta conversion);
// Appends the store's parameters, in its order, with their values from the
// texts of the block's boxes. A field the texts lack throws ItemNotFound.
void agregaparametrosventa(platform::db::Command& comando, const QList<ParametroVenta>& lista,
                           const TextosVenta& textos, ConversionVenta conversion);
// The texts of the given fields as typed, in that order (text calls).
QStringList textosventa(const TextosVenta& textos, const QStringList& campos);

} // namespace core
