#pragma once
// The installation of one program from its downloaded package, in the
// program folder:
//  1. an unpacked file left by an interrupted run is removed, so that only
//     what this package unpacks can be installed;
//  2. while the program file is in use (a running program holds it), the
//     caller is told and the check is made again once it returns;
//  3. the old program file is set aside under a backup name (it is the
//     "delete" of the old program: nothing is lost until the end);
//  4. the package runs through the command interpreter, hidden, in the
//     program folder; it must end well within the time limit;
//  5. the file it unpacked takes the program file's name;
//  6. the package file and the backup are deleted.
// When a step from 3 on fails, the new files are removed and the old
// program file is put back under its name. An updater that died between 3
// and the end leaves the backup: the next run puts it back first
// (recupera).
//
// Of several files of one program whose names differ only in letter case,
// the one spelled as the table spells it is updated, else the first; the
// others stay as they were.

#include "updater/programas.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace updater {

class Instalacion {
public:
    // How long a package may take to unpack.
    static constexpr int EsperaDesempaqueMs = 300000;
    // The name the program file is set aside under: its name + ".anterior".
    static QString nombreRespaldo(const QString& archivo);

    struct Resultado {
        bool instalado = false;
        QString actualizado;    // the program file replaced
        QStringList sinCambio;  // its other spellings, left as they were
        QString error;          // why not, in words
        bool restaurado = true; // false: the old program is only in the backup
        QString respaldo;       // the backup's path when restaurado is false
    };

    // `enUso` is called each time the program file is found in use; the
    // check is repeated when it returns.
    Instalacion(QString carpeta, Programa programa, std::function<void()> enUso,
                int esperaMs = EsperaDesempaqueMs);

    Resultado instala();

    struct Recuperacion {
        QStringList devueltos; // the program files put back
        QString error;         // why one could not be, in words
    };
    // Puts back under its name every program file an interrupted run left
    // set aside, when neither that name nor the table's name for the
    // program is taken (a name taken means the run got as far as placing
    // the new program, and the backup is only a backup).
    static Recuperacion recupera(const QString& carpeta);

private:
    QString ruta(const QString& nombre) const;
    bool quitaDesempacados(QString& error) const;
    bool apartaPrograma(const QString& encontrado, QString& error);
    bool desempaca(QString& error);
    bool colocaNuevo(QString& error);
    void restaura(const QString& encontrado, Resultado& resultado);

    QString carpeta_;
    Programa programa_;
    std::function<void()> enUso_;
    int esperaMs_;
    QString respaldo_;
    bool nuevoColocado_ = false;
};

} // namespace updater
